#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "board/damier.h"
#include "board/incremental.h"
#include "board/zobrist.h"
#include "diagramme.h"
#include "positions_aleatoires.h"
#include "reference_go.h"
#include "test_util.h"

namespace {

template <int N>
std::vector<int> Vecteur(const Liste<N>& l) {
  return {l.begin(), l.end()};
}

std::vector<int> Trie(std::vector<int> v) {
  std::sort(v.begin(), v.end());
  return v;
}

std::vector<int> Membres(const EnsembleIntersections& e) {
  std::vector<int> v;
  for (int p = 0; p < 384; p++)
    if (Contient(e, p)) v.push_back(p);
  return v;
}

// Everything that a move and its undo must leave as it was, as text, so that a
// difference shows where it is. Lists are written in their order: an undo puts
// every element back in its place.
std::string Etat() {
  std::ostringstream o;
  o << "ko " << KoIncremental << " bilan " << BilanPierres << " profondeur " << Profondeur
    << " hash " << HashPosition[0] << ' ' << HashPosition[1] << " pool " << SommetPileString()
    << " undo " << NombreMotsPileUndo() << " retirees " << NombreStringsRetirees() << '\n';
  for (uint32_t m : DamierIncremental.Mots) o << m << ' ';
  o << '\n';
  std::set<const String*> vues;
  for (int p = 0; p < NbIntersections; p++) {
    const String* s = StringIntersection[p];
    o << (s ? s->Number : -1) << ' ';
    if (s) vues.insert(s);
  }
  o << '\n';
  for (int c = 0; c < 3; c++) {
    for (int p = 0; p < NbIntersections; p++) o << NbVoisinsCouleur[c][p];
    o << '\n';
  }
  for (const String* s : vues) {
    o << "string " << s->Number << " couleur " << s->Color << " ancre " << s->Ancre << " pierres";
    for (int q : s->Pierres) o << ' ' << q;
    o << " / " << (Membres(s->EnsemblePierres) == Trie(Vecteur(s->Pierres)));
    o << " libertes";
    for (int q : s->Libertes) o << ' ' << q;
    o << " / " << (Membres(s->EnsembleLibertes) == Trie(Vecteur(s->Libertes)));
    o << " voisines";
    for (const String* v : s->Voisines) o << ' ' << v->Number;
    o << '\n';
  }
  return o.str();
}

// The hash from scratch: the root's hash, the keys of every point whose
// colour differs from the root, the ko keys and the side to move.
void HashAttendu(const Damier& racine, const uint32_t hashRacine[2], uint32_t h[2]) {
  h[0] = hashRacine[0];
  h[1] = hashRacine[1];
  for (int p = 0; p < NbIntersections; p++) {
    const int avant = Couleur(racine, p), apres = Couleur(DamierIncremental, p);
    if (avant == apres) continue;
    for (int c : {avant, apres}) {
      if (c == 0) continue;
      h[0] ^= CleZobristRang(c == 1 ? ZOBRIST_COULEUR1_MOT1 : ZOBRIST_COULEUR2_MOT1, p);
      h[1] ^= CleZobristRang(c == 1 ? ZOBRIST_COULEUR1_MOT2 : ZOBRIST_COULEUR2_MOT2, p);
    }
  }
  if (KoIncremental != -1) {
    h[0] ^= CleZobristRang(ZOBRIST_KO_MOT1, KoIncremental);
    h[1] ^= CleZobristRang(ZOBRIST_KO_MOT2, KoIncremental);
  }
  if (Profondeur % 2) {
    h[0] ^= CleZobrist[ZOBRIST_TRAIT];
    h[1] ^= CleZobrist[ZOBRIST_TRAIT + 1];
  }
}

// Checks every string of the board against the naive model.
void VerifieContreReference(const ReferenceGo& ref) {
  // Each chain of the model once, named by its smallest stone.
  std::vector<int> ancre(NbIntersections, -1);
  std::vector<std::vector<int>> chaines;
  for (int p = 0; p < NbIntersections; p++) {
    if (ref.c[p] == 0 || ancre[p] >= 0) continue;
    chaines.push_back(ref.Chaine(p));
    for (int q : chaines.back()) ancre[q] = p;
  }
  int bilan = 0;
  for (int p = 0; p < NbIntersections; p++) {
    const int c = ref.c[p];
    ASSERT_EQ(Couleur(DamierIncremental, p), c) << "point " << p;
    int vides = 0, un = 0, deux = 0;
    for (int v : ref.Voisins(p)) (ref.c[v] == 0 ? vides : ref.c[v] == 1 ? un : deux)++;
    ASSERT_EQ(NbVoisinsVides[p], vides) << "point " << p;
    ASSERT_EQ(NbVoisins1[p], un) << "point " << p;
    ASSERT_EQ(NbVoisins2[p], deux) << "point " << p;
    if (c == 0) {
      ASSERT_EQ(StringIntersection[p], nullptr) << "point " << p;
    }
    if (c != 0) bilan += c == 1 ? 1 : -1;
  }
  for (const std::vector<int>& chaine : chaines) {
    const int p = chaine.front();
    const int c = ref.c[p];
    const String* s = StringIntersection[p];
    ASSERT_NE(s, nullptr) << "point " << p;
    ASSERT_EQ(s, &PileString[s->Number]);
    ASSERT_LT(s->Number, SommetPileString());
    ASSERT_EQ(s->Color, c);
    ASSERT_EQ(s->Ancre, p);
    ASSERT_EQ(Trie(Vecteur(s->Pierres)), chaine) << "string at " << p;
    ASSERT_EQ(Membres(s->EnsemblePierres), chaine);
    for (int q : chaine) ASSERT_EQ(StringIntersection[q], s);
    const std::vector<int> libertes = ref.Libertes(p);
    ASSERT_EQ(Trie(Vecteur(s->Libertes)), libertes) << "string at " << p;
    ASSERT_EQ(Membres(s->EnsembleLibertes), libertes);
    std::set<int> ancresVoisines;
    for (int q : chaine)
      for (int v : ref.Voisins(q))
        if (ref.c[v] == 3 - c) ancresVoisines.insert(ancre[v]);
    std::vector<int> voisines;
    for (const String* v : s->Voisines) {
      voisines.push_back(v->Ancre);
      ASSERT_TRUE(s->Voisines.contient(v));
    }
    ASSERT_EQ(Trie(voisines), std::vector<int>(ancresVoisines.begin(), ancresVoisines.end()))
        << "string at " << p;
    ASSERT_EQ(static_cast<int>(Membres(s->Voisines.Numeros).size()), s->Voisines.Nombre);
  }
  ASSERT_EQ(BilanPierres, bilan);
  ASSERT_EQ(KoIncremental, ref.ko);
  // The library's own recount agrees wherever the model does.
  ASSERT_TRUE(CoherenceIncremental());
}

// The liberties a stone of c at p would have, by the board's rule: its empty
// neighbours, the other liberties of the friendly strings it joins and the
// stones it takes that touch it (the other stones taken are not counted).
// Checked against the model, and never more than the model's liberties.
void VerifieLibertesApres(const ReferenceGo& ref, int p, int c) {
  ListeIntersections l;
  EnsembleIntersections vus;
  const int n = LibertesApresIncremental(p, c, l, vus);
  if (ref.c[p] != 0) {
    ASSERT_EQ(n, 0);
    ASSERT_EQ(l.Nombre, 0);
    ASSERT_TRUE(Membres(vus).empty());
    return;
  }
  std::set<int> attendu, attenduVus;
  for (int v : ref.Voisins(p)) {
    if (ref.c[v] == 0) attendu.insert(v);
    if (ref.c[v] == c) {
      for (int q : ref.Libertes(v))
        if (q != p) attendu.insert(q);
      for (int q : ref.Chaine(v)) attenduVus.insert(q);
    }
    if (ref.c[v] == 3 - c && ref.Libertes(v).size() == 1) attendu.insert(v);
  }
  ASSERT_EQ(Trie(Vecteur(l)), std::vector<int>(attendu.begin(), attendu.end())) << "point " << p;
  ASSERT_EQ(n, l.Nombre);
  ASSERT_EQ(NbLibertesApresIncremental(p, c), n);
  attenduVus.insert(attendu.begin(), attendu.end());
  ASSERT_EQ(Membres(vus), std::vector<int>(attenduVus.begin(), attenduVus.end()));
  ReferenceGo essai = ref;
  if (essai.Joue(p, c) < 0) return;
  const std::vector<int> vraies = essai.Libertes(p);
  ASSERT_TRUE(std::includes(vraies.begin(), vraies.end(), attendu.begin(), attendu.end()));
}

ReferenceGo ReferenceDe(const Damier& d) {
  ReferenceGo r(TailleGoban);
  for (int p = 0; p < NbIntersections; p++) r.c[p] = Couleur(d, p);
  return r;
}

class IncrementalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitialiseGoban(9);
    ReinitialiseRequetes();
    ReinitialiseIncremental();
  }
  void TearDown() override {
    ReinitialiseIncremental();
    InitialiseGoban(9);
  }
};

// Random play, passes, refused moves and take-backs from a random position.
// After every move the strings are checked against the naive model and the
// legality test against both the model and the packed board; after every
// take-back the whole board must equal what it was before the move.
struct Evenements {
  int captures = 0, kos = 0, refuses = 0;
};

void MarcheAleatoire(int taille, uint32_t graine, int pas, int profondeurMax, int coupsRacine,
                     Evenements& vus) {
  InitialiseGoban(taille);
  ReinitialiseIncremental();
  std::mt19937 alea(graine);
  Damier racine = PositionAleatoire(alea, coupsRacine);
  // A random ko point in the position: it bans what it bans on the packed board.
  FixePointKo(racine, static_cast<int32_t>(alea() % NbIntersections));
  HashPosition[0] = alea();
  HashPosition[1] = alea();
  const uint32_t hashRacine[2] = {HashPosition[0], HashPosition[1]};
  InitialiseDamierIncremental(racine);

  struct Niveau {
    std::string etat;
    ReferenceGo ref;
    Damier tasse;
  };
  std::vector<Niveau> pile;
  ReferenceGo ref = ReferenceDe(racine);
  ref.ko = KoIncremental;
  Damier tasse = racine;
  const std::string etatRacine = Etat();
  VerifieContreReference(ref);

  for (int i = 0; i < pas; i++) {
    const int profondeur = static_cast<int>(pile.size());
    ASSERT_EQ(Profondeur, profondeur);
    const unsigned r = alea() % 100;
    if (profondeur > 0 && (r < 30 || profondeur >= profondeurMax)) {
      ASSERT_EQ(UndoIncremental(), 1);
      ASSERT_EQ(Etat(), pile.back().etat) << "undo at depth " << profondeur;
      ref = pile.back().ref;
      tasse = pile.back().tasse;
      pile.pop_back();
      continue;
    }
    const int c = 1 + static_cast<int>(alea() % 2);
    if (r < 34) {
      pile.push_back({Etat(), ref, tasse});
      ASSERT_EQ(JoueCoupIncremental(COUP_PASSE, c), 1);
      ref.Passe();
      JoueCoup(tasse, COUP_PASSE, c);
      VerifieContreReference(ref);
      continue;
    }
    // Every point: the legality test against the packed board, and for a
    // sample of points against the model, with the ko point and the
    // liberties the move would have.
    std::vector<int> legaux, illegaux;
    for (int p = 0; p < NbIntersections; p++) {
      const int legal = CoupLegalIncremental(p, c);
      ASSERT_EQ(EstLegal(tasse, p, c), legal) << "point " << p << " colour " << c;
      (legal ? legaux : illegaux).push_back(p);
    }
    for (int k = 0; k < 6; k++) {
      const int p = static_cast<int>(alea() % NbIntersections);
      ReferenceGo essai = ref;
      ASSERT_EQ(CoupLegalIncremental(p, c), essai.Joue(p, c, false) >= 0 ? 1 : 0) << "point " << p;
      const int32_t koTasse = PointKoApres(tasse, p, c);
      ASSERT_EQ(PointKoIncremental(p, c), koTasse == COUP_PASSE ? -1 : koTasse) << "point " << p;
      VerifieLibertesApres(ref, p, c);
      if (::testing::Test::HasFatalFailure()) return;
    }
    if (legaux.empty() || (r < 40 && !illegaux.empty())) {
      // An illegal move (occupied, suicide or ko) is refused and changes nothing.
      const std::string avant = Etat();
      const int horsGoban[] = {-7, -1, NbIntersections, COUP_PASSE, 1000};
      const int p = (r == 34 || illegaux.empty()) ? horsGoban[alea() % 5]
                                                  : illegaux[alea() % illegaux.size()];
      ASSERT_EQ(EssaieCoupIncremental(p, c), 0);
      ASSERT_EQ(Etat(), avant);
      vus.refuses++;
      continue;
    }
    const int p = legaux[alea() % legaux.size()];
    VerifieLibertesApres(ref, p, c);
    pile.push_back({Etat(), ref, tasse});
    const int retirees = NombreStringsRetirees();
    ASSERT_EQ(EssaieCoupIncremental(p, c), 1);
    const int prises = ref.Joue(p, c);
    ASSERT_EQ(JoueCoup(tasse, p, c), prises);
    if (prises > 0) vus.captures++;
    if (KoIncremental != -1) vus.kos++;
    ASSERT_GE(NombreStringsRetirees(), retirees);
    ASSERT_EQ(KoIncremental, PointKo(tasse) == COUP_PASSE ? -1 : PointKo(tasse));
    VerifieContreReference(ref);
    uint32_t h[2];
    HashAttendu(racine, hashRacine, h);
    ASSERT_EQ(HashPosition[0], h[0]);
    ASSERT_EQ(HashPosition[1], h[1]);
  }
  while (!pile.empty()) {
    ASSERT_EQ(UndoIncremental(), 1);
    ASSERT_EQ(Etat(), pile.back().etat);
    pile.pop_back();
  }
  ASSERT_EQ(Etat(), etatRacine);
}

// The walks must take stones, make kos and refuse moves to mean anything.
TEST_F(IncrementalTest, RandomPlayAndUndo9x9) {
  Evenements vus;
  for (uint32_t graine : {1u, 2u, 3u}) {
    SCOPED_TRACE(graine);
    MarcheAleatoire(9, graine, 2000, 90, 15 + 10 * static_cast<int>(graine), vus);
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(vus.captures, 50);
  EXPECT_GT(vus.kos, 0);
  EXPECT_GT(vus.refuses, 50);
}

TEST_F(IncrementalTest, RandomPlayAndUndo19x19) {
  Evenements vus;
  MarcheAleatoire(19, 7, 500, 250, 120, vus);
  EXPECT_GT(vus.captures, 0);
  EXPECT_GT(vus.refuses, 0);
}

TEST_F(IncrementalTest, RandomPlayAndUndoTinyBoards) {
  Evenements vus;
  for (int taille : {1, 2, 3, 4}) {
    SCOPED_TRACE(taille);
    MarcheAleatoire(taille, 11u + static_cast<uint32_t>(taille), 1000, 40, taille, vus);
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(vus.captures, 50);
  EXPECT_GT(vus.kos, 5);
}

TEST_F(IncrementalTest, MergeOfThreeAndTwoAndItsUndo) {
  const Damier d = DamierDe(
      ". . . . . . . . ."
      ". @ @ @ . @ . . ."
      ". . . . . @ . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  InitialiseDamierIncremental(d);
  const String* trois = StringIntersection[Pt(2, 2)];
  const String* deux = StringIntersection[Pt(6, 2)];
  ASSERT_EQ(trois->NbPierres(), 3);
  ASSERT_EQ(deux->NbPierres(), 2);
  EXPECT_EQ(Vecteur(trois->Libertes), (std::vector<int>{Pt(2, 1), Pt(3, 1), Pt(4, 1), Pt(1, 2),
                                                        Pt(5, 2), Pt(2, 3), Pt(3, 3), Pt(4, 3)}));
  const std::string avant = Etat();

  ASSERT_EQ(EssaieCoupIncremental(Pt(5, 2), 1), 1);
  const String* six = StringIntersection[Pt(5, 2)];
  EXPECT_EQ(six->NbPierres(), 6);
  EXPECT_EQ(six->Ancre, Pt(2, 2));
  EXPECT_EQ(PlusPetitePierre(Pt(6, 3)), Pt(2, 2));
  for (int x : {2, 3, 4, 5, 6}) EXPECT_EQ(StringIntersection[Pt(x, 2)], six);
  EXPECT_EQ(StringIntersection[Pt(6, 3)], six);
  EXPECT_EQ(six->NbLibertes(), 13);
  EXPECT_EQ(NombreStringsRetirees(), 2);

  ASSERT_EQ(UndoIncremental(), 1);
  EXPECT_EQ(Etat(), avant);
  EXPECT_EQ(StringIntersection[Pt(2, 2)], trois);
  EXPECT_EQ(StringIntersection[Pt(6, 3)], deux);
  EXPECT_EQ(Couleur(DamierIncremental, Pt(5, 2)), 0);
}

TEST_F(IncrementalTest, KoIsSetAndBansOnlyTheImmediateRecapture) {
  const Damier d = DamierDe(
      ". @ O . . . . . ."
      "@ O . O . . . . ."
      ". @ O . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  InitialiseDamierIncremental(d);
  const uint32_t h0 = HashPosition[0];
  EXPECT_EQ(PointKoIncremental(Pt(3, 2), 1), Pt(2, 2));
  ASSERT_EQ(EssaieCoupIncremental(Pt(3, 2), 1), 1);
  EXPECT_EQ(KoIncremental, Pt(2, 2));
  EXPECT_EQ(Couleur(DamierIncremental, Pt(2, 2)), 0);
  EXPECT_EQ(BilanPierres, 4 - 3);
  EXPECT_EQ(CoupLegalIncremental(Pt(2, 2), 2), 0);
  EXPECT_EQ(EssaieCoupIncremental(Pt(2, 2), 2), 0);
  // A ko threat and its answer lift the ban.
  ASSERT_EQ(EssaieCoupIncremental(Pt(8, 8), 2), 1);
  EXPECT_EQ(KoIncremental, -1);
  ASSERT_EQ(EssaieCoupIncremental(Pt(7, 8), 1), 1);
  EXPECT_EQ(CoupLegalIncremental(Pt(2, 2), 2), 1);
  ASSERT_EQ(EssaieCoupIncremental(Pt(2, 2), 2), 1);
  EXPECT_EQ(KoIncremental, Pt(3, 2));
  for (int i = 0; i < 4; i++) ASSERT_EQ(UndoIncremental(), 1);
  EXPECT_EQ(KoIncremental, -1);
  EXPECT_EQ(HashPosition[0], h0);
}

TEST_F(IncrementalTest, PassClearsTheKoAndIsTakenBackAlone) {
  const Damier d = DamierDe(
      ". @ O . . . . . ."
      "@ O . O . . . . ."
      ". @ O . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  InitialiseDamierIncremental(d);
  ASSERT_EQ(EssaieCoupIncremental(Pt(3, 2), 1), 1);
  const std::string avant = Etat();
  const int mots = NombreMotsPileUndo();
  ASSERT_EQ(JoueCoupIncremental(COUP_PASSE, 2), 1);
  EXPECT_EQ(KoIncremental, -1);
  EXPECT_EQ(Profondeur, 2);
  EXPECT_EQ(NombreMotsPileUndo(), mots + 2);
  EXPECT_NE(Etat(), avant);
  ASSERT_EQ(UndoIncremental(), 1);
  EXPECT_EQ(Etat(), avant);
  EXPECT_EQ(KoIncremental, Pt(2, 2));
  // A pass is not a point: the legality test refuses it, the guard plays it.
  EXPECT_EQ(EssaieCoupIncremental(COUP_PASSE, 2), 0);
  {
    CoupTemporaire passe(COUP_PASSE, 2);
    EXPECT_TRUE(passe);
    EXPECT_EQ(Profondeur, 2);
  }
  EXPECT_EQ(Etat(), avant);
}

TEST_F(IncrementalTest, PackedKoPointBansTheRetake) {
  Damier d = DamierDe(
      ". @ O . . . . . ."
      "@ . @ O . . . . ."
      ". @ O . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  FixePointKo(d, Pt(2, 2));
  EXPECT_EQ(EstLegal(d, Pt(2, 2), 2), 0);
  InitialiseDamierIncremental(d);
  EXPECT_EQ(KoIncremental, Pt(2, 2));
  EXPECT_EQ(CoupLegalIncremental(Pt(2, 2), 2), 0);
  EXPECT_EQ(EssaieCoupIncremental(Pt(2, 2), 2), 0);
  // Another move lifts the ban; its take-back restores it.
  {
    CoupTemporaire ailleurs(Pt(8, 8), 2);
    EXPECT_EQ(CoupLegalIncremental(Pt(2, 2), 2), 1);
  }
  EXPECT_EQ(KoIncremental, Pt(2, 2));
  // A cleared position's PointKo 0 bans nothing.
  ViderDamier(d);
  InitialiseDamierIncremental(d);
  EXPECT_EQ(KoIncremental, -1);
}

TEST_F(IncrementalTest, TranspositionsGiveEqualHashes) {
  InitialiseDamierIncremental(DamierDe(std::string(81, '.')));
  const uint32_t racine[2] = {HashPosition[0], HashPosition[1]};
  const int a = Pt(3, 3), b = Pt(7, 7), c = Pt(5, 5);
  ASSERT_EQ(EssaieCoupIncremental(a, 1), 1);
  ASSERT_EQ(EssaieCoupIncremental(b, 2), 1);
  ASSERT_EQ(EssaieCoupIncremental(c, 1), 1);
  const uint32_t h1[2] = {HashPosition[0], HashPosition[1]};
  for (int i = 0; i < 3; i++) UndoIncremental();
  EXPECT_EQ(HashPosition[0], racine[0]);
  EXPECT_EQ(HashPosition[1], racine[1]);
  ASSERT_EQ(EssaieCoupIncremental(c, 1), 1);
  ASSERT_EQ(EssaieCoupIncremental(b, 2), 1);
  ASSERT_EQ(EssaieCoupIncremental(a, 1), 1);
  EXPECT_EQ(HashPosition[0], h1[0]);
  EXPECT_EQ(HashPosition[1], h1[1]);
  for (int i = 0; i < 3; i++) UndoIncremental();
  // Same stones, other side to move: a different hash.
  ASSERT_EQ(EssaieCoupIncremental(a, 1), 1);
  ASSERT_EQ(JoueCoupIncremental(COUP_PASSE, 2), 1);
  ASSERT_EQ(EssaieCoupIncremental(c, 1), 1);
  ASSERT_EQ(EssaieCoupIncremental(b, 2), 1);
  EXPECT_NE(HashPosition[0], h1[0]);
  // Building again does not reset the hash.
  const uint32_t courant = HashPosition[0];
  InitialiseDamierIncremental(DamierDe(std::string(81, '.')));
  EXPECT_EQ(HashPosition[0], courant);
}

TEST_F(IncrementalTest, ZobristTableIsFixed) {
  EXPECT_EQ(NB_CLES_ZOBRIST, 2168);
  EXPECT_EQ(CleZobrist[2166], 2660u);
  EXPECT_EQ(CleZobrist[2167], 0u);
  EXPECT_EQ(CleZobrist[0], 3709467014u);
  EXPECT_EQ(CleZobrist[361], 3597743966u);
  EXPECT_EQ(CleZobrist[2165], 1613943048u);
  uint32_t somme = 0;
  for (int i = 0; i < 2166; i++) somme = somme * 31 + CleZobrist[i];
  EXPECT_EQ(somme, 2092122831u);
  std::set<uint32_t> distinctes(CleZobrist.begin(), CleZobrist.begin() + 2166);
  EXPECT_EQ(distinctes.size(), 2166u);
}

TEST_F(IncrementalTest, BuildComputesStringsNeighboursAndBalance) {
  const Damier d = DamierDe(
      "@ @ O . . . . . ."
      "O . O . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  InitialiseDamierIncremental(d);
  EXPECT_EQ(BilanPierres, 2 - 3);
  EXPECT_EQ(SommetPileString(), 3);
  const String* noir = StringIntersection[0];
  EXPECT_EQ(Vecteur(noir->Pierres), (std::vector<int>{0, 1}));
  EXPECT_EQ(Vecteur(noir->Libertes), (std::vector<int>{Pt(2, 2)}));
  // Adjacent strings in the order the points meet them.
  ASSERT_EQ(noir->Voisines.Nombre, 2);
  EXPECT_EQ(noir->Voisines[0], StringIntersection[Pt(1, 2)]);
  EXPECT_EQ(noir->Voisines[1], StringIntersection[Pt(3, 1)]);
  EXPECT_EQ(Vecteur(VoisinsCouleur2[Pt(2, 2)]), (std::vector<int>{Pt(1, 2), Pt(3, 2)}));
  EXPECT_EQ(Vecteur(VoisinsCouleur1[Pt(2, 2)]), (std::vector<int>{Pt(2, 1)}));
  EXPECT_EQ(Vecteur(VoisinsVides[Pt(2, 2)]), (std::vector<int>{Pt(2, 3)}));
  EXPECT_EQ(NbVoisinsVides[Pt(2, 2)], 1);
  EXPECT_EQ(NbVoisins1[Pt(2, 2)], 1);
  EXPECT_EQ(NbVoisins2[Pt(2, 2)], 2);
  // Moves keep the counts exact but leave the lists as a picture of the root.
  ASSERT_EQ(EssaieCoupIncremental(Pt(2, 3), 2), 1);
  EXPECT_EQ(NbVoisinsVides[Pt(2, 2)], 0);
  EXPECT_EQ(NbVoisins2[Pt(2, 2)], 3);
  EXPECT_EQ(Vecteur(VoisinsVides[Pt(2, 2)]), (std::vector<int>{Pt(2, 3)}));
  // White takes the two black stones.
  ASSERT_EQ(EssaieCoupIncremental(Pt(2, 2), 2), 1);
  EXPECT_EQ(StringIntersection[0], nullptr);
  EXPECT_EQ(BilanPierres, -5);
  EXPECT_EQ(KoIncremental, -1);
  UndoIncremental();
  UndoIncremental();
  EXPECT_EQ(BilanPierres, -1);
}

TEST_F(IncrementalTest, ChangesAreMarkedInTheChosenSets) {
  const Damier d = DamierDe(
      ". @ O . . . . . ."
      "@ O . O . . . . ."
      ". @ O . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  InitialiseDamierIncremental(d);
  // No set chosen: nothing is marked and nothing breaks.
  ASSERT_EQ(EssaieCoupIncremental(Pt(3, 2), 1), 1);
  UndoIncremental();

  EnsembleIntersections modifiees, traceA, traceB;
  Vide(modifiees);
  Vide(traceA);
  Vide(traceB);
  IntersectionsModifiees = &modifiees;
  TraceActiveA = &traceA;
  TraceActiveB = &traceB;
  ASSERT_EQ(EssaieCoupIncremental(Pt(3, 2), 1), 1);
  EXPECT_EQ(Membres(modifiees), (std::vector<int>{Pt(2, 2), Pt(3, 2)}));
  EXPECT_EQ(Membres(traceA), Membres(modifiees));
  EXPECT_TRUE(Membres(traceB).empty());
  UndoIncremental();
  EXPECT_EQ(Membres(modifiees), (std::vector<int>{Pt(2, 2), Pt(3, 2)}));
}

TEST_F(IncrementalTest, PerDepthRecordsFollowTheMovesOnlyWhenAsked) {
  const Damier d = DamierDe(
      ". @ O . . . . . ."
      "@ O . O . . . . ."
      ". @ O . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  InitialiseDamierIncremental(d);
  ASSERT_EQ(EssaieCoupIncremental(Pt(9, 9), 1), 1);
  EXPECT_EQ(ModificationsProfondeur[0].Points.Nombre, 0);
  SuiviModifications = 1;
  ASSERT_EQ(EssaieCoupIncremental(Pt(3, 2), 1), 1);
  const ModificationsCoup& m = ModificationsProfondeur[1];
  EXPECT_EQ(Vecteur(m.Points), (std::vector<int>{Pt(3, 2), Pt(2, 2)}));
  EXPECT_EQ(Membres(m.EnsemblePoints), (std::vector<int>{Pt(2, 2), Pt(3, 2)}));
  // The new stone's string with its liberties, and its neighbours'.
  for (int p : {Pt(3, 2), Pt(2, 2), Pt(3, 1), Pt(3, 3), Pt(4, 2), Pt(4, 1), Pt(4, 3), Pt(5, 2),
                Pt(2, 1), Pt(1, 2)})
    EXPECT_TRUE(Contient(m.PierresLibertes, p)) << p;
  EXPECT_FALSE(Contient(m.PierresLibertes, Pt(9, 9)));
  UndoIncremental();
  // The record of the move taken back stays readable.
  EXPECT_EQ(Vecteur(ModificationsProfondeur[1].Points), (std::vector<int>{Pt(3, 2), Pt(2, 2)}));
  ASSERT_EQ(JoueCoupIncremental(COUP_PASSE, 1), 1);
  EXPECT_EQ(ModificationsProfondeur[1].Points.Nombre, 0);
  UndoIncremental();
  UndoIncremental();
}

TEST_F(IncrementalTest, QueriesOnTheBoard) {
  const Damier d = DamierDe(
      ". @ O . . . . . ."
      "@ O . O . . . . ."
      ". @ O . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  InitialiseDamierIncremental(d);
  ListeIntersections l;
  EnsembleIntersections vus;
  // Black at (3,2) takes the stone at (2,2): that point is its only liberty.
  EXPECT_EQ(LibertesApresIncremental(Pt(3, 2), 1, l, vus), 1);
  EXPECT_EQ(Vecteur(l), (std::vector<int>{Pt(2, 2)}));
  // White at (3,2) joins three strings.
  EXPECT_EQ(LibertesApresIncremental(Pt(3, 2), 2, l, vus), 4);
  EXPECT_EQ(Vecteur(l), (std::vector<int>{Pt(4, 1), Pt(4, 3), Pt(3, 4), Pt(5, 2)}));
  EXPECT_TRUE(Contient(vus, Pt(3, 1)));
  EXPECT_FALSE(Contient(vus, Pt(3, 2)));
  EXPECT_EQ(LibertesApresIncremental(Pt(2, 2), 1, l, vus), 0);
  EXPECT_EQ(l.Nombre, 0);
  EXPECT_EQ(NbLibertesApresIncremental(Pt(2, 2), 1), 0);
  EXPECT_EQ(NbLibertesApresIncremental(-1, 1), 0);
  EXPECT_EQ(PointKoIncremental(Pt(2, 2), 1), -1);
  EXPECT_EQ(PointKoIncremental(Pt(5, 5), 1), -1);
  EXPECT_EQ(CoupLegalIncremental(-1, 1), 0);
  EXPECT_EQ(CoupLegalIncremental(81, 1), 0);
  EXPECT_EQ(CoupLegalIncremental(Pt(5, 5), 0), 0);
  Vide(IntersectionsLues);
  CoupLegalIncremental(Pt(5, 5), 1);
  EXPECT_TRUE(Contient(IntersectionsLues, Pt(5, 5)));
  EXPECT_TRUE(Contient(IntersectionsLues, Pt(5, 4)));

  EXPECT_EQ(PlusPetitePierre(Pt(3, 3)), Pt(3, 3));
  CaptureConsole console;
  EXPECT_EQ(PlusPetitePierre(Pt(5, 5)), 0);
  EXPECT_EQ(PlusPetitePierre(500), 0);
  EXPECT_EQ(console.Texte(), "Pb PlusPetitePierre\nPb PlusPetitePierre\n");
}

TEST_F(IncrementalTest, GuardTakesTheMoveBack) {
  InitialiseDamierIncremental(DamierDe(std::string(81, '.')));
  const std::string avant = Etat();
  {
    CoupTemporaire coup(Pt(5, 5), 1);
    ASSERT_TRUE(coup);
    EXPECT_EQ(Couleur(DamierIncremental, Pt(5, 5)), 1);
    CoupTemporaire occupe(Pt(5, 5), 2);
    EXPECT_FALSE(occupe);
    {
      CoupTemporaire suite(Pt(5, 4), 2, CoupTemporaire::SansTest);
      EXPECT_TRUE(suite.Joue());
      EXPECT_EQ(Profondeur, 2);
    }
    EXPECT_EQ(Profondeur, 1);
    CoupTemporaire autre(Pt(1, 1), 2);
    autre.Annule();
    EXPECT_EQ(Profondeur, 1);
  }
  EXPECT_EQ(Etat(), avant);
}

TEST_F(IncrementalTest, BadMovesAreRefused) {
  InitialiseDamierIncremental(DamierDe(std::string(81, '.')));
  const std::string avant = Etat();
  CaptureErreurs erreurs;
  EXPECT_EQ(JoueCoupIncremental(-1, 1), 0);
  EXPECT_EQ(JoueCoupIncremental(81, 1), 0);
  EXPECT_EQ(JoueCoupIncremental(401, 1), 0);
  EXPECT_EQ(JoueCoupIncremental(Pt(1, 1), 3), 0);
  ASSERT_EQ(JoueCoupIncremental(Pt(1, 1), 1), 1);
  EXPECT_EQ(JoueCoupIncremental(Pt(1, 1), 2), 0);
  EXPECT_EQ(UndoIncremental(), 1);
  EXPECT_EQ(Etat(), avant);
  // Nothing to take back.
  EXPECT_EQ(UndoIncremental(), 0);
  EXPECT_EQ(Etat(), avant);
  const std::string texte = erreurs.Texte();
  EXPECT_NE(texte.find("Pb JoueCoupIncremental coup -1 couleur 1"), std::string::npos);
  EXPECT_NE(texte.find("Pb JoueCoupIncremental coup 0 couleur 2"), std::string::npos);
  EXPECT_NE(texte.find("Pb UndoIncremental"), std::string::npos);
}

TEST_F(IncrementalTest, FullUndoLogRefusesTheMoveWithoutDamage) {
  InitialiseDamierIncremental(DamierDe(std::string(81, '.')));
  int joues = 0;
  while (NombreMotsPileUndo() + 2 <= TAILLE_PILE_UNDO) {
    ASSERT_EQ(JoueCoupIncremental(COUP_PASSE, 1 + joues % 2), 1);
    joues++;
  }
  EXPECT_EQ(joues, TAILLE_PILE_UNDO / 2);
  const std::string avant = Etat();
  {
    CaptureErreurs erreurs;
    EXPECT_EQ(JoueCoupIncremental(COUP_PASSE, 1), 0);
    EXPECT_EQ(EssaieCoupIncremental(Pt(5, 5), 1), 0);
    CoupTemporaire coup(Pt(5, 5), 1);
    EXPECT_FALSE(coup);
    EXPECT_EQ(erreurs.Texte(),
              "Pb JoueCoupIncremental PileUndo pleine, coup 400 refuse\n"
              "Pb JoueCoupIncremental PileUndo pleine, coup 40 refuse\n"
              "Pb JoueCoupIncremental PileUndo pleine, coup 40 refuse\n");
  }
  EXPECT_EQ(Etat(), avant);
  for (int i = 0; i < joues; i++) ASSERT_EQ(UndoIncremental(), 1);
  EXPECT_EQ(Profondeur, 0);
  EXPECT_EQ(NombreMotsPileUndo(), 0);
}

TEST_F(IncrementalTest, ExhaustedStringPoolRefusesTheMoveWithoutDamage) {
  InitialiseGoban(19);
  InitialiseDamierIncremental(DamierDe(std::string(361, '.')));
  const std::string racine = Etat();
  std::mt19937 alea(5);
  std::vector<std::string> etats;
  int refus = 0;
  while (refus == 0) {
    std::vector<int> legaux;
    const int c = 1 + static_cast<int>(etats.size() % 2);
    for (int p = 0; p < NbIntersections; p++)
      if (CoupLegalIncremental(p, c)) legaux.push_back(p);
    ASSERT_FALSE(legaux.empty());
    const int p = legaux[alea() % legaux.size()];
    const std::string avant = Etat();
    CaptureConsole console;
    if (!EssaieCoupIncremental(p, c)) {
      EXPECT_EQ(SommetPileString(), MAX_STRINGS);
      EXPECT_EQ(console.Texte(), "Pb AjoutePierre MAX_STRINGS\n");
      EXPECT_EQ(Etat(), avant);
      refus++;
      break;
    }
    etats.push_back(avant);
  }
  EXPECT_EQ(static_cast<int>(etats.size()), MAX_STRINGS);
  // A pass needs no string.
  ASSERT_EQ(JoueCoupIncremental(COUP_PASSE, 1), 1);
  ASSERT_EQ(UndoIncremental(), 1);
  while (!etats.empty()) {
    ASSERT_EQ(UndoIncremental(), 1);
    ASSERT_EQ(Etat(), etats.back());
    etats.pop_back();
  }
  EXPECT_EQ(Etat(), racine);
}

TEST_F(IncrementalTest, PerDepthRecordsLimitTheDepthWhileFollowed) {
  InitialiseDamierIncremental(DamierDe(std::string(81, '.')));
  SuiviModifications = 1;
  for (int i = 0; i < PROFONDEUR_MAX; i++) ASSERT_EQ(JoueCoupIncremental(COUP_PASSE, 1), 1);
  {
    CaptureErreurs erreurs;
    EXPECT_EQ(EssaieCoupIncremental(Pt(1, 1), 1), 0);
    EXPECT_EQ(erreurs.Texte(), "Pb JoueCoupIncremental PROFONDEUR_MAX, coup 0 refuse\n");
  }
  // Without the records the depth is only bounded by the undo log.
  SuiviModifications = 0;
  ASSERT_EQ(EssaieCoupIncremental(Pt(1, 1), 1), 1);
  for (int i = 0; i <= PROFONDEUR_MAX; i++) ASSERT_EQ(UndoIncremental(), 1);
  EXPECT_EQ(Profondeur, 0);
}

// No real position comes near the 180 adjacent strings of a ListString, so the
// lists are filled by hand: the move that would overflow one is refused.
TEST_F(IncrementalTest, FullListStringRefusesTheMove) {
  InitialiseDamierIncremental(
      DamierDe(". . . . . . . . ."
               ". . . . . . . . ."
               ". . @ . O . . . ."
               ". . . . . . . . ."
               ". . . . . . . . ."
               ". . . . . . . . ."
               ". . . . . . . . ."
               ". . . . . . . . ."
               ". . . . . . . . ."));
  String* blanche = StringIntersection[Pt(5, 3)];
  String* noire = StringIntersection[Pt(3, 3)];
  for (int i = 0; blanche->Voisines.Nombre < MAX_LISTSTRING; i++)
    blanche->Voisines.add(&PileString[100 + i]);
  for (int i = 0; noire->Voisines.Nombre < MAX_LISTSTRING; i++)
    noire->Voisines.add(&PileString[100 + i]);
  const std::string avant = Etat();
  CaptureErreurs erreurs;
  // Black next to the white stone: its list has no room for the new string.
  EXPECT_EQ(EssaieCoupIncremental(Pt(5, 2), 1), 0);
  // Black joining the black stone, whose list the new string takes over, and
  // touching the white one: one string too many.
  EXPECT_EQ(EssaieCoupIncremental(Pt(4, 3), 1), 0);
  EXPECT_EQ(erreurs.Texte(),
            "Pb JoueCoupIncremental MAX_LISTSTRING, coup 13 refuse\n"
            "Pb JoueCoupIncremental MAX_LISTSTRING, coup 21 refuse\n");
  EXPECT_EQ(Etat(), avant);
}

TEST_F(IncrementalTest, ListStringKeepsOrderAndMembership) {
  ReinitialiseIncremental();
  ListString l;
  l.clear();
  EXPECT_EQ(l.first(), nullptr);
  EXPECT_EQ(l.add(&PileString[5]), 1);
  EXPECT_EQ(l.add(&PileString[7]), 1);
  EXPECT_EQ(l.add(&PileString[5]), 0);
  EXPECT_EQ(l.add(&PileString[383]), 1);
  EXPECT_EQ(l.Nombre, 3);
  EXPECT_TRUE(l.contient(383));
  EXPECT_FALSE(l.contient(6));
  l.ote(&PileString[5]);
  EXPECT_FALSE(l.contient(5));
  std::vector<String*> vus;
  for (String* s = l.first(); s; s = l.next()) vus.push_back(s);
  EXPECT_EQ(vus, (std::vector<String*>{&PileString[7], &PileString[383]}));
  EXPECT_EQ(l.next(), nullptr);
  // A full list keeps its elements and says so.
  l.clear();
  for (int i = 0; i < MAX_LISTSTRING; i++) ASSERT_EQ(l.add(&PileString[i]), 1);
  CaptureErreurs erreurs;
  EXPECT_EQ(l.add(&PileString[MAX_LISTSTRING]), 0);
  EXPECT_EQ(l.Nombre, MAX_LISTSTRING);
  EXPECT_EQ(erreurs.Texte(), "Pb ListString::add MAX_LISTSTRING, string 180 perdue\n");
}

// The coherence check finds each kind of damage, names it, and finds the board
// sound again once it is repaired.
TEST_F(IncrementalTest, CoherenceCheckFindsDamage) {
  InitialiseDamierIncremental(
      DamierDe("....."
               ".@O.."
               ".@O.."
               "....."
               "....."));
  ASSERT_EQ(EssaieCoupIncremental(Pt(3, 4), 1), 1);
  ASSERT_TRUE(CoherenceIncremental());
  String* s = StringIntersection[Pt(2, 2)];
  String* o = StringIntersection[Pt(3, 2)];
  String* pierre = StringIntersection[Pt(3, 4)];
  const int32_t liberte = s->Libertes[0];
  const auto abime = [](const char* attendu, auto&& casse, auto&& repare) {
    casse();
    CaptureErreurs erreurs;
    EXPECT_FALSE(CoherenceIncremental()) << attendu;
    EXPECT_EQ(erreurs.Texte().rfind(std::string("Pb CoherenceIncremental ") + attendu, 0), 0u)
        << erreurs.Texte();
    repare();
    EXPECT_TRUE(CoherenceIncremental()) << attendu;
  };
  abime(
      "nombre de voisins", [] { NbVoisins1[Pt(5, 5)]++; }, [] { NbVoisins1[Pt(5, 5)]--; });
  abime(
      "couleur du damier", [] { PosePierre(DamierIncremental, Pt(5, 5), 2); },
      [] { OtePierre(DamierIncremental, Pt(5, 5)); });
  abime(
      "libertes", [&] { s->Libertes.Nombre--; }, [&] { s->Libertes.Nombre++; });
  abime(
      "liste des libertes", [&] { s->Libertes[0] = Pt(5, 5); }, [&] { s->Libertes[0] = liberte; });
  abime(
      "ancre", [&] { s->Ancre++; }, [&] { s->Ancre--; });
  abime(
      "strings voisines", [&] { o->Voisines.Nombre--; }, [&] { o->Voisines.Nombre++; });
  abime(
      "BilanPierres", [] { BilanPierres++; }, [] { BilanPierres--; });
  abime(
      "HashPosition", [] { HashPosition[1] ^= 8; }, [] { HashPosition[1] ^= 8; });
  abime(
      "pierre sans string", [] { StringIntersection[Pt(3, 4)] = nullptr; },
      [&] { StringIntersection[Pt(3, 4)] = pierre; });
  ASSERT_EQ(UndoIncremental(), 1);
  EXPECT_TRUE(CoherenceIncremental());
}

using IncrementalDeathTest = IncrementalTest;

TEST_F(IncrementalDeathTest, BrokenListStringEndsTheProgram) {
  InitialiseDamierIncremental(DamierDe(std::string(81, '.')));
  ListString l;
  l.clear();
  EXPECT_EXIT(
      {
        FixeSortieConsole(SortieErreurs());
        l.ote(&PileString[3]);
      },
      ::testing::ExitedWithCode(3), "^Pb ListString::ote\n/ - - .*\n#mod=0 undocount 0\n$");
}

TEST_F(IncrementalDeathTest, UndoOfAVanishedStoneEndsTheProgram) {
  InitialiseDamierIncremental(DamierDe(std::string(81, '.')));
  ASSERT_EQ(EssaieCoupIncremental(Pt(2, 1), 1), 1);
  EXPECT_EXIT(
      {
        FixeSortieConsole(SortieErreurs());
        OtePierre(DamierIncremental, Pt(2, 1));
        UndoIncremental();
      },
      ::testing::ExitedWithCode(3),
      "^Probleme1 UndoIncremental \\(1 was already empty\\)\n#mod=0 undocount 0\n$");
}

}  // namespace
