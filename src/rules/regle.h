#pragma once

// Matched rules: the record a rule becomes when it applies to a window of the
// board, and the set type of the four sets the matcher fills, one per goal
// family. The sets and the fixed pool their records come from belong to the
// matcher (rules/motifs.h).

#include <cstdint>

#include "base/liste.h"
#include "rules/codes.h"

// One (goal kind, point, value) of a value list.
struct Triplet {
  int32_t GoalKind;
  int32_t Point;
  int32_t Valeur;
};

// A value list: its byte count (3 a triple) and at most 3 triples.
struct ListeValeurs {
  int32_t NbOctets;
  Triplet Triplets[TRIPLETS_MAX];

  int NbTriplets() const { return NbOctets / 3; }
  const Triplet* begin() const { return Triplets; }
  const Triplet* end() const { return Triplets + NbTriplets(); }
};

// Where a window lies on the board and how the pattern is laid on it.
struct FenetreMotif {
  int x0, y0;  // top-left point of the board rectangle
  int bw, bh;  // the rectangle's extent in columns and rows
  int w, h;    // the pattern's width and height
  int o1, o2;  // orientation: directions in which columns and rows of the pattern grow
};

struct MatchedRule {
  int8_t x0, y0;
  uint8_t bw, bh;
  uint8_t w, h;
  uint8_t o1, o2;
  uint8_t Type;  // RuleType::G or RuleType::GI
  // GI records only: moves of the goal colour that reach the goal, moves of the
  // other colour that prevent it.
  Liste<LONGUEUR_LISTE_MAX> CoupsAtteindre;
  Liste<LONGUEUR_LISTE_MAX> CoupsEmpecher;
  // The points the rule is about; the first one names the string for eyes and life.
  Liste<CONCERNEES_MAX> IntersectionsConcernees;
  // Filled in position-key mode only; the second list carries the result of the
  // shared family (kinds 14 to 20).
  ListeValeurs Valeurs1;
  ListeValeurs Valeurs2;
  // Where the rule lies, so that it can be read again.
  int32_t Entree;
  int32_t Debut;
  const int8_t* Donnees;
  const uint32_t* Offsets;
};

// A rule as read from its entry: each of its nine lists points into the base's
// rule data. Lists 8 and 9 are empty when the base is read with 32-bit keys.
struct ListeOctets {
  const int8_t* Octets;
  int Nombre;
};

struct RegleLue {
  ListeOctets Listes[9];
  bool ModeDamier;
  int32_t Entree;
  int32_t Debut;
  const int8_t* Donnees;
  const uint32_t* Offsets;
};

inline constexpr int MaxGRules = 2000;
inline constexpr int MaxGiRules = 2000;

// The rules matched for one goal family. A set holds at most 1999 records of
// each type.
struct MatchedRules {
  int32_t GoalFamily = 0;
  int32_t NbGRules = 0;
  MatchedRule* GRules[MaxGRules];
  int32_t NbGiRules = 0;
  MatchedRule* GiRules[MaxGiRules];

  // Appends a record taken from the pool (the matcher fills it); false when the
  // rule was dropped, with its reason reported.
  bool addG(int kind, const FenetreMotif& f, const RegleLue& r);
  bool addGI(int kind, const FenetreMotif& f, const RegleLue& r);
};
