#pragma once

// Game records (SGF), for the window and the GTP engine alike. Reading (FF[1]
// to FF[4]) keeps the main line of the first game, reduced to what sets up a
// position: the board size, komi, the players' names, setup stones, moves and
// the player to move. Writing gives an FF[4] record of a game.

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
  std::string JoueurNoir;          // PB
  std::string JoueurBlanc;         // PW
  std::vector<ActionSgf> Actions;  // the main line, root first, node by node
};

// Largest record loadsgf reads; a longer file is refused, not cut.
inline constexpr long TAILLE_FICHIER_SGF_MAX = 4L << 20;
// Setup rectangles can ask for far more points than the file has bytes: a
// record needing more actions than this is refused.
inline constexpr size_t ACTIONS_SGF_MAX = 1u << 21;

enum class ErreurSgf {
  Aucune,
  PasUnEnregistrement,
  Tronque,
  Malforme,
  PasDuGo,
  Taille,
  Komi,
  Coup,
  Point,
  Joueur,
  TropGrand
};

// Reads the main line of the first game of the text into partie. Points are
// numbered for the record's own board size (partie.Taille, from 1 to 19) with
// the top-left corner 0, as on the board. Returns what is wrong, if anything,
// and partie is then unspecified.
ErreurSgf LitEnregistrement(std::string_view texte, PartieSgf& partie);

// The error as the GTP engine words it ("" for none).
const char* TexteErreurSgf(ErreurSgf e);

// LitEnregistrement with the error in words: "" on success.
std::string LitSgf(std::string_view texte, PartieSgf& partie);

enum class ErreurFichier { Aucune, Ouverture, Lecture, TropGrand };

// The whole file into texte; a file larger than TAILLE_FICHIER_SGF_MAX is
// refused, not cut.
ErreurFichier LitFichierSgf(const std::string& nom, std::string& texte);

// One move of a record to write: colour 1 black, 2 white; COUP_PASSE passes.
struct CoupSgf {
  int Couleur;
  int32_t Point;
};

// What a written record holds. Empty texts are left out; AJouer (1 black,
// 2 white) gives PL when not 0.
struct EnregistrementSgf {
  int Taille = 9;
  double Komi = 0;
  std::string JoueurNoir;
  std::string JoueurBlanc;
  std::string Date;      // DT, YYYY-MM-DD
  std::string Resultat;  // RE: "B+3", "W+R"...
  std::vector<int32_t> PosesNoires;
  std::vector<int32_t> PosesBlanches;
  int AJouer = 0;
  std::vector<CoupSgf> Coups;
};

// The record as FF[4] text: the root (size, komi, players, date, result,
// setup), then one node per move, passes as B[] and W[].
std::string EcritSgf(const EnregistrementSgf& e);
