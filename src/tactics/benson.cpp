#include "tactics/benson.h"

#include <bit>

#include "base/trace.h"
#include "board/incremental.h"

namespace {

struct EtatBenson {
  // The strings tested, and for each the stone that named it in the list.
  const String* Strings[BENSON_STRINGS_MAX];
  int32_t Pierres[BENSON_STRINGS_MAX];
  int NbStrings;
  EnsembleIntersections PierresTestees;  // the stones of every string tested
  // The candidate area: the liberties of the strings and the enemy strings
  // next to them or to their liberties.
  EnsembleIntersections Zone;
  EnsembleIntersections Vus;
  int32_t Pile[NB_INTERSECTIONS_MAX];
  // Regions, bit k of a mask for region k.
  EnsembleIntersections Points[BENSON_REGIONS_MAX];
  EnsembleIntersections Vides[BENSON_REGIONS_MAX];
  int NbRegions;
  uint32_t Exterieures;                  // regions next to a string of the colour not tested
  uint32_t Bordees[BENSON_STRINGS_MAX];  // regions with a point next to the string
  uint32_t Vitales[BENSON_STRINGS_MAX];  // regions whose empty points are all its liberties
};

EtatBenson etat;

// The string at p, null for an empty point or a point off the tables.
const String* StringEn(int32_t p) {
  return static_cast<uint32_t>(p) < NB_INTERSECTIONS_MAX ? StringIntersection[p] : nullptr;
}

// True if every point of a is in b.
bool Inclus(const EnsembleIntersections& a, const EnsembleIntersections& b) {
  for (int i = 0; i < 12; i++)
    if (a.Mots[i] & ~b.Mots[i]) return false;
  return true;
}

bool EstVide(const EnsembleIntersections& e) {
  for (uint32_t m : e.Mots)
    if (m) return false;
  return true;
}

// The strings of colour c named by the list; the others are dropped.
void LitStrings(int c, const int32_t* pierres, int32_t nombre) {
  etat.NbStrings = 0;
  Vide(etat.PierresTestees);
  for (int j = 0; j < nombre; j++) {
    const int32_t p = pierres[j];
    const String* s = SurGoban(p) ? StringIntersection[p] : nullptr;
    if (!s || s->Color != c) continue;
    if (etat.NbStrings == BENSON_STRINGS_MAX) {
      Signale("Pb benson BENSON_STRINGS_MAX (%d strings), %d ignoree\n", BENSON_STRINGS_MAX, p);
      continue;
    }
    etat.Strings[etat.NbStrings] = s;
    etat.Pierres[etat.NbStrings++] = p;
    Union(etat.PierresTestees, s->EnsemblePierres);
  }
}

// The candidate area: every liberty of the strings, every enemy string next to
// one of these liberties or to one of their stones.
void ZoneCandidate(int c) {
  Vide(etat.Zone);
  for (int i = 0; i < etat.NbStrings; i++) {
    const String* s = etat.Strings[i];
    Union(etat.Zone, s->EnsembleLibertes);
    for (int32_t l : s->Libertes)
      for (int32_t n : Voisins[l]) {
        const String* t = StringIntersection[n];
        if (t && t->Color != c && !Contient(etat.Zone, n)) Union(etat.Zone, t->EnsemblePierres);
      }
    for (int32_t p : s->Pierres)
      for (int32_t n : Voisins[p]) {
        if (Contient(s->EnsemblePierres, n) || Contient(s->EnsembleLibertes, n) ||
            Contient(etat.Zone, n))
          continue;
        const String* t = StringIntersection[n];
        if (!t) {
          Signale("benson: %d n'est ni amie, ni enemie, ni vide\n", n);
          continue;
        }
        Union(etat.Zone, t->EnsemblePierres);
      }
  }
}

// Numbers the closed parts of the candidate area in the order of their
// smallest point. A part with an empty neighbour outside the area is open to
// the rest of the board and is no region; a part next to a string of colour c
// that is not tested is a region, but one that may grow when that string dies.
void Regions(int c) {
  etat.NbRegions = 0;
  etat.Exterieures = 0;
  Vide(etat.Vus);
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (!Contient(etat.Zone, p) || Contient(etat.Vus, p)) continue;
    EnsembleIntersections points, vides;
    Vide(points);
    Vide(vides);
    bool ouverte = false, exterieure = false;
    int n = 0;
    etat.Pile[n++] = p;
    Ajoute(etat.Vus, p);
    while (n > 0) {
      const int32_t q = etat.Pile[--n];
      Ajoute(points, q);
      if (!StringEn(q)) Ajoute(vides, q);
      for (int32_t r : Voisins[q]) {
        if (Contient(etat.Zone, r)) {
          if (!Contient(etat.Vus, r)) {
            Ajoute(etat.Vus, r);
            etat.Pile[n++] = r;
          }
          continue;
        }
        const String* t = StringEn(r);
        // The area holds every enemy string next to its points: an enemy stone
        // outside it would be a board out of step, and is taken as an opening.
        if (!t || t->Color != c)
          ouverte = true;
        else if (!Contient(etat.PierresTestees, r))
          exterieure = true;
      }
    }
    if (ouverte) continue;
    if (etat.NbRegions == BENSON_REGIONS_MAX) {
      Signale("benson: trop d'yeux (> %d)\n", BENSON_REGIONS_MAX);
      return;
    }
    const int k = etat.NbRegions++;
    etat.Points[k] = points;
    etat.Vides[k] = vides;
    if (exterieure) etat.Exterieures |= 1u << k;
  }
}

// The regions each string borders, and those vital to it: every empty point
// is one of its liberties (a region always holds an empty point, since each of
// its enemy strings has a liberty, and the region is closed).
void RegionsDesStrings() {
  for (int i = 0; i < etat.NbStrings; i++) {
    const String* s = etat.Strings[i];
    EnsembleIntersections autour = s->EnsembleLibertes;
    for (const String* t : s->Voisines) Union(autour, t->EnsemblePierres);
    etat.Bordees[i] = 0;
    etat.Vitales[i] = 0;
    for (int k = 0; k < etat.NbRegions; k++) {
      if (!Rencontre(etat.Points[k], autour)) continue;
      etat.Bordees[i] |= 1u << k;
      if (!EstVide(etat.Vides[k]) && Inclus(etat.Vides[k], s->EnsembleLibertes))
        etat.Vitales[i] |= 1u << k;
    }
  }
}

// Benson's pruning: a string with fewer than two vital regions left may die,
// and every region it borders is lost with it. Returns the strings that stay
// (bit i for string i) and leaves the lost regions in perdues.
uint64_t Elimine(uint32_t& perdues) {
  uint64_t restantes = etat.NbStrings == 64 ? ~0ull : (1ull << etat.NbStrings) - 1;
  perdues = etat.Exterieures;
  for (bool change = true; change;) {
    change = false;
    for (int i = 0; i < etat.NbStrings; i++) {
      if (!((restantes >> i) & 1) || std::popcount(etat.Vitales[i] & ~perdues) >= 2) continue;
      restantes &= ~(1ull << i);
      perdues |= etat.Bordees[i];
      change = true;
    }
  }
  return restantes;
}

}  // namespace

int benson(int c, int32_t* pierres, int32_t& nombre, EnsembleIntersections* territoire) {
  if (territoire) Vide(*territoire);
  LitStrings(c, pierres, nombre);
  ZoneCandidate(c);
  Regions(c);
  RegionsDesStrings();
  uint32_t perdues = 0;
  const uint64_t restantes = Elimine(perdues);
  nombre = 0;
  uint32_t sures = 0;
  for (int i = 0; i < etat.NbStrings; i++) {
    if (!((restantes >> i) & 1)) continue;
    pierres[nombre++] = etat.Pierres[i];
    sures |= etat.Vitales[i] & ~perdues;
  }
  if (territoire)
    for (int k = 0; k < etat.NbRegions; k++)
      if ((sures >> k) & 1) Union(*territoire, etat.Points[k]);
  return nombre > 0 ? 1 : 0;
}

void StringsCouleur(int c, Liste<BENSON_STRINGS_MAX>& pierres) {
  Vide(pierres);
  for (int32_t p = 0; p < NbIntersections; p++) {
    const String* s = StringIntersection[p];
    if (!s || s->Color != c || s->Ancre != p) continue;
    if (pierres.Nombre == BENSON_STRINGS_MAX) {
      Signale("Pb StringsCouleur BENSON_STRINGS_MAX (%d strings), les suivantes ignorees\n",
              BENSON_STRINGS_MAX);
      return;
    }
    Ajoute(pierres, p);
  }
}

StatutInconditionnel StatutInconditionnelPoint(int32_t p) {
  if (!SurGoban(p)) return StatutInconditionnel::Indecis;
  Liste<BENSON_STRINGS_MAX> pierres;
  EnsembleIntersections territoire;
  const String* s = StringIntersection[p];
  if (s) {
    StringsCouleur(s->Color, pierres);
    benson(s->Color, pierres);
    for (int32_t q : pierres)
      if (StringIntersection[q] == s) return StatutInconditionnel::Vivant;
    const int autre = Adversaire(s->Color);
    StringsCouleur(autre, pierres);
    benson(autre, pierres, &territoire);
    return Contient(territoire, p) ? StatutInconditionnel::Mort : StatutInconditionnel::Indecis;
  }
  for (int c = 1; c <= 2; c++) {
    StringsCouleur(c, pierres);
    benson(c, pierres, &territoire);
    if (Contient(territoire, p))
      return c == 1 ? StatutInconditionnel::TerritoireCouleur1
                    : StatutInconditionnel::TerritoireCouleur2;
  }
  return StatutInconditionnel::Indecis;
}
