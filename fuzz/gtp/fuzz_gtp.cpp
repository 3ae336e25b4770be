// libFuzzer target over the GTP command loop: any input must get well-formed
// answers without a crash, a hang or a sanitizer report. Inputs worth keeping
// go to fuzz/gtp/entrees-gtp/, which the test program replays.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>

#include "base/trace.h"
#include "gtp/gtp.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The engine's lines would drown the fuzzer's own.
  static std::FILE* nul = std::fopen("/dev/null", "w");
  FixeSortieConsole(nul);
  FixeSortieErreurs(nul);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ReinitialiseGtp();
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  BoucleGtp(in, out);
  // Every answer ends with its blank line.
  const std::string s = out.str();
  if (!s.empty() && (s.size() < 4 || s.compare(s.size() - 2, 2, "\n\n") != 0)) __builtin_trap();
  return 0;
}
