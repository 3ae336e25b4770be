// Game records between the window and other programs: games saved by the
// window load in ilvane-gtp's loadsgf and in GNU Go's to the same position and
// the same player to move; records written by GNU Go's printsgf open in the
// window as GNU Go's position; ilvane-gtp's printsgf, the same way.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "game/enregistrement.h"
#include "game/fenetre_enregistree.h"
#include "game/parties_aleatoires.h"
#include "processus.h"

namespace {

std::string Sommet(int32_t p) {
  const int x = p % 9, y = p / 9;
  return std::string(1, static_cast<char>('A' + x + (x >= 8 ? 1 : 0))) + std::to_string(9 - y);
}

// The stones of a colour of the game position, sorted, as list_stones names them.
std::vector<std::string> Pierres(int couleur) {
  std::vector<std::string> v;
  for (int32_t p = 0; p < NbIntersections; p++)
    if (Couleur(DamierCourant, p) == couleur) v.push_back(Sommet(p));
  std::sort(v.begin(), v.end());
  return v;
}

std::vector<std::string> Liste(ProcessusGtp& moteur, const char* couleur) {
  std::istringstream in(moteur.Succes(std::string("list_stones ") + couleur));
  std::vector<std::string> v;
  for (std::string s; in >> s;) v.push_back(s);
  std::sort(v.begin(), v.end());
  return v;
}

class EchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitialiseGoban(9);
    ReinitialiseRequetes();
    ReinitialisePartie();
    dossier_ = std::filesystem::temp_directory_path() /
               ("ilvane-echange-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dossier_);
    gnugo_ = CheminGnuGo();
  }
  void TearDown() override {
    FixeChoixMoteur(nullptr);
    std::filesystem::remove_all(dossier_);
  }

  FenetreEnregistree f;
  std::filesystem::path dossier_;
  std::string gnugo_;
};

TEST_F(EchangeTest, SavedGamesLoadInBothEnginesToTheSamePosition) {
  std::vector<ProcessusGtp*> moteurs;
  ProcessusGtp ilvane({ILVANE_GTP_EXE}, "", dossier_.string());
  moteurs.push_back(&ilvane);
  std::unique_ptr<ProcessusGtp> gnugo;
  if (!gnugo_.empty()) {
    gnugo = std::make_unique<ProcessusGtp>(std::vector<std::string>{gnugo_, "--mode", "gtp"});
    moteurs.push_back(gnugo.get());
  }
  std::mt19937 alea(5);
  const std::string chemin = (dossier_ / "partie.sgf").string();
  for (int partie = 0; partie < (AvecSanitizer ? 10 : 30); partie++) {
    PartieAleatoire(f, alea, 40 + static_cast<int>(alea() % 120));
    ASSERT_TRUE(EnregistrePartie(f, chemin));
    TrackBar1Change(f, NbCoupsHistorique);
    const std::string aJouer = CouleurAJouer == CouleurNoir ? "black" : "white";
    for (ProcessusGtp* m : moteurs) {
      ASSERT_EQ(m->Succes("loadsgf " + chemin), aJouer) << partie;
      ASSERT_EQ(Liste(*m, "black"), Pierres(CouleurNoir)) << partie;
      ASSERT_EQ(Liste(*m, "white"), Pierres(CouleurBlanc)) << partie;
    }
  }
  if (gnugo_.empty()) GTEST_SKIP() << "gnugo is not installed: ilvane-gtp only";
}

TEST_F(EchangeTest, GnuGoRecordsOpenInTheWindow) {
  if (gnugo_.empty()) GTEST_SKIP() << "gnugo is not installed";
  ProcessusGtp gnugo({gnugo_, "--mode", "gtp"});
  gnugo.Succes("boardsize 9");
  std::mt19937 alea(11);
  const std::string chemin = (dossier_ / "gnugo.sgf").string();
  for (int partie = 0; partie < 20; partie++) {
    gnugo.Succes("clear_board");
    const int coups = static_cast<int>(alea() % 90);
    for (int i = 0; i < coups; i++) {
      const std::string couleur = i % 2 ? "white" : "black";
      std::string r;
      for (int essai = 0; essai < 20 && r.rfind("= ", 0) != 0; essai++)
        r = gnugo.Commande("play " + couleur + " " + Sommet(static_cast<int32_t>(alea() % 81)));
      if (r.rfind("= ", 0) != 0) gnugo.Succes("play " + couleur + " pass");
    }
    gnugo.Succes("printsgf " + chemin);
    f.Oublie();
    ASSERT_TRUE(OuvrePartie(f, chemin)) << f.Messages.front();
    EXPECT_EQ(ModeJeu, MODE_DEUX_JOUEURS);
    EXPECT_EQ(Liste(gnugo, "black"), Pierres(CouleurNoir)) << partie;
    EXPECT_EQ(Liste(gnugo, "white"), Pierres(CouleurBlanc)) << partie;
    EXPECT_EQ(CouleurAJouer, coups % 2 ? CouleurBlanc : CouleurNoir) << partie;
  }
}

// Random games in ilvane-gtp, printed with printsgf: the answer is the file's
// text, and GNU Go and the window load it to the engine's position.
TEST_F(EchangeTest, PrintsgfRecordsLoadElsewhere) {
  ProcessusGtp ilvane({ILVANE_GTP_EXE}, "", dossier_.string());
  std::unique_ptr<ProcessusGtp> gnugo;
  if (!gnugo_.empty())
    gnugo = std::make_unique<ProcessusGtp>(std::vector<std::string>{gnugo_, "--mode", "gtp"});
  std::mt19937 alea(13);
  const std::string chemin = (dossier_ / "ilvane.sgf").string();
  for (int partie = 0; partie < 15; partie++) {
    ilvane.Succes("clear_board");
    ilvane.Succes("komi " + std::to_string(partie % 4) + ".5");
    const int coups = static_cast<int>(alea() % 80);
    bool passe = true;
    for (int i = 0; i < coups; i++) {
      const std::string couleur = i % 2 ? "white" : "black";
      std::string r;
      for (int essai = 0; essai < 20 && r.rfind("= ", 0) != 0; essai++)
        r = ilvane.Commande("play " + couleur + " " + Sommet(static_cast<int32_t>(alea() % 81)));
      passe = r.rfind("= ", 0) != 0;
      if (passe) ilvane.Succes("play " + couleur + " pass");
    }
    ASSERT_EQ(ilvane.Commande("printsgf " + chemin), "= \n\n");
    const std::string texte = ilvane.Succes("printsgf");
    std::ifstream in(chemin);
    const std::string fichier((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    ASSERT_EQ(fichier, texte + "\n");
    const std::vector<std::string> noirs = Liste(ilvane, "black"), blancs = Liste(ilvane, "white");
    ASSERT_TRUE(OuvrePartie(f, chemin)) << f.Messages.front();
    EXPECT_EQ(Pierres(CouleurNoir), noirs);
    EXPECT_EQ(Pierres(CouleurBlanc), blancs);
    if (!gnugo) continue;
    // The last move was a stone: PL names the other colour.
    const std::string aJouer = gnugo->Succes("loadsgf " + chemin);
    if (!passe) {
      EXPECT_EQ(aJouer, coups % 2 ? "white" : "black") << texte;
    }
    EXPECT_EQ(Liste(*gnugo, "black"), noirs);
    EXPECT_EQ(Liste(*gnugo, "white"), blancs);
    EXPECT_EQ(std::stod(gnugo->Succes("get_komi")), partie % 4 + 0.5);
  }
}

}  // namespace
