#include "tactics/menace_connexion.h"

#include <initializer_list>

#include "base/trace.h"
#include "tactics/connexion_rapide.h"

ButMenace ButMenaceCourant;

namespace {

// Moves the threat search may play under one call of
// RefutationsMenaceConnexion: beyond, every move is refused (the threat then
// fails), so the nesting cannot run away on a crowded board.
constexpr int COUPS_MENACE_MAX = 3000;
int coupsJoues = 0;

inline int Col(int32_t p) {
  return SurGoban(p) ? Couleur(DamierIncremental, p) : VIDE;
}

// The traced legality test.
bool LegalTrace(int32_t m, int c, TraceMenace& trace) {
  if (!SurGoban(m)) return false;
  trace.Ajoute(m);
  if (Col(m) != VIDE || m == KoIncremental) return false;
  if (NbVoisinsVides[m] > 0) return true;
  for (int32_t q : Voisins[m]) {
    const String* s = StringIntersection[q];
    if (!s) continue;
    if (s->Color == c && s->NbLibertes() > 1) {
      trace.Ajoute(s->Libertes[0] != m ? s->Libertes[0] : s->Libertes[1]);
      return true;
    }
    if (s->Color != c && s->NbLibertes() == 1) {
      for (const String* t : s->Voisines) trace.Ajoute(t->Libertes[0]);
      return true;
    }
  }
  return false;
}

}  // namespace

void FixeButMenace(int type, int32_t a, int32_t b) {
  ButMenaceCourant = {type, a, b};
}

bool ButAtteint(int y, TraceMenace& trace) {
  const ButMenace& but = ButMenaceCourant;
  if (but.Type != BUT_CONNEXION || !SurGoban(but.A) || !SurGoban(but.B)) return false;
  if (Col(but.A) != y || Col(but.B) != y) return false;
  const String* a = StringIntersection[but.A];
  const String* b = StringIntersection[but.B];
  if (a == b) return true;
  const int x = Adversaire(y);
  ListeIntersections points;
  PointsDeConnexion(points, but.A, but.B, x);
  for (int32_t p : points) trace.Ajoute(p);
  for (const String* s : {a, b})
    if (s->NbLibertes() <= 2)
      for (int32_t l : s->Libertes) trace.Ajoute(l);
  return ConnecteEnUnCoup(but.A, but.B, x);
}

void CoupsMenace(int k, int couleur, ListeIntersections& liste) {
  (void)couleur;
  Vide(liste);
  const ButMenace& but = ButMenaceCourant;
  if (but.Type != BUT_CONNEXION || Col(but.A) == VIDE) return;
  if (k == 2) {
    CoupsConnecterEnDeux(liste, but.A, but.B, Adversaire(Col(but.A)));
  } else if (k == 3 || k == 4) {
    ListeIntersections exclus;
    CoupsConnecter(0, liste, exclus, but.A, but.B);
  }
}

bool JoueMenace(int32_t m, int c, TraceMenace& trace) {
  if (coupsJoues >= COUPS_MENACE_MAX) return false;
  if (!LegalTrace(m, c, trace) || !CoupLegalIncremental(m, c)) return false;
  if (!JoueCoupIncremental(m, c)) return false;
  coupsJoues++;
  return true;
}

bool MenaceConnexion(VecteurMenace& utilise, VecteurMenace& budget, int y, TraceMenace& trace) {
  utilise.Vide();
  if (ButAtteint(y, trace)) {
    utilise.N[1]++;
    return true;
  }
  bool trouve = false;
  TraceMenace l;
  ListeIntersections coups;
  for (int k = 2; k <= 4 && !trouve; k++) {
    if (budget.N[k] <= 0) continue;
    budget.N[k]--;
    CoupsMenace(k, y, coups);
    for (int32_t m : coups) {
      if (trouve) break;
      l.Vide();
      if (!JoueMenace(m, y, l)) continue;
      utilise.Vide();
      if (MenaceConnexionApres(budget, y, l)) {
        utilise.N[k]++;
        trouve = true;
      }
      UndoIncremental();
    }
    budget.N[k]++;
  }
  if (trouve) trace.Ajoute(l);
  return trouve;
}

bool MenaceConnexionApres(VecteurMenace& budget, int y, TraceMenace& trace) {
  // A defence that captured either chain ends the threat.
  const ButMenace& but = ButMenaceCourant;
  if (Col(but.A) != y || Col(but.B) != y) return false;
  const int x = Adversaire(y);
  TraceMenace l;
  VecteurMenace u;
  if (!MenaceConnexion(u, budget, y, l)) return false;
  budget.Soustrait(u);
  bool tient = true;
  for (int32_t d : l.Points) {
    if (!tient) break;
    if (!JoueMenace(d, x, trace)) continue;
    if (!MenaceConnexion(u, budget, y, trace)) tient = false;
    UndoIncremental();
  }
  if (tient) trace.Ajoute(l);
  return tient;
}

bool RefutationsMenaceConnexion(VecteurMenace budget, int x, ListeIntersections& refutations,
                                TraceMenace& trace) {
  Vide(refutations);
  coupsJoues = 0;
  const int y = Adversaire(x);
  if (ButMenaceCourant.Type != BUT_CONNEXION) return false;
  TraceMenace l;
  if (ButAtteint(y, l)) {
    // Already linked: the moves after which the link no longer holds.
    for (int32_t d : l.Points) {
      TraceMenace t;
      if (!JoueMenace(d, x, trace)) continue;
      if (!ButAtteint(y, t)) AjouteSiAbsent(refutations, d);
      UndoIncremental();
    }
    trace.Ajoute(l);
    return true;
  }
  VecteurMenace utilise;
  l.Vide();
  if (!MenaceConnexion(utilise, budget, y, l)) return false;
  budget.Soustrait(utilise);
  for (int32_t d : l.Points) {
    if (!JoueMenace(d, x, trace)) continue;
    if (!MenaceConnexion(utilise, budget, y, trace)) AjouteSiAbsent(refutations, d);
    UndoIncremental();
  }
  return true;
}
