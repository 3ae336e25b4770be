#include "board/incremental.h"

// Placeholder definitions so that modules written against the interface link;
// the board itself follows.

Damier DamierIncremental;
String* StringIntersection[NB_INTERSECTIONS_MAX];
String PileString[MAX_STRINGS];
int32_t KoIncremental = -1;
int32_t Profondeur = 0;
int32_t BilanPierres = 0;
uint32_t HashPosition[2];
EnsembleIntersections* IntersectionsModifiees = nullptr;
EnsembleIntersections* TraceActiveA = nullptr;
EnsembleIntersections* TraceActiveB = nullptr;
int32_t NbVoisinsCouleur[3][NB_INTERSECTIONS_MAX];
Liste<4> VoisinsVides[NB_INTERSECTIONS_MAX];
Liste<4> VoisinsCouleur1[NB_INTERSECTIONS_MAX];
Liste<4> VoisinsCouleur2[NB_INTERSECTIONS_MAX];
int SuiviModifications = 0;
ModificationsCoup ModificationsProfondeur[PROFONDEUR_MAX];

void ListString::clear() {
  Nombre = 0;
  Curseur = 0;
  Vide(Numeros);
}
int ListString::add(String*) {
  return 0;
}
void ListString::ote(String*) {}
String* ListString::first() {
  return nullptr;
}
String* ListString::next() {
  return nullptr;
}

void InitialiseDamierIncremental(const Damier&) {}
int CoupLegalIncremental(int32_t, int) {
  return 0;
}
int JoueCoupIncremental(int32_t, int) {
  return 0;
}
int EssaieCoupIncremental(int32_t, int) {
  return 0;
}
int UndoIncremental() {
  return 0;
}
int32_t PointKoIncremental(int32_t, int) {
  return -1;
}
int LibertesApresIncremental(int32_t, int, ListeIntersections&, EnsembleIntersections&) {
  return 0;
}
int NbLibertesApresIncremental(int32_t, int) {
  return 0;
}
int32_t PlusPetitePierre(int32_t) {
  return 0;
}
void ReinitialiseIncremental() {}
int NombreMotsPileUndo() {
  return 0;
}
int SommetPileString() {
  return 0;
}
int NombreStringsRetirees() {
  return 0;
}
