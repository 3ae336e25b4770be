#include "analysis/pipeline.h"

#include <chrono>
#include <cstdio>
#include <iterator>

#include "analysis/influence.h"
#include "analysis/liens.h"
#include "analysis/vies.h"
#include "analysis/viestatique.h"
#include "analysis/yeux.h"
#include "base/trace.h"
#include "board/incremental.h"
#include "tactics/connexion.h"
#include "tactics/connexion_vide.h"
#include "tactics/intersections.h"
#include "tactics/menaces.h"
#include "tactics/non_transitives.h"
#include "tactics/prise.h"

EtatAnalyse Analyse;

namespace {

SourceSecondes sourceSecondes = nullptr;

// Seconds for the timing lines: the source given, else the time since the
// first call.
double Secondes() {
  if (sourceSecondes) return sourceSecondes();
  static const auto origine = std::chrono::steady_clock::now();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - origine).count();
}

// ---------------------------------------------------------------------------
// The stages. Each runs its module and copies its counters into Analyse.

// The strings rebuilt from the board's own position.
void CalculeStrings() {
  const Damier position = DamierIncremental;
  InitialiseDamierIncremental(position);
}

void JeuxPrendre() {
  InitialisePrises();
  CalculeJeuxPrendre();
  Analyse.NombrePrisesACalculer = PrisesACalculer.Nombre;
  Analyse.NombrePrisesValides = PrisesValides.Nombre;
}

void JeuxIntersection() {
  MarqueIntersectionsATester();
  CalculeJeuxIntersection();
}

void JeuxMenacesDePrendre() {
  CalculeMenacesDePrendre();
}

void JeuxMenacesDoublesDePrendre() {
  MenacesDoublesDePrendre();
}

// The groups read the connections through Liens: one link per record.
void RemplitLiensConnexions() {
  Liens.NbConnexions = 0;
  for (const Connexion& r : ConnexionsValides) {
    if (Liens.NbConnexions >= MAX_LIENS_CHAINES) {
      Signale("Pb RemplitLiensConnexions MAX_LIENS_CHAINES, paire %d-%d perdue\n", r.Ancre1,
              r.Ancre2);
      continue;
    }
    Liens.Connexions[Liens.NbConnexions++] = {r.Couleur, r.Ancre1, r.Ancre2, r.Solide,
                                              r.Connectable};
  }
}

void JeuxConnecter() {
  CalculConnexions();
  CalculeJeuxConnecter();
  Analyse.NombreConnexionsACalculer = ConnexionsACalculer.Nombre;
  Analyse.NombreConnexionsValides = ConnexionsValides.Nombre;
  RemplitLiensConnexions();
}

// The triples the groups keep apart, as pivot and the two strings it links.
void RemplitLiensTriples() {
  const ListeTriples& t = NonTransitives.Triples;
  Liens.NbTriples = 0;
  for (int i = 0; i + 2 < t.Nombre; i += 3)
    Liens.Triples[Liens.NbTriples++] = {t[i], t[i + 1], t[i + 2]};
}

// The non-transitive connections need the threats: found here, in both
// pipelines, so the groups built next see them.
void JeuxMenacesDeDeconnecter() {
  CalculeMenacesDeDeconnecter();
  ConnexionsNonTransitives();
  RemplitLiensTriples();
}

void JeuxOeil() {
  InitialiseYeux();
  Analyse.NombreYeuxValides = NombreYeuxValides();
}

// The life records of both colours (none with PanicMode above 0).
void JeuxVivreEtape() {
  JeuxVivre();
  Analyse.NombreViesValides = LesVies.NombreViesValides;
}

// The groups read the accepted connections to empty points through Liens.
void RemplitLiensVides() {
  Liens.NbLiensVides = 0;
  for (int32_t p = 0; p < NbIntersections; p++) Liens.NbIndexVide[p] = 0;
  for (const ConnexionAuVide& r : CVValides)
    AjouteLienVide({r.Couleur, r.Ancre, r.Point, r.Connecte});
}

void JeuxCV() {
  InitialiseCV();
  CalculCV();
  Analyse.NombreCVACalculer = CVACalculer.Nombre;
  Analyse.NombreCVValides = CVValides.Nombre;
  RemplitLiensVides();
}

// Influence of the static-life board with raw weights, zones, territory map.
void InfluenceEtTerritoire() {
  CalculeInfluence(VieStatique.DamierVieStatique, true);
  CalculeZones();
  Analyse.ValeurTerritoire = CalculeTerritoire();
}

// ---------------------------------------------------------------------------
// Counter lines of the full pipeline.

void LignesPrendre() {
  Console("NombrePrisesACalculer %d\n", Analyse.NombrePrisesACalculer);
  Console("NombrePrisesValides %d\n", Analyse.NombrePrisesValides);
}
void LignesConnecter() {
  Console("NombreConnexionsACalculer %d\n", Analyse.NombreConnexionsACalculer);
  Console("NombreConnexionsValides %d\n", Analyse.NombreConnexionsValides);
}
void LignesOeil() {
  Console("NombreYeuxValides %d\n", Analyse.NombreYeuxValides);
}
void LignesVivre() {
  Console("NombreViesValides %d\n", Analyse.NombreViesValides);
}
void LignesCV() {
  Console("NombreCVACalculer %d\n", Analyse.NombreCVACalculer);
  Console("NombreCVValides %d\n", Analyse.NombreCVValides);
}

struct Etape {
  EtapeAnalyse Numero;
  const char* Nom;  // as the timing line writes it
  void (*Calcule)();
  void (*Compteurs)();  // null: no counter line
};

// Every stage, in the order of the full pipeline (EtapesAnalyseComplete).
constexpr Etape EtapesCompletes[] = {
    {ETAPE_STRINGS, "CalculeStrings", CalculeStrings, nullptr},
    {ETAPE_PRENDRE, "jeux Prendre", JeuxPrendre, LignesPrendre},
    {ETAPE_INTERSECTION, "jeux intersection", JeuxIntersection, nullptr},
    {ETAPE_MENACES_PRENDRE, "jeux Menaces De Prendre", JeuxMenacesDePrendre, nullptr},
    {ETAPE_MENACES_DOUBLES, "jeux Menaces Doubles De Prendre", JeuxMenacesDoublesDePrendre,
     nullptr},
    {ETAPE_CONNECTER, "jeux Connecter", JeuxConnecter, LignesConnecter},
    {ETAPE_MENACES_DECONNECTER, "jeux Menaces De Deconnecter", JeuxMenacesDeDeconnecter, nullptr},
    {ETAPE_OEIL, "jeux Oeil", JeuxOeil, LignesOeil},
    {ETAPE_VIVRE, "jeux Vivre", JeuxVivreEtape, LignesVivre},
    {ETAPE_CV, "CalculCV", JeuxCV, LignesCV},
    {ETAPE_VIE_STATIQUE, "CalculeVieStatique", CalculeVieStatique, nullptr},
    {ETAPE_INFLUENCE, "CalculeInfluence", InfluenceEtTerritoire, nullptr},
};
static_assert(std::size(EtapesCompletes) == NOMBRE_ETAPES);

constexpr bool TableDansLOrdre() {
  for (int i = 0; i < NOMBRE_ETAPES; i++)
    if (EtapesCompletes[i].Numero != i || EtapesAnalyseComplete[i] != i) return false;
  return true;
}
static_assert(TableDansLOrdre());

// Runs one stage and keeps its time.
void Execute(const Etape& etape) {
  const auto debut = std::chrono::steady_clock::now();
  etape.Calcule();
  const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
  Analyse.Secondes[etape.Numero] = duree.count();
  Analyse.Executions[etape.Numero]++;
}

}  // namespace

const char* NomEtape(EtapeAnalyse etape) {
  if (etape < 0 || etape >= NOMBRE_ETAPES) return "";
  return EtapesCompletes[etape].Nom;
}

void AnalyseComplete() {
  const bool lignes = !Silence;
  if (lignes) Console("chrono au depart %f sec.\n", Secondes());
  for (EtapeAnalyse numero : EtapesAnalyseComplete) {
    const Etape& etape = EtapesCompletes[numero];
    Execute(etape);
    if (!lignes) continue;
    if (etape.Compteurs) etape.Compteurs();
    Console("chrono apres %s %f sec.\n", etape.Nom, Secondes());
    std::fflush(SortieConsole());
  }
}

void AnalyseCourte() {
  for (EtapeAnalyse numero : EtapesAnalyseCourte) Execute(EtapesCompletes[numero]);
}

void ExecuteEtape(EtapeAnalyse etape) {
  if (etape >= 0 && etape < NOMBRE_ETAPES) Execute(EtapesCompletes[etape]);
}

void FixeChronoAnalyse(SourceSecondes source) {
  sourceSecondes = source;
}

void ReinitialiseAnalyse() {
  Analyse = EtatAnalyse{};
}
