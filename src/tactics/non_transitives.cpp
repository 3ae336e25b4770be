#include "tactics/non_transitives.h"

#include <algorithm>
#include <cstdio>

#include "base/trace.h"
#include "board/libertes.h"

EtatNonTransitif NonTransitives;

namespace {

const String* StringEn(int32_t p) {
  return SurGoban(p) ? StringIntersection[p] : nullptr;
}

bool EstLiberte(const String* t, int32_t p) {
  return t != nullptr && Contient(t->EnsembleLibertes, p);
}

// Level 2 of Proche; the points one empty step further go to `plus`.
bool ProcheNiveau2(const String* s, const String* t, ListeIntersections& plus,
                   EnsembleIntersections& vus) {
  const int c = s->Color;
  auto collecte = [&](int32_t x) {
    if (Couleur(DamierIncremental, x) != VIDE || EstLiberte(s, x) || Contient(vus, x)) return;
    Ajoute(vus, x);
    Ajoute(plus, x);
  };
  for (int32_t l : s->Libertes)
    for (int32_t n : Voisins[l]) {
      if (EstLiberte(t, n)) return true;
      const String* sn = StringIntersection[n];
      if (sn != nullptr && sn != s && sn->Color == c) {
        if (AdversaireNePeutPasJouer(l, c) != 0) continue;
        for (int32_t o : Voisins[n]) {
          if (AdversaireNePeutPasJouer(o, c) == 0 && EstLiberte(t, o)) return true;
          collecte(o);
        }
      } else if (sn == nullptr) {
        collecte(n);
      }
    }
  return false;
}

// The triple (b, a, c) or (b, c, a) is already there.
bool TripleConnu(int32_t b, int32_t a, int32_t c) {
  const ListeTriples& t = NonTransitives.Triples;
  for (int i = 0; i + 2 < t.Nombre; i += 3)
    if (t[i] == b && ((t[i + 1] == a && t[i + 2] == c) || (t[i + 1] == c && t[i + 2] == a)))
      return true;
  return false;
}

// The anchor shared by two connections: B, with A on i's side and C on j's.
bool AncreCommune(const Connexion& i, const Connexion& j, int32_t& a, int32_t& b, int32_t& c) {
  const int32_t a1 = i.Ancre1, a2 = i.Ancre2, b1 = j.Ancre1, b2 = j.Ancre2;
  if (a1 == b1 && a2 != b2) {
    b = a1, a = a2, c = b2;
  } else if (a2 == b2 && b1 != a1) {
    b = a2, a = a1, c = b1;
  } else if (a2 == b1 && b2 != a1) {
    b = a2, a = a1, c = b2;
  } else if (a1 == b2 && b1 != a2) {
    b = a1, a = a2, c = b1;
  } else {
    return false;
  }
  return true;
}

bool Proches(int32_t a, int32_t b, int32_t c) {
  return ((Proche(a, b, 1) && Proche(c, b, 2)) || (Proche(c, b, 1) && Proche(a, b, 2))) &&
         Proche(a, c, 2);
}

const Connexion* Menace(int32_t x, int32_t y) {
  return TrouveConnexion(MenacesDeconnecter, std::min(x, y), std::max(x, y));
}

// m cuts A from C and threatens the link B-C or A-B.
bool MenaceUnLien(int32_t m, int32_t a, int32_t b, int32_t c) {
  for (const Connexion* t : {Menace(b, c), Menace(a, b)})
    if (t != nullptr && Contient(t->CoupsEmpecher, m)) return true;
  return false;
}

void Signalement(const Connexion& r, int32_t m) {
  const int32_t p = m & MASQUE_POINT;
  std::fprintf(SortieErreurs(), "ConnexionsNonTransitives %d et %d : coup en %d (%d,%d)\n",
               r.Ancre1, r.Ancre2, m, p % TailleGoban + 1, p / TailleGoban + 1);
  std::fflush(SortieErreurs());
}

void Examine(int32_t a, int32_t b, int32_t c) {
  if (!Proches(a, b, c)) return;
  if (!StringEn(a) || !StringEn(b) || !StringEn(c)) return;
  Connexion r;
  r.Couleur = Couleur(DamierIncremental, a);
  r.Ancre1 = std::min(a, c);
  r.Ancre2 = std::max(a, c);
  // Only the record of the pair A-C itself: its cutting moves are the ones
  // that keep A from C.
  const Connexion* k = TrouveConnexion(ConnexionsValides, r.Ancre1, r.Ancre2);
  if (k == nullptr || !k->Connectable || k->Solide) return;
  for (int32_t m : k->CoupsEmpecher) {
    if (!MenaceUnLien(m, a, b, c)) continue;
    Vide(r.CoupsEmpecher);
    Ajoute(r.CoupsEmpecher, m);
    r.CoupsAtteindre = k->CoupsAtteindre;
    r.Solide = 0;
    r.Connectable = 1;
    AjouteTripleNonTransitif(b, a, c);
    AjouteConnexion(NonTransitives.Liste, r);
    if (NonTransitives.SansMessage == 0) Signalement(r, m);
  }
}

}  // namespace

bool AjouteTripleNonTransitif(int32_t b, int32_t a, int32_t c) {
  if (TripleConnu(b, a, c)) return true;
  ListeTriples& t = NonTransitives.Triples;
  if (t.Nombre + 3 > ListeTriples::Capacite) {
    if (!NonTransitives.TriplesPerdus)
      Signale("Pb MAX_TRIPLES_NON_TRANSITIFS ConnexionsNonTransitives %d %d %d\n", b, a, c);
    NonTransitives.TriplesPerdus = 1;
    return false;
  }
  t.Elements[t.Nombre++] = b;
  t.Elements[t.Nombre++] = a;
  t.Elements[t.Nombre++] = c;
  return true;
}

int Proche(int32_t p, int32_t q, int d) {
  const String* s = StringEn(p);
  const String* t = StringEn(q);
  if (s == nullptr) return 0;
  if (t != nullptr)
    for (int32_t l : s->Libertes)
      if (EstLiberte(t, l)) return 1;
  if (d < 2) return 0;
  ListeIntersections plus;
  EnsembleIntersections vus{};
  if (ProcheNiveau2(s, t, plus, vus)) return 1;
  if (d < 3) return 0;
  for (int32_t x : plus)
    for (int32_t y : Voisins[x])
      if (EstLiberte(t, y)) return 1;
  return 0;
}

void ConnexionsNonTransitives() {
  VideListeConnexions(NonTransitives.Liste);
  Vide(NonTransitives.Triples);
  NonTransitives.TriplesPerdus = 0;
  for (const Connexion& i : ConnexionsValides) {
    if (!i.Solide) continue;
    for (const Connexion& j : ConnexionsValides) {
      if (&j == &i || !j.Solide) continue;
      int32_t a = 0, b = 0, c = 0;
      if (AncreCommune(i, j, a, b, c)) Examine(a, b, c);
    }
  }
}

void ReinitialiseNonTransitives() {
  VideListeConnexions(NonTransitives.Liste);
  Vide(NonTransitives.Triples);
  NonTransitives.SansMessage = 1;
  NonTransitives.TriplesPerdus = 0;
}
