#include "tactics/prise.h"

#include <algorithm>
#include <iterator>

#include "base/trace.h"
#include "board/ecriture.h"
#include "board/libertes.h"
#include "tactics/rapide.h"

int CompteurNoeuds = 0;
uint64_t NoeudsCumules = 0;
int DebugPrise = 0;

ListePrises PrisesACalculer;
ListePrises PrisesValides;

namespace {

// Beyond this many attacker candidates the ordering is not worth its cost.
constexpr int CANDIDATS_ORDONNES_MAX = 20;

inline void CompteNoeud() {
  CompteurNoeuds++;
  NoeudsCumules++;
}

inline const String* Chaine(int32_t p) {
  return SurGoban(p) ? StringIntersection[p] : nullptr;
}

inline int NbLibertes(int32_t p) {
  const String* s = Chaine(p);
  return s ? s->NbLibertes() : 0;
}

void EcritCoupDebug(const char* camp, int32_t m, int profondeur) {
  EcritDamierIncremental(SortieErreurs());
  std::fprintf(SortieErreurs(), "Coup pour %s en %d, P = %d\n", camp, m, profondeur);
}

void EcritBeaucoupDeCoups(std::FILE* f, const ListeIntersections& coups, int32_t p) {
  std::fprintf(f, "Beaucoup de coups (%d) dans PrendreSimpleRecursif Prendre %d (%d,%d)\n",
               coups.Nombre, p, CoordX[p], CoordY[p]);
  EcritDamierIncremental(f);
  EcritListe(f, "TableauCoups=", coups);
}

}  // namespace

// ---------------------------------------------------------------------------
// Record lists.

void VideListePrises(ListePrises& liste) {
  liste.Nombre = 0;
  std::fill(std::begin(liste.NombreIndex), std::end(liste.NombreIndex), 0);
}

bool AjoutePrise(ListePrises& liste, const Prise& r) {
  if (!SurGoban(r.Ancre)) {
    Signale("Pb AjoutePrise ancre %d hors du goban\n", r.Ancre);
    return false;
  }
  const int n = liste.NombreIndex[r.Ancre];
  for (int i = 0; i < n; i++)
    if (liste.Elements[liste.Index[r.Ancre][i]].Ancre == r.Ancre) return false;
  if (n >= PI_MAX) {
    Signale("Erreur PI_MAX AjoutePrise\n");
    return false;
  }
  if (liste.Nombre >= MAX_PRISES) {
    Signale("Pb AjoutePrise MAX_PRISES (%d), chaine %d perdue\n", MAX_PRISES, r.Ancre);
    return false;
  }
  liste.Elements[liste.Nombre] = r;
  liste.Index[r.Ancre][n] = liste.Nombre;
  liste.NombreIndex[r.Ancre] = n + 1;
  liste.Nombre++;
  return true;
}

void OuvreCalculPrise(Prise& r) {
  Vide(r.TraceA);
  Vide(r.TraceB);
  TraceActiveA = &r.TraceA;
  TraceActiveB = &r.TraceB;
  r.Perdu = 0;
  r.Prenable = 0;
}

// The move lists of a record hold MAX_COUPS_PRISE points: the moves beyond
// are dropped, and the record holds the first ones.
int CopieCoupsPrise(CoupsPrise& dest, const ListeIntersections& source, int32_t ancre) {
  Vide(dest);
  const int n = std::min(source.Nombre, MAX_COUPS_PRISE);
  for (int i = 0; i < n; i++) dest.Elements[i] = source.Elements[i];
  dest.Nombre = n;
  if (source.Nombre > n)
    Signale("Pb CopieCoupsPrise chaine %d: %d coups, %d gardes\n", ancre, source.Nombre, n);
  return source.Nombre - n;
}

const Prise* TrouvePrise(const ListePrises& liste, int32_t ancre) {
  if (!SurGoban(ancre)) return nullptr;
  for (int i = 0; i < liste.NombreIndex[ancre]; i++) {
    const Prise& r = liste.Elements[liste.Index[ancre][i]];
    if (r.Ancre == ancre) return &r;
  }
  return nullptr;
}

// ---------------------------------------------------------------------------
// Ladder.

int PrendreEchelle(int32_t p, int profondeur) {
  CompteNoeud();
  if (profondeur >= Reglages.LimiteProfondeur) return 0;
  const String* s = Chaine(p);
  if (!s) return 0;
  const int c = s->Color;
  const int a = Adversaire(c);
  if (s->NbLibertes() == 1) {
    const int32_t l = s->Libertes[0];
    MarqueTraceA(l);
    return l == KoIncremental ? 0 : ECHELLE_PRISE;
  }
  if (s->NbLibertes() != 2) return 0;

  int32_t l1 = s->Libertes[0], l2 = s->Libertes[1];
  MarqueTraceA(l1);
  MarqueTraceA(l2);
  // Atari first from the side where the defender would have more room.
  if (PseudoLibertes(l2, c) > PseudoLibertes(l1, c)) std::swap(l1, l2);
  int meilleure = 0;
  for (int32_t l : {l1, l2}) {
    if (meilleure >= ECHELLE_PRISE) break;
    CoupTemporaire coup(l, a);
    if (!coup) continue;
    meilleure = std::max(meilleure, -EchapperEchelle(p, profondeur + 1));
  }
  return meilleure;
}

int EchapperEchelle(int32_t p, int profondeur) {
  CompteNoeud();
  if (profondeur >= Reglages.LimiteProfondeur) return 0;
  const String* s = Chaine(p);
  if (!s) return -ECHELLE_PRISE;
  if (s->NbLibertes() != 1) return 0;
  const int c = s->Color;
  const int32_t l = s->Libertes[0];
  MarqueTraceA(l);

  // Two attacker chains in atari cannot both be defended: not a ladder.
  int enAtari = 0;
  int32_t libertePrise = -1;
  for (const String* e : s->Voisines) {
    if (e->NbLibertes() != 1) continue;
    enAtari++;
    libertePrise = e->Libertes[0];
  }
  if (enAtari >= 2) return 0;

  int valeur = -ECHELLE_PRISE;
  {
    CoupTemporaire coup(l, c);
    if (coup) valeur = -PrendreEchelle(p, profondeur + 1);
  }
  if (enAtari == 1) {
    MarqueTraceA(libertePrise);
    CoupTemporaire coup(libertePrise, c);
    if (coup) valeur = std::max(valeur, -PrendreEchelle(p, profondeur + 1));
  }
  return valeur;
}

// ---------------------------------------------------------------------------
// The alternating search.

bool PrendreSimpleRecursif(int32_t p, int profondeur) {
  const String* s = Chaine(p);
  if (!s) return true;
  if (CompteurNoeuds > Reglages.LimiteNoeuds || profondeur >= Reglages.LimiteProfondeur)
    return false;
  if (PrendreEchelle(p, profondeur + 1) == ECHELLE_PRISE) return true;
  CompteNoeud();
  if (Reglages.PanicMode > 1) return false;

  const int c = s->Color;
  const int a = Adversaire(c);
  ListeIntersections coups;
  CoupsPourPrendre(coups, p, c);
  OrdonneCoupsPrendre(coups, p);
  if (coups.Nombre > CANDIDATS_ORDONNES_MAX) {
    EcritBeaucoupDeCoups(SortieErreurs(), coups, p);
    if (TraceJeu() != SortieErreurs()) EcritBeaucoupDeCoups(TraceJeu(), coups, p);
    CoupsPourPrendre(coups, p, c);
  }

  for (int32_t m : coups) {
    if (!CoupLegalIncremental(m, a)) continue;
    if (DebugPrise) EcritCoupDebug("Prendre", m, profondeur);
    CoupTemporaire coup(m, a, CoupTemporaire::SansTest);
    if (coup && !SauverSimpleRecursif(p, profondeur + 1)) return true;
  }
  return false;
}

bool SauverSimpleRecursif(int32_t p, int profondeur) {
  const String* s = Chaine(p);
  if (!s) return false;
  if (CompteurNoeuds > Reglages.LimiteNoeuds || profondeur >= Reglages.LimiteProfondeur)
    return true;
  CompteNoeud();

  const int c = s->Color;
  ListeIntersections coups;
  // A chain in no danger at the quick-test level is saved.
  if (!CoupsSortieAtari(coups, p, c) && !SauvetagesDeuxLibertes(coups, p, c) &&
      !SauvetagesNiveau2(coups, p, c))
    return true;
  OrdonneCoupsSauver(coups, p);

  for (int32_t m : coups) {
    if (!CoupLegalIncremental(m, c)) continue;
    if (DebugPrise) EcritCoupDebug("Sauver", m, profondeur);
    CoupTemporaire coup(m, c, CoupTemporaire::SansTest);
    if (coup && !PrendreSimpleRecursif(p, profondeur + 1)) return true;
  }
  return false;
}

bool PrendreSimpleRecursifProfondeur(int32_t p, int profondeur, int limite) {
  const int ancienne = Reglages.LimiteProfondeur;
  Reglages.LimiteProfondeur = limite;
  const bool r = PrendreSimpleRecursif(p, profondeur);
  Reglages.LimiteProfondeur = ancienne;
  return r;
}

// ---------------------------------------------------------------------------
// Drivers.

int ChercheCoupPrendre(int32_t p, int32_t& coup) {
  const String* s = Chaine(p);
  if (!s) return RESULTAT_ECHEC;
  const int c = s->Color;
  const int a = Adversaire(c);
  ListeIntersections coups;
  CoupsPourPrendre(coups, p, c);
  OrdonneCoupsPrendre(coups, p);
  for (int32_t m : coups) {
    if (!CoupLegalIncremental(m, a)) continue;
    coup = m;
    CompteurNoeuds = 0;
    CoupTemporaire joue(m, a, CoupTemporaire::SansTest);
    if (!joue) continue;
    if (EnAtari(p) && EchapperEchelle(p, 1) == -ECHELLE_PRISE) return RESULTAT_ATTEINT;
    if (!SauverSimpleRecursif(p, 1)) return RESULTAT_ATTEINT;
  }
  return RESULTAT_ECHEC;
}

int ChercheCoupSauver(int32_t p, int32_t& coup) {
  const String* s = Chaine(p);
  if (!s) return RESULTAT_ECHEC;
  const int c = s->Color;
  ListeIntersections coups;
  CoupsPourSauver(coups, p);
  OrdonneCoupsSauver(coups, p);
  for (int32_t m : coups) {
    if (!CoupLegalIncremental(m, c)) continue;
    coup = m;
    CompteurNoeuds = 0;
    CoupTemporaire joue(m, c, CoupTemporaire::SansTest);
    if (!joue) continue;
    if (NbLibertes(p) == 2 && PrendreEchelle(p, 1) == ECHELLE_PRISE) continue;
    if (!PrendreSimpleRecursif(p, 1)) return RESULTAT_ATTEINT;
  }
  return RESULTAT_ECHEC;
}

int TousCoupsPrendre(int32_t p, ListeIntersections& liste) {
  Vide(liste);
  const String* s = Chaine(p);
  if (!s) return 0;
  const int c = s->Color;
  const int a = Adversaire(c);
  ListeIntersections coups;
  CoupsPourPrendre(coups, p, c);
  for (int32_t m : coups) {
    CompteurNoeuds = 0;
    CoupTemporaire joue(m, a);
    if (joue && !SauverSimpleRecursif(p, 1)) AjouteSiAbsent(liste, m);
  }
  return liste.Nombre;
}

int TousCoupsSauver(int32_t p, ListeIntersections& liste) {
  Vide(liste);
  const String* s = Chaine(p);
  if (!s) return 0;
  const int c = s->Color;
  ListeIntersections coups;
  CoupsPourSauver(coups, p);
  for (int32_t m : coups) {
    CompteurNoeuds = 0;
    CoupTemporaire joue(m, c);
    if (joue && !PrendreSimpleRecursif(p, 1)) AjouteSiAbsent(liste, m);
  }
  return liste.Nombre;
}

// ---------------------------------------------------------------------------
// The stage "jeux Prendre".

void InitialisePrises() {
  VideListePrises(PrisesACalculer);
  VideListePrises(PrisesValides);
  EnsembleIntersections vues;  // Numbers of the strings already listed
  Vide(vues);
  for (int32_t p = 0; p < NbIntersections; p++) {
    const String* s = StringIntersection[p];
    if (!s || Contient(vues, s->Number)) continue;
    Ajoute(vues, s->Number);
    if (s->NbLibertes() >= 5) continue;
    Prise r;
    r.Couleur = Adversaire(s->Color);
    r.Ancre = s->Ancre;
    AjoutePrise(PrisesACalculer, r);
  }
}

void CalculeJeuxPrendre() {
  const GardeTracesActives garde;
  for (int i = 0; i < PrisesACalculer.Nombre; i++) {
    Prise r = PrisesACalculer.Elements[i];
    OuvreCalculPrise(r);
    int32_t coup = -1;
    if (ChercheCoupPrendre(r.Ancre, coup) == RESULTAT_ATTEINT) {
      r.Prenable = 1;
      if (Reglages.EvaluationEnCours) {
        int32_t sauve = -1;
        if (ChercheCoupSauver(r.Ancre, sauve) != RESULTAT_ATTEINT) r.Perdu = 1;
      } else {
        ListeIntersections coups;
        TousCoupsSauver(r.Ancre, coups);
        CopieCoupsPrise(r.CoupsSauver, coups, r.Ancre);
        if (coups.Nombre > 0) {
          TousCoupsPrendre(r.Ancre, coups);
          CopieCoupsPrise(r.CoupsPrendre, coups, r.Ancre);
        } else {
          r.Perdu = 1;
        }
      }
      AjoutePrise(PrisesValides, r);
    }
    DebugPrise = 0;
  }
}

void ReinitialisePrises() {
  VideListePrises(PrisesACalculer);
  VideListePrises(PrisesValides);
  CompteurNoeuds = 0;
  DebugPrise = 0;
}
