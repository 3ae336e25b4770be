#pragma once

// The analysis pipeline: the stages that turn the position of the incremental
// board into the results the move choice reads, in a fixed order.
//
// The full pipeline (AnalyseComplete) runs once per engine move:
//   CalculeStrings, jeux Prendre, jeux intersection, jeux Menaces De Prendre,
//   jeux Menaces Doubles De Prendre, jeux Connecter, jeux Menaces De Deconnecter,
//   jeux Oeil, jeux Vivre, CalculCV, CalculeVieStatique, CalculeInfluence.
// The short pipeline (AnalyseCourte) runs after each trial move of the move
// choice, on the board with the move played:
//   jeux intersection, jeux Prendre, jeux Connecter, jeux Menaces De Deconnecter,
//   jeux Oeil, jeux Vivre, CalculeVieStatique, CalculeInfluence.
// It leaves the strings (kept up to date by the board), the capture threats and
// CalculCV as the full pipeline left them.
//
// Reads: the incremental board. Leaves: each stage's own results (capture
// games, intersection safety, threats, ..., the static-life board, the
// enclosure maps, InfluenceAnalyse and ZonesAnalyse), the stage counters and
// the territory value in Analyse. Unless Silence, the full pipeline writes
// "chrono au depart", each stage's counters and a "chrono apres <stage>" line
// to the console. The incremental board is in the same position afterwards.

#include <cstdint>

// The stages, in the order of the full pipeline.
enum EtapeAnalyse : int32_t {
  ETAPE_STRINGS,
  ETAPE_PRENDRE,
  ETAPE_INTERSECTION,
  ETAPE_MENACES_PRENDRE,
  ETAPE_MENACES_DOUBLES,
  ETAPE_CONNECTER,
  ETAPE_MENACES_DECONNECTER,
  ETAPE_OEIL,
  ETAPE_VIVRE,
  ETAPE_CV,
  ETAPE_VIE_STATIQUE,
  ETAPE_INFLUENCE,
  NOMBRE_ETAPES
};

// The full pipeline, in order: every stage.
inline constexpr EtapeAnalyse EtapesAnalyseComplete[] = {
    ETAPE_STRINGS,         ETAPE_PRENDRE,   ETAPE_INTERSECTION,        ETAPE_MENACES_PRENDRE,
    ETAPE_MENACES_DOUBLES, ETAPE_CONNECTER, ETAPE_MENACES_DECONNECTER, ETAPE_OEIL,
    ETAPE_VIVRE,           ETAPE_CV,        ETAPE_VIE_STATIQUE,        ETAPE_INFLUENCE};
// The short pipeline, in order.
inline constexpr EtapeAnalyse EtapesAnalyseCourte[] = {
    ETAPE_INTERSECTION, ETAPE_PRENDRE, ETAPE_CONNECTER,    ETAPE_MENACES_DECONNECTER,
    ETAPE_OEIL,         ETAPE_VIVRE,   ETAPE_VIE_STATIQUE, ETAPE_INFLUENCE};

// The stage's name as its timing line writes it ("jeux Prendre").
const char* NomEtape(EtapeAnalyse etape);

struct EtatAnalyse {
  // Counters of the last run of the stages.
  int32_t NombrePrisesACalculer;
  int32_t NombrePrisesValides;
  int32_t NombreConnexionsACalculer;
  int32_t NombreConnexionsValides;
  int32_t NombreYeuxValides;
  int32_t NombreViesValides;
  int32_t NombreCVACalculer;
  int32_t NombreCVValides;
  // Territory value of the analysed position, left by the stage CalculeInfluence.
  int32_t ValeurTerritoire;
  // Wall time in seconds of each stage at its last run, and the
  // number of runs since the last reset (for the benchmarks and diagnostics).
  double Secondes[NOMBRE_ETAPES];
  int64_t Executions[NOMBRE_ETAPES];
};
extern EtatAnalyse Analyse;

// The full pipeline on the position of the incremental board: the board is
// rebuilt from its own position first (its ko point and undo history are
// dropped), then every stage runs in order.
void AnalyseComplete();

// The short pipeline, after a trial move played on the incremental board
// (normally with EvaluationEnCours on). Writes no line.
void AnalyseCourte();

// Runs one stage alone, with its counters and time, as the pipelines run it
// (for the benchmarks and debug commands; the stages before it must have run).
void ExecuteEtape(EtapeAnalyse etape);

// Where the timing lines read their seconds: the game's stopwatch (time since
// the engine's turn began), which the program hands over at start-up. Until
// then (tests, benchmarks), the seconds since the first timing line.
using SourceSecondes = double (*)();
void FixeChronoAnalyse(SourceSecondes source);

// Zeroes the counters and times (for tests).
void ReinitialiseAnalyse();
