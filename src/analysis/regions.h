#pragma once

// Eye regions: the last step of the static life (CalculeVieStatique), right
// after the eye points. The eye-space points of each colour are gathered into
// orthogonally connected regions, and each region gets two eye counts from its
// size, its perimeter and its shape: YA, the eyes it gives if the opponent does
// not play first, and YE, the eyes it gives whatever happens (0 to 2, YE <= YA).
//
// Reads: the incremental board and its strings, the static-life board
// DamierVieStatique and its marks MarquesVieStatique (only the '*' of strings
// that can be captured and saved), the eye-space maps EspaceOeilAmi /
// EspaceOeilEnnemi (influence) and the eye-point maps (pointsoeil.h).
// Writes: the region table below, emptied at the start of every run, and a
// sure eye in the analysis's eye table for each region with two sure eye
// points or more and at most one defect.
// Leaves for the groups (InitialiseRegionsGroupes): each region's colour,
// anchor stone "A", points, YA and YE; RegionsLiees tells two regions that
// share an empty diagonal point.
//
// A region holds no friendly stone (the eye space excludes them), but may hold
// stones of the other colour that the static-life board gives it. Such regions
// are counted by the same two rules as empty ones: every region counts as pure.

#include <cstdint>
#include <cstdio>

#include "base/liste.h"
#include "board/damier.h"
#include "board/goban.h"

inline constexpr int MAX_REGIONS = 100;
inline constexpr int MAX_INTERSECTIONS_REGIONS = NB_INTERSECTIONS_MAX;
// Room of the move lists CA and CE.
inline constexpr int MAX_COUPS_REGION = 9;

struct RegionChen {
  int32_t Couleur = 0;  // 1 or 2
  // The anchor: the smallest stone of the region's colour (on both boards)
  // inside the region or touching it, diagonals included; 360 while none is found.
  int32_t A = 360;
  int32_t NonConnexe = 0;  // the sure eye points are not connected (imperfect rule)
  int32_t Pure = 1;        // no stone inside; always 1 (see above)
  int32_t Parfaite = 1;    // no defect around the region
  int32_t P = 0;           // the last perimeter computed
  int32_t Connexe = 0;     // the sure eye points form one connected set
  int32_t ND = 0;          // number of defects, a point counted once per region point it touches
  int32_t YA = 0;
  Liste<MAX_COUPS_REGION> CA;
  int32_t YE = 0;
  Liste<MAX_COUPS_REGION> CE;
  ListeIntersections Points;
  EnsembleIntersections EnsemblePoints{};
  // Anchors of the strings of the region's colour touching a region point.
  ListeIntersections StringsAdjacentes;
  // Those touched at a stone marked '*' (capturable but can be saved).
  ListeIntersections StringsEtoile;
  int32_t Coin = 0;       // touches a corner
  int32_t Bord = 0;       // touches the edge and no corner
  int32_t Interieur = 1;  // touches neither
  int32_t Carre = 0;      // shape flags of the last list examined
  int32_t Ligne = 0;
  int32_t FormeCoin = 0;
  ListeIntersections OeilSur;  // sure eye points of the region's colour
  EnsembleIntersections EnsembleOeilSur{};
  ListeIntersections OeilPossible;  // possible (not sure) eye points
  EnsembleIntersections EnsembleOeilPossible{};
  EnsembleIntersections Perimetre{};     // points counted by the last perimeter
  EnsembleIntersections MarquesCarre{};  // points of the square found
};

struct TableRegions {
  int32_t Nombre = 0;
  RegionChen Regions[MAX_REGIONS];

  const RegionChen* begin() const { return Regions; }
  const RegionChen* end() const { return Regions + Nombre; }
  const RegionChen& operator[](int i) const { return Regions[i]; }
};
extern TableRegions RegionsChen;

// CalculRegionsYeuxChen: rebuilds the region table from the eye-space maps and
// the eye-point maps of the same position, counts each region's eyes and adds
// the region eyes to the eye table. Beyond MAX_REGIONS regions, each remaining
// point reports "Pb CalculRegionsYeuxChen MAX_REGIONS" and belongs to no
// region. The board is left unchanged.
void CalculRegionsYeuxChen();

// 1 when some point of r has an empty diagonal point (on the static-life
// board) that is itself a diagonal point of a point of r2.
int RegionsLiees(const RegionChen& r, const RegionChen& r2);

// Writes "RegionsChen" and a line per region (colour, anchor, points, YA and
// CA, YE and CE, perimeter, purity, perfection, defects).
void ImprimeRegions(std::FILE* f);

// The two last steps of the static life, eye points then regions, with their
// debug pictures when ImpressionsYeuxChen is on.
void CalculeYeuxEtRegionsChen();

// Debug pictures "Yeux Chen" and "RegionsChen" on the game trace.
inline constexpr bool ImpressionsYeuxChen = false;

// Empties the table (for tests).
void ReinitialiseRegions();
