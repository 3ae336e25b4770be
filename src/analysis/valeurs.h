#pragma once

// Static move values: once per engine move, every point gets `BonusCoup` (from
// the opening and shape rules, the stabilising moves of weak groups and local
// shape) and `ValeurTerritoriale` (the territory a move at a contested point
// gains by influence, with `DeltaCV`, the room it takes, as one of its terms).
// `ValeursStatiques` returns `SeuilMax`, the threshold the move choice measures
// candidates against.
//
// Reads: the groups and their owner map (analysis/groupes.h); the connections
// to empty points (analysis/liens.h); intersection safety
// (tactics/intersections.h); the capture test (tactics/prise.h); the goal
// matcher (rules/buts.h) for the kinds "ValeurCoup", "GroupeStable",
// "GrandeExtension", "Attaque" and "Defense"; influence and the territory map
// (analysis/influence.h), recomputed on the analysis board for trial moves.
//
// Leaves: the per-point tables of `Valeurs` for the move choice; each group's
// Stable flag, stabilising list, "Att" and "Def"; the lost groups' adherent
// points marked for the other colour in Groupes.Proprietaire. The incremental
// board is back in the analysed position on return.
//
// The three shape steps (after the lost-group marks) add bonuses of local
// shape, only on empty points legal for colour 1:
//   1. Boundary: a point that no side owns yet, between ground owned by each
//      side (a neighbour owned by us and one owned by them), is where the
//      boundary is settled: blocking or playing the hane there is worth
//      BONUS_FRONTIERE, more (BONUS_FRONTIERE_CONTACT) when it also touches
//      an enemy stone, as a hane does.
//   2. Running out: for each of our groups that is weak (0 < F < 1) and not
//      stable, the one-point jump from its stones toward empty ground that no
//      side owns (both the middle point and the jump point empty, the jump
//      point with at least three empty neighbours, not lost for us) is worth
//      BONUS_SORTIE.
//   3. Never inside settled ground: the bonuses of steps 1 and 2 are kept
//      apart and given only to points that are not owned by us already (a
//      move inside our own settled territory gains nothing) and not in the
//      area of a lost group of ours (its adherent points carry the other
//      colour in the owner map), and where a stone of ours would not be lost.

#include <cstdint>

#include "analysis/influence.h"
#include "base/liste.h"
#include "board/damier.h"
#include "board/goban.h"

inline constexpr int MAX_EXTENSIONS = 4;
inline constexpr int MAX_STRINGS_ATTEINTES = 49;
inline constexpr int MAX_VOISINS_TRIES = 19;
inline constexpr int MAX_PROCHES = 24;

inline constexpr int BONUS_FRONTIERE = 3;
inline constexpr int BONUS_FRONTIERE_CONTACT = 5;
inline constexpr int BONUS_SORTIE = 8;

struct EtatValeurs {
  int32_t BonusCoup[NB_INTERSECTIONS_MAX] = {};
  int32_t ValeurTerritoriale[NB_INTERSECTIONS_MAX] = {};
  int32_t DeltaCV[NB_INTERSECTIONS_MAX] = {};
  int32_t DeltaAmi[NB_INTERSECTIONS_MAX] = {};
  int32_t DeltaEnnemi[NB_INTERSECTIONS_MAX] = {};
  int32_t MaxE[NB_INTERSECTIONS_MAX] = {};
  int32_t PointPattern[NB_INTERSECTIONS_MAX] = {};
  int32_t AtteintAmi[NB_INTERSECTIONS_MAX] = {};
  int32_t AtteintEnnemi[NB_INTERSECTIONS_MAX] = {};
  Liste<MAX_EXTENSIONS> ExtensionAmi[NB_INTERSECTIONS_MAX];
  Liste<MAX_EXTENSIONS> ExtensionEnnemi[NB_INTERSECTIONS_MAX];
  // Strings of the reaching group joined to the point, per colour (index 1, 2).
  Liste<MAX_STRINGS_ATTEINTES> StringsAtteintes[3][NB_INTERSECTIONS_MAX];
  // Empty points reached from the point in one or two steps through empty points.
  Liste<MAX_PROCHES> Proches[NB_INTERSECTIONS_MAX];
  // Per contested point: near points reached by Ami only, Ennemi only, neither;
  // the safe replies of each side (the point itself first).
  Liste<MAX_VOISINS_TRIES> SeulAmi[NB_INTERSECTIONS_MAX];
  Liste<MAX_VOISINS_TRIES> SeulEnnemi[NB_INTERSECTIONS_MAX];
  Liste<MAX_VOISINS_TRIES> Aucun[NB_INTERSECTIONS_MAX];
  Liste<MAX_VOISINS_TRIES> RepliquesAmi[NB_INTERSECTIONS_MAX];
  Liste<MAX_VOISINS_TRIES> RepliquesEnnemi[NB_INTERSECTIONS_MAX];
  int32_t RepliqueSureAmi[NB_INTERSECTIONS_MAX] = {};
  int32_t RepliqueSureEnnemi[NB_INTERSECTIONS_MAX] = {};
  // Stabilising moves on empty ground.
  ListeIntersections StabilisantsVides;
  // The shape steps' bonuses before step 3 filters them.
  int32_t BonusForme[NB_INTERSECTIONS_MAX] = {};
  int32_t SeuilMax = 0;
  // Influence of the trial moves (the analysed position's stays as it was).
  EtatInfluence Influence;
};
extern EtatValeurs Valeurs;

// Fills every table of Valeurs and returns SeuilMax: the largest
// ValeurTerritoriale + BonusCoup over the empty points legal for colour 1, or
// 0 when none is above 0.
int32_t ValeursStatiques();

// SeuilMax from the tables as they stand.
int32_t CalculeSeuilMax();

// Empties every table (the tests call it in SetUp).
void ReinitialiseValeurs();
