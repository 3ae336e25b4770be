#include "board/damier.h"

int DrapeauKo = 0;

namespace {

// Generation marks: a point is visited in the current search when its mark
// equals the counter, so no table is cleared between searches.
struct Generation {
  uint32_t valeur = 0;
  uint32_t marques[NB_INTERSECTIONS_MAX] = {};

  // On first use and when the counter wraps, the old marks are cleared: they
  // would read as visited in the generations that come round again.
  void Demarre() {
    if (valeur == 0 || valeur == UINT32_MAX) {
      for (uint32_t& m : marques) m = 0;
      valeur = 0;
    }
    ++valeur;
  }
  bool Marque(int32_t p) const { return marques[p] == valeur; }
  void Pose(int32_t p) { marques[p] = valeur; }
};

struct EtatRequetes {
  Generation libertes;  // counter A: liberty searches
  Generation pierres;   // counter B: stone searches and chain collection
  // Opponent stones that count as liberties because the move studied captures them.
  EnsembleIntersections LibertesEnPlus{};
  const Damier* position = nullptr;
  int couleur = 0;
  int cible = 0;
  int compte = 0;
  ListeIntersections* sortie = nullptr;  // LibertesApres: where liberties are listed
  ListeIntersections libertesAdverses;   // AdversairesOntNLibertes
};

EtatRequetes etat;

int Col(int32_t p) {
  return Couleur(*etat.position, p);
}

// Liberty flood from the stone q; true when the target is reached.
bool InondeLibertes(int32_t q) {
  for (int32_t r : Voisins[q]) {
    Ajoute(IntersectionsLues, r);
    if (etat.libertes.Marque(r)) continue;
    etat.libertes.Pose(r);
    const int c = Col(r);
    if (c == etat.couleur) {
      if (InondeLibertes(r)) return true;
    } else if (c == VIDE || Contient(etat.LibertesEnPlus, r)) {
      if (etat.sortie) Ajoute(*etat.sortie, r);
      if (++etat.compte >= etat.cible) return true;
    }
  }
  return false;
}

void DemarreLibertes(const Damier& d, int couleur, int cible) {
  etat.position = &d;
  etat.couleur = couleur;
  etat.cible = cible;
  etat.compte = 0;
  etat.sortie = nullptr;
  etat.libertes.Demarre();
}

void CollecteChaine(EnsembleIntersections& e, int32_t q) {
  Ajoute(e, q);
  for (int32_t r : Voisins[q]) {
    Ajoute(IntersectionsLues, r);
    if (etat.pierres.Marque(r)) continue;
    etat.pierres.Pose(r);
    if (Col(r) == etat.couleur) CollecteChaine(e, r);
  }
}

bool CompteTropDePierres(int32_t q) {
  for (int32_t r : Voisins[q]) {
    Ajoute(IntersectionsLues, r);
    if (etat.pierres.Marque(r)) continue;
    etat.pierres.Pose(r);
    if (Col(r) == etat.couleur) {
      if (++etat.compte >= etat.cible) return true;
      if (CompteTropDePierres(r)) return true;
    }
  }
  return false;
}

bool InondeOpposant(int32_t q, int opposant, int n) {
  etat.pierres.Pose(q);
  for (int32_t r : Voisins[q]) {
    Ajoute(IntersectionsLues, r);
    if (etat.libertes.Marque(r)) continue;
    etat.libertes.Pose(r);
    const int c = Col(r);
    if (c == opposant) {
      if (InondeOpposant(r, opposant, n)) return true;
    } else if (c == VIDE) {
      Ajoute(etat.libertesAdverses, r);
      if (etat.libertesAdverses.Nombre >= n) return true;
    }
  }
  return false;
}

// Counts the liberties of the opponent chain through q (generation A), marking
// its stones with generation B so that it is examined once.
bool OpposantAssezDeLibertes(int32_t q, int opposant, int n) {
  Vide(etat.libertesAdverses);
  if (n <= 0) return true;
  etat.libertes.Demarre();
  etat.libertes.Pose(q);
  return InondeOpposant(q, opposant, n);
}

// Walks the chain of colour couleur through q; false as soon as a neighbouring
// opponent chain has fewer than n liberties.
bool OpposantsDeLaChaine(int32_t q, int couleur, int n) {
  for (int32_t r : Voisins[q]) {
    Ajoute(IntersectionsLues, r);
    if (etat.pierres.Marque(r)) continue;
    const int c = Col(r);
    if (c == couleur) {
      etat.pierres.Pose(r);
      if (!OpposantsDeLaChaine(r, couleur, n)) return false;
    } else if (c == Adversaire(couleur)) {
      if (!OpposantAssezDeLibertes(r, c, n)) return false;
    }
  }
  return true;
}

// Removes the chain of colour c through s, logging each stone.
int RetireChaine(Damier& d, int32_t s, int c, SuiviJoueCoup* suivi) {
  int retirees = 1;
  OtePierre(d, s);
  if (suivi) suivi->ChangePoint(s, c, VIDE);
  if (!BordHaut[s] && Couleur(d, s - TailleGoban) == c)
    retirees += RetireChaine(d, s - TailleGoban, c, suivi);
  if (!BordBas[s] && Couleur(d, s + TailleGoban) == c)
    retirees += RetireChaine(d, s + TailleGoban, c, suivi);
  if (!BordGauche[s] && Couleur(d, s - 1) == c) retirees += RetireChaine(d, s - 1, c, suivi);
  if (!BordDroit[s] && Couleur(d, s + 1) == c) retirees += RetireChaine(d, s + 1, c, suivi);
  return retirees;
}

// 1 if the neighbour r of a move holds the opponent o and its chain is in atari.
bool AdversaireEnAtari(const Damier& d, int32_t r, int o) {
  return Couleur(d, r) == o && !AuMoinsNLibertes(d, r, 2);
}

}  // namespace

void ReinitialiseRequetes() {
  etat = EtatRequetes{};
  DrapeauKo = 0;
}

void FixeGenerationsRequetes(uint32_t valeur) {
  etat.libertes.valeur = valeur;
  etat.pierres.valeur = valeur;
}

bool AuMoinsNLibertes(const Damier& d, int32_t p, int n) {
  if (!SurGoban(p) || Couleur(d, p) == VIDE) return false;
  Vide(etat.LibertesEnPlus);
  DemarreLibertes(d, Couleur(d, p), n);
  etat.libertes.Pose(p);
  Ajoute(IntersectionsLues, p);
  if (etat.compte >= etat.cible) return true;
  InondeLibertes(p);
  return etat.compte >= etat.cible;
}

bool AuMoinsNPierres(const Damier& d, int32_t p, int n) {
  if (!SurGoban(p) || Couleur(d, p) == VIDE) return false;
  etat.position = &d;
  etat.couleur = Couleur(d, p);
  etat.cible = n;
  etat.compte = 1;
  etat.pierres.Demarre();
  etat.pierres.Pose(p);
  Ajoute(IntersectionsLues, p);
  if (etat.compte < etat.cible) CompteTropDePierres(p);
  return etat.compte >= etat.cible;
}

void AjouteChaine(const Damier& d, EnsembleIntersections& e, int32_t p) {
  if (!SurGoban(p)) return;
  etat.position = &d;
  etat.couleur = Couleur(d, p);
  etat.pierres.Demarre();
  etat.pierres.Pose(p);
  Ajoute(IntersectionsLues, p);
  CollecteChaine(e, p);
}

int PierresCapturees(const Damier& d, EnsembleIntersections& e, int32_t p, int adversaire) {
  if (!SurGoban(p)) return 0;
  Ajoute(IntersectionsLues, p);
  EnsembleIntersections capturees;
  Vide(capturees);
  int k = 0;
  for (int32_t r : Voisins[p]) {
    Ajoute(IntersectionsLues, r);
    if (Couleur(d, r) != adversaire) {
      k = 2;
    } else if (!AuMoinsNLibertes(d, r, 2)) {
      AjouteChaine(d, capturees, r);
      if (!AuMoinsNPierres(d, r, 2)) k++;
    }
  }
  Union(e, capturees);
  return k == 1;
}

namespace {

// Flood for a stone of c at p, once LibertesEnPlus holds the stones it captures.
bool LibertesDuCoup(const Damier& d, int32_t p, int c, int cible, ListeIntersections* sortie) {
  DemarreLibertes(d, c, cible);
  etat.sortie = sortie;
  etat.libertes.Pose(p);
  Ajoute(IntersectionsLues, p);
  if (etat.compte < etat.cible) InondeLibertes(p);
  etat.sortie = nullptr;
  return etat.compte >= etat.cible;
}

bool CoupPossible(const Damier& d, int32_t p, int c) {
  return SurGoban(p) && Couleur(d, p) == VIDE && (c == 1 || c == 2);
}

}  // namespace

bool AuMoinsNLibertesApres(const Damier& d, int32_t p, int c, int n) {
  if (!CoupPossible(d, p, c)) return false;
  Vide(etat.LibertesEnPlus);
  EnsembleIntersections capturees;
  Vide(capturees);
  DrapeauKo = PierresCapturees(d, capturees, p, Adversaire(c));
  etat.LibertesEnPlus = capturees;
  return LibertesDuCoup(d, p, c, n, nullptr);
}

bool AuMoinsNLibertesApres2(const Damier& d, int32_t p, int32_t q, int c, int n) {
  if (!CoupPossible(d, p, c) || !CoupPossible(d, q, c)) return false;
  // Each capture test clears LibertesEnPlus as it goes, so both are gathered
  // apart and joined afterwards.
  EnsembleIntersections capturees;
  Vide(capturees);
  DrapeauKo = PierresCapturees(d, capturees, p, Adversaire(c));
  if (PierresCapturees(d, capturees, q, Adversaire(c))) DrapeauKo = 1;
  etat.LibertesEnPlus = capturees;
  DemarreLibertes(d, c, n);
  etat.libertes.Pose(p);
  etat.libertes.Pose(q);
  Ajoute(IntersectionsLues, p);
  Ajoute(IntersectionsLues, q);
  if (etat.compte < etat.cible && !InondeLibertes(p)) InondeLibertes(q);
  return etat.compte >= etat.cible;
}

int LibertesApres(const Damier& d, int32_t p, int c, int n, ListeIntersections& libertes) {
  Vide(libertes);
  if (!CoupPossible(d, p, c)) return 0;
  EnsembleIntersections capturees;
  Vide(capturees);
  DrapeauKo = PierresCapturees(d, capturees, p, Adversaire(c));
  if (p == PointKo(d)) DrapeauKo = 0;
  etat.LibertesEnPlus = capturees;
  return LibertesDuCoup(d, p, c, n + 1, &libertes);
}

bool AdversairesOntNLibertes(const Damier& d, int32_t p, int n) {
  if (!SurGoban(p) || Couleur(d, p) == VIDE) return false;
  etat.position = &d;
  const int couleur = Couleur(d, p);
  etat.pierres.Demarre();
  etat.pierres.Pose(p);
  Ajoute(IntersectionsLues, p);
  return OpposantsDeLaChaine(p, couleur, n);
}

int NombreVoisins(const Damier& d, int32_t p, int c) {
  if (!SurGoban(p)) return 0;
  int k = 0;
  for (int32_t r : Voisins[p]) {
    Ajoute(IntersectionsLues, r);
    if (Couleur(d, r) == c) k++;
  }
  return k;
}

bool EstLegal(const Damier& d, int32_t p, int c) {
  if (p < 0) return false;
  if (p == COUP_PASSE) return true;
  if (p >= NbIntersections) return false;
  Ajoute(IntersectionsLues, p);
  if (Couleur(d, p) != VIDE) return false;
  for (int32_t r : Voisins[p]) {
    Ajoute(IntersectionsLues, r);
    if (Couleur(d, r) == VIDE) return true;
  }
  // Only a move with no empty neighbour can retake a ko, so the PointKo 0 of
  // a cleared position never bans an ordinary move.
  if (p == PointKo(d)) return false;
  if (AuMoinsNLibertesApres(d, p, c, 1)) return true;
  const int o = Adversaire(c);
  for (int32_t r : Voisins[p])
    if (AdversaireEnAtari(d, r, o)) return true;
  return false;
}

int32_t PointKoApres(const Damier& d, int32_t p, int c) {
  if (!SurGoban(p) || Couleur(d, p) != VIDE) return COUP_PASSE;
  for (int32_t r : Voisins[p]) {
    Ajoute(IntersectionsLues, r);
    const int cr = Couleur(d, r);
    if (cr == VIDE || cr == c) return COUP_PASSE;
  }
  const int o = Adversaire(c);
  int compte = 0;
  int32_t dernier = COUP_PASSE;
  for (int32_t r : Voisins[p]) {
    if (AdversaireEnAtari(d, r, o)) {
      compte++;
      dernier = r;
    }
  }
  if (compte != 1) return COUP_PASSE;
  if (AuMoinsNPierres(d, dernier, 2)) return COUP_PASSE;
  return dernier;
}

int JoueCoup(Damier& d, int32_t p, int c, SuiviJoueCoup* suivi) {
  const int32_t point = SurGoban(p) ? p : COUP_PASSE;
  if (suivi) {
    suivi->ChangePoint(point, VIDE, c);
    suivi->Coup(point, c);
  }
  if (point == COUP_PASSE) {
    FixePointKo(d, COUP_PASSE);
    return 0;
  }
  FixePointKo(d, PointKoApres(d, p, c));
  PosePierre(d, p, c);
  const int o = Adversaire(c);
  int retirees = 0;
  for (int32_t r : Voisins[p])
    if (Couleur(d, r) == o && !AuMoinsNLibertes(d, r, 1)) retirees += RetireChaine(d, r, o, suivi);
  return retirees;
}
