#include "game/moteur.h"

#include "analysis/choix.h"
#include "board/damier.h"
#include "game/chrono.h"
#include "game/partie.h"

namespace {

ChoixMoteur choixMoteur = ChoisitCoup;

}  // namespace

void ChoisitCoup(int32_t& point, int& passe) {
  const Horloge& h = CouleurNoir == 1 ? HorlogeNoir : HorlogeBlanc;
  ChoisitCoupPosition(DamierCourant, HorlogeMoteur{h.Heures, h.Minutes, SecondesChrono}, point,
                      passe);
}

void FixeChoixMoteur(ChoixMoteur choix) {
  choixMoteur = choix ? choix : ChoisitCoup;
}

void DemandeCoupMoteur(int32_t& point, int& passe) {
  choixMoteur(point, passe);
}

void DemandeCoupMoteurPour(const Damier& position, int couleur, double secondes, int32_t& point,
                           int& passe) {
  DamierCourant = VuePourCouleur(position, couleur);
  CouleurNoir = couleur == 1 ? 1 : 2;
  CouleurBlanc = Adversaire(CouleurNoir);
  CouleurAJouer = 1;
  FixeHorloge(couleur == 1 ? HorlogeNoir : HorlogeBlanc, secondes);
  DemandeCoupMoteur(point, passe);
}

Damier VuePourCouleur(const Damier& d, int couleur) {
  if (couleur == 1) return d;
  Damier v;
  ViderDamier(v);
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int c = Couleur(d, p);
    if (c != VIDE) PosePierre(v, p, Adversaire(c));
  }
  FixePointKo(v, PointKo(d));
  return v;
}
