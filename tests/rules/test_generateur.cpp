#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "../bench/analysis/positions_jeu.h"
#include "generateur.h"
#include "positions_aleatoires.h"
#include "regles_test.h"
#include "solveur.h"

namespace {

using generateur::Statut;

uint32_t Cellules(const std::string& diagramme, const std::string& quoi) {
  uint32_t e = 0;
  int q = 0;
  for (char c : diagramme) {
    if (c != '.' && c != 'X' && c != 'O') continue;
    if (quoi.find(c) != std::string::npos) e |= 1u << q;
    q++;
  }
  return e;
}

std::string Noms(const std::vector<int>& cellules, int w) {
  std::string s;
  for (int c : cellules) s += (s.empty() ? "" : " ") + compilateur::NomCellule(c, w);
  return s;
}

// The classic shapes, found by the solver alone. Life: the space is the
// diagram's non-X cells, inside a wall with no liberty outside (or the ones
// given). Type 'G'
// alive, 'I' alive only moving first (its living moves, its killing points),
// '-' dead.
struct Forme {
  const char* Nom;
  int Zone;
  const char* Diagramme;
  char Type;
  const char* Atteindre;
  const char* Empecher;
  int Libertes = 0;  // the wall's liberties outside
};

const Forme FORMES_VIE[] = {
    {"straight three", Zone::Bord, "X...X XXXXX", 'I', "c1", "c1"},
    {"bent three", Zone::Bord, "X..X X.XX XXXX", 'I', "b1", "b1"},
    {"straight four", Zone::Bord, "X....X XXXXXX", 'G', "", ""},
    {"bent four", Zone::Bord, "X...X X.XXX XXXXX", 'G', "", ""},
    {"square four", Zone::Bord, "X..X X..X XXXX", '-', "", ""},
    {"pyramid four", Zone::Bord, "X...X XX.XX XXXXX", 'I', "c1", "c1"},
    {"bulky five", Zone::Bord, "X...X X..XX XXXXX", 'I', "c1 c2", "c1 c2"},
    {"two eyes made", Zone::Bord, "X.X.X XXXXX", 'G', "", ""},
    {"straight three, vital point taken", Zone::Bord, "X.O.X XXXXX", '-', "", ""},
    {"straight three in the corner", Zone::Coin, "...X XXXX", 'I', "b1", "b1"},
    {"bent three in the corner", Zone::Coin, "..X .XX XXX", 'I', "a1", "a1"},
    {"straight four in the corner", Zone::Coin, "....X XXXXX", 'G', "", ""},
    {"bent four in the corner, no liberty outside", Zone::Coin, "...X .XXX XXXX", 'I', "a1 b1", "b1"},
    {"square four in the corner", Zone::Coin, "..X ..X XXX", '-', "", ""},
    {"bulky five in the corner", Zone::Coin, "...X ..XX XXXX", 'I', "b1", "b1 b2"},
    {"crossed five", Zone::Coin, "X.XX ...X X.XX XXXX", 'I', "b2", "b2"},
    {"rabbity six", Zone::Coin, "X.XX ...X X..X XXXX", 'I', "b2", "b2 c2 b3"},
    {"rectangular six in the corner, no liberty outside", Zone::Coin, "...X ...X XXXX", 'I',
     "b1 b2", "b1 a2 b2"},
    {"straight five in the corner", Zone::Coin, ".....X XXXXXX", 'G', "", ""},
    {"rectangular six in the corner, two liberties outside", Zone::Coin, "...X ...X XXXX", 'G', "",
     "", 2},
};

TEST(Solveur, ClassicLifeShapes) {
  for (const Forme& f : FORMES_VIE) {
    SCOPED_TRACE(f.Nom);
    const std::string d = f.Diagramme;
    const int w = static_cast<int>(d.find(' '));
    std::string lignes = d;
    for (char& c : lignes)
      if (c == ' ') c = '\n';
    const Statut s = generateur::StatutVie(f.Zone, lignes, Cellules(d, ".O"), f.Libertes);
    EXPECT_EQ(s.Type ? s.Type : '-', f.Type);
    EXPECT_EQ(Noms(s.Atteindre, w), f.Atteindre);
    EXPECT_EQ(Noms(s.Empecher, w), f.Empecher);
  }
}

// Eyes: the cells named by Oeil are the eye space.
struct Oeil {
  const char* Nom;
  int Zone;
  const char* Diagramme;
  std::vector<int> Espace;
  char Type;
  const char* Atteindre;
};

TEST(Solveur, ClassicEyes) {
  const Oeil yeux[] = {
      {"three diagonals", Zone::Centre, "OXX X.X XXX", {4}, 'G', ""},
      {"two diagonals and two empty", Zone::Centre, ".X. X.X XXX", {4}, 'G', ""},
      {"two diagonals, one lost", Zone::Centre, "OX. X.X XXX", {4}, 'I', "c1"},
      {"two diagonals lost", Zone::Centre, "OXO X.X XXX", {4}, '-', ""},
      {"first line", Zone::Bord, "X.X XXX", {1}, 'G', ""},
      {"first line, a diagonal empty", Zone::Bord, "X.X .XX", {1}, 'I', "a2"},
      {"first line, a diagonal lost", Zone::Bord, "X.X OXX", {1}, '-', ""},
      {"second line, edge diagonals lost", Zone::Bord, "OXO X.X XXX", {4}, '-', ""},
      {"corner point", Zone::Coin, ".X XX", {0}, 'G', ""},
      {"corner point, diagonal empty", Zone::Coin, ".X X.", {0}, 'I', "b2"},
      // A two-point eye holds with one diagonal at each end: filling one of
      // its points joins the wall if the other colour plays in it.
      {"two points, a diagonal lost at each end", Zone::Centre, "OXXX X..X XXXO", {5, 6}, 'G',
       ""},
      {"two points, one end lost", Zone::Centre, "OXXX X..X OXXX", {5, 6}, 'I', "b2"},
  };
  for (const Oeil& o : yeux) {
    SCOPED_TRACE(o.Nom);
    std::string lignes = o.Diagramme;
    const int w = static_cast<int>(lignes.find(' '));
    for (char& c : lignes)
      if (c == ' ') c = '\n';
    const Statut s = generateur::StatutOeil(o.Zone, lignes, o.Espace);
    EXPECT_EQ(s.Type ? s.Type : '-', o.Type);
    EXPECT_EQ(Noms(s.Atteindre, w), o.Atteindre);
  }
}

// The generated rules of each file and their binary file, made once for the
// test program (the solver is slow under the sanitizers).
struct Generees {
  std::vector<compilateur::Regle> Regles;
  std::vector<uint8_t> Binaire;
};
const Generees& ReglesDe(int i) {
  static const std::vector<Generees> toutes = [] {
    std::vector<Generees> v;
    for (const char* nom : generateur::FICHIERS_GENERES) {
      Generees g;
      g.Regles = generateur::ReglesGenerees(nom);
      compilateur::FichierRegles f;
      f.Regles = g.Regles;
      g.Binaire = compilateur::EcritBinaire(f);
      v.push_back(std::move(g));
    }
    return v;
  }();
  return toutes[i];
}

// The committed sources are what the generator writes, byte for byte.
TEST(Generateur, CommittedSourcesAreRegenerated) {
  const std::string dossier = std::string(ILVANE_SOURCES_REGLES) + "/";
  int i = 0;
  for (const char* nom : generateur::FICHIERS_GENERES) {
    SCOPED_TRACE(nom);
    const std::string manuelles = LitFichier(dossier + "manuelles/" + nom + ".regles");
    EXPECT_TRUE(generateur::SourceGeneree(nom, ReglesDe(i++).Regles, manuelles) ==
                LitFichier(dossier + nom + ".regles"))
        << "run: ilvane-generateur data/rules";
  }
}

// The generated rules alone, loaded into the rule base.
class GenereesTest : public ReglesTest {
 protected:
  void SetUp() override {
    ReglesTest::SetUp();
    for (int i = 0; i < 5; i++) Charge(ReglesDe(i).Binaire);
  }
};

// Where a test lays a pattern of a zone on the 9x9 board, as drawn.
FenetreMotif Place(int zone, int w, int h) {
  const int x = zone == Zone::Centre ? 3 : zone == Zone::Bord ? 2 : 1;
  const int y = zone == Zone::Centre ? 3 : 1;
  return FenetreMotif{x, y, w, h, w, h, VERS_DROITE, VERS_BAS};
}

bool Trouvee(const MatchedRules& s, const FenetreMotif& f, const compilateur::Regle& r) {
  const int n = r.Type == RuleType::G ? s.NbGRules : s.NbGiRules;
  for (int i = 0; i < n; i++) {
    const MatchedRule& m = *(r.Type == RuleType::G ? s.GRules : s.GiRules)[i];
    if (m.x0 != f.x0 || m.y0 != f.y0 || m.w != f.w || m.h != f.h || m.o1 != f.o1 || m.o2 != f.o2)
      continue;
    auto points = [&](const std::vector<int>& cellules) {
      std::vector<int32_t> p;
      for (int c : cellules) p.push_back(Pt(f.x0 + c % f.w, f.y0 + c / f.w));
      return p;
    };
    if (m.IntersectionsConcernees[0] != points(r.Concernees)[0]) continue;
    if (r.Type == RuleType::G) return true;
    if (Points(m.CoupsAtteindre) == points(r.Atteindre) &&
        Points(m.CoupsEmpecher) == points(r.Empecher))
      return true;
  }
  return false;
}

// Each generated rule, laid on an otherwise empty board, is matched with the
// solver's answer for its window (the goal colour's strings that reach out
// then have the liberties the rule asks for). Every eye rule, and one life rule
// in twenty, which keeps the test quick.
TEST_F(GenereesTest, EveryRuleIsMatchedWithTheSolversAnswer) {
  int i = 0;
  for (const char* nom : generateur::FICHIERS_GENERES) {
    const std::vector<compilateur::Regle>& regles = ReglesDe(i++).Regles;
    const size_t pas = regles[0].Kind == GoalKind::Vivre ? 20 : 1;
    for (size_t k = 0; k < regles.size(); k += pas) {
      const compilateur::Regle& r = regles[k];
      const FenetreMotif f = Place(r.Zone, r.W, r.H);
      std::string diagramme(81, '.');
      for (int c = 0; c < r.W * r.H; c++)
        diagramme[(f.y0 - 1 + c / r.W) * 9 + f.x0 - 1 + c % r.W] = ".XO"[r.Motif[c]];
      Position(diagramme);
      MatchBoardBothTypes(1, r.Kind);
      ASSERT_TRUE(Trouvee(MatchedRulesDe(r.Kind), f, r)) << nom << " rule " << k << "\n"
                                                         << diagramme;
    }
  }
}

// The window a record was found in, read from the board: 1 the goal colour, 2
// the other, 0 empty.
std::vector<uint8_t> Contenu(const MatchedRule& m, int g) {
  std::vector<uint8_t> motif(m.w * m.h);
  for (int c = 0; c < m.w * m.h; c++) {
    int x = 0, y = 0;
    CoordoneesIntersectionAvecSens(c, m.x0, m.y0, m.w, m.h, m.o1, m.o2, x, y);
    const int couleur = Couleur(DamierIncremental, Pt(x, y));
    motif[c] = couleur == 0 ? 0 : couleur == g ? 1 : 2;
  }
  return motif;
}

int ZoneDe(const MatchedRule& m) {
  const int bords = (m.x0 == 1) + (m.y0 == 1) + (m.x0 + m.bw - 1 == 9) + (m.y0 + m.bh - 1 == 9);
  return bords >= 2 ? Zone::Coin : bords;
}

// On positions of real games and random ones, every sure eye the generated
// rules see is one the other colour cannot spoil by moving first.
TEST_F(GenereesTest, SureEyesOnGamePositionsHoldAgainstTheFirstMove) {
  std::vector<std::string> positions;
  for (const PositionJeu& p : PositionsJeu) positions.push_back(p.diagramme);
  std::mt19937 alea(2112);
  for (int i = 0; i < 40; i++) {
    InitialiseGoban(9);
    const Damier d = PositionAleatoire(alea, 20 + i * 2);
    std::string s;
    for (int p = 0; p < 81; p++) s += ".XO"[Couleur(d, p)];
    positions.push_back(s);
  }
  int sures = 0;
  for (const std::string& diagramme : positions) {
    Position(diagramme);
    for (int g : {1, 2}) {
      MatchBoard(g, GoalKind::Oeil, RuleType::G);
      for (int i = 0; i < MatchedRulesOeil.NbGRules; i++) {
        const MatchedRule& m = *MatchedRulesOeil.GRules[i];
        const std::vector<uint8_t> motif = Contenu(m, g);
        bool vue = false;
        for (const generateur::FenetreOeil& f : generateur::FenetresOeil()) {
          if (f.Zone != ZoneDe(m) || f.W != m.w || f.H != m.h) continue;
          bool vide = true;
          for (int c : f.Oeil) vide = vide && motif[c] == 0;
          if (!vide) continue;
          std::string lignes;
          for (int c = 0; c < m.w * m.h; c++)
            lignes += std::string(1, ".XO"[motif[c]]) + (c % m.w == m.w - 1 ? "\n" : "");
          if (generateur::StatutOeil(f.Zone, lignes, f.Oeil).Type != 'G') continue;
          vue = true;
        }
        EXPECT_TRUE(vue) << diagramme << " colour " << g << " window " << int(m.x0) << ","
                         << int(m.y0);
        sures++;
      }
    }
  }
  EXPECT_GT(sures, 50);
}

}  // namespace
