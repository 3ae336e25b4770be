#include "base/reglages.h"

ReglagesRecherche Reglages;

void ReinitialiseReglages() {
  Reglages = ReglagesRecherche{};
}
