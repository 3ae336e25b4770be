#pragma once

// The codes a rule file is written in: goal kinds, rule types, zones, the two
// key modes and the size code of a pattern. Shared by the loader, the matcher
// and the rule compiler, so that the files and the program agree.

#include <cstdint>

// What a rule is about. The first five codes of a block header.
namespace GoalKind {
inline constexpr int Prendre = 0;
inline constexpr int Vivre = 1;
inline constexpr int Connecter = 2;
inline constexpr int Deconnecter = 3;
inline constexpr int Oeil = 4;
inline constexpr int EmpecherOeil = 5;
inline constexpr int Enfermer = 6;
inline constexpr int Sortir = 7;
inline constexpr int ConnecterVide = 8;
inline constexpr int DeconnecterVide = 9;
inline constexpr int ConnecterVideVide = 10;
inline constexpr int DeconnecterVideVide = 11;
inline constexpr int PrendreVide = 12;
inline constexpr int VivreVide = 13;
inline constexpr int ValeurCoup = 14;
inline constexpr int Fermeture = 15;
inline constexpr int GroupeStable = 16;
inline constexpr int Extension = 17;
inline constexpr int GrandeExtension = 18;
inline constexpr int Attaque = 19;
inline constexpr int Defense = 20;
inline constexpr int Nombre = 21;
}  // namespace GoalKind

// G: the goal holds; GI: the goal is open, with the moves that reach or prevent
// it. The other six types are loaded but never looked up.
namespace RuleType {
inline constexpr int G = 0;
inline constexpr int P = 1;
inline constexpr int GI = 2;
inline constexpr int PI = 3;
inline constexpr int IG = 4;
inline constexpr int IP = 5;
inline constexpr int GIII = 6;
inline constexpr int IIIP = 7;
inline constexpr int Nombre = 8;
}  // namespace RuleType

// Where a window lies: touching no edge, along one edge, in a corner.
namespace Zone {
inline constexpr int Centre = 0;
inline constexpr int Bord = 1;
inline constexpr int Coin = 2;
inline constexpr int Nombre = 3;
}  // namespace Zone

// The names the loader's block line prints and the rule sources use.
extern const char* const NomsGoalKind[GoalKind::Nombre];
extern const char* const NomsRuleType[RuleType::Nombre];
extern const char* const NomsZone[Zone::Nombre];

// The code of a name above, or -1.
int CodeGoalKind(const char* nom);
int CodeRuleType(const char* nom);
int CodeZone(const char* nom);

// Patterns are at most 19 x 19 cells; a rule addresses cells 0 to 127 only
// (cells are signed bytes in the files).
inline constexpr int TAILLE_MOTIF_MAX = 19;
inline constexpr int CELLULES_ADRESSABLES = 128;

// Key widths in bytes: one 32-bit word, or a position key of 23 words.
inline constexpr int CLE_32_BITS = 4;
inline constexpr int CLE_POSITION = 92;
inline constexpr int MOTS_CLE_POSITION = 23;

// Cell codes in a key: 2 bits a cell.
inline constexpr int CELLULE_VIDE = 0;
inline constexpr int CELLULE_BUT = 1;    // a stone of the goal colour
inline constexpr int CELLULE_AUTRE = 2;  // a stone of the other colour

// Connections and the opening kinds are looked up with position keys, as is any
// pattern of more than 16 cells (a 32-bit key holds 16 cells).
inline bool ModeCleDamier(int kind, int w, int h) {
  return kind == GoalKind::Connecter ||
         (kind >= GoalKind::ValeurCoup && kind <= GoalKind::Defense) || w * h >= 17;
}

// The key width a block of this kind and size must be written with.
inline int LargeurCle(int kind, int w, int h) {
  return ModeCleDamier(kind, w, h) ? CLE_POSITION : CLE_32_BITS;
}

// Size code of a w x h pattern: (h << 5) | w.
inline int32_t CodeTaille(int w, int h) {
  return (h << 5) | w;
}
inline int LargeurDeCode(int32_t code) {
  return code & 31;
}
inline int HauteurDeCode(int32_t code) {
  return (code >> 5) & 31;
}
// Every size code of a pattern of at most 19 x 19 is below this.
inline constexpr int NB_CODES_TAILLE = (TAILLE_MOTIF_MAX + 1) << 5;

// The lists of a rule, in file order. Each is a length byte (0 to 19) and then
// that many bytes.
inline constexpr int LONGUEUR_LISTE_MAX = 19;
inline constexpr int CONCERNEES_MAX = 9;
inline constexpr int TRIPLETS_MAX = 3;
