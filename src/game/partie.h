#pragma once

// The game: its position, whose turn it is, and the history of its moves with
// the exact change log that steps back through them. Needs only the board, so
// the engine may read DamierCourant and the colours. The window plays its one
// game, PartieCourante; the GTP engine keeps games of its own in the same
// struct, with a longer history, through the calls that take an EtatPartie.

#include <cstdint>

#include "board/goban.h"

// The window's game records this many moves and change-log entries.
inline constexpr int MAX_COUPS_HISTORIQUE = 1000;
inline constexpr int MAX_MODIFICATIONS = 1000;

// The change-log entries that n moves can need: a pair per move and a pair
// per captured stone, and the stones those moves capture are at most the
// stones on the board before them and the n they put down.
constexpr int ModificationsPourCoups(int n) {
  return 4 * n + 2 * NB_INTERSECTIONS_MAX;
}
// The longest history a game may ask for (FixeCapacites): the GTP engine's.
inline constexpr int CAPACITE_COUPS_MAX = 2048;
inline constexpr int CAPACITE_MODIFICATIONS_MAX = ModificationsPourCoups(CAPACITE_COUPS_MAX);

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
  uint8_t Genre[CAPACITE_MODIFICATIONS_MAX];
  int32_t Point[CAPACITE_MODIFICATIONS_MAX];
  uint8_t Valeur[CAPACITE_MODIFICATIONS_MAX];
};

// The whole state of a game, reset by ReinitialisePartie.
struct EtatPartie {
  // The game position. Against the engine, colour 1 is the engine and colour 2
  // the human; CouleurNoir and CouleurBlanc say which of them is Black and White.
  Damier Position{};
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
  int32_t HistoriqueCoups[CAPACITE_COUPS_MAX] = {};
  int32_t HistoriqueCouleurs[CAPACITE_COUPS_MAX] = {};
  int32_t HistoriqueKo[CAPACITE_COUPS_MAX] = {};
  // Moves that make up the position (the cursor), and moves recorded, at least
  // as many: those between the two can be replayed forward.
  int32_t NbCoupsJoues = 0;
  int32_t NbCoupsHistorique = 0;
  Journal JournalModifications{};
  // How many moves and change-log entries this game records: the window's
  // unless FixeCapacites says otherwise.
  int32_t CapaciteCoups = MAX_COUPS_HISTORIQUE;
  int32_t CapaciteModifications = MAX_MODIFICATIONS;
  // Moves taken out of the front of the records by OublieCoupAncien since the
  // history was last emptied.
  int32_t CoupsOublies = 0;

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
inline Damier& DamierCourant = PartieCourante.Position;
inline int& CouleurNoir = PartieCourante.CouleurNoir;
inline int& CouleurBlanc = PartieCourante.CouleurBlanc;
inline int& CouleurAJouer = PartieCourante.CouleurAJouer;
inline int& ModeJeu = PartieCourante.ModeJeu;
inline int& PartieCommencee = PartieCourante.PartieCommencee;
inline int& PartieFinie = PartieCourante.PartieFinie;
inline int32_t& DernierCoup = PartieCourante.DernierCoup;
inline int32_t (&HistoriqueCoups)[CAPACITE_COUPS_MAX] = PartieCourante.HistoriqueCoups;
inline int32_t (&HistoriqueCouleurs)[CAPACITE_COUPS_MAX] = PartieCourante.HistoriqueCouleurs;
inline int32_t (&HistoriqueKo)[CAPACITE_COUPS_MAX] = PartieCourante.HistoriqueKo;
inline int32_t& NbCoupsJoues = PartieCourante.NbCoupsJoues;
inline int32_t& NbCoupsHistorique = PartieCourante.NbCoupsHistorique;
inline Journal& JournalModifications = PartieCourante.JournalModifications;
inline int& HorsHistorique = PartieCourante.HorsHistorique;

// The calls below work on the game e; those without it, on PartieCourante.

// Everything as before the first game: the colours of a new program, an empty
// position and history, the window's capacities.
void ReinitialisePartie(EtatPartie& e);
void ReinitialisePartie();
// Empties the history and the change log.
void VideHistorique(EtatPartie& e);
void VideHistorique();
// Gives e room for coups moves and modifications change-log entries, within
// the largest capacities (a request beyond them is reported and cut to them);
// the history is emptied.
void FixeCapacites(EtatPartie& e, int coups, int modifications);

// Stores a move at the cursor and advances it; reports and drops it when the
// history is full.
void EnregistreCoup(EtatPartie& e, int32_t point, int couleur);
void EnregistreCoup(int32_t point, int couleur);
// Appends one entry to the change log; reports and drops it when the log is full.
void EnregistreModification(EtatPartie& e, int genre, int32_t point, int valeur);
void EnregistreModification(int genre, int32_t point, int valeur);

// Plays a move on the game position (a point off the board is a pass) and
// records it. A move is recorded whole or not at all: when its entries do not
// all fit, it is still played, and the game goes on beyond the history. No
// legality test. Returns the number of stones captured.
int JoueCoup(EtatPartie& e, int32_t point, int couleur);
int JoueCoup(int32_t point, int couleur);
// A pass of couleur, recorded like a move; PointKo becomes COUP_PASSE.
void JouePasse(EtatPartie& e, int couleur);
void JouePasse(int couleur);

// Steps back one recorded move, restoring every point and the ko point. Beyond
// the history, this instead returns to the last recorded position.
void CoupPrecedent(EtatPartie& e);
void CoupPrecedent();
// Replays the recorded move at the cursor, if there is one.
void CoupSuivant(EtatPartie& e);
void CoupSuivant();
// Rebuilds the position of the cursor from the recorded moves, when the game
// has gone beyond the history. The records must start on an empty board, as
// the window's do.
void RetourHistorique(EtatPartie& e);
void RetourHistorique();

// Takes the oldest move out of the records, its change-log entries with it,
// and leaves the position as it is: for a game that would rather forget its
// first moves than stop recording. False, changing nothing, when no recorded
// move lies behind the cursor or the game has gone beyond its history.
bool OublieCoupAncien(EtatPartie& e);
