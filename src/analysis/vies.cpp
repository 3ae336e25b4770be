#include "analysis/vies.h"

#include "analysis/liens.h"
#include "base/reglages.h"
#include "base/resultats.h"
#include "base/trace.h"
#include "board/incremental.h"
#include "rules/buts.h"
#include "rules/codes.h"
#include "tactics/vie.h"

TableVies LesVies;

namespace {

void Etendue(const GroupeVie& groupe, int32_t (&e)[4]) {
  int x0 = 99, y0 = 99, x1 = 0, y1 = 0;
  for (int32_t m : groupe) {
    const String* s = StringIntersection[m];
    if (s == nullptr) continue;
    for (int32_t q : s->Pierres) {
      x0 = CoordX[q] < x0 ? CoordX[q] : x0;
      y0 = CoordY[q] < y0 ? CoordY[q] : y0;
      x1 = CoordX[q] > x1 ? CoordX[q] : x1;
      y1 = CoordY[q] > y1 ? CoordY[q] : y1;
    }
  }
  e[0] = x0;
  e[1] = y0;
  e[2] = x1 - x0 + 1;
  e[3] = y1 - y0 + 1;
}

bool Recouvre(const int32_t (&a)[4], const int32_t (&b)[4]) {
  return !(b[0] >= a[0] + a[2] || a[0] >= b[0] + b[2] || b[1] >= a[1] + a[3] ||
           a[1] >= b[1] + b[3]);
}

template <int N, int M>
void AjouteAbsents(Liste<N>& a, const Liste<M>& b) {
  for (int32_t v : b)
    if (!Contient(a, v)) Ajoute(a, v);
}

// A liberty that may become an eye soon: no enemy stone next to it and at
// most one empty neighbour.
bool EspaceOeil(int32_t l, int couleur) {
  return NbVoisinsCouleur[Adversaire(couleur)][l] == 0 && NbVoisinsVides[l] <= 1;
}

// The search is for enclosed units: few liberties, one of them the start of
// an eye. Without such a point a unit needs many moves to live, which the
// search cannot show; its fate is the capture and connection stages' matter.
bool VieEnQuestion(const GroupeVie& groupe, int couleur) {
  EnsembleIntersections vues;
  Vide(vues);
  int n = 0;
  bool espace = false;
  for (int32_t m : groupe)
    for (int32_t l : StringIntersection[m]->Libertes)
      if (!Contient(vues, l)) {
        Ajoute(vues, l);
        n++;
        espace = espace || EspaceOeil(l, couleur);
      }
  return espace && n <= LIBERTES_VIE_MAX;
}

// One colour: a record for every unit that can live.
void VivrePourCouleur(int couleur) {
  EnsembleIntersections vues;
  Vide(vues);
  // The search reads both rule families of the owner: matched once for the
  // whole colour, at its first search, then kept current by the search's own
  // moves. A colour with no unit to search costs no matching.
  bool oeil = false, vivre = false, demarre = false;
  for (int32_t p = 0; p < NbIntersections; p++) {
    const String* s = StringIntersection[p];
    if (s == nullptr || s->Color != couleur || s->Ancre != p || Contient(vues, p)) continue;
    GroupeVie groupe;
    ConstruitUnite(p, groupe);
    for (int32_t m : groupe) Ajoute(vues, StringIntersection[m]->Ancre);
    Vie v;
    v.Couleur = couleur;
    v.Point = groupe.Nombre > 0 ? groupe[0] : p;
    Etendue(groupe, v.Etendue);
    EnsembleListe yeux;
    Vide(yeux);
    int statut;
    if (DeuxYeux(couleur, groupe, yeux)) {
      statut = RESULTAT_ATTEINT;
    } else if (!VieEnQuestion(groupe, couleur)) {
      continue;
    } else {
      if (!demarre) {
        demarre = true;
        oeil = !GoalsToMatch.contains(couleur, GoalKind::Oeil);
        vivre = !GoalsToMatch.contains(couleur, GoalKind::Vivre);
        if (oeil) StartMatching(couleur, GoalKind::Oeil);
        if (vivre) StartMatching(couleur, GoalKind::Vivre);
      }
      LesVies.Recherches++;
      statut = StatutVieGroupe(groupe, v.CoupsVivre, v.CoupsTuer, &v.Limite);
      LesVies.Limitees += v.Limite;
    }
    if (statut != RESULTAT_ATTEINT && statut != RESULTAT_MOTIF_HAUT) continue;
    v.Potentiel = 1;
    v.Vivant = statut == RESULTAT_ATTEINT;
    AjouteVieTable(v);
  }
  if (vivre) StopMatching(couleur, GoalKind::Vivre);
  if (oeil) StopMatching(couleur, GoalKind::Oeil);
}

// The groups read the records through Liens.
void CopieDansLiens() {
  Liens.NbVies = 0;
  for (int i = 0; i < LesVies.NombreViesValides && i < MAX_VIES_TABLE; i++) {
    const Vie& v = LesVies.Vies[i];
    VieLue& l = Liens.Vies[Liens.NbVies++];
    l.Couleur = v.Couleur;
    l.Point = v.Point;
    l.Vivant = v.Vivant;
    l.Potentiel = v.Potentiel;
    Copie(l.CoupsVivre, v.CoupsVivre);
    Copie(l.CoupsTuer, v.CoupsTuer);
    l.Limite = v.Limite;
  }
}

void VideTable() {
  for (int i = 0; i < NbIntersections; i++) LesVies.NombreIndex[i] = 0;
  LesVies.NombreViesValides = 0;
  LesVies.Recherches = 0;
  LesVies.Limitees = 0;
}

}  // namespace

void JeuxVivre() {
  VideTable();
  if (Reglages.PanicMode == 0) {
    VivrePourCouleur(1);
    VivrePourCouleur(2);
  }
  CopieDansLiens();
}

int AjouteVieTable(const Vie& v) {
  if (!SurGoban(v.Point)) return 0;
  const int32_t p = v.Point;
  for (int k = 0; k < LesVies.NombreIndex[p]; k++) {
    Vie& r = LesVies.Vies[LesVies.Index[p][k]];
    if (r.Point != p || !Recouvre(r.Etendue, v.Etendue)) continue;
    r.Vivant |= v.Vivant;
    r.Potentiel |= v.Potentiel;
    r.Limite |= v.Limite;
    AjouteAbsents(r.CoupsVivre, v.CoupsVivre);
    AjouteAbsents(r.CoupsTuer, v.CoupsTuer);
    return 0;
  }
  if (LesVies.NombreIndex[p] >= OI_MAX) {
    Console("Erreur OI_MAX AjouteVie\n");
    return 0;
  }
  if (LesVies.NombreViesValides >= MAX_VIES) {
    Signale("Pb MAX_VIES AjouteVieTable %d\n", p);
    return 0;
  }
  const int i = LesVies.NombreViesValides++;
  Vie& r = LesVies.Vies[i];
  r = v;
  for (uint8_t& o : r.Travail1) o = 0;
  for (uint8_t& o : r.Travail2) o = 0;
  LesVies.Index[p][LesVies.NombreIndex[p]++] = i;
  return 1;
}

void EcritVies(std::FILE* f) {
  for (int i = 0; i < LesVies.NombreViesValides; i++) {
    const Vie& v = LesVies.Vies[i];
    std::fprintf(f, "%d: couleur %d point %d vivant %d potentiel %d vivre", i, v.Couleur, v.Point,
                 v.Vivant, v.Potentiel);
    for (int32_t m : v.CoupsVivre) std::fprintf(f, " %d", m);
    std::fprintf(f, " tuer");
    for (int32_t m : v.CoupsTuer) std::fprintf(f, " %d", m);
    std::fprintf(f, "\n");
  }
}

void ReinitialiseVies() {
  for (int32_t& n : LesVies.NombreIndex) n = 0;
  LesVies.NombreViesValides = 0;
  LesVies.Recherches = 0;
  LesVies.Limitees = 0;
}
