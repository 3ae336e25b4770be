#pragma once

// Board geometry and packed positions: how points are numbered and stored, and
// the per-point tables (coordinates, edges, lines, neighbours) every other
// module reads. The tables are sized for 19x19 and filled by InitialiseGoban.

#include <cstdint>

#include "base/liste.h"

inline constexpr int TAILLE_MAX = 19;
inline constexpr int NB_INTERSECTIONS_MAX = TAILLE_MAX * TAILLE_MAX;  // 361
inline constexpr int32_t COUP_PASSE = 400;

inline constexpr int VIDE = 0;

// Board size in use (9 in play) and its number of points.
extern int32_t TailleGoban;
extern int32_t NbIntersections;

inline bool SurGoban(int32_t p) {
  return p >= 0 && p < NbIntersections;
}

// Per-point tables, valid for the first NbIntersections entries.
extern int32_t CoordX[NB_INTERSECTIONS_MAX];  // column, 1 = left
extern int32_t CoordY[NB_INTERSECTIONS_MAX];  // row, 1 = top
extern int32_t BordHaut[NB_INTERSECTIONS_MAX];
extern int32_t BordBas[NB_INTERSECTIONS_MAX];
extern int32_t BordGauche[NB_INTERSECTIONS_MAX];
extern int32_t BordDroit[NB_INTERSECTIONS_MAX];
extern int32_t Bord[NB_INTERSECTIONS_MAX];
extern int32_t SurLigne1[NB_INTERSECTIONS_MAX];  // the same content as Bord
extern int32_t Coin[NB_INTERSECTIONS_MAX];
extern int32_t SurLigne2[NB_INTERSECTIONS_MAX];
extern int32_t SurLigne3[NB_INTERSECTIONS_MAX];
extern int32_t SurLigne4[NB_INTERSECTIONS_MAX];
extern int32_t SurLigne5[NB_INTERSECTIONS_MAX];
extern int32_t Ligne1Gauche[NB_INTERSECTIONS_MAX];
extern int32_t Ligne1Droite[NB_INTERSECTIONS_MAX];
extern int32_t Ligne1Haut[NB_INTERSECTIONS_MAX];
extern int32_t Ligne1Bas[NB_INTERSECTIONS_MAX];
extern int32_t Ligne2Gauche[NB_INTERSECTIONS_MAX];
extern int32_t Ligne2Droite[NB_INTERSECTIONS_MAX];
extern int32_t Ligne2Haut[NB_INTERSECTIONS_MAX];
extern int32_t Ligne2Bas[NB_INTERSECTIONS_MAX];
extern int32_t Ligne3Gauche[NB_INTERSECTIONS_MAX];
extern int32_t Ligne3Droite[NB_INTERSECTIONS_MAX];
extern int32_t Ligne3Haut[NB_INTERSECTIONS_MAX];
extern int32_t Ligne3Bas[NB_INTERSECTIONS_MAX];

// Neighbours in the fixed order up, down, left, right: every flood fill,
// capture and liberty count visits them in this order.
extern Liste<4> Voisins[NB_INTERSECTIONS_MAX];
// Diagonals in the order up-left, up-right, down-left, down-right.
extern Liste<4> Diagonales[NB_INTERSECTIONS_MAX];
// Voisins followed by Diagonales.
extern Liste<8> Voisins8[NB_INTERSECTIONS_MAX];

// Intersection[x][y]: the point at column x, row y (both from 1), -1 off the board.
extern int32_t Intersection[21][21];

// Sets the size and fills every table above. Any earlier content is overwritten.
void InitialiseGoban(int taille);

bool EstVoisin(int32_t p, int32_t q);
bool EstDiagonale(int32_t p, int32_t q);

// A colour is 0 (empty), 1 or 2; Adversaire(1) is 2 and anything else gives 1.
inline int Adversaire(int c) {
  return c == 1 ? 2 : 1;
}

// A set of 384 points, one bit each.
struct EnsembleIntersections {
  uint32_t Mots[12];
  bool operator==(const EnsembleIntersections&) const = default;
};

inline void Vide(EnsembleIntersections& e) {
  for (uint32_t& m : e.Mots) m = 0;
}
// Points outside 0..383 (a pass, -1) are never members.
inline void Ajoute(EnsembleIntersections& e, int32_t p) {
  if (static_cast<uint32_t>(p) < 384) e.Mots[p >> 5] |= 1u << (p & 31);
}
inline void Retire(EnsembleIntersections& e, int32_t p) {
  if (static_cast<uint32_t>(p) < 384) e.Mots[p >> 5] &= ~(1u << (p & 31));
}
inline bool Contient(const EnsembleIntersections& e, int32_t p) {
  return static_cast<uint32_t>(p) < 384 ? (e.Mots[p >> 5] >> (p & 31)) & 1 : 0;
}
// a |= b
inline void Union(EnsembleIntersections& a, const EnsembleIntersections& b) {
  for (int i = 0; i < 12; i++) a.Mots[i] |= b.Mots[i];
}
// True if a and b share a point.
inline bool Rencontre(const EnsembleIntersections& a, const EnsembleIntersections& b) {
  for (int i = 0; i < 12; i++)
    if (a.Mots[i] & b.Mots[i]) return true;
  return false;
}

// Every board query adds the points it examines here, so that an analysis can
// tell which points its result depends on.
extern EnsembleIntersections IntersectionsLues;

// The packed position: 2 bits a point in 23 words; the top ten bits of the last
// word hold PointKo, the point the side to move may not take back (400: none).
struct Damier {
  uint32_t Mots[23];
  bool operator==(const Damier&) const = default;
};

inline int Couleur(const Damier& d, int32_t p) {
  return (d.Mots[p >> 4] >> (2 * (p & 15))) & 3;
}
// p must be empty: the colour is ORed in.
inline void PosePierre(Damier& d, int32_t p, int c) {
  d.Mots[p >> 4] |= static_cast<uint32_t>(c & 3) << (2 * (p & 15));
}
inline void OtePierre(Damier& d, int32_t p) {
  d.Mots[p >> 4] &= ~(3u << (2 * (p & 15)));
}

inline int32_t PointKo(const Damier& d) {
  return static_cast<int32_t>(d.Mots[22] >> 22);
}
inline void FixePointKo(Damier& d, int32_t p) {
  d.Mots[22] = (d.Mots[22] & 0x3FFFFFu) | (static_cast<uint32_t>(p & 0x3FF) << 22);
}

// Zeroes the position: empty everywhere, PointKo 0 until the first move.
inline void ViderDamier(Damier& d) {
  for (uint32_t& m : d.Mots) m = 0;
}
