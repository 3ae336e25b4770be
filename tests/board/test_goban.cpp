#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "board/goban.h"

namespace {

std::vector<int32_t> Vec(const Liste<4>& l) {
  return {l.begin(), l.end()};
}
std::vector<int32_t> Vec(const Liste<8>& l) {
  return {l.begin(), l.end()};
}

class Goban9 : public ::testing::Test {
 protected:
  void SetUp() override { InitialiseGoban(9); }
};

TEST_F(Goban9, NeighbourOrderIsUpDownLeftRight) {
  EXPECT_EQ(Vec(Voisins[0]), (std::vector<int32_t>{9, 1}));
  EXPECT_EQ(Vec(Voisins[80]), (std::vector<int32_t>{71, 79}));
  EXPECT_EQ(Vec(Voisins[40]), (std::vector<int32_t>{31, 49, 39, 41}));
  EXPECT_EQ(Vec(Diagonales[40]), (std::vector<int32_t>{30, 32, 48, 50}));
  EXPECT_EQ(Vec(Diagonales[8]), (std::vector<int32_t>{16}));
  EXPECT_EQ(Vec(Voisins8[0]), (std::vector<int32_t>{9, 1, 10}));
}

TEST_F(Goban9, CornersEdgesAndCoordinates) {
  for (int p = 0; p < 81; p++) {
    EXPECT_EQ(Coin[p], p == 0 || p == 8 || p == 72 || p == 80) << p;
    EXPECT_EQ(Bord[p], SurLigne1[p]);
    EXPECT_EQ(Intersection[CoordX[p]][CoordY[p]], p);
  }
  EXPECT_EQ(CoordX[10], 2);
  EXPECT_EQ(CoordY[10], 2);
  EXPECT_EQ(Intersection[10][1], -1);
  EXPECT_EQ(Intersection[0][1], -1);
  EXPECT_EQ(Intersection[1][10], -1);
}

TEST_F(Goban9, LinesAreRingsAtDistanceK) {
  std::vector<int32_t> ligne5, ligne4;
  for (int p = 0; p < 81; p++) {
    if (SurLigne5[p]) ligne5.push_back(p);
    if (SurLigne4[p]) ligne4.push_back(p);
    const int x = CoordX[p], y = CoordY[p];
    const int k = std::min({x, y, 10 - x, 10 - y});
    EXPECT_EQ(SurLigne2[p], k == 2) << p;
    EXPECT_EQ(SurLigne3[p], k == 3) << p;
    EXPECT_EQ(Bord[p], k == 1) << p;
    // Exactly one side on lines 1 to 3.
    if (k == 1) {
      EXPECT_EQ(Ligne1Gauche[p] + Ligne1Droite[p] + Ligne1Haut[p] + Ligne1Bas[p], 1);
    }
    if (k == 2) {
      EXPECT_EQ(Ligne2Gauche[p] + Ligne2Droite[p] + Ligne2Haut[p] + Ligne2Bas[p], 1);
    }
    if (k == 3) {
      EXPECT_EQ(Ligne3Gauche[p] + Ligne3Droite[p] + Ligne3Haut[p] + Ligne3Bas[p], 1);
    }
  }
  EXPECT_EQ(ligne5, (std::vector<int32_t>{40}));
  EXPECT_EQ(ligne4, (std::vector<int32_t>{30, 31, 32, 39, 41, 48, 49, 50}));
}

TEST_F(Goban9, RingCornersCountAsLeftOrRight) {
  EXPECT_EQ(Ligne1Gauche[0], 1);
  EXPECT_EQ(Ligne1Haut[0], 0);
  EXPECT_EQ(Ligne1Droite[8], 1);
  EXPECT_EQ(Ligne1Gauche[72], 1);
  EXPECT_EQ(Ligne1Haut[4], 1);
  EXPECT_EQ(Ligne1Bas[76], 1);
  EXPECT_EQ(Ligne2Gauche[10], 1);
  EXPECT_EQ(Ligne2Haut[10], 0);
  EXPECT_EQ(Ligne2Droite[16], 1);
  EXPECT_EQ(Ligne2Haut[12], 1);
  EXPECT_EQ(Ligne2Bas[66], 1);
  EXPECT_EQ(Ligne3Gauche[20], 1);
  EXPECT_EQ(Ligne3Droite[24], 1);
  EXPECT_EQ(Ligne3Haut[21], 1);
}

TEST_F(Goban9, VoisinAndDiagonaleDoNotWrapAround) {
  EXPECT_EQ(EstVoisin(8, 9), 0);
  EXPECT_EQ(EstVoisin(9, 8), 0);
  EXPECT_EQ(EstVoisin(40, 31), 1);
  EXPECT_EQ(EstVoisin(40, 41), 1);
  EXPECT_EQ(EstDiagonale(9, 17), 0);
  EXPECT_EQ(EstDiagonale(40, 50), 1);
  EXPECT_EQ(EstVoisin(0, -9), 0);
  EXPECT_EQ(EstVoisin(400, 391), 0);
}

TEST(Goban, EveryTableIsRewrittenBySmallerSize) {
  InitialiseGoban(19);
  InitialiseGoban(5);
  EXPECT_EQ(NbIntersections, 25);
  EXPECT_EQ(SurLigne4[40], 0);
  EXPECT_EQ(Intersection[6][1], -1);
  EXPECT_EQ(SurLigne3[12], 1);
  InitialiseGoban(1);
  EXPECT_EQ(Voisins[0].Nombre, 0);
  EXPECT_EQ(Coin[0], 1);
  InitialiseGoban(9);
}

TEST(Damier, PackingAndKoField) {
  Damier d;
  ViderDamier(d);
  for (int p = 0; p < 361; p++) EXPECT_EQ(Couleur(d, p), 0);
  EXPECT_EQ(PointKo(d), 0);
  PosePierre(d, 360, 2);
  PosePierre(d, 352, 1);
  FixePointKo(d, 400);
  EXPECT_EQ(Couleur(d, 360), 2);
  EXPECT_EQ(Couleur(d, 352), 1);
  EXPECT_EQ(PointKo(d), 400);
  FixePointKo(d, 17);
  EXPECT_EQ(PointKo(d), 17);
  EXPECT_EQ(Couleur(d, 360), 2);
  OtePierre(d, 360);
  EXPECT_EQ(Couleur(d, 360), 0);
  EXPECT_EQ(d.Mots[22] & 0x3C0000u, 0u);  // bits 18 to 21 stay clear
}

TEST(Ensemble, Operations) {
  EnsembleIntersections a, b;
  Vide(a);
  Vide(b);
  Ajoute(a, 0);
  Ajoute(a, 383);
  Ajoute(a, 400);  // a pass is never a member
  Ajoute(a, -1);
  EXPECT_EQ(Contient(a, 0), 1);
  EXPECT_EQ(Contient(a, 383), 1);
  EXPECT_EQ(Contient(a, 400), 0);
  EXPECT_EQ(Rencontre(a, b), 0);
  Ajoute(b, 383);
  EXPECT_EQ(Rencontre(a, b), 1);
  Ajoute(b, 33);
  Union(a, b);
  EXPECT_EQ(Contient(a, 33), 1);
  Retire(a, 33);
  EXPECT_EQ(Contient(a, 33), 0);
}

}  // namespace
