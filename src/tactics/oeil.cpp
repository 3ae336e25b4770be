#include "tactics/oeil.h"

#include "base/trace.h"
#include "board/incremental.h"
#include "board/libertes.h"

namespace {

inline int Col(int32_t p) {
  return Couleur(DamierIncremental, p);
}

inline bool CouleurJoueur(int c) {
  return c == 1 || c == 2;
}

// The string at p when p holds a stone of colour c, else null.
inline const String* ChaineDe(int32_t p, int c) {
  if (!SurGoban(p) || Col(p) != c) return nullptr;
  return StringIntersection[p];
}

// Lifts the ko ban for the length of one query: the eye tests ask whether the
// opponent could ever play a point, not whether it may play it this very move.
class SansBanKo {
 public:
  SansBanKo() : ko_(KoIncremental) { KoIncremental = -1; }
  ~SansBanKo() { KoIncremental = ko_; }
  SansBanKo(const SansBanKo&) = delete;
  SansBanKo& operator=(const SansBanKo&) = delete;

 private:
  const int32_t ko_;
};

// Adds p and its eight surrounding points.
void AjouteAlentours(EnsembleListe& region, int32_t p) {
  Ajoute(region, p);
  for (int32_t v : Voisins8[p]) Ajoute(region, v);
}

// Adds the stones of the string and its liberties.
void AjouteChaine(EnsembleListe& region, const String* s) {
  for (int32_t q : s->Pierres) Ajoute(region, q);
  for (int32_t l : s->Libertes) Ajoute(region, l);
}

// 1 when c's move at m makes test(p) true, the move taken back at once.
template <class Test>
bool ApresCoup(int32_t m, int c, Test test) {
  CoupTemporaire coup(m, c);
  return coup && test();
}

}  // namespace

void Vide(EnsembleListe& e) {
  Vide(e.Points);
  Vide(e.Bits);
}

int Ajoute(EnsembleListe& e, int32_t p) {
  if (!SurGoban(p) || Contient(e.Bits, p)) return 0;
  if (!Ajoute(e.Points, p)) return 0;
  Ajoute(e.Bits, p);
  return 1;
}

int Contient(const EnsembleListe& e, int32_t p) {
  return Contient(e.Bits, p);
}

void Union(EnsembleListe& a, const EnsembleListe& b) {
  for (int32_t p : b) Ajoute(a, p);
}

int DiagonaleBonne(int32_t d, int c) {
  if (!SurGoban(d) || !CouleurJoueur(c)) return 0;
  const int cd = Col(d);
  if (cd == c) return 1;
  if (cd != VIDE) return 0;
  if (d != KoIncremental) return AdversaireNePeutPasJouer(d, c);
  SansBanKo sansBan;
  return AdversaireNePeutPasJouer(d, c);
}

int DiagonaleOuverte(int32_t d, int c) {
  return SurGoban(d) && Col(d) == VIDE && !DiagonaleBonne(d, c) ? 1 : 0;
}

bool EstOeil(int32_t p, int c, EnsembleListe& region) {
  if (!SurGoban(p) || !CouleurJoueur(c) || Col(p) != VIDE) return false;
  for (int32_t v : Voisins[p])
    if (Col(v) != c) return false;
  int bonnes = 0, ouvertes = 0;
  for (int32_t d : Diagonales[p]) {
    if (DiagonaleBonne(d, c))
      bonnes++;
    else if (Col(d) == VIDE)
      ouvertes++;
  }
  bool oeil = false;
  switch (Voisins[p].Nombre) {
    case 4:
      oeil = bonnes >= 3 || (bonnes == 2 && ouvertes == 2);
      break;
    case 3:
      oeil = bonnes == 2;
      break;
    case 2:
      oeil = bonnes == 1;
      break;
    default:
      break;
  }
  if (oeil) AjouteAlentours(region, p);
  return oeil;
}

bool OeilParPrise(EnsembleListe& coups, int32_t p, int c, EnsembleListe& region) {
  if (!CouleurJoueur(c)) return false;
  const String* s = ChaineDe(p, Adversaire(c));
  if (!s || s->NbLibertes() != 1) return false;
  const int32_t liberte = s->Libertes[0];
  if (s->NbPierres() >= 3) {
    Ajoute(coups, liberte);
    AjouteChaine(region, s);
    return true;
  }
  if (s->NbPierres() != 1) return false;
  if (!ApresCoup(liberte, c, [&] { return EstOeil(p, c, region); })) return false;
  Ajoute(coups, liberte);
  return true;
}

int CoupsPourOeil(EnsembleListe& coups, int32_t p, int c, EnsembleListe& region) {
  if (!SurGoban(p) || !CouleurJoueur(c)) return 0;
  const int avant = coups.Nombre();
  const int o = Adversaire(c);
  if (Col(p) == o) {
    OeilParPrise(coups, p, c, region);
    return coups.Nombre() - avant;
  }
  if (Col(p) != VIDE) return 0;

  int amies = 0, vides = 0;
  int32_t e = -1;
  for (int32_t q : Voisins[p]) {
    const int cq = Col(q);
    if (cq == o) {
      OeilParPrise(coups, q, c, region);
    } else if (cq == c) {
      amies++;
    } else {
      vides++;
      e = q;
    }
  }
  if (vides == 1) {
    if (ApresCoup(e, c, [&] { return EstOeil(p, c, region); }))
      Ajoute(coups, e);
    else if (ApresCoup(p, c, [&] { return EstOeil(e, c, region); }))
      Ajoute(coups, p);
  } else if (amies == Voisins[p].Nombre) {
    for (int32_t d : Diagonales[p])
      if (Col(d) == VIDE && ApresCoup(d, c, [&] { return EstOeil(p, c, region); }))
        Ajoute(coups, d);
  }
  return coups.Nombre() - avant;
}

namespace {

// The two-point eye cases by the neighbour counts of p and q: the number of
// outer diagonals expected and the line printed when it differs.
struct CasOeilDouble {
  int np, nq;
  int diagonales;
  const char* message;
};
constexpr CasOeilDouble CasDoubles[] = {
    {4, 4, 4, "Pb OeilDouble 4 4\n"}, {3, 2, 1, "Pb OeilDouble 3 2\n"},
    {2, 3, 1, "Pb OeilDouble 2 3\n"}, {3, 3, 2, "Pb OeilDouble 3 3\n"},
    {4, 3, 2, "Pb OeilDouble 4 3\n"}, {3, 4, 2, "Pb OeilDouble 3 4\n"},
};

// Every orthogonal neighbour of a but b holds c.
bool EntoureSauf(int32_t a, int32_t b, int c) {
  for (int32_t v : Voisins[a])
    if (v != b && Col(v) != c) return false;
  return true;
}

// Every string of c next to a has two liberties or more.
bool ChainesAmiesLibres(int32_t a, int c) {
  for (int32_t v : Voisins[a]) {
    const String* s = ChaineDe(v, c);
    if (s && s->NbLibertes() < 2) return false;
  }
  return true;
}

}  // namespace

bool OeilDouble(int32_t p, int c, EnsembleListe& region) {
  if (!SurGoban(p) || !CouleurJoueur(c) || Col(p) == c) return false;
  int32_t q = -1;
  int autres = 0;
  for (int32_t v : Voisins[p])
    if (Col(v) != c) {
      q = v;
      autres++;
    }
  if (autres != 1 || !EntoureSauf(q, p, c)) return false;
  if (!ChainesAmiesLibres(p, c) || !ChainesAmiesLibres(q, c)) return false;

  // Outer diagonals: those of p not next to q, then those of q not next to p.
  // Missing ones (a count that differs from the case's) are neither good nor empty.
  bool g[4] = {}, vide[4] = {};
  int n = 0;
  auto externes = [&](int32_t a, int32_t b) {
    for (int32_t d : Diagonales[a]) {
      if (EstVoisin(d, b)) continue;
      if (n < 4) {
        g[n] = DiagonaleBonne(d, c) != 0;
        vide[n] = Col(d) == VIDE;
      }
      n++;
    }
  };
  externes(p, q);
  externes(q, p);

  const int np = Voisins[p].Nombre, nq = Voisins[q].Nombre;
  const CasOeilDouble* cas = nullptr;
  for (const CasOeilDouble& k : CasDoubles)
    if (k.np == np && k.nq == nq) cas = &k;
  if (!cas) return false;
  if (n != cas->diagonales) Signale("%s", cas->message);

  const bool pVide = Col(p) == VIDE, qVide = Col(q) == VIDE;
  bool oeil = false;
  if (np == 4 && nq == 4)
    oeil = ((g[0] || g[1]) && (g[2] || g[3])) || (vide[0] && vide[1] && (g[2] || g[3])) ||
           (vide[2] && vide[3] && (g[0] || g[1]));
  else if (np + nq == 5)
    oeil = g[0];
  else if (np == 3 && nq == 3)
    oeil = (g[0] && g[1]) || (vide[0] && g[1] && pVide) || (vide[1] && g[0] && qVide);
  else if (np == 4)
    oeil = g[0] || g[1] || ((vide[0] || vide[1]) && pVide);
  else
    oeil = g[0] || g[1] || ((vide[0] || vide[1]) && qVide);

  if (oeil) {
    AjouteAlentours(region, p);
    AjouteAlentours(region, q);
  }
  return oeil;
}

bool OeilDoubleParPrise(EnsembleListe& coups, int32_t p, int c, EnsembleListe& region) {
  if (!CouleurJoueur(c)) return false;
  const String* s = ChaineDe(p, Adversaire(c));
  if (!s || s->NbLibertes() != 1) return false;
  const int32_t liberte = s->Libertes[0];
  if (s->NbPierres() >= 3) {
    Ajoute(coups, liberte);
    AjouteChaine(region, s);
    return true;
  }
  if (s->NbPierres() != 2) return false;
  const int32_t premiere = s->Pierres[0];
  if (!ApresCoup(liberte, c, [&] { return OeilDouble(premiere, c, region); })) return false;
  Ajoute(coups, liberte);
  return true;
}

int EmpecherOeilDouble(EnsembleListe& coups, int32_t p, int c, EnsembleListe& region) {
  if (!CouleurJoueur(c)) return 0;
  const int o = Adversaire(c);
  EnsembleListe coupsAdverses, regionAdverse;
  Vide(coupsAdverses);
  Vide(regionAdverse);
  if (!OeilDoubleParPrise(coupsAdverses, p, o, regionAdverse)) return 0;
  Union(region, regionAdverse);

  int gardes = 0;
  for (int32_t m : coupsAdverses) {
    const bool empeche = ApresCoup(m, c, [&] {
      EnsembleListe coupsApres, regionApres;
      Vide(coupsApres);
      Vide(regionApres);
      return !OeilDoubleParPrise(coupsApres, p, o, regionApres) &&
             CoupsPourOeil(coupsApres, p, o, regionApres) == 0;
    });
    if (empeche) {
      Ajoute(coups, m);
      gardes++;
    }
  }
  return gardes;
}
