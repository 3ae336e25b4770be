#pragma once

// Board diagrams for tests: '.' or '+' empty, '@' or 'X' colour 1, 'O' colour 2;
// spaces and new lines are ignored. The board size is taken from the number of
// points (a square) and the geometry is initialised for it.

#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

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

// Reads a problem file: blank lines and lines starting with '#' are skipped; a
// line whose first word en_tete accepts opens a case (en_tete reads the rest
// of the line from the stream and returns the case, or false to skip the
// line); every other line is a row of the last case's diagram, spaces removed.
// Cas needs a field `diagramme` (the rows).
template <class Cas, class EnTete>
std::vector<Cas> LitProblemesDiagrammes(const char* chemin, EnTete en_tete) {
  std::ifstream f(chemin);
  std::vector<Cas> cas;
  std::string ligne;
  for (int n = 1; std::getline(f, ligne); n++) {
    std::istringstream in(ligne);
    std::string mot, points;
    if (ligne.empty() || ligne[0] == '#' || !(in >> mot)) continue;
    Cas c{};
    if (en_tete(n, mot, in, c)) {
      cas.push_back(c);
      continue;
    }
    for (char ch : ligne)
      if (ch != ' ') points += ch;
    if (!cas.empty()) cas.back().diagramme.push_back(points);
  }
  return cas;
}
