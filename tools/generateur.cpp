#include "generateur.h"

#include <algorithm>
#include <bit>
#include <set>
#include <stdexcept>
#include <tuple>

#include "rules/codes.h"
#include "solveur.h"

namespace generateur {

namespace {

using compilateur::Regle;

// Life windows hold spaces of 3 to 7 points with at most this many stones in
// them: the shapes a life search meets a move or two into a fight.
constexpr int ESPACE_MIN = 3;
constexpr int ESPACE_MAX = 7;
constexpr int PIERRES_ESPACE_MAX = 1;
// The cells of a life window that touch neither the space nor its wall (the
// wall's outer corners) may hold anything; at most this many of them are not
// X, which keeps the files small.
constexpr int AUTRES_NON_X_MAX = 1;
// The matcher's quick path: windows of at most 16 cells.
constexpr int CELLULES_MAX = 16;
constexpr int BORD_LARGEUR_MAX = 7;
// The liberties outside of a wall that its G and GI rules may also count on.
constexpr int LIBERTES_MUR = 2;

uint32_t VoisinsGrille(int q, int w, int h) {
  const int i = q % w, j = q / w;
  uint32_t v = 0;
  if (i > 0) v |= 1u << (q - 1);
  if (i < w - 1) v |= 1u << (q + 1);
  if (j > 0) v |= 1u << (q - w);
  if (j < h - 1) v |= 1u << (q + w);
  return v;
}

uint32_t Autour(uint32_t ensemble, int w, int h) {
  uint32_t v = 0;
  for (uint32_t e = ensemble; e; e &= e - 1) v |= VoisinsGrille(std::countr_zero(e), w, h);
  return v & ~ensemble;
}

bool Connexe(uint32_t ensemble, int w, int h) {
  if (!ensemble) return false;
  uint32_t z = 1u << std::countr_zero(ensemble);
  for (;;) {
    const uint32_t plus = z | (Autour(z, w, h) & ensemble);
    if (plus == z) return z == ensemble;
    z = plus;
  }
}

// The image of a corner pattern under the exchange of rows and columns.
std::vector<uint8_t> Transpose(const std::vector<uint8_t>& m, int w, int h) {
  std::vector<uint8_t> t(m.size());
  for (int j = 0; j < h; j++)
    for (int i = 0; i < w; i++) t[i * h + j] = m[j * w + i];
  return t;
}

// Corner windows are read in both orientations: of a pattern and its
// transposed image, when both are made, only one is kept, so that a board
// window is not matched twice: the smaller (size, then content).
void GardeUneImage(std::vector<Regle>& regles) {
  std::set<std::tuple<int, int, std::vector<uint8_t>>> faits;
  for (const Regle& r : regles) faits.emplace(r.W, r.H, r.Motif);
  std::vector<Regle> gardees;
  for (Regle& r : regles) {
    const auto image = std::make_tuple(r.H, r.W, Transpose(r.Motif, r.W, r.H));
    const bool preferee = image < std::make_tuple(r.W, r.H, r.Motif);
    if (faits.count(image) && preferee) continue;
    gardees.push_back(std::move(r));
  }
  regles = std::move(gardees);
}

Regle Nouvelle(int kind, int type, int zone, int w, int h, const std::vector<uint8_t>& motif) {
  Regle r;
  r.Kind = kind;
  r.Type = type;
  r.Zone = zone;
  r.W = w;
  r.H = h;
  r.Motif = motif;
  return r;
}

// The window's X strings that reach its open border (solver points outside).
std::vector<int> PierresDehors(const std::vector<uint8_t>& motif, const Plateau& p, int w, int h) {
  return PremieresPierres(motif, w, h, p.Dehors);
}

// ---------------------------------------------------------------------------
// Eyes

void ReglesOeilFenetre(const FenetreOeil& f, std::vector<Regle>& g, std::vector<Regle>& gi) {
  uint32_t oeil = 0;
  for (int q : f.Oeil) oeil |= 1u << q;
  const uint32_t anneau = Autour(oeil, f.W, f.H);
  std::vector<int> libres;
  for (int q = 0; q < f.W * f.H; q++)
    if (!((oeil | anneau) & (1u << q))) libres.push_back(q);
  const Plateau p = PlateauOeil(f.Zone, f.W, f.H, oeil);
  Jeu jeu(p);
  int combinaisons = 1;
  for (size_t k = 0; k < libres.size(); k++) combinaisons *= 3;
  for (int n = 0; n < combinaisons; n++) {
    std::vector<uint8_t> motif(f.W * f.H, 0);
    Contenu c;
    c.X = anneau;
    for (int q = 0; q < f.W * f.H; q++)
      if (anneau & (1u << q)) motif[q] = 1;
    for (int k = 0, r = n; k < static_cast<int>(libres.size()); k++, r /= 3) {
      motif[libres[k]] = static_cast<uint8_t>(r % 3);
      if (r % 3 == 1) c.X |= 1u << libres[k];
      if (r % 3 == 2) c.O |= 1u << libres[k];
    }
    if (!Valide(p, c)) continue;
    const Statut s = Resout(jeu, c);
    if (!s.Type) continue;
    Regle r = Nouvelle(GoalKind::Oeil, s.Type == 'G' ? RuleType::G : RuleType::GI, f.Zone, f.W,
                       f.H, motif);
    // The eye table names the eye by a stone of its owner next to it.
    r.Concernees = {std::countr_zero(anneau)};
    // The solver never captures a string that reaches outside: it must keep a
    // liberty there, and two for a sure eye when the window gives it no
    // liberty but the eye (one move outside would put it in atari).
    for (int q : PierresDehors(motif, p, f.W, f.H)) {
      const uint32_t ch = Chaine(p, c.X, q);
      const uint32_t libres = Autour(ch, f.W, f.H) & ~(c.X | c.O) & ~oeil;
      r.AuMoins.emplace_back(q, s.Type == 'G' && !libres ? 2 : 1);
    }
    r.Atteindre = s.Atteindre;
    r.Empecher = s.Empecher;
    (s.Type == 'G' ? g : gi).push_back(std::move(r));
  }
}

std::vector<Regle> ReglesOeil(int zone) {
  std::vector<Regle> regles;
  for (const FenetreOeil& f : FenetresOeil()) {
    if (f.Zone != zone) continue;
    std::vector<Regle> g, gi;
    ReglesOeilFenetre(f, g, gi);
    regles.insert(regles.end(), g.begin(), g.end());
    regles.insert(regles.end(), gi.begin(), gi.end());
  }
  if (zone == Zone::Coin) GardeUneImage(regles);
  return regles;
}

// ---------------------------------------------------------------------------
// Life

// Spaces of a w x h window: inside its open sides, touching the edge line, and
// filling the window so that the window is the smallest around them.
std::vector<uint32_t> Espaces(int zone, int w, int h) {
  std::vector<uint32_t> espaces;
  const int i0 = zone == Zone::Coin ? 0 : 1;
  uint32_t interieur = 0;
  for (int j = 0; j <= h - 2; j++)
    for (int i = i0; i <= w - 2; i++) interieur |= 1u << (j * w + i);
  uint32_t rangee0 = 0, colonneFin = 0, rangeeFin = 0, colonnesDebut = 0;
  for (int i = 0; i < w; i++) rangee0 |= 1u << i, rangeeFin |= 1u << ((h - 2) * w + i);
  for (int j = 0; j < h; j++) {
    colonneFin |= 1u << (j * w + w - 2);
    colonnesDebut |= 1u << (j * w + i0);
    if (zone == Zone::Coin) colonnesDebut |= 1u << (j * w + 1);
  }
  for (uint32_t e = interieur; e; e = (e - 1) & interieur) {
    const int n = std::popcount(e);
    if (n < ESPACE_MIN || n > ESPACE_MAX) continue;
    if (!(e & rangee0) || !(e & colonneFin) || !(e & rangeeFin) || !(e & colonnesDebut)) continue;
    if (!Connexe(e, w, h)) continue;
    espaces.push_back(e);
  }
  std::sort(espaces.begin(), espaces.end());
  return espaces;
}

// The first cell of the window's X string that holds wall cells and the most
// cells of the open border.
int PierreDuMur(const std::vector<uint8_t>& motif, int w, int h, uint32_t mur, uint32_t ouvert) {
  uint32_t x = 0;
  for (int q = 0; q < w * h; q++)
    if (motif[q] == 1) x |= 1u << q;
  int meilleure = -1, plus = -1;
  for (int q : PremieresPierres(motif, w, h, mur)) {
    uint32_t z = 1u << q;
    for (;;) {
      const uint32_t suite = z | (Autour(z, w, h) & x);
      if (suite == z) break;
      z = suite;
    }
    if (std::popcount(z & ouvert) > plus) plus = std::popcount(z & ouvert), meilleure = q;
  }
  return meilleure;
}

void ReglesVieEspace(int zone, int w, int h, uint32_t espace, std::vector<Regle>& regles) {
  // The wall without liberty outside, then with two: what the second adds
  // (rectangular six in the corner lives) is written with that condition.
  std::vector<int> points, points2;
  const Plateau p = PlateauVie(zone, w, h, espace, points);
  const Plateau p2 = PlateauVie(zone, w, h, espace, points2, LIBERTES_MUR);
  const int n = std::popcount(espace);
  const uint32_t bordOuvert = PlateauOeil(zone, w, h, 0).Dehors;
  // The shut-in parts of the wall, stones of the goal colour.
  uint32_t dedans = 0;
  for (int k = n; k < p.N; k++)
    if (points[k] >= 0) dedans |= 1u << k;
  const uint32_t mur = Autour(espace, w, h);
  std::vector<int> autres;
  for (int q = 0; q < w * h; q++)
    if (!((espace | mur) & (1u << q))) autres.push_back(q);
  int variantes = 1;
  for (size_t k = 0; k < autres.size(); k++) variantes *= 3;
  Jeu jeu(p), jeu2(p2);
  int puissance = 1;
  for (int k = 0; k < n; k++) puissance *= 3;
  std::vector<Regle> g, gi;
  for (int m = 0; m < puissance; m++) {
    Contenu c;
    int pierres = 0;
    for (int k = 0, r = m; k < n; k++, r /= 3) {
      if (r % 3 == 1) c.X |= 1u << k;
      if (r % 3 == 2) c.O |= 1u << k;
      pierres += r % 3 != 0;
    }
    c.X |= dedans;
    Contenu c2 = c;
    c.X |= p.Mur;
    c2.X |= p2.Mur;
    if (pierres > PIERRES_ESPACE_MAX || !Valide(p, c)) continue;
    std::vector<std::pair<Statut, int>> statuts;
    const Statut s0 = Resout(jeu, c);
    if (s0.Type) statuts.emplace_back(s0, 0);
    if (s0.Type != 'G') {
      Statut s2 = Resout(jeu2, c2);
      // Filling the outside liberties is the other colour's move outside the
      // window: the rule does not list it.
      std::erase_if(s2.Atteindre, [&](int q) { return points2[q] < 0; });
      std::erase_if(s2.Empecher, [&](int q) { return points2[q] < 0; });
      if (s2.Type && s2.Type != s0.Type &&
          (s2.Type == 'G' || (!s2.Atteindre.empty() && !s2.Empecher.empty())))
        statuts.emplace_back(s2, LIBERTES_MUR);
    }
    for (const auto& [s, libertes] : statuts)
      for (int v = 0; v < variantes; v++) {
        int nonX = 0;
        for (int k = 0, r = v; k < static_cast<int>(autres.size()); k++, r /= 3) nonX += r % 3 != 1;
        if (nonX > AUTRES_NON_X_MAX) continue;
        std::vector<uint8_t> motif(w * h, 0);
        for (int q = 0; q < w * h; q++)
          if (mur & (1u << q)) motif[q] = 1;
        for (int k = 0; k < n; k++) motif[points[k]] = (c.X >> k & 1) ? 1 : (c.O >> k & 1) ? 2 : 0;
        for (int k = 0, r = v; k < static_cast<int>(autres.size()); k++, r /= 3)
          motif[autres[k]] = static_cast<uint8_t>(r % 3);
        Regle r = Nouvelle(GoalKind::Vivre, s.Type == 'G' ? RuleType::G : RuleType::GI, zone, w,
                           h, motif);
        r.Concernees = PremieresPierres(motif, w, h, mur);
        if (r.Concernees.size() > 9) r.Concernees.resize(9);
        for (int q : s.Atteindre) r.Atteindre.push_back(points[q]);
        for (int q : s.Empecher) r.Empecher.push_back(points[q]);
        // The wall's liberties outside, asked of the wall's string in the
        // window that has the most cells on the open border.
        if (libertes) r.AuMoins.emplace_back(PierreDuMur(motif, w, h, mur, bordOuvert), libertes);
        (s.Type == 'G' ? g : gi).push_back(std::move(r));
      }
  }
  regles.insert(regles.end(), g.begin(), g.end());
  regles.insert(regles.end(), gi.begin(), gi.end());
}

std::vector<Regle> ReglesVie(int zone) {
  std::vector<Regle> regles;
  for (int h = 2; h <= CELLULES_MAX / 2; h++)
    for (int w = 2; w * h <= CELLULES_MAX; w++)
      // An edge window must leave a column free at both ends on the 9x9
      // board: wider ones are never looked up there.
      if (zone == Zone::Coin || w <= BORD_LARGEUR_MAX)
        for (uint32_t e : Espaces(zone, w, h)) ReglesVieEspace(zone, w, h, e, regles);
  if (zone == Zone::Coin) GardeUneImage(regles);
  return regles;
}

}  // namespace

std::vector<int> PremieresPierres(const std::vector<uint8_t>& motif, int w, int h, uint32_t dans) {
  uint32_t x = 0;
  for (int q = 0; q < w * h; q++)
    if (motif[q] == 1) x |= 1u << q;
  std::vector<int> premieres;
  for (uint32_t reste = x; reste;) {
    uint32_t z = 1u << std::countr_zero(reste);
    for (;;) {
      const uint32_t plus = z | (Autour(z, w, h) & x);
      if (plus == z) break;
      z = plus;
    }
    reste &= ~z;
    if (z & dans) premieres.push_back(std::countr_zero(z));
  }
  return premieres;
}

std::vector<FenetreOeil> FenetresOeil() {
  using Z = FenetreOeil;
  return {
      // One-point and two-point eyes away from the edges.
      Z{Zone::Centre, 3, 3, {4}},
      Z{Zone::Centre, 4, 3, {5, 6}},
      Z{Zone::Centre, 3, 4, {4, 7}},
      // Along an edge: on the edge line, on the second line, and the two-point
      // eyes across both.
      Z{Zone::Bord, 3, 2, {1}},
      Z{Zone::Bord, 4, 2, {1, 2}},
      Z{Zone::Bord, 3, 3, {4}},
      Z{Zone::Bord, 3, 3, {1, 4}},
      Z{Zone::Bord, 4, 3, {5, 6}},
      Z{Zone::Bord, 3, 4, {4, 7}},
      // In a corner (the other orientation is the matcher's).
      Z{Zone::Coin, 2, 2, {0}},
      Z{Zone::Coin, 3, 2, {1}},
      Z{Zone::Coin, 3, 3, {4}},
      Z{Zone::Coin, 3, 2, {0, 1}},
      Z{Zone::Coin, 4, 2, {1, 2}},
      Z{Zone::Coin, 3, 3, {1, 4}},
      Z{Zone::Coin, 4, 3, {5, 6}},
  };
}

std::vector<Regle> ReglesGenerees(const std::string& nom) {
  if (nom == "OeilCentre") return ReglesOeil(Zone::Centre);
  if (nom == "OeilBord") return ReglesOeil(Zone::Bord);
  if (nom == "OeilCoin") return ReglesOeil(Zone::Coin);
  if (nom == "VivreBord") return ReglesVie(Zone::Bord);
  if (nom == "VivreCoin") return ReglesVie(Zone::Coin);
  throw std::invalid_argument(nom);
}

std::string SourceGeneree(const std::string& nom, const std::string& manuelles) {
  return SourceGeneree(nom, ReglesGenerees(nom), manuelles);
}

std::string SourceGeneree(const std::string& nom, const std::vector<Regle>& regles,
                          const std::string& manuelles) {
  compilateur::FichierRegles f;
  f.Cles = 4;
  f.Regles = regles;
  std::string s =
      "# " + nom +
      ": made by ilvane-generateur from its local solver; do not edit by hand.\n"
      "# Regenerate with: ilvane-generateur data/rules (see README.md).\n"
      "# Hand-written rules go to manuelles/" +
      nom + ".regles; they are copied at the end.\n";
  s += compilateur::EcritSource(f);
  if (!manuelles.empty()) s += "\n# ---- Hand-written rules (manuelles/" + nom + ".regles)\n\n" + manuelles;
  return s;
}

}  // namespace generateur
