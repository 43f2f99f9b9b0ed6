#pragma once
// The mortgage calculator's quick-help text, shown in MTextBox in place of the grid.

#include "core/modes.h"

#include <QString>

// The help text of mortgage mode (1) or loan mode (2); lines end with "\n".
QString mortgageHelpText(MortgageModeFlag mortgageMode);
