// Price files as brokers and price sites export them, imported as a trend database: the weeks
// made from daily, weekly and monthly rows, the summary, the newest 1,000 weeks, the database
// in memory afterwards (and left alone when a file is refused), and averages equal to those of
// the same weeks typed by hand.

#include "core/programstate.h"
#include "core/runtimefailure.h"
#include "support/caughtfailure.h"
#include "support/messagestring.h"
#include "support/tempprogramdir.h"
#include "support/trendfixtures.h"
#include "trend/priceimport.h"
#include "trend/trendanalysis.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

#include <QBuffer>
#include <QTest>

namespace {

QString samplePath(const char* name) {
    return QStringLiteral(ORVALEN_TEST_DATA "/prices/") + QLatin1String(name);
}

PriceImport import(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readPriceImport(buffer);
}

// The last trading day of each week of the sample files, newest first, and its close.
const std::vector<PriceWeek> SampleWeeks = {
    {{2024, 4, 5}, 19.05},  {{2024, 3, 28}, 20.20}, {{2024, 3, 22}, 21.72}, {{2024, 3, 15}, 19.87},
    {{2024, 3, 8}, 21.02},  {{2024, 3, 1}, 19.17},  {{2024, 2, 23}, 20.32}, {{2024, 2, 16}, 21.84},
    {{2024, 2, 9}, 19.99},  {{2024, 2, 2}, 21.14},  {{2024, 1, 26}, 19.29}, {{2024, 1, 19}, 20.44},
    {{2024, 1, 12}, 21.96}, {{2024, 1, 5}, 20.11}};

PriceRow row(const QDate& date, double price, int line) {
    return {date, price, line};
}

} // namespace

class TestPriceImport : public QObject {
    Q_OBJECT

private slots:
    void init() { setUpTrend({}); }

    void weeks_data() {
        QTest::addColumn<std::vector<PriceRow>>("rows");
        QTest::addColumn<std::vector<PriceWeek>>("weeks");
        // Friday 15 March 2024; its week runs from Monday 11 to Sunday 17.
        QTest::newRow("a week's days: the last one")
            << std::vector<PriceRow>{row({2024, 3, 11}, 1, 2), row({2024, 3, 15}, 5, 3),
                                     row({2024, 3, 13}, 3, 4)}
            << std::vector<PriceWeek>{{{2024, 3, 15}, 5}};
        QTest::newRow("Sunday ends the week, Monday starts the next")
            << std::vector<PriceRow>{row({2024, 3, 17}, 7, 2), row({2024, 3, 18}, 8, 3),
                                     row({2024, 3, 10}, 6, 4)}
            << std::vector<PriceWeek>{{{2024, 3, 18}, 8}, {{2024, 3, 17}, 7}, {{2024, 3, 10}, 6}};
        QTest::newRow("same date: the later row counts")
            << std::vector<PriceRow>{row({2024, 3, 15}, 1, 2), row({2024, 3, 15}, 2, 3)}
            << std::vector<PriceWeek>{{{2024, 3, 15}, 2}};
        QTest::newRow("monthly rows stay as they are")
            << std::vector<PriceRow>{row({2024, 1, 1}, 1, 2), row({2024, 2, 1}, 2, 3),
                                     row({2024, 3, 1}, 3, 4)}
            << std::vector<PriceWeek>{{{2024, 3, 1}, 3}, {{2024, 2, 1}, 2}, {{2024, 1, 1}, 1}};
        QTest::newRow("across the year's end")
            << std::vector<PriceRow>{row({2024, 12, 30}, 1, 2), row({2025, 1, 3}, 2, 3),
                                     row({2024, 12, 27}, 3, 4)}
            << std::vector<PriceWeek>{{{2025, 1, 3}, 2}, {{2024, 12, 27}, 3}};
    }

    void weeks() {
        QFETCH(std::vector<PriceRow>, rows);
        QFETCH(std::vector<PriceWeek>, weeks);
        const std::vector<PriceWeek> got = weeklyPrices(rows);
        QCOMPARE(got.size(), weeks.size());
        for (std::size_t i = 0; i < weeks.size(); ++i) {
            QCOMPARE(got[i].date, weeks[i].date);
            QCOMPARE(got[i].price, weeks[i].price);
        }
    }

    // The shapes of file a user downloads: every daily one gives the same weeks, dated on the
    // week's last trading day (a Thursday before Good Friday); weekly rows keep their dates.
    void sampleFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("priceRows");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<QDate>("newest");
        QTest::newRow("daily, newest first")
            << "daily-newest-first.csv" << 66 << 0 << QDate(2024, 4, 5);
        QTest::newRow("daily, oldest first, six decimals")
            << "daily-oldest-first.csv" << 66 << 0 << QDate(2024, 4, 5);
        QTest::newRow("broker's export: quoted, m/d/yyyy, dollars, CRLF")
            << "broker-quoted-mdy.csv" << 66 << 0 << QDate(2024, 4, 5);
        QTest::newRow("semicolons, decimal commas, d.m.yyyy")
            << "semicolon-dmy.csv" << 66 << 0 << QDate(2024, 4, 5);
        QTest::newRow("holidays, blank lines, a summary line")
            << "holidays-blank-summary.csv" << 66 << 2 << QDate(2024, 4, 5);
        QTest::newRow("weekly on Mondays, CR line ends")
            << "weekly.csv" << 14 << 0 << QDate(2024, 4, 1);
    }

    void sampleFiles() {
        QFETCH(QString, file);
        QFETCH(int, priceRows);
        QFETCH(int, skipped);
        QFETCH(QDate, newest);
        QFile f(samplePath(qPrintable(file)));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const PriceImport got = readPriceImport(f);
        QCOMPARE(got.priceRows, priceRows);
        QCOMPARE(got.skippedCount, skipped);
        QCOMPARE(got.weeks.size(), SampleWeeks.size());
        QCOMPARE(got.weeks.front().date, newest);
        for (std::size_t i = 0; i < SampleWeeks.size(); ++i) {
            QCOMPARE(got.weeks[i].price, SampleWeeks[i].price);
            QCOMPARE(got.weeks[i].date.addDays(1 - got.weeks[i].date.dayOfWeek()),
                     SampleWeeks[i].date.addDays(1 - SampleWeeks[i].date.dayOfWeek()));
        }
    }

    void summaries_data() {
        QTest::addColumn<PriceImport>("import");
        QTest::addColumn<QString>("summary");
        PriceImport one;
        one.weeks = {{{2024, 3, 15}, 5}};
        one.weeksFound = 1;
        one.priceRows = 1;
        QTest::newRow("one of each")
            << one
            << QStringLiteral("Imported 1 week from 1 price row (2024-03-15 to 2024-03-15).");
        PriceImport skips = one;
        skips.priceRows = 786;
        skips.skippedCount = 2;
        skips.firstSkipped = {{45, SkipReason::NoPrice}, {311, SkipReason::NoDate}};
        QTest::newRow("two skipped")
            << skips
            << QStringLiteral("Imported 1 week from 786 price rows (2024-03-15 to 2024-03-15). "
                              "Skipped 2 rows: line 45 has no price; line 311 has no date.");
        PriceImport many = one;
        many.weeks = {{{2026, 3, 13}, 5}, {{2007, 3, 16}, 4}};
        many.weeksFound = 1234;
        many.priceRows = 140000;
        many.skippedCount = 9;
        many.firstSkipped = {{2, SkipReason::PriceNotAbove0},
                             {3, SkipReason::NoPrice},
                             {4, SkipReason::NoPrice},
                             {5, SkipReason::NoDate},
                             {9, SkipReason::NoDate}};
        QTest::newRow("more weeks than kept, more skipped than named")
            << many
            << QStringLiteral(
                   "Imported 2 weeks from 140,000 price rows (2007-03-16 to 2026-03-13). "
                   "The file holds 1,234 weeks: the newest 2 were kept. Skipped 9 "
                   "rows: line 2 has a price of 0 or below; line 3 has no price; line "
                   "4 has no price; line 5 has no date; line 9 has no date; and 4 "
                   "more.");
    }

    void summaries() {
        QFETCH(PriceImport, import);
        QFETCH(QString, summary);
        QCOMPARE(importSummary(import), summary);
    }

    // A file of more than 1,000 weeks keeps the newest 1,000.
    void newestThousandWeeks() {
        QByteArray bytes = "Date,Close\n";
        QDate date(2024, 3, 15);
        for (int week = 0; week < 1200; ++week) {
            bytes += date.addDays(-7LL * week).toString(Qt::ISODate).toLatin1() + ',' +
                     QByteArray::number(1 + week) + '\n';
        }
        const PriceImport got = import(bytes);
        QCOMPARE(got.weeksFound, 1200);
        QCOMPARE(got.weeks.size(), std::size_t{MaxRecords});
        QCOMPARE(got.weeks.front().date, date);
        QCOMPARE(got.weeks.back().price, 1000.0);
        QVERIFY(importSummary(got).contains(
            QStringLiteral("The file holds 1,200 weeks: the newest 1,000 were kept.")));
    }

    void noRowsWithPrices_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("headings only") << QByteArray("Date,Close\n");
        QTest::newRow("prices of 0 and none")
            << QByteArray("Date,Close\n2024-03-15,0\n2024-03-14,n/a\n");
    }

    void noRowsWithPrices() {
        QFETCH(QByteArray, bytes);
        QCOMPARE(failureOf([&] { import(bytes); }).message, Message::NoPricesFound);
    }

    // The import is the database in memory: records numbered newest first, named after the file
    // and not saved; the earnings factor and earnings those of a new database.
    void importedDatabase() {
        TempProgramDir dir;
        QVERIFY(
            dir.copyIn(samplePath("holidays-blank-summary.csv"), QStringLiteral("ACME \"B\".csv")));
        setUpTrend(weeklyRecords(3, QDate(2001, 3, 16), {5.0}), {{2000, 1.5}},
                   QStringLiteral("Old"));
        trend().EarningsFactor = 15.0F;
        const QString summary = importPriceFile(dir.filePath(QStringLiteral("ACME \"B\".csv")));
        QCOMPARE(summary,
                 QStringLiteral("Imported 14 weeks from 66 price rows (2024-01-05 to 2024-04-05). "
                                "Skipped 2 rows: line 66 has no price; line 73 has no date."));
        const TrendState& t = trend();
        QCOMPARE(int(t.RecordCount), 14);
        QCOMPARE(int(t.EarningsCount), 0);
        QCOMPARE(t.EarningsFactor, 10.0F);
        QCOMPARE(t.DatabaseTitle, QStringLiteral("ACME B"));
        QCOMPARE(program().TrendFileName, QStringLiteral("ACME _B_.orv"));
        QCOMPARE(int(t.TrendModified), 1);
        QVERIFY(unsavedRecords());
        for (int r = 1; r <= 14; ++r) {
            const PriceWeek& w = SampleWeeks[static_cast<std::size_t>(r - 1)];
            QCOMPARE(t.TrendRecords.at(r, RecordNumber).toDouble(), double(r));
            QCOMPARE(recordDate(t.TrendRecords.at(r, RecordDate)), w.date);
            QCOMPARE(recordValue(t.TrendRecords.at(r, RecordValue)), w.price);
        }
    }

    void refusedFileLeavesTheDatabase_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::addColumn<Message>("message");
        QTest::newRow("missing") << QByteArray() << Message::FileNotFound;
        QTest::newRow("not text") << QByteArray("Date,Close\n\0\0", 13) << Message::NotTextFile;
        QTest::newRow("no prices")
            << QByteArray("Date,Close\n2024-03-15,0\n") << Message::NoPricesFound;
        QTest::newRow("larger than 16 MiB")
            << QByteArray(MaxPriceFileSize + 1, '\n') << Message::PriceFileTooLarge;
    }

    void refusedFileLeavesTheDatabase() {
        QFETCH(QByteArray, bytes);
        QFETCH(Message, message);
        TempProgramDir dir;
        if (!bytes.isEmpty()) {
            QVERIFY(dir.write(QStringLiteral("bad.csv"), bytes));
        }
        setUpTrend(weeklyRecords(3, QDate(2001, 3, 16), {5.0, 6.0}));
        trend().TrendModified = 1;
        program().TrendFileName = QStringLiteral("Growth.orv");
        QCOMPARE(
            failureOf([&] { importPriceFile(dir.filePath(QStringLiteral("bad.csv"))); }).message,
            message);
        QCOMPARE(int(trend().RecordCount), 3);
        QCOMPARE(trendValues(), (std::vector<double>{5.0, 6.0, 5.0}));
        QCOMPARE(trend().DatabaseTitle, QStringLiteral("Growth Fund"));
        QCOMPARE(program().TrendFileName, QStringLiteral("Growth.orv"));
        QCOMPARE(int(trend().TrendModified), 1);
    }

    // The averages and ratios of the imported weeks are those of the same weeks typed by hand.
    void averagesAsTypedByHand() {
        TempProgramDir dir;
        QVERIFY(dir.copyIn(samplePath("daily-oldest-first.csv")));
        importPriceFile(dir.filePath(QStringLiteral("daily-oldest-first.csv")));
        const AveratiosUpdate imported = ComputeTrendResults(TrendInputs::fromState());

        std::vector<TrendRecordSpec> typed;
        typed.reserve(SampleWeeks.size());
        for (const PriceWeek& w : SampleWeeks) {
            typed.push_back({w.date, w.price});
        }
        setUpTrend(typed, {}, QStringLiteral("daily-oldest-first"));
        const AveratiosUpdate byHand = ComputeTrendResults(TrendInputs::fromState());
        QCOMPARE(imported.texts.size(), byHand.texts.size());
        for (std::size_t i = 0; i < byHand.texts.size(); ++i) {
            QCOMPARE(imported.texts[i].control, byHand.texts[i].control);
            QCOMPARE(imported.texts[i].text, byHand.texts[i].text);
        }
        QVERIFY(!imported.text(QStringLiteral("Label53")).trimmed().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPriceImport)
#include "tst_priceimport.moc"
