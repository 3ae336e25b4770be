// Unconditional life: benson on every string of both colours, on the fixed
// middle-game positions of positions_prise.h (by number of moves, 0: all) and
// on ten late positions of seeded random play (PositionAleatoire, seeds 1 to
// 10, 150 moves), where many strings are proven alive: milliseconds per
// position, mean and worst (processor time), and strings proven per position.
//
//   bench_tactics --benchmark_filter=Benson

#include <benchmark/benchmark.h>

#include <vector>

#include "mesures.h"
#include "positions_aleatoires.h"
#include "positions_prise.h"
#include "tactics/benson.h"

namespace {

constexpr int RUNS_PAR_POSITION = 200;

int64_t prouvees = 0;

void BensonDeuxCouleurs() {
  for (int c = 1; c <= 2; c++) {
    Liste<BENSON_STRINGS_MAX> l;
    StringsCouleur(c, l);
    benson(c, l);
    prouvees += l.Nombre;
  }
}

int64_t ProuveesParRun() {
  const int64_t n = prouvees / RUNS_PAR_POSITION;
  prouvees = 0;
  return n;
}

void Mesure(benchmark::State& state, const std::vector<Damier>& positions) {
  ReinitialiseIncremental();
  prouvees = 0;
  MesureEtapeRepetee(
      state, positions, RUNS_PAR_POSITION, [](const Damier& d) { InitialiseDamierIncremental(d); },
      BensonDeuxCouleurs, "vivantes", ProuveesParRun);
}

void BensonMilieuDePartie(benchmark::State& state) {
  Mesure(state, PositionsPriseAvec(static_cast<int>(state.range(0))));
}
BENCHMARK(BensonMilieuDePartie)->Apply(ParNombreDeCoups);

void BensonFinDePartie(benchmark::State& state) {
  std::vector<Damier> positions;
  for (uint32_t graine = 1; graine <= 10; graine++)
    positions.push_back(PositionAleatoire(9, graine, 150));
  Mesure(state, positions);
}
BENCHMARK(BensonFinDePartie)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace
