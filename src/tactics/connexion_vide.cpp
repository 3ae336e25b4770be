#include "tactics/connexion_vide.h"

#include <algorithm>
#include <iterator>

#include "base/trace.h"
#include "tactics/connexion.h"
#include "tactics/connexion_rapide.h"
#include "tactics/intersections.h"
#include "tactics/prise.h"

ListeConnexionsAuVide CVACalculer;
ListeConnexionsAuVide CVValides;

namespace {

// A stone of colour c at p would be lost ("jeux intersection").
bool Marque(int32_t p, int c) {
  return (c == 1 ? PierrePerdueAmi : PierrePerdueEnnemi)[p] != 0;
}

bool MemeChaine(int32_t a, int32_t b) {
  const String* s = StringIntersection[a];
  return s != nullptr && s == StringIntersection[b];
}

// An empty point that a chain may claim beyond its liberties.
bool PointAuDela(const String* s, int32_t q) {
  return Couleur(DamierIncremental, q) == VIDE && !Contient(s->EnsembleLibertes, q) &&
         !Marque(q, s->Color);
}

void AjouteCandidat(const String* s, int32_t q) {
  AjouteConnexionAuVide(CVACalculer, ConnexionAuVide{s->Color, s->Ancre, q, 0, 1, {}, {}});
}

void CalculeCandidatsCV() {
  for (int32_t p = 0; p < NbIntersections; p++) {
    const String* s = StringIntersection[p];
    if (s == nullptr || s->Ancre != p) continue;
    for (int32_t l : s->Libertes) {
      // A liberty where a stone would be lost is neither claimed nor a step
      // further out: what lies beyond it is reached through a lost stone.
      if (Marque(l, s->Color)) continue;
      AjouteConnexionAuVide(CVValides, ConnexionAuVide{s->Color, p, l, 1, 1, {}, {}});
      for (int32_t q : Voisins[l]) {
        if (!PointAuDela(s, q)) continue;
        AjouteCandidat(s, q);
        for (int32_t r : Voisins[q])
          if (PointAuDela(s, r)) AjouteCandidat(s, r);
      }
    }
  }
}

// After each legal move of d in the list: the connecter, to move, still
// joins the two stones surely.
bool ResisteATous(const ListeIntersections& coups, int32_t a, int32_t p, int d) {
  for (int32_t m : coups) {
    CoupTemporaire coup(m & MASQUE_POINT, d);
    if (!coup) continue;
    if (!ConnectableEnUnCoupSur(a, p, d) && !Connectergi2Sur(a, p, d) &&
        !ConnecterParCoupsSur(a, p, d))
      return false;
  }
  return true;
}

}  // namespace

void VideListeCV(ListeConnexionsAuVide& liste) {
  liste.Nombre = 0;
  liste.Plein = 0;
  std::fill(std::begin(liste.NombreIndex), std::end(liste.NombreIndex), 0);
}

int AjouteConnexionAuVide(ListeConnexionsAuVide& liste, const ConnexionAuVide& r) {
  if (!SurGoban(r.Point) || !SurGoban(r.Ancre)) return 0;
  if (liste.Nombre >= MAX_CONNEXIONS_AU_VIDE) {
    if (!liste.Plein) Signale("Pb MAX_CONNEXIONS_AU_VIDE AjouteConnexionAuVide %d\n", r.Point);
    liste.Plein = 1;
    return 0;
  }
  int32_t& n = liste.NombreIndex[r.Point];
  for (int i = 0; i < n; i++) {
    const ConnexionAuVide& old = liste.Elements[liste.Index[r.Point][i]];
    if (old.Valide && MemeChaine(old.Ancre, r.Ancre)) return 0;
  }
  if (n >= CVI_MAX) {
    Signale("Erreur CVI_MAX AjouteConnexionAuVide\n");
    return 0;
  }
  liste.Index[r.Point][n++] = liste.Nombre;
  liste.Elements[liste.Nombre++] = r;
  return 1;
}

bool ConnecteAuVide(int32_t a, int32_t p, int d) {
  if (!SurGoban(a) || !SurGoban(p)) return false;
  if (StringIntersection[a] == nullptr || StringIntersection[p] == nullptr) return false;
  if (MemeChaine(a, p)) return true;
  ListeIntersections coups;
  PointsDeConnexion(coups, a, p, d);
  if (coups.Nombre > 0) return ResisteATous(coups, a, p, d);
  if (RefutationsConnecterEn2(coups, a, p, d)) return ResisteATous(coups, a, p, d);
  return RefutationsConnecterParCoups(coups, a, p, d) && coups.Nombre == 0;
}

void InitialiseCV() {
  VideListeCV(CVACalculer);
  VideListeCV(CVValides);
  CalculeCandidatsCV();
}

void CalculCV() {
  const GardeTracesActives garde;
  for (int i = 0; i < CVACalculer.Nombre; i++) {
    ConnexionAuVide r = CVACalculer.Elements[i];
    Vide(r.TraceA);
    Vide(r.TraceB);
    TraceActiveA = &r.TraceA;
    TraceActiveB = &r.TraceB;
    {
      // Only a probe that was played is taken back.
      CoupTemporaire coup(r.Point, r.Couleur);
      if (coup) r.Connecte = ConnecteAuVide(r.Ancre, r.Point, Adversaire(r.Couleur));
      RechercheConnexion.Debug = 0;
    }
    if (r.Connecte) AjouteConnexionAuVide(CVValides, r);
  }
}

void ReinitialiseCV() {
  VideListeCV(CVACalculer);
  VideListeCV(CVValides);
}
