#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "analyse_groupes.h"
#include "tactics/outils_tactique.h"
#include "test_util.h"

namespace {

class GroupesTest : public ::testing::Test {
 protected:
  void SetUp() override { ReinitialiseAnalyseGroupes(); }
};

// The description of the group of each stone, by point: what must not change
// when the board is turned or the colours swapped. The group's number is left
// out (it follows the anchors' order), its partition is kept as the smallest
// stone of the group.
std::vector<std::string> StatutsParPoint(bool couleursEchangees) {
  std::vector<std::string> r(NbIntersections);
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int n = Groupes.GroupePoint[p];
    if (n == 0) continue;
    const Group& g = GroupeDe(n);
    int32_t plusPetite = NB_INTERSECTIONS_MAX;
    for (int32_t a : g.Ch) plusPetite = std::min(plusPetite, a);
    const int couleur = couleursEchangees ? 3 - g.Color : g.Color;
    std::ostringstream o;
    o << "c" << couleur << " F" << g.F << " M" << g.Mort << " L" << g.L.Nombre() << " L2"
      << g.L2.Nombre() << " L3" << g.L3.Nombre() << " L4" << g.L4.Nombre() << " V" << g.V << " IM"
      << g.IM << " PP" << g.PP.Nombre << " P*" << g.PEtoile.Nombre << " adj" << g.Adjacents.Nombre
      << " E" << g.Enferme << g.Sorti << g.Sortable << g.Perdu << " T" << g.T.Nombre << " YC"
      << g.YC.Nombre << " YRG" << g.YRG << " first" << plusPetite << " IP" << g.IP.Nombre;
    r[p] = o.str();
  }
  return r;
}

// The points of a set, sorted.
template <int N>
std::set<int32_t> Ensemble(const Liste<N>& l) {
  return {l.begin(), l.end()};
}

// What every group computation must leave, whatever the position.
void VerifieInvariants() {
  std::map<int32_t, int> groupeDeString;
  for (int n = 1; n <= NombreGroupes(); n++) {
    const Group& g = GroupeDe(n);
    ASSERT_EQ(g.Number, n);
    ASSERT_GT(g.Ch.Nombre, 0) << "group " << n << " has no string";
    std::set<int32_t> libertes;
    for (int32_t a : g.Ch) {
      const String* s = StringIntersection[a];
      ASSERT_NE(s, nullptr);
      ASSERT_EQ(s->Ancre, a);
      ASSERT_EQ(groupeDeString.count(a), 0u) << "string " << a << " in two groups";
      groupeDeString[a] = n;
      // A stone of the other colour is only in the group as a dead string.
      if (s->Color != g.Color) {
        const Prise* jeu = TrouvePrise(PrisesValides, a);
        EXPECT_TRUE(jeu && jeu->Perdu)
            << "string " << a << " of colour " << s->Color << " in group " << n;
      }
      for (int32_t p : s->Pierres) EXPECT_EQ(Groupes.GroupePoint[p], n);
      libertes.insert(s->Libertes.begin(), s->Libertes.end());
    }
    EXPECT_EQ(Ensemble(g.L.Points), libertes) << "group " << n;
    EXPECT_EQ(g.L.Nombre(), static_cast<int>(libertes.size()));
    // Second liberties: the empty neighbours of liberties that are not liberties.
    std::set<int32_t> l2;
    for (int32_t l : libertes)
      for (int32_t q : Voisins[l])
        if (Couleur(DamierIncremental, q) == VIDE && !libertes.count(q)) l2.insert(q);
    EXPECT_EQ(Ensemble(g.L2.Points), l2) << "group " << n;
    // A point where a stone would be lost goes to a group that touches it with a stone.
    for (int32_t p : g.IP) {
      EXPECT_EQ(Couleur(DamierIncremental, p), VIDE);
      bool touche = false;
      for (int32_t q : Voisins[p]) touche = touche || Groupes.GroupePoint[q] == n;
      EXPECT_TRUE(touche) << "IP " << p << " of group " << n;
    }
    for (int32_t q : g.Adherence) EXPECT_EQ(Couleur(DamierIncremental, q), VIDE);
    for (int32_t m : g.Adjacents) {
      EXPECT_TRUE(m >= 1 && m <= NombreGroupes() && m != n);
      EXPECT_TRUE(Contient(GroupeDe(m).Adjacents, n)) << "adjacency not symmetric";
    }
    EXPECT_GE(g.F, 0.0f);
    EXPECT_LE(g.F, 1.0f);
    if (g.Mort) {
      EXPECT_EQ(g.F, 0.0f);
    }
    if (g.VoisinAmiSur) {
      EXPECT_GE(g.F, 0.5f);
    }
  }
  for (int32_t p = 0; p < NbIntersections; p++) {
    const String* s = StringIntersection[p];
    if (s == nullptr) {
      EXPECT_EQ(Groupes.GroupePoint[p], 0);
      continue;
    }
    EXPECT_EQ(groupeDeString.count(s->Ancre), 1u) << "stone " << p << " in no group";
  }
}

std::string ImageGroupes() {
  return Ecrit([](std::FILE* f) { ImprimeGroupes(f); });
}

std::string EchangeCouleurs(const std::string& points) {
  std::string r = points;
  for (char& c : r) c = c == '@' ? 'O' : c == 'O' ? '@' : c;
  return r;
}

// Seeded random positions: invariants, the board left as it was, the same
// statuses in the eight orientations and with the colours swapped.
TEST_F(GroupesTest, InvariantsSurPositionsAleatoires) {
  for (uint32_t graine = 1; graine <= 24; graine++) {
    const int coups = 20 + static_cast<int>(graine % 4) * 15;
    const Damier d = PositionAleatoire(9, graine, coups);
    std::string points;
    for (int32_t p = 0; p < 81; p++) points += ".@O"[Couleur(d, p)];
    SCOPED_TRACE("seed " + std::to_string(graine) + "\n" + points);

    InitialiseDamierIncremental(d);
    AnalyseAvantGroupes();
    const Instantane avant = Instantane::Prend();
    FormeGroupes();
    EXPECT_TRUE(Instantane::Prend() == avant) << "the board changed";
    VerifieInvariants();
    const std::vector<std::string> reference = StatutsParPoint(false);
    const std::string image = ImageGroupes();
    std::vector<int32_t> territoire(InfluenceAnalyse.CarteTerritoire,
                                    InfluenceAnalyse.CarteTerritoire + 81);

    // The short form on the same position gives the same groups.
    FormeGroupesCourte();
    EXPECT_EQ(ImageGroupes(), image);

    AnalyseGroupes(EchangeCouleurs(points));
    EXPECT_EQ(StatutsParPoint(true), reference) << "colours swapped";

    // The territory map's passes go in index order, so turning the board can
    // change it: the groups of a turned board read the turned map.
    for (int k = 1; k < 8; k++) {
      AnalyseGroupes(DiagrammeOriente(points, k));
      for (int y = 1; y <= 9; y++)
        for (int x = 1; x <= 9; x++) {
          const Coord c = Oriente({x, y}, k, 9);
          InfluenceAnalyse.CarteTerritoire[Pt(c.x, c.y)] = territoire[Pt(x, y)];
        }
      FormeGroupes();
      const std::vector<std::string> tourne = StatutsParPoint(false);
      for (int y = 1; y <= 9; y++)
        for (int x = 1; x <= 9; x++) {
          const Coord c = Oriente({x, y}, k, 9);
          const int32_t p = Pt(x, y), q = Pt(c.x, c.y);
          // The partition is named by the smallest stone, which moves with
          // the board: compare everything before it. A point where a stone
          // would be lost and that touches two groups goes to the last in a
          // fixed order of the neighbours, so "IP" is left out here too.
          auto sans = [](const std::string& s) { return s.substr(0, s.find(" first")); };
          EXPECT_EQ(sans(tourne[q]), sans(reference[p])) << "orientation " << k << " point " << p;
        }
    }
  }
}

}  // namespace
