// What SavingsCalc and FindCompoundCalc show: the entry fields at load and after an entry, the
// Enter chain, the grid set-ups and the grid texts of a calculation.

#include "core/programstate.h"
#include "savings/compoundgrowth.h"
#include "savings/savingsdisplay.h"
#include "savings/savingsfields.h"
#include "savings/savingsstate.h"
#include "support/savingsfixtures.h"

#include <QTest>

namespace {

FieldEntry field(const std::vector<FieldEntry>& fields, const QString& name) {
    for (const FieldEntry& f : fields) {
        if (f.field.name == name) {
            return f;
        }
    }
    qFatal("no field %s", qPrintable(name));
}

SavingsResult calculated(const QString& frequency, int years) {
    program().EntryValues[7] = Currency::fromWhole(years);
    SavingsResult r = calculateSavings(SavingsInputs::fromState(frequency));
    publishSavings(r);
    return r;
}

} // namespace

class TestSavingsDisplay : public QObject {
    Q_OBJECT

private slots:
    void init() { startSavingsPlanning(); }

    void enterChain_data();
    void enterChain();
    void textsAtLoad_data();
    void textsAtLoad();
    void textsAfterAnEntry_data();
    void textsAfterAnEntry();
    void gridAtLoad_data();
    void gridAtLoad();
    void gridStart_data();
    void gridStart();
    void comparisonGridStartsOnce();
    void planningRowsAtLoad();
    void zeroFiguresInPeriodsAndTotals();
    void comparisonRows();
};

void TestSavingsDisplay::enterChain_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("targets");
    QTest::addColumn<QString>("calculate");
    QStringList names;
    QStringList targets;
    for (const FieldEntry& f : savingsFields()) {
        names << f.field.name;
        targets << f.field.enterTarget;
    }
    const TextFieldEntry frequency = savingsFrequencyField();
    names.insert(2, frequency.name);
    targets.insert(2, frequency.enterTarget);
    QTest::newRow("savings") << names << targets << "SCalc";
    names.clear();
    targets.clear();
    for (const FieldEntry& f : compoundFields()) {
        names << f.field.name;
        targets << f.field.enterTarget;
    }
    names << compoundNameField().name;
    targets << compoundNameField().enterTarget;
    QTest::newRow("compound growth") << names << targets << "FCalc";
}

void TestSavingsDisplay::enterChain() {
    // Enter moves from each field to the next and from the last to "&Calculate".
    QFETCH(QStringList, names);
    QFETCH(QStringList, targets);
    QFETCH(QString, calculate);
    QCOMPARE(targets, names.mid(1) << calculate);
}

void TestSavingsDisplay::textsAtLoad_data() {
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("lump sum in 15 at load") << "$"
                                            << "InLumpInv" << QString(11, u' ') + "$.00";
    QTest::newRow("contribution") << "$"
                                  << "InInvest"
                                  << "    $1,200.00";
    QTest::newRow("growth rate") << "$"
                                 << "InRate"
                                 << "         20.00%";
    QTest::newRow("increase rate") << "$"
                                   << "InIncrRate" << QString(11, u' ') + ".00%";
    QTest::newRow("inflation rate") << "$"
                                    << "inInflatRate" << QString(11, u' ') + ".00%";
    QTest::newRow("term in 17") << "$"
                                << "InTerm" << QString(15, u' ') + "25";
    QTest::newRow("symbol of the settings") << "DM"
                                            << "InInvest"
                                            << "   DM1,200.00";
}

void TestSavingsDisplay::textsAtLoad() {
    QFETCH(QString, symbol);
    QFETCH(QString, name);
    QTEST(textAtLoad(field(savingsFields(), name), symbol), "text");
}

void TestSavingsDisplay::textsAfterAnEntry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("lump sum in 13 after an entry") << "InLumpInv"
                                                   << "10000"
                                                   << "   $10,000.00" << 10000.0;
    QTest::newRow("negative increase") << "InIncrRate"
                                       << "-5"
                                       << "         -5.00%" << -5.0;
    QTest::newRow("negative inflation") << "inInflatRate"
                                        << "-2.5"
                                        << "         -2.50%" << -2.5;
    QTest::newRow("term") << "InTerm"
                          << "40" << QString(15, u' ') + "40" << 40.0;
}

void TestSavingsDisplay::textsAfterAnEntry() {
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(double, value);
    const FieldEntry f = field(savingsFields(), name);
    const EntryCommit commit = commitEntry(f.field, typed, QStringLiteral("$"));
    QTEST(commit.text, "text");
    QCOMPARE(commit.value, Currency::fromDouble(value));
}

void TestSavingsDisplay::gridAtLoad_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("headingTwips");
    QTest::addColumn<QString>("firstHeading");
    QTest::addColumn<QString>("lastHeading");
    QTest::newRow("planning") << 1 << 4 << 25 << 500 << " Year  Number"
                              << "              Current                Value";
    QTest::newRow("comparisons") << 2 << 8 << 23 << 510 << "Total Period"
                                 << "     Current       Value";
}

void TestSavingsDisplay::gridAtLoad() {
    QFETCH(int, mode);
    const GridSetup g = savingsGridSetup(static_cast<SavingsMode>(mode));
    QTEST(g.cols, "cols");
    QTEST(g.rows, "rows");
    QTEST(g.headingTwips, "headingTwips");
    QTEST(g.headings.front(), "firstHeading");
    QTEST(g.headings.back(), "lastHeading");
    QCOMPARE(int(g.headings.size()), g.cols);
    QCOMPARE(int(g.widenTwips.size()), g.cols);
    QCOMPARE(g.alignments.front(), GridCentre);
    for (std::size_t c = 1; c < g.alignments.size(); ++c) {
        QCOMPARE(g.alignments[c], GridRight);
    }
}

void TestSavingsDisplay::gridStart_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("years");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("heading");
    QTest::newRow("annually 25: 29 rows") << "Annually" << 25 << 29 << " Year  Number";
    QTest::newRow("annually 21 keeps 25 rows") << "Annually" << 21 << 25 << " Year  Number";
    QTest::newRow("annually 22: 26 rows") << "Annually" << 22 << 26 << " Year  Number";
    QTest::newRow("monthly 40: 484 rows") << "Monthly" << 40 << 484 << " Month Number";
    QTest::newRow("quarterly 10: 44 rows") << "Quarterly" << 10 << 44 << "Quarter Number";
    QTest::newRow("monthly 0: the totals in row 3") << "Monthly" << 0 << 4 << " Month Number";
}

void TestSavingsDisplay::gridStart() {
    QFETCH(QString, frequency);
    QFETCH(int, years);
    program().EntryValues[7] = Currency::fromWhole(years);
    const SavingsGridStart start = savingsGridStart(SavingsInputs::fromState(frequency));
    QVERIFY(start.emptyData);
    QTEST(start.rows, "rows");
    QTEST(start.column0Heading, "heading");
    QCOMPARE(start.column1Heading, QStringLiteral("          Invested         ") + frequency);
    // The totals row of the grid (K + 1) is its last row or above it.
    const SavingsResult r = calculateSavings(SavingsInputs::fromState(frequency));
    QVERIFY(r.totalsRow() + 1 < start.rows);
}

void TestSavingsDisplay::comparisonGridStartsOnce() {
    setCalcMode(SavingsMode::Comparisons);
    const SavingsGridStart first = savingsGridStart(SavingsInputs::fromState("Monthly"));
    QVERIFY(first.emptyData);
    QCOMPARE(first.rows, 0);
    QCOMPARE(first.column0Heading, QString());
    calculated(QStringLiteral("Annually"), 25);
    QVERIFY(!savingsGridStart(SavingsInputs::fromState("Annually")).emptyData);
}

void TestSavingsDisplay::planningRowsAtLoad() {
    const GridBlock b = savingsGridRows(calculated("Annually", 25), QStringLiteral("$"));
    QCOMPARE(b.firstRow, 1);
    QCOMPARE(int(b.rows.size()), 27); // rows 1..25, row 26 empty, row 27 the totals
    QCOMPARE(b.rows[0], QStringList({"1", "1,200.00", "240.00", "1,440.00"}));
    QCOMPARE(b.rows[1], QStringList({"2", "1,200.00", "528.00", "3,168.00"}));
    QCOMPARE(b.rows[2], QStringList({"3", "1,200.00", "873.60", "5,241.60"}));
    QCOMPARE(b.rows[24][0], QStringLiteral("25"));
    QCOMPARE(b.rows[25], QStringList({"", "", "", ""}));
    QCOMPARE(b.rows[26], QStringList({"Total:", "$30,000.00", "$649,652.79", "$679,652.79"}));
}

void TestSavingsDisplay::zeroFiguresInPeriodsAndTotals() {
    // Periods show no digit before the point below 1; the totals always show one.
    program().EntryValues[4] = Currency();
    program().EntryValues[2] = Currency::fromDouble(0.5);
    const GridBlock b = savingsGridRows(calculated("Annually", 2), QStringLiteral("$"));
    QCOMPARE(b.rows[0], QStringList({"1", ".50", ".00", ".50"}));
    QCOMPARE(b.rows[3], QStringList({"Total:", "$1.00", "$0.00", "$1.00"}));
}

void TestSavingsDisplay::comparisonRows() {
    ProgramState& p = program();
    setCalcMode(SavingsMode::Comparisons);
    calculated("Annually", 25);
    p.EntryValues[1] = Currency::fromWhole(10000);
    p.EntryValues[2] = Currency::fromWhole(100);
    p.EntryValues[4] = Currency::fromDouble(12.5);
    p.EntryValues[5] = Currency::fromWhole(3);
    p.EntryValues[6] = Currency::fromWhole(-2);
    const SavingsResult r = calculated("Monthly", 10);
    const GridBlock b = savingsGridRows(r, QStringLiteral("$"));
    QCOMPARE(b.firstRow, 2);
    QCOMPARE(int(b.rows.size()), 1);
    // No currency symbol; the totals always show a digit before the point.
    QCOMPARE(b.rows.front(), QStringList({"120", "10,000.00", "100.00", "12.50%", "3.00%", "-2.00%",
                                          "23,944.79", "68,967.46"}));
}

QTEST_GUILESS_MAIN(TestSavingsDisplay)
#include "tst_savingsdisplay.moc"
