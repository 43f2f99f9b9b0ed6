// The key filters of the entry fields: which keys pass, and that every refused key beeps.

#include "platform/beep.h"
#include "shell/keyfilters.h"

#include <QTest>

class TestKeyFilters : public QObject {
    Q_OBJECT
    int m_beeps = 0;

private slots:
    void init();
    void cleanup();
    void decimalKey_data();
    void decimalKey();
    void wholeKey_data();
    void wholeKey();
    void typingIntoAPercentField();
};

void TestKeyFilters::init() {
    m_beeps = 0;
    platform::setBeepHandler([this] { ++m_beeps; });
}

void TestKeyFilters::cleanup() {
    platform::setBeepHandler({});
}

void TestKeyFilters::decimalKey_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("places");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("digit into empty") << int('7') << "" << 2 << true;
    QTest::newRow("digit without point") << int('0') << "123456789012345" << 2 << true;
    QTest::newRow("first decimal") << int('2') << "5." << 2 << true;
    QTest::newRow("second decimal") << int('5') << "5.2" << 2 << true;
    QTest::newRow("third decimal refused") << int('9') << "5.25" << 2 << false;
    QTest::newRow("full places refuse a digit anywhere") << int('1') << "5.25" << 2 << false;
    QTest::newRow("point into empty") << int('.') << "" << 2 << true;
    QTest::newRow("second point accepted") << int('.') << "1." << 2 << true;
    QTest::newRow("point after full places") << int('.') << "5.25" << 2 << true;
    QTest::newRow("digit after two points") << int('5') << "1.." << 2 << true;
    QTest::newRow("counted from the first point") << int('5') << "1.2." << 2 << false;
    QTest::newRow("backspace at full places") << 8 << "5.25" << 2 << true;
    QTest::newRow("delete code") << 127 << "5.25" << 2 << true;
    QTest::newRow("three places third decimal") << int('5') << "10.12" << 3 << true;
    QTest::newRow("three places fourth refused") << int('6') << "10.125" << 3 << false;
    QTest::newRow("one place means two") << int('5') << "1.2" << 1 << true;
    QTest::newRow("zero places means two") << int('5') << "1.2" << 0 << true;
    QTest::newRow("zero places still stop at two") << int('5') << "1.23" << 0 << false;
    QTest::newRow("letter refused") << int('a') << "" << 2 << false;
    QTest::newRow("minus refused") << int('-') << "" << 2 << false;
    QTest::newRow("comma refused") << int(',') << "1" << 2 << false;
    QTest::newRow("double quote refused") << int('"') << "" << 2 << false;
    QTest::newRow("slash just below zero") << int('/') << "" << 2 << false;
    QTest::newRow("colon just above nine") << int(':') << "" << 2 << false;
    QTest::newRow("enter refused") << 13 << "" << 2 << false;
    QTest::newRow("key outside ascii") << 0x20AC << "" << 2 << false;
    QTest::newRow("negative code") << -1 << "" << 2 << false;
}

void TestKeyFilters::decimalKey() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, places);
    QFETCH(bool, accepted);

    const auto code = static_cast<std::int16_t>(key);
    const std::int16_t result = FilterDecimalKey(code, text, static_cast<std::int16_t>(places));
    QCOMPARE(result, accepted ? code : std::int16_t{0});
    QCOMPARE(m_beeps, accepted ? 0 : 1);
}

void TestKeyFilters::wholeKey_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("zero") << int('0') << true;
    QTest::newRow("nine") << int('9') << true;
    QTest::newRow("backspace") << 8 << true;
    QTest::newRow("delete code") << 127 << true;
    QTest::newRow("point refused") << int('.') << false;
    QTest::newRow("letter refused") << int('x') << false;
    QTest::newRow("blank refused") << int(' ') << false;
    QTest::newRow("minus refused") << int('-') << false;
}

void TestKeyFilters::wholeKey() {
    QFETCH(int, key);
    QFETCH(bool, accepted);

    const auto code = static_cast<std::int16_t>(key);
    QCOMPARE(FilterWholeKey(code), accepted ? code : std::int16_t{0});
    QCOMPARE(m_beeps, accepted ? 0 : 1);
}

// The keys 5 . 2 5 9 typed into a percent field give 5.25, with one beep for the 9.
void TestKeyFilters::typingIntoAPercentField() {
    QString text;
    for (const char key : {'5', '.', '2', '5', '9'}) {
        if (const std::int16_t code = FilterDecimalKey(key, text, 2); code != 0) {
            text += QChar(code);
        }
    }
    QCOMPARE(text, QStringLiteral("5.25"));
    QCOMPARE(m_beeps, 1);
}

QTEST_GUILESS_MAIN(TestKeyFilters)
#include "tst_keyfilters.moc"
