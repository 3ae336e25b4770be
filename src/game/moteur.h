#pragma once

// The engine's turn on the game: the move choice (analysis/choix.h) run on
// DamierCourant with the engine's own clock.

#include <cstdint>

// Chooses the engine's move for colour 1 on DamierCourant; its clock is Black's
// when CouleurNoir is 1, White's otherwise. The pass flag is set to 1; when a
// point is chosen it is written to point and the flag set to 0.
void ChoisitCoup(int32_t& point, int& passe);
