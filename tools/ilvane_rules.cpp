// ilvane-rules: compiles rule sources into binary rule files, and prints any
// binary rule file back as source text.
//
//   ilvane-rules compile SOURCE.regles -o FICHIER.bin
//   ilvane-rules texte FICHIER.bin [--cles 4|92]

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "compilateur.h"

namespace {

bool Lit(const std::string& chemin, std::string& contenu) {
  std::ifstream f(chemin, std::ios::binary);
  if (!f) return false;
  contenu.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  return true;
}

int Usage() {
  std::fprintf(stderr,
               "usage: ilvane-rules compile SOURCE.regles -o FICHIER.bin\n"
               "       ilvane-rules texte FICHIER.bin [--cles 4|92]\n");
  return 2;
}

int Echec(const compilateur::Erreurs& erreurs) {
  for (const std::string& e : erreurs) std::fprintf(stderr, "%s\n", e.c_str());
  return 1;
}

int Compile(const std::string& source, const std::string& sortie) {
  std::string texte;
  if (!Lit(source, texte)) {
    std::fprintf(stderr, "%s: %s\n", source.c_str(), std::strerror(errno));
    return 1;
  }
  compilateur::Erreurs erreurs;
  const compilateur::FichierRegles f = compilateur::LitSource(texte, source, erreurs);
  if (!erreurs.empty()) return Echec(erreurs);
  const std::vector<uint8_t> octets = compilateur::EcritBinaire(f);
  // Written whole under a temporary name, so that a failed run leaves no
  // half-written rule file behind.
  const std::string provisoire = sortie + ".tmp";
  std::FILE* s = std::fopen(provisoire.c_str(), "wb");
  if (!s || std::fwrite(octets.data(), 1, octets.size(), s) != octets.size() ||
      std::fclose(s) != 0 || std::rename(provisoire.c_str(), sortie.c_str()) != 0) {
    std::fprintf(stderr, "%s: %s\n", sortie.c_str(), std::strerror(errno));
    return 1;
  }
  return 0;
}

int Texte(const std::string& chemin, int cles) {
  std::string contenu;
  if (!Lit(chemin, contenu)) {
    std::fprintf(stderr, "%s: %s\n", chemin.c_str(), std::strerror(errno));
    return 1;
  }
  compilateur::Erreurs erreurs;
  const std::vector<uint8_t> octets(contenu.begin(), contenu.end());
  const compilateur::FichierRegles f = compilateur::LitBinaire(octets, cles, chemin, erreurs);
  if (!erreurs.empty()) return Echec(erreurs);
  std::fputs(compilateur::EcritSource(f).c_str(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 4 && args[0] == "compile" && args[2] == "-o") return Compile(args[1], args[3]);
  if (args.size() == 2 && args[0] == "texte")
    return Texte(args[1], compilateur::ClesParDefaut(args[1]));
  if (args.size() == 4 && args[0] == "texte" && args[2] == "--cles") {
    const int cles = std::atoi(args[3].c_str());
    return Texte(args[1], cles);
  }
  return Usage();
}
