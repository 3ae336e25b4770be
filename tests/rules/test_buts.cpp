#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "regles_test.h"

namespace {

TEST(TabDoublet, SetOfPairsWithFilter) {
  TabDoublet<3> t;
  EXPECT_FALSE(t.contains(1, 2));
  t.push(1, 2);
  t.push(1, 2);
  t.push(3, 4);
  EXPECT_EQ(t.Nombre, 2);
  EXPECT_TRUE(t.contains(1, 2));
  EXPECT_FALSE(t.contains(2, 1));
  // (1, 202) has the filter bit of (1, 2): the scan tells them apart.
  EXPECT_EQ(TabDoublet<3>::BitFiltre(1, 202), TabDoublet<3>::BitFiltre(1, 2));
  EXPECT_FALSE(t.contains(1, 202));
  EXPECT_TRUE(t.hasFirst(3));
  EXPECT_FALSE(t.hasFirst(4));
  t.push(5, 6);
  {
    CaptureErreurs erreurs;
    t.push(7, 8);
    EXPECT_EQ(erreurs.Texte(), "Pb TabDoublet::push 3\n");
  }
  EXPECT_FALSE(t.contains(7, 8));
  t.remove(1, 2);
  ASSERT_EQ(t.Nombre, 2);
  EXPECT_EQ(t.Paires[0].a, 3);
  EXPECT_EQ(t.Paires[1].a, 5);
  EXPECT_FALSE(t.contains(1, 2));  // a stale filter bit only costs a scan
  t.push(1, 2);
  EXPECT_EQ(t.Paires[2].b, 2);
  t.clear();
  EXPECT_EQ(t.Nombre, 0);
  EXPECT_FALSE(t.contains(3, 4));
  for (uint32_t m : t.Filtre) EXPECT_EQ(m, 0u);
}

class ButsTest : public ReglesTest {};

const char* const REGLES =
    "cles 4\n"
    "regle Oeil G Centre\n  X X\n  X .\n  concernees a1\n"
    "regle Oeil GI Centre\n  X .\n  . .\n  concernees a1\n  atteindre b1\n  empecher b2\n"
    "regle Oeil G Bord\n  . X\n  X X\n  concernees b1\n"
    "regle Oeil GI Coin\n  . X\n  X .\n  concernees b1\n  atteindre b2\n  empecher b2\n"
    "regle Vivre G Coin\n  O X\n  concernees b1\n"
    "regle Vivre GI Bord\n  X . X\n  concernees a1\n  atteindre b1\n";

TEST_F(ButsTest, PointWindowsListEveryWindowOfAPoint) {
  ChargeSource(
      "cles 4\nregle Oeil G Centre\n  X X X\n  X . X\n  concernees a1\n"
      "regle Oeil G Coin\n  X X X\n  X . X\n  concernees a1\n");
  Position(std::string(81, '.'));
  AddGoalToMatch(1, GoalKind::Oeil);
  const int32_t code = CodeTaille(3, 2);
  // (1, 1): only the top-left corner windows, both anchored there.
  ASSERT_EQ(PointWindows[Pt(1, 1)].Nombre, 1);
  EXPECT_EQ(PointWindows[Pt(1, 1)].Paires[0].a, Pt(1, 1));
  EXPECT_EQ(PointWindows[Pt(1, 1)].Paires[0].b, code);
  // (5, 5): the six centre windows that cover it, row by row.
  std::vector<int32_t> ancres;
  for (const auto& f : PointWindows[Pt(5, 5)]) ancres.push_back(f.a);
  EXPECT_EQ(ancres,
            (std::vector<int32_t>{Pt(3, 4), Pt(4, 4), Pt(5, 4), Pt(3, 5), Pt(4, 5), Pt(5, 5)}));
  // (9, 2): the two top-right corner windows, 3 x 2 anchored at (7, 1) and
  // 2 x 3 anchored at (8, 1), and the right edge window anchored at (8, 2).
  ancres.clear();
  for (const auto& f : PointWindows[Pt(9, 2)]) ancres.push_back(f.a);
  EXPECT_EQ(ancres, (std::vector<int32_t>{Pt(7, 1), Pt(8, 1), Pt(8, 2)}));
  EXPECT_EQ(IncrementalMatching, 1);
}

TEST_F(ButsTest, StartingAGoalTwiceRegistersItOnce) {
  ChargeSource(REGLES);
  Position(
      ". X . . . . . . ."
      "X . . . . . . . ."
      ". . X X . . . . ."
      ". . X . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  StartMatching(1, GoalKind::Oeil);
  const auto premier = Contenu(MatchedRulesOeil);
  EXPECT_FALSE(premier.first.empty());
  EXPECT_FALSE(premier.second.empty());
  StartMatching(1, GoalKind::Oeil);
  EXPECT_EQ(GoalsToMatch.Nombre, 1);
  EXPECT_EQ(GoalColours.Nombre, 1);
  EXPECT_EQ(Contenu(MatchedRulesOeil), premier);
  StopMatching(1, GoalKind::Oeil);
  EXPECT_EQ(MatchedRulesOeil.NbGRules + MatchedRulesOeil.NbGiRules, 0);
  EXPECT_EQ(IncrementalMatching, 0);
  EXPECT_EQ(GoalColours.Nombre, 0);
  EXPECT_EQ(SommetPileRegles(), NB_REGLES_POOL);
}

TEST_F(ButsTest, OutOfRangeKindsChangeNothing) {
  ChargeSource(REGLES);
  Position(std::string(81, '.'));
  CaptureErreurs erreurs;
  StartMatching(1, 21);
  AddGoalToMatch(2, -1);
  StopMatching(1, 22);
  EXPECT_EQ(erreurs.Texte(), "Pb StartMatching 21\nPb AddGoalToMatch -1\nPb StopMatching 22\n");
  EXPECT_EQ(GoalsToMatch.Nombre, 0);
  EXPECT_EQ(IncrementalMatching, 0);
}

TEST_F(ButsTest, IllegalMoveRematchesNothing) {
  ChargeSource(REGLES);
  Position(
      ". X . . . . . . ."
      "X . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  StartMatching(1, GoalKind::Oeil);
  const auto avant = Contenu(MatchedRulesOeil);
  ChangedWindows.push(7, 7);
  EXPECT_EQ(PlayWithPatterns(Pt(1, 1), 2), 0);  // suicide
  EXPECT_EQ(PlayWithPatterns(Pt(2, 1), 2), 0);  // occupied
  EXPECT_EQ(Profondeur, 0);
  EXPECT_EQ(Contenu(MatchedRulesOeil), avant);
  EXPECT_EQ(ChangedWindows.Nombre, 1);
  EXPECT_EQ(SuiviModifications, 0);
}

// A move and its take-back leave every window's rules as they were, and the
// step in between matches the new position.
TEST_F(ButsTest, MoveAndTakeBackRestoreTheMatches) {
  ChargeSource(REGLES);
  Position(
      ". X . . . . . . ."
      "X . . . . . . . ."
      ". . X X . . . . ."
      ". . X . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  StartMatching(1, GoalKind::Oeil);
  const auto avant = Contenu(MatchedRulesOeil);
  ASSERT_EQ(PlayWithPatterns(Pt(2, 2), 1), 1);
  const auto apres = Contenu(MatchedRulesOeil);
  EXPECT_NE(apres, avant);
  MatchBoardBothTypes(1, GoalKind::Oeil);
  EXPECT_EQ(Contenu(MatchedRulesOeil), apres);
  UndoWithPatterns();
  EXPECT_EQ(Contenu(MatchedRulesOeil), avant);
  // A pass changes no window.
  ASSERT_EQ(PlayWithPatterns(COUP_PASSE, 2), 1);
  EXPECT_EQ(Contenu(MatchedRulesOeil), avant);
  UndoWithPatterns();
  EXPECT_EQ(Profondeur, 0);
}

// With eye goals for colour 1 and life goals for colour 2, each set follows its
// own colour.
TEST_F(ButsTest, GoalsOfTwoColoursKeepTheirOwnSets) {
  ChargeSource(REGLES);
  Position(
      "X O . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  StartMatching(1, GoalKind::Oeil);
  StartMatching(2, GoalKind::Vivre);
  EXPECT_EQ(GoalColours.Nombre, 2);
  // For colour 2 the corner reads 'O X': the corner life rule.
  EXPECT_EQ(MatchedRulesVivre.NbGRules, 1);
  ASSERT_EQ(PlayWithPatterns(Pt(4, 1), 2), 1);
  ASSERT_EQ(PlayWithPatterns(Pt(2, 2), 1), 1);
  ASSERT_EQ(PlayWithPatterns(Pt(3, 2), 1), 1);
  ASSERT_EQ(PlayWithPatterns(Pt(2, 3), 1), 1);
  const auto oeil = Contenu(MatchedRulesOeil);
  const auto vie = Contenu(MatchedRulesVivre);
  EXPECT_EQ(vie.second.size(), 1u);  // 'X . X' on the top edge for colour 2
  EXPECT_FALSE(oeil.first.empty());
  MatchBoardBothTypes(1, GoalKind::Oeil);
  MatchBoardBothTypes(2, GoalKind::Vivre);
  EXPECT_EQ(Contenu(MatchedRulesOeil), oeil);
  EXPECT_EQ(Contenu(MatchedRulesVivre), vie);
  for (int i = 0; i < 4; i++) UndoWithPatterns();
  StopMatching(1, GoalKind::Oeil);
  EXPECT_EQ(IncrementalMatching, 1);
  ASSERT_EQ(GoalColours.Nombre, 1);
  EXPECT_EQ(GoalColours[0], 2);
  EXPECT_EQ(MatchedRulesVivre.NbGRules, 1);
  StopMatching(2, GoalKind::Vivre);
  EXPECT_EQ(IncrementalMatching, 0);
}

TEST_F(ButsTest, AfterTheLastGoalMovesTouchNoTable) {
  ChargeSource(REGLES);
  Position(std::string(81, '.'));
  StartMatching(1, GoalKind::Oeil);
  StopMatching(1, GoalKind::Oeil);
  const uint32_t code = CodeFenetre(1, Pt(4, 4), 2, 2);
  ChangedWindows.clear();
  ASSERT_EQ(PlayWithPatterns(Pt(4, 4), 1), 1);
  EXPECT_EQ(ChangedWindows.Nombre, 0);
  EXPECT_EQ(CodeFenetre(1, Pt(4, 4), 2, 2), code);
  EXPECT_EQ(MatchedRulesOeil.NbGRules + MatchedRulesOeil.NbGiRules, 0);
  UndoWithPatterns();
  for (int32_t q = 0; q < NbIntersections; q++) EXPECT_EQ(PointWindows[q].Nombre, 0);
}

// Only the windows of a changed point are matched again: a rule whose liberty
// condition depends on a string outside its window keeps its verdict until one
// of its own cells changes.
TEST_F(ButsTest, OutsideLibertiesAreNotFollowed) {
  ChargeSource("cles 4\nregle Sortir G Centre\n  X\n  au-moins a1:3\n");
  Position(
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . X X . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  StartMatching(1, GoalKind::Sortir);
  EXPECT_EQ(MatchedRulesPartage.NbGRules, 2);
  // 'O' takes four of the string's six liberties, outside both windows.
  ASSERT_EQ(PlayWithPatterns(Pt(7, 5), 2), 1);
  ASSERT_EQ(PlayWithPatterns(Pt(6, 4), 2), 1);
  ASSERT_EQ(PlayWithPatterns(Pt(6, 6), 2), 1);
  ASSERT_EQ(PlayWithPatterns(Pt(5, 4), 2), 1);
  // Neither window has changed: both records stay.
  EXPECT_EQ(MatchedRulesPartage.NbGRules, 2);
  MatchBoardBothTypes(1, GoalKind::Sortir);
  EXPECT_EQ(MatchedRulesPartage.NbGRules, 0);
  StopMatching(1, GoalKind::Sortir);
}

// ---------------------------------------------------------------------------
// Long random play: after every step every registered goal's set equals a
// fresh whole-board match, and the code tables hold every window's key.

std::string ReglesAleatoires(std::mt19937& aleas) {
  std::string s = "cles 4\n";
  const char* const zones[] = {"Centre", "Bord", "Coin"};
  const std::pair<int, int> tailles[] = {{2, 2}, {3, 1}, {1, 3}, {3, 2}, {2, 3}, {1, 1}};
  for (const char* but : {"Oeil", "Vivre"}) {
    for (const auto& [w, h] : tailles) {
      const int n = w * h;
      int nombre = 1;
      for (int k = 0; k < n; k++) nombre *= 3;
      for (int motif = 0; motif < nombre; motif++) {
        if (n >= 6 && aleas() % 6 != 0) continue;  // a sample of the 3x2 shapes
        std::string cellules;
        for (int k = 0, m = motif; k < n; k++, m /= 3) cellules += ".XO"[m % 3];
        const size_t x = cellules.find('X');
        if (x == std::string::npos) continue;
        const size_t vide = cellules.find('.');
        for (const char* zone : zones) {
          if (aleas() % 3 == 0) continue;
          const bool gi = vide != std::string::npos && aleas() % 2;
          s += std::string("regle ") + but + (gi ? " GI " : " G ") + zone + "\n";
          for (int j = 0; j < h; j++) s += "  " + cellules.substr(j * w, w) + "\n";
          s += "  concernees " + compilateur::NomCellule(static_cast<int>(x), w) + "\n";
          if (gi) {
            s += "  atteindre " + compilateur::NomCellule(static_cast<int>(vide), w) + "\n";
            s += "  empecher " + compilateur::NomCellule(static_cast<int>(cellules.rfind('.')), w) +
                 "\n";
          }
        }
      }
    }
  }
  return s;
}

void VerifieCodes(int g, int kind) {
  FixeCouleurBut(g);
  const TaillesMotifs& t = TaillesGoalKind[kind];
  for (int i = 0; i < t.Nombre; i++)
    for (int32_t p = 0; p < NbIntersections; p++) {
      FenetreLigne f[FENETRES_PAR_ANCRE_MAX];
      const int n = FenetresAncre(p, t.w[i], t.h[i], f);
      for (int k = 0; k < n; k++)
        ASSERT_EQ(CodeFenetre(g, f[k].Ligne, t.w[i], t.h[i]), CleFenetre32(f[k].F))
            << "colour " << g << " anchor " << p << " row " << f[k].Ligne;
    }
}

void VerifieButs() {
  VerifieCodes(1, GoalKind::Oeil);
  VerifieCodes(2, GoalKind::Vivre);
  const auto oeil = Contenu(MatchedRulesOeil);
  const auto vie = Contenu(MatchedRulesVivre);
  MatchBoardBothTypes(1, GoalKind::Oeil);
  MatchBoardBothTypes(2, GoalKind::Vivre);
  ASSERT_EQ(Contenu(MatchedRulesOeil), oeil) << "eyes, depth " << Profondeur;
  ASSERT_EQ(Contenu(MatchedRulesVivre), vie) << "life, depth " << Profondeur;
}

class JeuAleatoire : public ButsTest, public ::testing::WithParamInterface<int> {};

TEST_P(JeuAleatoire, IncrementalMatchingEqualsAFreshMatch) {
  const int taille = GetParam();
  std::mt19937 aleas(1000 + taille);
  InitialiseGoban(taille);
  ChargeSource(ReglesAleatoires(aleas));
  ASSERT_GT(NombreBases(), 20);
  Position(std::string(taille * taille, '.'));
  StartMatching(1, GoalKind::Oeil);
  StartMatching(2, GoalKind::Vivre);
  CaptureErreurs erreurs;
  int coups = 0;
  const int parties = taille >= 13 ? 2 : 4;
  for (int partie = 0; partie < parties; partie++) {
    for (int pas = 0; pas < 120; pas++) {
      if (Profondeur > 0 && aleas() % 4 == 0) {
        UndoWithPatterns();
      } else {
        const int c = 1 + static_cast<int>(aleas() % 2);
        int32_t p = static_cast<int32_t>(aleas() % (NbIntersections + 4));
        if (p >= NbIntersections) p = COUP_PASSE;
        if (!PlayWithPatterns(p, c)) continue;
        coups++;
      }
      VerifieButs();
      if (HasFatalFailure()) return;
    }
    while (Profondeur > 0) {
      UndoWithPatterns();
      VerifieButs();
      if (HasFatalFailure()) return;
    }
  }
  EXPECT_GT(coups, 40 * parties);
  EXPECT_EQ(erreurs.Texte(), "");
  StopMatching(1, GoalKind::Oeil);
  StopMatching(2, GoalKind::Vivre);
  EXPECT_EQ(SommetPileRegles(), NB_REGLES_POOL);
}

INSTANTIATE_TEST_SUITE_P(Tailles, JeuAleatoire, ::testing::Values(9, 7, 13),
                         ::testing::PrintToStringParamName());

}  // namespace
