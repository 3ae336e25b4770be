#pragma once

// Helpers shared by the test programs.

#include <cstdio>
#include <string>

#include "base/trace.h"

// Runs f on a temporary stream and returns what it wrote.
template <class F>
std::string Ecrit(F f) {
  std::FILE* t = std::tmpfile();
  f(t);
  std::fflush(t);
  std::rewind(t);
  std::string s;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, t)) > 0) s.append(buf, n);
  std::fclose(t);
  return s;
}

// Diverts a program stream (error stream or console) into a temporary file for
// the lifetime of the object.
class CaptureFlux {
 public:
  CaptureFlux(std::FILE* (*lit)(), void (*fixe)(std::FILE*)) : fixe_(fixe) {
    ancien_ = lit();
    fichier_ = std::tmpfile();
    fixe_(fichier_);
  }
  ~CaptureFlux() {
    fixe_(ancien_ == stdout || ancien_ == stderr ? nullptr : ancien_);
    std::fclose(fichier_);
  }
  CaptureFlux(const CaptureFlux&) = delete;
  CaptureFlux& operator=(const CaptureFlux&) = delete;

  std::string Texte() {
    std::fflush(fichier_);
    std::rewind(fichier_);
    std::string s;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, fichier_)) > 0) s.append(buf, n);
    std::fseek(fichier_, 0, SEEK_END);
    return s;
  }

 private:
  std::FILE* ancien_;
  std::FILE* fichier_;
  void (*fixe_)(std::FILE*);
};

struct CaptureErreurs : CaptureFlux {
  CaptureErreurs() : CaptureFlux(SortieErreurs, FixeSortieErreurs) {}
};

struct CaptureConsole : CaptureFlux {
  CaptureConsole() : CaptureFlux(SortieConsole, FixeSortieConsole) {}
};
