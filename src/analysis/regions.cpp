#include "analysis/regions.h"

#include "analysis/pointsoeil.h"

TableRegions RegionsChen;

void ReinitialiseRegions() {
  RegionsChen.Nombre = 0;
}

// Body to come once the static-life board and the enclosure maps exist.
void CalculRegionsYeuxChen() {
  ReinitialiseRegions();
}

int RegionsLiees(const RegionChen&, const RegionChen&) {
  return 0;
}

void ImprimeRegions(std::FILE* f) {
  std::fprintf(f, "RegionsChen\n");
}

void CalculeYeuxEtRegionsChen() {
  CalculeOeilsChen();
  CalculRegionsYeuxChen();
}
