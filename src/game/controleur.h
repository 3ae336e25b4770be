#pragma once

// The logic behind the main window's buttons, board clicks and track bar, and
// behind the new-game dialog: starting games, playing the human's moves and the
// engine's replies, passes, the end of the game, resignation, and stepping
// through the history. Each handler works on the game of game/partie.h and
// draws through the window it is given.

#include <cstdint>

#include "game/fenetre.h"

// The engine's move choice, as ChoisitCoup: for colour 1 on DamierCourant.
using ChoixMoteur = void (*)(int32_t& point, int& passe);
// Tests put a scripted engine here; nullptr gives ChoisitCoup back.
void FixeChoixMoteur(ChoixMoteur choix);

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
