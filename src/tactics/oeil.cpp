#include "tactics/oeil.h"

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

int DiagonaleBonne(int32_t, int) { return 0; }
int DiagonaleOuverte(int32_t, int) { return 0; }
bool EstOeil(int32_t, int, EnsembleListe&) { return false; }
bool OeilParPrise(EnsembleListe&, int32_t, int, EnsembleListe&) { return false; }
int CoupsPourOeil(EnsembleListe&, int32_t, int, EnsembleListe&) { return 0; }
bool OeilDouble(int32_t, int, EnsembleListe&) { return false; }
bool OeilDoubleParPrise(EnsembleListe&, int32_t, int, EnsembleListe&) { return false; }
int EmpecherOeilDouble(EnsembleListe&, int32_t, int, EnsembleListe&) { return 0; }
