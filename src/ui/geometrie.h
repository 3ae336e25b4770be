#pragma once

// Where the board's points are on the board image, and which point a click
// selects. No Qt here: plain arithmetic on image pixels.

#include <cstdint>

inline constexpr int TAILLE_BITMAP = 660;  // BitmapGoban is 660 x 660
inline constexpr int ORIGINE = 80;         // the centre of the top-left point
inline constexpr int CASE = 60;            // cell width and height
inline constexpr int RAYON_PIERRE = 30;
inline constexpr int RAYON_MARQUE = 10;
inline constexpr int EPAISSEUR_TRAIT = 3;
// The analysis view: territory squares, the cross on a dead stone, the disc of
// the best point.
inline constexpr int DEMI_CARRE_TERRITOIRE = 8;
inline constexpr int DEMI_CROIX = 16;
inline constexpr int EPAISSEUR_CROIX = 5;
inline constexpr int RAYON_MEILLEUR = 16;

// The centre of the point at column x, row y (both from 1).
inline int CentreX(int x) {
  return ORIGINE + CASE * (x - 1);
}
inline int CentreY(int y) {
  return ORIGINE + CASE * (y - 1);
}

// The point a click at (x, y) of the image selects, or -1 off the board: a
// click within 30 pixels of an intersection selects it, and division toward
// zero maps the left and top margins, up to 110 pixels from the edge, to the
// first column or row.
int32_t PointDuClic(int x, int y);
