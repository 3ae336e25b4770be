#include "board/libertes.h"

namespace {

inline int Col(int32_t p) {
  return Couleur(DamierIncremental, p);
}

// Work lists of the order-2 and order-3 counts of a move. The counts never call
// each other, so one set of lists serves every call.
struct EtatLibertes {
  ListeIntersections l1, l2, l3;
  EnsembleIntersections s1, s2, s3;
};
EtatLibertes etat;

// One step outward from the points of `depuis`: every empty point next to them,
// and every liberty of a string of c next to them, that p is not and that none
// of the sets `exclus` holds, goes into `liste` and `ensemble`. The stones of the
// strings of c met go into `ensemble` so that each is walked once.
void EtendLibertes(const ListeIntersections& depuis, int32_t p, int c,
                   const EnsembleIntersections& exclus1, const EnsembleIntersections* exclus2,
                   ListeIntersections& liste, EnsembleIntersections& ensemble) {
  auto exclu = [&](int32_t q) {
    return Contient(exclus1, q) || (exclus2 && Contient(*exclus2, q)) || Contient(ensemble, q);
  };
  for (int32_t l : depuis) {
    for (int32_t n : Voisins[l]) {
      if (exclu(n)) continue;
      const int cn = Col(n);
      if (cn == VIDE) {
        if (n == p) continue;
        Ajoute(liste, n);
        Ajoute(ensemble, n);
      } else if (cn == c && StringIntersection[n]) {
        const String* t = StringIntersection[n];
        Union(ensemble, t->EnsemblePierres);
        for (int32_t x : t->Libertes) {
          if (x == p || exclu(x)) continue;
          Ajoute(liste, x);
          Ajoute(ensemble, x);
        }
      }
    }
  }
}

// Fills the order-1 and order-2 lists of a stone of c at p, and order 3 if asked.
void LibertesOrdres(int32_t p, int c, bool ordre3) {
  Vide(etat.l2);
  Vide(etat.s2);
  Vide(etat.l3);
  Vide(etat.s3);
  LibertesApresIncremental(p, c, etat.l1, etat.s1);
  EtendLibertes(etat.l1, p, c, etat.s1, nullptr, etat.l2, etat.s2);
  if (ordre3) EtendLibertes(etat.l2, p, c, etat.s1, &etat.s2, etat.l3, etat.s3);
}

}  // namespace

int DeuxLibertesApres(int32_t p, int c) {
  if (!SurGoban(p) || Col(p) != VIDE) return 0;
  // At most two distinct points are ever held: we answer as soon as there are two.
  Liste<8> vues;
  for (int32_t n : Voisins[p]) {
    if (vues.Nombre > 1) return 1;
    const int cn = Col(n);
    const String* t = StringIntersection[n];
    if (cn == VIDE) {
      AjouteSiAbsent(vues, n);
    } else if (!t) {
      continue;
    } else if (cn == c) {
      if (t->NbLibertes() > 2) return 1;
      if (t->NbLibertes() == 2)
        AjouteSiAbsent(vues, t->Libertes[0] != p ? t->Libertes[0] : t->Libertes[1]);
    } else if (t->NbLibertes() == 1) {
      // A captured string gives back only its stones next to the point.
      AjouteSiAbsent(vues, n);
    }
  }
  return vues.Nombre >= 2 ? 1 : 0;
}

int PseudoLibertes(int32_t p, int c) {
  int n = 0;
  const String* vues[4];
  int nv = 0;
  for (int32_t v : Voisins[p]) {
    const int cv = Col(v);
    if (cv == VIDE) {
      n++;
    } else if (cv == c && StringIntersection[v]) {
      const String* t = StringIntersection[v];
      bool dejaVue = false;
      for (int i = 0; i < nv; i++) dejaVue |= vues[i] == t;
      if (dejaVue) continue;
      vues[nv++] = t;
      n += t->NbLibertes();
    }
  }
  return n;
}

int LibertesOrdre2(int32_t p, int c) {
  LibertesOrdres(p, c, false);
  return etat.l2.Nombre;
}

int LibertesOrdre3(int32_t p, int c) {
  LibertesOrdres(p, c, true);
  return etat.l3.Nombre;
}

void LibertesOrdre2String(ListeIntersections& liste, EnsembleIntersections& ensemble, int32_t p) {
  Vide(liste);
  Vide(ensemble);
  if (!SurGoban(p) || !StringIntersection[p]) return;
  const String* s = StringIntersection[p];
  for (int32_t l : s->Libertes) {
    for (int32_t n : Voisins[l]) {
      if (Contient(ensemble, n)) continue;
      const int cn = Col(n);
      if (cn == s->Color) {
        const String* t = StringIntersection[n];
        if (!t || t == s) continue;
        Union(ensemble, t->EnsemblePierres);
        for (int32_t x : t->Libertes) {
          if (Contient(s->EnsembleLibertes, x) || Contient(ensemble, x)) continue;
          Ajoute(liste, x);
          Ajoute(ensemble, x);
        }
      } else if (cn == VIDE && !Contient(s->EnsembleLibertes, n)) {
        Ajoute(liste, n);
        Ajoute(ensemble, n);
      }
    }
  }
}

void LibertesOrdre3String(ListeIntersections& liste, EnsembleIntersections& ensemble,
                          const ListeIntersections& ordre2, const EnsembleIntersections& ensemble2,
                          int32_t p) {
  Vide(liste);
  Vide(ensemble);
  if (!SurGoban(p) || !StringIntersection[p]) return;
  const String* s = StringIntersection[p];
  auto nouvelle = [&](int32_t x) {
    return !Contient(s->EnsembleLibertes, x) && !Contient(ensemble2, x) && !Contient(ensemble, x);
  };
  for (int32_t q : ordre2) {
    for (int32_t n : Voisins[q]) {
      const int cn = Col(n);
      if (cn == s->Color) {
        const String* t = StringIntersection[n];
        if (!t || t == s || Contient(ensemble2, n)) continue;
        for (int32_t x : t->Libertes) {
          if (!nouvelle(x)) continue;
          Ajoute(liste, x);
          Ajoute(ensemble, x);
        }
      } else if (cn == VIDE && nouvelle(n)) {
        Ajoute(liste, n);
        Ajoute(ensemble, n);
      }
    }
  }
}

int NbVoisinsEnAtari(const String* s) {
  int n = 0;
  for (const String* t : s->Voisines)
    if (t->NbLibertes() == 1) n++;
  return n;
}

void MarqueLibertesModifiees(const String* s) {
  if (!IntersectionsModifiees) return;
  for (int32_t l : s->Libertes) Ajoute(*IntersectionsModifiees, l);
  for (const String* t : s->Voisines)
    if (t->NbLibertes() > 0) Ajoute(*IntersectionsModifiees, t->Libertes[0]);
}

// A liberty of s always touches a stone of s, so only the opponent's stones can
// tell a liberty walled in by s and the edge from one the opponent presses on.
int LibertesEtroites(int32_t m, const String* s) {
  const int o = Adversaire(s->Color);
  for (int32_t q : Voisins[m]) {
    if (!Contient(s->EnsembleLibertes, q)) continue;
    if (NbVoisinsVides[q] < 3 && NbVoisinsCouleur[o][q] == 0) return 1;
  }
  return 0;
}

namespace {

// The last point of the list other than the two given, or -1.
int32_t DernierAutreQue(const ListeIntersections& l, int32_t a, int32_t b) {
  for (int i = l.Nombre - 1; i >= 0; i--)
    if (l[i] != a && l[i] != b) return l[i];
  return -1;
}

// o has played (in thought) at q, leaving it liberties a and b. The step
// through a: o extends at a (3 liberties), c ataris at b; 1 when c's answers hold.
// `strict` is the second pass, where a condition that fails settles the answer.
int EchelleCourte(int32_t q, int32_t a, int32_t b, int o, int c, bool strict, bool& decide) {
  Damier& d = DamierIncremental;
  ListeIntersections m;
  decide = true;
  const bool trois = LibertesApres(d, a, o, 3, m) == 0 && m.Nombre == 3;
  if (!trois || !AuMoinsNLibertesApres(d, b, c, 2) || AuMoinsNLibertesApres2(d, q, a, o, 4)) {
    decide = strict;
    return 0;
  }
  const int32_t x = DernierAutreQue(m, q, q);
  const int32_t y = DernierAutreQue(m, q, x);
  if (x < 0 || y < 0) {
    decide = strict;
    return 0;
  }
  if (!AuMoinsNLibertesApres(d, x, o, 3) && AuMoinsNLibertesApres(d, y, c, 3)) return 1;
  if (!strict) {
    if (!AuMoinsNLibertesApres(d, y, o, 3) && AuMoinsNLibertesApres(d, x, c, 3)) return 1;
    decide = false;
    return 0;
  }
  if (AuMoinsNLibertesApres(d, y, o, 3)) return 0;
  if (!AuMoinsNLibertesApres(d, x, c, 3)) return 0;
  decide = false;
  return 0;
}

}  // namespace

int AdversaireNePeutPasJouer(int32_t q, int c) {
  if (!SurGoban(q) || Col(q) != VIDE) return 0;
  const int o = Adversaire(c);
  if (!CoupLegalIncremental(q, o)) return 1;

  int vides = 0;
  int32_t e = -1;
  for (int32_t n : Voisins[q]) {
    const int cn = Col(n);
    const String* t = StringIntersection[n];
    if (cn == VIDE) {
      e = n;
      if (++vides >= 2) return 0;
    } else if (t && cn == o && t->NbLibertes() > 2) {
      return 0;
    } else if (t && cn == c && t->NbLibertes() == 1) {
      return 0;
    }
  }
  if (vides == 1) {
    for (int32_t n : Voisins[q]) {
      const String* t = StringIntersection[n];
      if (Col(n) == o && t && t->NbLibertes() == 2 && !Contient(t->EnsembleLibertes, e)) return 0;
    }
  }

  // Read it out on the packed position: can c catch o's stone at q at once?
  Damier& d = DamierIncremental;
  if (!AuMoinsNLibertesApres(d, q, o, 2)) return DrapeauKo ? 0 : 1;
  ListeIntersections l;
  if (LibertesApres(d, q, o, 2, l)) return 0;
  if (l.Nombre < 2) return 1;
  const int32_t a = l[0], b = l[1];

  PosePierre(d, q, o);
  const int cDebout = AdversairesOntNLibertes(d, q, 2);
  OtePierre(d, q);
  if (!cDebout) return 0;

  if (!AuMoinsNLibertesApres2(d, q, a, o, 3) && AuMoinsNLibertesApres(d, b, c, 3)) return 1;
  if (!AuMoinsNLibertesApres2(d, q, b, o, 3) && AuMoinsNLibertesApres(d, a, c, 3)) return 1;

  bool decide = false;
  if (EchelleCourte(q, a, b, o, c, false, decide)) return 1;
  const int r = EchelleCourte(q, b, a, o, c, true, decide);
  if (decide) return r;
  return 1;
}
