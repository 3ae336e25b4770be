// ilvane-generateur: writes the generated eye and life rule sources.
//
//   ilvane-generateur DOSSIER        writes DOSSIER/OeilCentre.regles ... VivreCoin.regles,
//                                    each followed by DOSSIER/manuelles/<same name>
//   ilvane-generateur DOSSIER --compte   the number of rules of each file
//
// Run it on data/rules after changing the solver or the windows, and commit
// the sources: a test checks that they are what the generator writes.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "generateur.h"

namespace {

std::string Lit(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || (argc == 3 && std::string(argv[2]) != "--compte")) {
    std::fprintf(stderr, "usage: ilvane-generateur DOSSIER [--compte]\n");
    return 2;
  }
  const std::string dossier = argv[1];
  for (const char* nom : generateur::FICHIERS_GENERES) {
    if (argc == 3) {
      std::printf("%-12s %zu\n", nom, generateur::ReglesGenerees(nom).size());
      continue;
    }
    const std::string manuelles = Lit(dossier + "/manuelles/" + nom + ".regles");
    const std::string source = generateur::SourceGeneree(nom, manuelles);
    const std::string chemin = dossier + "/" + nom + ".regles";
    std::ofstream f(chemin, std::ios::binary);
    f << source;
    if (!f) {
      std::fprintf(stderr, "%s: cannot write\n", chemin.c_str());
      return 1;
    }
  }
  return 0;
}
