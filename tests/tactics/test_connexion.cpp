// The connection search on the problems of problemes_connexion.txt, in the
// eight orientations and with the colours swapped, and on seeded random
// positions: the board is exactly as found after every search, and the
// colour swap gives the same answers.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "outils_tactique.h"
#include "tactics/connexion.h"
#include "tactics/connexion_rapide.h"
#include "tactics/menace_connexion.h"
#include "tactics/prise.h"

namespace {

struct ProblemeConnexion {
  int ligne;  // of the question in the file
  int connecte, coupe;
  bool echecConnu;                     // "*": answers not checked
  std::vector<std::string> diagramme;  // one character a point
};

std::vector<ProblemeConnexion> LitProblemes(const char* chemin) {
  return LitProblemesDiagrammes<ProblemeConnexion>(
      chemin, [](int n, const std::string& mot, std::istringstream& in, ProblemeConnexion& c) {
        if (mot != "Connexion") return false;
        std::string connecte, coupe, connu;
        in >> connecte >> coupe >> connu;
        c = ProblemeConnexion{n, connecte == "1", coupe == "-" ? -1 : coupe == "1", connu == "*", {}};
        return true;
      });
}

// The board of the problem in orientation k, colours swapped if asked: the two
// stones asked about and the accepted connecting (disconnecting) moves.
struct Plan {
  int32_t p1 = -1, p2 = -1;
  std::set<int32_t> connecter, couper;
};

Plan Pose(const ProblemeConnexion& c, int k, bool echange) {
  const auto marques = PoseOrientee(c.diagramme, k, echange, "Xx", "O");
  Plan plan;
  for (auto [ch, p] : marques) {
    if (ch == 'x') (plan.p1 < 0 ? plan.p1 : plan.p2) = p;
    if (ch == '#' || ch == '*') plan.connecter.insert(p);
    if (ch == 'd' || ch == '*') plan.couper.insert(p);
  }
  return plan;
}

class Connexions : public testing::Test {
 protected:
  void SetUp() override {
    ReinitialiseIncremental();
    ReinitialisePrises();
    ReinitialiseConnexions();
    ReinitialiseReglages();
  }
};

TEST_F(Connexions, ProblemesDansLesHuitOrientationsEtLesDeuxCouleurs) {
  const std::vector<ProblemeConnexion> cas = LitProblemes(ILVANE_PROBLEMES_CONNEXION);
  ASSERT_GE(cas.size(), 40u);
  for (const ProblemeConnexion& c : cas) {
    int justes = 0;
    for (int k = 0; k < 16; k++) {
      SCOPED_TRACE(testing::Message() << "line " << c.ligne << " orientation " << k % 8
                                      << (k >= 8 ? " colours swapped" : ""));
      const Plan plan = Pose(c, k % 8, k >= 8);
      ASSERT_TRUE(plan.p1 >= 0 && plan.p2 >= 0);
      const Instantane avant = Instantane::Prend();
      int32_t coup = -1, coupe = -1;
      const bool lie = ConnecterSimple(plan.p1, plan.p2, coup) == RESULTAT_ATTEINT;
      const bool juste_lie =
          lie == (c.connecte == 1) && (!lie || plan.connecter.empty() || plan.connecter.count(coup));
      bool juste_coupe = true;
      if (c.coupe >= 0) {
        const bool coupee = ChercheCoupDeconnecter(plan.p1, plan.p2, coupe) == RESULTAT_ATTEINT;
        juste_coupe = coupee == (c.coupe == 1) &&
                      (!coupee || plan.couper.empty() || plan.couper.count(coupe));
      }
      EXPECT_TRUE(Instantane::Prend() == avant) << "board changed";
      justes += juste_lie && juste_coupe;
      if (c.echecConnu) continue;
      EXPECT_TRUE(juste_lie) << "connect: " << lie << " move " << coup;
      EXPECT_TRUE(juste_coupe) << "disconnect: move " << coupe;
    }
    // A known failure that now passes everywhere should lose its mark.
    if (c.echecConnu && justes == 16)
      std::printf("line %d: known failure now passes, remove its \"*\"\n", c.ligne);
  }
}

// The position with the colours exchanged.
Damier Echange(const Damier& d) {
  Damier e;
  ViderDamier(e);
  FixePointKo(e, PointKo(d));
  for (int32_t p = 0; p < NbIntersections; p++)
    if (Couleur(d, p) != VIDE) PosePierre(e, p, Adversaire(Couleur(d, p)));
  return e;
}

struct Reponses {
  int connecte, coupConnecte, coupe, coupCoupe;
  bool operator==(const Reponses&) const = default;
};

Reponses Interroge(int32_t a1, int32_t a2) {
  Reponses r{};
  r.connecte = ConnecterSimple(a1, a2, r.coupConnecte);
  r.coupe = ChercheCoupDeconnecter(a1, a2, r.coupCoupe);
  return r;
}

// On seeded random positions: the stages and every driver leave the board as
// found, a solid pair is always connectable, and the colour swap gives the
// same answers and moves.
TEST_F(Connexions, PositionsAleatoiresPlateauIntactEtEchangeDesCouleurs) {
  std::mt19937 alea(1818);
  InitialiseGoban(9);
  int paires = 0;
  for (int n = 0; n < 30; n++) {
    const Damier d = PositionAleatoireEntre(alea, 15, 45);
    InitialiseDamierIncremental(d);
    const Instantane avant = Instantane::Prend();
    CalculConnexions();
    CalculeJeuxConnecter();
    CalculeMenacesDeDeconnecter();
    ASSERT_TRUE(Instantane::Prend() == avant) << "board changed by the stages, position " << n;
    for (const Connexion& r : ConnexionsValides) EXPECT_TRUE(!r.Solide || r.Connectable);
    // Each run starts its lists afresh.
    const int menaces = MenacesDeconnecter.Nombre;
    CalculeMenacesDeDeconnecter();
    EXPECT_EQ(MenacesDeconnecter.Nombre, menaces);
    std::vector<std::pair<int32_t, int32_t>> liste;
    for (const Connexion& r : ConnexionsACalculer)
      if (liste.size() < 6) liste.push_back({r.Ancre1, r.Ancre2});
    std::vector<Reponses> normales;
    for (auto [a1, a2] : liste) {
      normales.push_back(Interroge(a1, a2));
      ASSERT_TRUE(Instantane::Prend() == avant) << "board changed, pair " << a1 << "-" << a2;
    }
    InitialiseDamierIncremental(Echange(d));
    for (size_t i = 0; i < liste.size(); i++) {
      EXPECT_EQ(Interroge(liste[i].first, liste[i].second), normales[i])
          << "position " << n << " pair " << liste[i].first << "-" << liste[i].second;
      paires++;
    }
  }
  EXPECT_GT(paires, 60);
}

// A full index slot or a full list refuses the record (reported) and writes
// nothing past the end; a pair met again merges into its record.
TEST_F(Connexions, CapacitesGardees) {
  InitialiseGoban(19);
  std::FILE* nul = std::fopen("/dev/null", "w");
  FixeSortieErreurs(nul);
  ListeConnexions& l = MenacesDeconnecter;
  Connexion r;
  r.Couleur = 1;
  int essais = 0;
  for (int32_t a = 0; a < 40; a++)
    for (int32_t b = a + 1; b < a + 60 && b < 361; b++, essais++) {
      r.Ancre1 = a;
      r.Ancre2 = b;
      AjouteConnexion(l, r);
    }
  FixeSortieErreurs(nullptr);
  std::fclose(nul);
  EXPECT_GT(essais, MAX_CONNEXIONS);
  EXPECT_EQ(l.Nombre, MAX_CONNEXIONS);
  EXPECT_EQ(l.NombreIndex[0], CI_MAX);
  r.Ancre1 = 0;
  r.Ancre2 = 1;
  r.Solide = 1;
  EXPECT_EQ(AjouteConnexion(l, r), 0);
  EXPECT_EQ(TrouveConnexion(l, 1, 0)->Solide, 1);
}

// The threat search's edges: a linked pair is reached at once with no move
// (order 1 counted), an empty budget finds only a goal already reached, a
// one-point jump is a threat whose refutation is the point in between, and a
// goal of another kind gives nothing. The board is left as found.
TEST_F(Connexions, MenaceConnexionBords) {
  PoseDiagramme(".......\n.......\n..@.@..\n..@.@..\n.......\n.......\n.......\n");
  FixeButMenace(BUT_CONNEXION, Pt(3, 3), Pt(5, 3));
  VecteurMenace utilise, budget = BUDGET_MENACE_CONNEXION;
  TraceMenace trace;
  EXPECT_TRUE(MenaceConnexion(utilise, budget, 1, trace));
  EXPECT_EQ(utilise.OrdreMax(), 1);
  EXPECT_EQ(utilise.N[1], 1);

  PoseDiagramme(".......\n.......\n.......\n..@.@..\n.......\n.......\n.......\n");
  const Instantane avant = Instantane::Prend();
  FixeButMenace(BUT_CONNEXION, Pt(3, 4), Pt(5, 4));
  VecteurMenace vide;
  trace.Vide();
  EXPECT_FALSE(MenaceConnexion(utilise, vide, 1, trace));
  ListeIntersections refutations;
  trace.Vide();
  EXPECT_TRUE(RefutationsMenaceConnexion(BUDGET_MENACE_CONNEXION, 2, refutations, trace));
  EXPECT_TRUE(Contient(refutations, Pt(4, 4)));
  FixeButMenace(1, Pt(3, 4), Pt(5, 4));
  EXPECT_FALSE(RefutationsMenaceConnexion(BUDGET_MENACE_CONNEXION, 2, refutations, trace));
  EXPECT_EQ(refutations.Nombre, 0);
  EXPECT_TRUE(Instantane::Prend() == avant) << "board changed";
}

}  // namespace
