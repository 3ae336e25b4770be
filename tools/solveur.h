#pragma once

// The small exact local solver behind the generated eye and life rules.
//
// A window of the board is played out as a tiny game of its own, to the end,
// with every line tried. Its points are the window's cells (eyes) or the
// cells of an enclosed eye space plus one point standing for the whole wall
// (life). Two things set it apart from the engine's board, which is why it
// keeps a board of its own: a string that reaches the window's open border
// has liberties out there and is never captured, and a wall may be one string
// whose stones the window does not show connected.
//
// Ko: the goal colour X must win without ko. The other colour O may retake a
// ko at once (it is given every ko threat), X may not; a position that comes
// back on the line being read counts as lost for X.

#include <cstdint>
#include <string>
#include <vector>

namespace generateur {

inline constexpr int POINTS_MAX = 20;

struct Plateau {
  int N = 0;
  uint32_t Voisins[POINTS_MAX] = {};
  // Points on the window's open border: their strings always keep a liberty.
  uint32_t Dehors = 0;
  // Life: the wall's point; capturing it ends the game, lost for X.
  uint32_t Mur = 0;
  // Life: the wall's liberties outside, where only O plays (filling them).
  uint32_t PourO = 0;
  // Eye: the eye space; X wins when, at the end, part of it is an empty space
  // surrounded by one string of X.
  uint32_t Oeil = 0;
};

struct Contenu {
  uint32_t X = 0;
  uint32_t O = 0;
};

// The string through point q among `pierres`.
uint32_t Chaine(const Plateau& p, uint32_t pierres, int q);

// Plays q for X (or O): captures, then refuses suicide. ko receives the point
// the other side may not take back at once (only O's captures ban X), or -1;
// murPris whether the wall was captured.
bool Joue(const Plateau& p, Contenu& c, bool pourX, int q, int& ko, bool& murPris);

// Every string has a liberty (a position that can stand on a board).
bool Valide(const Plateau& p, const Contenu& c);

// Values already known, by position key: open addressing, so that the solver
// stays quick in debug and sanitizer builds too.
class Memoire {
 public:
  // The stored value of the key, or -1.
  int Cherche(uint64_t cle) const;
  void Range(uint64_t cle, bool valeur);
  void Vide();

 private:
  std::vector<uint64_t> Cles;  // key + 1; 0 for an empty slot
  std::vector<uint8_t> Valeurs;
  size_t Nombre = 0;
};

class Jeu {
 public:
  explicit Jeu(const Plateau& p) : P(p) {}
  // Whether X reaches its goal with best play, traitX telling who moves.
  bool GagneX(const Contenu& c, bool traitX) { return Valeur(c, traitX, -1, false); }
  // X's moves after which X wins with O to move.
  std::vector<int> CoupsAtteindre(const Contenu& c);
  // O's moves after which X, moving, no longer wins.
  std::vector<int> CoupsEmpecher(const Contenu& c);

 private:
  bool Valeur(const Contenu& c, bool traitX, int ko, bool passe);
  bool Fin(const Contenu& c) const;
  const Plateau& P;
  Memoire Memo;
  // The positions of the line being read.
  Memoire Chemin;
};

// What a window is worth to X: 'G' (holds even with O moving first), 'I' (open:
// whoever moves decides) or 0 (lost), with the deciding moves of an open one.
struct Statut {
  char Type = 0;
  std::vector<int> Atteindre;
  std::vector<int> Empecher;
};
Statut Resout(Jeu& jeu, const Contenu& c);

// The eye game on a w x h window: cells j * w + i; the board's edges are row 0
// (zone Bord) or row 0 and column 0 (zone Coin), every other side is open.
Plateau PlateauOeil(int zone, int w, int h, uint32_t oeil);

// The life game: the eye space `espace` (cells of a w x h window, zone Bord or
// Coin), its wall being the window's cells next to it: the parts that reach
// the window's open border are one string with `libertes` liberties outside
// (points next to the wall only), the parts shut in are strings of their own.
// points receives the window cell of each solver point: the space's cells
// first, then the shut-in wall cells, then -1 for the outside liberties and
// the wall, which is last.
Plateau PlateauVie(int zone, int w, int h, uint32_t espace, std::vector<int>& points,
                   int libertes = 0);

// Status of a diagram (rows of '.', 'X', 'O', space-separated or not) read as an
// eye window around `oeil` cells, or as a life window around the space of its
// empty and stone cells enclosed by its wall. Cells in the answers are window
// cells. For the tests and for checking rules.
Statut StatutOeil(int zone, const std::string& diagramme, const std::vector<int>& oeil);
Statut StatutVie(int zone, const std::string& diagramme, uint32_t espace, int libertes = 0);

}  // namespace generateur
