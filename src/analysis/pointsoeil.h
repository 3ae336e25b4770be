#pragma once

// Eye points: the next-to-last step of the static life (CalculeVieStatique).
// Every point enclosed by one colour, empty or holding a stone the static-life
// board gives to the other side, is classified by the shape of its neighbours
// and diagonals as an eye point of that colour: false, possible, real by its
// diagonals, sure, sure and closed, or one move away from an eye.
//
// Reads: the incremental board as it stands (colours, strings, and the
// neighbours of a point read live, so that a trial move that fills or takes the
// last empty neighbour of an eye point is seen), the static-life board
// DamierVieStatique, the enclosure maps EnclosAmi / EnclosEnnemi (influence),
// the lost flags PierrePerdueAmi / PierrePerdueEnnemi (intersections) and the
// board geometry.
// Writes: the maps and lists below, all cleared at the start of every run, and
// eyes added to the analysis's eye table (AjouteOeil).
// Leaves: the maps for the eye regions (regions.h) and, with the regions, for
// the groups' eye counts (InitialiseRegionsGroupes): sure and possible eye
// points, one-move eye points and their moves, and the vital moves.

#include <cstdint>
#include <cstdio>

#include "base/liste.h"
#include "board/goban.h"

// Room of a per-point move list.
inline constexpr int MAX_COUPS_POINT_OEIL = 9;
using CoupsPointOeil = Liste<MAX_COUPS_POINT_OEIL>;

// The maps of both colours, indexed [colour][point] (colour 1 or 2; row 0 is
// not used). Each entry is 0 or 1.
struct PointsOeil {
  // A false eye of that colour: too many hostile diagonals.
  int32_t Faux[3][NB_INTERSECTIONS_MAX];
  // A possible eye point: one move on a diagonal or a neighbour decides it.
  int32_t Possible[3][NB_INTERSECTIONS_MAX];
  // Its diagonals are good enough for a real eye.
  int32_t Diagonales[3][NB_INTERSECTIONS_MAX];
  // A sure eye point: good diagonals and every neighbour enclosed.
  int32_t Sur[3][NB_INTERSECTIONS_MAX];
  // A sure eye point with no empty and no hostile neighbour.
  int32_t SurFerme[3][NB_INTERSECTIONS_MAX];
  // An eye point that one move makes real; its moves are in CoupsUnCoup.
  int32_t UnCoup[3][NB_INTERSECTIONS_MAX];
  CoupsPointOeil CoupsUnCoup[3][NB_INTERSECTIONS_MAX];
  // For both colours: the vital move of a sure eye point, its one empty neighbour.
  CoupsPointOeil CoupsVitaux[NB_INTERSECTIONS_MAX];
  // The neighbours that are false eyes of either colour and hold a stone, or are empty.
  Liste<4> VoisinsFauxOccupes[NB_INTERSECTIONS_MAX];
  Liste<4> VoisinsFauxVides[NB_INTERSECTIONS_MAX];
};
extern PointsOeil PointsOeilChen;

// The maps under their names, colour 1 (Ami) and colour 2 (Ennemi).
inline int32_t (&OeilFauxAmi)[NB_INTERSECTIONS_MAX] = PointsOeilChen.Faux[1];
inline int32_t (&OeilFauxEnnemi)[NB_INTERSECTIONS_MAX] = PointsOeilChen.Faux[2];
inline int32_t (&OeilPossibleAmi)[NB_INTERSECTIONS_MAX] = PointsOeilChen.Possible[1];
inline int32_t (&OeilPossibleEnnemi)[NB_INTERSECTIONS_MAX] = PointsOeilChen.Possible[2];
inline int32_t (&DiagonalesOeilAmi)[NB_INTERSECTIONS_MAX] = PointsOeilChen.Diagonales[1];
inline int32_t (&DiagonalesOeilEnnemi)[NB_INTERSECTIONS_MAX] = PointsOeilChen.Diagonales[2];
inline int32_t (&OeilSurAmi)[NB_INTERSECTIONS_MAX] = PointsOeilChen.Sur[1];
inline int32_t (&OeilSurEnnemi)[NB_INTERSECTIONS_MAX] = PointsOeilChen.Sur[2];
inline int32_t (&OeilSurFermeAmi)[NB_INTERSECTIONS_MAX] = PointsOeilChen.SurFerme[1];
inline int32_t (&OeilSurFermeEnnemi)[NB_INTERSECTIONS_MAX] = PointsOeilChen.SurFerme[2];
inline int32_t (&OeilUnCoupAmi)[NB_INTERSECTIONS_MAX] = PointsOeilChen.UnCoup[1];
inline int32_t (&OeilUnCoupEnnemi)[NB_INTERSECTIONS_MAX] = PointsOeilChen.UnCoup[2];
inline CoupsPointOeil (&CoupsOeilUnCoupAmi)[NB_INTERSECTIONS_MAX] = PointsOeilChen.CoupsUnCoup[1];
inline CoupsPointOeil (&CoupsOeilUnCoupEnnemi)[NB_INTERSECTIONS_MAX] =
    PointsOeilChen.CoupsUnCoup[2];
inline CoupsPointOeil (&CoupsVitaux)[NB_INTERSECTIONS_MAX] = PointsOeilChen.CoupsVitaux;
inline Liste<4> (&VoisinsFauxOccupes)[NB_INTERSECTIONS_MAX] = PointsOeilChen.VoisinsFauxOccupes;
inline Liste<4> (&VoisinsFauxVides)[NB_INTERSECTIONS_MAX] = PointsOeilChen.VoisinsFauxVides;

// CalculeOeilsChen: classifies every enclosed point of the board (needs the
// static-life board and the enclosure maps of the same position), fills the
// maps above and adds to the eye table an eye for each one-move eye point and
// each closed sure eye point that touches a stone of its colour. The board is
// left unchanged.
void CalculeOeilsChen();

// The picture printed under "Yeux Chen": one row of the board a line, the
// points of colour 1 then, after two spaces, those of colour 2. A point is
// 'F' false, 'S' sure and closed, 's' sure, 'U' one move from an eye, 'P'
// possible, 'D' good diagonals only, '.' none of these.
void ImprimeOeilsChen(std::FILE* f);

// Clears every map and list (for tests).
void ReinitialisePointsOeil();
