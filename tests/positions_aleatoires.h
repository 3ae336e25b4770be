#pragma once

// Seeded random positions for the tests and the benchmarks: the same seed gives
// the same position on every run, so failures replay and figures compare.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "board/damier.h"
#include "board/goban.h"
#include "reference_go.h"

// A position reached by random legal moves on the packed board.
inline Damier PositionAleatoire(std::mt19937& alea, int coups) {
  Damier d;
  ViderDamier(d);
  FixePointKo(d, COUP_PASSE);
  for (int i = 0; i < coups; i++) {
    const int c = 1 + i % 2;
    for (int essai = 0; essai < 20; essai++) {
      const int p = static_cast<int>(alea() % NbIntersections);
      if (EstLegal(d, p, c)) {
        JoueCoup(d, p, c);
        break;
      }
    }
  }
  return d;
}

// A 9x9 position from seeded random legal play with between `min` and `max`
// stones (the geometry must be set for 9x9); the side to move in `trait` if
// given.
inline Damier PositionAleatoireEntre(std::mt19937& alea, int min, int max, int* trait = nullptr) {
  for (;;) {
    Damier d;
    ViderDamier(d);
    FixePointKo(d, COUP_PASSE);
    const int cible = min + static_cast<int>(alea() % (max - min + 1));
    int pierres = 0, c = 1;
    for (int coup = 0; coup < 400 && pierres < cible; coup++, c = Adversaire(c)) {
      for (int essai = 0; essai < 50; essai++) {
        const int32_t p = static_cast<int32_t>(alea() % 81);
        if (EstLegal(d, p, c)) {
          pierres += 1 - JoueCoup(d, p, c);
          break;
        }
      }
    }
    if (pierres < min || pierres > max) continue;
    if (trait) *trait = c;
    return d;
  }
}

// A position reached by `coups` random legal moves from the empty board of the
// given size, alternating colours (a move that fills one of the mover's own
// one-point eyes is not chosen, so groups live and fights stay local). The
// ko point of the last move is dropped.
inline Damier PositionAleatoire(int taille, uint32_t graine, int coups) {
  InitialiseGoban(taille);
  ReferenceGo r(taille);
  uint32_t etat = graine * 2654435761u + 12345u;
  auto alea = [&etat](int n) {
    etat = etat * 1664525u + 1013904223u;
    return static_cast<int>((etat >> 8) % static_cast<uint32_t>(n));
  };
  int couleur = 1;
  for (int i = 0; i < coups; i++) {
    std::vector<int> possibles;
    for (int p = 0; p < taille * taille; p++) {
      if (r.c[p] != 0) continue;
      bool oeil = true;
      for (int v : r.Voisins(p))
        if (r.c[v] != couleur) oeil = false;
      if (!oeil && r.Joue(p, couleur, false) >= 0) possibles.push_back(p);
    }
    if (possibles.empty()) {
      r.Passe();
    } else {
      r.Joue(possibles[alea(static_cast<int>(possibles.size()))], couleur);
    }
    couleur = 3 - couleur;
  }
  Damier d;
  ViderDamier(d);
  for (int p = 0; p < taille * taille; p++)
    if (r.c[p]) PosePierre(d, p, r.c[p]);
  FixePointKo(d, COUP_PASSE);
  return d;
}

// The diagram of a packed position ('.', '@', 'O', one row a line).
inline std::string DiagrammeDe(const Damier& d) {
  std::string s;
  for (int p = 0; p < NbIntersections; p++) {
    const int c = Couleur(d, p);
    s += c == 1 ? '@' : c == 2 ? 'O' : '.';
    if (CoordX[p] == TailleGoban) s += '\n';
  }
  return s;
}
