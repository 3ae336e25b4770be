#pragma once

// Groups and their status: strings of one colour taken as one unit (strings
// joined by sure connections, with the dead strings they surround), each with
// its liberties to the fourth distance, eyes, lives, enclosure, value and a
// life estimate F from 0 (lost) to 1 (safe).
//
// Reads: the analysis board and its strings (board/incremental.h); the capture
// games (tactics/prise.h: PrisesValides); intersection safety
// (tactics/intersections.h: PierrePerdueAmi/Ennemi); the connections, the
// non-transitive triples, the connections to empty points and the life
// records (analysis/liens.h, filled by the pipeline's stages); the eye table
// (analysis/yeux.h); the static-life board (analysis/viestatique.h); the
// enclosure and the territory map (analysis/influence.h); the eye-point maps
// and the eye regions (analysis/pointsoeil.h, analysis/regions.h); the last
// five through the small readers of analysis/lectures_groupes.h.
//
// Leaves: the table `Groupes` (records indexed from 1, per-point and
// per-string maps, the owner map of the shape steps), read by the group
// connection goals, the status board, the static values and the move choice.
// Written only by FormeGroupes / FormeGroupesCourte (and, for Stable, the
// stabilising lists, "Att" and "Def", by the static values; the lost groups'
// adherent points in the owner map, by the static values too).
// CalculeDamierStatut then builds the status board (influence.h: Statut).
//
// The two further steps of the full form fill `Groupes.Proprietaire`, the
// owner of each point as the shape steps of the static values see it:
//   1. Settled ground: a stone belongs to its colour on the static-life board
//      (a string that cannot be saved already counts for its capturer there);
//      an empty point belongs to the colour the territory map gives it.
//   2. Sole reach: an empty point still without owner that only one colour
//      reaches (adherence class 1 or 2) belongs to that colour. What is left
//      at 0 is the boundary both sides still dispute.

#include <cstdint>
#include <cstdio>

#include "base/liste.h"
#include "board/damier.h"
#include "board/goban.h"

struct Prise;

inline constexpr int MAX_GROUPES = 361;
inline constexpr int MAX_YEUX_GROUPE = 20;
inline constexpr int MAX_VIES_GROUPE = 20;
inline constexpr int MAX_JEUX_PRISE_GROUPE = 100;
// Groups a string belongs to: its own, and for the pivot of non-transitive
// connections those of the strings it connects.
inline constexpr int MAX_GROUPES_STRING = 4;
// Anchors in the group set and the connected set of a string, and neighbour
// strings of a string.
inline constexpr int MAX_ANCRES_GROUPE = 180;

using ListeAncres = Liste<MAX_ANCRES_GROUPE>;

// Liberties at one distance: the points in order and a set refusing duplicates.
struct LibertesDistance {
  ListeIntersections Points;
  EnsembleIntersections Ensemble;
  int Nombre() const { return Points.Nombre; }
  void Vide();
  // Adds p once; 1 if added.
  int Ajoute(int32_t p);
};

struct Group {
  int32_t Number = 0;
  int32_t Color = 0;      // 1 Ami, 2 Ennemi
  ListeIntersections Ch;  // anchors of its strings
  LibertesDistance L, L2, L3, L4;
  ListeIntersections PP;       // stones of next enemy strings that cannot be saved
  ListeIntersections PEtoile;  // "P*": stones of next enemy strings capturable but savable
  ListeIntersections IP;       // points where an opposing stone would be lost, next to its class
  int32_t NbJeuxPrise = 0;
  const Prise* JeuxPrise[MAX_JEUX_PRISE_GROUPE];
  int32_t ScoreAdherence = 0;
  int32_t V = 0;
  int32_t IM = 0;
  ListeIntersections PointsContestes;
  ListeIntersections VidesPropres;
  ListeIntersections Adherence;
  int32_t Enferme = 0, Enfermable = 0, Sorti = 0, Sortable = 0;
  ListeIntersections T;       // liberties (three distances) in its colour's territory
  ListeIntersections Enclos;  // liberties (three distances) in its colour's enclosed area
  int32_t YRG = 0, YREtoile = 0;
  ListeIntersections YC, YP;
  ListeIntersections Att, Def;
  Liste<MAX_GROUPES> Adjacents;
  int32_t VoisinEnnemiFaible = 0, Course = 0, VoisinAmiSur = 0, Perdu = 0;
  float PlusFaibleEnnemi = 1.0f;
  Liste<MAX_GROUPES> ListeCourse;
  // Eyes (indices into the eye table) and lives (indices into Liens.Vies).
  Liste<MAX_YEUX_GROUPE> YG, YEtoile;
  Liste<MAX_VIES_GROUPE> VG, VEtoile;
  int32_t Mort = 0;
  int32_t Vivant = 0;
  int32_t PeutVivre = 0;  // lives if it plays first
  ListeIntersections CoupsVivre, CoupsTuer;
  float F = 0.0f;
  // F was settled by the capture game of its one string (0.5): the neighbour
  // adjustment leaves it.
  int32_t FFixe = 0;
  // Written by the static values.
  int32_t Stable = 0;
  ListeIntersections CoupsStables;

  // Empties every count and list; keeps number and colour.
  void Initialise(int32_t numero, int32_t couleur);
  // Adds the eye of index i of the eye table to "YG" or "Y*" (bounded lists).
  // A full list drops the eye with its "Pb" line and changes nothing else: a
  // group with MAX_YEUX_GROUPE eyes in either list is already alive, and the
  // lists are read only for that count and, for a group not alive, their moves.
  void AjouteOeil(int i);
  // Adds the life of index i of Liens.Vies to "VG" or "V*".
  void AjouteVie(int i);
  // Adds a capture game, once per string.
  void AjouteJeuPrise(const Prise* jeu);
};

struct EtatGroupes {
  // The fill mark: number of groups plus one. Groups are Table[1] .. Table[Fin - 1].
  int32_t Fin = 1;
  Group Table[MAX_GROUPES + 2];
  int32_t GroupePoint[NB_INTERSECTIONS_MAX] = {};                 // 0 on an empty point
  int32_t GroupeString[NB_INTERSECTIONS_MAX] = {};                // by string anchor
  Liste<MAX_GROUPES_STRING> GroupesString[NB_INTERSECTIONS_MAX];  // by anchor, own group first
  // Owner of each point for the shape steps (0 none, 1, 2).
  int32_t Proprietaire[NB_INTERSECTIONS_MAX] = {};
  // Adherence classes of the points (last computation).
  int32_t Classe[NB_INTERSECTIONS_MAX] = {};
};
extern EtatGroupes Groupes;

inline int NombreGroupes() {
  return Groupes.Fin - 1;
}
inline Group& GroupeDe(int32_t numero) {
  return Groupes.Table[numero];
}

// FormeGroupes(): rebuilds every group and its fields from the results of the
// full pipeline. FormeGroupesCourte(): the same after a trial move, without the
// two owner-map steps. Neither plays a move: the board is unchanged.
void FormeGroupes();
void FormeGroupesCourte();

// Eye counts of the groups from the eye regions: "YRG", "YR*", "YC", "YP" and
// the vital moves into the moves to live and to kill, "Att" and "Def".
void InitialiseRegionsGroupes();

// Base life estimate of group g, then its adjustment from its neighbours
// (enclosure, importance and races are computed on the base F of every group
// first, so the result does not depend on the order of the groups).
void CalculeF(Group& g);
void AjusteF();

// The status board (analysis/influence.h): every stone takes its group's
// colour, the other colour if the group is dead, and its group's F as its
// estimate (1.0 when dead).
void CalculeDamierStatut();

// The group printer and the list printer.
void ImprimeGroupe(std::FILE* f, const Group& g);
void ImprimeGroupes(std::FILE* f);

// Empties the table and the maps (the tests call it in SetUp).
void ReinitialiseGroupes();
