#pragma once

// What the stage benchmarks share: the runs over the fixed positions, the
// counters they report, the trial moves of the short analysis.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "base/trace.h"
#include "board/incremental.h"
#include "temps_processeur.h"

// The error stream sent to /dev/null for the lifetime of the object: the rule
// loader and some stages write their reasoning there.
class ErreursMuettes {
 public:
  ErreursMuettes() : nulle_(std::fopen("/dev/null", "w")) {
    if (nulle_) FixeSortieErreurs(nulle_);
  }
  ~ErreursMuettes() {
    FixeSortieErreurs(nullptr);
    if (nulle_) std::fclose(nulle_);
  }
  ErreursMuettes(const ErreursMuettes&) = delete;
  ErreursMuettes& operator=(const ErreursMuettes&) = delete;

 private:
  std::FILE* nulle_;
};

// The positions after 0 (all the moves), 20, 40 and 60 moves, ten iterations,
// each timed by MesureEtapeRepetee:
//   BENCHMARK(Banc)->Apply(ParNombreDeCoups);
inline void ParNombreDeCoups(benchmark::internal::Benchmark* b) {
  b->UseManualTime()->Iterations(10)->Arg(0)->Arg(20)->Arg(40)->Arg(60)->Unit(
      benchmark::kMillisecond);
}

// Runs `etape` `runs` times on each position, once `prepare(d)` has set the
// position up, untimed; the stage must leave the board as it found it. A
// position's time is the mean of its runs; the counters are the mean and the
// worst of them and, under `nomCompte` where given, the mean per position of
// `compte()` read after the runs.
template <class Prepare, class Etape>
void MesureEtapeRepetee(benchmark::State& state, const std::vector<Damier>& positions, int runs,
                        Prepare prepare, Etape etape, const char* nomCompte = nullptr,
                        int64_t (*compte)() = nullptr) {
  double totalMs = 0, pireMs = 0;
  int64_t mesures = 0, comptes = 0;
  for (auto _ : state) {
    double iterationMs = 0;
    for (const Damier& d : positions) {
      prepare(d);
      const double ms = MsDe([&] {
        for (int k = 0; k < runs; k++) etape();
      });
      iterationMs += ms;
      pireMs = std::max(pireMs, ms / runs);
      mesures += runs;
      if (compte) comptes += compte();
    }
    totalMs += iterationMs;
    state.SetIterationTime(iterationMs / 1000.0);
  }
  state.counters["positions"] = static_cast<double>(positions.size());
  state.counters["ms_moyen"] = totalMs / static_cast<double>(mesures);
  state.counters["ms_pire"] = pireMs;
  if (nomCompte && compte)
    state.counters[nomCompte] = static_cast<double>(comptes) * runs / static_cast<double>(mesures);
}

// The processor milliseconds f() takes.
template <class F>
double MsDe(F f) {
  const double debut = MsProcesseur();
  f();
  return MsProcesseur() - debut;
}

// The median, mean and worst of the times in `ms`, which it sorts.
inline void RapporteMs(benchmark::State& state, std::vector<double>& ms) {
  std::sort(ms.begin(), ms.end());
  double total = 0;
  for (double m : ms) total += m;
  state.counters["ms_median"] = ms[ms.size() / 2];
  state.counters["ms_moyen"] = total / static_cast<double>(ms.size());
  state.counters["ms_pire"] = ms.back();
}

// Calls `f(p, c)` for the trial moves the short analysis is timed on: every
// fourth empty point, the colours in turn.
template <class F>
void PourCoupsEssayes(F f) {
  int n = 0;
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (Couleur(DamierIncremental, p) != VIDE || n++ % 4 != 0) continue;
    f(p, 1 + (n / 4) % 2);
  }
}
