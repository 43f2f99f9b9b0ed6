#include "core/dates.h"

#include <QTest>

class TestDates : public QObject {
    Q_OBJECT
private slots:
    void shortFormat_data();
    void shortFormat();
    void systemLocaleIsCInTests();
    void parse_data();
    void parse();
    void roundTripThroughShortDate_data();
    void roundTripThroughShortDate();
    void addMonths_data();
    void addMonths();
    void addDaysCrossesYears();
    void literals_data();
    void literals();
    void todayOverride();
};

void TestDates::shortFormat_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("format");
    QTest::newRow("C locale has no numeric short form") << "C"
                                                        << "yyyy-MM-dd";
    QTest::newRow("US two-digit year widened") << "en_US"
                                               << "M/d/yyyy";
    QTest::newRow("German two-digit year widened") << "de_DE"
                                                   << "dd.MM.yyyy";
    QTest::newRow("British four-digit year kept") << "en_GB"
                                                  << "dd/MM/yyyy";
    QTest::newRow("Swedish ISO order kept") << "sv_SE"
                                            << "yyyy-MM-dd";
    QTest::newRow("quoted word is not numeric") << "bg_BG"
                                                << "yyyy-MM-dd";
}

void TestDates::shortFormat() {
    QFETCH(QString, locale);
    QFETCH(QString, format);
    QCOMPARE(Dates::shortDateFormat(QLocale(locale)), format);
}

void TestDates::systemLocaleIsCInTests() {
    QCOMPARE(Dates::shortDateFormat(), QStringLiteral("yyyy-MM-dd"));
    QCOMPARE(Dates::toShortDate(QDate(2001, 3, 16)), QStringLiteral("2001-03-16"));
    QCOMPARE(Dates::toShortDate(QDate()), QString());
}

void TestDates::parse_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected"); // invalid = not a date

    const QDate march16(2001, 3, 16);
    QTest::newRow("C: ISO") << "C"
                            << "2001-03-16" << march16;
    QTest::newRow("C: ISO without leading zeros") << "C"
                                                  << "2001-3-6" << QDate(2001, 3, 6);
    QTest::newRow("C: blanks around") << "C"
                                      << "  2001-03-16 " << march16;
    QTest::newRow("C: day first with slashes") << "C"
                                               << "16/03/2001" << march16;
    QTest::newRow("C: day first, dots, short year") << "C"
                                                    << "16.3.01" << march16;
    QTest::newRow("C: short year 29 is 2029") << "C"
                                              << "1/1/29" << QDate(2029, 1, 1);
    QTest::newRow("C: short year 30 is 1930") << "C"
                                              << "1/1/30" << QDate(1930, 1, 1);
    QTest::newRow("C: leap day") << "C"
                                 << "2004-02-29" << QDate(2004, 2, 29);
    QTest::newRow("C: no leap day in 2001") << "C"
                                            << "2001-02-29" << QDate();
    QTest::newRow("C: day 32") << "C"
                               << "32/1/2001" << QDate();
    QTest::newRow("C: month 13") << "C"
                                 << "1/13/2001" << QDate();
    QTest::newRow("C: three-digit year") << "C"
                                         << "1/2/345" << QDate();
    QTest::newRow("C: empty") << "C"
                              << "" << QDate();
    QTest::newRow("C: words") << "C"
                              << "next week" << QDate();
    QTest::newRow("C: trailing junk") << "C"
                                      << "2001-03-16x" << QDate();
    QTest::newRow("C: two numbers only") << "C"
                                         << "16/3" << QDate();
    QTest::newRow("C: negative number") << "C"
                                        << "-1/3/2001" << QDate();
    QTest::newRow("US: month first") << "en_US"
                                     << "3/16/2001" << march16;
    QTest::newRow("US: short format, short year") << "en_US"
                                                  << "3/16/01" << march16;
    QTest::newRow("US: day-first reading refused") << "en_US"
                                                   << "16/3/2001" << QDate();
    QTest::newRow("US: ISO still read") << "en_US"
                                        << "2001-03-16" << march16;
    QTest::newRow("German: dotted") << "de_DE"
                                    << "16.03.2001" << march16;
    QTest::newRow("German: short year") << "de_DE"
                                        << "16.3.01" << march16;
    QTest::newRow("Swedish: year first, short") << "sv_SE"
                                                << "01-03-16" << march16;
    QTest::newRow("Swedish: month before day, as in its order") << "sv_SE"
                                                                << "3/16/2001" << march16;
}

void TestDates::parse() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    const std::optional<QDate> parsed = Dates::parse(text, QLocale(locale));
    QCOMPARE(parsed.value_or(QDate()), expected);
    QCOMPARE(parsed.has_value(), expected.isValid());
}

void TestDates::roundTripThroughShortDate_data() {
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << "C";
    QTest::newRow("en_US") << "en_US";
    QTest::newRow("de_DE") << "de_DE";
    QTest::newRow("ja_JP") << "ja_JP";
    QTest::newRow("hu_HU") << "hu_HU";
}

void TestDates::roundTripThroughShortDate() {
    QFETCH(QString, locale);
    const QLocale l(locale);
    for (const QDate date : {QDate(2001, 3, 16), QDate(1999, 12, 31), QDate(2030, 1, 1)}) {
        const QString text = date.toString(Dates::shortDateFormat(l));
        QCOMPARE(Dates::parse(text, l).value_or(QDate()), date);
    }
}

void TestDates::addMonths_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("months");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("Jan 31 + 1 in a common year") << QDate(2001, 1, 31) << 1 << QDate(2001, 2, 28);
    QTest::newRow("Jan 31 + 1 in a leap year") << QDate(2004, 1, 31) << 1 << QDate(2004, 2, 29);
    QTest::newRow("Jan 31 + 2 keeps the day") << QDate(2001, 1, 31) << 2 << QDate(2001, 3, 31);
    QTest::newRow("Aug 31 + 1 to a 30-day month") << QDate(2001, 8, 31) << 1 << QDate(2001, 9, 30);
    QTest::newRow("Dec 15 + 1 crosses the year") << QDate(2001, 12, 15) << 1 << QDate(2002, 1, 15);
    QTest::newRow("Mar 31 - 1") << QDate(2001, 3, 31) << -1 << QDate(2001, 2, 28);
    QTest::newRow("Feb 29 + 12") << QDate(2004, 2, 29) << 12 << QDate(2005, 2, 28);
    QTest::newRow("40 years of months") << QDate(2001, 3, 16) << 480 << QDate(2041, 3, 16);
}

void TestDates::addMonths() {
    QFETCH(QDate, from);
    QFETCH(int, months);
    QFETCH(QDate, expected);
    QCOMPARE(Dates::addMonths(from, months), expected);
}

void TestDates::addDaysCrossesYears() {
    QCOMPARE(Dates::addDays(QDate(2001, 12, 28), 7), QDate(2002, 1, 4));
    QCOMPARE(Dates::addDays(QDate(2004, 3, 1), -1), QDate(2004, 2, 29));
}

void TestDates::literals_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected"); // invalid = refused
    QTest::newRow("literal") << "#2001-03-16#" << QDate(2001, 3, 16);
    QTest::newRow("leap day") << "#2004-02-29#" << QDate(2004, 2, 29);
    QTest::newRow("single-digit month") << "#2001-3-16#" << QDate();
    QTest::newRow("no number signs") << "2001-03-16" << QDate();
    QTest::newRow("no closing sign") << "#2001-03-16" << QDate();
    QTest::newRow("blank before") << " #2001-03-16#" << QDate();
    QTest::newRow("slashes") << "#2001/03/16#" << QDate();
    QTest::newRow("not a day") << "#2001-02-30#" << QDate();
    QTest::newRow("month 00") << "#2001-00-10#" << QDate();
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("empty literal") << "##" << QDate();
}

void TestDates::literals() {
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    const std::optional<QDate> date = Dates::fromLiteral(text);
    QCOMPARE(date.value_or(QDate()), expected);
    QCOMPARE(date.has_value(), expected.isValid());
    if (expected.isValid()) {
        QCOMPARE(Dates::toLiteral(expected), text);
    }
}

void TestDates::todayOverride() {
    Dates::setToday(QDate(2001, 3, 16));
    QCOMPARE(Dates::today(), QDate(2001, 3, 16));
    Dates::setToday(QDate());
    QCOMPARE(Dates::today(), QDate::currentDate());
}

QTEST_GUILESS_MAIN(TestDates)
#include "tst_dates.moc"
