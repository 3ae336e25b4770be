// The stages "Menaces De Prendre", "Menaces Doubles De Prendre" and
// "jeux intersection" on the fixed 9x9 positions of positions_prise.h, the
// positions of the capture stage's benchmark: milliseconds per position, mean
// and worst (processor time).
//
//   bench_tactics --benchmark_filter='Menaces|Intersection'
//
// Each stage is timed alone; the stages it reads (the capture stage, and for
// the double threats the threat stage) run before it, untimed; the stage then
// runs RUNS_PAR_POSITION times. The time column is the stage's processor time
// for all those runs over the positions of the set.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "base/trace.h"
#include "diagramme.h"
#include "positions_prise.h"
#include "tactics/intersections.h"
#include "tactics/menaces.h"
#include "tactics/prise.h"
#include "temps_processeur.h"

namespace {

// Runs of a stage on one position between two set-ups: the stages take a few
// hundredths of a millisecond, the capture stage they read a few milliseconds.
constexpr int RUNS_PAR_POSITION = 20;

// Runs `stage` on every position with `coups` moves (0: all of them), after the
// capture stage and `preparation`. A position's time is the mean of its runs;
// the counters are the mean and the worst of them.
template <class Preparation, class Stage>
void MesureStage(benchmark::State& state, Preparation preparation, Stage stage) {
  const int coups = static_cast<int>(state.range(0));
  const std::vector<Damier> positions = PositionsPriseAvec(coups);
  ReinitialiseIncremental();
  ReinitialisePrises();
  ReinitialiseMenaces();
  ReinitialiseIntersections();
  // The double-threat stage writes its reasoning on the error stream.
  std::FILE* nul = std::fopen("/dev/null", "w");
  if (nul) FixeSortieErreurs(nul);

  double totalMs = 0, pireMs = 0;
  int64_t mesures = 0;
  for (auto _ : state) {
    double iterationMs = 0;
    for (const Damier& d : positions) {
      InitialiseDamierIncremental(d);
      InitialisePrises();
      CalculeJeuxPrendre();
      preparation();
      const double debut = MsProcesseur();
      for (int k = 0; k < RUNS_PAR_POSITION; k++) stage();
      const double ms = MsProcesseur() - debut;
      iterationMs += ms;
      pireMs = std::max(pireMs, ms / RUNS_PAR_POSITION);
      mesures += RUNS_PAR_POSITION;
    }
    totalMs += iterationMs;
    state.SetIterationTime(iterationMs / 1000.0);
  }
  FixeSortieErreurs(nullptr);
  if (nul) std::fclose(nul);
  state.counters["positions"] = static_cast<double>(positions.size());
  state.counters["ms_moyen"] = totalMs / static_cast<double>(mesures);
  state.counters["ms_pire"] = pireMs;
}

void MenacesDePrendre(benchmark::State& state) {
  MesureStage(
      state, [] {}, [] { CalculeMenacesDePrendre(); });
}
BENCHMARK(MenacesDePrendre)
    ->UseManualTime()
    ->Iterations(10)
    ->Arg(0)
    ->Arg(20)
    ->Arg(40)
    ->Arg(60)
    ->Unit(benchmark::kMillisecond);

void MenacesDoublesDePrendreBanc(benchmark::State& state) {
  MesureStage(
      state, [] { CalculeMenacesDePrendre(); }, [] { MenacesDoublesDePrendre(); });
}
BENCHMARK(MenacesDoublesDePrendreBanc)
    ->Name("MenacesDoublesDePrendre")
    ->UseManualTime()
    ->Iterations(10)
    ->Arg(0)
    ->Arg(20)
    ->Arg(40)
    ->Arg(60)
    ->Unit(benchmark::kMillisecond);

void JeuxIntersection(benchmark::State& state) {
  MesureStage(
      state, [] {},
      [] {
        MarqueIntersectionsATester();
        CalculeJeuxIntersection();
      });
}
BENCHMARK(JeuxIntersection)
    ->UseManualTime()
    ->Iterations(10)
    ->Arg(0)
    ->Arg(20)
    ->Arg(40)
    ->Arg(60)
    ->Unit(benchmark::kMillisecond);

}  // namespace
