#pragma once

// Handing a position to the engine: the one call through which the window's
// controller and the GTP engine get the engine's move. The engine's move choice
// (ChoisitCoup) plays colour 1 on the game position, DamierCourant.

#include <cstdint>

#include "board/goban.h"

// Chooses the engine's move for colour 1 on DamierCourant with the move choice
// (analysis/choix.h); its clock is Black's when CouleurNoir is 1, White's
// otherwise. The pass flag is set to 1; when a point is chosen it is written to
// point and the flag set to 0.
void ChoisitCoup(int32_t& point, int& passe);

// The engine's move choice, as ChoisitCoup: for colour 1 on DamierCourant.
using ChoixMoteur = void (*)(int32_t& point, int& passe);
// Tests put a scripted engine here; nullptr gives ChoisitCoup back.
void FixeChoixMoteur(ChoixMoteur choix);

// The engine's move on the game position as it stands. The pass flag is set to
// passeAvant by the caller; on return it is set, or the chosen point is in point
// (not checked here: each caller checks it against its own rules).
void DemandeCoupMoteur(int32_t& point, int& passe);

// A position of another program (black stones colour 1, white colour 2) handed
// to the engine playing couleur: the game position becomes that position seen
// from couleur's side, colour 1 is to play and is Black or White as couleur is,
// the clock of couleur shows the seconds the engine has used; then
// DemandeCoupMoteur.
void DemandeCoupMoteurPour(const Damier& position, int couleur, double secondes, int32_t& point,
                           int& passe);

// The position from the side of couleur: that colour's stones are colour 1, the
// other side's colour 2, as the engine's move choice expects.
Damier VuePourCouleur(const Damier& d, int couleur);
