#include "analysis/yeux.h"

namespace {
struct EtatYeux {
  TableYeux Table;
};
EtatYeux etat;
}  // namespace

int YeuxEnConflit(const Oeil&, const Oeil&) { return 0; }
int AjouteOeil(TableYeux&, const Oeil&) { return 0; }
int AjouteOeil(const Oeil& oeil) { return AjouteOeil(etat.Table, oeil); }
void InitialiseYeux() { etat.Table.NombreYeuxValides = 0; }
void InitialiseYeuxPatterns(int) {}
const TableYeux& TableDesYeux() { return etat.Table; }
int NombreYeuxValides() { return etat.Table.NombreYeuxValides; }
void ReinitialiseYeux() { etat.Table.NombreYeuxValides = 0; }
