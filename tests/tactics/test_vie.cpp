// The life-and-death search on the problems of problemes_vie.txt, in the eight
// orientations and with the colours swapped, with the eye and life rules
// loaded: the answers every Go player knows, and the board, the matched-rule
// sets and the registered goals exactly as found after every search.

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "outils_tactique.h"
#include "rules/base.h"
#include "rules/buts.h"
#include "rules/motifs.h"
#include "rules/regles.h"
#include "tactics/connexion.h"
#include "tactics/transposition.h"
#include "tactics/vie.h"

namespace {

struct ProblemeVie {
  int ligne;
  int vit, tue;  // -1: not asked
  bool echec;    // a known failure
  std::vector<std::string> diagramme;
};

std::vector<ProblemeVie> LitProblemes(const char* chemin) {
  return LitProblemesDiagrammes<ProblemeVie>(
      chemin, [](int n, const std::string& mot, std::istringstream& in, ProblemeVie& c) {
        if (mot != "Vie") return false;
        std::string l, t, e;
        in >> l >> t >> e;
        auto lu = [](const std::string& s) { return s == "-" ? -1 : s == "1"; };
        c = ProblemeVie{n, lu(l), lu(t), e == "*", {}};
        return true;
      });
}

struct Plan {
  GroupeVie groupe;
  std::set<int32_t> vivre, tuer;
};

Plan Pose(const ProblemeVie& c, int k, bool echange) {
  const auto marques = PoseOrientee(c.diagramme, k, echange, "X", "O");
  Plan plan;
  Vide(plan.groupe);
  const int couleur = echange ? 2 : 1;
  for (int32_t p = 0; p < NbIntersections; p++)
    if (StringIntersection[p] && StringIntersection[p]->Color == couleur &&
        StringIntersection[p]->Ancre == p)
      Ajoute(plan.groupe, p);
  for (auto [ch, p] : marques) {
    if (ch == '#' || ch == '*') plan.vivre.insert(p);
    if (ch == 'k' || ch == '*') plan.tuer.insert(p);
  }
  return plan;
}

// What a search must leave as it found it besides the board.
struct EtatRegles {
  int vivreG, vivreGi, oeilG, oeilGi, pile, buts, matching;
  bool operator==(const EtatRegles&) const = default;
  static EtatRegles Prend() {
    return {MatchedRulesVivre.NbGRules, MatchedRulesVivre.NbGiRules, MatchedRulesOeil.NbGRules,
            MatchedRulesOeil.NbGiRules, SommetPileRegles(),         GoalsToMatch.Nombre,
            IncrementalMatching};
  }
};

class Vie : public testing::Test {
 protected:
  void SetUp() override {
    ReinitialiseIncremental();
    ReinitialiseConnexions();
    ReinitialiseTT();
    ReinitialiseVie();
    DemarreBaseRegles();
    TailleCle = CLE_32_BITS;
    for (const char* f : {"OeilCentre", "OeilBord", "OeilCoin", "VivreBord", "VivreCoin"})
      LitBinaire((std::string(ILVANE_DOSSIER_REGLES) + "/" + f + ".bin").c_str());
  }
};

TEST_F(Vie, ProblemesDansLesHuitOrientationsEtLesDeuxCouleurs) {
  const std::vector<ProblemeVie> cas = LitProblemes(ILVANE_PROBLEMES_VIE);
  ASSERT_GE(cas.size(), 40u);
  int echecs = 0;
  for (const ProblemeVie& c : cas)
    for (int k = 0; k < 16; k++) {
      SCOPED_TRACE(testing::Message() << "line " << c.ligne << " orientation " << k % 8
                                      << (k >= 8 ? " colours swapped" : ""));
      Plan plan = Pose(c, k % 8, k >= 8);
      ASSERT_GT(plan.groupe.Nombre, 0);
      const Instantane avant = Instantane::Prend();
      const EtatRegles regles = EtatRegles::Prend();
      ListeIntersections coups;
      const int vit = c.vit < 0 ? -1 : ChercheCoupsVivre(plan.groupe, coups) == RESULTAT_ATTEINT;
      const int32_t coupVivre = coups.Nombre > 0 ? coups[0] : -1;
      const int tue = c.tue < 0 ? -1 : ChercheCoupsTuer(plan.groupe, coups) == RESULTAT_ATTEINT;
      const int32_t coupTuer = coups.Nombre > 0 ? coups[0] : -1;
      EXPECT_TRUE(Instantane::Prend() == avant) << "board changed";
      EXPECT_TRUE(EtatRegles::Prend() == regles) << "matched rules changed";
      if (c.echec) {
        if (k == 0) std::printf("known failure line %d: lives %d killed %d\n", c.ligne, vit, tue);
        echecs++;
        continue;
      }
      EXPECT_EQ(vit, c.vit);
      EXPECT_EQ(tue, c.tue);
      if (vit == 1 && !plan.vivre.empty()) {
        EXPECT_TRUE(plan.vivre.count(coupVivre)) << coupVivre;
      }
      if (tue == 1 && !plan.tuer.empty()) {
        EXPECT_TRUE(plan.tuer.count(coupTuer)) << coupTuer;
      }
    }
  EXPECT_LE(echecs, 16 * 4) << "too many known failures";
}

}  // namespace

namespace {

// Two ways to the second eye (one eye and a two-point space beside it: a stone
// thrown into the space is taken back into an eye) and no refutation:
// the attacker's node knows it at once, without a move below it.
TEST_F(Vie, MiaiVitSansRecherche) {
  PoseDiagramme(
      ".........\n.........\n.........\n.........\n.........\n."
      "........\nOOOOOO...\nXXXXXO...\n.X..XO...\n");
  GroupeVie groupe;
  Vide(groupe);
  Ajoute(groupe, Pt(1, 8));
  int32_t coup;
  EnsembleListe yeux;
  Vide(yeux);
  EXPECT_FALSE(DeuxYeux(1, groupe, yeux));
  EXPECT_TRUE(DeuxYeuxEnUnCoup(1, groupe, yeux));
  EXPECT_EQ(RecursiveSimpleKill(2, groupe, 1, coup), RESULTAT_ECHEC);
}

}  // namespace

namespace {

// One corner eye that is a liberty of both member strings counts once.
TEST_F(Vie, UnOeilDeDeuxStringsCompteUneFois) {
  PoseDiagramme(
      ".........\n.........\n.........\n.........\n.........\n"
      "OOOO.....\nX.XO.....\nX.XO.....\n.XXO.....\n");
  GroupeVie groupe;
  Vide(groupe);
  Ajoute(groupe, Pt(1, 7));
  Ajoute(groupe, Pt(3, 7));
  ASSERT_NE(StringIntersection[Pt(1, 7)], StringIntersection[Pt(3, 7)]);
  EnsembleListe yeux;
  Vide(yeux);
  ASSERT_TRUE(EstOeil(Pt(1, 9), 1, yeux));
  Vide(yeux);
  EXPECT_FALSE(DeuxYeux(1, groupe, yeux));
}

}  // namespace
