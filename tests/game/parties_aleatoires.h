#pragma once

// Seeded random games clicked through the game controller: against an engine
// that plays random legal points, or two humans on one board, sometimes from a
// few setup stones; with passes, steps back and moves that overwrite them, and
// endings by two passes or resignation, or none.

#include <random>

#include "board/damier.h"
#include "game/controleur.h"
#include "game/partie.h"

inline std::mt19937 aleaMoteurTest{0};

// A random legal point of colour c on DamierCourant, or COUP_PASSE.
inline int32_t PointLegalAleatoire(std::mt19937& alea, int c) {
  int32_t legaux[NB_INTERSECTIONS_MAX];
  int n = 0;
  for (int32_t p = 0; p < NbIntersections; p++)
    if (EstLegal(DamierCourant, p, c)) legaux[n++] = p;
  return n == 0 ? COUP_PASSE : legaux[alea() % n];
}

inline void MoteurAleatoire(int32_t& point, int& passe) {
  point = aleaMoteurTest() % 15 ? PointLegalAleatoire(aleaMoteurTest, 1) : COUP_PASSE;
  passe = point == COUP_PASSE;
}

// About `actions` clicks. The engine stays MoteurAleatoire afterwards.
inline void PartieAleatoire(FenetreJeu& f, std::mt19937& alea, int actions) {
  aleaMoteurTest.seed(alea());
  FixeChoixMoteur(MoteurAleatoire);
  void (*const debuts[])(FenetreJeu&) = {JouerLesDeuxClick, JouerNoirClick, JouerBlancClick};
  debuts[alea() % 3](f);
  // Setup stones, each kept only where every stone still has a liberty.
  for (int k = NbCoupsJoues ? 0 : static_cast<int>(alea() % 6); k > 0; k--) {
    const int32_t p = static_cast<int32_t>(alea() % NbIntersections);
    if (Couleur(DamierCourant, p) != VIDE) continue;
    PosePierre(DamierCourant, p, 1 + static_cast<int>(alea() % 2));
    for (int32_t q = 0; q < NbIntersections; q++)
      if (Couleur(DamierCourant, q) != VIDE && !AuMoinsNLibertes(DamierCourant, q, 1)) {
        OtePierre(DamierCourant, p);
        break;
      }
  }
  for (int i = 0; i < actions && !PartieFinie; i++) {
    const unsigned r = alea() % 30;
    const int32_t p = PointLegalAleatoire(alea, ModeJeu == MODE_DEUX_JOUEURS ? CouleurAJouer : 2);
    if (r == 0 || p == COUP_PASSE)
      PasseClick(f);
    else if (r < 3)
      UndoClick(f);
    else
      ClicGoban(f, p);
  }
  if (!PartieFinie && alea() % 4 == 0) AbandonClick(f);
  // Sometimes the game is left with its cursor stepped back.
  for (unsigned k = alea() % 3 ? 0 : alea() % 5; k > 0; k--) UndoClick(f);
}
