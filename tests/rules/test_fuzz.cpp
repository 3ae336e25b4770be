#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "harnais.h"
#include "regles_test.h"

namespace {

// The inputs kept from fuzzing the rule-file loader, and the shipped files,
// replayed through the fuzz target's own run (under the sanitizer in CI).
TEST(FuzzRegles, KeptInputsReplayCleanly) {
  std::vector<std::filesystem::path> entrees;
  for (const auto& e : std::filesystem::directory_iterator(ILVANE_ENTREES_FUZZ))
    if (e.is_regular_file()) entrees.push_back(e.path());
  std::sort(entrees.begin(), entrees.end());
  EXPECT_FALSE(entrees.empty());
  for (const char* nom : {"OeilCentre", "OeilBord", "OeilCoin", "VivreBord", "VivreCoin", "Fuzeki"})
    entrees.push_back(std::filesystem::path(ILVANE_DOSSIER_REGLES) / (std::string(nom) + ".bin"));
  for (const auto& chemin : entrees) {
    SCOPED_TRACE(chemin.string());
    std::string octets = LitFichier(chemin.string());
    // The shipped files go in with the key width their name calls for.
    if (chemin.extension() == ".bin")
      octets.insert(octets.begin(), chemin.stem() == "Fuzeki" ? '\1' : '\0');
    harnais::EssaieFichierRegles(reinterpret_cast<const uint8_t*>(octets.data()), octets.size());
    EXPECT_EQ(SommetPileRegles(), NB_REGLES_POOL);
    EXPECT_EQ(IncrementalMatching, 0);
  }
}

}  // namespace
