#pragma once

// The stopwatch and the two clocks that add up the thinking time of Black and
// of White. A leaf module: it reads the machine's monotonic clock and nothing
// of the engine.

#include <cstdint>

// Hundredths of a second on the machine's monotonic clock: it never goes back,
// whatever is done to the time of day (set by hand, summer time).
int64_t TempsMonotone();

// Where the stopwatch reads the time: TempsMonotone unless a test puts its own
// clock there (nullptr gives TempsMonotone back).
using SourceTemps = int64_t (*)();
void FixeSourceTemps(SourceTemps source);

// The stopwatch: when it was last started, and the last time it was read, in
// hundredths of a second of the monotonic clock.
struct Chrono {
  int64_t Debut;
  int64_t Maintenant;
};
extern Chrono ChronoPartie;

// Starts the stopwatch from now.
void DemarreChrono();
// Whole seconds since the stopwatch started, and restarts it: the fraction of a
// second is dropped, not carried over.
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

// Sets a clock to a time used, in seconds: its fields and its text.
void FixeHorloge(Horloge& h, double secondes);

// Both clocks to zero, their texts to "00:00:00", and the stopwatch restarted.
// Called at start-up and by every new game.
void RemiseAZeroChronos();

// The switch of one side, right after that side has moved or passed: it is
// charged the time since the previous switch of either side.
void ChronoNoir();
void ChronoBlanc();
