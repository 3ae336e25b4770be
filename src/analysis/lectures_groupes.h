#pragma once

// How the groups read the static-life board, the enclosure, the territory map,
// the eye-point maps and the eye regions: one small function each, so that
// the groups do not depend on how those stages lay out their tables.

#include <cstdint>

#include "analysis/influence.h"
#include "analysis/pointsoeil.h"
#include "analysis/regions.h"
#include "analysis/viestatique.h"
#include "board/damier.h"
#include "board/goban.h"
#include "board/incremental.h"

inline constexpr int MAX_REGIONS_GROUPE = MAX_REGIONS;

// Colour of a point on the static-life board.
inline int CouleurVieStatique(int32_t p) {
  return Couleur(VieStatique.DamierVieStatique, p);
}
// '@', 'O' or '+' on the territory map of the analysed position.
inline char MarqueTerritoire(int32_t p) {
  return static_cast<char>(InfluenceAnalyse.CarteTerritoire[p]);
}
// The point lies in an area enclosed by colour c.
inline int EnclosPar(int c, int32_t p) {
  return c == 1 ? CartesEnclos.EnclosAmi[p] : CartesEnclos.EnclosEnnemi[p];
}

// The eye regions.
inline int NombreRegions() {
  return RegionsChen.Nombre;
}
inline int32_t AncreRegion(int r) {
  return RegionsChen[r].A;
}
inline int CouleurRegion(int r) {
  return RegionsChen[r].Couleur;
}
inline int YARegion(int r) {
  return RegionsChen[r].YA;
}
inline int YERegion(int r) {
  return RegionsChen[r].YE;
}
inline const ListeIntersections& PointsRegion(int r) {
  return RegionsChen[r].Points;
}
inline int RegionsLieesNumeros(int r, int r2) {
  return RegionsLiees(RegionsChen[r], RegionsChen[r2]);
}

// The eye-point maps of colour c.
inline int OeilSur(int c, int32_t q) {
  return PointsOeilChen.Sur[c][q];
}
inline int OeilPossible(int c, int32_t q) {
  return PointsOeilChen.Possible[c][q];
}
inline int OeilUnCoup(int c, int32_t q) {
  return PointsOeilChen.UnCoup[c][q];
}
inline const CoupsPointOeil& CoupsOeilUnCoup(int c, int32_t q) {
  return PointsOeilChen.CoupsUnCoup[c][q];
}
inline const CoupsPointOeil& CoupsVitauxPoint(int32_t q) {
  return PointsOeilChen.CoupsVitaux[q];
}

// The territory value of the analysis board as it stands: influence with raw
// weights, then the territory map, in the caller's scratch state.
inline int32_t TerritoireBrutAnalyse(EtatInfluence& e) {
  CalculeInfluence(DamierIncremental, true, e);
  return CalculeTerritoire(e);
}
