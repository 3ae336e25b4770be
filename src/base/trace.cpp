#include "base/trace.h"

#include <cstdarg>

namespace {

struct EtatTrace {
  std::FILE* fichier = nullptr;  // "game.trace" when open
  std::FILE* console = nullptr;  // null: standard output
  std::FILE* erreurs = nullptr;  // null: standard error
  bool suspendue = false;
  std::FILE* puits = nullptr;  // the sink of a suspended trace, opened once
};

EtatTrace etat;

void Ecrit(std::FILE* f, const char* format, std::va_list args) {
  std::vfprintf(f, format, args);
}

}  // namespace

std::FILE* TraceJeu() {
  if (etat.suspendue) {
    if (!etat.puits) etat.puits = std::fopen("/dev/null", "w");
    if (etat.puits) return etat.puits;
  }
  return etat.fichier ? etat.fichier : SortieErreurs();
}

void OuvreTraceJeu(const char* nom) {
  FermeTraceJeu();
  etat.fichier = std::fopen(nom, "w");
}

void FermeTraceJeu() {
  if (etat.fichier) std::fclose(etat.fichier);
  etat.fichier = nullptr;
}

bool SuspendTraceJeu(bool suspendue) {
  const bool avant = etat.suspendue;
  etat.suspendue = suspendue;
  return avant;
}

std::FILE* SortieConsole() {
  return etat.console ? etat.console : stdout;
}
void FixeSortieConsole(std::FILE* f) {
  etat.console = f;
}

std::FILE* SortieErreurs() {
  return etat.erreurs ? etat.erreurs : stderr;
}
void FixeSortieErreurs(std::FILE* f) {
  etat.erreurs = f;
}

void Signale(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  Ecrit(SortieErreurs(), format, args);
  va_end(args);
}

void Console(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  Ecrit(SortieConsole(), format, args);
  va_end(args);
}

void Trace(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::va_list copie;
  va_copy(copie, args);
  Ecrit(TraceJeu(), format, args);
  if (!Silence && SortieConsole() != TraceJeu()) Ecrit(SortieConsole(), format, copie);
  va_end(copie);
  va_end(args);
}

void TraceSeule(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  Ecrit(TraceJeu(), format, args);
  va_end(args);
}
