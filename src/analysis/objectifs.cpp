#include "analysis/objectifs.h"

// Until the group connection goals and the string connection goals are built,
// both sources are empty: the move choice sees no goal of either kind.

void ConstruitObjectifsConnexionGroupes() {}

int32_t NombreObjectifsConnexionGroupes() {
  return 0;
}

ObjectifCoups ObjectifConnexionGroupes(int32_t) {
  return {};
}

int32_t NombreObjectifsConnexion() {
  return 0;
}

ObjectifCoups ObjectifConnexion(int32_t) {
  return {};
}
