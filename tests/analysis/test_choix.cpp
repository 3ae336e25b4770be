#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "analyse_groupes.h"
#include "analysis/choix.h"
#include "base/reglages.h"
#include "test_util.h"

namespace {

class ChoixTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReinitialiseAnalyseGroupes();
    ReinitialiseChoix();
    ReinitialiseReglages();
    OuvreTraceJeu("test_choix.trace");
  }
  void TearDown() override { FermeTraceJeu(); }
};

// Own eye at A1 (1,1), a self-atari that captures nothing at J1 (9,1), enemy
// stones at C3 and F6.
constexpr const char* POSITION_REGLE =
    ".@.....O."
    "@@......."
    "..O......"
    "........."
    "........."
    ".....O..."
    "........."
    "........."
    ".........";

struct CasRegle {
  const char* Nom;
  std::vector<std::pair<int32_t, int32_t>> Valeurs;  // (point, value); every other point -5
  int32_t TerritoireEnnemi;                           // a point owned by colour 2, or -1
  int32_t GainMesure;                                 // a trial at Pt(1,1) measured this (0: none)
  int32_t Attendu;                                    // -1: pass
};

TEST_F(ChoixTest, RegleDeChoixEtDepartages) {
  const Damier d = DamierDe(POSITION_REGLE);
  const std::vector<CasRegle> cas = {
      {"contact first", {{Pt(5, 4), 7}, {Pt(6, 7), 7}}, -1, 0, Pt(6, 7)},
      {"then liberties", {{Pt(1, 5), 7}, {Pt(5, 5), 7}}, -1, 0, Pt(5, 5)},
      {"then the earlier point", {{Pt(4, 5), 7}, {Pt(5, 5), 7}}, -1, 0, Pt(4, 5)},
      {"greater value first", {{Pt(6, 7), 7}, {Pt(1, 5), 8}}, -1, 0, Pt(1, 5)},
      {"zero in enemy territory", {{Pt(5, 5), 0}}, Pt(5, 5), 0, -1},
      {"one in enemy territory", {{Pt(5, 5), 1}}, Pt(5, 5), 0, Pt(5, 5)},
      {"zero elsewhere", {{Pt(5, 5), 0}}, -1, 0, Pt(5, 5)},
      {"minus one is still a move", {{Pt(5, 5), -1}}, -1, 0, Pt(5, 5)},
      {"nothing qualifies", {}, -1, 0, -1},
      {"occupied point", {{Pt(3, 3), 50}, {Pt(5, 5), 2}}, -1, 0, Pt(5, 5)},
      {"own eye", {{Pt(1, 1), 9}, {Pt(5, 5), 2}}, -1, 0, Pt(5, 5)},
      {"own eye that a trial found useful", {{Pt(1, 1), 9}, {Pt(5, 5), 2}}, -1, 3, Pt(1, 1)},
      {"self-atari", {{Pt(9, 1), 9}, {Pt(5, 5), 2}}, -1, 0, Pt(5, 5)},
  };
  for (const CasRegle& c : cas) {
    ReinitialiseChoix();
    for (int32_t p = 0; p < NbIntersections; p++) Choix.TableValeurs[p] = -5;
    for (auto [p, v] : c.Valeurs) Choix.TableValeurs[p] = v;
    if (c.TerritoireEnnemi >= 0) Choix.ProprietairePoint[c.TerritoireEnnemi] = 2;
    if (c.GainMesure) {
      Choix.EssaiAmi[Pt(1, 1)] = 1;
      Choix.GainAmi[Pt(1, 1)] = c.GainMesure;
    }
    EXPECT_EQ(MeilleurCoup(d), c.Attendu) << c.Nom;
  }
}

// Both sides alive with two one-point eyes each and nothing else left: the
// engine's only legal points are its own eyes, and it passes.
TEST_F(ChoixTest, PasseQuandIlNeResteQueSesYeux) {
  const Damier d = DamierDe(
      "@@@@OOOOO"
      ".@@@OOOO."
      "@@@@OOOOO"
      "@@@@OOOOO"
      "@@@@OOOOO"
      "@@@@OOOOO"
      ".@@@OOOO."
      "@@@@OOOOO"
      "@@@@OOOOO");
  for (const Damier& position : {d, DamierDe("@@@@@@@@@ .@@@@@@@. @@@@@@@@@ @@@@@@@@@ @@@@@@@@@"
                                             "@@@@@@@@@ .@@@@@@@. @@@@@@@@@ @@@@@@@@@")}) {
    int32_t point = 77;
    int passe = 0;
    ChoisitCoupPosition(position, HorlogeMoteur{}, point, passe);
    EXPECT_EQ(passe, 1);
    EXPECT_EQ(point, 77);
  }
}

// Measured value, trial played, DeltaCV 2, ValeurTerritoriale 3, bonus 10.
TEST_F(ChoixTest, ValeurFinaleDUnPoint) {
  const std::vector<std::tuple<int32_t, bool, int32_t>> cas = {
      {4, true, 13},     // below 5: the static value
      {5, true, 17},     // 5 and more: the measure plus DeltaCV
      {0, false, 13},    // no trial
      {-4, true, 13},    // a small loss is left to the static value
      {-5, true, -5},    // a measured loss stands, without bonus
      {-9, false, 13},   // no trial: nothing measured
  };
  for (const auto& [mesure, essai, attendu] : cas)
    EXPECT_EQ(ValeurFinale(mesure, essai, 2, 3, 10), attendu) << mesure << " " << essai;
}

TEST_F(ChoixTest, PanicModeSelonLHorlogeDuMoteur) {
  const std::vector<std::pair<HorlogeMoteur, int>> cas = {
      {{0, 54}, 3}, {{0, 46}, 2}, {{0, 11}, 1}, {{0, 10}, 0}, {{1, 0}, 3}, {{0, 53}, 2},
  };
  for (const auto& [h, niveau] : cas) EXPECT_EQ(NiveauPanicHorloge(h), niveau) << h.Minutes;
}

TEST_F(ChoixTest, TableauDesValeurs) {
  const Damier d = DamierDe("@O.. .... .... ....");
  int32_t t[NB_INTERSECTIONS_MAX] = {};
  t[2] = 5;
  t[3] = -3;
  t[4] = 120;
  t[5] = -12;
  t[6] = 99;
  EXPECT_EQ(Ecrit([&](std::FILE* f) { ImprimeValeurs(f, d, t); }),
            " /  -  -  -  -  \\\n"
            " |  @  O  5 -3  | \n"
            " | 120-12 99  +  | \n"
            " |  +  +  +  +  | \n"
            " |  +  +  +  +  | \n"
            " \\ -  -  -  -  / \n");
}

// The whole engine move on a middle-game position: a legal point or a pass,
// the incremental board back in the analysed position, and the trace lines of
// the choice in their order.
TEST_F(ChoixTest, CoupCompletLaisseLeDamierIntact) {
  const Damier d = DamierDe(
      "........."
      "..@@O...."
      "..@O.O..."
      "..@O@...."
      "...@O...."
      "....@...."
      "........."
      "......O.."
      ".........");
  int32_t point = -1;
  int passe = 1;
  ChoisitCoupPosition(d, HorlogeMoteur{}, point, passe);
  EXPECT_TRUE(passe || EstLegal(d, point, 1));
  for (int32_t p = 0; p < NbIntersections; p++)
    EXPECT_EQ(Couleur(DamierIncremental, p), Couleur(d, p)) << p;
  EXPECT_EQ(Profondeur, 0);
  EXPECT_EQ(Reglages.EvaluationEnCours, false);
}

}  // namespace
