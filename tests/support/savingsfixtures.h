#pragma once
// Where the tests of the savings model start.

#include "core/programstate.h"
#include "savings/savingsstate.h"

// A fresh program and savings state in savings planning, with the savings tables loaded.
inline void startSavingsPlanning() {
    resetProgram();
    resetSavings();
    setCalcMode(SavingsMode::Planning);
    loadSavingsTables();
}
