#include "tactics/menaces.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "base/trace.h"
#include "board/ecriture.h"
#include "tactics/rapide.h"

ListePrises MenacesPrendre;
ListePrisesDoubles PrisesDoubles;

namespace {

// Beyond this many candidates against a pair something is wrong with the
// position: say so, and search them all anyway.
constexpr int CANDIDATS_DOUBLES_MAX = 20;

// A liberty count no chain reaches.
constexpr int SANS_PLAFOND = NB_INTERSECTIONS_MAX + 1;

inline int Col(int32_t p) {
  return Couleur(DamierIncremental, p);
}

inline const String* Chaine(int32_t p) {
  return SurGoban(p) ? StringIntersection[p] : nullptr;
}

// Adds the moves to a record's list without repeats. The list holds
// MAX_COUPS_PRISE points: the moves beyond are dropped and reported.
template <int N>
void AjouteCoups(CoupsPrise& dest, const Liste<N>& source, const char* routine, const char* quoi,
                 int32_t ancre) {
  for (int32_t m : source) {
    if (Contient(dest, m)) continue;
    if (dest.Nombre >= MAX_COUPS_PRISE) {
      Signale("Pb %s %s de %d: plus de %d coups, %d perdu\n", routine, quoi, ancre, MAX_COUPS_PRISE,
              m);
      continue;
    }
    dest.Elements[dest.Nombre++] = m;
  }
}

void AjouteAncre(ListeIntersections& liste, const String* t) {
  AjouteSiAbsent(liste, t->Ancre);
}

// The chains of colour c other than s next to q, with fewer than `plafond`
// liberties.
void AjouteChainesVoisines(ListeIntersections& liste, int32_t q, int c, const String* s,
                           int plafond) {
  for (int32_t n : Voisins[q]) {
    const String* t = StringIntersection[n];
    if (t && t != s && t->Color == c && t->NbLibertes() < plafond) AjouteAncre(liste, t);
  }
}

// The anchors of the record, smaller first.
PriseDouble NouvellePriseDouble(int couleur, int32_t a, int32_t b) {
  PriseDouble d;
  d.Couleur = couleur;
  d.Ancre1 = std::min(a, b);
  d.Ancre2 = std::max(a, b);
  return d;
}

void EcritMenaceDouble(const PriseDouble& d, const char* quoi, int32_t m) {
  if (Silence) return;
  std::fprintf(SortieErreurs(), "MenacesDoublesDePrendre %d et %d %s en %d (%d,%d)\n", d.Ancre1,
               d.Ancre2, quoi, m, CoordX[m], CoordY[m]);
}

// The threat move m of the chain s, against the pair (s, p): does m make a
// double threat, and does the owner's move there forestall it? A record with
// an "Atteindre" move is added to PrisesDoubles.
void ExamineMenaceDouble(int attaquant, int32_t s, int32_t p, int32_t m) {
  PriseDouble d = NouvellePriseDouble(attaquant, s, p);
  CompteurNoeuds = 0;
  {
    CoupTemporaire coup(m, attaquant);
    if (coup && !SauverDouble(s, p, 1)) {
      Ajoute(d.CoupsAtteindre, m);
      EcritMenaceDouble(d, "Atteindre", m);
    }
  }
  if (d.CoupsAtteindre.Nombre == 0) return;

  CompteurNoeuds = 0;
  {
    CoupTemporaire coup(m, Adversaire(attaquant));
    if (coup && !PrendreDoubleSimpleRecursif(s, p, 1)) {
      Ajoute(d.CoupsEmpecher, m);
      EcritMenaceDouble(d, "Empecher", m);
    }
  }
  std::fflush(SortieErreurs());
  DebugPrise = 0;
  AjoutePriseDouble(PrisesDoubles, d);
}

}  // namespace

// ---------------------------------------------------------------------------
// Threats.

bool MenaceDePrendre(int32_t p, ListeIntersections& liste) {
  Vide(liste);
  const String* s = Chaine(p);
  if (!s || s->NbLibertes() >= 5) return false;
  const int attaquant = Adversaire(s->Color);

  ListeIntersections candidats;
  OrdonneLibertes(candidats, s->Libertes, s->Color);
  for (int32_t m : candidats) {
    CoupTemporaire coup(m, attaquant);
    if (!coup) continue;
    CompteurNoeuds = 0;
    if (PrendreEchelle(p, 1) == ECHELLE_PRISE) AjouteSiAbsent(liste, m);
  }
  return liste.Nombre > 0;
}

// ---------------------------------------------------------------------------
// Double captures.

void CoupsPrendreDouble(ListeIntersections& liste, int32_t p1, int32_t p2, int c) {
  Vide(liste);
  const String* a = Chaine(p1);
  const String* b = Chaine(p2);
  if (!a || !b || a->Color != c || b->Color != c) return;

  if (a->NbLibertes() == 1) {
    Ajoute(liste, a->Libertes[0]);
    return;
  }
  if (b->NbLibertes() == 1) {
    Ajoute(liste, b->Libertes[0]);
    return;
  }
  if (a->NbLibertes() + b->NbLibertes() < 6)
    for (int32_t l : a->Libertes)
      if (Contient(b->EnsembleLibertes, l)) AjouteSiAbsent(liste, l);
  if (a->NbLibertes() < 3)
    for (int32_t l : a->Libertes) AjouteSiAbsent(liste, l);
  if (b->NbLibertes() < 3)
    for (int32_t l : b->Libertes) AjouteSiAbsent(liste, l);
}

bool PrendreDoubleSimpleRecursif(int32_t p1, int32_t p2, int profondeur) {
  const String* a = Chaine(p1);
  if (!a || !Chaine(p2)) return true;
  if (CompteurNoeuds > Reglages.LimiteNoeudsPriseDouble || profondeur >= Reglages.LimiteProfondeur)
    return false;
  CompteurNoeuds++;

  const int c = a->Color;
  const int attaquant = Adversaire(c);
  ListeIntersections coups;
  CoupsPrendreDouble(coups, p1, p2, c);
  // The candidates are not ordered, so there is nothing to rebuild: report and
  // search them all.
  if (coups.Nombre > CANDIDATS_DOUBLES_MAX) {
    std::fprintf(SortieErreurs(), "Beaucoup de coups dans PrendreDoubleSimpleRecursif %d %d\n", p1,
                 p2);
    EcritDamierIncremental(SortieErreurs());
  }

  for (int32_t m : coups) {
    if (!CoupLegalIncremental(m, attaquant)) continue;
    CoupTemporaire coup(m, attaquant, CoupTemporaire::SansTest);
    if (!coup) continue;
    if (DebugPrise) {
      EcritDamierIncremental(SortieErreurs());
      std::fprintf(SortieErreurs(), "Coup pour PrendreDouble en %d (%d,%d)\n", m, CoordX[m],
                   CoordY[m]);
    }
    if (!SauverDouble(p1, p2, profondeur + 1)) return true;
  }
  return false;
}

bool SauverDouble(int32_t p1, int32_t p2, int profondeur) {
  const String* a = Chaine(p1);
  const String* b = Chaine(p2);
  if (!a || !b) return false;
  if (CompteurNoeuds > Reglages.LimiteNoeudsPriseDouble || profondeur >= Reglages.LimiteProfondeur)
    return true;
  CompteurNoeuds++;

  const int c = a->Color;
  ListeIntersections coups;
  // The first danger that applies gives the candidates; a pair in no danger at
  // the quick-test level is kept.
  if (!CoupsSortieAtari(coups, p1, c) && !CoupsSortieAtari(coups, p2, b->Color) &&
      !SauvetagesDeuxLibertes(coups, p1, c) && !SauvetagesDeuxLibertes(coups, p2, b->Color))
    return true;

  for (int32_t m : coups) {
    if (!CoupLegalIncremental(m, c)) continue;
    CoupTemporaire coup(m, c, CoupTemporaire::SansTest);
    if (!coup) continue;
    if (DebugPrise) {
      std::fprintf(SortieErreurs(), "Coup pour Sauver en %d\n", m);
      EcritDamierIncremental(SortieErreurs());
    }
    if (!PrendreDoubleSimpleRecursif(p1, p2, profondeur + 1)) return true;
  }
  return false;
}

void VoisinsMenaceDouble(ListeIntersections& liste, int32_t p) {
  Vide(liste);
  const String* s = Chaine(p);
  if (!s) return;
  const int c = s->Color;
  for (int32_t l : s->Libertes) {
    for (int32_t q : Voisins[l]) {
      if (Col(q) == VIDE) {
        AjouteChainesVoisines(liste, q, c, s, 4);
        continue;
      }
      const String* t = StringIntersection[q];
      if (!t || t == s || t->Color != c) continue;
      AjouteAncre(liste, t);
      if (t->NbLibertes() >= 4) continue;
      for (int32_t lt : t->Libertes) AjouteChainesVoisines(liste, lt, c, s, SANS_PLAFOND);
    }
  }
}

void VideListePrisesDoubles(ListePrisesDoubles& liste) {
  liste.Nombre = 0;
  std::fill(std::begin(liste.NombreIndex), std::end(liste.NombreIndex), 0);
}

int AjoutePriseDouble(ListePrisesDoubles& liste, const PriseDouble& record) {
  PriseDouble r = record;
  if (r.Ancre1 > r.Ancre2) std::swap(r.Ancre1, r.Ancre2);
  if (!SurGoban(r.Ancre1) || !SurGoban(r.Ancre2)) {
    Signale("Pb AjoutePriseDouble paire %d %d hors du goban\n", r.Ancre1, r.Ancre2);
    return 0;
  }
  const int n = liste.NombreIndex[r.Ancre1];
  for (int i = 0; i < n; i++) {
    PriseDouble& e = liste.Elements[liste.Index[r.Ancre1][i]];
    if (e.Ancre2 != r.Ancre2) continue;
    AjouteCoups(e.CoupsAtteindre, r.CoupsAtteindre, "AjoutePriseDouble", "CoupsAtteindre",
                r.Ancre1);
    AjouteCoups(e.CoupsEmpecher, r.CoupsEmpecher, "AjoutePriseDouble", "CoupsEmpecher", r.Ancre1);
    return 0;
  }
  if (n >= PI_DOUBLE_MAX) {
    Signale("Erreur PI_MAX AjoutePriseDoublen\n");
    return 0;
  }
  if (liste.Nombre >= MAX_PRISES) {
    Signale("Pb AjoutePriseDouble MAX_PRISES (%d), paire %d %d perdue\n", MAX_PRISES, r.Ancre1,
            r.Ancre2);
    return 0;
  }
  liste.Elements[liste.Nombre] = r;
  liste.Index[r.Ancre1][n] = liste.Nombre;
  liste.NombreIndex[r.Ancre1] = n + 1;
  liste.Nombre++;
  return 1;
}

const PriseDouble* TrouvePriseDouble(const ListePrisesDoubles& liste, int32_t a, int32_t b) {
  const int32_t a1 = std::min(a, b), a2 = std::max(a, b);
  if (!SurGoban(a1)) return nullptr;
  for (int i = 0; i < liste.NombreIndex[a1]; i++) {
    const PriseDouble& r = liste.Elements[liste.Index[a1][i]];
    if (r.Ancre2 == a2) return &r;
  }
  return nullptr;
}

// ---------------------------------------------------------------------------
// The stages.

void CalculeMenacesDePrendre() {
  const GardeTracesActives garde;
  VideListePrises(MenacesPrendre);
  for (int i = 0; i < PrisesACalculer.Nombre; i++) {
    const Prise& candidat = PrisesACalculer.Elements[i];
    if (TrouvePrise(PrisesValides, candidat.Ancre)) continue;
    Prise r = candidat;
    OuvreCalculPrise(r);
    Vide(r.CoupsPrendre);
    Vide(r.CoupsSauver);
    ListeIntersections coups;
    if (MenaceDePrendre(r.Ancre, coups)) {
      AjouteCoups(r.CoupsPrendre, coups, "CalculeMenacesDePrendre", "CoupsPrendre", r.Ancre);
      AjoutePrise(MenacesPrendre, r);
    }
    DebugPrise = 0;
  }
}

void MenacesDoublesDePrendre() {
  VideListePrisesDoubles(PrisesDoubles);
  for (int i = 0; i < MenacesPrendre.Nombre; i++) {
    const Prise& r = MenacesPrendre.Elements[i];
    ListeIntersections partenaires;
    VoisinsMenaceDouble(partenaires, r.Ancre);
    for (int32_t partenaire : partenaires)
      for (int32_t m : r.CoupsPrendre) ExamineMenaceDouble(r.Couleur, r.Ancre, partenaire, m);
  }
}

void ReinitialiseMenaces() {
  VideListePrises(MenacesPrendre);
  VideListePrisesDoubles(PrisesDoubles);
}
