// The real ilvane-gtp executable driven through pipes, as a GUI drives it:
// standard output carries nothing but answers, the session ends cleanly at
// quit or at the end of the input, and bad input never stops it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "gtp/gtp.h"
#include "processus.h"

namespace {

class SessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dossier_ = std::filesystem::temp_directory_path() /
               ("ilvane-session-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dossier_);
  }
  void TearDown() override { std::filesystem::remove_all(dossier_); }

  // The whole output of the engine fed with entree, and its exit code.
  std::string Execute(const std::string& entree, int& code) {
    ProcessusGtp moteur({ILVANE_GTP_EXE}, (dossier_ / "erreurs").string(), dossier_.string());
    moteur.Envoie(entree);
    moteur.FermeEntree();
    const std::string sortie = moteur.LitTout();
    code = moteur.Attend();
    return sortie;
  }

  std::filesystem::path dossier_;
};

TEST_F(SessionTest, AScriptedGameThroughThePipes) {
  std::ofstream(dossier_ / "partie.sgf") << "(;SZ[9]KM[0.5]AB[cc]AW[dd];B[ee];W[ff];B[gg])";
  const std::string entree =
      "1 protocol_version\n"
      "2 name\n"
      "# a comment line\n"
      "\n"
      "3 boardsize 9\r\n"
      "4 clear_board\n"
      "5 komi 6.5\n"
      "6 play b D5\n"
      "7 play w d5\n"
      "8 play b I5\n"
      "9 play b C4\n"
      "10 play b E4\n"
      "11 play w D4\n"
      "12 play b D3\n"
      "13 list_stones white\n"
      "14 final_score\n"
      "15 undo\n"
      "16 list_stones white\n"
      "17 countlib D4\n"
      "18 findlib d4\n"
      "19 undo\n"
      "20 undo\n"
      "21 undo\n"
      "22 undo\n"
      "23 undo\n"
      "24 undo\n"
      "25 loadsgf partie.sgf 3\n"
      "26 list_stones black\n"
      "27 loadsgf missing.sgf\n"
      "28 list_stones black\n"
      "29 boardsize 25\n"
      "30 frobnicate\n"
      "31 countlib A1\n"
      "\t32\tfinal_score\t\n"
      "33 quit\n"
      "34 name\n";
  int code = -1;
  const std::string sortie = Execute(entree, code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(sortie,
            "=1 2\n\n"
            "=2 Ilvane\n\n"
            "=3 \n\n"
            "=4 \n\n"
            "=5 \n\n"
            "=6 \n\n"
            "?7 illegal move\n\n"
            "?8 invalid color or coordinate\n\n"
            "=9 \n\n"
            "=10 \n\n"
            "=11 \n\n"
            "=12 \n\n"
            "=13 \n\n"
            "=14 W+2.5\n\n"
            "=15 \n\n"
            "=16 D4\n\n"
            "=17 1\n\n"
            "=18 D3\n\n"
            "=19 \n\n"
            "=20 \n\n"
            "=21 \n\n"
            "=22 \n\n"
            "?23 cannot undo\n\n"
            "?24 cannot undo\n\n"
            "=25 black\n\n"
            "=26 C7 E5\n\n"
            "?27 cannot open file\n\n"
            "=28 C7 E5\n\n"
            "?29 unacceptable size\n\n"
            "?30 unknown command\n\n"
            "?31 vertex must not be empty\n\n"
            "=32 W+0.5\n\n"
            "=33 \n\n");
}

TEST_F(SessionTest, EndOfInputEndsTheEngineCleanly) {
  int code = -1;
  EXPECT_EQ(Execute("", code), "");
  EXPECT_EQ(code, 0);
  EXPECT_EQ(Execute("name\nversion", code).substr(0, 11), "= Ilvane\n\n=");
  EXPECT_EQ(code, 0);
}

TEST_F(SessionTest, AnswersOneCommandAtATimeLikeAGuiExpects) {
  ProcessusGtp moteur({ILVANE_GTP_EXE}, "", dossier_.string());
  EXPECT_EQ(moteur.Commande("1 name"), "=1 Ilvane\n\n");
  EXPECT_EQ(moteur.Commande("play b E5"), "= \n\n");
  EXPECT_EQ(moteur.Commande("genmove w").substr(0, 2), "= ");
  EXPECT_EQ(moteur.Commande("list_stones b"), "= E5\n\n");
  EXPECT_EQ(moteur.Commande("2 quit"), "=2 \n\n");
  EXPECT_EQ(moteur.LitTout(), "");
  EXPECT_EQ(moteur.Attend(), 0);
}

TEST_F(SessionTest, GarbageGetsOneAnswerPerCommandLineAndNeverStopsTheEngine) {
  std::mt19937 alea(99);
  std::string entree;
  int lignes = 0;
  for (int i = 0; i < 300; i++) {
    std::string l;
    const int n = static_cast<int>(alea() % 60);
    // Printable garbage without '#' so that every line carries a word.
    for (int k = 0; k < n; k++) {
      char c = static_cast<char>(33 + alea() % 94);
      if (c == '#') c = 'x';
      l += c;
    }
    // Some binary bytes too, which are dropped or make unknown words.
    if (alea() % 4 == 0) l += std::string("\x01\x02\xff\x80\x7f\x1b", 6);
    entree += "z" + l + "\n";
    lignes++;
  }
  entree += std::string(LIGNE_GTP_MAX + 1, 'y') + "\n";
  lignes++;
  entree += "name\n";
  lignes++;
  int code = -1;
  const std::string sortie = Execute(entree, code);
  EXPECT_EQ(code, 0);
  int reponses = 0;
  for (size_t p = sortie.find("\n\n"); p != std::string::npos; p = sortie.find("\n\n", p + 2))
    reponses++;
  EXPECT_EQ(reponses, lignes);
  EXPECT_EQ(sortie.substr(sortie.size() - 10), "= Ilvane\n\n");
}

}  // namespace
