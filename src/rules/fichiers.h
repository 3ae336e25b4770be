#pragma once

// Data files that come with the program (the rule files): looked for in the
// working directory, then in the directory of the running executable, so that
// the programs find the files the build puts beside them wherever they start.

#include <cstdio>
#include <string>

// Opens the file for binary reading, or answers null with errno set by the
// first attempt (the working directory).
std::FILE* OuvreFichierDonnees(const char* nom);

// The directory of the running executable ("" when it cannot be told).
std::string DossierExecutable();
