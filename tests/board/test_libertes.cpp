// Liberty queries on the incremental board, checked on hand-made cases and, on
// seeded random positions, against a naive model of the same definitions.

#include "board/libertes.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tactics/outils_tactique.h"

namespace {

class LibertesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReinitialiseIncremental();
    ReinitialiseRequetes();
  }
};

// ---------------------------------------------------------------------------
// A naive model: chains by breadth-first search on the colours alone.

struct Modele {
  ReferenceGo r;
  explicit Modele(const Damier& d) : r(TailleGoban) {
    for (int p = 0; p < NbIntersections; p++) r.c[p] = Couleur(d, p);
  }
  std::set<int> Pierres(int p) const {
    const std::vector<int> v = r.Chaine(p);
    return {v.begin(), v.end()};
  }
  std::set<int> Libs(int p) const {
    const std::vector<int> v = r.Libertes(p);
    return {v.begin(), v.end()};
  }

  // The liberties of a stone of c at p as the board counts them (captured
  // stones count where they touch p), and the stones of the strings it joins.
  void Ordre1(int p, int c, std::set<int>& l1, std::set<int>& s1) const {
    for (int n : r.Voisins(p)) {
      if (r.c[n] == 0) l1.insert(n);
      if (r.c[n] == c) {
        for (int q : Pierres(n)) s1.insert(q);
        for (int q : Libs(n))
          if (q != p) l1.insert(q);
      }
      if (r.c[n] == 3 - c && Libs(n).size() == 1) l1.insert(n);
    }
    s1.insert(l1.begin(), l1.end());
  }

  // One step out from `depuis`, the points of `exclus` left aside.
  std::set<int> Etend(const std::set<int>& depuis, int p, int c, const std::set<int>& exclus,
                      std::set<int>& pierres) const {
    std::set<int> l;
    for (int q : depuis)
      for (int n : r.Voisins(q)) {
        if (exclus.count(n) || pierres.count(n)) continue;
        if (r.c[n] == 0 && n != p) l.insert(n);
        if (r.c[n] == c) {
          for (int s : Pierres(n)) pierres.insert(s);
          for (int x : Libs(n))
            if (x != p && !exclus.count(x)) l.insert(x);
        }
      }
    return l;
  }

  int Ordre2(int p, int c) const {
    std::set<int> l1, s1, pierres;
    Ordre1(p, c, l1, s1);
    return static_cast<int>(Etend(l1, p, c, s1, pierres).size());
  }

  int Ordre3(int p, int c) const {
    std::set<int> l1, s1, p2, p3;
    Ordre1(p, c, l1, s1);
    const std::set<int> l2 = Etend(l1, p, c, s1, p2);
    std::set<int> exclus = s1;
    exclus.insert(l2.begin(), l2.end());
    exclus.insert(p2.begin(), p2.end());
    return static_cast<int>(Etend(l2, p, c, exclus, p3).size());
  }

  // Second- and third-order liberties of the string at p.
  std::set<int> Ordre2String(int p, std::set<int>& pierres) const {
    const std::set<int> libs = Libs(p), propres = Pierres(p);
    std::set<int> l;
    for (int q : libs)
      for (int n : r.Voisins(q)) {
        if (r.c[n] == r.c[p] && !propres.count(n)) {
          for (int s : Pierres(n)) pierres.insert(s);
          for (int x : Libs(n))
            if (!libs.count(x)) l.insert(x);
        }
        if (r.c[n] == 0 && !libs.count(n)) l.insert(n);
      }
    return l;
  }
  std::set<int> Ordre3String(int p) const {
    std::set<int> pierres2;
    const std::set<int> l2 = Ordre2String(p, pierres2);
    const std::set<int> libs = Libs(p), propres = Pierres(p);
    auto nouvelle = [&](int x) { return !libs.count(x) && !l2.count(x); };
    std::set<int> l;
    for (int q : l2)
      for (int n : r.Voisins(q)) {
        if (r.c[n] == r.c[p] && !propres.count(n) && !pierres2.count(n))
          for (int x : Libs(n))
            if (nouvelle(x)) l.insert(x);
        if (r.c[n] == 0 && nouvelle(n)) l.insert(n);
      }
    return l;
  }
};

std::set<int> EnsembleDe(const ListeIntersections& l) {
  return {l.begin(), l.end()};
}

// ---------------------------------------------------------------------------

TEST_F(LibertesTest, DeuxLibertesApresOnTheDefiningCases) {
  PoseDiagramme(
      ".........\n"
      ".........\n"
      ".........\n"
      "...O@O...\n"
      "...O.O...\n"
      "....O....\n"
      ".........\n"
      ".........\n"
      "........O\n");
  // Two empty neighbours.
  EXPECT_EQ(DeuxLibertesApres(Pt(2, 2), 1), 1);
  // Only a friendly string with two liberties (one of them the point) and
  // opponent stones with room: a single liberty is left.
  EXPECT_EQ(DeuxLibertesApres(Pt(5, 5), 1), 0);
  // The same point for the other colour joins its stones.
  EXPECT_EQ(DeuxLibertesApres(Pt(5, 5), 2), 1);
  // Occupied.
  EXPECT_EQ(DeuxLibertesApres(Pt(5, 4), 1), 0);
  // The corner: two empty neighbours.
  EXPECT_EQ(DeuxLibertesApres(Pt(1, 1), 2), 1);
  // Next to the lone corner stone, which has two liberties, one of them the
  // point: the two empty neighbours are enough.
  EXPECT_EQ(DeuxLibertesApres(Pt(9, 8), 2), 1);
}

TEST_F(LibertesTest, DeuxLibertesApresCountsACapturedStoneAsALiberty) {
  PoseDiagramme(
      ".....\n"
      ".@O..\n"
      "@O.O.\n"
      ".@O..\n"
      ".....\n");
  // '@' at (3,3) captures the lone stone (2,3), whose point becomes its only
  // liberty.
  EXPECT_EQ(DeuxLibertesApres(Pt(3, 3), 1), 0);
  EXPECT_EQ(NbLibertesApresIncremental(Pt(3, 3), 1), 1);
  // A captured string of two stones, only one of them next to the point.
  PoseDiagramme(
      ".....\n"
      "@@O..\n"
      "OO.O.\n"
      "@@O..\n"
      ".....\n");
  EXPECT_EQ(DeuxLibertesApres(Pt(3, 3), 1), 0);
  EXPECT_EQ(NbLibertesApresIncremental(Pt(3, 3), 1), 1);
}

TEST_F(LibertesTest, PseudoLibertesCountsASharedLibertyTwice) {
  PoseDiagramme(
      ".....\n"
      ".@...\n"
      "@...@\n"
      ".....\n"
      ".....\n");
  // (2,3) touches '@' (1,3) with liberties (1,2), (2,3), (1,4) and '@' (2,2)
  // with (2,1), (1,2), (3,2), (2,3): (1,2) and (2,3) are counted by both.
  EXPECT_EQ(PseudoLibertes(Pt(2, 3), 1), 2 + 3 + 4);
  // The other colour sees only the empty neighbours.
  EXPECT_EQ(PseudoLibertes(Pt(2, 3), 2), 2);
  // One string touching the point twice is counted once.
  PoseDiagramme(
      ".....\n"
      ".@@@.\n"
      ".@.@.\n"
      ".....\n"
      ".....\n");
  EXPECT_EQ(PseudoLibertes(Pt(3, 3), 1), 1 + 10);
}

TEST_F(LibertesTest, SecondAndThirdOrderOnASmallCase) {
  PoseDiagramme(
      ".......\n"
      ".......\n"
      ".......\n"
      "...@...\n"
      ".......\n"
      ".......\n"
      ".......\n");
  // A stone at (4,3) joins (4,4): liberties (4,2) (3,3) (5,3) (3,4) (5,4) (4,5).
  EXPECT_EQ(NbLibertesApresIncremental(Pt(4, 3), 1), 6);
  // One step out: (4,1) (3,2) (5,2) (2,3) (6,3) (2,4) (6,4) (3,5) (5,5) (4,6).
  EXPECT_EQ(LibertesOrdre2(Pt(4, 3), 1), 10);
  Modele m(DamierIncremental);
  EXPECT_EQ(LibertesOrdre3(Pt(4, 3), 1), m.Ordre3(Pt(4, 3), 1));
}

TEST_F(LibertesTest, OrdersAgreeWithTheModelOnRandomPositions) {
  for (uint32_t graine = 1; graine <= 12; graine++) {
    const int taille = graine % 3 == 0 ? 7 : 9;
    PoseDiagramme(DiagrammeDe(PositionAleatoire(taille, graine, 10 + 5 * graine)));
    const Modele m(DamierIncremental);
    for (int32_t p = 0; p < NbIntersections; p++) {
      SCOPED_TRACE(testing::Message() << "graine " << graine << " point " << p);
      if (Couleur(DamierIncremental, p) == VIDE) {
        for (int c = 1; c <= 2; c++) {
          EXPECT_EQ(LibertesOrdre2(p, c), m.Ordre2(p, c));
          EXPECT_EQ(LibertesOrdre3(p, c), m.Ordre3(p, c));
        }
        continue;
      }
      ListeIntersections l2, l3;
      EnsembleIntersections e2, e3;
      LibertesOrdre2String(l2, e2, p);
      LibertesOrdre3String(l3, e3, l2, e2, p);
      std::set<int> pierres;
      EXPECT_EQ(EnsembleDe(l2), m.Ordre2String(p, pierres));
      EXPECT_EQ(EnsembleDe(l2).size(), static_cast<size_t>(l2.Nombre)) << "a point twice";
      EXPECT_EQ(EnsembleDe(l3), m.Ordre3String(p));
      EXPECT_EQ(EnsembleDe(l3).size(), static_cast<size_t>(l3.Nombre)) << "a point twice";
    }
  }
}

TEST_F(LibertesTest, FastTestsAgreeWithTheModelOnRandomPositions) {
  for (uint32_t graine = 1; graine <= 12; graine++) {
    PoseDiagramme(DiagrammeDe(PositionAleatoire(9, 100 + graine, 15 + 4 * graine)));
    const Modele m(DamierIncremental);
    for (int32_t p = 0; p < NbIntersections; p++) {
      if (m.r.c[p] != 0) continue;
      for (int c = 1; c <= 2; c++) {
        SCOPED_TRACE(testing::Message() << "graine " << graine << " point " << p << " c " << c);
        // Pseudo-liberties: empty neighbours plus each distinct friendly
        // string's liberties.
        int pseudo = 0;
        std::set<int> vues;
        for (int n : m.r.Voisins(p)) {
          if (m.r.c[n] == 0) pseudo++;
          if (m.r.c[n] == c && !vues.count(m.r.Chaine(n)[0])) {
            vues.insert(m.r.Chaine(n)[0]);
            pseudo += static_cast<int>(m.Libs(n).size());
          }
        }
        EXPECT_EQ(PseudoLibertes(p, c), pseudo);
        // DeuxLibertesApres: the liberties the stone would have.
        std::set<int> l1, s1;
        m.Ordre1(p, c, l1, s1);
        EXPECT_EQ(DeuxLibertesApres(p, c), l1.size() >= 2 ? 1 : 0);
      }
    }
  }
}

TEST_F(LibertesTest, NeighboursInAtariAndMarkedLiberties) {
  PoseDiagramme(
      ".......\n"
      ".......\n"
      ".@O@...\n"
      ".O@.@..\n"
      "..O@...\n"
      ".......\n"
      ".......\n");
  // '@' (3,4) is in atari at (4,4); 'O' (3,3) is in atari at (3,2).
  EXPECT_EQ(NbVoisinsEnAtari(StringIntersection[Pt(3, 4)]), 1);
  EXPECT_EQ(NbVoisinsEnAtari(StringIntersection[Pt(3, 3)]), 1);
  EXPECT_EQ(NbVoisinsEnAtari(StringIntersection[Pt(2, 4)]), 1);
  EXPECT_EQ(NbVoisinsEnAtari(StringIntersection[Pt(4, 3)]), 1);
  EXPECT_EQ(NbVoisinsEnAtari(StringIntersection[Pt(5, 4)]), 0);
  EXPECT_EQ(NbVoisinsEnAtari(StringIntersection[Pt(3, 5)]), 1);

  EnsembleIntersections marques;
  Vide(marques);
  IntersectionsModifiees = &marques;
  const String* s = StringIntersection[Pt(3, 4)];
  MarqueLibertesModifiees(s);
  EnsembleIntersections attendu;
  Vide(attendu);
  for (int32_t l : s->Libertes) Ajoute(attendu, l);
  for (const String* t : s->Voisines) Ajoute(attendu, t->Libertes[0]);
  EXPECT_TRUE(marques == attendu);
  EXPECT_TRUE(Contient(marques, Pt(4, 4)));  // its own liberty
  EXPECT_TRUE(Contient(marques, Pt(3, 2)));  // that of 'O' (3,3)
  IntersectionsModifiees = nullptr;
  MarqueLibertesModifiees(s);  // no set chosen: nothing happens
}

TEST_F(LibertesTest, LibertesEtroitesLooksForLibertiesWalledInWithoutTheOpponent) {
  PoseDiagramme(
      "@@.....\n"
      ".......\n"
      ".......\n"
      "...@...\n"
      "...@O..\n"
      ".......\n"
      ".......\n");
  const String* coin = StringIntersection[Pt(1, 1)];
  // (1,2) is a liberty of the corner string with two empty neighbours and no
  // 'O' next to it; (1,3) touches it.
  EXPECT_EQ(LibertesEtroites(Pt(1, 3), coin), 1);
  // (3,1) has two empty neighbours and no 'O' either.
  EXPECT_EQ(LibertesEtroites(Pt(4, 1), coin), 1);
  // A point touching no liberty of the string.
  EXPECT_EQ(LibertesEtroites(Pt(5, 5), coin), 0);
  // The centre string: (5,4) is a liberty with two empty neighbours but it
  // touches 'O' (5,5); (3,5) has three empty neighbours.
  const String* centre = StringIntersection[Pt(4, 4)];
  EXPECT_EQ(LibertesEtroites(Pt(6, 4), centre), 0);
  EXPECT_EQ(LibertesEtroites(Pt(2, 5), centre), 0);
}

TEST_F(LibertesTest, AdversaireNePeutPasJouerOnIllegalAndOpenPoints) {
  PoseDiagramme(
      ".@.......\n"
      "@........\n"
      ".........\n"
      "....@O...\n"
      "...@O.O..\n"
      "....@O...\n"
      ".........\n"
      ".........\n"
      ".........\n");
  // Occupied.
  EXPECT_EQ(AdversaireNePeutPasJouer(Pt(2, 1), 1), 0);
  // 'O' at (1,1) would be suicide.
  EXPECT_EQ(AdversaireNePeutPasJouer(Pt(1, 1), 1), 1);
  // Two empty neighbours.
  EXPECT_EQ(AdversaireNePeutPasJouer(Pt(3, 3), 1), 0);
  // '@' takes the ko: 'O' may not take back at once.
  ASSERT_TRUE(EssaieCoupIncremental(Pt(6, 5), 1));
  ASSERT_EQ(KoIncremental, Pt(5, 5));
  EXPECT_EQ(AdversaireNePeutPasJouer(Pt(5, 5), 1), 1);
  UndoIncremental();
  // Before the ko capture, 'O' at (6,5) joins strings with room: it can play.
  EXPECT_EQ(AdversaireNePeutPasJouer(Pt(6, 5), 1), 0);
  // '@' at (6,5) captures: for '@' as the opponent the point is a ko capture.
  EXPECT_EQ(AdversaireNePeutPasJouer(Pt(6, 5), 2), 0);
}

TEST_F(LibertesTest, AdversaireNePeutPasJouerReadsAShortLadder) {
  PoseDiagramme(
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "@........\n"
      ".@.......\n"
      ".........\n"
      ".........\n"
      ".........\n");
  // 'O' at (1,6) would have one liberty: a self-atari that captures nothing.
  EXPECT_EQ(AdversaireNePeutPasJouer(Pt(1, 6), 1), 1);
  // A stone of '@' in atari next to the point: 'O' can usefully play there.
  PoseDiagramme(
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".O.......\n"
      "O@O......\n"
      ".........\n"
      ".........\n"
      ".........\n");
  EXPECT_EQ(AdversaireNePeutPasJouer(Pt(2, 7), 1), 0);
}

TEST_F(LibertesTest, QueriesLeaveTheBoardAsTheyFoundIt) {
  for (uint32_t graine = 1; graine <= 6; graine++) {
    PoseDiagramme(DiagrammeDe(PositionAleatoire(9, 200 + graine, 30 + 5 * graine)));
    const Instantane avant = Instantane::Prend();
    for (int32_t p = 0; p < NbIntersections; p++) {
      for (int c = 1; c <= 2; c++) {
        AdversaireNePeutPasJouer(p, c);
        DeuxLibertesApres(p, c);
        LibertesOrdre3(p, c);
      }
      if (StringIntersection[p]) LibertesEtroites(p, StringIntersection[p]);
    }
    EXPECT_TRUE(Instantane::Prend() == avant) << "graine " << graine;
  }
}

}  // namespace
