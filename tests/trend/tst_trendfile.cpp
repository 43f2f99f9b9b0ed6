// Trend database files: reading, refusing what is not one, writing newest first, and the open
// and save steps of the module menu.

#include "core/dates.h"
#include "core/programstate.h"
#include "core/records.h"
#include "support/caughtfailure.h"
#include "support/failingdevice.h"
#include "support/tempprogramdir.h"
#include "support/trendfixtures.h"
#include "trend/trendfile.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <limits>

namespace {

const QByteArray Small = "3,2,\"Growth Fund\",10\r\n"
                         "2000,1.45\r\n"
                         "1999,1.3\r\n"
                         "1,#2001-03-16#,25.5\r\n"
                         "2,#2001-03-09#,24.75\r\n"
                         "3,#2001-03-02#,24\r\n";

TrendFileData read(const QByteArray& bytes) {
    return readTrendFile(bytes);
}

QByteArray written(const TrendFileData& data) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writeTrendFile(buffer, data)) {
        return "<failed>";
    }
    return bytes;
}

QByteArray records(int count) {
    QByteArray bytes = QByteArray::number(count) + ",0,\"Big\",10\r\n";
    QDate date(2001, 3, 16);
    for (int i = 1; i <= count; ++i) {
        bytes += QByteArray::number(i) + "," + Dates::toLiteral(date).toLatin1() + ",1.5\r\n";
        date = date.addDays(-7);
    }
    return bytes;
}

} // namespace

class TestTrendFile : public QObject {
    Q_OBJECT

private slots:
    void init() { setUpTrend({}); }

    void readsEverySection() {
        const TrendFileData d = read(Small);
        QCOMPARE(d.title, QStringLiteral("Growth Fund"));
        QCOMPARE(d.factor, 10.0F);
        QCOMPARE(d.earnings.size(), std::size_t{2});
        QCOMPARE(d.earnings[0], std::make_pair(2000.0, 1.45));
        QCOMPARE(d.earnings[1], std::make_pair(1999.0, 1.3));
        QCOMPARE(d.records.size(), std::size_t{3});
        QCOMPARE(d.records[0].date, QDate(2001, 3, 16));
        QCOMPARE(d.records[0].value, 25.5);
        QCOMPARE(d.records[2].date, QDate(2001, 3, 2));
        QCOMPARE(d.records[2].value, 24.0);
    }

    void readsAcceptedForms_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");
        QTest::addColumn<double>("firstValue");
        QTest::addColumn<float>("factor");
        QTest::newRow("header alone: an empty database with title and factor")
            << QByteArray("0,0,\"Empty\",12.5\r\n") << 0 << 0.0 << 12.5F;
        QTest::newRow("no leading zero")
            << QByteArray("1,0,\"A\",.5\r\n1,#2001-03-16#,.75\r\n") << 1 << 0.75 << 0.5F;
        QTest::newRow("leading zero")
            << QByteArray("1,0,\"A\",0.5\r\n1,#2001-03-16#,0.75\r\n") << 1 << 0.75 << 0.5F;
        QTest::newRow("blanks after the commas, LF line ends")
            << QByteArray("1, 0, \"A\", 10\n1, #2001-03-16#, 25.5\n") << 1 << 25.5 << 10.0F;
        QTest::newRow("a short count reads only that many lines")
            << QByteArray("1,0,\"A\",10\r\n1,#2001-03-16#,3\r\n2,#2001-03-09#,4\r\njunk\r\n") << 1
            << 3.0 << 10.0F;
        QTest::newRow("no line end after the last line")
            << QByteArray("1,0,\"A\",10\r\n1,#2001-03-16#,3") << 1 << 3.0 << 10.0F;
        QTest::newRow("1000 records") << records(1000) << 1000 << 1.5 << 10.0F;
        QTest::newRow("exponents, as earlier versions wrote large and small numbers")
            << QByteArray("1,0,\"A\",1.234568e+07\r\n1,#2001-03-16#,1.5e+15\r\n") << 1 << 1.5e15
            << 12345680.0F;
    }

    void readsAcceptedForms() {
        QFETCH(QByteArray, bytes);
        const TrendFileData d = read(bytes);
        QTEST(static_cast<int>(d.records.size()), "records");
        QTEST(d.factor, "factor");
        if (!d.records.empty()) {
            QTEST(d.records.front().value, "firstValue");
        }
    }

    void refusesWhatIsNotADatabase_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("blank first line") << QByteArray("\r\n0,0,\"A\",10\r\n");
        QTest::newRow("short header") << QByteArray("0,0,\"A\"\r\n");
        QTest::newRow("count as text") << QByteArray("\"3\",0,\"A\",10\r\n");
        QTest::newRow("1001 records") << records(1001);
        QTest::newRow("count 30000") << QByteArray("30000,0,\"A\",10\r\n");
        QTest::newRow("count beyond 16 bits") << QByteArray("99999,0,\"A\",10\r\n");
        QTest::newRow("negative count") << QByteArray("-1,0,\"A\",10\r\n");
        QTest::newRow("earnings count 6") << QByteArray("0,6,\"A\",10\r\n1,1\r\n2,2\r\n3,3\r\n"
                                                        "4,4\r\n5,5\r\n6,6\r\n");
        QTest::newRow("fewer lines than counted")
            << QByteArray("2,0,\"A\",10\r\n1,#2001-03-16#,3\r\n");
        QTest::newRow("fewer earnings lines than counted") << QByteArray("0,2,\"A\",10\r\n1,1\r\n");
        QTest::newRow("impossible date") << QByteArray("1,0,\"A\",10\r\n1,#9999-99-99#,3\r\n");
        QTest::newRow("date as text") << QByteArray("1,0,\"A\",10\r\n1,\"2001-03-16\",3\r\n");
        QTest::newRow("date without number signs")
            << QByteArray("1,0,\"A\",10\r\n1,2001-03-16,3\r\n");
        QTest::newRow("the deletion date") << QByteArray("1,0,\"A\",10\r\n1,#1500-02-19#,3\r\n");
        QTest::newRow("a date before the deletion date")
            << QByteArray("1,0,\"A\",10\r\n1,#1400-01-01#,3\r\n");
        QTest::newRow("unreadable value") << QByteArray("1,0,\"A\",10\r\n1,#2001-03-16#,12a\r\n");
        QTest::newRow("value beyond a double")
            << QByteArray("1,0,\"A\",10\r\n1,#2001-03-16#,1e999\r\n");
        QTest::newRow("factor beyond a single") << QByteArray("0,0,\"A\",1e39\r\n");
        QTest::newRow("truncated record line") << QByteArray("1,0,\"A\",10\r\n1,#2001-03-16#");
        QTest::newRow("extra field") << QByteArray("1,0,\"A\",10\r\n1,#2001-03-16#,3,4\r\n");
        QTest::newRow("title without its closing quote") << QByteArray("0,0,\"Growth,10\r\n");
        QTest::newRow("unreadable earnings year") << QByteArray("0,1,\"A\",10\r\n20x0,1.5\r\n");
        QByteArray binary(4096, '\0');
        for (int i = 0; i < binary.size(); ++i) {
            binary[i] = static_cast<char>((i * 151 + 7) % 256);
        }
        QTest::newRow("binary bytes") << binary;
    }

    void refusesWhatIsNotADatabase() {
        QFETCH(QByteArray, bytes);
        QVERIFY_THROWS_EXCEPTION(RunTimeFailure, read(bytes));
    }

    // A file that cannot be read leaves the database in memory as it was, unsaved records
    // included.
    void failedOpenKeepsTheDatabase_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: no such file
        QTest::newRow("missing file") << QByteArray();
        QTest::newRow("wrong format") << QByteArray("not a database\r\n");
        QTest::newRow("too many records") << records(1001);
        QTest::newRow("larger than 1 MiB") << QByteArray(MaxFileSize + 1, ' ');
    }

    void failedOpenKeepsTheDatabase() {
        QFETCH(QByteArray, bytes);
        setUpTrend({{QDate(2001, 3, 16), 7.0}}, {{2000, 1.5}}, QStringLiteral("Mine"));
        trend().TrendModified = 1;
        program().TrendFileName = QStringLiteral("Mine.orv");
        TempProgramDir dir;
        if (!bytes.isEmpty()) {
            QVERIFY(dir.write(QStringLiteral("Bad.orv"), bytes));
        }
        QVERIFY(
            failureOf([&] { openTrendDatabase(dir.filePath(QStringLiteral("Bad.orv"))); }).raised);
        QCOMPARE(int(trend().RecordCount), 1);
        QCOMPARE(trendValues(), std::vector<double>{7.0});
        QCOMPARE(int(trend().EarningsCount), 1);
        QCOMPARE(trend().DatabaseTitle, QStringLiteral("Mine"));
        QCOMPARE(program().TrendFileName, QStringLiteral("Mine.orv"));
        QCOMPARE(int(trend().TrendModified), 1);
    }

    void openReplacesTheDatabase() {
        setUpTrend(weeklyRecords(5, QDate(1990, 1, 5), {1, 2}), {{1, 1}, {2, 2}, {3, 3}});
        TempProgramDir dir;
        QVERIFY(dir.write(QStringLiteral("Small.orv"), Small));
        trend().TrendModified = 1;
        openTrendDatabase(dir.filePath(QStringLiteral("Small.orv")));
        const TrendState& t = trend();
        QCOMPARE(int(t.RecordCount), 3);
        QCOMPARE(trendValues(), (std::vector<double>{25.5, 24.75, 24.0}));
        QCOMPARE(recordDate(t.TrendRecords.at(2, RecordDate)), QDate(2001, 3, 9));
        QCOMPARE(t.TrendRecords.at(3, RecordNumber).toDouble(), 3.0);
        QCOMPARE(int(t.EarningsCount), 2);
        QCOMPARE(t.EarningsTable.at(3, EarningsYear), 0.0);
        QCOMPARE(t.DatabaseTitle, QStringLiteral("Growth Fund"));
        QCOMPARE(program().TrendFileName, QStringLiteral("Small.orv"));
        // Rows 0..1000 after a file was opened; the database in memory is the file's.
        QCOMPARE(t.TrendRecords.rows(), FileRecordCapacity + 1);
        QCOMPARE(int(t.TrendModified), 0);
    }

    void writesNewestFirstWithDateLiterals() {
        setUpTrend({{QDate(2001, 3, 16), 25.5}, {QDate(2001, 3, 9), 24.75}}, {{2000, 1.45}});
        // A record whose date was typed is held as text and written as a date literal.
        trend().TrendRecords.at(2, RecordDate) = Cell(Dates::toShortDate(QDate(2001, 3, 9)));
        trend().EarningsFactor = 12.5F;
        QCOMPARE(written(trendFileDataFromState()), QByteArray("2,1,\"Growth Fund\",12.5\r\n"
                                                               "2000,1.45\r\n"
                                                               "1,#2001-03-16#,25.5\r\n"
                                                               "2,#2001-03-09#,24.75\r\n"));
    }

    void saveOrderIsTheOrderInMemory() {
        // No sort on save: an older record held as record 1 stays first.
        setUpTrend({{QDate(2000, 1, 7), 1.0}, {QDate(2001, 3, 16), 2.0}});
        const TrendFileData d = trendFileDataFromState();
        QCOMPARE(d.records[0].date, QDate(2000, 1, 7));
        QCOMPARE(d.records[1].date, QDate(2001, 3, 16));
    }

    void savedAndOpenedAgainIsTheSameDatabase() {
        setUpTrend(weeklyRecords(60, QDate(2001, 3, 16), {12.34, 0.05, 1234567.89, 99.9}),
                   {{2000, 1.45}, {1999, 0.3}, {1998, 2}}, QStringLiteral("Fund, \"Growth\""));
        trend().EarningsFactor = 7.3F;
        trend().TrendModified = 1;
        const TrendFileData before = trendFileDataFromState();
        TempProgramDir dir;
        QCOMPARE(int(saveTrendDatabase(dir.filePath(QStringLiteral("Round.orv")))), 0);
        QCOMPARE(int(trend().TrendModified), 0);
        QCOMPARE(program().TrendFileName, QStringLiteral("Round.orv"));

        setUpTrend({});
        openTrendDatabase(dir.filePath(QStringLiteral("Round.orv")));
        const TrendFileData after = trendFileDataFromState();
        // The double quote of a title cannot be stored in its quoted field.
        QCOMPARE(after.title, QStringLiteral("Fund, Growth"));
        QCOMPARE(after.factor, 7.3F);
        QCOMPARE(after.earnings, before.earnings);
        QCOMPARE(after.records.size(), before.records.size());
        for (std::size_t i = 0; i < after.records.size(); ++i) {
            QCOMPARE(after.records[i].date, before.records[i].date);
            QCOMPARE(after.records[i].value, before.records[i].value);
        }
    }

    // Files whose numbers a short written form would change: each reopens after a save with
    // every number the same as before.
    void fixturesSaveAndReopenUnchanged_data() {
        QTest::addColumn<QString>("path");
        const QDir fixtures(QStringLiteral(ORVALEN_TEST_DATA "/roundtrip"));
        const QStringList names = fixtures.entryList({QStringLiteral("*.orv")}, QDir::Files);
        QVERIFY(names.size() >= 5);
        for (const QString& name : names) {
            QTest::newRow(qPrintable(name)) << fixtures.filePath(name);
        }
    }

    void fixturesSaveAndReopenUnchanged() {
        QFETCH(QString, path);
        setUpTrend({});
        openTrendDatabase(path);
        const TrendFileData before = trendFileDataFromState();
        TempProgramDir dir;
        const QString saved = dir.filePath(QStringLiteral("Saved.orv"));
        QCOMPARE(int(saveTrendDatabase(saved)), 0);

        setUpTrend({});
        const CaughtFailure reopened = failureOf([&] { openTrendDatabase(saved); });
        QVERIFY2(!reopened.raised, qPrintable(dir.read(QStringLiteral("Saved.orv"))));
        const TrendFileData after = trendFileDataFromState();
        // Seventeen (nine) significant digits tell every double (single) apart.
        const auto digits = [](double value) { return QString::number(value, 'g', 17); };
        QCOMPARE(QString::number(after.factor, 'g', 9), QString::number(before.factor, 'g', 9));
        QCOMPARE(after.earnings.size(), before.earnings.size());
        for (std::size_t i = 0; i < after.earnings.size(); ++i) {
            QCOMPARE(digits(after.earnings[i].first), digits(before.earnings[i].first));
            QCOMPARE(digits(after.earnings[i].second), digits(before.earnings[i].second));
        }
        QCOMPARE(after.records.size(), before.records.size());
        for (std::size_t i = 0; i < after.records.size(); ++i) {
            QCOMPARE(after.records[i].date, before.records[i].date);
            QCOMPARE(digits(after.records[i].value), digits(before.records[i].value));
        }
    }

    // A thousand records of the longest plain numbers still make a file that opens again.
    void longestNumbersFitAFile() {
        const double longest = -std::numeric_limits<double>::denorm_min();
        setUpTrend(weeklyRecords(1000, QDate(2001, 3, 16), {longest}));
        TempProgramDir dir;
        const QString path = dir.filePath(QStringLiteral("Longest.orv"));
        QCOMPARE(int(saveTrendDatabase(path)), 0);
        setUpTrend({});
        QVERIFY(!failureOf([&] { openTrendDatabase(path); }).raised);
        QCOMPARE(int(trend().RecordCount), 1000);
        QCOMPARE(QString::number(trend().TrendRecords.at(1000, RecordValue).toDouble(), 'g', 17),
                 QString::number(longest, 'g', 17));
    }

    void saveRefusals() {
        TempProgramDir dir;
        const QString path = dir.filePath(QStringLiteral("Keep.orv"));
        QVERIFY(dir.write(QStringLiteral("Keep.orv"), Small));

        setUpTrend({});
        QCOMPARE(int(saveRefusal()), 15);
        QCOMPARE(int(saveTrendDatabase(path)), 15);

        // A date field that is not a date never reaches a file; the old file stays whole and
        // the records stay marked as unsaved.
        setUpTrend({{QDate(2001, 3, 16), 1.0}});
        trend().TrendRecords.at(1, RecordDate) = Cell(QStringLiteral("31/31/31"));
        trend().TrendModified = 1;
        QVERIFY(failureOf([&] { saveTrendDatabase(path); }).raised);
        QCOMPARE(dir.read(QStringLiteral("Keep.orv")), Small);
        QCOMPARE(int(trend().TrendModified), 1);

        // A folder that does not exist.
        trend().TrendRecords.at(1, RecordDate) = Cell(QDate(2001, 3, 16));
        QVERIFY(failureOf([&] {
                    saveTrendDatabase(dir.filePath(QStringLiteral("no/such/A.orv")));
                }).raised);
        QCOMPARE(int(trend().TrendModified), 1);
        QCOMPARE(program().TrendFileName, QString());
    }

    void writerReportsAFailingDevice() {
        setUpTrend(weeklyRecords(10, QDate(2001, 3, 16), {5}));
        FailingDevice device(40);
        device.open(QIODevice::WriteOnly);
        QVERIFY(!writeTrendFile(device, trendFileDataFromState()));
    }

    void sampleDatabaseReadsBack() {
        const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/Sample.orv");
        const std::optional<QByteArray> bytes = readFileBytes(path);
        QVERIFY(bytes.has_value());
        const TrendFileData d = readTrendFile(*bytes);
        QVERIFY(d.records.size() >= 150);
        QCOMPARE(d.earnings.size(), std::size_t{5});
        QVERIFY(!d.title.isEmpty());
        for (std::size_t i = 1; i < d.records.size(); ++i) {
            QCOMPARE(d.records[i - 1].date.daysTo(d.records[i].date), qint64{-7});
        }
        // Written by the program's own writer: it writes the same bytes again.
        QCOMPARE(written(d), *bytes);
    }
};

QTEST_GUILESS_MAIN(TestTrendFile)
#include "tst_trendfile.moc"
