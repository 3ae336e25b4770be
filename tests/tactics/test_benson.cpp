// Unconditional life: the diagrams of problemes_benson.txt in the eight
// orientations and with the colours swapped, point by point; and on seeded
// random positions, a string found unconditionally alive is never captured in
// random continuations where the opponent plays anything and the owner plays
// anywhere but in its own unconditional territory.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "outils_tactique.h"
#include "tactics/benson.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int SUITES_PAR_POSITION = 10;
#else
constexpr int SUITES_PAR_POSITION = 1000;
#endif

struct CasBenson {
  int ligne;
  int proprietaire;  // 0, 1 or 2: the colour owning the marked territory
  std::vector<std::string> diagramme;
};

std::vector<CasBenson> LitCas(const char* chemin) {
  return LitProblemesDiagrammes<CasBenson>(
      chemin, [](int n, const std::string& mot, std::istringstream& in, CasBenson& c) {
        if (mot != "benson") return false;
        std::string couleur;
        in >> couleur;
        c = CasBenson{n, couleur == "X" ? 1 : couleur == "O" ? 2 : 0, {}};
        return true;
      });
}

// What the diagram expects at each point, the board set up in orientation k
// with the colours swapped if asked.
std::vector<StatutInconditionnel> Pose(const CasBenson& c, int k, bool echange) {
  const int n = static_cast<int>(c.diagramme.size());
  std::string pierres(n * n, '.');
  std::vector<StatutInconditionnel> attendu(n * n, StatutInconditionnel::Indecis);
  const int proprietaire = echange && c.proprietaire ? Adversaire(c.proprietaire) : c.proprietaire;
  for (int y = 1; y <= n; y++)
    for (int x = 1; x <= n; x++) {
      const char ch = c.diagramme[y - 1][x - 1];
      const Coord o = Oriente({x, y}, k, n);
      const int i = (o.y - 1) * n + o.x - 1;
      int couleur = ch == 'X' || ch == 'x' ? 1 : ch == 'O' || ch == 'o' ? 2 : 0;
      if (ch == '*') couleur = Adversaire(c.proprietaire);
      if (couleur) pierres[i] = (couleur == 1) != echange ? 'X' : 'O';
      if (ch == 'x' || ch == 'o') attendu[i] = StatutInconditionnel::Vivant;
      if (ch == '*') attendu[i] = StatutInconditionnel::Mort;
      if (ch == ':')
        attendu[i] = proprietaire == 1 ? StatutInconditionnel::TerritoireCouleur1
                                       : StatutInconditionnel::TerritoireCouleur2;
    }
  PoseDiagramme(pierres);
  return attendu;
}

class BensonTest : public ::testing::Test {
 protected:
  void SetUp() override { ReinitialiseIncremental(); }
  void TearDown() override { ReinitialiseIncremental(); }
};

TEST_F(BensonTest, DiagrammesEnToutesOrientations) {
  const std::vector<CasBenson> cas = LitCas(ILVANE_PROBLEMES_BENSON);
  ASSERT_GE(cas.size(), 7u);
  for (const CasBenson& c : cas)
    for (int k = 0; k < 16; k++) {
      SCOPED_TRACE(testing::Message() << "line " << c.ligne << " orientation " << k % 8
                                      << (k >= 8 ? " colours swapped" : ""));
      const std::vector<StatutInconditionnel> attendu = Pose(c, k % 8, k >= 8);
      const Instantane avant = Instantane::Prend();
      for (int32_t p = 0; p < NbIntersections; p++)
        EXPECT_EQ(static_cast<int>(StatutInconditionnelPoint(p)), static_cast<int>(attendu[p]))
            << "point " << CoordX[p] << "," << CoordY[p];
      EXPECT_TRUE(Instantane::Prend() == avant) << "board changed";
    }
}

// The list itself: an empty list proves nothing, stones that name no string of
// the colour are dropped and the survivors keep their order; a string of the
// colour left out of the list may die, so the eyes it borders prove nothing.
TEST_F(BensonTest, ListeCompacteeEtStringsHorsListe) {
  PoseDiagramme(
      "X . X X X . ."
      ". X . . X . ."
      "X X X X X . ."
      ". . . . . . ."
      ". . . . . . ."
      ". . . . . . ."
      "O . . . . . .");
  Liste<BENSON_STRINGS_MAX> l;
  EXPECT_EQ(benson(1, l), 0);
  EXPECT_EQ(l.Nombre, 0);
  for (int32_t p : {Pt(3, 1), Pt(2, 1), Pt(1, 7), Pt(1, 1)}) Ajoute(l, p);
  EXPECT_EQ(benson(1, l), 1);
  ASSERT_EQ(l.Nombre, 2);
  EXPECT_EQ(l[0], Pt(3, 1));
  EXPECT_EQ(l[1], Pt(1, 1));
  Vide(l);
  Ajoute(l, Pt(3, 1));
  EXPECT_EQ(benson(1, l), 0);
  EXPECT_EQ(l.Nombre, 0);
}

// Random play on the incremental board: the opponent anywhere, the owner of the
// proven strings anywhere but in its unconditional territory; after every move
// each proven stone still stands.
TEST_F(BensonTest, JamaisPrisDansDesSuitesAleatoires) {
  std::mt19937 alea(20261208);
  int positions = 0, prouvees = 0;
  for (uint32_t graine = 1; graine <= 60 && positions < 4; graine++) {
    InitialiseDamierIncremental(PositionAleatoire(9, graine, 150));
    std::vector<int32_t> vivantes[3];
    EnsembleIntersections territoire[3];
    for (int c = 1; c <= 2; c++) {
      Liste<BENSON_STRINGS_MAX> l;
      StringsCouleur(c, l);
      benson(c, l, &territoire[c]);
      for (int32_t p : l)
        for (int32_t q : StringIntersection[p]->Pierres) vivantes[c].push_back(q);
    }
    if (vivantes[1].empty() && vivantes[2].empty()) continue;
    positions++;
    prouvees += static_cast<int>(vivantes[1].size() + vivantes[2].size());
    const Instantane avant = Instantane::Prend();
    for (int suite = 0; suite < SUITES_PAR_POSITION; suite++) {
      int coups = 0, c = 1 + suite % 2;
      for (int k = 0; k < 60; k++, c = Adversaire(c)) {
        bool joue = false;
        for (int essai = 0; essai < 10 && !joue; essai++) {
          const int32_t p = static_cast<int32_t>(alea() % NbIntersections);
          joue = !Contient(territoire[c], p) && EssaieCoupIncremental(p, c);
        }
        if (!joue) joue = JoueCoupIncremental(COUP_PASSE, c);
        coups += joue;
        for (int v = 1; v <= 2; v++)
          for (int32_t q : vivantes[v])
            ASSERT_TRUE(StringIntersection[q] && StringIntersection[q]->Color == v)
                << "graine " << graine << " suite " << suite << " coup " << k << "\n"
                << DiagrammeDe(DamierIncremental);
      }
      while (coups-- > 0) UndoIncremental();
    }
    EXPECT_TRUE(Instantane::Prend() == avant);
  }
  EXPECT_EQ(positions, 4);
  std::printf("%d positions, %d proven stones, %d continuations each\n", positions, prouvees,
              SUITES_PAR_POSITION);
}

}  // namespace
