#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "board/incremental.h"
#include "diagramme.h"
#include "tactics/menaces.h"
#include "tactics/prise.h"
#include "test_menaces_outils.h"
#include "test_util.h"

namespace {

using menaces_test::EtatPlateau;

template <int N>
std::vector<int> Vecteur(const Liste<N>& l) {
  return {l.begin(), l.end()};
}

class MenacesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReinitialiseIncremental();
    ReinitialisePrises();
    ReinitialiseMenaces();
    ReinitialiseReglages();
  }
  void TearDown() override {
    TraceActiveA = nullptr;
    TraceActiveB = nullptr;
  }

  // Builds the board and runs the capture stage, which the threat stages read.
  void Position(const std::string& diagramme) {
    InitialiseDamierIncremental(DamierDe(diagramme));
    InitialisePrises();
    CalculeJeuxPrendre();
  }

  // Both threat stages as the pipeline runs them; the board must come back
  // unchanged. Returns what they wrote on the error stream.
  std::string Menaces() {
    const std::string avant = EtatPlateau();
    CaptureErreurs erreurs;
    CalculeMenacesDePrendre();
    MenacesDoublesDePrendre();
    EXPECT_EQ(EtatPlateau(), avant);
    return erreurs.Texte();
  }
};

// Colour 2's stone at (5,5) has three liberties and escapes whatever colour 1
// plays first. After colour 1 at (6,5), the escape point, it has two and a
// ladder runs it down to the edge.
const char* const kEchelle = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . @ @ . . . .
    . . . . O . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(MenacesTest, ChaineMiseEnEchelleEnUnCoup) {
  Position(kEchelle);
  ASSERT_EQ(TrouvePrise(PrisesValides, Pt(5, 5)), nullptr);
  EXPECT_EQ(Menaces(), "");

  ASSERT_EQ(MenacesPrendre.Nombre, 1);
  const Prise& r = MenacesPrendre.Elements[0];
  EXPECT_EQ(r.Couleur, 1);
  EXPECT_EQ(r.Ancre, Pt(5, 5));
  EXPECT_EQ(Vecteur(r.CoupsPrendre), std::vector<int>{Pt(6, 5)});
  EXPECT_EQ(r.CoupsSauver.Nombre, 0);
  EXPECT_EQ(r.Perdu, 0);
  EXPECT_EQ(r.Prenable, 0);
  // The ladder's liberties were traced into the record's own set.
  EXPECT_TRUE(Contient(r.TraceA, Pt(6, 5)));
  EXPECT_TRUE(Contient(r.TraceA, Pt(4, 5)));
  EXPECT_TRUE(Contient(r.TraceA, Pt(5, 6)));
  EXPECT_EQ(r.TraceB, EnsembleIntersections{});
  EXPECT_EQ(TrouvePrise(MenacesPrendre, Pt(5, 5)), &r);
  // Colour 1's string has four liberties: a move leaves three, no ladder.
  EXPECT_EQ(TrouvePrise(MenacesPrendre, Pt(4, 4)), nullptr);

  ListeIntersections coups;
  EXPECT_TRUE(MenaceDePrendre(Pt(5, 5), coups));
  EXPECT_EQ(Vecteur(coups), std::vector<int>{Pt(6, 5)});
  EXPECT_FALSE(MenaceDePrendre(Pt(4, 4), coups));
  EXPECT_EQ(coups.Nombre, 0);
  EXPECT_FALSE(MenaceDePrendre(Pt(9, 9), coups));  // an empty point
}

// Colour 1's stone at (3,1) is capturable; each of its liberties, played by
// colour 2, would also leave it in atari. It is in the capture list only.
TEST_F(MenacesTest, ChainePrenableJamaisDansLesMenaces) {
  Position(R"(
    . . @ . . . . . .
    . @ O . . . . . .
    . . . O . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)");
  ASSERT_NE(TrouvePrise(PrisesValides, Pt(3, 1)), nullptr);
  ListeIntersections coups;
  ASSERT_TRUE(MenaceDePrendre(Pt(3, 1), coups));
  EXPECT_EQ(Vecteur(coups), (std::vector<int>{Pt(2, 1), Pt(4, 1)}));
  Menaces();
  EXPECT_EQ(TrouvePrise(MenacesPrendre, Pt(3, 1)), nullptr);
  for (const Prise& r : MenacesPrendre) EXPECT_EQ(TrouvePrise(PrisesValides, r.Ancre), nullptr);
}

TEST_F(MenacesTest, CinqLibertesSansMenace) {
  Position(R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . O O . . .
    . . . . . @ . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)");
  ListeIntersections coups;
  EXPECT_FALSE(MenaceDePrendre(Pt(5, 5), coups));
  Menaces();
  EXPECT_EQ(TrouvePrise(MenacesPrendre, Pt(5, 5)), nullptr);
}

// Colour 2's stones at (5,4) and (4,5) each have two liberties, (5,5) in
// common. Colour 1 at (5,5) ataris both at different points: one of them
// falls. Colour 2 at (5,5) joins them with four liberties.
const char* const kDoubleAtari = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . @ . . . .
    . . . @ O . . . .
    . . @ O . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(MenacesTest, DeuxChainesAttaqueesEnsemble) {
  Position(kDoubleAtari);
  const std::string texte = Menaces();
  // Each chain's own threat record finds the pair: the lines come twice, the
  // record once.
  const std::string lignes =
      "MenacesDoublesDePrendre 31 et 39 Atteindre en 40 (5,5)\n"
      "MenacesDoublesDePrendre 31 et 39 Empecher en 40 (5,5)\n";
  EXPECT_EQ(texte, lignes + lignes);
  ASSERT_EQ(Pt(5, 4), 31);
  ASSERT_EQ(Pt(4, 5), 39);

  ASSERT_NE(TrouvePrise(MenacesPrendre, Pt(5, 4)), nullptr);
  ASSERT_NE(TrouvePrise(MenacesPrendre, Pt(4, 5)), nullptr);
  ASSERT_EQ(PrisesDoubles.Nombre, 1);
  const PriseDouble& d = PrisesDoubles.Elements[0];
  EXPECT_EQ(d.Couleur, 1);
  EXPECT_EQ(d.Ancre1, Pt(5, 4));
  EXPECT_EQ(d.Ancre2, Pt(4, 5));
  EXPECT_EQ(Vecteur(d.CoupsAtteindre), std::vector<int>{Pt(5, 5)});
  EXPECT_EQ(Vecteur(d.CoupsEmpecher), std::vector<int>{Pt(5, 5)});
  EXPECT_EQ(TrouvePriseDouble(PrisesDoubles, Pt(4, 5), Pt(5, 4)), &d);
  EXPECT_EQ(TrouvePriseDouble(PrisesDoubles, Pt(4, 5), Pt(4, 4)), nullptr);
}

TEST_F(MenacesTest, SansNoeudsLeProprietaireGarde) {
  Position(kDoubleAtari);
  Reglages.LimiteNoeudsPriseDouble = 0;
  EXPECT_EQ(Menaces(), "");
  EXPECT_EQ(PrisesDoubles.Nombre, 0);
}

TEST_F(MenacesTest, LignesDeDebogage) {
  Position(kDoubleAtari);
  CalculeMenacesDePrendre();
  DebugPrise = 1;
  CaptureErreurs erreurs;
  MenacesDoublesDePrendre();
  const std::string texte = erreurs.Texte();
  EXPECT_NE(texte.find("Coup pour Sauver en "), std::string::npos);
  EXPECT_NE(texte.find("Coup pour PrendreDouble en 48 (4,6)\n"), std::string::npos) << texte;
  EXPECT_EQ(DebugPrise, 0);
}

// A threat record made by hand: its move (9,9) is suicide for colour 2. Both
// chains of colour 2 are in atari at different points, so whatever colour 1
// plays the pair is lost; colour 2 cannot play (9,9) to stop it.
TEST_F(MenacesTest, AtteindreSansEmpecherQuandLeProprietaireNePeutJouer) {
  Position(R"(
    . . . . . . . . .
    . . @ . . . . . .
    . @ O @ @ . . . .
    . . . . O @ . . .
    . . . . @ . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . @
    . . . . . . . @ .)");
  ASSERT_EQ(CoupLegalIncremental(Pt(9, 9), 2), 0);
  VideListePrises(MenacesPrendre);
  Prise r;
  r.Couleur = 1;
  r.Ancre = Pt(3, 3);
  Ajoute(r.CoupsPrendre, Pt(9, 9));
  ASSERT_TRUE(AjoutePrise(MenacesPrendre, r));

  const std::string avant = EtatPlateau();
  CaptureErreurs erreurs;
  MenacesDoublesDePrendre();
  EXPECT_EQ(EtatPlateau(), avant);
  EXPECT_EQ(erreurs.Texte(), "MenacesDoublesDePrendre 20 et 31 Atteindre en 80 (9,9)\n");
  ASSERT_EQ(PrisesDoubles.Nombre, 1);
  const PriseDouble& d = PrisesDoubles.Elements[0];
  EXPECT_EQ(d.Ancre1, Pt(3, 3));
  EXPECT_EQ(d.Ancre2, Pt(5, 4));
  EXPECT_EQ(Vecteur(d.CoupsAtteindre), std::vector<int>{Pt(9, 9)});
  EXPECT_EQ(d.CoupsEmpecher.Nombre, 0);
}

// The pair's partners: chains of the same colour on a neighbour of a liberty
// (and, when short of liberties, those next to their own liberties), and weak
// chains next to an empty neighbour of a liberty.
TEST_F(MenacesTest, VoisinsDUnePaire) {
  Position(R"(
    . . . . . . . . .
    . . . . @ . . . .
    . . O . O . . . .
    . . . . . . . . .
    . . . . O . O . .
    . . . . . . . . .
    . . @ O . O . . .
    . . . @ . . . . .
    . . . . . . . . .)");
  ListeIntersections voisins;
  VoisinsMenaceDouble(voisins, Pt(5, 5));
  // (5,3) on a neighbour of the liberty (5,4), with three liberties, brings
  // (3,3) next to its liberty (4,3); (4,7) has two liberties, next to empty
  // neighbours of liberties; (7,5) on a neighbour of (6,5). (6,7) has four.
  EXPECT_EQ(Vecteur(voisins), (std::vector<int>{Pt(5, 3), Pt(3, 3), Pt(4, 7), Pt(7, 5)}));
  VoisinsMenaceDouble(voisins, Pt(1, 1));
  EXPECT_EQ(voisins.Nombre, 0);
}

TEST_F(MenacesTest, CandidatsContreUnePaire) {
  Position(kDoubleAtari);
  ListeIntersections coups;
  // Two liberties each, four together: the common liberty, then all of both.
  CoupsPrendreDouble(coups, Pt(5, 4), Pt(4, 5), 2);
  EXPECT_EQ(Vecteur(coups), (std::vector<int>{Pt(5, 5), Pt(6, 4), Pt(4, 6)}));
  CoupsPrendreDouble(coups, Pt(5, 4), Pt(4, 5), 1);
  EXPECT_EQ(coups.Nombre, 0);
  // When a chain is in atari its liberty is the only candidate.
  {
    CoupTemporaire coup(Pt(6, 4), 1);
    ASSERT_TRUE(coup);
    CoupsPrendreDouble(coups, Pt(4, 5), Pt(5, 4), 2);
    EXPECT_EQ(Vecteur(coups), std::vector<int>{Pt(5, 5)});
  }
  {
    CoupTemporaire coup(Pt(4, 6), 1);
    ASSERT_TRUE(coup);
    CoupsPrendreDouble(coups, Pt(5, 4), Pt(4, 5), 2);
    EXPECT_EQ(Vecteur(coups), std::vector<int>{Pt(5, 5)});
  }
  // After colour 1 at (5,5) the owner cannot keep both; after colour 2 there
  // the attacker has nothing.
  {
    CoupTemporaire coup(Pt(5, 5), 1);
    CompteurNoeuds = 0;
    EXPECT_EQ(SauverDouble(Pt(5, 4), Pt(4, 5), 1), 0);
  }
  {
    CoupTemporaire coup(Pt(5, 5), 2);
    CompteurNoeuds = 0;
    EXPECT_EQ(PrendreDoubleSimpleRecursif(Pt(5, 4), Pt(4, 5), 1), 0);
  }
  CompteurNoeuds = 0;
  EXPECT_EQ(PrendreDoubleSimpleRecursif(Pt(5, 4), Pt(4, 5), 1), 1);
  EXPECT_EQ(PrendreDoubleSimpleRecursif(Pt(5, 4), Pt(9, 9), 1), 1);  // an empty point
  EXPECT_EQ(SauverDouble(Pt(5, 4), Pt(9, 9), 1), 0);
}

PriseDouble Paire(int32_t a, int32_t b, std::vector<int> atteindre, std::vector<int> empecher) {
  PriseDouble d;
  d.Couleur = 1;
  d.Ancre1 = a;
  d.Ancre2 = b;
  for (int m : atteindre) Ajoute(d.CoupsAtteindre, m);
  for (int m : empecher) Ajoute(d.CoupsEmpecher, m);
  return d;
}

TEST_F(MenacesTest, DeuxRecordsDeLaMemePaireFusionnes) {
  InitialiseGoban(9);
  ListePrisesDoubles& l = PrisesDoubles;
  EXPECT_EQ(AjoutePriseDouble(l, Paire(10, 30, {1, 2}, {5})), 1);
  // The same pair given the other way round.
  EXPECT_EQ(AjoutePriseDouble(l, Paire(30, 10, {2, 3}, {6})), 0);
  ASSERT_EQ(l.Nombre, 1);
  EXPECT_EQ(Vecteur(l.Elements[0].CoupsAtteindre), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(Vecteur(l.Elements[0].CoupsEmpecher), (std::vector<int>{5, 6}));
  EXPECT_EQ(AjoutePriseDouble(l, Paire(11, 30, {4}, {})), 1);
  EXPECT_EQ(l.Nombre, 2);
  EXPECT_EQ(TrouvePriseDouble(l, 30, 11), &l.Elements[1]);
}

TEST_F(MenacesTest, IndexPleinSignaleEtRecordPerdu) {
  InitialiseGoban(9);
  ListePrisesDoubles& l = PrisesDoubles;
  for (int i = 0; i < PI_DOUBLE_MAX; i++)
    ASSERT_EQ(AjoutePriseDouble(l, Paire(10, 11 + i, {1}, {})), 1);
  CaptureErreurs erreurs;
  EXPECT_EQ(AjoutePriseDouble(l, Paire(10, 40, {2}, {})), 0);
  EXPECT_EQ(erreurs.Texte(), "Erreur PI_MAX AjoutePriseDoublen\n");
  EXPECT_EQ(l.Nombre, PI_DOUBLE_MAX);
  EXPECT_EQ(TrouvePriseDouble(l, 10, 40), nullptr);
  // A pair already there is still merged.
  EXPECT_EQ(AjoutePriseDouble(l, Paire(10, 11, {3}, {})), 0);
  EXPECT_EQ(Vecteur(l.Elements[0].CoupsAtteindre), (std::vector<int>{1, 3}));
}

TEST_F(MenacesTest, ListesDeCoupsBornees) {
  InitialiseGoban(9);
  ListePrisesDoubles& l = PrisesDoubles;
  std::vector<int> a, b;
  for (int i = 0; i < 20; i++) a.push_back(i);
  for (int i = 10; i < 40; i++) b.push_back(i);
  b.resize(MAX_COUPS_PRISE);
  ASSERT_EQ(AjoutePriseDouble(l, Paire(50, 60, a, {7})), 1);
  CaptureErreurs erreurs;
  EXPECT_EQ(AjoutePriseDouble(l, Paire(50, 60, b, {8})), 0);
  const PriseDouble& d = l.Elements[0];
  EXPECT_EQ(d.CoupsAtteindre.Nombre, MAX_COUPS_PRISE);
  EXPECT_EQ(d.CoupsAtteindre[MAX_COUPS_PRISE - 1], 28);
  // The list after it is untouched.
  EXPECT_EQ(Vecteur(d.CoupsEmpecher), (std::vector<int>{7, 8}));
  EXPECT_NE(erreurs.Texte().find("Pb AjoutePriseDouble CoupsAtteindre"), std::string::npos);

  // Bad anchors are refused, not written anywhere.
  EXPECT_EQ(AjoutePriseDouble(l, Paire(-1, 3, {1}, {})), 0);
  EXPECT_EQ(AjoutePriseDouble(l, Paire(5, 400, {1}, {})), 0);
  EXPECT_EQ(l.Nombre, 1);
}

// Seeded random positions: every record is well formed and consistent with the
// capture list, every threat move really threatens (checked on the reference
// model), and the board comes back unchanged.
TEST_F(MenacesTest, InvariantsSurPositionsAleatoires) {
  InitialiseGoban(9);
  std::mt19937 alea(2718);
  int menaces = 0, doubles = 0;
  for (int partie = 0; partie < 80; partie++) {
    const Damier damier = PositionAleatoireEntre(alea, 12, 50);
    InitialiseDamierIncremental(damier);
    InitialisePrises();
    CalculeJeuxPrendre();
    // Every pair found is kept: a chain may pair with several larger ones.
    ASSERT_EQ(Menaces().find("PI_MAX"), std::string::npos) << "partie " << partie;
    const ReferenceGo g = menaces_test::ReferenceDe(damier, 9);

    for (const Prise& r : MenacesPrendre) {
      menaces++;
      ASSERT_EQ(TrouvePrise(PrisesValides, r.Ancre), nullptr);
      ASSERT_NE(TrouvePrise(PrisesACalculer, r.Ancre), nullptr);
      const String* s = StringIntersection[r.Ancre];
      ASSERT_NE(s, nullptr);
      ASSERT_EQ(s->Ancre, r.Ancre);
      ASSERT_EQ(r.Couleur, Adversaire(s->Color));
      ASSERT_GT(r.CoupsPrendre.Nombre, 0);
      for (int32_t m : r.CoupsPrendre) {
        ASSERT_TRUE(Contient(s->EnsembleLibertes, m));
        ReferenceGo h = g;
        ASSERT_GE(h.Joue(m, r.Couleur), 0);
        ASSERT_TRUE(menaces_test::RefPrendre(h, r.Ancre, 1)) << "partie " << partie << " " << m;
      }
    }
    // Every candidate outside the capture list with a threat is listed.
    for (const Prise& c : PrisesACalculer) {
      if (TrouvePrise(PrisesValides, c.Ancre)) continue;
      ListeIntersections coups;
      ASSERT_EQ(MenaceDePrendre(c.Ancre, coups), TrouvePrise(MenacesPrendre, c.Ancre) != nullptr);
    }

    std::set<std::pair<int, int>> paires;
    for (const PriseDouble& d : PrisesDoubles) {
      doubles++;
      ASSERT_LT(d.Ancre1, d.Ancre2);
      ASSERT_TRUE(paires.insert({d.Ancre1, d.Ancre2}).second);
      for (int32_t a : {d.Ancre1, d.Ancre2}) {
        const String* s = StringIntersection[a];
        ASSERT_NE(s, nullptr);
        ASSERT_EQ(s->Ancre, a);
        ASSERT_EQ(s->Color, Adversaire(d.Couleur));
      }
      // One of the two is threatened, the other is its partner.
      const Prise* r1 = TrouvePrise(MenacesPrendre, d.Ancre1);
      const Prise* r2 = TrouvePrise(MenacesPrendre, d.Ancre2);
      ASSERT_TRUE(r1 || r2);
      ASSERT_GT(d.CoupsAtteindre.Nombre, 0);
      for (int32_t m : d.CoupsAtteindre)
        ASSERT_TRUE((r1 && Contient(r1->CoupsPrendre, m)) || (r2 && Contient(r2->CoupsPrendre, m)));
      ASSERT_TRUE(EstInclus(d.CoupsEmpecher, d.CoupsAtteindre));
    }
  }
  EXPECT_GT(menaces, 100);
  EXPECT_GT(doubles, 5);
}

}  // namespace
