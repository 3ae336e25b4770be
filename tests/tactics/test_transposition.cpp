// The transposition table: a stored result is found again in the same
// generation and never in the next; the depth rule of replacement; the cut
// move list; the full clear happens only when the generation counter wraps.

#include <gtest/gtest.h>

#include <random>

#include "tactics/transposition.h"

namespace {

class Transposition : public testing::Test {
 protected:
  void SetUp() override { ReinitialiseTT(); }
};

TEST_F(Transposition, TrouveeDansLaGenerationPasDansLaSuivante) {
  std::mt19937 alea(45);
  NouvelleRechercheTT();
  for (int n = 0; n < 2000; n++) {
    const uint32_t c1 = alea(), c2 = alea();
    const int32_t coups[3] = {static_cast<int32_t>(n % 81), 7, 8};
    ASSERT_EQ(AddTT(c1, c2, 5, n % 5, 12, coups, 3), 1);
    const EntreeTT* e = ChercheTT(c1, c2);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Resultat, n % 5);
    EXPECT_EQ(e->Coups[0], n % 81);
    EXPECT_EQ(ChercheTT(c1, c2 ^ 1u), nullptr);
    NouvelleRechercheTT();
    EXPECT_EQ(ChercheTT(c1, c2), nullptr);
  }
  EXPECT_EQ(TableTransposition.Effacements, 1u);
}

TEST_F(Transposition, ProfondeurEtIndexPartage) {
  NouvelleRechercheTT();
  const int32_t m[1] = {3};
  EXPECT_EQ(AddTT(0x40000u, 1, 3, 4, 1, m, 1), 1);
  EXPECT_EQ(AddTT(0x40000u, 1, 3, 0, 1, m, 1), 0);
  EXPECT_EQ(AddTT(0x40000u, 1, 2, 0, 1, m, 1), 0);
  EXPECT_EQ(ChercheTT(0x40000u, 1)->Resultat, 4);
  EXPECT_EQ(AddTT(0x40000u, 1, 4, 0, 1, m, 1), 1);
  EXPECT_EQ(ChercheTT(0x40000u, 1)->Resultat, 0);
  // Same top 14 bits: one entry, the later deeper store wins.
  EXPECT_EQ(AddTT(0x40001u, 1, 5, 1, 1, m, 1), 1);
  EXPECT_EQ(ChercheTT(0x40000u, 1), nullptr);
  EXPECT_NE(ChercheTT(0x40001u, 1), nullptr);
}

TEST_F(Transposition, ListeCoupeeMarquee) {
  NouvelleRechercheTT();
  int32_t coups[25];
  for (int i = 0; i < 25; i++) coups[i] = i;
  testing::internal::CaptureStderr();
  AddTT(77u << 18, 2, 1, 3, 0, coups, 25);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Pb MaxMovesTrans < 25 in AddTT\n");
  const EntreeTT* e = ChercheTT(77u << 18, 2);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->NombreCoups, MaxMovesTrans);
  EXPECT_EQ(e->Coupee, 1);
  AddTT(78u << 18, 2, 1, 3, 0, coups, 20);
  EXPECT_EQ(ChercheTT(78u << 18, 2)->Coupee, 0);
}

// The counter goes 1, 2, ..., 65535, then the table is cleared and it starts
// again at 1: an entry of generation 1 never reappears after the wrap.
TEST_F(Transposition, EffacementSeulementAuRetourACapacite) {
  NouvelleRechercheTT();
  EXPECT_EQ(TableTransposition.Generation, 1);
  const int32_t m[1] = {0};
  AddTT(5u << 18, 9, 1, 4, 0, m, 1);
  for (int i = 2; i <= 65535; i++) NouvelleRechercheTT();
  EXPECT_EQ(TableTransposition.Generation, 65535);
  EXPECT_EQ(TableTransposition.Effacements, 1u);
  NouvelleRechercheTT();
  EXPECT_EQ(TableTransposition.Generation, 1);
  EXPECT_EQ(TableTransposition.Effacements, 2u);
  EXPECT_EQ(ChercheTT(5u << 18, 9), nullptr);
}

}  // namespace
