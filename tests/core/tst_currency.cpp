// The money type, the variant cell and the bounded tables.

#include "core/currency.h"
#include "core/runtimefailure.h"
#include "core/table.h"

#include <QTest>
#include <cmath>
#include <limits>

namespace {
constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Smallest = std::numeric_limits<std::int64_t>::min();
} // namespace

class TestCurrency : public QObject {
    Q_OBJECT

private slots:
    void fromDouble_data();
    void fromDouble();
    void fromDoubleOutOfRange_data();
    void fromDoubleOutOfRange();
    void arithmeticOverflow();
    void fromWhole();
    void cellValues();
    void cellDateIsNoNumber();
    void tableBounds();
    void arrayBounds();
    void negativeSizes();
};

void TestCurrency::fromDouble_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("raw");

    QTest::newRow("whole") << 100000.0 << qint64(1'000'000'000);
    QTest::newRow("rate") << 10.125 << qint64(10'1250);
    QTest::newRow("nearest below") << 0.00004 << qint64(0);
    QTest::newRow("nearest above") << 0.00006 << qint64(1);
    QTest::newRow("tenth") << 0.1 << qint64(1000);
    QTest::newRow("negative") << -1234.56789 << qint64(-1234'5679);
    // Values whose scaled product is exactly a half (k/32 is exact in binary): halves go to
    // the even neighbour.
    QTest::newRow("half to even down") << 1.0 / 32 << qint64(312);
    QTest::newRow("half to even up") << 3.0 / 32 << qint64(938);
    QTest::newRow("half to even down again") << 5.0 / 32 << qint64(1562);
    QTest::newRow("half to even up again") << 7.0 / 32 << qint64(2188);
    QTest::newRow("negative half to even") << -3.0 / 32 << qint64(-938);
    QTest::newRow("large half") << 1000000.0 + 1.0 / 32 << qint64(10'000'000'312);
    QTest::newRow("negative zero") << -0.0 << qint64(0);
    QTest::newRow("below 1e15") << 9e14 << qint64(9'000'000'000'000'000'000);
    // Beyond 2^53 ten-thousandths the scaled double has lost digits; the amount must not.
    QTest::newRow("largest whole") << 922337203685477.0 << qint64(9'223'372'036'854'770'000);
    QTest::newRow("largest half") << 922337203685477.5 << qint64(9'223'372'036'854'775'000);
    QTest::newRow("negative large whole")
        << -123456789012345.0 << qint64(-1'234'567'890'123'450'000);
    QTest::newRow("large with quarter") << 98765432109876.25 << qint64(987'654'321'098'762'500);
}

void TestCurrency::fromDouble() {
    QFETCH(double, value);
    QFETCH(qint64, raw);
    QCOMPARE(Currency::fromDouble(value).raw(), raw);
}

void TestCurrency::fromDoubleOutOfRange_data() {
    QTest::addColumn<double>("value");

    // The range ends at 922,337,203,685,477.5807, below 1e15.
    QTest::newRow("1e15") << 1e15;
    QTest::newRow("1e16") << 1e16;
    QTest::newRow("-1e15") << -1e15;
    QTest::newRow("just beyond the largest") << 922337203685477.625;
    QTest::newRow("huge") << 1e300;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity();
    QTest::newRow("nan") << std::nan("");
}

void TestCurrency::fromDoubleOutOfRange() {
    QFETCH(double, value);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, Currency::fromDouble(value));
}

void TestCurrency::arithmeticOverflow() {
    const Currency largest = Currency::fromRaw(Largest);
    const Currency smallest = Currency::fromRaw(Smallest);
    const Currency tiny = Currency::fromRaw(1);

    QCOMPARE((largest - tiny + tiny).raw(), Largest);
    QCOMPARE((smallest + tiny - tiny).raw(), Smallest);
    QCOMPARE((-largest).raw(), -Largest);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, largest + tiny);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, smallest - tiny);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, tiny - smallest);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, -smallest);
    Currency sum = largest;
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, sum += tiny);
    QCOMPARE(sum.raw(), Largest); // a failed operation leaves the value as it was
    Currency difference = smallest;
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, difference -= tiny);
    QCOMPARE(difference.raw(), Smallest);
}

void TestCurrency::fromWhole() {
    QCOMPARE(Currency::fromWhole(25).raw(), qint64(25'0000));
    QCOMPARE(Currency::fromWhole(-922337203685477).raw(), qint64(-9'223'372'036'854'770'000));
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, Currency::fromWhole(922337203685478));
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, Currency::fromWhole(-922337203685478));
}

void TestCurrency::cellValues() {
    QVERIFY(Cell().isEmpty());
    QCOMPARE(Cell().toDouble(), 0.0);
    QCOMPARE(Cell().toText(), QString());
    QCOMPARE(Cell(2.5).toDouble(), 2.5);
    QCOMPARE(Cell(Currency::fromRaw(1'2345)).toDouble(), 1.2345);
    QCOMPARE(Cell(QStringLiteral(" 6.50%")).toDouble(), 6.5);
    QCOMPARE(Cell(QStringLiteral("$1,250.00")).toDouble(), 0.0);
    QCOMPARE(Cell(1.0 / 32).toCurrency().raw(), qint64(312));
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, Cell(QStringLiteral("1e400")).toCurrency());
    QCOMPARE(Cell(0.1).toText(), QStringLiteral("0.1"));
    QCOMPARE(Cell(QDate(2001, 3, 16)).toDate(), QDate(2001, 3, 16));
    QCOMPARE(Cell(2.5).toDate(), QDate());
    QVERIFY(Cell(QStringLiteral("x")).isText());
    QCOMPARE(Cell(2.5), Cell(2.5));
    QVERIFY(!(Cell(2.5) == Cell(Currency::fromRaw(2'5000))));
}

void TestCurrency::cellDateIsNoNumber() {
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, Cell(QDate(2001, 3, 16)).toDouble());
}

void TestCurrency::tableBounds() {
    Table table(3, 2);
    QCOMPARE(table.rows(), 3);
    QCOMPARE(table.columns(), 2);
    table.at(2, 1) = Cell(7.0);
    QCOMPARE(table.at(2, 1).toDouble(), 7.0);
    QVERIFY(table.at(0, 0).isEmpty());
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, table.at(3, 0));
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, table.at(0, 2));
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, table.at(-1, 0));
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, table.at(0, -1));
    // Row 1, column 0 of a table two wide is not row 0, column 2 read on.
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, std::as_const(table).at(1, 2));
    table.clear();
    QVERIFY(table.at(2, 1).isEmpty());
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, Table().at(0, 0));
}

void TestCurrency::arrayBounds() {
    BoundedArray<Currency> values(6);
    values[5] = Currency::fromWhole(1);
    QCOMPARE(values[5].raw(), qint64(1'0000));
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, values[6]);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, values[-1]);
    values.clear();
    QCOMPARE(values[5].raw(), qint64(0));
}

void TestCurrency::negativeSizes() {
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, Table(-1, 8));
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, CurrencyTable(46, -3));
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, BoundedArray<QString>(-4));
    QCOMPARE(Table(0, 8).rows(), 0);
}

QTEST_GUILESS_MAIN(TestCurrency)
#include "tst_currency.moc"
