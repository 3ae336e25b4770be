#pragma once

// Influence, territory, zones and enclosure. Every stone spreads a weight over
// the points around it (positive for colour 1, negative for colour 2); the
// territory map turns the sum into a mark per point and a count; the zones cut
// the board into connected areas of one sign; the enclosure maps tell which
// points lie in an area walled in by one colour.
//
// Reads: the position the caller gives (the static-life board of the pipeline,
// or the status board DamierStatut of the move choice), the analysis board, the
// lost-stone flags of "jeux intersection" (enclosure only) and, for the status
// board, each group's colour, dead flag and estimate F (given by the groups).
// Leaves:
//   - in an EtatInfluence (InfluenceAnalyse for the pipeline and the move
//     choice, or one the caller owns): Influence, CarteTerritoire and the
//     territory value, written by CalculeInfluence then CalculeTerritoire;
//   - in a ZonesInfluence (ZonesAnalyse, or the caller's): the four zone
//     partitions, written by CalculeZones;
//   - in CartesEnclos: MurAmi/MurEnnemi, EnclosAmi/EnclosEnnemi and
//     EspaceOeilAmi/EspaceOeilEnnemi, written by Enfermement (called by
//     CalculeVieStatique), read by the eye points and regions;
//   - in Statut: DamierStatut and EstimationPierre, written after every group
//     computation.

#include <cstdint>
#include <cstdio>

#include "base/liste.h"
#include "board/goban.h"

// ---------------------------------------------------------------------------
// Influence and territory.

// Marks of the territory map.
inline constexpr int32_t TERRITOIRE_AMI = '@';
inline constexpr int32_t TERRITOIRE_ENNEMI = 'O';
inline constexpr int32_t TERRITOIRE_NEUTRE = '+';

struct EtatInfluence {
  // The position given to the last CalculeInfluence: CalculeTerritoire reads it.
  Damier Position;
  // Sum of the signed weights each point receives; positive for colour 1.
  int32_t Influence[NB_INTERSECTIONS_MAX];
  // '@', 'O' or '+' per point, left by CalculeTerritoire.
  int32_t CarteTerritoire[NB_INTERSECTIONS_MAX];
  // The value the last CalculeTerritoire returned: '@' points minus 'O' points.
  int32_t ValeurTerritoire;
  // Working counts of the territory map: marked friend (enemy) neighbours and
  // friend (enemy) stone neighbours of each point.
  int32_t VoisinsMarquesAmi[NB_INTERSECTIONS_MAX];
  int32_t VoisinsMarquesEnnemi[NB_INTERSECTIONS_MAX];
  int32_t VoisinsPierresAmi[NB_INTERSECTIONS_MAX];
  int32_t VoisinsPierresEnnemi[NB_INTERSECTIONS_MAX];
};

// The influence of the analysed position (pipeline) and of the trial moves.
extern EtatInfluence InfluenceAnalyse;

// Copies the position, clears Influence, then spreads every stone in point
// order. With brut the kernel weights are used as they are (the static-life
// board); without, each weight is multiplied by the stone's EstimationPierre
// (Statut) and truncated toward zero (the status board).
void CalculeInfluence(const Damier& position, bool brut, EtatInfluence& e = InfluenceAnalyse);

// Fills CarteTerritoire from the position and Influence of e, stores the value
// in e.ValeurTerritoire and returns it.
int32_t CalculeTerritoire(EtatInfluence& e = InfluenceAnalyse);

// Writes "TerritoireInfluence" and the territory map as a framed board.
void ImprimeTerritoire(std::FILE* f, const EtatInfluence& e = InfluenceAnalyse);

// The spreading kernels, for tests. PoidsInfluence(p, q): the weight a stone at
// p gives to q (0 outside its window), by the rule of the first line flag set
// for p.
int32_t PoidsInfluence(int32_t p, int32_t q);

// ---------------------------------------------------------------------------
// Influence zones.

// The four partitions of the board.
enum FamilleZone : int32_t {
  ZONES_INFLUENCE = 0,  // connected points of one sign of influence (>= 1, < 0, or 0)
  ZONES_POSITIVES = 1,  // connected points of influence >= 1
  ZONES_NEGATIVES = 2,  // connected points of influence < 0
  ZONES_FORTES = 3,     // connected empty points of influence above 10 (below -10)
  NOMBRE_FAMILLES_ZONES = 4
};

// Kinds of a zone.
inline constexpr int32_t ZONE_VIDE = 0;
inline constexpr int32_t ZONE_AMI = 1;
inline constexpr int32_t ZONE_ENNEMI = 2;

inline constexpr int MAX_ZONES = NB_INTERSECTIONS_MAX;

struct ZoneInfluence {
  int32_t Genre;       // ZONE_AMI, ZONE_ENNEMI or ZONE_VIDE
  int32_t Taille;      // points
  int32_t Territoire;  // empty points of influence >= 8 or <= -8 (influence zones only)
  int32_t Premier;     // the point the zone was opened from
  // Points of strong influence (>= 8, or <= -8 for an enemy zone) with a
  // neighbour of the same sign below that strength (influence zones only).
  Liste<NB_INTERSECTIONS_MAX> Frontiere;
};

struct ZonesInfluence {
  int32_t Nombre[NOMBRE_FAMILLES_ZONES];
  ZoneInfluence Zones[NOMBRE_FAMILLES_ZONES][MAX_ZONES];
  // Per point, its zone in each family, -1 for none.
  int32_t NumeroZone[NOMBRE_FAMILLES_ZONES][NB_INTERSECTIONS_MAX];
};

extern ZonesInfluence ZonesAnalyse;

// Rebuilds the four partitions from e.Influence (and e.Position for the empty
// points).
void CalculeZones(const EtatInfluence& e = InfluenceAnalyse, ZonesInfluence& z = ZonesAnalyse);

// The size of the zone of the family holding p, 0 when p is in none.
int32_t TailleZone(const ZonesInfluence& z, FamilleZone famille, int32_t p);

// Writes "NumeroZoneInfluence", the board of influence-zone numbers, then one
// line per influence zone.
void ImprimeZones(std::FILE* f, const ZonesInfluence& z = ZonesAnalyse);

// ---------------------------------------------------------------------------
// Enclosure.

struct CartesEnfermement {
  // The point walls in the area of colour 1 (colour 2).
  int32_t MurAmi[NB_INTERSECTIONS_MAX];
  int32_t MurEnnemi[NB_INTERSECTIONS_MAX];
  // The point lies in an area enclosed by colour 1 (colour 2).
  int32_t EnclosAmi[NB_INTERSECTIONS_MAX];
  int32_t EnclosEnnemi[NB_INTERSECTIONS_MAX];
  // The point is not a stone of that colour on the analysis board and it and all
  // its neighbours are enclosed by that colour: the seeds of the eye regions.
  int32_t EspaceOeilAmi[NB_INTERSECTIONS_MAX];
  int32_t EspaceOeilEnnemi[NB_INTERSECTIONS_MAX];
};

extern CartesEnfermement CartesEnclos;

// Fills CartesEnclos from the static-life board given, the analysis board
// (DamierIncremental) and the lost-stone flags. An area is enclosed by a colour
// when, flooding it through the points that are not walls of that colour, it
// meets no wall of the other colour and is bounded by walls of the colour; the
// area and its walls are then enclosed.
void Enfermement(const Damier& vieStatique);

// Writes "Enfermement" and the maps EnclosAmi / EnclosEnnemi as one framed
// board ('@' enclosed by colour 1, 'O' by colour 2, '#' by both, '+' neither).
void ImprimeEnfermement(std::FILE* f);

// ---------------------------------------------------------------------------
// The status board: the analysis board with every stone of a dead group given
// the other colour, and each stone's estimate. The groups build it, group by
// group, after every group computation (CalculeDamierStatut):
//   OuvreDamierStatut();
//   for each group: for each stone p: PoseStatutPierre(p, colour, dead, F);

struct EtatStatut {
  Damier DamierStatut;
  // Per stone of the status board: F of its group, 1.0 for a dead stone.
  float EstimationPierre[NB_INTERSECTIONS_MAX];
};
extern EtatStatut Statut;

// Copies the analysis board into DamierStatut and clears EstimationPierre.
void OuvreDamierStatut();
// The stone at p belongs to a group of colour couleur: it takes the other
// colour if the group is dead, and its estimate (1.0 for a dead group, else F).
void PoseStatutPierre(int32_t p, int couleur, bool mort, float F);

// ---------------------------------------------------------------------------

// Writes a per-point map framed as the boards of the trace: " / ", " - " per
// column, " \\"; each row " | ", then " %c " per point, then " | "; last
// " \\", " - " per column, " / ". marques holds each point's character.
void ImprimeCarte(std::FILE* f, const int32_t* marques);

// Clears every table of the module (for tests).
void ReinitialiseInfluence();
