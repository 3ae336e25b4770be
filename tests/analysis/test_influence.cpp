#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "analysis/influence.h"
#include "diagramme.h"
#include "positions_aleatoires.h"
#include "test_util.h"

namespace {

class InfluenceTest : public ::testing::Test {
 protected:
  void SetUp() override { ReinitialiseInfluence(); }

  // Influence with raw weights, territory and zones of the diagram's position;
  // returns the territory map, one row a line.
  std::string Territoire(const std::string& diagramme) { return Territoire(DamierDe(diagramme)); }
  std::string Territoire(const Damier& d) {
    CalculeInfluence(d, true);
    CalculeTerritoire();
    CalculeZones();
    std::string carte;
    for (int32_t p = 0; p < NbIntersections; p++) {
      carte += static_cast<char>(InfluenceAnalyse.CarteTerritoire[p]);
      if (BordDroit[p]) carte += '\n';
    }
    return carte;
  }
};

// Which side a line flag names comes from the geometry: a corner and the
// corners of the second and third rings take the left or right kernel.
TEST_F(InfluenceTest, EdgeKernelsFollowTheLineFlags) {
  InitialiseGoban(9);
  EXPECT_EQ(PoidsInfluence(Pt(1, 5), Pt(1, 6)), 30);  // left side, along the edge
  EXPECT_EQ(PoidsInfluence(Pt(1, 5), Pt(2, 5)), 10);  // one line up
  EXPECT_EQ(PoidsInfluence(Pt(5, 1), Pt(6, 1)), 30);  // top side
  EXPECT_EQ(PoidsInfluence(Pt(5, 9), Pt(5, 8)), 10);  // bottom side
  EXPECT_EQ(PoidsInfluence(Pt(1, 1), Pt(1, 2)), 30);  // the corner is on the left side
  EXPECT_EQ(PoidsInfluence(Pt(1, 1), Pt(2, 1)), 10);
  EXPECT_EQ(PoidsInfluence(Pt(2, 2), Pt(1, 2)), 30);  // second line, left
  EXPECT_EQ(PoidsInfluence(Pt(2, 2), Pt(2, 1)), 20);
  EXPECT_EQ(PoidsInfluence(Pt(8, 2), Pt(9, 2)), 30);  // second line, right
  EXPECT_EQ(PoidsInfluence(Pt(3, 3), Pt(3, 3)), 40);  // third line
  EXPECT_EQ(PoidsInfluence(Pt(3, 3), Pt(8, 3)), 0);   // beyond the sixth row from the side
  EXPECT_EQ(PoidsInfluence(Pt(5, 5), Pt(5, 5)), 32);  // open board
  EXPECT_EQ(PoidsInfluence(Pt(5, 5), Pt(8, 6)), 1);
  EXPECT_EQ(PoidsInfluence(Pt(5, 5), Pt(8, 7)), 0);
}

TEST_F(InfluenceTest, PositionsAGoPlayerReads) {
  // Empty board: nothing, and one neutral zone over the whole board.
  EXPECT_EQ(
      Territoire(std::string(81, '.')), std::string(9, '+') + "\n" + [] {
        std::string s;
        for (int i = 0; i < 8; i++) s += std::string(9, '+') + "\n";
        return s;
      }());
  EXPECT_EQ(InfluenceAnalyse.ValeurTerritoire, 0);
  EXPECT_EQ(ZonesAnalyse.Nombre[ZONES_INFLUENCE], 1);
  EXPECT_EQ(ZonesAnalyse.Zones[ZONES_INFLUENCE][0].Genre, ZONE_VIDE);
  EXPECT_EQ(ZonesAnalyse.Zones[ZONES_INFLUENCE][0].Taille, 81);

  // One stone in the centre claims its surroundings and nothing else.
  const std::string centre = Territoire(
      ". . . . . . . . .  . . . . . . . . .  . . . . . . . . .  . . . . . . . . .  . . . . @ . . . "
      "."
      ". . . . . . . . .  . . . . . . . . .  . . . . . . . . .  . . . . . . . . .");
  EXPECT_EQ(centre,
            "+++++++++\n+++++++++\n++@@@@@++\n++@@@@@++\n++@@@@@++\n++@@@@@++\n++@@@@@++\n"
            "+++++++++\n+++++++++\n");
  EXPECT_EQ(InfluenceAnalyse.ValeurTerritoire, 25);

  // A wall on the third line holds the two lines under it; the opposed wall
  // holds as much for the other side, and the middle row is no one's.
  const std::string murs = Territoire(
      ". . . . . . . . .  . . . . . . . . .  @ @ @ @ @ @ @ @ @  . . . . . . . . .  . . . . . . . . "
      "."
      ". . . . . . . . .  O O O O O O O O O  . . . . . . . . .  . . . . . . . . .");
  EXPECT_EQ(murs,
            "@@@@@@@@@\n@@@@@@@@@\n@@@@@@@@@\n@@@@@@@@@\n+++++++++\nOOOOOOOOO\nOOOOOOOOO\n"
            "OOOOOOOOO\nOOOOOOOOO\n");
  EXPECT_EQ(InfluenceAnalyse.ValeurTerritoire, 0);

  // A secure corner: the corner behind the stones is colour 1's, the open side
  // of the board is colour 2's.
  const std::string coin = Territoire(
      ". . . @ . . . . .  . . . @ . . . . .  . . . @ . . . . .  @ @ @ . . . . . .  . . . . . . . . "
      "."
      ". . . . . . O . .  . . . . . . . . .  . . . . . . . . .  . . . . . . . . .");
  for (int y = 1; y <= 3; y++)
    for (int x = 1; x <= 3; x++) EXPECT_EQ(coin[(y - 1) * 10 + (x - 1)], '@') << x << "," << y;
  EXPECT_EQ(coin[8 * 10 + 8], '+');
}

// Raw weights off: each weight times the stone's estimate, truncated.
TEST_F(InfluenceTest, EstimatesScaleTheWeights) {
  const Damier d = DamierDe(
      ". . . . . . . . .  . . . . . . . . .  . . . . . . . . .  . . . . . . . . .  . . . . @ . . . "
      "."
      ". . . . . . . . .  . . . . . . . . .  . . . . . . . . .  . . . . . . . . .");
  Statut.EstimationPierre[Pt(5, 5)] = 0.5f;
  CalculeInfluence(d, false);
  EXPECT_EQ(InfluenceAnalyse.Influence[Pt(5, 5)], 16);
  EXPECT_EQ(InfluenceAnalyse.Influence[Pt(8, 6)], 0);
  EXPECT_EQ(InfluenceAnalyse.Influence[Pt(7, 6)], 2);
}

// The territory map and the zones do not depend on how the board is turned,
// and swapping the colours swaps the map and negates the value. The kernels
// of the ring corners (left or right, never top or bottom) are not symmetric
// under the diagonal reflections, so those four are checked only on positions
// with no stone on a ring corner.
TEST_F(InfluenceTest, TerritoryIsInvariantUnderSymmetriesAndColourSwap) {
  InitialiseGoban(9);
  auto transforme = [](int s, int32_t p) {
    int x = CoordX[p] - 1, y = CoordY[p] - 1;
    if (s & 4) std::swap(x, y);
    if (s & 1) x = 8 - x;
    if (s & 2) y = 8 - y;
    return Pt(x + 1, y + 1);
  };
  auto coinAnneau = [](int32_t p) {
    const int x = CoordX[p], y = CoordY[p];
    const int ax = std::min(x, 10 - x), ay = std::min(y, 10 - y);
    return ax == ay && ax <= 3;
  };
  for (uint32_t graine = 1; graine <= 60; graine++) {
    const Damier d = PositionAleatoire(9, graine, 10 + static_cast<int>(graine % 50));
    Territoire(d);
    const EtatInfluence ref = InfluenceAnalyse;
    const auto zref = std::make_unique<ZonesInfluence>(ZonesAnalyse);
    bool diagonales = true;
    for (int32_t p = 0; p < 81; p++)
      if (Couleur(d, p) != VIDE && coinAnneau(p)) diagonales = false;
    for (int s = 1; s < (diagonales ? 8 : 4); s++) {
      Damier t;
      ViderDamier(t);
      for (int32_t p = 0; p < 81; p++)
        if (Couleur(d, p)) PosePierre(t, transforme(s, p), Couleur(d, p));
      Territoire(t);
      ASSERT_EQ(InfluenceAnalyse.ValeurTerritoire, ref.ValeurTerritoire) << graine << " sym " << s;
      for (int32_t p = 0; p < 81; p++) {
        const int32_t q = transforme(s, p);
        ASSERT_EQ(InfluenceAnalyse.CarteTerritoire[q], ref.CarteTerritoire[p])
            << graine << " " << p;
        for (int f = 0; f < NOMBRE_FAMILLES_ZONES; f++)
          ASSERT_EQ(TailleZone(ZonesAnalyse, FamilleZone(f), q),
                    TailleZone(*zref, FamilleZone(f), p));
      }
    }
    Damier inverse;
    ViderDamier(inverse);
    for (int32_t p = 0; p < 81; p++)
      if (Couleur(d, p)) PosePierre(inverse, p, Adversaire(Couleur(d, p)));
    Territoire(inverse);
    ASSERT_EQ(InfluenceAnalyse.ValeurTerritoire, -ref.ValeurTerritoire) << graine;
    for (int32_t p = 0; p < 81; p++) {
      const int32_t m = ref.CarteTerritoire[p];
      ASSERT_EQ(InfluenceAnalyse.CarteTerritoire[p], m == '@' ? 'O' : m == 'O' ? '@' : '+');
    }
  }
}

TEST_F(InfluenceTest, PrintsTheTerritoryFramed) {
  Territoire("@ . .  . . .  . . O");
  EXPECT_EQ(Ecrit([](std::FILE* f) { ImprimeTerritoire(f); }),
            "TerritoireInfluence\n"
            " /  -  -  -  \\\n"
            " |  @  +  O  | \n"
            " |  @  +  O  | \n"
            " |  @  +  O  | \n"
            " \\ -  -  -  / \n");
}

TEST_F(InfluenceTest, PrintsTheZones) {
  Territoire("@ . .  . . .  . . O");
  EXPECT_EQ(Ecrit([](std::FILE* f) { ImprimeZones(f); }),
            "NumeroZoneInfluence\n"
            " /  -  -  -  \\\n"
            " |  0  0  1  | \n"
            " |  0  2  1  | \n"
            " |  0  1  1  | \n"
            " \\ -  -  -  / \n"
            "Zone 0, AMI, Taille 4, Territoire 2, Frontiere 1, Zone Enfermee 4,\n"
            "Zone 1, ENNEMI, Taille 4, Territoire 2, Frontiere 1, Zone Enfermee 4,\n"
            "Zone 2, VIDE, Taille 1, Territoire 0, Frontiere 0,\n");
}

}  // namespace
