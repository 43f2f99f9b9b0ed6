// The comma-separated records of the program's files: writing, reading back, damaged input and
// atomic saving.

#include "core/records.h"
#include "core/runtimefailure.h"
#include "support/failingdevice.h"
#include "support/filesizelimit.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>
#include <sys/stat.h>

namespace {

QByteArray writeOne(const std::function<void(RecordWriter&)>& fill) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    RecordWriter writer(buffer);
    fill(writer);
    writer.endRecord();
    return bytes;
}

Record readOne(const QByteArray& bytes) {
    RecordReader reader(bytes);
    return reader.next();
}

enum class Kind { Text, Number, Currency, Int16, Single, Date };
constexpr Kind AllKinds[] = {Kind::Text,  Kind::Number, Kind::Currency,
                             Kind::Int16, Kind::Single, Kind::Date};

// Reads field `index` as `kind`; true when the reader refused it.
bool refuses(const Record& record, int index, Kind kind) {
    try {
        switch (kind) {
        case Kind::Text:
            record.text(index);
            break;
        case Kind::Number:
            record.number(index);
            break;
        case Kind::Currency:
            record.currency(index);
            break;
        case Kind::Int16:
            record.int16(index);
            break;
        case Kind::Single:
            record.single(index);
            break;
        case Kind::Date:
            record.date(index);
            break;
        }
    } catch (const RunTimeFailure&) {
        return true;
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestRecords : public QObject {
    Q_OBJECT

private slots:
    void writtenForms_data();
    void writtenForms();
    void mortgageRecord();
    void roundTrip();
    void numbersReadBackAsWritten_data();
    void numbersReadBackAsWritten();
    void currencyRoundTripExtremes_data();
    void currencyRoundTripExtremes();
    void splitting_data();
    void splitting();
    void lineEnds_data();
    void lineEnds();
    void readsNumbers_data();
    void readsNumbers();
    void readsAmounts_data();
    void readsAmounts();
    void refusals_data();
    void refusals();
    void readPastTheEnd();
    void hostileBytesNeverCrash();
    void decoding_data();
    void decoding();
    void valuesWithoutAWrittenForm();
    void failingDevice();
    void atomicSave();
    void fullDiskKeepsOldFile();
    void readFileBytes();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void onlyRegularFilesAreReplaced();
    void largeFilesRefusedUnread();
    void longLinesSplitOnlyWhatIsAsked();
};

void TestRecords::writtenForms_data() {
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QByteArray>("expected");

    auto one = [](auto fill) { return writeOne(fill); };
    QTest::newRow("text") << one([](RecordWriter& w) { w.text(QStringLiteral("Growth Fund")); })
                          << QByteArray("\"Growth Fund\"\r\n");
    QTest::newRow("text keeps blanks")
        << one([](RecordWriter& w) { w.text(QStringLiteral("      Monthly")); })
        << QByteArray("\"      Monthly\"\r\n");
    QTest::newRow("text drops double quotes")
        << one([](RecordWriter& w) { w.text(QStringLiteral("a\"b\"")); })
        << QByteArray("\"ab\"\r\n");
    QTest::newRow("text line breaks become blanks")
        << one([](RecordWriter& w) { w.text(QStringLiteral("Jo\r\nSmith\nJr\r")); })
        << QByteArray("\"Jo  Smith Jr \"\r\n");
    QTest::newRow("text in utf-8") << one([](RecordWriter& w) { w.text(QStringLiteral("\u20AC")); })
                                   << QByteArray("\"\xE2\x82\xAC\"\r\n");
    QTest::newRow("currency whole")
        << one([](RecordWriter& w) { w.currency(Currency::fromRaw(1'000'000'000)); })
        << QByteArray("100000\r\n");
    QTest::newRow("currency trimmed")
        << one([](RecordWriter& w) { w.currency(Currency::fromRaw(10'1250)); })
        << QByteArray("10.125\r\n");
    QTest::newRow("currency leading zero")
        << one([](RecordWriter& w) { w.currency(Currency::fromRaw(833)); })
        << QByteArray("0.0833\r\n");
    QTest::newRow("currency negative")
        << one([](RecordWriter& w) { w.currency(Currency::fromRaw(-5000)); })
        << QByteArray("-0.5\r\n");
    QTest::newRow("currency zero")
        << one([](RecordWriter& w) { w.currency(Currency()); }) << QByteArray("0\r\n");
    QTest::newRow("currency smallest") << one([](RecordWriter& w) {
        w.currency(Currency::fromRaw(std::numeric_limits<std::int64_t>::min()));
    }) << QByteArray("-922337203685477.5808\r\n");
    QTest::newRow("number leading zero")
        << one([](RecordWriter& w) { w.number(0.5); }) << QByteArray("0.5\r\n");
    QTest::newRow("number seventeen digits") << one([](RecordWriter& w) { w.number(0.1 + 0.2); })
                                             << QByteArray("0.30000000000000004\r\n");
    QTest::newRow("number third") << one([](RecordWriter& w) { w.number(1.0 / 3.0); })
                                  << QByteArray("0.3333333333333333\r\n");
    QTest::newRow("number negative zero")
        << one([](RecordWriter& w) { w.number(-0.0); }) << QByteArray("0\r\n");
    QTest::newRow("number large without exponent")
        << one([](RecordWriter& w) { w.number(1e20); }) << QByteArray("100000000000000000000\r\n");
    QTest::newRow("number sixteen whole digits")
        << one([](RecordWriter& w) { w.number(1234567890123456.78); })
        << QByteArray("1234567890123456.8\r\n");
    QTest::newRow("number fifteen whole digits")
        << one([](RecordWriter& w) { w.number(123456789012345.67); })
        << QByteArray("123456789012345.67\r\n");
    QTest::newRow("number small without exponent")
        << one([](RecordWriter& w) { w.number(0.000012); }) << QByteArray("0.000012\r\n");
    QTest::newRow("number negative")
        << one([](RecordWriter& w) { w.number(-1.5e15); }) << QByteArray("-1500000000000000\r\n");
    QTest::newRow("single") << one([](RecordWriter& w) { w.single(365.25f); })
                            << QByteArray("365.25\r\n");
    QTest::newRow("single shortest")
        << one([](RecordWriter& w) { w.single(0.1f); }) << QByteArray("0.1\r\n");
    QTest::newRow("single eight digits")
        << one([](RecordWriter& w) { w.single(12345678.0f); }) << QByteArray("12345678\r\n");
    QTest::newRow("single eight significant decimals")
        << one([](RecordWriter& w) { w.single(13.333333f); }) << QByteArray("13.333333\r\n");
    QTest::newRow("single large without exponent")
        << one([](RecordWriter& w) { w.single(123456789012.0f); })
        << QByteArray("123456790528\r\n");
    QTest::newRow("integer") << one([](RecordWriter& w) { w.integer(-32768); })
                             << QByteArray("-32768\r\n");
    QTest::newRow("date") << one([](RecordWriter& w) { w.date(QDate(2001, 3, 16)); })
                          << QByteArray("#2001-03-16#\r\n");
    QTest::newRow("date early year")
        << one([](RecordWriter& w) { w.date(QDate(801, 1, 2)); }) << QByteArray("#0801-01-02#\r\n");
    QTest::newRow("header line") << one([](RecordWriter& w) {
        w.integer(52).integer(3).text(QStringLiteral("Growth Fund")).single(10.0f);
    }) << QByteArray("52,3,\"Growth Fund\",10\r\n");
}

void TestRecords::writtenForms() {
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, expected);
    QCOMPARE(written, expected);
}

// Two records through one writer: fields restart after each record end.
void TestRecords::mortgageRecord() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    RecordWriter writer(buffer);
    writer.currency(Currency::fromWhole(100000))
        .currency(Currency::fromRaw(10'1250))
        .currency(Currency::fromWhole(25))
        .text(QStringLiteral("      Monthly"))
        .endRecord();
    writer.integer(1).currency(Currency()).endRecord();
    QVERIFY(writer.ok());
    QCOMPARE(bytes, QByteArray("100000,10.125,25,\"      Monthly\"\r\n1,0\r\n"));
}

void TestRecords::roundTrip() {
    const QString title = QStringLiteral("Fonds, \u00E9t\u00E9 \u20AC 2001");
    const QByteArray bytes = writeOne([&](RecordWriter& w) {
        w.text(title)
            .number(0.1 + 0.2)
            .number(-1234.5678)
            .single(365.25f)
            .currency(Currency::fromRaw(-1'2345))
            .integer(32767)
            .date(QDate(2001, 3, 16))
            .text(QString());
    });
    const Record r = readOne(bytes);
    QCOMPARE(r.size(), 8);
    QCOMPARE(r.text(0), title);
    QCOMPARE(r.field(0).quoted, true);
    QCOMPARE(r.number(1), 0.1 + 0.2);
    QCOMPARE(r.number(2), -1234.5678);
    QCOMPARE(r.single(3), 365.25f);
    QCOMPARE(r.currency(4), Currency::fromRaw(-1'2345));
    QCOMPARE(r.int16(5), std::int16_t{32767});
    QCOMPARE(r.date(6), QDate(2001, 3, 16));
    QCOMPARE(r.text(7), QString());
}

// Every finite double and single reads back as itself, at the ends of their ranges too.
void TestRecords::numbersReadBackAsWritten_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("single");
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << false;
    QTest::newRow("largest negative double") << -std::numeric_limits<double>::max() << false;
    QTest::newRow("smallest normal double") << std::numeric_limits<double>::min() << false;
    QTest::newRow("smallest subnormal double")
        << std::numeric_limits<double>::denorm_min() << false;
    QTest::newRow("seventeen digits") << 0.1 + 0.2 << false;
    QTest::newRow("beyond the cents") << 1234567890123456.78 << false;
    QTest::newRow("largest single") << double(std::numeric_limits<float>::max()) << true;
    QTest::newRow("smallest single") << double(std::numeric_limits<float>::denorm_min()) << true;
    QTest::newRow("single of eight digits") << double(12345678.0f) << true;
    QTest::newRow("single third") << double(1.0f / 3.0f) << true;
}

void TestRecords::numbersReadBackAsWritten() {
    QFETCH(double, value);
    QFETCH(bool, single);
    const auto asSingle = static_cast<float>(value);
    const QByteArray bytes = writeOne([&](RecordWriter& w) {
        if (single) {
            w.single(asSingle);
        } else {
            w.number(value);
        }
    });
    QVERIFY(!bytes.contains('e'));
    // Seventeen (nine) significant digits tell every double (single) apart.
    if (single) {
        QCOMPARE(QString::number(readOne(bytes).single(0), 'g', 9),
                 QString::number(asSingle, 'g', 9));
    } else {
        QCOMPARE(QString::number(readOne(bytes).number(0), 'g', 17),
                 QString::number(value, 'g', 17));
    }
}

void TestRecords::currencyRoundTripExtremes_data() {
    QTest::addColumn<qint64>("raw");
    QTest::newRow("largest") << std::numeric_limits<qint64>::max();
    QTest::newRow("smallest") << std::numeric_limits<qint64>::min();
    QTest::newRow("one ten-thousandth") << qint64(1);
    QTest::newRow("minus one ten-thousandth") << qint64(-1);
    QTest::newRow("beyond double precision") << qint64(9'007'199'254'740'993);
}

void TestRecords::currencyRoundTripExtremes() {
    QFETCH(qint64, raw);
    const QByteArray bytes = writeOne([&](RecordWriter& w) { w.currency(Currency::fromRaw(raw)); });
    QCOMPARE(readOne(bytes).currency(0).raw(), raw);
}

void TestRecords::splitting_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<bool>>("quoted");

    QTest::newRow("settings") << QByteArray("\"$\",2,\"Jo Smith\"")
                              << QStringList{"$", "2", "Jo Smith"}
                              << QList<bool>{true, false, true};
    QTest::newRow("quoted comma") << QByteArray("\"a,b\",1") << QStringList{"a,b", "1"}
                                  << QList<bool>{true, false};
    QTest::newRow("blanks around unquoted")
        << QByteArray("  52 ,\t3 , 10  ") << QStringList{"52", "3", "10"}
        << QList<bool>{false, false, false};
    QTest::newRow("blanks around quoted kept inside")
        << QByteArray("  \" x \"  ,1") << QStringList{" x ", "1"} << QList<bool>{true, false};
    QTest::newRow("empty fields") << QByteArray(",,") << QStringList{"", "", ""}
                                  << QList<bool>{false, false, false};
    QTest::newRow("trailing comma")
        << QByteArray("1,") << QStringList{"1", ""} << QList<bool>{false, false};
    QTest::newRow("empty quoted") << QByteArray("\"\"") << QStringList{""} << QList<bool>{true};
    QTest::newRow("empty line") << QByteArray("") << QStringList{} << QList<bool>{};
    QTest::newRow("blank line") << QByteArray(" \t ") << QStringList{} << QList<bool>{};
    QTest::newRow("date literal") << QByteArray("1,#2001-03-16#,25.5")
                                  << QStringList{"1", "#2001-03-16#", "25.5"}
                                  << QList<bool>{false, false, false};
}

void TestRecords::splitting() {
    QFETCH(QByteArray, line);
    QFETCH(QStringList, texts);
    QFETCH(QList<bool>, quoted);

    const Record record = readOne(line + "\r\n");
    QCOMPARE(record.size(), texts.size());
    for (int i = 0; i < record.size(); ++i) {
        QCOMPARE(record.text(i), texts[i]);
        QCOMPARE(record.field(i).quoted, quoted[i]);
    }
}

void TestRecords::lineEnds_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("firstFields");

    QTest::newRow("crlf") << QByteArray("a\r\nb\r\nc\r\n") << QStringList{"a", "b", "c"};
    QTest::newRow("lf") << QByteArray("a\nb\nc\n") << QStringList{"a", "b", "c"};
    QTest::newRow("cr") << QByteArray("a\rb\rc\r") << QStringList{"a", "b", "c"};
    QTest::newRow("mixed") << QByteArray("a\r\nb\nc\r") << QStringList{"a", "b", "c"};
    QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty line inside")
        << QByteArray("a\r\n\r\nc\r\n") << QStringList{"a", QString(), "c"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "a\r\n")
                                     << QStringList{"a"};
}

void TestRecords::lineEnds() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, firstFields);

    RecordReader reader(bytes);
    QStringList read;
    while (!reader.atEnd()) {
        const Record r = reader.next();
        read.append(r.size() > 0 ? r.text(0) : QString());
    }
    QCOMPARE(read, firstFields);
}

void TestRecords::readsNumbers_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<double>("expected");

    QTest::newRow("leading zero") << QByteArray("0.5") << 0.5;
    QTest::newRow("no leading zero") << QByteArray(".5") << 0.5;
    QTest::newRow("negative no leading zero") << QByteArray("-.5") << -0.5;
    QTest::newRow("negative") << QByteArray("-3") << -3.0;
    QTest::newRow("plus sign") << QByteArray("+3") << 3.0;
    QTest::newRow("exponent") << QByteArray("1E+05") << 100000.0;
    QTest::newRow("lower exponent") << QByteArray("2.5e-3") << 0.0025;
    QTest::newRow("trailing point") << QByteArray("7.") << 7.0;
    QTest::newRow("empty reads zero") << QByteArray("") << 0.0;
    QTest::newRow("blanks read zero") << QByteArray("   ") << 0.0;
    QTest::newRow("underflow reads zero") << QByteArray("1e-400") << 0.0;
    QTest::newRow("fifteen digits") << QByteArray("0.333333333333333") << 0.333333333333333;
}

void TestRecords::readsNumbers() {
    QFETCH(QByteArray, field);
    QFETCH(double, expected);
    QCOMPARE(readOne(field + ",x\r\n").number(0), expected);
}

void TestRecords::readsAmounts_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<qint64>("raw");

    QTest::newRow("whole") << QByteArray("100000") << qint64(1'000'000'000);
    QTest::newRow("no leading zero") << QByteArray(".0833") << qint64(833);
    QTest::newRow("fifth decimal below half") << QByteArray("0.00004") << qint64(0);
    QTest::newRow("fifth decimal half to even down") << QByteArray("0.00025") << qint64(2);
    QTest::newRow("fifth decimal half to even up") << QByteArray("0.00035") << qint64(4);
    QTest::newRow("beyond half") << QByteArray("0.000250001") << qint64(3);
    QTest::newRow("negative half") << QByteArray("-0.00035") << qint64(-4);
    QTest::newRow("exponent") << QByteArray("1.5E+03") << qint64(1500'0000);
    QTest::newRow("largest") << QByteArray("922337203685477.5807")
                             << std::numeric_limits<qint64>::max();
    QTest::newRow("empty") << QByteArray("") << qint64(0);
}

void TestRecords::readsAmounts() {
    QFETCH(QByteArray, field);
    QFETCH(qint64, raw);
    QCOMPARE(readOne(field + ",x\r\n").currency(0).raw(), raw);
}

void TestRecords::refusals_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<Kind>("kind");

    QTest::newRow("quoted number") << QByteArray("\"5\"") << Kind::Number;
    QTest::newRow("quoted amount") << QByteArray("\"5\"") << Kind::Currency;
    QTest::newRow("quoted int16") << QByteArray("\"5\"") << Kind::Int16;
    QTest::newRow("letters as number") << QByteArray("abc") << Kind::Number;
    QTest::newRow("trailing letters") << QByteArray("12abc") << Kind::Number;
    QTest::newRow("grouped number") << QByteArray("1 000") << Kind::Number;
    QTest::newRow("two points") << QByteArray("1.2.3") << Kind::Number;
    QTest::newRow("point only") << QByteArray(".") << Kind::Number;
    QTest::newRow("sign only") << QByteArray("-") << Kind::Number;
    QTest::newRow("exponent without digits") << QByteArray("1e") << Kind::Number;
    QTest::newRow("infinity word") << QByteArray("inf") << Kind::Number;
    QTest::newRow("nan word") << QByteArray("nan") << Kind::Number;
    QTest::newRow("hex") << QByteArray("0x10") << Kind::Number;
    QTest::newRow("number overflow") << QByteArray("1e400") << Kind::Number;
    QTest::newRow("amount overflow") << QByteArray("922337203685477.5808") << Kind::Currency;
    QTest::newRow("amount overflow by rounding")
        << QByteArray("922337203685477.58075") << Kind::Currency;
    QTest::newRow("amount of 1e15") << QByteArray("1000000000000000") << Kind::Currency;
    QTest::newRow("amount of many digits") << QByteArray(QByteArray(400, '9')) << Kind::Currency;
    QTest::newRow("amount exponent overflow") << QByteArray("1e16") << Kind::Currency;
    QTest::newRow("int16 overflow") << QByteArray("40000") << Kind::Int16;
    QTest::newRow("int16 underflow") << QByteArray("-32769") << Kind::Int16;
    QTest::newRow("single overflow") << QByteArray("1e39") << Kind::Single;
    QTest::newRow("date quoted") << QByteArray("\"#2001-03-16#\"") << Kind::Date;
    QTest::newRow("date short text") << QByteArray("16/03/2001") << Kind::Date;
    QTest::newRow("date impossible day") << QByteArray("#2001-02-30#") << Kind::Date;
    QTest::newRow("date month zero") << QByteArray("#2001-00-10#") << Kind::Date;
    QTest::newRow("date short month") << QByteArray("#2001-3-16#") << Kind::Date;
    QTest::newRow("date sign inside") << QByteArray("#2001--3-16#") << Kind::Date;
    QTest::newRow("date empty") << QByteArray(",1") << Kind::Date;
    QTest::newRow("date year zero") << QByteArray("#0000-01-01#") << Kind::Date;
    QTest::newRow("unclosed quote") << QByteArray("\"Growth") << Kind::Text;
    QTest::newRow("junk after quote") << QByteArray("\"a\"b,1") << Kind::Text;
    QTest::newRow("missing field") << QByteArray("") << Kind::Text;
}

void TestRecords::refusals() {
    QFETCH(QByteArray, line);
    QFETCH(Kind, kind);
    QVERIFY(refuses(readOne(line + "\r\n"), 0, kind));
}

void TestRecords::readPastTheEnd() {
    RecordReader reader(QByteArray("1,2\r\n"));
    const Record r = reader.next();
    QCOMPARE(r.int16(1), std::int16_t{2});
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, r.text(2));
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, r.text(-1));
    QVERIFY(reader.atEnd());
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, reader.next());
    QCOMPARE(readOne("30000\r\n").int16(0), std::int16_t{30000});
}

// Whatever the bytes, every typed read either gives a value or raises RunTimeFailure.
void TestRecords::hostileBytesNeverCrash() {
    QByteArray noise;
    quint32 state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1103515245u + 12345u;
        noise.append(static_cast<char>(state >> 24));
    }
    const QByteArray truncated = writeOne([](RecordWriter& w) {
                                     w.integer(52).integer(3).text(QStringLiteral("Growth Fund"));
                                 }).left(12);
    for (const QByteArray& bytes :
         {noise, truncated, QByteArray(1000, '"'), QByteArray(1000, ','), QByteArray(5000, '9'),
          QByteArray("#\r\n#9999-99-99#\r\n\0\0\0", 20)}) {
        RecordReader reader(bytes);
        int failures = 0;
        while (!reader.atEnd()) {
            const Record r = reader.next();
            for (int i = 0; i <= r.size(); ++i) {
                for (const Kind kind : AllKinds) {
                    failures += refuses(r, i, kind) ? 1 : 0;
                }
            }
        }
        QVERIFY(failures > 0 || bytes.isEmpty());
    }
}

void TestRecords::decoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ascii") << QByteArray("abc") << QStringLiteral("abc");
    QTest::newRow("utf-8") << QByteArray("\xE2\x82\xAC 5") << QStringLiteral("\u20AC 5");
    QTest::newRow("euro byte") << QByteArray("\x80") << QStringLiteral("\u20AC");
    QTest::newRow("latin-1 range") << QByteArray("caf\xE9") << QStringLiteral("caf\u00E9");
    QTest::newRow("quotes and dashes")
        << QByteArray("\x93x\x94 \x96 \x97") << QStringLiteral("\u201Cx\u201D \u2013 \u2014");
    QTest::newRow("last of the table")
        << QByteArray("\x9F\x8C\x9C") << QStringLiteral("\u0178\u0152\u0153");
    QTest::newRow("unassigned bytes")
        << QByteArray("\x81\x8D\x8F\x90\x9D") << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
    QTest::newRow("one bad byte makes all 1252")
        << QByteArray("\xC3\xA9 \xE9") << QStringLiteral("\u00C3\u00A9 \u00E9");
    QTest::newRow("truncated utf-8") << QByteArray("\xE2\x82") << QStringLiteral("\u00E2\u201A");
}

void TestRecords::decoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(decodeFileText(bytes), expected);
}

void TestRecords::valuesWithoutAWrittenForm() {
    const auto attempt = [](const std::function<void(RecordWriter&)>& fill) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        RecordWriter writer(buffer);
        fill(writer);
        return writer.ok();
    };
    QVERIFY(!attempt([](RecordWriter& w) { w.number(std::numeric_limits<double>::infinity()); }));
    QVERIFY(!attempt([](RecordWriter& w) { w.number(std::nan("")); }));
    QVERIFY(!attempt([](RecordWriter& w) { w.single(std::numeric_limits<float>::infinity()); }));
    QVERIFY(!attempt([](RecordWriter& w) { w.date(QDate()); }));
    QVERIFY(!attempt([](RecordWriter& w) { w.date(QDate(10000, 1, 1)); }));
    QVERIFY(attempt([](RecordWriter& w) { w.date(QDate(9999, 12, 31)); }));
}

void TestRecords::failingDevice() {
    FailingDevice device(5);
    device.open(QIODevice::WriteOnly);
    RecordWriter writer(device);
    writer.integer(1).endRecord();
    QVERIFY(writer.ok());
    writer.text(QStringLiteral("too long for the device")).endRecord();
    QVERIFY(!writer.ok());
    writer.integer(2).endRecord();
    QVERIFY(!writer.ok());
}

void TestRecords::atomicSave() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Personal.orp"));
    const QByteArray old("\"$\",2,\"Jo\"\r\n");

    auto writeSettings = [](QIODevice& device) {
        RecordWriter writer(device);
        writer.text(QStringLiteral("\u20AC")).integer(1).text(QString()).endRecord();
        return writer.ok();
    };
    QVERIFY(saveFileAtomically(path, [&](QIODevice& d) { return d.write(old) == old.size(); }));
    QCOMPARE(*::readFileBytes(path), old);

    // A refused write keeps the old file byte for byte, and leaves no temporary file behind.
    QVERIFY(!saveFileAtomically(path, [&](QIODevice& d) {
        writeSettings(d);
        return false;
    }));
    QCOMPARE(*::readFileBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Personal.orp")});

    // An exception from the write passes on and keeps the old file too.
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, saveFileAtomically(path, [](QIODevice& d) -> bool {
                                 d.write("partial");
                                 throw RunTimeFailure("failed halfway");
                             }));
    QCOMPARE(*::readFileBytes(path), old);

    QVERIFY(saveFileAtomically(path, writeSettings));
    QCOMPARE(*::readFileBytes(path), QByteArray("\"\xE2\x82\xAC\",1,\"\"\r\n"));

    QVERIFY(
        !saveFileAtomically(dir.filePath(QStringLiteral("missing/Personal.orp")), writeSettings));
    QVERIFY(!saveFileAtomically(dir.path(), writeSettings));
}

void TestRecords::fullDiskKeepsOldFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Loan.uld"));
    const QByteArray old("20000,10.125,4\r\n");
    QVERIFY(saveFileAtomically(path, [&](QIODevice& d) { return d.write(old) == old.size(); }));

    // Every write here reaches the device's buffer; the disk refuses the bytes only when the
    // buffer goes to it, at the commit.
    const QByteArray bigger(4096, 'x');
    for (const rlim_t room : {rlim_t{0}, rlim_t{100}}) {
        FileSizeLimit full(room);
        QVERIFY(!saveFileAtomically(
            path, [&](QIODevice& d) { return d.write(bigger) == bigger.size(); }));
    }
    QCOMPARE(*::readFileBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Loan.uld")});
}

void TestRecords::readFileBytes() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(!::readFileBytes(dir.filePath(QStringLiteral("absent.orv"))).has_value());
    QVERIFY(!::readFileBytes(dir.path()).has_value());
    QFile empty(dir.filePath(QStringLiteral("empty.orv")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QCOMPARE(::readFileBytes(empty.fileName()), std::optional<QByteArray>(QByteArray()));
}

// Only a regular file is read, and only the bytes it says it holds: a named pipe (which would
// wait for a writer), a device, or a file of the kernel's (under /proc, a "regular file" of
// 0 bytes that holds text, or never ends) is refused at once.
void TestRecords::onlyRegularFilesAreRead_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("read");
    // Opened to be read piece by piece: the kernel's files call themselves regular, and their
    // readers count what they take.
    QTest::addColumn<bool>("opened");
    QTest::newRow("regular file") << "file" << true << true;
    QTest::newRow("link to a regular file") << "link" << true << true;
    QTest::newRow("named pipe") << "pipe" << false << false;
    QTest::newRow("link to a named pipe") << "link to pipe" << false << false;
    QTest::newRow("device") << "/dev/null" << false << false;
    QTest::newRow("process status under /proc") << "/proc/self/status" << false << true;
    QTest::newRow("process command line under /proc") << "/proc/self/cmdline" << false << true;
}

void TestRecords::onlyRegularFilesAreRead() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("House.umd"));
    const QString pipe = dir.filePath(QStringLiteral("Pipe.umd"));
    const QString link = dir.filePath(QStringLiteral("Link.umd"));
    QVERIFY(saveFileAtomically(file, [](QIODevice& d) { return d.write("100000\r\n") == 8; }));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QString path = kind;
    if (kind == QStringLiteral("file")) {
        path = file;
    } else if (kind == QStringLiteral("pipe")) {
        path = pipe;
    } else if (kind.startsWith(QStringLiteral("link"))) {
        QVERIFY(QFile::link(kind == QStringLiteral("link") ? file : pipe, link));
        path = link;
    }
    const std::optional<QByteArray> bytes = ::readFileBytes(path);
    QTEST(bytes.has_value(), "read");
    if (bytes) {
        QCOMPARE(*bytes, QByteArray("100000\r\n"));
    }
    QFile opened;
    QTEST(openDataFile(opened, path, MaxFileSize) == DataFileOpen::Opened, "opened");
    QTEST(opened.isOpen(), "opened");
    if (bytes) {
        QCOMPARE(opened.readAll(), *bytes);
    }
}

// A save never puts a file in the place of a named pipe or a device.
void TestRecords::onlyRegularFilesAreReplaced() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pipe = dir.filePath(QStringLiteral("Pipe.orv"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const auto write = [](QIODevice& d) { return d.write("1\r\n") == 3; };
    QVERIFY(!saveFileAtomically(pipe, write));
    QVERIFY(!QFileInfo(pipe).isFile());
    QVERIFY(QFileInfo(pipe).exists());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System),
             QStringList{QStringLiteral("Pipe.orv")});
}

void TestRecords::largeFilesRefusedUnread() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("Personal.orp")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(QByteArray(MaxFileSize, ',')) == MaxFileSize);
    file.flush();
    QCOMPARE(::readFileBytes(file.fileName())->size(), MaxFileSize);
    // One byte more, and the file is not read at all (a sparse 60 MiB file costs nothing).
    QVERIFY(file.write(",") == 1);
    file.flush();
    QVERIFY(!::readFileBytes(file.fileName()).has_value());
    QVERIFY(file.resize(qint64{60} * 1024 * 1024));
    QVERIFY(!::readFileBytes(file.fileName()).has_value());
    QVERIFY(!::readFileBytes(QStringLiteral("/dev/zero")).has_value());
    QFile opened;
    QCOMPARE(openDataFile(opened, file.fileName(), MaxFileSize), DataFileOpen::TooLarge);
    QVERIFY(!opened.isOpen());
    QCOMPARE(openDataFile(opened, dir.filePath(QStringLiteral("None.orp")), MaxFileSize),
             DataFileOpen::Unreadable);
}

void TestRecords::longLinesSplitOnlyWhatIsAsked() {
    QByteArray bytes = "\"$\",2,\"Jo\"";
    bytes.append(QByteArray(200000, ','));
    bytes.append("\r\n7\r\n");
    RecordReader reader(bytes);
    const Record first = reader.next(3);
    QCOMPARE(first.size(), 3);
    QCOMPARE(first.text(2), QStringLiteral("Jo"));
    QCOMPARE(reader.next().int16(0), std::int16_t{7});
    QVERIFY(reader.atEnd());
    // Without a count, a record holds at most 64 fields.
    QCOMPARE(RecordReader(QByteArray(500, ',')).next().size(), 64);
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
