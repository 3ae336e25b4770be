// The window's game records: a saved game opens again as the same game, the
// text written is exact, and every record the game cannot take is refused with
// its message and leaves the game as it was.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "board/damier.h"
#include "fenetre_enregistree.h"
#include "game/controleur.h"
#include "game/enregistrement.h"
#include "game/partie.h"
#include "parties_aleatoires.h"
#include "version.h"

namespace {

// Everything of the game that opening a record may change.
struct EtatJeu {
  Damier Position;
  int Noir, Blanc, AJouer, Mode, Commencee, Finie;
  int32_t Dernier, Joues, Historique;
  std::vector<int32_t> Coups, Couleurs;
  int32_t Modifications;

  static EtatJeu Lit() {
    EtatJeu e{DamierCourant,
              CouleurNoir,
              CouleurBlanc,
              CouleurAJouer,
              ModeJeu,
              PartieCommencee,
              PartieFinie,
              DernierCoup,
              NbCoupsJoues,
              NbCoupsHistorique,
              {HistoriqueCoups, HistoriqueCoups + NbCoupsHistorique},
              {HistoriqueCouleurs, HistoriqueCouleurs + NbCoupsHistorique},
              JournalModifications.Nombre};
    return e;
  }
  bool operator==(const EtatJeu& a) const {
    return std::memcmp(&Position, &a.Position, sizeof Position) == 0 && Noir == a.Noir &&
           Blanc == a.Blanc && AJouer == a.AJouer && Mode == a.Mode && Commencee == a.Commencee &&
           Finie == a.Finie && Dernier == a.Dernier && Joues == a.Joues &&
           Historique == a.Historique && Coups == a.Coups && Couleurs == a.Couleurs &&
           Modifications == a.Modifications;
  }
};

class EnregistrementTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitialiseGoban(9);
    ReinitialiseRequetes();
    ReinitialisePartie();
  }
  void TearDown() override { FixeChoixMoteur(nullptr); }

  FenetreEnregistree f;
};

// Saved at any cursor, a game opens again with the same players, the same
// recorded moves and the same positions at both ends, shown at its last move;
// and the game opened saves to the same text, the result aside.
TEST_F(EnregistrementTest, SavedGamesOpenAsTheSameGame) {
  std::mt19937 alea(22);
  int finies = 0, poses = 0;
  for (int partie = 0; partie < 60; partie++) {
    PartieAleatoire(f, alea, 40 + static_cast<int>(alea() % 120));
    EnregistrementSgf e = EnregistrementPartie("2026-12-08");
    const std::string texte = EcritSgf(e);
    finies += PartieFinie;
    ASSERT_EQ(texte.find("RE[") != std::string::npos, PartieFinie == 1) << texte;
    TrackBar1Change(f, 0);
    const Damier debut = DamierCourant;
    TrackBar1Change(f, NbCoupsHistorique);
    const EtatJeu fin = EtatJeu::Lit();
    for (int32_t p = 0; p < NbIntersections; p++) poses += Couleur(debut, p) != VIDE;

    JouerLesDeuxClick(f);
    ClicGoban(f, 40);
    f.Oublie();
    ASSERT_TRUE(OuvreTexteSgf(f, texte, "partie.sgf")) << f.Messages.front() << "\n" << texte;
    EXPECT_TRUE(f.Messages.empty());
    const EtatJeu ouverte = EtatJeu::Lit();
    EXPECT_EQ(std::memcmp(&ouverte.Position, &fin.Position, sizeof fin.Position), 0) << texte;
    EXPECT_EQ(ouverte.Coups, fin.Coups);
    EXPECT_EQ(ouverte.Couleurs, fin.Couleurs);
    EXPECT_EQ(ouverte.Joues, fin.Historique);
    EXPECT_EQ(ouverte.Noir, fin.Noir);
    EXPECT_EQ(ouverte.Mode, fin.Mode);
    EXPECT_EQ(ouverte.Dernier, fin.Dernier);
    EXPECT_EQ(ouverte.Finie, 0);
    EXPECT_EQ(f.Maximum, fin.Historique);
    EXPECT_EQ(f.Position, fin.Historique);
    e.Resultat.clear();
    EXPECT_EQ(EcritSgf(EnregistrementPartie("2026-12-08")), EcritSgf(e));
    TrackBar1Change(f, 0);
    // The same stones; a record's start bans no ko point.
    for (int32_t p = 0; p < NbIntersections; p++)
      ASSERT_EQ(Couleur(DamierCourant, p), Couleur(debut, p)) << texte;
    // A click continues the game from the position shown.
    if (ModeJeu == MODE_DEUX_JOUEURS) {
      const int32_t p = PointLegalAleatoire(alea, CouleurAJouer);
      f.Oublie();
      ClicGoban(f, p);
      EXPECT_EQ(NbCoupsHistorique, 1);
      EXPECT_TRUE(f.Messages.empty());
    }
  }
  EXPECT_GT(finies, 5);
  EXPECT_GT(poses, 10);
}

// The text of a short game, byte for byte: setup stones before the first
// move, a pass, the result.
TEST_F(EnregistrementTest, WritesTheExactText) {
  EnregistrementSgf e;
  e.JoueurNoir = "Ilvane";
  e.JoueurBlanc = "a]b\\c";
  e.Date = "2026-12-08";
  e.Resultat = "B+R";
  e.Komi = 6.5;
  e.PosesNoires = {0, 80};
  e.PosesBlanches = {40};
  e.AJouer = 2;
  e.Coups = {{2, 1}, {1, COUP_PASSE}, {2, 9}};
  for (int i = 0; i < 9; i++) e.Coups.push_back({1 + i % 2, COUP_PASSE});
  EXPECT_EQ(EcritSgf(e),
            "(;FF[4]GM[1]CA[UTF-8]AP[Ilvane:" + std::string(ILVANE_VERSION) +
                "]SZ[9]KM[6.5]\n"
                "PB[Ilvane]PW[a\\]b\\\\c]DT[2026-12-08]RE[B+R]\n"
                "AB[aa][ii]\nAW[ee]\nPL[W];W[ba];B[];W[ab];B[];W[];B[];W[];B[];W[];B[]\n"
                ";W[];B[])\n");
}

// How the game ended goes into RE; a game going on has none.
TEST_F(EnregistrementTest, TheResultOfTheEnding) {
  std::mt19937 alea(3);
  FixeChoixMoteur(MoteurAleatoire);
  JouerNoirClick(f);
  EXPECT_EQ(EnregistrementPartie("").Resultat, "");
  ClicGoban(f, 40);
  AbandonClick(f);
  EXPECT_EQ(EnregistrementPartie("").Resultat, "W+R");
  EXPECT_EQ(EnregistrementPartie("").JoueurBlanc, "Ilvane");
  JouerLesDeuxClick(f);
  AbandonClick(f);
  EXPECT_EQ(EnregistrementPartie("").Resultat, "B+R");
  EXPECT_EQ(EnregistrementPartie("").JoueurBlanc, "Humain");
  // Both pass on a board where White has one stone more: White wins by 1.
  FixeChoixMoteur([](int32_t& point, int& passe) {
    point = -1;
    passe = 1;
  });
  JouerNoirClick(f);
  PosePierre(DamierCourant, 3, 1);
  PasseClick(f);
  ASSERT_EQ(PartieFinie, 1);
  EXPECT_EQ(EnregistrementPartie("").Resultat, "W+1");
}

std::string Fois(int n, const std::string& s) {
  std::string r;
  for (int i = 0; i < n; i++) r += s;
  return r;
}

// Records the game cannot take, each refused with its message.
struct Refus {
  const char* Cas;
  std::string Texte;
  std::string Message;
};

const std::vector<Refus>& Refuses() {
  static const std::vector<Refus> refus = {
      {"empty", "", "Impossible d'ouvrir partie.sgf : il ne contient pas de partie SGF."},
      {"not sgf", "Bonjour", "Impossible d'ouvrir partie.sgf : il ne contient pas de partie SGF."},
      {"truncated", "(;GM[1]SZ[9];B[ee];W[c", "Impossible d'ouvrir partie.sgf : il est tronqué."},
      {"truncated node", "(;GM[1]SZ[9];B[ee]", "Impossible d'ouvrir partie.sgf : il est tronqué."},
      {"malformed", "(;SZ[9];B[ee]x)", "Impossible d'ouvrir partie.sgf : il est mal formé."},
      {"not go", "(;GM[3]SZ[9])",
       "Impossible d'ouvrir partie.sgf : ce n'est pas une partie de Go."},
      {"bad move", "(;SZ[9];B[zz])", "Impossible d'ouvrir partie.sgf : un coup est invalide."},
      {"size 19", "(;SZ[19];B[pd])",
       "La partie de partie.sgf se joue sur un goban de 19x19 : Ilvane joue sur 9x9."},
      {"no size", "(;B[ee])",
       "La partie de partie.sgf se joue sur un goban de 19x19 : Ilvane joue sur 9x9."},
      {"size 13", "(;SZ[13])",
       "La partie de partie.sgf se joue sur un goban de 13x13 : Ilvane joue sur 9x9."},
      {"occupied", "(;SZ[9];B[ee];W[dd];B[dd])", "Le coup 3 de partie.sgf est illégal."},
      {"suicide", "(;SZ[9]AB[ba][ab];W[aa])", "Le coup 1 de partie.sgf est illégal."},
      {"ko retaken", "(;SZ[9]AB[ba][ab][bc]AW[ca][db][cc];W[bb];B[cb];W[bb])",
       "Le coup 3 de partie.sgf est illégal."},
      {"setup without liberty", "(;SZ[9]AB[aa]AW[ab][ba])",
       "La position de départ de partie.sgf a des pierres sans liberté."},
      {"setup during the game", "(;SZ[9];B[ee];W[dd]AB[aa];B[cc])",
       "Le fichier partie.sgf pose des pierres en cours de partie : Ilvane ne sait pas le "
       "rejouer."},
      {"too long", "(;SZ[9]" + Fois(501, ";B[];W[]") + ")",
       "La partie de partie.sgf est trop longue pour l'historique d'Ilvane."},
  };
  return refus;
}

TEST_F(EnregistrementTest, RefusedRecordsLeaveTheGameAsItWas) {
  JouerLesDeuxClick(f);
  for (int32_t p : {40, 41, 30, 31}) ClicGoban(f, p);
  UndoClick(f);
  const EtatJeu avant = EtatJeu::Lit();
  for (const Refus& r : Refuses()) {
    f.Oublie();
    EXPECT_FALSE(OuvreTexteSgf(f, r.Texte, "partie.sgf")) << r.Cas;
    EXPECT_EQ(f.Appels, std::vector<std::string>{"Message " + r.Message}) << r.Cas;
    ASSERT_EQ(EtatJeu::Lit(), avant) << r.Cas;
  }
  // Files: missing, a folder, and one far larger than any game record for
  // its huge comment.
  const std::filesystem::path dossier =
      std::filesystem::temp_directory_path() / ("ilvane-enreg-" + std::to_string(getpid()));
  std::filesystem::create_directories(dossier);
  const std::string enorme = (dossier / "enorme.sgf").string();
  std::ofstream(enorme) << "(;SZ[9]C[" << std::string(TAILLE_FICHIER_SGF_MAX, 'x') << "];B[ee])";
  const std::string absent = (dossier / "absent.sgf").string();
  const std::vector<std::pair<std::string, std::string>> fichiers = {
      {absent, "Impossible de lire le fichier " + absent + "."},
      {dossier.string(), "Impossible de lire le fichier " + dossier.string() + "."},
      {enorme, "Le fichier " + enorme + " est trop grand pour être une partie de Go."},
  };
  for (const auto& [chemin, message] : fichiers) {
    f.Oublie();
    EXPECT_FALSE(OuvrePartie(f, chemin));
    EXPECT_EQ(f.Appels, std::vector<std::string>{"Message " + message});
    ASSERT_EQ(EtatJeu::Lit(), avant) << chemin;
  }
  // A file that cannot be written says so.
  f.Oublie();
  EXPECT_FALSE(EnregistrePartie(f, absent + "/x.sgf"));
  EXPECT_EQ(f.Messages,
            std::vector<std::string>{"Impossible d'enregistrer la partie dans le fichier " +
                                     absent + "/x.sgf."});
  // And one that can opens as the game.
  const std::string bon = (dossier / "bon.sgf").string();
  ASSERT_TRUE(EnregistrePartie(f, bon));
  ASSERT_TRUE(OuvrePartie(f, bon));
  EXPECT_EQ(NbCoupsJoues, 4);
  std::filesystem::remove_all(dossier);
}

}  // namespace
