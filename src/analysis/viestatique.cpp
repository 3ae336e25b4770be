#include "analysis/viestatique.h"

#include "analysis/influence.h"
#include "analysis/regions.h"
#include "board/incremental.h"
#include "tactics/intersections.h"
#include "tactics/prise.h"

EtatVieStatique VieStatique;

namespace {

int32_t MarqueCouleur(int c) {
  return c == 1 ? MARQUE_AMI : c == 2 ? MARQUE_ENNEMI : MARQUE_VIDE;
}

void Recolore(Damier& d, int32_t p, int c) {
  OtePierre(d, p);
  PosePierre(d, p, c);
}

// An empty point where a stone of one colour would be lost at once counts for
// the other colour, unless a stone of that colour would be lost there too.
void MarquePointsPerdus(EtatVieStatique& v) {
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (Couleur(DamierIncremental, p) != VIDE) continue;
    if (PierrePerdueAmi[p]) {
      v.MarquesVieStatique[p] = MARQUE_PERDUE;
      if (!PierrePerdueEnnemi[p]) {
        Recolore(v.DamierVieStatique, p, 2);
        v.MarquesVieStatique[p] = MARQUE_ENNEMI;
      }
    }
    if (PierrePerdueEnnemi[p]) {
      v.MarquesVieStatique[p] = MARQUE_PERDUE;
      if (!PierrePerdueAmi[p]) {
        Recolore(v.DamierVieStatique, p, 1);
        v.MarquesVieStatique[p] = MARQUE_AMI;
      }
    }
  }
}

// A string that cannot be saved counts as its capturer's stones; one that can
// be captured but also saved keeps its colour, its stones marked '*'.
void MarqueJeuxPrendre(EtatVieStatique& v) {
  for (const Prise& r : PrisesValides) {
    const String* s = SurGoban(r.Ancre) ? StringIntersection[r.Ancre] : nullptr;
    if (!s) continue;
    if (r.Perdu) {
      for (int32_t p : s->Pierres) Recolore(v.DamierVieStatique, p, Adversaire(s->Color));
    } else if (r.Prenable) {
      for (int32_t p : s->Pierres) v.MarquesVieStatique[p] = MARQUE_PRENABLE;
    }
  }
}

}  // namespace

void ConstruitDamierVieStatique() {
  EtatVieStatique& v = VieStatique;
  v.DamierVieStatique = DamierIncremental;
  FixePointKo(v.DamierVieStatique, COUP_PASSE);
  for (int32_t p = 0; p < NbIntersections; p++)
    v.MarquesVieStatique[p] = MarqueCouleur(Couleur(DamierIncremental, p));
  MarquePointsPerdus(v);
  MarqueJeuxPrendre(v);
}

void CalculeVieStatique() {
  ConstruitDamierVieStatique();
  Enfermement(VieStatique.DamierVieStatique);
  CalculeYeuxEtRegionsChen();
}

void ReinitialiseVieStatique() {
  ViderDamier(VieStatique.DamierVieStatique);
  FixePointKo(VieStatique.DamierVieStatique, COUP_PASSE);
  for (int32_t& m : VieStatique.MarquesVieStatique) m = MARQUE_VIDE;
}

void ImprimeVieStatique(std::FILE* f) {
  std::fputs("VieStatique\n", f);
  ImprimeCarte(f, VieStatique.MarquesVieStatique);
}
