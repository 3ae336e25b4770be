#pragma once

// Plain-text pictures of a position, for the game trace and for the file
// "goban.gob": '+' empty, '@' colour 1, 'O' colour 2, one line per row.

#include <cstdio>

#include "board/goban.h"

// The framed picture of a packed position, ending with a "!" line.
void EcritDamier(std::FILE* f, const Damier& d);

// The picture with column numbers above, each row's first point number on the
// left and its row number on the right.
void EcritDamierNumerote(std::FILE* f, const Damier& d);

// The framed picture of the incremental board, flushed row by row.
void EcritDamierIncremental(std::FILE* f);

// Writes EcritDamier into the named file (truncated); 1 if written, 0 (with a
// line on the console) if the file cannot be opened or written.
int EcritDamierNom(const Damier& d, const char* nom);
