// The groups (full and short form) and the static move values on the 30
// fixed 9x9 positions of tactics/positions_prise.h, with the rule files the
// build writes: median, mean and worst milliseconds of processor time.
//
// The full form and the static values run once per position after the full
// analysis; the short form runs as the move choice runs it, after a trial
// move and the short analysis (every fourth empty point, both colours), which
// are not counted.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/groupes.h"
#include "analysis/liens.h"
#include "analysis/pipeline.h"
#include "analysis/valeurs.h"
#include "analysis/yeux.h"
#include "base/reglages.h"
#include "base/trace.h"
#include "board/incremental.h"
#include "rules/regles.h"
#include "rules//base.h"
#include "tactics/positions_prise.h"
#include "temps_processeur.h"

namespace {

void Prepare() {
  Silence = true;
  OuvreTraceJeu("/dev/null");
  ReinitialiseIncremental();
  ReinitialiseAnalyse();
  ReinitialiseReglages();
  ReinitialiseLiens();
  ReinitialiseGroupes();
  ReinitialiseValeurs();
  DemarreBaseRegles();
  TailleCle = CLE_32_BITS;
  for (const char* f : {"OeilCentre", "OeilBord", "OeilCoin", "VivreBord", "VivreCoin"})
    LitBinaire((std::string(ILVANE_DOSSIER_REGLES) + "/" + f + ".bin").c_str());
  TailleCle = CLE_POSITION;
  LitBinaire(ILVANE_DOSSIER_REGLES "/Fuzeki.bin");
}

void Fin() {
  ReinitialiseBaseRegles();
  FermeTraceJeu();
}

// The full analysis of the position, as the move choice runs it before the groups.
void AnalysePosition(const Damier& d) {
  InitialiseDamierIncremental(d);
  Reglages.EvaluationEnCours = false;
  AnalyseComplete();
  // The eye table is not a stage of the pipeline yet: filled here, then the
  // static life again, whose eye regions add their eyes to it.
  InitialiseYeux();
  ExecuteEtape(ETAPE_VIE_STATIQUE);
}

void Rapporte(benchmark::State& state, std::vector<double>& ms) {
  std::sort(ms.begin(), ms.end());
  double total = 0;
  for (double m : ms) total += m;
  state.counters["ms_median"] = ms[ms.size() / 2];
  state.counters["ms_moyen"] = total / static_cast<double>(ms.size());
  state.counters["ms_pire"] = ms.back();
  state.counters["mesures"] = static_cast<double>(ms.size());
}

void FormeGroupesPositions(benchmark::State& state) {
  const std::vector<Damier> positions = PositionsPriseAvec(0);
  Prepare();
  std::vector<double> ms;
  for (auto _ : state) {
    for (const Damier& d : positions) {
      state.PauseTiming();
      AnalysePosition(d);
      state.ResumeTiming();
      const double debut = MsProcesseur();
      FormeGroupes();
      ms.push_back(MsProcesseur() - debut);
      benchmark::DoNotOptimize(Groupes.Fin);
    }
  }
  Fin();
  Rapporte(state, ms);
}

void FormeGroupesCourtePositions(benchmark::State& state) {
  const std::vector<Damier> positions = PositionsPriseAvec(0);
  Prepare();
  std::vector<double> ms;
  for (auto _ : state) {
    for (const Damier& d : positions) {
      state.PauseTiming();
      AnalysePosition(d);
      FormeGroupes();
      Reglages.EvaluationEnCours = true;
      state.ResumeTiming();
      int n = 0;
      for (int32_t p = 0; p < NbIntersections; p++) {
        if (Couleur(DamierIncremental, p) != VIDE || n++ % 4 != 0) continue;
        state.PauseTiming();
        const CoupTemporaire coup(p, 1 + (n / 4) % 2);
        if (coup) AnalyseCourte();
        state.ResumeTiming();
        if (!coup) continue;
        const double debut = MsProcesseur();
        FormeGroupesCourte();
        ms.push_back(MsProcesseur() - debut);
        benchmark::DoNotOptimize(Groupes.Fin);
      }
      Reglages.EvaluationEnCours = false;
    }
  }
  Fin();
  Rapporte(state, ms);
}

void ValeursStatiquesPositions(benchmark::State& state) {
  const std::vector<Damier> positions = PositionsPriseAvec(0);
  Prepare();
  std::vector<double> ms;
  for (auto _ : state) {
    for (const Damier& d : positions) {
      state.PauseTiming();
      AnalysePosition(d);
      FormeGroupes();
      state.ResumeTiming();
      const double debut = MsProcesseur();
      benchmark::DoNotOptimize(ValeursStatiques());
      ms.push_back(MsProcesseur() - debut);
    }
  }
  Fin();
  Rapporte(state, ms);
}

BENCHMARK(FormeGroupesPositions)->Unit(benchmark::kMillisecond);
BENCHMARK(FormeGroupesCourtePositions)->Unit(benchmark::kMillisecond);
BENCHMARK(ValeursStatiquesPositions)->Unit(benchmark::kMillisecond);

}  // namespace
