#pragma once

// The pattern matcher: finds, for one goal kind and one goal colour, every rule
// of the rule base that applies to the incremental board. The board is cut into
// windows of every registered size of the kind, in the centre, along the edges
// and in the corners; a window's content is looked up in the sorted keys of its
// base, and each rule of a found entry that passes its liberty conditions
// becomes a MatchedRule in the set of its goal family.
//
// Orientations. A pattern cell (i, j) is laid on the board by a pair (o1, o2):
// o1 the direction in which i grows, o2 the one in which j grows (1 up, 2 down,
// 3 right, 4 left). Centre windows are read as drawn only (3, 2). Edge windows
// have their row 0 on the edge: on the top edge and the right edge the pattern
// is seen as drawn (from the edge inwards), on the bottom and left edges as its
// left-right mirror image. Corner windows are read in both orientations that
// put cell (0, 0) in the corner, so a corner pattern is found in all eight
// symmetries. Anything else must be in the rule files as patterns of their own.

#include <cstdint>

#include "rules/codes.h"
#include "rules/regle.h"

// Rows of the code tables: centre windows by anchor point, then the four edges
// by column or row, then the eight corner windows.
inline constexpr int LIGNE_HAUT = 362;    // + x
inline constexpr int LIGNE_BAS = 382;     // + x
inline constexpr int LIGNE_GAUCHE = 402;  // + y
inline constexpr int LIGNE_DROITE = 422;  // + y
inline constexpr int LIGNE_COINS = 442;   // 442 to 449
inline constexpr int NB_LIGNES_CODES = 450;

// Direction codes of an orientation.
inline constexpr int VERS_HAUT = 1;
inline constexpr int VERS_BAS = 2;
inline constexpr int VERS_DROITE = 3;
inline constexpr int VERS_GAUCHE = 4;

// One window that the lookup at an anchor reads: its zone, its code-table row
// and how the pattern lies on the board.
struct FenetreLigne {
  int Zone;
  int Ligne;
  FenetreMotif F;
};
inline constexpr int FENETRES_PAR_ANCRE_MAX = 16;

// The four sets: life (tag 1), eye (tag 4), connection (tag 2) and the shared
// set of every other kind (tag 14).
extern MatchedRules MatchedRulesVivre;
extern MatchedRules MatchedRulesOeil;
extern MatchedRules MatchedRulesConnecter;
extern MatchedRules MatchedRulesPartage;

// The set that a goal kind's matches go to.
MatchedRules& MatchedRulesDe(int kind);

// Gives every record of the set back to the pool; both counts become 0.
void ClearMatchedRules(MatchedRules& s);

// The records of the sets come from a fixed pool.
inline constexpr int NB_REGLES_POOL = 5000;
// A record from the pool, or null when it is exhausted ("Pb popRule").
MatchedRule* popRule();
// Gives a record back; returns the stack index used.
int pushRule(MatchedRule* r);
// Records still in the pool (the stack's top index).
int SommetPileRegles();

// The matcher's start-up initialisation: empties the code tables, fills the
// pool and empties the four sets (without giving their records back).
void InitialiseMotifs();

// The board point (x, y) of pattern cell k in a window; false for an unknown
// orientation. A point off the board is reported and still given.
bool CoordoneesIntersectionAvecSens(int cell, int x0, int y0, int w, int h, int o1, int o2, int& x,
                                    int& y);

// The pattern cell lying on (x, y) in the window, or -1.
int CelluleDePoint(const FenetreMotif& f, int x, int y);

// Every window read by the lookup at anchor p for a w x h pattern, in lookup
// order (centre, top, bottom, left, right, then the corners whose window has
// its top-left point at p). Returns their number.
int FenetresAncre(int32_t p, int w, int h, FenetreLigne (&fenetres)[FENETRES_PAR_ANCRE_MAX]);

// The goal colour of the lookups (1 or 2) and the other colour.
int CouleurBut();
int CouleurAutre();
void FixeCouleurBut(int g);

// The set additions go to: the set of the kind.
MatchedRules& SelectionneMatchedRules(int kind);
MatchedRules& MatchedRulesCourant();

// Clears the kind's set and fills it with the matches of rule type `type` for
// colour g on the whole board.
void MatchBoard(int g, int kind, int type);
// The same with types G then GI at each window.
void MatchBoardBothTypes(int g, int kind);

// Every window case of a w x h pattern at the anchor p = (x, y): looks up the
// window keys and adds the matching rules of type `type` to the current set.
void ListeJeuxHashLibertesBinaire(int32_t p, int x, int y, int w, int h, int kind, int type);

// Fills the code table of g with the keys of every window of every size of the
// kind that is read with 32-bit keys.
void ComputeWindowCodes(int g, int kind);

// Rewrites, in the code table of the goal colour, the cell of every window at
// the anchor (w x h) that covers the point q, with q's current content.
void MetAJourCodesFenetre(int32_t ancre, int w, int h, int32_t q);

// The key of a window now, and the code-table entry the lookup reads for it.
uint32_t CleFenetre32(const FenetreMotif& f);
void CleFenetreDamier(const FenetreMotif& f, uint32_t (&cle)[MOTS_CLE_POSITION]);
uint32_t CodeFenetre(int g, int ligne, int w, int h);

// Gives back every record of the set whose window has top-left (x, y) and a
// w x h pattern; the others keep their order.
void RemoveWindowRules(MatchedRules& s, int x, int y, int w, int h);

// Adds a move of a rule to a move list: an empty point itself; a stone's
// liberties when its string has fewer than 4.
void AjouteCoupPattern(Liste<LONGUEUR_LISTE_MAX>& coups, int32_t p);
