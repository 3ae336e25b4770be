#include "analysis/liens.h"

#include "analysis/connexions_groupes.h"

#include "base/trace.h"
#include "board/incremental.h"

EtatLiens Liens;

bool AjouteLienVide(const LienVide& l) {
  if (!SurGoban(l.Point)) return false;
  if (Liens.NbLiensVides >= MAX_LIENS_VIDES) {
    Signale("Pb MAX_LIENS_VIDES AjouteLienVide %d\n", l.Point);
    return false;
  }
  int32_t& n = Liens.NbIndexVide[l.Point];
  if (n >= CVI_MAX) {
    Signale("Erreur CVI_MAX AjouteConnexionAuVide\n");
    return false;
  }
  Liens.IndexVide[l.Point][n++] = Liens.NbLiensVides;
  Liens.LiensVides[Liens.NbLiensVides++] = l;
  return true;
}

int ConnecteAuVideLien(int32_t ancre, int32_t point, int d) {
  return ConnecteAuVide(ancre, point, d) ? 1 : 0;
}

// The stages whose results end here are emptied with them.
void ReinitialiseLiens() {
  ReinitialiseCV();
  ReinitialiseNonTransitives();
  ReinitialiseConnexionsGroupes();
  Liens.NbConnexions = 0;
  Liens.NbTriples = 0;
  Liens.NbLiensVides = 0;
  for (int32_t& n : Liens.NbIndexVide) n = 0;
  Liens.NbVies = 0;
}
