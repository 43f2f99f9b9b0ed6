// A model file that includes a window of its own folder without naming the folder: the build
// must refuse it.
#include "amortization.h"
#include "mortgagecalc.h"
