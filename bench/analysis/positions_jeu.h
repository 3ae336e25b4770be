#pragma once

// Fixed 9x9 positions for the engine-move benchmark, taken at move numbers
// spread from 5 to 60 in GNU Go self-play games (komi 7, Chinese rules, the
// levels and seeds given), so that
// timings stay comparable from one commit to the next. Made by
// tools/positions_jeu.py; tools/temps_gnugo.py times GNU Go on the same
// positions. Do not edit by hand: run the script again.
// sequence: the moves from the empty board, in GTP form ("B E5 W C3 ...");
// diagramme: the position after them ('X' black, 'O' white, '.' empty), for
// DamierDe in tests/diagramme.h; trait: the colour to move (1 black, 2 white).

struct PositionJeu {
  int niveau;
  unsigned graine;
  int coups;
  int trait;
  const char* sequence;
  const char* diagramme;
};

inline constexpr PositionJeu PositionsJeu[] = {
    {1, 1, 5, 2,
     "B E5 W D4 B E4 W D3 B D5",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     "...XX....\n"
     "...OX....\n"
     "...O.....\n"
     ".........\n"
     ".........\n"},
    {1, 1, 32, 1,
     "B E5 W D4 B E4 W D3 B D5 W E3 B C7 W G7 B C4 W C3 B B4 W G4 "
     "B B3 W F4 B E8 W F8 B B2 W C2 B F9 W G9 B E9 W E7 B D8 W B1 "
     "B D7 W E6 B F5 W G5 B F6 W G6 B F7 W G8",
     "....XXO..\n"
     "...XXOO..\n"
     "..XXOXO..\n"
     "....OXO..\n"
     "...XXXO..\n"
     ".XXOXOO..\n"
     ".XOOO....\n"
     ".XO......\n"
     ".O.......\n"},
    {3, 2, 6, 1,
     "B E5 W C3 B E3 W G3 B G5 W E2",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     "....X.X..\n"
     ".........\n"
     "..O.X.O..\n"
     "....O....\n"
     ".........\n"},
    {3, 2, 33, 2,
     "B E5 W C3 B E3 W G3 B G5 W E2 B F2 W F3 B D2 W C6 B H4 W G7 "
     "B E4 W D6 B C2 W B3 B E6 W E8 B H6 W H7 B B2 W A2 B J7 W J8 "
     "B J6 W H8 B C4 W B4 B C5 W B5 B F6 W E7 B F7",
     ".........\n"
     "....O..OO\n"
     "....OXOOX\n"
     "..OOXX.XX\n"
     ".OX.X.X..\n"
     ".OX.X..X.\n"
     ".OO.XOO..\n"
     "OXXXOX...\n"
     ".........\n"},
    {5, 3, 7, 2,
     "B F6 W C4 B F3 W D7 B F7 W D3 B D6",
     ".........\n"
     ".........\n"
     "...O.X...\n"
     "...X.X...\n"
     ".........\n"
     "..O......\n"
     "...O.X...\n"
     ".........\n"
     ".........\n"},
    {7, 4, 8, 1,
     "B E5 W C4 B E3 W C7 B G7 W G3 B C2 W D5",
     ".........\n"
     ".........\n"
     "..O...X..\n"
     ".........\n"
     "...OX....\n"
     "..O......\n"
     "....X.O..\n"
     "..X......\n"
     ".........\n"},
    {7, 4, 34, 1,
     "B E5 W C4 B E3 W C7 B G7 W G3 B C2 W D5 B E6 W F2 B H5 W H2 "
     "B D7 W C8 B B3 W F9 B B5 W D6 B D8 W E2 B C6 W C5 B B6 W D3 "
     "B E4 W D2 B C3 W D4 B B4 W H4 B G5 W J5 B J6 W J4",
     ".....O...\n"
     "..OX.....\n"
     "..OX..X..\n"
     ".XXOX...X\n"
     ".XOOX.XXO\n"
     ".XOOX..OO\n"
     ".XXOX.O..\n"
     "..XOOO.O.\n"
     ".........\n"},
    {10, 5, 9, 2,
     "B F5 W D5 B E7 W E3 B C6 W G4 B E4 W D3 B D4",
     ".........\n"
     ".........\n"
     "....X....\n"
     "..X......\n"
     "...O.X...\n"
     "...XX.O..\n"
     "...OO....\n"
     ".........\n"
     ".........\n"},
    {1, 6, 10, 1,
     "B F6 W C3 B D4 W C4 B D3 W D5 B E7 W E5 B F3 W C7",
     ".........\n"
     ".........\n"
     "..O.X....\n"
     ".....X...\n"
     "...OO....\n"
     "..OX.....\n"
     "..OX.X...\n"
     ".........\n"
     ".........\n"},
    {1, 6, 35, 2,
     "B F6 W C3 B D4 W C4 B D3 W D5 B E7 W E5 B F3 W C7 B D2 W D8 "
     "B E8 W C2 B D7 W C8 B C1 W F5 B G8 W G5 B H6 W H5 B B2 W G2 "
     "B J5 W G3 B J4 W H3 B J3 W J2 B G6 W H4 B J6 W E9 B F9",
     "....OX...\n"
     "..OOX.X..\n"
     "..OXX....\n"
     ".....XXXX\n"
     "...OOOOOX\n"
     "..OX...OX\n"
     "..OX.XOOX\n"
     ".XOX..O.O\n"
     "..X......\n"},
    {3, 7, 11, 2,
     "B G6 W C7 B E7 W G3 B C4 W D6 B E3 W H5 B H6 W D8 B H4",
     ".........\n"
     "...O.....\n"
     "..O.X....\n"
     "...O..XX.\n"
     ".......O.\n"
     "..X....X.\n"
     "....X.O..\n"
     ".........\n"
     ".........\n"},
    {3, 7, 36, 1,
     "B G6 W C7 B E7 W G3 B C4 W D6 B E3 W H5 B H6 W D8 B H4 W H3 "
     "B G5 W F8 B H8 W F2 B E2 W B5 B B4 W F4 B F3 W G1 B G4 W H2 "
     "B E6 W A4 B A3 W E8 B A5 W B6 B E1 W F1 B D5 W A6 B G8 W F7",
     ".........\n"
     "...OOOXX.\n"
     "..O.XO...\n"
     "OO.OX.XX.\n"
     "XO.X..XO.\n"
     ".XX..OXX.\n"
     "X...XXOO.\n"
     "....XO.O.\n"
     "....XOO..\n"},
    {3, 7, 49, 2,
     "B G6 W C7 B E7 W G3 B C4 W D6 B E3 W H5 B H6 W D8 B H4 W H3 "
     "B G5 W F8 B H8 W F2 B E2 W B5 B B4 W F4 B F3 W G1 B G4 W H2 "
     "B E6 W A4 B A3 W E8 B A5 W B6 B E1 W F1 B D5 W A6 B G8 W F7 "
     "B D7 W F6 B C6 W B8 B F5 W A4 B C5 W A5 B B3 W J4 B J5 W J3 "
     "B F9",
     ".....X...\n"
     ".O.OOOXX.\n"
     "..OXXO...\n"
     "OOX.XOXX.\n"
     "OOXX.XX.X\n"
     "OXX..OXXO\n"
     "XX..XXOOO\n"
     "....XO.O.\n"
     "....XOO..\n"},
    {3, 7, 55, 2,
     "B G6 W C7 B E7 W G3 B C4 W D6 B E3 W H5 B H6 W D8 B H4 W H3 "
     "B G5 W F8 B H8 W F2 B E2 W B5 B B4 W F4 B F3 W G1 B G4 W H2 "
     "B E6 W A4 B A3 W E8 B A5 W B6 B E1 W F1 B D5 W A6 B G8 W F7 "
     "B D7 W F6 B C6 W B8 B F5 W A4 B C5 W A5 B B3 W J4 B J5 W J3 "
     "B F9 W G7 B G9 W H7 B J7 W E9 B pass",
     "....OXX..\n"
     ".O.OOOXX.\n"
     "..OXXOOOX\n"
     "OOX.XOXX.\n"
     "OOXX.XX.X\n"
     "OXX..OXXO\n"
     "XX..XXOOO\n"
     "....XO.O.\n"
     "....XOO..\n"},
    {5, 8, 12, 1,
     "B G6 W E7 B G3 W D3 B C7 W E5 B E8 W C5 B F7 W D7 B D8 W C6",
     ".........\n"
     "...XX....\n"
     "..XOOX...\n"
     "..O...X..\n"
     "..O.O....\n"
     ".........\n"
     "...O..X..\n"
     ".........\n"
     ".........\n"},
    {7, 9, 12, 1,
     "B E5 W C4 B D3 W C3 B C6 W D2 B F6 W G4 B F3 W H6 B G3 W G7",
     ".........\n"
     ".........\n"
     "......O..\n"
     "..X..X.O.\n"
     "....X....\n"
     "..O...O..\n"
     "..OX.XX..\n"
     "...O.....\n"
     ".........\n"},
    {7, 9, 37, 2,
     "B E5 W C4 B D3 W C3 B C6 W D2 B F6 W G4 B F3 W H6 B G3 W G7 "
     "B F7 W G8 B E2 W B2 B F8 W F9 B E9 W G9 B D8 W H3 B H2 W B5 "
     "B H4 W B7 B H5 W J6 B B6 W A6 B D1 W C2 B D4 W C7 B D6 W D7 "
     "B C8",
     "....XOO..\n"
     "..XX.XO..\n"
     ".OOO.XO..\n"
     "OXXX.X.OO\n"
     ".O..X..X.\n"
     "..OX..OX.\n"
     "..OX.XXO.\n"
     ".OOOX..X.\n"
     "...X.....\n"},
    {7, 9, 50, 1,
     "B E5 W C4 B D3 W C3 B C6 W D2 B F6 W G4 B F3 W H6 B G3 W G7 "
     "B F7 W G8 B E2 W B2 B F8 W F9 B E9 W G9 B D8 W H3 B H2 W B5 "
     "B H4 W B7 B H5 W J6 B B6 W A6 B D1 W C2 B D4 W C7 B D6 W D7 "
     "B C8 W B8 B B9 W E7 B E8 W G6 B G5 W J8 B C5 W E6 B D5 W A5 "
     "B A8 W A7",
     ".X..XOO..\n"
     "XOXXXXO.O\n"
     "OOOOOXO..\n"
     "OXXXOXOOO\n"
     "OOXXX.XX.\n"
     "..OX..OX.\n"
     "..OX.XXO.\n"
     ".OOOX..X.\n"
     "...X.....\n"},
    {7, 9, 56, 1,
     "B E5 W C4 B D3 W C3 B C6 W D2 B F6 W G4 B F3 W H6 B G3 W G7 "
     "B F7 W G8 B E2 W B2 B F8 W F9 B E9 W G9 B D8 W H3 B H2 W B5 "
     "B H4 W B7 B H5 W J6 B B6 W A6 B D1 W C2 B D4 W C7 B D6 W D7 "
     "B C8 W B8 B B9 W E7 B E8 W G6 B G5 W J8 B C5 W E6 B D5 W A5 "
     "B A8 W A7 B B4 W A9 B C1 W C9 B B1 W A2",
     "O.O.XOO..\n"
     ".OXXXXO.O\n"
     "OOOOOXO..\n"
     "OXXXOXOOO\n"
     "OOXXX.XX.\n"
     ".XOX..OX.\n"
     "..OX.XXO.\n"
     "OOOOX..X.\n"
     ".XXX.....\n"},
    {7, 9, 58, 1,
     "B E5 W C4 B D3 W C3 B C6 W D2 B F6 W G4 B F3 W H6 B G3 W G7 "
     "B F7 W G8 B E2 W B2 B F8 W F9 B E9 W G9 B D8 W H3 B H2 W B5 "
     "B H4 W B7 B H5 W J6 B B6 W A6 B D1 W C2 B D4 W C7 B D6 W D7 "
     "B C8 W B8 B B9 W E7 B E8 W G6 B G5 W J8 B C5 W E6 B D5 W A5 "
     "B A8 W A7 B B4 W A9 B C1 W C9 B B1 W A2 B J5 W A1",
     "O.O.XOO..\n"
     ".OXXXXO.O\n"
     "OOOOOXO..\n"
     "OXXXOXOOO\n"
     "OOXXX.XXX\n"
     ".XOX..OX.\n"
     "..OX.XXO.\n"
     "OOOOX..X.\n"
     "OXXX.....\n"},
    {7, 9, 60, 1,
     "B E5 W C4 B D3 W C3 B C6 W D2 B F6 W G4 B F3 W H6 B G3 W G7 "
     "B F7 W G8 B E2 W B2 B F8 W F9 B E9 W G9 B D8 W H3 B H2 W B5 "
     "B H4 W B7 B H5 W J6 B B6 W A6 B D1 W C2 B D4 W C7 B D6 W D7 "
     "B C8 W B8 B B9 W E7 B E8 W G6 B G5 W J8 B C5 W E6 B D5 W A5 "
     "B A8 W A7 B B4 W A9 B C1 W C9 B B1 W A2 B J5 W A1 B E1 W A4",
     "O.O.XOO..\n"
     ".OXXXXO.O\n"
     "OOOOOXO..\n"
     "OXXXOXOOO\n"
     "OOXXX.XXX\n"
     "OXOX..OX.\n"
     "..OX.XXO.\n"
     "OOOOX..X.\n"
     "OXXXX....\n"},
    {10, 10, 13, 2,
     "B F5 W D5 B E6 W C7 B E3 W E8 B C3 W C4 B B3 W E4 B F4 W D3 "
     "B D2",
     ".........\n"
     "....O....\n"
     "..O......\n"
     "....X....\n"
     "...O.X...\n"
     "..O.OX...\n"
     ".XXOX....\n"
     "...X.....\n"
     ".........\n"},
    {10, 10, 38, 1,
     "B F5 W D5 B E6 W C7 B E3 W E8 B C3 W C4 B B3 W E4 B F4 W D3 "
     "B D2 W E2 B D4 W F2 B D3 W G8 B G6 W H7 B H6 W B5 B B4 W C5 "
     "B A5 W A6 B A4 W B7 B J7 W J8 B J6 W E5 B G7 W H8 B E7 W F8 "
     "B D7 W D8",
     ".........\n"
     "...OOOOOO\n"
     ".OOXX.XOX\n"
     "O...X.XXX\n"
     "XOOOOX...\n"
     "XXOXOX...\n"
     ".XXXX....\n"
     "...XOO...\n"
     ".........\n"},
    {1, 11, 14, 1,
     "B E5 W C5 B E7 W E4 B F5 W G3 B C6 W B6 B D5 W B4 B G4 W D4 "
     "B F3 W F4",
     ".........\n"
     ".........\n"
     "....X....\n"
     ".OX......\n"
     "..OXXX...\n"
     ".O.OOOX..\n"
     ".....XO..\n"
     ".........\n"
     ".........\n"},
    {3, 12, 15, 2,
     "B E5 W C4 B C6 W G7 B E3 W D3 B E7 W G3 B E2 W G5 B H1 W F8 "
     "B E8 W E9 B D9",
     "...XO....\n"
     "....XO...\n"
     "....X.O..\n"
     "..X......\n"
     "....X.O..\n"
     "..O......\n"
     "...OX.O..\n"
     "....X....\n"
     ".......X.\n"},
    {3, 12, 39, 2,
     "B E5 W C4 B C6 W G7 B E3 W D3 B E7 W G3 B E2 W G5 B H1 W F8 "
     "B E8 W E9 B D9 W F9 B C8 W F6 B E6 W H2 B F7 W G8 B F5 W G6 "
     "B G1 W G2 B F1 W F4 B E4 W F3 B J2 W J3 B J1 W F2 B D2 W E1 "
     "B D1 W F1 B pass",
     "...XOO...\n"
     "..X.XOO..\n"
     "....XXO..\n"
     "..X.XOO..\n"
     "....XXO..\n"
     "..O.XO...\n"
     "...OXOO.O\n"
     "...XXOOO.\n"
     "...XOO...\n"},
    {5, 13, 16, 1,
     "B E5 W C4 B D3 W C3 B D2 W C6 B F7 W G3 B F2 W C2 B D7 W C7 "
     "B D8 W C8 B C9 W B9",
     ".OX......\n"
     "..OX.....\n"
     "..OX.X...\n"
     "..O......\n"
     "....X....\n"
     "..O......\n"
     "..OX..O..\n"
     "..OX.X...\n"
     ".........\n"},
    {5, 13, 39, 2,
     "B E5 W C4 B D3 W C3 B D2 W C6 B F7 W G3 B F2 W C2 B D7 W C7 "
     "B D8 W C8 B C9 W B9 B D9 W D1 B G2 W E1 B B8 W A8 B A9 W E2 "
     "B E4 W F3 B A7 W G1 B G5 W H4 B H5 W J5 B J6 W J4 B H7 W B5 "
     "B E3 W H2 B D6",
     "X.XX.....\n"
     ".XOX.....\n"
     "X.OX.X.X.\n"
     "..OX....X\n"
     ".O..X.XXO\n"
     "..O.X..OO\n"
     "..OXXOO..\n"
     "..OXOXXO.\n"
     "...OO.O..\n"},
    {5, 13, 51, 2,
     "B E5 W C4 B D3 W C3 B D2 W C6 B F7 W G3 B F2 W C2 B D7 W C7 "
     "B D8 W C8 B C9 W B9 B D9 W D1 B G2 W E1 B B8 W A8 B A9 W E2 "
     "B E4 W F3 B A7 W G1 B G5 W H4 B H5 W J5 B J6 W J4 B H7 W B5 "
     "B E3 W H2 B D6 W B7 B A6 W B6 B A8 W A5 B B9 W F4 B F5 W G4 "
     "B D5 W C5 B D4",
     "XXXX.....\n"
     "XXOX.....\n"
     "XOOX.X.X.\n"
     "XOOX....X\n"
     "OOOXXXXXO\n"
     "..OXXOOOO\n"
     "..OXXOO..\n"
     "..OXOXXO.\n"
     "...OO.O..\n"},
    {7, 14, 17, 2,
     "B E5 W D4 B E4 W D5 B D6 W D3 B F6 W C6 B F2 W D7 B E8 W D8 "
     "B E7 W E2 B E3 W D2 B F1",
     ".........\n"
     "...OX....\n"
     "...OX....\n"
     "..OX.X...\n"
     "...OX....\n"
     "...OX....\n"
     "...OX....\n"
     "...OOX...\n"
     ".....X...\n"},
    {10, 15, 18, 1,
     "B E5 W C4 B C5 W E3 B B5 W F7 B G5 W B3 B D7 W H6 B H5 W F8 "
     "B D4 W D3 B E8 W H8 B G6 W G7",
     ".........\n"
     "....XO.O.\n"
     "...X.OO..\n"
     "......XO.\n"
     ".XX.X.XX.\n"
     "..OX.....\n"
     ".O.OO....\n"
     ".........\n"
     ".........\n"},
    {10, 15, 40, 1,
     "B E5 W C4 B C5 W E3 B B5 W F7 B G5 W B3 B D7 W H6 B H5 W F8 "
     "B D4 W D3 B E8 W H8 B G6 W G7 B J6 W J7 B H7 W G2 B J8 W B4 "
     "B A4 W A3 B A5 W H3 B H4 W F4 B E4 W F5 B F6 W G4 B J3 W J2 "
     "B J4 W E6 B D5 W pass",
     ".........\n"
     "....XO.OX\n"
     "...X.OOX.\n"
     "....OXX.X\n"
     "XXXXXOXX.\n"
     "XOOXXOOXX\n"
     "OO.OO..OX\n"
     "......O.O\n"
     ".........\n"},
    {1, 16, 19, 2,
     "B E5 W C5 B D7 W G5 B G6 W H6 B F7 W B7 B H7 W D3 B F5 W G4 "
     "B E3 W F2 B E2 W D2 B F3 W J5 B G3",
     ".........\n"
     ".........\n"
     ".O.X.X.X.\n"
     "......XO.\n"
     "..O.XXO.O\n"
     "......O..\n"
     "...OXXX..\n"
     "...OXO...\n"
     ".........\n"},
    {1, 16, 41, 2,
     "B E5 W C5 B D7 W G5 B G6 W H6 B F7 W B7 B H7 W D3 B F5 W G4 "
     "B E3 W F2 B E2 W D2 B F3 W J5 B G3 W E1 B G2 W F1 B D4 W C4 "
     "B G1 W D1 B C8 W B8 B D5 W C7 B D8 W C9 B D9 W B9 B C6 W B3 "
     "B B6 W B5 B A5 W A4 B A6",
     ".OOX.....\n"
     ".OXX.....\n"
     ".OOX.X.X.\n"
     "XXX...XO.\n"
     "XOOXXXO.O\n"
     "O.OX..O..\n"
     ".O.OXXX..\n"
     "...OXOX..\n"
     "...OOOX..\n"},
    {3, 17, 20, 1,
     "B F6 W D7 B C6 W G4 B E8 W E4 B C7 W C4 B D8 W H6 B B5 W G7 "
     "B B3 W F8 B D2 W F2 B F7 W G8 B E2 W F3",
     ".........\n"
     "...XXOO..\n"
     "..XO.XO..\n"
     "..X..X.O.\n"
     ".X.......\n"
     "..O.O.O..\n"
     ".X...O...\n"
     "...XXO...\n"
     ".........\n"},
    {3, 17, 42, 1,
     "B F6 W D7 B C6 W G4 B E8 W E4 B C7 W C4 B D8 W H6 B B5 W G7 "
     "B B3 W F8 B D2 W F2 B F7 W G8 B E2 W F3 B F1 W G1 B E1 W H2 "
     "B C3 W D5 B D6 W B4 B A4 W F5 B G6 W G5 B E6 W E9 B D9 W F9 "
     "B C5 W D4 B D3 W E3 B E5 W pass",
     "...XOO...\n"
     "...XXOO..\n"
     "..XO.XO..\n"
     "..XXXXXO.\n"
     ".XXOXOO..\n"
     "XOOOO.O..\n"
     ".XXXOO...\n"
     "...XXO.O.\n"
     "....XXO..\n"},
    {5, 18, 21, 2,
     "B G7 W D7 B C3 W C5 B E4 W G3 B B4 W E2 B D2 W B5 B F2 W F5 "
     "B H5 W G2 B F1 W J2 B E7 W D8 B E5 W H1 B E8",
     ".........\n"
     "...OX....\n"
     "...OX.X..\n"
     ".........\n"
     ".OO.XO.X.\n"
     ".X..X....\n"
     "..X...O..\n"
     "...XOXO.O\n"
     ".....X.O.\n"},
    {5, 18, 43, 2,
     "B G7 W D7 B C3 W C5 B E4 W G3 B B4 W E2 B D2 W B5 B F2 W F5 "
     "B H5 W G2 B F1 W J2 B E7 W D8 B E5 W H1 B E8 W E9 B F9 W D9 "
     "B F7 W A4 B A3 W A5 B F4 W D6 B C4 W G4 B G5 W H4 B J4 W J3 "
     "B J5 W F3 B E3 W E6 B F6 W D5 B D4",
     "...OOX...\n"
     "...OX....\n"
     "...OXXX..\n"
     "...OOX...\n"
     "OOOOX.XXX\n"
     "OXXXXXOOX\n"
     "X.X.XOO.O\n"
     "...XOXO.O\n"
     ".....X.O.\n"},
    {7, 19, 22, 1,
     "B F6 W C7 B F3 W C4 B E7 W D3 B E2 W D2 B D8 W C8 B E1 W D1 "
     "B C9 W B9 B D9 W B8 B D7 W D6 B E5 W D5 B E3 W E4",
     ".OXX.....\n"
     ".OOX.....\n"
     "..OXX....\n"
     "...O.X...\n"
     "...OX....\n"
     "..O.O....\n"
     "...OXX...\n"
     "...OX....\n"
     "...OX....\n"},
    {10, 20, 23, 2,
     "B F6 W C3 B G3 W C6 B F7 W D7 B E2 W E8 B G8 W D2 B E3 W E1 "
     "B F1 W D1 B G2 W D3 B D5 W C5 B D4 W F8 B G9 W C4 B E7",
     "......X..\n"
     "....OOX..\n"
     "...OXX...\n"
     "..O..X...\n"
     "..OX.....\n"
     "..OX.....\n"
     "..OOX.X..\n"
     "...OX.X..\n"
     "...OOX...\n"},
    {1, 21, 24, 1,
     "B E5 W D4 B C3 W C4 B D3 W E4 B E3 W F4 B F3 W G4 B H2 W C7 "
     "B B4 W B5 B B3 W H3 B G2 W G7 B A5 W B6 B J3 W J4 B J2 W A6",
     ".........\n"
     ".........\n"
     "..O...O..\n"
     "OO.......\n"
     "XO..X....\n"
     ".XOOOOO.O\n"
     ".XXXXX.OX\n"
     "......XXX\n"
     ".........\n"},
    {3, 22, 25, 2,
     "B E5 W C3 B D3 W G3 B C4 W G6 B E7 W C7 B D4 W B5 B B3 W F7 "
     "B E8 W D8 B H9 W E2 B C2 W G8 B G9 W H8 B F9 W D9 B D2 W F3 "
     "B B4",
     "...O.XXX.\n"
     "...OX.OO.\n"
     "..O.XO...\n"
     "......O..\n"
     ".O..X....\n"
     ".XXX.....\n"
     ".X.X.OO..\n"
     "..XXO....\n"
     ".........\n"},
    {3, 22, 44, 1,
     "B E5 W C3 B D3 W G3 B C4 W G6 B E7 W C7 B D4 W B5 B B3 W F7 "
     "B E8 W D8 B H9 W E2 B C2 W G8 B G9 W H8 B F9 W D9 B D2 W F3 "
     "B B4 W C6 B G5 W H5 B F6 W G4 B F5 W H6 B F8 W G7 B E3 W F1 "
     "B A5 W A6 B A4 W C5 B D7 W D6 B E6 W J8",
     "...O.XXX.\n"
     "...OXXOOO\n"
     "..OXXOO..\n"
     "O.OOXXOO.\n"
     "XOO.XXXO.\n"
     "XXXX..O..\n"
     ".X.XXOO..\n"
     "..XXO....\n"
     ".....O...\n"},
    {3, 22, 52, 1,
     "B E5 W C3 B D3 W G3 B C4 W G6 B E7 W C7 B D4 W B5 B B3 W F7 "
     "B E8 W D8 B H9 W E2 B C2 W G8 B G9 W H8 B F9 W D9 B D2 W F3 "
     "B B4 W C6 B G5 W H5 B F6 W G4 B F5 W H6 B F8 W G7 B E3 W F1 "
     "B A5 W A6 B A4 W C5 B D7 W D6 B E6 W J8 B E9 W C8 B F4 W D5 "
     "B A8 W J9 B E4 W B8",
     "...OXXXXO\n"
     "XOOOXXOOO\n"
     "..OXXOO..\n"
     "O.OOXXOO.\n"
     "XOOOXXXO.\n"
     "XXXXXXO..\n"
     ".X.XXOO..\n"
     "..XXO....\n"
     ".....O...\n"},
    {3, 22, 57, 2,
     "B E5 W C3 B D3 W G3 B C4 W G6 B E7 W C7 B D4 W B5 B B3 W F7 "
     "B E8 W D8 B H9 W E2 B C2 W G8 B G9 W H8 B F9 W D9 B D2 W F3 "
     "B B4 W C6 B G5 W H5 B F6 W G4 B F5 W H6 B F8 W G7 B E3 W F1 "
     "B A5 W A6 B A4 W C5 B D7 W D6 B E6 W J8 B E9 W C8 B F4 W D5 "
     "B A8 W J9 B E4 W B8 B A7 W B6 B B9 W D1 B C1",
     ".X.OXXXXO\n"
     "XOOOXXOOO\n"
     "X.OXXOO..\n"
     "OOOOXXOO.\n"
     "XOOOXXXO.\n"
     "XXXXXXO..\n"
     ".X.XXOO..\n"
     "..XXO....\n"
     "..XO.O...\n"},
    {3, 22, 59, 2,
     "B E5 W C3 B D3 W G3 B C4 W G6 B E7 W C7 B D4 W B5 B B3 W F7 "
     "B E8 W D8 B H9 W E2 B C2 W G8 B G9 W H8 B F9 W D9 B D2 W F3 "
     "B B4 W C6 B G5 W H5 B F6 W G4 B F5 W H6 B F8 W G7 B E3 W F1 "
     "B A5 W A6 B A4 W C5 B D7 W D6 B E6 W J8 B E9 W C8 B F4 W D5 "
     "B A8 W J9 B E4 W B8 B A7 W B6 B B9 W D1 B C1 W E1 B pass",
     ".X.OXXXXO\n"
     "XOOOXXOOO\n"
     "X.OXXOO..\n"
     "OOOOXXOO.\n"
     "XOOOXXXO.\n"
     "XXXXXXO..\n"
     ".X.XXOO..\n"
     "..XXO....\n"
     "..XOOO...\n"},
    {5, 23, 26, 1,
     "B G5 W E5 B C5 W E3 B E7 W F6 B D6 W F7 B H7 W D2 B G3 W F8 "
     "B C8 W H8 B B2 W H6 B H5 W J6 B J5 W G6 B C4 W F2 B G2 W G1 "
     "B H1 W F1",
     ".........\n"
     "..X..O.O.\n"
     "....XO.X.\n"
     "...X.OOOO\n"
     "..X.O.XXX\n"
     "..X......\n"
     "....O.X..\n"
     ".X.O.OX..\n"
     ".....OOX.\n"},
    {5, 23, 45, 2,
     "B G5 W E5 B C5 W E3 B E7 W F6 B D6 W F7 B H7 W D2 B G3 W F8 "
     "B C8 W H8 B B2 W H6 B H5 W J6 B J5 W G6 B C4 W F2 B G2 W G1 "
     "B H1 W F1 B J2 W E8 B D8 W C2 B B3 W B1 B E6 W F5 B F4 W E4 "
     "B F3 W D9 B C9 W E9 B A2 W C1 B C3 W D5 B D3",
     "..XOO....\n"
     "..XXOO.O.\n"
     "....XO.X.\n"
     "...XXOOOO\n"
     "..XOOOXXX\n"
     "..X.OX...\n"
     ".XXXOXX..\n"
     "XXOO.OX.X\n"
     ".OO..OOX.\n"},
    {5, 23, 53, 2,
     "B G5 W E5 B C5 W E3 B E7 W F6 B D6 W F7 B H7 W D2 B G3 W F8 "
     "B C8 W H8 B B2 W H6 B H5 W J6 B J5 W G6 B C4 W F2 B G2 W G1 "
     "B H1 W F1 B J2 W E8 B D8 W C2 B B3 W B1 B E6 W F5 B F4 W E4 "
     "B F3 W D9 B C9 W E9 B A2 W C1 B C3 W D5 B D3 W C6 B B6 W D7 "
     "B B8 W C7 B B7 W A1 B D4",
     "..XOO....\n"
     ".XXXOO.O.\n"
     ".XOO.O.X.\n"
     ".XO..OOOO\n"
     "..XOOOXXX\n"
     "..XXOX...\n"
     ".XXXOXX..\n"
     "XXOO.OX.X\n"
     "OOO..OOX.\n"},
    {7, 24, 26, 1,
     "B F6 W C3 B D4 W C4 B D3 W G4 B D5 W H6 B C5 W G7 B C2 W C7 "
     "B F7 W E8 B F8 W D7 B B4 W F3 B G5 W H5 B E2 W F2 B F1 W G1 "
     "B E1 W H2",
     ".........\n"
     "....OX...\n"
     "..OO.XO..\n"
     ".....X.O.\n"
     "..XX..XO.\n"
     ".XOX..O..\n"
     "..OX.O...\n"
     "..X.XO.O.\n"
     "....XXO..\n"},
    {10, 25, 27, 2,
     "B F6 W C7 B C5 W G4 B B6 W H6 B B7 W G7 B D7 W E3 B C3 W F7 "
     "B E8 W E6 B D2 W E2 B H9 W H8 B E1 W F1 B D1 W G2 B G9 W D6 "
     "B C6 W F8 B F9",
     ".....XXX.\n"
     "....XO.O.\n"
     ".XOX.OO..\n"
     ".XXOOX.O.\n"
     "..X......\n"
     "......O..\n"
     "..X.O....\n"
     "...XO.O..\n"
     "...XXO...\n"},
    {10, 25, 46, 1,
     "B F6 W C7 B C5 W G4 B B6 W H6 B B7 W G7 B D7 W E3 B C3 W F7 "
     "B E8 W E6 B D2 W E2 B H9 W H8 B E1 W F1 B D1 W G2 B G9 W D6 "
     "B C6 W F8 B F9 W E7 B C8 W D4 B D3 W C4 B B4 W D5 B J8 W J7 "
     "B G8 W H7 B E9 W J9 B F2 W F3 B J8 W B3 B B2 W J9",
     "....XXXXO\n"
     "..X.XOXO.\n"
     ".X.XOOOOO\n"
     ".XXOOX.O.\n"
     "..XO.....\n"
     ".XOO..O..\n"
     ".OXXOO...\n"
     ".X.XO.O..\n"
     "...XXO...\n"},
    {10, 25, 53, 2,
     "B F6 W C7 B C5 W G4 B B6 W H6 B B7 W G7 B D7 W E3 B C3 W F7 "
     "B E8 W E6 B D2 W E2 B H9 W H8 B E1 W F1 B D1 W G2 B G9 W D6 "
     "B C6 W F8 B F9 W E7 B C8 W D4 B D3 W C4 B B4 W D5 B J8 W J7 "
     "B G8 W H7 B E9 W J9 B F2 W F3 B J8 W B3 B B2 W J9 B G1 W H1 "
     "B J8 W C2 B C1 W J9 B pass",
     "....XXXXO\n"
     "..X.XOXO.\n"
     ".X.XOOOOO\n"
     ".XXOOX.O.\n"
     "..XO.....\n"
     ".XOO..O..\n"
     ".OXXOO...\n"
     ".X.XO.O..\n"
     "..XXXO.O.\n"},
    {1, 26, 28, 1,
     "B E5 W D4 B E4 W D5 B D6 W C6 B E3 W C2 B D7 W G7 B C7 W C5 "
     "B B6 W B5 B B7 W G4 B F8 W G8 B F7 W G6 B A5 W E2 B F2 W E1 "
     "B A4 W C3 B F3 W B4",
     ".........\n"
     ".....XO..\n"
     ".XXX.XO..\n"
     ".XOX..O..\n"
     "XOOOX....\n"
     "XO.OX.O..\n"
     "..O.XX...\n"
     "..O.OX...\n"
     "....O....\n"},
    {1, 26, 47, 2,
     "B E5 W D4 B E4 W D5 B D6 W C6 B E3 W C2 B D7 W G7 B C7 W C5 "
     "B B6 W B5 B B7 W G4 B F8 W G8 B F7 W G6 B A5 W E2 B F2 W E1 "
     "B A4 W C3 B F3 W B4 B B3 W D3 B H2 W F9 B E9 W G9 B D8 W B2 "
     "B A3 W H3 B G3 W H4 B J3 W J4 B J2 W A2 B A6 W F1 B F6",
     "....XOO..\n"
     "...X.XO..\n"
     ".XXX.XO..\n"
     "XXOX.XO..\n"
     "XOOOX....\n"
     "XO.OX.OOO\n"
     "XXOOXXXOX\n"
     "OOO.OX.XX\n"
     "....OO...\n"},
    {3, 27, 29, 2,
     "B F6 W C7 B C5 W B6 B B3 W G4 B E3 W E4 B D3 W F3 B E5 W F8 "
     "B G5 W D4 B D5 W E7 B C4 W F4 B G6 W E2 B D2 W F2 B H2 W G2 "
     "B H4 W H7 B H6 W G7 B J7",
     ".........\n"
     ".....O...\n"
     "..O.O.OOX\n"
     ".O...XXX.\n"
     "..XXX.X..\n"
     "..XOOOOX.\n"
     ".X.XXO...\n"
     "...XOOOX.\n"
     ".........\n"},
    {5, 28, 30, 1,
     "B E5 W C3 B E3 W G7 B G5 W D6 B C7 W D7 B C6 W D5 B B4 W D3 "
     "B E2 W H6 B G2 W H4 B H5 W J5 B D4 W C4 B E4 W C5 B B5 W C8 "
     "B B8 W D8 B B3 W B2 B B9 W H2",
     ".X.......\n"
     ".XOO.....\n"
     "..XO..O..\n"
     "..XO...O.\n"
     ".XOOX.XXO\n"
     ".XOXX..O.\n"
     ".XOOX....\n"
     ".O..X.XO.\n"
     ".........\n"},
    {5, 28, 48, 1,
     "B E5 W C3 B E3 W G7 B G5 W D6 B C7 W D7 B C6 W D5 B B4 W D3 "
     "B E2 W H6 B G2 W H4 B H5 W J5 B D4 W C4 B E4 W C5 B B5 W C8 "
     "B B8 W D8 B B3 W B2 B B9 W H2 B D2 W C2 B G4 W G3 B F3 W H3 "
     "B F1 W H1 B D1 W A3 B G1 W F6 B G6 W H7 B F5 W E6 B C9 W D9",
     ".XXO.....\n"
     ".XOO.....\n"
     "..XO..OO.\n"
     "..XOOOXO.\n"
     ".XOOXXXXO\n"
     ".XOXX.XO.\n"
     "OXOOXXOO.\n"
     ".OOXX.XO.\n"
     "...X.XXO.\n"},
    {5, 28, 54, 1,
     "B E5 W C3 B E3 W G7 B G5 W D6 B C7 W D7 B C6 W D5 B B4 W D3 "
     "B E2 W H6 B G2 W H4 B H5 W J5 B D4 W C4 B E4 W C5 B B5 W C8 "
     "B B8 W D8 B B3 W B2 B B9 W H2 B D2 W C2 B G4 W G3 B F3 W H3 "
     "B F1 W H1 B D1 W A3 B G1 W F6 B G6 W H7 B F5 W E6 B C9 W D9 "
     "B C1 W A5 B A6 W B1 B A4 W A2",
     ".XXO.....\n"
     ".XOO.....\n"
     "..XO..OO.\n"
     "X.XOOOXO.\n"
     ".XOOXXXXO\n"
     "XXOXX.XO.\n"
     "OXOOXXOO.\n"
     "OOOXX.XO.\n"
     ".OXX.XXO.\n"},
    {10, 30, 31, 2,
     "B G7 W D4 B G3 W G5 B F5 W F6 B G6 W F7 B F4 W G8 B H8 W F8 "
     "B H9 W E3 B C6 W B5 B E5 W D6 B D5 W C5 B C7 W E6 B D7 W A8 "
     "B E8 W F2 B B8 W A7 B B6 W A6 B G2",
     ".......X.\n"
     "OX..XOOX.\n"
     "O.XX.OX..\n"
     "OXXOOOX..\n"
     ".OOXXXO..\n"
     "...O.X...\n"
     "....O.X..\n"
     ".....OX..\n"
     ".........\n"},
};
