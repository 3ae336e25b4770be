#pragma once

// The engine's move choice: which move colour 1 plays on the game position.
// It sets the searches' settings (base/reglages.h) before it analyses.

#include <cstdint>

// The engine's move counter for the trace: 1 at start-up, +2 at each engine move.
extern int NumeroCoup;

// Chooses the engine's move for colour 1 on DamierCourant. The pass flag is set
// to 1; when a point is chosen it is written to point and the flag set to 0.
void ChoisitCoup(int32_t& point, int& passe);
