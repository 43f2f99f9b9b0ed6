// The compound growth finder: the checks in their order, the rate and gain, what an investment
// leaves for the grid, the graph and the report, and the fields and name key.

#include "core/programstate.h"
#include "savings/compoundgrowth.h"
#include "savings/findcompoundcalc.h"
#include "savings/savingsfields.h"
#include "savings/savingsstate.h"
#include "shell/graphdata.h"
#include "support/messagestring.h"

#include <QTest>

namespace {

const QString Rule = QStringLiteral(" ") + QString(78, u'_') + QStringLiteral(" \r\n");

CompoundInputs entries(double cost, double value, int years, const QString& name = {}) {
    ProgramState& p = program();
    p.EntryValues[1] = Currency::fromDouble(cost);
    p.EntryValues[2] = Currency::fromDouble(value);
    p.EntryValues[3] = Currency::fromWhole(years);
    return CompoundInputs::fromState(name);
}

// "&Calculate" after its checks.
CompoundResult calculate(const CompoundInputs& in) {
    CompoundResult r = calculateCompound(in);
    publishCompound(r);
    return r;
}

} // namespace

class TestCompoundGrowth : public QObject {
    Q_OBJECT

private slots:
    void init() {
        resetProgram();
        resetSavings();
        loadCompoundTables();
    }

    void loadAndExit();
    void textsAtLoadAreFixed();
    void textsAfterAnEntry();
    void nameKey_data();
    void nameKey();
    void refusals_data();
    void refusals();
    void rates_data();
    void rates();
    void reportLines();
    void reportLinesWithoutName();
    void investmentsAccumulate();
    void graphWindowReadsInvestments();
    void thirteenthGoesToTheSecondBlock();
    void failureStoresNothing();
    void resetKeepsRowsAndCount();
};

void TestCompoundGrowth::loadAndExit() {
    ProgramState& p = program();
    QCOMPARE(p.GraphValues.rows(), 29);
    QCOMPARE(p.GraphValues.columns(), 7);
    QCOMPARE(p.GraphLabels.rows(), 29);
    QCOMPARE(p.EntryValues.size(), 4);
    QCOMPARE(p.EntryValues[1], Currency::fromWhole(10000));
    QCOMPARE(p.EntryValues[2], Currency::fromWhole(20000));
    QCOMPARE(p.EntryValues[3], Currency::fromWhole(5));
    QCOMPARE(p.ReportBlocks.size(), 4);
    calculate(CompoundInputs::fromState(QStringLiteral("XYZ mutual fund.")));
    p.GraphCaller = GraphCallerCode::CompoundGrowth;
    releaseCompoundTables();
    QCOMPARE(p.ResultCount, std::int16_t(0));
    QCOMPARE(p.GraphCaller, GraphCallerCode::None);
    QCOMPARE(savings().InvestmentCount, std::int16_t(0));
    QCOMPARE(p.EntryValues.size(), 0);
    QCOMPARE(p.ReportBlocks.size(), 0);
}

void TestCompoundGrowth::textsAtLoadAreFixed() {
    // The texts at load show "$" whatever the symbol of the settings.
    QStringList texts;
    for (const FieldEntry& f : compoundFields()) {
        texts << textAtLoad(f, QStringLiteral("DM"));
    }
    QCOMPARE(texts, QStringList({"      $10,000.00", "      $20,000.00", "               5"}));
    QCOMPARE(compoundNameField().textAtLoad, QStringLiteral("XYZ mutual fund."));
}

void TestCompoundGrowth::textsAfterAnEntry() {
    const std::vector<FieldEntry> fields = compoundFields();
    QCOMPARE(commitEntry(fields[0].field, "1234.5", "DM").text, QStringLiteral("      DM1,234.50"));
    QCOMPARE(commitEntry(fields[2].field, "7", "DM").text, QString(18, u' ') + u'7');
    QCOMPARE(fields[2].field.limit, 50);
    QCOMPARE(fields[2].field.limitMessage, Message::FiftyYearsLimit);
}

void TestCompoundGrowth::nameKey_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("typed");
    QTest::addColumn<bool>("reset");
    QTest::addColumn<QString>("focus");
    QTest::newRow("Enter goes to Calculate") << 13 << 0 << false << "FCalc";
    QTest::newRow("a letter is typed") << int('a') << int('a') << true << "";
    QTest::newRow("a double quote is typed") << int('"') << int('"') << true << "";
    QTest::newRow("backspace") << 8 << 8 << true << "";
}

void TestCompoundGrowth::nameKey() {
    QFETCH(int, key);
    const NameKey k = ::nameKey(static_cast<std::int16_t>(key));
    QTEST(int(k.key), "typed");
    QTEST(k.resetResults, "reset");
    QTEST(k.focusTarget, "focus");
}

void TestCompoundGrowth::refusals_data() {
    QTest::addColumn<double>("cost");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("years");
    QTest::addColumn<int>("done");
    QTest::addColumn<Message>("message");
    QTest::newRow("51 years before a zero cost")
        << 0.0 << 20000.0 << 51 << 0 << Message::FiftyYearsLimit;
    QTest::newRow("51 years before the limit")
        << 10000.0 << 20000.0 << 51 << 22 << Message::FiftyYearsLimit;
    QTest::newRow("50 years") << 10000.0 << 20000.0 << 50 << 0 << Message::None;
    QTest::newRow("zero cost") << 0.0 << 20000.0 << 5 << 0 << Message::WrongEntry;
    QTest::newRow("zero value") << 10000.0 << 0.0 << 5 << 0 << Message::WrongEntry;
    QTest::newRow("zero term") << 10000.0 << 20000.0 << 0 << 0 << Message::WrongEntry;
    QTest::newRow("zero entry before the limit")
        << 0.0 << 20000.0 << 5 << 22 << Message::WrongEntry;
    QTest::newRow("23rd investment")
        << 10000.0 << 20000.0 << 5 << 22 << Message::TwentyTwoEntriesLimit;
    QTest::newRow("22nd investment") << 10000.0 << 20000.0 << 5 << 21 << Message::None;
}

void TestCompoundGrowth::refusals() {
    QFETCH(double, cost);
    QFETCH(double, value);
    QFETCH(int, years);
    QFETCH(int, done);
    program().ResultCount = static_cast<std::int16_t>(done);
    QTEST(compoundRefusal(entries(cost, value, years)), "message");
}

void TestCompoundGrowth::rates_data() {
    QTest::addColumn<double>("cost");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("years");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("gain");
    QTest::addColumn<double>("graphValue");
    QTest::newRow("values at load") << 10000.0 << 20000.0 << 5 << "14.870%"
                                    << "100.00%" << 14.8698;
    QTest::newRow("house") << 25000.0 << 200000.0 << 20 << "10.957%"
                           << "700.00%" << 10.9569;
    QTest::newRow("stripped bond") << 500.0 << 1000.0 << 6 << "12.246%"
                                   << "100.00%" << 12.2462;
    QTest::newRow("earnings") << 2.38 << 5.14 << 5 << "16.648%"
                              << "115.97%" << 16.648;
    QTest::newRow("loss in one year") << 10000.0 << 5000.0 << 1 << "-50.000%"
                                      << "-50.00%" << -50.0;
}

void TestCompoundGrowth::rates() {
    QFETCH(double, cost);
    QFETCH(double, value);
    QFETCH(int, years);
    QFETCH(double, graphValue);
    const CompoundResult r = calculate(entries(cost, value, years));
    QTEST(r.gridRow[4], "rate");
    QTEST(r.gridRow[5], "gain");
    QCOMPARE(program().GraphValues.at(1, 5), Currency::fromDouble(graphValue));
}

void TestCompoundGrowth::reportLines() {
    const CompoundResult r = calculate(CompoundInputs::fromState(QStringLiteral("XYZ fund")));
    QCOMPARE(r.gridRow,
             QStringList({"XYZ fund", "5", "$10,000.00", "$20,000.00", "14.870%", "100.00%"}));
    QCOMPARE(program().ReportBlocks[1],
             QStringLiteral("\r\n XYZ fund\r\n    5          $10,000.00         $20,000.00"
                            "           14.8698%       100.0000%\r\n") +
                 Rule);
}

void TestCompoundGrowth::reportLinesWithoutName() {
    calculate(entries(10000, 5000, 1));
    QCOMPARE(program().ReportBlocks[1],
             QStringLiteral("\r\n    1          $10,000.00          $5,000.00"
                            "          -50.0000%       -50.0000%\r\n") +
                 Rule);
    QCOMPARE(program().GraphLabels.at(1, 0), QString());
}

void TestCompoundGrowth::investmentsAccumulate() {
    const ProgramState& p = program();
    const CompoundResult first = calculate(entries(10000, 20000, 5, QStringLiteral("One")));
    const CompoundGridUpdate firstUpdate = compoundGridUpdate(first);
    QVERIFY(firstUpdate.emptyData);
    QCOMPARE(firstUpdate.rows, 24);
    QCOMPARE(firstUpdate.block.firstRow, 1);
    const CompoundResult second = calculate(entries(500, 1000, 6, QStringLiteral("Two")));
    const CompoundGridUpdate secondUpdate = compoundGridUpdate(second);
    QVERIFY(!secondUpdate.emptyData);
    QCOMPARE(secondUpdate.block.firstRow, 2);
    QCOMPARE(secondUpdate.block.rows.front().front(), QStringLiteral("Two"));
    QCOMPARE(p.ResultCount, std::int16_t(2));
    QCOMPARE(savings().InvestmentCount, std::int16_t(2));
    QCOMPARE(p.GraphLabels.at(1, 0), QStringLiteral("One"));
    QCOMPARE(p.GraphLabels.at(2, 0), QStringLiteral("Two"));
    QCOMPARE(p.GraphValues.at(2, 5), Currency::fromDouble(12.2462));
}

void TestCompoundGrowth::graphWindowReadsInvestments() {
    calculate(CompoundInputs::fromState(QStringLiteral("XYZ mutual fund.")));
    // One investment is drawn as two points, the second empty.
    const GraphSeries graph = FindCompoundCalc::descriptor().graphs.front().series();
    QVERIFY(graph.comparison);
    QCOMPARE(graph.labels, (QStringList{"XYZ mutual fund.", ""}));
    QCOMPARE(graph.values, (std::vector<double>{14.8698, 0.0}));
    QCOMPARE(graph.axisTitle, QStringLiteral("Gain %"));
    QCOMPARE(graph.title, QStringLiteral("Annual compound growth comparisons"));
}

void TestCompoundGrowth::thirteenthGoesToTheSecondBlock() {
    for (int i = 1; i <= 13; ++i) {
        calculate(entries(1000, 1000 + i, 1, QStringLiteral("Fund %1").arg(i)));
    }
    const ProgramState& p = program();
    QCOMPARE(p.ReportBlocks[1].count(Rule), 12);
    QVERIFY(p.ReportBlocks[1].contains(QStringLiteral(" Fund 12\r\n")));
    QCOMPARE(p.ReportBlocks[2].count(Rule), 1);
    QVERIFY(p.ReportBlocks[2].startsWith(QStringLiteral("\r\n Fund 13\r\n")));
}

void TestCompoundGrowth::failureStoresNothing() {
    // A growth rate too large for the graph's currency table: the calculation fails and the
    // investment is not counted, so the next one still takes row 1.
    const CompoundInputs in = entries(0.01, 900000000000.0, 1, QStringLiteral("Huge"));
    QCOMPARE(compoundRefusal(in), Message::None);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, calculate(in));
    const ProgramState& p = program();
    QCOMPARE(p.ResultCount, std::int16_t(0));
    QCOMPARE(savings().InvestmentCount, std::int16_t(0));
    QCOMPARE(p.ReportBlocks[1], QString());
    QCOMPARE(p.GraphLabels.at(1, 0), QString());
    QCOMPARE(compoundGridUpdate(calculate(entries(1, 2, 1))).block.firstRow, 1);
}

void TestCompoundGrowth::resetKeepsRowsAndCount() {
    QVERIFY(compoundResultsReset().emptyGrid);
    QVERIFY(!compoundResultsReset().clearResultCount);
    calculate(CompoundInputs::fromState({}));
    QVERIFY(!compoundResultsReset().emptyGrid);
    QVERIFY(!compoundResultsReset().clearResultCount);
}

QTEST_GUILESS_MAIN(TestCompoundGrowth)
#include "tst_compoundgrowth.moc"
