#pragma once

// The analysis the groups need, run on a diagram for the group and static
// value tests and benchmarks: the stages that exist, in pipeline order.

#include <string>

#include "analysis/groupes.h"
#include "analysis/liens.h"
#include "analysis/valeurs.h"
#include "analysis/yeux.h"
#include "board/incremental.h"
#include "diagramme.h"
#include "tactics/intersections.h"
#include "tactics/prise.h"

inline void ReinitialiseAnalyseGroupes() {
  ReinitialiseIncremental();
  ReinitialisePrises();
  ReinitialiseIntersections();
  ReinitialiseYeux();
  ReinitialiseLiens();
  ReinitialiseGroupes();
  ReinitialiseValeurs();
}

// The stages before the groups on the incremental board as it stands.
inline void AnalyseAvantGroupes() {
  InitialisePrises();
  CalculeJeuxPrendre();
  MarqueIntersectionsATester();
  CalculeJeuxIntersection();
  InitialiseYeux();
}

inline void AnalyseGroupes(const Damier& d) {
  InitialiseDamierIncremental(d);
  AnalyseAvantGroupes();
  FormeGroupes();
}

inline void AnalyseGroupes(const std::string& diagramme) {
  AnalyseGroupes(DamierDe(diagramme));
}
