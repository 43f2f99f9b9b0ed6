// Display patterns, right justification and reading a text as a number.

#include "core/formats.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <limits>

class TestFormats : public QObject {
    Q_OBJECT

private slots:
    void formatDouble_data();
    void formatDouble();
    void formatCurrency_data();
    void formatCurrency();
    void currencyAndDoubleAgree_data();
    void currencyAndDoubleAgree();
    void halvesOfManyAmounts();
    void nonFinite();
    void rightJustify_data();
    void rightJustify();
    void readNumber_data();
    void readNumber();
    void readNumberOfHugeInput();
};

void TestFormats::formatDouble_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    const QString money = QStringLiteral("####,,###.00");
    QTest::newRow("money zero") << 0.0 << money << ".00";
    QTest::newRow("money half") << 0.5 << money << ".50";
    QTest::newRow("money below one") << 0.75 << money << ".75";
    QTest::newRow("money grouping and rounding") << 12345.678 << money << "12,345.68";
    QTest::newRow("money thousands") << 1234.5 << money << "1,234.50";
    QTest::newRow("money exact thousand") << 1000.0 << money << "1,000.00";
    QTest::newRow("money under thousand") << 999.999 << money << "1,000.00";
    QTest::newRow("money millions") << 123456789.0 << money << "123,456,789.00";
    QTest::newRow("money negative below one") << -0.5 << money << "-.50";
    QTest::newRow("money negative grouped") << -1234.5 << money << "-1,234.50";
    QTest::newRow("money negative rounding to zero") << -0.001 << money << ".00";
    QTest::newRow("money negative zero") << -0.0 << money << ".00";
    QTest::newRow("money rounds up to one") << 0.995 << money << "1.00";
    QTest::newRow("money 1e15") << 1e15 << money << "1,000,000,000,000,000.00";
    QTest::newRow("money 1e20 keeps 15 digits")
        << 123456789012345678901.0 << money << "123,456,789,012,346,000,000.00";
    QTest::newRow("money tiny") << 1e-9 << money << ".00";
    QTest::newRow("money carries to sixteen digits")
        << 999999999999999.9 << money << "1,000,000,000,000,000.00";
    QTest::newRow("money fifteen digit carry")
        << 99999999999999.99 << money << "100,000,000,000,000.00";
    QTest::newRow("eight decimals of 1e-5") << 1e-5 << QStringLiteral("0.########") << "0.00001";
    QTest::newRow("eight decimals below 1e-5")
        << 0.000005 << QStringLiteral("0.########") << "0.000005";
    QTest::newRow("eight decimals half below 1e-5")
        << 0.000000005 << QStringLiteral("0.########") << "0.00000001";
    QTest::newRow("money huge") << 1e300 << QStringLiteral("#,,###")
                                << QStringLiteral("1") + QStringLiteral(",000").repeated(100);

    // Halves at the second decimal, including ones whose binary value lies just below the half.
    QTest::newRow("half 2.675") << 2.675 << money << "2.68";
    QTest::newRow("half 1.005") << 1.005 << money << "1.01";
    QTest::newRow("half 0.125") << 0.125 << money << ".13";
    QTest::newRow("half 0.375") << 0.375 << QStringLiteral("###.00") << ".38";
    QTest::newRow("half negative -2.675") << -2.675 << money << "-2.68";
    QTest::newRow("half negative -0.125") << -0.125 << money << "-.13";
    QTest::newRow("half 1.115") << 1.115 << money << "1.12";
    QTest::newRow("half 8.345") << 8.345 << money << "8.35";
    QTest::newRow("below half stays") << 0.12499999 << money << ".12";
    QTest::newRow("half after sums 0.1+0.2+0.005") << (0.1 + 0.2 + 0.005) << money << ".31";

    // The other spellings of the money pattern.
    QTest::newRow("three hash grouped") << 1234.5 << QStringLiteral("###,,###.00") << "1,234.50";
    QTest::newRow("two hash grouped") << 1234.5 << QStringLiteral("##,,###.00") << "1,234.50";
    QTest::newRow("one hash grouped") << 0.5 << QStringLiteral("#,,###.00") << ".50";
    QTest::newRow("single comma grouped")
        << 1234567.891 << QStringLiteral("###,###.00") << "1,234,567.89";

    // A zero before the point.
    QTest::newRow("leading zero of zero") << 0.0 << QStringLiteral("####,,##0.00") << "0.00";
    QTest::newRow("leading zero below one") << 0.75 << QStringLiteral("####,,##0.00") << "0.75";
    QTest::newRow("leading zero grouped")
        << 12345.678 << QStringLiteral("#####,,##0.00") << "12,345.68";
    QTest::newRow("leading zero negative") << -0.5 << QStringLiteral("####,,##0.00") << "-0.50";

    // No grouping.
    QTest::newRow("plain two decimals") << 6.5 << QStringLiteral("###.00") << "6.50";
    QTest::newRow("plain zero") << 0.0 << QStringLiteral("###.00") << ".00";
    QTest::newRow("plain beyond the hashes") << 1234.0 << QStringLiteral("###.00") << "1234.00";
    QTest::newRow("plain short pattern") << 12.345 << QStringLiteral("##.00") << "12.35";
    QTest::newRow("three decimals") << 10.125 << QStringLiteral("###.000") << "10.125";
    QTest::newRow("three decimals half") << 10.1235 << QStringLiteral("###.000") << "10.124";
    QTest::newRow("three decimals zero") << 0.0 << QStringLiteral("###.000") << ".000";

    // Optional decimals.
    QTest::newRow("optional decimals whole") << 365.0 << QStringLiteral("###.##") << "365.";
    QTest::newRow("optional decimals quarter") << 365.25 << QStringLiteral("###.##") << "365.25";
    QTest::newRow("optional decimals one") << 365.5 << QStringLiteral("###.##") << "365.5";
    QTest::newRow("optional decimals rounded") << 365.2425 << QStringLiteral("###.##") << "365.24";
    QTest::newRow("optional decimals zero") << 0.0 << QStringLiteral("###.##") << ".";
    QTest::newRow("eight decimals") << 0.0083753 << QStringLiteral("0.########") << "0.0083753";
    QTest::newRow("eight decimals one") << 1.0 << QStringLiteral("0.########") << "1.";
    QTest::newRow("eight decimals zero") << 0.0 << QStringLiteral("0.########") << "0.";
    QTest::newRow("eight decimals rounded")
        << 0.123456785 << QStringLiteral("0.########") << "0.12345679";

    // Whole numbers.
    QTest::newRow("whole") << 25.0 << QStringLiteral("###") << "25";
    QTest::newRow("whole zero is empty") << 0.0 << QStringLiteral("###") << "";
    QTest::newRow("whole rounds to zero is empty") << 0.4 << QStringLiteral("###") << "";
    QTest::newRow("whole half up") << 2.5 << QStringLiteral("###") << "3";
    QTest::newRow("whole half negative") << -2.5 << QStringLiteral("##") << "-3";
    QTest::newRow("whole beyond the hashes") << 123456.0 << QStringLiteral("##") << "123456";
    QTest::newRow("whole four") << 2001.0 << QStringLiteral("####") << "2001";
    QTest::newRow("whole grouped") << 1234567.0 << QStringLiteral("#,,###") << "1,234,567";
    QTest::newRow("whole grouped zero") << 0.0 << QStringLiteral("#,,###") << "";
    QTest::newRow("whole grouped small") << 999.5 << QStringLiteral("#,,###") << "1,000";

    // Percentages.
    QTest::newRow("percent negative") << -0.05 << QStringLiteral("###.00%") << "-5.00%";
    QTest::newRow("percent small") << 0.001 << QStringLiteral("###.00%") << ".10%";
    QTest::newRow("percent zero") << 0.0 << QStringLiteral("###.00%") << ".00%";
    QTest::newRow("percent four hashes") << 0.25 << QStringLiteral("####.00%") << "25.00%";
    QTest::newRow("percent grouped") << 0.1234 << QStringLiteral("###,,###.00%") << "12.34%";
    QTest::newRow("percent grouped thousands")
        << 12.5 << QStringLiteral("#,,###.00%") << "1,250.00%";
    QTest::newRow("percent three decimals")
        << 0.123456 << QStringLiteral("#,,###.000%") << "12.346%";
    QTest::newRow("percent four decimals")
        << 0.00012345 << QStringLiteral("#,,###.0000%") << ".0123%";
    QTest::newRow("percent half") << 0.000125 << QStringLiteral("###.00%") << ".01%";
    QTest::newRow("percent half of 2.675") << 0.02675 << QStringLiteral("###.00%") << "2.68%";

    // Characters around the placeholders are copied.
    QTest::newRow("literal prefix") << 12.5 << QStringLiteral("$#,,###.00") << "$12.50";
}

void TestFormats::formatDouble() {
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(value, pattern), expected);
}

void TestFormats::formatCurrency_data() {
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    const QString money = QStringLiteral("####,,###.00");
    QTest::newRow("zero") << qint64(0) << money << ".00";
    QTest::newRow("principal") << qint64(1'000'000'000) << money << "100,000.00";
    QTest::newRow("half cent up") << qint64(1'0050) << money << "1.01";
    QTest::newRow("below half cent") << qint64(1'0049) << money << "1.00";
    QTest::newRow("half cent negative") << qint64(-1'0050) << money << "-1.01";
    QTest::newRow("negative to zero") << qint64(-49) << money << ".00";
    QTest::newRow("carry through nines") << qint64(9'999'9950) << money << "10,000.00";
    QTest::newRow("largest") << std::numeric_limits<qint64>::max() << money
                             << "922,337,203,685,477.58";
    QTest::newRow("smallest") << std::numeric_limits<qint64>::min() << money
                              << "-922,337,203,685,477.58";
    QTest::newRow("largest four decimals")
        << std::numeric_limits<qint64>::max() << QStringLiteral("#,,###.0000")
        << "922,337,203,685,477.5807";
    QTest::newRow("rate three decimals")
        << qint64(10'1250) << QStringLiteral("###.000") << "10.125";
    QTest::newRow("years") << qint64(25'0000) << QStringLiteral("###") << "25";
    QTest::newRow("years zero") << qint64(0) << QStringLiteral("###") << "";
    QTest::newRow("percent of amount")
        << qint64(1234) << QStringLiteral("###,,###.00%") << "12.34%";
    QTest::newRow("leading zero") << qint64(5000) << QStringLiteral("####,,##0.00") << "0.50";
}

void TestFormats::formatCurrency() {
    QFETCH(qint64, raw);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(Currency::fromRaw(raw), pattern), expected);
}

// An amount and the double of the same decimal value show alike: the double's 15 significant
// digits stand for the decimal the user meant.
void TestFormats::currencyAndDoubleAgree_data() {
    QTest::addColumn<qint64>("raw");
    QTest::newRow("1.005") << qint64(1'0050);
    QTest::newRow("2.675") << qint64(2'6750);
    QTest::newRow("0.125") << qint64(1250);
    QTest::newRow("1234.565") << qint64(1234'5650);
    QTest::newRow("99999.995") << qint64(99999'9950);
    QTest::newRow("-0.005") << qint64(-50);
}

void TestFormats::currencyAndDoubleAgree() {
    QFETCH(qint64, raw);
    const Currency amount = Currency::fromRaw(raw);
    for (const QString& pattern :
         {QStringLiteral("####,,###.00"), QStringLiteral("###.000"), QStringLiteral("###.00%")}) {
        QCOMPARE(formatNumber(amount.toDouble(), pattern), formatNumber(amount, pattern));
    }
}

// Every amount of up to 15 digits, as a double, shows the digits of the amount: halves of a
// cent included, whatever binary value the double holds.
void TestFormats::halvesOfManyAmounts() {
    QRandomGenerator random(20010316);
    for (int i = 0; i < 20000; ++i) {
        const qint64 digits = static_cast<qint64>(random.bounded(1'000'000'000'000'000.0));
        const qint64 raw = (i % 2 == 0) ? digits / 100 * 100 + 50 : digits;
        const Currency amount = Currency::fromRaw(i % 3 == 0 ? -raw : raw);
        const QString expected = formatNumber(amount, u"####,,###.00");
        QCOMPARE(formatNumber(amount.toDouble(), u"####,,###.00"), expected);
    }
}

void TestFormats::nonFinite() {
    const double inf = std::numeric_limits<double>::infinity();
    QCOMPARE(formatNumber(inf, u"####,,###.00"), QStringLiteral("inf"));
    QCOMPARE(formatNumber(-inf, u"####,,###.00"), QStringLiteral("-inf"));
    QCOMPARE(formatNumber(std::nan(""), u"###"), QStringLiteral("nan"));
}

void TestFormats::rightJustify_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");

    QTest::newRow("money field") << "$12,500.00" << 13 << "   $12,500.00";
    QTest::newRow("percent field") << "6.50" << 14 << "          6.50";
    QTest::newRow("exact width") << "abc" << 3 << "abc";
    QTest::newRow("cut on the right") << "$123,456,789.00" << 13 << "$123,456,789.";
    QTest::newRow("empty text") << "" << 4 << "    ";
    QTest::newRow("zero width") << "abc" << 0 << "";
    QTest::newRow("negative width") << "abc" << -2 << "";
}

void TestFormats::rightJustify() {
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(RightJustify(text, width), expected);
}

void TestFormats::readNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("percent display") << "          6.50%" << 6.5;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("comma stops") << "1,250.00" << 1.0;
    QTest::newRow("currency symbol first") << "$1,250.00" << 0.0;
    QTest::newRow("double point") << "1..5" << 1.0;
    QTest::newRow("blank after sign") << "- 5" << -5.0;
    QTest::newRow("blanks between digits") << "1 2\t3\n4" << 1234.0;
    QTest::newRow("carriage return stops") << "12\r3" << 12.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("two signs") << "--5" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("no leading zero") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("exponent") << "1E+05" << 100000.0;
    QTest::newRow("small exponent") << "2.5e-3" << 0.0025;
    QTest::newRow("exponent without digits") << "5e" << 5.0;
    QTest::newRow("exponent sign without digits") << "5e-x" << 5.0;
    QTest::newRow("letter after digits") << "12abc" << 12.0;
    QTest::newRow("underflow") << "1e-400" << 0.0;
    QTest::newRow("underflow of a fraction") << "0.0001e-330" << 0.0;
    QTest::newRow("negative zero reads zero") << "-0" << 0.0;
    QTest::newRow("grouped money display") << "   $12,500.00" << 0.0;
    QTest::newRow("years display") << "             25" << 25.0;
}

void TestFormats::readNumber() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double value = ::readNumber(text);
    QCOMPARE(value, expected);
    QVERIFY(!std::signbit(value) || expected < 0);
}

void TestFormats::readNumberOfHugeInput() {
    QVERIFY(std::isinf(::readNumber(u"1e400")));
    QVERIFY(::readNumber(u"-1e400") < 0);
    QVERIFY(std::isinf(::readNumber(u"-1e400")));
    QVERIFY(std::isinf(::readNumber(QString(400, u'9'))));
    // A long run of digits after the point is read exactly as far as a double goes.
    QCOMPARE(::readNumber(QStringLiteral("0.") + QString(500, u'3')), 1.0 / 3.0);
    QCOMPARE(::readNumber(QStringLiteral("1e99999999999999999999")),
             std::numeric_limits<double>::infinity());
    QCOMPARE(::readNumber(QString(100000, u'0') + QStringLiteral("42")), 42.0);
}

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
