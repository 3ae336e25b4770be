// The packed board's rules: EstLegal then JoueCoup for each move of seeded
// random 9x9 games.
//
//   bench_board --benchmark_filter=Damier --benchmark_repetitions=5

#include <benchmark/benchmark.h>

#include <random>
#include <utility>
#include <vector>

#include "board/damier.h"

namespace {

using Partie = std::vector<std::pair<int32_t, int>>;  // (point, colour) per move

// Random legal games, captures and kos included, until 120 moves or no move.
std::vector<Partie> Parties() {
  InitialiseGoban(9);
  std::mt19937 alea(7);
  std::vector<Partie> parties;
  for (int i = 0; i < 32; i++) {
    Damier d;
    ViderDamier(d);
    FixePointKo(d, COUP_PASSE);
    Partie partie;
    int c = 1;
    for (int coup = 0; coup < 120; coup++, c = Adversaire(c)) {
      std::vector<int32_t> legaux;
      for (int32_t p = 0; p < 81; p++)
        if (EstLegal(d, p, c)) legaux.push_back(p);
      if (legaux.empty()) break;
      const int32_t p = legaux[alea() % legaux.size()];
      JoueCoup(d, p, c);
      partie.emplace_back(p, c);
    }
    parties.push_back(partie);
  }
  return parties;
}

void BM_DamierEstLegalEtJoueCoup(benchmark::State& state) {
  static const std::vector<Partie> parties = Parties();
  InitialiseGoban(9);
  Damier d;
  ViderDamier(d);
  FixePointKo(d, COUP_PASSE);
  size_t partie = 0, coup = 0;
  for (auto _ : state) {
    const auto [p, c] = parties[partie][coup];
    if (EstLegal(d, p, c)) JoueCoup(d, p, c);
    if (++coup == parties[partie].size()) {
      coup = 0;
      partie = (partie + 1) % parties.size();
      ViderDamier(d);
      FixePointKo(d, COUP_PASSE);
    }
  }
  benchmark::DoNotOptimize(d);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DamierEstLegalEtJoueCoup);

}  // namespace
