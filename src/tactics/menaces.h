#pragma once

// Capture threats and double captures. After the stage "jeux Prendre" has found
// the chains that can be captured at once, two weaker facts: the chains the
// opponent can threaten (a move after which a ladder takes them), and the pairs
// of neighbouring chains of one colour that the opponent can attack together so
// that their owner cannot save both, with the moves that make such a double
// threat ("Atteindre") and those by which the owner forestalls it ("Empecher").
//
// Two stages, run after "jeux Prendre" and "jeux intersection":
// CalculeMenacesDePrendre, then MenacesDoublesDePrendre. Every search plays and
// takes back its moves on the incremental board: the board is the same after
// any call.

#include <cstdint>

#include "board/incremental.h"
#include "tactics/prise.h"

// The threat list: Prise records whose CoupsPrendre are the threatening moves;
// their CoupsSauver and both flags are empty.
extern ListePrises MenacesPrendre;

// A double threat against the chains anchored at Ancre1 < Ancre2.
struct PriseDouble {
  int32_t Couleur = 0;        // the attacking colour
  int32_t Ancre1 = 0;         // the smaller anchor
  int32_t Ancre2 = 0;         // the larger anchor
  CoupsPrise CoupsAtteindre;  // the attacker's moves that make the double threat
  CoupsPrise CoupsEmpecher;   // the owner's moves that forestall it
};

// The goal record the move choice reads: owner (the attacking colour), two
// string points, the owner's moves and the opponent's moves.
using ObjectifMenaceDouble = PriseDouble;

// Room of the index per smaller anchor: a chain pairs with every larger
// partner near its liberties, and each pair has its own record.
inline constexpr int PI_DOUBLE_MAX = 16;

// The double-threat list, indexed by the smaller anchor (PI_DOUBLE_MAX record
// numbers per point).
struct ListePrisesDoubles {
  int32_t Nombre = 0;
  PriseDouble Elements[MAX_PRISES];
  int32_t NombreIndex[NB_INTERSECTIONS_MAX] = {};
  int32_t Index[NB_INTERSECTIONS_MAX][PI_DOUBLE_MAX] = {};

  const PriseDouble* begin() const { return Elements; }
  const PriseDouble* end() const { return Elements + Nombre; }
};

extern ListePrisesDoubles PrisesDoubles;

// ---------------------------------------------------------------------------
// Threats.

// MenaceDePrendre(p, liste) determines whether the attacker has a move after
// which, moving again, it takes the chain anchored at p in a ladder. Fills the
// list (emptied first) with every such move; true if there is one.
bool MenaceDePrendre(int32_t p, ListeIntersections& liste);

// ---------------------------------------------------------------------------
// Double captures. The chains A at p1 and B at p2 have the same colour, the
// owner's; the attacker is its opponent.

// The attacker's candidates against the pair (the list is emptied first): the
// liberty of a chain in atari, else the common liberties and the liberties of a
// chain with fewer than 3. c is the owner's colour: a pair not of that colour
// has no candidate.
void CoupsPrendreDouble(ListeIntersections& liste, int32_t p1, int32_t p2, int c);

// Attacker to move: true if it captures A or B, else false.
bool PrendreDoubleSimpleRecursif(int32_t p1, int32_t p2, int profondeur);

// Owner to move: true if it keeps both A and B, else false.
bool SauverDouble(int32_t p1, int32_t p2, int profondeur);

// The anchors of the chains of the same colour that can form a pair with the
// chain at p: those near its liberties (the list is emptied first; each anchor
// once).
void VoisinsMenaceDouble(ListeIntersections& liste, int32_t p);

// Adds a copy of the record, or, when the smaller anchor already has a record
// for the same larger anchor, adds the record's moves (without repeats) to that
// one. 1 if a record was added; 0 for a merge or a dropped record (full index
// slot: "Erreur PI_MAX AjoutePriseDoublen", full list).
int AjoutePriseDouble(ListePrisesDoubles& liste, const PriseDouble& r);

// The record of the pair, in either order, or null.
const PriseDouble* TrouvePriseDouble(const ListePrisesDoubles& liste, int32_t a, int32_t b);

// Empties the list and its index.
void VideListePrisesDoubles(ListePrisesDoubles& liste);

// ---------------------------------------------------------------------------
// The stages "Menaces De Prendre" and "Menaces Doubles De Prendre".

// Fills MenacesPrendre: every chain of PrisesACalculer that is not in
// PrisesValides and has a threatening move.
void CalculeMenacesDePrendre();

// Fills PrisesDoubles from the threat list.
void MenacesDoublesDePrendre();

// Empties both lists and restores the node limit (for tests).
void ReinitialiseMenaces();
