// A model file that reaches up into the shell: the build must refuse it.
#include "core/currency.h"
#include "shell/dialogs.h"
