// The static eye tests: the diagram cases of problemes_yeux.txt in the eight
// orientations and with the colours swapped, and EstOeil against a brute-force
// reading of the eye rule on seeded random positions. The board must be exactly
// as found after every test.

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "outils_tactique.h"
#include "tactics/oeil.h"

namespace {

struct CasOeil {
  int ligne;  // of the question in the file
  std::string test;
  int couleur, attendu;
  std::vector<std::string> diagramme;  // one character a point
};

std::vector<CasOeil> LitCas(const char* chemin) {
  return LitProblemesDiagrammes<CasOeil>(
      chemin, [](int n, const std::string& mot, std::istringstream& in, CasOeil& c) {
        if (mot.size() <= 1) return false;
        std::string couleur;
        c = CasOeil{n, mot, 0, 0, {}};
        in >> couleur >> c.attendu;
        c.couleur = couleur == "X" ? 1 : 2;
        return true;
      });
}

// The board of the case in orientation k, colours swapped if asked, with the
// point asked about, the expected moves and the move played first (-1: none).
struct Plan {
  int32_t point = -1, avant = -1;
  std::set<int32_t> attendus;
};

Plan Pose(const CasOeil& c, int k, bool echange) {
  const auto marques = PoseOrientee(c.diagramme, k, echange, "Xx", "Oo");
  Plan plan;
  for (auto [ch, p] : marques) {
    if (ch == '*' || ch == '#' || ch == 'x' || ch == 'o') plan.point = p;
    if (ch == 'm' || ch == '#') plan.attendus.insert(p);
    if (ch == 'k') plan.avant = p;
  }
  return plan;
}

int Demande(const std::string& test, int32_t p, int c, EnsembleListe& coups,
            EnsembleListe& region) {
  if (test == "EstOeil") return EstOeil(p, c, region);
  if (test == "OeilParPrise") return OeilParPrise(coups, p, c, region);
  if (test == "CoupsPourOeil") return CoupsPourOeil(coups, p, c, region);
  if (test == "OeilDouble") return OeilDouble(p, c, region);
  if (test == "OeilDoubleParPrise") return OeilDoubleParPrise(coups, p, c, region);
  if (test == "EmpecherOeilDouble") return EmpecherOeilDouble(coups, p, c, region);
  ADD_FAILURE() << "unknown test " << test;
  return -1;
}

class OeilTest : public ::testing::Test {
 protected:
  void SetUp() override { ReinitialiseIncremental(); }
  void TearDown() override { ReinitialiseIncremental(); }
};

TEST_F(OeilTest, ProblemesEnToutesOrientations) {
  const std::vector<CasOeil> cas = LitCas(ILVANE_PROBLEMES_YEUX);
  ASSERT_GE(cas.size(), 30u);
  for (const CasOeil& c : cas)
    for (int k = 0; k < 16; k++) {
      SCOPED_TRACE(testing::Message() << c.test << " line " << c.ligne << " orientation " << k % 8
                                      << (k >= 8 ? " colours swapped" : ""));
      const int couleur = k >= 8 ? Adversaire(c.couleur) : c.couleur;
      const Plan plan = Pose(c, k % 8, k >= 8);
      ASSERT_GE(plan.point, 0);
      ASSERT_TRUE(plan.avant < 0 || EssaieCoupIncremental(plan.avant, couleur));
      const Instantane avant = Instantane::Prend();
      EnsembleListe coups, region;
      EXPECT_EQ(Demande(c.test, plan.point, couleur, coups, region), c.attendu);
      EXPECT_EQ(std::set<int32_t>(coups.begin(), coups.end()), plan.attendus);
      // A test fills the region only with an eye it found (EmpecherOeilDouble
      // gives the opponent's eye even when nothing stops it).
      EXPECT_TRUE(c.test == "EmpecherOeilDouble" || (region.Nombre() > 0) == (c.attendu > 0));
      EXPECT_TRUE(Instantane::Prend() == avant) << "board changed";
    }
}

// The eye rule read by brute force, as bounds: a diagonal is surely good when it
// holds the colour or the other colour's move there is a suicide (ko aside),
// and surely not good when that move is legal and gives the stone two empty
// neighbours, a capture, or three liberties. EstOeil must lie between the rule
// read with the sure diagonals and the rule read with the possible ones.
struct BornesOeil {
  bool min = false, max = false;
};

bool RegleOeil(int voisins, int bonnes, int ouvertes) {
  if (voisins == 4) return bonnes >= 3 || (bonnes == 2 && ouvertes == 2);
  if (voisins == 3) return bonnes == 2;
  return voisins == 2 && bonnes == 1;
}

BornesOeil OeilReference(const ReferenceGo& r, int32_t p, int c) {
  if (r.c[p] != 0) return {};
  for (int32_t v : Voisins[p])
    if (r.c[v] != c) return {};
  const int o = Adversaire(c);
  int surBonnes = 0, surOuvertes = 0, possiblesBonnes = 0, possiblesOuvertes = 0;
  for (int32_t d : Diagonales[p]) {
    bool surement = r.c[d] == c, possible = surement;
    if (r.c[d] == 0) {
      ReferenceGo apres = r;
      apres.ko = -1;
      const int prises = apres.Joue(d, o);
      int vides = 0;
      for (int32_t v : Voisins[d]) vides += r.c[v] == 0;
      surement = prises < 0;
      possible = surement || (vides < 2 && prises == 0 && apres.Libertes(d).size() < 3);
      surOuvertes += !surement;
      possiblesOuvertes += !possible;
    }
    surBonnes += surement;
    possiblesBonnes += possible;
  }
  const int n = Voisins[p].Nombre;
  return {RegleOeil(n, surBonnes, surOuvertes), RegleOeil(n, possiblesBonnes, possiblesOuvertes)};
}

TEST_F(OeilTest, EstOeilSelonLaRegleSurDesPositionsAleatoires) {
  InitialiseGoban(9);
  std::mt19937 alea(1313);
  int yeux = 0, kos = 0;
  for (int partie = 0; partie < 3000; partie++) {
    InitialiseDamierIncremental(PositionAleatoireEntre(alea, 30, 65));
    // A ko capture when there is one, so that the ko ban is set.
    for (int32_t m = 0, c = 1 + partie % 2; m < 81; m++)
      if (PointKoIncremental(m, c) >= 0 && EssaieCoupIncremental(m, c)) break;
    kos += KoIncremental >= 0;
    ReferenceGo r(9);
    for (int32_t p = 0; p < 81; p++) r.c[p] = Couleur(DamierIncremental, p);
    const Instantane avant = Instantane::Prend();
    // What a test may not change, cheap enough to compare after every call.
    auto empreinte = [] {
      return std::tuple(DamierIncremental, HashPosition[0], HashPosition[1], KoIncremental,
                        Profondeur, NombreMotsPileUndo(), SommetPileString());
    };
    const auto debut = empreinte();
    SCOPED_TRACE(testing::Message() << "position " << partie << "\n"
                                    << DiagrammeDe(DamierIncremental));
    for (int32_t p = 0; p < 81; p++)
      for (int c = 1; c <= 2; c++) {
        EnsembleListe coups, region;
        const bool oeil = EstOeil(p, c, region);
        const BornesOeil ref = OeilReference(r, p, c);
        ASSERT_TRUE(!ref.min || oeil) << "an eye by the rule: point " << p << " colour " << c;
        ASSERT_TRUE(ref.max || !oeil) << "no eye by the rule: point " << p << " colour " << c;
        ASSERT_EQ(region.Nombre(), oeil ? 1 + Voisins8[p].Nombre : 0);
        yeux += oeil;
        // The other tests on every point, for the board's sake.
        CoupsPourOeil(coups, p, c, region);
        OeilParPrise(coups, p, c, region);
        OeilDouble(p, c, region);
        OeilDoubleParPrise(coups, p, c, region);
        EmpecherOeilDouble(coups, p, c, region);
        ASSERT_TRUE(empreinte() == debut) << "point " << p << " colour " << c;
      }
    ASSERT_TRUE(Instantane::Prend() == avant);
  }
  EXPECT_GT(yeux, 1500);
  EXPECT_GT(kos, 10);
}

}  // namespace
