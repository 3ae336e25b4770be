#pragma once

#include <time.h>

// Processor time of this thread in milliseconds: the machine may be busy with
// other work, which wall-clock time would count.
inline double MsProcesseur() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}
