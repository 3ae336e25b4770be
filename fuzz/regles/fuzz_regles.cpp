// libFuzzer target for the rule-file loader and the matcher that reads what it
// loaded. Kept inputs that once failed live in fuzz/regles/entrees.

#include <cstddef>
#include <cstdint>

#include "harnais.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
  harnais::EssaieFichierRegles(octets, taille);
  return 0;
}
