#include "analysis/objectifs.h"

#include "tactics/connexion.h"

// Until the group connection goals are built, that source is empty.

void ConstruitObjectifsConnexionGroupes() {}

int32_t NombreObjectifsConnexionGroupes() {
  return 0;
}

ObjectifCoups ObjectifConnexionGroupes(int32_t) {
  return {};
}

int32_t NombreObjectifsConnexionChaines() {
  return NombreObjectifsConnexion();
}

ObjectifCoups ObjectifConnexionChaines(int32_t i) {
  const ObjectifConnexion r = ObjectifConnexionNumero(i);
  ObjectifCoups o;
  if (!r.CoupsAmi || !r.CoupsAutre) return o;
  o.Couleur = r.Couleur;
  o.Reference1 = r.Ref1;
  o.Reference2 = r.Ref2;
  o.CoupsPropres = r.CoupsAmi->Elements;
  o.NbCoupsPropres = r.CoupsAmi->Nombre;
  o.CoupsAutres = r.CoupsAutre->Elements;
  o.NbCoupsAutres = r.CoupsAutre->Nombre;
  return o;
}
