#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "analysis/choix.h"
#include "base/reglages.h"
#include "board/damier.h"
#include "fenetre_enregistree.h"
#include "game/chrono.h"
#include "game/controleur.h"
#include "game/partie.h"
#include "test_util.h"

namespace {

constexpr int COUPS_MAX = 160;

// The other side's move: the engine's choice on the position seen from that
// side, or a random legal point that does not fill one of its own eyes.
int32_t CoupAdverse(bool moteur, std::mt19937& hasard) {
  Damier vue;
  ViderDamier(vue);
  for (int32_t p = 0; p < NbIntersections; p++)
    if (Couleur(DamierCourant, p)) PosePierre(vue, p, 3 - Couleur(DamierCourant, p));
  FixePointKo(vue, PointKo(DamierCourant));
  if (moteur) {
    int32_t point = -1;
    int passe = 1;
    ChoisitCoupPosition(vue, HorlogeMoteur{}, point, passe);
    return passe ? COUP_PASSE : point;
  }
  int32_t libres[NB_INTERSECTIONS_MAX];
  int n = 0;
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (!EstLegal(vue, p, 1)) continue;
    bool oeil = true;
    for (int32_t q : Voisins[p]) oeil = oeil && Couleur(vue, q) == 1;
    if (!oeil) libres[n++] = p;
  }
  return n == 0 ? COUP_PASSE : libres[hasard() % n];
}

// One game against the engine through the controller, the engine taking Black
// or White; the other side is the engine again or a random player.
void JouePartie(bool adversaireMoteur, bool ilvaneNoir, unsigned graine) {
  SCOPED_TRACE("graine " + std::to_string(graine));
  std::mt19937 hasard(graine);
  FenetreEnregistree f;
  if (ilvaneNoir)
    JouerBlancClick(f);
  else
    JouerNoirClick(f);
  for (int coups = 0; !PartieFinie && coups < COUPS_MAX; coups++) {
    const int32_t p = CoupAdverse(adversaireMoteur, hasard);
    if (p == COUP_PASSE) {
      PasseClick(f);
    } else {
      ASSERT_TRUE(EstLegal(DamierCourant, p, 2));
      ClicGoban(f, p);
    }
  }
  // The position is the replay of the recorded moves.
  Damier rejoue;
  ViderDamier(rejoue);
  FixePointKo(rejoue, COUP_PASSE);
  for (int i = 0; i < NbCoupsJoues; i++) {
    if (HistoriqueCoups[i] == COUP_PASSE) {
      FixePointKo(rejoue, COUP_PASSE);
      continue;
    }
    ASSERT_TRUE(EstLegal(rejoue, HistoriqueCoups[i], HistoriqueCouleurs[i])) << "move " << i;
    JoueCoup(rejoue, HistoriqueCoups[i], HistoriqueCouleurs[i]);
  }
  for (int32_t p = 0; p < NbIntersections; p++)
    ASSERT_EQ(Couleur(rejoue, p), Couleur(DamierCourant, p)) << "point " << p;
}

// Whole games on 9x9: every move legal, no failure line, the board equal to a
// replay of the game's records.
TEST(PartiesTest, PartiesCompletesParLeControleur) {
  Silence = true;
  InitialiseGoban(9);
  ReinitialiseRequetes();
  ReinitialisePartie();
  ReinitialiseChoix();
  ReinitialiseReglages();
  RemiseAZeroChronos();
  OuvreTraceJeu("test_parties.trace");
  CaptureErreurs erreurs;
  JouePartie(true, true, 1);
  JouePartie(false, false, 2);
  JouePartie(false, true, 3);
  FermeTraceJeu();
  // Lines of other modules that these games do produce, known and harmless here:
  // the double threats' reasoning lines, their one record per smaller anchor, and
  // a group's eye list full (a group with that many eyes is alive anyway).
  const char* connues[] = {"MenacesDoublesDePrendre ", "Erreur PI_MAX AjoutePriseDouble",
                           "Pb MAX_YEUX_GROUPE Group::AjouteOeil"};
  std::istringstream lignes(erreurs.Texte());
  for (std::string ligne; std::getline(lignes, ligne);) {
    bool connue = false;
    for (const char* c : connues) connue = connue || ligne.rfind(c, 0) == 0;
    EXPECT_TRUE(connue) << ligne;
  }
}

}  // namespace
