#pragma once

// The transposition table of the tactical searches: for a position of the
// incremental board, named by its two hash words, the result of the last search
// of it, the remaining depth it was searched to, a best move and the moves that
// were tried. One entry per value of the top 14 bits of the first hash word, no
// buckets. Entries are invalidated all at once by a generation counter, so a
// new search costs one increment; the full clear happens only when the counter
// wraps (and the wrap skips 0, the mark of a cleared entry).

#include <cstdint>

inline constexpr int TAILLE_TT = 16384;
inline constexpr int MaxMovesTrans = 20;

struct EntreeTT {
  uint16_t Resultat = 0;
  uint16_t Generation = 0;
  uint8_t Profondeur = 0;
  uint8_t Coupee = 0;  // 1: the move list lost moves at the store
  uint16_t MeilleurCoup = 0;
  uint16_t NombreCoups = 0;
  uint16_t Coups[MaxMovesTrans] = {};
  uint32_t Cle1 = 0;
  uint32_t Cle2 = 0;
};

struct EtatTT {
  EntreeTT Entrees[TAILLE_TT];
  uint16_t Generation = 0;
  // Counters since the last reset (for the benchmarks and tests).
  uint64_t Trouves = 0;
  uint64_t Ecrits = 0;
  uint64_t Effacements = 0;
};
extern EtatTT TableTransposition;

// Starts a new generation: every entry written before becomes invisible. When
// the counter is 0 (start-up, or after it wrapped past 65535) the whole table
// is cleared first and the generation becomes 1.
void NouvelleRechercheTT();

// The entry of the position (cle1, cle2) written in the current generation, or
// null.
const EntreeTT* ChercheTT(uint32_t cle1, uint32_t cle2);
// The same for the incremental board's position (HashPosition).
const EntreeTT* ChercheTT();

// AddTT stores a result at the position's index: always over an entry of an
// older generation, within the current one only at a strictly greater depth.
// Returns 1 if written. Only the first MaxMovesTrans moves are kept (more are
// reported "Pb MaxMovesTrans < n in AddTT"); NombreCoups then says
// MaxMovesTrans and Coupee is set: such a list cannot stand for a complete
// candidate list.
int AddTT(uint32_t cle1, uint32_t cle2, int profondeur, int resultat, int meilleurCoup,
          const int32_t* coups, int nombreCoups);
int AddTT(int profondeur, int resultat, int meilleurCoup, const int32_t* coups, int nombreCoups);

// Clears the table and sets the generation and counters to 0 (for tests).
void ReinitialiseTT();
