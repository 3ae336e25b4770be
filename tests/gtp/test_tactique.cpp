// attack, defend and ladder_attack: the capture search through the protocol,
// on a handful of problems (answers GNU Go agrees with, or any of several
// right moves), and on the chains of random positions, where the searches
// must leave the game as it was and answer with moves the rules allow.

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "gtp/gtp.h"
#include "processus.h"

namespace {

std::string R(const std::string& ligne) {
  std::string r;
  TraiteLigneGtp(ligne, r);
  return r;
}

struct Probleme {
  const char* Nom;
  std::vector<const char*> Coups;  // "b D4", "w C4"... played in order
  const char* Question;            // "attack D4"
  std::set<std::string> Reponses;  // the accepted answers, without "= "
};

// Test names show the problem's name, not its bytes.
void PrintTo(const Probleme& pb, std::ostream* os) {
  *os << pb.Nom;
}

const std::vector<Probleme> Problemes = {
    {"a stone in atari is taken", {"w D4", "b C4", "b D5", "b E4"}, "attack D4", {"1 D3"}},
    {"a stone in atari runs", {"w D4", "b C4", "b D5", "b E4"}, "defend D4", {"1 D3"}},
    {"ladder", {"b C4", "b D5", "b E5", "w D4"}, "ladder_attack D4", {"1 D3"}},
    {"ladder, as an attack", {"b C4", "b D5", "b E5", "w D4"}, "attack D4", {"1 D3"}},
    {"broken ladder", {"b C4", "b D5", "b E5", "w D4", "w G2"}, "ladder_attack D4", {"0"}},
    {"broken ladder, no other attack",
     {"b C4", "b D5", "b E5", "w D4", "w G2"},
     "attack D4",
     {"0"}},
    {"the wrong atari lets it out", {"w C7", "b B7", "b C8"}, "ladder_attack C7", {"0"}},
    {"saved by taking the stone that gives atari",
     {"b D4", "w C4", "w D5", "w E4", "b F4", "b E5", "w C3", "w D2"},
     "defend D4",
     {"1 E3"}},
    {"the stone giving atari is lost",
     {"b D4", "w C4", "w D5", "w E4", "b F4", "b E5", "w C3", "w D2"},
     "attack E4",
     {"1 E3"}},
    {"dead in the corner", {"w A1", "b B1", "b B2", "b A3"}, "defend A1", {"0"}},
    {"two stones on the edge", {"w A1", "w A2", "b B1", "b B2", "b B3"}, "attack A1", {"1 A3"}},
    {"no way out on the edge", {"w A1", "w A2", "b B1", "b B2", "b B3"}, "defend A1", {"0"}},
    {"net", {"w E5", "b D5", "b E6", "b G4", "b D3"}, "attack E5", {"1 F5"}},
    // Straight three on the edge, as GNU Go's owl_attack and owl_defend answer.
    {"straight three is killed at its vital point", {"b A2", "b B2", "b C2", "b D2", "b E2", "b A1", "b E1", "w A3", "w B3", "w C3", "w D3", "w E3", "w F3", "w F2", "w F1"}, "life_attack A2", {"1 C1"}},
    {"straight three lives at its vital point", {"b A2", "b B2", "b C2", "b D2", "b E2", "b A1", "b E1", "w A3", "w B3", "w C3", "w D3", "w E3", "w F3", "w F2", "w F1"}, "life_defend A2", {"1 C1"}},
    {"straight three in the analysis", {"b A2", "b B2", "b C2", "b D2", "b E2", "b A1", "b E1", "w A3", "w B3", "w C3", "w D3", "w E3", "w F3", "w F2", "w F1"}, "group_status A2",
     {"F 0.5 alive 0 dead 0 live C1 kill C1"}},
    {"out of the net", {"w E5", "b D5", "b E6", "b G4", "b D3"}, "defend E5", {"1 F5", "1 E4"}},
    {"a safe group", {"b D4", "b D5", "w F6"}, "attack D4", {"0"}},
    {"the ko retake is banned",
     {"b E6", "b D5", "b E4", "w F6", "w G5", "w F4", "w E5", "b F5"},
     "attack F5",
     {"0"}},
    {"the ko's capturer is not in danger while the retake is banned",
     {"b E6", "b D5", "b E4", "w F6", "w G5", "w F4", "w E5", "b F5"},
     "defend F5",
     {"1 pass"}},
    {"four liberties need no rescue", {"b E5"}, "defend E5", {"1 E6", "1 D5", "1 F5", "1 E4"}},
    {"a safe group extends where it gains most",
     {"b D4", "b D5", "w F6", "w E4", "w C5"},
     "defend D4",
     {"1 D6"}},
};

class TactiqueTest : public ::testing::TestWithParam<Probleme> {
 protected:
  void SetUp() override { ReinitialiseGtp(); }
};

TEST_P(TactiqueTest, Answer) {
  const Probleme& pb = GetParam();
  for (const char* c : pb.Coups) ASSERT_EQ(R(std::string("play ") + c), "= \n\n") << c;
  const std::string avant = R("showboard");
  const std::string r = R(pb.Question);
  ASSERT_EQ(r.substr(0, 2), "= ") << r;
  EXPECT_TRUE(pb.Reponses.count(r.substr(2, r.size() - 4))) << pb.Question << " -> " << r;
  // The search takes back everything it plays.
  EXPECT_EQ(R("showboard"), avant);
}

INSTANTIATE_TEST_SUITE_P(Problemes, TactiqueTest, ::testing::ValuesIn(Problemes),
                         [](const ::testing::TestParamInfo<Probleme>& info) {
                           std::string nom;
                           for (const char* c = info.param.Nom; *c; c++)
                             nom += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                           return nom;
                         });

TEST(Tactique, ErrorsAndEmptyPoints) {
  ReinitialiseGtp();
  for (const char* c : {"attack", "defend", "ladder_attack"}) {
    EXPECT_EQ(R(std::string(c) + " D4"), "? vertex must not be empty\n\n");
    EXPECT_EQ(R(std::string(c) + " pass"), "? invalid coordinate\n\n");
    EXPECT_EQ(R(std::string(c) + " Z4"), "? invalid coordinate\n\n");
    EXPECT_EQ(R(c), "? syntax error\n\n");
  }
  R("play b D4");
  EXPECT_EQ(R("ladder_attack D4"), "? string must have exactly 2 liberties\n\n");
}

// The colour of the stone at a vertex, from list_stones.
int CouleurDe(const std::string& v) {
  for (int c = 1; c <= 2; c++) {
    std::istringstream in(R(c == 1 ? "list_stones b" : "list_stones w").substr(1));
    for (std::string w; in >> w;)
      if (w == v) return c;
  }
  return 0;
}

// Random positions: every search on every stone answers "0" or "1 <move>"
// with a move the side in question may play, and leaves the game unchanged.
// A chain in atari whose liberty the attacker may take is always captured,
// and a ladder found is an attack found.
TEST(Tactique, RandomPositionsStayIntactAndAnswersAreLegal) {
  ReinitialiseGtp();
  std::mt19937 alea(5);
  const int positions = AvecSanitizer ? 8 : 30;
  for (int n = 0; n < positions; n++) {
    R("clear_board");
    const int coups = 20 + static_cast<int>(alea() % 50);
    for (int k = 0; k < coups; k++) {
      const char* couleur = k % 2 ? "w" : "b";
      for (int essai = 0; essai < 50; essai++) {
        const int p = static_cast<int>(alea() % 81);
        const std::string v = std::string(1, "ABCDEFGHJ"[p % 9]) + std::to_string(9 - p / 9);
        if (R(std::string("play ") + couleur + " " + v) == "= \n\n") break;
      }
    }
    const std::string avant = R("showboard");
    std::vector<std::string> pierres;
    for (const char* c : {"list_stones b", "list_stones w"}) {
      std::istringstream in(R(c).substr(1));
      for (std::string w; in >> w;) pierres.push_back(w);
    }
    for (const std::string& v : pierres) {
      const int couleur = CouleurDe(v);
      const char* moi = couleur == 1 ? "b " : "w ";
      const char* lui = couleur == 1 ? "w " : "b ";
      const std::string libs = R("countlib " + v);
      std::string attaque;
      for (const char* q : {"attack ", "defend ", "ladder_attack "}) {
        const std::string r = R(q + v);
        ASSERT_EQ(R("showboard"), avant) << q << v;
        if (std::string(q) == "ladder_attack " && libs != "= 2\n\n") {
          ASSERT_EQ(r, "? string must have exactly 2 liberties\n\n");
          continue;
        }
        ASSERT_TRUE(r == "= 0\n\n" || r.substr(0, 4) == "= 1 ") << q << v << " -> " << r;
        // What the attack cannot take is defended.
        if (std::string(q) == "defend " && attaque == "0") {
          EXPECT_EQ(r.substr(0, 4), "= 1 ") << v << "\n" << avant;
        }
        if (r == "= 0\n\n") {
          if (std::string(q) == "ladder_attack ") continue;
          if (std::string(q) == "attack ") attaque = "0";
          continue;
        }
        const std::string coup = r.substr(4, r.size() - 6);
        const char* joueur = std::string(q) == "defend " ? moi : lui;
        ASSERT_EQ(R(std::string("is_legal ") + joueur + coup), "= 1\n\n") << q << v << " -> " << r;
        if (std::string(q) == "attack ") attaque = "1";
        if (std::string(q) == "ladder_attack ") {
          EXPECT_EQ(attaque, "1") << v << "\n" << avant;
        }
      }
      if (libs == "= 1\n\n") {
        const std::string l = R("findlib " + v);
        if (R(std::string("is_legal ") + lui + l.substr(2, l.size() - 4)) == "= 1\n\n") {
          EXPECT_EQ(attaque, "1") << v << "\n" << avant;
        }
      }
    }
  }
}

}  // namespace
