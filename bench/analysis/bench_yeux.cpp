// The stage "jeux Oeil" (InitialiseYeux: the eye rules of both colours matched
// on the whole board and the eye table filled) on the 30 fixed 9x9 positions of
// the capture benchmark: milliseconds per position, mean and worst (processor
// time).
//
//   bench_analysis --benchmark_filter=InitialiseYeux
//
// The stage changes nothing on the board, so each position is set up once and
// the stage runs RUNS_PAR_POSITION times on it.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/yeux.h"
#include "base/trace.h"
#include "board/incremental.h"
#include "rules/regles.h"
#include "rules//base.h"
#include "tactics/positions_prise.h"
#include "temps_processeur.h"

namespace {

constexpr int RUNS_PAR_POSITION = 50;

// Loads the eye rule files, with the loader's block lines kept quiet.
void ChargeReglesOeil() {
  static bool fait = false;
  if (fait) return;
  fait = true;
  std::FILE* nulle = std::fopen("/dev/null", "w");
  if (nulle) FixeSortieErreurs(nulle);
  DemarreBaseRegles();
  const std::string dossier = std::string(ILVANE_DOSSIER_REGLES) + "/";
  TailleCle = CLE_32_BITS;
  for (const char* nom : {"OeilCentre.bin", "OeilBord.bin", "OeilCoin.bin"})
    LitBinaire((dossier + nom).c_str());
  FixeSortieErreurs(nullptr);
  if (nulle) std::fclose(nulle);
}

void InitialiseYeuxBanc(benchmark::State& state) {
  ChargeReglesOeil();
  const std::vector<Damier> positions = PositionsPriseAvec(static_cast<int>(state.range(0)));
  ReinitialiseIncremental();
  ReinitialiseYeux();
  double totalMs = 0, pireMs = 0;
  int64_t mesures = 0, yeux = 0;
  for (auto _ : state) {
    double iterationMs = 0;
    for (const Damier& d : positions) {
      InitialiseDamierIncremental(d);
      const double debut = MsProcesseur();
      for (int k = 0; k < RUNS_PAR_POSITION; k++) InitialiseYeux();
      const double ms = MsProcesseur() - debut;
      iterationMs += ms;
      pireMs = std::max(pireMs, ms / RUNS_PAR_POSITION);
      mesures += RUNS_PAR_POSITION;
      yeux += NombreYeuxValides();
    }
    totalMs += iterationMs;
    state.SetIterationTime(iterationMs / 1000.0);
  }
  state.counters["positions"] = static_cast<double>(positions.size());
  state.counters["ms_moyen"] = totalMs / static_cast<double>(mesures);
  state.counters["ms_pire"] = pireMs;
  state.counters["yeux_par_position"] =
      static_cast<double>(yeux) * RUNS_PAR_POSITION / static_cast<double>(mesures);
}
BENCHMARK(InitialiseYeuxBanc)
    ->Name("InitialiseYeux")
    ->UseManualTime()
    ->Iterations(10)
    ->Arg(0)
    ->Arg(20)
    ->Arg(40)
    ->Arg(60)
    ->Unit(benchmark::kMillisecond);

}  // namespace
