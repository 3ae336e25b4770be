#pragma once

// Quick connection tests and connection candidates. For a pair of chains A (at
// p1) and B (at p2) of one colour c, the connecter, against the disconnecter d:
// generators that propose the moves of both sides, and small fixed-depth tests
// that decide, by playing at most a few moves, whether the pair is joined in
// one, two or three moves. No node counter; every move played is taken back, so
// the incremental board is the same after any call.
//
// A point that is empty (a chain was captured by a move just played) answers
// "not connected"; two points of one chain answer "connected". No call ever
// reads a missing string.

#include <cstdint>

#include "board/incremental.h"

// What the connecter's generator leaves besides its candidates (CoupsConnecter
// writes it at each call, from scratch).
inline constexpr int DISTANCE_LIEN_AUCUNE = 10;
inline constexpr int MAX_CHAINES_COUPANTES = 32;

struct EtatCoupsConnecter {
  int LienDirect = 0;      // a direct link between the chains was found
  int CoupeursJoints = 0;  // a cutting chain can join another enemy chain touching both
  int DistanceLien = DISTANCE_LIEN_AUCUNE;  // 1, 2, 3, or none found
  // Anchors of the enemy chains whose capture would connect the pair.
  Liste<MAX_CHAINES_COUPANTES> ChainesCoupantes;
};
extern EtatCoupsConnecter GenerateurConnexion;

// ---------------------------------------------------------------------------
// Candidates. Each empties its list first.

// The connecter's candidates; mode 0 stops at the first direct link, mode 1
// collects them all. `exclus` receives the points the cutting-chain captures of
// the search must not play.
void CoupsConnecter(int mode, ListeIntersections& liste, ListeIntersections& exclus, int32_t p1,
                    int32_t p2);
// The one-move connection points: where the disconnecter must play at once.
void PointsDeConnexion(ListeIntersections& liste, int32_t p1, int32_t p2, int d);
// The disconnecter's candidates (the drivers' root moves).
void CoupsDeconnecter(ListeIntersections& liste, int32_t p1, int32_t p2, int d);
// The disconnecter's candidates for a threat to cut.
void CoupsMenaceDeconnecter(ListeIntersections& liste, int32_t p1, int32_t p2, int d);
// The connecter's two-move candidates: true, list empty, when the chains are
// already linked (ConnecteEnUnCoup holds); otherwise the connecter's moves that
// may leave a one-move connection that the disconnecter cannot stop.
bool CoupsConnecterEnDeux(ListeIntersections& liste, int32_t p1, int32_t p2, int d);

// ---------------------------------------------------------------------------
// Quick tests. c is the colour of p1, d its opponent.

// Connecter to move: joins the chains in one move.
bool ConnectableEnUnCoup(int32_t p1, int32_t p2);
// The same with a safe joined chain; marks what it reads in the trace sets.
bool ConnectableEnUnCoupSur(int32_t p1, int32_t p2, int d);
// Disconnecter to move: every move of d on the connection points leaves the
// chains joinable in one move (and there is at least one such point).
bool ConnecteEnUnCoup(int32_t p1, int32_t p2, int d);
bool ConnecteEnUnCoupSur(int32_t p1, int32_t p2, int d);
// Connecter to move: connects in two moves.
bool Connectergi2(int32_t p1, int32_t p2, int d);
bool Connectergi2Sur(int32_t p1, int32_t p2, int d);
// If Connectergi2 holds: the disconnecter's moves after which neither
// ConnectableEnUnCoup nor Connectergi2 holds; returns whether it held.
bool RefutationsConnecterEn2(ListeIntersections& liste, int32_t p1, int32_t p2, int d);
// Disconnecter to move: the chains join within two connecter moves anyway.
bool ConnecteEnDeuxCoups(int32_t p1, int32_t p2, int d);
bool ConnecteEnDeuxCoupsSur(int32_t p1, int32_t p2, int d);
// Connecter to move: connects in three moves; and its refutations.
bool Connectergi3(int32_t p1, int32_t p2, int d);
bool RefutationsConnecterEn3(ListeIntersections& liste, int32_t p1, int32_t p2, int d);
// Connecter to move: a move of CoupsConnecter (mode 0) leaves ConnecteEnDeuxCoups.
bool ConnecterParCoups(int32_t p1, int32_t p2, int d);
bool ConnecterParCoupsSur(int32_t p1, int32_t p2, int d);
bool RefutationsConnecterParCoups(ListeIntersections& liste, int32_t p1, int32_t p2, int d);

// Clears the generator's state (for tests).
void ReinitialiseConnexionRapide();
