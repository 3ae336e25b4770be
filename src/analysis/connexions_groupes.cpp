#include "analysis/connexions_groupes.h"

#include <algorithm>

#include "analysis/groupes.h"
#include "base/trace.h"
#include "board/incremental.h"
#include "tactics/connexion.h"
#include "tactics/connexion_vide.h"
#include "tactics/prise.h"

TableObjectifsGroupes ObjectifsConnexionGroupes;

namespace {

bool MemePaire(const ObjectifConnexionGroupes& a, const ObjectifConnexionGroupes& b) {
  return (a.Groupe1 == b.Groupe1 && a.Groupe2 == b.Groupe2) ||
         (a.Groupe1 == b.Groupe2 && a.Groupe2 == b.Groupe1);
}

// Adds the points of b missing from a; the first points that fit stay, the
// overflow is reported once for the goal.
template <int N>
void Reunit(Liste<N>& a, const Liste<N>& b, TableObjectifsGroupes& table, int i) {
  for (int32_t m : b) {
    if (Contient(a, m)) continue;
    if (a.Nombre < N) {
      a.Elements[a.Nombre++] = m;
      continue;
    }
    if (!table.Deborde[i]) {
      const ObjectifConnexionGroupes& g = table.Elements[i];
      Signale("Pb MAX_COUPS_OBJECTIF_GROUPES AjouteConnexionGroupe %d et %d\n", g.Groupe1,
              g.Groupe2);
    }
    table.Deborde[i] = 1;
  }
}

void Fusionne(TableObjectifsGroupes& table, int i, const ObjectifConnexionGroupes& o) {
  ObjectifConnexionGroupes& g = table.Elements[i];
  if (g.ParLeVide && !o.ParLeVide) {
    g.CoupsAtteindre = o.CoupsAtteindre;
    g.CoupsEmpecher = o.CoupsEmpecher;
    g.ParLeVide = 0;
    return;
  }
  if (o.ParLeVide && !g.ParLeVide) return;
  Reunit(g.CoupsAtteindre, o.CoupsAtteindre, table, i);
  if (g.ParLeVide)
    Reunit(g.CoupsEmpecher, o.CoupsEmpecher, table, i);
  else
    GardeCommuns(g.CoupsEmpecher, o.CoupsEmpecher);
}

// The group of the string anchored at a, 0 when a no longer names a string.
int32_t GroupeAncre(int32_t a) {
  if (!SurGoban(a)) return 0;
  const String* s = StringIntersection[a];
  return s != nullptr && s->Ancre == a ? Groupes.GroupeString[a] : 0;
}

template <int N>
void CopieCoups(CoupsObjectifGroupes& dest, const Liste<N>& source) {
  Vide(dest);
  for (int32_t m : source)
    if (dest.Nombre < MAX_COUPS_OBJECTIF_GROUPES) dest.Elements[dest.Nombre++] = m;
}

void Propose(int32_t couleur, int32_t g1, int32_t g2, int32_t vide,
             const CoupsObjectifGroupes& atteindre, const CoupsObjectifGroupes& empecher) {
  if (g1 <= 0 || g2 <= 0 || g1 >= Groupes.Fin || g2 >= Groupes.Fin) return;
  // A dead string belongs to the group of its captors: it joins no group of
  // its own colour.
  if (Groupes.Table[g1].Color != couleur || Groupes.Table[g2].Color != couleur) return;
  ObjectifConnexionGroupes o;
  o.Couleur = couleur;
  o.Groupe1 = g1;
  o.Groupe2 = g2;
  o.ParLeVide = vide;
  o.CoupsAtteindre = atteindre;
  o.CoupsEmpecher = empecher;
  AjouteConnexionGroupe(ObjectifsConnexionGroupes, o);
}

// Pairs of strings that connect. Only the connectable records: a pair that
// cannot connect has no cutting move, and merged with a real goal of the same
// groups it would wipe out that goal's cutting moves.
void DepuisConnexions() {
  for (const Connexion& r : ConnexionsValides) {
    if (!r.Connectable) continue;
    const int32_t g1 = GroupeAncre(r.Ancre1), g2 = GroupeAncre(r.Ancre2);
    CoupsObjectifGroupes atteindre, empecher;
    CopieCoups(atteindre, r.CoupsAtteindre);
    CopieCoups(empecher, r.CoupsEmpecher);
    Propose(r.Couleur, std::min(g1, g2), std::max(g1, g2), 0, atteindre, empecher);
  }
}

// A capturable string joins, once taken, the strings around it.
void DepuisPrises() {
  for (const Prise& jeu : PrisesValides) {
    if (!jeu.Prenable || jeu.Perdu || !SurGoban(jeu.Ancre)) continue;
    const String* s = StringIntersection[jeu.Ancre];
    if (s == nullptr || s->Ancre != jeu.Ancre) continue;
    CoupsObjectifGroupes atteindre, empecher;
    CopieCoups(atteindre, jeu.CoupsPrendre);
    CopieCoups(empecher, jeu.CoupsSauver);
    for (const String* a : s->Voisines)
      for (const String* b : s->Voisines) {
        if (a == b) continue;
        const int32_t ga = GroupeAncre(a->Ancre), gb = GroupeAncre(b->Ancre);
        if (ga != gb) Propose(a->Color, ga, gb, 0, atteindre, empecher);
      }
  }
}

// Two groups that both reach one empty point.
void DepuisPointsVides() {
  for (const ConnexionAuVide& r : CVValides) {
    const int32_t g = GroupeAncre(r.Ancre);
    if (g == 0) continue;
    CoupsObjectifGroupes e;
    Ajoute(e, r.Point);
    for (int k = 0; k < CVValides.NombreIndex[r.Point]; k++) {
      const ConnexionAuVide& rk = CVValides.Elements[CVValides.Index[r.Point][k]];
      const int32_t gk = GroupeAncre(rk.Ancre);
      if (&rk == &r || gk == 0 || gk == g || rk.Couleur != r.Couleur) continue;
      Propose(r.Couleur, g, gk, 1, e, e);
    }
  }
}

}  // namespace

int AjouteConnexionGroupe(TableObjectifsGroupes& table, const ObjectifConnexionGroupes& o) {
  const int32_t fin = Groupes.Fin;
  if (o.Groupe1 <= 0 || o.Groupe2 <= 0 || o.Groupe1 >= fin || o.Groupe2 >= fin) {
    Signale("Pb Groupe inconnu AjouteConnexionGroupe %d et %d\n", o.Groupe1, o.Groupe2);
    return 0;
  }
  if (Groupes.Table[o.Groupe1].Color != Groupes.Table[o.Groupe2].Color) {
    Signale("Pb Deux groupes de couleurs differentes AjouteConnexionGroupe %d et %d\n", o.Groupe1,
            o.Groupe2);
    return 0;
  }
  if (o.Groupe1 == o.Groupe2) return 1;
  bool trouve = false;
  for (int i = 0; i < table.Nombre; i++) {
    if (!MemePaire(table.Elements[i], o)) continue;
    Fusionne(table, i, o);
    trouve = true;
  }
  if (trouve) return 1;
  if (table.Nombre >= MAX_OBJECTIFS_CONNEXION_GROUPES) {
    Signale("Erreur >100 AjouteConnexionGroupe\n");
    return 0;
  }
  table.Deborde[table.Nombre] = 0;
  table.Elements[table.Nombre++] = o;
  return 1;
}

void CalculeConnexionsGroupes() {
  ObjectifsConnexionGroupes.Nombre = 0;
  DepuisConnexions();
  DepuisPrises();
  DepuisPointsVides();
}

void ReinitialiseConnexionsGroupes() {
  ObjectifsConnexionGroupes.Nombre = 0;
}
