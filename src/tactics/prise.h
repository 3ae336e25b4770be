#pragma once

// The capture search: for every chain, can the opponent capture it moving
// first, and can its owner save it moving first. A ladder reader, the
// alternating search PrendreSimpleRecursif / SauverSimpleRecursif, four drivers
// over them, and the stage "jeux Prendre" that fills the capture list the rest
// of the analysis reads. Every search plays and takes back its moves on the
// incremental board: the board is the same after any call.
//
// A chain is named by its anchor point p; the attacker is the opponent of the
// chain's colour. Search depths count from 1 at the root.

#include <cstdint>

#include "base/reglages.h"
#include "base/resultats.h"
#include "board/incremental.h"

// Ladder values, seen from the side to move.
inline constexpr int ECHELLE_PRISE = 10000;

// Nodes spent by the current top-level search (every driver sets it to 0
// before each root move; the double-capture search shares it).
extern int CompteurNoeuds;
// Nodes counted by the capture search since start-up, never reset by a
// search: the benchmarks read it.
extern uint64_t NoeudsCumules;
// When set, every move tried prints the board and a line on the error stream.
// The stage clears it after each chain.
extern int DebugPrise;

// Room of the move lists of a record, of the record lists, and of the per-point
// index (one record number per anchor).
inline constexpr int MAX_COUPS_PRISE = 29;
inline constexpr int MAX_PRISES = 1000;
inline constexpr int PI_MAX = 1;

using CoupsPrise = Liste<MAX_COUPS_PRISE>;

// A capture game: one per chain examined.
struct Prise {
  int32_t Couleur = 0;  // the capturing colour
  int32_t Ancre = 0;    // anchor of the chain
  CoupsPrise CoupsPrendre;
  CoupsPrise CoupsSauver;
  int32_t Perdu = 0;     // captured even if its owner moves first
  int32_t Prenable = 0;  // captured if the capturing colour moves first
  // Every point the chain's searches looked at: a stored result holds as long
  // as none of them changes.
  EnsembleIntersections TraceA{};
  EnsembleIntersections TraceB{};
};

// A list of records with its per-point index, keyed by the anchor.
struct ListePrises {
  int32_t Nombre = 0;
  Prise Elements[MAX_PRISES];
  int32_t NombreIndex[NB_INTERSECTIONS_MAX] = {};
  int32_t Index[NB_INTERSECTIONS_MAX][PI_MAX] = {};

  const Prise* begin() const { return Elements; }
  const Prise* end() const { return Elements + Nombre; }
};

// The chains to examine (fewer than 5 liberties) and those found capturable.
extern ListePrises PrisesACalculer;
extern ListePrises PrisesValides;

// Empties the list and its index.
void VideListePrises(ListePrises& liste);

// Adds a copy of the record; false (nothing added) when the anchor already has
// a record, when its index slot is full ("Erreur PI_MAX AjoutePrise") or when
// the list is full.
bool AjoutePrise(ListePrises& liste, const Prise& r);

// Copies the moves into a record's list; those beyond its room are dropped and
// reported. Returns the number dropped.
int CopieCoupsPrise(CoupsPrise& dest, const ListeIntersections& source, int32_t ancre);

// The record of the chain anchored at p, or null.
const Prise* TrouvePrise(const ListePrises& liste, int32_t ancre);

// Starts computing a record: its trace sets emptied and made the active ones,
// its verdicts cleared.
void OuvreCalculPrise(Prise& r);

// Keeps the caller's active trace sets and gives them back at the end of the
// scope: a stage points them at each record it computes.
class GardeTracesActives {
 public:
  GardeTracesActives() : a_(TraceActiveA), b_(TraceActiveB) {}
  ~GardeTracesActives() {
    TraceActiveA = a_;
    TraceActiveB = b_;
  }
  GardeTracesActives(const GardeTracesActives&) = delete;
  GardeTracesActives& operator=(const GardeTracesActives&) = delete;

 private:
  EnsembleIntersections* const a_;
  EnsembleIntersections* const b_;
};

// ---------------------------------------------------------------------------
// Searches.

// Ladder, attacker to move: ECHELLE_PRISE when the ladder captures the chain at
// p, 0 when it does not decide. Marks the liberties it examines in trace set A.
int PrendreEchelle(int32_t p, int profondeur);
// Ladder, defender to move: -ECHELLE_PRISE when the chain is lost, else 0.
int EchapperEchelle(int32_t p, int profondeur);

// Attacker to move: true if the chain at p is captured, else false.
bool PrendreSimpleRecursif(int32_t p, int profondeur);
// Defender to move: true if the chain at p is saved, else false.
bool SauverSimpleRecursif(int32_t p, int profondeur);
// PrendreSimpleRecursif with the depth limit replaced by `limite` for the call.
bool PrendreSimpleRecursifProfondeur(int32_t p, int profondeur, int limite);

// ---------------------------------------------------------------------------
// Drivers.

// ChercheCoupPrendre(p, coup) determines whether the chain at p can be captured
// with the attacker to move: RESULTAT_ATTEINT with a capturing move in coup,
// else RESULTAT_ECHEC.
int ChercheCoupPrendre(int32_t p, int32_t& coup);
// ChercheCoupSauver(p, coup): the same for the defender, with a saving move.
int ChercheCoupSauver(int32_t p, int32_t& coup);
// Every capturing (saving) move of the chain at p in the list; their number.
int TousCoupsPrendre(int32_t p, ListeIntersections& liste);
int TousCoupsSauver(int32_t p, ListeIntersections& liste);

// ---------------------------------------------------------------------------
// The stage "jeux Prendre".

// Empties both lists and lists, in point order, every chain with fewer than 5
// liberties in PrisesACalculer.
void InitialisePrises();
// Searches every listed chain and fills PrisesValides with the capturable ones.
void CalculeJeuxPrendre();

// Empties the lists and restores the counters, limits and debug flag (for tests).
void ReinitialisePrises();
