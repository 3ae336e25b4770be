#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "board/damier.h"
#include "diagramme.h"
#include "game/partie.h"
#include "reference_go.h"
#include "test_util.h"

namespace {

class PartieTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitialiseGoban(9);
    ReinitialiseRequetes();
    ReinitialisePartie();
  }
};

struct Entree {
  int genre;
  int32_t point;
  int valeur;
  bool operator==(const Entree&) const = default;
};

std::vector<Entree> Entrees(int depuis = 0) {
  std::vector<Entree> v;
  for (int i = depuis; i < JournalModifications.Nombre; i++)
    v.push_back({JournalModifications.Genre[i], JournalModifications.Point[i],
                 JournalModifications.Valeur[i]});
  return v;
}

// White's stone at (5,5) in atari, Black to capture it at (5,6).
const char* const kPrise =
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . @ . . . ."
    ". . . @ O @ . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . .";

TEST_F(PartieTest, AMoveLogsItsOwnPointFirstThenEachCapturedStone) {
  DamierCourant = DamierDe(kPrise);
  FixePointKo(DamierCourant, 17);
  EXPECT_EQ(JoueCoup(Pt(5, 6), 1), 1);
  EXPECT_EQ(Entrees(),
            (std::vector<Entree>{
                {1, Pt(5, 6), 0}, {2, Pt(5, 6), 1}, {1, Pt(5, 5), 2}, {2, Pt(5, 5), 0}}));
  ASSERT_EQ(NbCoupsJoues, 1);
  EXPECT_EQ(NbCoupsHistorique, 1);
  EXPECT_EQ(HistoriqueCoups[0], Pt(5, 6));
  EXPECT_EQ(HistoriqueCouleurs[0], 1);
  EXPECT_EQ(HistoriqueKo[0], 17);  // the ko point of the position before the move
  EXPECT_EQ(Couleur(DamierCourant, Pt(5, 5)), 0);
}

TEST_F(PartieTest, APassLogsTheMarkerPairAndClearsTheKo) {
  FixePointKo(DamierCourant, 30);
  JouePasse(2);
  EXPECT_EQ(Entrees(), (std::vector<Entree>{{1, COUP_PASSE, 0}, {2, COUP_PASSE, 2}}));
  EXPECT_EQ(HistoriqueCoups[0], COUP_PASSE);
  EXPECT_EQ(HistoriqueCouleurs[0], 2);
  EXPECT_EQ(HistoriqueKo[0], 30);
  EXPECT_EQ(PointKo(DamierCourant), COUP_PASSE);
  // Stepping back over the pass changes no point and gives the ko back.
  const Damier avant = DamierCourant;
  CoupPrecedent();
  EXPECT_EQ(NbCoupsJoues, 0);
  EXPECT_EQ(JournalModifications.Nombre, 0);
  EXPECT_EQ(PointKo(DamierCourant), 30);
  for (int p = 0; p < 81; p++) EXPECT_EQ(Couleur(DamierCourant, p), Couleur(avant, p));
}

TEST_F(PartieTest, SteppingBackOverAKoCaptureRestoresStonesAndKo) {
  DamierCourant = DamierDe(
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . @ O . . . ."
      ". . @ O . O . . ."
      ". . . @ O . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  const Damier avant = DamierCourant;
  EXPECT_EQ(JoueCoup(Pt(5, 4), 1), 1);  // takes the ko
  EXPECT_EQ(PointKo(DamierCourant), Pt(4, 4));
  const Damier apres = DamierCourant;
  CoupPrecedent();
  EXPECT_EQ(DamierCourant, avant);
  CoupSuivant();
  EXPECT_EQ(DamierCourant, apres);
  EXPECT_EQ(NbCoupsJoues, 1);
  EXPECT_EQ(JournalModifications.Nombre, 4);
}

TEST_F(PartieTest, StepsWithNothingRecordedDoNothing) {
  DamierCourant = DamierDe(kPrise);
  const Damier avant = DamierCourant;
  CoupPrecedent();
  CoupSuivant();
  EXPECT_EQ(DamierCourant, avant);
  EXPECT_EQ(NbCoupsJoues, 0);
}

TEST_F(PartieTest, FullTablesReportAndDropWithoutWritingPastTheEnd) {
  CaptureErreurs erreurs;
  NbCoupsJoues = MAX_COUPS_HISTORIQUE;
  NbCoupsHistorique = MAX_COUPS_HISTORIQUE;
  EnregistreCoup(3, 1);
  EXPECT_EQ(NbCoupsJoues, MAX_COUPS_HISTORIQUE);
  JournalModifications.Nombre = MAX_MODIFICATIONS;
  EnregistreModification(1, 3, 0);
  EXPECT_EQ(JournalModifications.Nombre, MAX_MODIFICATIONS);
  EXPECT_EQ(erreurs.Texte(),
            "Pb EnregistreCoup MAX_COUPS_HISTORIQUE\n"
            "Pb EnregistreModification MAX_MODIFICATIONS\n");
}

// A capture that does not fit in the log is played but not recorded at all;
// the next step back returns to the last recorded position, and the steps
// before it work as usual.
TEST_F(PartieTest, AMoveThatDoesNotFitIsPlayedUnrecorded) {
  JoueCoup(Pt(5, 4), 1);
  JoueCoup(Pt(5, 5), 2);
  JoueCoup(Pt(4, 5), 1);
  JouePasse(2);
  JoueCoup(Pt(6, 5), 1);
  const Damier cinq = DamierCourant;
  // 494 passes bring the log to 998 entries: room for a quiet move only.
  for (int i = 0; i < 494; i++) JouePasse(i % 2 ? 1 : 2);
  ASSERT_EQ(JournalModifications.Nombre, MAX_MODIFICATIONS - 2);
  ASSERT_EQ(NbCoupsJoues, 499);
  const Damier enregistree = DamierCourant;

  CaptureErreurs erreurs;
  EXPECT_EQ(JoueCoup(Pt(5, 6), 1), 1);
  EXPECT_EQ(erreurs.Texte(), "Pb EnregistreModification MAX_MODIFICATIONS\n");
  EXPECT_EQ(JournalModifications.Nombre, MAX_MODIFICATIONS - 2);
  EXPECT_EQ(NbCoupsJoues, 499);
  EXPECT_EQ(NbCoupsHistorique, 499);
  EXPECT_EQ(HorsHistorique, 1);
  EXPECT_EQ(Couleur(DamierCourant, Pt(5, 5)), 0);
  // A pass would fit, but the history no longer leads here.
  JouePasse(2);
  EXPECT_EQ(NbCoupsJoues, 499);
  EXPECT_EQ(PointKo(DamierCourant), COUP_PASSE);
  CoupSuivant();
  EXPECT_EQ(NbCoupsJoues, 499);

  CoupPrecedent();  // back to the last recorded position
  EXPECT_EQ(HorsHistorique, 0);
  EXPECT_EQ(NbCoupsJoues, 499);
  EXPECT_EQ(DamierCourant, enregistree);
  EXPECT_EQ(JournalModifications.Nombre, MAX_MODIFICATIONS - 2);
  for (int i = 0; i < 494; i++) CoupPrecedent();
  EXPECT_EQ(DamierCourant, cinq);
  CoupPrecedent();
  EXPECT_EQ(Couleur(DamierCourant, Pt(6, 5)), 0);
  EXPECT_EQ(NbCoupsJoues, 4);
}

// Random play with passes, steps back and forward and new lines: after every
// operation the position equals the one an independent model of the rules
// reached with the same moves, and the log holds exactly what those moves changed.
TEST_F(PartieTest, RandomPlayAndStepsAgreeWithAnIndependentModel) {
  std::mt19937 alea(12345);
  for (int partie = 0; partie < 20; partie++) {
    ReinitialisePartie();
    // The model's position and the log size after each move of the current line.
    std::vector<ReferenceGo> modele{ReferenceGo(9)};
    std::vector<int> entrees{0};
    int couleur = 1;
    for (int op = 0; op < 400; op++) {
      const int tirage = static_cast<int>(alea() % 10);
      if (tirage < 6) {
        std::vector<int> legaux;
        for (int p = 0; p < 81; p++)
          if (EstLegal(DamierCourant, p, couleur)) legaux.push_back(p);
        ReferenceGo suivant = modele[NbCoupsJoues];
        int changes = 2;
        if (legaux.empty() || tirage == 0) {
          JouePasse(couleur);
          suivant.Passe();
        } else {
          const int p = legaux[alea() % legaux.size()];
          JoueCoup(p, couleur);
          const int prises = suivant.Joue(p, couleur);
          ASSERT_GE(prises, 0);
          changes += 2 * prises;
        }
        NbCoupsHistorique = NbCoupsJoues;
        modele.erase(modele.begin() + NbCoupsJoues, modele.end());
        modele.push_back(suivant);
        entrees.resize(NbCoupsJoues);
        entrees.push_back(entrees.back() + changes);
      } else if (tirage < 8) {
        CoupPrecedent();
      } else {
        CoupSuivant();
      }
      couleur = NbCoupsJoues == 0 ? 1 : Adversaire(HistoriqueCouleurs[NbCoupsJoues - 1]);

      ASSERT_EQ(static_cast<int>(modele.size()), NbCoupsHistorique + 1);
      const ReferenceGo& attendu = modele[NbCoupsJoues];
      for (int p = 0; p < 81; p++)
        ASSERT_EQ(Couleur(DamierCourant, p), attendu.c[p]) << "game " << partie << " op " << op;
      const int ko = PointKo(DamierCourant);
      ASSERT_EQ(attendu.ko, ko == COUP_PASSE || NbCoupsJoues == 0 ? -1 : ko);
      ASSERT_EQ(JournalModifications.Nombre, entrees[NbCoupsJoues]);
    }
  }
}

// A game of its own (as the GTP engine keeps), short enough to fill on tiny
// boards full of captures: when full it forgets its oldest move, and every
// step back still gives exactly the position before that move, ko included.
// Its change log, sized by ModificationsPourCoups for this board, never fills,
// and the window's game is left alone.
TEST_F(PartieTest, AGameOfItsOwnForgetsItsOldestMovesAndStepsBackExactly) {
  constexpr int kCoups = 24;
  auto jeu = std::make_unique<EtatPartie>();
  std::mt19937 alea(7);
  CaptureErreurs erreurs;
  for (int taille : {2, 3, 4, 5}) {
    InitialiseGoban(taille);
    ReinitialisePartie();
    const Damier fenetre = DamierCourant;
    ReinitialisePartie(*jeu);
    FixeCapacites(*jeu, kCoups, 4 * kCoups + 2 * NbIntersections);
    // The positions before each recorded move, oldest first.
    std::vector<Damier> avant;
    int couleur = 1;
    for (int op = 0; op < 3000; op++) {
      if (alea() % 5 == 0 && !avant.empty()) {
        CoupPrecedent(*jeu);
        ASSERT_EQ(jeu->Position, avant.back()) << taille << " " << op;
        avant.pop_back();
        continue;
      }
      std::vector<int32_t> legaux{COUP_PASSE};
      for (int32_t p = 0; p < NbIntersections; p++)
        if (EstLegal(jeu->Position, p, couleur)) legaux.push_back(p);
      if (jeu->NbCoupsJoues == kCoups) {
        ASSERT_TRUE(OublieCoupAncien(*jeu));
        avant.erase(avant.begin());
      }
      avant.push_back(jeu->Position);
      JoueCoup(*jeu, legaux[alea() % legaux.size()], couleur);
      couleur = Adversaire(couleur);
      ASSERT_EQ(jeu->NbCoupsJoues, static_cast<int>(avant.size()));
    }
    EXPECT_GT(jeu->CoupsOublies, 100);
    while (!avant.empty()) {
      CoupPrecedent(*jeu);
      ASSERT_EQ(jeu->Position, avant.back());
      avant.pop_back();
    }
    EXPECT_EQ(jeu->JournalModifications.Nombre, 0);
    EXPECT_FALSE(OublieCoupAncien(*jeu));
    EXPECT_EQ(DamierCourant, fenetre);
    EXPECT_EQ(NbCoupsJoues, 0);
  }
  EXPECT_EQ(erreurs.Texte(), "");
}

}  // namespace
