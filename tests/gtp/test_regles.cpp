// The game behind the protocol: moves, captures, ko and undo follow the rules
// of the packed board, checked against a naive model over long random games;
// the engine's move is asked for from the side of the colour to move.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/trace.h"
#include "board/damier.h"
#include "game/chrono.h"
#include "game/controleur.h"
#include "game/partie.h"
#include "gtp/gtp.h"
#include "processus.h"
#include "reference_go.h"

namespace {

std::string R(const std::string& ligne) {
  std::string r;
  TraiteLigneGtp(ligne, r);
  return r;
}

int32_t Pt9(int x, int y) {
  return (y - 1) * 9 + (x - 1);
}

std::string Sommet(int p, int n) {
  const int x = p % n, y = p / n;
  std::string s(1, static_cast<char>('A' + x + (x >= 8 ? 1 : 0)));
  return s + std::to_string(n - y);
}

// What list_stones answers for the model's stones of one colour.
std::string PierresAttendues(const ReferenceGo& ref, int couleur) {
  std::string s;
  for (int p = 0; p < ref.n * ref.n; p++) {
    if (ref.c[p] != couleur) continue;
    if (!s.empty()) s += ' ';
    s += Sommet(p, ref.n);
  }
  return "= " + s + "\n\n";
}

class ReglesTest : public ::testing::Test {
 protected:
  void SetUp() override { ReinitialiseGtp(); }
};

TEST_F(ReglesTest, CaptureAndUndoPutTheStonesBack) {
  for (const char* l : {"play b D5", "play b C4", "play b E4", "play w D4", "play w C5"})
    ASSERT_EQ(R(l), "= \n\n") << l;
  EXPECT_EQ(R("countlib D4"), "= 1\n\n");
  EXPECT_EQ(R("play b D3"), "= \n\n");
  EXPECT_EQ(R("list_stones w"), "= C5\n\n");
  EXPECT_EQ(R("countlib C5"), "= 2\n\n");
  EXPECT_EQ(R("findlib C5"), "= C6 B5\n\n");
  EXPECT_EQ(R("undo"), "= \n\n");
  EXPECT_EQ(R("list_stones w"), "= C5 D4\n\n");
  EXPECT_EQ(R("list_stones b"), "= D5 C4 E4\n\n");
  EXPECT_EQ(R("countlib D4"), "= 1\n\n");
}

TEST_F(ReglesTest, OccupiedSuicideAndKoAreIllegalAndChangeNothing) {
  // In the lower left corner:
  //   O X O .        row 3
  //   X O . O        row 2
  //   . X O .        row 1
  for (const char* l : {"play b B3", "play b A2", "play b B1", "play w C3", "play w D2",
                        "play w C1", "play w B2", "play w A3"})
    ASSERT_EQ(R(l), "= \n\n") << l;
  EXPECT_EQ(R("play b B2"), "? illegal move\n\n");  // occupied
  // Suicide: Black at A1 would leave A2 and B1 without a liberty.
  EXPECT_EQ(R("is_legal b A1"), "= 0\n\n");
  EXPECT_EQ(R("play b A1"), "? illegal move\n\n");
  EXPECT_EQ(R("list_stones b"), "= B3 A2 B1\n\n");
  // White at A1 takes them.
  EXPECT_EQ(R("is_legal w A1"), "= 1\n\n");
  // Black takes the ko at B2 instead.
  EXPECT_EQ(R("play b C2"), "= \n\n");
  EXPECT_EQ(R("list_stones w"), "= A3 C3 D2 C1\n\n");
  EXPECT_EQ(R("is_legal w B2"), "= 0\n\n");
  EXPECT_EQ(R("play w B2"), "? illegal move\n\n");
  EXPECT_EQ(R("list_stones w"), "= A3 C3 D2 C1\n\n");
  // A threat elsewhere lifts the ban.
  EXPECT_EQ(R("play w G7"), "= \n\n");
  EXPECT_EQ(R("play b G6"), "= \n\n");
  EXPECT_EQ(R("is_legal w B2"), "= 1\n\n");
  EXPECT_EQ(R("play w B2"), "= \n\n");
  EXPECT_EQ(R("list_stones b"), "= G6 B3 A2 B1\n\n");
  // Undo brings the ko ban back with the position.
  EXPECT_EQ(R("undo"), "= \n\n");
  EXPECT_EQ(R("undo"), "= \n\n");
  EXPECT_EQ(R("undo"), "= \n\n");
  EXPECT_EQ(R("is_legal w B2"), "= 0\n\n");
  // A pass lifts it too.
  EXPECT_EQ(R("play w pass"), "= \n\n");
  EXPECT_EQ(R("play b pass"), "= \n\n");
  EXPECT_EQ(R("is_legal w B2"), "= 1\n\n");
}

TEST_F(ReglesTest, ClearBoardAndNewSizeForgetTheHistory) {
  R("play b D4");
  EXPECT_EQ(R("clear_board"), "= \n\n");
  EXPECT_EQ(R("list_stones b"), "= \n\n");
  EXPECT_EQ(R("undo"), "? cannot undo\n\n");
  R("play b D4");
  R("boardsize 13");
  EXPECT_EQ(R("undo"), "? cannot undo\n\n");
}

TEST_F(ReglesTest, HistoryForgetsItsOldestMovesWhenFull) {
  for (int i = 0; i < HISTORIQUE_GTP + 5; i++) ASSERT_EQ(R("play b pass"), "= \n\n");
  R("play b E5");
  for (int i = 0; i < HISTORIQUE_GTP; i++) ASSERT_EQ(R("undo"), "= \n\n") << i;
  EXPECT_EQ(R("undo"), "? cannot undo\n\n");
  EXPECT_EQ(R("list_stones b"), "= \n\n");
}

// Long seeded random games on several sizes, with undo now and then: after
// every step the protocol's answers match the naive model. Small boards are
// checked on every point, large ones on a sample of points.
TEST_F(ReglesTest, RandomGamesAgreeWithTheModel) {
  std::mt19937 alea(20240611);
  for (int taille : {2, 3, 5, 7, 9, 13, 19}) {
    const int n2 = taille * taille;
    const bool complet = taille <= 9;
    // The sanitizer build plays fewer, shorter games.
    for (int partie = 0; partie < (complet && !AvecSanitizer ? 4 : 1); partie++) {
      ASSERT_EQ(R("boardsize " + std::to_string(taille)), "= \n\n");
      ReferenceGo ref(taille);
      std::vector<ReferenceGo> avant;
      int couleur = 1;
      const int coups = (complet ? n2 * 3 : 300) / (AvecSanitizer ? 3 : 1);
      for (int k = 0; k < coups; k++) {
        std::vector<int> points;
        for (int i = 0; i < (complet ? n2 : 24); i++)
          points.push_back(complet ? i : static_cast<int>(alea() % n2));
        if (!avant.empty() && alea() % 10 == 0) {
          ASSERT_EQ(R("undo"), "= \n\n");
          ref = avant.back();
          avant.pop_back();
        } else {
          const char* nom = couleur == 1 ? "black" : "white";
          for (int p : points) {
            for (int c : {1, 2}) {
              const bool legal = ref.Joue(p, c, false) >= 0;
              ASSERT_EQ(R(std::string("is_legal ") + (c == 1 ? "b " : "w ") + Sommet(p, taille)),
                        legal ? "= 1\n\n" : "= 0\n\n")
                  << "size " << taille << " move " << k << " point " << p;
            }
          }
          // A random legal move, found by trying points in random order.
          int coup = -1;
          for (int essai = 0; essai < 4 * n2 && coup < 0; essai++) {
            const int p = static_cast<int>(alea() % n2);
            if (ref.Joue(p, couleur, false) >= 0) coup = p;
          }
          avant.push_back(ref);
          if (coup < 0 || alea() % 20 == 0) {
            ASSERT_EQ(R(std::string("play ") + nom + " pass"), "= \n\n");
            ref.Passe();
          } else {
            ASSERT_EQ(R(std::string("play ") + nom + " " + Sommet(coup, taille)), "= \n\n");
            ref.Joue(coup, couleur);
          }
          // An illegal move is refused and changes nothing.
          const int autre = static_cast<int>(alea() % n2);
          if (ref.Joue(autre, couleur, false) < 0) {
            ASSERT_EQ(R(std::string("play ") + nom + " " + Sommet(autre, taille)),
                      "? illegal move\n\n");
          }
          couleur = 3 - couleur;
        }
        ASSERT_EQ(R("list_stones b"), PierresAttendues(ref, 1));
        ASSERT_EQ(R("list_stones w"), PierresAttendues(ref, 2));
        for (int p : points) {
          if (ref.c[p] == 0) continue;
          const std::vector<int> libertes = ref.Libertes(p);
          std::string libs;
          for (int q : libertes) libs += (libs.empty() ? "" : " ") + Sommet(q, taille);
          ASSERT_EQ(R("findlib " + Sommet(p, taille)), "= " + libs + "\n\n");
          ASSERT_EQ(R("countlib " + Sommet(p, taille)),
                    "= " + std::to_string(libertes.size()) + "\n\n");
        }
      }
    }
  }
}

TEST_F(ReglesTest, TheEngineSeesTheColourAskedForAsColourOne) {
  R("play b D4");
  R("play w E5");
  R("play w A1");
  R("play b B1");  // takes nothing yet: A1 still has A2
  const Damier& d = PositionGtp();
  const Damier noir = VuePourCouleur(d, NOIR);
  const Damier blanc = VuePourCouleur(d, BLANC);
  EXPECT_EQ(noir, d);
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int c = Couleur(d, p);
    EXPECT_EQ(Couleur(blanc, p), c == 0 ? 0 : 3 - c) << p;
  }
  EXPECT_EQ(PointKo(blanc), PointKo(d));
  EXPECT_EQ(VuePourCouleur(blanc, BLANC), d);
}

TEST_F(ReglesTest, GenmovePlaysALegalMoveOrPassesForTheColourAsked) {
  R("play b E5");
  for (const char* couleur : {"white", "black", "w", "b"}) {
    const std::string avant = R("list_stones " + std::string(couleur));
    const std::string r = R(std::string("genmove ") + couleur);
    ASSERT_EQ(r.substr(0, 2), "= ");
    const std::string coup = r.substr(2, r.size() - 4);
    if (coup == "pass") {
      EXPECT_EQ(R("list_stones " + std::string(couleur)), avant);
    } else {
      EXPECT_EQ(R("countlib " + coup).substr(0, 2), "= ") << coup;
      EXPECT_NE(R("list_stones " + std::string(couleur)).find(coup), std::string::npos);
    }
    // The move is part of the game: undo takes it back.
    EXPECT_EQ(R("undo"), "= \n\n");
    EXPECT_EQ(R("list_stones " + std::string(couleur)), avant);
  }
  // reg_genmove answers without playing.
  const std::string avant = R("showboard");
  const std::string r = R("reg_genmove w");
  EXPECT_EQ(r.substr(0, 2), "= ");
  EXPECT_EQ(R("showboard"), avant);
}

// A scripted engine: the first point, in index order, where colour 1 may play
// on the position it is handed; it also keeps what it was handed.
Damier vueMoteur;
int noirMoteur = 0;
int32_t coupImpose = -2;

void MoteurScripte(int32_t& point, int& passe) {
  vueMoteur = DamierCourant;
  noirMoteur = CouleurNoir;
  passe = 1;
  if (coupImpose != -2) {
    point = coupImpose;
    passe = 0;
    return;
  }
  for (int32_t p = 0; p < NbIntersections; p++)
    if (Couleur(DamierCourant, p) == 0 && EstLegal(DamierCourant, p, 1)) {
      point = p;
      passe = 0;
      return;
    }
}

TEST_F(ReglesTest, GenmoveHandsThePositionFromTheSideAskedAndPlaysTheAnswer) {
  FixeChoixMoteur(MoteurScripte);
  coupImpose = -2;
  R("play b A9");
  R("play w B9");
  // White to choose: its stones are colour 1 for the engine, and White is code 1.
  EXPECT_EQ(R("genmove white"), "= C9\n\n");
  EXPECT_EQ(noirMoteur, 2);
  EXPECT_EQ(CouleurBlanc, 1);
  EXPECT_EQ(Couleur(vueMoteur, Pt9(2, 1)), 1);  // B9, white
  EXPECT_EQ(Couleur(vueMoteur, Pt9(1, 1)), 2);  // A9, black
  EXPECT_EQ(Couleur(vueMoteur, Pt9(3, 1)), 0);  // C9, before the move
  EXPECT_EQ(R("list_stones w"), "= B9 C9\n\n");
  // A9 is now in atari; Black's engine view has Black as colour 1.
  EXPECT_EQ(R("genmove b"), "= D9\n\n");
  EXPECT_EQ(noirMoteur, 1);
  EXPECT_EQ(Couleur(vueMoteur, Pt9(1, 1)), 1);
  EXPECT_EQ(R("reg_genmove w"), "= E9\n\n");
  EXPECT_EQ(R("list_stones w"), "= B9 C9\n\n");
  // An answer the rules refuse is reported and taken as a pass, which is played.
  coupImpose = Pt9(2, 1);
  EXPECT_EQ(R("genmove w"), "= pass\n\n");
  coupImpose = 81;
  EXPECT_EQ(R("reg_genmove b"), "= pass\n\n");
  EXPECT_EQ(R("list_stones w"), "= B9 C9\n\n");
  EXPECT_EQ(R("undo"), "= \n\n");
  EXPECT_EQ(R("undo"), "= \n\n");
  EXPECT_EQ(R("list_stones b"), "= A9\n\n");
}

TEST_F(ReglesTest, TheEngineClockFollowsTimeLeft) {
  FixeChoixMoteur(MoteurScripte);
  coupImpose = -2;
  // No time settings: the engine's own thinking time, next to nothing here.
  R("genmove b");
  EXPECT_EQ(HorlogeNoir.Minutes, 0);
  EXPECT_EQ(HorlogeNoir.Heures, 0);
  // Ten minutes of main time, half of it used: half of the engine's hour.
  R("time_settings 600 30 5");
  R("time_left white 300 0");
  R("genmove w");
  EXPECT_EQ(HorlogeBlanc.Heures, 0);
  EXPECT_EQ(HorlogeBlanc.Minutes, 30);
  EXPECT_STREQ(HorlogeBlanc.Texte, "00:30:00");
  R("time_left white 0 0");
  R("genmove w");
  EXPECT_EQ(HorlogeBlanc.Heures, 1);
  EXPECT_EQ(HorlogeBlanc.Minutes, 0);
  // In byo-yomi the engine is short of time.
  R("time_left black 25 4");
  R("genmove b");
  EXPECT_EQ(HorlogeNoir.Minutes, 54);
  EXPECT_STREQ(HorlogeNoir.Texte, "00:54:00");
  // Byo-yomi time without stones means no limit.
  R("time_settings 0 1 0");
  R("genmove b");
  EXPECT_EQ(HorlogeNoir.Minutes, 0);
}

// A scripted end-of-game status: the white stones are dead, and so is an
// empty point, which final_status_list must not list.
void BlanchesMortes(const Damier& d, EnsembleIntersections& mortes) {
  Vide(mortes);
  Ajoute(mortes, Pt9(9, 9));
  for (int32_t p = 0; p < NbIntersections; p++)
    if (Couleur(d, p) == BLANC) Ajoute(mortes, p);
}

TEST_F(ReglesTest, FinalStatusListSplitsTheStonesByTheAnalysisHook) {
  for (const char* l : {"play b C3", "play w D4", "play b E5", "play w F6"}) R(l);
  EXPECT_EQ(R("final_status_list dead"), "= \n\n");
  EXPECT_EQ(R("final_status_list alive"), "= F6 E5 D4 C3\n\n");
  FixeStatutsGtp(BlanchesMortes);
  EXPECT_EQ(R("final_status_list dead"), R("list_stones w"));
  EXPECT_EQ(R("final_status_list ALIVE"), R("list_stones b"));
  EXPECT_EQ(R("final_status_list seki"), "= \n\n");
  EXPECT_EQ(R("final_status_list"), "? syntax error\n\n");
  EXPECT_EQ(R("final_status_list dame"), "? invalid status\n\n");
}

// The analysis's own answer: in a corner walled off by Black a lone white stone
// is dead, and so is a lone black stone in White's corner; the walls live. The
// same in the eight orientations of the board and with the colours swapped.
TEST_F(ReglesTest, FinalStatusListGivesTheStonesTheAnalysisFindsDead) {
  const char* noires[] = {"A4", "B4", "C4", "D4", "D3", "D2", "D1", "H8"};
  const char* blanches[] = {"B2", "G7", "G6", "H6", "J6", "F7", "F8", "F9"};
  const char* mortes[] = {"B2", "H8"};
  auto transforme = [](const char* v, int sym) {
    int x = v[0] - 'A' - (v[0] > 'I'), y = std::atoi(v + 1) - 1;
    if (sym & 1) x = 8 - x;
    if (sym & 2) y = 8 - y;
    if (sym & 4) std::swap(x, y);
    return Sommet((8 - y) * 9 + x, 9);
  };
  auto ensemble = [](const std::string& reponse) {
    std::istringstream mots(reponse.substr(1));
    std::vector<std::string> v{std::istream_iterator<std::string>(mots), {}};
    std::sort(v.begin(), v.end());
    return v;
  };
  for (int sym = 0; sym < 16; sym++) {
    R("clear_board");
    const char* b = sym & 8 ? "w " : "b ";
    const char* w = sym & 8 ? "b " : "w ";
    for (const char* v : noires) R(std::string("play ") + b + transforme(v, sym));
    for (const char* v : blanches) R(std::string("play ") + w + transforme(v, sym));
    std::vector<std::string> attendues;
    for (const char* v : mortes) attendues.push_back(transforme(v, sym));
    std::sort(attendues.begin(), attendues.end());
    EXPECT_EQ(ensemble(R("final_status_list dead")), attendues) << "symmetry " << sym;
    EXPECT_EQ(ensemble(R("final_status_list alive")).size(), 14u) << "symmetry " << sym;
  }
}

// A long session keeps one game's trace: each new game truncates the file.
TEST_F(ReglesTest, EachNewGameStartsANewTrace) {
  const std::filesystem::path avant = std::filesystem::current_path();
  const std::filesystem::path dossier =
      std::filesystem::temp_directory_path() / ("ilvane-trace-" + std::to_string(getpid()));
  std::filesystem::create_directories(dossier);
  std::filesystem::current_path(dossier);
  auto contenu = [] {
    std::fflush(TraceJeu());
    std::ifstream f("game.trace");
    return std::string(std::istreambuf_iterator<char>(f), {});
  };
  OuvreTraceJeu();
  TraceSeule("partie 1\n");
  R("clear_board");
  TraceSeule("partie 2\n");
  EXPECT_EQ(contenu(), "partie 2\n");
  R("boardsize 9");
  TraceSeule("partie 3\n");
  EXPECT_EQ(contenu(), "partie 3\n");
  // Without a trace file, a new game creates none.
  FermeTraceJeu();
  std::filesystem::remove("game.trace");
  R("clear_board");
  EXPECT_FALSE(std::filesystem::exists("game.trace"));
  std::filesystem::current_path(avant);
  std::filesystem::remove_all(dossier);
}

}  // namespace
