#pragma once

// The connection threat search: the connecting side plays a move after which
// it threatens to link two chains; every defence on the points the threat
// relies on (its trace) is tried, and the threat must hold again after each,
// down to a budget of nested threats. The connection search asks it, at its
// second widening level, for the disconnecter's moves that stop the best
// threat. Only the connection goal exists.
//
// Colours: x is always the disconnecter, y the connecter (the owner of the two
// chains). Every move played is taken back.

#include <cstdint>

#include "board/incremental.h"

inline constexpr int BUT_CONNEXION = 2;
inline constexpr int ORDRES_MENACE = 5;

struct ButMenace {
  int Type = 0;
  int32_t A = -1;  // a stone of each chain to link
  int32_t B = -1;
};

// Threat counts by order 0 to 4: the budget, or what a proof used.
struct VecteurMenace {
  int32_t N[ORDRES_MENACE] = {};
  void Vide() {
    for (int32_t& n : N) n = 0;
  }
  void Soustrait(const VecteurMenace& v) {
    for (int i = 0; i < ORDRES_MENACE; i++) N[i] -= v.N[i];
  }
  // The highest order with a positive count (4 down to 1), else 0.
  int OrdreMax() const {
    for (int k = ORDRES_MENACE - 1; k >= 1; k--)
      if (N[k] > 0) return k;
    return 0;
  }
};

// The budget of the connection search's second level.
inline constexpr VecteurMenace BUDGET_MENACE_CONNEXION = {{0, 6, 5, 0, 0}};

// A point list with a set of the same points: adding a point present does nothing.
struct TraceMenace {
  ListeIntersections Points;
  EnsembleIntersections Ensemble{};
  void Vide() {
    ::Vide(Points);
    ::Vide(Ensemble);
  }
  void Ajoute(int32_t p) {
    if (!SurGoban(p) || Contient(Ensemble, p)) return;
    ::Ajoute(Ensemble, p);
    ::Ajoute(Points, p);
  }
  void Ajoute(const TraceMenace& t) {
    for (int32_t p : t.Points) Ajoute(p);
  }
};

extern ButMenace ButMenaceCourant;

void FixeButMenace(int type, int32_t a, int32_t b);
// The goal holds for the connecter y: the stone at a is y's and the two chains
// are linked (connected in one move whatever the disconnecter does).
bool ButAtteint(int y, TraceMenace& trace);
// The candidate moves of order k (2: two-move candidates, 3 and 4: CoupsConnecter).
void CoupsMenace(int k, int couleur, ListeIntersections& liste);
// Plays m for c when the traced legality test allows it (true: played).
bool JoueMenace(int32_t m, int c, TraceMenace& trace);
bool MenaceConnexion(VecteurMenace& utilise, VecteurMenace& budget, int y, TraceMenace& trace);
bool MenaceConnexionApres(VecteurMenace& budget, int y, TraceMenace& trace);
// True if the connecter (the other colour of x) has a threat; the refutations
// are x's moves that stop it. An already linked pair answers with x's moves
// that break the link.
bool RefutationsMenaceConnexion(VecteurMenace budget, int x, ListeIntersections& refutations,
                                TraceMenace& trace);
