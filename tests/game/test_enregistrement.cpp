// The window's game records: a saved game opens again as the same game, the
// text written is exact, and every record the game cannot take is refused with
// its message and leaves the game as it was.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "fenetre_enregistree.h"
#include "game/enregistrement.h"
#include "parties_aleatoires.h"
#include "version.h"

namespace {

// Everything of the game that opening a record may change.
auto Etat() {
  return std::tuple(
      std::string(reinterpret_cast<const char*>(&DamierCourant), sizeof(Damier)), CouleurNoir,
      CouleurAJouer, ModeJeu, PartieCommencee, PartieFinie, DernierCoup, NbCoupsJoues,
      NbCoupsHistorique, JournalModifications.Nombre,
      std::vector<int32_t>(HistoriqueCoups, HistoriqueCoups + NbCoupsHistorique),
      std::vector<int32_t>(HistoriqueCouleurs, HistoriqueCouleurs + NbCoupsHistorique));
}

std::string Pierres() {
  std::string s;
  for (int32_t p = 0; p < NbIntersections; p++)
    s += static_cast<char>('0' + Couleur(DamierCourant, p));
  return s;
}

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

// Saved at any cursor, a game opens again as the same game shown at its last
// move, not over, with the same start; opened, it saves to the same text but
// for the result.
TEST_F(EnregistrementTest, SavedGamesOpenAsTheSameGame) {
  std::mt19937 alea(22);
  int finies = 0, poses = 0;
  for (int partie = 0; partie < 60; partie++) {
    PartieAleatoire(f, alea, 40 + static_cast<int>(alea() % 120));
    std::string texte = EcritSgf(EnregistrementPartie("2026-12-08"));
    const size_t re = texte.find("RE[");
    ASSERT_EQ(re != std::string::npos, PartieFinie == 1) << texte;
    if (re != std::string::npos) texte.erase(re, texte.find(']', re) + 1 - re);
    finies += PartieFinie;
    TrackBar1Change(f, 0);
    const std::string debut = Pierres();
    poses += NbIntersections - static_cast<int>(std::count(debut.begin(), debut.end(), '0'));
    TrackBar1Change(f, NbCoupsHistorique);
    PartieFinie = 0;
    const auto fin = Etat();

    JouerLesDeuxClick(f);
    ClicGoban(f, 40);
    f.Oublie();
    ASSERT_TRUE(OuvreTexteSgf(f, texte, "p.sgf")) << f.Messages.front() << "\n" << texte;
    EXPECT_EQ(Etat(), fin) << texte;
    EXPECT_EQ(EcritSgf(EnregistrementPartie("2026-12-08")), texte);
    EXPECT_EQ(f.Maximum, NbCoupsHistorique);
    TrackBar1Change(f, 0);
    EXPECT_EQ(Pierres(), debut);
  }
  EXPECT_GT(finies, 5);
  EXPECT_GT(poses, 10);
}

TEST_F(EnregistrementTest, WritesTheExactText) {
  EnregistrementSgf e{9, 6.5, "Ilvane", "a]b\\c", "2026-12-08", "B+R", {0, 80}, {40}, 2, {}};
  e.Coups = {{2, 1}, {1, COUP_PASSE}, {2, 9}};
  for (int i = 0; i < 9; i++) e.Coups.push_back({1 + i % 2, COUP_PASSE});
  EXPECT_EQ(EcritSgf(e),
            "(;FF[4]GM[1]CA[UTF-8]AP[Ilvane:" + std::string(ILVANE_VERSION) +
                "]SZ[9]KM[6.5]\nPB[Ilvane]PW[a\\]b\\\\c]DT[2026-12-08]RE[B+R]\n"
                "AB[aa][ii]\nAW[ee]\nPL[W];W[ba];B[];W[ab];B[];W[];B[];W[];B[];W[];B[]\n"
                ";W[];B[])\n");
  // How the game ended: White has one stone more when both pass.
  FixeChoixMoteur([](int32_t&, int& passe) { passe = 1; });
  JouerNoirClick(f);
  PosePierre(DamierCourant, 3, 1);
  PasseClick(f);
  EXPECT_EQ(EnregistrementPartie("").Resultat, "W+1");
  AbandonClick(f);
  EXPECT_EQ(EnregistrementPartie("").Resultat, "W+R");
  JouerLesDeuxClick(f);
  EXPECT_EQ(EnregistrementPartie("").Resultat, "");
}

std::string Fois(int n, const std::string& s) {
  std::string r;
  for (int i = 0; i < n; i++) r += s;
  return r;
}

// Records the game cannot take: the text, the message.
const std::pair<std::string, std::string> Refus[] = {
    {"", "Impossible d'ouvrir p.sgf : il ne contient pas de partie SGF."},
    {"Bonjour", "Impossible d'ouvrir p.sgf : il ne contient pas de partie SGF."},
    {"(;GM[1]SZ[9];B[ee];W[c", "Impossible d'ouvrir p.sgf : il est tronqué."},
    {"(;GM[1]SZ[9];B[ee]", "Impossible d'ouvrir p.sgf : il est tronqué."},
    {"(;SZ[9];B[ee]x)", "Impossible d'ouvrir p.sgf : il est mal formé."},
    {"(;GM[3]SZ[9])", "Impossible d'ouvrir p.sgf : ce n'est pas une partie de Go."},
    {"(;SZ[9];B[zz])", "Impossible d'ouvrir p.sgf : un coup est invalide."},
    {"(;SZ[19];B[pd])", "La partie de p.sgf se joue sur un goban de 19x19 : Ilvane joue sur 9x9."},
    {"(;B[ee])", "La partie de p.sgf se joue sur un goban de 19x19 : Ilvane joue sur 9x9."},
    {"(;SZ[13])", "La partie de p.sgf se joue sur un goban de 13x13 : Ilvane joue sur 9x9."},
    {"(;SZ[9];B[ee];W[dd];B[dd])", "Le coup 3 de p.sgf est illégal."},
    {"(;SZ[9]AB[ba][ab];W[aa])", "Le coup 1 de p.sgf est illégal."},
    {"(;SZ[9]AB[ba][ab][bc]AW[ca][db][cc];W[bb];B[cb];W[bb])", "Le coup 3 de p.sgf est illégal."},
    {"(;SZ[9]AB[aa]AW[ab][ba])", "La position de départ de p.sgf a des pierres sans liberté."},
    {"(;SZ[9];B[ee];W[dd]AB[aa];B[cc])",
     "Le fichier p.sgf pose des pierres en cours de partie : Ilvane ne sait pas le rejouer."},
    {"(;SZ[9]" + Fois(501, ";B[];W[]") + ")",
     "La partie de p.sgf est trop longue pour l'historique d'Ilvane."},
};

TEST_F(EnregistrementTest, RefusedRecordsLeaveTheGameAsItWas) {
  JouerLesDeuxClick(f);
  for (int32_t p : {40, 41, 30, 31}) ClicGoban(f, p);
  UndoClick(f);
  const auto avant = Etat();
  for (const auto& [texte, message] : Refus) {
    f.Oublie();
    EXPECT_FALSE(OuvreTexteSgf(f, texte, "p.sgf"));
    EXPECT_EQ(f.Appels, std::vector<std::string>{"Message " + message}) << texte;
    ASSERT_EQ(Etat(), avant) << texte;
  }
  // Files: missing, a folder, one too large for its huge comment, and one
  // that cannot be written.
  const auto dossier =
      std::filesystem::temp_directory_path() / ("ilvane-" + std::to_string(getpid()));
  std::filesystem::create_directories(dossier);
  const std::string d = dossier.string(), absent = d + "/absent.sgf", enorme = d + "/enorme.sgf";
  std::ofstream(enorme) << "(;SZ[9]C[" << std::string(TAILLE_FICHIER_SGF_MAX, 'x') << "])";
  const std::pair<std::string, std::string> fichiers[] = {
      {absent, "Impossible de lire le fichier " + absent + "."},
      {d, "Impossible de lire le fichier " + d + "."},
      {enorme, "Le fichier " + enorme + " est trop grand pour être une partie de Go."}};
  for (const auto& [chemin, message] : fichiers) {
    f.Oublie();
    EXPECT_FALSE(OuvrePartie(f, chemin));
    EXPECT_EQ(f.Messages, std::vector<std::string>{message});
    ASSERT_EQ(Etat(), avant);
  }
  f.Oublie();
  EXPECT_FALSE(EnregistrePartie(f, absent + "/x.sgf"));
  EXPECT_EQ(f.Messages,
            std::vector<std::string>{"Impossible d'enregistrer la partie dans le fichier " +
                                     absent + "/x.sgf."});
  ASSERT_TRUE(EnregistrePartie(f, d + "/bon.sgf"));
  ASSERT_TRUE(OuvrePartie(f, d + "/bon.sgf"));
  EXPECT_EQ(NbCoupsJoues, 4);
  std::filesystem::remove_all(dossier);
}

}  // namespace
