// Pattern matching with the shipped rule files, on fixed 9x9 positions.
//
//   bench_rules --benchmark_repetitions=5
//
// The positions come from seeded random legal play (30 to 50 stones), so the
// figures are the same from run to run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "base/trace.h"
#include "board/damier.h"
#include "board/incremental.h"
#include "rules/base.h"
#include "rules/buts.h"
#include "rules/motifs.h"
#include "rules/regles.h"

namespace {

struct Position {
  Damier damier;
  std::vector<int32_t> vides;  // its empty points
};

const std::vector<Position>& Positions() {
  static const std::vector<Position> positions = [] {
    InitialiseGoban(9);
    std::mt19937 alea(777);
    std::vector<Position> ps;
    while (ps.size() < 32) {
      Position pos;
      ViderDamier(pos.damier);
      FixePointKo(pos.damier, COUP_PASSE);
      const int cible = 30 + static_cast<int>(alea() % 21);
      int pierres = 0, c = 1;
      for (int coup = 0; coup < 400 && pierres < cible; coup++, c = Adversaire(c))
        for (int essai = 0; essai < 50; essai++) {
          const int32_t p = static_cast<int32_t>(alea() % 81);
          if (EstLegal(pos.damier, p, c)) {
            pierres += 1 - JoueCoup(pos.damier, p, c);
            break;
          }
        }
      for (int32_t p = 0; p < 81; p++)
        if (Couleur(pos.damier, p) == VIDE) pos.vides.push_back(p);
      ps.push_back(pos);
    }
    return ps;
  }();
  return positions;
}

// Loads the rule files once, with the loader's block lines kept quiet.
void ChargeRegles() {
  static bool fait = false;
  if (fait) return;
  fait = true;
  std::FILE* nulle = std::fopen("/dev/null", "w");
  FixeSortieErreurs(nulle);
  DemarreBaseRegles();
  const std::string dossier = std::string(ILVANE_DOSSIER_REGLES) + "/";
  TailleCle = CLE_32_BITS;
  for (const char* nom :
       {"OeilCentre.bin", "OeilBord.bin", "OeilCoin.bin", "VivreBord.bin", "VivreCoin.bin"})
    LitBinaire((dossier + nom).c_str());
  TailleCle = CLE_POSITION;
  LitBinaire((dossier + "Fuzeki.bin").c_str());
  FixeSortieErreurs(nullptr);
}

// A whole-board match of one kind for colour 1, both types, per iteration.
void MatchBoardKind(benchmark::State& etat, int kind) {
  ChargeRegles();
  const std::vector<Position>& ps = Positions();
  size_t i = 0, regles = 0;
  for (auto _ : etat) {
    etat.PauseTiming();
    InitialiseDamierIncremental(ps[i++ % ps.size()].damier);
    etat.ResumeTiming();
    MatchBoardBothTypes(1, kind);
    regles += MatchedRulesDe(kind).NbGRules + MatchedRulesDe(kind).NbGiRules;
  }
  etat.counters["regles"] =
      benchmark::Counter(static_cast<double>(regles), benchmark::Counter::kAvgIterations);
}

void BM_MatchBoardOeil(benchmark::State& etat) {
  MatchBoardKind(etat, GoalKind::Oeil);
}
void BM_MatchBoardVivre(benchmark::State& etat) {
  MatchBoardKind(etat, GoalKind::Vivre);
}
void BM_MatchBoardValeurCoup(benchmark::State& etat) {
  MatchBoardKind(etat, GoalKind::ValeurCoup);
}

// Play and take back every empty point of a position in turn, with eye goals
// for colour 1 and life goals for colour 2 kept current (or none: the cost of
// the board alone). One iteration is one play-and-undo pair.
void PlayUndo(benchmark::State& etat, bool buts) {
  ChargeRegles();
  const std::vector<Position>& ps = Positions();
  size_t i = 0, k = 0;
  int64_t paires = 0;
  for (auto _ : etat) {
    const Position& pos = ps[i % ps.size()];
    if (k == 0) {
      etat.PauseTiming();
      if (buts) {
        StopMatching(1, GoalKind::Oeil);
        StopMatching(2, GoalKind::Vivre);
      }
      InitialiseDamierIncremental(pos.damier);
      if (buts) {
        StartMatching(1, GoalKind::Oeil);
        StartMatching(2, GoalKind::Vivre);
      }
      etat.ResumeTiming();
    }
    const int32_t p = pos.vides[k];
    const int c = 1 + static_cast<int>(k & 1);
    if (PlayWithPatterns(p, c)) {
      UndoWithPatterns();
      paires++;
    }
    if (++k == pos.vides.size()) k = 0, i++;
  }
  if (buts) {
    StopMatching(1, GoalKind::Oeil);
    StopMatching(2, GoalKind::Vivre);
  }
  etat.counters["paires"] =
      benchmark::Counter(static_cast<double>(paires), benchmark::Counter::kIsRate);
}

void BM_PlayUndoWithPatterns(benchmark::State& etat) {
  PlayUndo(etat, true);
}
void BM_PlayUndoSansButs(benchmark::State& etat) {
  PlayUndo(etat, false);
}

// Registering the eye goal of colour 1 (window index, code tables, whole-board
// match) and removing it, as the eye stage does for each colour per analysis.
void BM_StartStopMatchingOeil(benchmark::State& etat) {
  ChargeRegles();
  const std::vector<Position>& ps = Positions();
  size_t i = 0;
  for (auto _ : etat) {
    etat.PauseTiming();
    InitialiseDamierIncremental(ps[i++ % ps.size()].damier);
    etat.ResumeTiming();
    StartMatching(1, GoalKind::Oeil);
    StopMatching(1, GoalKind::Oeil);
  }
}

// The program's start-up loader, with every shipped rule file (read from the
// build's rule folder as from the working directory), per iteration.
void BM_ChargeBaseRegles(benchmark::State& etat) {
  ChargeRegles();
  const std::filesystem::path ici = std::filesystem::current_path();
  std::filesystem::current_path(ILVANE_DOSSIER_REGLES);
  std::FILE* nulle = std::fopen("/dev/null", "w");
  FixeSortieErreurs(nulle);
  for (auto _ : etat) ChargeBaseRegles();
  FixeSortieErreurs(nullptr);
  std::fclose(nulle);
  std::filesystem::current_path(ici);
  etat.counters["bases"] = NombreBases();
}

BENCHMARK(BM_MatchBoardOeil);
BENCHMARK(BM_MatchBoardVivre);
BENCHMARK(BM_MatchBoardValeurCoup);
BENCHMARK(BM_PlayUndoWithPatterns);
BENCHMARK(BM_PlayUndoSansButs);
BENCHMARK(BM_StartStopMatchingOeil);
BENCHMARK(BM_ChargeBaseRegles)->Unit(benchmark::kMillisecond);

}  // namespace
