#include "analysis/valeurs.h"

#include <algorithm>

#include "analysis/groupes.h"
#include "analysis/lectures_groupes.h"
#include "analysis/liens.h"
#include "base/trace.h"
#include "board/incremental.h"
#include "rules/motifs.h"
#include "rules/regle.h"
#include "tactics/intersections.h"
#include "tactics/prise.h"

EtatValeurs Valeurs;

namespace {

EtatValeurs& v = Valeurs;

bool Vide(int32_t p) {
  return SurGoban(p) && Couleur(DamierIncremental, p) == VIDE;
}

// An empty point where colour 1 may play and its stone would not be lost at once.
bool JouableAmi(int32_t p) {
  return Vide(p) && CoupLegalIncremental(p, 1);
}
bool BonPointAmi(int32_t p) {
  return JouableAmi(p) && !PierrePerdueAmi[p];
}

template <int N>
void AjouteGarde(Liste<N>& l, int32_t x, const char* quoi) {
  for (int32_t y : l)
    if (y == x) return;
  if (l.Nombre >= N) {
    Signale("Pb %s %d\n", quoi, x);
    return;
  }
  l.Elements[l.Nombre++] = x;
}

void Releve(int32_t& bonus, int32_t minimum) {
  bonus = std::max(bonus, minimum);
}

// The group of the stone on a record's first concerned point, 0 if none.
int GroupePremierConcerne(const MatchedRule& r) {
  if (r.IntersectionsConcernees.Nombre == 0) return 0;
  const int32_t c = r.IntersectionsConcernees[0];
  return SurGoban(c) && !Vide(c) ? Groupes.GroupePoint[c] : 0;
}

// Matches a goal kind for a colour on the whole board, hands every record to
// f (type G then GI), and gives the records back.
template <typename Fonction>
void PourChaqueRegle(int couleur, int kind, Fonction f) {
  MatchBoardBothTypes(couleur, kind);
  MatchedRules& s = MatchedRulesDe(kind);
  for (int i = 0; i < s.NbGRules; i++) f(*s.GRules[i]);
  for (int i = 0; i < s.NbGiRules; i++) f(*s.GiRules[i]);
  ClearMatchedRules(s);
}

// The triples of the kind in a record's result list.
template <typename Fonction>
void PourChaqueTriplet(const MatchedRule& r, int kind, Fonction f) {
  for (const Triplet& t : r.Valeurs2)
    if (t.GoalKind == kind) f(t);
}

// ---------------------------------------------------------------------------

void GroupesStables() {
  for (int n = 1; n <= NombreGroupes(); n++) {
    GroupeDe(n).Stable = 0;
    ::Vide(GroupeDe(n).CoupsStables);
  }
  ::Vide(v.StabilisantsVides);
  PourChaqueRegle(1, GoalKind::GroupeStable, [](const MatchedRule& r) {
    if (r.IntersectionsConcernees.Nombre == 0) return;
    const int g = GroupePremierConcerne(r);
    if (r.Type == RuleType::G) {
      if (g) GroupeDe(g).Stable = 1;
      return;
    }
    const bool vide = Vide(r.IntersectionsConcernees[0]);
    for (int32_t m : r.CoupsAtteindre) {
      const int32_t p = m & MASQUE_POINT;
      if (!Vide(p)) continue;
      if (g)
        AjouteSiAbsent(GroupeDe(g).CoupsStables, p);
      else if (vide)
        AjouteSiAbsent(v.StabilisantsVides, p);
    }
  });
}

void Atteintes() {
  for (int32_t p = 0; p < NbIntersections; p++) {
    v.AtteintAmi[p] = v.AtteintEnnemi[p] = 0;
    ::Vide(v.StringsAtteintes[1][p]);
    ::Vide(v.StringsAtteintes[2][p]);
  }
  for (int n = 1; n <= NombreGroupes(); n++) {
    const Group& g = GroupeDe(n);
    if (!(g.F > 0.3f)) continue;
    const int c = g.Color;
    for (int32_t q : g.Adherence) {
      if (c == 1 ? PierrePerdueAmi[q] : PierrePerdueEnnemi[q]) continue;
      (c == 1 ? v.AtteintAmi : v.AtteintEnnemi)[q] = 1;
      for (int k = 0; k < Liens.NbIndexVide[q]; k++) {
        const LienVide& l = Liens.LiensVides[Liens.IndexVide[q][k]];
        if (!l.Connecte || l.Couleur != c || !SurGoban(l.Ancre)) continue;
        const String* s = StringIntersection[l.Ancre];
        if (s == nullptr || s->Ancre != l.Ancre || Groupes.GroupeString[l.Ancre] != n) continue;
        AjouteGarde(v.StringsAtteintes[c][q], l.Ancre, "MAX_STRINGS_ATTEINTES Atteintes");
      }
    }
  }
}

void BonusRegles() {
  for (int32_t p = 0; p < NbIntersections; p++) {
    v.BonusCoup[p] = v.PointPattern[p] = 0;
    ::Vide(v.ExtensionAmi[p]);
    ::Vide(v.ExtensionEnnemi[p]);
  }
  for (int n = 1; n <= NombreGroupes(); n++) {
    ::Vide(GroupeDe(n).Att);
    ::Vide(GroupeDe(n).Def);
  }
  PourChaqueRegle(1, GoalKind::ValeurCoup, [](const MatchedRule& r) {
    if (r.Type != RuleType::GI) return;
    PourChaqueTriplet(r, GoalKind::ValeurCoup, [](const Triplet& t) {
      if (!BonPointAmi(t.Point)) return;
      if (v.BonusCoup[t.Point] >= 20) v.PointPattern[t.Point] = 1;
      Releve(v.BonusCoup[t.Point], t.Valeur);
    });
  });
  for (int kind : {GoalKind::Attaque, GoalKind::Defense}) {
    PourChaqueRegle(1, kind, [kind](const MatchedRule& r) {
      const int g = GroupePremierConcerne(r);
      if (!g) return;
      PourChaqueTriplet(r, kind, [&](const Triplet& t) {
        if (!Vide(t.Point)) return;
        AjouteSiAbsent(kind == GoalKind::Attaque ? GroupeDe(g).Att : GroupeDe(g).Def, t.Point);
      });
    });
  }
  for (int couleur = 1; couleur <= 2; couleur++) {
    PourChaqueRegle(couleur, GoalKind::GrandeExtension, [couleur](const MatchedRule& r) {
      PourChaqueTriplet(r, GoalKind::GrandeExtension, [&](const Triplet& t) {
        if (!Vide(t.Point)) return;
        auto& ext = (couleur == 1 ? v.ExtensionAmi : v.ExtensionEnnemi)[t.Point];
        for (int32_t c : r.IntersectionsConcernees)
          AjouteGarde(ext, c, "MAX_EXTENSIONS GrandeExtension");
      });
    });
  }
  for (int32_t p : v.StabilisantsVides) {
    if (!BonPointAmi(p)) continue;
    v.PointPattern[p] = 1;
    const int na = v.ExtensionAmi[p].Nombre, ne = v.ExtensionEnnemi[p].Nombre;
    Releve(v.BonusCoup[p], 40);
    if (na || ne) Releve(v.BonusCoup[p], 45);
    if (na && ne) Releve(v.BonusCoup[p], 50);
    if (na >= 2) Releve(v.BonusCoup[p], 65);
    if (ne >= 2) Releve(v.BonusCoup[p], 70);
  }
  for (int n = 1; n <= NombreGroupes(); n++) {
    const Group& g = GroupeDe(n);
    if (g.Color != 1) continue;
    for (int32_t p : g.CoupsStables) {
      if (!BonPointAmi(p)) continue;
      v.PointPattern[p] = 1;
      Releve(v.BonusCoup[p], 20);
      if (!g.Stable) Releve(v.BonusCoup[p], 40);
    }
  }
}

void BonusGroupesFaibles() {
  for (int n = 1; n <= NombreGroupes(); n++) {
    const Group& g = GroupeDe(n);
    if (g.Color != 1 || g.Stable || !(g.F < 1.0f)) continue;
    for (int32_t p : g.CoupsStables) {
      if (!BonPointAmi(p)) continue;
      v.PointPattern[p] = 1;
      Releve(v.BonusCoup[p], 75);
    }
  }
}

// ---------------------------------------------------------------------------
// Territorial value.

void CalculeProches() {
  for (int32_t p = 0; p < NbIntersections; p++) {
    auto& l = v.Proches[p];
    ::Vide(l);
    if (!Vide(p)) continue;
    for (int32_t q : Voisins[p]) {
      if (!Vide(q)) continue;
      AjouteGarde(l, q, "MAX_PROCHES");
      for (int32_t r : Voisins[q])
        if (r != p && Vide(r)) AjouteGarde(l, r, "MAX_PROCHES");
    }
  }
}

bool Conteste(int32_t p) {
  return v.AtteintAmi[p] && v.AtteintEnnemi[p];
}

// After `joueur` at p, is q a safe reply for the other side: it may play
// there, and none of its strings that reach q can then be captured by
// `joueur`? An illegal reply is not safe.
bool RepliqueSure(int32_t p, int32_t q, int joueur) {
  CoupTemporaire coup(p, joueur);
  if (!coup) return false;
  const int autre = Adversaire(joueur);
  CoupTemporaire reponse(q, autre);
  if (!reponse) return false;
  for (int32_t a : v.StringsAtteintes[autre][q]) {
    const String* s = StringIntersection[a];
    if (s == nullptr || s->Color != autre) continue;
    int32_t m = 0;
    if (ChercheCoupPrendre(s->Ancre, m) == 4) return false;
  }
  return true;
}

void TrieProches(int32_t p) {
  ::Vide(v.SeulAmi[p]);
  ::Vide(v.SeulEnnemi[p]);
  ::Vide(v.Aucun[p]);
  ::Vide(v.RepliquesAmi[p]);
  ::Vide(v.RepliquesEnnemi[p]);
  Ajoute(v.RepliquesAmi[p], p);
  Ajoute(v.RepliquesEnnemi[p], p);
  for (int32_t q : v.Proches[p]) {
    const int a = v.AtteintAmi[q], e = v.AtteintEnnemi[q];
    if (a && !e) AjouteGarde(v.SeulAmi[p], q, "MAX_VOISINS_TRIES SeulAmi");
    if (e && !a) AjouteGarde(v.SeulEnnemi[p], q, "MAX_VOISINS_TRIES SeulEnnemi");
    if (!a && !e) AjouteGarde(v.Aucun[p], q, "MAX_VOISINS_TRIES Aucun");
    if (!a || !e) continue;
    if (RepliqueSure(p, q, 1)) {
      AjouteGarde(v.RepliquesEnnemi[p], q, "MAX_VOISINS_TRIES RepliquesEnnemi");
      v.RepliqueSureEnnemi[q] = 1;
    }
    if (RepliqueSure(p, q, 2)) {
      AjouteGarde(v.RepliquesAmi[p], q, "MAX_VOISINS_TRIES RepliquesAmi");
      v.RepliqueSureAmi[q] = 1;
    }
  }
}

int32_t PlaceDeCV(int32_t p) {
  int32_t n = v.Aucun[p].Nombre + v.SeulEnnemi[p].Nombre;
  if (v.RepliqueSureEnnemi[p]) return n;
  EnsembleIntersections vus{};
  for (int32_t q : v.RepliquesEnnemi[p])
    for (int32_t r : v.SeulAmi[q])
      if (!Contient(vus, r)) {
        ::Ajoute(vus, r);
        n++;
      }
  return n;
}

void ValeurTerritoriale() {
  for (int32_t p = 0; p < NbIntersections; p++) v.RepliqueSureAmi[p] = v.RepliqueSureEnnemi[p] = 0;
  CalculeProches();
  for (int32_t p = 0; p < NbIntersections; p++)
    if (Conteste(p)) TrieProches(p);
  const int32_t t0 = TerritoireBrutAnalyse(v.Influence);
  for (int32_t p = 0; p < NbIntersections; p++) {
    v.ValeurTerritoriale[p] = v.DeltaAmi[p] = v.DeltaEnnemi[p] = v.DeltaCV[p] = v.MaxE[p] = 0;
    if (!Conteste(p)) continue;
    if (!v.PointPattern[p]) {
      CoupTemporaire coup(p, 1);
      if (coup) {
        v.DeltaAmi[p] = TerritoireBrutAnalyse(v.Influence) - t0;
        v.DeltaCV[p] = PlaceDeCV(p);
      }
    }
    CoupTemporaire coup(p, 2);
    if (coup) v.DeltaEnnemi[p] = t0 - TerritoireBrutAnalyse(v.Influence);
  }
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (!Conteste(p)) continue;
    int32_t maxe = 0;
    if (!v.RepliqueSureEnnemi[p])
      for (int32_t q : v.RepliquesEnnemi[p]) maxe = std::max(maxe, v.DeltaEnnemi[q]);
    v.MaxE[p] = maxe;
    v.ValeurTerritoriale[p] = (v.DeltaAmi[p] + maxe) / 2 + v.DeltaCV[p] + 1;
    if (Silence) continue;
    Trace(
        "TerritoireInfluence apres le coup @ en %d, DeltaCV=%d, DeltaAmi=%d, DeltaEnnemi=%d, "
        "MaxE=%d, val=%d\n",
        p, v.DeltaCV[p], v.DeltaAmi[p], v.DeltaEnnemi[p], v.MaxE[p], v.ValeurTerritoriale[p]);
  }
}

void MarqueGroupesPerdus() {
  for (int n = 1; n <= NombreGroupes(); n++) {
    const Group& g = GroupeDe(n);
    if (!g.Perdu) continue;
    for (int32_t q : g.Adherence) Groupes.Proprietaire[q] = Adversaire(g.Color);
  }
}

// ---------------------------------------------------------------------------
// Shape steps.

void FormeFrontiere() {
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (!Vide(p) || Groupes.Proprietaire[p] != 0) continue;
    bool nous = false, eux = false, contact = false;
    for (int32_t q : Voisins[p]) {
      nous = nous || Groupes.Proprietaire[q] == 1;
      eux = eux || Groupes.Proprietaire[q] == 2;
      contact = contact || Couleur(DamierIncremental, q) == 2;
    }
    if (nous && eux) Releve(v.BonusForme[p], contact ? BONUS_FRONTIERE_CONTACT : BONUS_FRONTIERE);
  }
}

void FormeSortie() {
  for (int n = 1; n <= NombreGroupes(); n++) {
    const Group& g = GroupeDe(n);
    if (g.Color != 1 || g.Stable || !(g.F > 0.0f && g.F < 1.0f)) continue;
    for (int32_t a : g.Ch) {
      const String* s = StringIntersection[a];
      if (s == nullptr || s->Color != 1) continue;
      for (int32_t pierre : s->Pierres) {
        const int x = CoordX[pierre], y = CoordY[pierre];
        const int dx[4] = {0, 0, -1, 1}, dy[4] = {-1, 1, 0, 0};
        for (int d = 0; d < 4; d++) {
          const int x2 = x + 2 * dx[d], y2 = y + 2 * dy[d];
          if (x2 < 1 || x2 > TailleGoban || y2 < 1 || y2 > TailleGoban) continue;
          const int32_t milieu = Intersection[x + dx[d]][y + dy[d]];
          const int32_t saut = Intersection[x2][y2];
          if (!Vide(milieu) || !Vide(saut) || Groupes.Proprietaire[saut] != 0) continue;
          if (NbVoisinsVides[saut] < 3) continue;
          Releve(v.BonusForme[saut], BONUS_SORTIE);
        }
      }
    }
  }
}

void AppliqueForme() {
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (v.BonusForme[p] == 0 || Groupes.Proprietaire[p] == 1 || !BonPointAmi(p)) continue;
    v.BonusCoup[p] += v.BonusForme[p];
  }
}

}  // namespace

int32_t CalculeSeuilMax() {
  int32_t seuil = 0;
  for (int32_t p = 0; p < NbIntersections; p++)
    if (JouableAmi(p)) seuil = std::max(seuil, v.ValeurTerritoriale[p] + v.BonusCoup[p]);
  return seuil;
}

int32_t ValeursStatiques() {
  GroupesStables();
  Atteintes();
  BonusRegles();
  BonusGroupesFaibles();
  ValeurTerritoriale();
  MarqueGroupesPerdus();
  for (int32_t p = 0; p < NbIntersections; p++) v.BonusForme[p] = 0;
  FormeFrontiere();
  FormeSortie();
  AppliqueForme();
  v.SeuilMax = CalculeSeuilMax();
  return v.SeuilMax;
}

void ReinitialiseValeurs() {
  for (int32_t p = 0; p < NB_INTERSECTIONS_MAX; p++) {
    v.BonusCoup[p] = v.ValeurTerritoriale[p] = v.DeltaCV[p] = v.DeltaAmi[p] = 0;
    v.DeltaEnnemi[p] = v.MaxE[p] = v.PointPattern[p] = v.AtteintAmi[p] = v.AtteintEnnemi[p] = 0;
    v.RepliqueSureAmi[p] = v.RepliqueSureEnnemi[p] = v.BonusForme[p] = 0;
    for (auto* l :
         {&v.SeulAmi[p], &v.SeulEnnemi[p], &v.Aucun[p], &v.RepliquesAmi[p], &v.RepliquesEnnemi[p]})
      ::Vide(*l);
    ::Vide(v.ExtensionAmi[p]);
    ::Vide(v.ExtensionEnnemi[p]);
    ::Vide(v.StringsAtteintes[1][p]);
    ::Vide(v.StringsAtteintes[2][p]);
    ::Vide(v.Proches[p]);
  }
  ::Vide(v.StabilisantsVides);
  v.SeuilMax = 0;
}
