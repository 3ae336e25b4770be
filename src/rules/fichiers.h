#pragma once

// Data files that come with the program (the rule files): looked for in the
// working directory, then in the directory of the running executable, so that
// the programs find the files the build puts beside them wherever they start,
// then in the installed data folder (<prefix>/share/ilvane), found from the
// executable's folder so that a moved prefix still works, and at last at the
// prefix the build was configured for.

#include <cstdio>
#include <string>
#include <vector>

// Opens the file for binary reading, or answers null with errno set by the
// first attempt (the working directory).
std::FILE* OuvreFichierDonnees(const char* nom);

// The directory of the running executable ("" when it cannot be told).
std::string DossierExecutable();

// The folders searched after the working directory, in order.
std::vector<std::string> DossiersDonnees();
