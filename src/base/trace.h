#pragma once

// Where the program's text goes: the game trace "game.trace" with the engine's
// reasoning, the console, and the error stream for failure lines. A leaf module:
// anything may use it, it uses nothing of the engine.

#include <cstdio>

// When on, the copies of trace lines meant for the console are not written.
// Off unless a program or a test switches it.
inline bool Silence = false;

// The stream of the game trace: "game.trace" once opened, the error stream until then
// and whenever the file cannot be opened.
std::FILE* TraceJeu();

// Opens (truncating) the game trace; falls back silently to the error stream.
void OuvreTraceJeu(const char* nom = "game.trace");

// Closes the game trace if it is a file; the trace is the error stream again.
void FermeTraceJeu();

// While suspended, TraceJeu() is a sink that keeps nothing (an analysis made
// for the human's eyes only, which the game's trace must not show). Returns
// the previous state, to be given back.
bool SuspendTraceJeu(bool suspendue);

// The console: standard output for the window program. The GTP engine points it
// at the error stream, since its standard output carries the protocol.
std::FILE* SortieConsole();
void FixeSortieConsole(std::FILE* f);

// The error stream, where failure lines ("Pb ...", "Erreur ...") go.
std::FILE* SortieErreurs();
void FixeSortieErreurs(std::FILE* f);

// A failure line on the error stream: "Pb <routine or limit> ...\n".
[[gnu::format(printf, 1, 2)]] void Signale(const char* format, ...);

// A line on the console.
[[gnu::format(printf, 1, 2)]] void Console(const char* format, ...);

// A reasoning line to the game trace and, unless Silence, to the console.
[[gnu::format(printf, 1, 2)]] void Trace(const char* format, ...);

// A reasoning line to the game trace only.
[[gnu::format(printf, 1, 2)]] void TraceSeule(const char* format, ...);
