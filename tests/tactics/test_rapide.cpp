// Quick capture tests, liberty orderings and candidate moves.

#include "tactics/rapide.h"

#include <gtest/gtest.h>

#include <vector>

#include "board/libertes.h"
#include "outils_tactique.h"

namespace {

class RapideTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReinitialiseIncremental();
    ReinitialiseRequetes();
  }
};

std::vector<int32_t> VecteurDe(const ListeIntersections& l) {
  return {l.begin(), l.end()};
}

ListeIntersections ListeDe(std::initializer_list<int32_t> points) {
  ListeIntersections l;
  for (int32_t p : points) Ajoute(l, p);
  return l;
}

// 'O' (5,5) in atari at (5,6), where extending gives three liberties; the two
// '@' stones above it are in atari at (5,2), the single '@' (4,5) at (4,6).
const char* const AtariTroisSorties =
    ".........\n"
    ".........\n"
    "...O@O...\n"
    "...O@O...\n"
    "..O@O@...\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n";

TEST_F(RapideTest, EscapesFromAtariComeInTheirOrder) {
  PoseDiagramme(AtariTroisSorties);
  ListeIntersections l;
  ASSERT_TRUE(CoupsSortieAtari(l, Pt(5, 5), 2));
  EXPECT_EQ(VecteurDe(l), (std::vector<int32_t>{Pt(5, 2), Pt(5, 6), Pt(4, 6)}));
  EXPECT_TRUE(EnAtari(Pt(5, 5)));
  EXPECT_FALSE(PrisEnAtari(Pt(5, 5), 2));
  EXPECT_FALSE(PrisEnAtariNiveau2(Pt(5, 5), 2));
  // Not in atari: no list.
  EXPECT_FALSE(CoupsSortieAtari(l, Pt(6, 5), 1));
  EXPECT_EQ(l.Nombre, 0);
  EXPECT_FALSE(EnAtari(Pt(6, 5)));
  EXPECT_FALSE(EnAtari(Pt(1, 1)));
}

TEST_F(RapideTest, ASelfAtariIsNoEscape) {
  PoseDiagramme(
      ".........\n"
      ".........\n"
      ".........\n"
      "....@....\n"
      "...@O@...\n"
      "...@.@...\n"
      "....@....\n"
      ".........\n"
      ".........\n");
  ListeIntersections l;
  ASSERT_TRUE(CoupsSortieAtari(l, Pt(5, 5), 2));
  EXPECT_EQ(l.Nombre, 0);
  EXPECT_TRUE(PrisEnAtari(Pt(5, 5), 2));
  EXPECT_TRUE(PrisDefenseurAJouer(Pt(5, 5), 2));
  EXPECT_TRUE(EstPerdu(Pt(5, 5)));
  EXPECT_FALSE(EstPerdu(Pt(1, 1)));  // empty
  EXPECT_FALSE(EstPerdu(Pt(4, 5)));  // the wall
}

TEST_F(RapideTest, TwoLibertiesWithRoomOnBothSidesAreNotTaken) {
  PoseDiagramme(
      ".........\n"
      ".........\n"
      ".........\n"
      "....@....\n"
      "...@O....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  EXPECT_FALSE(PrisADeuxLibertes(Pt(5, 5), 2));
  EXPECT_FALSE(PrisADeuxLibertesNiveau2(Pt(5, 5), 2));
  ListeIntersections l;
  EXPECT_FALSE(SauvetagesDeuxLibertes(l, Pt(5, 5), 2));
  EXPECT_FALSE(SauvetagesNiveau2(l, Pt(5, 5), 2));
  EXPECT_FALSE(PrisDefenseurAJouer(Pt(5, 5), 2));
}

TEST_F(RapideTest, TwoLibertiesInTheCornerAreLost) {
  PoseDiagramme(
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "@........\n"
      ".@.......\n"
      "O.@......\n");
  const int32_t p = Pt(1, 9);
  EXPECT_TRUE(PrisADeuxLibertes(p, 2));
  EXPECT_TRUE(PrisADeuxLibertesNiveau2(p, 2));
  ListeIntersections l;
  EXPECT_TRUE(SauvetagesDeuxLibertes(l, p, 2));
  EXPECT_EQ(l.Nombre, 0) << "no defence holds";
  EXPECT_TRUE(SauvetagesNiveau2(l, p, 2));
  EXPECT_EQ(l.Nombre, 0);
  EXPECT_TRUE(PrisDefenseurAJouer(p, 2));
  EXPECT_TRUE(EstPerdu(p));
}

TEST_F(RapideTest, ALadderOneStepLongIsSeenAtLevelTwoOnly) {
  // 'O' (4,8) with liberties (5,8) and (4,9): the atari at (5,8) drives it to
  // the edge, where the second atari takes it.
  PoseDiagramme(
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "...@.....\n"
      "..@O.....\n"
      ".........\n");
  const int32_t p = Pt(4, 8);
  EXPECT_FALSE(PrisADeuxLibertes(p, 2));
  EXPECT_TRUE(PrisADeuxLibertesNiveau2(p, 2));
  ListeIntersections l;
  EXPECT_FALSE(SauvetagesDeuxLibertes(l, p, 2));
  EXPECT_TRUE(SauvetagesNiveau2(l, p, 2));
}

// 'O' (5,5) with liberties (6,5) and (5,6); 'O' stones at (6,4), (6,6) and
// (7,5) make (6,5) a point of five or more liberties for 'O' where '@' cannot
// play (suicide); '@' (4,6) keeps (5,6) below five.
const char* const FuiteInterdite =
    ".........\n"
    ".........\n"
    ".........\n"
    "....@O...\n"
    "...@O.O..\n"
    "...@.O...\n"
    ".........\n"
    ".........\n"
    ".........\n";

// The same with only 'O' (6,4): '@' can play at (6,5).
const char* const FuiteOuverte =
    ".........\n"
    ".........\n"
    ".........\n"
    "....@O...\n"
    "...@O....\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n";

TEST_F(RapideTest, AnEscapePointIsTheOnlyCandidateUnlessTheAttackerCannotPlayThere) {
  PoseDiagramme(FuiteOuverte);
  const int32_t p = Pt(5, 5), fuite = Pt(6, 5);
  ASSERT_GT(NbLibertesApresIncremental(fuite, 2), 4);
  ListeIntersections l = ListeDe({Pt(5, 6), fuite, Pt(1, 1)});
  OrdonneCoupsPrendre(l, p);
  EXPECT_EQ(VecteurDe(l), std::vector<int32_t>{fuite});
  l = ListeDe({Pt(5, 6), fuite, Pt(1, 1)});
  OrdonneCoupsSauver(l, p);
  EXPECT_EQ(VecteurDe(l), std::vector<int32_t>{fuite});
  ListeIntersections o;
  EXPECT_TRUE(OrdonneLibertes(o, StringIntersection[p]->Libertes, 2));
  EXPECT_EQ(VecteurDe(o), std::vector<int32_t>{fuite});

  PoseDiagramme(FuiteInterdite);
  ASSERT_GT(NbLibertesApresIncremental(fuite, 2), 4);
  ASSERT_EQ(AdversaireNePeutPasJouer(fuite, 2), 1);
  ASSERT_FALSE(PointCoince(fuite, 2));
  l = ListeDe({Pt(5, 6), fuite, Pt(1, 1)});
  OrdonneCoupsPrendre(l, p);
  EXPECT_EQ(l.Nombre, 0) << "the attacker has no candidate";
  l = ListeDe({Pt(5, 6), fuite, Pt(1, 1)});
  OrdonneCoupsSauver(l, p);
  EXPECT_EQ(VecteurDe(l), std::vector<int32_t>{fuite}) << "the defender always takes it";
  o = ListeDe({Pt(9, 9)});
  EXPECT_TRUE(OrdonneLibertes(o, StringIntersection[p]->Libertes, 2));
  EXPECT_EQ(VecteurDe(o), std::vector<int32_t>{Pt(9, 9)}) << "nothing appended";
  // The short form appends the escape point whatever the attacker can do.
  o = ListeDe({});
  EXPECT_TRUE(OrdonneDeuxLibertes(o, StringIntersection[p]->Libertes, 2));
  EXPECT_EQ(VecteurDe(o), std::vector<int32_t>{fuite});
}

TEST_F(RapideTest, AListOfOneMoveIsLeftAsItIs) {
  PoseDiagramme(FuiteInterdite);
  ListeIntersections l = ListeDe({Pt(6, 5)});
  OrdonneCoupsPrendre(l, Pt(5, 5));
  EXPECT_EQ(VecteurDe(l), std::vector<int32_t>{Pt(6, 5)});
  l = ListeDe({});
  OrdonneCoupsSauver(l, Pt(5, 5));
  EXPECT_EQ(l.Nombre, 0);
}

TEST_F(RapideTest, TiesKeepTheGeneratorsOrder) {
  // 'O' (5,5) between '@' (5,4) and '@' (5,6): its two liberties are mirror
  // images and score alike at every step of the ordering.
  PoseDiagramme(
      ".........\n"
      ".........\n"
      ".........\n"
      "....@....\n"
      "....O....\n"
      "....@....\n"
      ".........\n"
      ".........\n"
      ".........\n");
  const int32_t p = Pt(5, 5);
  for (auto ordonne : {OrdonneCoupsPrendre, OrdonneCoupsSauver}) {
    ListeIntersections l = ListeDe({Pt(4, 5), Pt(6, 5)});
    ordonne(l, p);
    EXPECT_EQ(VecteurDe(l), (std::vector<int32_t>{Pt(4, 5), Pt(6, 5)}));
    l = ListeDe({Pt(6, 5), Pt(4, 5)});
    ordonne(l, p);
    EXPECT_EQ(VecteurDe(l), (std::vector<int32_t>{Pt(6, 5), Pt(4, 5)}));
  }
  ListeIntersections o;
  EXPECT_FALSE(OrdonneLibertes(o, ListeDe({Pt(6, 5), Pt(4, 5)}), 2));
  EXPECT_EQ(VecteurDe(o), (std::vector<int32_t>{Pt(6, 5), Pt(4, 5)}));
}

TEST_F(RapideTest, LibertiesAreOrderedByTheRoomTheyGive) {
  // 'O' (1,5) on the edge under '@' (1,4): (2,5) would give it four
  // liberties, (1,6) three.
  PoseDiagramme(
      ".........\n"
      ".........\n"
      ".........\n"
      "@........\n"
      "O........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  ListeIntersections o;
  EXPECT_FALSE(OrdonneLibertes(o, ListeDe({Pt(1, 6), Pt(2, 5)}), 2));
  EXPECT_EQ(VecteurDe(o), (std::vector<int32_t>{Pt(2, 5), Pt(1, 6)}));
  o = ListeDe({});
  EXPECT_FALSE(OrdonneDeuxLibertes(o, ListeDe({Pt(1, 6), Pt(2, 5)}), 2));
  EXPECT_EQ(VecteurDe(o), (std::vector<int32_t>{Pt(2, 5), Pt(1, 6)}));
  // Appending keeps what is there and adds a point only once.
  o = ListeDe({Pt(1, 6)});
  OrdonneLibertes(o, ListeDe({Pt(1, 6), Pt(2, 5)}), 2);
  EXPECT_EQ(VecteurDe(o), (std::vector<int32_t>{Pt(1, 6), Pt(2, 5)}));
}

TEST_F(RapideTest, PinnedPoint) {
  // (2,1) has no '@' neighbour and one empty neighbour (3,1); 'O' (1,1)-(1,2)
  // has two liberties, and 'O' at (3,1) would have one.
  PoseDiagramme(
      "O.....\n"
      "O@....\n"
      "@.....\n"
      "......\n"
      "......\n"
      "......\n");
  EXPECT_FALSE(PointCoince(Pt(2, 1), 2)) << "(2,1) touches '@' (2,2)";
  PoseDiagramme(
      "O..@..\n"
      "OO@...\n"
      "@.....\n"
      "......\n"
      "......\n"
      "......\n");
  // (2,1): neighbours 'O' (1,1), 'O' (2,2), empty (3,1); the 'O' string has
  // liberties (2,1) and (2,3); 'O' at (3,1), between '@' (4,1) and '@' (3,2),
  // would have the single liberty (2,1).
  EXPECT_EQ(StringIntersection[Pt(1, 1)]->NbLibertes(), 2);
  EXPECT_EQ(NbLibertesApresIncremental(Pt(3, 1), 2), 1);
  EXPECT_TRUE(PointCoince(Pt(2, 1), 2));
  EXPECT_FALSE(PointCoince(Pt(2, 1), 1));
  EXPECT_FALSE(PointCoince(Pt(1, 1), 2)) << "occupied";
}

TEST_F(RapideTest, CandidatesByLibertyCount) {
  PoseDiagramme(
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "....O....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  ListeIntersections l;
  EXPECT_EQ(CoupsPourPrendre(l, Pt(5, 5), 2), 0) << "four liberties: no candidate";
  CoupsPourSauver(l, Pt(5, 5));
  EXPECT_EQ(l.Nombre, 0);
  EXPECT_EQ(CoupsPourPrendre(l, Pt(1, 1), 2), 0) << "empty point";

  PoseDiagramme(AtariTroisSorties);
  EXPECT_EQ(CoupsPourPrendre(l, Pt(5, 5), 2), 1);
  EXPECT_EQ(l[0], Pt(5, 6));
  // The defender: first the liberties of the enemy chains no stronger than it
  // (both '@' chains in atari), then its own.
  CoupsPourSauver(l, Pt(5, 5));
  EXPECT_EQ(VecteurDe(l), (std::vector<int32_t>{Pt(5, 2), Pt(4, 6), Pt(5, 6)}));
}

TEST_F(RapideTest, CensusOfAMove) {
  PoseDiagramme(AtariTroisSorties);
  // (5,6) for 'O': 'O' (5,5) in atari above, three empty points.
  VoisinageCoup v = Voisinage(Pt(5, 6), 2);
  EXPECT_EQ(v.F, 1);
  EXPECT_EQ(v.G, 0);
  EXPECT_EQ(v.H, 3);
  EXPECT_EQ(v.A, 0);
  EXPECT_EQ(v.B, 1) << "'O' (5,5) is in atari";
  // (4,6) for 'O': '@' (4,5) in atari (one stone) above, three empty points.
  v = Voisinage(Pt(4, 6), 2);
  EXPECT_EQ(v.A, 1);
  EXPECT_EQ(v.G, 1);
  EXPECT_EQ(v.H, 3);
  EXPECT_EQ(v.B, 1) << "'O' (5,5) touches the '@' stone in atari";
  // (5,2) for 'O': the two '@' stones in atari below.
  v = Voisinage(Pt(5, 2), 2);
  EXPECT_EQ(v.A, 2);
  // (6,6) for '@': '@' (6,5) with two liberties.
  v = Voisinage(Pt(6, 6), 1);
  EXPECT_EQ(v.E2, 1);
  EXPECT_EQ(v.F, 1);
}

TEST_F(RapideTest, QuickTestsLeaveTheBoardAsTheyFoundIt) {
  for (uint32_t graine = 1; graine <= 8; graine++) {
    PoseDiagramme(DiagrammeDe(PositionAleatoire(9, 300 + graine, 25 + 6 * graine)));
    const Instantane avant = Instantane::Prend();
    ListeIntersections l;
    for (int32_t p = 0; p < NbIntersections; p++) {
      const String* s = StringIntersection[p];
      if (!s || s->Ancre != p) continue;
      const int c = s->Color;
      CoupsSortieAtari(l, p, c);
      PrisEnAtari(p, c);
      PrisADeuxLibertes(p, c);
      CoupsDefenseDeuxLibertes(l, p, c);
      SauvetagesDeuxLibertes(l, p, c);
      PrisDefenseurAJouer(p, c);
      EstPerdu(p);
      SauvetagesNiveau2(l, p, c);
      CoupsPourPrendre(l, p, c);
      OrdonneCoupsPrendre(l, p);
      CoupsPourSauver(l, p);
      OrdonneCoupsSauver(l, p);
      ASSERT_TRUE(Instantane::Prend() == avant) << "graine " << graine << " chaine " << p;
    }
  }
}

}  // namespace
