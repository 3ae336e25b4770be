#include "tactics/rapide.h"

#include <algorithm>

#include "board/libertes.h"

namespace {

inline int Col(int32_t p) {
  return Couleur(DamierIncremental, p);
}

inline const String* Chaine(int32_t p) {
  return SurGoban(p) ? StringIntersection[p] : nullptr;
}

inline int NbLibertes(int32_t p) {
  const String* s = Chaine(p);
  return s ? s->NbLibertes() : 0;
}

inline int LibertesApres(int32_t p, int c) {
  return NbLibertesApresIncremental(p, c);
}

inline int Plafond4(int n) {
  return std::clamp(n, 0, 4);
}

// The distance counts are ORed into bit fields of 5 bits: a larger count would
// spill into the liberty count above it.
inline int32_t Champ5(int n) {
  return std::min(n, 31);
}

void AjouteLibertes(ListeIntersections& liste, const String* s) {
  for (int32_t l : s->Libertes) AjouteSiAbsent(liste, l);
}

// The liberty of every chain in atari next to e.
void AjouteLibertesVoisinsEnAtari(ListeIntersections& liste, const String* e) {
  for (const String* f : e->Voisines)
    if (f->NbLibertes() == 1) AjouteSiAbsent(liste, f->Libertes[0]);
}

// Plays each candidate legal for c, keeps those after which `tient` is true.
template <class Test>
void FiltreCandidats(ListeIntersections& liste, const ListeIntersections& candidats, int c,
                     Test tient) {
  for (int32_t m : candidats) {
    CoupTemporaire coup(m, c);
    if (coup && tient()) AjouteSiAbsent(liste, m);
  }
}

// true if some escape candidate, played by c, leaves `sauve` true.
template <class Test>
bool UneSortieTient(int32_t p, int c, Test sauve) {
  ListeIntersections sorties;
  if (!CoupsSortieAtari(sorties, p, c)) return false;
  for (int32_t m : sorties) {
    CoupTemporaire coup(m, c);
    if (coup && sauve()) return true;
  }
  return false;
}

// Stable sort of the list by decreasing key, then, while the two best keys are
// equal, the leading run of equal keys is separated by the second-, then the
// third-order liberties of c at each move.
void TrieAvecDepartage(ListeIntersections& liste, ListeIntersections& cles, int c) {
  TrieParCles(liste, cles);
  for (int ordre = 2; ordre <= 3; ordre++) {
    if (liste.Nombre < 2 || cles[0] != cles[1]) return;
    const int32_t meilleure = cles[0];
    for (int i = 0; i < liste.Nombre && cles[i] == meilleure; i++)
      cles[i] += ordre == 2 ? LibertesOrdre2(liste[i], c) : LibertesOrdre3(liste[i], c);
    TrieParCles(liste, cles);
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// Quick capture tests.

bool EnAtari(int32_t p) {
  return NbLibertes(p) == 1;
}

bool CoupsSortieAtari(ListeIntersections& liste, int32_t p, int c) {
  Vide(liste);
  const String* s = Chaine(p);
  if (!s || s->NbLibertes() != 1) return false;
  for (const String* e : s->Voisines)
    if (e->NbLibertes() == 1 && e->NbPierres() >= 2) AjouteSiAbsent(liste, e->Libertes[0]);
  const int32_t l = s->Libertes[0];
  if (LibertesApres(l, c) >= 2) AjouteSiAbsent(liste, l);
  for (const String* e : s->Voisines)
    if (e->NbLibertes() == 1 && e->NbPierres() == 1) AjouteSiAbsent(liste, e->Libertes[0]);
  return true;
}

bool PrisEnAtari(int32_t p, int c) {
  if (!EnAtari(p)) return false;
  return !UneSortieTient(p, c, [&] { return NbLibertes(p) != 1; });
}

bool PrisADeuxLibertes(int32_t p, int c) {
  const String* s = Chaine(p);
  if (!s || s->NbLibertes() != 2) return false;
  const int a = Adversaire(c);
  const int32_t l1 = s->Libertes[0], l2 = s->Libertes[1];
  if (LibertesApres(l2, c) < 3) {
    CoupTemporaire coup(l1, a);
    if (coup && PrisEnAtari(p, c)) return true;
  }
  if (LibertesApres(l1, c) < 3) {
    CoupTemporaire coup(l2, a);
    if (coup && PrisEnAtari(p, c)) return true;
  }
  return false;
}

void CoupsDefenseDeuxLibertes(ListeIntersections& liste, int32_t p, int c) {
  Vide(liste);
  const String* s = Chaine(p);
  if (!s) return;

  // Capturing a neighbour in atari; a big one settles it.
  bool grosse = false;
  for (const String* e : s->Voisines) {
    if (e->NbLibertes() != 1) continue;
    AjouteSiAbsent(liste, e->Libertes[0]);
    if (e->NbPierres() > 2) grosse = true;
  }
  if (grosse) return;

  if (OrdonneDeuxLibertes(liste, s->Libertes, c)) return;

  for (const String* e : s->Voisines)
    if (e->NbLibertes() == 2) OrdonneLibertes(liste, e->Libertes, e->Color);

  // Extending: the liberties the chain then has, and those of the enemy
  // chains it then presses.
  ListeIntersections propres;
  Copie(propres, s->Libertes);
  for (int32_t l : propres) {
    CoupTemporaire coup(l, c);
    if (!coup) continue;
    const String* t = Chaine(p);
    if (!t) continue;
    AjouteLibertes(liste, t);
    for (const String* e : t->Voisines)
      if (e->NbLibertes() < 3) OrdonneLibertes(liste, e->Libertes, e->Color);
  }

  for (const String* e : s->Voisines)
    if (e->NbLibertes() == 3) OrdonneLibertes(liste, e->Libertes, e->Color);
}

bool SauvetagesDeuxLibertes(ListeIntersections& liste, int32_t p, int c) {
  Vide(liste);
  if (!PrisADeuxLibertes(p, c)) return false;
  ListeIntersections candidats;
  CoupsDefenseDeuxLibertes(candidats, p, c);
  FiltreCandidats(liste, candidats, c, [&] { return !EnAtari(p) && !PrisADeuxLibertes(p, c); });
  return true;
}

bool PrisEnAtariNiveau2(int32_t p, int c) {
  if (!EnAtari(p)) return false;
  return !UneSortieTient(p, c, [&] { return !EnAtari(p) && !PrisADeuxLibertes(p, c); });
}

bool PrisDefenseurAJouer(int32_t p, int c) {
  const String* s = Chaine(p);
  if (!s) return false;
  if (s->NbLibertes() == 1) return PrisEnAtariNiveau2(p, c);
  if (s->NbLibertes() != 2 || !PrisADeuxLibertes(p, c)) return false;
  ListeIntersections candidats;
  CoupsDefenseDeuxLibertes(candidats, p, c);
  for (int32_t m : candidats) {
    CoupTemporaire coup(m, c);
    if (coup && !EnAtari(p) && !PrisADeuxLibertes(p, c)) return false;
  }
  return true;
}

bool EstPerdu(int32_t p) {
  const String* s = Chaine(p);
  if (!s) return false;
  return PrisEnAtari(p, s->Color) || PrisDefenseurAJouer(p, s->Color);
}

bool PrisADeuxLibertesNiveau2(int32_t p, int c) {
  const String* s = Chaine(p);
  if (!s || s->NbLibertes() != 2) return false;
  const int a = Adversaire(c);
  int32_t premiere = s->Libertes[0], seconde = s->Libertes[1];
  if (LibertesApres(seconde, c) < 3) std::swap(premiere, seconde);
  for (int32_t l : {premiere, seconde}) {
    CoupTemporaire coup(l, a);
    if (coup && PrisEnAtariNiveau2(p, c)) return true;
  }
  return false;
}

bool SauvetagesNiveau2(ListeIntersections& liste, int32_t p, int c) {
  Vide(liste);
  if (!PrisADeuxLibertesNiveau2(p, c)) return false;
  ListeIntersections candidats;
  CoupsDefenseDeuxLibertes(candidats, p, c);
  FiltreCandidats(liste, candidats, c, [&] {
    return !EnAtari(p) && !PrisADeuxLibertes(p, c) && !PrisADeuxLibertesNiveau2(p, c);
  });
  return true;
}

// ---------------------------------------------------------------------------
// Liberty orderings. A key is n << 10 | d2 << 5 | d3: the liberties c would
// have at the point, then the counts two and three steps out.

bool OrdonneLibertes(ListeIntersections& liste, const ListeIntersections& libertes, int c) {
  ListeIntersections libs, cles;
  bool fuite = false;
  for (int32_t l : libertes) {
    const int n = LibertesApres(l, c);
    if (n > 4) {
      if (!AdversaireNePeutPasJouer(l, c) || PointCoince(l, c)) {
        AjouteSiAbsent(liste, l);
        return true;
      }
      fuite = true;
      continue;
    }
    Ajoute(libs, l);
    Ajoute(cles, n << 10);
  }
  if (fuite) return true;

  TrieParCles(libs, cles);
  if (libs.Nombre >= 2 && cles[0] == cles[1]) {
    cles[0] |= Champ5(LibertesOrdre2(libs[0], c)) << 5;
    for (int i = 1; i < libs.Nombre && (cles[i] >> 10) == (cles[i - 1] >> 10); i++)
      cles[i] |= Champ5(LibertesOrdre2(libs[i], c)) << 5;
    TrieParCles(libs, cles);
    if (cles[0] == cles[1]) {
      cles[0] |= Champ5(LibertesOrdre3(libs[0], c));
      for (int i = 1; i < libs.Nombre && (cles[i] >> 5) == (cles[i - 1] >> 5); i++)
        cles[i] |= Champ5(LibertesOrdre3(libs[i], c));
      TrieParCles(libs, cles);
    }
  }
  for (int32_t l : libs) AjouteSiAbsent(liste, l);
  return false;
}

bool OrdonneDeuxLibertes(ListeIntersections& liste, const ListeIntersections& libertes, int c) {
  ListeIntersections libs, cles;
  for (int32_t l : libertes) {
    const int n = LibertesApres(l, c);
    if (n > 4) {
      AjouteSiAbsent(liste, l);
      return true;
    }
    Ajoute(libs, l);
    Ajoute(cles, n << 10);
  }
  TrieParCles(libs, cles);
  if (libs.Nombre >= 2 && cles[0] == cles[1]) {
    cles[0] |= Champ5(LibertesOrdre2(libs[0], c)) << 5;
    cles[1] |= Champ5(LibertesOrdre2(libs[1], c)) << 5;
    if (cles[1] > cles[0]) {
      std::swap(cles[0], cles[1]);
      std::swap(libs[0], libs[1]);
    }
  }
  for (int32_t l : libs) AjouteSiAbsent(liste, l);
  return false;
}

bool PointCoince(int32_t q, int c) {
  if (!SurGoban(q) || Col(q) != VIDE) return false;
  if (NbVoisinsCouleur[Adversaire(c)][q] != 0 || NbVoisinsVides[q] != 1) return false;
  int32_t e = -1;
  bool deux = false;
  for (int32_t n : Voisins[q]) {
    if (Col(n) == VIDE) e = n;
    const String* t = StringIntersection[n];
    if (Col(n) == c && t && t->NbLibertes() == 2) deux = true;
  }
  return deux && e >= 0 && LibertesApres(e, c) == 1;
}

// ---------------------------------------------------------------------------
// Candidate moves.

int CoupsPourPrendre(ListeIntersections& liste, int32_t p, int c) {
  Vide(liste);
  const String* s = Chaine(p);
  if (!s) return 0;
  const int a = Adversaire(c);
  switch (s->NbLibertes()) {
    case 1:
      Ajoute(liste, s->Libertes[0]);
      return liste.Nombre;
    case 2:
      break;
    case 3:
      OrdonneLibertes(liste, s->Libertes, c);
      return liste.Nombre;
    default:
      return 0;
  }

  // Two liberties. First the enemy chains in atari around it: capturing one may
  // free the chain, which the attacker must then prevent.
  bool fuite = false;
  for (const String* e : s->Voisines) {
    if (e->NbLibertes() != 1) continue;
    if (e->NbPierres() > 2) fuite = true;
    for (const String* f : e->Voisines) {
      if (f->NbLibertes() == 1) AjouteSiAbsent(liste, f->Libertes[0]);
      if (f->NbLibertes() > 3) fuite = true;
    }
    const int32_t le = e->Libertes[0];
    if (LibertesApres(le, a) >= 2) AjouteSiAbsent(liste, le);
    if (LibertesApres(le, c) > 3) fuite = true;
  }
  if (fuite) return liste.Nombre;

  if (OrdonneLibertes(liste, s->Libertes, c)) return liste.Nombre;

  int k1 = 0, k2 = 0, k3 = 0;
  for (const String* e : s->Voisines) {
    k1 += e->NbLibertes() == 1;
    k2 += e->NbLibertes() == 2;
    k3 += e->NbLibertes() == 3;
  }
  if (k1 + k2 < 4) {
    for (const String* e : s->Voisines)
      if (e->NbLibertes() == 2 && !OrdonneDeuxLibertes(liste, e->Libertes, e->Color))
        AjouteLibertesVoisinsEnAtari(liste, e);
  }

  // What the chain would have after extending, and the enemy chains it would
  // then press: the attacker may have to play there first.
  ListeIntersections propres;
  Copie(propres, s->Libertes);
  for (int32_t l : propres) {
    CoupTemporaire coup(l, c);
    if (!coup) continue;
    const String* t = Chaine(p);
    if (!t || t->NbLibertes() >= 4) continue;
    AjouteLibertes(liste, t);
    int m1 = 0, m2 = 0;
    for (const String* e : t->Voisines) {
      m1 += e->NbLibertes() == 1;
      m2 += e->NbLibertes() == 2;
    }
    for (const String* e : t->Voisines) {
      if (e->NbLibertes() == 1 && m1 < 4) AjouteLibertes(liste, e);
      if (e->NbLibertes() == 2 && m1 + m2 < 4) AjouteLibertes(liste, e);
    }
  }

  if (k3 == 1) {
    for (const String* e : s->Voisines)
      if (e->NbLibertes() == 3 && !OrdonneDeuxLibertes(liste, e->Libertes, e->Color))
        AjouteLibertesVoisinsEnAtari(liste, e);
  }
  return liste.Nombre;
}

void CoupsPourSauver(ListeIntersections& liste, int32_t p) {
  Vide(liste);
  const String* s = Chaine(p);
  if (!s) return;
  const int c = s->Color;
  const int nl = s->NbLibertes();
  if (nl >= 4) return;

  for (const String* e : s->Voisines)
    if (e->NbLibertes() <= nl) AjouteLibertes(liste, e);

  AjouteLibertes(liste, s);
  if (nl == 1) return;
  for (int32_t l : s->Libertes)
    for (int32_t n : Voisins[l])
      if (Col(n) == VIDE) AjouteSiAbsent(liste, n);
  for (int32_t l : s->Libertes)
    for (int32_t n : Voisins[l]) {
      const String* t = StringIntersection[n];
      if (Col(n) == c && t && t->NbLibertes() < 4) AjouteLibertes(liste, t);
    }
  if (nl == 2) {
    for (const String* e : s->Voisines)
      if (e->NbLibertes() == 3) OrdonneLibertes(liste, e->Libertes, e->Color);
  }
}

// ---------------------------------------------------------------------------
// Ordering of the candidates.

VoisinageCoup Voisinage(int32_t m, int f) {
  VoisinageCoup v;
  const int e = Adversaire(f);
  const String* vues[4];  // distinct chains counted in C2, C3, E2
  int nv = 0;
  EnsembleIntersections enAtari;  // Numbers of the friendly chains counted in B
  Vide(enAtari);
  auto ajouteB = [&](const String* t) {
    if (t->NbLibertes() != 1 || Contient(enAtari, t->Number)) return;
    Ajoute(enAtari, t->Number);
    v.B += t->NbPierres();
  };
  for (int32_t n : Voisins[m]) {
    const int cn = Col(n);
    if (cn == VIDE) {
      v.H++;
      continue;
    }
    const String* t = StringIntersection[n];
    if (cn == f) v.F++;
    if (cn == e) v.G++;
    if (!t) continue;
    bool vue = false;
    for (int i = 0; i < nv; i++) vue |= vues[i] == t;
    if (!vue) vues[nv++] = t;
    const int nl = t->NbLibertes();
    if (cn == f) {
      ajouteB(t);
      if (nl == 2 && !vue) v.E2 += t->NbPierres();
    } else {
      if (nl == 1) {
        v.A += t->NbPierres();
        for (const String* u : t->Voisines) ajouteB(u);
      }
      if (nl == 2 && !vue) v.C2 += t->NbPierres();
      if (nl == 3 && !vue) v.C3 += t->NbPierres();
    }
  }
  return v;
}

int ValeurCoupPrendre(int32_t m, const String* s, int d) {
  const int c = s->Color;
  const int a = Adversaire(c);
  const VoisinageCoup v = Voisinage(m, a);
  const int la = LibertesApres(m, a);
  int score;
  if (v.F == 0 && v.H == 1)
    score = PointCoince(m, c) ? 10 : -10;
  else
    score = la == 1 ? -10 : 0;
  if (Contient(s->EnsembleLibertes, m)) {
    score += T1[Plafond4(d)];
    if (v.E2 > 0 && s->NbLibertes() < d && la > 1) score += 10;
  } else {
    score += T2[Plafond4(la)] + v.H;
  }
  score += T3[Plafond4(v.A)];
  if (v.F == 0 && v.A == 1 && v.H == 0) score -= 10;
  return score;
}

int ValeurCoupSauver(int32_t m, const String* s, int d) {
  const int c = s->Color;
  const VoisinageCoup v = Voisinage(m, c);
  const int n = d;
  auto ajuste = [&](int score) {
    if (v.F == 0 && v.A == 1 && v.H == 0) score -= 10;
    return score + T3[Plafond4(v.A)];
  };
  if (v.F == 0 && v.H == 1) return (PointCoince(m, Adversaire(c)) ? 10 : -10) + T3[Plafond4(v.A)];
  if (n == 1) return ajuste(-10);
  if (!Contient(s->EnsembleLibertes, m)) {
    int score = Plafond4(n);
    if (n > 2 && LibertesEtroites(m, s)) {
      if (v.C2 == 0 && v.C3 == 0) return ajuste(score + 5);
      score = Plafond4(n) + 15;
    }
    if (n >= 2 && v.C2 > 0 && v.C3 > 0) score += 5;
    return ajuste(score);
  }
  int score;
  if (n <= s->NbLibertes())
    score = 0;
  else if (v.C2 == 0)
    score = T1[Plafond4(n)];
  else
    score = T1[Plafond4(n)] + 10;
  return ajuste(score);
}

namespace {

// The common frame of the two orderings. A liberty where the chain would get
// five or more liberties ends the ordering: `fuite` decides what is left.
template <class Valeur, class Fuite>
void OrdonneCoups(ListeIntersections& liste, int32_t p, Valeur valeur, Fuite fuite) {
  if (liste.Nombre < 2) return;
  const String* s = Chaine(p);
  if (!s) return;
  const int c = s->Color;
  ListeIntersections cles;
  for (int32_t m : liste) {
    const int d = LibertesApres(m, c);
    if (d > 4 && Contient(s->EnsembleLibertes, m)) {
      Vide(liste);
      if (fuite(m, c)) Ajoute(liste, m);
      return;
    }
    Ajoute(cles, valeur(m, s, d));
  }
  TrieAvecDepartage(liste, cles, c);
}

}  // namespace

void OrdonneCoupsPrendre(ListeIntersections& liste, int32_t p) {
  OrdonneCoups(liste, p, ValeurCoupPrendre, [](int32_t m, int c) {
    return !AdversaireNePeutPasJouer(m, c) || PointCoince(m, c);
  });
}

void OrdonneCoupsSauver(ListeIntersections& liste, int32_t p) {
  OrdonneCoups(liste, p, ValeurCoupSauver, [](int32_t, int) { return true; });
}
