// Tactical problems: a diagram, a chain, the question (capture with the
// attacker to move, or save with the owner to move), the expected answer of the
// driver and, where it is unique, the move. Each problem runs in all eight
// orientations, and the board must be exactly as found afterwards.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "outils_tactique.h"
#include "tactics/prise.h"

namespace {

enum class Question { Prendre, Sauver };

struct CoupPrealable {
  Coord c;
  int couleur;
};

struct Probleme {
  const char* nom;
  const char* diagramme;
  Coord cible;
  Question question;
  int attendu;                         // 4: the side to move succeeds, 0: it fails
  std::vector<Coord> coups;            // the accepted moves (empty: any)
  std::vector<CoupPrealable> avant{};  // moves played on the board first
  // GNU Go's answer to the same question when it differs from ours by design
  // (-1: it agrees).
  int gnugoDiffere = -1;
};

// Failure messages show the problem's name, not its bytes.
std::ostream& operator<<(std::ostream& o, const Probleme& p) {
  return o << p.nom;
}

// '@' is colour 1, 'O' colour 2; x is the column from the left, y the row from
// the top.
const std::vector<Probleme> Problemes = {
    // Ladders. The eight orientations run them in every direction.
    {"echelle_prendre",
     ".........\n"
     "..@......\n"
     ".@O......\n"
     ".@.......\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     {3, 3},
     Question::Prendre,
     4,
     {{4, 3}}},
    {"echelle_sauver_en_atari",
     ".........\n"
     "..@......\n"
     ".@O@.....\n"
     ".@.......\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     {3, 3},
     Question::Sauver,
     0,
     {}},
    {"echelle_cassee_par_une_pierre_amie",
     ".........\n"
     "..@......\n"
     ".@O@.....\n"
     ".@.......\n"
     "....O....\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     {3, 3},
     Question::Sauver,
     4,
     {{3, 4}}},
    // With the ladder broken, GNU Go still nets the stone at (4,4) and reads
    // the three-liberty fight that follows; our search leaves three-liberty
    // chains to the quick tests and finds no capture.
    {"echelle_cassee_prendre_echoue",
     ".........\n"
     "..@......\n"
     ".@O......\n"
     ".@.......\n"
     "....O....\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     {3, 3},
     Question::Prendre,
     0,
     {},
     {},
     1},
    {"echelle_contre_le_bord",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     "...@.....\n"
     "..@O.....\n"
     ".........\n",
     {4, 8},
     Question::Prendre,
     4,
     {{5, 8}}},
    {"echelle_contre_le_bord_sauver",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     "...@.....\n"
     "..@O@....\n"
     ".........\n",
     {4, 8},
     Question::Sauver,
     0,
     {}},
    // A net where the ladders are broken.
    {"filet",
     ".........\n"
     ".........\n"
     ".........\n"
     "....@@...\n"
     "...@O....\n"
     "...@.....\n"
     ".O.....O.\n"
     "..O...O..\n"
     ".........\n",
     {5, 5},
     Question::Prendre,
     4,
     {{6, 6}}},
    {"filet_sauver",
     ".........\n"
     ".........\n"
     ".........\n"
     "....@@...\n"
     "...@O....\n"
     "...@.....\n"
     ".O.....O.\n"
     "..O...O..\n"
     ".........\n",
     {5, 5},
     Question::Sauver,
     4,
     {}},
    // A two-point eye with no outside liberty: the throw-in is captured and
    // the capturing chain is taken back at once.
    {"retour_de_prise",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     "@@@@@@...\n"
     "@OOOO@...\n"
     "@O..O@...\n"
     "@OOOO@...\n",
     {2, 7},
     Question::Prendre,
     4,
     {{3, 8}, {4, 8}}},
    {"retour_de_prise_sauver",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     "@@@@@@...\n"
     "@OOOO@...\n"
     "@O..O@...\n"
     "@OOOO@...\n",
     {2, 7},
     Question::Sauver,
     0,
     {}},
    // In atari, the only way out is to capture the stone that cuts.
    {"capturer_pour_sortir",
     ".........\n"
     ".........\n"
     ".........\n"
     "...O@O...\n"
     "...@O@...\n"
     "...@.@...\n"
     "....@....\n"
     ".........\n"
     ".........\n",
     {5, 5},
     Question::Sauver,
     4,
     {{5, 3}}},
    {"capturer_pour_sortir_prendre",
     ".........\n"
     ".........\n"
     ".........\n"
     "...O@O...\n"
     "...@O@...\n"
     "...@.@...\n"
     "....@....\n"
     ".........\n"
     ".........\n",
     {5, 5},
     Question::Prendre,
     4,
     {{5, 6}}},
    // Two liberties in the open: neither atari works.
    {"deux_libertes_libre",
     ".........\n"
     ".........\n"
     ".........\n"
     "....@....\n"
     "...@O....\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     {5, 5},
     Question::Prendre,
     0,
     {}},
    // Three liberties on the edge against a wall: the atari from above leaves
    // no way out.
    {"trois_libertes_au_bord",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     "@.@......\n"
     ".O.......\n",
     {2, 9},
     Question::Prendre,
     4,
     {}},
    {"trois_libertes_libre",
     ".........\n"
     ".........\n"
     ".........\n"
     "....@....\n"
     "....O....\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     {5, 5},
     Question::Prendre,
     0,
     {}},
    {"trois_libertes_libre_sauver",
     ".........\n"
     ".........\n"
     ".........\n"
     "....@....\n"
     "....O....\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     {5, 5},
     Question::Sauver,
     4,
     {}},
    // Four liberties are never reported capturable, even inside a wall
    // (GNU Go reads it out and kills it).
    {"quatre_libertes_jamais_prenable",
     ".........\n"
     ".........\n"
     "....@....\n"
     "...@.@...\n"
     "..@.O.@..\n"
     "...@.@...\n"
     "....@....\n"
     ".........\n"
     ".........\n",
     {5, 5},
     Question::Prendre,
     0,
     {},
     {},
     1},
    // Further along a ladder: only the atari from the right side keeps it going.
    {"echelle_en_cours",
     ".........\n"
     "..@......\n"
     ".@O@.....\n"
     ".@O......\n"
     "..@......\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     {3, 3},
     Question::Prendre,
     4,
     {{4, 4}}},
    // In atari in the open: extending gives three liberties.
    {"atari_qui_s_echappe",
     ".........\n"
     ".........\n"
     ".........\n"
     "....@....\n"
     "...@O@...\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     {5, 5},
     Question::Sauver,
     4,
     {{5, 6}}},
    // In atari with its liberty walled in: nothing saves it.
    {"atari_sans_issue",
     ".........\n"
     ".........\n"
     ".........\n"
     "....@....\n"
     "...@O@...\n"
     "...@.@...\n"
     "....@....\n"
     ".........\n"
     ".........\n",
     {5, 5},
     Question::Sauver,
     0,
     {}},
    // The cutting chain of two stones is in atari: capturing it is the way out.
    {"capturer_deux_pierres_pour_sortir",
     ".........\n"
     ".........\n"
     "...O@O...\n"
     "...O@O...\n"
     "...@O@...\n"
     "...@.@...\n"
     "....@....\n"
     ".........\n"
     ".........\n",
     {5, 5},
     Question::Sauver,
     4,
     {{5, 2}}},
    // A stone in the corner with two liberties, both sealed.
    {"coin_deux_libertes",
     "..@......\n"
     ".@.......\n"
     "@........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     "O........\n",
     {1, 9},
     Question::Prendre,
     4,
     {}},
    {"coin_deux_libertes_sauver",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     "@........\n"
     ".@.......\n"
     "O.@......\n",
     {1, 9},
     Question::Sauver,
     0,
     {}},
    // Three stones in the corner with three liberties inside a wall.
    {"coin_trois_libertes",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     "@........\n"
     ".@.......\n"
     "O.@......\n"
     "OO.@.....\n",
     {1, 9},
     Question::Prendre,
     4,
     {}},
    // The ladder's own stone (4,3) falls into atari when 'O' reaches (4,4):
    // capturing it is the way out.
    {"echelle_sortie_par_capture",
     ".........\n"
     "..@......\n"
     ".@O@O....\n"
     ".@.......\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     {3, 3},
     Question::Sauver,
     4,
     {{3, 4}}},
    {"echelle_sortie_par_capture_prendre",
     ".........\n"
     "..@......\n"
     ".@O.O....\n"
     ".@.......\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     {3, 3},
     Question::Prendre,
     0,
     {}},
    // 'O' (3,9) gives three liberties; GNU Go then kills with '@' (4,8), which
    // the attacker's candidates against three liberties (the liberties alone)
    // never try.
    {"trois_libertes_au_bord_sauver",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     "@.@......\n"
     ".O.......\n",
     {2, 9},
     Question::Sauver,
     4,
     {},
     {},
     0},
    {"coin_trois_libertes_sauver",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     "@........\n"
     ".@.......\n"
     "O.@......\n"
     "OO.@.....\n",
     {1, 9},
     Question::Sauver,
     0,
     {}},
    // Two stones on the second line, pushed along the first line into the
    // corner.
    {"deux_pierres_vers_le_coin",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".....@@..\n"
     "....@OO..\n"
     ".........\n",
     {6, 8},
     Question::Prendre,
     4,
     {}},
    {"deux_pierres_vers_le_coin_sauver",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".....@@..\n"
     "....@OO..\n"
     ".........\n",
     {6, 8},
     Question::Sauver,
     4,
     {}},
    // The only liberty is the ko point: the capture must wait.
    {"liberte_au_point_de_ko",
     ".........\n"
     ".........\n"
     ".........\n"
     "....@O...\n"
     "...@O.O..\n"
     "....@O...\n"
     ".........\n"
     ".........\n"
     ".........\n",
     {6, 5},
     Question::Prendre,
     0,
     {},
     {{{6, 5}, 1}},
     1},
};

class ProblemeTactique : public ::testing::TestWithParam<Probleme> {
 protected:
  void SetUp() override {
    ReinitialiseIncremental();
    ReinitialisePrises();
  }
};

int32_t PointOriente(Coord c, int k) {
  const Coord o = Oriente(c, k, TailleGoban);
  return Pt(o.x, o.y);
}

TEST_P(ProblemeTactique, DansLesHuitOrientations) {
  const Probleme& pb = GetParam();
  for (int k = 0; k < 8; k++) {
    SCOPED_TRACE("orientation " + std::to_string(k));
    PoseDiagramme(DiagrammeOriente(pb.diagramme, k));
    for (const CoupPrealable& c : pb.avant)
      ASSERT_TRUE(EssaieCoupIncremental(PointOriente(c.c, k), c.couleur));
    const int32_t cible = PlusPetitePierre(PointOriente(pb.cible, k));
    const Instantane avant = Instantane::Prend();
    int32_t coup = -1;
    const int r = pb.question == Question::Prendre ? ChercheCoupPrendre(cible, coup)
                                                   : ChercheCoupSauver(cible, coup);
    EXPECT_EQ(r, pb.attendu) << "coup " << coup;
    EXPECT_TRUE(Instantane::Prend() == avant) << "the board changed";
    if (r == RESULTAT_ATTEINT && !pb.coups.empty()) {
      std::vector<int32_t> acceptes;
      for (Coord c : pb.coups) acceptes.push_back(PointOriente(c, k));
      EXPECT_NE(std::find(acceptes.begin(), acceptes.end(), coup), acceptes.end())
          << "coup (" << CoordX[coup] << "," << CoordY[coup] << ")";
    }
  }
}

// The same question put to GNU Go (attack / defend): it reads deeper and
// differently, so the disagreements that are there by design are recorded in
// the problem.
TEST_P(ProblemeTactique, CommeGnuGo) {
  const Probleme& pb = GetParam();
  if (CheminGnuGo().empty()) GTEST_SKIP() << "GNU Go is not installed";
  PoseDiagramme(pb.diagramme);
  std::vector<std::string> commandes;
  for (const CoupPrealable& c : pb.avant)
    commandes.push_back(std::string("play ") + (c.couleur == 1 ? "black " : "white ") +
                        Vertex(Pt(c.c.x, c.c.y)));
  const std::string question = pb.question == Question::Prendre ? "attack " : "defend ";
  commandes.push_back(question + Vertex(Pt(pb.cible.x, pb.cible.y)));
  const std::vector<std::string> r = DemandeGnuGo(pb.diagramme, commandes);
  ASSERT_EQ(r.size(), commandes.size());
  // GNU Go answers 0, or 1 to 3 (1: unconditional, 2 and 3: through a ko) and a move.
  const int gnugo = (!r.back().empty() && r.back()[0] != '0') ? 4 : 0;
  const int attendu = pb.gnugoDiffere >= 0 ? (pb.gnugoDiffere ? 4 : 0) : pb.attendu;
  EXPECT_EQ(gnugo, attendu) << "GNU Go: " << r.back();
}

INSTANTIATE_TEST_SUITE_P(Prise, ProblemeTactique, ::testing::ValuesIn(Problemes),
                         [](const ::testing::TestParamInfo<Probleme>& i) {
                           return std::string(i.param.nom);
                         });

}  // namespace
