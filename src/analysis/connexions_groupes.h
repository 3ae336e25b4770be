#pragma once

// Group connection goals: the string results lifted to groups. Two groups of
// one colour can be joined when two of their strings can connect, when a
// capturable string lies between them, or when both reach the same empty
// point. Reads, once the groups are built (FormeGroupes), the connection list
// of "jeux Connecter", the capture games of "jeux Prendre" and the accepted
// connections to empty points of "CalculCV"; leaves one goal per pair of
// groups with the moves that join them and the moves that keep them apart,
// which the move choice reads (analysis/objectifs.h).

#include <cstdint>

#include "base/liste.h"

inline constexpr int MAX_OBJECTIFS_CONNEXION_GROUPES = 100;
inline constexpr int MAX_COUPS_OBJECTIF_GROUPES = 29;

using CoupsObjectifGroupes = Liste<MAX_COUPS_OBJECTIF_GROUPES>;

struct ObjectifConnexionGroupes {
  int32_t Couleur = 0;
  int32_t Groupe1 = 0;
  int32_t Groupe2 = 0;
  int32_t ParLeVide = 0;  // 1: rests only on both groups reaching one empty point
  CoupsObjectifGroupes CoupsAtteindre;  // the owner's moves that join them
  CoupsObjectifGroupes CoupsEmpecher;   // the opponent's moves that keep them apart
};

struct TableObjectifsGroupes {
  int32_t Nombre = 0;
  ObjectifConnexionGroupes Elements[MAX_OBJECTIFS_CONNEXION_GROUPES];
  // The goal's merged move lists outgrew their room (reported once a goal).
  int32_t Deborde[MAX_OBJECTIFS_CONNEXION_GROUPES] = {};
  const ObjectifConnexionGroupes* begin() const { return Elements; }
  const ObjectifConnexionGroupes* end() const { return Elements + Nombre; }
};
extern TableObjectifsGroupes ObjectifsConnexionGroupes;

// Adds the goal, or merges it into the goal of the same pair (either order):
// a goal from a tactical result replaces one that rests on an empty point and
// is never weakened by one; two of the same kind keep every joining move, and
// the cutting moves of both (empty point) or those common to both (tactical).
// 0 when refused: groups of two colours, or a full table (reported).
int AjouteConnexionGroupe(TableObjectifsGroupes& table, const ObjectifConnexionGroupes& o);

// Empties the table and fills it from the three sources, in order.
void CalculeConnexionsGroupes();

void ReinitialiseConnexionsGroupes();
