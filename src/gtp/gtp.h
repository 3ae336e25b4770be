#pragma once

// The Go Text Protocol (version 2) engine: reads command lines, keeps the game
// (position, komi, undo history, clocks) and writes one answer per command.
// The position follows the rules of the packed board; black stones are colour
// 1 and white stones colour 2 here, and the engine's move choice gets a copy in
// which the colour asked for is colour 1.

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "board/goban.h"
#include "game/moteur.h"

inline constexpr int NOIR = 1;
inline constexpr int BLANC = 2;

// Moves that undo can take back; beyond this the oldest are forgotten.
inline constexpr int HISTORIQUE_GTP = 2048;
// Longest command line kept; the rest of a longer line is read and dropped,
// and the line is answered with an error.
inline constexpr size_t LIGNE_GTP_MAX = 1 << 16;

// A new engine game: a 9x9 board, empty, komi 0, no history, no time
// settings, and ChoisitCoup as the engine.
void ReinitialiseGtp();

// Answers one line of input (without its new line). The answer, framed with
// its blank line, is appended to reponse; comments and blank lines get none.
// Returns false once quit has been answered.
bool TraiteLigneGtp(std::string_view ligne, std::string& reponse);

// Reads command lines until quit or the end of the input, answering each on
// sortie. Answers are flushed whenever no more input is waiting.
void BoucleGtp(std::istream& entree, std::ostream& sortie);

// The dead stones of the game position (black 1, white 2) at the end of a game,
// for final_status_list: the stones of the groups the analysis finds dead.
// Tests put a scripted answer here; nullptr gives the analysis back.
using StatutsGtp = void (*)(const Damier& position, EnsembleIntersections& mortes);
void FixeStatutsGtp(StatutsGtp statuts);

// genmove and reg_genmove ask the engine through CoupIlvane (game/controleur.h),
// as the window does; tests script the engine there with FixeChoixMoteur.

// The position as the game sees it (black 1, white 2).
const Damier& PositionGtp();

// "D4" for a point, "pass" for COUP_PASSE; columns skip the letter I.
std::string EcritVertex(int32_t p);
// Reads a vertex, any case, "pass" included: the point, COUP_PASSE, or -1.
int32_t LitVertex(std::string_view s);
