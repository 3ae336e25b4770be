#include "tactics/connexion_rapide.h"

#include <algorithm>

#include "board/libertes.h"
#include "tactics/prise.h"
#include "tactics/rapide.h"

EtatCoupsConnecter GenerateurConnexion;

namespace {

inline const String* Chaine(int32_t p) {
  return SurGoban(p) ? StringIntersection[p] : nullptr;
}

inline int Col(int32_t p) {
  return Couleur(DamierIncremental, p);
}

// e (an enemy chain of s) touches s, or has a liberty that is a liberty of s.
bool BordeOuLiberteSur(const String* e, const String* s) {
  if (s->Voisines.contient(e)) return true;
  for (int32_t l : e->Libertes)
    if (Contient(s->EnsembleLibertes, l)) return true;
  return false;
}

// The first common liberty of a and b, looked for among the liberties of the
// chain with fewer, or -1.
int32_t LiberteCommune(const String* a, const String* b) {
  if (b->NbLibertes() < a->NbLibertes()) std::swap(a, b);
  for (int32_t l : a->Libertes)
    if (Contient(b->EnsembleLibertes, l)) return l;
  return -1;
}

// The capture of e (in atari) by c would be a snap-back: a single stone whose
// liberty has no empty neighbour, and the capturing stone keeps fewer than 2
// liberties.
bool PriseEnRetour(const String* e, int c) {
  if (e->NbPierres() != 1) return false;
  const int32_t l = e->Libertes[0];
  return NbVoisinsVides[l] == 0 && NbLibertesApresIncremental(l, c) < 2;
}

// e is in atari, c may capture it, and the capture is not a snap-back.
bool CaptureUtile(const String* e, int c) {
  return e->NbLibertes() == 1 && CoupLegalIncremental(e->Libertes[0], c) && !PriseEnRetour(e, c);
}

void AjouteSauvetages(ListeIntersections& liste, const String* e) {
  ListeIntersections s;
  CoupsPourSauver(s, e->Ancre);
  AjouteTousSiAbsents(liste, s);
}

// The second ring of s: the empty points next to its liberties that are not
// liberties themselves.
void Anneau2(const String* s, ListeIntersections& l, EnsembleIntersections& e) {
  Vide(l);
  Vide(e);
  for (int32_t lib : s->Libertes)
    for (int32_t q : Voisins[lib])
      if (Col(q) == VIDE && !Contient(s->EnsembleLibertes, q) && !Contient(e, q)) {
        Ajoute(e, q);
        Ajoute(l, q);
      }
}

// The third ring, built the same way from the second.
void Anneau3(const String* s, const ListeIntersections& l2, const EnsembleIntersections& e2,
             ListeIntersections& l, EnsembleIntersections& e) {
  Vide(l);
  Vide(e);
  for (int32_t r : l2)
    for (int32_t q : Voisins[r])
      if (Col(q) == VIDE && !Contient(s->EnsembleLibertes, q) && !Contient(e2, q) &&
          !Contient(e, q)) {
        Ajoute(e, q);
        Ajoute(l, q);
      }
}

// Third-chain links from a to b: a liberty L of a that the opponent cannot
// take, next to another chain C of a's colour that shares a liberty with b or
// touches a capturable enemy chain in atari bordering b. When `points` is
// given it receives what the disconnecter must play: C's common liberties with
// b, and the liberty of each such enemy chain with the liberties of the chains
// in atari next to it. Returns whether a link exists.
bool LienTiers(const String* a, const String* b, ListeIntersections* points) {
  const int c = a->Color;
  const int d = Adversaire(c);
  bool lien = false;
  for (int32_t l : a->Libertes) {
    if (l == KoIncremental || CoupLegalIncremental(l, d)) continue;
    for (int32_t q : Voisins[l]) {
      const String* t = Chaine(q);
      if (!t || t->Color != c || t == a || t == b) continue;
      for (int32_t x : t->Libertes)
        if (Contient(b->EnsembleLibertes, x)) {
          lien = true;
          if (!points) return true;
          AjouteSiAbsent(*points, x);
        }
      for (const String* e : t->Voisines)
        if (e->NbLibertes() == 1 && BordeOuLiberteSur(e, b) && CaptureUtile(e, c)) {
          lien = true;
          if (!points) return true;
          AjouteSiAbsent(*points, e->Libertes[0]);
          for (const String* f : e->Voisines)
            if (f->NbLibertes() == 1) AjouteSiAbsent(*points, f->Libertes[0]);
        }
    }
  }
  return lien;
}

// The moves with which the connecter joins a and b at once: common liberties,
// captures of cutting chains in atari, the third chain's links.
void CoupsJonction(ListeIntersections& liste, const String* a, const String* b) {
  Vide(liste);
  const int c = a->Color;
  for (int32_t l : a->Libertes)
    if (Contient(b->EnsembleLibertes, l)) {
      MarqueTraceA(l);
      AjouteSiAbsent(liste, l);
    }
  for (const String* s : {a, b}) {
    const String* autre = s == a ? b : a;
    for (const String* e : s->Voisines)
      if (e->NbLibertes() == 1 && BordeOuLiberteSur(e, autre) && CaptureUtile(e, c))
        AjouteSiAbsent(liste, e->Libertes[0]);
  }
  ListeIntersections tiers;
  LienTiers(a, b, &tiers);
  LienTiers(b, a, &tiers);
  AjouteTousSiAbsents(liste, tiers);
}

// Answer of a pair before any reading: 1 one chain, 0 a point empty or of
// different colours, -1 two chains to read.
int Evidence(int32_t p1, int32_t p2) {
  const String* a = Chaine(p1);
  const String* b = Chaine(p2);
  if (!a || !b || a->Color != b->Color) return 0;
  return a == b ? 1 : -1;
}

// Disconnecter to move: every legal move of d on the connection points leaves
// `tient` true, and there is at least one such point.
template <class Test>
bool ToutesReponsesTiennent(int32_t p1, int32_t p2, int d, Test tient) {
  ListeIntersections points;
  PointsDeConnexion(points, p1, p2, d);
  if (points.Nombre == 0) return false;
  for (int32_t m : points) {
    CoupTemporaire coup(m, d);
    if (coup && !tient()) return false;
  }
  return true;
}

bool ConnecteEnUnCoupAvec(int32_t p1, int32_t p2, int d, bool sur) {
  const int e = Evidence(p1, p2);
  if (e >= 0) return e == 1;
  return ToutesReponsesTiennent(p1, p2, d, [&] {
    return sur ? ConnectableEnUnCoupSur(p1, p2, d) : ConnectableEnUnCoup(p1, p2);
  });
}

// The two-move generator, plain or safe.
bool CoupsEnDeux(ListeIntersections& liste, int32_t p1, int32_t p2, int d, bool sur) {
  Vide(liste);
  const int e = Evidence(p1, p2);
  if (e >= 0) return e == 1;
  if (ConnecteEnUnCoupAvec(p1, p2, d, sur)) return true;
  const String* a = Chaine(p1);
  const String* b = Chaine(p2);
  for (const String* s : {a, b}) {
    const String* autre = s == a ? b : a;
    for (int32_t l : s->Libertes) {
      if (Contient(autre->EnsembleLibertes, l)) {
        AjouteSiAbsent(liste, l);
        for (int32_t q : Voisins[l])
          if (Col(q) == VIDE) AjouteSiAbsent(liste, q);
        continue;
      }
      for (int32_t q : Voisins[l])
        if (Contient(autre->EnsembleLibertes, q)) AjouteSiAbsent(liste, l);
    }
    for (const String* x : s->Voisines)
      if (x->NbLibertes() <= 2 && BordeOuLiberteSur(x, autre))
        for (int32_t l : x->Libertes) AjouteSiAbsent(liste, l);
  }
  return false;
}

bool Connectergi2Avec(int32_t p1, int32_t p2, int d, bool sur) {
  ListeIntersections candidats;
  if (CoupsEnDeux(candidats, p1, p2, d, sur)) return true;
  const int c = Adversaire(d);
  for (int32_t m : candidats) {
    CoupTemporaire coup(m, c);
    if (coup && ConnecteEnUnCoupAvec(p1, p2, d, sur)) return true;
  }
  return false;
}

// The disconnecter's answers to a two-move connection: the liberties of both
// chains, the connecter's threatening moves and the connection points each of
// them leaves.
void CandidatsContreDeux(ListeIntersections& liste, int32_t p1, int32_t p2, int d, bool sur) {
  Vide(liste);
  const String* a = Chaine(p1);
  const String* b = Chaine(p2);
  if (!a || !b) return;
  ListeIntersections candidats, points;
  const bool lies = CoupsEnDeux(candidats, p1, p2, d, sur);
  if (lies) {
    PointsDeConnexion(points, p1, p2, d);
    AjouteTousSiAbsents(liste, points);
  }
  const int c = Adversaire(d);
  for (int32_t m : candidats) {
    CoupTemporaire coup(m, c);
    if (!coup || !ConnecteEnUnCoupAvec(p1, p2, d, sur)) continue;
    AjouteSiAbsent(liste, m);
    PointsDeConnexion(points, p1, p2, d);
    AjouteTousSiAbsents(liste, points);
  }
  for (int32_t l : a->Libertes) AjouteSiAbsent(liste, l);
  for (int32_t l : b->Libertes) AjouteSiAbsent(liste, l);
}

bool ConnecteEnDeuxCoupsAvec(int32_t p1, int32_t p2, int d, bool sur) {
  const int e = Evidence(p1, p2);
  if (e >= 0) return e == 1;
  auto tient = [&] {
    return sur ? ConnectableEnUnCoupSur(p1, p2, d) || Connectergi2Avec(p1, p2, d, true)
               : ConnectableEnUnCoup(p1, p2) || Connectergi2Avec(p1, p2, d, false);
  };
  ListeIntersections points;
  PointsDeConnexion(points, p1, p2, d);
  if (points.Nombre > 0) return ToutesReponsesTiennent(p1, p2, d, tient);
  if (!Connectergi2Avec(p1, p2, d, sur)) return false;
  ListeIntersections candidats;
  CandidatsContreDeux(candidats, p1, p2, d, sur);
  for (int32_t m : candidats) {
    CoupTemporaire coup(m, d);
    if (coup && !tient()) return false;
  }
  return true;
}

// A chain of at most two liberties that the ladder takes, attacker to move.
bool PrisEnEchelle(int32_t p) {
  const String* s = Chaine(p);
  return s && s->NbLibertes() <= 2 && PrendreEchelle(p, 1) == ECHELLE_PRISE;
}

bool ConnecterParCoupsAvec(int32_t p1, int32_t p2, int d, bool sur) {
  const int e = Evidence(p1, p2);
  if (e >= 0) return e == 1;
  ListeIntersections candidats, exclus;
  CoupsConnecter(0, candidats, exclus, p1, p2);
  const int c = Adversaire(d);
  for (int32_t m : candidats) {
    CoupTemporaire coup(m, c);
    if (!coup) continue;
    // A sure connection keeps both chains: one that a ladder takes, the
    // disconnecter to move, is not surely connected whatever the link.
    if (sur && (PrisEnEchelle(p1) || PrisEnEchelle(p2))) continue;
    if (Evidence(p1, p2) == 1 || ConnecteEnDeuxCoupsAvec(p1, p2, d, sur)) return true;
  }
  return false;
}

// The points form of ConnecteEnDeuxCoups: there are connection points, and
// each legal answer of d on them leaves a connection in one or two moves.
bool ConnecteEnDeuxParPoints(int32_t p1, int32_t p2, int d) {
  const int e = Evidence(p1, p2);
  if (e >= 0) return e == 1;
  return ToutesReponsesTiennent(p1, p2, d, [&] {
    return ConnectableEnUnCoup(p1, p2) || Connectergi2Avec(p1, p2, d, false);
  });
}

// The disconnecter's moves (of CoupsDeconnecter) after which `tient` fails.
template <class Test>
void Refutations(ListeIntersections& liste, int32_t p1, int32_t p2, int d, Test tient) {
  ListeIntersections candidats;
  CoupsDeconnecter(candidats, p1, p2, d);
  for (int32_t m : candidats) {
    CoupTemporaire coup(m, d);
    if (coup && !tient()) AjouteSiAbsent(liste, m);
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// Candidates.

void CoupsConnecter(int mode, ListeIntersections& liste, ListeIntersections& exclus, int32_t p1,
                    int32_t p2) {
  Vide(liste);
  Vide(exclus);
  EtatCoupsConnecter& g = GenerateurConnexion;
  g.LienDirect = 0;
  g.CoupeursJoints = 0;
  g.DistanceLien = DISTANCE_LIEN_AUCUNE;
  Vide(g.ChainesCoupantes);
  if (Evidence(p1, p2) != -1) return;
  const String* a = Chaine(p1);
  const String* b = Chaine(p2);
  const int c = a->Color;

  // 1. A chain in atari: its escapes are everything.
  if (a->NbLibertes() == 1) {
    CoupsSortieAtari(liste, a->Ancre, c);
    return;
  }
  if (b->NbLibertes() == 1) {
    CoupsSortieAtari(liste, b->Ancre, c);
    return;
  }
  auto lienDirect = [&](int32_t m, int distance) {
    g.LienDirect = 1;
    g.DistanceLien = std::min(g.DistanceLien, distance);
    AjouteSiAbsent(liste, m);
  };
  // 2. Common liberties.
  for (int32_t l : a->Libertes)
    if (Contient(b->EnsembleLibertes, l)) {
      lienDirect(l, 1);
      if (mode == 0) return;
    }
  // 3. Enemy chains in atari between the two.
  for (const String* s : {a, b}) {
    const String* autre = s == a ? b : a;
    for (const String* e : s->Voisines) {
      if (e->NbLibertes() != 1) continue;
      const bool entre = s == a ? BordeOuLiberteSur(e, autre)
                                : Contient(autre->EnsembleLibertes, e->Libertes[0]);
      if (!entre) continue;
      lienDirect(e->Libertes[0], 1);
      if (mode == 0) return;
    }
  }
  // 4. A capture that joins one chain to a third chain sharing a liberty with the other.
  for (const String* s : {a, b}) {
    const String* autre = s == a ? b : a;
    for (const String* e : s->Voisines) {
      if (e->NbLibertes() != 1) continue;
      for (const String* f : e->Voisines) {
        if (f == a || f == b) continue;
        bool lie = false;
        for (int32_t l : f->Libertes)
          if (Contient(autre->EnsembleLibertes, l)) {
            AjouteSiAbsent(liste, l);
            lie = true;
          }
        if (lie) AjouteSiAbsent(liste, e->Libertes[0]);
      }
    }
  }
  // 5. A capture next to one chain on the other's second ring.
  ListeIntersections a2, b2, a3, b3;
  EnsembleIntersections ea2, eb2, ea3, eb3;
  Anneau2(a, a2, ea2);
  Anneau2(b, b2, eb2);
  for (const String* s : {a, b}) {
    const EnsembleIntersections& anneau = s == a ? eb2 : ea2;
    for (const String* e : s->Voisines)
      if (e->NbLibertes() == 1 && Contient(anneau, e->Libertes[0])) lienDirect(e->Libertes[0], 2);
  }
  // 6 and 7. Two-liberty cutting chains, alone or joined to another enemy chain.
  for (const String* s : {a, b}) {
    const String* autre = s == a ? b : a;
    for (const String* e : s->Voisines) {
      if (e->NbLibertes() != 2) continue;
      const bool entre = s == a ? BordeOuLiberteSur(e, autre)
                                : (Contient(autre->EnsembleLibertes, e->Libertes[0]) ||
                                   Contient(autre->EnsembleLibertes, e->Libertes[1]));
      if (!entre) continue;
      if (!Contient(g.ChainesCoupantes, e->Ancre)) Ajoute(g.ChainesCoupantes, e->Ancre);
      for (int32_t l : e->Libertes) {
        if (AdversaireNePeutPasJouer(l, e->Color)) continue;
        for (int32_t q : Voisins[l]) {
          const String* h = Chaine(q);
          if (!h || h->Color != e->Color || h == e || h->NbLibertes() >= 4) continue;
          const bool versAutre = autre->Voisines.contient(h) || Contient(autre->EnsembleLibertes, l);
          const bool versS = s->Voisines.contient(h) || Contient(s->EnsembleLibertes, l);
          if (versAutre && versS) {
            g.CoupeursJoints = 1;
            AjouteSiAbsent(exclus, l);
            AjouteSiAbsent(liste, l);
          }
        }
      }
      for (int32_t l : e->Libertes) {
        AjouteSiAbsent(exclus, l);
        if (Contient(autre->EnsembleLibertes, l)) AjouteSiAbsent(liste, l);
      }
      OrdonneLibertes(liste, e->Libertes, e->Color);
    }
  }
  // 8. Links through the second rings.
  for (const String* s : {a, b}) {
    const EnsembleIntersections& anneau = s == a ? eb2 : ea2;
    for (int32_t l : s->Libertes)
      if (Contient(anneau, l)) lienDirect(l, 2);
  }
  for (int32_t q : a2)
    if (Contient(eb2, q)) {
      g.DistanceLien = std::min(g.DistanceLien, 3);
      AjouteSiAbsent(liste, q);
    }
  // 9. Farther: the third rings.
  if (g.DistanceLien > 2) {
    Anneau3(a, a2, ea2, a3, ea3);
    Anneau3(b, b2, eb2, b3, eb3);
    for (const String* s : {a, b}) {
      const EnsembleIntersections& anneau = s == a ? eb3 : ea3;
      for (int32_t l : s->Libertes)
        if (Contient(anneau, l)) {
          g.DistanceLien = std::min(g.DistanceLien, 3);
          AjouteSiAbsent(liste, l);
        }
    }
  }
  // 10. A two-liberty enemy chain next to one chain and to a third chain
  // simply linked to the other.
  for (const String* s : {a, b}) {
    const String* autre = s == a ? b : a;
    for (const String* e : s->Voisines) {
      if (e->NbLibertes() != 2) continue;
      for (const String* f : e->Voisines) {
        if (f == a || f == b) continue;
        bool simple = LiberteCommune(f, autre) >= 0;
        for (const String* x : f->Voisines)
          simple = simple || (x->NbLibertes() == 1 && autre->Voisines.contient(x) &&
                              CaptureUtile(x, c));
        if (simple) OrdonneLibertes(liste, e->Libertes, e->Color);
      }
    }
  }
}

void PointsDeConnexion(ListeIntersections& liste, int32_t p1, int32_t p2, int d) {
  Vide(liste);
  if (Evidence(p1, p2) != -1) return;
  const String* a = Chaine(p1);
  const String* b = Chaine(p2);
  const int c = Adversaire(d);
  const int32_t l = LiberteCommune(a, b);
  if (l >= 0) {
    Ajoute(liste, l);
    return;
  }
  bool trouve = false;
  for (const String* s : {a, b}) {
    const String* autre = s == a ? b : a;
    for (const String* e : s->Voisines) {
      if (trouve) break;
      if (e->NbLibertes() != 1 || !BordeOuLiberteSur(e, autre) || !CaptureUtile(e, c)) continue;
      trouve = true;
      AjouteSiAbsent(liste, e->Libertes[0]);
      for (const String* f : e->Voisines)
        if (f->NbLibertes() == 1) AjouteSiAbsent(liste, f->Libertes[0]);
    }
  }
  LienTiers(a, b, &liste);
  LienTiers(b, a, &liste);
}

void CoupsDeconnecter(ListeIntersections& liste, int32_t p1, int32_t p2, int d) {
  Vide(liste);
  if (Evidence(p1, p2) != -1) return;
  const String* a = Chaine(p1);
  const String* b = Chaine(p2);
  (void)d;
  // 1. A chain in atari: take it, or save the enemy chains it threatens.
  for (const String* s : {a, b})
    if (s->NbLibertes() == 1) {
      Ajoute(liste, s->Libertes[0]);
      for (const String* e : s->Voisines)
        if (e->NbLibertes() == 1) AjouteSiAbsent(liste, e->Libertes[0]);
      return;
    }
  // 2. The common liberty.
  const int32_t l = LiberteCommune(a, b);
  if (l >= 0) {
    Ajoute(liste, l);
    return;
  }
  ListeIntersections a2, b2, a3, b3;
  EnsembleIntersections ea2, eb2, ea3, eb3;
  Anneau2(a, a2, ea2);
  Anneau2(b, b2, eb2);
  for (const String* s : {a, b}) {
    const String* autre = s == a ? b : a;
    const EnsembleIntersections& anneau = s == a ? eb2 : ea2;
    for (const String* e : s->Voisines) {
      if (e->NbLibertes() != 1) continue;
      // 3. Cutting chains in atari.
      if (BordeOuLiberteSur(e, autre)) AjouteSauvetages(liste, e);
      // 4. A capture that would join a third chain linked to the other.
      for (const String* f : e->Voisines) {
        if (f == a || f == b) continue;
        bool lie = false;
        for (int32_t x : f->Libertes)
          if (Contient(autre->EnsembleLibertes, x)) {
            AjouteSiAbsent(liste, x);
            lie = true;
          }
        if (lie) AjouteSauvetages(liste, e);
      }
      // 5. On the other's second ring.
      if (Contient(anneau, e->Libertes[0])) AjouteSauvetages(liste, e);
    }
  }
  // 6. Short of liberties.
  for (const String* s : {a, b})
    if (s->NbLibertes() == 2)
      for (int32_t x : s->Libertes) AjouteSiAbsent(liste, x);
  // 7. Two-liberty cutting chains.
  for (const String* s : {a, b}) {
    const String* autre = s == a ? b : a;
    for (const String* e : s->Voisines)
      if (e->NbLibertes() == 2 && BordeOuLiberteSur(e, autre)) AjouteSauvetages(liste, e);
  }
  // 8. The rings.
  int distance = DISTANCE_LIEN_AUCUNE;
  for (const String* s : {a, b}) {
    const EnsembleIntersections& anneau = s == a ? eb2 : ea2;
    for (int32_t x : s->Libertes)
      if (Contient(anneau, x)) {
        distance = 2;
        AjouteSiAbsent(liste, x);
      }
  }
  for (int32_t q : a2)
    if (Contient(eb2, q)) {
      distance = std::min(distance, 3);
      AjouteSiAbsent(liste, q);
    }
  if (distance > 2) {
    Anneau3(a, a2, ea2, a3, ea3);
    Anneau3(b, b2, eb2, b3, eb3);
    for (const String* s : {a, b}) {
      const EnsembleIntersections& anneau = s == a ? eb3 : ea3;
      for (int32_t x : s->Libertes)
        if (Contient(anneau, x)) AjouteSiAbsent(liste, x);
    }
    for (const String* s : {a, b}) {
      const EnsembleIntersections& anneau = s == a ? eb2 : ea2;
      for (const String* e : s->Voisines) {
        if (e->NbLibertes() != 2) continue;
        if (Contient(anneau, e->Libertes[0]) || Contient(anneau, e->Libertes[1]))
          AjouteSauvetages(liste, e);
      }
    }
  }
  // 9. Three-liberty cutting chains.
  for (const String* s : {a, b}) {
    const String* autre = s == a ? b : a;
    for (const String* e : s->Voisines)
      if (e->NbLibertes() == 3 && BordeOuLiberteSur(e, autre)) AjouteSauvetages(liste, e);
  }
}

void CoupsMenaceDeconnecter(ListeIntersections& liste, int32_t p1, int32_t p2, int d) {
  Vide(liste);
  (void)d;
  if (Evidence(p1, p2) != -1) return;
  const String* a = Chaine(p1);
  const String* b = Chaine(p2);
  for (const String* s : {a, b})
    if (s->NbLibertes() < 3)
      for (int32_t x : s->Libertes) AjouteSiAbsent(liste, x);
  for (int32_t l : a->Libertes) {
    if (Contient(b->EnsembleLibertes, l)) {
      AjouteSiAbsent(liste, l);
      for (int32_t q : Voisins[l])
        if (Col(q) == VIDE) AjouteSiAbsent(liste, q);
      continue;
    }
    for (int32_t q : Voisins[l])
      if (Col(q) == VIDE && Contient(b->EnsembleLibertes, q)) {
        AjouteSiAbsent(liste, l);
        AjouteSiAbsent(liste, q);
      }
  }
  for (const String* e : a->Voisines)
    if (e->NbLibertes() < 3 && b->Voisines.contient(e)) AjouteSauvetages(liste, e);
}

bool CoupsConnecterEnDeux(ListeIntersections& liste, int32_t p1, int32_t p2, int d) {
  return CoupsEnDeux(liste, p1, p2, d, false);
}

// ---------------------------------------------------------------------------
// Quick tests.

bool ConnectableEnUnCoup(int32_t p1, int32_t p2) {
  const int e = Evidence(p1, p2);
  if (e >= 0) return e == 1;
  const String* a = Chaine(p1);
  const String* b = Chaine(p2);
  const int c = a->Color;
  const int32_t l = LiberteCommune(a, b);
  if (l >= 0 && CoupLegalIncremental(l, c)) return true;
  for (const String* s : {a, b}) {
    const String* autre = s == a ? b : a;
    for (const String* x : s->Voisines)
      if (x->NbLibertes() == 1 && BordeOuLiberteSur(x, autre) && CaptureUtile(x, c)) return true;
  }
  return LienTiers(a, b, nullptr) || LienTiers(b, a, nullptr);
}

bool ConnectableEnUnCoupSur(int32_t p1, int32_t p2, int d) {
  const int e = Evidence(p1, p2);
  if (e >= 0) return e == 1;
  const String* a = Chaine(p1);
  const String* b = Chaine(p2);
  const int c = Adversaire(d);
  for (int32_t l : a->Libertes) MarqueTraceB(l);
  for (int32_t l : b->Libertes) MarqueTraceB(l);
  ListeIntersections coups;
  CoupsJonction(coups, a, b);
  const bool large = a->NbLibertes() >= 4 || b->NbLibertes() >= 4;
  for (int32_t m : coups) {
    CoupTemporaire coup(m, c);
    if (!coup) continue;
    if (large) return true;
    const String* s = Chaine(p1);
    if (!s) continue;
    if (s->NbLibertes() > 2) return true;
    if (s->NbLibertes() == 2 && PrendreEchelle(p1, 1) != ECHELLE_PRISE) return true;
  }
  return false;
}

bool ConnecteEnUnCoup(int32_t p1, int32_t p2, int d) {
  return ConnecteEnUnCoupAvec(p1, p2, d, false);
}

bool ConnecteEnUnCoupSur(int32_t p1, int32_t p2, int d) {
  return ConnecteEnUnCoupAvec(p1, p2, d, true);
}

bool Connectergi2(int32_t p1, int32_t p2, int d) {
  return Connectergi2Avec(p1, p2, d, false);
}

bool Connectergi2Sur(int32_t p1, int32_t p2, int d) {
  return Connectergi2Avec(p1, p2, d, true);
}

bool RefutationsConnecterEn2(ListeIntersections& liste, int32_t p1, int32_t p2, int d) {
  Vide(liste);
  if (!Connectergi2(p1, p2, d)) return false;
  ListeIntersections candidats;
  CandidatsContreDeux(candidats, p1, p2, d, false);
  for (int32_t m : candidats) {
    CoupTemporaire coup(m, d);
    if (coup && !ConnectableEnUnCoup(p1, p2) && !Connectergi2(p1, p2, d)) AjouteSiAbsent(liste, m);
  }
  return true;
}

bool ConnecteEnDeuxCoups(int32_t p1, int32_t p2, int d) {
  return ConnecteEnDeuxCoupsAvec(p1, p2, d, false);
}

bool ConnecteEnDeuxCoupsSur(int32_t p1, int32_t p2, int d) {
  return ConnecteEnDeuxCoupsAvec(p1, p2, d, true);
}

bool Connectergi3(int32_t p1, int32_t p2, int d) {
  ListeIntersections candidats;
  if (CoupsEnDeux(candidats, p1, p2, d, false)) return true;
  const int c = Adversaire(d);
  for (int32_t m : candidats) {
    CoupTemporaire coup(m, c);
    if (coup && ConnecteEnDeuxParPoints(p1, p2, d)) return true;
  }
  return false;
}

bool RefutationsConnecterEn3(ListeIntersections& liste, int32_t p1, int32_t p2, int d) {
  Vide(liste);
  if (!Connectergi3(p1, p2, d)) return false;
  Refutations(liste, p1, p2, d, [&] {
    return ConnectableEnUnCoup(p1, p2) || Connectergi2(p1, p2, d) || Connectergi3(p1, p2, d);
  });
  return true;
}

bool ConnecterParCoups(int32_t p1, int32_t p2, int d) {
  return ConnecterParCoupsAvec(p1, p2, d, false);
}

bool ConnecterParCoupsSur(int32_t p1, int32_t p2, int d) {
  return ConnecterParCoupsAvec(p1, p2, d, true);
}

bool RefutationsConnecterParCoups(ListeIntersections& liste, int32_t p1, int32_t p2, int d) {
  Vide(liste);
  if (!ConnecterParCoups(p1, p2, d)) return false;
  Refutations(liste, p1, p2, d, [&] {
    return ConnectableEnUnCoup(p1, p2) || Connectergi2(p1, p2, d) || ConnecterParCoups(p1, p2, d);
  });
  return true;
}

void ReinitialiseConnexionRapide() {
  GenerateurConnexion = EtatCoupsConnecter{};
}
