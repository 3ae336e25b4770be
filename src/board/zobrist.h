#pragma once

// The Zobrist keys of the incremental board's hash: six rows of 361 random
// words (colour-1, colour-2 and ko keys for the first hash word, then the same
// three rows for the second word), then the side-to-move pair (2660, 0).
// The words are fixed: they come from a seeded generator run at compile time,
// so every build and every run hashes a position the same way.

#include <array>
#include <cstdint>

#include "board/goban.h"

inline constexpr int NB_CLES_ZOBRIST = 6 * NB_INTERSECTIONS_MAX + 2;  // 2166 keys and the pair

namespace detail {
// splitmix64, one step: a good spread of bits from a plain counter.
constexpr uint64_t Melange(uint64_t& etat) {
  uint64_t z = (etat += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

constexpr std::array<uint32_t, NB_CLES_ZOBRIST> GenereClesZobrist() {
  std::array<uint32_t, NB_CLES_ZOBRIST> t{};
  uint64_t etat = 0x1F1A5EEDull;
  for (int i = 0; i < 6 * NB_INTERSECTIONS_MAX; i++)
    t[i] = static_cast<uint32_t>(Melange(etat) >> 32);
  t[6 * NB_INTERSECTIONS_MAX] = 2660;
  t[6 * NB_INTERSECTIONS_MAX + 1] = 0;
  return t;
}
}  // namespace detail

inline constexpr std::array<uint32_t, NB_CLES_ZOBRIST> CleZobrist = detail::GenereClesZobrist();

// The rows of the table.
inline constexpr int ZOBRIST_COULEUR1_MOT1 = 0;
inline constexpr int ZOBRIST_COULEUR2_MOT1 = 1;
inline constexpr int ZOBRIST_KO_MOT1 = 2;
inline constexpr int ZOBRIST_COULEUR1_MOT2 = 3;
inline constexpr int ZOBRIST_COULEUR2_MOT2 = 4;
inline constexpr int ZOBRIST_KO_MOT2 = 5;
inline constexpr int ZOBRIST_TRAIT = 6 * NB_INTERSECTIONS_MAX;  // the side-to-move pair

inline constexpr uint32_t CleZobristRang(int rang, int32_t p) {
  return CleZobrist[rang * NB_INTERSECTIONS_MAX + p];
}
