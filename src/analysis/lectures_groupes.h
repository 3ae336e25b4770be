#pragma once

// How the groups read the static-life board, the enclosure, the territory map,
// the eye-point maps and the eye regions: one small function each, so that
// the groups do not depend on how those stages lay out their tables.

#include <cstdint>

#include "board/damier.h"
#include "board/goban.h"
#include "board/incremental.h"

inline constexpr int MAX_REGIONS_GROUPE = 100;
inline constexpr int MAX_COUPS_POINT_OEIL = 9;

// Colour of a point on the static-life board.
inline int CouleurVieStatique(int32_t p) {
  return Couleur(DamierIncremental, p);
}
// '@', 'O' or '+' on the territory map.
inline char MarqueTerritoire(int32_t) {
  return '+';
}
// The point lies in an area enclosed by colour c.
inline int EnclosPar(int, int32_t) {
  return 0;
}

// The eye regions.
inline int NombreRegions() {
  return 0;
}
inline int32_t AncreRegion(int) {
  return 360;
}
inline int CouleurRegion(int) {
  return 0;
}
inline int YARegion(int) {
  return 0;
}
inline int YERegion(int) {
  return 0;
}
inline const ListeIntersections& PointsRegion(int) {
  static const ListeIntersections vide{};
  return vide;
}
inline int DansRegion(int, int32_t) {
  return 0;
}

// The eye-point maps of colour c.
inline int OeilSur(int, int32_t) {
  return 0;
}
inline int OeilPossible(int, int32_t) {
  return 0;
}
inline int OeilUnCoup(int, int32_t) {
  return 0;
}
inline const Liste<MAX_COUPS_POINT_OEIL>& CoupsOeilUnCoup(int, int32_t) {
  static const Liste<MAX_COUPS_POINT_OEIL> vide{};
  return vide;
}
inline const Liste<MAX_COUPS_POINT_OEIL>& CoupsVitauxPoint(int32_t) {
  static const Liste<MAX_COUPS_POINT_OEIL> vide{};
  return vide;
}
