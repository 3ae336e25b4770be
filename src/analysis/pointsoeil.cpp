#include "analysis/pointsoeil.h"

#include "analysis/influence.h"
#include "analysis/viestatique.h"
#include "analysis/yeux.h"
#include "board/incremental.h"
#include "tactics/intersections.h"

PointsOeil PointsOeilChen;

namespace {

const int32_t* EnclosDe(int c) {
  return c == 1 ? CartesEnclos.EnclosAmi : CartesEnclos.EnclosEnnemi;
}

const int32_t* PerdueDe(int c) {
  return c == 1 ? PierrePerdueAmi : PierrePerdueEnnemi;
}

// The neighbours of p are read on the incremental board as it stands: during a
// trial move the board differs from the position it was built from, and a move
// that fills or takes the last empty neighbour of an eye point must count.
int NombreVoisinsVides(int32_t p) {
  return NbVoisinsVides[p];
}

int NombreVoisinsHostiles(int32_t p, int c) {
  return NbVoisinsCouleur[Adversaire(c)][p];
}

// The one empty neighbour of p (the first, when there are more).
int32_t VoisinVide(int32_t p) {
  for (int32_t q : Voisins[p])
    if (Couleur(DamierIncremental, q) == VIDE) return q;
  return -1;
}

void Remplace(CoupsPointOeil& l, int32_t coup) {
  Vide(l);
  Ajoute(l, coup);
}

// Steps 3 and 4 for colour c at p: the shape flags from the counts of
// enclosed neighbours (ami: of c, hostile: of the other colour) and of the
// diagonals (good for c, good for the other colour, empty), then the moves
// that make the point an eye.
void ClassePourCouleur(int32_t p, int c, int nAmi, int nHostile, int dAmi, int dHostile,
                       int dVide) {
  PointsOeil& e = PointsOeilChen;
  const int nd = Diagonales[p].Nombre;
  const int no = Voisins[p].Nombre;
  const bool bord = SurLigne1[p] != 0;

  e.Faux[c][p] = bord ? dHostile >= 1 : dVide / 2 + dHostile > 1;
  e.Possible[c][p] = (Coin[p] && nHostile == 0 && nAmi == 1 && dAmi == 1) ||
                     (bord && dVide >= 1 && dHostile == 0 && dAmi == nd - 1) ||
                     (!bord && dVide >= 1 && dAmi == nd - 2);
  e.Diagonales[c][p] = bord ? dAmi == nd : dAmi >= nd - 1;
  e.Sur[c][p] = e.Diagonales[c][p] && nAmi == no;

  const int vides = NombreVoisinsVides(p);
  const bool sansHostile = NombreVoisinsHostiles(p, c) == 0;
  if (e.Possible[c][p] && vides == 0 && sansHostile) {
    e.UnCoup[c][p] = 1;
    Vide(e.CoupsUnCoup[c][p]);
    for (int32_t d : Diagonales[p])
      if (Couleur(VieStatique.DamierVieStatique, d) == VIDE) Ajoute(e.CoupsUnCoup[c][p], d);
  }
  if (e.Diagonales[c][p] && vides == 1 && sansHostile) {
    const int32_t q = VoisinVide(p);
    if (q >= 0 && !PerdueDe(c)[q]) {
      e.Possible[c][p] = 1;
      e.UnCoup[c][p] = 1;
      Remplace(e.CoupsUnCoup[c][p], q);
    }
  }
  if (e.Sur[c][p] && vides == 0 && sansHostile) e.SurFerme[c][p] = 1;
}

// Steps 2 to 4 at p: points that hold a stone keeping its colour on the
// static-life board are not eye points; the others are examined for each
// colour that encloses them. A diagonal is good for c when it is enclosed by c
// or holds c on the static-life board, else hostile when it is enclosed by or
// holds the other colour, else open when it is empty. Each colour reads the
// diagonals from its own side, so that a point enclosed by both colours is
// good for the colour examined, whichever it is (read from colour 1's side for
// both, such a point would help colour 1 and count against colour 2).
void ClassePoint(int32_t p) {
  const int ici = Couleur(DamierIncremental, p);
  if (ici != VIDE && Couleur(VieStatique.DamierVieStatique, p) == ici) return;
  if (!CartesEnclos.EnclosAmi[p] && !CartesEnclos.EnclosEnnemi[p]) return;
  for (int c = 1; c <= 2; c++) {
    if (!EnclosDe(c)[p]) continue;
    const int a = Adversaire(c);
    int nAmi = 0, nHostile = 0;
    for (int32_t q : Voisins[p]) {
      nAmi += EnclosDe(c)[q] ? 1 : 0;
      nHostile += EnclosDe(a)[q] ? 1 : 0;
    }
    int dAmi = 0, dHostile = 0, dVide = 0;
    for (int32_t q : Diagonales[p]) {
      const int s = Couleur(VieStatique.DamierVieStatique, q);
      if (EnclosDe(c)[q] || s == c)
        dAmi++;
      else if (EnclosDe(a)[q] || s == a)
        dHostile++;
      else if (s == VIDE)
        dVide++;
    }
    ClassePourCouleur(p, c, nAmi, nHostile, dAmi, dHostile, dVide);
  }
}

// Step 5: the neighbours of p that are false eyes of either colour.
void VoisinsFaux(int32_t p) {
  PointsOeil& e = PointsOeilChen;
  Vide(e.VoisinsFauxOccupes[p]);
  Vide(e.VoisinsFauxVides[p]);
  for (int32_t q : Voisins[p]) {
    if (!e.Faux[1][q] && !e.Faux[2][q]) continue;
    if (Couleur(DamierIncremental, q) != VIDE)
      Ajoute(e.VoisinsFauxOccupes[p], q);
    else
      Ajoute(e.VoisinsFauxVides[p], q);
  }
}

// Step 6 for colour c at p, a sure eye point with an empty neighbour: next to
// false eyes it becomes possible (one false neighbour) or nothing (two); its
// single empty neighbour is its vital move.
void RevoitPointSur(int32_t p, int c) {
  PointsOeil& e = PointsOeilChen;
  const int vides = NombreVoisinsVides(p);
  const int t = e.VoisinsFauxOccupes[p].Nombre + e.VoisinsFauxVides[p].Nombre;
  if (t >= 1) {
    e.Sur[c][p] = 0;
    e.Possible[c][p] = 1;
  }
  if (t >= 2) e.Possible[c][p] = 0;
  const bool seulFauxVide = t == 1 && e.VoisinsFauxVides[p].Nombre == 1;
  if (!seulFauxVide) {
    if (vides == 1 && VoisinVide(p) >= 0) Remplace(e.CoupsVitaux[p], VoisinVide(p));
  } else {
    const int32_t q = e.VoisinsFauxVides[p][0];
    if (!PerdueDe(c)[q]) {
      e.Possible[c][p] = 1;
      if (vides == 1) {
        e.UnCoup[c][p] = 1;
        Remplace(e.CoupsUnCoup[c][p], q);
      }
    }
  }
}

// The end of step 6 for a sure eye point p of c with two empty neighbours or
// more: a friendly string next to it with two liberties makes its other
// liberty only possible (one enemy move there puts the string in atari).
void DegradeAutreLiberte(int32_t p, int c) {
  PointsOeil& e = PointsOeilChen;
  for (int32_t n : Voisins[p]) {
    if (Couleur(DamierIncremental, n) != c) continue;
    const String* s = StringIntersection[n];
    if (s == nullptr || s->NbLibertes() != 2) continue;
    // A point holding a dead stone is no liberty of the string, and neither of
    // its liberties is the other one (picking one would depend on the order in
    // which the board happens to list them).
    if (s->Libertes[0] != p && s->Libertes[1] != p) continue;
    const int32_t o = s->Libertes[0] == p ? s->Libertes[1] : s->Libertes[0];
    if (e.Sur[c][o]) {
      e.Sur[c][o] = 0;
      e.Possible[c][o] = 1;
    }
  }
}

// Step 6 over the board. The points it starts from are the sure eye points as
// step 5 left them, and the other liberties are degraded after every point is
// revised: when both liberties of a friendly two-liberty string are sure eye
// points, both become possible, whatever the orientation of the board (taken
// one point at a time in index order, the first would keep the second from
// degrading it).
void RevoitPointsSurs() {
  PointsOeil& e = PointsOeilChen;
  static bool depart[3][NB_INTERSECTIONS_MAX];
  for (int32_t p = 0; p < NbIntersections; p++) {
    Vide(e.CoupsVitaux[p]);
    for (int c = 1; c <= 2; c++) {
      depart[c][p] = e.Sur[c][p] && NombreVoisinsVides(p) >= 1;
      if (depart[c][p]) RevoitPointSur(p, c);
    }
  }
  for (int32_t p = 0; p < NbIntersections; p++)
    for (int c = 1; c <= 2; c++)
      if (depart[c][p] && NombreVoisinsVides(p) >= 2) DegradeAutreLiberte(p, c);
}

// An eye of c at p for the eye table, anchored on the string of the last
// neighbour of p that holds c on both boards, in the 3x3 window around p
// (clipped to the board).
void AjouteOeilPoint(int32_t p, int c, int sur, const CoupsPointOeil& coups) {
  int32_t pierre = -1;
  for (int32_t q : Voisins[p])
    if (Couleur(DamierIncremental, q) == c && Couleur(VieStatique.DamierVieStatique, q) == c)
      pierre = q;
  if (pierre < 0) return;
  const String* s = StringIntersection[pierre];
  const int32_t ancre = s ? s->Ancre : pierre;
  const int x0 = CoordX[p] - 1 > 1 ? CoordX[p] - 1 : 1;
  const int y0 = CoordY[p] - 1 > 1 ? CoordY[p] - 1 : 1;
  const int x1 = CoordX[p] + 1 < TailleGoban ? CoordX[p] + 1 : TailleGoban;
  const int y1 = CoordY[p] + 1 < TailleGoban ? CoordY[p] + 1 : TailleGoban;
  Oeil oeil(c, ancre, x0, y0, x1 + 1 - x0, y1 + 1 - y0);
  oeil.Sur = sur;
  oeil.DeRegle = 1;
  for (int32_t m : coups) {
    Ajoute(oeil.CoupsAtteindre, m);
    Ajoute(oeil.CoupsEmpecher, m);
  }
  AjouteOeil(oeil);
}

// Step 7: one eye at most per point, the first kind that applies.
void AjouteOeilsPoints() {
  const PointsOeil& e = PointsOeilChen;
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (e.UnCoup[1][p])
      AjouteOeilPoint(p, 1, 0, e.CoupsUnCoup[1][p]);
    else if (e.UnCoup[2][p])
      AjouteOeilPoint(p, 2, 0, e.CoupsUnCoup[2][p]);
    else if (e.SurFerme[1][p])
      AjouteOeilPoint(p, 1, 1, e.CoupsUnCoup[1][p]);
    else if (e.SurFerme[2][p])
      AjouteOeilPoint(p, 2, 1, e.CoupsUnCoup[2][p]);
  }
}

char MarquePoint(int32_t p, int c) {
  const PointsOeil& e = PointsOeilChen;
  if (e.Faux[c][p]) return 'F';
  if (e.SurFerme[c][p]) return 'S';
  if (e.Sur[c][p]) return 's';
  if (e.UnCoup[c][p]) return 'U';
  if (e.Possible[c][p]) return 'P';
  if (e.Diagonales[c][p]) return 'D';
  return '.';
}

}  // namespace

void ReinitialisePointsOeil() {
  PointsOeil& e = PointsOeilChen;
  for (int c = 0; c < 3; c++)
    for (int p = 0; p < NB_INTERSECTIONS_MAX; p++) {
      e.Faux[c][p] = e.Possible[c][p] = e.Diagonales[c][p] = 0;
      e.Sur[c][p] = e.SurFerme[c][p] = e.UnCoup[c][p] = 0;
      Vide(e.CoupsUnCoup[c][p]);
    }
  for (int p = 0; p < NB_INTERSECTIONS_MAX; p++) {
    Vide(e.CoupsVitaux[p]);
    Vide(e.VoisinsFauxOccupes[p]);
    Vide(e.VoisinsFauxVides[p]);
  }
}

void CalculeOeilsChen() {
  ReinitialisePointsOeil();
  for (int32_t p = 0; p < NbIntersections; p++) ClassePoint(p);
  for (int32_t p = 0; p < NbIntersections; p++) VoisinsFaux(p);
  RevoitPointsSurs();
  AjouteOeilsPoints();
}

void ImprimeOeilsChen(std::FILE* f) {
  std::fprintf(f, "Yeux Chen\n");
  for (int y = 0; y < TailleGoban; y++) {
    for (int c = 1; c <= 2; c++) {
      if (c == 2) std::fprintf(f, "  ");
      for (int x = 0; x < TailleGoban; x++) std::fputc(MarquePoint(y * TailleGoban + x, c), f);
    }
    std::fprintf(f, "\n");
  }
}
