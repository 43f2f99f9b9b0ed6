// The quick-help texts: the currency symbol where each amount stands, the paragraphs of planning
// mode, the examples' columns, and the compound growth examples against the calculation.

#include "core/formats.h"
#include "core/programstate.h"
#include "savings/compoundgrowth.h"
#include "savings/savingshelp.h"
#include "savings/savingsstate.h"

#include <QTest>

class TestSavingsHelp : public QObject {
    Q_OBJECT

private slots:
    void symbolPlacement_data();
    void symbolPlacement();
    void planningOnlyParagraphs();
    void examplesStandUnderTheirHeadings();
    void explanationsFitBesideTheTable_data();
    void explanationsFitBesideTheTable();
    void compoundExamplesMatchTheCalculation_data();
    void compoundExamplesMatchTheCalculation();
};

void TestSavingsHelp::symbolPlacement_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    // The explanations of the savings help are broken into lines: read them as paragraphs.
    const QString planning =
        savingsHelpText(SavingsMode::Planning, QStringLiteral("DM")).replace(u'\n', u' ');
    const QString compound = compoundHelpText(QStringLiteral("DM"));
    QTest::newRow("example 1") << planning
                               << "Example 1: Shows the future value of DM1,000.00 invested each "
                                  "year for 25 years at a 20% Interest/Growth Rate compounded "
                                  "annually.";
    QTest::newRow("example 4") << planning << "purchasing power of DM30,000.00 in 25 years";
    QTest::newRow("example 5 ends") << planning << "Minus used only in this calculation.";
    QTest::newRow("several steps")
        << planning
        << "if you plan on investing DM1,000.00 each year for 5 years and then adding a lump sum "
           "of DM10,000.00 the sixth year";
    QTest::newRow("several steps, a blank before the symbol")
        << planning << "add this to the DM10,000.00, enter this figure";
    QTest::newRow("mutual fund") << compound
                                 << " Example 1. Amount invested in Mutual Fund = DM1,000.00, 5 "
                                    "years later with\n all dividends and capital gains "
                                    "reinvested it is worth DM2,000.00 for an annual\n compound "
                                    "growth rate of 14.8698%.";
    QTest::newRow("house, no symbol before 200,000")
        << compound << " Example 2. House bought for DM25,000.00, 20 years ago now worth 200,000\n";
    QTest::newRow("bond") << compound
                          << " Example 3. Stripped Bond with a redemption value of DM1,000.00 in "
                             "6 years\n bought for DM500.00. Annual";
    QTest::newRow("earnings") << compound << "Earnings: 1995 = DM2.38,  2000 = DM5.14\n";
}

void TestSavingsHelp::symbolPlacement() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QVERIFY2(text.contains(expected), qPrintable(expected));
    QVERIFY(!text.contains(u'$'));
}

void TestSavingsHelp::planningOnlyParagraphs() {
    const QString planning = savingsHelpText(SavingsMode::Planning, QStringLiteral("$"));
    const QString comparisons = savingsHelpText(SavingsMode::Comparisons, QStringLiteral("$"));
    for (const char* paragraph :
         {"As the program is very flexible", "For more complex calculations use several steps.",
          "Another situation may be investing varying amounts"}) {
        QVERIFY(planning.contains(QLatin1String(paragraph)));
        QVERIFY(!comparisons.contains(QLatin1String(paragraph)));
    }
    QVERIFY(comparisons.contains(QString(13, u'\n')));
    for (const QString& text : {planning, comparisons}) {
        QVERIFY(text.contains(QLatin1String("Compounding takes place at the frequency chosen")));
        QVERIFY(text.endsWith(QStringLiteral("\n") + QString(50, u' ') + QStringLiteral("End")));
    }
    QVERIFY(compoundHelpText(QStringLiteral("$"))
                .endsWith(QStringLiteral("\n") + QString(50, u' ') + QStringLiteral("End")));
}

void TestSavingsHelp::examplesStandUnderTheirHeadings() {
    const QStringList lines =
        savingsHelpText(SavingsMode::Planning, QStringLiteral("$")).split(u'\n');
    const QString& heading = lines.front();
    QVERIFY(heading.startsWith(QStringLiteral("  Example 1")));
    const QStringList values = lines.mid(1, 7);
    QCOMPARE(values[2].simplified(),
             QStringLiteral("Annually Annually Annually Annually Annually"));
    QCOMPARE(values[5].simplified(), QStringLiteral(".00% .00% .00% 5.00% -5.00%"));
    for (int example = 1; example <= 5; ++example) {
        const qsizetype end = heading.indexOf(QStringLiteral("Example %1").arg(example)) + 9;
        for (const QString& line : values) {
            QVERIFY2(line[end - 1] != u' ' && (end == line.size() || line[end] == u' '),
                     qPrintable(line));
        }
    }
}

void TestSavingsHelp::explanationsFitBesideTheTable_data() {
    QTest::addColumn<int>("calcMode");
    QTest::addColumn<QString>("symbol");
    QTest::newRow("planning") << 1 << "$";
    QTest::newRow("comparisons") << 2 << "$";
    QTest::newRow("planning, a long symbol") << 1 << "EUR ";
}

// The table's lines are 63 characters; every other line holds at most 78 characters
// (symbolPlacement reads the explanations back whole, so the lines are broken at blanks only).
void TestSavingsHelp::explanationsFitBesideTheTable() {
    QFETCH(int, calcMode);
    QFETCH(QString, symbol);
    const QString text = savingsHelpText(static_cast<SavingsMode>(calcMode), symbol);
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(lines[i].size(), qsizetype(63));
    }
    for (qsizetype i = 8; i < lines.size(); ++i) {
        QVERIFY2(lines[i].size() <= 78, qPrintable(lines[i]));
    }
}

void TestSavingsHelp::compoundExamplesMatchTheCalculation_data() {
    QTest::addColumn<double>("cost");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("years");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("mutual fund") << 1000.0 << 2000.0 << 5 << "#,,###.0000%";
    QTest::newRow("house") << 25000.0 << 200000.0 << 20 << "#,,###.0000%";
    QTest::newRow("bond") << 500.0 << 1000.0 << 6 << "#,,###.0000%";
    QTest::newRow("earnings") << 2.38 << 5.14 << 5 << "#,,###.000%";
}

void TestSavingsHelp::compoundExamplesMatchTheCalculation() {
    QFETCH(double, cost);
    QFETCH(double, value);
    QFETCH(int, years);
    QFETCH(QString, pattern);
    resetProgram();
    loadCompoundTables();
    ProgramState& p = program();
    p.EntryValues[1] = Currency::fromDouble(cost);
    p.EntryValues[2] = Currency::fromDouble(value);
    p.EntryValues[3] = Currency::fromWhole(years);
    const CompoundResult r = calculateCompound(CompoundInputs::fromState({}));
    const QString rate = formatNumber(r.g, pattern);
    QVERIFY2(compoundHelpText(QStringLiteral("$")).contains(QStringLiteral(" ") + rate + u'.'),
             qPrintable(rate));
}

QTEST_GUILESS_MAIN(TestSavingsHelp)
#include "tst_savingshelp.moc"
