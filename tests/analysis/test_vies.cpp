// The life records: a group with two eyes gets a record with both flags and
// becomes alive through "VG"; a straight three on the edge gets a potential
// life with its vital point as the move to live and to kill; with PanicMode 1
// there is no record and no group has a life. A record of the same unit merges.

#include <gtest/gtest.h>

#include "analyse_groupes.h"
#include "analysis/vies.h"
#include "base/reglages.h"
#include "tactics/transposition.h"
#include "tactics/vie.h"

namespace {

// White (O) lives with two eyes in the corner; black (@) has a straight three
// on the bottom edge, walled in by white.
const char* Position =
    ".O.O@....\n"
    "OOOO@....\n"
    "@@@@@....\n"
    ".........\n"
    ".........\n"
    ".........\n"
    "OOOOOO...\n"
    "@@@@@O...\n"
    "@...@O...\n";

class ViesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReinitialiseAnalyseGroupes();
    ReinitialiseVies();
    ReinitialiseVie();
    ReinitialiseTT();
    ReinitialiseReglages();
  }
  void TearDown() override { ReinitialiseReglages(); }
};

const Vie* VieDe(int32_t p) {
  for (int i = 0; i < LesVies.NombreViesValides; i++)
    if (StringIntersection[LesVies.Vies[i].Point] == StringIntersection[p]) return &LesVies.Vies[i];
  return nullptr;
}

TEST_F(ViesTest, RecordsEtVieDesGroupes) {
  AnalyseGroupes(Position);
  const Vie* deuxYeux = VieDe(Pt(2, 1));
  ASSERT_NE(deuxYeux, nullptr);
  EXPECT_EQ(deuxYeux->Vivant, 1);
  EXPECT_EQ(deuxYeux->Potentiel, 1);
  EXPECT_EQ(GroupeDe(Groupes.GroupePoint[Pt(2, 1)]).VG.Nombre, 1);
  const Vie* trois = VieDe(Pt(1, 8));
  ASSERT_NE(trois, nullptr);
  EXPECT_EQ(trois->Vivant, 0);
  EXPECT_EQ(trois->Potentiel, 1);
  ASSERT_GE(trois->CoupsVivre.Nombre, 1);
  EXPECT_EQ(trois->CoupsVivre[0], Pt(3, 9));
  ASSERT_GE(trois->CoupsTuer.Nombre, 1);
  EXPECT_EQ(trois->CoupsTuer[0], Pt(3, 9));
  EXPECT_EQ(GroupeDe(Groupes.GroupePoint[Pt(1, 8)]).VEtoile.Nombre, 1);

  // The same unit again: merged, not added.
  Vie encore = *trois;
  EXPECT_EQ(AjouteVieTable(encore), 0);
}

TEST_F(ViesTest, SansVieEnPanique) {
  Reglages.PanicMode = 1;
  AnalyseGroupes(Position);
  EXPECT_EQ(LesVies.NombreViesValides, 0);
  EXPECT_EQ(Analyse.NombreViesValides, 0);
  for (int n = 1; n <= NombreGroupes(); n++) {
    EXPECT_EQ(GroupeDe(n).VG.Nombre, 0);
    EXPECT_EQ(GroupeDe(n).VEtoile.Nombre, 0);
  }
}

}  // namespace
