#pragma once

// The stage "jeux Vivre": for every unit of stones of each colour (its strings
// joined by the solid connections of "jeux Connecter"), can it live, and with
// which moves does it live and is it killed. The answers are the life records.
//
// Reads: the incremental board, the solid connections (tactics/connexion.h),
// the life-and-death search (tactics/vie.h) with the eye and life rules it
// matches, and Reglages.PanicMode: above 0 the stage makes no record.
// Writes: the life table below, emptied at every run, and its copy in
// Liens.Vies (analysis/liens.h), which the groups read as their lives ("VG",
// "V*") and their moves to live and to kill.
//
// A unit is searched only when its life is in question: a unit with two
// distinct eyes lives without search, and a unit with many liberties is left
// to the other stages (no record, as before this stage).

#include <cstdint>
#include <cstdio>

#include "board/damier.h"
#include "board/goban.h"

inline constexpr int MAX_VIES = 400;
// Records per point.
inline constexpr int OI_MAX = 19;
// Units with more distinct liberties than this are not searched.
inline constexpr int LIBERTES_VIE_MAX = 6;

struct Vie {
  int32_t Couleur = 0;
  // The unit's box: first column, first row, columns, rows.
  int32_t Etendue[4] = {};
  int32_t Point = 0;  // the stone that stands for the unit
  ListeIntersections CoupsVivre;
  ListeIntersections CoupsTuer;
  int32_t Vivant = 0;     // lives even if the opponent plays first
  int32_t Potentiel = 0;  // lives if it plays first
  uint8_t Travail1[48] = {};
  uint8_t Travail2[48] = {};
  // The node limit decided one of the answers (they may change with the order
  // of the candidates, hence with the board's orientation).
  int32_t Limite = 0;
};

struct TableVies {
  int32_t NombreViesValides = 0;
  Vie Vies[MAX_VIES];
  int32_t NombreIndex[NB_INTERSECTIONS_MAX] = {};
  int32_t Index[NB_INTERSECTIONS_MAX][OI_MAX] = {};
  // Searches run and searches whose answer the node limit decided, at the
  // last run of the stage (for the benchmarks).
  int32_t Recherches = 0;
  int32_t Limitees = 0;
};
extern TableVies LesVies;

// The stage.
void JeuxVivre();

// Adds a record: merged into the record of the same unit (same point,
// overlapping boxes: flags or-ed, moves added without duplicates, 0 returned),
// or appended (1). A point with OI_MAX records already writes
// "Erreur OI_MAX AjouteVie" and the record is dropped; so is a record beyond
// MAX_VIES ("Pb MAX_VIES AjouteVieTable").
int AjouteVieTable(const Vie& v);

// One line per record, for the trace and the debug commands:
//   0: couleur 1 point 20 vivant 0 potentiel 1 vivre 21 tuer 21
void EcritVies(std::FILE* f);

// Empties the table (for tests).
void ReinitialiseVies();
