#pragma once

// Liberty questions the tactical searches ask of the incremental board many
// times per node: how many liberties a stone would have, how many lie one or
// two steps further out, whether the opponent can usefully play at a point.
// None of them changes the incremental board.

#include <cstdint>

#include "board/damier.h"
#include "board/incremental.h"

// 1 if a stone of c at p would have at least 2 liberties (0 for an occupied p).
// Fast: stops as soon as two are certain.
int DeuxLibertesApres(int32_t p, int c);

// Empty neighbours of p plus the liberty counts of the distinct strings of
// colour c next to it; a liberty shared by two such strings counts twice.
int PseudoLibertes(int32_t p, int c);

// Second- and third-order liberties of a stone of c at p: the empty points
// (and the liberties of c's strings) one and two steps beyond its liberties.
int LibertesOrdre2(int32_t p, int c);
int LibertesOrdre3(int32_t p, int c);

// Second-order liberties of the string at p, in the list; the set receives the
// same points and the stones of the friendly strings reached. Both are emptied
// first; an empty p leaves them empty.
void LibertesOrdre2String(ListeIntersections& liste, EnsembleIntersections& ensemble, int32_t p);

// Third-order liberties of the string at p, from its second-order list and set.
void LibertesOrdre3String(ListeIntersections& liste, EnsembleIntersections& ensemble,
                          const ListeIntersections& ordre2, const EnsembleIntersections& ensemble2,
                          int32_t p);

// Number of strings in s's Voisines with exactly one liberty.
int NbVoisinsEnAtari(const String* s);

// Adds s's liberties, and the first liberty of each adjacent enemy string, to
// IntersectionsModifiees.
void MarqueLibertesModifiees(const String* s);

// 1 if some neighbour q of m that is a liberty of s is nearly closed: fewer than
// 3 empty neighbours and no stone of s's opponent next to it.
int LibertesEtroites(int32_t m, const String* s);

// 1 if c's opponent cannot usefully play at q: the move is illegal, or the stone
// would be caught at once in a short ladder where c answers each extension with
// an atari it can afford.
int AdversaireNePeutPasJouer(int32_t q, int c);
