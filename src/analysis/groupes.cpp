#include "analysis/groupes.h"

#include <algorithm>

#include "analysis/lectures_groupes.h"
#include "analysis/liens.h"
#include "analysis/yeux.h"
#include "base/trace.h"
#include "board/incremental.h"
#include "tactics/intersections.h"
#include "tactics/prise.h"

EtatGroupes Groupes;

namespace {

// Working tables of one computation, by string anchor.
struct TravailGroupes {
  ListeIntersections Ancres;
  ListeAncres EnsembleGroupe[NB_INTERSECTIONS_MAX];
  ListeAncres Connectes[NB_INTERSECTIONS_MAX];
  ListeAncres Voisines[NB_INTERSECTIONS_MAX];
  int32_t CouleurAncienne[MAX_GROUPES + 2];
  int32_t Nouveau[MAX_GROUPES + 2];
  int32_t CarteAmi[NB_INTERSECTIONS_MAX];
  int32_t CarteEnnemi[NB_INTERSECTIONS_MAX];
  // Regions of each group, as indices of the region table.
  Liste<MAX_REGIONS_GROUPE> Regions[MAX_GROUPES + 2];
};
TravailGroupes travail;

const String* StringEn(int32_t p) {
  return SurGoban(p) ? StringIntersection[p] : nullptr;
}

// The string of a record's anchor, when it is still the anchor of a string.
const String* StringAncre(int32_t a) {
  const String* s = StringEn(a);
  return s != nullptr && s->Ancre == a ? s : nullptr;
}

int GroupeAncre(int32_t a) {
  return StringAncre(a) ? Groupes.GroupeString[a] : 0;
}

template <int N>
void AjouteAncre(Liste<N>& l, int32_t a, const char* quoi) {
  for (int32_t x : l)
    if (x == a) return;
  if (l.Nombre >= N) {
    Signale("Pb %s MAX_ANCRES_GROUPE %d\n", quoi, a);
    return;
  }
  l.Elements[l.Nombre++] = a;
}

template <int N>
int ContientValeur(const Liste<N>& l, int32_t v) {
  for (int32_t x : l)
    if (x == v) return 1;
  return 0;
}

void AjoutePaireAdjacente(int g1, int g2) {
  if (g1 <= 0 || g2 <= 0 || g1 == g2) return;
  AjouteSiAbsent(Groupes.Table[g1].Adjacents, g2);
  AjouteSiAbsent(Groupes.Table[g2].Adjacents, g1);
}

// ---------------------------------------------------------------------------
// Anchors, sure connections, records.

void CollecteAncres() {
  Vide(travail.Ancres);
  for (int32_t p = 0; p < NbIntersections; p++) {
    const String* s = StringIntersection[p];
    if (s != nullptr && s->Ancre == p) Ajoute(travail.Ancres, p);
  }
  for (int32_t a : travail.Ancres) {
    travail.EnsembleGroupe[a].Nombre = 1;
    travail.EnsembleGroupe[a].Elements[0] = a;
    Vide(travail.Connectes[a]);
  }
}

bool LienValide(int32_t a, int32_t b) {
  const String* sa = StringAncre(a);
  const String* sb = StringAncre(b);
  return sa != nullptr && sb != nullptr && sa != sb && sa->Color == sb->Color;
}

// The triple's pivot is neither a nor b, and a or b is connected to both its ends.
bool TiersRelieAuxDeux(const TripleNonTransitif& t, int32_t a, int32_t b) {
  if (t.Pivot == a || t.Pivot == b) return false;
  const ListeAncres& c1 = travail.Connectes[t.T1];
  const ListeAncres& c2 = travail.Connectes[t.T2];
  return (ContientValeur(c1, a) && ContientValeur(c2, a)) ||
         (ContientValeur(c1, b) && ContientValeur(c2, b));
}

bool PremierePasseBloque(int32_t a, int32_t b) {
  for (int i = 0; i < Liens.NbTriples; i++) {
    const TripleNonTransitif& t = Liens.Triples[i];
    if (a == t.T1 || a == t.T2 || b == t.T1 || b == t.T2) return true;
    if (!StringAncre(t.T1) || !StringAncre(t.T2)) continue;
    const ListeAncres& c1 = travail.Connectes[t.T1];
    const ListeAncres& c2 = travail.Connectes[t.T2];
    if (TiersRelieAuxDeux(t, a, b)) return true;
    if (t.Pivot == a && ContientValeur(c1, b) != ContientValeur(c2, b)) return true;
    if (t.Pivot == b && ContientValeur(c1, a) != ContientValeur(c2, a)) return true;
  }
  return false;
}

bool SecondePasseBloque(int32_t a, int32_t b) {
  for (int i = 0; i < Liens.NbTriples; i++) {
    const TripleNonTransitif& t = Liens.Triples[i];
    if (!StringAncre(t.T1) || !StringAncre(t.T2)) continue;
    const ListeAncres& ga = travail.EnsembleGroupe[a];
    const ListeAncres& gb = travail.EnsembleGroupe[b];
    if ((ContientValeur(ga, t.T1) && ContientValeur(gb, t.T2)) ||
        (ContientValeur(ga, t.T2) && ContientValeur(gb, t.T1)))
      return true;
    if (TiersRelieAuxDeux(t, a, b)) return true;
    if (t.Pivot == b && a != t.T1 && a != t.T2) return true;
    if (t.Pivot == a && b != t.T1 && b != t.T2) return true;
  }
  return false;
}

// Every member of A's group set receives B's set, and every member of B's set
// receives A's.
void FusionneEnsembles(int32_t a, int32_t b) {
  const ListeAncres sa = travail.EnsembleGroupe[a];
  const ListeAncres sb = travail.EnsembleGroupe[b];
  for (int32_t m : sa)
    for (int32_t x : sb) AjouteAncre(travail.EnsembleGroupe[m], x, "FusionneGroupes");
  for (int32_t m : sb)
    for (int32_t x : sa) AjouteAncre(travail.EnsembleGroupe[m], x, "FusionneGroupes");
}

void FusionneConnexionsSures() {
  for (int i = 0; i < Liens.NbConnexions; i++) {
    const LienChaines& l = Liens.Connexions[i];
    if (!l.Solide || !LienValide(l.Ancre1, l.Ancre2)) continue;
    AjouteAncre(travail.Connectes[l.Ancre1], l.Ancre2, "Connectes");
    AjouteAncre(travail.Connectes[l.Ancre2], l.Ancre1, "Connectes");
  }
  for (int passe = 1; passe <= 2; passe++) {
    for (int i = 0; i < Liens.NbConnexions; i++) {
      const LienChaines& l = Liens.Connexions[i];
      if (!l.Solide || !LienValide(l.Ancre1, l.Ancre2)) continue;
      const bool bloque = passe == 1 ? PremierePasseBloque(l.Ancre1, l.Ancre2)
                                     : SecondePasseBloque(l.Ancre1, l.Ancre2);
      if (!bloque) FusionneEnsembles(l.Ancre1, l.Ancre2);
    }
  }
}

void CreeGroupes() {
  Groupes.Fin = 1;
  for (int32_t a : travail.Ancres) {
    const ListeAncres& ens = travail.EnsembleGroupe[a];
    int trouve = 0;
    for (int g = 1; g < Groupes.Fin && !trouve; g++) {
      bool tous = true;
      for (int32_t m : ens)
        if (!ContientValeur(Groupes.Table[g].Ch, m)) tous = false;
      if (tous) trouve = g;
    }
    if (!trouve) {
      if (Groupes.Fin > MAX_GROUPES) {
        Signale("Pb MAX_GROUPES FormeGroupes %d\n", a);
        Groupes.GroupeString[a] = 0;
        continue;
      }
      trouve = Groupes.Fin++;
      Group& g = Groupes.Table[trouve];
      g.Initialise(trouve, StringIntersection[a]->Color);
      for (int32_t m : ens) Ajoute(g.Ch, m);
    }
    Groupes.GroupeString[a] = trouve;
  }
}

// ---------------------------------------------------------------------------
// Neighbour strings and dead strings.

// The strings touching each string directly or through one of its liberties.
void CalculeVoisines() {
  for (int32_t a : travail.Ancres) {
    const String* s = StringIntersection[a];
    ListeAncres& v = travail.Voisines[a];
    Vide(v);
    for (const String* e : s->Voisines) AjouteAncre(v, e->Ancre, "VoisinesString");
    for (int32_t l : s->Libertes)
      for (int32_t n : Voisins[l]) {
        const String* t = StringIntersection[n];
        if (t != nullptr && t != s) AjouteAncre(v, t->Ancre, "VoisinesString");
      }
  }
}

void DeplaceGroupe(int32_t de, int32_t vers) {
  for (int32_t a : travail.Ancres)
    if (Groupes.GroupeString[a] == de) Groupes.GroupeString[a] = vers;
}

void RattacheCordesMortes() {
  for (const Prise& jeu : PrisesValides) {
    if (!jeu.Perdu) continue;
    const String* s = StringAncre(jeu.Ancre);
    if (s == nullptr) continue;
    const int32_t a = s->Ancre;
    bool premier = true;
    for (int32_t n : travail.Voisines[a]) {
      const int cn = Couleur(DamierIncremental, n);
      if (cn == s->Color || cn != CouleurVieStatique(n)) continue;
      const int32_t gn = Groupes.GroupeString[n];
      if (premier) {
        Groupes.GroupeString[a] = gn;
        premier = false;
        continue;
      }
      const int32_t gs = Groupes.GroupeString[a];
      if (gn == gs) continue;
      if (gn > 0 && gn < gs)
        DeplaceGroupe(gs, gn);
      else if (gs > 0)
        DeplaceGroupe(gn, gs);
    }
  }
}

void Renumerote() {
  for (int g = 0; g < Groupes.Fin; g++) {
    travail.CouleurAncienne[g] = Groupes.Table[g].Color;
    travail.Nouveau[g] = 0;
  }
  // A string left without a record (the table was full) stays in no group.
  for (int32_t a : travail.Ancres)
    if (Groupes.GroupeString[a] > 0) travail.Nouveau[Groupes.GroupeString[a]] = 1;
  int n = 0;
  for (int g = 1; g < Groupes.Fin; g++)
    if (travail.Nouveau[g]) travail.Nouveau[g] = ++n;
  for (int g = 1; g < Groupes.Fin; g++)
    if (travail.Nouveau[g])
      travail.CouleurAncienne[travail.Nouveau[g]] = travail.CouleurAncienne[g];
  Groupes.Fin = n + 1;
  for (int g = 1; g <= n; g++) Groupes.Table[g].Initialise(g, travail.CouleurAncienne[g]);
  for (int32_t p = 0; p < NbIntersections; p++) Groupes.GroupePoint[p] = 0;
  for (int32_t a : travail.Ancres) {
    const int32_t g = travail.Nouveau[Groupes.GroupeString[a]];
    Groupes.GroupeString[a] = g;
    Vide(Groupes.GroupesString[a]);
    if (g == 0) continue;
    Ajoute(Groupes.Table[g].Ch, a);
    Ajoute(Groupes.GroupesString[a], g);
    for (int32_t p : StringIntersection[a]->Pierres) Groupes.GroupePoint[p] = g;
  }
  // The pivot of a non-transitive connection also belongs to the groups of the
  // two strings it connects.
  for (int i = 0; i < Liens.NbTriples; i++) {
    const TripleNonTransitif& t = Liens.Triples[i];
    if (!StringAncre(t.Pivot)) continue;
    Liste<MAX_GROUPES_STRING>& l = Groupes.GroupesString[t.Pivot];
    for (int32_t g : {GroupeAncre(t.T1), GroupeAncre(t.T2)}) {
      if (g == 0 || ContientValeur(l, g)) continue;
      if (l.Nombre >= MAX_GROUPES_STRING) {
        Signale("Pb MAX_GROUPES_STRING FormeGroupes %d\n", t.Pivot);
        continue;
      }
      l.Elements[l.Nombre++] = g;
    }
  }
}

// ---------------------------------------------------------------------------
// Liberties, adjacent groups, capture games.

void CalculeLibertes() {
  for (int n = 1; n < Groupes.Fin; n++) {
    Group& g = Groupes.Table[n];
    for (int32_t a : g.Ch)
      for (int32_t l : StringIntersection[a]->Libertes) g.L.Ajoute(l);
    LibertesDistance* couches[4] = {&g.L, &g.L2, &g.L3, &g.L4};
    for (int d = 1; d < 4; d++) {
      for (int32_t p : couches[d - 1]->Points)
        for (int32_t q : Voisins[p]) {
          if (Couleur(DamierIncremental, q) != VIDE) continue;
          bool deja = false;
          for (int k = 0; k < d && !deja; k++) deja = Contient(couches[k]->Ensemble, q);
          if (!deja) couches[d]->Ajoute(q);
        }
    }
  }
}

// A connection to an empty point that still describes the board: its anchor
// holds a string of its colour and its point is empty.
bool LienVideActuel(const LienVide& l) {
  const String* s = StringAncre(l.Ancre);
  return s != nullptr && s->Color == l.Couleur && SurGoban(l.Point) &&
         Couleur(DamierIncremental, l.Point) == VIDE && Groupes.GroupeString[l.Ancre] > 0;
}

void CalculeGroupesAdjacents() {
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int c = Couleur(DamierIncremental, p);
    if (c == VIDE) continue;
    for (int32_t q : Voisins[p]) {
      const int cq = Couleur(DamierIncremental, q);
      if (cq != VIDE && cq != c)
        AjoutePaireAdjacente(Groupes.GroupePoint[p], Groupes.GroupePoint[q]);
    }
  }
  for (int i = 0; i < Liens.NbConnexions; i++) {
    const LienChaines& l = Liens.Connexions[i];
    if (l.Connectable) AjoutePaireAdjacente(GroupeAncre(l.Ancre1), GroupeAncre(l.Ancre2));
  }
  for (int i = 0; i < Liens.NbLiensVides; i++) {
    const LienVide& l = Liens.LiensVides[i];
    if (!l.Connecte || !LienVideActuel(l)) continue;
    const int g = Groupes.GroupeString[l.Ancre];
    const int32_t e = l.Point;
    for (int k = 0; k < Liens.NbIndexVide[e]; k++) {
      const LienVide& lk = Liens.LiensVides[Liens.IndexVide[e][k]];
      if (!lk.Connecte || !LienVideActuel(lk)) continue;
      const int g2 = Groupes.GroupeString[lk.Ancre];
      if (g2 == g) continue;
      const int c = Groupes.Table[g].Color;
      if (c != Groupes.Table[g2].Color) {
        AjoutePaireAdjacente(g, g2);
        continue;
      }
      if (ContientValeur(Groupes.Table[g].Adjacents, g2)) continue;
      CoupTemporaire coup(e, c);
      if (!coup) continue;
      const int d = Adversaire(c);
      if (ConnecteAuVideLien(l.Ancre, e, d) && ConnecteAuVideLien(lk.Ancre, e, d))
        AjoutePaireAdjacente(g, g2);
    }
  }
}

void AttacheJeuxPrise() {
  for (const Prise& jeu : PrisesValides) {
    const String* s = StringAncre(jeu.Ancre);
    if (s == nullptr) continue;
    for (int32_t n : travail.Voisines[s->Ancre]) {
      if (StringIntersection[n]->Color == s->Color) continue;
      const int gn = Groupes.GroupeString[n];
      if (gn == 0) continue;
      Group& g = Groupes.Table[gn];
      if (jeu.Perdu) {
        for (int32_t p : s->Pierres) AjouteSiAbsent(g.PP, p);
        g.AjouteJeuPrise(&jeu);
      } else if (jeu.Prenable) {
        for (int32_t p : s->Pierres) AjouteSiAbsent(g.PEtoile, p);
        if (s->NbPierres() > 1) g.AjouteJeuPrise(&jeu);
      }
    }
  }
}

// ---------------------------------------------------------------------------
// Eyes and lives.

void AttacheYeux() {
  const TableYeux& table = TableDesYeux();
  for (int i = 0; i < table.NombreYeuxValides; i++) {
    const Oeil& o = table.Yeux[i];
    if (!o.Sur && !o.DeRegle) continue;
    if (!SurGoban(o.Ancre)) continue;
    const int c = Couleur(DamierIncremental, o.Ancre);
    const int g = Groupes.GroupePoint[o.Ancre];
    if (c == VIDE || g == 0 || Groupes.Table[g].Color != c) continue;
    Groupes.Table[g].AjouteOeil(i);
  }
}

void AttacheVies() {
  for (int i = 0; i < Liens.NbVies; i++) {
    const VieLue& v = Liens.Vies[i];
    if (!SurGoban(v.Point)) continue;
    const int g = Groupes.GroupePoint[v.Point];
    if (g == 0 || Groupes.Table[g].Color != v.Couleur) continue;
    Groupes.Table[g].AjouteVie(i);
  }
}

void FixeDrapeauxVie(Group& g) {
  const int yg = g.YG.Nombre, ye = g.YEtoile.Nombre;
  g.Vivant = (g.YREtoile / 2 + g.YRG > 1) || g.VG.Nombre > 0 || (ye / 2 + yg > 1);
  g.PeutVivre =
      ((g.YREtoile + 1) / 2 + g.YRG > 1) || g.VEtoile.Nombre > 0 || ((ye + 1) / 2 + yg > 1);
  if (!g.PeutVivre || g.Vivant) return;
  if (g.VEtoile.Nombre > 0) {
    for (int i : g.VEtoile) {
      AjouteTousSiAbsents(g.CoupsVivre, Liens.Vies[i].CoupsVivre);
      AjouteTousSiAbsents(g.CoupsTuer, Liens.Vies[i].CoupsTuer);
    }
    Copie(g.Att, g.CoupsTuer);
  } else {
    const TableYeux& table = TableDesYeux();
    for (int i : g.YEtoile) {
      AjouteTousSiAbsents(g.CoupsVivre, table.Yeux[i].CoupsAtteindre);
      AjouteTousSiAbsents(g.CoupsTuer, table.Yeux[i].CoupsEmpecher);
    }
    AjouteTousSiAbsents(g.Att, g.CoupsTuer);
  }
  AjouteTousSiAbsents(g.Def, g.CoupsVivre);
}

// ---------------------------------------------------------------------------
// Room, adherence, value.

void CompteTerritoireEtEnclos(Group& g) {
  const char marque = g.Color == 1 ? '@' : 'O';
  for (const LibertesDistance* couche : {&g.L, &g.L2, &g.L3})
    for (int32_t q : couche->Points) {
      if (MarqueTerritoire(q) == marque) AjouteSiAbsent(g.T, q);
      if (EnclosPar(g.Color, q)) AjouteSiAbsent(g.Enclos, q);
    }
}

int ClassePoint(int f, int e, int couleur) {
  if ((f == 1 && (e == 0 || e == 1)) || (e == 1 && f == 0)) return 1;
  if ((e == 2 && (f == 0 || f == 2)) || (f == 2 && e == 0)) return 2;
  if (e == 2 && f == 1) return 3;
  if (e == 1 && f == 2) return 4;
  return couleur;
}

void CalculeAdherence() {
  int32_t* ami = travail.CarteAmi;
  int32_t* ennemi = travail.CarteEnnemi;
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int g = Groupes.GroupePoint[p];
    const int c = g ? Groupes.Table[g].Color : Couleur(DamierIncremental, p);
    ami[p] = ennemi[p] = c;
    if (g) Groupes.Table[g].ScoreAdherence++;
  }
  for (int i = 0; i < Liens.NbLiensVides; i++) {
    const LienVide& l = Liens.LiensVides[i];
    if (!l.Connecte || !LienVideActuel(l)) continue;
    if (l.Couleur == 1)
      ami[l.Point] = 1;
    else
      ennemi[l.Point] = 2;
    AjouteSiAbsent(Groupes.Table[Groupes.GroupeString[l.Ancre]].Adherence, l.Point);
  }
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (PierrePerdueAmi[p]) ami[p] = 2;
    if (PierrePerdueEnnemi[p]) ennemi[p] = 1;
    Groupes.Classe[p] = ClassePoint(ami[p], ennemi[p], Couleur(DamierIncremental, p));
  }
  for (int n = 1; n < Groupes.Fin; n++) {
    Group& g = Groupes.Table[n];
    for (int32_t q : g.Adherence) {
      const int classe = Groupes.Classe[q];
      if (classe == 3) Ajoute(g.PointsContestes, q);
      if (classe == g.Color) {
        g.ScoreAdherence++;
        if (Couleur(DamierIncremental, q) == VIDE) Ajoute(g.VidesPropres, q);
      }
    }
    g.ScoreAdherence += g.PointsContestes.Nombre / 2;
    g.V = 2 * g.ScoreAdherence;
  }
}

// The owner map of the shape steps: settled ground, then sole reach.
void RemplitProprietaires() {
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int c = CouleurVieStatique(p);
    if (c != VIDE) {
      Groupes.Proprietaire[p] = c;
      continue;
    }
    const char m = MarqueTerritoire(p);
    Groupes.Proprietaire[p] = m == '@' ? 1 : m == 'O' ? 2 : 0;
  }
}

void EtendProprietaires() {
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (Groupes.Proprietaire[p] != 0 || Couleur(DamierIncremental, p) != VIDE) continue;
    const int classe = Groupes.Classe[p];
    if (classe == 1 || classe == 2) Groupes.Proprietaire[p] = classe;
  }
}

// Points where a stone would be lost go to the group of the neighbour stone
// whose class is the other colour's; of right, left, above, below, the last
// that matches.
void RemplitIP() {
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (Couleur(DamierIncremental, p) != VIDE) continue;
    for (int cote = 1; cote <= 2; cote++) {
      const int32_t perdu = cote == 1 ? PierrePerdueAmi[p] : PierrePerdueEnnemi[p];
      if (!perdu) continue;
      const int classe = cote == 1 ? 2 : 1;
      const int x = CoordX[p], y = CoordY[p];
      const int32_t ordre[4] = {
          x < TailleGoban ? Intersection[x + 1][y] : -1, x > 1 ? Intersection[x - 1][y] : -1,
          y > 1 ? Intersection[x][y - 1] : -1, y < TailleGoban ? Intersection[x][y + 1] : -1};
      int gagnant = 0;
      for (int32_t q : ordre) {
        if (q < 0 || Couleur(DamierIncremental, q) == VIDE) continue;
        if (Groupes.Classe[q] == classe && Groupes.GroupePoint[q] > 0)
          gagnant = Groupes.GroupePoint[q];
      }
      if (gagnant) Ajoute(Groupes.Table[gagnant].IP, p);
    }
  }
}

// ---------------------------------------------------------------------------

constexpr float TableT[20] = {0.0f, 0.0f, 0.1f, 0.1f, 0.2f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f,
                              0.6f, 0.7f, 0.7f, 0.8f, 0.8f, 0.8f, 0.9f, 0.9f, 0.9f, 1.0f};
constexpr float TableE[8] = {0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f};
constexpr float TableR[8] = {0.0f, 0.1f, 0.2f, 0.2f, 0.3f, 0.3f, 0.4f, 0.4f};

// Enclosure, importance and race of group g, from the base F of every group.
void EnfermementEtImportance(Group& g) {
  g.Enferme = 1;
  g.Enfermable = g.Sorti = g.Sortable = g.VoisinAmiSur = g.VoisinEnnemiFaible = 0;
  g.IM = g.V;
  g.PlusFaibleEnnemi = 1.0f;
  g.Perdu = g.F < 0.5f;
  if (g.L4.Nombre() >= 9) {
    g.Enferme = 0;
    g.Sorti = g.Sortable = 1;
    g.Perdu = 0;
  } else if (g.L4.Nombre() >= 5 &&
             g.L.Nombre() + g.L2.Nombre() + g.L3.Nombre() + g.L4.Nombre() >= 17) {
    g.Enferme = 0;
    g.Sortable = 1;
    g.Perdu = 0;
  }
  for (int32_t n : g.Adjacents) {
    const Group& v = Groupes.Table[n];
    if (v.Color != g.Color) {
      if (v.F < 1.0f) {
        g.VoisinEnnemiFaible = 1;
        g.PlusFaibleEnnemi = std::min(g.PlusFaibleEnnemi, v.F);
        g.Perdu = 0;
        g.IM += v.V;
      }
    } else if (v.F == 1.0f) {
      g.VoisinAmiSur = g.Sortable = 1;
      g.Enferme = g.Perdu = 0;
    } else if (v.F >= 0.3f) {
      g.Enferme = g.Perdu = 0;
      g.Sortable = 1;
      g.IM += v.V;
    }
  }
}

void CalculeCourse(Group& g) {
  g.Course = 0;
  Vide(g.ListeCourse);
  if (!g.Enferme || !g.VoisinEnnemiFaible) return;
  for (int32_t n : g.Adjacents) {
    const Group& v = Groupes.Table[n];
    if (v.Color != g.Color && v.F < 1.0f && v.Enferme) {
      Ajoute(g.ListeCourse, n);
      g.Course = 1;
    }
  }
}

void Ajuste(Group& g) {
  if (g.FFixe) return;
  if (g.VoisinEnnemiFaible && !g.Course && g.F < 0.9f) {
    const float pas = g.F < g.PlusFaibleEnnemi ? 0.1f : 0.2f;
    g.F = std::min(g.F + pas, 0.9f);
  }
  if (g.Perdu) {
    g.F = 0.0f;
    g.Mort = 1;
  }
  if (g.VoisinAmiSur || g.Sorti) {
    g.F = std::max(g.F, 0.5f);
    g.Mort = 0;
  }
}

void FormeGroupesEtapes(bool complete) {
  CollecteAncres();
  FusionneConnexionsSures();
  CreeGroupes();
  CalculeVoisines();
  RattacheCordesMortes();
  Renumerote();
  CalculeLibertes();
  CalculeGroupesAdjacents();
  AttacheJeuxPrise();
  InitialiseRegionsGroupes();
  AttacheYeux();
  AttacheVies();
  for (int n = 1; n < Groupes.Fin; n++) FixeDrapeauxVie(Groupes.Table[n]);
  for (int n = 1; n < Groupes.Fin; n++) CompteTerritoireEtEnclos(Groupes.Table[n]);
  CalculeAdherence();
  if (complete) {
    RemplitProprietaires();
    EtendProprietaires();
  }
  RemplitIP();
  for (int n = 1; n < Groupes.Fin; n++) CalculeF(Groupes.Table[n]);
  AjusteF();
}

}  // namespace

// ---------------------------------------------------------------------------

void LibertesDistance::Vide() {
  ::Vide(Points);
  ::Vide(Ensemble);
}

int LibertesDistance::Ajoute(int32_t p) {
  if (Contient(Ensemble, p)) return 0;
  if (!::Ajoute(Points, p)) return 0;
  ::Ajoute(Ensemble, p);
  return 1;
}

void Group::Initialise(int32_t numero, int32_t couleur) {
  Number = numero;
  Color = couleur;
  ::Vide(Ch);
  L.Vide();
  L2.Vide();
  L3.Vide();
  L4.Vide();
  for (ListeIntersections* l :
       {&PP, &PEtoile, &IP, &PointsContestes, &VidesPropres, &Adherence, &T, &Enclos, &YC, &YP,
        &Att, &Def, &CoupsVivre, &CoupsTuer, &CoupsStables})
    ::Vide(*l);
  NbJeuxPrise = 0;
  ScoreAdherence = V = IM = 0;
  Enferme = Enfermable = Sorti = Sortable = 0;
  YRG = YREtoile = 0;
  ::Vide(Adjacents);
  VoisinEnnemiFaible = Course = VoisinAmiSur = Perdu = 0;
  PlusFaibleEnnemi = 1.0f;
  ::Vide(ListeCourse);
  ::Vide(YG);
  ::Vide(YEtoile);
  ::Vide(VG);
  ::Vide(VEtoile);
  Mort = Vivant = PeutVivre = 0;
  F = 0.0f;
  FFixe = 0;
  Stable = 0;
}

void Group::AjouteOeil(int i) {
  const TableYeux& table = TableDesYeux();
  if (i < 0 || i >= table.NombreYeuxValides) return;
  const Oeil& e = table.Yeux[i];
  bool conflit = false;
  for (int j : YG) conflit = conflit || YeuxEnConflit(e, table.Yeux[j]);
  if (e.Sur && !conflit) {
    if (YG.Nombre >= MAX_YEUX_GROUPE) {
      Console("Pb MAX_YEUX_GROUPE Group::AjouteOeil\n");
      return;
    }
    YG.Elements[YG.Nombre++] = i;
    return;
  }
  if (e.Sur || !e.DeRegle || conflit) return;
  for (int j : YEtoile)
    if (YeuxEnConflit(e, table.Yeux[j])) return;
  if (YEtoile.Nombre >= MAX_YEUX_GROUPE) {
    Console("Pb MAX_YEUX_GROUPE Group::AjouteOeil\n");
    return;
  }
  YEtoile.Elements[YEtoile.Nombre++] = i;
}

// Two life records of one group are in conflict when they stand for the same
// unit (the same point).
void Group::AjouteVie(int i) {
  if (i < 0 || i >= Liens.NbVies) return;
  const VieLue& v = Liens.Vies[i];
  auto conflit = [&](const Liste<MAX_VIES_GROUPE>& l) {
    for (int j : l)
      if (Liens.Vies[j].Point == v.Point) return true;
    return false;
  };
  Liste<MAX_VIES_GROUPE>* cible = nullptr;
  if (v.Vivant && !conflit(VG))
    cible = &VG;
  else if (!v.Vivant && v.Potentiel && !conflit(VG) && !conflit(VEtoile))
    cible = &VEtoile;
  if (cible == nullptr) return;
  if (cible->Nombre >= MAX_VIES_GROUPE) {
    Console("Pb MAX_VIES_GROUPE Group::AjouteVie\n");
    return;
  }
  cible->Elements[cible->Nombre++] = i;
}

void Group::AjouteJeuPrise(const Prise* jeu) {
  for (int i = 0; i < NbJeuxPrise; i++)
    if (JeuxPrise[i]->Ancre == jeu->Ancre) return;
  if (NbJeuxPrise >= MAX_JEUX_PRISE_GROUPE) {
    Signale("Pb Group::AjouteJeuPrise\n");
    return;
  }
  JeuxPrise[NbJeuxPrise++] = jeu;
}

// ---------------------------------------------------------------------------

void FormeGroupes() {
  FormeGroupesEtapes(true);
}

void FormeGroupesCourte() {
  FormeGroupesEtapes(false);
}

namespace {

void AjouteCoupsOeil(Group& g, const CoupsPointOeil& coups) {
  AjouteTousSiAbsents(g.CoupsVivre, coups);
  AjouteTousSiAbsents(g.CoupsTuer, coups);
}

}  // namespace

void InitialiseRegionsGroupes() {
  for (int n = 1; n < Groupes.Fin; n++) Vide(travail.Regions[n]);
  for (int r = 0; r < NombreRegions(); r++) {
    const int32_t a = AncreRegion(r);
    const int g = SurGoban(a) ? Groupes.GroupePoint[a] : 0;
    if (g == 0) continue;
    if (Groupes.Table[g].Color != CouleurRegion(r)) {
      Signale("Pb1 InitialiseRegionsGroupes\n");
      continue;
    }
    Ajoute(travail.Regions[g], r);
  }
  for (int n = 1; n < Groupes.Fin; n++) {
    Group& g = Groupes.Table[n];
    const Liste<MAX_REGIONS_GROUPE>& regions = travail.Regions[n];
    EnsembleIntersections vus{};
    for (int i = 0; i < regions.Nombre; i++) {
      const int r = regions[i];
      const int ya = YARegion(r), ye = YERegion(r);
      int partage = -1;
      if (ye < 2)
        for (int j = 0; j < regions.Nombre; j++)
          if (j != i && RegionsLieesNumeros(r, regions[j])) partage = j;
      if (partage < 0) {
        g.YREtoile += ya - ye;
        g.YRG += ye;
      } else {
        const int r2 = regions[partage];
        const int d = ya - ye, d2 = YARegion(r2) - YERegion(r2);
        if (d < d2 || (d == d2 && i < partage)) g.YREtoile += d;
        if (ye < YERegion(r2) || (ye == YERegion(r2) && i < partage)) g.YRG += ye;
      }
      for (int32_t q : PointsRegion(r)) {
        if (Contient(vus, q)) continue;
        Ajoute(vus, q);
        if (OeilSur(g.Color, q)) {
          Ajoute(g.YC, q);
          AjouteCoupsOeil(g, CoupsVitauxPoint(q));
        } else if (OeilPossible(g.Color, q)) {
          Ajoute(g.YP, q);
        }
        if (OeilUnCoup(g.Color, q)) AjouteCoupsOeil(g, CoupsOeilUnCoup(g.Color, q));
      }
    }
    AjouteTousSiAbsents(g.Att, g.CoupsTuer);
    AjouteTousSiAbsents(g.Def, g.CoupsVivre);
  }
}

void CalculeF(Group& g) {
  if (g.Ch.Nombre == 1) {
    const Prise* jeu = TrouvePrise(PrisesValides, g.Ch[0]);
    if (jeu != nullptr && jeu->Prenable && !jeu->Perdu) {
      g.F = 0.5f;
      g.Mort = 0;
      g.FFixe = 1;
      return;
    }
  }
  const int t = g.T.Nombre;
  float f = t < 20 ? TableT[t] : 1.0f;
  const int e = g.YP.Nombre / 2 + g.YC.Nombre;
  if (e < 8)
    f = std::max(f, TableE[e]);
  else if (g.YRG > 1)
    f = 1.0f;
  const int r = g.Enclos.Nombre;
  if (r < 8) f = std::max(f, TableR[r]);
  g.Mort = 0;
  g.F = std::min(f, 0.9f);
  if (g.PeutVivre) g.F = std::max(g.F, 0.5f);
  if (g.PEtoile.Nombre > 6) g.F = std::max(g.F, 0.5f);
  if (g.Vivant || t > 20 || g.YRG > 1 || g.PP.Nombre > 6 ||
      (t > 10 && g.L2.Nombre() > 10 && g.L4.Nombre() > 20))
    g.F = 1.0f;
}

void AjusteF() {
  for (int n = 1; n < Groupes.Fin; n++) EnfermementEtImportance(Groupes.Table[n]);
  for (int n = 1; n < Groupes.Fin; n++) CalculeCourse(Groupes.Table[n]);
  for (int n = 1; n < Groupes.Fin; n++) Ajuste(Groupes.Table[n]);
}

void CalculeDamierStatut() {
  OuvreDamierStatut();
  for (int n = 1; n < Groupes.Fin; n++) {
    const Group& g = Groupes.Table[n];
    for (int32_t a : g.Ch)
      for (int32_t p : StringIntersection[a]->Pierres) PoseStatutPierre(p, g.Color, g.Mort, g.F);
  }
}

// ---------------------------------------------------------------------------

void ImprimeGroupe(std::FILE* f, const Group& g) {
  std::fprintf(f, " %d,", g.Number);
  std::fprintf(f, g.Color == 1 ? " AMI ," : " ENNEMI ,");
  std::fprintf(f, " Ch");
  for (int32_t a : g.Ch) std::fprintf(f, " %d", a);
  std::fprintf(f, " T %d ,", g.T.Nombre);
  std::fprintf(f, " YC %d ,", g.YC.Nombre);
  std::fprintf(f, " YP %d ,", g.YP.Nombre);
  const struct {
    const char* format;
    int valeur;
  } facultatifs[] = {
      {" VG %d ,", g.VG.Nombre}, {" V* %d ,", g.VEtoile.Nombre}, {" YG %d ,", g.YG.Nombre},
      {" YRG %d ,", g.YRG},      {" Y* %d ,", g.YEtoile.Nombre}, {" YR* %d ,", g.YREtoile},
      {" IP %d ,", g.IP.Nombre}, {" P* %d ,", g.PEtoile.Nombre}, {" PP %d ,", g.PP.Nombre}};
  for (const auto& c : facultatifs)
    if (c.valeur != 0) std::fprintf(f, c.format, c.valeur);
  std::fprintf(f, " L %d ,", g.L.Nombre());
  std::fprintf(f, " L2 %d ,", g.L2.Nombre());
  std::fprintf(f, " L4 %d ,", g.L4.Nombre());
  std::fprintf(f, " V %d ,", g.V);
  std::fprintf(f, " IM %d ,", g.IM);
  if (g.Enferme) std::fprintf(f, "Enferme,");
  if (g.Enfermable) std::fprintf(f, "Enfermable,");
  if (g.Sorti) std::fprintf(f, "Sorti,");
  if (g.Sortable) std::fprintf(f, "Sortable,");
  if (g.Mort) std::fprintf(f, "Mort,");
  if (g.F > 0.0f && g.F < 1.0f) {
    if (g.Att.Nombre > 0) {
      std::fprintf(f, " Att");
      for (int32_t p : g.Att) std::fprintf(f, " %d", p);
    }
    if (g.Def.Nombre > 0) {
      std::fprintf(f, " Def");
      for (int32_t p : g.Def) std::fprintf(f, " %d", p);
    }
  }
  std::fprintf(f, " F %1.2f ,\n", static_cast<double>(g.F));
}

void ImprimeGroupes(std::FILE* f) {
  for (int n = 1; n < Groupes.Fin; n++) ImprimeGroupe(f, Groupes.Table[n]);
}

void ReinitialiseGroupes() {
  for (int n = 0; n < MAX_GROUPES + 2; n++) Groupes.Table[n].Initialise(n, 0);
  Groupes.Fin = 1;
  for (int32_t p = 0; p < NB_INTERSECTIONS_MAX; p++) {
    Groupes.GroupePoint[p] = Groupes.GroupeString[p] = 0;
    Vide(Groupes.GroupesString[p]);
    Groupes.Proprietaire[p] = Groupes.Classe[p] = 0;
  }
}
