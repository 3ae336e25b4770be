#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "regles_test.h"

namespace {

// A block written byte by byte, so that any field can be made wrong.
struct Bloc {
  int kind = GoalKind::Oeil, type = RuleType::G, zone = Zone::Centre, w = 2, h = 1;
  std::vector<uint32_t> cles{5};  // one word a key (32-bit files)
  std::vector<uint32_t> offsets{0, 9};
  std::vector<uint8_t> donnees{1, 0, 0, 0, 0, 0, 0, 0, 0};  // a rule concerning cell 0
  int64_t n = -1;                                           // the count written; -1: keys
};

void Mot(std::vector<uint8_t>& o, uint32_t v) {
  for (int k = 0; k < 4; k++) o.push_back(static_cast<uint8_t>(v >> (8 * k)));
}

std::vector<uint8_t> Octets(const std::vector<Bloc>& blocs) {
  std::vector<uint8_t> o;
  for (const Bloc& b : blocs) {
    for (int v : {b.kind, b.type, b.zone, b.w, b.h}) o.push_back(static_cast<uint8_t>(v));
    Mot(o, static_cast<uint32_t>(b.n >= 0 ? b.n : static_cast<int64_t>(b.cles.size())));
    for (uint32_t c : b.cles) Mot(o, c);
    for (uint32_t v : b.offsets) Mot(o, v);
    o.insert(o.end(), b.donnees.begin(), b.donnees.end());
  }
  return o;
}

class BaseTest : public ReglesTest {};

TEST_F(BaseTest, BlockLineAndLookupByHeader) {
  Bloc a;
  a.cles = {1, 7};
  a.offsets = {0, 9, 18};
  a.donnees.insert(a.donnees.end(), a.donnees.begin(), a.donnees.end());
  Bloc b;
  b.kind = GoalKind::Vivre, b.type = RuleType::GI, b.zone = Zone::Coin, b.w = 3, b.h = 2;
  EXPECT_EQ(Charge(Octets({a, b})),
            "Oeil                 G    Centre 2x1 => 2\n"
            "Vivre                GI   Coin   3x2 => 1\n");
  EXPECT_EQ(NombreBases(), 2);
  const BaseRegles trouvee = FindBaseNumber(GoalKind::Oeil, RuleType::G, Zone::Centre, 2, 1);
  ASSERT_EQ(trouvee.N, 2u);
  EXPECT_EQ(trouvee.K, CLE_32_BITS);
  EXPECT_EQ(trouvee.Cles[0], 1u);
  EXPECT_EQ(trouvee.Cles[1], 7u);
  EXPECT_EQ(trouvee.Offsets[2], 18u);
  EXPECT_EQ(trouvee.Donnees[9], 1);
  EXPECT_EQ(trouvee.Donnees[18], 0);  // the byte after the data
  EXPECT_EQ(FindBaseNumber(GoalKind::Vivre, RuleType::GI, Zone::Coin, 3, 2).N, 1u);
  EXPECT_EQ(FindBaseNumber(GoalKind::Vivre, RuleType::G, Zone::Coin, 3, 2).N, 0u);
  EXPECT_EQ(FindBaseNumber(GoalKind::Oeil, RuleType::G, Zone::Centre, 1, 2).N, 0u);
}

TEST_F(BaseTest, BaseKey) {
  EXPECT_EQ(CleBase(4, 2, 1, 3, 2), 4 + 21 * 2 + 147 * (1 + 9 + 114));
  EXPECT_EQ(CleBase(0, 0, 0, 1, 1), 147 * 60);
}

TEST_F(BaseTest, DuplicateHeaderFirstIsFound) {
  Bloc a, b;
  b.cles = {9};
  Charge(Octets({a, b}));
  EXPECT_EQ(NombreBases(), 2);
  EXPECT_EQ(FindBaseNumber(GoalKind::Oeil, RuleType::G, Zone::Centre, 2, 1).Cles[0], 5u);
}

TEST_F(BaseTest, SizeListsInOrderOfFirstAppearance) {
  Bloc a, b, c;
  a.w = 3, a.h = 2;
  b.type = RuleType::GI, b.zone = Zone::Bord, b.w = 3, b.h = 2;
  c.zone = Zone::Coin, c.w = 2, c.h = 3;
  Charge(Octets({a, b, c}));
  const TaillesMotifs& t = TaillesGoalKind[GoalKind::Oeil];
  ASSERT_EQ(t.Nombre, 2);
  EXPECT_EQ(t.w[0], 3);
  EXPECT_EQ(t.h[0], 2);
  EXPECT_EQ(t.w[1], 2);
  EXPECT_EQ(t.h[1], 3);
  EXPECT_EQ(TaillesGoalKind[GoalKind::Vivre].Nombre, 0);
}

TEST_F(BaseTest, EmptyBlockEndsTheFile) {
  Bloc a, vide, b;
  vide.cles.clear();
  vide.offsets = {0};
  vide.donnees.clear();
  vide.kind = GoalKind::Vivre;
  b.kind = GoalKind::Sortir;
  EXPECT_EQ(Charge(Octets({a, vide, b})),
            "Oeil                 G    Centre 2x1 => 1\n"
            "Vivre                G    Centre 2x1 => 0\n");
  EXPECT_EQ(NombreBases(), 1);
  // Rule data of length 0 ends it as well.
  ReinitialiseBaseRegles();
  Bloc sansDonnees;
  sansDonnees.offsets = {0, 0};
  sansDonnees.donnees.clear();
  Charge(Octets({sansDonnees, b}));
  EXPECT_EQ(NombreBases(), 0);
}

// A file cut anywhere keeps every block before the cut and nothing of the
// block being read.
TEST_F(BaseTest, TruncatedFileKeepsCompleteBlocks) {
  Bloc a, b, c;
  b.kind = GoalKind::Vivre;
  c.kind = GoalKind::Sortir;
  const std::vector<uint8_t> entier = Octets({a, b, c});
  const size_t taille = entier.size() / 3;
  for (size_t n = 0; n <= entier.size(); n++) {
    ReinitialiseBaseRegles();
    Charge(std::vector<uint8_t>(entier.begin(), entier.begin() + n));
    EXPECT_EQ(NombreBases(), static_cast<int>(n / taille)) << n;
  }
}

struct Malforme {
  const char* raison;
  void (*abime)(Bloc&);
};

// Blocks that would make the loader or the matcher read past a buffer are
// refused, naming the file and the reason; the blocks before them stay and the
// reading of the file ends.
TEST_F(BaseTest, MalformedBlocksAreRefused) {
  const Malforme cas[] = {
      {"Pb LitBinaire t.bin: but 21 hors de 0-20\n", [](Bloc& b) { b.kind = 21; }},
      {"Pb LitBinaire t.bin: but -1 hors de 0-20\n", [](Bloc& b) { b.kind = -1; }},
      {"Pb LitBinaire t.bin: type de regle 8 hors de 0-7\n", [](Bloc& b) { b.type = 8; }},
      {"Pb LitBinaire t.bin: zone 3 hors de 0-2\n", [](Bloc& b) { b.zone = 3; }},
      {"Pb LitBinaire t.bin: taille 0x1 hors de 1-19\n", [](Bloc& b) { b.w = 0; }},
      {"Pb LitBinaire t.bin: taille 2x20 hors de 1-19\n", [](Bloc& b) { b.h = 20; }},
      {"Pb LitBinaire t.bin: cles de 92 octets dans un fichier a cles de 4 octets\n",
       [](Bloc& b) { b.kind = GoalKind::ValeurCoup; }},
      {"Pb LitBinaire t.bin: cles de 92 octets dans un fichier a cles de 4 octets\n",
       [](Bloc& b) { b.w = 17; }},
      {"Pb LitBinaire t.bin: 1000000 entrees depassent la fin du fichier\n",
       [](Bloc& b) { b.n = 1000000; }},
      {"Pb LitBinaire t.bin: 4294967295 entrees depassent la fin du fichier\n",
       [](Bloc& b) { b.n = 0xFFFFFFFF; }},
      {"Pb LitBinaire t.bin: 4000 octets de regles depassent la fin du fichier\n",
       [](Bloc& b) {
         b.offsets = {0, 4000};
       }},
      {"Pb LitBinaire t.bin: offsets decroissants a l'entree 0\n",
       [](Bloc& b) {
         b.cles = {1, 2};
         b.offsets = {5, 4, 9};
       }},
      {"Pb LitBinaire t.bin: offsets decroissants a l'entree 1\n",
       [](Bloc& b) {
         b.cles = {1, 2};
         b.offsets = {0, 9, 4};
       }},
      {"Pb LitBinaire t.bin: cles non strictement croissantes a l'entree 1\n",
       [](Bloc& b) {
         b.cles = {2, 2};
         b.offsets = {0, 0, 9};
       }},
      {"Pb LitBinaire t.bin: cles non strictement croissantes a l'entree 1\n",
       [](Bloc& b) {
         b.cles = {0x80000000u, 1};
         b.offsets = {0, 0, 9};
       }},
  };
  for (const Malforme& c : cas) {
    SCOPED_TRACE(c.raison);
    ReinitialiseBaseRegles();
    Bloc bon, mauvais, apres;
    bon.kind = GoalKind::Sortir;
    c.abime(mauvais);
    apres.kind = GoalKind::Vivre;
    const std::string sortie = Charge(Octets({bon, mauvais, apres}), CLE_32_BITS, "t.bin");
    EXPECT_NE(sortie.find(c.raison), std::string::npos) << sortie;
    EXPECT_EQ(NombreBases(), 1);
    EXPECT_EQ(FindBaseNumber(GoalKind::Sortir, RuleType::G, Zone::Centre, 2, 1).N, 1u);
    EXPECT_EQ(FindBaseNumber(GoalKind::Vivre, RuleType::G, Zone::Centre, 2, 1).N, 0u);
  }
}

// Position keys are 23 words compared from the first word.
TEST_F(BaseTest, PositionKeysMustAscendWordByWord) {
  Bloc b;
  b.kind = GoalKind::Attaque;
  b.cles.assign(46, 0);
  b.n = 2;
  b.cles[1] = 1;   // first key: word 1 is 1
  b.cles[23] = 5;  // second key: word 0 is 5, above
  b.offsets = {0, 0, 11};
  b.donnees.assign(11, 0);
  Charge(Octets({b}), CLE_POSITION);
  EXPECT_EQ(NombreBases(), 1);
  ReinitialiseBaseRegles();
  b.cles[23] = 0, b.cles[24] = 1;  // equal keys
  EXPECT_NE(Charge(Octets({b}), CLE_POSITION).find("cles non strictement croissantes"),
            std::string::npos);
  EXPECT_EQ(NombreBases(), 0);
}

TEST_F(BaseTest, PoolHandsOutAtMost4999Records) {
  std::vector<MatchedRule*> pris;
  for (int i = 0; i < 4999; i++) {
    MatchedRule* r = popRule();
    ASSERT_NE(r, nullptr) << i;
    pris.push_back(r);
  }
  EXPECT_EQ(std::set<MatchedRule*>(pris.begin(), pris.end()).size(), 4999u);
  {
    CaptureErreurs erreurs;
    EXPECT_EQ(popRule(), nullptr);
    EXPECT_EQ(erreurs.Texte(), "Pb popRule\n");
  }
  EXPECT_EQ(pushRule(pris.back()), 1);
  EXPECT_EQ(popRule(), pris.back());
  for (MatchedRule* r : pris) pushRule(r);
  EXPECT_EQ(SommetPileRegles(), NB_REGLES_POOL);
  // A record given back once too often is refused, not written past the stack.
  CaptureErreurs erreurs;
  EXPECT_EQ(pushRule(pris[0]), -1);
  EXPECT_EQ(erreurs.Texte(), "Pb pushRule\n");
  EXPECT_EQ(SommetPileRegles(), NB_REGLES_POOL);
}

TEST_F(BaseTest, LoaderCreatesEmptyTaggedSets) {
  EXPECT_EQ(MatchedRulesVivre.GoalFamily, 1);
  EXPECT_EQ(MatchedRulesOeil.GoalFamily, 4);
  EXPECT_EQ(MatchedRulesConnecter.GoalFamily, 2);
  EXPECT_EQ(MatchedRulesPartage.GoalFamily, 14);
  EXPECT_EQ(&MatchedRulesDe(GoalKind::Vivre), &MatchedRulesVivre);
  EXPECT_EQ(&MatchedRulesDe(GoalKind::Oeil), &MatchedRulesOeil);
  EXPECT_EQ(&MatchedRulesDe(GoalKind::Connecter), &MatchedRulesConnecter);
  for (int kind : {0, 3, 5, 13, 14, 19, 20}) EXPECT_EQ(&MatchedRulesDe(kind), &MatchedRulesPartage);
  EXPECT_EQ(SommetPileRegles(), NB_REGLES_POOL);
}

// The start-up loader in a directory that holds only two of the six files:
// the missing ones are reported in order and the others load.
TEST_F(BaseTest, StartUpReadsTheSixFilesInOrder) {
  const std::filesystem::path ici = std::filesystem::current_path();
  const std::filesystem::path dossier =
      std::filesystem::temp_directory_path() / ("ilvane-regles-" + std::to_string(getpid()));
  std::filesystem::create_directories(dossier);
  const std::string source = std::string(ILVANE_DOSSIER_REGLES);
  std::filesystem::copy_file(source + "/OeilBord.bin", dossier / "OeilBord.bin");
  std::filesystem::copy_file(source + "/Fuzeki.bin", dossier / "Fuzeki.bin");
  std::filesystem::current_path(dossier);
  std::string sortie;
  {
    CaptureErreurs erreurs;
    ChargeBaseRegles();
    sortie = erreurs.Texte();
  }
  std::filesystem::current_path(ici);
  std::filesystem::remove_all(dossier);
  const std::string manque = "Pb LitBinaire : No such file or directory\n";
  // OeilCentre missing, OeilBord's blocks, OeilCoin, VivreBord, VivreCoin missing, Fuzeki's blocks.
  const size_t bord = sortie.find("Oeil                 G    Bord");
  const size_t fuzeki = sortie.find("ValeurCoup");
  ASSERT_NE(bord, std::string::npos) << sortie;
  ASSERT_NE(fuzeki, std::string::npos) << sortie;
  EXPECT_EQ(sortie.find(manque), 0u);
  EXPECT_EQ(sortie.substr(sortie.find(manque, bord), 3 * manque.size()), manque + manque + manque);
  EXPECT_GT(sortie.find(manque, bord), bord);
  EXPECT_LT(sortie.rfind(manque), fuzeki);
  EXPECT_GT(TaillesGoalKind[GoalKind::Oeil].Nombre, 0);
  EXPECT_GT(TaillesGoalKind[GoalKind::ValeurCoup].Nombre, 0);
  EXPECT_EQ(TaillesGoalKind[GoalKind::Vivre].Nombre, 0);
  EXPECT_EQ(TailleCle, CLE_POSITION);
}

TEST_F(BaseTest, ShippedFilesLoadFromTheBuild) {
  const std::string dossier = std::string(ILVANE_DOSSIER_REGLES) + "/";
  const std::pair<const char*, int> fichiers[] = {
      {"OeilCentre.bin", CLE_32_BITS}, {"OeilBord.bin", CLE_32_BITS},
      {"OeilCoin.bin", CLE_32_BITS},   {"VivreBord.bin", CLE_32_BITS},
      {"VivreCoin.bin", CLE_32_BITS},  {"Fuzeki.bin", CLE_POSITION}};
  int blocs = 0;
  for (const auto& [nom, cles] : fichiers) {
    const std::string contenu = LitFichier(dossier + nom);
    const std::string sortie =
        Charge(std::vector<uint8_t>(contenu.begin(), contenu.end()), cles, nom);
    EXPECT_EQ(sortie.find("Pb"), std::string::npos) << sortie;
    blocs += static_cast<int>(std::count(sortie.begin(), sortie.end(), '\n'));
  }
  EXPECT_EQ(NombreBases(), blocs);
  for (int kind : {GoalKind::Oeil, GoalKind::Vivre, GoalKind::ValeurCoup, GoalKind::GroupeStable,
                   GoalKind::GrandeExtension, GoalKind::Attaque, GoalKind::Defense})
    EXPECT_GT(TaillesGoalKind[kind].Nombre, 0) << kind;
}

// Headers of many distinct blocks, spread over the hash buckets.
std::vector<Bloc> BlocsDistincts(int nombre) {
  std::vector<Bloc> blocs;
  for (int h = 1; h <= 16 && static_cast<int>(blocs.size()) < nombre; h++)
    for (int w = 1; w * h <= 16 && static_cast<int>(blocs.size()) < nombre; w++)
      for (int zone = 0; zone < 3 && static_cast<int>(blocs.size()) < nombre; zone++)
        for (int type = 0; type < 7 && static_cast<int>(blocs.size()) < nombre; type++)
          for (int kind = 0; kind < 14 && static_cast<int>(blocs.size()) < nombre; kind++) {
            if (kind == GoalKind::Connecter) continue;
            Bloc b;
            b.kind = kind, b.type = type, b.zone = zone, b.w = w, b.h = h;
            blocs.push_back(b);
          }
  return blocs;
}

TEST_F(BaseTest, FullBucketEndsTheProgram) {
  std::vector<Bloc> blocs(9);
  Charge(Octets(blocs));
  EXPECT_EQ(NombreBases(), 9);
  blocs.resize(10);
  EXPECT_EXIT(
      {
        ReinitialiseBaseRegles();
        Charge(Octets(blocs));
      },
      ::testing::ExitedWithCode(1), "");
  // The message itself, with the ending replaced.
  ReinitialiseBaseRegles();
  FixeSortieFatale([](int code) { throw code; });
  CaptureErreurs erreurs;
  TailleCle = CLE_32_BITS;
  std::FILE* f = std::tmpfile();
  const std::vector<uint8_t> o = Octets(blocs);
  std::fwrite(o.data(), 1, o.size(), f);
  try {
    LitFluxBinaire(f, "t");
    ADD_FAILURE() << "no ending";
  } catch (int code) {
    EXPECT_EQ(code, 1);
  }
  std::fclose(f);
  EXPECT_EQ(erreurs.Texte().substr(erreurs.Texte().find("Pb")),
            "Pb dans NewBaseNumber: Augmenter MaxEltHashBaseNumber\n");
}

TEST_F(BaseTest, The2000thBaseEndsTheProgram) {
  const std::vector<Bloc> blocs = BlocsDistincts(MaxBaseNumber);
  ASSERT_EQ(blocs.size(), static_cast<size_t>(MaxBaseNumber));
  std::vector<int> seaux(NB_SEAUX_BASES, 0);
  for (const Bloc& b : blocs) seaux[CleBase(b.kind, b.type, b.zone, b.w, b.h) % NB_SEAUX_BASES]++;
  ASSERT_LE(*std::max_element(seaux.begin(), seaux.end()), MaxEltHashBaseNumber);
  Charge(Octets(std::vector<Bloc>(blocs.begin(), blocs.end() - 1)));
  EXPECT_EQ(NombreBases(), MaxBaseNumber - 1);
  EXPECT_EXIT(NewBaseNumber(CleBase(20, 7, 2, 19, 19)), ::testing::ExitedWithCode(1),
              "Pb dans NewBaseNumber: Augmenter MaxBaseNumber");
  FixeSortieFatale([](int code) { throw code; });
  CaptureErreurs erreurs;
  EXPECT_THROW(NewBaseNumber(CleBase(20, 7, 2, 19, 19)), int);
  EXPECT_EQ(erreurs.Texte(), "Pb dans NewBaseNumber: Augmenter MaxBaseNumber\n");
}

// Random corruption of real rule files, then whole-board matching of every
// kind with them: reported, never a crash (run under the sanitizer).
TEST_F(BaseTest, CorruptedFilesNeverCrash) {
  const std::string dossier = std::string(ILVANE_DOSSIER_REGLES) + "/";
  const std::pair<const char*, int> fichiers[] = {{"OeilCentre.bin", CLE_32_BITS},
                                                  {"OeilBord.bin", CLE_32_BITS},
                                                  {"VivreCoin.bin", CLE_32_BITS},
                                                  {"Fuzeki.bin", CLE_POSITION}};
  std::mt19937 aleas(12345);
  std::string diagramme;
  for (int p = 0; p < 81; p++) diagramme += ".XO"[aleas() % 3];
  for (int essai = 0; essai < 300; essai++) {
    ReinitialiseBaseRegles();
    const auto& [nom, cles] = fichiers[essai % 4];
    const std::string contenu = LitFichier(dossier + nom);
    std::vector<uint8_t> o(contenu.begin(), contenu.end());
    const int abimes = 1 + static_cast<int>(aleas() % 4);
    for (int k = 0; k < abimes; k++) o[aleas() % o.size()] = static_cast<uint8_t>(aleas());
    if (aleas() % 3 == 0) o.resize(aleas() % o.size());
    Charge(o, cles, nom);
    Position(diagramme);
    CaptureErreurs erreurs;
    for (int kind = 0; kind < GoalKind::Nombre; kind++)
      for (int g : {1, 2}) MatchBoardBothTypes(g, kind);
    EXPECT_EQ(SommetPileRegles() + MatchedRulesVivre.NbGRules + MatchedRulesVivre.NbGiRules +
                  MatchedRulesOeil.NbGRules + MatchedRulesOeil.NbGiRules +
                  MatchedRulesConnecter.NbGRules + MatchedRulesConnecter.NbGiRules +
                  MatchedRulesPartage.NbGRules + MatchedRulesPartage.NbGiRules,
              NB_REGLES_POOL);
  }
}

}  // namespace
