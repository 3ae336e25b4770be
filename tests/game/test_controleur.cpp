#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <vector>

#include "board/damier.h"
#include "diagramme.h"
#include "fenetre_enregistree.h"
#include "game/chrono.h"
#include "game/controleur.h"
#include "game/partie.h"
#include "reference_go.h"
#include "test_util.h"

namespace {

// The clock the stopwatch reads, in seconds.
int maintenant = 0;
int64_t Temps() {
  return int64_t{maintenant} * 100;
}
void Secondes(int s) {
  maintenant = s;
}

// The scripted engine: thinks for `reflexion` seconds, plays the points queued
// here, then passes.
std::deque<int32_t> reponses;
int reflexion = 0;
int appelsMoteur = 0;
int passeVu = -1;

void MoteurScripte(int32_t& point, int& passe) {
  appelsMoteur++;
  Secondes(maintenant + reflexion);
  passeVu = passe;
  EXPECT_EQ(point, -1);
  passe = 1;
  if (reponses.empty()) return;
  const int32_t p = reponses.front();
  reponses.pop_front();
  if (p == COUP_PASSE) return;
  point = p;
  passe = 0;
}

class ControleurTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitialiseGoban(9);
    ReinitialiseRequetes();
    ReinitialisePartie();
    reponses.clear();
    appelsMoteur = 0;
    reflexion = 0;
    FixeChoixMoteur(MoteurScripte);
    Secondes(0);
    FixeSourceTemps(Temps);
    RemiseAZeroChronos();
  }
  void TearDown() override {
    FixeChoixMoteur(nullptr);
    FixeSourceTemps(nullptr);
  }

  // Places stones on the game position without recording them.
  void Pose(const char* diagramme) {
    const Damier d = DamierDe(diagramme);
    for (int p = 0; p < 81; p++) {
      OtePierre(DamierCourant, p);
      if (Couleur(d, p)) PosePierre(DamierCourant, p, Couleur(d, p));
    }
  }

  FenetreEnregistree f;
};

using Appels = std::vector<std::string>;

TEST_F(ControleurTest, JouerNoirSetsUpTheHumanAsBlack) {
  JouerNoirClick(f);
  EXPECT_EQ(f.Appels, (Appels{"TrackBar 0 0", "IlvanePasse ", "CouleurIlvane Ilvane a les Blancs",
                              "DessinePierres", "AfficheGoban"}));
  EXPECT_EQ(CouleurNoir, 2);
  EXPECT_EQ(CouleurBlanc, 1);
  EXPECT_EQ(CouleurAJouer, 2);
  EXPECT_EQ(ModeJeu, 3);
  EXPECT_EQ(PartieCommencee, 1);
  EXPECT_EQ(PartieFinie, 0);
  EXPECT_EQ(DernierCoup, -1);
  EXPECT_EQ(appelsMoteur, 0);
}

TEST_F(ControleurTest, HumanAsWhiteTheEngineMovesFirstAsMoveZero) {
  reponses = {Pt(5, 5)};
  Secondes(100);
  reflexion = 7;
  JouerBlancClick(f);
  EXPECT_EQ(f.Appels,
            (Appels{"TrackBar 0 0", "IlvanePasse ", "CouleurIlvane Ilvane a les Noirs",
                    "DessinePierres", "DessineMarque 40 1", "AfficheGoban", "TrackBar 1 1"}));
  EXPECT_EQ(passeVu, 1);
  EXPECT_EQ(CouleurNoir, 1);
  EXPECT_EQ(CouleurAJouer, 2);
  EXPECT_EQ(Couleur(DamierCourant, Pt(5, 5)), 1);
  ASSERT_EQ(NbCoupsJoues, 1);
  EXPECT_EQ(HistoriqueCoups[0], Pt(5, 5));
  EXPECT_EQ(HistoriqueCouleurs[0], 1);
  EXPECT_EQ(DernierCoup, Pt(5, 5));
  // The engine is Black: Black's clock was charged.
  EXPECT_STREQ(HorlogeNoir.Texte, "00:00:07");
  EXPECT_STREQ(HorlogeBlanc.Texte, "00:00:00");

  // The human answers; the engine's reply is marked with colour 1.
  reponses = {Pt(3, 3)};
  f.Oublie();
  ClicGoban(f, Pt(7, 7));
  EXPECT_EQ(Couleur(DamierCourant, Pt(7, 7)), 2);
  EXPECT_EQ(Couleur(DamierCourant, Pt(3, 3)), 1);
  EXPECT_EQ(NbCoupsJoues, 3);
}

TEST_F(ControleurTest, HumanAsWhiteWithAnEnginePassRecordsThePass) {
  JouerBlancClick(f);
  ASSERT_EQ(NbCoupsJoues, 1);
  EXPECT_EQ(HistoriqueCoups[0], COUP_PASSE);
  EXPECT_EQ(DernierCoup, -1);
  EXPECT_EQ(PointKo(DamierCourant), COUP_PASSE);
  for (const std::string& a : f.Appels) EXPECT_EQ(a.rfind("DessineMarque", 0), std::string::npos);
}

TEST_F(ControleurTest, AClickPlaysTheHumanMoveThenTheEngineReply) {
  JouerNoirClick(f);
  f.Oublie();
  reponses = {Pt(3, 7)};
  reflexion = 3;
  Secondes(10);
  ClicGoban(f, Pt(5, 5));
  EXPECT_EQ(f.Appels, (Appels{"IlvanePasse ", "Bip", "DessinePierres", "DessineMarque 40 2",
                              "AfficheGoban", "DessinePierres", "DessineMarque 56 1", "Bip",
                              "AfficheGoban", "TrackBar 2 2"}));
  EXPECT_EQ(passeVu, 0);
  EXPECT_EQ(DernierCoup, Pt(3, 7));
  EXPECT_EQ(CouleurAJouer, 2);
  EXPECT_EQ(HistoriqueCoups[0], Pt(5, 5));
  EXPECT_EQ(HistoriqueCouleurs[0], 2);
  EXPECT_EQ(HistoriqueCoups[1], Pt(3, 7));
  EXPECT_EQ(HistoriqueCouleurs[1], 1);
  // The human (Black) thought 10 seconds, the engine 3.
  EXPECT_STREQ(HorlogeNoir.Texte, "00:00:10");
  EXPECT_STREQ(HorlogeBlanc.Texte, "00:00:03");
}

TEST_F(ControleurTest, AnEnginePassAfterAMoveOnlySaysSo) {
  JouerNoirClick(f);
  f.Oublie();
  ClicGoban(f, Pt(5, 5));
  EXPECT_EQ(f.Appels, (Appels{"IlvanePasse ", "Bip", "DessinePierres", "DessineMarque 40 2",
                              "AfficheGoban", "DessinePierres", "Bip", "IlvanePasse Ilvane Passe",
                              "AfficheGoban", "TrackBar 2 2"}));
  EXPECT_EQ(PartieFinie, 0);
  EXPECT_EQ(HistoriqueCoups[1], COUP_PASSE);
  EXPECT_EQ(DernierCoup, -1);
  // The next click clears the label.
  ClicGoban(f, Pt(1, 1));
  EXPECT_EQ(f.IlvanePasse, "Ilvane Passe");
  f.Oublie();
  ClicGoban(f, Pt(1, 1));
  EXPECT_EQ(f.Appels.front(), "IlvanePasse ");
  EXPECT_EQ(f.Messages, (std::vector<std::string>{"Coup Illegal!"}));
}

TEST_F(ControleurTest, RefusedClicksChangeNothing) {
  JouerNoirClick(f);
  reponses = {Pt(1, 1), Pt(2, 2)};
  ClicGoban(f, Pt(5, 5));
  ClicGoban(f, Pt(6, 6));
  UndoClick(f);  // back to the engine's turn
  ASSERT_EQ(NbCoupsJoues, 3);
  ASSERT_EQ(CouleurAJouer, 1);
  const Damier avant = DamierCourant;
  f.Oublie();
  ClicGoban(f, Pt(9, 9));
  EXPECT_EQ(f.Messages, (std::vector<std::string>{"Ce n'est pas à vous de jouer!"}));
  EXPECT_EQ(DamierCourant, avant);

  UndoClick(f);
  ASSERT_EQ(CouleurAJouer, 2);
  const Damier avant2 = DamierCourant;
  f.Oublie();
  ClicGoban(f, Pt(5, 5));  // occupied
  ClicGoban(f, -1);        // off the board
  ClicGoban(f, 81);
  ClicGoban(f, COUP_PASSE);
  EXPECT_EQ(f.Messages, (std::vector<std::string>{"Coup Illegal!"}));
  EXPECT_EQ(DamierCourant, avant2);
  // The moves after the cursor are still there to step forward to.
  EXPECT_EQ(NbCoupsJoues, 2);
  EXPECT_EQ(NbCoupsHistorique, 4);
  EXPECT_EQ(appelsMoteur, 2);
}

TEST_F(ControleurTest, PassPassEndsTheGameTenAgainstTwelve) {
  JouerNoirClick(f);  // the human is Black: colour 2
  Pose(
      "O O O O O . . . ."
      "O O O O O . . . ."
      ". . . . . . . . ."
      "@ @ @ @ @ @ . . ."
      "@ @ @ @ @ @ . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  f.Oublie();
  PasseClick(f);
  EXPECT_EQ(f.Appels,
            (Appels{"Bip", "DessinePierres", "DessinePierres", "Bip", "IlvanePasse Ilvane Passe",
                    "Message Je Passe. La partie est terminée.\nNoir a 10 pierres sur le Goban.\n"
                    "Blanc a 12 pierres sur le Goban.\nBlanc gagne de 2 points",
                    "TrackBar 2 2", "AfficheGoban"}));
  EXPECT_EQ(PartieFinie, 1);
  EXPECT_EQ(passeVu, 1);
  EXPECT_EQ(HistoriqueCoups[0], COUP_PASSE);
  EXPECT_EQ(HistoriqueCouleurs[0], 2);
  EXPECT_EQ(HistoriqueCoups[1], COUP_PASSE);
  EXPECT_EQ(HistoriqueCouleurs[1], 1);

  // After the end a click asks for a new game, and changes nothing.
  const Damier fin = DamierCourant;
  f.Oublie();
  ClicGoban(f, Pt(9, 9));
  EXPECT_EQ(f.Messages, (std::vector<std::string>{
                            "Cliquez sur Jouer Blanc, Jouer Noir ou Jouer a Deux pour une "
                            "nouvelle partie."}));
  EXPECT_EQ(DamierCourant, fin);
  EXPECT_EQ(appelsMoteur, 1);
  // "Jouer les Deux" then starts a playable game on a cleared board.
  JouerLesDeuxClick(f);
  EXPECT_EQ(f.CouleurIlvane, "Ilvane ne joue pas");
  ClicGoban(f, Pt(9, 9));
  EXPECT_EQ(Couleur(DamierCourant, Pt(9, 9)), 1);
  EXPECT_EQ(Couleur(DamierCourant, Pt(1, 1)), 0);
  EXPECT_EQ(CouleurAJouer, 2);
}

TEST_F(ControleurTest, PassPassWithEqualStonesIsAWhiteWinByZero) {
  JouerNoirClick(f);
  Pose(
      "O O O O O O . . ."
      "O O O O O O . . ."
      ". . . . . . . . ."
      "@ @ @ @ @ @ . . ."
      "@ @ @ @ @ @ . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  PasseClick(f);
  EXPECT_EQ(f.Messages, (std::vector<std::string>{
                            "Je Passe. La partie est terminée.\nNoir a 12 pierres sur le Goban.\n"
                            "Blanc a 12 pierres sur le Goban.\nBlanc gagne de 0 points"}));
}

TEST_F(ControleurTest, PassPassCountsByColourNotByCode) {
  // The human is White: Black is the engine's colour 1.
  JouerBlancClick(f);
  Pose(
      "@ @ @ @ @ @ @ . ."
      "@ @ @ @ @ @ . . ."
      ". . . . . . . . ."
      "O O O O O . . . ."
      "O O O O O . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  PasseClick(f);
  EXPECT_EQ(f.Messages, (std::vector<std::string>{
                            "Je Passe. La partie est terminée.\nNoir a 13 pierres sur le Goban.\n"
                            "Blanc a 10 pierres sur le Goban.\nNoir gagne de 3 points"}));
}

TEST_F(ControleurTest, AHumanPassAnsweredByAMoveGoesOn) {
  JouerNoirClick(f);
  reponses = {Pt(4, 4)};
  f.Oublie();
  PasseClick(f);
  EXPECT_EQ(f.Appels, (Appels{"Bip", "DessinePierres", "DessinePierres", "DessineMarque 30 1",
                              "Bip", "TrackBar 2 2", "AfficheGoban"}));
  EXPECT_EQ(PartieFinie, 0);
  EXPECT_EQ(DernierCoup, Pt(4, 4));
  EXPECT_TRUE(f.Messages.empty());
}

TEST_F(ControleurTest, PassBeforeAnySetUpStartsAGameAsBlack) {
  PasseClick(f);
  EXPECT_EQ(PartieCommencee, 1);
  EXPECT_EQ(CouleurNoir, 2);
  EXPECT_EQ(ModeJeu, 3);
  EXPECT_EQ(PartieFinie, 1);  // the engine passed too
  EXPECT_EQ(NbCoupsJoues, 2);
}

TEST_F(ControleurTest, ResignationAnnouncesTheOtherSide) {
  AbandonClick(f);  // no game yet: nothing
  EXPECT_TRUE(f.Appels.empty());

  JouerNoirClick(f);
  f.Oublie();
  AbandonClick(f);
  EXPECT_EQ(f.Appels, (Appels{"DessinePierres", "Bip",
                              "Message La partie est terminée. Blanc gagne par abandon."}));
  EXPECT_EQ(PartieFinie, 1);
  ClicGoban(f, Pt(5, 5));
  EXPECT_EQ(Couleur(DamierCourant, Pt(5, 5)), 0);
  // After the end a pass, like a click, only asks for a new game.
  reponses = {Pt(3, 3)};
  f.Oublie();
  PasseClick(f);
  EXPECT_EQ(f.Appels, (Appels{"IlvanePasse ",
                              "Message Cliquez sur Jouer Blanc, Jouer Noir ou "
                              "Jouer a Deux pour une nouvelle partie."}));
  EXPECT_EQ(appelsMoteur, 0);
  EXPECT_EQ(NbCoupsJoues, 0);
  EXPECT_EQ(Couleur(DamierCourant, Pt(3, 3)), 0);
  reponses.clear();

  JouerBlancClick(f);
  EXPECT_EQ(PartieFinie, 0);
  f.Oublie();
  AbandonClick(f);
  EXPECT_EQ(f.Messages,
            (std::vector<std::string>{"La partie est terminée. Noir gagne par abandon."}));

  // Between two people, resigning always announces Black's win.
  JouerLesDeuxClick(f);
  ClicGoban(f, Pt(5, 5));
  f.Oublie();
  AbandonClick(f);
  EXPECT_EQ(f.Messages,
            (std::vector<std::string>{"La partie est terminée. Noir gagne par abandon."}));
  EXPECT_EQ(PartieFinie, 1);
}

TEST_F(ControleurTest, TwoPeopleTakeTurnsAndIllegalClicksAreSilent) {
  JouerLesDeuxClick(f);
  EXPECT_EQ(f.Appels, (Appels{"TrackBar 0 0", "IlvanePasse ", "CouleurIlvane Ilvane ne joue pas",
                              "DessinePierres", "AfficheGoban"}));
  f.Oublie();
  Secondes(4);
  ClicGoban(f, Pt(3, 3));
  EXPECT_EQ(f.Appels, (Appels{"IlvanePasse ", "Bip", "DessinePierres", "DessineMarque 20 1",
                              "AfficheGoban", "TrackBar 1 1"}));
  Secondes(10);
  ClicGoban(f, Pt(4, 3));
  EXPECT_EQ(Couleur(DamierCourant, Pt(4, 3)), 2);
  EXPECT_STREQ(HorlogeNoir.Texte, "00:00:04");
  EXPECT_STREQ(HorlogeBlanc.Texte, "00:00:06");
  f.Oublie();
  ClicGoban(f, Pt(4, 3));
  ClicGoban(f, -1);
  ClicGoban(f, COUP_PASSE);
  EXPECT_EQ(f.Appels, (Appels{"IlvanePasse ", "IlvanePasse ", "IlvanePasse "}));
  EXPECT_EQ(CouleurAJouer, 1);
  EXPECT_EQ(NbCoupsJoues, 2);
  EXPECT_EQ(appelsMoteur, 0);
}

TEST_F(ControleurTest, TwoPeoplePassingNeverEndsTheGame) {
  JouerLesDeuxClick(f);
  ClicGoban(f, Pt(3, 3));
  for (int i = 0; i < 4; i++) PasseClick(f);
  EXPECT_EQ(PartieFinie, 0);
  EXPECT_EQ(CouleurAJouer, 2);
  EXPECT_EQ(NbCoupsJoues, 5);
  EXPECT_EQ(f.Maximum, 5);
  EXPECT_EQ(f.Position, 5);
  EXPECT_TRUE(f.Messages.empty());
  EXPECT_EQ(appelsMoteur, 0);
  ClicGoban(f, Pt(4, 4));
  EXPECT_EQ(Couleur(DamierCourant, Pt(4, 4)), 2);
}

// Black captures the white stone at (5,5), then both step back and forward.
TEST_F(ControleurTest, SteppingOverACaptureAndAPass) {
  JouerLesDeuxClick(f);
  const int32_t coups[] = {Pt(5, 4), Pt(5, 5), Pt(4, 5), Pt(1, 1), Pt(6, 5)};
  for (int32_t p : coups) ClicGoban(f, p);
  PasseClick(f);           // White passes: move 5
  ClicGoban(f, Pt(5, 6));  // Black captures: move 6
  ASSERT_EQ(Couleur(DamierCourant, Pt(5, 5)), 0);
  ASSERT_EQ(NbCoupsJoues, 7);
  const Damier apresPrise = DamierCourant;

  f.Oublie();
  UndoClick(f);
  EXPECT_EQ(f.Appels, (Appels{"TrackBar 7 6", "DessinePierres", "AfficheGoban"}));
  EXPECT_EQ(Couleur(DamierCourant, Pt(5, 5)), 2);  // the captured stone is back
  EXPECT_EQ(Couleur(DamierCourant, Pt(5, 6)), 0);
  EXPECT_EQ(DernierCoup, COUP_PASSE);
  EXPECT_EQ(CouleurAJouer, 1);
  const Damier apresPasse = DamierCourant;
  UndoClick(f);  // over the pass: no point changes
  EXPECT_EQ(NbCoupsJoues, 5);
  for (int p = 0; p < 81; p++) EXPECT_EQ(Couleur(DamierCourant, p), Couleur(apresPasse, p));
  EXPECT_EQ(CouleurAJouer, 2);
  EXPECT_EQ(DernierCoup, Pt(6, 5));
  f.Oublie();
  CoupSuivantClick(f);
  EXPECT_EQ(f.Appels, (Appels{"TrackBar 7 6", "DessinePierres", "AfficheGoban"}));
  EXPECT_EQ(DamierCourant, apresPasse);
  f.Oublie();
  CoupSuivantClick(f);
  EXPECT_EQ(f.Appels,
            (Appels{"TrackBar 7 7", "DessinePierres", "DessineMarque 49 1", "AfficheGoban"}));
  EXPECT_EQ(DamierCourant, apresPrise);
  // Past the last move: nothing more, and the colour to move is the opponent's.
  CoupSuivantClick(f);
  EXPECT_EQ(NbCoupsJoues, 7);
  EXPECT_EQ(CouleurAJouer, 2);
}

TEST_F(ControleurTest, TrackBarFromSevenToThreeAndBeyond) {
  JouerLesDeuxClick(f);
  std::vector<Damier> positions{DamierCourant};
  const int32_t coups[] = {Pt(3, 3), Pt(7, 7), Pt(3, 7), Pt(7, 3), Pt(5, 5), Pt(5, 4), Pt(4, 5)};
  for (int32_t p : coups) {
    ClicGoban(f, p);
    positions.push_back(DamierCourant);
  }
  ASSERT_EQ(f.Position, 7);
  f.Oublie();
  TrackBar1Change(f, 3);
  EXPECT_EQ(NbCoupsJoues, 3);
  EXPECT_EQ(NbCoupsHistorique, 7);
  EXPECT_EQ(DamierCourant, positions[3]);
  EXPECT_EQ(f.Appels, (Appels{"DessinePierres", "DessineMarque 56 1", "AfficheGoban"}));
  EXPECT_EQ(CouleurAJouer, 2);
  TrackBar1Change(f, 100);  // stops at the last recorded move
  EXPECT_EQ(NbCoupsJoues, 7);
  EXPECT_EQ(DamierCourant, positions[7]);
  TrackBar1Change(f, -4);  // stops at the start
  EXPECT_EQ(NbCoupsJoues, 0);
  EXPECT_EQ(DamierCourant, positions[0]);
  EXPECT_EQ(DernierCoup, -1);
  EXPECT_EQ(CouleurAJouer, CouleurNoir);
  for (int k : {5, 2, 6, 6, 1, 7}) {
    TrackBar1Change(f, k);
    EXPECT_EQ(DamierCourant, positions[k]) << k;
  }
  // A new move after stepping back ends the old line.
  TrackBar1Change(f, 4);
  ClicGoban(f, Pt(9, 9));
  EXPECT_EQ(NbCoupsHistorique, 5);
  EXPECT_EQ(f.Maximum, 5);
  CoupSuivantClick(f);
  EXPECT_EQ(NbCoupsJoues, 5);
}

TEST_F(ControleurTest, StepsBeforeAnySetUpAskForAColour) {
  UndoClick(f);
  CoupSuivantClick(f);
  EXPECT_EQ(f.Messages,
            (std::vector<std::string>{"Choisissez votre couleur pour commencer à jouer.",
                                      "Choisissez votre couleur pour commencer à jouer."}));
}

TEST_F(ControleurTest, SteppingLeavesTheClocksAlone) {
  JouerLesDeuxClick(f);
  Secondes(3);
  ClicGoban(f, Pt(3, 3));
  Secondes(30);
  UndoClick(f);
  CoupSuivantClick(f);
  TrackBar1Change(f, 0);
  EXPECT_STREQ(HorlogeNoir.Texte, "00:00:03");
  EXPECT_STREQ(HorlogeBlanc.Texte, "00:00:00");
}

TEST_F(ControleurTest, AnIllegalEngineAnswerIsReportedAndTakenAsAPass) {
  JouerNoirClick(f);
  reponses = {Pt(5, 5)};  // the human's own point
  CaptureErreurs erreurs;
  ClicGoban(f, Pt(5, 5));
  EXPECT_EQ(erreurs.Texte(), "Pb ChoisitCoup coup illegal 40\n");
  EXPECT_EQ(Couleur(DamierCourant, Pt(5, 5)), 2);
  EXPECT_EQ(HistoriqueCoups[1], COUP_PASSE);
  EXPECT_EQ(f.IlvanePasse, "Ilvane Passe");
}

TEST_F(ControleurTest, FormShowMarksTheLastMoveWithColourOne) {
  FormShow(f);
  EXPECT_EQ(f.Appels, (Appels{"DessinePierres", "AfficheGoban"}));
  JouerNoirClick(f);
  reponses = {Pt(2, 2)};
  ClicGoban(f, Pt(5, 5));
  f.Oublie();
  FormShow(f);
  EXPECT_EQ(f.Appels, (Appels{"DessinePierres", "DessineMarque 10 1", "Bip", "AfficheGoban"}));
  // After a human move answered by a pass there is no last point to mark.
  ClicGoban(f, Pt(6, 6));
  f.Oublie();
  FormShow(f);
  EXPECT_EQ(f.Appels, (Appels{"DessinePierres", "AfficheGoban"}));
}

// A long game between two people, far past the capacity of the records:
// every move is still played, nothing is written past a table's end, and the
// steps back and forward still give exactly the positions of the recorded moves.
TEST_F(ControleurTest, AGameLongerThanAThousandMoves) {
  CaptureErreurs erreurs;
  JouerLesDeuxClick(f);
  std::mt19937 alea(2024);
  std::vector<Damier> positions{DamierCourant};
  ReferenceGo ref(9);
  int joues = 0;
  while (joues < 1500) {
    std::vector<int32_t> legaux;
    for (int32_t p = 0; p < 81; p++)
      if (EstLegal(DamierCourant, p, CouleurAJouer)) legaux.push_back(p);
    // Few passes, so the board fills and captures come often.
    if (legaux.empty() || alea() % 20 == 0) {
      PasseClick(f);
      ref.Passe();
    } else {
      const int32_t p = legaux[alea() % legaux.size()];
      const int couleur = CouleurAJouer;
      ClicGoban(f, p);
      ASSERT_GE(ref.Joue(p, couleur), 0);
    }
    joues++;
    for (int32_t p = 0; p < 81; p++) ASSERT_EQ(Couleur(DamierCourant, p), ref.c[p]);
    if (!HorsHistorique) positions.push_back(DamierCourant);
  }
  EXPECT_EQ(HorsHistorique, 1);
  EXPECT_LE(JournalModifications.Nombre, MAX_MODIFICATIONS);
  EXPECT_LE(NbCoupsJoues, MAX_COUPS_HISTORIQUE);
  const int enregistres = NbCoupsJoues;
  ASSERT_EQ(static_cast<int>(positions.size()), enregistres + 1);
  EXPECT_NE(erreurs.Texte().find("Pb EnregistreModification MAX_MODIFICATIONS\n"),
            std::string::npos);

  // The first step back returns to the last recorded position, then one move
  // at a time down to the empty board.
  UndoClick(f);
  EXPECT_EQ(HorsHistorique, 0);
  EXPECT_EQ(DamierCourant, positions[enregistres]);
  for (int n = enregistres - 1; n >= 0; n--) {
    UndoClick(f);
    ASSERT_EQ(NbCoupsJoues, n);
    ASSERT_EQ(DamierCourant, positions[n]);
  }
  TrackBar1Change(f, enregistres);
  EXPECT_EQ(DamierCourant, positions[enregistres]);
  // Play goes on and is recorded again once there is room: a move, or a pass
  // when the side to move has no legal point.
  TrackBar1Change(f, enregistres / 2);
  const int couleur = CouleurAJouer;
  int trouve = 0;
  for (int32_t p = 0; p < 81; p++) {
    if (EstLegal(DamierCourant, p, couleur)) {
      trouve = 1;
      ClicGoban(f, p);
      break;
    }
  }
  if (!trouve) PasseClick(f);
  EXPECT_EQ(NbCoupsJoues, enregistres / 2 + 1);
  EXPECT_EQ(NbCoupsHistorique, NbCoupsJoues);
}

// The game against the engine of the program, driven through the controller alone.
TEST_F(ControleurTest, AGameAgainstTheProgramsEngine) {
  FixeChoixMoteur(nullptr);
  JouerNoirClick(f);
  for (int32_t p : {Pt(5, 5), Pt(3, 3), Pt(7, 7)}) {
    if (CouleurAJouer != 2 || !EstLegal(DamierCourant, p, 2)) continue;
    ClicGoban(f, p);
    EXPECT_EQ(Couleur(DamierCourant, p), 2);
  }
  ASSERT_GE(NbCoupsJoues, 2);
  // Human moves and engine replies alternate in the history.
  for (int i = 0; i < NbCoupsJoues; i++) EXPECT_EQ(HistoriqueCouleurs[i], i % 2 ? 1 : 2);
  EXPECT_EQ(f.Maximum, NbCoupsJoues);
  for (int i = 0; i < 81 && !PartieFinie; i++) PasseClick(f);
  ASSERT_EQ(PartieFinie, 1);
  ASSERT_FALSE(f.Messages.empty());
  EXPECT_EQ(f.Messages.back().rfind("Je Passe. La partie est terminée.\nNoir a ", 0), 0u);
}

}  // namespace
