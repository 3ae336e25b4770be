// The full and the short analysis on the 30 fixed 9x9 positions of
// tactics/positions_prise.h: median, mean and worst milliseconds per analysis
// (processor time), and the mean milliseconds of each stage (wall time, from
// the pipeline's own stage times).
//
// The short analysis is measured as the move choice runs it: after the full
// analysis of the position, on trial moves of both colours (every fourth empty
// point), each taken back after its analysis.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/influence.h"
#include "analysis/pipeline.h"
#include "analysis/viestatique.h"
#include "base/reglages.h"
#include "base/trace.h"
#include "board/incremental.h"
#include "tactics/positions_prise.h"
#include "temps_processeur.h"

namespace {

struct Mesures {
  std::vector<double> ms;
  double secondesEtapes[NOMBRE_ETAPES] = {};
  int64_t executionsEtapes[NOMBRE_ETAPES] = {};
  int64_t avant[NOMBRE_ETAPES] = {};

  // Before the analysis measured: which stages it runs is seen afterwards.
  void Ouvre() { std::copy(Analyse.Executions, Analyse.Executions + NOMBRE_ETAPES, avant); }

  void Ajoute(double duree) {
    ms.push_back(duree);
    for (int e = 0; e < NOMBRE_ETAPES; e++) {
      if (Analyse.Executions[e] == avant[e]) continue;
      secondesEtapes[e] += Analyse.Secondes[e];
      executionsEtapes[e]++;
    }
  }

  void Rapporte(benchmark::State& state, int64_t analyses) {
    std::sort(ms.begin(), ms.end());
    double total = 0;
    for (double m : ms) total += m;
    state.counters["ms_median"] = ms[ms.size() / 2];
    state.counters["ms_moyen"] = total / static_cast<double>(ms.size());
    state.counters["ms_pire"] = ms.back();
    for (int e = 0; e < NOMBRE_ETAPES; e++) {
      if (executionsEtapes[e] == 0) continue;
      std::string nom = std::string("ms ") + NomEtape(static_cast<EtapeAnalyse>(e));
      std::replace(nom.begin(), nom.end(), ' ', '_');
      state.counters[nom] = secondesEtapes[e] * 1000.0 / static_cast<double>(analyses);
    }
  }
};

void Prepare() {
  Silence = true;
  ReinitialiseIncremental();
  ReinitialiseAnalyse();
  ReinitialiseReglages();
}

void AnalyseCompletePositions(benchmark::State& state) {
  const std::vector<Damier> positions = PositionsPriseAvec(0);
  Prepare();
  Mesures mesures;
  for (auto _ : state) {
    for (const Damier& d : positions) {
      InitialiseDamierIncremental(d);
      mesures.Ouvre();
      const double debut = MsProcesseur();
      AnalyseComplete();
      mesures.Ajoute(MsProcesseur() - debut);
      benchmark::DoNotOptimize(Analyse.ValeurTerritoire);
    }
  }
  mesures.Rapporte(state, static_cast<int64_t>(mesures.ms.size()));
  state.counters["positions"] = static_cast<double>(positions.size());
}

void AnalyseCourtePositions(benchmark::State& state) {
  const std::vector<Damier> positions = PositionsPriseAvec(0);
  Prepare();
  Mesures mesures;
  int64_t coups = 0;
  for (auto _ : state) {
    for (const Damier& d : positions) {
      state.PauseTiming();
      InitialiseDamierIncremental(d);
      Reglages.EvaluationEnCours = false;
      AnalyseComplete();
      Reglages.EvaluationEnCours = true;
      state.ResumeTiming();
      int n = 0;
      for (int32_t p = 0; p < NbIntersections; p++) {
        if (Couleur(DamierIncremental, p) != VIDE || n++ % 4 != 0) continue;
        const CoupTemporaire coup(p, 1 + (n / 4) % 2);
        if (!coup) continue;
        mesures.Ouvre();
        const double debut = MsProcesseur();
        AnalyseCourte();
        mesures.Ajoute(MsProcesseur() - debut);
        coups++;
        benchmark::DoNotOptimize(Analyse.ValeurTerritoire);
      }
    }
  }
  Reglages.EvaluationEnCours = false;
  mesures.Rapporte(state, coups);
  state.counters["coups_essayes"] = static_cast<double>(coups);
}

BENCHMARK(AnalyseCompletePositions)->Unit(benchmark::kMillisecond);
BENCHMARK(AnalyseCourtePositions)->Unit(benchmark::kMillisecond);

}  // namespace
