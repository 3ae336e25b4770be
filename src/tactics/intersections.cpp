#include "tactics/intersections.h"

#include <algorithm>
#include <iterator>

#include "base/trace.h"
#include "board/incremental.h"
#include "tactics/menaces.h"
#include "tactics/prise.h"

int32_t ATesterAmi[NB_INTERSECTIONS_MAX];
int32_t ATesterEnnemi[NB_INTERSECTIONS_MAX];
int32_t PierrePerdueAmi[NB_INTERSECTIONS_MAX];
int32_t PierrePerdueEnnemi[NB_INTERSECTIONS_MAX];
Liste<MAX_PRISES_APRES_COUP> PrisesApresCoupAmi[NB_INTERSECTIONS_MAX];
EnsembleIntersections TraceIntersectionAmi[NB_INTERSECTIONS_MAX];
EnsembleIntersections TraceIntersectionEnnemi[NB_INTERSECTIONS_MAX];

namespace {

// A string the capture list already has as capturable is no news.
bool DejaPrenable(int32_t ancre) {
  const Prise* r = TrouvePrise(PrisesValides, ancre);
  return r && r->Prenable;
}

// The friendly strings near s that a ladder now takes: they go under p.
void NoteChainesExposees(int32_t p, const String* s) {
  ListeIntersections voisines;
  VoisinsMenaceDouble(voisines, s->Ancre);
  for (int32_t a : voisines) {
    if (DejaPrenable(a) || PrendreEchelle(a, 1) != ECHELLE_PRISE) continue;
    if (PrisesApresCoupAmi[p].Nombre >= MAX_PRISES_APRES_COUP) {
      Signale("Pb PrisesApresCoupAmi %d: plus de %d chaines, %d perdue\n", p, MAX_PRISES_APRES_COUP,
              a);
      continue;
    }
    Ajoute(PrisesApresCoupAmi[p], a);
  }
}

// Would a stone of c at p be lost at once? Sets the lost flag of p for c, and
// for colour 1 the strings the stone would expose. Every move played and every
// ladder liberty examined is marked in p's trace set for c.
void ExamineIntersection(int32_t p, int c) {
  int32_t* const perdue = c == 1 ? PierrePerdueAmi : PierrePerdueEnnemi;
  EnsembleIntersections& trace = c == 1 ? TraceIntersectionAmi[p] : TraceIntersectionEnnemi[p];
  (c == 1 ? ATesterAmi : ATesterEnnemi)[p] = 0;
  perdue[p] = 0;
  Vide(trace);
  TraceActiveA = &trace;

  if (StringIntersection[p] || Couleur(DamierIncremental, p) != VIDE) return;
  if (!CoupLegalIncremental(p, c)) {
    perdue[p] = 1;
    return;
  }
  CoupTemporaire coup(p, c, CoupTemporaire::SansTest);
  if (!coup) return;  // refused by the board, and reported there
  const String* s = StringIntersection[p];
  if (!s) return;  // no string record left for the stone, reported by the board

  const int libertes = s->NbLibertes();
  if (libertes == 1 || (libertes == 2 && PrendreEchelle(p, 1) == ECHELLE_PRISE)) perdue[p] = 1;
  if (c == 1 && libertes < 4) NoteChainesExposees(p, s);
}

}  // namespace

void MarqueIntersectionsATester() {
  for (int32_t p = 0; p < NbIntersections; p++) {
    ATesterAmi[p] = 1;
    ATesterEnnemi[p] = 1;
  }
}

void CalculeJeuxIntersection() {
  const GardeTracesActives garde;
  for (int32_t p = 0; p < NbIntersections; p++) {
    Vide(PrisesApresCoupAmi[p]);
    if (ATesterAmi[p]) ExamineIntersection(p, 1);
    if (ATesterEnnemi[p]) ExamineIntersection(p, 2);
  }
}

void ReinitialiseIntersections() {
  std::fill(std::begin(ATesterAmi), std::end(ATesterAmi), 0);
  std::fill(std::begin(ATesterEnnemi), std::end(ATesterEnnemi), 0);
  std::fill(std::begin(PierrePerdueAmi), std::end(PierrePerdueAmi), 0);
  std::fill(std::begin(PierrePerdueEnnemi), std::end(PierrePerdueEnnemi), 0);
  for (auto& l : PrisesApresCoupAmi) Vide(l);
  for (auto& e : TraceIntersectionAmi) Vide(e);
  for (auto& e : TraceIntersectionEnnemi) Vide(e);
}
