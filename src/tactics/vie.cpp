#include "tactics/vie.h"

#include "base/reglages.h"
#include "base/resultats.h"
#include "base/trace.h"
#include "board/ecriture.h"
#include "board/incremental.h"
#include "board/libertes.h"
#include "rules/buts.h"
#include "rules/codes.h"
#include "rules/motifs.h"
#include "tactics/benson.h"
#include "tactics/connexion.h"
#include "tactics/transposition.h"

EtatVie RechercheVie;

namespace {

// The attacker's nodes meet the owner's positions too: a fixed word XORed into
// their key keeps the two kinds of node apart in the table.
constexpr uint32_t CLE_ATTAQUANT = 0x9E3779B9u;

// Members given by the caller; moves of the owner added below them are not
// vital: only a captured original member ends the search.
int MembresOrigine = 0;

String* StringDe(int32_t p) {
  return SurGoban(p) ? StringIntersection[p] : nullptr;
}

// The distinct member strings on the board (at most MAX_MEMBRES_VIE).
int StringsDuGroupe(const GroupeVie& groupe, String* (&strings)[MAX_MEMBRES_VIE]) {
  int n = 0;
  for (int32_t m : groupe) {
    String* s = StringDe(m);
    if (s == nullptr) continue;
    bool deja = false;
    for (int i = 0; i < n && !deja; i++) deja = strings[i] == s;
    if (!deja && n < MAX_MEMBRES_VIE) strings[n++] = s;
  }
  return n;
}

// The group's liberties, each once, in the order of the members.
void LibertesGroupe(const GroupeVie& groupe, EnsembleListe& libertes) {
  Vide(libertes);
  String* strings[MAX_MEMBRES_VIE];
  const int n = StringsDuGroupe(groupe, strings);
  for (int i = 0; i < n; i++)
    for (int32_t l : strings[i]->Libertes) Ajoute(libertes, l);
}

// A member given by the caller was captured: the unit is broken.
bool MembreCapture(const GroupeVie& groupe, int couleur) {
  for (int i = 0; i < MembresOrigine && i < groupe.Nombre; i++) {
    const int32_t m = groupe.Elements[i];
    if (!SurGoban(m) || Couleur(DamierIncremental, m) != couleur) return true;
  }
  return false;
}

int CouleurGroupe(const GroupeVie& groupe) {
  for (int32_t m : groupe)
    if (SurGoban(m) && Couleur(DamierIncremental, m) != VIDE) return Couleur(DamierIncremental, m);
  return VIDE;
}

// PartOfGroup without its messages: inside a search, a member stone played
// below the root may have been captured since, which is no inconsistency.
bool MembreDuGroupe(const GroupeVie& groupe, int32_t p) {
  const String* s = StringDe(p);
  if (s == nullptr) return false;
  for (int32_t m : groupe)
    if (StringDe(m) == s) return true;
  return false;
}

// True when the stone at p is of colour c and in the group.
bool PierreDuGroupe(const GroupeVie& groupe, int32_t p, int c) {
  return SurGoban(p) && Couleur(DamierIncremental, p) == c && MembreDuGroupe(groupe, p);
}

bool Chevauchent(const MatchedRule& a, const MatchedRule& b) {
  return !(b.x0 >= a.x0 + a.bw || a.x0 >= b.x0 + b.bw || b.y0 >= a.y0 + a.bh ||
           a.y0 >= b.y0 + b.bh);
}

// The first concerned point of a matched rule, or -1.
int32_t PointConcerne(const MatchedRule& r) {
  return r.IntersectionsConcernees.Nombre > 0 ? (r.IntersectionsConcernees[0] & MASQUE_POINT) : -1;
}

// The matched life rules of the owner about the group: RESULTAT_ECHEC (for the
// attacker) when a sure rule says it lives, else the spoiling moves of the
// one-move rules into coups.
int ReglesVivre(int owner, const GroupeVie& groupe, EnsembleListe& coups) {
  for (int i = 0; i < MatchedRulesVivre.NbGRules; i++)
    if (PierreDuGroupe(groupe, PointConcerne(*MatchedRulesVivre.GRules[i]), owner))
      return RESULTAT_ECHEC;
  for (int i = 0; i < MatchedRulesVivre.NbGiRules; i++) {
    const MatchedRule& r = *MatchedRulesVivre.GiRules[i];
    if (!PierreDuGroupe(groupe, PointConcerne(r), owner)) continue;
    for (int32_t m : r.CoupsEmpecher) Ajoute(coups, m & MASQUE_POINT);
  }
  return RESULTAT_INCONNU;
}

// The eye rules the attacker's node asks: the matched eye rules of the owner
// about the group, overlapping windows counted as one eye. Two sure eyes: 4
// (the group lives). Sure and possible eyes making two: 3, with the moves that
// spoil the possible ones in coups. Otherwise 0.
int ReglesOeil(int owner, const GroupeVie& groupe, EnsembleListe& coups) {
  const MatchedRule* sures[4];
  int nsures = 0;
  auto libre = [&](const MatchedRule& r) {
    for (int i = 0; i < nsures; i++)
      if (Chevauchent(*sures[i], r)) return false;
    return true;
  };
  for (int i = 0; i < MatchedRulesOeil.NbGRules && nsures < 4; i++) {
    const MatchedRule& r = *MatchedRulesOeil.GRules[i];
    if (PierreDuGroupe(groupe, PointConcerne(r), owner) && libre(r)) sures[nsures++] = &r;
  }
  if (nsures >= 2) return RESULTAT_ATTEINT;
  int possibles = 0;
  EnsembleListe empecher;
  Vide(empecher);
  const MatchedRule* vus[8];
  for (int i = 0; i < MatchedRulesOeil.NbGiRules; i++) {
    const MatchedRule& r = *MatchedRulesOeil.GiRules[i];
    if (!PierreDuGroupe(groupe, PointConcerne(r), owner) || !libre(r)) continue;
    bool nouveau = true;
    for (int k = 0; k < possibles && k < 8 && nouveau; k++) nouveau = !Chevauchent(*vus[k], r);
    if (nouveau && possibles < 8) vus[possibles++] = &r;
    for (int32_t m : r.CoupsEmpecher) Ajoute(empecher, m & MASQUE_POINT);
  }
  if (nsures + possibles < 2 || empecher.Nombre() == 0) return RESULTAT_ECHEC;
  Union(coups, empecher);
  return RESULTAT_MOTIF_HAUT;
}

// Registers the two goals the search reads unless a caller already did; says
// whether it did, so that the driver stops only what it started.
bool DemarreButs(int owner) {
  const bool vivre = GoalsToMatch.contains(owner, GoalKind::Vivre);
  const bool oeil = GoalsToMatch.contains(owner, GoalKind::Oeil);
  if (vivre && oeil) return false;
  if (!oeil) StartMatching(owner, GoalKind::Oeil);
  if (!vivre) StartMatching(owner, GoalKind::Vivre);
  return true;
}

void ArreteButs(int owner, bool demarres) {
  if (!demarres) return;
  StopMatching(owner, GoalKind::Vivre);
  StopMatching(owner, GoalKind::Oeil);
}

void ImprimeCoup(const char* format, int32_t coup, int profondeur) {
  if (!RechercheVie.Debug) return;
  EcritDamierIncremental(SortieConsole());
  Console(format, coup, profondeur);
}

bool Limite(int profondeur) {
  if (RechercheVie.CompteurNoeuds > RechercheVie.LimiteNoeuds || profondeur <= 0) {
    RechercheVie.LimiteAtteinte = 1;
    return true;
  }
  return false;
}

void Historique(int profondeur, int32_t coup) {
  if (profondeur >= 0 && profondeur <= PROFONDEUR_VIE_MAX + 1)
    RechercheVie.Historique[profondeur] = coup;
}

// Plays the move with the matcher, adds it to the group when it is not part of
// it, runs the child and takes everything back.
template <class Enfant>
int EssaieCoup(int32_t m, int c, GroupeVie& groupe, Enfant enfant) {
  if (!PlayWithPatterns(m, c)) return -1;
  bool ajoute = false;
  if (c == CouleurGroupe(groupe) && !MembreDuGroupe(groupe, m) && groupe.Nombre < MAX_MEMBRES_VIE) {
    groupe.Elements[groupe.Nombre++] = m;
    ajoute = true;
  }
  const int v = enfant();
  if (ajoute) groupe.Nombre--;
  UndoWithPatterns();
  return v;
}

// A list longer than the table keeps would come back cut, useless as a
// candidate list: the entry then keeps no move.
void Stocke(uint32_t cle1, uint32_t cle2, int profondeur, int valeur, int32_t meilleur,
            const EnsembleListe& candidats) {
  const int n = candidats.Nombre() <= MaxMovesTrans ? candidats.Nombre() : 0;
  AddTT(cle1, cle2, profondeur, valeur, meilleur < 0 ? 0 : meilleur, candidats.begin(), n);
}

}  // namespace

bool PartOfGroup(const GroupeVie& groupe, int32_t p) {
  String* s = StringDe(p);
  if (s == nullptr) {
    Signale("Pb1 PartOfGroup %d\n", p);
    return false;
  }
  for (int32_t m : groupe) {
    String* t = StringDe(m);
    if (t == nullptr) {
      Signale("Pb2 PartOfGroup %d %d\n", m, p);
      continue;
    }
    if (t == s) return true;
  }
  return false;
}

void ConstruitUnite(int32_t p, GroupeVie& groupe) {
  Vide(groupe);
  String* depart = StringDe(p);
  if (depart == nullptr) return;
  const int c = depart->Color;
  // Breadth-first over the solid connections still standing on this board.
  String* file[MAX_MEMBRES_VIE];
  int n = 0;
  file[n++] = depart;
  for (int i = 0; i < n; i++) {
    const int32_t a = file[i]->Ancre;
    for (const Connexion& r : ConnexionsValides) {
      if (!r.Solide || r.Couleur != c || (r.Ancre1 != a && r.Ancre2 != a)) continue;
      String* autre = StringDe(r.Ancre1 == a ? r.Ancre2 : r.Ancre1);
      if (autre == nullptr || autre->Color != c) continue;
      bool deja = false;
      for (int k = 0; k < n && !deja; k++) deja = file[k] == autre;
      if (!deja && n < MAX_MEMBRES_VIE) file[n++] = autre;
    }
  }
  // In point order, so that the group reads the same whatever the order found.
  for (int32_t q = 0; q < NbIntersections; q++) {
    String* s = StringDe(q);
    if (s == nullptr || s->Ancre != q) continue;
    for (int k = 0; k < n; k++)
      if (file[k] == s) Ajoute(groupe, q);
  }
}

bool DeuxYeux(int c, const GroupeVie& groupe, EnsembleListe& yeux) {
  struct OeilVu {
    int32_t Point;
    EnsembleIntersections Ouverts;
  };
  static OeilVu vus[MAX_YEUX_VIE];
  int n = 0;
  EnsembleListe libertes;
  LibertesGroupe(groupe, libertes);
  for (int32_t l : libertes) {
    EnsembleListe region;
    Vide(region);
    if (!EstOeil(l, c, region)) continue;
    OeilVu& o = vus[n < MAX_YEUX_VIE ? n : MAX_YEUX_VIE - 1];
    o.Point = l;
    Vide(o.Ouverts);
    for (int32_t q : Voisins8[l])
      if (Couleur(DamierIncremental, q) == VIDE && !AdversaireNePeutPasJouer(q, c))
        Ajoute(o.Ouverts, q);
    for (int i = 0; i < n && i < MAX_YEUX_VIE - 1; i++) {
      if (vus[i].Point == l || Rencontre(vus[i].Ouverts, o.Ouverts)) continue;
      Union(yeux, region);
      EstOeil(vus[i].Point, c, yeux);
      return true;
    }
    if (n < MAX_YEUX_VIE) n++;
  }
  return false;
}

namespace {

// Whether Benson's test proves every member string of the group alive (a
// string it cannot hold past its capacity is not proven).
bool ToutesVivantes(int c, const GroupeVie& groupe) {
  Liste<BENSON_STRINGS_MAX> pierres;
  for (int32_t p : groupe)
    if (pierres.Nombre < BENSON_STRINGS_MAX) pierres.Elements[pierres.Nombre++] = p;
  const int32_t demandees = pierres.Nombre;
  return demandees == groupe.Nombre && benson(c, pierres) && pierres.Nombre == demandees;
}

// The owner's moves that may make an eye: at the liberties, and the captures
// of enemy strings in atari next to the group.
void CoupsPourYeux(int c, const GroupeVie& groupe, EnsembleListe& coups) {
  EnsembleListe libertes, region;
  LibertesGroupe(groupe, libertes);
  for (int32_t l : libertes) {
    Vide(region);
    CoupsPourOeil(coups, l, c, region);
  }
  String* strings[MAX_MEMBRES_VIE];
  const int n = StringsDuGroupe(groupe, strings);
  for (int i = 0; i < n; i++)
    for (String* e : strings[i]->Voisines) {
      if (e->NbLibertes() != 1) continue;
      Vide(region);
      if (!OeilParPrise(coups, e->Ancre, c, region)) OeilDoubleParPrise(coups, e->Ancre, c, region);
    }
}

}  // namespace

bool DeuxYeuxEnUnCoup(int c, const GroupeVie& groupe, EnsembleListe& yeux) {
  EnsembleListe coups;
  Vide(coups);
  CoupsPourYeux(c, groupe, coups);
  for (int32_t m : coups) {
    CoupTemporaire coup(m, c);
    if (!coup.Joue()) continue;
    EnsembleListe regions;
    Vide(regions);
    const bool deux = DeuxYeux(c, groupe, regions);
    coup.Annule();
    if (deux) {
      Union(yeux, regions);
      return true;
    }
  }
  return false;
}

bool CoupsContreDeuxYeux(EnsembleListe& coups, int attaquant, const GroupeVie& groupe,
                         EnsembleListe& yeux) {
  const int owner = Adversaire(attaquant);
  if (!DeuxYeuxEnUnCoup(owner, groupe, yeux)) return false;
  // The attacker's tries: the owner's eye-making moves and the group's
  // liberties, where the owner's move to two eyes must be.
  EnsembleListe essais, region;
  Vide(essais);
  CoupsPourYeux(owner, groupe, essais);
  LibertesGroupe(groupe, region);
  Union(essais, region);
  for (int32_t m : essais) {
    CoupTemporaire coup(m, attaquant);
    if (!coup.Joue()) continue;
    Vide(region);
    if (MembreCapture(groupe, owner) || !DeuxYeuxEnUnCoup(owner, groupe, region)) Ajoute(coups, m);
  }
  return true;
}

void CoupsPourVivre(EnsembleListe& coups, const GroupeVie& groupe) {
  String* strings[MAX_MEMBRES_VIE];
  const int n = StringsDuGroupe(groupe, strings);
  // The liberties of a weak enemy string and of its own weak neighbours.
  auto faibles = [&](const String* e) {
    for (int32_t l : e->Libertes) Ajoute(coups, l);
    for (const String* f : e->Voisines)
      if (f->NbLibertes() <= e->NbLibertes())
        for (int32_t l : f->Libertes) Ajoute(coups, l);
  };
  for (int i = 0; i < n; i++) {
    const String* s = strings[i];
    for (const String* e : s->Voisines)
      if (e->NbLibertes() < 4) faibles(e);
    for (int32_t l : s->Libertes) {
      for (int32_t q : Voisins[l]) {
        const int cq = Couleur(DamierIncremental, q);
        if (cq == VIDE)
          Ajoute(coups, q);
        else if (cq != s->Color && StringIntersection[q]->NbLibertes() < 3)
          faibles(StringIntersection[q]);
      }
      Ajoute(coups, l);
    }
  }
}

int RecursiveSimpleLive(int c, GroupeVie& groupe, int profondeur, int32_t& meilleur) {
  meilleur = -1;
  if (Limite(profondeur)) return RESULTAT_INCONNU;
  const uint32_t cle1 = HashPosition[0], cle2 = HashPosition[1];
  if (const EntreeTT* e = ChercheTT(cle1, cle2)) {
    if (e->Resultat == RESULTAT_ATTEINT || e->Resultat == RESULTAT_ECHEC) {
      meilleur = e->MeilleurCoup;
      return e->Resultat;
    }
  }
  RechercheVie.CompteurNoeuds++;
  RechercheVie.NoeudsCumules++;
  if (MembreCapture(groupe, c)) return RESULTAT_ECHEC;
  EnsembleListe yeux;
  Vide(yeux);
  if (DeuxYeuxEnUnCoup(c, groupe, yeux)) return RESULTAT_ATTEINT;
  EnsembleListe candidats;
  Vide(candidats);
  CoupsPourVivre(candidats, groupe);
  int valeur = RESULTAT_ECHEC;
  for (int32_t m : candidats) {
    if (valeur == RESULTAT_ATTEINT) break;
    Historique(profondeur, m);
    int32_t reponse;
    const int v = EssaieCoup(m, c, groupe, [&] {
      ImprimeCoup("Move to live at %d, P = %d\n", m, profondeur);
      return InverseResultat(RecursiveSimpleKill(Adversaire(c), groupe, profondeur - 1, reponse));
    });
    if (v < 0) continue;
    if (v > valeur || meilleur < 0) {
      if (v > valeur) valeur = v;
      if (v == valeur) meilleur = m;
    }
  }
  Stocke(cle1, cle2, profondeur, valeur, meilleur, candidats);
  return valeur;
}

int RecursiveSimpleKill(int c, GroupeVie& groupe, int profondeur, int32_t& meilleur) {
  meilleur = -1;
  const int owner = Adversaire(c);
  if (Limite(profondeur)) return RESULTAT_INCONNU;
  const uint32_t cle1 = HashPosition[0] ^ CLE_ATTAQUANT, cle2 = HashPosition[1];
  EnsembleListe candidats;
  Vide(candidats);
  if (const EntreeTT* e = ChercheTT(cle1, cle2)) {
    if (e->Resultat == RESULTAT_ATTEINT || e->Resultat == RESULTAT_ECHEC) {
      meilleur = e->MeilleurCoup;
      return e->Resultat;
    }
    // A list cut at the store is not the whole candidate list.
    if (!e->Coupee)
      for (int i = 0; i < e->NombreCoups; i++) Ajoute(candidats, e->Coups[i]);
  }
  RechercheVie.CompteurNoeuds++;
  RechercheVie.NoeudsCumules++;
  if (MembreCapture(groupe, owner)) return RESULTAT_ATTEINT;
  EnsembleListe yeux;
  Vide(yeux);
  if (DeuxYeux(owner, groupe, yeux)) return RESULTAT_ECHEC;
  if (Reglages.AvecBenson && ToutesVivantes(owner, groupe)) return RESULTAT_ECHEC;
  bool deuxEnUn = false;
  if (candidats.Nombre() == 0) {
    if (ReglesVivre(owner, groupe, candidats) == RESULTAT_ECHEC) return RESULTAT_ECHEC;
    if (candidats.Nombre() == 0 && ReglesOeil(owner, groupe, candidats) == RESULTAT_ATTEINT)
      return RESULTAT_ECHEC;
    if (candidats.Nombre() == 0) deuxEnUn = CoupsContreDeuxYeux(candidats, c, groupe, yeux);
    // Two ways to the second eye and no refutation: the group lives.
    if (candidats.Nombre() == 0 && deuxEnUn) return RESULTAT_ECHEC;
    // No two eyes in one move and no rule move: the owner still needs two
    // moves, and the attacker must keep it from making them: it takes the
    // owner's eye-making points. With none, the group is dead.
    if (candidats.Nombre() == 0) CoupsPourYeux(owner, groupe, candidats);
    if (candidats.Nombre() == 0) return RESULTAT_ATTEINT;
  }
  int valeur = RESULTAT_ECHEC;
  for (int32_t m : candidats) {
    if (valeur == RESULTAT_ATTEINT) break;
    Historique(profondeur, m);
    int32_t reponse;
    const int v = EssaieCoup(m, c, groupe, [&] {
      ImprimeCoup("Move To Kill at %d, P = %d\n", m, profondeur);
      return InverseResultat(RecursiveSimpleLive(owner, groupe, profondeur - 1, reponse));
    });
    if (v < 0) continue;
    if (v > valeur || meilleur < 0) {
      if (v > valeur) valeur = v;
      if (v == valeur) meilleur = m;
    }
  }
  Stocke(cle1, cle2, profondeur, valeur, meilleur, candidats);
  return valeur;
}

namespace {

// The common driver: `vivre` for the owner's, else the attacker's.
int Chercheur(GroupeVie& groupe, ListeIntersections& coups, bool vivre) {
  Vide(coups);
  EtatVie& r = RechercheVie;
  r.CompteurNoeuds = 0;
  r.LimiteNoeuds = Reglages.EvaluationEnCours ? LIMITE_NOEUDS_VIE_ESSAI : LIMITE_NOEUDS_VIE;
  r.LimiteAtteinte = 0;
  r.Recherches++;
  const int owner = CouleurGroupe(groupe);
  if (owner == VIDE) return RESULTAT_ECHEC;
  const int joueur = vivre ? owner : Adversaire(owner);
  MembresOrigine = groupe.Nombre;
  // Two eyes already: the group lives without a move, and no move kills it.
  EnsembleListe yeux;
  Vide(yeux);
  if (DeuxYeux(owner, groupe, yeux)) return vivre ? RESULTAT_ATTEINT : RESULTAT_ECHEC;
  NouvelleRechercheTT();
  const bool demarres = DemarreButs(owner);
  EnsembleListe candidats;
  Vide(candidats);
  CoupsPourVivre(candidats, groupe);
  int resultat = RESULTAT_INCONNU;
  for (int d = 1; d <= PROFONDEUR_VIE_MAX; d++) {
    if (r.CompteurNoeuds >= r.LimiteNoeuds || resultat != RESULTAT_INCONNU) break;
    EnsembleListe ouverts;
    Vide(ouverts);
    bool essaye = false, gagne = false, complet = true;
    for (int32_t m : candidats) {
      if (gagne) break;
      if (r.CompteurNoeuds >= r.LimiteNoeuds) {
        complet = false;
        Ajoute(ouverts, m);
        continue;
      }
      r.LimiteAtteinte = 0;
      int32_t reponse;
      const int v = EssaieCoup(m, joueur, groupe, [&] {
        return vivre ? RecursiveSimpleKill(Adversaire(owner), groupe, d, reponse)
                     : RecursiveSimpleLive(owner, groupe, d, reponse);
      });
      if (v < 0) continue;
      essaye = true;
      if (v == RESULTAT_ECHEC) {
        Ajoute(coups, m);
        gagne = true;
      } else if (v != RESULTAT_ATTEINT) {
        Ajoute(ouverts, m);
      }
    }
    if (gagne)
      resultat = RESULTAT_ATTEINT;
    else if (ouverts.Nombre() == 0 && complet)
      resultat = RESULTAT_ECHEC;
    else
      candidats = ouverts;
    if (!essaye && complet) resultat = RESULTAT_ECHEC;
  }
  r.LimiteAtteinte = resultat == RESULTAT_INCONNU;
  if (resultat == RESULTAT_INCONNU) {
    r.RecherchesLimitees++;
    for (int32_t m : candidats) Ajoute(coups, m);
  }
  ArreteButs(owner, demarres);
  return resultat;
}

}  // namespace

int ChercheCoupsVivre(GroupeVie& groupe, ListeIntersections& coups) {
  return Chercheur(groupe, coups, true);
}

int ChercheCoupsTuer(GroupeVie& groupe, ListeIntersections& coups) {
  return Chercheur(groupe, coups, false);
}

int StatutVieSimple(int32_t p, ListeIntersections& vivre, ListeIntersections& tuer, int* limite) {
  GroupeVie groupe;
  ConstruitUnite(p, groupe);
  return StatutVieGroupe(groupe, vivre, tuer, limite);
}

int StatutVieGroupe(GroupeVie& groupe, ListeIntersections& vivre, ListeIntersections& tuer,
                    int* limite) {
  Vide(vivre);
  Vide(tuer);
  if (limite) *limite = 0;
  if (groupe.Nombre == 0) return RESULTAT_ECHEC;
  const int v = ChercheCoupsVivre(groupe, vivre);
  if (limite) *limite = RechercheVie.LimiteAtteinte;
  if (v != RESULTAT_ATTEINT) {
    Vide(vivre);
    return RESULTAT_ECHEC;
  }
  const int t = ChercheCoupsTuer(groupe, tuer);
  if (limite) *limite |= RechercheVie.LimiteAtteinte;
  return t == RESULTAT_ECHEC ? RESULTAT_ATTEINT : RESULTAT_MOTIF_HAUT;
}

void ReinitialiseVie() {
  RechercheVie = EtatVie{};
  MembresOrigine = 0;
}
