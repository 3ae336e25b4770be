#include "ui/geometrie.h"

#include "board/goban.h"

int32_t PointDuClic(int x, int y) {
  const int colonne = (x - ORIGINE + CASE / 2) / CASE + 1;
  const int ligne = (y - ORIGINE + CASE / 2) / CASE + 1;
  if (colonne < 1 || colonne > TailleGoban || ligne < 1 || ligne > TailleGoban) return -1;
  return Intersection[colonne][ligne];
}
