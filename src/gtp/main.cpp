// ilvane-gtp: the engine behind the Go Text Protocol, for Go GUIs and matches
// against other engines. Standard output carries the protocol only; the
// engine's console lines and every diagnostic go to the error stream.

#include <csignal>
#include <cstdio>
#include <iostream>

#include "base/trace.h"
#include "board/goban.h"
#include "game/demarrage.h"
#include "gtp/gtp.h"

int main() {
  // A controller that goes away ends the session like the end of the input,
  // through a failed write, rather than killing the engine.
  std::signal(SIGPIPE, SIG_IGN);
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);
  FixeSortieConsole(stderr);
  InitialiseGoban(9);
  InitialisationProgramme();
  ReinitialiseGtp();
  BoucleGtp(std::cin, std::cout);
  return 0;
}
