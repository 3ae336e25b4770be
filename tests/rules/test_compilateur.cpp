#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "regles_test.h"

namespace {

using compilateur::EcritBinaire;
using compilateur::EcritSource;
using compilateur::Erreurs;
using compilateur::FichierRegles;
using compilateur::LitSource;

const char* const SOURCES[] = {"OeilCentre", "OeilBord",  "OeilCoin",
                               "VivreBord",  "VivreCoin", "Fuzeki"};

std::string Source(const std::string& nom) {
  return LitFichier(std::string(ILVANE_SOURCES_REGLES) + "/" + nom + ".regles");
}

Erreurs ErreursDe(const std::string& source) {
  Erreurs erreurs;
  LitSource(source, "f.regles", erreurs);
  return erreurs;
}

FichierRegles Lit(const std::string& source) {
  Erreurs erreurs;
  FichierRegles f = LitSource(source, "f.regles", erreurs);
  for (const std::string& e : erreurs) ADD_FAILURE() << e;
  return f;
}

FichierRegles Relit(const std::vector<uint8_t>& octets, int cles) {
  Erreurs erreurs;
  FichierRegles f = compilateur::LitBinaire(octets, cles, "f.bin", erreurs);
  for (const std::string& e : erreurs) ADD_FAILURE() << e;
  return f;
}

uint32_t Mot(const std::vector<uint8_t>& o, size_t i) {
  return o[i] | o[i + 1] << 8 | o[i + 2] << 16 | static_cast<uint32_t>(o[i + 3]) << 24;
}

// Every shipped source: text -> binary -> text -> binary gives the same bytes,
// the printed text is a fixed point, and the build wrote the same files.
TEST(Compilateur, ShippedSourcesRoundTrip) {
  for (const char* nom : SOURCES) {
    SCOPED_TRACE(nom);
    const std::string source = Source(nom);
    ASSERT_FALSE(source.empty());
    const std::vector<uint8_t> binaire = Compile(source, nom);
    const int cles = compilateur::ClesParDefaut(std::string(nom) + ".bin");
    const std::string texte = EcritSource(Relit(binaire, cles));
    const std::vector<uint8_t> binaire2 = Compile(texte, nom);
    EXPECT_EQ(binaire2, binaire);
    EXPECT_EQ(EcritSource(Relit(binaire2, cles)), texte);
    EXPECT_EQ(Compile(source, nom), binaire);  // deterministic
    const std::string construit =
        LitFichier(std::string(ILVANE_DOSSIER_REGLES) + "/" + nom + ".bin");
    EXPECT_EQ(std::vector<uint8_t>(construit.begin(), construit.end()), binaire);
  }
}

// An open eye is decided by both colours: every shipped GI eye rule says how
// its owner makes the eye and how the other colour spoils it.
TEST(Compilateur, ShippedOpenEyesListBothSides) {
  for (const char* nom : {"OeilCentre", "OeilBord", "OeilCoin"}) {
    for (const compilateur::Regle& r : Lit(Source(nom)).Regles) {
      if (r.Kind != GoalKind::Oeil || r.Type != RuleType::GI) continue;
      EXPECT_FALSE(r.Atteindre.empty()) << nom << " line " << r.Ligne;
      EXPECT_FALSE(r.Empecher.empty()) << nom << " line " << r.Ligne;
    }
  }
}

// The format itself, byte for byte: two rules with one key share an entry,
// the 32-bit mode writes a filler byte after list 7.
TEST(Compilateur, BinaryLayoutOf32BitFile) {
  const std::vector<uint8_t> o = Compile(
      "cles 4\n"
      "regle Oeil GI Bord\n"
      "  X . X\n"
      "  . X X\n"
      "  concernees b2\n"
      "  atteindre a2\n"
      "  empecher a2\n"
      "  au-plus a2:1\n"
      "regle Oeil GI Bord\n"
      "  X . X\n"
      "  . X X\n"
      "  concernees c1\n");
  const std::vector<uint8_t> attendu = {
      4, 2, 1, 3, 2,     // Oeil GI Bord 3x2
      1, 0, 0, 0,        // one entry
      0x11, 0x05, 0, 0,  // its key: cells 0, 2, 4 and 5 hold the goal colour
      0, 0, 0, 0,        // offsets 0 and 22
      22, 0, 0, 0,
      // The first rule: b2; a2; a2; no at-least; a2 at most 1; two empty lists; filler.
      1, 4, 1, 3, 1, 3, 0, 2, 3, 1, 0, 0, 0,
      // The second: c1, six empty lists, filler.
      1, 2, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(o, attendu);
}

TEST(Compilateur, BinaryLayoutOfPositionKeyFile) {
  const std::vector<uint8_t> o = Compile(
      "cles 92\n"
      "regle Defense GI Bord\n"
      "  . . O\n"
      "  . X .\n"
      "  concernees b2\n"
      "  valeurs2 Defense:a2:-3\n");
  ASSERT_EQ(o.size(), 9u + 92 + 8 + 13);
  EXPECT_EQ(std::vector<uint8_t>(o.begin(), o.begin() + 9),
            (std::vector<uint8_t>{20, 2, 1, 3, 2, 1, 0, 0, 0}));
  EXPECT_EQ(Mot(o, 9), 2u << 4 | 1u << 8);  // cells 2 (O) and 4 (X)
  for (size_t i = 13; i < 9 + 92; i++) EXPECT_EQ(o[i], 0) << i;
  EXPECT_EQ(Mot(o, 101), 0u);
  EXPECT_EQ(Mot(o, 105), 13u);
  EXPECT_EQ(std::vector<uint8_t>(o.begin() + 109, o.end()),
            (std::vector<uint8_t>{1, 4, 0, 0, 0, 0, 0, 0, 0, 3, 20, 3, 0xFD}));
}

TEST(Compilateur, EqualKeysMergeAndKeysAreSorted) {
  // Three rules, two of them with one window content, written out of order.
  const std::vector<uint8_t> o = Compile(
      "cles 4\n"
      "regle Oeil G Coin\n  . O\n  X X\n  concernees b2\n"
      "regle Oeil G Coin\n  . X\n  X X\n  concernees b1\n"
      "regle Oeil G Coin\n  . O\n  X X\n  concernees a2\n");
  ASSERT_GE(o.size(), 9u);
  EXPECT_EQ(Mot(o, 5), 2u);
  const uint32_t cle0 = Mot(o, 9), cle1 = Mot(o, 13);
  EXPECT_LT(cle0, cle1);
  EXPECT_EQ(cle0, 1u << 2 | 1u << 4 | 1u << 6);
  EXPECT_EQ(cle1, 2u << 2 | 1u << 4 | 1u << 6);
  // The merged entry keeps its rules in source order: b2 (cell 3), then a2 (cell 2).
  const FichierRegles f = Relit(o, CLE_32_BITS);
  ASSERT_EQ(f.Regles.size(), 3u);
  EXPECT_EQ(f.Regles[1].Concernees, std::vector<int>{3});
  EXPECT_EQ(f.Regles[2].Concernees, std::vector<int>{2});
  // Reordering rules of different keys does not change the file.
  EXPECT_EQ(Compile("cles 4\n"
                    "regle Oeil G Coin\n  . X\n  X X\n  concernees b1\n"
                    "regle Oeil G Coin\n  . O\n  X X\n  concernees b2\n"
                    "regle Oeil G Coin\n  . O\n  X X\n  concernees a2\n"),
            o);
}

TEST(Compilateur, BlocksAreSortedByHeader) {
  const std::vector<uint8_t> o = Compile(
      "cles 4\n"
      "regle Vivre GI Coin\n  . X\n  X X\n  concernees b1\n"
      "regle Oeil G Bord\n  X . X\n  concernees a1\n"
      "regle Oeil G Coin\n  . X\n  X X\n  concernees b1\n");
  const FichierRegles f = Relit(o, CLE_32_BITS);
  ASSERT_EQ(f.Regles.size(), 3u);
  EXPECT_EQ(std::make_tuple(f.Regles[0].Kind, f.Regles[0].Zone), std::make_tuple(1, 2));
  EXPECT_EQ(std::make_tuple(f.Regles[1].Kind, f.Regles[1].Zone), std::make_tuple(4, 1));
  EXPECT_EQ(std::make_tuple(f.Regles[2].Kind, f.Regles[2].Zone), std::make_tuple(4, 2));
}

TEST(Compilateur, MirrorCarriesEveryCell) {
  const FichierRegles f =
      Lit("cles 92\n"
          "regle Attaque GI Bord\n"
          "symetrie miroir\n"
          "  X . .\n"
          "  O . .\n"
          "  concernees a2\n"
          "  atteindre b1\n"
          "  empecher c2\n"
          "  au-moins a1:2\n"
          "  au-plus a2:1\n"
          "  au-moins-apres b2:1\n"
          "  au-plus-apres c1:0\n"
          "  valeurs1 Attaque:b2:5\n"
          "  valeurs2 Attaque:c1:7\n");
  ASSERT_EQ(f.Regles.size(), 2u);
  const compilateur::Regle& m = f.Regles[1];
  EXPECT_EQ(m.Motif, (std::vector<uint8_t>{0, 0, 1, 0, 0, 2}));
  EXPECT_EQ(m.Concernees, std::vector<int>{5});
  EXPECT_EQ(m.Atteindre, std::vector<int>{1});
  EXPECT_EQ(m.Empecher, std::vector<int>{3});
  EXPECT_EQ(m.AuMoins, (std::vector<std::pair<int, int>>{{2, 2}}));
  EXPECT_EQ(m.AuPlus, (std::vector<std::pair<int, int>>{{5, 1}}));
  EXPECT_EQ(m.AuMoinsApres, (std::vector<std::pair<int, int>>{{4, 1}}));
  EXPECT_EQ(m.AuPlusApres, (std::vector<std::pair<int, int>>{{0, 0}}));
  EXPECT_EQ(m.Valeurs1, (std::vector<std::array<int, 3>>{{19, 4, 5}}));
  EXPECT_EQ(m.Valeurs2, (std::vector<std::array<int, 3>>{{19, 0, 7}}));
}

TEST(Compilateur, SymmetriesDropRepeatedImages) {
  auto nombre = [](const std::string& diagramme, const std::string& symetrie) {
    return Lit("cles 4\nregle Deconnecter G Centre\nsymetrie " + symetrie + "\n" + diagramme)
        .Regles.size();
  };
  EXPECT_EQ(nombre("X . .\n. . .\n", "toutes"), 8u);  // no symmetry of its own
  EXPECT_EQ(nombre("X . X\n. . .\n", "toutes"), 4u);  // mirror-symmetric
  EXPECT_EQ(nombre("X . X\n. . .\nX . X\n", "toutes"), 1u);
  EXPECT_EQ(nombre("X . .\n. . .\n", "rotations"), 4u);
  EXPECT_EQ(nombre("X . X\n. . .\n", "miroir"), 1u);
  // A rotation of a 3x2 pattern is a 2x3 pattern.
  const FichierRegles f =
      Lit("cles 4\nregle Deconnecter G Centre\nsymetrie rotations\nX . .\n. . O\n");
  ASSERT_EQ(f.Regles.size(), 4u);
  EXPECT_EQ(std::make_pair(f.Regles[1].W, f.Regles[1].H), std::make_pair(2, 3));
  // Turned a quarter clockwise: the top row becomes the right column.
  EXPECT_EQ(f.Regles[1].Motif, (std::vector<uint8_t>{0, 1, 0, 0, 2, 0}));
}

struct CasErreur {
  const char* source;
  const char* message;
};

TEST(Compilateur, ValidationErrorsNameFileAndLine) {
  const CasErreur cas[] = {
      {"cles 4\nregle Oeil G Centre\n  X Z\n", "f.regles:3: mot inconnu 'X'"},
      {"cles 5\n", "f.regles:1: attendu 'cles 4' ou 'cles 92'"},
      {"cles 4\nregle Oeuil G Centre\nX\nconcernees a1\n", "f.regles:2: but inconnu 'Oeuil'"},
      {"cles 4\nregle Oeil H Centre\n", "f.regles:2: type de regle inconnu 'H'"},
      {"cles 4\nregle Oeil G Milieu\n", "f.regles:2: zone inconnue 'Milieu'"},
      {"cles 4\nregle Oeil G Centre\n  X X\n  X\n",
       "f.regles:4: ligne de motif de largeur differente"},
      {"cles 4\nregle Oeil G Centre\n  X X\n  concernees c1\n",
       "f.regles:4: cellule 'c1' hors du motif 2x1"},
      {"cles 4\nregle Oeil G Centre\n  X X\n  concernees a2\n",
       "f.regles:4: cellule 'a2' hors du motif 2x1"},
      {"cles 4\nregle Oeil G Centre\n  X .\n  concernees b1\n",
       "f.regles:2: concernees: b1 doit porter une pierre 'X'"},
      {"cles 4\nregle Vivre G Coin\n  X .\n",
       "f.regles:2: concernees: vide, une regle Vivre sans point concerne est toujours ecartee"},
      {"cles 4\nregle Oeil G Centre\n  X X\n  concernees a1 a1 a1 a1 a1 a1 a1 a1 a1 a1\n",
       "f.regles:2: concernees: plus de 9 cellules"},
      {"cles 4\nregle Sortir G Centre\n  X X\n  au-moins a1:1 a1:1 a1:1 a1:1 a1:1 a1:1 a1:1 a1:1 "
       "a1:1 "
       "a1:1\n",
       "f.regles:2: au-moins: plus de 9 conditions"},
      {"cles 4\nregle Sortir G Centre\n  X X\n  au-plus a1:200\n",
       "f.regles:2: au-plus: nombre de libertes hors de 0-127"},
      {"cles 4\nregle Sortir G Centre\n  X X\n  au-plus a1\n",
       "f.regles:4: cellule:libertes attendu: 'a1'"},
      {"cles 4\nregle ValeurCoup GI Centre\n  X X\n",
       "f.regles:2: un motif ValeurCoup 2x1 se cherche en cles de 92 octets, le fichier est en "
       "cles "
       "de 4"},
      {"cles 92\nregle Oeil G Centre\n  X X\n  concernees a1\n",
       "f.regles:2: un motif Oeil 2x1 se cherche en cles de 4 octets, le fichier est en cles de "
       "92"},
      {"cles 4\nregle Sortir G Centre\n  X X\n  valeurs2 Sortir:a1:1\n",
       "f.regles:2: valeurs2: listes de valeurs seulement en cles de position"},
      {"cles 92\nregle Attaque GI Centre\n  X X\n  valeurs2 Attaque:a1:1 Attaque:a1:1 Attaque:a1:1 "
       "Attaque:a1:1\n",
       "f.regles:2: valeurs2: plus de 3 triplets"},
      {"cles 92\nregle Attaque GI Centre\n  X X\n  valeurs2 Attaque:a1:300\n",
       "f.regles:2: valeurs2: valeur hors de -128-127"},
      {"cles 92\nregle Attaque GI Centre\n  X X\n  valeurs2 Attaque:a1\n",
       "f.regles:4: but:cellule:valeur attendu: 'Attaque:a1'"},
      {"cles 4\nregle Oeil G Coin\nsymetrie miroir\n  X\n  concernees a1\n",
       "f.regles:3: symetrie inutile dans un coin: les huit y sont cherchees"},
      {"cles 4\nregle Oeil G Bord\nsymetrie toutes\n  X\n  concernees a1\n",
       "f.regles:3: au bord, seule la symetrie 'miroir' garde le bord en ligne 1"},
      {"cles 4\nregle Oeil G Bord\n  concernees a1\n", "f.regles:3: 'concernees' avant le motif"},
      {"cles 4\nregle Oeil G Bord\n", "f.regles:2: regle sans motif"},
      {"X X\n", "f.regles:1: ligne de motif hors d'une regle"},
      {"cles 4\nregle Oeil G Centre\n  X\n  concernees a1\n  X\n",
       "f.regles:5: le motif doit preceder les listes"},
      {"cles 4\nregle Oeil G Centre\n  X\ncles 4\n",
       "f.regles:4: 'cles' doit preceder les regles et n'etre donne qu'une fois"},
      {"cles 92\nregle Connecter G Centre\n  X O\n  concernees a1 b1\n",
       "f.regles:2: concernees: les deux premieres cellules d'une connexion doivent etre de meme "
       "contenu"},
      {"cles 4\nregle Oeil G Centre\n  XXXXXXXXXXXXXXXXXXXX\n",
       "f.regles:3: motif de plus de 19 colonnes ou lignes"},
  };
  for (const CasErreur& c : cas) {
    SCOPED_TRACE(c.source);
    const Erreurs erreurs = ErreursDe(c.source);
    ASSERT_FALSE(erreurs.empty());
    EXPECT_EQ(erreurs[0], c.message);
  }
}

TEST(Compilateur, AllErrorsOfAFileAreReported) {
  const Erreurs erreurs = ErreursDe(
      "cles 4\n"
      "regle Oeil G Centre\n  X .\n  concernees b1\n"
      "# a good rule between two bad ones\n"
      "regle Oeil G Centre\n  X .\n  concernees a1\n"
      "regle Sortir G Centre\n  X .\n  mauvais a1\n");
  ASSERT_EQ(erreurs.size(), 2u);
  EXPECT_EQ(erreurs[0].rfind("f.regles:2:", 0), 0u);
  EXPECT_EQ(erreurs[1], "f.regles:11: mot inconnu 'mauvais'");
}

TEST(Compilateur, MalformedBinaryFilesAreReportedNotPrinted) {
  const std::vector<uint8_t> bon = Compile(Source("OeilBord"));
  // A file cut anywhere is either refused or, cut between blocks, the file of
  // the blocks before the cut.
  for (size_t n = 1; n < bon.size(); n++) {
    const std::vector<uint8_t> coupe(bon.begin(), bon.begin() + n);
    Erreurs erreurs;
    const FichierRegles f = compilateur::LitBinaire(coupe, CLE_32_BITS, "t", erreurs);
    if (erreurs.empty()) {
      EXPECT_EQ(EcritBinaire(f), coupe) << n;
    }
  }
  Erreurs erreurs;
  compilateur::LitBinaire(bon, CLE_POSITION, "t", erreurs);
  ASSERT_FALSE(erreurs.empty());
  EXPECT_EQ(erreurs[0], "t: octet 9: bloc a cles de 4 octets dans un fichier a cles de 92");
}

}  // namespace
