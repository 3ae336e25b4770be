#include "game/demarrage.h"

#include "analysis/choix.h"
#include "analysis/pipeline.h"
#include "base/reglages.h"
#include "base/trace.h"
#include "board/incremental.h"
#include "game/chrono.h"
#include "game/partie.h"
#include "rules/regles.h"

namespace {

// The points where the analysis board changed, for the whole program.
EnsembleIntersections ModifieesProgramme;

}  // namespace

void InitialisationProgramme() {
  OuvreTraceJeu("game.trace");
  ChargeBaseRegles();
  ReinitialisePartie();
  NumeroCoup = 1;
  ReinitialiseReglages();
  RemiseAZeroChronos();
  FixeChronoAnalyse(SecondesChrono);
  IntersectionsModifiees = &ModifieesProgramme;
}
