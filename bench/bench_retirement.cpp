// The three retirement windows at their largest tables (50 years), each against its goal:
//   (a) "&Calculate" through the real window, the grid fill included (offscreen), alone and
//       with the repaint that follows it;
//   (b) the report of that table printed to a TextPrinter.

#include "benchtiming.h"
#include "core/programstate.h"
#include "platform/grid.h"
#include "platform/textprinter.h"
#include "retirement/capitalreqdcalc.h"
#include "retirement/plan401kcalc.h"
#include "retirement/retirecalc.h"
#include "retirement/retirementreport.h"
#include "retirement/retirementstate.h"
#include "shell/reportframe.h"

#include <QApplication>
#include <QRadioButton>
#include <cstdio>
#include <functional>

namespace {

void fresh() {
    resetProgram();
    resetRetirement();
}

// Times the window's Calculate, then its report of the same table.
void window(const char* calcName, const char* reportName, QWidget& w, Grid* grid,
            const std::function<void()>& calculate,
            const std::function<void(PrinterDevice&)>& report) {
    w.show();
    QCoreApplication::processEvents();
    const Timing click = timeEach(100, 5, calculate);
    const QString check =
        QStringLiteral("%1 grid rows, ResultCount %2").arg(grid->rows()).arg(program().ResultCount);
    const Timing painted = timeEach(100, 5, [&] {
        calculate();
        QCoreApplication::processEvents();
    });
    printRow(calcName, click, "< 10 ms", 10, check);
    printRow("    the same + repaint (processEvents)", painted, "", 0, QString());

    std::size_t pages = 0;
    qsizetype lines = 0;
    const Timing printed = timeEach(300, 10, [&] {
        TextPrinter printer;
        SetReportFont(printer);
        printer.tab(2);
        printer.printLine(QStringLiteral("Home"));
        report(printer);
        pages = printer.pages().size();
        lines = 0;
        for (const QStringList& page : printer.pages()) {
            lines += page.size();
        }
    });
    printRow(reportName, printed, "< 5 ms", 5,
             QStringLiteral("%1 pages, %2 lines").arg(pages).arg(lines));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    std::printf("bench_retirement: median and best of the repetitions, in milliseconds per call\n");
    printRowHeading();

    {
        fresh();
        Plan401KCalc w;
        program().EntryValues[8] = Currency::fromWhole(50);
        window(
            "(a) KCalc_Click, 401(k), 50 years", "(b) printPlan401KReport, 50 years", w,
            w.findChild<Grid*>(QStringLiteral("KGrid")), [&] { w.KCalc_Click(); },
            [](PrinterDevice& p) { printPlan401KReport(p, Plan401KReportData::fromState()); });
    }
    {
        fresh();
        RetireCalc w;
        program().EntryValues[4] = Currency::fromWhole(50);
        window(
            "(a) RCalc_Click, percentage, 50 years", "(b) printRetirementReport, percentage", w,
            w.findChild<Grid*>(QStringLiteral("RGrid")), [&] { w.RCalc_Click(); },
            [](PrinterDevice& p) { printRetirementReport(p, RetirementReportData::fromState()); });
    }
    {
        fresh();
        RetireCalc w;
        w.findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
        // Growth above the withdrawals: the table runs its 50 years.
        program().EntryValues[2] = Currency::fromWhole(20);
        window(
            "(a) RCalc_Click, fixed amount, 50 years", "(b) printRetirementReport, fixed", w,
            w.findChild<Grid*>(QStringLiteral("RGrid")), [&] { w.RCalc_Click(); },
            [](PrinterDevice& p) { printRetirementReport(p, RetirementReportData::fromState()); });
    }
    {
        fresh();
        CapitalReqdCalc w;
        program().EntryValues[3] = Currency::fromWhole(50);
        window(
            "(a) CCalc_Click, 50 years", "(b) printCapitalReport, 50 years", w,
            w.findChild<Grid*>(QStringLiteral("CGrid")), [&] { w.CCalc_Click(); },
            [](PrinterDevice& p) { printCapitalReport(p, CapitalReportData::fromState()); });
    }
    return 0;
}
