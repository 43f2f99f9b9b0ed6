#include "mortgage/mortgagegraph.h"

#include "core/programstate.h"
#include "core/runtimefailure.h"
#include "mortgage/mortgagestate.h"

int PrepareMortgageGraph() {
    ProgramState& p = program();
    const MortgageState& m = mortgage();
    p.GraphValues = CurrencyTable(47, 6);
    CurrencyTable& gv = p.GraphValues;
    const Table& rt = p.ResultTable;
    const int Y = checked::toInt32(static_cast<double>(m.YearsToFinalPayment) + 0.49);
    const int F = m.PaymentsPerYear;

    if (scheduleRows() != ScheduleRows::EveryPayment) {
        for (int i = 1; i <= Y; ++i) {
            gv.at(i + 1, 5) = rt.at(i, 4).toCurrency();
            gv.at(i + 1, 1) = Currency::fromWhole(i + 1);
        }
    } else {
        for (int i = 1; i <= Y; ++i) {
            const int start = i == 1 ? 1 : (i - 1) * F;
            // The year's value is the balance after its last payment, or the first balance of
            // 1 or less: the payoff row, or an empty row past the end of the schedule.
            for (int j = start; j <= i * F; ++j) {
                // Past the table's end reads as an empty row.
                const Currency balance = j < rt.rows() ? rt.at(j, 4).toCurrency() : Currency();
                gv.at(i + 1, 5) = balance;
                gv.at(i + 1, 1) = Currency::fromWhole(i + 1);
                if (balance <= Currency::fromWhole(1)) {
                    break;
                }
            }
        }
    }
    gv.at(1, 5) = p.EntryValues[1];
    gv.at(1, 1) = Currency::fromWhole(1);
    return Y;
}

GraphSeries mortgageGraphSeries() {
    const int Y = PrepareMortgageGraph();
    const ProgramState& p = program();
    GraphSeries series;
    series.title = p.GraphTitle;
    const int n = drawnPointCount(Y);
    for (int point = 1; point <= n; ++point) {
        series.labels << Cell(p.GraphValues.at(point, 1)).toText();
        series.values.push_back(p.GraphValues.at(point, 5).toDouble());
    }
    return series;
}
