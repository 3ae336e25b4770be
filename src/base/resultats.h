#pragma once

// The values of the searches (capture drivers, connection and life searches),
// seen from the side to move. Pattern answers bring in the two middle values.

inline constexpr int RESULTAT_ECHEC = 0;       // the side to move fails
inline constexpr int RESULTAT_INCONNU = 1;     // a limit was hit
inline constexpr int RESULTAT_MOTIF_BAS = 2;   // a pattern answer, leaning to failure
inline constexpr int RESULTAT_MOTIF_HAUT = 3;  // a pattern answer, leaning to success
inline constexpr int RESULTAT_ATTEINT = 4;     // the side to move reaches its goal

// A child's value seen from its parent: success and failure exchange, the two
// pattern values exchange, anything else is unknown.
constexpr int InverseResultat(int v) {
  switch (v) {
    case RESULTAT_ATTEINT:
      return RESULTAT_ECHEC;
    case RESULTAT_ECHEC:
      return RESULTAT_ATTEINT;
    case RESULTAT_MOTIF_HAUT:
      return RESULTAT_MOTIF_BAS;
    case RESULTAT_MOTIF_BAS:
      return RESULTAT_MOTIF_HAUT;
    default:
      return RESULTAT_INCONNU;
  }
}
