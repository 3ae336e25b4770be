#pragma once

// The analysis view: what the engine thinks of a position for the side to
// move, for the human's eyes. The engine's own analysis runs on the position
// seen from that side (its stones as colour 1): the territory map the move
// choice reads (influence of the status board), the groups it counts dead, and
// the point its choice rule would play with that point's value.
//
// The view plays no move and leaves everything that lasts from one engine move
// to the next as it was: the game (position, history, clocks), the move
// choice's tables, the move counter and the search settings. It writes neither
// "goban.gob" nor the game trace nor the console; failure lines ("Pb ...")
// still go to the error stream. The analysis stages' own tables (rebuilt by
// every analysis) are left as this analysis made them.

#include <cstdint>

#include "board/goban.h"

struct VueAnalyse {
  // The side the view is for (1 or 2, the game's colour codes).
  int Couleur = 0;
  // Per point: the colour whose territory the engine counts it (0 for none),
  // and whether it holds a stone of a group the engine counts dead.
  int8_t Territoire[NB_INTERSECTIONS_MAX] = {};
  bool Mort[NB_INTERSECTIONS_MAX] = {};
  // The point the engine would play for Couleur, or -1 when it would pass, and
  // its value in the move choice's table.
  int32_t MeilleurPoint = -1;
  int32_t Valeur = 0;
};

// Computes the view of position for couleur into vue. A colour other than 1 or
// 2 gives an empty view.
void CalculeVueAnalyse(const Damier& position, int couleur, VueAnalyse& vue);
