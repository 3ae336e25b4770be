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

#include <algorithm>
#include <vector>

#include "analysis/regions.h"
#include "analysis/viestatique.h"
#include "analysis/yeux.h"
#include "board/incremental.h"
#include "tactics/intersections.h"
#include "tactics/positions_prise.h"
#include "tactics/prise.h"
#include "temps_processeur.h"

namespace {

constexpr int RUNS_PAR_POSITION = 50;

template <void (*Etape)()>
void EtapeBanc(benchmark::State& state) {
  const std::vector<Damier> positions = PositionsPriseAvec(static_cast<int>(state.range(0)));
  ReinitialiseIncremental();
  double totalMs = 0, pireMs = 0;
  int64_t mesures = 0, regions = 0;
  for (auto _ : state) {
    double iterationMs = 0;
    for (const Damier& d : positions) {
      InitialiseDamierIncremental(d);
      InitialisePrises();
      CalculeJeuxPrendre();
      MarqueIntersectionsATester();
      CalculeJeuxIntersection();
      CalculeVieStatique();
      const double debut = MsProcesseur();
      for (int k = 0; k < RUNS_PAR_POSITION; k++) {
        ReinitialiseYeux();
        Etape();
      }
      const double ms = MsProcesseur() - debut;
      iterationMs += ms;
      pireMs = std::max(pireMs, ms / RUNS_PAR_POSITION);
      mesures += RUNS_PAR_POSITION;
      regions += RegionsChen.Nombre;
    }
    totalMs += iterationMs;
    state.SetIterationTime(iterationMs / 1000.0);
  }
  state.counters["positions"] = static_cast<double>(positions.size());
  state.counters["ms_moyen"] = totalMs / static_cast<double>(mesures);
  state.counters["ms_pire"] = pireMs;
  state.counters["regions_par_position"] =
      static_cast<double>(regions) * RUNS_PAR_POSITION / static_cast<double>(mesures);
}

BENCHMARK(EtapeBanc<CalculeVieStatique>)
    ->Name("CalculeVieStatique")
    ->UseManualTime()
    ->Iterations(10)
    ->Arg(0)
    ->Arg(20)
    ->Arg(40)
    ->Arg(60)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(EtapeBanc<CalculeYeuxEtRegionsChen>)
    ->Name("CalculeYeuxEtRegionsChen")
    ->UseManualTime()
    ->Iterations(10)
    ->Arg(0)
    ->Arg(20)
    ->Arg(40)
    ->Arg(60)
    ->Unit(benchmark::kMillisecond);

}  // namespace
