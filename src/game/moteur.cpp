#include "game/moteur.h"

#include "analysis/choix.h"
#include "base/chrono.h"
#include "game/partie.h"

void ChoisitCoup(int32_t& point, int& passe) {
  ChoisitCoupPosition(DamierCourant, CouleurNoir == 1 ? HorlogeNoir : HorlogeBlanc, point, passe);
}
