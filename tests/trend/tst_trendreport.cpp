// The database report, line by line on the text printer, page breaks included.

#include "core/dates.h"
#include "core/formats.h"
#include "core/programstate.h"
#include "core/reportpage.h"
#include "platform/textprinter.h"
#include "support/trendfixtures.h"
#include "trend/trendreport.h"
#include "trend/trendstate.h"

#include <QTest>

namespace {

const QString Heading =
    QStringLiteral("         Record        Date            Data           Year      Earnings");
const QString Rule = QString(9, u' ') + QString(63, u'_');
const QString LaterHeading = QStringLiteral("         Record       Date            Data");
const QString LaterRule = QString(9, u' ') + QString(34, u'_');

// The report as the print button makes it, with the header "Home".
std::vector<QStringList> printed() {
    TextPrinter printer;
    SetReportFont(printer);
    printer.tab(2);
    printer.printLine(QStringLiteral("Home"));
    printTrendReport(printer, TrendReportData::fromState());
    return printer.pages();
}

// A record line: number at column 10, date at 20, value at 32.
QString recordLine(const QString& number, const QDate& date, const QString& value) {
    return QString(9, u' ') + number + QString(7, u' ') + Dates::toShortDate(date) +
           QStringLiteral("  ") + value.rightJustified(12);
}

// The same with the earnings at columns 55 and 63.
QString earningsLine(const QString& record, const QString& year, const QString& earnings) {
    return record.leftJustified(54) + year + QString(4, u' ') + earnings.rightJustified(10);
}

int recordLines(const QStringList& page) {
    int n = 0;
    for (const QString& line : page) {
        n += line.size() >= 43 && line.mid(9, 3).trimmed().toInt() > 0 ? 1 : 0;
    }
    return n;
}

} // namespace

class TestTrendReport : public QObject {
    Q_OBJECT

private slots:
    void init() { setUpTrend({}); }

    void earningsBesideTheFirstRecords() {
        setUpTrend(
            {{QDate(2001, 3, 16), 25.5}, {QDate(2001, 3, 9), 1234.5}, {QDate(2001, 3, 2), 0.5}},
            {{2000, 1.45}, {1999, 1234.5}, {1998, 1.3}, {1997, 1.2}, {1996, 1.1}});
        const std::vector<QStringList> pages = printed();
        QCOMPARE(pages.size(), std::size_t{1});
        const QStringList expected = {
            QString(),
            QStringLiteral(" Home"),
            QString(),
            QString(29, u' ') + QStringLiteral("Growth Fund"),
            QString(),
            Heading,
            Rule,
            QString(),
            earningsLine(recordLine("  1", QDate(2001, 3, 16), "25.50"), "2000", "1.45"),
            earningsLine(recordLine("  2", QDate(2001, 3, 9), "1,234.50"), "1999", "1,234.50"),
            earningsLine(recordLine("  3", QDate(2001, 3, 2), ".50"), "1998", "1.30"),
        };
        QCOMPARE(pages.front(), expected);
    }

    void withoutEarningsEveryRecordHasItsLine() {
        setUpTrend(weeklyRecords(7, QDate(2001, 3, 16), {2.5}));
        const QStringList page = printed().front();
        QCOMPARE(page.size(), 15);
        for (int r = 1; r <= 7; ++r) {
            QCOMPARE(page[7 + r], recordLine(QStringLiteral("%1").arg(r, 3),
                                             QDate(2001, 3, 16).addDays(-7LL * (r - 1)),
                                             QStringLiteral("2.50")));
        }
    }

    // 53 lines a page: the first page holds 45 records, the next ones carry the record
    // columns' heading only; the last page has no footer.
    void pageBreaks() {
        setUpTrend(weeklyRecords(47, QDate(2001, 3, 16), {3}), {{2000, 1.5}});
        const std::vector<QStringList> pages = printed();
        QCOMPARE(pages.size(), std::size_t{2});
        const QStringList& first = pages[0];
        QCOMPARE(recordLines(first), 45);
        QCOMPARE(first.size(), 55);
        QCOMPARE(first[52], recordLine(QStringLiteral(" 45"), QDate(2001, 3, 16).addDays(-7LL * 44),
                                       QStringLiteral("3.00")));
        QCOMPARE(first[53], QString());
        QCOMPARE(first[54], QString(39, u' ') + QStringLiteral("Page 1"));
        const QStringList expectedSecond = {
            QString(),
            QString(),
            QString(),
            QString(34, u' ') + QStringLiteral("Growth Fund"),
            QString(),
            LaterHeading,
            LaterRule,
            QString(),
            recordLine(QStringLiteral(" 46"), QDate(2001, 3, 16).addDays(-7LL * 45), "3.00"),
            recordLine(QStringLiteral(" 47"), QDate(2001, 3, 16).addDays(-7LL * 46), "3.00"),
        };
        QCOMPARE(pages[1], expectedSecond);
    }

    void pageLengthFollowsTheFont_data() {
        QTest::addColumn<int>("font");
        QTest::addColumn<int>("records");
        QTest::addColumn<QList<int>>("perPage");
        QTest::newRow("standard font: 45, then 45") << 0 << 100 << QList<int>{45, 45, 10};
        QTest::newRow("Courier 10: 55, then 55") << 1 << 120 << QList<int>{55, 55, 10};
        QTest::newRow("Courier 12: 43") << 3 << 50 << QList<int>{43, 7};
        QTest::newRow("exactly one page: no footer, no empty page") << 0 << 44 << QList<int>{44};
    }

    void pageLengthFollowsTheFont() {
        QFETCH(int, font);
        QFETCH(int, records);
        setUpTrend(weeklyRecords(records, QDate(2001, 3, 16), {1}));
        program().PrinterFontChoice = static_cast<std::int16_t>(font);
        QList<int> perPage;
        for (const QStringList& page : printed()) {
            perPage << recordLines(page);
        }
        QTEST(perPage, "perPage");
    }

    // A last record that fills its page ends the report there: no page of headings alone
    // follows, and the last page has no footer.
    void lastRecordEndsAPage_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<QList<int>>("perPage");
        QTest::newRow("45 records fill one page") << 45 << QList<int>{45};
        QTest::newRow("90 records fill two pages") << 90 << QList<int>{45, 45};
    }

    void lastRecordEndsAPage() {
        QFETCH(int, records);
        QFETCH(QList<int>, perPage);
        setUpTrend(weeklyRecords(records, QDate(2001, 3, 16), {1}));
        const std::vector<QStringList> pages = printed();
        QList<int> printedPerPage;
        for (const QStringList& page : pages) {
            printedPerPage << recordLines(page);
        }
        QCOMPARE(printedPerPage, perPage);
        QCOMPARE(pages.back().back(),
                 recordLine(RightJustify(QString::number(records), 3),
                            QDate(2001, 3, 16).addDays(-7LL * (records - 1)), "1.00"));
    }

    void record1000KeepsItsNumber() {
        setUpTrend(weeklyRecords(1000, QDate(2001, 3, 16), {1}));
        const std::vector<QStringList> pages = printed();
        const QString last = pages.back().back();
        QCOMPARE(last.mid(9, 4), QStringLiteral("1000"));
        // The date stays at column 20.
        QCOMPARE(last.mid(19, 10), Dates::toShortDate(QDate(2001, 3, 16).addDays(-7LL * 999)));
    }

    void refusal() {
        QCOMPARE(int(trendReportRefusal()), 8);
        setUpTrend(weeklyRecords(1, QDate(2001, 3, 16), {1}));
        QCOMPARE(int(trendReportRefusal()), 0);
    }
};

QTEST_MAIN(TestTrendReport)
#include "tst_trendreport.moc"
