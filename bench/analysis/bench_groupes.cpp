// The groups (full and short form), the static move values, the connections to
// empty points ("CalculCV") and the group connection goals on the 30
// fixed 9x9 positions of tactics/positions_prise.h, with the rule files the
// build writes: median, mean and worst milliseconds of processor time.
//
// The full form and the static values run once per position after the full
// analysis; the short form runs as the move choice runs it, after a trial
// move and the short analysis (every fourth empty point, both colours), which
// are not counted.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "analysis/analyse_groupes.h"
#include "analysis/connexions_groupes.h"
#include "base/reglages.h"
#include "base/trace.h"
#include "board/incremental.h"
#include "mesures.h"
#include "rules//base.h"
#include "rules/regles.h"
#include "tactics/positions_prise.h"

namespace {

void Prepare() {
  ReinitialiseAnalyseGroupes();
  OuvreTraceJeu("/dev/null");
  ReinitialiseReglages();
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
  AnalyseAvantGroupes();
}

// Runs `mesure(ms)` on each position once the full analysis, and the groups
// where asked, have run untimed.
template <class Mesure>
void SurPositions(benchmark::State& state, bool groupesAvant, Mesure mesure) {
  const std::vector<Damier> positions = PositionsPriseAvec(0);
  Prepare();
  std::vector<double> ms;
  for (auto _ : state) {
    for (const Damier& d : positions) {
      state.PauseTiming();
      AnalysePosition(d);
      if (groupesAvant) FormeGroupes();
      state.ResumeTiming();
      mesure(ms);
    }
  }
  Fin();
  RapporteMs(state, ms);
  state.counters["mesures"] = static_cast<double>(ms.size());
}

void FormeGroupesPositions(benchmark::State& state) {
  SurPositions(state, false, [](std::vector<double>& ms) {
    ms.push_back(MsDe(FormeGroupes));
    benchmark::DoNotOptimize(Groupes.Fin);
  });
}

void FormeGroupesCourtePositions(benchmark::State& state) {
  SurPositions(state, true, [&](std::vector<double>& ms) {
    Reglages.EvaluationEnCours = true;
    PourCoupsEssayes([&](int32_t p, int c) {
      state.PauseTiming();
      const CoupTemporaire coup(p, c);
      if (coup) AnalyseCourte();
      state.ResumeTiming();
      if (!coup) return;
      ms.push_back(MsDe(FormeGroupesCourte));
      benchmark::DoNotOptimize(Groupes.Fin);
    });
    Reglages.EvaluationEnCours = false;
  });
}

void ValeursStatiquesPositions(benchmark::State& state) {
  SurPositions(state, true, [](std::vector<double>& ms) {
    ms.push_back(MsDe([] { benchmark::DoNotOptimize(ValeursStatiques()); }));
  });
}

// The stage alone, after the full analysis (whose own run of it is not counted).
void CalculCVPositions(benchmark::State& state) {
  SurPositions(state, false, [](std::vector<double>& ms) {
    ms.push_back(MsDe([] { ExecuteEtape(ETAPE_CV); }));
  });
}

void ConnexionsGroupesPositions(benchmark::State& state) {
  SurPositions(state, true, [](std::vector<double>& ms) {
    ms.push_back(MsDe(CalculeConnexionsGroupes));
    benchmark::DoNotOptimize(ObjectifsConnexionGroupes.Nombre);
  });
}

BENCHMARK(CalculCVPositions)->Unit(benchmark::kMillisecond);
BENCHMARK(ConnexionsGroupesPositions)->Unit(benchmark::kMillisecond);
BENCHMARK(FormeGroupesPositions)->Unit(benchmark::kMillisecond);
BENCHMARK(FormeGroupesCourtePositions)->Unit(benchmark::kMillisecond);
BENCHMARK(ValeursStatiquesPositions)->Unit(benchmark::kMillisecond);

}  // namespace
