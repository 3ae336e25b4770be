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

#include <string>
#include <vector>

#include "analysis/yeux.h"
#include "board/incremental.h"
#include "mesures.h"
#include "rules//base.h"
#include "rules/regles.h"
#include "tactics/positions_prise.h"

namespace {

constexpr int RUNS_PAR_POSITION = 50;

// Loads the eye rule files, with the loader's block lines kept quiet.
void ChargeReglesOeil() {
  static bool fait = false;
  if (fait) return;
  fait = true;
  const ErreursMuettes muettes;
  DemarreBaseRegles();
  const std::string dossier = std::string(ILVANE_DOSSIER_REGLES) + "/";
  TailleCle = CLE_32_BITS;
  for (const char* nom : {"OeilCentre.bin", "OeilBord.bin", "OeilCoin.bin"})
    LitBinaire((dossier + nom).c_str());
}

void InitialiseYeuxBanc(benchmark::State& state) {
  ChargeReglesOeil();
  const std::vector<Damier> positions = PositionsPriseAvec(static_cast<int>(state.range(0)));
  ReinitialiseIncremental();
  ReinitialiseYeux();
  MesureEtapeRepetee(state, positions, RUNS_PAR_POSITION, InitialiseDamierIncremental,
                     InitialiseYeux, "yeux_par_position",
                     [] { return int64_t{NombreYeuxValides()}; });
}
BENCHMARK(InitialiseYeuxBanc)->Name("InitialiseYeux")->Apply(ParNombreDeCoups);

}  // namespace
