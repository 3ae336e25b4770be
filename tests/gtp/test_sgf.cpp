// loadsgf: setup stones and moves of a record's main line, the move-number
// limit, and records that cannot be read, refused whole with the game left as
// it was.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "gtp/gtp.h"
#include "game/sgf.h"

namespace {

std::string R(const std::string& ligne) {
  std::string r;
  TraiteLigneGtp(ligne, r);
  return r;
}

const std::string Partie =
    "(;GM[1]FF[4]SZ[9]KM[5.5]AB[cc][dd]AW[ee]C[setup]\n"
    ";B[ff];W[gg]\n"
    "(;B[hh]C[a comment with \\] and [brackets];W[])\n"
    "(;B[aa]))";

class SgfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReinitialiseGtp();
    dossier_ = std::filesystem::temp_directory_path() /
               ("ilvane-sgf-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dossier_);
  }
  void TearDown() override { std::filesystem::remove_all(dossier_); }

  std::string Fichier(const std::string& contenu) {
    const std::string chemin = (dossier_ / ("f" + std::to_string(n_++) + ".sgf")).string();
    std::ofstream(chemin, std::ios::binary) << contenu;
    return chemin;
  }

  // Everything a refused record must leave alone.
  static std::string Etat() {
    return R("showboard") + R("final_score") + R("list_stones b") + R("list_stones w") +
           R("is_legal w C3");
  }

  std::filesystem::path dossier_;
  int n_ = 0;
};

TEST_F(SgfTest, LoadsSetupAndTheMainLine) {
  const std::string f = Fichier(Partie);
  EXPECT_EQ(R("loadsgf " + f), "= black\n\n");
  EXPECT_EQ(R("list_stones black"), "= C7 D6 F4 H2\n\n");
  EXPECT_EQ(R("list_stones white"), "= E5 G3\n\n");
  // 4 stones to 2, komi 5.5 from the record.
  EXPECT_EQ(R("final_score"), "= W+3.5\n\n");
  // The moves can be taken back, the setup cannot.
  for (int i = 0; i < 4; i++) EXPECT_EQ(R("undo"), "= \n\n");
  EXPECT_EQ(R("undo"), "? cannot undo\n\n");
  EXPECT_EQ(R("list_stones black"), "= C7 D6\n\n");
  EXPECT_EQ(R("list_stones white"), "= E5\n\n");
}

TEST_F(SgfTest, MoveNumberStopsBeforeThatMove) {
  const std::string f = Fichier(Partie);
  EXPECT_EQ(R("loadsgf " + f + " 1"), "= black\n\n");
  EXPECT_EQ(R("list_stones black"), "= C7 D6\n\n");
  EXPECT_EQ(R("undo"), "? cannot undo\n\n");
  EXPECT_EQ(R("loadsgf " + f + " 2"), "= white\n\n");
  EXPECT_EQ(R("list_stones black"), "= C7 D6 F4\n\n");
  EXPECT_EQ(R("loadsgf " + f + " 3"), "= black\n\n");
  EXPECT_EQ(R("list_stones white"), "= E5 G3\n\n");
  EXPECT_EQ(R("loadsgf " + f + " 4"), "= white\n\n");
  EXPECT_EQ(R("list_stones black"), "= C7 D6 F4 H2\n\n");
  EXPECT_EQ(R("loadsgf " + f + " 99"), "= black\n\n");
  EXPECT_EQ(R("loadsgf " + f + " 0"), "= black\n\n");
  EXPECT_EQ(R("undo"), "= \n\n");
  EXPECT_EQ(R("undo"), "= \n\n");
  EXPECT_EQ(R("list_stones black"), "= C7 D6 F4\n\n");
  EXPECT_EQ(R("loadsgf " + f + " -1"), "? syntax error\n\n");
  EXPECT_EQ(R("loadsgf " + f + " two"), "? syntax error\n\n");
  EXPECT_EQ(R("loadsgf"), "? syntax error\n\n");
}

TEST_F(SgfTest, BoardSizePlayerAndOldStyleProperties) {
  // No SZ: the record is 19x19. "tt" is a pass there.
  EXPECT_EQ(R("loadsgf " + Fichier("(;B[ss];W[tt];B[aa])")), "= white\n\n");
  EXPECT_EQ(R("list_stones b"), "= A19 T1\n\n");
  EXPECT_EQ(R("play w T19"), "= \n\n");
  // Junk before the record, old-style identifiers, a rectangle of setup
  // stones, AE, PL and the handicap's colour to play.
  EXPECT_EQ(R("loadsgf " + Fichier("From: someone\n\n(;FF[3]SiZe[5]HA[2]AddBlack[aa:bc]"
                                   "AddEmpty[ab]AW[ee])")),
            "= white\n\n");
  EXPECT_EQ(R("list_stones b"), "= A5 B5 B4 A3 B3\n\n");
  EXPECT_EQ(R("list_stones w"), "= E1\n\n");
  EXPECT_EQ(R("loadsgf " + Fichier("(;SZ[5]HA[2]AB[aa][ee]PL[B])")), "= black\n\n");
  EXPECT_EQ(R("loadsgf " + Fichier("(;SZ[ 7 ]PL[w];W[aa]PL[W])")), "= white\n\n");
  EXPECT_EQ(R("list_stones w"), "= A7\n\n");
  // Setup later in the game, and the properties of a node in any order.
  EXPECT_EQ(R("loadsgf " + Fichier("(;SZ[9];B[ee];W[dd]AB[aa]AE[ee];B[cc])")), "= white\n\n");
  EXPECT_EQ(R("list_stones b"), "= A9 C7\n\n");
  EXPECT_EQ(R("list_stones w"), "= D6\n\n");
}

TEST_F(SgfTest, SetupAroundTheFirstPointBansNothing) {
  EXPECT_EQ(R("loadsgf " + Fichier("(;SZ[9]AW[ba][ab]AB[ca][bb][ac])")), "= black\n\n");
  EXPECT_EQ(R("is_legal b A9"), "= 1\n\n");
  EXPECT_EQ(R("play b A9"), "= \n\n");
  EXPECT_EQ(R("list_stones w"), "= \n\n");
}

TEST_F(SgfTest, CapturesAndKoOfTheRecordAreReplayed) {
  // Black takes the ko at B8 (bb); White may not take back at once.
  const std::string ko = "(;SZ[9]AB[ba][ab][bc]AW[ca][db][cc];W[bb];B[cb])";
  EXPECT_EQ(R("loadsgf " + Fichier(ko)), "= white\n\n");
  EXPECT_EQ(R("list_stones w"), "= C9 D8 C7\n\n");
  EXPECT_EQ(R("is_legal w B8"), "= 0\n\n");
  const std::string retake = "(;SZ[9]AB[ba][ab][bc]AW[ca][db][cc];W[bb];B[cb];W[bb])";
  EXPECT_EQ(R("loadsgf " + Fichier(retake)), "? illegal move in game record (move 3)\n\n");
}

TEST_F(SgfTest, UnreadableRecordsAreRefusedAndChangeNothing) {
  R("play b D4");
  R("play w E5");
  R("komi 2.5");
  const std::string avant = Etat();
  const std::vector<std::pair<std::string, std::string>> mauvais = {
      {"", "not a game record"},
      {"garbage", "not a game record"},
      {"(", "not a game record"},
      {"(;", "truncated game record"},
      {"(;SZ[9]", "truncated game record"},
      {"(;SZ[9];B[", "truncated game record"},
      {"(;SZ[9];B[aa]\\", "malformed game record"},
      {"(;SZ[9];B[aa]B", "truncated game record"},
      {"(;SZ[9];B[aa](", "truncated game record"},
      {"(;SZ[9];B[aa]W)", "malformed game record"},
      {"(;SZ[9];B[aa];;1)", "malformed game record"},
      {"(;SZ[9]x)", "malformed game record"},
      {"(;SZ[25])", "unacceptable size in game record"},
      {"(;SZ[0])", "unacceptable size in game record"},
      {"(;SZ[9:9])", "unacceptable size in game record"},
      {"(;SZ[x])", "unacceptable size in game record"},
      {"(;GM[2])", "not a Go game record"},
      {"(;KM[abc])", "invalid komi in game record"},
      {"(;SZ[9];B[zz])", "invalid move in game record"},
      {"(;SZ[9];B[a])", "invalid move in game record"},
      {"(;SZ[9];B[aa][bb])", "invalid move in game record"},
      {"(;SZ[9]AB[jj])", "invalid point in game record"},
      {"(;SZ[9]AB[aa:zz])", "invalid point in game record"},
      {"(;SZ[9]PL[X])", "invalid player in game record"},
      {"(;SZ[9];B[aa];W[aa])", "illegal move in game record (move 2)"},
      {"(;SZ[9]AB[aa]AW[ab][ba])", "invalid setup in game record: stones without liberties"},
      {"(;SZ[2]AB[aa][ab][ba][bb])", "invalid setup in game record: stones without liberties"},
  };
  for (const auto& [contenu, message] : mauvais) {
    EXPECT_EQ(R("loadsgf " + Fichier(contenu)), "? " + message + "\n\n") << contenu;
    ASSERT_EQ(Etat(), avant) << contenu;
  }
  EXPECT_EQ(R("loadsgf " + (dossier_ / "absent.sgf").string()), "? cannot open file\n\n");
  EXPECT_EQ(R("loadsgf " + dossier_.string()), "? cannot read file\n\n");
  // Larger than any game record: refused, not cut.
  EXPECT_EQ(R("loadsgf " + Fichier("(;SZ[9]C[" + std::string(TAILLE_FICHIER_SGF_MAX, 'x') + "])")),
            "? file too large\n\n");
  // Rectangles that ask for far more points than any board has.
  std::string rectangles = "(;SZ[19]";
  for (int i = 0; i < 7000; i++) rectangles += "AB[aa:ss]";
  EXPECT_EQ(R("loadsgf " + Fichier(rectangles + ")")), "? game record too large\n\n");
  ASSERT_EQ(Etat(), avant);
  EXPECT_EQ(R("undo"), "= \n\n");
  EXPECT_EQ(R("list_stones w"), "= \n\n");
}

TEST_F(SgfTest, AnIllegalMoveAfterTheLimitDoesNotMatter) {
  const std::string f = Fichier("(;SZ[9];B[aa];W[bb];B[aa])");
  EXPECT_EQ(R("loadsgf " + f + " 3"), "= black\n\n");
  EXPECT_EQ(R("loadsgf " + f), "? illegal move in game record (move 3)\n\n");
  EXPECT_EQ(R("list_stones w"), "= B8\n\n");
}

// Every prefix of a record, and records with random bytes changed, inserted
// or removed: each is either loaded into a sound position or refused with the
// game unchanged.
TEST_F(SgfTest, CutAndDamagedRecordsNeverBreakTheGame) {
  const std::string modele =
      "(;GM[1]FF[4]SZ[9]KM[6.5]PB[a]PW[b]AB[cc:dd]AW[ff][gg]C[x\\]y]"
      ";B[ee];W[fe];B[ef];W[eg];B[dg];W[tt];B[ge](;W[hh];B[ii])(;W[aa]))";
  std::mt19937 alea(7);
  std::vector<std::string> textes;
  for (size_t n = 0; n <= modele.size(); n++) textes.push_back(modele.substr(0, n));
  const std::string octets("()[];:\\ABWEPLSZKMtaz09\n\0\xff", 25);
  for (int i = 0; i < 1500; i++) {
    std::string t = modele;
    const int changes = 1 + static_cast<int>(alea() % 4);
    for (int k = 0; k < changes; k++) {
      const size_t pos = alea() % (t.size() + 1);
      const char c = (alea() % 2) ? octets[alea() % octets.size()] : static_cast<char>(alea());
      switch (alea() % 3) {
        case 0:
          if (pos < t.size()) t[pos] = c;
          break;
        case 1:
          t.insert(t.begin() + static_cast<long>(pos), c);
          break;
        default:
          if (pos < t.size()) t.erase(pos, 1);
      }
    }
    textes.push_back(t);
  }
  const std::string f = (dossier_ / "abime.sgf").string();
  int acceptes = 0;
  for (const std::string& t : textes) {
    ReinitialiseGtp();
    R("play b J1");
    const std::string avant = Etat();
    std::ofstream(f, std::ios::binary | std::ios::trunc) << t;
    const std::string r = R("loadsgf " + f + (alea() % 3 ? "" : " " + std::to_string(alea() % 8)));
    ASSERT_GE(r.size(), 3u) << t;
    ASSERT_EQ(r.substr(r.size() - 2), "\n\n") << t;
    ASSERT_EQ(r.find('\n'), r.size() - 2) << t;
    if (r[0] == '?') {
      ASSERT_EQ(Etat(), avant) << t;
      continue;
    }
    ASSERT_TRUE(r == "= black\n\n" || r == "= white\n\n") << t << " -> " << r;
    acceptes++;
    // Every stone of the loaded position has a liberty.
    for (const char* c : {"b", "w"}) {
      const std::string pierres = R(std::string("list_stones ") + c);
      size_t debut = 2;
      while (debut < pierres.size() - 2) {
        size_t fin = pierres.find(' ', debut);
        if (fin == std::string::npos || fin > pierres.size() - 2) fin = pierres.size() - 2;
        const std::string v = pierres.substr(debut, fin - debut);
        ASSERT_NE(R("countlib " + v), "= 0\n\n") << t << " " << v;
        debut = fin + 1;
      }
    }
  }
  EXPECT_GT(acceptes, 50);
}

TEST(LitSgf, KeepsOnlyWhatSetsUpThePosition) {
  PartieSgf p;
  ASSERT_EQ(LitSgf("(;SZ[3]KM[0.5]HA[0]AB[aa:ab]C[x];W[cc]PL[B])", p), "");
  EXPECT_EQ(p.Taille, 3);
  EXPECT_TRUE(p.AvecKomi);
  EXPECT_EQ(p.Komi, 0.5);
  ASSERT_EQ(p.Actions.size(), 6u);
  EXPECT_EQ(p.Actions[0].Type, ActionSgf::Pose);
  EXPECT_EQ(p.Actions[0].Point, 0);
  EXPECT_EQ(p.Actions[1].Point, 3);
  EXPECT_EQ(p.Actions[2].Type, ActionSgf::FinNoeud);
  EXPECT_EQ(p.Actions[3].Type, ActionSgf::Coup);
  EXPECT_EQ(p.Actions[3].Couleur, 2);
  EXPECT_EQ(p.Actions[3].Point, 8);
  EXPECT_EQ(p.Actions[4].Type, ActionSgf::Joueur);
  EXPECT_EQ(p.Actions[4].Couleur, 1);
  EXPECT_EQ(p.Actions[5].Type, ActionSgf::FinNoeud);
  // Deeply nested variations are followed without recursion.
  std::string profond = "(;SZ[9]";
  for (int i = 0; i < 200000; i++) profond += "(;";
  ASSERT_EQ(LitSgf(profond + ")", p), "");
  EXPECT_EQ(p.Actions.size(), 200001u);
}

}  // namespace
