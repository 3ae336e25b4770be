// The full and the short analysis on the 30 fixed 9x9 positions of
// tactics/positions_prise.h: median, mean and worst milliseconds per analysis,
// and the mean milliseconds of each stage, all in processor time (the machine
// is shared: wall time would count the others' work).
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
  double msEtapes[NOMBRE_ETAPES] = {};
  int64_t executionsEtapes[NOMBRE_ETAPES] = {};

  // Times the pipeline; then, from the same position, its stages one by one.
  template <size_t N>
  void Analyse(void (*pipeline)(), const EtapeAnalyse (&etapes)[N]) {
    const double debut = MsProcesseur();
    pipeline();
    ms.push_back(MsProcesseur() - debut);
    for (EtapeAnalyse e : etapes) {
      const double debutEtape = MsProcesseur();
      ExecuteEtape(e);
      msEtapes[e] += MsProcesseur() - debutEtape;
      executionsEtapes[e]++;
    }
  }

  void Rapporte(benchmark::State& state) {
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
      state.counters[nom] = msEtapes[e] / static_cast<double>(executionsEtapes[e]);
    }
  }
};

void Prepare() {
  Silence = true;
  OuvreTraceJeu("/dev/null");
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
      mesures.Analyse(AnalyseComplete, EtapesAnalyseComplete);
      benchmark::DoNotOptimize(Analyse.ValeurTerritoire);
    }
  }
  FermeTraceJeu();
  mesures.Rapporte(state);
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
        mesures.Analyse(AnalyseCourte, EtapesAnalyseCourte);
        coups++;
        benchmark::DoNotOptimize(Analyse.ValeurTerritoire);
      }
    }
  }
  Reglages.EvaluationEnCours = false;
  FermeTraceJeu();
  mesures.Rapporte(state);
  state.counters["coups_essayes"] = static_cast<double>(coups);
}

BENCHMARK(AnalyseCompletePositions)->Unit(benchmark::kMillisecond);
BENCHMARK(AnalyseCourtePositions)->Unit(benchmark::kMillisecond);

}  // namespace
