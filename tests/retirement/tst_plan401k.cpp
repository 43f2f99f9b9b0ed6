// The 401(k) projection, its grid texts and what it leaves for the graph window.

#include "core/programstate.h"
#include "retirement/plan401k.h"
#include "retirement/plan401kdisplay.h"
#include "retirement/retirementstate.h"
#include "shell/graphdata.h"

#include <QTest>

namespace {

Currency whole(std::int64_t value) {
    return Currency::fromWhole(value);
}

// The values at load: 10000, 50000, 5%, 4%, 4% raise, 10% return, no inflation, 25 years.
Plan401KInputs atLoad() {
    loadPlan401KTables();
    return Plan401KInputs::fromState();
}

QStringList gridRow(const GridBlock& block, int row) {
    return block.rows.at(static_cast<std::size_t>(row - block.firstRow));
}

} // namespace

class TestPlan401K : public QObject {
    Q_OBJECT

private slots:
    void init() {
        resetProgram();
        resetRetirement();
    }

    void yearRows_data();
    void yearRows();
    void balanceRowOnlyAboveOne_data();
    void balanceRowOnlyAboveOne();
    void gridRows_data();
    void gridRows();
    void zeroYearsComputesYearOne();
    void aboveFiftyYearsIsRefused();
    void totalsRow_data();
    void totalsRow();
    void publishFeedsTheGraph();
    void overflowFails();
    void fieldsAtLoad();
};

void TestPlan401K::yearRows_data() {
    QTest::addColumn<int>("inflation");
    QTest::addColumn<int>("year");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("year 1") << 0 << 1
                            << QStringList{"1", "50,000.00", "4,500.00", "1,450.00", "15,950.00"};
    QTest::newRow("year 2") << 0 << 2
                            << QStringList{"2", "52,000.00", "4,680.00", "2,063.00", "22,693.00"};
    QTest::newRow("3% inflation takes its share of year 1")
        << 3 << 1 << QStringList{"1", "50,000.00", "4,500.00", "1,450.00", "15,471.50"};
}

void TestPlan401K::yearRows() {
    QFETCH(int, inflation);
    QFETCH(int, year);
    QFETCH(QStringList, texts);
    Plan401KInputs in = atLoad();
    in.InflRate = whole(inflation);
    const GridBlock block = plan401kGridBlock(calculatePlan401K(in), QStringLiteral("$"));
    // The starting balance of 10,000.00 takes grid row 1; year y is on row y + 1.
    QCOMPARE(gridRow(block, year + 1), texts);
}

void TestPlan401K::balanceRowOnlyAboveOne_data() {
    QTest::addColumn<Currency>("balance");
    QTest::addColumn<QString>("row1Value"); // column 4 of grid row 1
    QTest::addColumn<QString>("row1Year");  // column 0 of grid row 1
    QTest::newRow("load value") << whole(10000) << "10,000.00"
                                << "";
    QTest::newRow("just above 1") << Currency::fromRaw(10001) << "1.00"
                                  << "";
    QTest::newRow("exactly 1") << whole(1) << "4,951.10"
                               << "1";
    QTest::newRow("none") << Currency() << "4,950.00"
                          << "1";
}

void TestPlan401K::balanceRowOnlyAboveOne() {
    QFETCH(Currency, balance);
    Plan401KInputs in = atLoad();
    in.CurrBal = balance;
    const GridBlock block = plan401kGridBlock(calculatePlan401K(in), QStringLiteral("$"));
    QCOMPARE(block.firstRow, 1);
    const QStringList row1 = gridRow(block, 1);
    QTEST(row1[4], "row1Value");
    QTEST(row1[0], "row1Year");
    if (row1[0].isEmpty()) {
        QCOMPARE(row1.mid(0, 4), QStringList(4, QString()));
    }
}

void TestPlan401K::gridRows_data() {
    QTest::addColumn<int>("years");
    QTest::addColumn<int>("rows");
    QTest::newRow("50 years") << 50 << 55;
    QTest::newRow("21 years") << 21 << 26;
    QTest::newRow("20 years keep 25") << 20 << 25;
    QTest::newRow("none") << 0 << 25;
}

void TestPlan401K::gridRows() {
    QFETCH(int, years);
    Plan401KInputs in = atLoad();
    in.NumYears = whole(years);
    QTEST(plan401kGridRows(in), "rows");
    // The balance row, the years, an empty row and the totals fit below the heading row.
    const GridBlock block = plan401kGridBlock(calculatePlan401K(in), QStringLiteral("$"));
    QVERIFY(block.firstRow + static_cast<int>(block.rows.size()) <= plan401kGridRows(in));
}

void TestPlan401K::zeroYearsComputesYearOne() {
    Plan401KInputs in = atLoad();
    in.NumYears = Currency();
    const Plan401KResult r = calculatePlan401K(in);
    QCOMPARE(r.m(), 1);
    const GridBlock block = plan401kGridBlock(r, QStringLiteral("$"));
    QCOMPARE(block.rows.size(), std::size_t(4));
    QCOMPARE(gridRow(block, 2)[4], QStringLiteral("15,950.00"));
    QCOMPARE(gridRow(block, 3), QStringList(5, QString()));
    QCOMPARE(gridRow(block, 4)[0], QStringLiteral("Total:"));

    publishPlan401K(r);
    QCOMPARE(program().ResultCount, std::int16_t(0));
    QCOMPARE(program().ResultTable.at(2, 1).toDouble(), 1.0);
    QCOMPARE(program().ResultTable.at(2, 4).toDouble(), 15950.0);
}

void TestPlan401K::aboveFiftyYearsIsRefused() {
    Plan401KInputs in = atLoad();
    in.NumYears = whole(51);
    const Plan401KResult r = calculatePlan401K(in);
    QCOMPARE(r.message, Message::FiftyYearsLimit);
    QVERIFY(r.years.empty());
    in.NumYears = whole(50);
    QCOMPARE(calculatePlan401K(in).message, Message::None);
}

void TestPlan401K::totalsRow_data() {
    QTest::addColumn<int>("returnRate");
    QTest::addColumn<int>("years");
    QTest::newRow("load values") << 10 << 25;
    QTest::newRow("no return") << 0 << 25;
    QTest::newRow("50 years") << 10 << 50;
}

// Without inflation the totals row's growth is the growth column summed, and the final value
// the contributions plus that growth.
void TestPlan401K::totalsRow() {
    QFETCH(int, returnRate);
    QFETCH(int, years);
    Plan401KInputs in = atLoad();
    in.RetnRate = whole(returnRate);
    in.NumYears = whole(years);
    const Plan401KResult r = calculatePlan401K(in);
    QCOMPARE(r.m(), years);
    Currency growth;
    double contributions = 10000.0;
    for (const Plan401KYear& y : r.years) {
        growth += y.growth;
        contributions += y.contribution;
    }
    QCOMPARE(Currency::fromDouble(r.totalGrowth()), growth);
    QCOMPARE(Currency::fromDouble(r.totalContributions), Currency::fromDouble(contributions));
    QCOMPARE(Currency::fromDouble(r.finalValue), Currency::fromDouble(contributions) + growth);

    const QStringList totals =
        gridRow(plan401kGridBlock(r, QStringLiteral("$")), years + 3); // balance row first
    QCOMPARE(totals[0], QStringLiteral("Total:"));
    QCOMPARE(totals[1], QString());
    if (returnRate == 0) {
        QCOMPARE(totals[3], QStringLiteral("$0.00"));
        QCOMPARE(totals[4], totals[2]);
    }
}

void TestPlan401K::publishFeedsTheGraph() {
    const Plan401KResult r = calculatePlan401K(atLoad());
    publishPlan401K(r);
    ProgramState& p = program();
    QCOMPARE(p.ResultCount, std::int16_t(25));
    QCOMPARE(p.GraphTitle, QStringLiteral("Investment value at end of each Year"));
    QCOMPARE(p.ResultTable.at(0, 4).toCurrency(), whole(10000));
    QCOMPARE(p.ResultTable.at(26, 1).toDouble(), 25.0);
    QCOMPARE(p.ResultTable.at(26, 4).toDouble(), r.finalValue);

    const GraphSeries graph = endOfYearSeries();
    QCOMPARE(graph.values.size(), std::size_t(25));
    QCOMPARE(graph.labels.value(0), QStringLiteral("1"));
    QCOMPARE(graph.values[0], 15950.0);
    QCOMPARE(graph.values[1], 22693.0);
    QCOMPARE(graph.labels.value(24), QStringLiteral("25"));

    // A shorter plan replaces the whole table.
    Plan401KInputs shorter = Plan401KInputs::fromState();
    shorter.NumYears = whole(3);
    publishPlan401K(calculatePlan401K(shorter));
    QVERIFY(p.ResultTable.at(10, 4).isEmpty());
    QVERIFY(p.ResultTable.at(26, 1).isEmpty());
}

void TestPlan401K::overflowFails() {
    Plan401KInputs in = atLoad();
    in.CurrSal = Currency::fromRaw(std::numeric_limits<std::int64_t>::max());
    in.CntrbRate = whole(900);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, calculatePlan401K(in));
    in = atLoad();
    in.NumYears = whole(40000);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, plan401kGridRows(in));
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, calculatePlan401K(in));
}

void TestPlan401K::fieldsAtLoad() {
    loadPlan401KTables();
    const std::vector<EntryFieldDef> fields = plan401kFields();
    QCOMPARE(fields.size(), std::size_t(8));
    QStringList texts;
    for (const EntryFieldDef& f : fields) {
        QVERIFY(f.deleteEmpties);
        texts << entryDisplayText(f, program().EntryValues[f.index], QStringLiteral("$"));
    }
    QCOMPARE(texts, (QStringList{"   $10,000.00", "   $50,000.00", "          5.00%",
                                 "          4.00%", "          4.00%", "         10.00%",
                                 "           .00%", "             25"}));
    QCOMPARE(fields.back().enterTarget, QStringLiteral("KCalc"));
    QCOMPARE(fields.back().limit, 50);
    QCOMPARE(program().ResultTable.rows(), 102);
    QCOMPARE(program().ResultTable.columns(), 6);
}

QTEST_GUILESS_MAIN(TestPlan401K)
#include "tst_plan401k.moc"
