#pragma once

// What the groups and the static values read of four stages: the connections
// between strings and the non-transitive triples (filled by the pipeline after
// "jeux Menaces De Deconnecter"), the connections to empty points (after
// "CalculCV") and the life records. Each stage fills its lists in `Liens` at
// the end of its run; a list no stage has filled stays empty and the readers go
// on from what is there.

#include <cstdint>

#include "board/damier.h"
#include "board/goban.h"
#include "tactics/connexion_vide.h"
#include "tactics/non_transitives.h"

inline constexpr int MAX_LIENS_CHAINES = 1000;
inline constexpr int MAX_LIENS_VIDES = MAX_CONNEXIONS_AU_VIDE;
inline constexpr int MAX_VIES_TABLE = 400;

// A connection between two strings of one colour, named by their anchors.
struct LienChaines {
  int32_t Couleur = 0;
  int32_t Ancre1 = 0;  // the smaller anchor
  int32_t Ancre2 = 0;
  int32_t Solide = 0;       // holds even if the opponent moves first: a sure connection
  int32_t Connectable = 0;  // the owner, moving first, connects
};

// A non-transitive connection: the pivot connects to both strings, but one
// opponent move cuts one of the two links.
struct TripleNonTransitif {
  int32_t Pivot = 0;
  int32_t T1 = 0;
  int32_t T2 = 0;
};

// An empty point that a string reaches.
struct LienVide {
  int32_t Couleur = 0;
  int32_t Ancre = 0;
  int32_t Point = 0;
  int32_t Connecte = 0;
};

// A life record of a unit of stones.
struct VieLue {
  int32_t Couleur = 0;
  int32_t Point = 0;      // the stone that stands for the unit
  int32_t Vivant = 0;     // lives even if the opponent plays first
  int32_t Potentiel = 0;  // lives if it plays first
  ListeIntersections CoupsVivre;
  ListeIntersections CoupsTuer;
  int32_t Limite = 0;  // the search's node limit decided an answer
};

struct EtatLiens {
  int32_t NbConnexions = 0;
  LienChaines Connexions[MAX_LIENS_CHAINES];
  int32_t NbTriples = 0;
  TripleNonTransitif Triples[MAX_TRIPLES_NON_TRANSITIFS];
  // The accepted connections to empty points, with their index by point.
  int32_t NbLiensVides = 0;
  LienVide LiensVides[MAX_LIENS_VIDES];
  int32_t NbIndexVide[NB_INTERSECTIONS_MAX] = {};
  int32_t IndexVide[NB_INTERSECTIONS_MAX][CVI_MAX] = {};
  int32_t NbVies = 0;
  VieLue Vies[MAX_VIES_TABLE];
};
extern EtatLiens Liens;

// Appends a connection to an empty point and enters it in the point's index;
// false when the list or the index is full (reported), the record dropped.
bool AjouteLienVide(const LienVide& l);

// ConnecteAuVideLien(ancre, point, d): after a stone of the string's colour
// was placed on the point, do that stone and the string at `ancre` stay
// connected with d to move? (ConnecteAuVide)
int ConnecteAuVideLien(int32_t ancre, int32_t point, int d);

// Empties every list, and the stages that fill them (the tests call it in SetUp).
void ReinitialiseLiens();
