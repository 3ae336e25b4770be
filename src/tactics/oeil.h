#pragma once

// Static eye tests: is an empty point an eye of a colour, which single moves
// make it one, does capturing an enemy string make one, do two adjacent points
// form a two-point eye, and which moves stop the opponent from making a
// two-point eye by capture. The life-and-death search and the life records
// rest on them. Every test reads the incremental board, plays at most one probe
// move and takes it back: the board is the same after any call.
//
// A diagonal point is good for c when it holds a stone of c, or when c's
// opponent cannot usefully play there (AdversaireNePeutPasJouer); it is open
// when it is empty and not good. A point banned only by the ko rule is open:
// the opponent retakes the ko after a threat, so a diagonal that is safe only
// for one move does not make an eye.

#include <cstdint>

#include "board/damier.h"
#include "board/goban.h"

// A point set: a list in order of first insertion with one bit per point, so
// that adding a point already present changes nothing. Eye regions and the move
// lists of the eye tests are point sets.
struct EnsembleListe {
  ListeIntersections Points;
  EnsembleIntersections Bits{};

  int Nombre() const { return Points.Nombre; }
  const int32_t* begin() const { return Points.begin(); }
  const int32_t* end() const { return Points.end(); }
};

void Vide(EnsembleListe& e);
// Adds p unless present (or off the board); 1 if added.
int Ajoute(EnsembleListe& e, int32_t p);
int Contient(const EnsembleListe& e, int32_t p);
// Adds every point of b to a.
void Union(EnsembleListe& a, const EnsembleListe& b);

// 1 if the diagonal point d is good for c (c's stone, or c's opponent cannot
// usefully play there, the ko ban set aside).
int DiagonaleBonne(int32_t d, int c);
// 1 if d is empty and not good for c.
int DiagonaleOuverte(int32_t d, int c);

// EstOeil(p, c, region) determines whether the empty point p is an eye of c:
// every orthogonal neighbour holds c, and enough diagonals are good (away from
// the edge 3, or 2 with the other 2 open; on the edge 2; in a corner 1). On
// success adds p and its eight surrounding points to region; otherwise leaves
// region unchanged.
bool EstOeil(int32_t p, int c, EnsembleListe& region);

// OeilParPrise(coups, p, c, region): p holds a stone of c's opponent whose
// string is in atari; true if capturing it makes an eye for c (three stones or
// more always; a single stone when its point is then an eye). Adds the
// capturing move to coups and the eye's points to region. Two-stone strings
// are left to OeilDoubleParPrise.
bool OeilParPrise(EnsembleListe& coups, int32_t p, int c, EnsembleListe& region);

// CoupsPourOeil(coups, p, c, region): adds to coups the moves of c that make p
// an eye (a capture, a neighbour or a diagonal filled); returns their number.
int CoupsPourOeil(EnsembleListe& coups, int32_t p, int c, EnsembleListe& region);

// OeilDouble(p, c, region): true if p and its one orthogonal neighbour that is
// not a stone of c form a two-point eye of c whose enclosing strings all have
// two liberties or more. On success adds the surrounding points of both to
// region; otherwise leaves region unchanged.
bool OeilDouble(int32_t p, int c, EnsembleListe& region);

// OeilDoubleParPrise(coups, p, c, region): p holds a stone of c's opponent in a
// string in atari; true if capturing it gives c an eye of three points or more,
// or a two-point eye. Adds the capturing move to coups and the eye to region.
bool OeilDoubleParPrise(EnsembleListe& coups, int32_t p, int c, EnsembleListe& region);

// EmpecherOeilDouble(coups, p, c, region): when c's opponent can make an eye by
// capturing c's string at p, adds that eye to region and to coups the moves of c
// after which the opponent has neither that eye by capture nor an eye-making
// move at p; returns their number (0 when the opponent has no such eye).
int EmpecherOeilDouble(EnsembleListe& coups, int32_t p, int c, EnsembleListe& region);
