// The eye table: when two eyes cannot count as two, how insertion merges them,
// the full table, and the eyes the rules put in it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/yeux.h"
#include "rules/regles_test.h"

namespace {

// An eye with window (x, y, w, h), sure or possible, with its spoiling moves
// (which make it a rule eye).
Oeil Fait(int couleur, int x, int y, int w, int h, bool sur = true,
          std::vector<int32_t> empecher = {}) {
  Oeil e(couleur, 0, x, y, w, h);
  e.Sur = sur;
  e.DeRegle = !empecher.empty();
  for (int32_t m : empecher) Ajoute(e.CoupsEmpecher, m);
  return e;
}

Oeil Echange(Oeil e) {
  e.Couleur = Adversaire(e.Couleur);
  return e;
}

std::string EchangeCouleurs(std::string d) {
  for (char& ch : d) ch = ch == 'X' ? 'O' : ch == 'O' ? 'X' : ch;
  return d;
}

// Rows 1 to 3: the overlap of two 3x3 windows side by side at x = 1 and x = 3
// is the column x = 3, on the border of both. Its middle point holds a stone
// of the other colour, lost when (4, 3) and (5, 2) are held and escaping
// otherwise. Rows 6 to 8: two 4x4 windows at (1, 5) and (2, 6) overlap on
// (2..4, 6..8), held but for (3, 7) and (4, 7), which lie inside one window.
// Each point is followed by a space, so point i is character 2i.
const char* const Plateau =
    ". . X X . . . . . "
    ". X O . . . . . . "
    ". . X . . . . . . "
    ". . . . . . . . . "
    ". . . . . . . . . "
    ". X X X . . . . . "
    ". X . . . . . . . "
    ". X X X . . . . . "
    ". . . . . . . . . ";

struct CasConflit {
  const char* nom;
  Oeil a, b;
  int attendu;
  bool libere = false;  // (4, 3) and (5, 2) left empty: the stone at (3, 2) escapes
};

const std::vector<CasConflit> Conflits = {
    {"couleurs differentes", Fait(1, 2, 2, 3, 3), Fait(2, 2, 2, 3, 3), 0},
    {"eloignes", Fait(1, 1, 1, 3, 3), Fait(1, 6, 6, 3, 3), 0},
    {"cote a cote", Fait(1, 5, 1, 3, 3), Fait(1, 8, 1, 2, 3), 0},
    {"l'un dans l'autre", Fait(1, 2, 2, 2, 2), Fait(1, 1, 1, 5, 5), 1},
    {"meme fenetre", Fait(1, 5, 5, 3, 3, false), Fait(1, 5, 5, 3, 3, false), 1},
    {"coins qui se touchent", Fait(1, 5, 1, 2, 2, false, {14}), Fait(1, 7, 3, 2, 2, false, {5}),
     0},
    {"un coup pour empecher en commun", Fait(1, 5, 1, 2, 2, false, {14}),
     Fait(1, 7, 3, 2, 2, false, {5, 14}), 1},
    {"bord commun vide", Fait(1, 5, 1, 3, 3), Fait(1, 7, 1, 3, 3), 1},
    {"bord commun tenu, pierre perdue", Fait(1, 1, 1, 3, 3), Fait(1, 3, 1, 3, 3), 0},
    {"bord commun, pierre qui s'echappe", Fait(1, 1, 1, 3, 3), Fait(1, 3, 1, 3, 3), 1, true},
    {"point interieur, un oeil sur", Fait(1, 1, 5, 4, 4, true), Fait(1, 2, 6, 4, 4, false), 1},
    {"point interieur, aucun oeil sur", Fait(1, 1, 5, 4, 4, false),
     Fait(1, 2, 6, 4, 4, false), 0},
};

class YeuxTest : public ReglesTest {
 protected:
  void SetUp() override {
    ReglesTest::SetUp();
    ReinitialiseYeux();
  }
  void TearDown() override {
    ReinitialiseYeux();
    ReglesTest::TearDown();
  }
};

// Each case both ways round and with the colours swapped on the board too.
TEST_F(YeuxTest, YeuxEnConflit) {
  for (const CasConflit& c : Conflits)
    for (bool echange : {false, true}) {
      SCOPED_TRACE(testing::Message() << c.nom << (echange ? ", colours swapped" : ""));
      std::string d = Plateau;
      if (!c.libere) d[2 * (2 * 9 + 3)] = d[2 * (1 * 9 + 4)] = 'X';
      Position(echange ? EchangeCouleurs(d) : d);
      const Oeil a = echange ? Echange(c.a) : c.a, b = echange ? Echange(c.b) : c.b;
      EXPECT_EQ(YeuxEnConflit(a, b), c.attendu);
      EXPECT_EQ(YeuxEnConflit(b, a), c.attendu);
    }
}

TEST_F(YeuxTest, AjouteOeilFusionneLesYeuxEnConflit) {
  Position(Plateau);
  TableYeux t;
  // A possible eye, then a sure one in conflict with it: the sure one replaces it.
  EXPECT_EQ(AjouteOeil(t, Fait(1, 5, 5, 3, 3, false, {40})), 1);
  Oeil sur = Fait(1, 5, 5, 2, 2, true);
  sur.DeRegle = 1;
  EXPECT_EQ(AjouteOeil(t, sur), 0);
  ASSERT_EQ(t.NombreYeuxValides, 1);
  EXPECT_EQ(t.Yeux[0].Sur, 1);
  EXPECT_EQ(t.Yeux[0].w, 2);
  // A possible eye in conflict with the sure one is dropped.
  EXPECT_EQ(AjouteOeil(t, Fait(1, 4, 4, 4, 4, false, {41})), 0);
  EXPECT_EQ(t.NombreYeuxValides, 1);
  EXPECT_EQ(t.Yeux[0].CoupsEmpecher.Nombre, 0);
  // Two possible eyes sharing a spoiling move count as one: the second's moves
  // join the first's.
  Oeil premier = Fait(1, 1, 1, 3, 3, false, {2, 9});
  Ajoute(premier.CoupsAtteindre, 2);
  Oeil second = Fait(1, 3, 1, 3, 3, false, {9, 12});
  Ajoute(second.CoupsAtteindre, 3);
  EXPECT_EQ(AjouteOeil(t, premier), 1);
  EXPECT_EQ(AjouteOeil(t, second), 0);
  ASSERT_EQ(t.NombreYeuxValides, 2);
  EXPECT_EQ(std::vector<int32_t>(t.Yeux[1].CoupsEmpecher.begin(), t.Yeux[1].CoupsEmpecher.end()),
            (std::vector<int32_t>{2, 9, 12}));
  EXPECT_EQ(
      std::vector<int32_t>(t.Yeux[1].CoupsAtteindre.begin(), t.Yeux[1].CoupsAtteindre.end()),
      (std::vector<int32_t>{2, 3}));
  // Eyes of the other colour never conflict.
  EXPECT_EQ(AjouteOeil(t, Echange(t.Yeux[0])), 1);
  EXPECT_EQ(AjouteOeil(t, Echange(t.Yeux[1])), 1);
  EXPECT_EQ(t.NombreYeuxValides, 4);
}

TEST_F(YeuxTest, LesListesFusionneesRestentDansLeurPlace) {
  Position(Plateau);
  TableYeux t;
  Oeil a = Fait(1, 5, 5, 3, 3, false, {1});
  for (int32_t m = 0; m < MAX_COUPS_OEIL - 2; m++) Ajoute(a.CoupsAtteindre, m);
  Oeil b = Fait(1, 5, 5, 3, 3, false, {2});
  for (int32_t m = 20; m < 40; m++) Ajoute(b.CoupsAtteindre, m);
  AjouteOeil(t, a);
  CaptureErreurs erreurs;
  EXPECT_EQ(AjouteOeil(t, b), 0);
  EXPECT_EQ(t.Yeux[0].CoupsAtteindre.Nombre, MAX_COUPS_OEIL);
  EXPECT_EQ(t.Yeux[0].CoupsAtteindre[MAX_COUPS_OEIL - 1], 28);
  std::string attendu;
  for (int32_t m = 29; m < 40; m++)
    attendu += "Pb AjouteOeil MAX_COUPS_OEIL " + std::to_string(m) + "\n";
  EXPECT_EQ(erreurs.Texte(), attendu);
}

TEST_F(YeuxTest, LeCentVingtEtUniemeOeilEstPerdu) {
  Position(std::string(81, '.'));
  // One-point windows at distinct points never conflict.
  for (int i = 0; i < NOMBRE_YEUX_MAX; i++)
    ASSERT_EQ(AjouteOeil(Fait(1 + i / 81, 1 + i % 9, 1 + i / 9 % 9, 1, 1)), 1);
  CaptureErreurs erreurs;
  EXPECT_EQ(AjouteOeil(Fait(2, 9, 9, 1, 1)), 0);
  EXPECT_EQ(erreurs.Texte(), "Erreur NOMBRE_YEUX_MAX AjouteOeil\n");
  EXPECT_EQ(NombreYeuxValides(), NOMBRE_YEUX_MAX);
  int uns = 0, deux = 0;
  for (const Oeil& e : YeuxDeCouleur(1)) uns += e.Couleur == 1;
  for (const Oeil& e : YeuxDeCouleur(2)) deux += e.Couleur == 2;
  EXPECT_EQ(uns, 81);
  EXPECT_EQ(deux, NOMBRE_YEUX_MAX - 81);
}

// Two eye rules on nested windows; an eye of colour 1 matched by both (top) and
// one of colour 2 (bottom left).
const char* const ReglesEmboitees = R"(cles 4
regle Oeil G Centre
  X X X
  X . X
  X X X
  concernees b1
regle Oeil G Centre
  . X X X
  X X . X
  . X X X
  concernees c1
)";

const char* const DeuxYeux =
    ". . . . . . . . ."
    ". . . . X X X . ."
    ". . . X X . X . ."
    ". . . . X X X . ."
    ". . . . . . . . ."
    ". O O O . . . . ."
    ". O . O . . . . ."
    ". O O O . . . . ."
    ". . . . . . . . .";

TEST_F(YeuxTest, InitialiseYeuxPatterns) {
  ChargeSource(ReglesEmboitees);
  Position(DeuxYeux);
  CaptureErreurs erreurs;
  InitialiseYeux();
  EXPECT_EQ(erreurs.Texte(), "");
  ASSERT_EQ(NombreYeuxValides(), 2);
  for (int c = 1; c <= 2; c++) {
    int n = 0;
    for (const Oeil& e : YeuxDeCouleur(c)) {
      n++;
      EXPECT_EQ(e.Sur, 1);
      EXPECT_EQ(e.DeRegle, 1);
      EXPECT_EQ(Couleur(DamierIncremental, e.Ancre), c);
      EXPECT_EQ(StringIntersection[e.Ancre]->Ancre, e.Ancre);
      int duString = 0;
      for (const Oeil& f : YeuxDeString(e.Ancre)) duString += &f == &e;
      EXPECT_EQ(duString, 1);
    }
    EXPECT_EQ(n, 1) << "colour " << c;
  }
  // The matches are given back to the pool.
  EXPECT_EQ(MatchedRulesOeil.NbGRules, 0);
}

// Records whose first concerned point is not a stone of the eye's colour are
// skipped (a rule file may have been written by hand).
TEST_F(YeuxTest, UnRecordMalPlaceEstEcarte) {
  compilateur::Erreurs fautes;
  compilateur::FichierRegles f = compilateur::LitSource(R"(cles 4
regle Oeil G Centre
  X X X
  X . X
  X X O
  concernees a1
regle Oeil G Centre
  X X X
  X . X
  X X O
  concernees a1
)",
                                                        "test", fautes);
  ASSERT_TRUE(fautes.empty());
  ASSERT_EQ(f.Regles.size(), 2u);
  f.Regles[0].Concernees = {8};  // the stone of the other colour
  f.Regles[1].Concernees = {4};  // the empty eye point
  Charge(compilateur::EcritBinaire(f));
  Position(
      ". . . . . . . . ."
      ". . . . X X X . ."
      ". . . . X . X . ."
      ". . . . X X O . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  CaptureErreurs erreurs;
  InitialiseYeux();
  EXPECT_EQ(NombreYeuxValides(), 0);
  const std::string texte = erreurs.Texte();
  EXPECT_NE(texte.find("Pb3 InitialiseYeuxPatterns 33\n"), std::string::npos) << texte;
  EXPECT_NE(texte.find("Pb1 InitialiseYeuxPatterns 23\n"), std::string::npos) << texte;
}

}  // namespace
