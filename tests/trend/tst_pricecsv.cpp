// Reading price files: the shapes of line, field, date and price that exports have, the
// columns chosen, the rows skipped and why, the files refused, and hostile bytes of every
// kind (a bounded run of random mutations of real files, checked under the sanitizers).

#include "core/runtimefailure.h"
#include "support/messagestring.h"
#include "trend/pricecsv.h"

#include <QBuffer>
#include <QFile>
#include <QTest>
#include <random>

namespace {

PriceRows read(const QByteArray& bytes, qint64 maxBytes = MaxPriceFileSize) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readPriceRows(buffer, maxBytes);
}

// The message a refused file names; None when it was read.
Message refusal(const QByteArray& bytes, qint64 maxBytes = MaxPriceFileSize) {
    try {
        read(bytes, maxBytes);
    } catch (const RunTimeFailure& failure) {
        return failure.message();
    }
    return Message::None;
}

QByteArray sampleFile(const char* name) {
    QFile file(QStringLiteral(ORVALEN_TEST_DATA "/prices/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPriceCsv : public QObject {
    Q_OBJECT

private slots:
    void prices_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("decimalComma");
        QTest::addColumn<double>("price"); // -1: no price
        QTest::newRow("plain") << QByteArray("19.85") << false << 19.85;
        QTest::newRow("blanks around") << QByteArray(" 19.85\t") << false << 19.85;
        QTest::newRow("no leading zero") << QByteArray(".85") << false << 0.85;
        QTest::newRow("whole") << QByteArray("20") << false << 20.0;
        QTest::newRow("thousands commas") << QByteArray("1,234.50") << false << 1234.5;
        QTest::newRow("dollar sign") << QByteArray("$172.62") << false << 172.62;
        QTest::newRow("negative") << QByteArray("-3.5") << false << -3.5;
        QTest::newRow("decimal comma") << QByteArray("19,85") << true << 19.85;
        QTest::newRow("points group decimal comma") << QByteArray("1.234,56") << true << 1234.56;
        QTest::newRow("point without comma") << QByteArray("19.85") << true << 19.85;
        QTest::newRow("comma in a comma file") << QByteArray("19,85") << false << 1985.0;
        QTest::newRow("empty") << QByteArray("") << false << -1.0;
        QTest::newRow("null") << QByteArray("null") << false << -1.0;
        QTest::newRow("dash") << QByteArray("-") << false << -1.0;
        QTest::newRow("two points") << QByteArray("1.2.3") << false << -1.0;
        QTest::newRow("unit after") << QByteArray("12 EUR") << false << -1.0;
        QTest::newRow("exponent") << QByteArray("1e5") << false << -1.0;
        QTest::newRow("endless digits") << QByteArray(400, '9') << false << -1.0;
    }

    void prices() {
        QFETCH(QByteArray, field);
        QFETCH(bool, decimalComma);
        QFETCH(double, price);
        const std::optional<double> got = readPrice(field, decimalComma);
        QCOMPARE(got.value_or(-1.0), price);
    }

    // One row of each shape after the headings "Date,Close": the date it gives, or none.
    void dates_data() {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<QDate>("first");
        QTest::newRow("iso") << QByteArray("2024-03-15,1\n") << QDate(2024, 3, 15);
        QTest::newRow("iso one digit") << QByteArray("2024-3-5,1\n") << QDate(2024, 3, 5);
        QTest::newRow("iso with time")
            << QByteArray("2024-03-15 16:00:00,1\n") << QDate(2024, 3, 15);
        QTest::newRow("iso with T") << QByteArray("2024-03-15T00:00:00Z,1\n") << QDate(2024, 3, 15);
        QTest::newRow("year slashes") << QByteArray("2024/03/15,1\n") << QDate(2024, 3, 15);
        QTest::newRow("dots day first") << QByteArray("5.3.2024,1\n") << QDate(2024, 3, 5);
        QTest::newRow("slashes month first") << QByteArray("03/05/2024,1\n") << QDate(2024, 3, 5);
        QTest::newRow("slashes, a day above 12 in the file")
            << QByteArray("03/05/2024,1\n13/05/2024,1\n") << QDate(2024, 5, 3);
        QTest::newRow("slashes, month first to the end")
            << QByteArray("12/11/2024,1\n11/30/2024,1\n") << QDate(2024, 12, 11);
        QTest::newRow("no such day") << QByteArray("2024-02-30,1\n") << QDate();
        QTest::newRow("two-digit year") << QByteArray("03/05/24,1\n") << QDate();
        QTest::newRow("before 1500") << QByteArray("1499-12-31,1\n") << QDate();
        QTest::newRow("words") << QByteArray("Mar 15 2024,1\n") << QDate();
    }

    void dates() {
        QFETCH(QByteArray, rows);
        QFETCH(QDate, first);
        const PriceRows r = read("Date,Close\n" + rows);
        if (!first.isValid()) {
            QCOMPARE(r.rows.size(), std::size_t{0});
            QCOMPARE(r.firstSkipped.front().reason, SkipReason::NoDate);
            return;
        }
        QCOMPARE(r.rows.front().date, first);
    }

    // Which column gives the prices, and how the file's lines and fields are cut.
    void columns_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<double>("price");
        QTest::newRow("close before adj close")
            << QByteArray("Date,Open,High,Low,Close,Adj Close,Volume\n"
                          "2024-03-15,1,2,0.5,1.5,1.4,900\n")
            << QDate(2024, 3, 15) << 1.5;
        QTest::newRow("adj close")
            << QByteArray("Date,Adj Close,Open\n2024-03-15,1.4,1\n") << QDate(2024, 3, 15) << 1.4;
        QTest::newRow("price, any case")
            << QByteArray("DATE,PRICE,Open\n2024-03-15,7,1\n") << QDate(2024, 3, 15) << 7.0;
        QTest::newRow("last") << QByteArray("Day,Last,High\n2024-03-15,8,9\n") << QDate(2024, 3, 15)
                              << 8.0;
        QTest::newRow("value") << QByteArray("Date,Value\n2024-03-15,9\n") << QDate(2024, 3, 15)
                               << 9.0;
        QTest::newRow("date not first")
            << QByteArray("Close,Date\n3,2024-03-15\n") << QDate(2024, 3, 15) << 3.0;
        QTest::newRow("last column of numbers, not the volume")
            << QByteArray("When,Open,Schluss,Volume\n2024-03-15,1,2,900\n") << QDate(2024, 3, 15)
            << 2.0;
        QTest::newRow("no headings")
            << QByteArray("2024-03-15,1,2\n2024-03-14,3,4\n") << QDate(2024, 3, 15) << 2.0;
        QTest::newRow("quoted fields")
            << QByteArray("\"Date\",\"Close\"\n\"2024-03-15\",\"1,234.50\"\n") << QDate(2024, 3, 15)
            << 1234.5;
        QTest::newRow("quoted heading with a comma and quotes")
            << QByteArray("Date,\"Price, \"\"EUR\"\"\",Close\n2024-03-15,1,2\n")
            << QDate(2024, 3, 15) << 2.0;
        QTest::newRow("semicolons and decimal commas")
            << QByteArray("Datum;Schluss\n15.03.2024;19,85\n") << QDate(2024, 3, 15) << 19.85;
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                       "Date,Close\n2024-03-15,5\n")
                                         << QDate(2024, 3, 15) << 5.0;
        QTest::newRow("CR line ends")
            << QByteArray("Date,Close\r2024-03-15,5\r") << QDate(2024, 3, 15) << 5.0;
        QTest::newRow("CRLF, no last line end")
            << QByteArray("Date,Close\r\n2024-03-15,5") << QDate(2024, 3, 15) << 5.0;
        QTest::newRow("blank lines before the headings")
            << QByteArray("\n  \nDate,Close\n2024-03-15,5\n") << QDate(2024, 3, 15) << 5.0;
        QTest::newRow("Windows-1252 heading") << QByteArray("Date,Er\xF6"
                                                            "ffnung,Close\n2024-03-15,1,5\n")
                                              << QDate(2024, 3, 15) << 5.0;
    }

    void columns() {
        QFETCH(QByteArray, bytes);
        QFETCH(QDate, date);
        QFETCH(double, price);
        const PriceRows r = read(bytes);
        QVERIFY(!r.rows.empty());
        QCOMPARE(r.rows.front().date, date);
        QCOMPARE(r.rows.front().price, price);
    }

    // Rows are numbered by the file's lines, whatever ends them and however many are blank.
    void skippedRowsByLine() {
        const PriceRows r = read("Date,Close\r\n"    // 1
                                 "2024-03-15,5\r\n"  // 2
                                 "\r\n"              // 3 blank: not counted
                                 ",,\r"              // 4 empty fields: not counted
                                 "2024-03-14,null\n" // 5
                                 "Total,55\n"        // 6
                                 "2024-03-13,0\n"    // 7
                                 "2024-03-12,-1\n"   // 8
                                 "2024-02-31,5\n"    // 9 made no date once the file was read
                                 "2024-03-11\n"      // 10
                                 "2024-03-08,4\n");  // 11
        QCOMPARE(r.rows.size(), std::size_t{2});
        QCOMPARE(r.rows[1].line, 11);
        QCOMPARE(r.skippedCount, 6);
        const std::vector<std::pair<int, SkipReason>> expected = {{5, SkipReason::NoPrice},
                                                                  {6, SkipReason::NoDate},
                                                                  {7, SkipReason::PriceNotAbove0},
                                                                  {8, SkipReason::PriceNotAbove0},
                                                                  {9, SkipReason::NoDate}};
        QCOMPARE(r.firstSkipped.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(r.firstSkipped[i].line, expected[i].first);
            QCOMPARE(r.firstSkipped[i].reason, expected[i].second);
        }
    }

    void refusals_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Message>("message");
        QTest::newRow("empty") << QByteArray() << Message::NoPricesFound;
        QTest::newRow("blank lines") << QByteArray("\r\n\n  \n") << Message::NoPricesFound;
        QTest::newRow("a NUL byte")
            << QByteArray("Date,Close\n2024-03-15,5\n\0\n", 25) << Message::NotTextFile;
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)
                                << Message::NotTextFile;
        QTest::newRow("no dates first")
            << QByteArray("Name,Close\nAcme,5\nBolt,6\n") << Message::NoDateColumn;
        QTest::newRow("one column") << QByteArray("Date\n2024-03-15\n") << Message::NoPriceColumn;
        QTest::newRow("no numbers")
            << QByteArray("Date,Note\n2024-03-15,up\n") << Message::NoPriceColumn;
        QTest::newRow("only a volume")
            << QByteArray("Date,Volume\n2024-03-15,900\n") << Message::NoPriceColumn;
    }

    void refusals() {
        QFETCH(QByteArray, bytes);
        QFETCH(Message, message);
        QCOMPARE(refusal(bytes), message);
    }

    // The device says how large the file is only by its bytes: reading stops past the limit.
    void largerThanTheLimit() {
        QByteArray bytes = "Date,Close\n";
        while (bytes.size() < qsizetype{200} * 1024) {
            bytes += "2024-03-15,5\n";
        }
        QCOMPARE(refusal(bytes, qint64{100} * 1024), Message::PriceFileTooLarge);
        QCOMPARE(refusal(bytes, bytes.size()), Message::None);
    }

    // A line far longer than any row is read as far as a row goes; its end still counts.
    void endlessLine() {
        const QByteArray bytes = "Date,Close\n2024-03-15,5," +
                                 QByteArray(qsizetype{300} * 1024, 'x') + "\n2024-03-14,4\n";
        const PriceRows r = read(bytes);
        QCOMPARE(r.rows.size(), std::size_t{2});
        QCOMPARE(r.rows[1].line, 3);
    }

    // Random mutations of the sample files (bytes changed, cut out, doubled, separators and
    // line ends thrown in): every one is read or refused with a message, and what is read holds
    // only dates the program keeps and prices above 0. The sanitizers watch every byte.
    void mutatedFiles() {
        const QByteArray seeds[] = {sampleFile("daily-newest-first.csv"),
                                    sampleFile("broker-quoted-mdy.csv"), sampleFile("weekly.csv"),
                                    sampleFile("semicolon-dmy.csv"),
                                    sampleFile("holidays-blank-summary.csv")};
        const char noise[] = {',', ';',    '"',    '\r',   '\n', '.', '/', '-',
                              '$', '\xEF', '\xBB', '\xBF', '0',  '9', ' ', '\0'};
        std::mt19937 random(20240315);
        int accepted = 0;
        for (int round = 0; round < 1500; ++round) {
            QByteArray bytes = seeds[round % 5];
            QVERIFY(!bytes.isEmpty());
            const int edits = 1 + static_cast<int>(random() % 12);
            for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
                const auto at =
                    static_cast<qsizetype>(random() % static_cast<unsigned>(bytes.size()));
                const auto length = static_cast<qsizetype>(1 + random() % 64);
                switch (random() % 5) {
                case 0:
                    bytes[at] = noise[random() % sizeof(noise)];
                    break;
                case 1:
                    bytes[at] = static_cast<char>(random());
                    break;
                case 2:
                    bytes.remove(at, length);
                    break;
                case 3:
                    bytes.insert(at, bytes.mid(at, length));
                    break;
                default:
                    bytes.truncate(at);
                    break;
                }
            }
            try {
                const PriceRows r = read(bytes, qint64{64} * 1024);
                ++accepted;
                for (const PriceRow& row : r.rows) {
                    QVERIFY(row.date.isValid() && row.date.year() > 1500);
                    QVERIFY(row.price > 0.0);
                    QVERIFY(row.line >= 1);
                }
                QVERIFY(r.firstSkipped.size() <= std::size_t{MaxNamedSkips});
                QVERIFY(r.skippedCount >= static_cast<int>(r.firstSkipped.size()));
            } catch (const RunTimeFailure& failure) {
                QVERIFY2(failure.message() != Message::None, failure.what());
            }
        }
        // Most mutations leave a file that is still read, so the reading itself is exercised.
        QVERIFY2(accepted > 300, qPrintable(QString::number(accepted)));
    }
};

QTEST_GUILESS_MAIN(TestPriceCsv)
#include "tst_pricecsv.moc"
