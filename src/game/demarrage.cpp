#include "game/demarrage.h"

#include "analysis/choix.h"
#include "game/trace.h"

void InitialisationProgramme() {
  NumeroCoup = 1;
  OuvreTraceJeu("game.trace");
}
