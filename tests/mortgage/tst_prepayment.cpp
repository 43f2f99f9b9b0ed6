#include "core/programstate.h"
#include "mortgage/mortgagestate.h"
#include "mortgage/prepayment.h"
#include "support/mortgagefixtures.h"

#include <QTest>

namespace {

Currency amount(int year) {
    return mortgage().MortPrePayments.at(year, 2);
}

struct Typed {
    QString cell;
    int beeps = 0;
    int moves = 0;
};

Typed type(PrePayEditor& editor, const QString& keys) {
    Typed t;
    for (const QChar key : keys) {
        const PrePayEditor::KeyOutcome out = editor.keyPress(key);
        t.beeps += out.beep ? 1 : 0;
        t.moves += out.moveDown ? 1 : 0;
        if (out.cellText) {
            t.cell = *out.cellText;
        }
    }
    return t;
}

} // namespace

class TestPrePayment : public QObject {
    Q_OBJECT

private slots:
    void init() { startMortgageTables(); }

    void yearsFromTerm_data();
    void yearsFromTerm();
    void loadNumbersYears();
    void loadKeepsNumbersWhenYearOneIsPlanned();
    void typing_data();
    void typing();
    void yearColumnChangesNothing();
    void backspaceAndDelete();
    void newCellStartsNewAmount();
    void okCountsAndEraseAll();
    void termPickClears();
};

void TestPrePayment::yearsFromTerm_data() {
    QTest::addColumn<double>("term");
    QTest::addColumn<int>("years");
    QTest::newRow("25") << 25.0 << 25;
    QTest::newRow("loan 50 months") << 4.1667 << 4;
    QTest::newRow("half to even down") << 4.5 << 4;
    QTest::newRow("half to even up") << 5.5 << 6;
    QTest::newRow("40") << 40.0 << 40;
    QTest::newRow("a loan file of 100 years offers the table's 45") << 100.0 << 45;
    QTest::newRow("beyond 16 bits") << 1e9 << 45;
    QTest::newRow("negative") << -3.0 << 0;
}

void TestPrePayment::yearsFromTerm() {
    QFETCH(double, term);
    QFETCH(int, years);
    QCOMPARE(prePayYearsFromTerm(Currency::fromDouble(term)), std::int16_t(years));
}

void TestPrePayment::loadNumbersYears() {
    QCOMPARE(loadPrePayWindow(), 26);
    QCOMPARE(mortgage().PrePayYears, std::int16_t(25));
    QCOMPARE(mortgage().ScheduleRows, std::int16_t(26));
    QCOMPARE(mortgage().MortPrePayments.at(25, 1), Currency::fromWhole(25));
    QCOMPARE(mortgage().MortPrePayments.at(26, 1), Currency());
    const std::vector<QStringList> rows = prePayRowTexts();
    QCOMPARE(rows.size(), std::size_t(25));
    QCOMPARE(rows[0], (QStringList{"1", ".00"}));
    QCOMPARE(prePayHeadings(), (QStringList{"Year Number", "Amount of Payment"}));

    program().EntryValues[3] = Currency::fromWhole(5);
    QCOMPARE(loadPrePayWindow(), 20);
    QCOMPARE(prePayRowTexts().size(), std::size_t(5));
}

void TestPrePayment::loadKeepsNumbersWhenYearOneIsPlanned() {
    mortgage().MortPrePayments.at(1, 2) = Currency::fromDouble(1500.25);
    mortgage().MortPrePayments.at(1, 1) = Currency::fromWhole(1);
    loadPrePayWindow();
    QCOMPARE(mortgage().MortPrePayments.at(2, 1), Currency());
    QCOMPARE(prePayRowTexts()[0][1], QStringLiteral("1,500.25"));
}

void TestPrePayment::typing_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("beeps");
    QTest::newRow("thousand five hundred and a quarter") << "1500.25"
                                                         << "1,500.25" << 1500.25 << 0;
    QTest::newRow("third decimal ignored") << "1500.259"
                                           << "1,500.25" << 1500.25 << 0;
    QTest::newRow("letter beeps and keeps 12") << "12a"
                                               << "12.00" << 12.0 << 1;
    QTest::newRow("double quote discarded") << "1\"2"
                                            << "12.00" << 12.0 << 0;
    QTest::newRow("point first") << ".5"
                                 << ".50" << 0.5 << 0;
    QTest::newRow("second point reads the first number") << "1.2.3"
                                                         << "1.20" << 1.2 << 0;
    QTest::newRow("digits beyond the amount range beep")
        << "1234567890123456"
        << "123,456,789,012,345.00" << 123456789012345.0 << 1;
}

void TestPrePayment::typing() {
    QFETCH(QString, keys);
    QFETCH(QString, cell);
    QFETCH(double, value);
    QFETCH(int, beeps);
    loadPrePayWindow();
    PrePayEditor editor;
    editor.setCurrentCell(3, 1);
    const Typed t = type(editor, keys);
    QCOMPARE(t.cell, cell);
    QCOMPARE(t.beeps, beeps);
    QCOMPARE(amount(3), Currency::fromDouble(value));
    QCOMPARE(mortgage().MortPrePayments.at(3, 1), Currency::fromWhole(3));
}

void TestPrePayment::yearColumnChangesNothing() {
    loadPrePayWindow();
    PrePayEditor editor;
    editor.setCurrentCell(4, 0);
    const Typed t = type(editor, QStringLiteral("99x"));
    QCOMPARE(t.beeps, 0);
    QCOMPARE(t.cell, QString());
    QCOMPARE(amount(4), Currency());
    const Typed enter = type(editor, QStringLiteral("\r"));
    QCOMPARE(enter.moves, 1);
}

void TestPrePayment::backspaceAndDelete() {
    loadPrePayWindow();
    PrePayEditor editor;
    editor.setCurrentCell(2, 1);
    type(editor, QStringLiteral("1500"));
    QCOMPARE(type(editor, QStringLiteral("\b")).cell, QStringLiteral(".00"));
    QCOMPARE(amount(2), Currency());
    QCOMPARE(editor.typed(), QString());
    QCOMPARE(type(editor, QStringLiteral("7")).cell, QStringLiteral("7.00"));

    type(editor, QStringLiteral("5"));
    editor.setCurrentCell(2, 0);
    QCOMPARE(editor.deleteKey(), QStringLiteral(".00"));
    QCOMPARE(amount(2), Currency());
}

void TestPrePayment::newCellStartsNewAmount() {
    loadPrePayWindow();
    PrePayEditor editor;
    editor.setCurrentCell(1, 1);
    type(editor, QStringLiteral("100"));
    editor.setCurrentCell(1, 1);
    QCOMPARE(type(editor, QStringLiteral("2")).cell, QStringLiteral("2.00"));
    QCOMPARE(amount(1), Currency::fromWhole(2));
}

void TestPrePayment::okCountsAndEraseAll() {
    program().EntryValues[3] = Currency::fromWhole(10);
    loadPrePayWindow();
    PrePayEditor editor;
    editor.setCurrentCell(2, 1);
    type(editor, QStringLiteral("500"));
    editor.setCurrentCell(9, 1);
    type(editor, QStringLiteral("250"));
    editor.setCurrentCell(15, 1); // a grid row beyond the term: not counted
    type(editor, QStringLiteral("250"));
    acceptPrePayments();
    QCOMPARE(mortgage().PrePayCount, std::int16_t(2));
    eraseAllPrePayments();
    QCOMPARE(mortgage().PrePayCount, std::int16_t(0));
    QCOMPARE(amount(2), Currency());
    QCOMPARE(amount(9), Currency());
}

void TestPrePayment::termPickClears() {
    mortgage().MortPrePayments.at(3, 2) = Currency::fromWhole(800);
    mortgage().PrePayCount = 1;
    clearPrePayments();
    QCOMPARE(amount(3), Currency());
    QCOMPARE(mortgage().PrePayCount, std::int16_t(0));
    QCOMPARE(mortgage().MortPrePayments.rows(), 46);
}

QTEST_GUILESS_MAIN(TestPrePayment)
#include "tst_prepayment.moc"
