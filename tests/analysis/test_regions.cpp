#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "analysis/influence.h"
#include "analysis/pointsoeil.h"
#include "analysis/regions.h"
#include "analysis/viestatique.h"
#include "analysis/yeux.h"
#include "board/incremental.h"
#include "diagramme.h"
#include "positions_aleatoires.h"
#include "tactics/intersections.h"
#include "tactics/prise.h"
#include "test_util.h"

namespace {

// The point of (x, y) (0-based) under symmetry k of a board of size n: bit 0
// mirrors the columns, bit 1 the rows, bit 2 swaps them.
int32_t Image(int32_t p, int k, int n) {
  int x = p % n, y = p / n;
  if (k & 1) x = n - 1 - x;
  if (k & 2) y = n - 1 - y;
  if (k & 4) std::swap(x, y);
  return y * n + x;
}

bool PierreVivanteDe(int32_t p, int c) {
  return SurGoban(p) && Couleur(DamierIncremental, p) == c &&
         Couleur(VieStatique.DamierVieStatique, p) == c;
}

int Echange(int c, bool echange) {
  return echange && c != VIDE ? Adversaire(c) : c;
}

// The stages that the eye points and regions read, in pipeline order, on the
// board as it stands.
void Etapes() {
  InitialisePrises();
  CalculeJeuxPrendre();
  MarqueIntersectionsATester();
  CalculeJeuxIntersection();
  ReinitialiseYeux();
  CalculeVieStatique();
}

void Analyse(const Damier& d) {
  InitialiseDamierIncremental(d);
  Etapes();
}

class RegionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitialiseGoban(9);
    ReinitialiseIncremental();
    ReinitialisePrises();
    ReinitialiseIntersections();
    ReinitialiseYeux();
    ReinitialiseVieStatique();
    ReinitialiseInfluence();
    ReinitialisePointsOeil();
    ReinitialiseRegions();
  }
};

// The region of colour c holding p, or null.
const RegionChen* RegionDe(int32_t p, int c) {
  for (const RegionChen& r : RegionsChen)
    if (r.Couleur == c && Contient(r.EnsemblePoints, p)) return &r;
  return nullptr;
}

// ---------------------------------------------------------------------------
// The eye spaces of the data file.

struct Cas {
  std::string Nom;
  std::map<std::string, int> Attendu;  // the keys of its "region" and "point" lines
  std::vector<std::string> Lignes;     // one per row, without spaces
};

std::vector<Cas> LitCas() {
  std::ifstream f(ILVANE_FORMES_YEUX);
  EXPECT_TRUE(f.good()) << ILVANE_FORMES_YEUX;
  std::vector<Cas> tous;
  for (std::string ligne; std::getline(f, ligne);) {
    if (ligne.empty() || ligne[0] == '#') continue;
    std::istringstream in(ligne);
    std::string mot;
    in >> mot;
    if (mot == "=") {
      tous.push_back({ligne.substr(2), {}, {}});
    } else if (mot == "region" || mot == "point") {
      if (mot == "region") tous.back().Attendu["region"] = 1;
      while (in >> mot) {
        const std::string cle = mot.substr(0, mot.find('=')), v = mot.substr(mot.find('=') + 1);
        tous.back().Attendu[cle] = v == "I" ? 0 : v == "B" ? 1 : v == "C" ? 2 : std::stoi(v);
      }
    } else {
      std::erase(ligne, ' ');
      tous.back().Lignes.push_back(ligne);
    }
  }
  return tous;
}

// Builds the variant (symmetry k, colours swapped or not) of the case, with
// its probe point and its move points mapped.
Damier Variante(const Cas& cas, int k, bool echange, int32_t& sonde, std::vector<int32_t>& coups) {
  const int n = static_cast<int>(cas.Lignes.size());
  InitialiseGoban(n);
  Damier d;
  ViderDamier(d);
  FixePointKo(d, COUP_PASSE);
  coups.clear();
  for (int p = 0; p < n * n; p++) {
    const char ch = cas.Lignes[p / n][p % n];
    const int32_t q = Image(p, k, n);
    if (ch == 'X') PosePierre(d, q, Echange(1, echange));
    if (ch == 'O' || ch == 'o') PosePierre(d, q, Echange(2, echange));
    if (ch == 'e' || ch == 'o') sonde = q;
    if (ch == 'm') coups.push_back(q);
  }
  std::sort(coups.begin(), coups.end());
  return d;
}

// What the data file can expect at the probe point p for colour c.
std::map<std::string, int> Mesure(int32_t p, int c) {
  const PointsOeil& e = PointsOeilChen;
  std::map<std::string, int> m = {{"faux", e.Faux[c][p]},
                                  {"possible", e.Possible[c][p]},
                                  {"sur", e.Sur[c][p]},
                                  {"ferme", e.SurFerme[c][p]},
                                  {"uncoup", e.UnCoup[c][p]}};
  if (const RegionChen* r = RegionDe(p, c)) {
    EXPECT_EQ(r->Interieur + r->Bord + r->Coin, 1);
    m.insert({{"region", 1},
              {"taille", r->Points.Nombre},
              {"P", r->P},
              {"carre", r->Carre},
              {"ligne", r->Ligne},
              {"formecoin", r->FormeCoin},
              {"ND", r->ND},
              {"YA", r->YA},
              {"YE", r->YE},
              {"lieu", r->Coin   ? 2
                       : r->Bord ? 1
                                 : 0}});
  }
  return m;
}

TEST_F(RegionsTest, FormesDYeuxDansLesHuitOrientationsEtLesDeuxCouleurs) {
  const std::vector<Cas> tous = LitCas();
  ASSERT_GT(tous.size(), 30u);
  for (const Cas& cas : tous)
    for (int k = 0; k < 8; k++)
      for (bool echange : {false, true}) {
        SCOPED_TRACE(cas.Nom + ", symmetry " + std::to_string(k) +
                     (echange ? ", colours swapped" : ""));
        int32_t sonde = -1;
        std::vector<int32_t> coups;
        Analyse(Variante(cas, k, echange, sonde, coups));
        const int c = Echange(1, echange);
        const std::map<std::string, int> mesure = Mesure(sonde, c);
        for (const auto& [cle, attendu] : cas.Attendu) {
          ASSERT_TRUE(mesure.count(cle)) << cle;
          EXPECT_EQ(mesure.at(cle), attendu) << cle;
        }
        if (cas.Attendu.count("uncoup") && cas.Attendu.at("uncoup")) {
          const CoupsPointOeil& l = PointsOeilChen.CoupsUnCoup[c][sonde];
          std::vector<int32_t> trouves(l.begin(), l.end());
          std::sort(trouves.begin(), trouves.end());
          EXPECT_EQ(trouves, coups);
        }
      }
}

// ---------------------------------------------------------------------------
// Invariants on random positions.

// What the two steps read besides the incremental board.
struct Entrees {
  EtatVieStatique Vie;
  CartesEnfermement Enclos;
  int32_t Perdue[3][NB_INTERSECTIONS_MAX];
};

Damier Transforme(const Damier& d, int k, bool echange) {
  Damier t;
  ViderDamier(t);
  FixePointKo(t, COUP_PASSE);
  for (int32_t p = 0; p < NbIntersections; p++)
    if (Couleur(d, p) != VIDE)
      PosePierre(t, Image(p, k, TailleGoban), Echange(Couleur(d, p), echange));
  return t;
}

// Runs the two steps alone on the image of a position and of their inputs, so
// that only their own code is compared.
void RejoueTransforme(const Damier& position, const Entrees& e, int k, bool echange) {
  InitialiseDamierIncremental(Transforme(position, k, echange));
  VieStatique.DamierVieStatique = Transforme(e.Vie.DamierVieStatique, k, echange);
  // A pair of per-colour tables, mapped and exchanged with the colours.
  auto reporte = [&](const int32_t* a, const int32_t* b, int32_t* versA, int32_t* versB) {
    for (int32_t p = 0; p < NbIntersections; p++) {
      versA[Image(p, k, TailleGoban)] = echange ? b[p] : a[p];
      versB[Image(p, k, TailleGoban)] = echange ? a[p] : b[p];
    }
  };
  const CartesEnfermement& s = e.Enclos;
  CartesEnfermement& m = CartesEnclos;
  reporte(s.MurAmi, s.MurEnnemi, m.MurAmi, m.MurEnnemi);
  reporte(s.EnclosAmi, s.EnclosEnnemi, m.EnclosAmi, m.EnclosEnnemi);
  reporte(s.EspaceOeilAmi, s.EspaceOeilEnnemi, m.EspaceOeilAmi, m.EspaceOeilEnnemi);
  reporte(e.Perdue[1], e.Perdue[2], PierrePerdueAmi, PierrePerdueEnnemi);
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int32_t marque = e.Vie.MarquesVieStatique[p];
    VieStatique.MarquesVieStatique[Image(p, k, TailleGoban)] =
        !echange                  ? marque
        : marque == MARQUE_AMI    ? MARQUE_ENNEMI
        : marque == MARQUE_ENNEMI ? MARQUE_AMI
                                  : marque;
  }
  ReinitialiseYeux();
  CalculeYeuxEtRegionsChen();
}

// A region as seen from the original position: colour, points, sure and
// possible points (mapped back and sorted) and every count and flag.
using Signature = std::tuple<int, std::vector<int32_t>, std::vector<int32_t>, std::vector<int32_t>,
                             std::vector<int>>;

std::vector<Signature> Signatures(int k, bool echange) {
  const int n = TailleGoban;
  int inverse = 0;
  while (Image(Image(1, k, n), inverse, n) != 1 || Image(Image(n, k, n), inverse, n) != n)
    inverse++;
  auto points = [&](const ListeIntersections& l) {
    std::vector<int32_t> v;
    for (int32_t p : l) v.push_back(Image(p, inverse, n));
    std::sort(v.begin(), v.end());
    return v;
  };
  std::vector<Signature> s;
  for (const RegionChen& r : RegionsChen)
    s.emplace_back(
        Echange(r.Couleur, echange), points(r.Points), points(r.OeilSur), points(r.OeilPossible),
        std::vector<int>{r.YA, r.YE, r.P, r.ND, r.Parfaite, r.Pure, r.NonConnexe, r.Connexe, r.Coin,
                         r.Bord, r.Interieur, r.Carre, r.Ligne, r.FormeCoin,
                         r.StringsAdjacentes.Nombre, r.StringsEtoile.Nombre});
  std::sort(s.begin(), s.end());
  return s;
}

void VerifieInvariants(const Damier& d) {
  EnsembleIntersections pris[3]{};
  for (const RegionChen& r : RegionsChen) {
    const int c = r.Couleur;
    ASSERT_TRUE(c == 1 || c == 2);
    EXPECT_LE(0, r.YE);
    EXPECT_LE(r.YE, r.YA);
    EXPECT_LE(r.YA, 2);
    EXPECT_TRUE(PierreVivanteDe(r.A, c)) << "anchor " << r.A;
    const int32_t* enclos = c == 1 ? CartesEnclos.EnclosAmi : CartesEnclos.EnclosEnnemi;
    for (int32_t p : r.Points) {
      EXPECT_FALSE(Contient(pris[c], p)) << "point " << p << " in two regions";
      Ajoute(pris[c], p);
      EXPECT_TRUE(enclos[p]) << "point " << p << " not enclosed";
      EXPECT_NE(Couleur(d, p), c) << "own stone " << p << " in a region";
    }
  }
  // Every sure eye point that is no stone of its colour and touches a living
  // stone of its colour lies in a region.
  for (int c = 1; c <= 2; c++)
    for (int32_t p = 0; p < NbIntersections; p++) {
      bool touche = false;
      for (int32_t q : Voisins8[p]) touche = touche || PierreVivanteDe(q, c);
      if (PointsOeilChen.Sur[c][p] && Couleur(d, p) != c && touche) {
        EXPECT_TRUE(Contient(pris[c], p)) << p;
      }
    }
  // The eyes the two steps add stay on the board (rule eyes are not loaded here).
  for (const Oeil& o : TableDesYeux())
    EXPECT_TRUE(o.x >= 1 && o.y >= 1 && o.x + o.w - 1 <= TailleGoban &&
                o.y + o.h - 1 <= TailleGoban);
}

TEST_F(RegionsTest, InvariantsEtSymetriesSurPositionsAleatoires) {
  int regions = 0, imparfaites = 0;
  for (uint32_t graine = 1; graine <= 60; graine++) {
    const Damier d = PositionAleatoire(9, graine, 30 + static_cast<int>(graine % 5) * 20);
    SCOPED_TRACE("seed " + std::to_string(graine) + "\n" + DiagrammeDe(d));
    Analyse(d);
    VerifieInvariants(d);
    regions += RegionsChen.Nombre;
    for (const RegionChen& r : RegionsChen) imparfaites += r.Parfaite ? 0 : 1;
    const std::vector<Signature> reference = Signatures(0, false);
    static Entrees entrees;
    entrees.Vie = VieStatique;
    entrees.Enclos = CartesEnclos;
    std::copy(std::begin(PierrePerdueAmi), std::end(PierrePerdueAmi), entrees.Perdue[1]);
    std::copy(std::begin(PierrePerdueEnnemi), std::end(PierrePerdueEnnemi), entrees.Perdue[2]);
    for (int k = 0; k < 8; k++)
      for (bool echange : {false, true}) {
        if (k == 0 && !echange) continue;
        RejoueTransforme(d, entrees, k, echange);
        EXPECT_EQ(Signatures(k, echange), reference)
            << "symmetry " << k << (echange ? ", colours swapped" : "");
      }
  }
  // The positions exercise both rules.
  EXPECT_GT(regions, 100);
  EXPECT_GT(imparfaites, 20);
}

// ---------------------------------------------------------------------------

// Every map and region of the board as it stands.
std::pair<std::vector<int>, std::vector<Signature>> Resultats() {
  const PointsOeil& e = PointsOeilChen;
  std::vector<int> v;
  for (int c = 1; c <= 2; c++)
    for (int32_t p = 0; p < NbIntersections; p++) {
      v.insert(v.end(),
               {e.Faux[c][p], e.Possible[c][p], e.Sur[c][p], e.SurFerme[c][p], e.UnCoup[c][p]});
      v.insert(v.end(), e.CoupsUnCoup[c][p].begin(), e.CoupsUnCoup[c][p].end());
      v.insert(v.end(), e.CoupsVitaux[p].begin(), e.CoupsVitaux[p].end());
    }
  return {v, Signatures(0, false)};
}

// After any trial move the steps read the board as it stands (a move that
// fills the other point of a two-point eye leaves a closed one-point eye): they
// give what they give on that position analysed from scratch.
TEST_F(RegionsTest, CoupsDEssaiCommeUnePositionNeuve) {
  int essais = 0;
  for (uint32_t graine = 1; graine <= 15; graine++) {
    const Damier depart = PositionAleatoire(9, graine, 40 + static_cast<int>(graine % 3) * 15);
    for (int32_t p = static_cast<int32_t>(graine % 5); p < NbIntersections; p += 4) {
      InitialiseDamierIncremental(depart);
      Damier apres;
      std::pair<std::vector<int>, std::vector<Signature>> essai;
      {
        CoupTemporaire coup(p, 1 + p % 2);
        if (!coup) continue;
        Etapes();
        essai = Resultats();
        apres = DamierIncremental;
      }
      Analyse(apres);
      EXPECT_EQ(Resultats(), essai) << "seed " << graine << ", move " << p << "\n"
                                    << DiagrammeDe(apres);
      essais++;
    }
  }
  EXPECT_GT(essais, 80);
}

// A 19x19 board of colour-1 stones on one colour of a checkerboard holds 180
// one-point regions: the first 100 are kept, every later point is reported
// once and belongs to no region.
TEST_F(RegionsTest, AuDelaDeCentRegions) {
  InitialiseGoban(19);
  Damier d;
  ViderDamier(d);
  FixePointKo(d, COUP_PASSE);
  for (int32_t p = 0; p < NbIntersections; p++)
    if ((CoordX[p] + CoordY[p]) % 2 == 1) PosePierre(d, p, 1);
  CaptureErreurs erreurs;
  Analyse(d);
  ASSERT_EQ(RegionsChen.Nombre, MAX_REGIONS);
  const int32_t dernier = RegionsChen[MAX_REGIONS - 1].Points[0];
  const std::string texte = erreurs.Texte();
  int lignes = 0;
  for (size_t i = 0;
       (i = texte.find("Pb CalculRegionsYeuxChen MAX_REGIONS\n", i)) != std::string::npos; i++)
    lignes++;
  EXPECT_EQ(lignes, NbIntersections - 1 - dernier);
  for (int32_t p = dernier + 1; p < NbIntersections; p++) EXPECT_EQ(RegionDe(p, 1), nullptr);
}

// Two regions meeting through an empty diagonal point are linked, in every
// orientation; a stone on that point unlinks them, and points a knight's move
// or three lines apart are never linked.
TEST_F(RegionsTest, RegionsLieesParUnPointDiagonalVide) {
  static RegionChen r, r2;
  for (int k = 0; k < 8; k++)
    for (auto [q, lie] : {std::pair{Pt(5, 5), 1}, {Pt(5, 3), 1}, {Pt(5, 4), 0}, {Pt(3, 6), 0}}) {
      ViderDamier(VieStatique.DamierVieStatique);
      Vide(r.Points);
      Vide(r.EnsemblePoints);
      Vide(r2.EnsemblePoints);
      Ajoute(r.Points, Image(Pt(3, 3), k, 9));
      Ajoute(r.EnsemblePoints, Image(Pt(3, 3), k, 9));
      Ajoute(r2.EnsemblePoints, Image(q, k, 9));
      EXPECT_EQ(RegionsLiees(r, r2), lie) << k << " " << q;
      PosePierre(VieStatique.DamierVieStatique, Image(Pt(4, 4), k, 9), 1);
      if (q == Pt(5, 5)) {
        EXPECT_EQ(RegionsLiees(r, r2), 0) << k;
      }
    }
}

// The debug pictures of the eye points and of the regions, byte for byte.
TEST_F(RegionsTest, ImprimeOeilsEtRegions) {
  Analyse(DamierDe(R"(
    . X . X O
    X X X X O
    O O O O O
    . . . . .
    . . . . .)"));
  EXPECT_EQ(Ecrit(ImprimeOeilsChen),
            "Yeux Chen\nS.S..  .....\n.....  .....\n.....  .....\n.....  sssss\n.....  sssss\n");
  EXPECT_EQ(Ecrit(ImprimeRegions),
            "RegionsChen\n"
            " 0 , AMI , A 1, I  0 YA 1, CA YE 1, CE P 4,Pure,Parfaite\n"
            " 1 , AMI , A 1, I  2 YA 1, CA YE 1, CE P 4,Pure,Parfaite\n"
            " 2 , ENNEMI , A 10, I  15 20 21 16 17 22 23 18 19 24 YA 2, CA YE 2, CE P "
            "14,Pure,Parfaite\n");
}

}  // namespace
