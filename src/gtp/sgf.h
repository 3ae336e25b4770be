#pragma once

// Reading game records (SGF, FF[1] to FF[4]) for the GTP engine's loadsgf: the
// main line of the first game, reduced to what sets up a position: the board
// size, komi, setup stones, moves and the player to move.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What one node of the main line asks for, in the order of the record.
struct ActionSgf {
  enum Genre {
    Pose,     // AB, AW, AE: Couleur (0 for AE) is put on Point
    Coup,     // B, W: a move of Couleur (Point COUP_PASSE for a pass)
    Joueur,   // PL: Couleur is to move
    FinNoeud  // the end of a node: the position must be sound here
  };
  Genre Type;
  int Couleur;  // 1 black, 2 white, 0 empty
  int32_t Point;
};

struct PartieSgf {
  int Taille = 19;  // SZ, 19 when absent
  bool AvecKomi = false;
  double Komi = 0;
  int Handicap = 0;
  std::vector<ActionSgf> Actions;  // the main line, root first, node by node
};

// Largest record loadsgf reads; a longer file is refused, not cut.
inline constexpr long TAILLE_FICHIER_SGF_MAX = 4L << 20;
// Setup rectangles can ask for far more points than the file has bytes: a
// record needing more actions than this is refused.
inline constexpr size_t ACTIONS_SGF_MAX = 1u << 21;

// Reads the main line of the first game of the text into partie. Points are
// numbered for the record's own board size (partie.Taille, from 1 to 19) with
// the top-left corner 0, as on the board. Returns an empty string on success,
// otherwise what is wrong, and partie is then unspecified.
std::string LitSgf(std::string_view texte, PartieSgf& partie);
