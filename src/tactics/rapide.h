#pragma once

// Quick capture tests and candidate moves. The capture and connection searches
// rest on small fixed-depth tests (is a chain in atari and unable to escape, is
// a two-liberty chain taken with the attacker to move, which moves refute that)
// and on generators that propose and order the moves of the attacker and of the
// defender. Every test plays at most a few moves on the incremental board and
// takes them back; none counts nodes.
//
// A chain is named by any of its points (the searches use its anchor); c is its
// colour and the attacker is Adversaire(c). Candidate lists are point lists to
// which a point is added only if absent, so the first insertion order is kept.

#include <cstdint>

#include "board/incremental.h"

// Score tables of the move orderings, indexed by a count capped at 4:
// liberties the chain's owner would get at the move,
inline constexpr int T1[5] = {-5, -5, 8, 12, 16};
// liberties the mover would get at the move,
inline constexpr int T2[5] = {0, -10, -5, 3, 4};
// stones of the enemy chains in atari next to the move.
inline constexpr int T3[5] = {0, 10, 15, 20, 25};

// ---------------------------------------------------------------------------
// Quick capture tests.

// true if the chain at p has exactly one liberty.
bool EnAtari(int32_t p);

// For a chain in atari: fills the escape candidates (captures of enemy chains in
// atari of two stones or more, the own liberty unless it is a self-atari, then
// captures of single stones) and returns true; false (list empty) otherwise.
bool CoupsSortieAtari(ListeIntersections& liste, int32_t p, int c);

// Defender to move, chain in atari: true if no escape candidate leaves it with
// other than one liberty.
bool PrisEnAtari(int32_t p, int c);

// Attacker to move, chain with exactly two liberties: true if an atari at one
// of them leaves PrisEnAtari true.
bool PrisADeuxLibertes(int32_t p, int c);

// The defence candidates of a two-liberty chain (the list is emptied first).
void CoupsDefenseDeuxLibertes(ListeIntersections& liste, int32_t p, int c);

// If PrisADeuxLibertes holds: fills the defence candidates after which neither
// EnAtari nor PrisADeuxLibertes holds, and returns true (the list may be
// empty: the chain is lost at this level). Otherwise false, list empty.
bool SauvetagesDeuxLibertes(ListeIntersections& liste, int32_t p, int c);

// Defender to move: true if the chain is lost at the quick-test level.
bool PrisDefenseurAJouer(int32_t p, int c);

// For the stone at p (false for an empty point): PrisEnAtari or
// PrisDefenseurAJouer with the stone's colour.
bool EstPerdu(int32_t p);

// As PrisEnAtari, but an escape must leave neither EnAtari nor PrisADeuxLibertes.
bool PrisEnAtariNiveau2(int32_t p, int c);

// Attacker to move on a two-liberty chain, PrisEnAtariNiveau2 after the atari.
bool PrisADeuxLibertesNiveau2(int32_t p, int c);

// If PrisADeuxLibertesNiveau2 holds: fills the defence candidates after which
// none of EnAtari, PrisADeuxLibertes, PrisADeuxLibertesNiveau2 holds, and
// returns true. Otherwise false, list empty.
bool SauvetagesNiveau2(ListeIntersections& liste, int32_t p, int c);

// ---------------------------------------------------------------------------
// Liberty orderings.

// Appends the liberties to the list, most liberties for c first (ties broken by
// the liberties two, then three, steps out). A liberty giving c five or more
// liberties is an escape point: it is appended alone when the opponent can
// usefully play there, and true is returned (nothing appended otherwise).
bool OrdonneLibertes(ListeIntersections& liste, const ListeIntersections& libertes, int c);

// The shorter form for small lists: the first escape point is appended alone
// (true), otherwise the liberties sorted by liberty count, the first two
// separated by their second-order count.
bool OrdonneDeuxLibertes(ListeIntersections& liste, const ListeIntersections& libertes, int c);

// true if q has no stone of c's opponent next to it and exactly one empty
// neighbour e, and some string of c next to q has two liberties while c's stone
// at e would have only one: q is a point c cannot leave.
bool PointCoince(int32_t q, int c);

// ---------------------------------------------------------------------------
// Candidate moves and their ordering.

// The attacker's candidates against the chain at p (the list is emptied
// first); returns their number.
int CoupsPourPrendre(ListeIntersections& liste, int32_t p, int c);

// The defender's candidates for the chain at p (the list is emptied first).
void CoupsPourSauver(ListeIntersections& liste, int32_t p);

// Orders the attacker's (defender's) candidates against (for) the chain at p,
// best first; a liberty where the chain would get five or more liberties
// leaves only itself (or, for the attacker, nothing when it cannot play there).
void OrdonneCoupsPrendre(ListeIntersections& liste, int32_t p);
void OrdonneCoupsSauver(ListeIntersections& liste, int32_t p);

// Census of the neighbours of a move m for the friendly colour f.
struct VoisinageCoup {
  int A = 0;   // stones of the enemy chains in atari next to m (once per touching point)
  int B = 0;   // stones of friendly chains in atari next to m or to those enemy chains
  int C2 = 0;  // stones of the distinct enemy chains next to m with 2 liberties
  int C3 = 0;  // the same with 3 liberties
  int E2 = 0;  // stones of the distinct friendly chains next to m with 2 liberties
  int F = 0;   // friendly neighbours
  int G = 0;   // enemy neighbours
  int H = 0;   // empty neighbours
};
VoisinageCoup Voisinage(int32_t m, int f);

// The scores of the two orderings for a move m against (for) the chain s; d is
// the number of liberties s's owner would have at m.
int ValeurCoupPrendre(int32_t m, const String* s, int d);
int ValeurCoupSauver(int32_t m, const String* s, int d);
