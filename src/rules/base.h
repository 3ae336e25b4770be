#pragma once

// The rule base: the binary rule files read once at start-up, each block turned
// into a numbered base that the matcher finds again by its five header values,
// and the pattern sizes of each goal kind. The start-up of the whole rules layer
// (bases, matcher, goals, then the files) is in rules/regles.h.

#include <cstdint>
#include <cstdio>

#include "rules/codes.h"
#include "rules/regle.h"

// Built-in switches: the eye and life files are read, the connection files not.
inline constexpr bool SansReglesOeilVivre = false;
inline constexpr bool AvecReglesConnecter = false;

// Base numbers run from 0 to MaxBaseNumber - 2; the hash has 1001 buckets of
// MaxEltHashBaseNumber pairs (base key, base number).
inline constexpr int MaxBaseNumber = 2000;
inline constexpr int MaxEltHashBaseNumber = 9;
inline constexpr int NB_SEAUX_BASES = 1001;
inline constexpr int TAILLES_PAR_BUT_MAX = 512;

// What FindBaseNumber gives: the entry count (0 when there is no such base),
// the sorted keys (N of them, K / 4 words each), the rule data and the N + 1
// offsets into it.
struct BaseRegles {
  uint32_t N = 0;
  int K = 0;
  const uint32_t* Cles = nullptr;
  const int8_t* Donnees = nullptr;
  const uint32_t* Offsets = nullptr;
};

// The pattern sizes of one goal kind, in the order of their first block, and
// the same sizes by size code for a quick membership test.
struct TaillesMotifs {
  int Nombre = 0;
  int8_t w[TAILLES_PAR_BUT_MAX];
  int8_t h[TAILLES_PAR_BUT_MAX];
  bool Presente[NB_CODES_TAILLE];

  bool Contient(int32_t code) const {
    return code >= 0 && code < NB_CODES_TAILLE && Presente[code];
  }
};
extern TaillesMotifs TaillesGoalKind[GoalKind::Nombre];

// Key width in bytes of the file being read: 4 for the eye, life and connection
// files, 92 for "Fuzeki.bin".
extern int TailleCle;

// Reads every block of the named file, looked for in the working directory and
// then beside the executable. A missing file is reported and skipped.
void LitBinaire(const char* nom);

// The same on an open stream (nom names it in the messages); for tests.
void LitFluxBinaire(std::FILE* f, const char* nom);

// Registers one block of the file being read: true, or false at its end, on a short
// read or on a block refused as malformed.
bool LitBlocBinaire();

// kind + 21 * type + 147 * (zone + 3 * w + 57 * h)
int32_t CleBase(int kind, int type, int zone, int w, int h);

// The next base number for the base key. A full bucket or base table ends the
// program with status 1.
int NewBaseNumber(int32_t cle);

// The first base registered with these five header values.
BaseRegles FindBaseNumber(int kind, int type, int zone, int w, int h);

int NombreBases();

// Frees every base and empties the pattern sizes of every goal kind.
void InitialiseBases();

// How the two fatal limits end the program (std::exit by default, or with
// nullptr); the fuzz target replaces it.
void FixeSortieFatale(void (*sortie)(int));
