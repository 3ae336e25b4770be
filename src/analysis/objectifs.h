#pragma once

// The goal records the move choice reads, seen through one shape: an owner
// colour, two references, the owner's moves (by which it reaches the goal) and
// the opponent's moves (by which the opponent prevents it).
//
// Two of the sources are read here through their counts and records: the group
// connection goals (references: two group numbers; analysis/connexions_groupes)
// and the connection goals between strings (references: two string points; the
// records of the stage "jeux Connecter"). The double capture threats and the
// groups are read directly from their modules.

#include <cstdint>

struct ObjectifCoups {
  int32_t Couleur = 0;  // the owner: 1 Ami, 2 Ennemi
  int32_t Reference1 = 0;
  int32_t Reference2 = 0;
  const int32_t* CoupsPropres = nullptr;  // the owner's moves (a point may carry flags above bit 8)
  int32_t NbCoupsPropres = 0;
  const int32_t* CoupsAutres = nullptr;  // the opponent's moves
  int32_t NbCoupsAutres = 0;
};

// Builds the group connection goals from the groups (CalculeConnexionsGroupes).
void ConstruitObjectifsConnexionGroupes();

int32_t NombreObjectifsConnexionGroupes();
ObjectifCoups ObjectifConnexionGroupesNumero(int32_t i);

int32_t NombreObjectifsConnexionChaines();
ObjectifCoups ObjectifConnexionChaines(int32_t i);
