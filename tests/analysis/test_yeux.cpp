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

// Rows 1 to 3: two 3x3 windows at x = 1 and x = 3 overlap on the column x = 3,
// on the border of both; its middle point holds a stone of the other colour,
// lost while (4, 3) and (5, 2) are held ('h'), escaping when they are empty.
// Rows 6 to 8: two 4x4 windows at (1, 5) and (2, 6) overlap on (2..4, 6..8),
// held but for (3, 7) and (4, 7), which lie inside one window.
const char* const Plateau =
    "..XX....."
    ".XO.h...."
    "..Xh....."
    "........."
    "........."
    ".XXX....."
    ".X......."
    ".XXX....."
    ".........";

// The board with the points 'h' holding h, colours swapped if asked.
std::string PlateauAvec(char h, bool echange) {
  std::string d = Plateau;
  for (char& ch : d) {
    if (ch == 'h') ch = h;
    if (echange) ch = ch == 'X' ? 'O' : ch == 'O' ? 'X' : ch;
  }
  return d;
}

struct CasConflit {
  const char* nom;
  Oeil a, b;
  int attendu;
  char h = 'X';  // what the points 'h' hold
};

const std::vector<CasConflit> Conflits = {
    {"couleurs differentes", Fait(1, 2, 2, 3, 3), Fait(2, 2, 2, 3, 3), 0},
    {"eloignes", Fait(1, 1, 1, 3, 3), Fait(1, 6, 6, 3, 3), 0},
    {"cote a cote", Fait(1, 5, 1, 3, 3), Fait(1, 8, 1, 2, 3), 0},
    {"l'un dans l'autre", Fait(1, 2, 2, 2, 2), Fait(1, 1, 1, 5, 5), 1},
    {"meme fenetre", Fait(1, 5, 5, 3, 3, false), Fait(1, 5, 5, 3, 3, false), 1},
    {"coins qui se touchent", Fait(1, 5, 1, 2, 2, false, {14}), Fait(1, 7, 3, 2, 2, false, {5}), 0},
    {"un coup pour empecher en commun", Fait(1, 5, 1, 2, 2, false, {14}),
     Fait(1, 7, 3, 2, 2, false, {5, 14}), 1},
    {"bord commun vide", Fait(1, 5, 1, 3, 3), Fait(1, 7, 1, 3, 3), 1},
    {"bord commun, pierre perdue", Fait(1, 1, 1, 3, 3), Fait(1, 3, 1, 3, 3), 0},
    {"bord commun, pierre qui s'echappe", Fait(1, 1, 1, 3, 3), Fait(1, 3, 1, 3, 3), 1, '.'},
    {"point interieur, un oeil sur", Fait(1, 1, 5, 4, 4, true), Fait(1, 2, 6, 4, 4, false), 1},
    {"point interieur, aucun oeil sur", Fait(1, 1, 5, 4, 4, false), Fait(1, 2, 6, 4, 4, false), 0},
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

// Each case both ways round, and with the colours swapped on the board too.
TEST_F(YeuxTest, YeuxEnConflit) {
  for (const CasConflit& c : Conflits)
    for (bool echange : {false, true}) {
      SCOPED_TRACE(testing::Message() << c.nom << (echange ? ", colours swapped" : ""));
      Position(PlateauAvec(c.h, echange));
      const Oeil a = echange ? Echange(c.a) : c.a, b = echange ? Echange(c.b) : c.b;
      EXPECT_EQ(YeuxEnConflit(a, b), c.attendu);
      EXPECT_EQ(YeuxEnConflit(b, a), c.attendu);
    }
}

TEST_F(YeuxTest, AjouteOeilFusionneLesYeuxEnConflit) {
  Position(PlateauAvec('X', false));
  TableYeux t;
  // A possible eye, then a sure one in conflict with it: the sure one replaces it.
  EXPECT_EQ(AjouteOeil(t, Fait(1, 5, 5, 3, 3, false, {40})), 1);
  Oeil sur = Fait(1, 5, 5, 2, 2, true);
  sur.DeRegle = 1;
  EXPECT_EQ(AjouteOeil(t, sur), 0);
  ASSERT_EQ(t.NombreYeuxValides, 1);
  EXPECT_TRUE(t.Yeux[0].Sur && t.Yeux[0].w == 2 && t.Yeux[0].CoupsEmpecher.Nombre == 0);
  // A possible eye in conflict with the sure one is dropped.
  EXPECT_EQ(AjouteOeil(t, Fait(1, 4, 4, 4, 4, false, {41})), 0);
  EXPECT_EQ(t.NombreYeuxValides, 1);
  EXPECT_EQ(t.Yeux[0].CoupsEmpecher.Nombre, 0);
  // Two possible eyes sharing a spoiling move count as one: the second's moves
  // join the first's, up to the room of its lists.
  Oeil premier = Fait(1, 1, 1, 3, 3, false, {2, 9});
  Oeil second = Fait(1, 3, 1, 3, 3, false, {9, 12});
  for (int32_t m = 0; m < MAX_COUPS_OEIL - 2; m++) Ajoute(premier.CoupsAtteindre, m);
  for (int32_t m = 20; m < 40; m++) Ajoute(second.CoupsAtteindre, m);
  EXPECT_EQ(AjouteOeil(t, premier), 1);
  CaptureErreurs erreurs;
  EXPECT_EQ(AjouteOeil(t, second), 0);
  ASSERT_EQ(t.NombreYeuxValides, 2);
  const Oeil& fusion = t.Yeux[1];
  EXPECT_EQ(std::vector<int32_t>(fusion.CoupsEmpecher.begin(), fusion.CoupsEmpecher.end()),
            (std::vector<int32_t>{2, 9, 12}));
  EXPECT_EQ(fusion.CoupsAtteindre.Nombre, MAX_COUPS_OEIL);
  EXPECT_EQ(fusion.CoupsAtteindre[MAX_COUPS_OEIL - 1], 28);
  std::string perdus;
  for (int32_t m = 29; m < 40; m++)
    perdus += "Pb AjouteOeil MAX_COUPS_OEIL " + std::to_string(m) + "\n";
  EXPECT_EQ(erreurs.Texte(), perdus);
  // Eyes of the other colour never conflict.
  EXPECT_EQ(AjouteOeil(t, Echange(t.Yeux[0])), 1);
  EXPECT_EQ(AjouteOeil(t, Echange(t.Yeux[1])), 1);
  EXPECT_EQ(t.NombreYeuxValides, 4);
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
  int yeux[3] = {};
  for (int c = 1; c <= 2; c++)
    for (const Oeil& e : YeuxDeCouleur(c)) yeux[e.Couleur] += e.Couleur == c;
  EXPECT_EQ(yeux[1], 81);
  EXPECT_EQ(yeux[2], NOMBRE_YEUX_MAX - 81);
}

// Two eye rules on nested windows, both matched by the eye of colour 1 (top);
// the eye of colour 2 (bottom left) matches the first. A third rule, written
// by hand, names a stone of the other colour first (bottom right), a fourth
// the empty eye point: both are skipped.
TEST_F(YeuxTest, InitialiseYeuxPatterns) {
  compilateur::Erreurs fautes;
  compilateur::FichierRegles f = compilateur::LitSource(R"(cles 4
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
regle Oeil G Centre
  X X X
  X . X
  X X O
  concernees a1
)",
                                                        "yeux", fautes);
  ASSERT_TRUE(fautes.empty() && f.Regles.size() == 3);
  f.Regles.push_back(f.Regles[2]);
  f.Regles[2].Concernees = {8};  // the stone of the other colour
  f.Regles[3].Concernees = {4};  // the empty eye point
  Charge(compilateur::EcritBinaire(f));
  Position(
      "........."
      "....XXX.."
      "...XX.X.."
      "....XXX.."
      "........."
      ".OOO.XXX."
      ".O.O.X.X."
      ".OOO.XXO."
      ".........");
  CaptureErreurs erreurs;
  InitialiseYeux();
  const std::string texte = erreurs.Texte();
  EXPECT_NE(texte.find("Pb3 InitialiseYeuxPatterns 70\n"), std::string::npos) << texte;
  EXPECT_NE(texte.find("Pb1 InitialiseYeuxPatterns 60\n"), std::string::npos) << texte;
  EXPECT_EQ(Ecrit([](std::FILE* f) { EcritYeux(f, TableDesYeux()); }),
            "NombreYeuxValides 2\n"
            "0: couleur 1 fenetre 4 2 4x3 ancre 13 sur 1 regle 1 atteindre empecher\n"
            "1: couleur 2 fenetre 2 6 3x3 ancre 46 sur 1 regle 1 atteindre empecher\n");
  for (int c = 1; c <= 2; c++) {
    int n = 0;
    for (const Oeil& e : YeuxDeCouleur(c)) {
      n++;
      EXPECT_TRUE(e.Sur && e.DeRegle);
      EXPECT_EQ(Couleur(DamierIncremental, e.Ancre), c);
      EXPECT_EQ(StringIntersection[e.Ancre]->Ancre, e.Ancre);
      int duString = 0;
      for (const Oeil& g : YeuxDeString(e.Ancre)) duString += &g == &e;
      EXPECT_EQ(duString, 1);
    }
    EXPECT_EQ(n, 1) << "colour " << c;
  }
  // The matches are given back to the pool.
  EXPECT_EQ(MatchedRulesOeil.NbGRules, 0);
}

}  // namespace
