#pragma once

// The window's game records: the current game saved as an SGF file, and an SGF
// file opened as the current game. A file that cannot be read, a board size
// other than 9 or a record that breaks the rules is refused with a message box
// that says why, and the current game is kept unchanged.

#include <string>
#include <string_view>

#include "game/fenetre.h"
#include "game/sgf.h"

// The name the records give the engine (PB or PW), and the human.
inline constexpr const char* NOM_ILVANE_SGF = "Ilvane";
inline constexpr const char* NOM_HUMAIN_SGF = "Humain";

// The current game as a record: the position before its first move, every
// recorded move (passes included, also those after the cursor), the players,
// komi 0, the result once the game has ended, and the date given (YYYY-MM-DD).
EnregistrementSgf EnregistrementPartie(const std::string& date);

// Today's local date as YYYY-MM-DD.
std::string DateDuJour();

// Writes the current game to the file; a message box says so if it cannot.
// Returns true when the file was written.
bool EnregistrePartie(FenetreJeu& f, const std::string& chemin);

// Opens the file as the current game (CommencePartieEnregistree), or shows why
// it cannot and changes nothing. Returns true when the game was opened.
bool OuvrePartie(FenetreJeu& f, const std::string& chemin);

// The same for the text of a record; nom names it in the messages.
bool OuvreTexteSgf(FenetreJeu& f, std::string_view texte, const std::string& nom);
