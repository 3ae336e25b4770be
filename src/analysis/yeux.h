#pragma once

// The stage "jeux Oeil": the table of the eyes of both colours that the eye
// rules see on the board.
//
// Reads: the incremental board and its strings, the eye rules of the rule base
// (goal kind Oeil) through the matcher, the quick capture test EstPerdu and
// AdversaireNePeutPasJouer (to tell when two eyes cannot count as two).
// Writes: the eye table below, emptied and filled by InitialiseYeux.
// Leaves for later stages: the eye regions add their own eyes with AjouteOeil;
// the groups read the table (YeuxDeCouleur, YeuxDeString) and credit each eye
// to the group of its anchor, testing YeuxEnConflit between a group's eyes.
//
// Each eye keeps the window it was found in, the string it belongs to and, for
// a possible eye, the moves that make it and the moves that spoil it. Two eyes
// in conflict are merged on insertion instead of being counted twice.

#include <cstdint>
#include <cstdio>

#include "base/liste.h"
#include "board/goban.h"

inline constexpr int NOMBRE_YEUX_MAX = 120;
// Room of the move lists of an eye.
inline constexpr int MAX_COUPS_OEIL = 29;

using CoupsOeil = Liste<MAX_COUPS_OEIL>;

struct Oeil {
  int32_t Couleur = 0;  // whose eye it is
  // Top-left point (column, row) and extent of the window it was found in.
  int32_t x = 0, y = 0, w = 0, h = 0;
  int32_t Ancre = 0;           // anchor of the string holding the rule's first concerned point
  CoupsOeil CoupsAtteindre{};  // moves that make the eye
  CoupsOeil CoupsEmpecher{};   // moves that spoil it
  int32_t Sur = 0;             // 1: the eye exists now; 0: it is only possible
  int32_t DeRegle = 0;         // 1: the record carries the move lists of a rule
  // Two point sets for the group code, cleared at creation.
  EnsembleIntersections EnsembleA{};
  EnsembleIntersections EnsembleB{};

  Oeil() = default;
  // A new eye: empty lists, both flags 0, both sets cleared.
  Oeil(int couleur, int32_t ancre, int x0, int y0, int largeur, int hauteur)
      : Couleur(couleur), x(x0), y(y0), w(largeur), h(hauteur), Ancre(ancre) {}
};

// A table of eyes: the analysis has one (below); tests may build their own.
struct TableYeux {
  int32_t NombreYeuxValides = 0;
  Oeil Yeux[NOMBRE_YEUX_MAX];

  const Oeil* begin() const { return Yeux; }
  const Oeil* end() const { return Yeux + NombreYeuxValides; }
};

// YeuxEnConflit(a, b): 1 when eye a cannot count beside eye b (same colour and
// overlapping windows with a point between them that breaks one of them, one
// window inside the other, or two rule eyes sharing a spoiling move). Reads the
// board (EstPerdu, AdversaireNePeutPasJouer, legality); changes nothing.
int YeuxEnConflit(const Oeil& a, const Oeil& b);

// AjouteOeil(table, oeil): appends a copy of the eye when it is in conflict
// with no eye of the table and returns 1. Otherwise merges it into the eyes it
// conflicts with (a possible eye takes a rule eye's moves, a sure eye replaces
// a possible one) and returns 0. A full table reports
// "Erreur NOMBRE_YEUX_MAX AjouteOeil" and drops the eye (0); a move that finds
// no room in a merged list is reported ("Pb AjouteOeil MAX_COUPS_OEIL <move>")
// and dropped.
int AjouteOeil(TableYeux& table, const Oeil& oeil);
// The same on the analysis's eye table.
int AjouteOeil(const Oeil& oeil);

// The stage: empties the analysis's eye table, then the eyes of the rules for
// colour 1, then for colour 2.
void InitialiseYeux();
// Matches the eye rules for the colour on the whole board and adds an eye for
// every G record (sure), then every GI record (possible, with its moves), named
// by the string of the record's first concerned point. A record whose point is
// empty ("Pb1"), has no string ("Pb2") or holds a stone of the other colour
// ("Pb3 InitialiseYeuxPatterns <point>") is reported and skipped. The matched
// records go back to the pool; incremental matching is left as it was.
void InitialiseYeuxPatterns(int couleur);

// ---------------------------------------------------------------------------
// Reading the analysis's eye table.

// The whole table, in insertion order.
const TableYeux& TableDesYeux();
int NombreYeuxValides();

// The eyes of a table that satisfy a test, as a range for a for loop.
class VueYeux {
 public:
  enum class Filtre { Couleur, Ancre };
  VueYeux(const TableYeux& t, Filtre f, int32_t v) : t_(t), f_(f), v_(v) {}

  class Iterateur {
   public:
    Iterateur(const VueYeux& vue, int i) : vue_(vue), i_(i) { Avance(); }
    const Oeil& operator*() const { return vue_.t_.Yeux[i_]; }
    Iterateur& operator++() {
      ++i_;
      Avance();
      return *this;
    }
    bool operator!=(const Iterateur& o) const { return i_ != o.i_; }

   private:
    void Avance() {
      while (i_ < vue_.t_.NombreYeuxValides && !vue_.Garde(vue_.t_.Yeux[i_])) ++i_;
    }
    const VueYeux& vue_;
    int i_;
  };

  Iterateur begin() const { return Iterateur(*this, 0); }
  Iterateur end() const { return Iterateur(*this, t_.NombreYeuxValides); }

 private:
  bool Garde(const Oeil& o) const { return (f_ == Filtre::Couleur ? o.Couleur : o.Ancre) == v_; }
  const TableYeux& t_;
  Filtre f_;
  int32_t v_;
};

// The eyes of a colour, and the eyes of the string anchored at ancre.
inline VueYeux YeuxDeCouleur(int couleur, const TableYeux& t = TableDesYeux()) {
  return VueYeux(t, VueYeux::Filtre::Couleur, couleur);
}
inline VueYeux YeuxDeString(int32_t ancre, const TableYeux& t = TableDesYeux()) {
  return VueYeux(t, VueYeux::Filtre::Ancre, ancre);
}

// A picture of a table for the trace and the debug commands: the count, then
// one line per eye, for instance
//   NombreYeuxValides 1
//   0: couleur 1 fenetre 4 2 4x3 ancre 13 sur 0 regle 1 atteindre 14 empecher 14 22
void EcritYeux(std::FILE* f, const TableYeux& t);

// Empties the analysis's eye table (for tests).
void ReinitialiseYeux();
