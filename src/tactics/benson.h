#pragma once

// Unconditional life: which strings of one colour no sequence of enemy moves
// can capture, even if their owner never answers (Benson's algorithm). It
// reads the incremental board only and changes nothing.
//
// A region is a maximal connected set of points that hold no stone of the
// colour, found next to the strings tested. It is vital to a string when each
// of its empty points is a liberty of that string: the opponent can never fill
// its last point while the string has a liberty elsewhere. A string with two
// vital regions lives, unless a region it counts on also borders a string that
// may die: a dead string's stones become empty points that are not its
// neighbours' liberties, so every region a string borders is lost with it, not
// only the regions vital to it. Strings of the colour that are not in the list
// may die too, so the regions they border count for nothing.
//
// All sets are fixed bit sets and the region bookkeeping 32-bit masks; nothing
// is allocated.

#include <cstdint>

#include "base/liste.h"
#include "board/goban.h"

// Strings tested at once, and regions numbered at once.
inline constexpr int BENSON_STRINGS_MAX = 64;
inline constexpr int BENSON_REGIONS_MAX = 32;

// benson(c, pierres, nombre, territoire) determines which of the strings of
// colour c named by pierres[0..nombre) (one stone each) are unconditionally
// alive. The list is compacted in place to the strings found alive, in their
// input order, and nombre set to their count; the answer is 1 if at least one
// remains, else 0. A point that holds no string of colour c is dropped. Past
// BENSON_STRINGS_MAX strings the rest are dropped ("Pb ..."), and past
// BENSON_REGIONS_MAX regions the later regions are left out ("benson: trop
// d'yeux"): either way fewer strings are found alive, never more.
// When territoire is given it receives the points of the regions vital to a
// string found alive and bordered only by such strings: the opponent's stones
// there can never live and the opponent can never make an eye there.
int benson(int c, int32_t* pierres, int32_t& nombre, EnsembleIntersections* territoire = nullptr);

template <int N>
int benson(int c, Liste<N>& pierres, EnsembleIntersections* territoire = nullptr) {
  return benson(c, pierres.Elements, pierres.Nombre, territoire);
}

// The anchors of the strings of colour c on the incremental board, in board
// order (BENSON_STRINGS_MAX at most, the rest dropped with a "Pb ..." line).
void StringsCouleur(int c, Liste<BENSON_STRINGS_MAX>& pierres);

// What unconditional life says of the point p of the incremental board: a
// stone that is unconditionally alive, a stone that can never escape capture
// (inside the opponent's unconditional territory), an empty point of a
// colour's unconditional territory, or nothing proven. Every string of both
// colours is tested.
enum class StatutInconditionnel { Indecis, Vivant, Mort, TerritoireCouleur1, TerritoireCouleur2 };
StatutInconditionnel StatutInconditionnelPoint(int32_t p);
