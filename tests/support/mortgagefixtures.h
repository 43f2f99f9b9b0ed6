#pragma once
// Where the tests of the mortgage model start, and the mortgage the documents use as their
// example: 100,000 at 10.125% over 25 years, 365 days.

#include "core/programstate.h"
#include "mortgage/amortization.h"
#include "mortgage/mortgagedisplay.h"
#include "mortgage/mortgagestate.h"

#include <QString>

// A fresh program and mortgage state in mortgage mode, with the mortgage tables loaded.
inline void startMortgageTables() {
    resetProgram();
    resetMortgage();
    program().MortgageMode = MortgageModeFlag::Mortgage;
    loadMortgageTables();
}

inline MortgageInputs defaultMortgage(ScheduleRows calcMode = ScheduleRows::EveryPayment,
                                      const QString& freqPmt = QStringLiteral("      Monthly"),
                                      const QString& comperiod = QStringLiteral("      Monthly")) {
    MortgageInputs in;
    in.Principal = Currency::fromWhole(100000);
    in.Rate = Currency::fromDouble(10.125);
    in.Term = Currency::fromWhole(25);
    in.Comperiod = comperiod;
    in.FreqPmt = freqPmt;
    in.MortgageMode = MortgageModeFlag::Mortgage;
    in.CalcMode = calcMode;
    in.Days = daysInYearRow(1);
    return in;
}

// Calculates and publishes the result with its display, as the window's Calculate does; the
// result returned keeps its own copy of the tables the program now holds.
inline MortgageResult calculatedMortgage(const MortgageInputs& inputs) {
    const MortgageResult result = calculateMortgage(inputs);
    const MortgageDisplay display =
        mortgageDisplay(result, result.schedule, inputs.PrePayments, program().CurrencySymbol);
    MortgageResult published = result;
    publishMortgage(std::move(published), &display);
    return result;
}
