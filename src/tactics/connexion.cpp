#include "tactics/connexion.h"

#include <algorithm>
#include <iterator>

#include "base/trace.h"
#include "board/ecriture.h"
#include "tactics/connexion_rapide.h"
#include "tactics/intersections.h"
#include "tactics/menace_connexion.h"
#include "tactics/prise.h"
#include "tactics/rapide.h"

ListeConnexions ConnexionsACalculer;
ListeConnexions ConnexionsValides;
ListeConnexions MenacesDeconnecter;
EtatConnexion RechercheConnexion;

namespace {

// The second widening level asks the connection threat search for the
// disconnecter's moves.
constexpr int NiveauLePlusHaut = NIVEAU_CONNEXION_MAX;

inline const String* Chaine(int32_t p) {
  return SurGoban(p) ? StringIntersection[p] : nullptr;
}

inline int Col(int32_t p) {
  return Couleur(DamierIncremental, p);
}

// 1 one chain, 0 a point empty or colours differing, -1 two chains to read.
int Evidence(int32_t p1, int32_t p2) {
  const String* a = Chaine(p1);
  const String* b = Chaine(p2);
  if (!a || !b || a->Color != b->Color) return 0;
  return a == b ? 1 : -1;
}

inline void CompteNoeud() {
  RechercheConnexion.CompteurNoeuds++;
  RechercheConnexion.NoeudsCumules++;
}

bool LimiteAtteinte(int profondeur) {
  return RechercheConnexion.CompteurNoeuds > RechercheConnexion.LimiteNoeuds ||
         profondeur >= Reglages.LimiteProfondeurConnexion;
}

// The answer of a driver's root search, counted when a limit decided it.
int Racine(int v) {
  if (v == RESULTAT_INCONNU) RechercheConnexion.LimitesAtteintes++;
  return v;
}

void EcritCoupDebug(int32_t m) {
  EcritDamierIncremental(SortieErreurs());
  std::fprintf(SortieErreurs(), "Coup en %d\n", m);
}

// A capture search on a cutting chain, sharing this search's node counter.
bool PrendCoupeuse(int32_t ancre, int profondeur, int limite) {
  CompteurNoeuds = RechercheConnexion.CompteurNoeuds;
  const bool pris = limite > 0 ? PrendreSimpleRecursifProfondeur(ancre, profondeur, limite)
                               : PrendreSimpleRecursif(ancre, profondeur);
  RechercheConnexion.CompteurNoeuds = CompteurNoeuds;
  if (RechercheConnexion.Debug)
    std::fprintf(SortieErreurs(), "NombreNoeudsConnecterSimple %d\n",
                 RechercheConnexion.CompteurNoeuds);
  return pris;
}

// The connecter joins the pair by capturing one of the cutting chains.
bool PrendUneCoupeuse(const Liste<MAX_CHAINES_COUPANTES>& coupeuses, int profondeur) {
  DebugPrise = RechercheConnexion.Debug;
  bool pris = false;
  for (int32_t x : coupeuses)
    if (!pris && Chaine(x) && PrendreEchelle(x, profondeur) == ECHELLE_PRISE) pris = true;
  if (!pris && coupeuses.Nombre == 1) {
    pris = PrendCoupeuse(coupeuses[0], profondeur + 1, 0);
  } else if (!pris) {
    for (int32_t x : coupeuses)
      if (!pris && Chaine(x)) pris = PrendCoupeuse(x, profondeur + 1, profondeur + 6);
    for (int32_t x : coupeuses)
      if (!pris && Chaine(x)) pris = PrendCoupeuse(x, profondeur + 1, 0);
  }
  DebugPrise = 0;
  return pris;
}

// The connecter's moves that answer a danger to one of the two chains.
void ListeDanger(ListeIntersections& danger, int32_t p1, int32_t p2, int c) {
  Vide(danger);
  if (EnAtari(p1)) {
    CoupsSortieAtari(danger, p1, c);
  } else if (EnAtari(p2)) {
    CoupsSortieAtari(danger, p2, c);
  } else if (Chaine(p1)->NbLibertes() == 2 && SauvetagesDeuxLibertes(danger, p1, c)) {
  } else if (Chaine(p2)->NbLibertes() == 2) {
    SauvetagesDeuxLibertes(danger, p2, c);
  }
}

// A liberty of either chain where the connecter's stone would be lost.
bool Marque(const int32_t* marques, int32_t m, int32_t p1, int32_t p2) {
  if (!marques || !SurGoban(m) || !marques[m]) return false;
  return Contient(Chaine(p1)->EnsembleLibertes, m) || Contient(Chaine(p2)->EnsembleLibertes, m);
}

// Restores the search's level and node limit at the end of a driver.
class GardeRecherche {
 public:
  GardeRecherche(int niveau, int limite)
      : niveau_(RechercheConnexion.Niveau), limite_(RechercheConnexion.LimiteNoeuds) {
    RechercheConnexion.Niveau = niveau;
    RechercheConnexion.LimiteNoeuds = limite;
  }
  ~GardeRecherche() {
    RechercheConnexion.Niveau = niveau_;
    RechercheConnexion.LimiteNoeuds = limite_;
  }
  GardeRecherche(const GardeRecherche&) = delete;
  GardeRecherche& operator=(const GardeRecherche&) = delete;

 private:
  const int niveau_;
  const int limite_;
};

// The disconnecter's moves after each of which the connecter's answer is
// `attendu`; `tous` tells whether every legal candidate gave a sure
// connection (no cut, no unknown).
int CoupsDeconnecterValant(int32_t p1, int32_t p2, ListeIntersections& liste, bool& tousConnectes) {
  Vide(liste);
  tousConnectes = true;
  const int e = Evidence(p1, p2);
  if (e != -1) {
    tousConnectes = e == 1;
    return 0;
  }
  const int d = Adversaire(Col(p1));
  const GardeRecherche garde(1, Reglages.LimiteNoeudsConnexion);
  ListeIntersections candidats;
  CoupsDeconnecter(candidats, p1, p2, d);
  for (int32_t m : candidats) {
    RechercheConnexion.CompteurNoeuds = 0;
    CoupTemporaire coup(m, d);
    if (!coup) continue;
    const int v = Racine(ConnecterSimpleRecursif(p1, p2, 1));
    if (v != RESULTAT_ATTEINT) tousConnectes = false;
    if (v == RESULTAT_ECHEC) AjouteSiAbsent(liste, m);
  }
  return liste.Nombre;
}

// Copies the moves into a record's list: those beyond its room are dropped
// and reported.
void CopieCoups(CoupsConnexion& dest, const ListeIntersections& source, const Connexion& r) {
  Vide(dest);
  const int n = std::min(source.Nombre, MAX_COUPS_CONNEXION);
  for (int i = 0; i < n; i++) dest.Elements[i] = source.Elements[i];
  dest.Nombre = n;
  if (source.Nombre > n)
    Signale("Pb CopieCoups connexion %d-%d: %d coups, %d gardes\n", r.Ancre1, r.Ancre2,
            source.Nombre, n);
}

void OuvreCalcul(Connexion& r) {
  Vide(r.TraceA);
  Vide(r.TraceB);
  TraceActiveA = &r.TraceA;
  TraceActiveB = &r.TraceB;
  r.Solide = 0;
  r.Connectable = 0;
}

const int32_t* MarquesCouleur(int c) {
  return c == 1 ? PierrePerdueAmi : PierrePerdueEnnemi;
}

}  // namespace

// ---------------------------------------------------------------------------
// Record lists.

void VideListeConnexions(ListeConnexions& liste) {
  liste.Nombre = 0;
  std::fill(std::begin(liste.NombreIndex), std::end(liste.NombreIndex), 0);
}

int AjouteConnexion(ListeConnexions& liste, const Connexion& r) {
  if (!SurGoban(r.Ancre1)) {
    Signale("Pb AjouteConnexion ancre %d hors du goban\n", r.Ancre1);
    return 0;
  }
  const int n = liste.NombreIndex[r.Ancre1];
  for (int i = 0; i < n; i++) {
    Connexion& old = liste.Elements[liste.Index[r.Ancre1][i]];
    if (old.Ancre2 != r.Ancre2) continue;
    if (r.Connectable) {
      old.Connectable = 1;
      for (int32_t m : r.CoupsAtteindre) AjouteSiAbsent(old.CoupsAtteindre, m);
      for (int32_t m : r.CoupsEmpecher) AjouteSiAbsent(old.CoupsEmpecher, m);
    }
    if (r.Solide) old.Solide = 1;
    return 0;
  }
  if (n >= CI_MAX) {
    Signale("Erreur CI_MAX AjouteConnexion\n");
    return 0;
  }
  if (liste.Nombre >= MAX_CONNEXIONS) {
    Signale("Pb AjouteConnexion MAX_CONNEXIONS (%d), paire %d-%d perdue\n", MAX_CONNEXIONS,
            r.Ancre1, r.Ancre2);
    return 0;
  }
  liste.Elements[liste.Nombre] = r;
  liste.Index[r.Ancre1][n] = liste.Nombre;
  liste.NombreIndex[r.Ancre1] = n + 1;
  liste.Nombre++;
  return 1;
}

const Connexion* TrouveConnexion(const ListeConnexions& liste, int32_t a1, int32_t a2) {
  if (a2 < a1) std::swap(a1, a2);
  if (!SurGoban(a1)) return nullptr;
  for (int i = 0; i < liste.NombreIndex[a1]; i++) {
    const Connexion& r = liste.Elements[liste.Index[a1][i]];
    if (r.Ancre2 == a2) return &r;
  }
  return nullptr;
}

// ---------------------------------------------------------------------------
// Searches.

int ConnecterSimpleRecursif(int32_t p1, int32_t p2, int profondeur) {
  const int e = Evidence(p1, p2);
  if (e >= 0) return e == 1 ? RESULTAT_ATTEINT : RESULTAT_ECHEC;
  if (LimiteAtteinte(profondeur)) return RESULTAT_INCONNU;
  CompteNoeud();
  const int c = Col(p1);
  const int d = Adversaire(c);
  if (ConnecterParCoupsSur(p1, p2, d)) return RESULTAT_ATTEINT;
  if (Reglages.PanicMode > 1) return RESULTAT_ECHEC;

  ListeIntersections danger, candidats, exclus;
  ListeDanger(danger, p1, p2, c);
  CoupsConnecter(0, candidats, exclus, p1, p2);
  const EtatCoupsConnecter g = GenerateurConnexion;
  if (!g.LienDirect && !g.CoupeursJoints && g.ChainesCoupantes.Nombre > 0) {
    RetireTous(candidats, exclus);
    if (PrendUneCoupeuse(g.ChainesCoupantes, profondeur)) return RESULTAT_ATTEINT;
  }
  if (danger.Nombre > 0 && candidats.Nombre > 0) GardeCommuns(candidats, danger);

  int resultat = RESULTAT_ECHEC;
  for (int32_t m : candidats) {
    if (resultat == RESULTAT_ATTEINT) break;
    CoupTemporaire coup(m, c);
    if (!coup) continue;
    if (RechercheConnexion.Debug) EcritCoupDebug(m);
    resultat = std::max(resultat, InverseResultat(DeconnecterSimpleRecursif(p1, p2, profondeur + 1)));
  }
  return resultat;
}

int DeconnecterSimpleRecursif(int32_t p1, int32_t p2, int profondeur) {
  const String* a = Chaine(p1);
  const String* b = Chaine(p2);
  if (!a || !b) return RESULTAT_ATTEINT;
  if (PrendreEchelle(p1, 1) == ECHELLE_PRISE || PrendreEchelle(p2, 1) == ECHELLE_PRISE)
    return RESULTAT_ATTEINT;
  if (a == b) return RESULTAT_ECHEC;
  if (a->Color != b->Color) return RESULTAT_ATTEINT;
  if (LimiteAtteinte(profondeur)) return RESULTAT_INCONNU;
  CompteNoeud();
  const int d = Adversaire(a->Color);
  // The transposition table would be looked up here, for the stored moves of
  // the current generation; nothing stores them yet, so there is no lookup.

  ListeIntersections candidats;
  PointsDeConnexion(candidats, p1, p2, d);
  if (candidats.Nombre == 0) {
    bool menace = RefutationsConnecterEn2(candidats, p1, p2, d);
    if (!menace) menace = RefutationsConnecterEn3(candidats, p1, p2, d);
    if (!menace && RechercheConnexion.Niveau >= 2) {
      FixeButMenace(BUT_CONNEXION, p1, p2);
      TraceMenace trace;
      menace = RefutationsMenaceConnexion(BUDGET_MENACE_CONNEXION, d, candidats, trace);
    }
    if (!menace) return RESULTAT_ATTEINT;
    if (candidats.Nombre == 0) return RESULTAT_ECHEC;
  }

  // Quick pass: a move after which the connecter has nothing left to try.
  ListeIntersections suite, exclus;
  for (int32_t m : candidats) {
    CoupTemporaire coup(m, d);
    if (!coup) continue;
    CoupsConnecter(0, suite, exclus, p1, p2);
    if (suite.Nombre == 0) return RESULTAT_ATTEINT;
  }
  int resultat = RESULTAT_ECHEC;
  for (int32_t m : candidats) {
    if (resultat == RESULTAT_ATTEINT) break;
    CoupTemporaire coup(m, d);
    if (!coup) continue;
    if (RechercheConnexion.Debug) EcritCoupDebug(m);
    resultat = std::max(resultat, InverseResultat(ConnecterSimpleRecursif(p1, p2, profondeur + 1)));
  }
  return resultat;
}

// ---------------------------------------------------------------------------
// Drivers.

int ConnecterSimple(int32_t p1, int32_t p2, int32_t& coup, const int32_t* marques) {
  coup = -1;
  const int e = Evidence(p1, p2);
  if (e >= 0) {
    if (e == 1) coup = COUP_PASSE;
    return e == 1 ? RESULTAT_ATTEINT : RESULTAT_ECHEC;
  }
  const int c = Col(p1);
  ListeIntersections candidats, exclus;
  CoupsConnecter(0, candidats, exclus, p1, p2);
  for (int niveau = 1; niveau <= NiveauLePlusHaut && coup < 0; niveau++) {
    const GardeRecherche garde(niveau, Reglages.LimiteNoeudsConnexion);
    for (int32_t m : candidats) {
      if (Marque(marques, m, p1, p2)) continue;
      RechercheConnexion.CompteurNoeuds = 0;
      CoupTemporaire joue(m, c);
      if (!joue) continue;
      const int v = Racine(DeconnecterSimpleRecursif(p1, p2, 1));
      RechercheConnexion.Debug = 0;
      if (v == RESULTAT_ECHEC) {
        coup = m;
        break;
      }
    }
  }
  return coup >= 0 ? RESULTAT_ATTEINT : RESULTAT_ECHEC;
}

int ChercheCoupDeconnecter(int32_t p1, int32_t p2, int32_t& coup) {
  coup = -1;
  const int e = Evidence(p1, p2);
  if (e >= 0) {
    if (e == 0) coup = COUP_PASSE;
    return e == 0 ? RESULTAT_ATTEINT : RESULTAT_ECHEC;
  }
  const int d = Adversaire(Col(p1));
  const GardeRecherche garde(NiveauLePlusHaut, Reglages.LimiteNoeudsConnexion);
  RechercheConnexion.Debug = 0;
  ListeIntersections candidats;
  CoupsDeconnecter(candidats, p1, p2, d);
  for (int32_t m : candidats) {
    RechercheConnexion.CompteurNoeuds = 0;
    CoupTemporaire joue(m, d);
    if (joue && Racine(ConnecterSimpleRecursif(p1, p2, 1)) != RESULTAT_ATTEINT) {
      coup = m;
      return RESULTAT_ATTEINT;
    }
  }
  return RESULTAT_ECHEC;
}

int TousCoupsConnecter(int32_t p1, int32_t p2, ListeIntersections& liste, const int32_t* marques) {
  Vide(liste);
  if (Evidence(p1, p2) != -1) return 0;
  const int c = Col(p1);
  const GardeRecherche garde(1, Reglages.LimiteNoeudsConnexion);
  ListeIntersections candidats, exclus;
  CoupsConnecter(1, candidats, exclus, p1, p2);
  for (int32_t m : candidats) {
    if (Marque(marques, m, p1, p2)) continue;
    RechercheConnexion.CompteurNoeuds = 0;
    CoupTemporaire joue(m, c);
    if (joue && Racine(DeconnecterSimpleRecursif(p1, p2, 1)) == RESULTAT_ECHEC)
      AjouteSiAbsent(liste, m);
  }
  return liste.Nombre;
}

int TousCoupsDeconnecter(int32_t p1, int32_t p2, ListeIntersections& liste) {
  bool tous = false;
  return CoupsDeconnecterValant(p1, p2, liste, tous);
}

bool TousCoupsMenaceDeconnecter(int32_t p1, int32_t p2, ListeIntersections& liste) {
  Vide(liste);
  if (Evidence(p1, p2) != -1) return false;
  const int d = Adversaire(Col(p1));
  const GardeRecherche garde(
      1, std::min(Reglages.LimiteNoeudsConnexion, LIMITE_NOEUDS_MENACE_DECONNECTER));
  ListeIntersections candidats;
  CoupsMenaceDeconnecter(candidats, p1, p2, d);
  for (int32_t m : candidats) {
    RechercheConnexion.CompteurNoeuds = 0;
    CoupTemporaire joue(m, d);
    if (joue && Racine(DeconnecterSimpleRecursif(p1, p2, 1)) != RESULTAT_ECHEC)
      AjouteSiAbsent(liste, m);
  }
  return liste.Nombre > 0;
}

// ---------------------------------------------------------------------------
// Stages.

void CalculConnexions() {
  VideListeConnexions(ConnexionsACalculer);
  VideListeConnexions(ConnexionsValides);
  EnsembleIntersections vues;  // Numbers of the strings already taken
  Vide(vues);
  for (int32_t p = 0; p < NbIntersections; p++) {
    const String* s = StringIntersection[p];
    if (!s || Contient(vues, s->Number)) continue;
    Ajoute(vues, s->Number);
    const int c = s->Color;
    EnsembleIntersections lies;  // Numbers of the partners already paired
    Vide(lies);
    auto paire = [&](int32_t q) {
      const String* t = Chaine(q);
      if (!t || t->Color != c || t == s || Contient(lies, t->Number)) return;
      Ajoute(lies, t->Number);
      Connexion r;
      r.Couleur = c;
      r.Ancre1 = std::min(s->Ancre, t->Ancre);
      r.Ancre2 = std::max(s->Ancre, t->Ancre);
      AjouteConnexion(ConnexionsACalculer, r);
    };
    for (int32_t l : s->Libertes)
      for (int32_t q : Voisins[l]) {
        paire(q);
        if (Col(q) == VIDE) {
          for (int32_t r : Voisins[q]) {
            paire(r);
            if (Col(r) == VIDE)
              for (int32_t t : Voisins[r]) paire(t);
          }
          continue;
        }
        const String* u = Chaine(q);
        if (u && u->Color == c && u != s)
          for (int32_t m : u->Libertes)
            for (int32_t r : Voisins[m]) paire(r);
      }
    for (const String* e : s->Voisines) {
      if (e->NbLibertes() >= 5) continue;
      for (const String* f : e->Voisines) paire(f->Ancre);
      for (int32_t l : e->Libertes)
        for (int32_t q : Voisins[l]) paire(q);
    }
  }
}

void CalculeJeuxConnecter() {
  const GardeTracesActives garde;
  for (int i = 0; i < ConnexionsACalculer.Nombre; i++) {
    Connexion r = ConnexionsACalculer.Elements[i];
    OuvreCalcul(r);
    const int32_t* marques = MarquesCouleur(r.Couleur);
    int32_t coup = -1;
    if (ConnecterSimple(r.Ancre1, r.Ancre2, coup, marques) == RESULTAT_ATTEINT) r.Connectable = 1;
    // Solid only when the pair connects and every disconnecter try was
    // answered by a sure connection: an unknown answer never makes it solid.
    if (Reglages.EvaluationEnCours) {
      int32_t coupe = -1;
      if (r.Connectable && ChercheCoupDeconnecter(r.Ancre1, r.Ancre2, coupe) != RESULTAT_ATTEINT)
        r.Solide = 1;
    } else if (r.Connectable) {
      // A pair the connecter cannot join has no move to stop: every try of
      // the disconnecter would "cut" it.
      ListeIntersections coups;
      bool tousConnectes = false;
      CoupsDeconnecterValant(r.Ancre1, r.Ancre2, coups, tousConnectes);
      CopieCoups(r.CoupsEmpecher, coups, r);
      if (tousConnectes) {
        r.Solide = 1;
      } else {
        TousCoupsConnecter(r.Ancre1, r.Ancre2, coups, marques);
        CopieCoups(r.CoupsAtteindre, coups, r);
      }
    }
    AjouteConnexion(ConnexionsValides, r);
    RechercheConnexion.Debug = 0;
  }
}

void CalculeMenacesDeDeconnecter() {
  VideListeConnexions(MenacesDeconnecter);
  const GardeTracesActives garde;
  for (int i = 0; i < ConnexionsValides.Nombre; i++) {
    if (!ConnexionsValides.Elements[i].Solide) continue;
    Connexion r = ConnexionsValides.Elements[i];
    OuvreCalcul(r);
    Vide(r.CoupsAtteindre);
    ListeIntersections coups;
    if (TousCoupsMenaceDeconnecter(r.Ancre1, r.Ancre2, coups)) {
      CopieCoups(r.CoupsEmpecher, coups, r);
      AjouteConnexion(MenacesDeconnecter, r);
    }
  }
}

int NombreObjectifsConnexion() {
  return ConnexionsValides.Nombre;
}

ObjectifConnexion ObjectifConnexionNumero(int i) {
  ObjectifConnexion o;
  if (i < 0 || i >= ConnexionsValides.Nombre) return o;
  const Connexion& r = ConnexionsValides.Elements[i];
  o.Couleur = r.Couleur;
  o.Ref1 = r.Ancre1;
  o.Ref2 = r.Ancre2;
  o.CoupsAmi = &r.CoupsAtteindre;
  o.CoupsAutre = &r.CoupsEmpecher;
  return o;
}

void ReinitialiseConnexions() {
  VideListeConnexions(ConnexionsACalculer);
  VideListeConnexions(ConnexionsValides);
  VideListeConnexions(MenacesDeconnecter);
  RechercheConnexion = EtatConnexion{};
  ReinitialiseConnexionRapide();
}
