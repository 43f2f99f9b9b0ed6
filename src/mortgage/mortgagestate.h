#pragma once
// The mortgage calculator's own program-wide values, reached through mortgage(). They pass
// data between MortgageCalc and its dialogs (MortPrePay, MortDateInput, MortIRFTable), the
// graph window and the report. Tests start from a fresh struct with resetMortgage().
//
// Lifecycle: loadMortgageTables() runs when MortgageCalc loads, releaseMortgageTables() when
// its exit button closes it. MortgageFileName and LoanFileName live for the whole program run.

#include "core/table.h"

#include <QString>
#include <cstdint>

struct MortgageDisplay;
struct MortgageFileData;
struct MortgageResult;

// One row of the days-in-year table: the days and the biweekly and weekly periods per year
// (the day count divided by 14 and by 7, to exactly eight decimals).
struct DaysInYearRow {
    float DaysInYear = 365.0F;
    double BiweeklyPeriods = 26.07142857;
    double WeeklyPeriods = 52.14285714;
};

// Rows 0..3: 365.25, 365, 364, 363 days. A choice of 4 (found in old files) counts as 0;
// any other choice raises RunTimeFailure.
DaysInYearRow daysInYearRow(int choice);

struct MortgageState {
    std::int16_t PaymentsPerYear = 0;
    float YearsToFinalPayment = 0.0F;
    std::int16_t ShowPaymentDates = 0;

    std::int16_t DaysInYearChoice = 1;
    float DaysInYear = 365.0F;
    double BiweeklyPeriods = 26.07142857;
    double WeeklyPeriods = 52.14285714;

    // Additional payments: rows 0..45 (row y = payment year y), column 1 the year number,
    // column 2 the amount.
    CurrencyTable MortPrePayments;
    std::int16_t PrePayCount = 0;
    std::int16_t PrePayYears = 0;

    // Year totals: rows 0..45 (row b = year b), columns 1..6 = year number, interest,
    // principal, end balance, cumulative interest, cumulative principal.
    CurrencyTable MortYearTotals;

    // Rows of the last schedule shown (26 after load); MortPrePay borrows it for its grid.
    std::int16_t ScheduleRows = 0;
    // How many applied additional payments the last calculation listed.
    std::int16_t ListedPrePayCount = 0;

    // Names (without folder) of the mortgage and loan files last opened or saved.
    QString MortgageFileName;
    QString LoanFileName;
};

MortgageState& mortgage();
// Tests: a fresh struct (file names included).
void resetMortgage();

// The active days-in-year row as the calculation reads it.
DaysInYearRow currentDaysInYear();
// Makes `choice` (0..3, 4 counts as 0) the active row: DaysInYearChoice, DaysInYear and the
// biweekly and weekly periods. Raises RunTimeFailure for any other choice.
void setDaysInYearChoice(int choice);

// MortgageCalc's load: creates ResultTable (2101 x 8), MortYearTotals (46 x 7),
// MortPrePayments (46 x 3), EntryValues (0..5) holding the defaults of MortgageMode
// (1: 100000, 10.125, 25 years; 2: 20000, 10.125, 4 years) and ReportBlocks (0..3);
// HelpShown = EditPending = 0; ScheduleRows = 26; ShowPaymentDates = 0; days-in-year row 1;
// PrePayCount = ListedPrePayCount = 0. CalcMode is left to the window's "Annual" option.
void loadMortgageTables();

// MortgageCalc's exit: discards the tables above; CalcMode, EditPending, ResultCount,
// GraphCaller, ListedPrePayCount, ScheduleRows and PrePayCount become 0. The file names stay.
void releaseMortgageTables();

// Publishing a calculation, the one step that writes it where the graph window, the report and
// the files read it: the schedule becomes ResultTable and the year totals MortYearTotals (moved
// out of `result`), and with a schedule reached, PaymentsPerYear and YearsToFinalPayment are
// set. A complete calculation's `display` gives ScheduleRows, ListedPrePayCount, ResultCount,
// GraphTitle and the additional payments' report text (ReportBlocks(1)); without one (a
// calculation that failed) ResultCount and ListedPrePayCount are 0 and the report text empty.
void publishMortgage(MortgageResult&& result, const MortgageDisplay* display);

// Applies a file that was read: EntryValues 1..3, PaymentStartDate, MortgageMode and CalcMode
// in program(); ShowPaymentDates, the days-in-year row of the choice, PrePayYears, PrePayCount
// and a re-created MortPrePayments in mortgage(). The window then shows the texts and
// calculates.
void applyMortgageFileData(const MortgageFileData& data);
