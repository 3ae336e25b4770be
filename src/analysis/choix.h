#pragma once

// The engine's move choice: which move colour 1 (Ami) plays on a position where
// the opponent is colour 2 (Ennemi).
//
// Reads: the position and the engine's clock it is given; every stage of the
// full and short pipelines (analysis/pipeline.h), the groups
// (analysis/groupes.h), the status board, influence, zones and territory map
// (analysis/influence.h), the static values (analysis/valeurs.h), the double
// capture threats (tactics/menaces.h) and the connection goals
// (analysis/objectifs.h).
// Leaves: the tables of `Choix` (TableValeurs and ProprietairePoint carry over
// to the next move; the rest is rebuilt at every move), NumeroCoup, and the
// search settings it sets (Reglages.PanicMode). The game layer's ChoisitCoup
// (game/moteur.h) hands it DamierCourant and the engine's clock.
//
// Order of one engine move: FixePanicMode, AnalysePosition (goban.gob, the
// initial analysis, CalculeValeursCoups with its trial moves, the value board),
// then the choice rule.

#include <cstdint>
#include <cstdio>

#include "base/liste.h"
#include "board/goban.h"

// The engine's move counter for the trace: 1 at start-up, +2 at each engine move.
extern int NumeroCoup;

// Build-time settings of the move choice.
inline constexpr bool PanicPermis = true;
inline constexpr int NiveauPanic = 4;
inline constexpr bool DepartageContact = true;
// A trial that measured a net loss of this much keeps it: no static value, no bonus.
inline constexpr int32_t PERTE_MESUREE = 5;
// When on, each capture game that is capturable and can be saved becomes a goal
// of its capturer (value V of the string's group) even when no weak group
// stands next to it. Off: against GNU Go level 1 it lost by more (mean margin
// -62 against -47 over 30 games each); to be measured again once the groups
// know their lives and connections.
inline constexpr bool JeuxPriseObjectifs = false;

using ListeCoups = Liste<NB_INTERSECTIONS_MAX>;

// What the engine reads of the game's clocks: the time its own clock shows
// (PanicMode), and the stopwatch of the engine's turn for the timing lines
// (null: 0 is written).
struct HorlogeMoteur {
  int32_t Heures = 0;
  int32_t Minutes = 0;
  double (*Secondes)() = nullptr;
};

struct EtatChoix {
  int32_t TableValeurs[NB_INTERSECTIONS_MAX] = {};
  int32_t ProprietairePoint[NB_INTERSECTIONS_MAX] = {};
  int32_t MaxAmi[NB_INTERSECTIONS_MAX] = {};
  int32_t MaxEnnemi[NB_INTERSECTIONS_MAX] = {};
  int32_t GainAmi[NB_INTERSECTIONS_MAX] = {};
  int32_t GainEnnemi[NB_INTERSECTIONS_MAX] = {};
  int32_t MarqueObjectifGroupe[NB_INTERSECTIONS_MAX] = {};
  // A friend trial move was played at the point in the last evaluation.
  int32_t EssaiAmi[NB_INTERSECTIONS_MAX] = {};
  // Enemy moves made pointless by a friend move at the point: a set, so that
  // goals meeting at one point never overflow it.
  EnsembleIntersections CoupsEnnemisEmpeches[NB_INTERSECTIONS_MAX] = {};
  ListeCoups CoupsAmis;
  ListeCoups CoupsEnnemis;
  int32_t EvaluationInitiale = 0;
  int32_t EvaluationTerritoriale = 0;
  int32_t SeuilMax = 0;
  // The split of the last AnalysePosition, for the benchmarks: seconds of the
  // initial analysis, the static values and the trial moves; trial moves played.
  double SecondesAnalyse = 0;
  double SecondesValeurs = 0;
  double SecondesEssais = 0;
  int32_t NombreEssais = 0;
  // The stopwatch of the move being chosen.
  double (*Secondes)() = nullptr;
};
extern EtatChoix Choix;

// Chooses the move of colour 1 on the position, the engine's clock deciding
// PanicMode. The pass flag is set to 1; when a point is chosen it is written to
// point and the flag set to 0 (point is left alone on a pass).
void ChoisitCoupPosition(const Damier& position, const HorlogeMoteur& horloge, int32_t& point,
                         int& passe);

// PanicMode from the engine's clock; writes "PanicMode=%d", then AnalysePosition.
void FixePanicMode(const Damier& position, const HorlogeMoteur& horloge);
// The level the settings and the clock give (0 to 3).
int NiveauPanicHorloge(const HorlogeMoteur& horloge);

// "goban.gob", the pictures, the initial analysis, CalculeValeursCoups into
// TableValeurs, the value board and the evaluation lines.
void AnalysePosition(const Damier& position);

// The initial analysis of the position on the incremental board (built from it).
void AnalyseInitiale(const Damier& position);

// BilanTerritoire + EvaluationPierres of the analysis board as it stands.
int32_t Evaluation();
int32_t BilanTerritoire();
int32_t EvaluationPierres();

// The candidate moves of both sides and their upper bounds from every goal.
void InitialiseCoups();

// The value of the group connection goal between groups a and b.
int32_t ValeurConnexionGroupes(int32_t a, int32_t b);

// Measures the candidates with trial moves on the incremental board; fills
// table for the friend candidates. The board is back as it was on return.
void EvaluationCoupsGlobale(int32_t* table);

// The final value of every point: measured gains, static values and bonuses.
void CalculeValeursCoups(int32_t* table);
// The final value of one point from its measured value (essai: a friend trial
// move was played there) and its static values.
int32_t ValeurFinale(int32_t mesure, bool essai, int32_t deltaCV, int32_t territoriale,
                     int32_t bonus);

// The choice rule over TableValeurs and ProprietairePoint on the position:
// the point chosen, or -1 for a pass.
int32_t MeilleurCoup(const Damier& position);

// The value board, as the trace shows it.
void ImprimeValeurs(std::FILE* f, const Damier& position, const int32_t* table);

// Empties every table of the module (for tests).
void ReinitialiseChoix();
