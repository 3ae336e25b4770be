#pragma once

// The settings of the searches: the move choice sets them before and during its
// analysis, the searches only read them (the depth-limited capture search lends
// itself a depth limit and gives it back). One instance for the whole program.

// The capture search's budgets at full strength.
inline constexpr int LIMITE_NOEUDS_PRISE = 500;
inline constexpr int LIMITE_NOEUDS_PRISE_DOUBLE = 100;
inline constexpr int LIMITE_PROFONDEUR_PRISE = 128;
// The connection search's budgets.
inline constexpr int LIMITE_NOEUDS_CONNEXION = 500;
inline constexpr int LIMITE_PROFONDEUR_CONNEXION = 128;

struct ReglagesRecherche {
  // Time pressure, 0 (none) to 3, set from the engine's clock before each move.
  // Above 1 the alternating capture search stops at once (the attacker fails).
  int PanicMode = 0;
  // On only while trial moves are played: the searches then use their cheaper
  // tests (the capture stage asks only whether a capturable chain can be saved).
  bool EvaluationEnCours = false;
  // A capture search that finds its node counter above LimiteNoeuds, or that is
  // called at depth LimiteProfondeur, stops: the attacker fails and the defender
  // succeeds, so a chain is never reported captured on a cut-off.
  int LimiteNoeuds = LIMITE_NOEUDS_PRISE;
  int LimiteProfondeur = LIMITE_PROFONDEUR_PRISE;
  // The node limit of the double-capture search (it shares the capture search's
  // node counter).
  int LimiteNoeudsPriseDouble = LIMITE_NOEUDS_PRISE_DOUBLE;
  // A connection search node entered with its node counter above
  // LimiteNoeudsConnexion, or at depth LimiteProfondeurConnexion, is unknown.
  int LimiteNoeudsConnexion = LIMITE_NOEUDS_CONNEXION;
  int LimiteProfondeurConnexion = LIMITE_PROFONDEUR_CONNEXION;
  // The life search's attacker asks Benson's test first: a group whose strings
  // are all unconditionally alive is not killed. Off: the eye tests and rules
  // decide, and the test costs a whole-board pass at every attacker node.
  bool AvecBenson = false;
};

extern ReglagesRecherche Reglages;

// Back to full strength: no time pressure, no trial moves, the default limits.
void ReinitialiseReglages();
