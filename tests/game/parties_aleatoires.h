#pragma once

// Seeded random games played through the game controller, as a human would
// click them: against an engine that plays random legal points, or two humans
// on one board; with passes, steps back, moves that overwrite the steps, and
// endings by two passes or resignation, or none.

#include <cstdint>
#include <random>
#include <vector>

#include "board/damier.h"
#include "game/controleur.h"
#include "game/fenetre.h"
#include "game/partie.h"

inline std::mt19937 aleaMoteurTest{0};

// A random legal point of colour c on DamierCourant, or COUP_PASSE when there
// is none.
inline int32_t PointLegalAleatoire(std::mt19937& alea, int c) {
  std::vector<int32_t> legaux;
  for (int32_t p = 0; p < NbIntersections; p++)
    if (EstLegal(DamierCourant, p, c)) legaux.push_back(p);
  return legaux.empty() ? COUP_PASSE : legaux[alea() % legaux.size()];
}

inline void MoteurAleatoire(int32_t& point, int& passe) {
  point = aleaMoteurTest() % 15 == 0 ? COUP_PASSE : PointLegalAleatoire(aleaMoteurTest, 1);
  passe = point == COUP_PASSE ? 1 : 0;
}

// A few stones put on the empty board before the first move, as a record's
// setup would: only where each keeps a liberty.
inline void PosesAleatoires(std::mt19937& alea) {
  for (unsigned k = alea() % 5; k > 0; k--) {
    const int32_t p = static_cast<int32_t>(alea() % NbIntersections);
    if (Couleur(DamierCourant, p) != VIDE) continue;
    PosePierre(DamierCourant, p, 1 + static_cast<int>(alea() % 2));
    bool libres = true;
    for (int32_t q = 0; q < NbIntersections; q++)
      libres =
          libres && (Couleur(DamierCourant, q) == VIDE || AuMoinsNLibertes(DamierCourant, q, 1));
    if (!libres) OtePierre(DamierCourant, p);
  }
}

// Plays one game of about `coups` actions, sometimes from a few setup stones. The engine stays set
// to MoteurAleatoire afterwards: FixeChoixMoteur(nullptr) gives the real one back.
inline void PartieAleatoire(FenetreJeu& f, std::mt19937& alea, int coups) {
  aleaMoteurTest.seed(alea());
  FixeChoixMoteur(MoteurAleatoire);
  switch (alea() % 3) {
    case 0:
      JouerLesDeuxClick(f);
      if (alea() % 2) PosesAleatoires(alea);
      break;
    case 1:
      JouerNoirClick(f);
      if (alea() % 2) PosesAleatoires(alea);
      break;
    default:
      JouerBlancClick(f);
  }
  for (int i = 0; i < coups && !PartieFinie; i++) {
    const unsigned r = alea() % 30;
    if (r == 0) {
      PasseClick(f);
    } else if (r < 3) {
      UndoClick(f);
    } else {
      const int c = ModeJeu == MODE_DEUX_JOUEURS ? CouleurAJouer : 2;
      const int32_t p = PointLegalAleatoire(alea, c);
      if (p == COUP_PASSE)
        PasseClick(f);
      else
        ClicGoban(f, p);
    }
  }
  if (!PartieFinie) {
    if (alea() % 4 == 0) AbandonClick(f);
    // Sometimes the game is left with its cursor stepped back.
    if (alea() % 3 == 0)
      for (unsigned k = alea() % 5; k > 0; k--) UndoClick(f);
  }
}
