// Random input thrown at the command loop: raw bytes, and lines built from
// the protocol's own words mixed with junk. Every command line gets exactly
// one well-formed answer, the loop ends at quit or at the end of the input,
// and the position stays sound. The inputs kept in fuzz/gtp/entrees-gtp/ and
// the records kept in fuzz/gtp/entrees-sgf/ (found by the libFuzzer targets
// fuzz_gtp and fuzz_sgf) are replayed the same way.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "gtp/gtp.h"
#include "processus.h"

namespace {

// How many answers a session must give, counted independently of the engine:
// one per line that keeps a word once control characters and comments go,
// up to and including a quit.
int ReponsesAttendues(const std::string& entree) {
  int n = 0;
  size_t debut = 0;
  while (debut < entree.size()) {
    size_t fin = entree.find('\n', debut);
    if (fin == std::string::npos) fin = entree.size();
    std::string ligne;
    for (size_t i = debut; i < fin && i - debut < LIGNE_GTP_MAX; i++) {
      const auto c = static_cast<unsigned char>(entree[i]);
      if (c == '#') break;
      if (c == '\t')
        ligne += ' ';
      else if (c >= 32 && c != 127)
        ligne += static_cast<char>(c);
    }
    std::istringstream mots(ligne);
    std::string premier, second;
    if (mots >> premier) {
      n++;
      if (premier.find_first_not_of("0123456789") == std::string::npos)
        mots >> second;
      else
        second = premier;
      if (second == "quit" && fin - debut <= LIGNE_GTP_MAX) return n;
    }
    debut = fin + 1;
  }
  return n;
}

// Checks the output of a session; returns its number of answers.
int ReponsesBienFormees(const std::string& sortie) {
  int n = 0;
  size_t debut = 0;
  while (debut < sortie.size()) {
    const size_t fin = sortie.find("\n\n", debut);
    EXPECT_NE(fin, std::string::npos) << "unterminated answer";
    if (fin == std::string::npos) break;
    const std::string r = sortie.substr(debut, fin - debut);
    EXPECT_TRUE(r[0] == '=' || r[0] == '?') << r;
    size_t i = 1;
    while (i < r.size() && r[i] >= '0' && r[i] <= '9') i++;
    EXPECT_TRUE(i < r.size() && r[i] == ' ') << r;
    n++;
    debut = fin + 2;
  }
  return n;
}

// Every stone on the board has a liberty and the two lists never overlap.
void PositionSaine() {
  const Damier& d = PositionGtp();
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int c = Couleur(d, p);
    ASSERT_LE(c, 2) << p;
    if (c == 0) continue;
    std::string r;
    TraiteLigneGtp("countlib " + EcritVertex(p), r);
    ASSERT_NE(r, "= 0\n\n") << EcritVertex(p);
  }
}

void Verifie(const std::string& entree) {
  std::istringstream in(entree);
  std::ostringstream out;
  BoucleGtp(in, out);
  ASSERT_EQ(ReponsesBienFormees(out.str()), ReponsesAttendues(entree));
  PositionSaine();
}

class FuzzTest : public ::testing::Test {
 protected:
  void SetUp() override { ReinitialiseGtp(); }
};

TEST_F(FuzzTest, RandomBytes) {
  std::mt19937 alea(1234);
  const int sessions = AvecSanitizer ? 500 : 2000;
  for (int s = 0; s < sessions; s++) {
    std::string entree;
    const int n = static_cast<int>(alea() % 2000);
    for (int i = 0; i < n; i++) {
      // Plenty of new lines, so that there are many short lines.
      entree += alea() % 16 == 0 ? '\n' : static_cast<char>(alea());
    }
    ASSERT_NO_FATAL_FAILURE(Verifie(entree)) << "session " << s;
  }
}

// The engine's move choice is left out: it is the engine's own tests' business
// and would make thousands of sessions slow once it thinks.
TEST_F(FuzzTest, ProtocolWordsAndJunk) {
  const std::vector<std::string> mots = {"protocol_version",
                                         "name",
                                         "version",
                                         "known_command",
                                         "list_commands",
                                         "quit",
                                         "boardsize",
                                         "clear_board",
                                         "komi",
                                         "play",
                                         "undo",
                                         "showboard",
                                         "final_score",
                                         "time_settings",
                                         "time_left",
                                         "loadsgf",
                                         "is_legal",
                                         "list_stones",
                                         "countlib",
                                         "findlib",
                                         "b",
                                         "w",
                                         "black",
                                         "white",
                                         "B",
                                         "WHITE",
                                         "pass",
                                         "PASS",
                                         "A1",
                                         "a1",
                                         "J9",
                                         "j9",
                                         "E5",
                                         "e5",
                                         "C3",
                                         "D4",
                                         "T19",
                                         "I5",
                                         "Z0",
                                         "A0",
                                         "A99",
                                         "K10",
                                         "0",
                                         "1",
                                         "2",
                                         "5",
                                         "9",
                                         "13",
                                         "19",
                                         "20",
                                         "-1",
                                         "6.5",
                                         "-0.5",
                                         "1e308",
                                         "nan",
                                         "inf",
                                         "x",
                                         "",
                                         "#",
                                         "\t",
                                         "\r",
                                         "\x01",
                                         "\x7f",
                                         "\xff",
                                         "007",
                                         "99999999999999999999",
                                         "/",
                                         "/dev/null",
                                         "/nonexistent.sgf",
                                         "."};
  std::mt19937 alea(4321);
  const int sessions = AvecSanitizer ? 1000 : 5000;
  for (int s = 0; s < sessions; s++) {
    std::string entree;
    const int lignes = 1 + static_cast<int>(alea() % 80);
    for (int l = 0; l < lignes; l++) {
      if (alea() % 3 == 0) entree += std::to_string(alea() % 1000) + " ";
      const int n = 1 + static_cast<int>(alea() % 4);
      for (int k = 0; k < n; k++) {
        const std::string& m = mots[alea() % mots.size()];
        // Quit only now and then, so that most sessions run to the end.
        if (m == "quit" && alea() % 8 != 0) continue;
        entree += m;
        entree += alea() % 10 == 0 ? "\t" : " ";
      }
      entree += alea() % 10 == 0 ? "\r\n" : "\n";
    }
    ASSERT_NO_FATAL_FAILURE(Verifie(entree)) << "session " << s << ":\n" << entree;
  }
}

TEST_F(FuzzTest, KeptInputsStillPass) {
  int n = 0;
  for (const auto& f : std::filesystem::directory_iterator(ILVANE_GTP_CORPUS)) {
    std::ifstream in(f.path(), std::ios::binary);
    const std::string entree((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    ReinitialiseGtp();
    ASSERT_NO_FATAL_FAILURE(Verifie(entree)) << f.path();
    n++;
  }
  EXPECT_GT(n, 0);
}

TEST_F(FuzzTest, KeptRecordsStillPass) {
  int n = 0;
  for (const auto& f : std::filesystem::directory_iterator(ILVANE_SGF_CORPUS)) {
    ReinitialiseGtp();
    std::string r;
    TraiteLigneGtp("play b E5", r);
    const Damier avant = PositionGtp();
    r.clear();
    TraiteLigneGtp("loadsgf " + f.path().string(), r);
    ASSERT_GE(r.size(), 3u) << f.path();
    ASSERT_EQ(r.find('\n'), r.size() - 2) << f.path();
    if (r[0] == '?') {
      EXPECT_EQ(PositionGtp(), avant) << f.path();
      EXPECT_EQ(TailleGoban, 9) << f.path();
    } else {
      EXPECT_TRUE(r == "= black\n\n" || r == "= white\n\n") << f.path();
      ASSERT_NO_FATAL_FAILURE(PositionSaine()) << f.path();
    }
    n++;
  }
  EXPECT_GT(n, 0);
}

}  // namespace
