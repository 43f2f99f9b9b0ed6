// The result graph window on the largest mortgage schedule the calculator allows (1 Week
// payments over 38 years, every payment): the year-start balances picked from the schedule,
// the window opened with its chart drawn, its first picture, and the 3-D view, beside a bare
// loop that picks the same balances from plain doubles.

#include "benchtiming.h"
#include "core/programstate.h"
#include "mortgage/amortization.h"
#include "mortgage/mortgagecalc.h"
#include "mortgage/mortgagedisplay.h"
#include "mortgage/mortgagegraph.h"
#include "mortgage/mortgagestate.h"
#include "platform/barchart.h"
#include "shell/calculatordescriptor.h"
#include "shell/graphsall.h"

#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// The balance after each year's last payment, walked as the graph data walks it, from plain
// doubles (column 4 of a rows x 8 array).
int bareYearStarts(const std::vector<double>& balances, int rows, int F, int Y,
                   std::vector<double>& points, double principal) {
    points.assign(static_cast<size_t>(Y) + 2, 0.0);
    points[1] = principal;
    for (int i = 1; i <= Y; ++i) {
        const int start = i == 1 ? 1 : (i - 1) * F;
        for (int j = start; j <= i * F; ++j) {
            const double b =
                j <= rows ? std::round(balances[static_cast<size_t>(j)] * 1e4) / 1e4 : 0.0;
            points[static_cast<size_t>(i) + 1] = b;
            if (b <= 1.0) {
                break;
            }
        }
    }
    return Y;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);

    resetProgram();
    resetMortgage();
    program().MortgageMode = MortgageModeFlag::Mortgage;
    loadMortgageTables();
    setCalcMode(ScheduleRows::EveryPayment);
    MortgageInputs in;
    in.Principal = Currency::fromWhole(100000);
    in.Rate = Currency::fromDouble(10.125);
    in.Term = Currency::fromWhole(38);
    in.Comperiod = QStringLiteral("      Monthly");
    in.FreqPmt = QStringLiteral("      1 Week");
    in.CalcMode = ScheduleRows::EveryPayment;
    in.Days = daysInYearRow(1);
    MortgageResult result = calculateMortgage(in);
    const int payments = result.payments;
    const MortgageDisplay display =
        mortgageDisplay(result, result.schedule, in.PrePayments, program().CurrencySymbol);
    publishMortgage(std::move(result), &display);
    program().GraphCaller = GraphCallerCode::Mortgage;
    program().GraphTitle = QStringLiteral("Mortgage balance at start of each Year");
    registerCalculator(MortgageCalc::descriptor());

    std::printf("bench_graph: median and best of the repetitions, in milliseconds per call\n");
    std::printf("  schedule: %d rows (1 Week, 38 years, every payment)\n", payments);
    printRowHeading();

    int points = 0;
    const Timing prepare = timeEach(2000, 50, [&] { points = PrepareMortgageGraph(); });
    printRow("PrepareMortgageGraph (year-start balances)", prepare, "", 0,
             QStringLiteral("%1 points").arg(points));

    std::vector<double> balances(static_cast<size_t>(program().ResultTable.rows()), 0.0);
    for (int j = 0; j < program().ResultTable.rows(); ++j) {
        balances[static_cast<size_t>(j)] = program().ResultTable.at(j, 4).toDouble();
    }
    std::vector<double> barePoints;
    int bareY = 0;
    const Timing bare = timeEach(2000, 50, [&] {
        bareY = bareYearStarts(balances, payments, mortgage().PaymentsPerYear, points, barePoints,
                               100000.0);
    });
    printRow("  bare loop picking the same balances (doubles)", bare, "", 0,
             QStringLiteral("%1 points, point 2 = %2").arg(bareY).arg(barePoints[2], 0, 'f', 2));

    double chartPoint2 = 0;
    const Timing open = timeEach(50, 3, [&] {
        GraphsAll window;
        chartPoint2 = window.findChild<BarChart*>(QStringLiteral("Graph1"))->value(2);
    });
    printRow("open the graph window (load: data and 2-D chart)", open, "", 0,
             QStringLiteral("point 2 = %1").arg(chartPoint2, 0, 'f', 2));

    const Timing shown = timeEach(50, 3, [&] {
        GraphsAll window;
        window.show();
        window.repaint();
    });
    printRow("open, show and paint the window", shown, "< 100 ms", 100, {});

    GraphsAll window;
    window.show();
    window.repaint();
    auto* threeDee = window.findChild<QPushButton*>(QStringLiteral("ThreeDee"));
    auto* twoDee = window.findChild<QPushButton*>(QStringLiteral("Sav2D"));
    const Timing views = timeEach(50, 3, [&] {
        threeDee->click();
        window.repaint();
        twoDee->click();
        window.repaint();
    });
    printRow("3-D view and back to 2-D, each painted", views, "< 100 ms", 100, {});

    BarChart chart;
    chart.resize(620, 340);
    chart.show();
    const Timing draw45 = timeEach(100, 5, [&] {
        chart.setNumPoints(45);
        chart.setAutoInc(1);
        for (int i = 1; i <= 45; ++i) {
            chart.setLabel(QString::number(i));
        }
        chart.setNumPoints(45);
        for (int i = 1; i <= 45; ++i) {
            chart.setValue(1000.0 * i);
        }
        chart.setGraphType(BarChart::Bars3D);
        chart.draw(BarChart::DrawAnew);
        chart.repaint();
    });
    printRow("BarChart: 45 points drawn anew in 3-D, painted", draw45, "< 50 ms", 50, {});
    return 0;
}
