#include "game/moteur.h"

#include "analysis/choix.h"
#include "game/chrono.h"
#include "game/partie.h"

void ChoisitCoup(int32_t& point, int& passe) {
  const Horloge& h = CouleurNoir == 1 ? HorlogeNoir : HorlogeBlanc;
  ChoisitCoupPosition(DamierCourant, HorlogeMoteur{h.Heures, h.Minutes, SecondesChrono}, point,
                      passe);
}
