#pragma once

// The rule generator: writes the eye rules (OeilCentre, OeilBord, OeilCoin)
// and the life rules (VivreBord, VivreCoin) from the local solver
// (solveur.h), by trying every content of every window it knows, and keeping
// a rule for each content that is sure (G) or open (GI). The hand-written
// rules of data/rules/manuelles/ are copied after the generated ones.

#include <string>
#include <vector>

#include "compilateur.h"

namespace generateur {

// The five generated rule files, by name.
inline constexpr const char* FICHIERS_GENERES[] = {"OeilCentre", "OeilBord", "OeilCoin",
                                                   "VivreBord", "VivreCoin"};

// The generated rules of one file, in the order they are written.
std::vector<compilateur::Regle> ReglesGenerees(const std::string& nom);

// The whole source text of one file: its header, the generated rules, then the
// hand-written rules `manuelles` (a rule source without its 'cles' line).
std::string SourceGeneree(const std::string& nom, const std::string& manuelles);
// The same from rules already generated.
std::string SourceGeneree(const std::string& nom, const std::vector<compilateur::Regle>& regles,
                          const std::string& manuelles);

// An eye window: its zone, size and eye-space cells.
struct FenetreOeil {
  int Zone;
  int W;
  int H;
  std::vector<int> Oeil;
};
// Every eye window the generator tries, in the order it writes them.
std::vector<FenetreOeil> FenetresOeil();

// The first cell of each X string of the window (cells adjacent in the grid)
// that holds one of the cells `dans`.
std::vector<int> PremieresPierres(const std::vector<uint8_t>& motif, int w, int h, uint32_t dans);

}  // namespace generateur
