// The quick-help texts of the three retirement windows, line by line.

#include "retirement/retirementhelp.h"

#include <QTest>

namespace {

enum Text { Plan401K, Percentage, FixedAmount, Capital, Income };

QString helpText(int text, const QString& symbol) {
    switch (text) {
    case Plan401K:
        return plan401kHelpText();
    case Percentage:
        return retireHelpText(WithdrawalMode::Percentage, symbol);
    case FixedAmount:
        return retireHelpText(WithdrawalMode::FixedAmount, symbol);
    case Capital:
        return capitalHelpText(0, symbol);
    default:
        return capitalHelpText(1, symbol);
    }
}

} // namespace

class TestRetirementHelp : public QObject {
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void onlyTheNumberedLinesHoldText_data();
    void onlyTheNumberedLinesHoldText();
};

void TestRetirementHelp::lines_data() {
    QTest::addColumn<int>("text");
    QTest::addColumn<int>("line"); // from 1
    QTest::addColumn<QString>("expected");
    QTest::newRow("401(k) first")
        << int(Plan401K) << 1
        << " For results click Calculate. Click any yellow box and type in your figures.";
    QTest::newRow("401(k) balance")
        << int(Plan401K) << 3
        << " If you have already have a plan, type the current balance. If none type 0.";
    QTest::newRow("401(k) inflation note")
        << int(Plan401K) << 25
        << " Leave at 0 unless you want to see the purchasing power in today's dollars.";
    QTest::newRow("401(k) end") << int(Plan401K) << 33 << QString(50, u' ') + "End";
    QTest::newRow("percentage first")
        << int(Percentage) << 1
        << " Using Percentage Option. Click yellow box to change, start typing in numbers, deletes "
           "previous ones. For results click Calculate.  Press F1 key for detailed information.";
    QTest::newRow("percentage rate level with its field") << int(Percentage) << 7 << "         20%";
    QTest::newRow("percentage years") << int(Percentage) << 17 << "          25";
    QTest::newRow("percentage example with the symbol")
        << int(Percentage) << 19
        << "Shows EUR100,000.00 lump sum invested on retirement at 20% Interest/Growth rate "
           "compounded annually for 25 years, after withdrawing 15% each year.";
    QTest::newRow("percentage end") << int(Percentage) << 26 << QString(70, u' ') + "End";
    QTest::newRow("fixed first")
        << int(FixedAmount) << 1
        << " Using Fixed Amount Option. Click yellow box to change, start typing in numbers, "
           "deletes previous ones. For results click Calculate.  Press F1 key for detailed "
           "information.";
    QTest::newRow("fixed monthly amount") << int(FixedAmount) << 13 << "   1,000.00";
    QTest::newRow("fixed raise") << int(FixedAmount) << 17 << "          0%";
    QTest::newRow("fixed 50 years")
        << int(FixedAmount) << 23
        << "If the Annual Income is less than the Interest/Growth rate then the calculation ends "
           "at 50 years.";
    QTest::newRow("fixed end") << int(FixedAmount) << 32 << QString(70, u' ') + "End";
    QTest::newRow("capital title") << int(Capital) << 1 << "Amount of Capital Required Option";
    QTest::newRow("capital example with the symbol")
        << int(Capital) << 17
        << "Example. Will show how much annual savings are required for 25 years when compounded "
           "annually at 20% interest/growth rate to build your capital to EUR100,000.00.";
    QTest::newRow("income rate") << int(Income) << 8 << "       20%";
    QTest::newRow("income example keeps its dollar sign")
        << int(Income) << 17
        << "Example. Will show how much annual savings are required for 25 years when compounded "
           "annually at 20% to build your capital to give an annual income of $40,000.00.";
}

void TestRetirementHelp::lines() {
    QFETCH(int, text);
    QFETCH(int, line);
    QFETCH(QString, expected);
    const QStringList lines = helpText(text, QStringLiteral("EUR")).split(u'\n');
    QCOMPARE(lines.at(line - 1), expected);
}

void TestRetirementHelp::onlyTheNumberedLinesHoldText_data() {
    QTest::addColumn<int>("text");
    QTest::addColumn<QList<int>>("numbered");
    QTest::addColumn<int>("lineBreaks");
    QTest::newRow("401(k)") << int(Plan401K) << QList<int>{1, 3, 6, 10, 14, 18, 22, 25, 26, 29, 33}
                            << 32;
    QTest::newRow("percentage") << int(Percentage) << QList<int>{1, 3, 7, 12, 17, 19, 21, 23, 26}
                                << 25;
    QTest::newRow("fixed amount") << int(FixedAmount)
                                  << QList<int>{1, 3, 8, 13, 17, 19, 21, 23, 25, 27, 29, 32} << 31;
    // The capital texts end with two line breaks, the income text with one.
    QTest::newRow("capital") << int(Capital) << QList<int>{1, 4, 8, 13, 17} << 18;
    QTest::newRow("income") << int(Income) << QList<int>{1, 4, 8, 13, 17} << 17;
}

void TestRetirementHelp::onlyTheNumberedLinesHoldText() {
    QFETCH(int, text);
    QFETCH(QList<int>, numbered);
    QFETCH(int, lineBreaks);
    const QString help = helpText(text, QStringLiteral("$"));
    QCOMPARE(help.count(u'\n'), lineBreaks);
    QVERIFY(!help.contains(u'\r'));
    const QStringList lines = help.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QCOMPARE(lines[i].isEmpty(), !numbered.contains(i + 1));
    }
}

QTEST_GUILESS_MAIN(TestRetirementHelp)
#include "tst_retirementhelp.moc"
