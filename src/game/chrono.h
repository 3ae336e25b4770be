#pragma once

// The stopwatch and the clocks live in the leaf layer, where the analysis reads them too.
#include "base/chrono.h"
