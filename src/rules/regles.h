#pragma once

// The start-up of the rules layer: the bases (rules/base.h), the matcher with its
// pool and sets (rules/motifs.h) and the goals (rules/buts.h) are each emptied by
// their own initialisation, called here once, in that order; then the rule files
// are read.

// Without the files: no base, an empty code table, a full pool, the four empty
// sets, no goal.
void DemarreBaseRegles();

// DemarreBaseRegles, then every rule file: the program's start-up loader.
void ChargeBaseRegles();

// DemarreBaseRegles with 32-bit keys and the default fatal exit (for tests).
void ReinitialiseBaseRegles();
