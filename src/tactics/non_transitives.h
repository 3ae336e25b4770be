#pragma once

// Non-transitive connections: three chains A, B, C of one colour where A-B and
// B-C hold even with the opponent to move, A-C is only connectable, and one
// opponent move both cuts A from C and threatens one of the two solid links.
// Reads the connection list and the disconnection threats of the connection
// stages; leaves the non-transitive list (one record per pair A-C and cutting
// move) and the triples found, which keep the groups of A and C apart. Reads
// the board only: it plays no move.

#include <cstdint>

#include "base/liste.h"
#include "tactics/connexion.h"

inline constexpr int MAX_TRIPLES_NON_TRANSITIFS = 200;

// The triples found, three entries each: pivot B, then A and C.
using ListeTriples = Liste<3 * MAX_TRIPLES_NON_TRANSITIFS>;

struct EtatNonTransitif {
  ListeConnexions Liste;      // the non-transitive records
  ListeTriples Triples;       // `TriplesNonTransitifs`
  int32_t SansMessage = 1;    // 0: each record found is reported on the error stream
  int32_t TriplesPerdus = 0;  // the overflow of Triples was reported in this run
};
extern EtatNonTransitif NonTransitives;

// Proche(p, q, d): are the chains at the stones p and q close at level d (1:
// they share a liberty; 2: a liberty of q's chain lies next to a liberty of p's,
// or beyond a stone of p's colour next to one; 3: one more empty step)?
int Proche(int32_t p, int32_t q, int d);

// Appends the triple (pivot b; a, c) unless it or (b, c, a) is there; a full
// list drops it and reports the first overflow of the run. False if dropped.
bool AjouteTripleNonTransitif(int32_t b, int32_t a, int32_t c);

// Empties the list and the triples, then finds every non-transitive connection
// among the solid connections of ConnexionsValides.
void ConnexionsNonTransitives();

// Empties everything and silences the message (for tests).
void ReinitialiseNonTransitives();
