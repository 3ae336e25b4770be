#pragma once

// The analysis the groups need, run on a diagram for the group and static
// value tests and benchmarks: the stages that exist, in pipeline order.

#include <string>

#include "analysis/groupes.h"
#include "analysis/influence.h"
#include "analysis/liens.h"
#include "analysis/pipeline.h"
#include "analysis/pointsoeil.h"
#include "analysis/regions.h"
#include "analysis/valeurs.h"
#include "analysis/viestatique.h"
#include "analysis/yeux.h"
#include "board/incremental.h"
#include "diagramme.h"
#include "tactics/intersections.h"
#include "tactics/prise.h"

inline void ReinitialiseAnalyseGroupes() {
  Silence = true;
  ReinitialiseIncremental();
  ReinitialiseAnalyse();
  ReinitialiseVieStatique();
  ReinitialiseInfluence();
  ReinitialisePointsOeil();
  ReinitialiseRegions();
  ReinitialisePrises();
  ReinitialiseIntersections();
  ReinitialiseYeux();
  ReinitialiseLiens();
  ReinitialiseGroupes();
  ReinitialiseValeurs();
}

// The full pipeline on the incremental board as it stands.
inline void AnalyseAvantGroupes() {
  AnalyseComplete();
  // The eye table is not a stage of the pipeline yet: filled here, then the
  // static life again, whose eye regions add their eyes to it.
  InitialiseYeux();
  ExecuteEtape(ETAPE_VIE_STATIQUE);
}

inline void AnalyseGroupes(const Damier& d) {
  InitialiseDamierIncremental(d);
  AnalyseAvantGroupes();
  FormeGroupes();
}

inline void AnalyseGroupes(const std::string& diagramme) {
  AnalyseGroupes(DamierDe(diagramme));
}
