#include "analysis/objectifs.h"

#include "analysis/connexions_groupes.h"
#include "tactics/connexion.h"

void ConstruitObjectifsConnexionGroupes() {
  CalculeConnexionsGroupes();
}

int32_t NombreObjectifsConnexionGroupes() {
  return ObjectifsConnexionGroupes.Nombre;
}

ObjectifCoups ObjectifConnexionGroupesNumero(int32_t i) {
  ObjectifCoups o;
  if (i < 0 || i >= ObjectifsConnexionGroupes.Nombre) return o;
  const ObjectifConnexionGroupes& r = ObjectifsConnexionGroupes.Elements[i];
  o.Couleur = r.Couleur;
  o.Reference1 = r.Groupe1;
  o.Reference2 = r.Groupe2;
  o.CoupsPropres = r.CoupsAtteindre.Elements;
  o.NbCoupsPropres = r.CoupsAtteindre.Nombre;
  o.CoupsAutres = r.CoupsEmpecher.Elements;
  o.NbCoupsAutres = r.CoupsEmpecher.Nombre;
  return o;
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
