// Game records between the window and other programs: games saved by the
// window load in ilvane-gtp's and GNU Go's loadsgf to the same position and
// player to move; the records of GNU Go's and ilvane-gtp's printsgf, played
// through the same moves, open in the window as the engines' position.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "game/enregistrement.h"
#include "game/fenetre_enregistree.h"
#include "game/parties_aleatoires.h"
#include "processus.h"

namespace {

std::string Sommet(int32_t p) {
  const int x = p % 9;
  return std::string(1, static_cast<char>('A' + x + (x >= 8))) + std::to_string(9 - p / 9);
}

// The stones of a colour, sorted: of the window's game, or of an engine.
std::vector<std::string> Pierres(int couleur) {
  std::vector<std::string> v;
  for (int32_t p = 0; p < NbIntersections; p++)
    if (Couleur(DamierCourant, p) == couleur) v.push_back(Sommet(p));
  std::sort(v.begin(), v.end());
  return v;
}
std::vector<std::string> Pierres(ProcessusGtp& moteur, const char* couleur) {
  std::istringstream in(moteur.Succes(std::string("list_stones ") + couleur));
  std::vector<std::string> v{std::istream_iterator<std::string>(in), {}};
  std::sort(v.begin(), v.end());
  return v;
}

class EchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitialiseGoban(9);
    ReinitialisePartie();
    if (CheminGnuGo().empty()) GTEST_SKIP() << "gnugo is not installed";
  }
  void TearDown() override {
    FixeChoixMoteur(nullptr);
    std::filesystem::remove_all(dossier_);
  }

  // Made before the engines start in it.
  const std::filesystem::path dossier_ = [] {
    auto d =
        std::filesystem::temp_directory_path() / ("ilvane-echange-" + std::to_string(getpid()));
    std::filesystem::create_directories(d);
    return d;
  }();
  const std::string chemin_ = (dossier_ / "partie.sgf").string();
  FenetreEnregistree f;
  ProcessusGtp ilvane_{{ILVANE_GTP_EXE}, "", dossier_.string()};
  ProcessusGtp gnugo_{{CheminGnuGo().empty() ? "true" : CheminGnuGo(), "--mode", "gtp"}};
};

TEST_F(EchangeTest, WindowRecordsLoadInBothEngines) {
  std::mt19937 alea(5);
  for (int partie = 0; partie < (AvecSanitizer ? 10 : 30); partie++) {
    PartieAleatoire(f, alea, 40 + static_cast<int>(alea() % 120));
    ASSERT_TRUE(EnregistrePartie(f, chemin_));
    TrackBar1Change(f, NbCoupsHistorique);
    for (ProcessusGtp* m : {&ilvane_, &gnugo_}) {
      ASSERT_EQ(m->Succes("loadsgf " + chemin_), CouleurAJouer == CouleurNoir ? "black" : "white");
      ASSERT_EQ(Pierres(*m, "black"), Pierres(CouleurNoir)) << partie;
      ASSERT_EQ(Pierres(*m, "white"), Pierres(CouleurBlanc)) << partie;
    }
  }
}

TEST_F(EchangeTest, PrintsgfRecordsOpenInTheWindow) {
  std::mt19937 alea(11);
  for (int partie = 0; partie < 20; partie++) {
    const std::string komi = "komi " + std::to_string(partie % 4) + ".5";
    for (ProcessusGtp* m : {&ilvane_, &gnugo_}) {
      m->Succes("boardsize 9");
      m->Succes(komi);
    }
    // The same random points in both engines, where both find them legal.
    const int coups = static_cast<int>(alea() % 90);
    bool passe = true;
    for (int i = 0; i < coups; i++) {
      const std::string couleur = i % 2 ? "white " : "black ";
      std::string coup = "pass";
      for (int essai = 0; essai < 20 && coup == "pass"; essai++) {
        const std::string p = Sommet(static_cast<int32_t>(alea() % 81));
        if (gnugo_.Succes("is_legal " + couleur + p) == "1" &&
            ilvane_.Succes("is_legal " + couleur + p) == "1")
          coup = p;
      }
      for (ProcessusGtp* m : {&ilvane_, &gnugo_}) m->Succes("play " + couleur + coup);
      passe = coup == "pass";
    }
    for (ProcessusGtp* m : {&gnugo_, &ilvane_}) {
      m->Succes("printsgf " + chemin_);
      f.Oublie();
      ASSERT_TRUE(OuvrePartie(f, chemin_)) << f.Messages.front();
      EXPECT_EQ(ModeJeu, MODE_DEUX_JOUEURS);
      EXPECT_EQ(Pierres(CouleurNoir), Pierres(gnugo_, "black")) << partie;
      EXPECT_EQ(Pierres(CouleurBlanc), Pierres(gnugo_, "white")) << partie;
      // ilvane-gtp keeps no colour to move: only a stone played last tells it.
      if (!passe || m == &gnugo_) {
        EXPECT_EQ(CouleurAJouer, coups % 2 ? CouleurBlanc : CouleurNoir) << partie;
      }
    }
    // ilvane-gtp's answer is the file's text, and GNU Go reads its komi.
    std::ifstream in(chemin_);
    EXPECT_EQ(ilvane_.Succes("printsgf") + "\n",
              std::string(std::istreambuf_iterator<char>(in), {}));
    gnugo_.Succes("loadsgf " + chemin_);
    EXPECT_EQ(std::stod(gnugo_.Succes("get_komi")), partie % 4 + 0.5);
  }
}

}  // namespace
