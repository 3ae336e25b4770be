#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "board/incremental.h"
#include "diagramme.h"
#include "tactics/intersections.h"
#include "tactics/menaces.h"
#include "tactics/prise.h"
#include "test_menaces_outils.h"
#include "test_util.h"

namespace {

using menaces_test::EtatPlateau;

template <int N>
std::vector<int> Vecteur(const Liste<N>& l) {
  return {l.begin(), l.end()};
}

class IntersectionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReinitialiseIncremental();
    ReinitialisePrises();
    ReinitialiseMenaces();
    ReinitialiseIntersections();
  }

  // Builds the board and runs the capture stage, which the intersection stage
  // reads.
  void Position(const std::string& diagramme) {
    InitialiseDamierIncremental(DamierDe(diagramme));
    InitialisePrises();
    CalculeJeuxPrendre();
  }

  // The stage as the pipeline runs it; the board must come back unchanged.
  void Examine() {
    const std::string avant = EtatPlateau();
    MarqueIntersectionsATester();
    CalculeJeuxIntersection();
    EXPECT_EQ(EtatPlateau(), avant);
  }
};

// Two stones of colour 2 touch the corner and one the far corner: colour 1
// there would be without liberty, or in atari.
TEST_F(IntersectionsTest, AtariEtSuicidePerdus) {
  Position(R"(
    . O . . . . . O .
    O . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)");
  Examine();
  EXPECT_EQ(PierrePerdueAmi[Pt(1, 1)], 1);  // suicide
  EXPECT_EQ(PierrePerdueAmi[Pt(9, 1)], 1);  // in atari at once
  EXPECT_EQ(PierrePerdueAmi[Pt(8, 2)], 0);  // three liberties
  // Colour 2 there joins its own stones, with three liberties.
  EXPECT_EQ(PierrePerdueEnnemi[Pt(1, 1)], 0);
  EXPECT_EQ(PierrePerdueEnnemi[Pt(9, 1)], 0);
  // An illegal point is lost without any move played: nothing is traced.
  EXPECT_EQ(TraceIntersectionAmi[Pt(1, 1)], EnsembleIntersections{});
  EXPECT_TRUE(Contient(TraceIntersectionAmi[Pt(9, 1)], Pt(9, 1)));
}

TEST_F(IntersectionsTest, PointDuKoPerdu) {
  Position(R"(
    . @ O . . . . . .
    @ . @ O . . . . .
    . @ O . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)");
  // Colour 2 takes the ko; colour 1 may not take back at once.
  ASSERT_EQ(JoueCoupIncremental(Pt(2, 2), 2), 1);
  ASSERT_EQ(KoIncremental, Pt(3, 2));
  Examine();
  EXPECT_EQ(PierrePerdueAmi[Pt(3, 2)], 1);
  // Elsewhere colour 1 is safe.
  EXPECT_EQ(PierrePerdueAmi[Pt(5, 5)], 0);
  EXPECT_EQ(UndoIncremental(), 1);
}

// The stone at (5,5) has two liberties. With a third stone of colour 2 on its
// diagonal the ladder runs to the edge; with two only, the stone extends to
// three liberties either way.
TEST_F(IntersectionsTest, EchelleQuiMarcheEtEchelleQuiRate) {
  Position(R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . O . . . .
    . . . O . . . . .
    . . . . . O . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)");
  Examine();
  EXPECT_EQ(PierrePerdueAmi[Pt(5, 5)], 1);
  // The ladder's liberties are in the point's trace.
  const EnsembleIntersections& trace = TraceIntersectionAmi[Pt(5, 5)];
  EXPECT_TRUE(Contient(trace, Pt(5, 5)));
  EXPECT_TRUE(Contient(trace, Pt(6, 5)));
  EXPECT_TRUE(Contient(trace, Pt(5, 6)));

  Position(R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . O . . . .
    . . . O . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)");
  Examine();
  EXPECT_EQ(PierrePerdueAmi[Pt(5, 5)], 0);
}

// The ladder can run two ways: towards the lower left after an atari at (6,5),
// towards the upper right after one at (5,6). A stone of colour 1 on each path
// breaks both; one alone is not enough.
TEST_F(IntersectionsTest, EchelleCasseeParDesPierresAmies) {
  Position(R"(
    . . . . . . . . .
    . . . . . . . @ .
    . . . . . . . . .
    . . . . O . . . .
    . . . O . . . . .
    . . . . . O . . .
    . . . . . . . . .
    . . @ . . . . . .
    . . . . . . . . .)");
  Examine();
  EXPECT_EQ(PierrePerdueAmi[Pt(5, 5)], 0);

  Position(R"(
    . . . . . . . . .
    . . . . . . . @ .
    . . . . . . . . .
    . . . . O . . . .
    . . . O . . . . .
    . . . . . O . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)");
  Examine();
  EXPECT_EQ(PierrePerdueAmi[Pt(5, 5)], 1);
}

TEST_F(IntersectionsTest, PointsOccupesJamaisPerdus) {
  Position(R"(
    @ O . . . . . . .
    O . . . . . . . .
    . . . . . . . . .
    . . . . . @ @ . .
    . . . . O @ O . .
    . . . . . O . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)");
  Examine();
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (Couleur(DamierIncremental, p) == VIDE) continue;
    EXPECT_EQ(PierrePerdueAmi[p], 0) << p;
    EXPECT_EQ(PierrePerdueEnnemi[p], 0) << p;
    EXPECT_EQ(PrisesApresCoupAmi[p].Nombre, 0) << p;
    EXPECT_EQ(TraceIntersectionAmi[p], EnsembleIntersections{}) << p;
  }
}

// The stone of colour 1 at (3,1) has two liberties. Colour 2 cannot atari it
// at (2,1) (a self-atari), and after an atari at (4,1) it joins (2,2) with three
// liberties: it is not capturable. A stone of colour 1 at (1,1) fills one of
// those: the atari at (4,1) then drives the joined string into the corner.
const char* const kExposition = R"(
    . . @ . . . . . .
    . @ O . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(IntersectionsTest, CoupQuiMetUneChaineAmieEnEchelle) {
  Position(kExposition);
  ASSERT_EQ(TrouvePrise(PrisesValides, Pt(3, 1)), nullptr);
  Examine();
  EXPECT_EQ(Vecteur(PrisesApresCoupAmi[Pt(1, 1)]), std::vector<int>{Pt(3, 1)});
  // The stone itself is not lost: an atari at (1,2) is a self-atari.
  EXPECT_EQ(PierrePerdueAmi[Pt(1, 1)], 0);
  // Colour 2 is never given such a list; neither is a far point.
  EXPECT_EQ(PrisesApresCoupAmi[Pt(5, 5)].Nombre, 0);
  EXPECT_EQ(PrisesApresCoupAmi[Pt(4, 1)].Nombre, 0);
}

TEST_F(IntersectionsTest, ChaineDejaPrenableNonListee) {
  // With a stone of colour 2 at (4,3) the string at (3,1) is capturable now.
  Position(R"(
    . . @ . . . . . .
    . @ O . . . . . .
    . . . O . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)");
  const Prise* r = TrouvePrise(PrisesValides, Pt(3, 1));
  ASSERT_NE(r, nullptr);
  ASSERT_EQ(r->Prenable, 1);
  Examine();
  EXPECT_EQ(PrisesApresCoupAmi[Pt(1, 1)].Nombre, 0);
  // Without the capture list's record the same ladder lists it.
  VideListePrises(PrisesValides);
  Examine();
  EXPECT_EQ(Vecteur(PrisesApresCoupAmi[Pt(1, 1)]), std::vector<int>{Pt(3, 1)});
}

TEST_F(IntersectionsTest, MarquesEffaceesEtTracesActivesRendues) {
  Position(kExposition);
  EnsembleIntersections a{}, b{};
  TraceActiveA = &a;
  TraceActiveB = &b;
  Examine();
  EXPECT_EQ(TraceActiveA, &a);
  EXPECT_EQ(TraceActiveB, &b);
  EXPECT_EQ(a, EnsembleIntersections{});
  EXPECT_EQ(b, EnsembleIntersections{});
  for (int32_t p = 0; p < NbIntersections; p++) {
    EXPECT_EQ(ATesterAmi[p], 0);
    EXPECT_EQ(ATesterEnnemi[p], 0);
  }
  TraceActiveA = nullptr;
  TraceActiveB = nullptr;
}

// Only marked points are examined; every point's list is emptied.
TEST_F(IntersectionsTest, SeulsLesPointsMarquesSontExamines) {
  Position(kExposition);
  Examine();
  ASSERT_EQ(PrisesApresCoupAmi[Pt(1, 1)].Nombre, 1);
  PierrePerdueAmi[Pt(5, 5)] = 1;  // a stale flag
  ATesterEnnemi[Pt(2, 1)] = 1;
  PierrePerdueEnnemi[Pt(2, 1)] = 0;
  CalculeJeuxIntersection();
  EXPECT_EQ(PierrePerdueAmi[Pt(5, 5)], 1);
  EXPECT_EQ(PierrePerdueEnnemi[Pt(2, 1)], 1);
  EXPECT_EQ(PrisesApresCoupAmi[Pt(1, 1)].Nombre, 0);
}

// Every flag and list against the naive reference, on seeded random positions.
TEST_F(IntersectionsTest, AccordAvecLaReferenceSurPositionsAleatoires) {
  InitialiseGoban(9);
  std::mt19937 alea(31415);
  int perdus = 0, echelles = 0, exposees = 0;
  for (int partie = 0; partie < 150; partie++) {
    const Damier d = PositionAleatoireEntre(alea, 20, 60);
    InitialiseDamierIncremental(d);
    InitialisePrises();
    CalculeJeuxPrendre();
    Examine();
    const ReferenceGo g = menaces_test::ReferenceDe(d, 9);
    for (int32_t p = 0; p < 81; p++) {
      for (int c = 1; c <= 2; c++) {
        bool perdu = false;
        std::set<int> attendues;
        ReferenceGo h = g;
        if (g.c[p] == 0 && h.Joue(p, c) < 0) {
          perdu = true;
        } else if (g.c[p] == 0) {
          const std::vector<int> libs = h.Libertes(p);
          perdu = libs.size() == 1 || (libs.size() == 2 && menaces_test::RefPrendre(h, p, 1));
          if (libs.size() == 2 && perdu) echelles++;
          if (c == 1 && libs.size() < 4) {
            for (int a : menaces_test::RefVoisinsMenaceDouble(h, p)) {
              const Prise* r = TrouvePrise(PrisesValides, a);
              if ((!r || !r->Prenable) && menaces_test::RefPrendre(h, a, 1)) attendues.insert(a);
            }
          }
        }
        perdus += perdu;
        exposees += static_cast<int>(attendues.size());
        const int32_t obtenu = c == 1 ? PierrePerdueAmi[p] : PierrePerdueEnnemi[p];
        ASSERT_EQ(obtenu, perdu ? 1 : 0) << "partie " << partie << " point " << p << " c " << c;
        if (c == 1) {
          const std::vector<int> v = Vecteur(PrisesApresCoupAmi[p]);
          ASSERT_EQ(std::set<int>(v.begin(), v.end()), attendues)
              << "partie " << partie << " point " << p;
          ASSERT_EQ(v.size(), attendues.size());
        }
      }
    }
  }
  // The positions exercise every kind of answer.
  EXPECT_GT(perdus, 100);
  EXPECT_GT(echelles, 10);
  EXPECT_GT(exposees, 3);
}

}  // namespace
