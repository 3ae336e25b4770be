#pragma once

// The logic behind the main window's buttons, board clicks and track bar, and
// behind the new-game dialog: starting games, playing the human's moves and the
// engine's replies, passes, the end of the game, resignation, and stepping
// through the history. Each handler works on the game of game/partie.h and
// draws through the window it is given.

#include <cstdint>
#include <vector>

#include "board/goban.h"
#include "game/fenetre.h"
#include "game/moteur.h"
#include "game/sgf.h"

// The engine's move for colour 1 on DamierCourant, or COUP_PASSE: the one call
// to the engine, for the window and the GTP engine alike. The pass flag is set
// to passeAvant before the call. An answer that is not a legal point would
// break the position: it is reported ("Pb ...") and taken as a pass.
int32_t CoupIlvane(int passeAvant);

// The three set-ups: the human as Black, as White (the engine moves first), or
// two humans on one board.
void JouerNoirClick(FenetreJeu& f);
void JouerBlancClick(FenetreJeu& f);
void JouerLesDeuxClick(FenetreJeu& f);

// A click on the board at point (-1 off the board).
void ClicGoban(FenetreJeu& f, int32_t point);
// "Je Passe" and "J'abandonne".
void PasseClick(FenetreJeu& f);
void AbandonClick(FenetreJeu& f);

// "Coup Precedent", "Coup Suivant", and the track bar moved to a position.
void UndoClick(FenetreJeu& f);
void CoupSuivantClick(FenetreJeu& f);
void TrackBar1Change(FenetreJeu& f, int position);

// The window is shown: the board, and the mark of the last move if there is one.
void FormShow(FenetreJeu& f);

// The new-game dialog's buttons. They set colours and mode on the current
// position and history, without clearing them.
void NouvellePartieJouerNoir(FenetreJeu& f);
void NouvellePartieJouerBlanc(FenetreJeu& f);
void NouvellePartieJouerADeux(FenetreJeu& f);

// How the game ended, for its record: "B+n" or "W+n" after both passed (n the
// difference in stones, a tie "W+0"), "B+R" or "W+R" after a resignation, ""
// while it goes on.
const char* ResultatPartie();

// Sets up a game from a record already checked: Black plays with the colour
// code noir, in mode ModeJeu (against the engine, the engine is colour 1), from
// the position depart (no ko), then replays the moves (colours 1 black, 2
// white, as in the record) into the history. The window shows the last move;
// stepping walks through the record, and a click continues from the position
// shown. aJouer (1 black, 2 white, 0 unknown) says who moves when there is no
// move to go by.
void CommencePartieEnregistree(FenetreJeu& f, int noir, int mode, const Damier& depart,
                               const std::vector<CoupSgf>& coups, int aJouer);
