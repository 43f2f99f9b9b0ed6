// The entry protocol on a small test window: first key, filters, limits, Enter, Delete,
// combo picks and leaving without an entry.

#include "core/programstate.h"
#include "platform/beep.h"
#include "platform/modal.h"
#include "shell/entryfield.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A calculator-like window with a money box, a percent combo box and a years box.
class TestWindow : public QWidget {
public:
    TestWindow() {
        auto* layout = new QVBoxLayout(this);
        money = new QLineEdit(this);
        rate = new QComboBox(this);
        rate->addItems({"6 ", "7 ", "8 "});
        years = new QLineEdit(this);
        calc = new QPushButton(QStringLiteral("&Calculate"), this);
        calc->setObjectName(QStringLiteral("Calc"));
        for (QWidget* w : std::initializer_list<QWidget*>{money, rate, years, calc}) {
            layout->addWidget(w);
        }
        auto reset = [this] {
            program().EditPending = 1;
            ++resets;
        };
        fields.push_back(new EntryField(
            money, {"InMoney", 1, FieldKind::Money, 2, "####,,###.00", 13, 0, 0, 1, "InRate"},
            reset));
        fields.push_back(new EntryField(
            rate, {"InRate", 2, FieldKind::Percent, 2, "###.00", 14, 0, 0, 1, "InYears"}, reset));
        fields.push_back(new EntryField(
            years, {"InYears", 3, FieldKind::Years, 0, "###", 15, 50, 4, 1, "Calc"}, reset));
    }
    QLineEdit* money;
    QComboBox* rate;
    QLineEdit* years;
    QPushButton* calc;
    std::vector<EntryField*> fields;
    int resets = 0;
};

} // namespace

class TestEntryField : public QObject {
    Q_OBJECT
private slots:
    void init() {
        resetProgram();
        program().EntryValues = BoundedArray<Currency>(4);
        m_beeps = 0;
        platform::setBeepHandler([this] { ++m_beeps; });
        m_window = std::make_unique<TestWindow>();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_window->money->setText(QStringLiteral("   $10,000.00"));
        m_window->rate->setEditText(QStringLiteral("          6.50%"));
        m_window->years->setText(QStringLiteral("             25"));
    }

    void cleanup() {
        m_window.reset();
        platform::setBeepHandler({});
        modal::clearResponders();
    }

    void firstKeyEmptiesAndResets() {
        m_window->money->setFocus();
        QTest::keyClicks(m_window->money, "7");
        QCOMPARE(m_window->money->text(), QStringLiteral("7"));
        QCOMPARE(m_window->resets, 1);
        m_window->years->setFocus();
        QCOMPARE(m_window->money->text(), QStringLiteral("        $7.00"));
        QCOMPARE(program().EntryValues[1], Currency::fromWhole(7));
        QCOMPARE(int(program().EditPending), 0);
    }

    void decimalFilter_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("shown");
        QTest::newRow("third decimal refused") << "5.259"
                                               << "5.25" << 1 << "          5.25%";
        QTest::newRow("second point accepted, reads up to it") << "1..5"
                                                               << "1..5" << 0 << "          1.00%";
        QTest::newRow("letter as first key empties and beeps") << "x"
                                                               << "" << 1 << "           .00%";
    }

    void decimalFilter() {
        QFETCH(QString, keys);
        m_window->rate->setFocus();
        QTest::keyClicks(m_window->rate->lineEdit(), keys);
        QTEST(m_window->rate->currentText(), "text");
        QTEST(m_beeps, "beeps");
        m_window->years->setFocus();
        QTEST(m_window->rate->currentText(), "shown");
    }

    // With the focus in an editable combo box the keys arrive at the combo box itself.
    void keysTypedIntoTheComboBox() {
        m_window->rate->setFocus();
        QTest::keyClicks(m_window->rate, "5.259");
        QCOMPARE(m_window->rate->currentText(), QStringLiteral("5.25"));
        QCOMPARE(m_beeps, 1);
        QCOMPARE(m_window->resets, 1);
        QTest::keyClick(m_window->rate, Qt::Key_Return);
        QVERIFY(m_window->years->hasFocus());
        QCOMPARE(m_window->rate->currentText(), QStringLiteral("          5.25%"));
    }

    void caretBeforeTheDigitsDoesNotHelp() {
        m_window->rate->setFocus();
        QTest::keyClicks(m_window->rate->lineEdit(), "5.25");
        m_window->rate->lineEdit()->setCursorPosition(0);
        QTest::keyClicks(m_window->rate->lineEdit(), "1");
        QCOMPARE(m_window->rate->currentText(), QStringLiteral("5.25"));
        QCOMPARE(m_beeps, 1);
    }

    void yearsAboveTheLimit() {
        QString shown;
        modal::pushResponder([&shown](QDialog& d) {
            shown = d.findChild<QWidget*>("TextMsg")->property("plainText").toString();
        });
        m_window->years->setFocus();
        QTest::keyClicks(m_window->years, "60");
        m_window->calc->setFocus();
        QCOMPARE(shown, QStringLiteral("Wrong entry, 50 Years limit."));
        QCOMPARE(m_window->years->text(), QStringLiteral("             50"));
        QCOMPARE(program().EntryValues[3], Currency::fromWhole(50));
    }

    void wholeFilterRefusesThePoint() {
        m_window->years->setFocus();
        QTest::keyClicks(m_window->years, "2.5");
        QCOMPARE(m_window->years->text(), QStringLiteral("25"));
        QCOMPARE(m_beeps, 1);
    }

    void enterMovesOnWithoutTouchingTheText() {
        m_window->money->setFocus();
        QTest::keyClick(m_window->money, Qt::Key_Return);
        QVERIFY(m_window->rate->hasFocus());
        QTest::keyClick(m_window->rate->lineEdit(), Qt::Key_Return);
        QVERIFY(m_window->years->hasFocus());
        QTest::keyClick(m_window->years, Qt::Key_Return);
        QVERIFY(m_window->calc->hasFocus());
        QCOMPARE(m_window->money->text(), QStringLiteral("   $10,000.00"));
        QCOMPARE(m_window->resets, 0);
    }

    void leavingWithoutEntryKeepsTextAndValue() {
        program().EntryValues[1] = Currency::fromWhole(10000);
        m_window->money->setFocus();
        m_window->years->setFocus();
        QCOMPARE(m_window->money->text(), QStringLiteral("   $10,000.00"));
        QCOMPARE(program().EntryValues[1], Currency::fromWhole(10000));
    }

    void deleteKeyResetsAndReadsTheSymbolAsZero() {
        m_window->rate->setEditText(QStringLiteral("$1,250.00"));
        program().EntryValues[2] = Currency::fromWhole(1250);
        m_window->rate->setFocus();
        m_window->rate->lineEdit()->setCursorPosition(8);
        QTest::keyClick(m_window->rate->lineEdit(), Qt::Key_Delete);
        QCOMPARE(m_window->rate->currentText(), QStringLiteral("$1,250.0"));
        QCOMPARE(m_window->resets, 1);
        m_window->years->setFocus();
        QCOMPARE(program().EntryValues[2], Currency());
        QCOMPARE(m_window->rate->currentText(), QStringLiteral("           .00%"));
    }

    void comboPickResetsAndIsStoredOnLeaving() {
        m_window->rate->setFocus();
        m_window->rate->setCurrentIndex(1);
        emit m_window->rate->activated(1);
        QCOMPARE(m_window->resets, 1);
        m_window->years->setFocus();
        QCOMPARE(program().EntryValues[2], Currency::fromWhole(7));
        QCOMPARE(m_window->rate->currentText(), QStringLiteral("          7.00%"));
    }

    void entryBeyondTheCurrencyRangeIsRefused() {
        program().EntryValues[1] = Currency::fromWhole(10000);
        QString shown;
        modal::pushResponder([&shown](QDialog& d) {
            shown = d.findChild<QWidget*>("TextMsg")->property("plainText").toString();
        });
        m_window->money->setFocus();
        QTest::keyClicks(m_window->money, "9999999999999999");
        m_window->years->setFocus();
        QCOMPARE(shown, QStringLiteral("Wrong or missing entry, try again."));
        QCOMPARE(program().EntryValues[1], Currency::fromWhole(10000));
        QCOMPARE(m_window->money->text(), QStringLiteral("   $10,000.00"));
        QCOMPARE(int(program().EditPending), 0);
    }

    void focusEmptiesTheClipboardAndSelects() {
        m_window->years->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("12345"));
        m_window->money->setFocus();
        QCOMPARE(QApplication::clipboard()->text(), QString());
        QCOMPARE(m_window->money->selectedText(), m_window->money->text());
    }

    void longMoneyTextIsCutOnTheRight() {
        m_window->money->setFocus();
        QTest::keyClicks(m_window->money, "123456789");
        m_window->years->setFocus();
        QCOMPARE(m_window->money->text(), QStringLiteral("$123,456,789."));
        QCOMPARE(program().EntryValues[1], Currency::fromWhole(123456789));
    }

private:
    std::unique_ptr<TestWindow> m_window;
    int m_beeps = 0;
};

QTEST_MAIN(TestEntryField)
#include "tst_entryfield.moc"
