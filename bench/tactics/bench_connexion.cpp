// The three connection stages on the 30 fixed 9x9 positions of
// positions_prise.h, each timed alone: CalculConnexions (the pairs), "jeux
// Connecter" and "jeux Menaces De Deconnecter"; milliseconds per position,
// mean and worst (processor time), and search nodes per second.
//
//   bench_tactics --benchmark_filter='Connexions|Connecter|Deconnecter'
//
// The stages read the capture and intersection stages and the stages before
// them, which run first, untimed.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "base/trace.h"
#include "diagramme.h"
#include "positions_prise.h"
#include "tactics/connexion.h"
#include "tactics/intersections.h"
#include "tactics/prise.h"
#include "temps_processeur.h"

namespace {

template <class Preparation, class Stage>
void MesureConnexions(benchmark::State& state, Preparation preparation, Stage stage) {
  const std::vector<Damier> positions = PositionsPriseAvec(static_cast<int>(state.range(0)));
  ReinitialiseIncremental();
  ReinitialisePrises();
  ReinitialiseIntersections();
  ReinitialiseConnexions();
  std::FILE* nul = std::fopen("/dev/null", "w");
  if (nul) FixeSortieErreurs(nul);
  double totalMs = 0, pireMs = 0;
  int64_t mesures = 0;
  uint64_t noeuds = 0;
  for (auto _ : state) {
    double iterationMs = 0;
    for (const Damier& d : positions) {
      InitialiseDamierIncremental(d);
      InitialisePrises();
      CalculeJeuxPrendre();
      MarqueIntersectionsATester();
      CalculeJeuxIntersection();
      preparation();
      const uint64_t avant = RechercheConnexion.NoeudsCumules;
      const double debut = MsProcesseur();
      stage();
      const double ms = MsProcesseur() - debut;
      noeuds += RechercheConnexion.NoeudsCumules - avant;
      iterationMs += ms;
      pireMs = std::max(pireMs, ms);
      mesures++;
    }
    totalMs += iterationMs;
    state.SetIterationTime(iterationMs / 1000.0);
  }
  FixeSortieErreurs(nullptr);
  if (nul) std::fclose(nul);
  state.counters["positions"] = static_cast<double>(positions.size());
  state.counters["ms_moyen"] = totalMs / static_cast<double>(mesures);
  state.counters["ms_pire"] = pireMs;
  state.counters["noeuds_par_s"] = totalMs > 0 ? static_cast<double>(noeuds) / (totalMs / 1000.0) : 0;
}

void CalculDesConnexions(benchmark::State& state) {
  MesureConnexions(state, [] {}, [] { CalculConnexions(); });
}
BENCHMARK(CalculDesConnexions)
    ->UseManualTime()
    ->Iterations(3)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

void JeuxConnecter(benchmark::State& state) {
  MesureConnexions(state, [] { CalculConnexions(); }, [] { CalculeJeuxConnecter(); });
}
BENCHMARK(JeuxConnecter)->UseManualTime()->Iterations(3)->Arg(0)->Unit(benchmark::kMillisecond);

void MenacesDeDeconnecter(benchmark::State& state) {
  MesureConnexions(
      state,
      [] {
        CalculConnexions();
        CalculeJeuxConnecter();
      },
      [] { CalculeMenacesDeDeconnecter(); });
}
BENCHMARK(MenacesDeDeconnecter)
    ->UseManualTime()
    ->Iterations(3)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

}  // namespace
