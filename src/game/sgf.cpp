#include "game/sgf.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "board/goban.h"
#include "version.h"

namespace {

struct Propriete {
  std::string Nom;
  std::vector<std::string> Valeurs;
};

using Noeud = std::vector<Propriete>;

// The properties that set up a position; every other one is read and dropped.
bool Utile(const std::string& nom) {
  return nom == "SZ" || nom == "KM" || nom == "HA" || nom == "GM" || nom == "PL" || nom == "AB" ||
         nom == "AW" || nom == "AE" || nom == "B" || nom == "W" || nom == "PB" || nom == "PW";
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

  ErreurSgf Noeud(const ::Noeud& noeud) {
    if (premier_) {
      premier_ = false;
      if (ErreurSgf e = Racine(noeud); e != ErreurSgf::Aucune) return e;
    }
    for (const Propriete& prop : noeud) {
      const std::string& nom = prop.Nom;
      if (nom == "AB" || nom == "AW" || nom == "AE") {
        const int couleur = nom == "AB" ? 1 : nom == "AW" ? 2 : 0;
        for (const std::string& v : prop.Valeurs)
          if (ErreurSgf e = Pose(v, couleur); e != ErreurSgf::Aucune) return e;
      }
    }
    // Setup first, then the move, whatever the order of the properties.
    for (const Propriete& prop : noeud) {
      if (prop.Nom == "B" || prop.Nom == "W") {
        if (prop.Valeurs.size() != 1) return ErreurSgf::Coup;
        if (ErreurSgf e = Coup(prop.Valeurs.front(), prop.Nom == "B" ? 1 : 2);
            e != ErreurSgf::Aucune)
          return e;
      }
    }
    for (const Propriete& prop : noeud) {
      if (prop.Nom == "PL") {
        const int couleur = CouleurDe(prop.Valeurs.front());
        if (couleur == 0) return ErreurSgf::Joueur;
        if (!Ajoute({ActionSgf::Joueur, couleur, COUP_PASSE})) return ErreurSgf::TropGrand;
      }
    }
    if (!Ajoute({ActionSgf::FinNoeud, 0, COUP_PASSE})) return ErreurSgf::TropGrand;
    return ErreurSgf::Aucune;
  }

 private:
  bool Ajoute(const ActionSgf& a) {
    if (partie_.Actions.size() >= ACTIONS_SGF_MAX) return false;
    partie_.Actions.push_back(a);
    return true;
  }

  ErreurSgf Racine(const ::Noeud& racine) {
    for (const Propriete& prop : racine) {
      const std::string& v = prop.Valeurs.front();
      if (prop.Nom == "GM") {
        int gm;
        if (!LitEntier(v, gm) || gm != 1) return ErreurSgf::PasDuGo;
      } else if (prop.Nom == "SZ") {
        int taille;
        if (!LitEntier(v, taille) || taille < 1 || taille > TAILLE_MAX) return ErreurSgf::Taille;
        partie_.Taille = taille;
      } else if (prop.Nom == "KM") {
        if (!LitReel(v, partie_.Komi)) return ErreurSgf::Komi;
        partie_.AvecKomi = true;
      } else if (prop.Nom == "PB") {
        partie_.JoueurNoir = v;
      } else if (prop.Nom == "PW") {
        partie_.JoueurBlanc = v;
      } else if (prop.Nom == "HA") {
        if (!LitEntier(v, partie_.Handicap)) partie_.Handicap = 0;
      }
    }
    return ErreurSgf::Aucune;
  }

  // A setup value: one point, or a rectangle "aa:cc" of points.
  ErreurSgf Pose(std::string_view v, int couleur) {
    const int n = partie_.Taille;
    v = SansBlancs(v);
    std::string_view a = v, b = v;
    if (const size_t deux = v.find(':'); deux != std::string_view::npos) {
      a = v.substr(0, deux);
      b = v.substr(deux + 1);
    }
    const int32_t p = LitPoint(a, n);
    const int32_t q = LitPoint(b, n);
    if (p < 0 || q < 0) return ErreurSgf::Point;
    const int x0 = std::min(p % n, q % n), x1 = std::max(p % n, q % n);
    const int y0 = std::min(p / n, q / n), y1 = std::max(p / n, q / n);
    for (int y = y0; y <= y1; y++)
      for (int x = x0; x <= x1; x++)
        if (!Ajoute({ActionSgf::Pose, couleur, y * n + x})) return ErreurSgf::TropGrand;
    return ErreurSgf::Aucune;
  }

  ErreurSgf Coup(std::string_view v, int couleur) {
    const int n = partie_.Taille;
    v = SansBlancs(v);
    int32_t p;
    // "" is a pass, and so is "tt" on boards up to 19x19.
    if (v.empty() || (v == "tt" && n <= 19)) {
      p = COUP_PASSE;
    } else {
      p = LitPoint(v, n);
      if (p < 0) return ErreurSgf::Coup;
    }
    if (!Ajoute({ActionSgf::Coup, couleur, p})) return ErreurSgf::TropGrand;
    return ErreurSgf::Aucune;
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
  ErreurSgf LignePrincipale() {
    if (!CherchePremierArbre()) return ErreurSgf::PasUnEnregistrement;
    pos_++;  // '('
    bool avecNoeud = false;
    for (;;) {
      SauteBlancs();
      if (Fini()) return ErreurSgf::Tronque;
      const char c = texte_[pos_];
      if (c == ';') {
        pos_++;
        ::Noeud noeud;
        if (ErreurSgf e = LitNoeud(noeud); e != ErreurSgf::Aucune) return e;
        if (ErreurSgf e = interprete_.Noeud(noeud); e != ErreurSgf::Aucune) return e;
        avecNoeud = true;
      } else if (c == '(' && avecNoeud) {
        pos_++;
      } else if (c == ')' && avecNoeud) {
        return ErreurSgf::Aucune;
      } else {
        return ErreurSgf::Malforme;
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

  ErreurSgf LitNoeud(::Noeud& noeud) {
    for (;;) {
      SauteBlancs();
      if (Fini()) return ErreurSgf::Tronque;
      if (!std::isalpha(static_cast<unsigned char>(texte_[pos_]))) return ErreurSgf::Aucune;
      // Old files spell identifiers with lower-case letters between the
      // capitals (AddBlack); only the capitals count.
      std::string nom;
      size_t longueur = 0;
      while (!Fini() && std::isalpha(static_cast<unsigned char>(texte_[pos_]))) {
        if (std::isupper(static_cast<unsigned char>(texte_[pos_]))) nom += texte_[pos_];
        pos_++;
        if (++longueur > 32) return ErreurSgf::Malforme;
      }
      if (nom.empty()) return ErreurSgf::Malforme;
      const bool garde = Utile(nom);
      Propriete prop{nom, {}};
      int nombre = 0;
      for (;;) {
        SauteBlancs();
        if (Fini()) return ErreurSgf::Tronque;
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
        if (!ferme) return ErreurSgf::Tronque;
        nombre++;
        if (garde) prop.Valeurs.push_back(std::move(valeur));
      }
      if (nombre == 0) return ErreurSgf::Malforme;
      if (garde) noeud.push_back(std::move(prop));
    }
  }

  std::string_view texte_;
  Interprete& interprete_;
  size_t pos_ = 0;
};

}  // namespace

ErreurSgf LitEnregistrement(std::string_view texte, PartieSgf& partie) {
  partie = PartieSgf{};
  Interprete interprete(partie);
  return Lecteur(texte, interprete).LignePrincipale();
}

const char* TexteErreurSgf(ErreurSgf e) {
  switch (e) {
    case ErreurSgf::Aucune:
      return "";
    case ErreurSgf::PasUnEnregistrement:
      return "not a game record";
    case ErreurSgf::Tronque:
      return "truncated game record";
    case ErreurSgf::Malforme:
      return "malformed game record";
    case ErreurSgf::PasDuGo:
      return "not a Go game record";
    case ErreurSgf::Taille:
      return "unacceptable size in game record";
    case ErreurSgf::Komi:
      return "invalid komi in game record";
    case ErreurSgf::Coup:
      return "invalid move in game record";
    case ErreurSgf::Point:
      return "invalid point in game record";
    case ErreurSgf::Joueur:
      return "invalid player in game record";
    case ErreurSgf::TropGrand:
      return "game record too large";
  }
  return "";
}

std::string LitSgf(std::string_view texte, PartieSgf& partie) {
  return TexteErreurSgf(LitEnregistrement(texte, partie));
}

ErreurFichier LitFichierSgf(const std::string& nom, std::string& texte) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(nom.c_str(), "rb"), std::fclose);
  if (!f) return ErreurFichier::Ouverture;
  texte.clear();
  char buf[1 << 14];
  for (;;) {
    const size_t n = std::fread(buf, 1, sizeof buf, f.get());
    texte.append(buf, n);
    if (texte.size() > static_cast<size_t>(TAILLE_FICHIER_SGF_MAX)) return ErreurFichier::TropGrand;
    if (n < sizeof buf) break;
  }
  if (std::ferror(f.get())) return ErreurFichier::Lecture;
  return ErreurFichier::Aucune;
}

namespace {

// A text value with its ']' and '\\' escaped.
std::string Texte(std::string_view v) {
  std::string t;
  for (char c : v) {
    if (c == ']' || c == '\\') t += '\\';
    t += c;
  }
  return t;
}

std::string Sommet(int32_t p, int taille) {
  if (p == COUP_PASSE) return "";
  return {static_cast<char>('a' + p % taille), static_cast<char>('a' + p / taille)};
}

void Propriete(std::string& s, const char* nom, std::string_view valeur) {
  if (valeur.empty()) return;
  s += nom;
  s += '[';
  s += Texte(valeur);
  s += ']';
}

void Poses(std::string& s, const char* nom, const std::vector<int32_t>& points, int taille) {
  if (points.empty()) return;
  s += nom;
  for (int32_t p : points) s += "[" + Sommet(p, taille) + "]";
  s += '\n';
}

}  // namespace

std::string EcritSgf(const EnregistrementSgf& e) {
  char komi[32];
  std::snprintf(komi, sizeof komi, "%.10g", e.Komi);
  std::string s = "(;FF[4]GM[1]CA[UTF-8]";
  Propriete(s, "AP", std::string(ILVANE_NOM) + ":" + ILVANE_VERSION);
  Propriete(s, "SZ", std::to_string(e.Taille));
  Propriete(s, "KM", komi);
  s += '\n';
  Propriete(s, "PB", e.JoueurNoir);
  Propriete(s, "PW", e.JoueurBlanc);
  Propriete(s, "DT", e.Date);
  Propriete(s, "RE", e.Resultat);
  s += '\n';
  Poses(s, "AB", e.PosesNoires, e.Taille);
  Poses(s, "AW", e.PosesBlanches, e.Taille);
  if (e.AJouer) Propriete(s, "PL", e.AJouer == 1 ? "B" : "W");
  for (size_t i = 0; i < e.Coups.size(); i++) {
    const CoupSgf& c = e.Coups[i];
    s += c.Couleur == 1 ? ";B[" : ";W[";
    s += Sommet(c.Point, e.Taille) + "]";
    if (i % 10 == 9) s += '\n';
  }
  s += ")\n";
  return s;
}
