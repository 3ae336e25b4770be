// The engine's move (ChoisitCoupPosition: the initial analysis, the static
// values, the trial moves and the choice) on fixed 9x9 positions, with the rule
// files loaded: milliseconds per move (processor time), median and worst, the
// split between the three parts, and the trial moves played per move.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "analysis/choix.h"
#include "base/reglages.h"
#include "base/trace.h"
#include "diagramme.h"
#include "tactics/positions_prise.h"
#include "rules/base.h"
#include "temps_processeur.h"

namespace {

void ChargeRegles() {
  static bool chargees = false;
  if (chargees) return;
  chargees = true;
  char ici[4096];
  if (!getcwd(ici, sizeof ici)) return;
  if (chdir(ILVANE_DOSSIER_REGLES) == 0) {
    ChargeBaseRegles();
    if (chdir(ici) != 0) std::perror("chdir");
  }
}

// Every kept position with `coups` moves (0: all), colour 1 to move.
void CoupMoteur(benchmark::State& state) {
  const int coups = static_cast<int>(state.range(0));
  const std::vector<Damier> positions = PositionsPriseAvec(coups);
  ChargeRegles();
  Silence = true;
  OuvreTraceJeu("/dev/null");
  // The reasoning lines some stages write to the error stream are not timed here.
  static std::FILE* nulle = std::fopen("/dev/null", "w");
  FixeSortieErreurs(nulle);
  ReinitialiseReglages();
  std::vector<double> ms;
  double analyse = 0, valeurs = 0, essais = 0, nombreEssais = 0;
  for (auto _ : state) {
    for (const Damier& d : positions) {
      int32_t point = -1;
      int passe = 1;
      const double debut = MsProcesseur();
      ChoisitCoupPosition(d, HorlogeMoteur{}, point, passe);
      ms.push_back(MsProcesseur() - debut);
      analyse += Choix.SecondesAnalyse * 1e3;
      valeurs += Choix.SecondesValeurs * 1e3;
      essais += Choix.SecondesEssais * 1e3;
      nombreEssais += Choix.NombreEssais;
      benchmark::DoNotOptimize(point);
    }
  }
  FermeTraceJeu();
  FixeSortieErreurs(nullptr);
  const double n = static_cast<double>(ms.size());
  std::sort(ms.begin(), ms.end());
  state.counters["positions"] = static_cast<double>(positions.size());
  state.counters["ms_median"] = ms[ms.size() / 2];
  state.counters["ms_pire"] = ms.back();
  state.counters["ms_analyse"] = analyse / n;
  state.counters["ms_valeurs"] = valeurs / n;
  state.counters["ms_essais"] = essais / n;
  state.counters["essais"] = nombreEssais / n;
}

BENCHMARK(CoupMoteur)->Arg(0)->Arg(20)->Arg(40)->Arg(60)->Unit(benchmark::kMillisecond);

}  // namespace
