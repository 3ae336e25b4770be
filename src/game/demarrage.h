#pragma once

// The program-wide initialisation that the window and the GTP engine both run
// at start-up, once the board tables are built.
void InitialisationProgramme();
