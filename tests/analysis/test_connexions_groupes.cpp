// Connections to empty points, non-transitive connections and group connection
// goals: invariants on seeded random positions, the merging rules of the goal
// table and its guards. The diagrams are data in problemes/connexions_groupes.txt.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "analyse_groupes.h"
#include "analysis/connexions_groupes.h"
#include "tactics/connexion.h"
#include "tactics/connexion_vide.h"
#include "tactics/non_transitives.h"
#include "tactics/outils_tactique.h"
#include "test_util.h"

namespace {

class ConnexionsGroupesTest : public ::testing::Test {
 protected:
  void SetUp() override { ReinitialiseAnalyseGroupes(); }
};

// Within three steps of a stone of the chain.
bool Proche3(const String* s, int32_t p) {
  for (int32_t q : s->Pierres)
    if (std::abs(CoordX[q] - CoordX[p]) + std::abs(CoordY[q] - CoordY[p]) <= 3) return true;
  return false;
}

void VerifieCV() {
  for (const ConnexionAuVide& r : CVValides) {
    const String* s = StringIntersection[r.Ancre];
    ASSERT_TRUE(s != nullptr && s->Ancre == r.Ancre && s->Color == r.Couleur);
    EXPECT_EQ(Couleur(DamierIncremental, r.Point), VIDE);
    EXPECT_TRUE(Proche3(s, r.Point)) << r.Ancre << " " << r.Point;
    EXPECT_TRUE(r.Connecte && r.Valide);
  }
  const int32_t* marques[3] = {nullptr, PierrePerdueAmi, PierrePerdueEnnemi};
  for (int32_t p = 0; p < NbIntersections; p++) {
    const String* s = StringIntersection[p];
    if (s == nullptr || s->Ancre != p) continue;
    for (int32_t l : s->Libertes) {
      bool trouve = false;
      for (int k = 0; k < CVValides.NombreIndex[l]; k++)
        trouve = trouve || CVValides.Elements[CVValides.Index[l][k]].Ancre == p;
      EXPECT_EQ(trouve, marques[s->Color][l] == 0) << "liberty " << l << " of " << p;
    }
  }
}

void VerifieObjectifs() {
  for (int i = 0; i < ObjectifsConnexionGroupes.Nombre; i++) {
    const ObjectifConnexionGroupes& o = ObjectifsConnexionGroupes.Elements[i];
    ASSERT_TRUE(o.Groupe1 >= 1 && o.Groupe1 < Groupes.Fin && o.Groupe2 >= 1 &&
                o.Groupe2 < Groupes.Fin && o.Groupe1 != o.Groupe2);
    EXPECT_EQ(GroupeDe(o.Groupe1).Color, o.Couleur);
    EXPECT_EQ(GroupeDe(o.Groupe2).Color, o.Couleur);
    EXPECT_TRUE(o.ParLeVide == 0 || o.ParLeVide == 1);
  }
}

TEST_F(ConnexionsGroupesTest, InvariantsSurPositionsAleatoires) {
  std::mt19937 alea(2026);
  InitialiseGoban(9);
  for (int n = 0; n < 12; n++) {
    SCOPED_TRACE(n);
    AnalyseGroupes(PositionAleatoireEntre(alea, 10, 50));
    VerifieCV();
    const Instantane avant = Instantane::Prend();
    ExecuteEtape(ETAPE_CV);
    EXPECT_TRUE(Instantane::Prend() == avant) << "board changed";
    CalculeConnexionsGroupes();
    EXPECT_TRUE(Instantane::Prend() == avant) << "board changed";
    VerifieObjectifs();
  }
}

ObjectifConnexionGroupes But(int g1, int g2, int vide, std::initializer_list<int32_t> atteindre,
                             std::initializer_list<int32_t> empecher) {
  ObjectifConnexionGroupes o;
  o.Couleur = 1;
  o.Groupe1 = g1;
  o.Groupe2 = g2;
  o.ParLeVide = vide;
  for (int32_t p : atteindre) Ajoute(o.CoupsAtteindre, p);
  for (int32_t p : empecher) Ajoute(o.CoupsEmpecher, p);
  return o;
}

std::vector<int32_t> Points(const CoupsObjectifGroupes& l) {
  return {l.begin(), l.end()};
}

TEST_F(ConnexionsGroupesTest, FusionDesObjectifs) {
  Groupes.Fin = 21;
  for (int g = 1; g < 21; g++) GroupeDe(g).Initialise(g, g == 20 ? 2 : 1);
  TableObjectifsGroupes& t = ObjectifsConnexionGroupes;
  EXPECT_EQ(AjouteConnexionGroupe(t, But(1, 2, 1, {10}, {10})), 1);
  EXPECT_EQ(AjouteConnexionGroupe(t, But(2, 1, 0, {11, 12}, {13, 14})), 1);  // replaces
  EXPECT_EQ(AjouteConnexionGroupe(t, But(1, 2, 1, {15}, {15})), 1);          // ignored
  EXPECT_EQ(AjouteConnexionGroupe(t, But(1, 2, 0, {12, 16}, {14, 17})), 1);
  ASSERT_EQ(t.Nombre, 1);
  EXPECT_EQ(t.Elements[0].ParLeVide, 0);
  EXPECT_EQ(Points(t.Elements[0].CoupsAtteindre), (std::vector<int32_t>{11, 12, 16}));
  EXPECT_EQ(Points(t.Elements[0].CoupsEmpecher), (std::vector<int32_t>{14}));
  EXPECT_EQ(AjouteConnexionGroupe(t, But(3, 3, 0, {1}, {1})), 1);  // one group: nothing
  EXPECT_EQ(t.Nombre, 1);
  CaptureErreurs erreurs;
  EXPECT_EQ(AjouteConnexionGroupe(t, But(3, 20, 0, {1}, {1})), 0);
  // Unions beyond 29 points keep the first 29 and report once for the goal.
  for (int32_t p = 0; p < 40; p++) AjouteConnexionGroupe(t, But(3, 4, 1, {p}, {p}));
  ASSERT_EQ(t.Nombre, 2);
  EXPECT_EQ(t.Elements[1].CoupsAtteindre.Nombre, 29);
  EXPECT_EQ(t.Elements[1].CoupsEmpecher[28], 28);
  // The 101st pair is dropped; a known pair still merges.
  for (int a = 1; a < 19 && t.Nombre < 100; a++)
    for (int b = a + 1; b < 20 && t.Nombre < 100; b++) AjouteConnexionGroupe(t, But(a, b, 0, {}, {}));
  EXPECT_EQ(AjouteConnexionGroupe(t, But(18, 19, 0, {5}, {5})), 0);
  EXPECT_EQ(AjouteConnexionGroupe(t, But(2, 1, 0, {18}, {})), 1);
  EXPECT_EQ(t.Nombre, 100);
  const std::string texte = erreurs.Texte();
  EXPECT_NE(texte.find("Pb Deux groupes de couleurs differentes AjouteConnexionGroupe 3 et 20\n"),
            std::string::npos);
  EXPECT_EQ(texte.find("Pb MAX_COUPS_OBJECTIF_GROUPES"), texte.rfind("Pb MAX_COUPS_OBJECTIF"));
  EXPECT_NE(texte.find("Erreur >100 AjouteConnexionGroupe\n"), std::string::npos);
}

// A record of a pair that cannot connect, for the same two groups as a pair
// that can, leaves the goal's cutting moves alone; without the tactical
// results, the point both stones reach gives a goal through an empty point.
TEST_F(ConnexionsGroupesTest, PaireNonConnectableEtPointVide) {
  AnalyseGroupes(std::string(22, '.') + "@" + std::string(17, '.') + "@" + std::string(40, '.'));
  Connexion r;
  r.Couleur = 1;
  r.Ancre1 = Pt(5, 3);
  r.Ancre2 = Pt(5, 5);
  ConnexionsValides.Elements[ConnexionsValides.Nombre++] = r;
  for (int vide = 0; vide < 2; vide++) {
    CalculeConnexionsGroupes();
    ASSERT_EQ(ObjectifsConnexionGroupes.Nombre, 1);
    EXPECT_EQ(ObjectifsConnexionGroupes.Elements[0].ParLeVide, vide);
    EXPECT_TRUE(Contient(ObjectifsConnexionGroupes.Elements[0].CoupsEmpecher, Pt(5, 4)));
    VideListeConnexions(ConnexionsValides);
  }
}

// A liberty where a stone would be lost is neither claimed nor a step out.
TEST_F(ConnexionsGroupesTest, LiberteMarqueeSansPas) {
  PoseDiagramme(std::string(40, '.') + "@" + std::string(40, '.'));
  PierrePerdueAmi[Pt(5, 4)] = 1;
  InitialiseCV();
  for (const ListeConnexionsAuVide* l : {&CVACalculer, &CVValides})
    for (const ConnexionAuVide& r : *l) {
      EXPECT_NE(r.Point, Pt(5, 4));
      EXPECT_NE(r.Point, Pt(5, 3));
    }
  EXPECT_EQ(CVValides.Nombre, 3);
}

TEST_F(ConnexionsGroupesTest, TriplesEtMessage) {
  CaptureErreurs erreurs;
  for (int i = 0; i < MAX_TRIPLES_NON_TRANSITIFS; i++)
    EXPECT_TRUE(AjouteTripleNonTransitif(i, 400 + i, 800 + i));
  EXPECT_TRUE(AjouteTripleNonTransitif(3, 803, 403));  // already there
  EXPECT_FALSE(AjouteTripleNonTransitif(1000, 1, 2));
  EXPECT_FALSE(AjouteTripleNonTransitif(1001, 1, 2));
  EXPECT_EQ(NonTransitives.Triples.Nombre, 3 * MAX_TRIPLES_NON_TRANSITIFS);
  const std::string texte = erreurs.Texte();
  EXPECT_EQ(texte, "Pb MAX_TRIPLES_NON_TRANSITIFS ConnexionsNonTransitives 1000 1 2\n");
}

// The message of each non-transitive record, when asked for.
TEST_F(ConnexionsGroupesTest, MessageNonTransitif) {
  const char* diagramme = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . @ . . . .
    . . . @ . @ . . .
    . . . . O . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
  NonTransitives.SansMessage = 0;
  CaptureErreurs erreurs;
  AnalyseGroupes(diagramme);
  EXPECT_NE(erreurs.Texte().find("ConnexionsNonTransitives 39 et 41 : coup en 40 (5,5)\n"),
            std::string::npos)
      << erreurs.Texte();
}

}  // namespace
