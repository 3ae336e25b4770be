#pragma once

// One run of the rule-file fuzz target: the bytes after the first are read as
// a rule file (its key width chosen by the first byte), then every goal kind is
// matched on a fixed position for both colours, and a few moves are played and
// taken back with goal matching on. Nothing here may crash, read outside a
// buffer or leak, whatever the bytes. The tests replay the kept inputs.

#include <cstdint>
#include <cstdio>
#include <initializer_list>

#include "base/trace.h"
#include "board/goban.h"
#include "board/incremental.h"
#include "rules/base.h"
#include "rules/buts.h"
#include "rules/codes.h"
#include "rules/motifs.h"
#include "rules/regles.h"

namespace harnais {

struct FinFatale {};

[[noreturn]] inline void Fatale(int) {
  throw FinFatale{};
}

// A position with strings of both colours, atari and a ko shape, near every edge.
inline Damier PositionFixe() {
  const char* const diagramme =
      ".X.OX..O."
      "XX.O.XO.O"
      "..XOOX.O."
      "OOX.X...X"
      ".X.XOX.OO"
      "X.O.X.OX."
      ".OXO..XO."
      "OX.XO.O.X"
      ".O..X.XO.";
  Damier d;
  ViderDamier(d);
  for (int p = 0; p < 81; p++) {
    if (diagramme[p] == 'X') PosePierre(d, p, 1);
    if (diagramme[p] == 'O') PosePierre(d, p, 2);
  }
  FixePointKo(d, COUP_PASSE);
  return d;
}

inline void EssaieFichierRegles(const uint8_t* octets, size_t taille) {
  if (taille == 0) return;
  static std::FILE* nulle = std::fopen("/dev/null", "w");
  std::FILE* erreurs = SortieErreurs();
  FixeSortieErreurs(nulle);
  InitialiseGoban(9);
  ReinitialiseIncremental();
  ReinitialiseBaseRegles();
  FixeSortieFatale(Fatale);
  TailleCle = octets[0] & 1 ? CLE_POSITION : CLE_32_BITS;
  std::FILE* f = std::tmpfile();
  if (taille > 1) std::fwrite(octets + 1, 1, taille - 1, f);
  try {
    LitFluxBinaire(f, "fuzz.bin");
  } catch (const FinFatale&) {
  }
  std::fclose(f);
  InitialiseDamierIncremental(PositionFixe());
  for (int kind = 0; kind < GoalKind::Nombre; kind++)
    for (int g : {1, 2}) MatchBoardBothTypes(g, kind);
  StartMatching(1, GoalKind::Oeil);
  StartMatching(2, GoalKind::Vivre);
  StartMatching(1, octets[0] % GoalKind::Nombre);
  for (int32_t p : {2, 11, 24, 40, 62, 80})
    if (PlayWithPatterns(p, 1 + p % 2)) UndoWithPatterns();
  StopMatching(1, octets[0] % GoalKind::Nombre);
  StopMatching(2, GoalKind::Vivre);
  StopMatching(1, GoalKind::Oeil);
  ReinitialiseBaseRegles();
  ReinitialiseIncremental();
  FixeSortieErreurs(erreurs == stderr ? nullptr : erreurs);
}

}  // namespace harnais
