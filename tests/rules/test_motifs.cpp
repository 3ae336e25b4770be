#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "regles_test.h"

namespace {

using Fenetre = std::tuple<int, int, int, int>;  // x0, y0, o1, o2

class MotifsTest : public ReglesTest {};

std::vector<Fenetre> Une(int x0, int y0, int o1, int o2) {
  return {Fenetre{x0, y0, o1, o2}};
}

// A rule built directly, without the compiler's checks, for shapes the
// compiler refuses.
compilateur::Regle Brute(int kind, int type, int zone, int w, const std::string& motif) {
  compilateur::Regle r;
  r.Kind = kind, r.Type = type, r.Zone = zone, r.W = w;
  r.H = static_cast<int>(motif.size()) / w;
  for (char c : motif) r.Motif.push_back(c == 'X' ? 1 : c == 'O' ? 2 : 0);
  return r;
}

void ChargeBrutes(const std::vector<compilateur::Regle>& regles, int cles) {
  compilateur::FichierRegles f;
  f.Cles = cles;
  f.Regles = regles;
  Charge(compilateur::EcritBinaire(f), cles);
}

TEST_F(MotifsTest, CellCoordinatesUnderEachOrientation) {
  // Cell 4 of a 3 x 2 pattern is (i, j) = (1, 1); the rectangle's top-left is (2, 3).
  const std::tuple<int, int, int, int> attendu[] = {{3, 2, 3, 4}, {3, 1, 3, 3}, {4, 2, 3, 4},
                                                    {4, 1, 3, 3}, {2, 3, 3, 4}, {2, 4, 2, 4},
                                                    {1, 3, 3, 4}, {1, 4, 2, 4}};
  for (const auto& [o1, o2, x, y] : attendu) {
    int cx = 0, cy = 0;
    ASSERT_TRUE(CoordoneesIntersectionAvecSens(4, 2, 3, 3, 2, o1, o2, cx, cy));
    EXPECT_EQ(std::make_pair(cx, cy), std::make_pair(x, y)) << o1 << o2;
  }
  int x = 0, y = 0;
  EXPECT_FALSE(CoordoneesIntersectionAvecSens(0, 1, 1, 3, 2, 3, 3, x, y));
  EXPECT_FALSE(CoordoneesIntersectionAvecSens(0, 1, 1, 3, 2, 0, 2, x, y));
  CaptureErreurs erreurs;
  EXPECT_TRUE(CoordoneesIntersectionAvecSens(2, 8, 1, 3, 2, 3, 2, x, y));
  EXPECT_EQ(x, 10);
  EXPECT_EQ(erreurs.Texte(), "Probleme CoordoneesIntersectionAvecSens\n");
}

TEST_F(MotifsTest, CellOfPointInvertsTheOrientation) {
  for (int o = 0; o < 8; o++) {
    const int o1 = std::array<int, 8>{3, 3, 4, 4, 2, 2, 1, 1}[o];
    const int o2 = std::array<int, 8>{2, 1, 2, 1, 3, 4, 3, 4}[o];
    const bool t = o1 <= 2;
    const FenetreMotif f{2, 3, t ? 2 : 3, t ? 3 : 2, 3, 2, o1, o2};
    for (int k = 0; k < 6; k++) {
      int x = 0, y = 0;
      CoordoneesIntersectionAvecSens(k, f.x0, f.y0, 3, 2, o1, o2, x, y);
      EXPECT_EQ(CelluleDePoint(f, x, y), k) << o1 << o2 << " " << k;
    }
    EXPECT_EQ(CelluleDePoint(f, 1, 3), -1);
    EXPECT_EQ(CelluleDePoint(f, 2, 2), -1);
  }
}

const char* const EYE_3X2 =
    "cles 4\n"
    "regle Oeil G Centre\n  X . X\n  X X X\n  concernees a1\n"
    "regle Oeil G Bord\n  X . X\n  X X X\n  concernees a1\n"
    "regle Oeil G Coin\n  X . X\n  X X X\n  concernees a1\n";

// A 3 x 2 pattern anchored at (2, 2) on 9x9 is only a centre window.
TEST_F(MotifsTest, EyeAtTwoTwoIsACentreWindowOnly) {
  ChargeSource(EYE_3X2);
  Position(
      ". . . . . . . . ."
      ". X . X . . . . ."
      ". X X X . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  MatchBoardBothTypes(1, GoalKind::Oeil);
  EXPECT_EQ(Fenetres(MatchedRulesOeil, RuleType::G), Une(2, 2, 3, 2));
  const MatchedRule& m = *MatchedRulesOeil.GRules[0];
  EXPECT_EQ(m.Type, RuleType::G);
  EXPECT_EQ(std::make_tuple(m.bw, m.bh, m.w, m.h), std::make_tuple(3, 2, 3, 2));
  EXPECT_EQ(m.IntersectionsConcernees.Nombre, 1);
  EXPECT_EQ(m.IntersectionsConcernees[0], Pt(2, 2));
  // For the other colour the stones are 'O': nothing.
  MatchBoardBothTypes(2, GoalKind::Oeil);
  EXPECT_EQ(MatchedRulesOeil.NbGRules, 0);
}

// Anchored at (1, 1) it is the top-left corner, in both orientations.
TEST_F(MotifsTest, EyeAtOneOneIsTheTopLeftCornerBothWays) {
  ChargeSource(EYE_3X2);
  Position(
      "X . X . . . . . ."
      "X X X . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  MatchBoardBothTypes(1, GoalKind::Oeil);
  EXPECT_EQ(Fenetres(MatchedRulesOeil, RuleType::G), Une(1, 1, 3, 2));
  Position(
      "X X . . . . . . ."
      ". X . . . . . . ."
      "X X . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  MatchBoardBothTypes(1, GoalKind::Oeil);
  EXPECT_EQ(Fenetres(MatchedRulesOeil, RuleType::G), Une(1, 1, 2, 3));
  EXPECT_EQ(MatchedRulesOeil.GRules[0]->bw, 2);
  EXPECT_EQ(MatchedRulesOeil.GRules[0]->bh, 3);
}

// An asymmetric corner pattern is found in all eight of its images, each
// exactly once.
TEST_F(MotifsTest, CornerPatternInEveryOrientation) {
  ChargeSource("cles 4\nregle Oeil G Coin\n  X . O\n  X X .\n  concernees a1\n");
  const std::pair<const char*, Fenetre> images[] = {
      {"X . O . . ."
       "X X . . . ."
       ". . . . . ."
       ". . . . . ."
       ". . . . . ."
       ". . . . . .",
       {1, 1, 3, 2}},
      {". . . O . X"
       ". . . . X X"
       ". . . . . ."
       ". . . . . ."
       ". . . . . ."
       ". . . . . .",
       {4, 1, 4, 2}},
      {". . . . . ."
       ". . . . . ."
       ". . . . . ."
       ". . . . . ."
       "X X . . . ."
       "X . O . . .",
       {1, 5, 3, 1}},
      {". . . . . ."
       ". . . . . ."
       ". . . . . ."
       ". . . . . ."
       ". . . . X X"
       ". . . O . X",
       {4, 5, 4, 1}},
      {"X X . . . ."
       ". X . . . ."
       "O . . . . ."
       ". . . . . ."
       ". . . . . ."
       ". . . . . .",
       {1, 1, 2, 3}},
      {". . . . X X"
       ". . . . X ."
       ". . . . . O"
       ". . . . . ."
       ". . . . . ."
       ". . . . . .",
       {5, 1, 2, 4}},
      {". . . . . ."
       ". . . . . ."
       ". . . . . ."
       "O . . . . ."
       ". X . . . ."
       "X X . . . .",
       {1, 4, 1, 3}},
      {". . . . . ."
       ". . . . . ."
       ". . . . . ."
       ". . . . . O"
       ". . . . X ."
       ". . . . X X",
       {5, 4, 1, 4}},
  };
  for (const auto& [diagramme, fenetre] : images) {
    SCOPED_TRACE(diagramme);
    Position(diagramme);
    MatchBoardBothTypes(1, GoalKind::Oeil);
    EXPECT_EQ(Fenetres(MatchedRulesOeil, RuleType::G), std::vector<Fenetre>{fenetre});
  }
}

const char* const EDGE = "cles 4\nregle Oeil G Bord\n  X . O\n  . X .\n  concernees a1\n";

// Row 0 of an edge pattern lies on each of the four edges; the top and right
// edges show it as drawn, the bottom and left edges as its mirror image.
TEST_F(MotifsTest, EdgePatternOnAllFourEdges) {
  ChargeSource(EDGE);
  const std::pair<const char*, Fenetre> images[] = {
      {". . X . O . . . ."
       ". . . X . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . .",
       {3, 1, 3, 2}},
      {". . . . . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . ."
       ". . . X . . . . ."
       ". . X . O . . . .",
       {3, 8, 3, 1}},
      {". . . . . . . . ."
       ". . . . . . . . ."
       "X . . . . . . . ."
       ". X . . . . . . ."
       "O . . . . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . .",
       {1, 3, 2, 3}},
      {". . . . . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . X"
       ". . . . . . . X ."
       ". . . . . . . . O"
       ". . . . . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . ."
       ". . . . . . . . .",
       {8, 3, 2, 4}},
  };
  for (const auto& [diagramme, fenetre] : images) {
    SCOPED_TRACE(diagramme);
    Position(diagramme);
    MatchBoardBothTypes(1, GoalKind::Oeil);
    EXPECT_EQ(Fenetres(MatchedRulesOeil, RuleType::G), std::vector<Fenetre>{fenetre});
  }
}

// The mirror image on the top edge is found only when the file holds it.
TEST_F(MotifsTest, EdgeMirrorOnlyWhenTheFileHoldsIt) {
  const char* const miroir =
      ". . O . X . . . ."
      ". . . X . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .";
  ChargeSource(EDGE);
  Position(miroir);
  MatchBoardBothTypes(1, GoalKind::Oeil);
  EXPECT_EQ(MatchedRulesOeil.NbGRules, 0);
  ReinitialiseBaseRegles();
  ChargeSource("cles 4\nregle Oeil G Bord\nsymetrie miroir\n  X . O\n  . X .\n  concernees a1\n");
  Position(miroir);
  MatchBoardBothTypes(1, GoalKind::Oeil);
  EXPECT_EQ(Fenetres(MatchedRulesOeil, RuleType::G), Une(3, 1, 3, 2));
  EXPECT_EQ(MatchedRulesOeil.GRules[0]->IntersectionsConcernees[0], Pt(5, 1));
}

// A centre pattern is read as drawn only; its other images need rules of
// their own.
TEST_F(MotifsTest, CentrePatternAsDrawnOnly) {
  const char* const dessine =
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . X X O . . . ."
      ". . . X . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .";
  const char* const tourne =
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . X . . . . ."
      ". . X X . . . . ."
      ". . . O . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .";
  ChargeSource("cles 4\nregle Sortir G Centre\n  X X O\n  . X .\n");
  Position(dessine);
  MatchBoardBothTypes(1, GoalKind::Sortir);
  EXPECT_EQ(Fenetres(MatchedRulesPartage, RuleType::G), Une(3, 3, 3, 2));
  Position(tourne);
  MatchBoardBothTypes(1, GoalKind::Sortir);
  EXPECT_EQ(MatchedRulesPartage.NbGRules, 0);
  ReinitialiseBaseRegles();
  ChargeSource("cles 4\nregle Sortir G Centre\nsymetrie rotations\n  X X O\n  . X .\n");
  Position(tourne);
  MatchBoardBothTypes(1, GoalKind::Sortir);
  ASSERT_EQ(Fenetres(MatchedRulesPartage, RuleType::G), Une(3, 3, 3, 2));
  EXPECT_EQ(MatchedRulesPartage.GRules[0]->w, 2);
  EXPECT_EQ(MatchedRulesPartage.GRules[0]->h, 3);
}

// ---------------------------------------------------------------------------
// Liberty conditions, on 1x1 and 2x1 centre windows ("Sortir" rules, which need
// no concerned point).

int Trouvees(const std::string& source, const std::string& diagramme, int g = 1) {
  ReinitialiseBaseRegles();
  ChargeSource("cles 4\n" + source);
  Position(diagramme);
  MatchBoardBothTypes(g, GoalKind::Sortir);
  return MatchedRulesPartage.NbGRules + MatchedRulesPartage.NbGiRules;
}

// One goal-colour string, (5, 5)-(5, 6), with the liberties (6, 5), (4, 6), (5, 7).
const char* const TROIS_LIBERTES =
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . O . . . ."
    ". . . O X . . . ."
    ". . . . X O . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . .";

TEST_F(MotifsTest, AtLeastCountsOutsideLiberties) {
  // Each 1x1 window holds one stone of the string: 3 liberties, all outside.
  EXPECT_EQ(Trouvees("regle Sortir G Centre\n  X\n  au-moins a1:3\n", TROIS_LIBERTES), 2);
  EXPECT_EQ(Trouvees("regle Sortir G Centre\n  X\n  au-moins a1:4\n", TROIS_LIBERTES), 0);
  // In the 2x1 window (5, 5)-(6, 5) the liberty (6, 5) is inside.
  EXPECT_EQ(Trouvees("regle Sortir G Centre\n  X .\n  au-moins a1:2\n", TROIS_LIBERTES), 1);
  EXPECT_EQ(Trouvees("regle Sortir G Centre\n  X .\n  au-moins a1:3\n", TROIS_LIBERTES), 0);
  // An empty cell fails, and n = 0 still asks for one liberty.
  EXPECT_EQ(Trouvees("regle Sortir G Centre\n  O .\n  au-moins b1:0\n", TROIS_LIBERTES), 0);
  EXPECT_EQ(Trouvees("regle Sortir G Centre\n  O .\n  au-moins a1:0\n", TROIS_LIBERTES), 2);
}

TEST_F(MotifsTest, AtMostAndItsKoClauses) {
  EXPECT_EQ(Trouvees("regle Sortir G Centre\n  X\n  au-plus a1:3\n", TROIS_LIBERTES), 2);
  EXPECT_EQ(Trouvees("regle Sortir G Centre\n  X\n  au-plus a1:2\n", TROIS_LIBERTES), 0);
  // Empty cells have no liberty: always within the bound.
  EXPECT_EQ(Trouvees("regle Sortir G Centre\n  .\n  au-plus a1:0\n", std::string(81, '.')), 49);
  // A stone in atari whose liberty has empty neighbours: no ko, it passes.
  EXPECT_EQ(Trouvees("regle Sortir G Centre\n  X\n  au-plus a1:1\n",
                     ". . . . . . . . ."
                     ". . . . . . . . ."
                     ". . . . . . . . ."
                     ". . . . O . . . ."
                     ". . . O X O . . ."
                     ". . . . . . . . ."
                     ". . . . . . . . ."
                     ". . . . . . . . ."
                     ". . . . . . . . ."),
            1);
  // A lone 'O' stone in atari that the goal colour takes back as a ko.
  const char* const ko =
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . X O . . . ."
      ". . X O . O . . ."
      ". . . X O . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .";
  const std::string regle = "regle Sortir G Centre\n  X O\n  au-plus b1:1\n";
  EXPECT_EQ(Trouvees(regle, ko), 0);
  // Without the ko shape (the taking stone would have two liberties) it passes.
  const char* const sansKo =
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . X . . . . ."
      ". . X O . O . . ."
      ". . . X O . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .";
  EXPECT_EQ(Trouvees(regle, sansKo), 1);
  // Once the ko is taken, the taking stone is in atari on the ko point.
  EXPECT_EQ(Trouvees("regle Sortir G Centre\n  X\n  au-plus a1:1\n", ko), 0);
  ASSERT_EQ(JoueCoupIncremental(Pt(5, 4), 1), 1);
  ASSERT_EQ(KoIncremental, Pt(4, 4));
  MatchBoardBothTypes(1, GoalKind::Sortir);
  EXPECT_EQ(MatchedRulesPartage.NbGRules, 0);
  ReinitialiseBaseRegles();
  // Every other stone has 3 or 4 liberties; the one on the ko point fails alone.
  ChargeSource("cles 4\nregle Sortir G Centre\n  X\n  au-plus a1:4\n");
  MatchBoardBothTypes(1, GoalKind::Sortir);
  EXPECT_EQ(Fenetres(MatchedRulesPartage, RuleType::G),
            (std::vector<Fenetre>{{3, 4, 3, 2}, {4, 3, 3, 2}, {4, 5, 3, 2}}));
  UndoIncremental();
}

TEST_F(MotifsTest, AtLeastAfterOwnMove) {
  // (5, 4) is an eye of 'O': the goal colour's move there is suicide.
  const char* const plateau =
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . O . . . ."
      ". . . O . O . . ."
      ". . . . O . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .";
  // A lone stone has 4 liberties, one of them inside a 2x1 window.
  EXPECT_GT(Trouvees("regle Sortir GI Centre\n  . .\n  au-moins-apres a1:3\n", plateau), 0);
  EXPECT_EQ(Trouvees("regle Sortir GI Centre\n  . .\n  au-moins-apres a1:4\n", plateau), 0);
  // Windows empty-then-'O' start at (4, 3), (3, 4), (5, 4), (4, 5): the move at
  // (5, 4) is illegal and fails.
  EXPECT_EQ(Trouvees("regle Sortir GI Centre\n  . O\n  au-moins-apres a1:0\n", plateau), 3);
  EXPECT_EQ(Trouvees("regle Sortir GI Centre\n  O .\n  au-moins-apres b1:0\n", plateau), 3);
  // For 'O' the eye point is a legal move: all four windows pass.
  EXPECT_EQ(Trouvees("regle Sortir GI Centre\n  . X\n  au-moins-apres a1:1\n", plateau, 2), 4);
  EXPECT_EQ(Profondeur, 0);
}

TEST_F(MotifsTest, AtMostAfterOtherMove) {
  const char* const plateau =
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . X . . . ."
      ". . . X . X . . ."
      ". . . . X . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .";
  // 'O' at (5, 4) would be suicide: the condition passes, whatever n.
  EXPECT_EQ(Trouvees("regle Sortir GI Centre\n  X . X\n  au-plus-apres b1:0\n", plateau), 1);
  // 'O' at (5, 5) below a stone at (5, 4) has 3 liberties: (4, 5), (6, 5), (5, 6).
  const char* const dessous =
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . X . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .";
  EXPECT_EQ(Trouvees("regle Sortir GI Centre\n  X\n  .\n  au-plus-apres a2:2\n", dessous), 0);
  EXPECT_EQ(Trouvees("regle Sortir GI Centre\n  X\n  .\n  au-plus-apres a2:3\n", dessous), 1);
  // A taller window holds (5, 6): two liberties outside.
  EXPECT_EQ(Trouvees("regle Sortir GI Centre\n  X\n  .\n  .\n  au-plus-apres a2:2\n", dessous), 1);
  EXPECT_EQ(Trouvees("regle Sortir GI Centre\n  X\n  .\n  .\n  au-plus-apres a2:1\n", dessous), 0);
  // A move that takes a ko fails the condition: of the four windows stone-then-
  // empty, the one whose empty cell is the ko capture (5, 4) fails.
  const char* const ko =
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . O X . . . ."
      ". . O X . X . . ."
      ". . . O X . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .";
  EXPECT_EQ(Trouvees("regle Sortir GI Centre\n  X .\n", ko), 4);
  EXPECT_EQ(Trouvees("regle Sortir GI Centre\n  X .\n  au-plus-apres b1:9\n", ko), 3);
  EXPECT_EQ(Profondeur, 0);
  EXPECT_EQ(KoIncremental, -1);
}

// The lists are tested in the order 5, 7, 4, 6 and the first failure ends it:
// a condition after a failing one plays no move.
TEST_F(MotifsTest, ConditionsAllHoldOrTheRuleFails) {
  EXPECT_EQ(
      Trouvees("regle Sortir G Centre\n  X\n  au-moins a1:1\n  au-plus a1:3\n", TROIS_LIBERTES), 2);
  EXPECT_EQ(
      Trouvees("regle Sortir G Centre\n  X\n  au-moins a1:1\n  au-plus a1:2\n", TROIS_LIBERTES), 0);
  EXPECT_EQ(
      Trouvees("regle Sortir G Centre\n  X\n  au-moins a1:4\n  au-plus a1:3\n", TROIS_LIBERTES), 0);
  EXPECT_EQ(Profondeur, 0);
}

// ---------------------------------------------------------------------------
// What a record holds.

TEST_F(MotifsTest, MoveCellOnAStoneGivesItsLibertiesBelowFour) {
  const std::string regle = "regle Sortir GI Centre\n  X\n  atteindre a1\n  empecher a1\n";
  // The stone (5, 5) has two liberties, (6, 5) and (5, 6), listed by point.
  Trouvees(regle,
           ". . . . . . . . ."
           ". . . . . . . . ."
           ". . . . . . . . ."
           ". . . . O . . . ."
           ". . . O X . . . ."
           ". . . . . . . . ."
           ". . . . . . . . ."
           ". . . . . . . . ."
           ". . . . . . . . .");
  ASSERT_EQ(MatchedRulesPartage.NbGiRules, 1);
  const MatchedRule& m = *MatchedRulesPartage.GiRules[0];
  EXPECT_EQ(Points(m.CoupsAtteindre), (std::vector<int32_t>{Pt(6, 5), Pt(5, 6)}));
  EXPECT_EQ(Points(m.CoupsEmpecher), (std::vector<int32_t>{Pt(6, 5), Pt(5, 6)}));
  // With four liberties, nothing.
  Trouvees(regle, std::string(40, '.') + "X" + std::string(40, '.'));
  ASSERT_EQ(MatchedRulesPartage.NbGiRules, 1);
  EXPECT_EQ(MatchedRulesPartage.GiRules[0]->CoupsAtteindre.Nombre, 0);
  // An empty move cell is the point itself, repeated as often as listed.
  Trouvees("regle Sortir GI Centre\n  X .\n  atteindre b1 b1\n",
           std::string(40, '.') + "X" + std::string(40, '.'));
  ASSERT_EQ(MatchedRulesPartage.NbGiRules, 1);
  EXPECT_EQ(Points(MatchedRulesPartage.GiRules[0]->CoupsAtteindre),
            (std::vector<int32_t>{Pt(6, 5), Pt(6, 5)}));
}

TEST_F(MotifsTest, RecordsWithoutConcernedPointsOfSomeKindsAreDropped) {
  for (int kind = 0; kind < 14; kind++) {
    if (kind == GoalKind::Connecter) continue;
    ReinitialiseBaseRegles();
    ChargeBrutes({Brute(kind, RuleType::G, Zone::Centre, 1, "X")}, CLE_32_BITS);
    Position(std::string(40, '.') + "X" + std::string(40, '.'));
    MatchBoardBothTypes(1, kind);
    const bool ecartee = kind == 0 || kind == 1 || kind == 4 || kind == 8;
    EXPECT_EQ(MatchedRulesDe(kind).NbGRules, ecartee ? 0 : 1) << kind;
    EXPECT_EQ(SommetPileRegles() + MatchedRulesDe(kind).NbGRules, NB_REGLES_POOL);
  }
}

TEST_F(MotifsTest, EyeOrLifeGIRecordWithAnEmptyConcernedPointIsReportedAndKept) {
  compilateur::Regle r = Brute(GoalKind::Oeil, RuleType::GI, Zone::Centre, 2, "X.");
  r.Concernees = {0, 1};
  ChargeBrutes({r}, CLE_32_BITS);
  Position(std::string(40, '.') + "X" + std::string(40, '.'));
  CaptureErreurs erreurs;
  MatchBoardBothTypes(1, GoalKind::Oeil);
  EXPECT_EQ(erreurs.Texte(), "Pb IntersectionsConcernees MatchedRule::addGI 41\n");
  EXPECT_EQ(MatchedRulesOeil.NbGiRules, 1);
}

TEST_F(MotifsTest, ConnectionNeedsItsTwoStringsOfOneColour) {
  compilateur::Regle r = Brute(GoalKind::Connecter, RuleType::G, Zone::Centre, 2, "XO");
  r.Concernees = {0, 1};
  compilateur::Regle bonne = Brute(GoalKind::Connecter, RuleType::G, Zone::Centre, 2, "XX");
  bonne.Concernees = {0, 1};
  ChargeBrutes({r, bonne}, CLE_POSITION);
  Position(std::string(40, '.') + "XOXX" + std::string(37, '.'));
  CaptureErreurs erreurs;
  MatchBoardBothTypes(1, GoalKind::Connecter);
  EXPECT_EQ(erreurs.Texte(), "Pb MatchedRules::add");
  EXPECT_EQ(MatchedRulesConnecter.NbGRules, 1);
}

// A set keeps at most 1999 records of each type.
TEST_F(MotifsTest, The2000thRuleOfATypeIsRefused) {
  std::string source = "cles 4\n";
  for (int i = 0; i < 7; i++) source += "regle Sortir G Centre\n  .\nregle Sortir GI Centre\n  .\n";
  ChargeSource(source);
  Position(std::string(361, '.'));  // 19x19: 17 x 17 centre windows, 7 rules each
  CaptureErreurs erreurs;
  MatchBoard(1, GoalKind::Sortir, RuleType::G);
  EXPECT_EQ(MatchedRulesPartage.NbGRules, 1999);
  std::string attendu;
  for (int i = 0; i < 17 * 17 * 7 - 1999; i++)
    attendu += "Pb MatchedRules::add NbGRules>=MaxGRules-1\n";
  EXPECT_EQ(erreurs.Texte(), attendu);
  CaptureErreurs erreursGI;
  MatchBoard(1, GoalKind::Sortir, RuleType::GI);
  EXPECT_EQ(MatchedRulesPartage.NbGRules, 0);
  EXPECT_EQ(MatchedRulesPartage.NbGiRules, 1999);
  EXPECT_EQ(erreursGI.Texte().rfind("Pb MatchedRules::add NbGiRules>=MaxGiRules-1\n", 0), 0u);
  EXPECT_EQ(SommetPileRegles(), NB_REGLES_POOL - 1999);
}

TEST_F(MotifsTest, ExhaustedPoolDropsTheRule) {
  ChargeSource("cles 4\nregle Sortir G Centre\n  X\nregle Sortir GI Centre\n  X\n");
  Position(std::string(40, '.') + "X" + std::string(40, '.'));
  std::vector<MatchedRule*> pris;
  {
    CaptureErreurs silence;
    while (MatchedRule* r = popRule()) pris.push_back(r);
  }
  CaptureErreurs erreurs;
  MatchBoardBothTypes(1, GoalKind::Sortir);
  EXPECT_EQ(erreurs.Texte(),
            "Pb popRule\nPb MatchedRules::addG\nPb popRule\nPb MatchedRules::addGI\n");
  EXPECT_EQ(MatchedRulesPartage.NbGRules + MatchedRulesPartage.NbGiRules, 0);
  for (MatchedRule* r : pris) pushRule(r);
}

// The shared set holds one kind at a time.
TEST_F(MotifsTest, MatchingKind19After14EmptiesTheSharedSet) {
  ChargeSource(
      "cles 92\n"
      "regle ValeurCoup GI Centre\n  X\n  valeurs2 ValeurCoup:a1:5\n"
      "regle Attaque GI Centre\n  O\n  concernees a1\n  valeurs2 Attaque:a1:1\n");
  Position(std::string(40, '.') + "XO" + std::string(39, '.'));
  MatchBoard(1, GoalKind::ValeurCoup, RuleType::GI);
  ASSERT_EQ(MatchedRulesPartage.NbGiRules, 1);
  EXPECT_EQ(MatchedRulesPartage.GiRules[0]->Valeurs2.Triplets[0].GoalKind, GoalKind::ValeurCoup);
  MatchBoard(1, GoalKind::Attaque, RuleType::GI);
  ASSERT_EQ(MatchedRulesPartage.NbGiRules, 1);
  EXPECT_EQ(MatchedRulesPartage.GiRules[0]->Valeurs2.Triplets[0].GoalKind, GoalKind::Attaque);
  EXPECT_EQ(SommetPileRegles(), NB_REGLES_POOL - 1);
}

// Value lists are read in position-key mode; their cells become points under
// the window's orientation.
TEST_F(MotifsTest, ValueListsFollowTheOrientation) {
  ChargeSource(
      "cles 92\n"
      "regle Defense GI Coin\n"
      "  . . .\n"
      "  . X .\n"
      "  concernees b2\n"
      "  valeurs1 Defense:a1:-2\n"
      "  valeurs2 Defense:c1:7 Defense:a2:3\n");
  Position(
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  MatchBoard(1, GoalKind::Defense, RuleType::GI);
  EXPECT_EQ(MatchedRulesPartage.NbGiRules, 0);
  InitialiseDamierIncremental(DamierDe(std::string(70, '.') + "X" + std::string(10, '.')));
  MatchBoard(1, GoalKind::Defense, RuleType::GI);
  // (8, 8) is cell b2 of the bottom-right corner windows, both orientations.
  ASSERT_EQ(MatchedRulesPartage.NbGiRules, 2);
  for (int i = 0; i < 2; i++) {
    const MatchedRule& m = *MatchedRulesPartage.GiRules[i];
    const bool droit = m.o1 == VERS_GAUCHE;  // (4, 1): rows run upwards
    EXPECT_EQ(m.IntersectionsConcernees[0], Pt(8, 8));
    EXPECT_EQ(m.Valeurs1.NbOctets, 3);
    EXPECT_EQ(m.Valeurs1.Triplets[0].Point, Pt(9, 9));
    EXPECT_EQ(m.Valeurs1.Triplets[0].Valeur, -2);
    EXPECT_EQ(m.Valeurs2.NbOctets, 6);
    EXPECT_EQ(m.Valeurs2.Triplets[0].GoalKind, GoalKind::Defense);
    EXPECT_EQ(m.Valeurs2.Triplets[0].Point, droit ? Pt(7, 9) : Pt(9, 7));
    EXPECT_EQ(m.Valeurs2.Triplets[0].Valeur, 7);
    EXPECT_EQ(m.Valeurs2.Triplets[1].Point, droit ? Pt(9, 8) : Pt(8, 9));
  }
}

// Rules whose lists are damaged are reported when their key is found; the
// other rules of the entry still count.
TEST_F(MotifsTest, DamagedRulesAreSkipped) {
  compilateur::Regle bonne = Brute(GoalKind::Sortir, RuleType::G, Zone::Centre, 1, "X");
  compilateur::Regle horsMotif = bonne;
  horsMotif.Concernees = {1};  // a 1x1 pattern has only cell 0
  compilateur::FichierRegles f;
  f.Cles = CLE_32_BITS;
  f.Regles = {horsMotif, bonne};
  std::vector<uint8_t> o = compilateur::EcritBinaire(f);
  Charge(o);
  Position(std::string(40, '.') + "X" + std::string(40, '.'));
  {
    CaptureErreurs erreurs;
    MatchBoardBothTypes(1, GoalKind::Sortir);
    EXPECT_EQ(erreurs.Texte(),
              "Pb LitRegle Sortir G Centre 1x1: regle mal formee dans l'entree 0\n");
    EXPECT_EQ(MatchedRulesPartage.NbGRules, 1);
  }
  // A length byte that runs past the entry: the rest of the entry is lost.
  ReinitialiseBaseRegles();
  f.Regles = {bonne, bonne};
  o = compilateur::EcritBinaire(f);
  o[o.size() - 8] = 19;  // the length of the second rule's first list
  Charge(o);
  CaptureErreurs erreurs;
  MatchBoardBothTypes(1, GoalKind::Sortir);
  EXPECT_EQ(erreurs.Texte(),
            "Pb LitRegle Sortir G Centre 1x1: regle au-dela de la fin de l'entree 0\n");
  EXPECT_EQ(MatchedRulesPartage.NbGRules, 1);
}

TEST_F(MotifsTest, RemoveWindowRulesKeepsTheOthersInOrder) {
  ChargeSource("cles 4\nregle Sortir G Centre\n  .\nregle Sortir GI Centre\n  .\n");
  Position(std::string(81, '.'));
  MatchBoardBothTypes(1, GoalKind::Sortir);
  ASSERT_EQ(MatchedRulesPartage.NbGRules, 49);
  std::vector<MatchedRule*> restants;
  for (int i = 0; i < 49; i++)
    if (!(MatchedRulesPartage.GRules[i]->x0 == 4 && MatchedRulesPartage.GRules[i]->y0 == 5))
      restants.push_back(MatchedRulesPartage.GRules[i]);
  RemoveWindowRules(MatchedRulesPartage, 4, 5, 1, 1);
  EXPECT_EQ(std::vector<MatchedRule*>(MatchedRulesPartage.GRules,
                                      MatchedRulesPartage.GRules + MatchedRulesPartage.NbGRules),
            restants);
  EXPECT_EQ(MatchedRulesPartage.NbGiRules, 48);
  RemoveWindowRules(MatchedRulesPartage, 4, 5, 2, 1);  // another size: nothing
  EXPECT_EQ(MatchedRulesPartage.NbGiRules, 48);
  EXPECT_EQ(SommetPileRegles(), NB_REGLES_POOL - 96);
}

// The code tables hold the key of every window a lookup reads.
TEST_F(MotifsTest, CodeTablesHoldEveryWindowKey) {
  ChargeSource(EYE_3X2);
  ChargeSource("cles 4\nregle Oeil G Coin\n  X X\n  X .\n  X .\n  concernees a1\n");
  std::string diagramme;
  for (int p = 0; p < 81; p++) diagramme += ".XO"[(p * 7 + p / 5) % 3];
  Position(diagramme);
  for (int g : {1, 2}) {
    ComputeWindowCodes(g, GoalKind::Oeil);
    FixeCouleurBut(g);
    int fenetres = 0;
    for (int32_t p = 0; p < NbIntersections; p++)
      for (auto [w, h] : {std::pair{3, 2}, std::pair{2, 3}}) {
        FenetreLigne f[FENETRES_PAR_ANCRE_MAX];
        const int n = FenetresAncre(p, w, h, f);
        for (int k = 0; k < n; k++, fenetres++)
          EXPECT_EQ(CodeFenetre(g, f[k].Ligne, w, h), CleFenetre32(f[k].F))
              << p << " " << f[k].Ligne;
      }
    // 3x2: 30 centre, 20 edge and 8 corner windows; 2x3: 30, 24 and 8.
    EXPECT_EQ(fenetres, 58 + 62);
  }
}

// ---------------------------------------------------------------------------
// The shipped rules on a few positions.

class ReglesLivreesTest : public ReglesTest {
 protected:
  void SetUp() override {
    ReglesTest::SetUp();
    const std::string dossier = std::string(ILVANE_DOSSIER_REGLES) + "/";
    for (const char* nom : {"OeilCentre", "OeilBord", "OeilCoin", "VivreBord", "VivreCoin"}) {
      const std::string c = LitFichier(dossier + nom + ".bin");
      Charge(std::vector<uint8_t>(c.begin(), c.end()), CLE_32_BITS, nom);
    }
    const std::string c = LitFichier(dossier + "Fuzeki.bin");
    Charge(std::vector<uint8_t>(c.begin(), c.end()), CLE_POSITION, "Fuzeki.bin");
  }
};

TEST_F(ReglesLivreesTest, SureAndPossibleEyes) {
  Position(
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . X X X . . . ."
      ". . X . X . . . ."
      ". . X X X . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      "X . . . . . . . ."
      ". X . . . . . . .");
  MatchBoardBothTypes(1, GoalKind::Oeil);
  EXPECT_EQ(Fenetres(MatchedRulesOeil, RuleType::G), Une(3, 3, 3, 2));
  // The corner (1, 9): its diagonal (2, 8) decides.
  ASSERT_EQ(MatchedRulesOeil.NbGiRules, 2);
  for (int i = 0; i < 2; i++)
    EXPECT_EQ(Points(MatchedRulesOeil.GiRules[i]->CoupsAtteindre), std::vector<int32_t>{Pt(2, 8)});
  MatchBoardBothTypes(2, GoalKind::Oeil);
  EXPECT_EQ(MatchedRulesOeil.NbGRules + MatchedRulesOeil.NbGiRules, 0);
}

TEST_F(ReglesLivreesTest, StraightThreeOnTheEdgeHasItsVitalPoint) {
  Position(
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . O O O O O . ."
      ". . O . . . O . .");
  MatchBoardBothTypes(2, GoalKind::Vivre);
  ASSERT_EQ(MatchedRulesVivre.NbGiRules, 1);
  const MatchedRule& m = *MatchedRulesVivre.GiRules[0];
  EXPECT_EQ(Points(m.CoupsAtteindre), std::vector<int32_t>{Pt(5, 9)});
  EXPECT_EQ(Points(m.CoupsEmpecher), std::vector<int32_t>{Pt(5, 9)});
  EXPECT_EQ(m.IntersectionsConcernees[0], Pt(3, 9));
}

TEST_F(ReglesLivreesTest, EmptyBoardOpeningValues) {
  Position(std::string(81, '.'));
  MatchBoard(1, GoalKind::ValeurCoup, RuleType::GI);
  std::vector<std::pair<int32_t, int>> valeurs;
  for (int i = 0; i < MatchedRulesPartage.NbGiRules; i++)
    for (const Triplet& t : MatchedRulesPartage.GiRules[i]->Valeurs2)
      valeurs.emplace_back(t.Point, t.Valeur);
  std::sort(valeurs.begin(), valeurs.end());
  valeurs.erase(std::unique(valeurs.begin(), valeurs.end()), valeurs.end());
  const std::vector<std::pair<int32_t, int>> attendu = {
      {Pt(3, 3), 30}, {Pt(4, 3), 25}, {Pt(6, 3), 25}, {Pt(7, 3), 30}, {Pt(3, 4), 25},
      {Pt(7, 4), 25}, {Pt(5, 5), 32}, {Pt(3, 6), 25}, {Pt(7, 6), 25}, {Pt(3, 7), 30},
      {Pt(4, 7), 25}, {Pt(6, 7), 25}, {Pt(7, 7), 30}};
  std::vector<std::pair<int32_t, int>> trie = attendu;
  std::sort(trie.begin(), trie.end());
  EXPECT_EQ(valeurs, trie);
}

}  // namespace
