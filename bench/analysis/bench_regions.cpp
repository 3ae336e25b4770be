// The static life (CalculeVieStatique: the static-life board, the enclosure,
// the eye points and the eye regions) and its last two steps alone
// (CalculeYeuxEtRegionsChen) on the 30 fixed 9x9 positions of the capture
// benchmark: milliseconds per position, mean and worst (processor time).
//
//   bench_analysis --benchmark_filter='VieStatique|YeuxEtRegions'
//
// The stages it reads (capture games, intersection safety) run once per
// position before the clock starts; the measured step changes nothing on the
// board, so it runs RUNS_PAR_POSITION times on each.

#include <benchmark/benchmark.h>

#include <vector>

#include "analysis/regions.h"
#include "analysis/viestatique.h"
#include "analysis/yeux.h"
#include "board/incremental.h"
#include "mesures.h"
#include "tactics/intersections.h"
#include "tactics/positions_prise.h"
#include "tactics/prise.h"

namespace {

constexpr int RUNS_PAR_POSITION = 50;

template <void (*Etape)()>
void EtapeBanc(benchmark::State& state) {
  const std::vector<Damier> positions = PositionsPriseAvec(static_cast<int>(state.range(0)));
  ReinitialiseIncremental();
  MesureEtapeRepetee(
      state, positions, RUNS_PAR_POSITION,
      [](const Damier& d) {
        InitialiseDamierIncremental(d);
        InitialisePrises();
        CalculeJeuxPrendre();
        MarqueIntersectionsATester();
        CalculeJeuxIntersection();
        CalculeVieStatique();
      },
      [] {
        ReinitialiseYeux();
        Etape();
      },
      "regions_par_position", [] { return int64_t{RegionsChen.Nombre}; });
}

BENCHMARK(EtapeBanc<CalculeVieStatique>)->Name("CalculeVieStatique")->Apply(ParNombreDeCoups);
BENCHMARK(EtapeBanc<CalculeYeuxEtRegionsChen>)
    ->Name("CalculeYeuxEtRegionsChen")
    ->Apply(ParNombreDeCoups);

}  // namespace
