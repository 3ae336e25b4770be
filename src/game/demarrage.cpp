#include "game/demarrage.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "analysis/choix.h"
#include "game/chrono.h"
#include "game/partie.h"
#include "game/trace.h"

namespace {

// Stands in for the rule base loader until src/rules provides ChargeBaseRegles:
// each rule file read at start-up is looked for, and one that cannot be opened
// is reported as the loader reports it. Remove this when the loader lands.
void ChargeBaseRegles() {
  for (const char* nom : {"OeilCentre.bin", "OeilBord.bin", "OeilCoin.bin", "VivreBord.bin",
                          "VivreCoin.bin", "Fuzeki.bin"}) {
    std::FILE* f = std::fopen(nom, "rb");
    if (f)
      std::fclose(f);
    else
      Signale("Pb LitBinaire : %s\n", std::strerror(errno));
  }
}

}  // namespace

void InitialisationProgramme() {
  OuvreTraceJeu("game.trace");
  ChargeBaseRegles();
  CouleurNoir = 1;
  CouleurBlanc = 2;
  VideHistorique();
  NumeroCoup = 1;
  RemiseAZeroChronos();
  ViderDamier(DamierCourant);
}
