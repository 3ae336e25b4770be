#pragma once

// The incremental board: the read-ahead board of the engine. It is built once
// from a packed position, then changed only by playing a move and taking back
// the last one. Its strings (stones, liberties, adjacent enemy strings) are
// always up to date, so a liberty count is a field read, and every move is
// taken back exactly from an undo log. One board for the whole program.

#include <cstdint>

#include "board/damier.h"
#include "board/goban.h"

inline constexpr int MAX_STRINGS = 384;
// Capacity of a ListString: the enemy strings touching one string.
inline constexpr int MAX_LISTSTRING = 180;
// Words of the undo log and strings that can be off the board at once.
inline constexpr int TAILLE_PILE_UNDO = 10000;
inline constexpr int TAILLE_PILE_STRINGS_RETIREES = MAX_STRINGS;
// Depths for which the per-move change records exist.
inline constexpr int PROFONDEUR_MAX = 2000;

struct String;

// The enemy strings touching a string, in insertion order, with a set of
// their Numbers for membership tests.
struct ListString {
  int32_t Nombre = 0;
  int32_t Curseur = 0;
  String* Elements[MAX_LISTSTRING];
  EnsembleIntersections Numeros;  // bit i: the string of Number i is present

  void clear();
  // Appends s unless it is already present; true if appended. A full list keeps
  // its elements (the overflow is reported and s dropped: false).
  bool add(String* s);
  // Removes s, keeping the order of the others. A string that is not present
  // means the board is corrupt: the program ends (code 3).
  void ote(String* s);
  // Iteration with the cursor: first() restarts it; both answer null at the end.
  String* first();
  String* next();
  bool contient(int32_t number) const { return Contient(Numeros, number); }
  bool contient(const String* s) const;

  String* const* begin() const { return Elements; }
  String* const* end() const { return Elements + Nombre; }
  String* operator[](int i) const { return Elements[i]; }
};

// A string: a maximal set of connected stones of one colour. Records live in
// the pool PileString and are never copied; a string that leaves the board
// (captured or absorbed by a merge) keeps its fields for the undo.
struct String {
  int32_t Number;  // index in PileString, fixed
  int32_t Color;   // 1 or 2
  int32_t Ancre;   // the smallest stone, which names the string
  ListeIntersections Pierres;
  EnsembleIntersections EnsemblePierres;
  ListeIntersections Libertes;
  EnsembleIntersections EnsembleLibertes;
  ListString Voisines;  // adjacent strings of the other colour

  int NbPierres() const { return Pierres.Nombre; }
  int NbLibertes() const { return Libertes.Nombre; }
};

inline bool ListString::contient(const String* s) const {
  return contient(s->Number);
}

// ---------------------------------------------------------------------------
// Board state. Read freely; change only through the operations below.

extern Damier DamierIncremental;                          // colours; its PointKo field is not used
extern String* StringIntersection[NB_INTERSECTIONS_MAX];  // null on an empty point
extern String PileString[MAX_STRINGS];
extern int32_t KoIncremental;  // the point banned to the side to move, -1 for none
extern int32_t Profondeur;     // moves (passes included) played since the board was built
extern int32_t BilanPierres;   // +1 per stone of colour 1, -1 per stone of colour 2
// Two Zobrist words, kept across rebuilds: equal hashes mean equal positions
// among positions reached from the same root.
extern uint32_t HashPosition[2];

// Every point where a stone is added or removed is added to the set this
// points to (set by the program at start-up; null: nothing is marked).
extern EnsembleIntersections* IntersectionsModifiees;

// The two trace sets of the tactical record being computed (null: none).
// Every point where a move is played or a stone removed is marked in set A.
extern EnsembleIntersections* TraceActiveA;
extern EnsembleIntersections* TraceActiveB;
inline void MarqueTraceA(int32_t p) {
  if (TraceActiveA) Ajoute(*TraceActiveA, p);
}
inline void MarqueTraceB(int32_t p) {
  if (TraceActiveB) Ajoute(*TraceActiveB, p);
}

// Per point, the number of orthogonal neighbours that are empty, hold colour 1,
// hold colour 2: exact after every move and undo. NbVoisinsCouleur[c] is the
// table of colour c (0: empty).
extern int32_t NbVoisinsCouleur[3][NB_INTERSECTIONS_MAX];
inline int32_t (&NbVoisinsVides)[NB_INTERSECTIONS_MAX] = NbVoisinsCouleur[0];
inline int32_t (&NbVoisins1)[NB_INTERSECTIONS_MAX] = NbVoisinsCouleur[1];
inline int32_t (&NbVoisins2)[NB_INTERSECTIONS_MAX] = NbVoisinsCouleur[2];

// Per point, its neighbours that are empty, of colour 1, of colour 2, in the
// position the board was built from: moves do not update them.
extern Liste<4> VoisinsVides[NB_INTERSECTIONS_MAX];
extern Liste<4> VoisinsCouleur1[NB_INTERSECTIONS_MAX];
extern Liste<4> VoisinsCouleur2[NB_INTERSECTIONS_MAX];

// Per-move change records, kept only while SuiviModifications is 1. Entry d
// describes the move played at depth d (Profondeur before the move): it stays
// valid after the move is taken back, until another move is played there.
struct ModificationsCoup {
  ListeIntersections Points;              // points whose colour changed, in order
  EnsembleIntersections EnsemblePoints;   // the same points
  EnsembleIntersections PierresLibertes;  // stones and liberties of the strings touched
};
extern int SuiviModifications;
extern ModificationsCoup ModificationsProfondeur[PROFONDEUR_MAX];

// ---------------------------------------------------------------------------
// Operations.

// Builds the board from a packed position. The position's ko point becomes
// KoIncremental (its keys XORed in) when it bans a move there, that is when it
// is an empty point of the board with no empty neighbour. HashPosition is not
// reset.
void InitialiseDamierIncremental(const Damier& damier);

// True if c may play at p (a pass is not a point: false).
bool CoupLegalIncremental(int32_t p, int c);

// Plays c at p (COUP_PASSE: a pass) with no legality test. Answers true when the
// move is played, false when it is refused: a point neither on the board nor a
// pass, an occupied point, a colour other than 1 or 2, or a move that would
// overflow one of the board's fixed stacks (reported with a "Pb ..." line).
// A refused move must not be taken back.
bool JoueCoupIncremental(int32_t p, int c);

// Plays the move if it is legal; true if played (false for illegal or refused).
bool EssaieCoupIncremental(int32_t p, int c);

// Takes back the last move played. Answers true, or false (with a "Pb ..." line) when
// there is no move to take back.
bool UndoIncremental();

// The ko point that c's move at p would create, or -1.
int32_t PointKoIncremental(int32_t p, int c);

// The liberties a stone of c at p would have (captures counted) in the list;
// the set receives the same points plus the stones of the friendly strings
// that would join. Returns the number of liberties (0 for an occupied p).
int LibertesApresIncremental(int32_t p, int c, ListeIntersections& libertes,
                             EnsembleIntersections& dejaVus);
int NbLibertesApresIncremental(int32_t p, int c);

// The smallest stone of the string at p (0, with a "Pb ..." line, for no string).
int32_t PlusPetitePierre(int32_t p);

// Empties the board, its stacks and pool, HashPosition, the trace pointers and
// IntersectionsModifiees, as at start-up (for tests).
void ReinitialiseIncremental();

// CoherenceIncremental() recounts the board from its colours and compares the
// recount with what play and undo keep: every stone's string (colour, stones,
// anchor, liberties, adjacent enemy strings, in their lists and their sets), the
// strings on the board, the neighbour counts, BilanPierres, and HashPosition
// against the hash the board was built with. True when everything agrees;
// otherwise the first difference is reported ("Pb CoherenceIncremental ...") and
// the answer is false. Changes nothing.
bool CoherenceIncremental();

// On in the sanitizer build: every take-back checks the board's coherence and
// ends the program (abort) on a difference.
#ifdef ILVANE_COHERENCE
inline constexpr bool VerifieCoherenceApresReprise = true;
#else
inline constexpr bool VerifieCoherenceApresReprise = false;
#endif

// Sizes of the internal stacks, for tests and diagnostics.
int NombreMotsPileUndo();
int SommetPileString();  // records taken from the pool
int NombreStringsRetirees();

// ---------------------------------------------------------------------------

// Plays a move for the lifetime of the object and takes it back on scope exit,
// so that a search can never forget the undo:
//   CoupTemporaire coup(p, c);
//   if (!coup) continue;  // illegal or refused: nothing to take back
// A pass is played as a pass. With SansTest the legality test is skipped
// (JoueCoupIncremental instead of EssaieCoupIncremental).
class [[nodiscard]] CoupTemporaire {
 public:
  struct SansTestT {};
  static constexpr SansTestT SansTest{};

  [[nodiscard]] CoupTemporaire(int32_t p, int c)
      : joue_(p == COUP_PASSE ? JoueCoupIncremental(p, c) : EssaieCoupIncremental(p, c)) {}
  [[nodiscard]] CoupTemporaire(int32_t p, int c, SansTestT) : joue_(JoueCoupIncremental(p, c)) {}
  ~CoupTemporaire() {
    if (joue_) UndoIncremental();
  }
  CoupTemporaire(const CoupTemporaire&) = delete;
  CoupTemporaire& operator=(const CoupTemporaire&) = delete;

  bool Joue() const { return joue_; }
  explicit operator bool() const { return joue_; }
  // Takes the move back now (the destructor then does nothing).
  void Annule() {
    if (joue_) UndoIncremental();
    joue_ = false;
  }

 private:
  bool joue_;
};
