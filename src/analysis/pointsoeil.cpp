#include "analysis/pointsoeil.h"

PointsOeil PointsOeilChen;

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

// Body to come once the static-life board and the enclosure maps exist.
void CalculeOeilsChen() {
  ReinitialisePointsOeil();
}

void ImprimeOeilsChen(std::FILE* f) {
  std::fprintf(f, "Yeux Chen\n");
}
