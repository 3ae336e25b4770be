// libFuzzer target over loadsgf: any file is either loaded into a sound
// position or refused with the game left as it was, without a crash, a hang
// or a sanitizer report. Inputs worth keeping go to fuzz/gtp/entrees-sgf/.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "base/trace.h"
#include "board/damier.h"
#include "gtp/gtp.h"

namespace {

std::string fichier;

std::string R(const std::string& ligne) {
  std::string r;
  TraiteLigneGtp(ligne, r);
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static std::FILE* nul = std::fopen("/dev/null", "w");
  FixeSortieConsole(nul);
  FixeSortieErreurs(nul);
  fichier = "/tmp/fuzz-sgf-" + std::to_string(getpid()) + ".sgf";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ReinitialiseGtp();
  R("play b E5");
  const Damier avant = PositionGtp();
  std::FILE* f = std::fopen(fichier.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  const std::string r = R("loadsgf " + fichier + (size % 3 == 0 ? " 5" : ""));
  if (r.size() < 3 || r.compare(r.size() - 2, 2, "\n\n") != 0) __builtin_trap();
  if (r[0] == '?') {
    if (!(PositionGtp() == avant) || TailleGoban != 9) __builtin_trap();
    return 0;
  }
  if (r != "= black\n\n" && r != "= white\n\n") __builtin_trap();
  // Every chain of the loaded position has a liberty.
  const Damier& d = PositionGtp();
  for (int32_t p = 0; p < NbIntersections; p++)
    if (Couleur(d, p) != 0 && !AuMoinsNLibertes(d, p, 1)) __builtin_trap();
  return 0;
}
