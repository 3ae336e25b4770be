#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include <unistd.h>

#include "analysis/choix.h"
#include "base/reglages.h"
#include "base/trace.h"
#include "board/damier.h"
#include "diagramme.h"
#include "fenetre_enregistree.h"
#include "game/chrono.h"
#include "game/controleur.h"
#include "game/partie.h"
#include "game/vue_analyse.h"
#include "test_util.h"

namespace {

void Reinitialise() {
  Silence = true;
  InitialiseGoban(9);
  ReinitialiseRequetes();
  ReinitialisePartie();
  ReinitialiseChoix();
  ReinitialiseReglages();
  RemiseAZeroChronos();
  NumeroCoup = 1;
}

std::string Lit(const char* nom) {
  std::ifstream f(nom);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// The trace without its timing lines, which differ from run to run.
std::string SansChronos(const std::string& texte) {
  std::istringstream lignes(texte);
  std::string reste;
  for (std::string l; std::getline(lignes, l);)
    if (l.find("chrono") == std::string::npos) reste += l + "\n";
  return reste;
}

// A 9x9 where colour 1 walls off the top rows and colour 2 the bottom ones; a
// lone colour-2 stone sits inside colour 1's rows.
const char* const POSITION_CONNUE =
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . O . . . . . ."
    "@ @ @ @ @ @ @ @ @"
    ". . . . . . . . ."
    "O O O O O O O O O"
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . .";

// On the known position, for either side to move: each wall's back rows are its
// colour's territory, the lone stone is dead, the best point is a legal empty
// point with a positive value; the position and the lasting state are unchanged.
TEST(VueAnalyseTest, PositionConnue) {
  Reinitialise();
  DamierCourant = DamierDe(POSITION_CONNUE);
  for (int couleur : {1, 2}) {
    SCOPED_TRACE("couleur " + std::to_string(couleur));
    const Damier avant = DamierCourant;
    const EtatChoix choixAvant = Choix;
    VueAnalyse vue;
    CalculeVueAnalyse(DamierCourant, couleur, vue);
    EXPECT_EQ(std::memcmp(&avant, &DamierCourant, sizeof avant), 0);
    EXPECT_EQ(std::memcmp(&choixAvant, &Choix, sizeof Choix), 0);
    EXPECT_EQ(vue.Couleur, couleur);
    EXPECT_EQ(vue.Territoire[Pt(9, 1)], 1);
    EXPECT_EQ(vue.Territoire[Pt(3, 3)], 1);
    EXPECT_EQ(vue.Territoire[Pt(9, 9)], 2);
    EXPECT_EQ(vue.Territoire[Pt(5, 5)], 0);
    for (int32_t p = 0; p < NbIntersections; p++)
      EXPECT_EQ(vue.Mort[p], p == Pt(3, 3)) << "point " << p;
    ASSERT_GE(vue.MeilleurPoint, 0);
    EXPECT_TRUE(EstLegal(DamierCourant, vue.MeilleurPoint, couleur));
    EXPECT_GT(vue.Valeur, 0);
  }
}

// Games against the engine through the controller, the human's moves random
// but fixed: played once as they are, once with the view taken for both sides
// before every human move. The view leaves the game (position, history,
// clocks) as it found it and writes no "goban.gob"; both games then go the
// same way and leave the same trace, line for line.
TEST(VueAnalyseTest, LaVueNeChangeNiLaPartieNiLeMoteur) {
  // Other tests of this program write "goban.gob" in the shared build folder
  // while ctest runs them side by side: this one works in a folder of its own.
  const std::filesystem::path ici = std::filesystem::current_path();
  const std::filesystem::path dossier =
      std::filesystem::temp_directory_path() / ("ilvane-vue-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dossier);
  std::filesystem::current_path(dossier);
  struct Retour {
    std::filesystem::path ici, dossier;
    ~Retour() {
      std::filesystem::current_path(ici);
      std::error_code e;
      std::filesystem::remove_all(dossier, e);
    }
  } retour{ici, dossier};
  std::string traces[2];
  std::string historiques[2];
  for (int avecVue = 0; avecVue < 2; avecVue++) {
    Reinitialise();
    OuvreTraceJeu("test_vue_analyse.trace");
    std::mt19937 hasard(7);
    FenetreEnregistree f;
    JouerNoirClick(f);
    for (int coups = 0; !PartieFinie && coups < 12; coups++) {
      if (avecVue) {
        const EtatPartie partie = PartieCourante;
        const Horloge noir = HorlogeNoir, blanc = HorlogeBlanc;
        std::remove("goban.gob");
        VueAnalyse vue;
        CalculeVueAnalyse(DamierCourant, 1, vue);
        CalculeVueAnalyse(DamierCourant, 2, vue);
        EXPECT_EQ(std::memcmp(&partie, &PartieCourante, sizeof partie), 0);
        EXPECT_EQ(std::memcmp(&noir, &HorlogeNoir, sizeof noir), 0);
        EXPECT_EQ(std::memcmp(&blanc, &HorlogeBlanc, sizeof blanc), 0);
        EXPECT_FALSE(std::ifstream("goban.gob").good());
      }
      int32_t libres[NB_INTERSECTIONS_MAX];
      int n = 0;
      for (int32_t p = 0; p < NbIntersections; p++)
        if (EstLegal(DamierCourant, p, CouleurAJouer)) libres[n++] = p;
      if (n == 0) break;
      ClicGoban(f, libres[hasard() % n]);
    }
    FermeTraceJeu();
    traces[avecVue] = SansChronos(Lit("test_vue_analyse.trace"));
    for (int i = 0; i < NbCoupsHistorique; i++)
      historiques[avecVue] += std::to_string(HistoriqueCoups[i]) + " ";
  }
  EXPECT_FALSE(traces[0].empty());
  EXPECT_EQ(traces[0], traces[1]);
  EXPECT_EQ(historiques[0], historiques[1]);
}

}  // namespace
