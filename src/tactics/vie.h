#pragma once

// The simple life-and-death search: for a group (strings of one colour taken
// as one unit), can its owner make it live moving first, and can the opponent
// kill it moving first, and with which moves. RecursiveSimpleLive (owner to
// move) and RecursiveSimpleKill (attacker to move) alternate; the drivers
// ChercheCoupsVivre and ChercheCoupsTuer run them by iterative deepening under
// a node limit. Life is recognised statically: two distinct eyes live
// (DeuxYeux), and one owner move to two eyes lives with the owner to move
// (DeuxYeuxEnUnCoup). The attacker's moves come from the matched life and eye
// rules, then from the moves against a one-move two-eye shape.
//
// Moves go through the matcher-aware play and undo (rules/buts.h) so that the
// matched rules follow the position; the probe moves of the static tests are
// plain moves taken back at once, which the matcher never sees. Every search
// leaves the board, the matched-rule sets and the registered goals as found.
//
// Reads: the incremental board, the eye tests (tactics/oeil.h), the matched
// "Vivre" and "Oeil" rules, the solid connections of the last "jeux Connecter"
// (for the unit builder) and the transposition table.

#include <cstdint>

#include "base/liste.h"
#include "board/goban.h"
#include "tactics/oeil.h"

// Stones standing for the member strings of a group.
inline constexpr int MAX_MEMBRES_VIE = 100;
// Eyes kept by DeuxYeux for its comparison.
inline constexpr int MAX_YEUX_VIE = 100;
inline constexpr int LIMITE_NOEUDS_VIE = 200;
// During the trial moves the life stage runs once per candidate: a smaller
// budget keeps a move's time in bounds, and an answer cut off by it is only
// weaker (no record, or "can be killed"), never wrong.
inline constexpr int LIMITE_NOEUDS_VIE_ESSAI = 50;
inline constexpr int PROFONDEUR_VIE_MAX = 19;

// A group: one stone of each member string. Moves of the owner played in the
// search may join it for the search below them.
using GroupeVie = Liste<MAX_MEMBRES_VIE>;

struct EtatVie {
  int CompteurNoeuds = 0;  // nodes of the current driver call
  int LimiteNoeuds = LIMITE_NOEUDS_VIE;
  int Debug = 0;
  int32_t Historique[PROFONDEUR_VIE_MAX + 2] = {};  // move played at each depth
  // The last driver call ended with the node limit or the depth still open.
  int LimiteAtteinte = 0;
  // Since the last reset, for the benchmarks.
  uint64_t NoeudsCumules = 0;
  uint64_t Recherches = 0;
  uint64_t RecherchesLimitees = 0;
};
extern EtatVie RechercheVie;

// True when the stone at p belongs to one of the group's member strings. An
// empty p prints "Pb1 PartOfGroup p" and gives false; a member point without a
// string prints "Pb2 PartOfGroup member p" and is skipped.
bool PartOfGroup(const GroupeVie& groupe, int32_t p);

// The unit of the stone at p: its string and every string of its colour joined
// to it, directly or through others, by a solid connection of the last
// "jeux Connecter". One stone per string, in point order of the anchors.
void ConstruitUnite(int32_t p, GroupeVie& groupe);

// DeuxYeux(c, groupe, yeux): true when two different liberties of the group
// are eyes of c (EstOeil) whose open surrounding points (empty, where the
// opponent may usefully play) have nothing in common; their regions go into
// yeux. Each liberty is looked at once, however many members it touches.
bool DeuxYeux(int c, const GroupeVie& groupe, EnsembleListe& yeux);

// DeuxYeuxEnUnCoup(c, groupe, yeux): true when one move of c (an eye-making
// move at a liberty, or an eye-making capture next to the group) gives
// DeuxYeux. The probe move is taken back before the answer.
bool DeuxYeuxEnUnCoup(int c, const GroupeVie& groupe, EnsembleListe& yeux);

// CoupsContreDeuxYeux(coups, attaquant, groupe, yeux): when DeuxYeuxEnUnCoup
// holds for the owner, adds to coups the attacker's legal moves after which it
// no longer holds; returns whether it held.
bool CoupsContreDeuxYeux(EnsembleListe& coups, int attaquant, const GroupeVie& groupe,
                         EnsembleListe& yeux);

// The owner's candidates: liberties and neighbours of the members' liberties,
// and the liberties of weak enemy strings around them with their neighbours'.
void CoupsPourVivre(EnsembleListe& coups, const GroupeVie& groupe);

// The nodes. c is the side to move; profondeur counts down; meilleur receives
// the best move found. Values of base/resultats.h from the side to move.
int RecursiveSimpleLive(int c, GroupeVie& groupe, int profondeur, int32_t& meilleur);
int RecursiveSimpleKill(int c, GroupeVie& groupe, int profondeur, int32_t& meilleur);

// ChercheCoupsVivre(groupe, coups): RESULTAT_ATTEINT with the living moves
// found, RESULTAT_ECHEC when every candidate is refuted, RESULTAT_INCONNU with
// the candidates still open when the node limit or the depth ended it.
// ChercheCoupsTuer(groupe, coups): the same for the attacker.
int ChercheCoupsVivre(GroupeVie& groupe, ListeIntersections& coups);
int ChercheCoupsTuer(GroupeVie& groupe, ListeIntersections& coups);

// StatutVieSimple(p, vivre, tuer): the unit around the stone at p. 0 when no
// move is known to make it live (an open answer counts as no), 4 when it lives
// and no killing move is known, 3 when it lives if it plays first and can be
// killed (or no refutation of the attack was proven); fills both lists.
// `limite`, when given, is set when the node limit decided an answer.
int StatutVieSimple(int32_t p, ListeIntersections& vivre, ListeIntersections& tuer,
                    int* limite = nullptr);

// The same on a group already built (its members are not changed).
int StatutVieGroupe(GroupeVie& groupe, ListeIntersections& vivre, ListeIntersections& tuer,
                    int* limite = nullptr);

// Restores the search's state (for tests).
void ReinitialiseVie();
