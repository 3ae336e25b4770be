#include "analysis/yeux.h"

#include <algorithm>

#include "base/trace.h"
#include "board/incremental.h"
#include "board/libertes.h"
#include "rules/codes.h"
#include "rules/motifs.h"
#include "rules/regle.h"
#include "tactics/rapide.h"

namespace {

// The stage's state: the eye table of the analysis.
struct EtatYeux {
  TableYeux Table;
};
EtatYeux etat;

inline int Col(int32_t p) {
  return Couleur(DamierIncremental, p);
}

bool Inclus(const Oeil& a, const Oeil& b) {
  return a.x >= b.x && a.x + a.w <= b.x + b.w && a.y >= b.y && a.y + a.h <= b.y + b.h;
}

bool Eloignes(const Oeil& a, const Oeil& b) {
  return b.x > a.x + a.w || b.y > a.y + a.h || a.x > b.x + b.w || a.y > b.y + b.h;
}

bool SurCadre(const Oeil& e, int x, int y) {
  return x == e.x || x == e.x + e.w - 1 || y == e.y || y == e.y + e.h - 1;
}

bool PartagentUnPoint(const CoupsOeil& a, const CoupsOeil& b) {
  for (int32_t m : a)
    if (Contient(b, m)) return true;
  return false;
}

// Whether the point q of the overlap, not of the eye colour c, keeps the two
// eyes from counting as two.
bool PointDeConflit(const Oeil& a, const Oeil& b, int32_t q, int x, int y) {
  const int c = a.Couleur, o = Adversaire(c);
  const int cq = Col(q);
  if (SurCadre(a, x, y) && SurCadre(b, x, y)) {
    if (cq == o && EstPerdu(q)) return false;
    if (cq != VIDE) return true;
    return AdversaireNePeutPasJouer(q, c) == 0;
  }
  return cq == VIDE && (a.Sur || b.Sur) && CoupLegalIncremental(q, o);
}

// Adds the moves of b missing from a; the room of a is capped.
void FusionneCoups(CoupsOeil& a, const CoupsOeil& b) {
  for (int32_t m : b) {
    if (Contient(a, m)) continue;
    if (a.Nombre >= MAX_COUPS_OEIL) {
      Signale("Pb AjouteOeil MAX_COUPS_OEIL %d\n", m);
      continue;
    }
    a.Elements[a.Nombre++] = m;
  }
}

}  // namespace

int YeuxEnConflit(const Oeil& a, const Oeil& b) {
  if (a.Couleur != b.Couleur) return 0;
  if (Eloignes(a, b)) return 0;
  if (Inclus(a, b) || Inclus(b, a)) return 1;
  if (a.DeRegle && b.DeRegle && PartagentUnPoint(a.CoupsEmpecher, b.CoupsEmpecher)) return 1;

  const int x0 = std::max(a.x, b.x), x1 = std::min(a.x + a.w, b.x + b.w);
  const int y0 = std::max(a.y, b.y), y1 = std::min(a.y + a.h, b.y + b.h);
  for (int y = std::max(y0, 1); y < y1 && y <= TailleGoban; y++)
    for (int x = std::max(x0, 1); x < x1 && x <= TailleGoban; x++) {
      const int32_t q = Intersection[x][y];
      if (q < 0 || Col(q) == a.Couleur) continue;
      if (PointDeConflit(a, b, q, x, y)) return 1;
    }
  return 0;
}

int AjouteOeil(TableYeux& table, const Oeil& oeil) {
  bool conflit[NOMBRE_YEUX_MAX] = {};
  bool aucun = true;
  for (int i = 0; i < table.NombreYeuxValides; i++)
    if (YeuxEnConflit(oeil, table.Yeux[i])) conflit[i] = true, aucun = false;

  if (aucun) {
    if (table.NombreYeuxValides >= NOMBRE_YEUX_MAX) {
      Signale("Erreur NOMBRE_YEUX_MAX AjouteOeil\n");
      return 0;
    }
    table.Yeux[table.NombreYeuxValides++] = oeil;
    return 1;
  }

  for (int i = 0; i < table.NombreYeuxValides; i++) {
    if (!conflit[i]) continue;
    Oeil& ancien = table.Yeux[i];
    if (!ancien.Sur && oeil.DeRegle) {
      ancien.DeRegle = 1;
      FusionneCoups(ancien.CoupsAtteindre, oeil.CoupsAtteindre);
      FusionneCoups(ancien.CoupsEmpecher, oeil.CoupsEmpecher);
    }
    if (!ancien.Sur && oeil.Sur) ancien = oeil;
  }
  return 0;
}

int AjouteOeil(const Oeil& oeil) {
  return AjouteOeil(etat.Table, oeil);
}

void InitialiseYeux() {
  etat.Table.NombreYeuxValides = 0;
  InitialiseYeuxPatterns(1);
  InitialiseYeuxPatterns(2);
}

namespace {

// The eye of one matched record, added to the table; a record whose first
// concerned point is not a stone of the eye's colour is reported and skipped.
void AjouteOeilRegle(const MatchedRule& r, int couleur) {
  const int32_t p = r.IntersectionsConcernees.Nombre > 0 ? r.IntersectionsConcernees[0] : -1;
  if (!SurGoban(p) || Col(p) == VIDE) {
    Signale("Pb1 InitialiseYeuxPatterns %d\n", p);
    return;
  }
  const String* s = StringIntersection[p];
  if (!s) {
    Signale("Pb2 InitialiseYeuxPatterns %d\n", p);
    return;
  }
  // The groups credit an eye to the group of its anchor: an eye anchored on
  // the other colour's stone would go to the wrong side.
  if (s->Color != couleur) {
    Signale("Pb3 InitialiseYeuxPatterns %d\n", p);
    return;
  }
  Oeil e(couleur, s->Ancre, r.x0, r.y0, r.bw, r.bh);
  e.DeRegle = 1;
  if (r.Type == RuleType::G) {
    e.Sur = 1;
  } else {
    Copie(e.CoupsAtteindre, r.CoupsAtteindre);
    Copie(e.CoupsEmpecher, r.CoupsEmpecher);
  }
  AjouteOeil(etat.Table, e);
}

}  // namespace

// One whole-board match is all the stage needs: registering the goal for
// incremental matching (StartMatching, StopMatching) would build and drop the
// per-point window index twice for nothing, two thirds of the stage's time.
// The matches, and the records given back to the pool at the end, are the same.
void InitialiseYeuxPatterns(int couleur) {
  if (couleur != 1 && couleur != 2) return;
  MatchBoardBothTypes(couleur, GoalKind::Oeil);
  MatchedRules& s = MatchedRulesOeil;
  for (int i = 0; i < s.NbGRules; i++) AjouteOeilRegle(*s.GRules[i], couleur);
  for (int i = 0; i < s.NbGiRules; i++) AjouteOeilRegle(*s.GiRules[i], couleur);
  ClearMatchedRules(s);
}

const TableYeux& TableDesYeux() {
  return etat.Table;
}

int NombreYeuxValides() {
  return etat.Table.NombreYeuxValides;
}

void EcritYeux(std::FILE* f, const TableYeux& t) {
  std::fprintf(f, "NombreYeuxValides %d\n", t.NombreYeuxValides);
  for (int i = 0; i < t.NombreYeuxValides; i++) {
    const Oeil& e = t.Yeux[i];
    std::fprintf(f, "%d: couleur %d fenetre %d %d %dx%d ancre %d sur %d regle %d atteindre", i,
                 e.Couleur, e.x, e.y, e.w, e.h, e.Ancre, e.Sur, e.DeRegle);
    for (int32_t m : e.CoupsAtteindre) std::fprintf(f, " %d", m);
    std::fprintf(f, " empecher");
    for (int32_t m : e.CoupsEmpecher) std::fprintf(f, " %d", m);
    std::fprintf(f, "\n");
  }
}

void ReinitialiseYeux() {
  etat = EtatYeux{};
}
