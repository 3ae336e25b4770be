#pragma once

// Middle-game 9x9 positions for the capture benchmarks, made by seeded random
// play (PositionAleatoire in tests/positions_aleatoires.h, seeds 1 to 10)
// to 20, 40 and 60 moves, and kept here so that the figures stay comparable.
// '@' colour 1, 'O' colour 2, '.' empty.

#include <vector>

#include "board/goban.h"
#include "diagramme.h"

struct PositionBanc {
  int coups;
  unsigned graine;
  const char* diagramme;
};

inline constexpr PositionBanc PositionsPrise[] = {
    {20, 1,
     "...@.@.@.\n"
     ".O......@\n"
     "..OO.....\n"
     ".O..O.@..\n"
     ".....OO..\n"
     "@.......@\n"
     "......O..\n"
     "....@...@\n"
     "...@O....\n"},
    {20, 2,
     "....O..@.\n"
     "O.OO.O...\n"
     ".....@...\n"
     "....@....\n"
     "...O.O..@\n"
     "@.....@..\n"
     "O@.O.@...\n"
     ".@.......\n"
     "..@O.....\n"},
    {20, 3,
     "OO.O.@...\n"
     "@........\n"
     "....@O@.O\n"
     "..O@@..@@\n"
     ".........\n"
     "...@.OO..\n"
     ".........\n"
     ".O.......\n"
     "......O@.\n"},
    {20, 4,
     "....@O@..\n"
     ".........\n"
     ".O@....O.\n"
     "..@......\n"
     "..OO.....\n"
     ".@.......\n"
     "O..@.O.@O\n"
     "O@.O.@...\n"
     "...@.....\n"},
    {20, 5,
     ".........\n"
     "..@......\n"
     "@.....@O.\n"
     "......O@O\n"
     "......O..\n"
     ".@.....OO\n"
     ".....@...\n"
     "@O@..O@..\n"
     ".@...OO..\n"},
    {20, 6,
     "..O@O.@..\n"
     ".........\n"
     "....O@@.@\n"
     "@.....@..\n"
     "..O......\n"
     "...O....O\n"
     "....@..O.\n"
     "..O.@...O\n"
     "....@...O\n"},
    {20, 7,
     "..@O..@@O\n"
     "...O....O\n"
     "@..O.@O..\n"
     "...@@....\n"
     ".@.....O.\n"
     ".....O...\n"
     ".....@...\n"
     "........O\n"
     "O..@.....\n"},
    {20, 8,
     "......O..\n"
     "O@.......\n"
     ".O..O...O\n"
     "....O....\n"
     ".......O@\n"
     ".....O...\n"
     "...O...@@\n"
     ".@@....@.\n"
     "..O@@@...\n"},
    {20, 9,
     "....OOO..\n"
     ".........\n"
     ".......@.\n"
     ".....@O@.\n"
     "@..@.....\n"
     "OO@....@.\n"
     "O@.@.....\n"
     "O...@..O.\n"
     "....O....\n"},
    {20, 10,
     "@..O.@@@.\n"
     "O.......@\n"
     ".........\n"
     ".O.......\n"
     ".........\n"
     "...OO..O@\n"
     "......O@.\n"
     "..O.....@\n"
     ".@....@.O\n"},
    {40, 1,
     "...@@@.@.\n"
     ".OO@.@..@\n"
     "O.OO@....\n"
     "@O..OO@@.\n"
     "@....OOO.\n"
     "@.OO...O@\n"
     "...@..OO.\n"
     "....@.O@@\n"
     "..O@.@...\n"},
    {40, 2,
     "...@O..@.\n"
     "O.OO.O.O.\n"
     "@....@..O\n"
     "..O@@O.O.\n"
     "...O.O..@\n"
     "@...@@@O.\n"
     ".@.O.@...\n"
     "@@@.@..O.\n"
     "@.@O.@..O\n"},
    {40, 3,
     "OO@O.@.@.\n"
     "@......O@\n"
     ".O..@O@OO\n"
     "@.O@@.O@@\n"
     ".O.@..@O.\n"
     "...@OOO..\n"
     "...O@....\n"
     ".O...O@.@\n"
     "..O..@.@.\n"},
    {40, 4,
     "@@..@O@.@\n"
     "...@@O...\n"
     ".O@@..@O.\n"
     "..@OO..OO\n"
     "..OO.....\n"
     "O@.......\n"
     "O.O@@O.@O\n"
     "O@.O.@@..\n"
     "OO.@...@O\n"},
    {40, 5,
     ".........\n"
     "..@@.@.@.\n"
     "@.@...@.@\n"
     "....O.O@.\n"
     "@OOO..O.@\n"
     ".@O.O@.OO\n"
     "..@..@.O@\n"
     "@O@O.O@..\n"
     ".@.O.OOO.\n"},
    {40, 6,
     ".@O.O@@O.\n"
     "...O..@@.\n"
     ".@..O@@.@\n"
     "@O..O.@.O\n"
     ".@OO..@O.\n"
     "...O.@..O\n"
     "O...@.OO.\n"
     "..O.@..@O\n"
     "O..@@...O\n"},
    {40, 7,
     ".@@O..@@O\n"
     "@..O@O..O\n"
     "@..OO@O..\n"
     "...@@@@@.\n"
     ".@O....O.\n"
     "....@O..O\n"
     "@.@..@...\n"
     "@..OO.O.O\n"
     "OO.@....O\n"},
    {40, 8,
     ".O..OOO..\n"
     "O.O@..O..\n"
     ".O..O.@.O\n"
     "O.@.O.@..\n"
     "@O.....O@\n"
     ".@.@.O...\n"
     "..@O.@O@@\n"
     ".@@.@.O@.\n"
     "..O@@@..O\n"},
    {40, 9,
     "..O.OOO..\n"
     "......O.@\n"
     "..@..OO@.\n"
     "...O.@O@.\n"
     "@@@@O@.@O\n"
     "OO@.@..@.\n"
     "O@.@..O@.\n"
     "O...@O.O.\n"
     "O...O.@@.\n"},
    {40, 10,
     "@..O.@@@.\n"
     "O@O@O.O@@\n"
     ".O..@...@\n"
     "OO....@..\n"
     "...O.....\n"
     "O@.OO..O@\n"
     "..O@.@O@.\n"
     "@.O.....@\n"
     ".@....@OO\n"},
    {60, 1,
     "@@.@@@@@.\n"
     "OOO@.@..@\n"
     "O.OO@O@O@\n"
     "@O.@OO@@O\n"
     "@@.O.OOO.\n"
     "@.OO...O@\n"
     "@.O@O.OO@\n"
     "..O.@.O@@\n"
     "@.O@.@OO.\n"},
    {60, 2,
     "..@@O@.@@\n"
     "O.OOOO.O.\n"
     "@@O..@.@O\n"
     "@.O@@OOO.\n"
     ".@@O@OO@@\n"
     "@...@@@OO\n"
     ".@.O.@...\n"
     "@@@.@.OOO\n"
     "@.@OO@O.O\n"},
    {60, 3,
     "OO@OO@.@.\n"
     "@.....@.@\n"
     "OOO@@O@@.\n"
     "@OO@@.O@@\n"
     ".O.@..@OO\n"
     "@O.@OOO..\n"
     ".@@O@O@.@\n"
     "@O.O.O@@@\n"
     "..OO.@.@.\n"},
    {60, 4,
     "@@O.@O@.@\n"
     "O@.@@O@@.\n"
     ".O@@..@O.\n"
     "OO@OO..OO\n"
     ".OOO@@O..\n"
     "O@@@@.O@.\n"
     "O.O@@O.@O\n"
     "O@.O@@@.O\n"
     "OO.@OO.@O\n"},
    {60, 5,
     "...O.O...\n"
     "O.@@.@.@.\n"
     "@.@..@@.@\n"
     ".O..OOO@.\n"
     "@OOO.OO@@\n"
     "@@O@O@.OO\n"
     ".@@@O@@O.\n"
     "@.@OOO@@O\n"
     ".@@OOOOO.\n"},
    {60, 6,
     ".@O.O@@OO\n"
     "O.@O.O@@.\n"
     "@@.@O@@@@\n"
     "@OOOO.@.O\n"
     ".@OOO.@O.\n"
     "@..O@@@.O\n"
     "O.O@@.OO.\n"
     ".OO@@@.@O\n"
     "O.O@@.O.O\n"},
    {60, 7,
     ".@@OO@@@O\n"
     "@O.O.O.OO\n"
     "@.@OO@O.@\n"
     "O..@@@@@.\n"
     "@@O.O@.O.\n"
     "...@@O..O\n"
     "@O@.O@..@\n"
     "@O.OO@O.O\n"
     "OO@@@OO.O\n"},
    {60, 8,
     ".O.@OOO@.\n"
     "O.O@O.O.@\n"
     ".O.OOO@OO\n"
     "O.@OOO@.O\n"
     "@O..@..O@\n"
     ".@@@.O@@.\n"
     "..@O@@O@@\n"
     "O@@.@@O@@\n"
     "O.O@@@.OO\n"},
    {60, 9,
     "O@O.OOOO.\n"
     "...@.@O.@\n"
     ".O@O.OO@.\n"
     "O@OOO@O@@\n"
     "@@@@O@.@.\n"
     "OO@.@.O@@\n"
     "O@.@.@O@@\n"
     "O.O.@O@O.\n"
     "O..OO.@@@\n"},
    {60, 10,
     "@..O.@@@.\n"
     ".@O.O@O@@\n"
     "@O.O@.O.@\n"
     "OOO..O@.@\n"
     "..OO...OO\n"
     "O@.OO..O@\n"
     "..O@@@O@.\n"
     "@OO@.@@@@\n"
     ".@..O@@@.\n"},
};

// The kept positions of `coups` moves (0: all of them), as boards.
inline std::vector<Damier> PositionsPriseAvec(int coups) {
  std::vector<Damier> positions;
  for (const PositionBanc& p : PositionsPrise)
    if (coups == 0 || p.coups == coups) positions.push_back(DamierDe(p.diagramme));
  return positions;
}
