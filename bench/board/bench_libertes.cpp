// Liberty queries of the tactical searches, asked at every empty point of
// 9x9 middle-game positions (20 to 50 stones).
//
//   bench_board --benchmark_filter=Libertes --benchmark_repetitions=5

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "board/incremental.h"
#include "board/libertes.h"
#include "positions_aleatoires.h"

namespace {

std::vector<Damier> Positions() {
  InitialiseGoban(9);
  std::mt19937 alea(20240601);
  std::vector<Damier> positions;
  for (int i = 0; i < 32; i++) positions.push_back(PositionAleatoireEntre(alea, 20, 50));
  return positions;
}

// Runs the query at every empty point of every position for both colours;
// one item is one query.
template <class Requete>
void Mesure(benchmark::State& state, Requete requete) {
  static const std::vector<Damier> positions = Positions();
  InitialiseGoban(9);
  int64_t requetes = 0;
  for (auto _ : state) {
    for (const Damier& d : positions) {
      InitialiseDamierIncremental(d);
      for (int32_t p = 0; p < 81; p++) {
        if (Couleur(d, p) != VIDE) continue;
        benchmark::DoNotOptimize(requete(p, 1));
        benchmark::DoNotOptimize(requete(p, 2));
        requetes += 2;
      }
    }
  }
  state.SetItemsProcessed(requetes);
}

void BM_LibertesAdversaireNePeutPasJouer(benchmark::State& state) {
  Mesure(state, [](int32_t p, int c) { return AdversaireNePeutPasJouer(p, c); });
}
BENCHMARK(BM_LibertesAdversaireNePeutPasJouer);

void BM_LibertesOrdre2(benchmark::State& state) {
  Mesure(state, [](int32_t p, int c) { return LibertesOrdre2(p, c); });
}
BENCHMARK(BM_LibertesOrdre2);

void BM_LibertesDeuxLibertesApres(benchmark::State& state) {
  Mesure(state, [](int32_t p, int c) { return DeuxLibertesApres(p, c); });
}
BENCHMARK(BM_LibertesDeuxLibertesApres);

}  // namespace
