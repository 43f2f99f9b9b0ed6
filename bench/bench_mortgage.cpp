// The mortgage calculator's three heavy steps, each against its goal:
//   (a) the model alone on the largest schedule the window allows (1 Week payments over 38
//       years, every payment), beside a bare loop of the same arithmetic in plain doubles;
//   (b) "&Calculate" through the real window, the grid fill included (offscreen), alone and
//       with the repaint that follows it;
//   (c) the 300-row every-payment report of the window's defaults printed to a TextPrinter;
//   (d) the grid of (b) saved as CSV and copied to the clipboard.

#include "benchtiming.h"
#include "core/programstate.h"
#include "mortgage/amortization.h"
#include "mortgage/mortgagecalc.h"
#include "mortgage/mortgagedisplay.h"
#include "mortgage/mortgagereport.h"
#include "mortgage/mortgagestate.h"
#include "platform/clipboard.h"
#include "platform/filedialogs.h"
#include "platform/grid.h"
#include "platform/textprinter.h"
#include "shell/reportframe.h"
#include "shell/resultsexport.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

const QString Monthly = QStringLiteral("      Monthly");
const QString OneWeek = QStringLiteral("      1 Week");

// The schedule loop of the model in plain doubles, on the same 2101 x 8 table: the rates, the
// payment, the loop with its yearly additional-payment look-up (all zero here), the stored
// rows and the final payment adjustment. Returns the row count.
int bareSchedule(double P, double R, double T, int m, double f, int F, std::vector<double>& rt,
                 const std::vector<double>& prePay) {
    std::fill(rt.begin(), rt.end(), 0.0);
    auto at = [&rt](int row, int col) -> double& { return rt[static_cast<size_t>(row) * 8 + col]; };
    const double r = R / 100.0;
    const double base = 1.0 + r / m;
    const double im = std::pow(base, m / 12.0) - 1.0;
    const double ip = std::pow(base, m / f) - 1.0;
    const double v = 1.0 / std::pow(base, m * T);
    const double g = im * 12.0 / 52.0;
    const double pay = P * g / (1.0 - v);
    const double i = ip;
    const int N = static_cast<int>(std::lround(52.0 * T + 50.0));
    double B = P;
    double I = P * i;
    double Q = pay - I;
    double CI = 0.0;
    double CP = 0.0;
    double yearNumber = 0.0;
    int last = N;
    for (int k = 1; k <= N; ++k) {
        if (k == 1 || (k - 1) % F == 0) {
            yearNumber = static_cast<double>(k) / F + 1.0;
            const double X = prePay[static_cast<size_t>(std::lround(yearNumber))];
            const double previousPrincipal = k == 1 ? 0.0 : at(k - 1, 3);
            if (!(X >= B - previousPrincipal)) {
                Q += X;
            }
        }
        const double thisI = I;
        const double thisQ = Q;
        B -= thisQ;
        const double nextI = i * B;
        const double nextQ = pay - nextI;
        if (thisI < 0.0) {
            last = k - 1;
            break;
        }
        CI += thisI;
        CP += thisQ;
        at(k, 1) = k;
        at(k, 2) = thisI;
        at(k, 3) = thisQ;
        at(k, 4) = B;
        at(k, 5) = CI;
        at(k, 6) = CP;
        at(k, 0) = yearNumber;
        last = k;
        I = nextI;
        Q = nextQ;
    }
    if (B < 6.0) {
        const double previousBalance = last == 1 ? P : at(last - 1, 4);
        const double previousCI = last == 1 ? 0.0 : at(last - 1, 5);
        const double ownBalance = at(last, 4);
        at(last, 3) = previousBalance;
        at(last, 5) = previousCI + at(last, 2);
        at(last, 6) += ownBalance;
        at(last, 4) = 0.0;
    }
    return last;
}

void startMortgageWindowState(ScheduleRows calcMode) {
    resetProgram();
    resetMortgage();
    program().MortgageMode = MortgageModeFlag::Mortgage;
    loadMortgageTables();
    setCalcMode(calcMode);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    std::printf("bench_mortgage: median and best of the repetitions, in milliseconds per call\n");
    printRowHeading();

    // (a) The model alone: 1 Week, 38 years, every payment, 100000 at 10.125 %, monthly.
    startMortgageWindowState(ScheduleRows::EveryPayment);
    program().EntryValues[3] = Currency::fromWhole(38);
    const MortgageInputs inputs = MortgageInputs::fromState(Monthly, OneWeek);
    MortgageResult result;
    const Timing model = timeEach(2000, 50, [&] { calculateMortgage(inputs, result); });
    const QString modelCheck =
        QStringLiteral("%1 rows, payment %2").arg(result.payments).arg(result.payment, 0, 'f', 2);

    std::vector<double> rt(std::size_t{2101} * 8);
    std::vector<double> prePay(46, 0.0);
    int bareRows = 0;
    const PaymentFrequency weekly = paymentFrequency(OneWeek, inputs.Days);
    const Timing bare = timeEach(2000, 50, [&] {
        bareRows = bareSchedule(inputs.Principal.toDouble(), inputs.Rate.toDouble(),
                                inputs.Term.toDouble(), 12, weekly.f, weekly.F, rt, prePay);
    });
    const QString bareCheck = QStringLiteral("%1 rows, last balance %2")
                                  .arg(bareRows)
                                  .arg(rt[static_cast<size_t>(bareRows) * 8 + 4], 0, 'f', 2);
    printRow("(a) calculateMortgage, 1 Week, 38 y, every", model, "< 0.5 ms", 0.5, modelCheck);
    printRow("    bare loop of the same arithmetic (doubles)", bare, "", 0, bareCheck);
    std::printf("  %-46s %6s %9.1fx\n", "    model / bare loop", "",
                model.medianMs / bare.medianMs);

    // (b) "&Calculate" through the window, the same schedule.
    {
        startMortgageWindowState(ScheduleRows::Annual);
        MortgageCalc window;
        window.show();
        QCoreApplication::processEvents();
        window.findChild<QComboBox*>(QStringLiteral("FreqPmt"))->setCurrentIndex(3);
        window.findChild<QRadioButton*>(QStringLiteral("Option1"))->click();
        program().EntryValues[3] = Currency::fromWhole(38);
        auto* grid = window.findChild<Grid*>(QStringLiteral("MGrid"));
        auto* paymentLabel = window.findChild<QLabel*>(QStringLiteral("InMonthPI"));
        const Timing click = timeEach(30, 3, [&] { window.MCalc_Click(); });
        const QString clickCheck = QStringLiteral("%1 grid rows, ResultCount %2, payment %3")
                                       .arg(grid->rows())
                                       .arg(program().ResultCount)
                                       .arg(paymentLabel->text().trimmed());
        const Timing painted = timeEach(30, 3, [&] {
            window.MCalc_Click();
            QCoreApplication::processEvents();
        });
        printRow("(b) MCalc_Click, 1 Week, 38 y, every payment", click, "< 30 ms", 30, clickCheck);
        printRow("    MCalc_Click + repaint (processEvents)", painted, "", 0, QString());

        // (d) The same grid leaving the program: saved as CSV (the answer of the save dialog
        // given, the atomic save included) and every row copied to the clipboard.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Mortgage.csv"));
        bool saved = true;
        const Timing csv = timeEach(30, 3, [&] {
            FileDialogs::setNextAnswer(path);
            saved = saveGridAsCsv(*grid, &window, QStringLiteral("Mortgage.csv")) && saved;
        });
        printRow("(d) Save as CSV, 1 Week, 38 y, every payment", csv, "< 20 ms", 20,
                 QStringLiteral("%1 grid rows, %2, %3 bytes")
                     .arg(grid->filledRows().size())
                     .arg(saved ? QStringLiteral("saved") : QStringLiteral("NOT saved"))
                     .arg(QFileInfo(path).size()));
        qsizetype copied = 0;
        const Timing copy = timeEach(30, 3, [&] {
            const QString text = gridClipboardText(*grid, true);
            Clipboard::copyText(text);
            copied = text.size();
        });
        printRow("    Copy All, the same grid", copy, "< 20 ms", 20,
                 QStringLiteral("%1 characters on the clipboard").arg(copied));
    }

    // (c) The report of the defaults (25 years monthly, every payment: 300 rows).
    {
        startMortgageWindowState(ScheduleRows::EveryPayment);
        ProgramState& p = program();
        const MortgageInputs in = MortgageInputs::fromState(Monthly, Monthly);
        MortgageResult r = calculateMortgage(in);
        const MortgageCaptions c = mortgageCaptions(r, p.CurrencySymbol);
        const MortgageDisplay display =
            mortgageDisplay(r, r.schedule, mortgage().MortPrePayments, p.CurrencySymbol);
        const int payments = r.payments;
        publishMortgage(std::move(r), &display);
        MortgageReportData data = MortgageReportData::fromState(in);
        data.TermText = termText(p.EntryValues[3], p.MortgageMode);
        data.setCaptions(c);
        size_t pages = 0;
        qsizetype lines = 0;
        const Timing report = timeEach(200, 10, [&] {
            TextPrinter printer;
            SetReportFont(printer);
            printer.tab(2);
            printer.printLine(QStringLiteral("Home"));
            printMortgageReport(printer, data);
            pages = printer.pages().size();
            lines = 0;
            for (const QStringList& page : printer.pages()) {
                lines += page.size();
            }
        });
        printRow("(c) printMortgageReport, 300 rows, TextPrinter", report, "< 5 ms", 5,
                 QStringLiteral("%1 schedule rows, %2 pages, %3 lines")
                     .arg(payments)
                     .arg(pages)
                     .arg(lines));
    }
    return 0;
}
