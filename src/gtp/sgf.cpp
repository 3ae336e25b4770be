#include "gtp/sgf.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "board/goban.h"

namespace {

struct Propriete {
  std::string Nom;
  std::vector<std::string> Valeurs;
};

using Noeud = std::vector<Propriete>;

// The properties that set up a position; every other one is read and dropped.
bool Utile(const std::string& nom) {
  return nom == "SZ" || nom == "KM" || nom == "HA" || nom == "GM" || nom == "PL" || nom == "AB" ||
         nom == "AW" || nom == "AE" || nom == "B" || nom == "W";
}

bool Blanc(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string_view SansBlancs(std::string_view s) {
  while (!s.empty() && Blanc(s.front())) s.remove_prefix(1);
  while (!s.empty() && Blanc(s.back())) s.remove_suffix(1);
  return s;
}

bool LitEntier(std::string_view s, int& n) {
  s = SansBlancs(s);
  const char* fin = s.data() + s.size();
  auto [p, ec] = std::from_chars(s.data(), fin, n);
  return !s.empty() && ec == std::errc() && p == fin;
}

bool LitReel(std::string_view s, double& x) {
  const std::string t(SansBlancs(s));
  if (t.empty()) return false;
  char* fin = nullptr;
  x = std::strtod(t.c_str(), &fin);
  return fin == t.c_str() + t.size() && std::isfinite(x);
}

// "cd": column c, row d, counted from the top-left corner; -1 if not on the board.
int32_t LitPoint(std::string_view v, int taille) {
  if (v.size() != 2) return -1;
  const int x = v[0] - 'a';
  const int y = v[1] - 'a';
  if (x < 0 || x >= taille || y < 0 || y >= taille) return -1;
  return y * taille + x;
}

int CouleurDe(std::string_view v) {
  v = SansBlancs(v);
  if (v == "B" || v == "b") return 1;
  if (v == "W" || v == "w") return 2;
  return 0;
}

// Turns the properties of one node into actions, node after node, so that only
// the actions of a long record are kept in memory.
class Interprete {
 public:
  explicit Interprete(PartieSgf& partie) : partie_(partie) {}

  std::string Noeud(const ::Noeud& noeud) {
    if (premier_) {
      premier_ = false;
      if (std::string e = Racine(noeud); !e.empty()) return e;
    }
    for (const Propriete& prop : noeud) {
      const std::string& nom = prop.Nom;
      if (nom == "AB" || nom == "AW" || nom == "AE") {
        const int couleur = nom == "AB" ? 1 : nom == "AW" ? 2 : 0;
        for (const std::string& v : prop.Valeurs)
          if (std::string e = Pose(v, couleur); !e.empty()) return e;
      }
    }
    // Setup first, then the move, whatever the order of the properties.
    for (const Propriete& prop : noeud) {
      if (prop.Nom == "B" || prop.Nom == "W") {
        if (prop.Valeurs.size() != 1) return "invalid move in game record";
        if (std::string e = Coup(prop.Valeurs.front(), prop.Nom == "B" ? 1 : 2); !e.empty())
          return e;
      }
    }
    for (const Propriete& prop : noeud) {
      if (prop.Nom == "PL") {
        const int couleur = CouleurDe(prop.Valeurs.front());
        if (couleur == 0) return "invalid player in game record";
        if (!Ajoute({ActionSgf::Joueur, couleur, COUP_PASSE})) return "game record too large";
      }
    }
    if (!Ajoute({ActionSgf::FinNoeud, 0, COUP_PASSE})) return "game record too large";
    return "";
  }

 private:
  bool Ajoute(const ActionSgf& a) {
    if (partie_.Actions.size() >= ACTIONS_SGF_MAX) return false;
    partie_.Actions.push_back(a);
    return true;
  }

  std::string Racine(const ::Noeud& racine) {
    for (const Propriete& prop : racine) {
      const std::string& v = prop.Valeurs.front();
      if (prop.Nom == "GM") {
        int gm;
        if (!LitEntier(v, gm) || gm != 1) return "not a Go game record";
      } else if (prop.Nom == "SZ") {
        int taille;
        if (!LitEntier(v, taille) || taille < 1 || taille > TAILLE_MAX)
          return "unacceptable size in game record";
        partie_.Taille = taille;
      } else if (prop.Nom == "KM") {
        if (!LitReel(v, partie_.Komi)) return "invalid komi in game record";
        partie_.AvecKomi = true;
      } else if (prop.Nom == "HA") {
        if (!LitEntier(v, partie_.Handicap)) partie_.Handicap = 0;
      }
    }
    return "";
  }

  // A setup value: one point, or a rectangle "aa:cc" of points.
  std::string Pose(std::string_view v, int couleur) {
    const int n = partie_.Taille;
    v = SansBlancs(v);
    std::string_view a = v, b = v;
    if (const size_t deux = v.find(':'); deux != std::string_view::npos) {
      a = v.substr(0, deux);
      b = v.substr(deux + 1);
    }
    const int32_t p = LitPoint(a, n);
    const int32_t q = LitPoint(b, n);
    if (p < 0 || q < 0) return "invalid point in game record";
    const int x0 = std::min(p % n, q % n), x1 = std::max(p % n, q % n);
    const int y0 = std::min(p / n, q / n), y1 = std::max(p / n, q / n);
    for (int y = y0; y <= y1; y++)
      for (int x = x0; x <= x1; x++)
        if (!Ajoute({ActionSgf::Pose, couleur, y * n + x})) return "game record too large";
    return "";
  }

  std::string Coup(std::string_view v, int couleur) {
    const int n = partie_.Taille;
    v = SansBlancs(v);
    int32_t p;
    // "" is a pass, and so is "tt" on boards up to 19x19.
    if (v.empty() || (v == "tt" && n <= 19)) {
      p = COUP_PASSE;
    } else {
      p = LitPoint(v, n);
      if (p < 0) return "invalid move in game record";
    }
    if (!Ajoute({ActionSgf::Coup, couleur, p})) return "game record too large";
    return "";
  }

  PartieSgf& partie_;
  bool premier_ = true;
};

class Lecteur {
 public:
  Lecteur(std::string_view t, Interprete& interprete) : texte_(t), interprete_(interprete) {}

  // The nodes of the main line: the first variation at every branch, up to the
  // first ')' that closes one. What follows (other variations, other games) is
  // not read.
  std::string LignePrincipale() {
    if (!CherchePremierArbre()) return "not a game record";
    pos_++;  // '('
    bool avecNoeud = false;
    for (;;) {
      SauteBlancs();
      if (Fini()) return "truncated game record";
      const char c = texte_[pos_];
      if (c == ';') {
        pos_++;
        ::Noeud noeud;
        if (std::string e = LitNoeud(noeud); !e.empty()) return e;
        if (std::string e = interprete_.Noeud(noeud); !e.empty()) return e;
        avecNoeud = true;
      } else if (c == '(' && avecNoeud) {
        pos_++;
      } else if (c == ')' && avecNoeud) {
        return "";
      } else {
        return "malformed game record";
      }
    }
  }

 private:
  bool Fini() const { return pos_ >= texte_.size(); }

  void SauteBlancs() {
    while (!Fini() && Blanc(texte_[pos_])) pos_++;
  }

  // Anything before the first "(;" is ignored, as readers of mail and news
  // archives expect.
  bool CherchePremierArbre() {
    for (; pos_ < texte_.size(); pos_++) {
      if (texte_[pos_] != '(') continue;
      size_t q = pos_ + 1;
      while (q < texte_.size() && Blanc(texte_[q])) q++;
      if (q < texte_.size() && texte_[q] == ';') return true;
    }
    return false;
  }

  std::string LitNoeud(::Noeud& noeud) {
    for (;;) {
      SauteBlancs();
      if (Fini()) return "truncated game record";
      if (!std::isalpha(static_cast<unsigned char>(texte_[pos_]))) return "";
      // Old files spell identifiers with lower-case letters between the
      // capitals (AddBlack); only the capitals count.
      std::string nom;
      size_t longueur = 0;
      while (!Fini() && std::isalpha(static_cast<unsigned char>(texte_[pos_]))) {
        if (std::isupper(static_cast<unsigned char>(texte_[pos_]))) nom += texte_[pos_];
        pos_++;
        if (++longueur > 32) return "malformed game record";
      }
      if (nom.empty()) return "malformed game record";
      const bool garde = Utile(nom);
      Propriete prop{nom, {}};
      int nombre = 0;
      for (;;) {
        SauteBlancs();
        if (Fini()) return "truncated game record";
        if (texte_[pos_] != '[') break;
        pos_++;
        std::string valeur;
        bool ferme = false;
        while (!Fini()) {
          char c = texte_[pos_++];
          if (c == '\\') {
            if (Fini()) break;
            c = texte_[pos_++];
          } else if (c == ']') {
            ferme = true;
            break;
          }
          if (garde) valeur += c;
        }
        if (!ferme) return "truncated game record";
        nombre++;
        if (garde) prop.Valeurs.push_back(std::move(valeur));
      }
      if (nombre == 0) return "malformed game record";
      if (garde) noeud.push_back(std::move(prop));
    }
  }

  std::string_view texte_;
  Interprete& interprete_;
  size_t pos_ = 0;
};

}  // namespace

std::string LitSgf(std::string_view texte, PartieSgf& partie) {
  partie = PartieSgf{};
  Interprete interprete(partie);
  return Lecteur(texte, interprete).LignePrincipale();
}
