// The savings calculator's and the compound growth finder's heavy steps, each against its goal:
//   (a) the monthly plan over 40 years (480 periods): the model alone, and "&Calculate" through
//       the real window with its 484-row grid fill (offscreen);
//   (b) each report printed to a TextPrinter: that plan (480 period lines, 11 pages), 22
//       savings comparisons (two pages) and 22 compound growth investments (two pages).

#include "benchtiming.h"
#include "core/programstate.h"
#include "core/reportpage.h"
#include "platform/grid.h"
#include "platform/textprinter.h"
#include "savings/compoundgrowth.h"
#include "savings/savingscalc.h"
#include "savings/savingsplan.h"
#include "savings/savingsreport.h"
#include "savings/savingsstate.h"

#include <QApplication>
#include <QComboBox>
#include <cstdio>

namespace {

const QString Monthly = QStringLiteral("Monthly");

void startSavingsWindowState(SavingsMode calcMode) {
    resetProgram();
    resetSavings();
    setCalcMode(calcMode);
    loadSavingsTables();
}

// The report as a print button makes it: the font, the header line, then the layout.
template <class Print> Timing timeReport(Print&& print, QString& check) {
    std::size_t pages = 0;
    qsizetype lines = 0;
    const Timing t = timeEach(200, 10, [&] {
        TextPrinter printer;
        SetReportFont(printer);
        printer.tab(2);
        printer.printLine(QStringLiteral("Savings"));
        print(printer);
        pages = printer.pages().size();
        lines = 0;
        for (const QStringList& page : printer.pages()) {
            lines += page.size();
        }
    });
    check = QStringLiteral("%1 pages, %2 lines").arg(pages).arg(lines);
    return t;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    std::printf("bench_savings: median and best of the repetitions, in milliseconds per call\n");
    printRowHeading();

    // (a) The model alone: 1,200.00 a month at 20 % over 40 years.
    startSavingsWindowState(SavingsMode::Planning);
    program().EntryValues[7] = Currency::fromWhole(40);
    const SavingsInputs inputs = SavingsInputs::fromState(Monthly);
    SavingsResult result;
    const Timing model = timeEach(2000, 50, [&] { result = calculateSavings(inputs); });
    printRow("(a) calculateSavings, monthly, 40 y", model, "", 0,
             QStringLiteral("%1 periods, final value %2")
                 .arg(result.periods.size())
                 .arg(result.finalValue, 0, 'f', 2));

    {
        startSavingsWindowState(SavingsMode::Planning);
        SavingsCalc window;
        window.show();
        QCoreApplication::processEvents();
        window.findChild<QComboBox*>(QStringLiteral("InMonthsYrs"))->setCurrentText(Monthly);
        program().EntryValues[7] = Currency::fromWhole(40);
        auto* grid = window.findChild<Grid*>(QStringLiteral("SGrid"));
        const Timing click = timeEach(50, 3, [&] { window.SCalc_Click(); });
        const QString clickCheck = QStringLiteral("%1 grid rows, ResultCount %2, total %3")
                                       .arg(grid->rows())
                                       .arg(program().ResultCount)
                                       .arg(grid->text(482, 3));
        const Timing painted = timeEach(50, 3, [&] {
            window.SCalc_Click();
            QCoreApplication::processEvents();
        });
        printRow("    SCalc_Click with the grid fill", click, "< 20 ms", 20, clickCheck);
        printRow("    SCalc_Click + repaint (processEvents)", painted, "", 0, QString());

        // (b) The planning report of that plan.
        const SavingsReportData data = SavingsReportData::fromState(Monthly);
        QString check;
        const Timing report =
            timeReport([&](PrinterDevice& printer) { printSavingsReport(printer, data); }, check);
        printRow("(b) printSavingsReport, planning, 480 periods", report, "< 5 ms", 5, check);
    }

    // 22 comparisons of the defaults with terms of 1 to 22 years.
    {
        startSavingsWindowState(SavingsMode::Comparisons);
        for (int i = 1; i <= MaxComparisons; ++i) {
            program().EntryValues[7] = Currency::fromWhole(i);
            publishSavings(calculateSavings(SavingsInputs::fromState(Monthly)));
        }
        const SavingsReportData data = SavingsReportData::fromState(Monthly);
        QString check;
        const Timing report =
            timeReport([&](PrinterDevice& printer) { printSavingsReport(printer, data); }, check);
        printRow("    printSavingsReport, 22 comparisons", report, "< 5 ms", 5, check);
    }

    // 22 named investments.
    {
        resetProgram();
        resetSavings();
        loadCompoundTables();
        for (int i = 1; i <= MaxComparisons; ++i) {
            program().EntryValues[3] = Currency::fromWhole(i);
            publishCompound(
                calculateCompound(CompoundInputs::fromState(QStringLiteral("Fund %1").arg(i))));
        }
        const CompoundReportData data = CompoundReportData::fromState();
        QString check;
        const Timing report =
            timeReport([&](PrinterDevice& printer) { printCompoundReport(printer, data); }, check);
        printRow("    printCompoundReport, 22 investments", report, "< 5 ms", 5, check);
    }
    return 0;
}
