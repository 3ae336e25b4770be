#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "board/ecriture.h"
#include "board/incremental.h"
#include "diagramme.h"
#include "test_util.h"

namespace {

class EcritureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitialiseGoban(9);
    ReinitialiseIncremental();
  }
  void TearDown() override { InitialiseGoban(9); }
};

const char* const kPositionNeuf =
    ". . . . . . . . ."
    ". . @ . . . . . ."
    ". . . . . . . . ."
    ". . . . . O . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . @"
    "O . . . . . . . .";

TEST_F(EcritureTest, EmptyBoardIsTwelveLines) {
  const Damier d = DamierDe(std::string(81, '.'));
  std::string attendu = "/ - - - - - - - - - \\\n";
  for (int i = 0; i < 9; i++) attendu += "| + + + + + + + + + | \n";
  attendu += "\\ - - - - - - - - - / \n!\n";
  EXPECT_EQ(Ecrit([&](std::FILE* f) { EcritDamier(f, d); }), attendu);
}

TEST_F(EcritureTest, StonesAndAStrayCode) {
  Damier d = DamierDe(kPositionNeuf);
  EXPECT_EQ(Ecrit([&](std::FILE* f) { EcritDamier(f, d); }),
            "/ - - - - - - - - - \\\n"
            "| + + + + + + + + + | \n"
            "| + + @ + + + + + + | \n"
            "| + + + + + + + + + | \n"
            "| + + + + + O + + + | \n"
            "| + + + + + + + + + | \n"
            "| + + + + + + + + + | \n"
            "| + + + + + + + + + | \n"
            "| + + + + + + + + @ | \n"
            "| O + + + + + + + + | \n"
            "\\ - - - - - - - - - / \n"
            "!\n");
  // Code 3 is never stored, but a picture shows it as colour 1.
  PosePierre(d, 0, 3);
  EXPECT_EQ(Ecrit([&](std::FILE* f) { EcritDamier(f, d); }).substr(22, 23),
            "| @ + + + + + + + + | \n");
}

TEST_F(EcritureTest, SmallBoard) {
  const Damier d = DamierDe("@ O . .  . . . .  . . . .  . . . O");
  EXPECT_EQ(Ecrit([&](std::FILE* f) { EcritDamier(f, d); }),
            "/ - - - - \\\n"
            "| @ O + + | \n"
            "| + + + + | \n"
            "| + + + + | \n"
            "| + + + O | \n"
            "\\ - - - - / \n"
            "!\n");
}

TEST_F(EcritureTest, NumberedPictureLabelsRowsByTheirFirstPoint) {
  const Damier d = DamierDe(kPositionNeuf);
  EXPECT_EQ(Ecrit([&](std::FILE* f) { EcritDamierNumerote(f, d); }),
            "       1  2  3  4  5  6  7  8  9  \n"
            "    /  -  -  -  -  -  -  -  -  -  \\\n"
            "  0 |  +  +  +  +  +  +  +  +  +  |  1\n"
            "  9 |  +  +  @  +  +  +  +  +  +  |  2\n"
            " 18 |  +  +  +  +  +  +  +  +  +  |  3\n"
            " 27 |  +  +  +  +  +  O  +  +  +  |  4\n"
            " 36 |  +  +  +  +  +  +  +  +  +  |  5\n"
            " 45 |  +  +  +  +  +  +  +  +  +  |  6\n"
            " 54 |  +  +  +  +  +  +  +  +  +  |  7\n"
            " 63 |  +  +  +  +  +  +  +  +  @  |  8\n"
            " 72 |  O  +  +  +  +  +  +  +  +  |  9\n"
            "    \\ -  -  -  -  -  -  -  -  -  / \n");
}

TEST_F(EcritureTest, IncrementalPictureHasNoSpaceInTheBottomCornerAndNoEndLine) {
  InitialiseDamierIncremental(DamierDe(kPositionNeuf));
  ASSERT_EQ(EssaieCoupIncremental(4, 2), 1);
  std::string attendu =
      "/ - - - - - - - - - \\\n"
      "| + + + + O + + + + | \n"
      "| + + @ + + + + + + | \n"
      "| + + + + + + + + + | \n"
      "| + + + + + O + + + | \n"
      "| + + + + + + + + + | \n"
      "| + + + + + + + + + | \n"
      "| + + + + + + + + + | \n"
      "| + + + + + + + + @ | \n"
      "| O + + + + + + + + | \n"
      "\\- - - - - - - - - / \n";
  EXPECT_EQ(Ecrit([](std::FILE* f) { EcritDamierIncremental(f); }), attendu);
  UndoIncremental();
}

TEST_F(EcritureTest, NamedFileHoldsThePicture) {
  const Damier d = DamierDe(kPositionNeuf);
  const std::string nom = ::testing::TempDir() + "ecriture_goban.gob";
  {
    std::ofstream ancien(nom);
    ancien << "an older and much longer content that must not survive\n\n\n\n\n\n\n\n\n\n\n\n\n";
  }
  EXPECT_EQ(EcritDamierNom(d, nom.c_str()), 1);
  std::ifstream f(nom, std::ios::binary);
  std::stringstream lu;
  lu << f.rdbuf();
  EXPECT_EQ(lu.str(), Ecrit([&](std::FILE* s) { EcritDamier(s, d); }));
  std::remove(nom.c_str());
}

TEST_F(EcritureTest, UnopenableFileIsReportedOnTheConsole) {
  const Damier d = DamierDe(kPositionNeuf);
  const std::string nom = ::testing::TempDir() + "pas/de/dossier/goban.gob";
  CaptureConsole console;
  EXPECT_EQ(EcritDamierNom(d, nom.c_str()), 0);
  EXPECT_EQ(console.Texte(), "Pb EcritDamierNom\n");
  EXPECT_FALSE(std::ifstream(nom).good());
}

// A file that opens but cannot take the picture (a full disk) is a failure too.
TEST_F(EcritureTest, FailedWriteIsReportedOnTheConsole) {
  if (!std::ifstream("/dev/full").good()) GTEST_SKIP() << "no /dev/full";
  CaptureConsole console;
  EXPECT_EQ(EcritDamierNom(DamierDe(kPositionNeuf), "/dev/full"), 0);
  EXPECT_EQ(console.Texte(), "Pb EcritDamierNom\n");
}

}  // namespace
