#pragma once

// Board diagrams for tests: '.' or '+' empty, '@' or 'X' colour 1, 'O' colour 2;
// spaces and new lines are ignored. The board size is taken from the number of
// points (a square) and the geometry is initialised for it.

#include <cmath>
#include <stdexcept>
#include <string>

#include "board/goban.h"

inline Damier DamierDe(const std::string& diagramme) {
  std::string points;
  for (char ch : diagramme)
    if (ch == '.' || ch == '+' || ch == '@' || ch == 'X' || ch == 'O') points += ch;
  const int taille = static_cast<int>(std::lround(std::sqrt(static_cast<double>(points.size()))));
  if (taille * taille != static_cast<int>(points.size()) || taille < 1 || taille > TAILLE_MAX)
    throw std::invalid_argument("diagram is not a square board: " + diagramme);
  InitialiseGoban(taille);
  Damier d;
  ViderDamier(d);
  for (int p = 0; p < taille * taille; p++) {
    const char ch = points[p];
    if (ch == '@' || ch == 'X') PosePierre(d, p, 1);
    if (ch == 'O') PosePierre(d, p, 2);
  }
  FixePointKo(d, COUP_PASSE);
  return d;
}

// The point at column x, row y (both from 1) of the current board.
inline int32_t Pt(int x, int y) {
  return Intersection[x][y];
}
