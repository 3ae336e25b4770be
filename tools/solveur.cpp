#include "solveur.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

#include "rules/codes.h"

namespace generateur {

namespace {

uint32_t VoisinsDe(const Plateau& p, uint32_t ensemble) {
  uint32_t v = 0;
  for (uint32_t e = ensemble; e; e &= e - 1) v |= p.Voisins[std::countr_zero(e)];
  return v & ~ensemble;
}

uint32_t Tous(const Plateau& p) { return p.N >= 32 ? ~0u : (1u << p.N) - 1; }

bool Libre(const Plateau& p, uint32_t chaine, uint32_t vides) {
  return (chaine & p.Dehors) || (VoisinsDe(p, chaine) & vides);
}

}  // namespace

uint32_t Chaine(const Plateau& p, uint32_t pierres, int q) {
  uint32_t c = 1u << q;
  if (!(pierres & c)) return 0;
  for (;;) {
    const uint32_t plus = c | (VoisinsDe(p, c) & pierres);
    if (plus == c) return c;
    c = plus;
  }
}

bool Joue(const Plateau& p, Contenu& c, bool pourX, int q, int& ko, bool& murPris) {
  const uint32_t bit = 1u << q;
  uint32_t& moi = pourX ? c.X : c.O;
  uint32_t& lui = pourX ? c.O : c.X;
  if ((c.X | c.O) & bit) return false;
  const Contenu avant = c;
  moi |= bit;
  uint32_t vides = Tous(p) & ~(c.X | c.O);
  uint32_t pris = 0;
  for (uint32_t v = p.Voisins[q] & lui; v; v &= v - 1) {
    const uint32_t ch = Chaine(p, lui, std::countr_zero(v));
    if (!(ch & pris) && !Libre(p, ch, vides)) pris |= ch;
  }
  lui &= ~pris;
  vides |= pris;
  const uint32_t mienne = Chaine(p, moi, q);
  if (!Libre(p, mienne, vides)) {
    c = avant;
    return false;
  }
  murPris = (pris & p.Mur) != 0;
  ko = -1;
  // A lone stone that took a lone stone and has that point as its only
  // liberty: X may not take back at once.
  if (!pourX && std::popcount(pris) == 1 && mienne == bit && !(bit & p.Dehors) &&
      (VoisinsDe(p, bit) & vides) == pris)
    ko = std::countr_zero(pris);
  return true;
}

bool Valide(const Plateau& p, const Contenu& c) {
  const uint32_t vides = Tous(p) & ~(c.X | c.O);
  for (const uint32_t pierres : {c.X, c.O})
    for (uint32_t r = pierres; r;) {
      const uint32_t ch = Chaine(p, pierres, std::countr_zero(r));
      if (!Libre(p, ch, vides)) return false;
      r &= ~ch;
    }
  return true;
}

int Memoire::Cherche(uint64_t cle) const {
  if (Cles.empty()) return -1;
  const size_t masque = Cles.size() - 1;
  for (size_t i = (cle * 0x9E3779B97F4A7C15ull) >> 20 & masque;; i = (i + 1) & masque) {
    if (Cles[i] == 0) return -1;
    if (Cles[i] == cle + 1) return Valeurs[i];
  }
}

void Memoire::Vide() {
  Cles.clear();
  Valeurs.clear();
  Nombre = 0;
}

void Memoire::Range(uint64_t cle, bool valeur) {
  if (2 * (Nombre + 1) > Cles.size()) {
    std::vector<uint64_t> cles = std::move(Cles);
    std::vector<uint8_t> valeurs = std::move(Valeurs);
    Cles.assign(cles.empty() ? 1024 : 2 * cles.size(), 0);
    Valeurs.assign(Cles.size(), 0);
    Nombre = 0;
    for (size_t i = 0; i < cles.size(); i++)
      if (cles[i]) Range(cles[i] - 1, valeurs[i] != 0);
  }
  const size_t masque = Cles.size() - 1;
  size_t i = (cle * 0x9E3779B97F4A7C15ull) >> 20 & masque;
  while (Cles[i] != 0 && Cles[i] != cle + 1) i = (i + 1) & masque;
  if (Cles[i] == 0) Nombre++;
  Cles[i] = cle + 1;
  Valeurs[i] = valeur;
}

bool Jeu::Fin(const Contenu& c) const {
  if (P.Mur) return true;  // the wall still stands
  const uint32_t vides = Tous(P) & ~(c.X | c.O);
  for (uint32_t reste = P.Oeil & vides; reste;) {
    // One empty part of the eye space, and what surrounds it.
    uint32_t z = 1u << std::countr_zero(reste);
    for (;;) {
      const uint32_t plus = z | (VoisinsDe(P, z) & P.Oeil & vides);
      if (plus == z) break;
      z = plus;
    }
    reste &= ~z;
    const uint32_t bord = VoisinsDe(P, z);
    if (bord && (bord & ~c.X) == 0 && (Chaine(P, c.X, std::countr_zero(bord)) & bord) == bord)
      return true;
  }
  return false;
}

bool Jeu::Valeur(const Contenu& c, bool traitX, int ko, bool passe) {
  const uint64_t cle = c.X | static_cast<uint64_t>(c.O) << 20 | static_cast<uint64_t>(traitX) << 40 |
                       static_cast<uint64_t>(passe) << 41 | static_cast<uint64_t>(ko + 1) << 42;
  if (const int v = Memo.Cherche(cle); v >= 0) return v != 0;
  // Back on the line being read: a cycle, which X does not count on.
  if (Chemin.Cherche(cle) == 1) return false;
  Chemin.Range(cle, true);
  const uint32_t vides = Tous(P) & ~(c.X | c.O) & ~P.Mur;
  bool gagne = !traitX;
  for (uint32_t v = vides; v && gagne == !traitX; v &= v - 1) {
    const int q = std::countr_zero(v);
    if (traitX && (q == ko || ((1u << q) & P.PourO))) continue;
    Contenu t = c;
    int k = -1;
    bool mur = false;
    if (!Joue(P, t, traitX, q, k, mur)) continue;
    const bool x = mur ? false : Valeur(t, !traitX, k, false);
    if (traitX && x) gagne = true;
    if (!traitX && !x) gagne = false;
  }
  if (gagne == !traitX) gagne = passe ? Fin(c) : Valeur(c, !traitX, -1, true);
  Chemin.Range(cle, false);
  Memo.Range(cle, gagne);
  return gagne;
}

std::vector<int> Jeu::CoupsAtteindre(const Contenu& c) {
  std::vector<int> coups;
  for (int q = 0; q < P.N; q++) {
    Contenu t = c;
    int k = -1;
    bool mur = false;
    if (((1u << q) & (P.Mur | P.PourO)) || !Joue(P, t, true, q, k, mur)) continue;
    if (Valeur(t, false, k, false)) coups.push_back(q);
  }
  return coups;
}

std::vector<int> Jeu::CoupsEmpecher(const Contenu& c) {
  std::vector<int> coups;
  for (int q = 0; q < P.N; q++) {
    Contenu t = c;
    int k = -1;
    bool mur = false;
    if (((1u << q) & P.Mur) || !Joue(P, t, false, q, k, mur)) continue;
    if (mur || !Valeur(t, true, k, false)) coups.push_back(q);
  }
  return coups;
}

Statut Resout(Jeu& jeu, const Contenu& c) {
  Statut s;
  if (jeu.GagneX(c, false)) {
    s.Type = 'G';
  } else if (jeu.GagneX(c, true)) {
    s.Type = 'I';
    s.Atteindre = jeu.CoupsAtteindre(c);
    s.Empecher = jeu.CoupsEmpecher(c);
  }
  return s;
}

namespace {

void Grille(Plateau& p, int w, int h) {
  p.N = w * h;
  for (int j = 0; j < h; j++)
    for (int i = 0; i < w; i++) {
      uint32_t v = 0;
      if (i > 0) v |= 1u << (j * w + i - 1);
      if (i < w - 1) v |= 1u << (j * w + i + 1);
      if (j > 0) v |= 1u << ((j - 1) * w + i);
      if (j < h - 1) v |= 1u << ((j + 1) * w + i);
      p.Voisins[j * w + i] = v;
    }
}

struct Diagramme {
  int W = 0;
  int H = 0;
  std::vector<char> Cellules;
};

Diagramme Lit(const std::string& texte) {
  Diagramme d;
  std::string ligne;
  auto fin = [&] {
    if (ligne.empty()) return;
    if (d.W && static_cast<int>(ligne.size()) != d.W) throw std::invalid_argument("diagramme");
    d.W = static_cast<int>(ligne.size());
    d.H++;
    d.Cellules.insert(d.Cellules.end(), ligne.begin(), ligne.end());
    ligne.clear();
  };
  for (const char ch : texte) {
    if (ch == '\n')
      fin();
    else if (ch == '.' || ch == 'X' || ch == 'O')
      ligne += ch;
  }
  fin();
  return d;
}

}  // namespace

Plateau PlateauOeil(int zone, int w, int h, uint32_t oeil) {
  Plateau p;
  Grille(p, w, h);
  p.Oeil = oeil;
  for (int j = 0; j < h; j++)
    for (int i = 0; i < w; i++) {
      const bool ouvert = (j == h - 1) || (i == w - 1) || (j == 0 && zone == Zone::Centre) ||
                          (i == 0 && zone != Zone::Coin);
      if (ouvert) p.Dehors |= 1u << (j * w + i);
    }
  return p;
}

Plateau PlateauVie(int zone, int w, int h, uint32_t espace, std::vector<int>& points,
                   int libertes) {
  Plateau g = PlateauOeil(zone, w, h, 0);
  // The wall: the cells next to the space. Its parts that reach the window's
  // open border are one string (the wall, safe but for its liberties); a part
  // shut in by the space and the board's edges (the corner point beside a
  // space) is a string of its own that can be captured.
  uint32_t mur = 0;
  for (int q = 0; q < w * h; q++)
    if (espace & (1u << q)) mur |= g.Voisins[q];
  mur &= ~espace;
  uint32_t dedans = 0;
  for (uint32_t reste = mur; reste;) {
    const uint32_t ch = Chaine(g, mur, std::countr_zero(reste));
    reste &= ~ch;
    if (!(ch & g.Dehors)) dedans |= ch;
  }
  points.clear();
  for (int q = 0; q < w * h; q++)
    if (espace & (1u << q)) points.push_back(q);
  for (int q = 0; q < w * h; q++)
    if (dedans & (1u << q)) points.push_back(q);
  const int n = static_cast<int>(points.size());
  const uint32_t exterieur = mur & ~dedans;
  Plateau p;
  p.N = n + libertes + 1;
  const int pmur = p.N - 1;
  p.Mur = 1u << pmur;
  for (int a = 0; a < n; a++)
    for (int b = 0; b < n; b++)
      if (g.Voisins[points[a]] & (1u << points[b])) p.Voisins[a] |= 1u << b;
  // An outside liberty has room around it: a stone of O there is never taken.
  for (int a = n; a < pmur; a++) p.PourO |= 1u << a;
  p.Dehors = p.PourO;
  for (int a = 0; a < pmur; a++)
    if (a >= n || (g.Voisins[points[a]] & exterieur)) {
      p.Voisins[a] |= p.Mur;
      p.Voisins[pmur] |= 1u << a;
    }
  points.resize(p.N, -1);
  return p;
}

Statut StatutOeil(int zone, const std::string& diagramme, const std::vector<int>& oeil) {
  const Diagramme d = Lit(diagramme);
  uint32_t e = 0;
  for (int q : oeil) e |= 1u << q;
  const Plateau p = PlateauOeil(zone, d.W, d.H, e);
  Contenu c;
  for (int q = 0; q < d.W * d.H; q++) {
    if (d.Cellules[q] == 'X') c.X |= 1u << q;
    if (d.Cellules[q] == 'O') c.O |= 1u << q;
  }
  Jeu jeu(p);
  return Resout(jeu, c);
}

Statut StatutVie(int zone, const std::string& diagramme, uint32_t espace, int libertes) {
  const Diagramme d = Lit(diagramme);
  std::vector<int> points;
  const Plateau p = PlateauVie(zone, d.W, d.H, espace, points, libertes);
  Contenu c;
  c.X = p.Mur;
  for (size_t a = 0; a < points.size(); a++) {
    if (points[a] < 0) continue;
    if (d.Cellules[points[a]] == 'X') c.X |= 1u << a;
    if (d.Cellules[points[a]] == 'O') c.O |= 1u << a;
  }
  Jeu jeu(p);
  Statut s = Resout(jeu, c);
  for (int& q : s.Atteindre) q = points[q];
  for (int& q : s.Empecher) q = points[q];
  return s;
}

}  // namespace generateur
