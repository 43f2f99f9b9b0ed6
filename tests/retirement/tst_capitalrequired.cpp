// The capital required at retirement: the annual saving, the year table, the two options and
// what the table leaves for the graph window.

#include "core/programstate.h"
#include "retirement/capitaldisplay.h"
#include "retirement/capitalrequired.h"
#include "retirement/retirementstate.h"
#include "shell/graphdata.h"

#include <QTest>

namespace {

Currency whole(std::int64_t value) {
    return Currency::fromWhole(value);
}

CapitalInputs example(std::int16_t calcMode = 0) {
    return {calcMode == 2 ? whole(40000) : whole(100000), whole(20), whole(25),
            static_cast<CapitalOption>(calcMode)};
}

QStringList gridRow(const CapitalResult& r, int row) {
    return capitalGridBlock(r, QStringLiteral("$")).rows.at(static_cast<std::size_t>(row - 1));
}

} // namespace

class TestCapitalRequired : public QObject {
    Q_OBJECT

private slots:
    void init() {
        resetProgram();
        resetRetirement();
        loadCapitalTables();
    }

    void yearRows_data();
    void yearRows();
    void incomeOptionDoublesTheSaving();
    void totals_data();
    void totals();
    void failures_data();
    void failures();
    void gridRows_data();
    void gridRows();
    void options_data();
    void options();
    void publishFeedsTheGraph();
};

void TestCapitalRequired::yearRows_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("year 1") << 1 << QStringList{"1", "176.56", "35.31", "211.87"};
    QTest::newRow("year 2") << 2 << QStringList{"2", "176.56", "77.69", "466.12"};
    QTest::newRow("final year") << 25 << QStringList{"25", "176.56", "16,666.67", "100,000.00"};
}

void TestCapitalRequired::yearRows() {
    QFETCH(int, year);
    QTEST(gridRow(calculateCapitalRequired(example()), year), "texts");
}

void TestCapitalRequired::incomeOptionDoublesTheSaving() {
    const CapitalResult capital = calculateCapitalRequired(example());
    const CapitalResult income = calculateCapitalRequired(example(2));
    QCOMPARE(income.capital, 200000.0);
    QCOMPARE(income.saving, 2 * capital.saving);
    QCOMPARE(gridRow(income, 1)[1], QStringLiteral("353.12"));
}

void TestCapitalRequired::totals_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("years");
    QTest::newRow("example") << 20 << 25;
    QTest::newRow("one year") << 10 << 1;
    QTest::newRow("fifty years") << 15 << 50;
}

// The total saved is n savings; saved and growth make the final value, which is the capital.
void TestCapitalRequired::totals() {
    QFETCH(int, rate);
    QFETCH(int, years);
    const CapitalResult r = calculateCapitalRequired(
        {whole(100000), whole(rate), whole(years), CapitalOption::Capital});
    QCOMPARE(r.years.size(), std::size_t(years));
    QCOMPARE(r.totalSaved, years * r.saving);
    QCOMPARE(r.totalSaved + r.totalGrowth, r.finalValue);
    QCOMPARE(r.finalValue, 100000.0);
    QCOMPARE(gridRow(r, years + 1), QStringList(4, QString()));
    QCOMPARE(gridRow(r, years + 2)[0], QStringLiteral("Total:"));
    QCOMPARE(gridRow(r, years + 2)[3], QStringLiteral("$100,000.00"));
}

void TestCapitalRequired::failures_data() {
    QTest::addColumn<CapitalInputs>("inputs");
    QTest::newRow("rate 0") << CapitalInputs{whole(100000), Currency(), whole(25),
                                             CapitalOption::Capital};
    QTest::newRow("rate 0, income option")
        << CapitalInputs{whole(40000), Currency(), whole(25), CapitalOption::Income};
    QTest::newRow("term 0") << CapitalInputs{whole(100000), whole(20), Currency(),
                                             CapitalOption::Capital};
}

void TestCapitalRequired::failures() {
    QFETCH(CapitalInputs, inputs);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, calculateCapitalRequired(inputs));
}

void TestCapitalRequired::gridRows_data() {
    QTest::addColumn<int>("years");
    QTest::addColumn<int>("rows");
    QTest::newRow("21 years keep 25") << 21 << 25;
    QTest::newRow("22 years") << 22 << 26;
    QTest::newRow("30 years") << 30 << 34;
    QTest::newRow("above the limit") << 60 << 64;
}

void TestCapitalRequired::gridRows() {
    QFETCH(int, years);
    QFETCH(int, rows);
    const CapitalInputs in{whole(100000), whole(20), whole(years), CapitalOption::Capital};
    QCOMPARE(capitalGridRows(in), rows);
    const CapitalResult r = calculateCapitalRequired(in);
    if (years > 50) {
        QCOMPARE(r.message, Message::FiftyYearsLimit);
        QVERIFY(r.years.empty());
        return;
    }
    // Years on rows 1..n, the totals on row n + 2, the last row of the grid at most.
    QCOMPARE(capitalGridBlock(r, QStringLiteral("$")).rows.size(), std::size_t(years + 2));
    QVERIFY(years + 2 <= rows - 1);
}

void TestCapitalRequired::options_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<std::int16_t>("calcMode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("firstListItem");
    QTest::newRow("capital") << 0 << std::int16_t(0)
                             << " Amount of capital required at     retirement"
                             << "  $100,000.00"
                             << "100000";
    QTest::newRow("income") << 1 << std::int16_t(2)
                            << " Annual income required at         retirement"
                            << "   $40,000.00"
                            << "25000";
}

void TestCapitalRequired::options() {
    QFETCH(int, option);
    const CapitalOption chosen = option == 1 ? CapitalOption::Income : CapitalOption::Capital;
    applyCapitalOption(chosen);
    const CapitalOptionTexts t =
        capitalOptionTexts(chosen, program().EntryValues, QStringLiteral("$"));
    QTEST(t.lumpInvCaption, "caption");
    QTEST(t.lumpInvText, "amount");
    QTEST(t.lumpInvList.front(), "firstListItem");
    QCOMPARE(t.lumpInvList.size(), 6);
    QCOMPARE(t.rateText, QStringLiteral("         15.00%"));
    QCOMPARE(t.termText, QString(15, u' ') + QStringLiteral("25"));
    QTEST(static_cast<std::int16_t>(program().CalcMode), "calcMode");
    const CapitalInputs in = CapitalInputs::fromState();
    QCOMPARE(in.Rate, whole(15));
    QCOMPARE(in.Term, whole(25));
}

void TestCapitalRequired::publishFeedsTheGraph() {
    ProgramState& p = program();
    const CapitalResult r = calculateCapitalRequired(example());
    publishCapitalRequired(r);
    QCOMPARE(p.ResultCount, std::int16_t(25));
    QCOMPARE(p.GraphTitle, QStringLiteral("Investment value at end of each Year"));
    // The totals row carries n + 1 in its year column.
    QCOMPARE(p.ResultTable.at(26, 1).toDouble(), 26.0);
    QCOMPARE(p.ResultTable.at(26, 2).toDouble(), r.totalSaved);
    QCOMPARE(p.ResultTable.at(26, 3).toDouble(), r.totalGrowth);
    const GraphSeries graph = endOfYearSeries();
    QCOMPARE(graph.values.size(), std::size_t(25));
    QCOMPARE(graph.labels.value(1), QStringLiteral("2"));
    QCOMPARE(graph.values[1], r.years[1].value);
    QCOMPARE(graph.values[24], r.finalValue);
}

QTEST_GUILESS_MAIN(TestCapitalRequired)
#include "tst_capitalrequired.moc"
