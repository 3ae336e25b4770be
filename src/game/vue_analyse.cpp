#include "game/vue_analyse.h"

#include "analysis/choix.h"
#include "analysis/groupes.h"
#include "analysis/pipeline.h"
#include "base/reglages.h"
#include "base/trace.h"
#include "game/moteur.h"

namespace {

// What lasts from one engine move to the next and the view's analysis would
// overwrite: kept here while it runs (static: too large for the stack, and
// nothing is allocated).
struct Sauvegarde {
  EtatChoix Choix;
  EtatAnalyse Analyse;
  ReglagesRecherche Reglages;
  int NumeroCoup = 0;
  bool Silence = false;
  bool TraceSuspendue = false;
};
Sauvegarde sauvegarde;

// Puts the lasting state aside for the life of the view's analysis, and the
// trace and console to sleep; gives everything back on the way out.
class Parenthese {
 public:
  Parenthese() {
    sauvegarde.Choix = Choix;
    sauvegarde.Analyse = Analyse;
    sauvegarde.Reglages = Reglages;
    sauvegarde.NumeroCoup = NumeroCoup;
    sauvegarde.Silence = Silence;
    sauvegarde.TraceSuspendue = SuspendTraceJeu(true);
    Silence = true;
    // A fresh look at full strength, whatever the engine's clock says.
    ReinitialiseReglages();
  }
  ~Parenthese() {
    Choix = sauvegarde.Choix;
    Analyse = sauvegarde.Analyse;
    Reglages = sauvegarde.Reglages;
    NumeroCoup = sauvegarde.NumeroCoup;
    Silence = sauvegarde.Silence;
    SuspendTraceJeu(sauvegarde.TraceSuspendue);
  }
  Parenthese(const Parenthese&) = delete;
  Parenthese& operator=(const Parenthese&) = delete;
};

// The engine's colour code (1 friend, 2 enemy) as the game's colour.
int CouleurJeu(int32_t code, int couleur) {
  if (code == 1) return couleur;
  if (code == 2) return Adversaire(couleur);
  return 0;
}

}  // namespace

void CalculeVueAnalyse(const Damier& position, int couleur, VueAnalyse& vue) {
  vue = VueAnalyse{};
  if (couleur != 1 && couleur != 2) return;
  vue.Couleur = couleur;
  const Damier d = VuePourCouleur(position, couleur);
  const Parenthese parenthese;

  // The initial analysis of the move choice: the territory map it reads and
  // the groups it counts dead, taken before the trial moves rebuild them.
  AnalyseInitiale(d);
  for (int32_t p = 0; p < NbIntersections; p++) {
    vue.Territoire[p] = static_cast<int8_t>(CouleurJeu(Choix.ProprietairePoint[p], couleur));
    const int32_t g = Groupes.GroupePoint[p];
    vue.Mort[p] = Couleur(d, p) != VIDE && g > 0 && g < Groupes.Fin && GroupeDe(g).Mort != 0;
  }

  // The values of the points and the choice rule, as for a move.
  CalculeValeursCoups(Choix.TableValeurs);
  vue.MeilleurPoint = MeilleurCoup(d);
  if (vue.MeilleurPoint >= 0) vue.Valeur = Choix.TableValeurs[vue.MeilleurPoint];
}
