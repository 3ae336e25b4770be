// The stage "jeux Prendre" (InitialisePrises then CalculeJeuxPrendre) on the
// fixed 9x9 positions of positions_prise.h: milliseconds per position, mean
// and worst (processor time), and capture-search nodes per second.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "diagramme.h"
#include "positions_prise.h"
#include "tactics/prise.h"
#include "temps_processeur.h"

namespace {

// Runs the stage on every position with `coups` moves (0: all of them).
void JeuxPrendre(benchmark::State& state) {
  const int coups = static_cast<int>(state.range(0));
  const std::vector<Damier> positions = PositionsPriseAvec(coups);
  ReinitialiseIncremental();
  ReinitialisePrises();

  double totalMs = 0, pireMs = 0;
  int64_t mesures = 0, prises = 0, candidats = 0;
  const uint64_t noeudsAvant = NoeudsCumules;
  for (auto _ : state) {
    for (const Damier& d : positions) {
      const double debut = MsProcesseur();
      InitialiseDamierIncremental(d);
      InitialisePrises();
      CalculeJeuxPrendre();
      const double ms = MsProcesseur() - debut;
      totalMs += ms;
      pireMs = std::max(pireMs, ms);
      mesures++;
      candidats += PrisesACalculer.Nombre;
      prises += PrisesValides.Nombre;
      benchmark::DoNotOptimize(PrisesValides.Nombre);
    }
  }
  const double noeuds = static_cast<double>(NoeudsCumules - noeudsAvant);
  state.counters["positions"] = static_cast<double>(positions.size());
  state.counters["ms_moyen"] = totalMs / static_cast<double>(mesures);
  state.counters["ms_pire"] = pireMs;
  state.counters["noeuds_par_position"] = noeuds / static_cast<double>(mesures);
  state.counters["noeuds/s"] = benchmark::Counter(noeuds / (totalMs / 1000.0));
  state.counters["chaines"] = static_cast<double>(candidats) / static_cast<double>(mesures);
  state.counters["prenables"] = static_cast<double>(prises) / static_cast<double>(mesures);
}

BENCHMARK(JeuxPrendre)->Arg(0)->Arg(20)->Arg(40)->Arg(60)->Unit(benchmark::kMillisecond);

}  // namespace
