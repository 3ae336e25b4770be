// Play and undo on the incremental board, in 9x9 middle-game positions.
//
//   bench_board --benchmark_filter=Incremental --benchmark_repetitions=5
//
// Each position has 20 to 50 stones and comes from seeded random legal play on
// the packed board, so the figures are the same from run to run.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "board/damier.h"
#include "board/incremental.h"
#include "positions_aleatoires.h"

namespace {

struct Position {
  Damier damier;
  int couleur;                 // side to move
  std::vector<int32_t> coups;  // its legal moves
  std::vector<int32_t> suite;  // a random legal sequence from it, colours alternating
};

std::vector<Position> Positions() {
  InitialiseGoban(9);
  std::mt19937 alea(20240601);
  std::vector<Position> positions;
  while (positions.size() < 64) {
    int c = 1;
    const Damier d = PositionAleatoireEntre(alea, 20, 50, &c);
    Position pos{d, c, {}, {}};
    for (int32_t p = 0; p < 81; p++)
      if (EstLegal(d, p, c)) pos.coups.push_back(p);
    Damier e = d;
    for (int i = 0, s = c; i < 12; i++, s = Adversaire(s)) {
      std::vector<int32_t> legaux;
      for (int32_t p = 0; p < 81; p++)
        if (EstLegal(e, p, s)) legaux.push_back(p);
      if (legaux.empty()) break;
      const int32_t p = legaux[alea() % legaux.size()];
      JoueCoup(e, p, s);
      pos.suite.push_back(p);
    }
    if (!pos.coups.empty()) positions.push_back(pos);
  }
  return positions;
}

const std::vector<Position>& LesPositions() {
  static const std::vector<Position> positions = Positions();
  return positions;
}

// Walks through the positions: each is built once, then serves for many
// pairs, so that building costs about 1 ns a pair and no timer is paused.
class Parcours {
 public:
  explicit Parcours(int tours) : tours_(tours) { Suivante(); }
  const Position& Courante() const { return LesPositions()[indice_]; }
  // Called after each round over the current position.
  void FinDeTour() {
    if (++tour_ == tours_) {
      indice_ = (indice_ + 1) % LesPositions().size();
      Suivante();
    }
  }

 private:
  void Suivante() {
    tour_ = 0;
    InitialiseDamierIncremental(Courante().damier);
  }
  int tours_;
  int tour_ = 0;
  size_t indice_ = 0;
};

// One legal move played and taken back: each iteration is one pair.
void BM_IncrementalJoueEtUndo(benchmark::State& state) {
  InitialiseGoban(9);
  Parcours parcours(64);
  size_t k = 0;
  for (auto _ : state) {
    const Position& pos = parcours.Courante();
    JoueCoupIncremental(pos.coups[k], pos.couleur);
    UndoIncremental();
    if (++k == pos.coups.size()) {
      k = 0;
      parcours.FinDeTour();
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_IncrementalJoueEtUndo);

// The same with the legality test first, as the searches play.
void BM_IncrementalEssaieEtUndo(benchmark::State& state) {
  InitialiseGoban(9);
  Parcours parcours(64);
  size_t k = 0;
  for (auto _ : state) {
    const Position& pos = parcours.Courante();
    if (EssaieCoupIncremental(pos.coups[k], pos.couleur)) UndoIncremental();
    if (++k == pos.coups.size()) {
      k = 0;
      parcours.FinDeTour();
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_IncrementalEssaieEtUndo);

// A random legal sequence of up to 12 moves played in a row, then taken back:
// deeper boards, with merges and captures along the way. One iteration is the
// whole sequence; the pairs per second are the items per second.
void BM_IncrementalSuiteEtUndo(benchmark::State& state) {
  InitialiseGoban(9);
  Parcours parcours(64);
  int64_t paires = 0;
  for (auto _ : state) {
    const Position& pos = parcours.Courante();
    int c = pos.couleur;
    for (int32_t p : pos.suite) {
      JoueCoupIncremental(p, c);
      c = Adversaire(c);
    }
    for (size_t k = 0; k < pos.suite.size(); k++) UndoIncremental();
    paires += static_cast<int64_t>(pos.suite.size());
    parcours.FinDeTour();
  }
  state.SetItemsProcessed(paires);
}
BENCHMARK(BM_IncrementalSuiteEtUndo);

}  // namespace
