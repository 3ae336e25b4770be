// Not compiled: a file of a lower layer that includes a higher one, which the
// layer check must refuse.
#include "analysis/choix.h"
#include "base/trace.h"
