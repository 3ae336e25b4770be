#pragma once

// The static-life board: the analysis board as it would stand once the sure
// tactical results are played out. A point where a stone of one colour would be
// lost at once counts for the other colour, a string that cannot be saved counts
// as its capturer's stones, and a string that can be captured but also saved
// keeps its colour with the mark '*'.
//
// Reads: the analysis board (DamierIncremental and its strings), the lost-stone
// flags of "jeux intersection" (PierrePerdueAmi, PierrePerdueEnnemi) and the
// capture games of "jeux Prendre" (PrisesValides).
// Leaves: DamierVieStatique and MarquesVieStatique in VieStatique, then runs, on
// that board, the enclosure (Enfermement, analysis/influence.h) and the eye
// points and eye regions, which leave their own maps.
// Written by CalculeVieStatique only; read by the enclosure, the eye points and
// regions (the '*' marks and the board) and by the influence of the pipeline.

#include <cstdint>
#include <cstdio>

#include "board/goban.h"

// Marks of the static-life board, one character a point (held in an int32_t).
inline constexpr int32_t MARQUE_AMI = '@';     // colour 1
inline constexpr int32_t MARQUE_ENNEMI = 'O';  // colour 2
inline constexpr int32_t MARQUE_VIDE = '+';    // empty
inline constexpr int32_t MARQUE_PERDUE =
    '!';  // empty, a stone of either colour would be lost there
inline constexpr int32_t MARQUE_PRENABLE = '*';  // a stone of a string capturable but savable

struct EtatVieStatique {
  // A packed position of the analysis board's size; its PointKo is not used.
  Damier DamierVieStatique;
  // One of the five marks above per point (the first NbIntersections entries).
  int32_t MarquesVieStatique[NB_INTERSECTIONS_MAX];
};
extern EtatVieStatique VieStatique;

// Builds the static-life board and its marks from the analysis board, then runs
// the enclosure and the eye points and regions on it. The incremental board is
// not changed.
void CalculeVieStatique();

// Only the board-building steps of CalculeVieStatique: copy, lost points,
// capture games (for tests and for the stages that follow it separately).
void ConstruitDamierVieStatique();

// An empty board and '+' everywhere (for tests).
void ReinitialiseVieStatique();

// Writes "VieStatique" and the marks as a framed board (the frame of the
// territory map) to the stream.
void ImprimeVieStatique(std::FILE* f);
