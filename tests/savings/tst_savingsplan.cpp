// The savings calculation: periods, rates in their precisions, the order of the roundings, the
// totals, and what a result leaves in the program-wide tables for the graph and the report.

#include "core/programstate.h"
#include "savings/savingscalc.h"
#include "savings/savingsplan.h"
#include "savings/savingsstate.h"
#include "shell/graphdata.h"
#include "support/savingsfixtures.h"

#include <QTest>
#include <cmath>

namespace {

Currency money(double value) {
    return Currency::fromDouble(value);
}

// The entries at load with the term given.
SavingsInputs atLoad(const QString& frequency = QStringLiteral("Annually"), int years = 25) {
    program().EntryValues[7] = Currency::fromWhole(years);
    return SavingsInputs::fromState(frequency);
}

// "&Calculate" after its checks; false when the calculation failed.
bool calculate(const SavingsInputs& in) {
    try {
        publishSavings(calculateSavings(in));
        return true;
    } catch (const RunTimeFailure&) {
        return false;
    }
}

} // namespace

class TestSavingsPlan : public QObject {
    Q_OBJECT

private slots:
    void init() { startSavingsPlanning(); }

    void loadCreatesTables();
    void firstPeriodsAtLoad_data();
    void firstPeriodsAtLoad();
    void periodCounts_data();
    void periodCounts();
    void growthRateIsSinglePrecision_data();
    void growthRateIsSinglePrecision();
    void singlePrecisionReachesTheInterest();
    void increaseCompoundsToTheAnnualRate();
    void inflation_data();
    void inflation();
    void failures_data();
    void failures();
    void failedComparisonChangesNothing();
    void planningGraphData_data();
    void planningGraphData();
    void graphWindowReadsPlanning();
    void graphWindowReadsComparisons();
    void shorterCalculationLeavesNoOldRows();
    void comparisonsFillGraphAndReportBlocks();
    void reportLineOfAComparison();
    void comparisonLimit();
    void resetKeepsComparisonRows();
    void exitReleasesTables();
};

void TestSavingsPlan::loadCreatesTables() {
    const ProgramState& p = program();
    QCOMPARE(p.ResultTable.rows(), 511);
    QCOMPARE(p.ResultTable.columns(), 6);
    QCOMPARE(p.GraphValues.rows(), 42);
    QCOMPARE(p.GraphValues.columns(), 6);
    QCOMPARE(p.GraphLabels.rows(), 25);
    QCOMPARE(p.GraphLabels.columns(), 2);
    QCOMPARE(p.EntryValues.size(), 9);
    QCOMPARE(p.ReportBlocks.size(), 4);
    const Currency expected[9] = {{}, {}, Currency::fromWhole(1200), {}, Currency::fromWhole(20),
                                  {}, {}, Currency::fromWhole(25),   {}};
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(p.EntryValues[i], expected[i]);
    }
}

void TestSavingsPlan::firstPeriodsAtLoad_data() {
    QTest::addColumn<int>("period");
    QTest::addColumn<double>("invested");
    QTest::addColumn<double>("interest");
    QTest::addColumn<double>("value");
    QTest::newRow("period 1") << 1 << 1200.0 << 240.0 << 1440.0;
    QTest::newRow("period 2") << 2 << 1200.0 << 528.0 << 3168.0;
    QTest::newRow("period 3") << 3 << 1200.0 << 873.6 << 5241.6;
}

void TestSavingsPlan::firstPeriodsAtLoad() {
    QFETCH(int, period);
    QFETCH(double, invested);
    QFETCH(double, interest);
    QFETCH(double, value);
    QVERIFY(calculate(atLoad()));
    const Table& rt = program().ResultTable;
    QCOMPARE(rt.at(period, 1).toDouble(), double(period));
    QCOMPARE(rt.at(period, 2).toCurrency(), money(invested));
    QCOMPARE(rt.at(period, 3).toCurrency(), money(interest));
    QCOMPARE(rt.at(period, 4).toCurrency(), money(value));
}

void TestSavingsPlan::periodCounts_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("years");
    QTest::addColumn<int>("periods");
    QTest::addColumn<int>("totalsRow");
    QTest::addColumn<int>("resultCount");
    QTest::addColumn<double>("totalInvested");
    QTest::newRow("annually 25") << "Annually" << 25 << 25 << 26 << 25 << 30000.0;
    QTest::newRow("quarterly 10") << "Quarterly" << 10 << 40 << 41 << 10 << 48000.0;
    QTest::newRow("monthly 40") << "Monthly" << 40 << 480 << 481 << 40 << 576000.0;
    QTest::newRow("term 0 computes one period") << "Annually" << 0 << 0 << 2 << 0 << 1200.0;
    QTest::newRow("term 0 monthly") << "Monthly" << 0 << 0 << 2 << 0 << 1200.0;
}

void TestSavingsPlan::periodCounts() {
    QFETCH(QString, frequency);
    QFETCH(int, years);
    QFETCH(int, totalsRow);
    QFETCH(double, totalInvested);
    const SavingsResult r = calculateSavings(atLoad(frequency, years));
    QTEST(r.N, "periods");
    QCOMPARE(r.totalsRow(), totalsRow);
    publishSavings(r);
    const ProgramState& p = program();
    QTEST(int(p.ResultCount), "resultCount");
    QTEST(int(savings().Periods), "periods");
    const Table& rt = p.ResultTable;
    QCOMPARE(rt.at(totalsRow, 1).toDouble(), double(totalsRow - 1));
    QCOMPARE(rt.at(totalsRow, 2).toCurrency(), money(totalInvested));
    QCOMPARE(rt.at(totalsRow, 3).toDouble(),
             rt.at(totalsRow, 4).toDouble() - rt.at(totalsRow, 2).toDouble());
    QCOMPARE(rt.at(totalsRow, 4).toDouble(), rt.at(totalsRow - 1, 4).toDouble());
    QVERIFY(rt.at(totalsRow + 1, 1).isEmpty());
}

void TestSavingsPlan::growthRateIsSinglePrecision_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<float>("rate");
    QTest::newRow("annually: exactly 20%") << "Annually" << 0.2F;
    QTest::newRow("quarterly: 1.2^(1/4) - 1")
        << "Quarterly" << static_cast<float>(std::pow(1.2, 0.25) - 1.0);
    QTest::newRow("monthly: 1.2^(1/12) - 1, not 20/12 %")
        << "Monthly" << static_cast<float>(std::pow(1.2, 1.0 / 12.0) - 1.0);
}

void TestSavingsPlan::growthRateIsSinglePrecision() {
    QFETCH(QString, frequency);
    const SavingsResult r = calculateSavings(atLoad(frequency));
    QTEST(r.r, "rate");
}

void TestSavingsPlan::singlePrecisionReachesTheInterest() {
    // 20% in single precision is 0.200000003: on 1,000,000,000.00 the first period earns
    // 2.98 more than in double precision.
    program().EntryValues[1] = money(999998800.0);
    const SavingsResult r = calculateSavings(atLoad());
    QCOMPARE(r.periods.front().interest, money(200000002.9802));
}

void TestSavingsPlan::increaseCompoundsToTheAnnualRate() {
    ProgramState& p = program();
    p.EntryValues[2] = Currency::fromWhole(100);
    p.EntryValues[4] = Currency();
    p.EntryValues[5] = Currency::fromWhole(5);
    const SavingsResult r = calculateSavings(atLoad(QStringLiteral("Monthly"), 2));
    // Twelve monthly steps, each rounded to currency, make 5% from month 1 to month 13.
    const double month13 = r.periods[12].invested.toDouble();
    QVERIFY2(std::fabs(month13 - 105.0) <= 12 * 0.00005, qPrintable(QString::number(month13)));
    QVERIFY(r.periods[11].invested.toDouble() < 104.9);
    QCOMPARE(r.periods[0].invested, Currency::fromWhole(100));
}

void TestSavingsPlan::inflation_data() {
    QTest::addColumn<int>("inflation");
    QTest::addColumn<double>("year1");
    QTest::addColumn<double>("year2");
    QTest::addColumn<double>("year3");
    // A lump sum at 10% growth: inflation equal to the growth shrinks it by 1.1 x 0.9 a year.
    QTest::newRow("inflation equals growth") << 10 << 9900.0 << 9801.0 << 9702.99;
    QTest::newRow("no inflation") << 0 << 11000.0 << 12100.0 << 13310.0;
    QTest::newRow("negative inflation raises the value") << -10 << 12100.0 << 14641.0 << 17715.61;
}

void TestSavingsPlan::inflation() {
    QFETCH(int, inflation);
    ProgramState& p = program();
    p.EntryValues[1] = Currency::fromWhole(10000);
    p.EntryValues[2] = Currency();
    p.EntryValues[4] = Currency::fromWhole(10);
    p.EntryValues[6] = Currency::fromWhole(inflation);
    const SavingsResult r = calculateSavings(atLoad(QStringLiteral("Annually"), 3));
    QFETCH(double, year1);
    QFETCH(double, year2);
    QFETCH(double, year3);
    QCOMPARE(money(r.periods[0].value), money(year1));
    QCOMPARE(money(r.periods[1].value), money(year2));
    QCOMPARE(money(r.periods[2].value), money(year3));
}

void TestSavingsPlan::failures_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("entry");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fails");
    QTest::newRow("growth below -100 monthly") << "Monthly" << 4 << -150.0 << true;
    QTest::newRow("growth below -100 quarterly") << "Quarterly" << 4 << -100.5 << true;
    QTest::newRow("growth below -100 annually is a rate") << "Annually" << 4 << -150.0 << false;
    QTest::newRow("growth of -100 monthly is a rate") << "Monthly" << 4 << -100.0 << false;
    QTest::newRow("increase below -100 monthly") << "Monthly" << 5 << -101.0 << true;
    QTest::newRow("inflation below -100 quarterly") << "Quarterly" << 6 << -200.0 << true;
    QTest::newRow("value beyond the currency range") << "Annually" << 1 << 9e14 << true;
    QTest::newRow("monthly periods beyond the table") << "Monthly" << 7 << 43.0 << true;
    QTest::newRow("monthly 42 years still fit") << "Monthly" << 7 << 42.0 << false;
    QTest::newRow("negative term") << "Annually" << 7 << -1.0 << true;
    QTest::newRow("unknown frequency") << "Weekly" << 4 << 20.0 << true;
}

void TestSavingsPlan::failures() {
    QFETCH(QString, frequency);
    QFETCH(int, entry);
    QFETCH(double, value);
    QFETCH(bool, fails);
    program().EntryValues[entry] = money(value);
    program().ResultCount = 0;
    QCOMPARE(calculate(SavingsInputs::fromState(frequency)), !fails);
    if (fails) {
        QCOMPARE(program().ResultCount, std::int16_t(0));
        QCOMPARE(savings().Periods, std::int16_t(0));
    }
}

void TestSavingsPlan::failedComparisonChangesNothing() {
    ProgramState& p = program();
    setCalcMode(SavingsMode::Comparisons);
    QVERIFY(calculate(atLoad()));
    const QString block = p.ReportBlocks[1];
    p.ResultCount = 0; // the next entry starts
    p.EntryValues[4] = money(-150.0);
    QVERIFY(!calculate(atLoad(QStringLiteral("Monthly"))));
    QCOMPARE(p.ResultCount, std::int16_t(0));
    QCOMPARE(savings().ComparisonCount, std::int16_t(1));
    QCOMPARE(p.ReportBlocks[1], block);
    QCOMPARE(p.GraphLabels.at(2, 0), QString());
    QCOMPARE(p.GraphValues.at(2, 5), Currency());
}

void TestSavingsPlan::planningGraphData_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("years");
    QTest::newRow("annually 25") << "Annually" << 25;
    QTest::newRow("quarterly 3") << "Quarterly" << 3;
    QTest::newRow("monthly 40") << "Monthly" << 40;
}

void TestSavingsPlan::planningGraphData() {
    QFETCH(QString, frequency);
    QFETCH(int, years);
    const SavingsResult r = calculateSavings(atLoad(frequency, years));
    publishSavings(r);
    const ProgramState& p = program();
    QCOMPARE(int(p.ResultCount), years);
    QCOMPARE(p.GraphTitle, QStringLiteral("Investment value at end of each Year"));
    for (int j = 1; j <= years; ++j) {
        QCOMPARE(p.ResultTable.at(j, 1).toText(), QString::number(j));
        QCOMPARE(p.ResultTable.at(j, 5).toDouble(),
                 r.periods[static_cast<std::size_t>(j * r.m - 1)].value);
    }
    QVERIFY(p.ResultTable.at(years + 1, 5).isEmpty());
}

void TestSavingsPlan::graphWindowReadsPlanning() {
    QVERIFY(calculate(atLoad()));
    const GraphSeries graph = SavingsCalc::descriptor().graphs.front().series();
    QVERIFY(!graph.comparison);
    QCOMPARE(graph.values.size(), std::size_t(25));
    QCOMPARE(graph.labels.value(0), QStringLiteral("1"));
    QCOMPARE(graph.labels.value(24), QStringLiteral("25"));
    QCOMPARE(Currency::fromDouble(graph.values[0]), Currency::fromWhole(1440));
    QCOMPARE(graph.values[24], program().ResultTable.at(25, 4).toDouble());
}

void TestSavingsPlan::graphWindowReadsComparisons() {
    ProgramState& p = program();
    setCalcMode(SavingsMode::Comparisons);
    QVERIFY(calculate(atLoad()));
    p.EntryValues[1] = Currency::fromWhole(10000);
    QVERIFY(calculate(atLoad()));
    const GraphSeries graph = SavingsCalc::descriptor().graphs.front().series();
    QVERIFY(graph.comparison);
    QCOMPARE(graph.values.size(), std::size_t(2));
    QCOMPARE(graph.labels.value(1), QStringLiteral("Row 2"));
    QCOMPARE(Currency::fromDouble(graph.values[1]), p.ResultTable.at(26, 4).toCurrency());
    QCOMPARE(graph.axisTitle, QStringLiteral("Value $"));
}

void TestSavingsPlan::shorterCalculationLeavesNoOldRows() {
    QVERIFY(calculate(atLoad(QStringLiteral("Monthly"), 40)));
    QVERIFY(calculate(atLoad(QStringLiteral("Annually"), 5)));
    const Table& rt = program().ResultTable;
    QCOMPARE(rt.at(6, 1).toDouble(), 5.0); // the totals
    QVERIFY(rt.at(7, 4).isEmpty());
    QVERIFY(rt.at(6, 5).isEmpty());
    QVERIFY(rt.at(480, 4).isEmpty());
}

void TestSavingsPlan::comparisonsFillGraphAndReportBlocks() {
    ProgramState& p = program();
    setCalcMode(SavingsMode::Comparisons);
    std::vector<Currency> finals;
    for (int i = 1; i <= 16; ++i) {
        p.EntryValues[1] = Currency::fromWhole(std::int64_t{1000} * i);
        const SavingsResult r = calculateSavings(atLoad());
        QCOMPARE(r.comparison(), i);
        publishSavings(r);
        finals.push_back(r.graphValue);
    }
    QCOMPARE(savings().ComparisonCount, std::int16_t(16));
    QCOMPARE(p.ResultCount, std::int16_t(16));
    QCOMPARE(p.GraphTitle, QStringLiteral("Savings Comparisons"));
    for (int i = 1; i <= 16; ++i) {
        QCOMPARE(p.GraphLabels.at(i, 0), QStringLiteral("Row %1").arg(i));
        QCOMPARE(p.GraphValues.at(i, 5), finals[static_cast<std::size_t>(i - 1)]);
    }
    // Comparisons 1 to 15 in the first block, the 16th in the second.
    QCOMPARE(p.ReportBlocks[1].count(QStringLiteral("\r\n\r\n")), 15);
    QCOMPARE(p.ReportBlocks[2].count(QStringLiteral("\r\n\r\n")), 1);
    QVERIFY(p.ReportBlocks[2].startsWith(QStringLiteral(" 25   16,000.00")));
}

void TestSavingsPlan::reportLineOfAComparison() {
    setCalcMode(SavingsMode::Comparisons);
    program().EntryValues[5] = money(-2.5);
    const SavingsResult r = calculateSavings(atLoad());
    // The contribution falls by 2.5% a year; the line shows it as entered.
    QCOMPARE(::comparisonReportLine(r),
             QStringLiteral(" 25         .00    1,200.00  20.00%  -2.50%    .00%    22,510.78    "
                            "607,137.24\r\n ") +
                 QString(77, u'_') + QStringLiteral("\r\n\r\n"));
}

void TestSavingsPlan::comparisonLimit() {
    ProgramState& p = program();
    setCalcMode(SavingsMode::Comparisons);
    for (int i = 1; i <= 22; ++i) {
        const SavingsInputs in = atLoad();
        QVERIFY(!comparisonLimitReached(in));
        QVERIFY(calculate(in));
    }
    p.ResultCount = 0; // Calculate starts by clearing it
    QVERIFY(comparisonLimitReached(atLoad()));
    refuseComparison();
    QCOMPARE(p.ResultCount, std::int16_t(22));
    QCOMPARE(savings().ComparisonCount, std::int16_t(22));
    QCOMPARE(p.GraphLabels.at(22, 0), QStringLiteral("Row 22"));
}

void TestSavingsPlan::resetKeepsComparisonRows() {
    setCalcMode(SavingsMode::Comparisons);
    QCOMPARE(savingsResultsReset().emptyGrid, true);
    QVERIFY(calculate(atLoad()));
    QCOMPARE(savingsResultsReset().emptyGrid, false);
    QCOMPARE(savingsResultsReset().clearResultCount, true);
}

void TestSavingsPlan::exitReleasesTables() {
    ProgramState& p = program();
    setCalcMode(SavingsMode::Comparisons);
    QVERIFY(calculate(atLoad()));
    p.GraphCaller = GraphCallerCode::Savings;
    releaseSavingsTables();
    QCOMPARE(p.CalcMode, std::int16_t(0));
    QCOMPARE(p.ResultCount, std::int16_t(0));
    QCOMPARE(p.GraphCaller, GraphCallerCode::None);
    QCOMPARE(savings().ComparisonCount, std::int16_t(0));
    QCOMPARE(p.ResultTable.rows(), 0);
    QCOMPARE(p.GraphValues.rows(), 0);
    QCOMPARE(p.EntryValues.size(), 0);
    QCOMPARE(p.ReportBlocks.size(), 0);
}

QTEST_GUILESS_MAIN(TestSavingsPlan)
#include "tst_savingsplan.moc"
