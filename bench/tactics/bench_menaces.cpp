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

#include <vector>

#include "diagramme.h"
#include "mesures.h"
#include "positions_prise.h"
#include "tactics/intersections.h"
#include "tactics/menaces.h"
#include "tactics/prise.h"

namespace {

// Runs of a stage on one position between two set-ups: the stages take a few
// hundredths of a millisecond, the capture stage they read a few milliseconds.
constexpr int RUNS_PAR_POSITION = 20;

// Runs `stage` on every position with `coups` moves (0: all of them), after the
// capture stage and `preparation`.
template <class Preparation, class Stage>
void MesureStage(benchmark::State& state, Preparation preparation, Stage stage) {
  const int coups = static_cast<int>(state.range(0));
  const std::vector<Damier> positions = PositionsPriseAvec(coups);
  ReinitialiseIncremental();
  ReinitialisePrises();
  ReinitialiseMenaces();
  ReinitialiseIntersections();
  // The double-threat stage writes its reasoning on the error stream.
  const ErreursMuettes muettes;
  MesureEtapeRepetee(
      state, positions, RUNS_PAR_POSITION,
      [&](const Damier& d) {
        InitialiseDamierIncremental(d);
        InitialisePrises();
        CalculeJeuxPrendre();
        preparation();
      },
      stage);
}

void MenacesDePrendre(benchmark::State& state) {
  MesureStage(
      state, [] {}, [] { CalculeMenacesDePrendre(); });
}
BENCHMARK(MenacesDePrendre)->Apply(ParNombreDeCoups);

void MenacesDoublesDePrendreBanc(benchmark::State& state) {
  MesureStage(
      state, [] { CalculeMenacesDePrendre(); }, [] { MenacesDoublesDePrendre(); });
}
BENCHMARK(MenacesDoublesDePrendreBanc)->Name("MenacesDoublesDePrendre")->Apply(ParNombreDeCoups);

void JeuxIntersection(benchmark::State& state) {
  MesureStage(
      state, [] {},
      [] {
        MarqueIntersectionsATester();
        CalculeJeuxIntersection();
      });
}
BENCHMARK(JeuxIntersection)->Apply(ParNombreDeCoups);

}  // namespace
