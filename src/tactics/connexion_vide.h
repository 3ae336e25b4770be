#pragma once

// Connections to empty points ("CV"): for every chain, the empty points it can
// claim as its own. Its liberties, and the empty points two or three steps away
// on which a stone of its colour would stay connected to it even with the
// opponent to move. The stage "CalculCV" reads the chains of the incremental
// board and the per-colour marks of "jeux intersection" (a point where a stone
// of that colour would be lost is never listed for a chain of that colour); it
// leaves the accepted list, which the groups read for their reach and adherence
// and the group connection goals for the points two groups both reach. Every
// probe is taken back: the board is the same after the stage.

#include <cstdint>

#include "board/incremental.h"

inline constexpr int MAX_CONNEXIONS_AU_VIDE = 2000;
// Record numbers kept per empty point in a list's index.
inline constexpr int CVI_MAX = 9;

struct ConnexionAuVide {
  int32_t Couleur = 0;
  int32_t Ancre = 0;
  int32_t Point = 0;     // the empty point
  int32_t Connecte = 0;  // accepted
  int32_t Valide = 0;    // made by the stage
  EnsembleIntersections TraceA{};
  EnsembleIntersections TraceB{};
};

// A list of records with its index by empty point.
struct ListeConnexionsAuVide {
  int32_t Nombre = 0;
  ConnexionAuVide Elements[MAX_CONNEXIONS_AU_VIDE];
  int32_t NombreIndex[NB_INTERSECTIONS_MAX] = {};
  int32_t Index[NB_INTERSECTIONS_MAX][CVI_MAX] = {};
  int32_t Plein = 0;  // the overflow of the list was reported in this run
  const ConnexionAuVide* begin() const { return Elements; }
  const ConnexionAuVide* end() const { return Elements + Nombre; }
};

// The candidates (points two or three steps away) and the accepted records.
extern ListeConnexionsAuVide CVACalculer;
extern ListeConnexionsAuVide CVValides;

void VideListeCV(ListeConnexionsAuVide& liste);

// Adds a copy of the record and enters it in its point's index: 1. Refused (0)
// when the point already holds a valid record of the same chain, or when the
// list or the point's index is full (reported, the record dropped).
int AjouteConnexionAuVide(ListeConnexionsAuVide& liste, const ConnexionAuVide& r);

// Empties both lists, accepts every unmarked liberty of every chain and lists
// the points two and three steps away as candidates.
void InitialiseCV();
// "CalculCV": tries every candidate and adds those that hold to CVValides.
void CalculCV();

// ConnecteAuVide(ancre, point, d): called after a stone of the chain's colour
// was placed on `point`: do that stone and the chain at `ancre` stay connected
// with d, the opponent, to move? The board is unchanged.
bool ConnecteAuVide(int32_t ancre, int32_t point, int d);

// Empties both lists (for tests).
void ReinitialiseCV();
