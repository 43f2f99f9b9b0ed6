#include "mortgage/mortgagestate.h"

#include "core/programstate.h"
#include "mortgage/amortization.h"
#include "mortgage/mortgagedisplay.h"
#include "mortgage/mortgagefile.h"

#include <array>

namespace {

MortgageState& instance() {
    static MortgageState state;
    return state;
}

// The period counts are the day counts divided by 14 and by 7, kept to exactly the eight
// decimals the calculation has always used.
constexpr std::array<DaysInYearRow, 4> DaysTable{{
    {365.25F, 26.08928571, 52.17857143},
    {365.0F, 26.07142857, 52.14285714},
    {364.0F, 26.0, 52.0},
    {363.0F, 25.92857143, 51.85714286},
}};

} // namespace

DaysInYearRow daysInYearRow(int choice) {
    if (choice == 4) {
        choice = 0;
    }
    if (choice < 0 || choice > 3) {
        throw RunTimeFailure("days-in-year choice out of range");
    }
    return DaysTable[static_cast<std::size_t>(choice)];
}

MortgageState& mortgage() {
    return instance();
}

void resetMortgage() {
    instance() = MortgageState();
}

DaysInYearRow currentDaysInYear() {
    const MortgageState& m = mortgage();
    return {m.DaysInYear, m.BiweeklyPeriods, m.WeeklyPeriods};
}

void setDaysInYearChoice(int choice) {
    const DaysInYearRow row = daysInYearRow(choice);
    MortgageState& m = mortgage();
    m.DaysInYearChoice = static_cast<std::int16_t>(choice == 4 ? 0 : choice);
    m.DaysInYear = row.DaysInYear;
    m.BiweeklyPeriods = row.BiweeklyPeriods;
    m.WeeklyPeriods = row.WeeklyPeriods;
}

void loadMortgageTables() {
    ProgramState& p = program();
    MortgageState& m = mortgage();
    p.ResultTable = Table(2101, 8);
    m.MortYearTotals = CurrencyTable(46, 7);
    m.MortPrePayments = CurrencyTable(46, 3);
    p.EntryValues = BoundedArray<Currency>(6);
    p.ReportBlocks = BoundedArray<QString>(4);
    if (p.MortgageMode == MortgageModeFlag::Loan) {
        p.EntryValues[1] = Currency::fromWhole(20000);
        p.EntryValues[3] = Currency::fromWhole(4);
    } else {
        p.EntryValues[1] = Currency::fromWhole(100000);
        p.EntryValues[3] = Currency::fromWhole(25);
    }
    p.EntryValues[2] = Currency::fromRaw(101250);
    p.HelpShown = 0;
    p.EditPending = 0;
    m.ScheduleRows = 26;
    m.ShowPaymentDates = 0;
    setDaysInYearChoice(1);
    m.PrePayCount = 0;
    m.ListedPrePayCount = 0;
}

void releaseMortgageTables() {
    ProgramState& p = program();
    MortgageState& m = mortgage();
    p.ResultTable = Table();
    p.GraphValues = CurrencyTable();
    p.EntryValues = BoundedArray<Currency>();
    p.ReportBlocks = BoundedArray<QString>();
    m.MortYearTotals = CurrencyTable();
    m.MortPrePayments = CurrencyTable();
    p.CalcMode = 0;
    p.EditPending = 0;
    p.ResultCount = 0;
    p.GraphCaller = GraphCallerCode::None;
    m.ListedPrePayCount = 0;
    m.ScheduleRows = 0;
    m.PrePayCount = 0;
}

void publishMortgage(MortgageResult&& result, const MortgageDisplay* display) {
    ProgramState& p = program();
    MortgageState& m = mortgage();
    p.ResultTable = std::move(result.schedule);
    m.MortYearTotals = std::move(result.yearTotals);
    if (result.stage >= MortgageResult::Schedule) {
        m.PaymentsPerYear = result.frequency.F;
        m.YearsToFinalPayment = result.YearsToFinalPayment;
    }
    if (p.ReportBlocks.size() < 4) {
        p.ReportBlocks = BoundedArray<QString>(4);
    }
    if (display == nullptr) {
        p.ResultCount = 0;
        m.ListedPrePayCount = 0;
        p.ReportBlocks[1].clear();
        return;
    }
    m.ScheduleRows = display->ScheduleRows;
    m.ListedPrePayCount = static_cast<std::int16_t>(display->listedPrePayCount);
    p.ResultCount = display->ResultCount;
    p.GraphTitle = display->GraphTitle;
    p.ReportBlocks[1] = display->prePayReportText;
}

void applyMortgageFileData(const MortgageFileData& data) {
    ProgramState& p = program();
    MortgageState& m = mortgage();
    if (p.EntryValues.size() < 6) {
        p.EntryValues = BoundedArray<Currency>(6);
    }
    // The days-in-year row of the choice replaces the stored day count.
    setDaysInYearChoice(data.DaysInYearChoice);
    p.EntryValues[1] = data.Principal;
    p.EntryValues[2] = data.Rate;
    p.EntryValues[3] = data.Term;
    p.PaymentStartDate = data.PaymentStartDate;
    p.MortgageMode = data.MortgageMode;
    setCalcMode(data.CalcMode);
    m.ShowPaymentDates = data.ShowPaymentDates;
    m.PrePayYears = data.PrePayYears;
    m.PrePayCount = data.PrePayCount;
    m.MortPrePayments = CurrencyTable(46, 3);
    int y = 1;
    for (const auto& [year, amount] : data.PrePayments) {
        if (y > MaxPrePayYears) {
            break;
        }
        m.MortPrePayments.at(y, 1) = year;
        m.MortPrePayments.at(y, 2) = amount;
        ++y;
    }
}
