// Results leaving the program: figures as plain numbers, rows for the clipboard, CSV text.

#include "core/tableexport.h"

#include <QTest>

class TestTableExport : public QObject {
    Q_OBJECT

private slots:
    void plainFigures_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("plain");
        QTest::newRow("amount with symbol and separators") << "$1,234,567.89"
                                                           << "$"
                                                           << "1234567.89";
        QTest::newRow("percent keeps its decimals") << "14.870%"
                                                    << "$"
                                                    << "14.870";
        QTest::newRow("no digit before the point") << "-.601%"
                                                   << "$"
                                                   << "-0.601";
        QTest::newRow("zero amount") << ".00"
                                     << "$"
                                     << "0.00";
        QTest::newRow("two-character symbol") << "EU10,000,000.00"
                                              << "EU"
                                              << "10000000.00";
        QTest::newRow("symbol before the sign") << "EU-.50"
                                                << "EU"
                                                << "-0.50";
        QTest::newRow("sign before the symbol") << "-$5.25"
                                                << "$"
                                                << "-5.25";
        QTest::newRow("right-aligned in blanks") << "     1,234.50"
                                                 << "$"
                                                 << "1234.50";
        QTest::newRow("whole number") << "25"
                                      << "$"
                                      << "25";
        QTest::newRow("day count with a bare point") << "365."
                                                     << "$"
                                                     << "365";
        QTest::newRow("a year") << "2026"
                                << "$"
                                << "2026";
        QTest::newRow("a caption") << "Total:"
                                   << "$"
                                   << "Total:";
        QTest::newRow("a date") << "2026-12-04"
                                << "$"
                                << "2026-12-04";
        QTest::newRow("a short date") << "12/04/2026"
                                      << "$"
                                      << "12/04/2026";
        QTest::newRow("a name with a number") << " Fund 2019 "
                                              << "$"
                                              << "Fund 2019";
        QTest::newRow("separators out of place are no figure") << "1,23,4"
                                                               << "$"
                                                               << "1,23,4";
        QTest::newRow("a last group of four is no figure") << "1,2345"
                                                           << "$"
                                                           << "1,2345";
        QTest::newRow("a first group of four is no figure") << "1234,567"
                                                            << "$"
                                                            << "1234,567";
        QTest::newRow("a leading separator is no figure") << ",123"
                                                          << "$"
                                                          << ",123";
        QTest::newRow("two points are no figure") << "12.3.4"
                                                  << "$"
                                                  << "12.3.4";
        QTest::newRow("a point alone is no figure") << "$."
                                                    << "$"
                                                    << "$.";
        QTest::newRow("grouped with decimals") << "$999,999,999,999.99"
                                               << "$"
                                               << "999999999999.99";
        QTest::newRow("a symbol alone") << "$"
                                        << "$"
                                        << "$";
        QTest::newRow("empty") << ""
                               << "$"
                               << "";
    }

    void plainFigures() {
        QFETCH(QString, shown);
        QFETCH(QString, symbol);
        QTEST(plainFigure(shown, symbol), "plain");
    }

    void tabsBetweenCells() {
        QCOMPARE(tabSeparated({{"Year", "Value"}, {"1", "1440.00"}, {"", ""}}),
                 QStringLiteral("Year\tValue\n1\t1440.00\n\t\n"));
        QCOMPARE(tabSeparated({}), QString());
    }

    void csvFields_data() {
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("plain fields")
            << QStringList{"1", "1440.00", "Total:"} << QByteArray("1,1440.00,Total:\r\n");
        QTest::newRow("a comma is quoted")
            << QStringList{"Smith, J."} << QByteArray("\"Smith, J.\"\r\n");
        QTest::newRow("a quote is doubled")
            << QStringList{"the \"best\" fund"} << QByteArray("\"the \"\"best\"\" fund\"\r\n");
        QTest::newRow("a line end is quoted")
            << QStringList{"two\nlines", "x"} << QByteArray("\"two\nlines\",x\r\n");
        QTest::newRow("empty fields stay") << QStringList{"", "2", ""} << QByteArray(",2,\r\n");
        QTest::newRow("UTF-8") << QStringList{"Zürich €"} << QString("Zürich €\r\n").toUtf8();
    }

    void csvFields() {
        QFETCH(QStringList, row);
        QTEST(csvText({row}), "line");
    }
};

QTEST_APPLESS_MAIN(TestTableExport)
#include "tst_tableexport.moc"
