#pragma once

// Goals and goal matching. A search registers the goals (colour, goal kind)
// whose matches it wants kept current, then plays and takes back its moves
// through PlayWithPatterns and UndoWithPatterns: after each step only the
// windows that contain a changed point are matched again. A rule whose liberty
// conditions changed because a string outside its window gained or lost
// liberties keeps its old verdict until one of its own cells changes.
//
//   StartMatching(1, GoalKind::Oeil);
//   if (PlayWithPatterns(p, 1)) { ...read MatchedRulesOeil...; UndoWithPatterns(); }
//   StopMatching(1, GoalKind::Oeil);

#include <cstdint>

#include "base/liste.h"
#include "base/trace.h"
#include "board/damier.h"

// A bounded set of pairs of integers, in insertion order. A filter of 3200 bits
// makes the test for a pair already present cheap in the common case.
template <int N>
struct TabDoublet {
  static constexpr int32_t Capacite = N;
  static constexpr int BITS_FILTRE = 3200;

  uint32_t Filtre[BITS_FILTRE / 32] = {};
  struct Paire {
    int32_t a;
    int32_t b;
  } Paires[N];
  int32_t Nombre = 0;

  static uint32_t BitFiltre(int32_t a, int32_t b) {
    return ((static_cast<uint32_t>(b) << 4) | static_cast<uint32_t>(a)) % BITS_FILTRE;
  }

  bool contains(int32_t a, int32_t b) const {
    const uint32_t bit = BitFiltre(a, b);
    if (!((Filtre[bit / 32] >> (bit % 32)) & 1)) return false;
    for (int i = 0; i < Nombre; i++)
      if (Paires[i].a == a && Paires[i].b == b) return true;
    return false;
  }

  // Appends the pair unless present; a full set reports it and drops the pair.
  void push(int32_t a, int32_t b) {
    if (contains(a, b)) return;
    if (Nombre >= N) {
      Signale("Pb TabDoublet::push %d\n", Nombre);
      return;
    }
    Paires[Nombre++] = Paire{a, b};
    const uint32_t bit = BitFiltre(a, b);
    Filtre[bit / 32] |= 1u << (bit % 32);
  }

  void clear() {
    Nombre = 0;
    for (uint32_t& m : Filtre) m = 0;
  }

  // Drops every equal pair, keeping the others in order. The filter keeps its
  // bits: a stale bit only costs a scan.
  void remove(int32_t a, int32_t b) {
    int k = 0;
    for (int i = 0; i < Nombre; i++)
      if (Paires[i].a != a || Paires[i].b != b) Paires[k++] = Paires[i];
    Nombre = k;
  }

  bool hasFirst(int32_t a) const {
    for (int i = 0; i < Nombre; i++)
      if (Paires[i].a == a) return true;
    return false;
  }

  const Paire* begin() const { return Paires; }
  const Paire* end() const { return Paires + Nombre; }
};

inline constexpr int MAX_GOALS_TO_MATCH = 23;
inline constexpr int MAX_POINT_WINDOWS = 500;
inline constexpr int MAX_CHANGED_WINDOWS = 2000;

// When on, every step matches every registered goal again on the whole board
// instead of the changed windows.
inline constexpr bool FullRematch = false;

// The registered goals, as pairs (colour, goal kind).
extern TabDoublet<MAX_GOALS_TO_MATCH> GoalsToMatch;
// The colours that have at least one goal.
extern Liste<2> GoalColours;
// Per point, the windows (anchor point, size code) whose contents change with it.
extern TabDoublet<MAX_POINT_WINDOWS> PointWindows[NB_INTERSECTIONS_MAX];
// The windows touched by the last step.
extern TabDoublet<MAX_CHANGED_WINDOWS> ChangedWindows;
// On while a goal is registered.
extern int IncrementalMatching;

// Empties the goal-matching state (part of the start-up in rules/regles.h).
void InitialiseButs();

// Registers the goal and matches its kind on the whole board for the colour.
void StartMatching(int couleur, int kind);
// Registers the goal without matching.
void AddGoalToMatch(int couleur, int kind);
// Unregisters the goal and gives back every record of its kind's set.
void StopMatching(int couleur, int kind);

// Plays the move if legal (true) and brings the registered goals' matches up to
// date; false for an illegal move, with nothing matched again.
bool PlayWithPatterns(int32_t point, int couleur);
// Takes back the last move and brings the matches up to date.
void UndoWithPatterns();

// The code tables after a step: every window of a changed point is rewritten
// for each goal colour and pushed into ChangedWindows.
void UpdateWindowCodes(const ListeIntersections& points);
// Matches every changed window again for every registered goal.
void RematchChangedWindows();
// Matches every registered goal again on the whole board.
void RematchTout();
