#include "tactics/transposition.h"

#include "base/trace.h"
#include "board/incremental.h"

EtatTT TableTransposition;

namespace {

int IndexTT(uint32_t cle1) {
  return static_cast<int>(cle1 >> 18);
}

void EffaceTout() {
  for (EntreeTT& e : TableTransposition.Entrees) e.Generation = 0;
  TableTransposition.Effacements++;
}

}  // namespace

void NouvelleRechercheTT() {
  EtatTT& t = TableTransposition;
  // Generation 0 marks cleared entries: a wrapped counter would bring back
  // entries written 65,536 searches ago. Clear, then start again at 1.
  if (t.Generation == 0) EffaceTout();
  t.Generation = static_cast<uint16_t>(t.Generation + 1);
  if (t.Generation == 0) {
    EffaceTout();
    t.Generation = 1;
  }
}

const EntreeTT* ChercheTT(uint32_t cle1, uint32_t cle2) {
  const EntreeTT& e = TableTransposition.Entrees[IndexTT(cle1)];
  if (TableTransposition.Generation == 0 || e.Generation != TableTransposition.Generation ||
      e.Cle1 != cle1 || e.Cle2 != cle2)
    return nullptr;
  TableTransposition.Trouves++;
  return &e;
}

const EntreeTT* ChercheTT() {
  return ChercheTT(HashPosition[0], HashPosition[1]);
}

int AddTT(uint32_t cle1, uint32_t cle2, int profondeur, int resultat, int meilleurCoup,
          const int32_t* coups, int nombreCoups) {
  EtatTT& t = TableTransposition;
  EntreeTT& e = t.Entrees[IndexTT(cle1)];
  if (e.Generation == t.Generation && profondeur <= e.Profondeur) return 0;
  int n = nombreCoups;
  if (n > MaxMovesTrans) {
    Signale("Pb MaxMovesTrans < %d in AddTT\n", nombreCoups);
    n = MaxMovesTrans;
  }
  e.Generation = t.Generation;
  e.Cle1 = cle1;
  e.Cle2 = cle2;
  e.Resultat = static_cast<uint16_t>(resultat);
  e.Profondeur = static_cast<uint8_t>(profondeur < 0 ? 0 : profondeur > 255 ? 255 : profondeur);
  e.MeilleurCoup = static_cast<uint16_t>(meilleurCoup);
  for (int i = 0; i < n; i++) e.Coups[i] = static_cast<uint16_t>(coups[i]);
  e.NombreCoups = static_cast<uint16_t>(n);
  e.Coupee = nombreCoups > MaxMovesTrans;
  t.Ecrits++;
  return 1;
}

int AddTT(int profondeur, int resultat, int meilleurCoup, const int32_t* coups, int nombreCoups) {
  return AddTT(HashPosition[0], HashPosition[1], profondeur, resultat, meilleurCoup, coups,
               nombreCoups);
}

void ReinitialiseTT() {
  EtatTT& t = TableTransposition;
  for (EntreeTT& e : t.Entrees) e = EntreeTT{};
  t.Generation = 0;
  t.Trouves = t.Ecrits = t.Effacements = 0;
}
