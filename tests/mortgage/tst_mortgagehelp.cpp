#include "mortgage/mortgagehelp.h"

#include <QTest>

class TestMortgageHelp : public QObject {
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
};

void TestMortgageHelp::lines_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    // `count` is the number of line breaks; lines count from 0.
    const QString first =
        QStringLiteral("Click any yellow box and type in numbers, deletes previous "
                       "ones.  For results click Calculate.");
    const QString f1 =
        QString(29, u' ') + QStringLiteral("Press F1 key for more detailed information.");
    QTest::newRow("mortgage first") << 1 << 0 << first << 26;
    QTest::newRow("mortgage F1") << 1 << 1 << f1 << 26;
    QTest::newRow("mortgage principal") << 1 << 2 << "100,000.00" << 26;
    QTest::newRow("mortgage rate level with its field") << 1 << 5 << "       6.125" << 26;
    QTest::newRow("mortgage term") << 1 << 9 << "           25" << 26;
    QTest::newRow("mortgage compounding")
        << 1 << 13 << "American = Monthly.  Canadian = Semi-Annual." << 26;
    QTest::newRow("mortgage last")
        << 1 << 24
        << "Show payments. Click option to show All payments or just the "
           "Annual totals."
        << 26;
    QTest::newRow("loan first") << 2 << 0 << first << 29;
    QTest::newRow("loan principal") << 2 << 2 << "10,000.00" << 29;
    QTest::newRow("loan rate") << 2 << 6 << "      6.125" << 29;
    QTest::newRow("loan term") << 2 << 10 << "          60" << 29;
    QTest::newRow("loan payback continues")
        << 2 << 18 << "               year during the payback period. Same as a Normal mortgage."
        << 29;
    QTest::newRow("loan numbers") << 2 << 21 << "        numbers." << 29;
    QTest::newRow("loan last") << 2 << 27
                               << "Show Payments. Click option to show All payments or just the "
                                  "Annual totals."
                               << 29;
}

void TestMortgageHelp::lines() {
    QFETCH(int, mode);
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(int, count);
    const QString help = mortgageHelpText(static_cast<MortgageModeFlag>(mode));
    QVERIFY(help.endsWith(QStringLiteral(".\n\n")));
    const QStringList lines = help.split(u'\n');
    QCOMPARE(lines.size(), count + 1);
    QCOMPARE(lines[line], text);
}

QTEST_GUILESS_MAIN(TestMortgageHelp)
#include "tst_mortgagehelp.moc"
