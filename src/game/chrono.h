#pragma once

// The stopwatch and the two clocks that add up the thinking time of Black and
// of White. A leaf module: it reads the time of day and nothing of the engine.

#include <cstdint>

// A time of day as the machine gives it, the four fields in this order.
struct HeureDuJour {
  uint8_t Minute;
  uint8_t Heure;
  uint8_t Centiemes;
  uint8_t Seconde;
};

// The local time of day read from the machine's clock.
HeureDuJour HeureLocale();

// Where the stopwatch reads the time of day: HeureLocale unless a test puts its
// own clock there (nullptr gives HeureLocale back).
using SourceHeure = HeureDuJour (*)();
void FixeSourceHeure(SourceHeure source);

// The stopwatch: when it was last started, and the last time it was read.
struct Chrono {
  HeureDuJour Debut;
  HeureDuJour Maintenant;
};
extern Chrono ChronoPartie;

// Starts the stopwatch from now.
void DemarreChrono();
// Whole seconds since the stopwatch started, and restarts it: the fraction of a
// second is dropped, not carried over. One midnight crossing is measured right.
int LitChrono();
// Seconds since the stopwatch started, to the hundredth, without restarting it
// (the timing lines of an engine move).
double SecondesChrono();

// The clock of one side. Texte reads "hh:mm:ss".
struct Horloge {
  int32_t Heures;
  int32_t Minutes;
  double Secondes;
  char Texte[9];
};
extern Horloge HorlogeNoir;
extern Horloge HorlogeBlanc;

// Both clocks to zero, their texts to "00:00:00", and the stopwatch restarted.
// Called at start-up and by every new game.
void RemiseAZeroChronos();

// The switch of one side, right after that side has moved or passed: it is
// charged the time since the previous switch of either side.
void ChronoNoir();
void ChronoBlanc();
