#include "analysis/regions.h"

#include "analysis/influence.h"
#include "analysis/pointsoeil.h"
#include "analysis/viestatique.h"
#include "analysis/yeux.h"
#include "base/trace.h"
#include "board/incremental.h"

TableRegions RegionsChen;

namespace {

// Working sets of one run: the points taken by a region of each colour, the
// points visited by the flood in progress, and a list for the sure and
// possible eye points taken together.
struct TravailRegions {
  EnsembleIntersections Prises[3];
  EnsembleIntersections Visites;
  ListeIntersections Ensemble;
  EnsembleIntersections EnsembleEnsemble;
};
TravailRegions Travail;

const int32_t* EspaceDe(int c) {
  return c == 1 ? CartesEnclos.EspaceOeilAmi : CartesEnclos.EspaceOeilEnnemi;
}

// c on the analysis board and on the static-life board: a stone that lives.
bool PierreVivante(int32_t p, int c) {
  return Couleur(DamierIncremental, p) == c && Couleur(VieStatique.DamierVieStatique, p) == c;
}

int LibertesString(int32_t p) {
  const String* s = StringIntersection[p];
  return s ? s->NbLibertes() : 0;
}

void Nouvelle(RegionChen& r, int c) {
  r.Couleur = c;
  r.A = 360;
  r.NonConnexe = 0;
  r.Pure = 1;
  r.Parfaite = 1;
  r.P = 0;
  r.Connexe = 0;
  r.ND = 0;
  r.YA = r.YE = 0;
  Vide(r.CA);
  Vide(r.CE);
  Vide(r.Points);
  Vide(r.EnsemblePoints);
  Vide(r.StringsAdjacentes);
  Vide(r.StringsEtoile);
  r.Coin = r.Bord = 0;
  r.Interieur = 1;
  r.Carre = r.Ligne = r.FormeCoin = 0;
  Vide(r.OeilSur);
  Vide(r.EnsembleOeilSur);
  Vide(r.OeilPossible);
  Vide(r.EnsembleOeilPossible);
  Vide(r.Perimetre);
  Vide(r.MarquesCarre);
}

// AffecteRegionRecursif(r, p): floods r from p through the eye space of its
// colour, and lowers the anchor to the smallest living stone of the colour
// that a visited point holds or touches (diagonals included). Answers 1 when
// some point of the eye space reached from p touches such a stone.
// The answer does not depend on the order of the visit: a region is kept
// whether or not a point outside the space happened to lower the anchor first
// (taken literally, "this call lowered the anchor" would keep a region in one
// orientation of the board and drop it in its mirror image).
int AffecteRegionRecursif(RegionChen& r, int32_t p) {
  const int c = r.Couleur;
  if (Contient(Travail.Visites, p)) return 0;
  Ajoute(Travail.Visites, p);
  Ajoute(Travail.Prises[c], p);
  int resultat = 0;
  if (Couleur(DamierIncremental, p) != c) {
    for (int32_t q : Voisins8[p])
      if (PierreVivante(q, c)) {
        if (q < r.A) r.A = q;
        resultat = 1;
      }
  } else if (PierreVivante(p, c)) {
    if (p < r.A) r.A = p;
    resultat = 1;
  }
  if (!EspaceDe(c)[p]) return 0;
  if (r.Points.Nombre >= MAX_INTERSECTIONS_REGIONS) {
    Signale("Pb AffecteRegionRecursif MAX_INTERSECTIONS_REGIONS\n");
  } else {
    Ajoute(r.Points, p);
    Ajoute(r.EnsemblePoints, p);
  }
  for (int32_t q : Voisins[p])
    if (!Contient(Travail.Visites, q) && AffecteRegionRecursif(r, q)) resultat = 1;
  return resultat;
}

void Defaut(RegionChen& r) {
  r.Parfaite = 0;
  r.ND++;
}

// Location, sure and possible eye points, defects, adjacent strings.
void Proprietes(RegionChen& r) {
  const int c = r.Couleur;
  const int adverse = Adversaire(c);
  const int32_t* sur = PointsOeilChen.Sur[c];
  const int32_t* possible = PointsOeilChen.Possible[c];
  for (int32_t p : r.Points) {
    if (Bord[p]) {
      r.Interieur = 0;
      if (!r.Coin) r.Bord = 1;
    }
    if (Coin[p]) {
      r.Interieur = 0;
      r.Bord = 0;
      r.Coin = 1;
    }
    if (sur[p]) {
      Ajoute(r.OeilSur, p);
      Ajoute(r.EnsembleOeilSur, p);
    } else if (possible[p]) {
      Ajoute(r.OeilPossible, p);
      Ajoute(r.EnsembleOeilPossible, p);
    }
    for (int32_t q : Voisins[p]) {
      if (sur[q]) continue;
      const int ici = Couleur(DamierIncremental, q);
      if (ici == VIDE || Couleur(VieStatique.DamierVieStatique, q) == adverse) Defaut(r);
      if (ici == c && StringIntersection[q] != nullptr) {
        const int32_t ancre = StringIntersection[q]->Ancre;
        AjouteSiAbsent(r.StringsAdjacentes, ancre);
        if (VieStatique.MarquesVieStatique[q] == MARQUE_PRENABLE)
          AjouteSiAbsent(r.StringsEtoile, ancre);
      }
    }
    for (int32_t d : Diagonales[p]) {
      if (sur[d]) continue;
      const int s = Couleur(VieStatique.DamierVieStatique, d);
      if (s == VIDE || s == adverse) Defaut(r);
    }
  }
}

// The perimeter of the list l (set s): the outside neighbours of its points,
// each counted once, plus one for each edge point and two for each corner.
int Perimetre(RegionChen& r, const ListeIntersections& l, const EnsembleIntersections& s) {
  Vide(r.Perimetre);
  int p = 0;
  for (int32_t e : l) {
    if ((Coin[e] || Bord[e]) && !Contient(r.Perimetre, e)) {
      Ajoute(r.Perimetre, e);
      p += Coin[e] ? 2 : 1;
    }
    for (int32_t q : Voisins[e])
      if (!Contient(r.Perimetre, q) && !Contient(s, q)) {
        Ajoute(r.Perimetre, q);
        p++;
      }
  }
  r.P = p;
  return p;
}

// The orthogonal neighbours of e in the set, the first two of them in a and b.
int VoisinsDans(int32_t e, const EnsembleIntersections& s, int32_t& a, int32_t& b) {
  int n = 0;
  for (int32_t q : Voisins[e])
    if (Contient(s, q)) {
      if (n == 0) a = q;
      if (n == 1) b = q;
      n++;
    }
  return n;
}

int VoisinsDans(int32_t e, const EnsembleIntersections& s) {
  int32_t a, b;
  return VoisinsDans(e, s, a, b);
}

// The square, line and corner shapes of the list l (set s), for regions of
// 4 to 19 points.
void Formes(RegionChen& r, const ListeIntersections& l, const EnsembleIntersections& s) {
  r.Carre = r.Ligne = r.FormeCoin = 0;
  Vide(r.MarquesCarre);
  if (r.Points.Nombre < 4 || r.Points.Nombre > 19) return;
  for (int32_t e : l) {
    int32_t a = -1, b = -1;
    if (VoisinsDans(e, r.EnsemblePoints, a, b) != 2) continue;
    for (int32_t d : Diagonales[e])
      if (Contient(r.EnsemblePoints, d) && EstVoisin(d, a) && EstVoisin(d, b)) {
        r.Carre = 1;
        Ajoute(r.MarquesCarre, e);
        Ajoute(r.MarquesCarre, a);
        Ajoute(r.MarquesCarre, b);
        Ajoute(r.MarquesCarre, d);
        break;
      }
    if (r.Carre) break;
  }
  for (int32_t e : l) {
    int32_t a = -1, b = -1;
    if (VoisinsDans(e, s, a, b) != 2 || EstDiagonale(a, b)) continue;
    if (VoisinsDans(a, s) == 2 || VoisinsDans(b, s) == 2) {
      r.Ligne = 1;
      break;
    }
  }
  if (r.Coin)
    for (int32_t e : l)
      if (Coin[e] && VoisinsDans(e, s) >= 2) r.FormeCoin = 1;
}

// The liberties of the wall: those of the weakest living string of the
// region's colour touching it, diagonals included, or of the string at the
// anchor when none does. (The string at "A" alone would be the string of the
// smallest point, which changes with the orientation of the board when
// several strings surround the region.)
int LibertesMur(const RegionChen& r) {
  int libertes = -1;
  for (int32_t p : r.Points)
    for (int32_t q : Voisins8[p])
      if (PierreVivante(q, r.Couleur) && (libertes < 0 || LibertesString(q) < libertes))
        libertes = LibertesString(q);
  return libertes < 0 ? LibertesString(r.A) : libertes;
}

// The perimeter rule: the eyes of a solid eye space l (set s) from its
// perimeter and shape; u is the one-move eye map of the region's colour.
void ReglePerimetre(RegionChen& r, const ListeIntersections& l, const EnsembleIntersections& s,
                    const int32_t* u) {
  const int p = Perimetre(r, l, s);
  Formes(r, l, s);
  const bool etoile = r.StringsEtoile.Nombre > 0;
  if (p <= 6) {
    r.YA = 1;
    r.YE = 1;
    for (int32_t e : l) {
      int n = 0;
      for (int32_t q : Voisins[e]) n += u[q] ? 1 : 0;
      if (n >= 2) r.YA = 2;
    }
    if (l.Nombre == 1 && u[l[0]]) r.YE = 0;
  } else if (p == 7) {
    r.YA = 2;
    r.YE = 1;
  } else if (p == 8) {
    if (r.Carre) {
      r.YA = 1;
      r.YE = 1;
    } else if (r.Ligne) {
      r.YA = 2;
      r.YE = etoile ? 1 : 2;
    } else {
      r.YA = 2;
      r.YE = 1;
    }
  } else if (p == 9) {
    r.YA = 2;
    r.YE = r.Carre ? 1 : 2;
    if (!r.Carre && ((r.FormeCoin && LibertesMur(r) < 5) || etoile)) r.YE = 1;
  } else {
    r.YA = 2;
    r.YE = 2;
    if ((p == 10 && r.FormeCoin && LibertesMur(r) < 6) || etoile) r.YE = 1;
  }
}

// 1 when the sure eye points form one orthogonally connected set.
int SurConnexes(const RegionChen& r) {
  if (r.OeilSur.Nombre == 0) return 1;
  EnsembleIntersections vus{};
  ListeIntersections& pile = Travail.Ensemble;
  Vide(pile);
  Ajoute(pile, r.OeilSur[0]);
  Ajoute(vus, r.OeilSur[0]);
  int n = 0;
  while (pile.Nombre > 0) {
    const int32_t p = Depile(pile);
    n++;
    for (int32_t q : Voisins[p])
      if (Contient(r.EnsembleOeilSur, q) && !Contient(vus, q)) {
        Ajoute(vus, q);
        Ajoute(pile, q);
      }
  }
  return n == r.OeilSur.Nombre ? 1 : 0;
}

// A possible eye point that a square of sure eye points backs up: few empty
// neighbours, no short-of-liberties friendly string next to it.
bool PossibleAppuye(const RegionChen& r, int32_t q) {
  if (NbVoisinsVides[q] >= 3) return false;
  bool appuye = false;
  for (int32_t n : Voisins[q]) {
    const int ici = Couleur(DamierIncremental, n);
    if (ici == r.Couleur && LibertesString(n) < 3) return false;
    if (ici == VIDE && Contient(r.EnsembleOeilSur, n) && Contient(r.MarquesCarre, n)) appuye = true;
  }
  return appuye;
}

// The rule for regions that are not perfect.
void RegleImparfaite(RegionChen& r, const int32_t* u) {
  r.Connexe = SurConnexes(r);
  Formes(r, r.OeilSur, r.EnsembleOeilSur);
  const int sur = r.OeilSur.Nombre;
  const int possible = r.OeilPossible.Nombre;
  if (sur == 0) {
    r.YA = possible == 0 ? 0 : 1;
    r.YE = 0;
  } else if (r.Carre && r.Points.Nombre == 5 && sur + possible == 5) {
    const int adjacentes = r.StringsAdjacentes.Nombre;
    r.YA = ((r.Coin || r.Bord) && adjacentes < 3) || (r.Interieur && adjacentes < 4) ? 2 : 1;
    r.YE = 1;
  } else if (r.Connexe) {
    ReglePerimetre(r, r.OeilSur, r.EnsembleOeilSur, u);
    if (r.YE < 2)
      for (int32_t q : r.OeilPossible)
        if (PossibleAppuye(r, q)) {
          if (r.YA < 2)
            r.YA++;
          else
            r.YE++;
          break;
        }
    const int ya = r.YA;
    const int ye = r.YE;
    Copie(Travail.Ensemble, r.OeilSur);
    Concatene(Travail.Ensemble, r.OeilPossible);
    Travail.EnsembleEnsemble = r.EnsembleOeilSur;
    Union(Travail.EnsembleEnsemble, r.EnsembleOeilPossible);
    ReglePerimetre(r, Travail.Ensemble, Travail.EnsembleEnsemble, u);
    if (ya < r.YA) r.YA = ya;
    if (ye < r.YE) r.YE = ye;
  } else {
    ReglePerimetre(r, r.OeilSur, r.EnsembleOeilSur, u);
    r.NonConnexe = 1;
  }
  if (r.StringsEtoile.Nombre > 0 && r.YE > 1) r.YE = 1;
}

void CompteYeux(RegionChen& r) {
  const int32_t* u = PointsOeilChen.UnCoup[r.Couleur];
  if (r.OeilSur.Nombre >= 11) {
    r.YA = 2;
    r.YE = r.StringsEtoile.Nombre > 0 ? 1 : 2;
  } else if (r.Pure && r.Parfaite) {
    ReglePerimetre(r, r.OeilSur, r.EnsembleOeilSur, u);
  } else {
    // Every region counts as pure: the one with stones inside is counted
    // like an empty one.
    RegleImparfaite(r, u);
  }
}

// A sure eye for a region of two sure eye points or more with at most one
// defect, in the box of the living stones of its colour that touch it.
void AjouteOeilRegion(const RegionChen& r) {
  if (r.OeilSur.Nombre < 2 || r.ND >= 2) return;
  const int c = r.Couleur;
  int32_t derniere = -1;
  int x0 = TAILLE_MAX + 1, y0 = TAILLE_MAX + 1, x1 = 0, y1 = 0;
  for (int32_t p : r.Points)
    for (int32_t q : Voisins[p]) {
      if (!PierreVivante(q, c)) continue;
      derniere = q;
      if (CoordX[q] < x0) x0 = CoordX[q];
      if (CoordY[q] < y0) y0 = CoordY[q];
      if (CoordX[q] > x1) x1 = CoordX[q];
      if (CoordY[q] > y1) y1 = CoordY[q];
    }
  if (derniere < 0) return;
  const String* s = StringIntersection[derniere];
  Oeil oeil(c, s ? s->Ancre : derniere, x0, y0, x1 + 1 - x0, y1 + 1 - y0);
  oeil.Sur = 1;
  oeil.DeRegle = 1;
  AjouteOeil(oeil);
}

// A region of colour c seeded at p, kept when its flood answers 1.
void Seme(int32_t p, int c) {
  RegionChen& r = RegionsChen.Regions[RegionsChen.Nombre];
  Nouvelle(r, c);
  Vide(Travail.Visites);
  if (AffecteRegionRecursif(r, p)) RegionsChen.Nombre++;
}

}  // namespace

void ReinitialiseRegions() {
  RegionsChen.Nombre = 0;
  for (EnsembleIntersections& e : Travail.Prises) Vide(e);
  Vide(Travail.Visites);
}

// A point in the eye space of both colours seeds a region of each: seeding
// colour 2 only where colour 1 did not would give a point that both colours
// enclose to colour 1 alone, and its owner would change with the colours.
void CalculRegionsYeuxChen() {
  ReinitialiseRegions();
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (RegionsChen.Nombre >= MAX_REGIONS) {
      Signale("Pb CalculRegionsYeuxChen MAX_REGIONS\n");
      continue;
    }
    if (CartesEnclos.EspaceOeilAmi[p] && !Contient(Travail.Prises[1], p)) Seme(p, 1);
    if (RegionsChen.Nombre < MAX_REGIONS && CartesEnclos.EspaceOeilEnnemi[p] &&
        !Contient(Travail.Prises[2], p))
      Seme(p, 2);
  }
  for (int i = 0; i < RegionsChen.Nombre; i++) {
    RegionChen& r = RegionsChen.Regions[i];
    Proprietes(r);
    CompteYeux(r);
    AjouteOeilRegion(r);
  }
}

int RegionsLiees(const RegionChen& r, const RegionChen& r2) {
  for (int32_t p : r.Points)
    for (int32_t d : Diagonales[p]) {
      if (Couleur(VieStatique.DamierVieStatique, d) != VIDE) continue;
      for (int32_t q : Diagonales[d])
        if (Contient(r2.EnsemblePoints, q)) return 1;
    }
  return 0;
}

void ImprimeRegions(std::FILE* f) {
  std::fprintf(f, "RegionsChen\n");
  for (int i = 0; i < RegionsChen.Nombre; i++) {
    const RegionChen& r = RegionsChen.Regions[i];
    std::fprintf(f, " %d ,", i);
    std::fprintf(f, r.Couleur == 1 ? " AMI ," : " ENNEMI ,");
    std::fprintf(f, " A %d, I ", r.A);
    for (int32_t p : r.Points) std::fprintf(f, " %d", p);
    std::fprintf(f, " YA %d, CA", r.YA);
    for (int32_t m : r.CA) std::fprintf(f, " %d", m);
    std::fprintf(f, " YE %d, CE", r.YE);
    for (int32_t m : r.CE) std::fprintf(f, " %d", m);
    std::fprintf(f, " P %d,", r.P);
    if (r.Pure) std::fprintf(f, "Pure,");
    if (r.Parfaite) std::fprintf(f, "Parfaite");
    if (r.ND != 0) std::fprintf(f, " ND %d", r.ND);
    std::fprintf(f, "\n");
  }
}

void CalculeYeuxEtRegionsChen() {
  CalculeOeilsChen();
  if (ImpressionsYeuxChen) ImprimeOeilsChen(TraceJeu());
  CalculRegionsYeuxChen();
  if (ImpressionsYeuxChen) ImprimeRegions(TraceJeu());
}
