#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "analyse_groupes.h"
#include "rules/base.h"
#include "rules/regles.h"
#include "tactics/outils_tactique.h"
#include "test_util.h"

namespace {

class ValeursTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReinitialiseAnalyseGroupes();
    ReinitialiseBaseRegles();
  }
  void TearDown() override { ReinitialiseBaseRegles(); }
};

bool Conteste(int32_t p) {
  return Valeurs.AtteintAmi[p] && Valeurs.AtteintEnnemi[p];
}

// Seeded random positions: the board comes back as it was, the values keep
// to the points they belong to, and SeuilMax is the best legal point's value.
TEST_F(ValeursTest, InvariantsSurPositionsAleatoires) {
  int contestes = 0;
  for (uint32_t graine = 1; graine <= 16; graine++) {
    const Damier d = PositionAleatoire(9, graine, 15 + static_cast<int>(graine % 4) * 10);
    SCOPED_TRACE("seed " + std::to_string(graine));
    AnalyseGroupes(d);
    const Instantane avant = Instantane::Prend();
    const int32_t seuil = ValeursStatiques();
    EXPECT_TRUE(Instantane::Prend() == avant) << "the board changed";

    int32_t meilleur = 0;
    for (int32_t p = 0; p < NbIntersections; p++) {
      const bool jouable = Couleur(DamierIncremental, p) == VIDE && CoupLegalIncremental(p, 1);
      if (jouable)
        meilleur = std::max(meilleur, Valeurs.ValeurTerritoriale[p] + Valeurs.BonusCoup[p]);
      // A bonus only where a friend stone may be played and would live.
      if (Valeurs.BonusCoup[p] > 0) {
        EXPECT_TRUE(jouable) << "bonus on point " << p;
        EXPECT_FALSE(PierrePerdueAmi[p]) << "bonus on lost point " << p;
      }
      if (!Conteste(p)) {
        EXPECT_EQ(Valeurs.ValeurTerritoriale[p], 0) << p;
        EXPECT_EQ(Valeurs.DeltaCV[p], 0) << p;
        continue;
      }
      contestes++;
      EXPECT_EQ(Valeurs.ValeurTerritoriale[p],
                (Valeurs.DeltaAmi[p] + Valeurs.MaxE[p]) / 2 + Valeurs.DeltaCV[p] + 1);
      EXPECT_GE(Valeurs.MaxE[p], 0);
      if (Valeurs.PointPattern[p]) {
        EXPECT_EQ(Valeurs.DeltaAmi[p], 0);
        EXPECT_EQ(Valeurs.DeltaCV[p], 0);
      }
    }
    EXPECT_EQ(seuil, meilleur);
  }
  EXPECT_GT(contestes, 0) << "no contested point: the test checks nothing";
}

// SeuilMax looks only at empty points where colour 1 may play: a bonus left
// on a stone or on a suicide point cannot hide the real candidates.
TEST_F(ValeursTest, SeuilMaxSurPointsJouables) {
  AnalyseGroupes(R"(
    . O . . . . . . .
    O . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . @ . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)");
  ReinitialiseValeurs();
  Valeurs.BonusCoup[Pt(1, 1)] = 75;  // suicide for colour 1
  Valeurs.BonusCoup[Pt(5, 5)] = 80;  // a stone
  Valeurs.BonusCoup[Pt(7, 7)] = 12;
  Valeurs.ValeurTerritoriale[Pt(7, 7)] = 3;
  EXPECT_EQ(CalculeSeuilMax(), 15);
}

// Two stones facing each other across one point, counted by hand. The
// connections to empty points are cut down to the strings' own liberties (the
// stage also finds the diagonals), so only the point between them is contested. Its
// near points: four that neither reaches, two that only colour 2 reaches, two
// that only colour 1 reaches; no safe reply but the point itself. DeltaCV is
// 4 + 2 + 2 = 8. The position is the same for both colours mirrored, so a
// stone of either colour there gains the same territory D, MaxE is D, and the
// value is (D + D) / 2 + 8 + 1.
TEST_F(ValeursTest, ValeurTerritorialeCompteeALaMain) {
  InitialiseDamierIncremental(DamierDe(R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . @ . O . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)"));
  AnalyseAvantGroupes();
  Liens.NbLiensVides = 0;
  for (int32_t& n : Liens.NbIndexVide) n = 0;
  for (int32_t a : {Pt(4, 5), Pt(6, 5)})
    for (int32_t l : StringIntersection[a]->Libertes)
      AjouteLienVide({Couleur(DamierIncremental, a), a, l, 1});
  FormeGroupes();
  std::string console, trace;
  {
    // The line goes to the game trace (the error stream here) and the console,
    // and with Silence on to neither.
    CaptureErreurs erreurs;
    CaptureConsole ecran;
    ValeursStatiques();
    EXPECT_EQ(erreurs.Texte(), "");
    Silence = false;
    ValeursStatiques();
    Silence = true;
    trace = erreurs.Texte();
    console = ecran.Texte();
  }
  const int32_t p = Pt(5, 5);
  for (int32_t q = 0; q < NbIntersections; q++) EXPECT_EQ(Conteste(q), q == p) << q;
  const int32_t d = Valeurs.DeltaAmi[p];
  EXPECT_GT(d, 0);
  EXPECT_EQ(Valeurs.DeltaEnnemi[p], d);
  EXPECT_EQ(Valeurs.MaxE[p], d);
  EXPECT_EQ(Valeurs.DeltaCV[p], 8);
  EXPECT_EQ(Valeurs.ValeurTerritoriale[p], d + 9);
  // The shape steps: the boundary points between the two stones (the one that
  // touches the enemy stone more), the one-point jumps of the weak stone up
  // and down; none toward its own side, where the jump lands in its own ground.
  for (int32_t q = 0; q < NbIntersections; q++) {
    int attendu = 0;
    if (q == Pt(5, 4) || q == Pt(5, 6)) attendu = BONUS_FRONTIERE;
    if (q == p) attendu = BONUS_FRONTIERE_CONTACT;
    if (q == Pt(4, 3) || q == Pt(4, 7)) attendu = BONUS_SORTIE;
    EXPECT_EQ(Valeurs.BonusCoup[q], attendu) << CoordX[q] << "," << CoordY[q];
  }
  const std::string d_ = std::to_string(d);
  EXPECT_EQ(console, trace);
  EXPECT_EQ(trace, "TerritoireInfluence apres le coup @ en 40, DeltaCV=8, DeltaAmi=" + d_ +
                       ", DeltaEnnemi=" + d_ + ", MaxE=" + d_ + ", val=" + std::to_string(d + 9) +
                       "\n");
}

// The opening rules on an empty 9x9 board: the 3-3 points, the 3-4 points and
// the centre carry their rule values, and nothing else has a value.
TEST_F(ValeursTest, ReglesOuvertureSurGobanVide) {
  DemarreBaseRegles();
  TailleCle = CLE_POSITION;
  {
    CaptureErreurs erreurs;
    LitBinaire(ILVANE_DOSSIER_REGLES "/Fuzeki.bin");
  }
  AnalyseGroupes(std::string(81, '.'));
  EXPECT_EQ(ValeursStatiques(), 32);
  for (int y = 1; y <= 9; y++)
    for (int x = 1; x <= 9; x++) {
      const int bx = std::min(x, 10 - x), by = std::min(y, 10 - y);
      int attendu = 0;
      if (bx == 3 && by == 3) attendu = 30;
      if ((bx == 3 && by == 4) || (bx == 4 && by == 3)) attendu = 25;
      if (x == 5 && y == 5) attendu = 32;
      EXPECT_EQ(Valeurs.BonusCoup[Pt(x, y)], attendu) << x << "," << y;
      EXPECT_EQ(Valeurs.ValeurTerritoriale[Pt(x, y)], 0);
    }
}

}  // namespace
