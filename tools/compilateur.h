#pragma once

// The rule compiler: reads rule sources (readable text, one file per rule
// file), validates them, expands the symmetries asked for, merges the rules of
// equal keys, sorts the keys and writes the binary rule files the program
// loads. It also reads any binary rule file back into the same text.
// The source format is described in data/rules/README.md.

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace compilateur {

// One rule as the source shows it: its block header, its window diagram
// (w x h cell codes: 0 empty, 1 goal colour, 2 other colour) and its lists.
// Cells are indices j * w + i.
struct Regle {
  int Kind = -1;
  int Type = -1;
  int Zone = -1;
  int W = 0;
  int H = 0;
  std::vector<uint8_t> Motif;
  std::vector<int> Concernees;                    // list 1
  std::vector<int> Atteindre;                     // list 2
  std::vector<int> Empecher;                      // list 3
  std::vector<std::pair<int, int>> AuMoins;       // list 4: (cell, n)
  std::vector<std::pair<int, int>> AuPlus;        // list 5
  std::vector<std::pair<int, int>> AuMoinsApres;  // list 6: after the goal colour's move
  std::vector<std::pair<int, int>> AuPlusApres;   // list 7: after the other colour's move
  std::vector<std::array<int, 3>> Valeurs1;       // list 8: (goal kind, cell, value)
  std::vector<std::array<int, 3>> Valeurs2;       // list 9
  // Where the rule was written, for the messages.
  std::string Fichier;
  int Ligne = 0;

  bool operator==(const Regle& r) const;
};

// A whole rule file: its key width (4 or 92 bytes) and its rules in order.
struct FichierRegles {
  int Cles = 4;
  std::vector<Regle> Regles;
};

// "file:line: message" lines; empty when all went well.
using Erreurs = std::vector<std::string>;

// Reads a source text (nom names it in the messages), expanding the symmetries
// asked for, and validates every rule.
FichierRegles LitSource(const std::string& texte, const std::string& nom, Erreurs& erreurs);

// The checks the source reader applies to each rule, for rules built otherwise.
void Valide(const Regle& r, int cles, Erreurs& erreurs);

// The binary rule file: blocks sorted by (kind, type, zone, w, h), keys sorted,
// rules of equal keys merged into one entry in their order. The rules must be
// valid.
std::vector<uint8_t> EcritBinaire(const FichierRegles& f);

// Reads a binary rule file of the given key width back into rules, in file
// order. Any malformation is an error.
FichierRegles LitBinaire(const std::vector<uint8_t>& octets, int cles, const std::string& nom,
                         Erreurs& erreurs);

// The source text of a rule file, in the form the reader takes back.
std::string EcritSource(const FichierRegles& f);

// The key width a binary file is read with when none is given: 92 for the
// opening file, 4 otherwise.
int ClesParDefaut(const std::string& chemin);

// Cell names of the sources: column letter and row number, "a1" top-left.
std::string NomCellule(int cellule, int w);

}  // namespace compilateur
