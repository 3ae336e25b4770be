#pragma once

// The connection search: for pairs of chains of one colour lying close
// together, can their owner (the connecter) join them moving first, and can the
// opponent (the disconnecter) keep them apart moving first. The mutually
// recursive ConnecterSimpleRecursif / DeconnecterSimpleRecursif, the drivers
// over them, and three stages: CalculConnexions lists the pairs, "jeux
// Connecter" (CalculeJeuxConnecter) fills the connection list, "jeux Menaces De
// Deconnecter" (CalculeMenacesDeDeconnecter) the list of disconnection threats.
// Every search plays and takes back its moves: the board is the same after any
// call.
//
// The search is threat-based: the disconnecter only plays where the connecter
// threatens to connect; with no threat left the pair is disconnected. A pair is
// named by its two anchors, smaller first. Values are those of
// base/resultats.h, seen from the side to move.

#include <cstdint>

#include "base/reglages.h"
#include "base/resultats.h"
#include "board/incremental.h"

inline constexpr int MAX_COUPS_CONNEXION = 29;
inline constexpr int MAX_CONNEXIONS = 1000;
inline constexpr int CI_MAX = 49;
// Widening levels of the disconnecter's move generation.
inline constexpr int NIVEAU_CONNEXION_MAX = 2;
// The node limit of the threat driver's root searches.
inline constexpr int LIMITE_NOEUDS_MENACE_DECONNECTER = 100;

using CoupsConnexion = Liste<MAX_COUPS_CONNEXION>;

// A connection game: one per pair examined.
struct Connexion {
  int32_t Couleur = 0;  // the connecter
  int32_t Ancre1 = 0;   // the smaller anchor
  int32_t Ancre2 = 0;
  CoupsConnexion CoupsAtteindre;  // the connecter's connecting moves
  CoupsConnexion CoupsEmpecher;   // the disconnecter's moves
  int32_t Solide = 0;       // connected even if the disconnecter moves first
  int32_t Connectable = 0;  // the connecter, moving first, connects
  EnsembleIntersections TraceA{};
  EnsembleIntersections TraceB{};
};

// A list of records with its per-point index keyed by the smaller anchor.
struct ListeConnexions {
  int32_t Nombre = 0;
  Connexion Elements[MAX_CONNEXIONS];
  int32_t NombreIndex[NB_INTERSECTIONS_MAX] = {};
  int32_t Index[NB_INTERSECTIONS_MAX][CI_MAX] = {};
  const Connexion* begin() const { return Elements; }
  const Connexion* end() const { return Elements + Nombre; }
};

// The pairs to examine, the connections found, the disconnection threats.
extern ListeConnexions ConnexionsACalculer;
extern ListeConnexions ConnexionsValides;
extern ListeConnexions MenacesDeconnecter;

// The search's state: its node counter (set to 0 by the drivers before each
// root move), the nodes counted since start-up (for the benchmarks), the root
// searches since start-up whose answer the node or depth limit decided, the
// widening level and the debug flag.
struct EtatConnexion {
  int CompteurNoeuds = 0;
  uint64_t NoeudsCumules = 0;
  uint64_t LimitesAtteintes = 0;
  int Niveau = 1;
  int Debug = 0;
  int LimiteNoeuds = LIMITE_NOEUDS_CONNEXION;  // set by the drivers
};
extern EtatConnexion RechercheConnexion;

// Empties a list: its count and its index.
void VideListeConnexions(ListeConnexions& liste);
// Adds the record, or merges it into the record of the same pair (returns 0).
// A full index slot ("Erreur CI_MAX AjouteConnexion") or a full list drops it.
int AjouteConnexion(ListeConnexions& liste, const Connexion& r);
const Connexion* TrouveConnexion(const ListeConnexions& liste, int32_t a1, int32_t a2);

// ---------------------------------------------------------------------------
// Searches. p1 and p2 are stones of the two chains; depth 1 is the root.

// Connecter to move: RESULTAT_ATTEINT connected, RESULTAT_ECHEC not,
// RESULTAT_INCONNU a limit was hit.
int ConnecterSimpleRecursif(int32_t p1, int32_t p2, int profondeur);
// Disconnecter to move: RESULTAT_ATTEINT disconnected, RESULTAT_ECHEC connected.
int DeconnecterSimpleRecursif(int32_t p1, int32_t p2, int profondeur);

// ---------------------------------------------------------------------------
// Drivers. `marques`, when given, is the per-point mark of the connecter's
// colour (a stone there would be lost): liberties of either chain carrying it
// are not tried as connecting moves.

// RESULTAT_ATTEINT with a connecting move in coup, else RESULTAT_ECHEC.
int ConnecterSimple(int32_t p1, int32_t p2, int32_t& coup, const int32_t* marques = nullptr);
// RESULTAT_ATTEINT with a disconnecting move in coup (after which the
// connecter does not surely connect), else RESULTAT_ECHEC.
int ChercheCoupDeconnecter(int32_t p1, int32_t p2, int32_t& coup);
// Every connecting (disconnecting) move in the list; their number.
int TousCoupsConnecter(int32_t p1, int32_t p2, ListeIntersections& liste,
                       const int32_t* marques = nullptr);
int TousCoupsDeconnecter(int32_t p1, int32_t p2, ListeIntersections& liste);
// Every disconnecter move after which a second disconnecter move would cut;
// true if there is one.
bool TousCoupsMenaceDeconnecter(int32_t p1, int32_t p2, ListeIntersections& liste);

// ---------------------------------------------------------------------------
// Stages.

// Lists the pairs of chains to examine (and empties the connection list).
void CalculConnexions();
// "jeux Connecter": searches every listed pair, fills ConnexionsValides.
void CalculeJeuxConnecter();
// "jeux Menaces De Deconnecter": the threats against every solid connection.
void CalculeMenacesDeDeconnecter();

// The connection goals the move choice reads: owner, two string points, the
// owner's moves and the opponent's moves. One per record of ConnexionsValides.
struct ObjectifConnexion {
  int32_t Couleur = 0;
  int32_t Ref1 = 0;
  int32_t Ref2 = 0;
  const CoupsConnexion* CoupsAmi = nullptr;
  const CoupsConnexion* CoupsAutre = nullptr;
};
int NombreObjectifsConnexion();
ObjectifConnexion ObjectifConnexionNumero(int i);

// Empties the lists and restores the counters, level and debug flag (for tests).
void ReinitialiseConnexions();
