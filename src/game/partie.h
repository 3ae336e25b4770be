#pragma once

// The game: its position, whose turn it is, and the history of its moves with
// the exact change log that steps back through them. Needs only the board, so
// the engine may read DamierCourant and the colours.

#include <cstdint>

#include "board/goban.h"
#include "game/moteur.h"

inline constexpr int MAX_COUPS_HISTORIQUE = 1000;
inline constexpr int MAX_MODIFICATIONS = 1000;

// ModeJeu
inline constexpr int MODE_DEUX_JOUEURS = 2;
inline constexpr int MODE_CONTRE_ILVANE = 3;

// Genres of the change log: the content of a point before and after a change.
inline constexpr int ANCIEN_CONTENU = 1;
inline constexpr int NOUVEAU_CONTENU = 2;

// Every change of a point, as a pair: old content, then new. A move's own point
// comes first (old content 0), then one pair per captured stone; a pass logs
// (COUP_PASSE, 0) and (COUP_PASSE, colour).
struct Journal {
  int32_t Nombre;
  uint8_t Genre[MAX_MODIFICATIONS];
  int32_t Point[MAX_MODIFICATIONS];
  uint8_t Valeur[MAX_MODIFICATIONS];
};

// The whole state of the game, reset by ReinitialisePartie.
struct EtatPartie {
  // The game position. Against the engine, colour 1 is the engine and colour 2
  // the human; CouleurNoir and CouleurBlanc say which of them is Black and White.
  Damier DamierCourant{};
  int CouleurNoir = 1;
  int CouleurBlanc = 2;
  int CouleurAJouer = 1;
  int ModeJeu = 0;
  // 1 once a game has been set up; 0 before and during a set-up.
  int PartieCommencee = 0;
  // 1 after the end-of-game or resignation message: board clicks are refused.
  int PartieFinie = 0;
  // The last move, marked on the board, or -1.
  int32_t DernierCoup = -1;

  // Move i of the game: its point (COUP_PASSE for a pass), its colour, and the
  // PointKo of the position before it.
  int32_t HistoriqueCoups[MAX_COUPS_HISTORIQUE] = {};
  int32_t HistoriqueCouleurs[MAX_COUPS_HISTORIQUE] = {};
  int32_t HistoriqueKo[MAX_COUPS_HISTORIQUE] = {};
  // Moves that make up the position (the cursor), and moves recorded, at least
  // as many: those between the two can be replayed forward.
  int32_t NbCoupsJoues = 0;
  int32_t NbCoupsHistorique = 0;
  Journal JournalModifications{};

  // 1 when moves were played that the history could not hold: the position is
  // then ahead of the last recorded move, and nothing more is recorded until a
  // step back returns to the recorded position.
  int HorsHistorique = 0;

  // While a move is being recorded (DansCoup): set when something of it had to
  // be dropped, which is then reported once.
  bool DansCoup = false;
  bool Depassement = false;
};
extern EtatPartie PartieCourante;

// The fields of PartieCourante under the names the rest of the program uses.
inline Damier& DamierCourant = PartieCourante.DamierCourant;
inline int& CouleurNoir = PartieCourante.CouleurNoir;
inline int& CouleurBlanc = PartieCourante.CouleurBlanc;
inline int& CouleurAJouer = PartieCourante.CouleurAJouer;
inline int& ModeJeu = PartieCourante.ModeJeu;
inline int& PartieCommencee = PartieCourante.PartieCommencee;
inline int& PartieFinie = PartieCourante.PartieFinie;
inline int32_t& DernierCoup = PartieCourante.DernierCoup;
inline int32_t (&HistoriqueCoups)[MAX_COUPS_HISTORIQUE] = PartieCourante.HistoriqueCoups;
inline int32_t (&HistoriqueCouleurs)[MAX_COUPS_HISTORIQUE] = PartieCourante.HistoriqueCouleurs;
inline int32_t (&HistoriqueKo)[MAX_COUPS_HISTORIQUE] = PartieCourante.HistoriqueKo;
inline int32_t& NbCoupsJoues = PartieCourante.NbCoupsJoues;
inline int32_t& NbCoupsHistorique = PartieCourante.NbCoupsHistorique;
inline Journal& JournalModifications = PartieCourante.JournalModifications;
inline int& HorsHistorique = PartieCourante.HorsHistorique;

// Everything as before the first game: the colours of a new program, an empty
// position and history.
void ReinitialisePartie();
// Empties the history and the change log.
void VideHistorique();

// Stores a move at the cursor and advances it; reports and drops it when the
// history is full.
void EnregistreCoup(int32_t point, int couleur);
// Appends one entry to the change log; reports and drops it when the log is full.
void EnregistreModification(int genre, int32_t point, int valeur);

// Plays a move on DamierCourant (a point off the board is a pass) and records
// it. A move is recorded whole or not at all: when its entries do not all fit,
// it is still played, and the game goes on beyond the history. No legality test.
// Returns the number of stones captured.
int JoueCoup(int32_t point, int couleur);
// A pass of couleur, recorded like a move; PointKo becomes COUP_PASSE.
void JouePasse(int couleur);

// Steps back one recorded move, restoring every point and the ko point. Beyond
// the history, this instead returns to the last recorded position.
void CoupPrecedent();
// Replays the recorded move at the cursor, if there is one.
void CoupSuivant();
// Rebuilds the position of the cursor from the recorded moves, when the game
// has gone beyond the history.
void RetourHistorique();
