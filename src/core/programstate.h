#pragma once
// The program-wide values of the shell. Windows pass data to each other only through these:
// a caller sets them, shows a window, and reads them after it has closed. Reached through
// program(); tests start from a fresh struct with resetProgram().

#include "core/currency.h"
#include "core/messages.h"
#include "core/modes.h"
#include "core/table.h"

#include <QString>
#include <cstdint>

struct ProgramState {
    // Modes and layout
    std::int16_t CalcMode = 0; // read through the accessors below
    MortgageModeFlag MortgageMode = MortgageModeFlag::Unset;
    std::int32_t LayoutHeight = 0;
    QString PaymentStartDate;

    // Personal settings
    QString CurrencySymbol = QStringLiteral("$");
    std::int16_t PrinterFontChoice = 0;
    QString UserName;
    std::int16_t LinesPerPage = 0;

    // Dialog protocol
    Message MessageNumber = Message::None;
    QString MessageDetail;
    QString MessageDetail2;
    Question QuestionCode = Question::None;
    std::int16_t FileDialogMode = 0;
    QString ChosenPath;

    // Report frame
    QString ReportHeader;

    // Entry fields
    BoundedArray<Currency> EntryValues;
    std::int16_t EditPending = 0;
    std::int16_t HelpShown = 0;

    // Results, graph and report tables of the open calculator
    std::int16_t ResultCount = 0;
    Table ResultTable;
    CurrencyTable GraphValues;
    BoundedTable<QString> GraphLabels;
    QString GraphTitle;
    GraphCallerCode GraphCaller = GraphCallerCode::None;
    BoundedArray<QString> ReportBlocks;

    // The trend file name, used by EraseFileInMemory and the trend file dialog.
    QString TrendFileName;
};

ProgramState& program();
void resetProgram();

// CalcMode in the terms of the calculator that reads it, and storing a calculator's mode.
inline SavingsMode savingsMode() {
    return readMode(program().CalcMode, SavingsMode::Planning, SavingsMode::Comparisons);
}
inline ScheduleRows scheduleRows() {
    return readMode(program().CalcMode, ScheduleRows::Annual, ScheduleRows::EveryPayment);
}
inline WithdrawalMode withdrawalMode() {
    return readMode(program().CalcMode, WithdrawalMode::Percentage, WithdrawalMode::FixedAmount);
}
inline CapitalOption capitalOption() {
    return readMode(program().CalcMode, CapitalOption::Capital, CapitalOption::Income);
}
template <class Mode> void setCalcMode(Mode mode) {
    program().CalcMode = storedMode(mode);
}

// A calculator's exit: its shared tables (EntryValues, ResultTable, GraphValues, GraphLabels,
// ReportBlocks) are discarded; CalcMode, EditPending, ResultCount and GraphCaller go back to
// none.
void releaseCalculatorTables();

// True in normal layout (LayoutHeight below 8501, which includes the initial 0).
inline bool normalLayout() {
    return program().LayoutHeight < 8501;
}
