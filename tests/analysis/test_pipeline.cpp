#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "analyse_groupes.h"
#include "base/reglages.h"
#include "board/incremental.h"
#include "diagramme.h"
#include "positions_aleatoires.h"
#include "tactics/intersections.h"
#include "tactics/menaces.h"
#include "tactics/prise.h"
#include "tactics/test_menaces_outils.h"
#include "test_util.h"

namespace {

class PipelineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReinitialiseAnalyseGroupes();
    ReinitialiseMenaces();
    ReinitialiseReglages();
  }
  void TearDown() override {
    Silence = false;
    Reglages.EvaluationEnCours = false;
  }

  static void Complete(const Damier& d) {
    InitialiseDamierIncremental(d);
    AnalyseComplete();
  }

  // What the stages leave for the groups and the move choice, one line each.
  static std::string Resultats() {
    std::string s;
    auto ligne = [&s](const int32_t* t) {
      for (int32_t p = 0; p < NbIntersections; p++)
        s += static_cast<char>(t[p] < 32 ? '0' + t[p] : t[p]);
      s += '\n';
    };
    ligne(VieStatique.MarquesVieStatique);
    for (int32_t p = 0; p < NbIntersections; p++)
      s += static_cast<char>('0' + Couleur(VieStatique.DamierVieStatique, p));
    s += '\n';
    ligne(CartesEnclos.EnclosAmi);
    ligne(CartesEnclos.EnclosEnnemi);
    ligne(CartesEnclos.EspaceOeilAmi);
    ligne(CartesEnclos.EspaceOeilEnnemi);
    ligne(InfluenceAnalyse.CarteTerritoire);
    s += std::to_string(Analyse.ValeurTerritoire) + ' ' +
         std::to_string(Analyse.NombrePrisesACalculer) + ' ' +
         std::to_string(Analyse.NombrePrisesValides) + '\n';
    return s;
  }

  static char Marque(int x, int y) {
    return static_cast<char>(VieStatique.MarquesVieStatique[Pt(x, y)]);
  }
  static int CouleurStatique(int x, int y) {
    return Couleur(VieStatique.DamierVieStatique, Pt(x, y));
  }
};

TEST_F(PipelineTest, StagesRunInOrderAndSilenceOnlyMutesThem) {
  const Damier d = PositionAleatoire(9, 7, 40);
  Silence = false;
  std::string texte;
  {
    CaptureConsole console;
    Complete(d);
    texte = console.Texte();
  }
  const std::string avecLignes = Resultats();
  texte = std::regex_replace(texte, std::regex("[0-9]+\\.[0-9]+ sec"), "X sec");
  EXPECT_EQ(texte,
            "chrono au depart X sec.\n"
            "chrono apres CalculeStrings X sec.\n"
            "NombrePrisesACalculer " +
                std::to_string(Analyse.NombrePrisesACalculer) +
                "\n"
                "NombrePrisesValides " +
                std::to_string(Analyse.NombrePrisesValides) +
                "\n"
                "chrono apres jeux Prendre X sec.\n"
                "chrono apres jeux intersection X sec.\n"
                "chrono apres jeux Menaces De Prendre X sec.\n"
                "chrono apres jeux Menaces Doubles De Prendre X sec.\n"
                "NombreConnexionsACalculer " + std::to_string(Analyse.NombreConnexionsACalculer) +
                "\nNombreConnexionsValides " + std::to_string(Analyse.NombreConnexionsValides) +
                "\n"
                "chrono apres jeux Connecter X sec.\n"
                "chrono apres jeux Menaces De Deconnecter X sec.\n"
                "NombreYeuxValides 0\nchrono apres jeux Oeil X sec.\n"
                "NombreViesValides 0\nchrono apres jeux Vivre X sec.\n"
                "NombreCVACalculer " + std::to_string(Analyse.NombreCVACalculer) +
                "\nNombreCVValides " + std::to_string(Analyse.NombreCVValides) +
                "\nchrono apres CalculCV X sec.\n"
                "chrono apres CalculeVieStatique X sec.\n"
                "chrono apres CalculeInfluence X sec.\n");
  EXPECT_GT(Analyse.NombrePrisesACalculer, 0);

  Silence = true;
  CaptureConsole console;
  Complete(d);
  EXPECT_EQ(console.Texte(), "");
  EXPECT_EQ(Resultats(), avecLignes);
}

// A trial move analysed by the short pipeline and taken back leaves the board
// exactly as it was; the short pipeline on the move gives what the full one
// gives on the position after it.
TEST_F(PipelineTest, ShortPipelineOnTrialMoves) {
  const CaptureErreurs traceDesMenaces;
  for (uint32_t graine = 1; graine <= 4; graine++) {
    const Damier depart = PositionAleatoire(9, graine, 30 + 5 * static_cast<int>(graine));
    Complete(depart);
    const int menaces = MenacesPrendre.Nombre;
    const std::string avant = menaces_test::EtatPlateau();
    Reglages.EvaluationEnCours = true;
    std::vector<Damier> apres;
    std::vector<std::string> courts;
    for (int32_t p = 0; p < NbIntersections && apres.size() < 12; p++) {
      const int c = 1 + static_cast<int>(apres.size() % 2);
      CoupTemporaire coup(p, c);
      if (!coup || KoIncremental != -1) continue;
      AnalyseCourte();
      apres.push_back(DamierIncremental);
      courts.push_back(Resultats());
      EXPECT_EQ(MenacesPrendre.Nombre, menaces);
    }
    EXPECT_EQ(menaces_test::EtatPlateau(), avant) << graine;
    ASSERT_EQ(apres.size(), 12u);
    for (size_t i = 0; i < apres.size(); i++) {
      Complete(apres[i]);
      EXPECT_EQ(Resultats(), courts[i]) << graine << " coup " << i;
    }
    Reglages.EvaluationEnCours = false;
  }
}

TEST_F(PipelineTest, StaticLifeBoard) {
  // (1,1): a colour-1 stone would be suicide, a colour-2 stone is safe; (9,9)
  // the mirror case. (5,5) is in atari but escapes: '*'. (1,9) is caught for
  // good: it counts as a colour-1 stone.
  Complete(
      DamierDe(". O . . . . . . ."
               "O . . . . . . . ."
               ". . . . . . . . ."
               ". . . . @ . . . ."
               ". . . @ O @ . . ."
               ". . . . . . . . ."
               ". . . . . . . . ."
               ". @ . . . . . . @"
               "O @ . . . . . @ ."));
  EXPECT_EQ(Marque(1, 1), 'O');
  EXPECT_EQ(CouleurStatique(1, 1), 2);
  EXPECT_EQ(Marque(9, 9), '@');
  EXPECT_EQ(CouleurStatique(9, 9), 1);
  EXPECT_EQ(Marque(5, 5), '*');
  EXPECT_EQ(CouleurStatique(5, 5), 2);
  EXPECT_EQ(CouleurStatique(1, 9), 1);
  EXPECT_EQ(Marque(5, 6), '+');

  // (1,1): a stone of either colour there would be in atari.
  Complete(
      DamierDe(". @ O . . . . . ."
               "O . . . . . . . ."
               "@ . . . . . . . ." +
               std::string(6 * 9, '.')));
  ASSERT_TRUE(PierrePerdueAmi[Pt(1, 1)] && PierrePerdueEnnemi[Pt(1, 1)]);
  EXPECT_EQ(Marque(1, 1), '!');
  EXPECT_EQ(CouleurStatique(1, 1), 0);
}

TEST_F(PipelineTest, Enclosure) {
  auto enclos = [](const int32_t* carte) {
    int n = 0;
    for (int32_t p = 0; p < NbIntersections; p++) n += carte[p] != 0;
    return n;
  };
  // A lone stone on an empty board walls nothing in; nor does a lone stone
  // near a corner with the other colour elsewhere.
  const std::string vide(9, '.');
  for (const std::string& diagramme :
       {std::string(40, '.') + "@" + std::string(40, '.'),
        vide + vide + "..@......" + vide + vide + "......O.." + vide + vide + vide}) {
    Complete(DamierDe(diagramme));
    EXPECT_EQ(enclos(CartesEnclos.EnclosAmi), 0) << diagramme;
    EXPECT_EQ(enclos(CartesEnclos.EnclosEnnemi), 0) << diagramme;
  }

  // A corner walled in by colour 1, with colour 2 outside: the corner is
  // enclosed and its inner points are eye space; the outside is not.
  Complete(
      DamierDe(". . . @ . . . . ."
               ". . . @ . . . . ."
               ". . . @ . . . . ."
               "@ @ @ @ . . . . ."
               ". . . . . . . . ."
               ". . . . . O O . ."
               ". . . . . . . . ."
               ". . . . . . . . ."
               ". . . . . . . . ."));
  for (int y = 1; y <= 3; y++)
    for (int x = 1; x <= 3; x++) EXPECT_TRUE(CartesEnclos.EnclosAmi[Pt(x, y)]) << x << "," << y;
  EXPECT_TRUE(CartesEnclos.EspaceOeilAmi[Pt(1, 1)]);
  EXPECT_FALSE(CartesEnclos.EnclosAmi[Pt(8, 8)]);
  EXPECT_FALSE(CartesEnclos.EnclosAmi[Pt(6, 5)]);
  EXPECT_EQ(enclos(CartesEnclos.EnclosEnnemi), 0);

  // Two one-point eyes inside a wall of colour 1 are enclosed eye space.
  Complete(
      DamierDe(". @ . @ O . . . ."
               "@ @ @ @ O . . . ."
               "O O O O O . . . ." +
               std::string(6 * 9, '.')));
  EXPECT_TRUE(CartesEnclos.EspaceOeilAmi[Pt(1, 1)]);
  EXPECT_TRUE(CartesEnclos.EspaceOeilAmi[Pt(3, 1)]);
}

}  // namespace
