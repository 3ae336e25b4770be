// The stage "jeux Vivre" on the 30 fixed 9x9 positions of
// tactics/positions_prise.h, with the rule files loaded: mean and worst
// processor milliseconds per position, life-search nodes per second, and the
// share of the searched units whose answer the node limit decided.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "analysis/pipeline.h"
#include "analysis/vies.h"
#include "base/reglages.h"
#include "base/trace.h"
#include "board/incremental.h"
#include "mesures.h"
#include "rules/regles.h"
#include "tactics/positions_prise.h"
#include "tactics/vie.h"

namespace {

void ChargeRegles() {
  ErreursMuettes muettes;
  char ici[4096];
  if (getcwd(ici, sizeof ici) == nullptr) return;
  if (chdir(ILVANE_DOSSIER_REGLES) == 0) {
    ChargeBaseRegles();
    if (chdir(ici) != 0) std::perror("chdir");
  }
}

void JeuxVivrePositions(benchmark::State& state) {
  const std::vector<Damier> positions = PositionsPriseAvec(0);
  Silence = true;
  OuvreTraceJeu("/dev/null");
  ChargeRegles();
  ReinitialiseIncremental();
  ReinitialiseAnalyse();
  ReinitialiseReglages();
  ReinitialiseVie();
  double ms = 0, pire = 0;
  int64_t fois = 0, recherches = 0, limitees = 0;
  const uint64_t noeuds0 = RechercheVie.NoeudsCumules;
  for (auto _ : state) {
    for (const Damier& d : positions) {
      state.PauseTiming();
      InitialiseDamierIncremental(d);
      AnalyseComplete();
      state.ResumeTiming();
      const double t = MsDe([] { ExecuteEtape(ETAPE_VIVRE); });
      ms += t;
      pire = t > pire ? t : pire;
      fois++;
      recherches += LesVies.Recherches;
      limitees += LesVies.Limitees;
    }
  }
  FermeTraceJeu();
  state.counters["ms_moyen"] = ms / static_cast<double>(fois);
  state.counters["ms_pire"] = pire;
  state.counters["noeuds_par_s"] =
      static_cast<double>(RechercheVie.NoeudsCumules - noeuds0) / (ms / 1000.0);
  state.counters["unites_cherchees"] = static_cast<double>(recherches) / static_cast<double>(fois);
  state.counters["part_limite"] =
      recherches ? static_cast<double>(limitees) / static_cast<double>(recherches) : 0.0;
}

BENCHMARK(JeuxVivrePositions)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
