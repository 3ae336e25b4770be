#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/liste.h"
#include "test_util.h"

namespace {

template <int N>
Liste<N> De(std::initializer_list<int32_t> v) {
  Liste<N> l;
  for (int32_t x : v) Ajoute(l, x);
  return l;
}

template <int N>
std::string Texte(const Liste<N>& l) {
  std::string s;
  for (int32_t v : l) s += std::to_string(v) + " ";
  return s;
}

TEST(Liste, AjouteSiAbsentKeepsFirstInsertionOrder) {
  Liste<8> l;
  EXPECT_EQ(AjouteSiAbsent(l, 5), 1);
  EXPECT_EQ(AjouteSiAbsent(l, 3), 1);
  EXPECT_EQ(AjouteSiAbsent(l, 5), 0);
  EXPECT_EQ(Texte(l), "5 3 ");
  AjouteTousSiAbsents(l, De<4>({3, 7, 5, 9}));
  EXPECT_EQ(Texte(l), "5 3 7 9 ");
}

TEST(Liste, ByPointOperationsIgnoreFlags) {
  Liste<8> l = De<8>({40 | 0x200, 12});
  EXPECT_EQ(Contient(l, 40), 1);
  EXPECT_EQ(Contient(l, 41), 0);
  AjouteOuFusionne(l, 12 | 0x400);
  AjouteOuFusionne(l, 7);
  EXPECT_EQ(Texte(l), std::to_string(40 | 0x200) + " " + std::to_string(12 | 0x400) + " 7 ");
  EXPECT_EQ(EstInclus(De<4>({40, 7}), l), 1);
  EXPECT_EQ(EstInclus(De<4>({40, 8}), l), 0);
  Liste<8> a = De<8>({1, 12, 40, 3});
  GardeCommuns(a, l);
  EXPECT_EQ(Texte(a), "12 40 ");
}

TEST(Liste, RetireRemovesEveryCopyAndKeepsOrder) {
  Liste<8> l = De<8>({4, 1, 4, 2, 4});
  EXPECT_EQ(Retire(l, 4), 2);
  EXPECT_EQ(Texte(l), "1 2 ");
  Liste<8> m = De<8>({1, 2, 3, 4, 5});
  RetireTous(m, De<4>({2, 4}));
  EXPECT_EQ(Texte(m), "1 3 5 ");
  EXPECT_EQ(Depile(m), 5);
  EXPECT_EQ(Texte(m), "1 3 ");
}

TEST(Liste, DisjointesCopieConcatene) {
  EXPECT_EQ(Disjointes(De<4>({1, 2}), De<4>({3, 4})), 1);
  EXPECT_EQ(Disjointes(De<4>({1, 2}), De<4>({2})), 0);
  Liste<8> a;
  Copie(a, De<4>({9, 8}));
  Concatene(a, De<4>({7}));
  EXPECT_EQ(Texte(a), "9 8 7 ");
  Concatene(a, a);
  EXPECT_EQ(Texte(a), "9 8 7 9 8 7 ");
  // The same list on both sides: a copy keeps it, removing all empties it.
  Liste<8> b = De<8>({1, 2, 3});
  RetireTous(b, b);
  EXPECT_EQ(Texte(b), "");
  Copie(a, a);
  EXPECT_EQ(Texte(a), "9 8 7 9 8 7 ");
}

TEST(Liste, TriParClesIsStableAndDecreasing) {
  Liste<4> elements = De<4>({10, 20, 30, 40});
  Liste<4> cles = De<4>({3, 5, 5, 1});
  TrieParCles(elements, cles);
  EXPECT_EQ(Texte(elements), "20 30 10 40 ");
  EXPECT_EQ(Texte(cles), "5 5 3 1 ");
  Liste<8> l = De<8>({5, -1, 3, 3, 0});
  TrieCroissant(l);
  EXPECT_EQ(Texte(l), "-1 0 3 3 5 ");
}

TEST(Liste, FullListDropsAndReports) {
  CaptureErreurs erreurs;
  Liste<2> l;
  EXPECT_TRUE(Ajoute(l, 1));
  EXPECT_TRUE(Ajoute(l, 2));
  EXPECT_FALSE(Ajoute(l, 3));
  EXPECT_EQ(AjouteSiAbsent(l, 4), 0);
  Concatene(l, De<4>({5, 6}));
  EXPECT_EQ(Texte(l), "1 2 ");
  EXPECT_NE(erreurs.Texte().find("Pb Ajoute Liste pleine"), std::string::npos);
}

TEST(Liste, EcritListeText) {
  EXPECT_EQ(Ecrit([](std::FILE* f) { EcritListe(f, "TableauCoups=", Liste<4>{}); }),
            "TableauCoups=0 elts:\n");
  EXPECT_EQ(Ecrit([](std::FILE* f) { EcritListe(f, "L=", De<4>({3, -2})); }), "L=2 elts: 3 -2\n");
}

}  // namespace
