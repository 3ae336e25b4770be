#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

#include "board/damier.h"
#include "diagramme.h"
#include "reference_go.h"

namespace {

class DamierTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitialiseGoban(9);
    ReinitialiseRequetes();
  }
};

TEST_F(DamierTest, PassAndNegativePoints) {
  Damier d = DamierDe(std::string(81, '.'));
  EXPECT_EQ(EstLegal(d, COUP_PASSE, 1), 1);
  EXPECT_EQ(EstLegal(d, COUP_PASSE, 2), 1);
  EXPECT_EQ(EstLegal(d, -1, 1), 0);
  EXPECT_EQ(EstLegal(d, 81, 1), 0);
  EXPECT_EQ(AuMoinsNLibertes(d, 40, 1), 0);
  EXPECT_EQ(AuMoinsNLibertes(d, COUP_PASSE, 1), 0);
  EXPECT_EQ(AuMoinsNPierres(d, 40, 1), 0);
  EXPECT_EQ(JoueCoup(d, COUP_PASSE, 1), 0);
  EXPECT_EQ(PointKo(d), COUP_PASSE);
}

// After 2^32 searches the counters come back to the values of the first ones:
// the marks those left must not count as visited.
TEST_F(DamierTest, GenerationWrapForgetsOldMarks) {
  std::string diagramme(81, '.');
  diagramme[40] = diagramme[41] = '@';
  const Damier d = DamierDe(diagramme);
  ASSERT_EQ(AuMoinsNLibertes(d, 40, 6), 1);
  ASSERT_EQ(AuMoinsNPierres(d, 40, 2), 1);
  FixeGenerationsRequetes(UINT32_MAX);
  ASSERT_EQ(AuMoinsNLibertes(d, 40, 6), 1);
  ASSERT_EQ(AuMoinsNPierres(d, 40, 2), 1);
  // Both counters have wrapped.
  EXPECT_EQ(AuMoinsNLibertes(d, 40, 6), 1);
  EXPECT_EQ(AuMoinsNPierres(d, 40, 2), 1);
}

TEST_F(DamierTest, ClearedPositionKoZeroDoesNotBanTheCorner) {
  Damier d;
  ViderDamier(d);
  EXPECT_EQ(PointKo(d), 0);
  EXPECT_EQ(EstLegal(d, 0, 1), 1);
}

TEST_F(DamierTest, SuicideUnlessACaptureTakesPlace) {
  Damier d = DamierDe(
      ". . . . . . . . ."
      ". . . . O . . . ."
      ". . . O . O . . ."
      ". . . . O . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  const int32_t centre = Pt(5, 3);
  EXPECT_EQ(EstLegal(d, centre, 1), 0);
  EXPECT_EQ(EstLegal(d, centre, 2), 1);
  // Put the upper white stone in atari: now the move captures.
  PosePierre(d, Pt(5, 1), 1);
  PosePierre(d, Pt(4, 2), 1);
  PosePierre(d, Pt(6, 2), 1);
  EXPECT_EQ(EstLegal(d, centre, 1), 1);
  EXPECT_EQ(JoueCoup(d, centre, 1), 1);
  EXPECT_EQ(Couleur(d, Pt(5, 2)), 0);
}

TEST_F(DamierTest, KoIsSetAndBansOnlyTheImmediateRecapture) {
  Damier d = DamierDe(
      ". @ O . . . . . ."
      "@ O . O . . . . ."
      ". @ O . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  // Black (1) takes the white stone at (2,2) by playing (3,2).
  EXPECT_EQ(PointKoApres(d, Pt(3, 2), 1), Pt(2, 2));
  EXPECT_EQ(JoueCoup(d, Pt(3, 2), 1), 1);
  EXPECT_EQ(PointKo(d), Pt(2, 2));
  EXPECT_EQ(EstLegal(d, Pt(2, 2), 2), 0);
  // Any other move clears the ban.
  Damier e = d;
  JoueCoup(e, Pt(8, 8), 2);
  EXPECT_EQ(PointKo(e), COUP_PASSE);
  JoueCoup(e, Pt(8, 7), 1);
  EXPECT_EQ(EstLegal(e, Pt(2, 2), 2), 1);
  // So does a pass.
  JoueCoup(d, COUP_PASSE, 2);
  EXPECT_EQ(PointKo(d), COUP_PASSE);
}

TEST_F(DamierTest, TwoStonesCapturedSetNoKo) {
  Damier d = DamierDe(
      "O @ . . . . . . ."
      "O @ . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  EXPECT_EQ(JoueCoup(d, Pt(1, 3), 1), 2);
  EXPECT_EQ(PointKo(d), COUP_PASSE);
  // Two single stones at once.
  Damier e = DamierDe(
      ". @ @ @ . . . . ."
      "@ O . O @ . . . ."
      ". @ O @ . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  EXPECT_EQ(JoueCoup(e, Pt(3, 2), 1), 2);
  EXPECT_EQ(PointKo(e), COUP_PASSE);
}

TEST_F(DamierTest, StoneAndLibertyCounts) {
  Damier d = DamierDe(
      "@ @ O . . . . . ."
      "@ . O . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  EXPECT_EQ(AuMoinsNPierres(d, 0, 1), 1);
  EXPECT_EQ(AuMoinsNPierres(d, 0, 3), 1);
  EXPECT_EQ(AuMoinsNPierres(d, 0, 4), 0);
  EXPECT_EQ(AuMoinsNLibertes(d, 0, 2), 1);  // (2,2) and (1,3)
  EXPECT_EQ(AuMoinsNLibertes(d, 0, 3), 0);
  EXPECT_EQ(AdversairesOntNLibertes(d, 0, 3), 1);  // white has (4,1) (4,2) (2,2)... and (3,3)
  EXPECT_EQ(AdversairesOntNLibertes(d, 2, 3), 0);  // black has two
  EXPECT_EQ(NombreVoisins(d, 1, 1), 1);
  EXPECT_EQ(NombreVoisins(d, 1, 2), 1);
  EnsembleIntersections e;
  Vide(e);
  AjouteChaine(d, e, 0);
  EXPECT_EQ(Contient(e, 0) + Contient(e, 1) + Contient(e, 9), 3);
  EXPECT_EQ(Contient(e, 2), 0);
}

TEST_F(DamierTest, QueriesRecordWhatTheyRead) {
  Damier d = DamierDe(std::string(81, '.'));
  PosePierre(d, 40, 1);
  Vide(IntersectionsLues);
  AuMoinsNLibertes(d, 40, 4);
  for (int p : {40, 31, 49, 39, 41}) EXPECT_EQ(Contient(IntersectionsLues, p), 1) << p;
  EXPECT_EQ(Contient(IntersectionsLues, 0), 0);
}

TEST_F(DamierTest, AfterMoveQueriesCountCapturesAndSetDrapeauKo) {
  Damier d = DamierDe(
      ". @ O . . . . . ."
      "@ O . O . . . . ."
      ". @ O . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  EXPECT_EQ(AuMoinsNLibertesApres(d, Pt(3, 2), 1, 1), 1);
  EXPECT_EQ(DrapeauKo, 1);
  EXPECT_EQ(AuMoinsNLibertesApres(d, Pt(3, 2), 1, 2), 0);
  ListeIntersections l;
  EXPECT_EQ(LibertesApres(d, Pt(3, 2), 1, 0, l), 1);
  EXPECT_EQ(l.Nombre, 1);
  EXPECT_EQ(l[0], Pt(2, 2));
  // White in the corner takes the black stone at (2,1): a ko shape too.
  EXPECT_EQ(AuMoinsNLibertesApres(d, Pt(1, 1), 2, 1), 1);
  EXPECT_EQ(DrapeauKo, 1);
  EXPECT_EQ(AuMoinsNLibertesApres(d, Pt(1, 1), 1, 1), 1);
  EXPECT_EQ(DrapeauKo, 0);
  // Two stones placed together: (1,3) and (1,4) for white.
  EXPECT_EQ(AuMoinsNLibertesApres2(d, Pt(5, 5), Pt(5, 6), 2, 6), 1);
  EXPECT_EQ(AuMoinsNLibertesApres2(d, Pt(5, 5), Pt(5, 6), 2, 7), 0);
}

// Random games on the packed board against the independent model: legality,
// captures, ko and the liberty queries must agree at every step.
void PartiesAleatoires(int taille, unsigned graine, int nbCoups) {
  InitialiseGoban(taille);
  std::mt19937 alea(graine);
  const int nb = taille * taille;
  Damier d;
  ViderDamier(d);
  FixePointKo(d, COUP_PASSE);
  ReferenceGo ref(taille);
  int couleur = 1;
  for (int coup = 0; coup < nbCoups; coup++) {
    for (int p = 0; p < nb; p++) {
      ASSERT_EQ(Couleur(d, p), ref.c[p]) << "coup " << coup << " point " << p;
      ReferenceGo essai = ref;
      const bool legal = essai.Joue(p, couleur, false) >= 0;
      ASSERT_EQ(EstLegal(d, p, couleur), legal ? 1 : 0) << "coup " << coup << " point " << p;
      if (ref.c[p] != 0) {
        const int libs = static_cast<int>(ref.Libertes(p).size());
        const int stones = static_cast<int>(ref.Chaine(p).size());
        for (int k = 1; k <= 5; k++) {
          ASSERT_EQ(AuMoinsNLibertes(d, p, k), libs >= k ? 1 : 0);
          ASSERT_EQ(AuMoinsNPierres(d, p, k), stones >= k ? 1 : 0);
        }
      } else if (legal) {
        ReferenceGo apres = ref;
        apres.ko = -1;
        apres.Joue(p, couleur);
        const int libs = static_cast<int>(apres.Libertes(p).size());
        for (int k = 1; k <= 4; k++)
          ASSERT_EQ(AuMoinsNLibertesApres(d, p, couleur, k), libs >= k ? 1 : 0) << p;
        ListeIntersections l;
        ASSERT_EQ(LibertesApres(d, p, couleur, 2, l), libs > 2 ? 1 : 0);
        ASSERT_EQ(l.Nombre, std::min(libs, 3));
      }
    }
    std::vector<int> legaux;
    for (int p = 0; p < nb; p++)
      if (EstLegal(d, p, couleur)) legaux.push_back(p);
    if (legaux.empty() || alea() % 50 == 0) {
      JoueCoup(d, COUP_PASSE, couleur);
      ref.Passe();
    } else {
      const int p = legaux[alea() % legaux.size()];
      const int prises = ref.Joue(p, couleur);
      ASSERT_EQ(JoueCoup(d, p, couleur), prises);
      ASSERT_EQ(PointKo(d), ref.ko == -1 ? COUP_PASSE : ref.ko);
    }
    couleur = Adversaire(couleur);
  }
}

TEST_F(DamierTest, RandomGamesAgreeWithReference9x9) {
  for (unsigned graine = 1; graine <= 3; graine++) PartiesAleatoires(9, graine, 250);
}

TEST_F(DamierTest, RandomGameAgreesWithReference19x19) {
  PartiesAleatoires(19, 4, 200);
  InitialiseGoban(9);
}

TEST_F(DamierTest, RandomGamesAgreeWithReferenceSmallBoards) {
  PartiesAleatoires(2, 7, 60);
  PartiesAleatoires(3, 8, 120);
  PartiesAleatoires(5, 9, 200);
  InitialiseGoban(9);
}

// Records what JoueCoup reports through its hooks.
struct Journal : SuiviJoueCoup {
  std::vector<std::array<int, 3>> changes;
  std::vector<std::array<int, 2>> coups;
  void ChangePoint(int32_t p, int a, int n) override { changes.push_back({p, a, n}); }
  void Coup(int32_t p, int c) override { coups.push_back({p, c}); }
};

TEST_F(DamierTest, HooksLogTheMoveFirstThenEachCapturedStone) {
  Damier d = DamierDe(
      "O @ . . . . . . ."
      "O @ . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  Journal j;
  EXPECT_EQ(JoueCoup(d, Pt(1, 3), 1, &j), 2);
  ASSERT_EQ(j.changes.size(), 3u);
  EXPECT_EQ(j.changes[0], (std::array<int, 3>{Pt(1, 3), 0, 1}));
  EXPECT_EQ(j.changes[1], (std::array<int, 3>{Pt(1, 2), 2, 0}));
  EXPECT_EQ(j.changes[2], (std::array<int, 3>{Pt(1, 1), 2, 0}));
  ASSERT_EQ(j.coups.size(), 1u);
  JoueCoup(d, COUP_PASSE, 2, &j);
  EXPECT_EQ(j.changes.back(), (std::array<int, 3>{COUP_PASSE, 0, 2}));
  EXPECT_EQ(j.coups.back(), (std::array<int, 2>{COUP_PASSE, 2}));
}

}  // namespace
