#pragma once

// The rules of Go on a packed position: chains and liberties found by flood
// fill, captures, suicide, simple ko, the legality test and the routine that
// writes a move. Every query adds the points it examines to IntersectionsLues.
// Queries share module state: never start one from inside another's visit.

#include "board/goban.h"

using ListeIntersections = Liste<NB_INTERSECTIONS_MAX>;

// Left by the after-move queries: 1 when the move studied would be played
// among opponent stones only and capture exactly one single-stone chain.
extern int DrapeauKo;

// Receives every change that JoueCoup writes, so the game can keep its history
// and change log.
class SuiviJoueCoup {
 public:
  // A point changes from ancien to nouveau (the move's own point first).
  virtual void ChangePoint(int32_t point, int ancien, int nouveau) = 0;
  // The move itself, reported before the position's ko point is rewritten.
  virtual void Coup(int32_t point, int couleur) = 0;

 protected:
  ~SuiviJoueCoup() = default;
};

// True if the chain at p has at least n liberties (false for an empty or off-board p).
bool AuMoinsNLibertes(const Damier& d, int32_t p, int n);
// True if the chain at p has at least n stones (false for an empty p).
bool AuMoinsNPierres(const Damier& d, int32_t p, int n);
// Adds the chain at p to the set (for an empty p, the connected empty region).
void AjouteChaine(const Damier& d, EnsembleIntersections& e, int32_t p);
// True if a stone of c placed at the empty point p would have at least n
// liberties, counting the stones it would capture.
bool AuMoinsNLibertesApres(const Damier& d, int32_t p, int c, int n);
// The same for stones of c placed at both p and q.
bool AuMoinsNLibertesApres2(const Damier& d, int32_t p, int32_t q, int c, int n);
// Fills the list with the liberties of a stone c at p (captures counted),
// stopping once there are more than n; true if there are more than n.
int LibertesApres(const Damier& d, int32_t p, int c, int n, ListeIntersections& libertes);
// Adds to the set every stone a move at p would capture (adversaire: the colour
// captured); true if the move is a ko shape.
int PierresCapturees(const Damier& d, EnsembleIntersections& e, int32_t p, int adversaire);
// True if every opponent chain next to the chain at p has at least n liberties.
bool AdversairesOntNLibertes(const Damier& d, int32_t p, int n);
// Number of neighbours of p holding colour c.
int NombreVoisins(const Damier& d, int32_t p, int c);
// True if c may play at p; COUP_PASSE is always legal.
bool EstLegal(const Damier& d, int32_t p, int c);
// The ko point the move would create, or COUP_PASSE.
int32_t PointKoApres(const Damier& d, int32_t p, int c);
// Writes the move (a point off the board is a pass), removes the captured
// chains and sets PointKo. No legality test. Returns the number of stones removed.
int JoueCoup(Damier& d, int32_t p, int c, SuiviJoueCoup* suivi = nullptr);

// Clears the query state, as at start-up (for tests).
void ReinitialiseRequetes();
// Puts both generation counters at valeur, marks kept (for tests: the wrap
// after 2^32 queries).
void FixeGenerationsRequetes(uint32_t valeur);
