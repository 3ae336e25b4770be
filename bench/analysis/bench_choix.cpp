// The engine's move (ChoisitCoupPosition: the initial analysis, the static
// values, the trial moves and the choice) on the 60 positions of real games in
// positions_jeu.h (moves 5 to 60), the side to move as colour 1, with the rule
// files loaded: milliseconds per move (processor time), median and worst; the
// split between the three parts (wall time, as the engine measures it) and the
// trial moves played per move. tools/temps_gnugo.py times GNU Go's genmove on
// the same positions.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "analysis/choix.h"
#include "base/reglages.h"
#include "base/trace.h"
#include "diagramme.h"
#include "positions_jeu.h"
#include "rules/base.h"
#include "rules/regles.h"
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

// The positions with at least `min` and fewer than `max` moves, the side to
// move as colour 1.
std::vector<Damier> Positions(int min, int max) {
  std::vector<Damier> positions;
  for (const PositionJeu& p : PositionsJeu) {
    if (p.coups < min || p.coups >= max) continue;
    Damier d = DamierDe(p.diagramme);
    if (p.trait == 2)
      for (int32_t q = 0; q < NbIntersections; q++) {
        const int c = Couleur(d, q);
        if (c == 0) continue;
        OtePierre(d, q);
        PosePierre(d, q, 3 - c);
      }
    positions.push_back(d);
  }
  return positions;
}

void CoupMoteur(benchmark::State& state) {
  const std::vector<Damier> positions =
      Positions(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
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

BENCHMARK(CoupMoteur)
    ->Args({0, 1000})
    ->Args({0, 20})
    ->Args({20, 40})
    ->Args({40, 1000})
    ->Unit(benchmark::kMillisecond);

}  // namespace
