// The entry protocol on a small test window: first key, filters, limits, Enter, Delete,
// combo picks, leaving without an entry, and every other way text reaches a field (paste,
// input methods, changes the program did not make, keys that do not type).

#include "core/programstate.h"
#include "platform/beep.h"
#include "platform/modal.h"
#include "shell/entryfield.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
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
        rate->addItems({"6 ", "7 ", "8 ", "25"});
        years = new QLineEdit(this);
        increase = new QLineEdit(this);
        calc = new QPushButton(QStringLiteral("&Calculate"), this);
        calc->setObjectName(QStringLiteral("Calc"));
        for (QWidget* w : std::initializer_list<QWidget*>{money, rate, years, increase, calc}) {
            layout->addWidget(w);
        }
        auto reset = [this] {
            program().EditPending = 1;
            ++resets;
        };
        fields.push_back(new EntryField(money,
                                        {.name = "InMoney",
                                         .index = 1,
                                         .kind = FieldKind::Money,
                                         .pattern = "####,,###.00",
                                         .width = 13,
                                         .enterTarget = "InRate"},
                                        reset));
        fields.push_back(new EntryField(rate,
                                        {.name = "InRate",
                                         .index = 2,
                                         .kind = FieldKind::Percent,
                                         .pattern = "###.00",
                                         .width = 14,
                                         .enterTarget = "InYears"},
                                        reset));
        fields.push_back(new EntryField(years,
                                        {.name = "InYears",
                                         .index = 3,
                                         .kind = FieldKind::Years,
                                         .decimals = 0,
                                         .pattern = "###",
                                         .width = 15,
                                         .limit = 50,
                                         .limitMessage = Message::FiftyYearsLimit,
                                         .enterTarget = "Calc"},
                                        reset));
        fields.push_back(new EntryField(increase,
                                        {.name = "InIncrease",
                                         .index = 4,
                                         .kind = FieldKind::Percent,
                                         .pattern = "###.00",
                                         .width = 14,
                                         .enterTarget = "Calc",
                                         .allowsMinus = true},
                                        reset));
    }
    QLineEdit* money;
    QComboBox* rate;
    QLineEdit* years;
    QLineEdit* increase;
    QPushButton* calc;
    std::vector<EntryField*> fields;
    int resets = 0;
};

} // namespace

class TestEntryField : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWindow> m_window;
    int m_beeps = 0;

private slots:
    void init() {
        resetProgram();
        program().EntryValues = BoundedArray<Currency>(5);
        m_beeps = 0;
        platform::setBeepHandler([this] { ++m_beeps; });
        m_window = std::make_unique<TestWindow>();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_window->fields[0]->setText(QStringLiteral("   $10,000.00"));
        m_window->fields[1]->setText(QStringLiteral("          6.50%"));
        m_window->fields[2]->setText(QStringLiteral("             25"));
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

    // An amount edited in place reads as the amount it shows, not as 0 for its currency symbol.
    void deleteKeyResetsAndReadsTheShownAmount() {
        m_window->fields[0]->setText(QStringLiteral("    $1,250.00"));
        program().EntryValues[1] = Currency::fromWhole(1250);
        m_window->money->setFocus();
        m_window->money->setCursorPosition(12);
        QTest::keyClick(m_window->money, Qt::Key_Delete);
        QCOMPARE(m_window->money->text(), QStringLiteral("    $1,250.0"));
        QVERIFY(m_window->resets > 0);
        m_window->years->setFocus();
        QCOMPARE(program().EntryValues[1], Currency::fromWhole(1250));
        QCOMPARE(m_window->money->text(), QStringLiteral("    $1,250.00"));
    }

    void comboPickResetsAndIsStoredOnLeaving() {
        m_window->rate->setFocus();
        m_window->rate->setCurrentIndex(1);
        emit m_window->rate->activated(1);
        QVERIFY(m_window->resets > 0);
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

    // The clipboard is the user's: a figure copied from another program is still there when a
    // field is entered and left, by a click, Tab or Enter, and pastes into the field.
    void clipboardIsLeftAlone() {
        m_window->calc->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("250000"));
        m_window->money->setFocus();
        QCOMPARE(m_window->money->selectedText(), m_window->money->text());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("250000"));
        QTest::keyClick(m_window->money, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(m_window->money, Qt::Key_Return);
        QCOMPARE(program().EntryValues[1], Currency::fromWhole(250000));
        m_window->years->setFocus();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("250000"));
        // A combo box's text is pasted into as well.
        m_window->rate->setFocus();
        m_window->rate->lineEdit()->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("7.25"));
        QTest::keyClick(m_window->rate, Qt::Key_V, Qt::ControlModifier);
        m_window->years->setFocus();
        QCOMPARE(program().EntryValues[2], Currency::fromDouble(7.25));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("7.25"));
    }

    // An amount wider than the field's width is shown whole.
    void longMoneyTextIsShownWhole() {
        m_window->money->setFocus();
        QTest::keyClicks(m_window->money, "123456789");
        m_window->years->setFocus();
        QCOMPARE(m_window->money->text(), QStringLiteral("$123,456,789.00"));
        QCOMPARE(program().EntryValues[1], Currency::fromWhole(123456789));
    }

    // Text that arrives other than by typing: what the filter could have let in starts an entry
    // (the results are cleared) and is stored on leaving; anything else is refused with the beep
    // and the field keeps its text.
    void textNotTypedGoesThroughTheProtocol_data() {
        QTest::addColumn<QString>("arriving");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("resets");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("stored");
        QTest::newRow("digits replace the selection") << "50000"
                                                      << "50000" << 1 << 0 << "50000";
        QTest::newRow("display form of an amount") << "$2,500.50"
                                                   << "$2,500.50" << 1 << 0 << "2500.5";
        QTest::newRow("negative amount refused") << "-5"
                                                 << "   $10,000.00" << 0 << 1 << "10000";
        QTest::newRow("letters refused") << "9 dollars"
                                         << "   $10,000.00" << 0 << 1 << "10000";
        QTest::newRow("three decimals refused") << "1.234"
                                                << "   $10,000.00" << 0 << 1 << "10000";
    }

    void textNotTypedGoesThroughTheProtocol() {
        QFETCH(QString, arriving);
        program().EntryValues[1] = Currency::fromWhole(10000);
        m_window->calc->setFocus();
        QApplication::clipboard()->setText(arriving, QClipboard::Clipboard);
        m_window->money->setFocus(); // selects the text
        QTest::keyClick(m_window->money, Qt::Key_V, Qt::ControlModifier);
        QTEST(m_window->money->text(), "shown");
        QTEST(m_window->resets, "resets");
        QTEST(m_beeps, "beeps");
        m_window->years->setFocus();
        QFETCH(QString, stored);
        QCOMPARE(program().EntryValues[1], Currency::fromDouble(stored.toDouble()));
    }

    // An input method commits its text without key presses.
    void inputMethodCommitIsChecked() {
        m_window->years->setFocus();
        QInputMethodEvent refused;
        refused.setCommitString(QStringLiteral("4x"));
        QApplication::sendEvent(m_window->years, &refused);
        QCOMPARE(m_beeps, 1);
        QCOMPARE(m_window->years->text(), QStringLiteral("             25"));
        m_window->years->selectAll();
        QInputMethodEvent taken;
        taken.setCommitString(QStringLiteral("40"));
        QApplication::sendEvent(m_window->years, &taken);
        QCOMPARE(m_window->resets, 1);
        m_window->calc->setFocus();
        QCOMPARE(program().EntryValues[3], Currency::fromWhole(40));
    }

    // A change made while the field has no focus (an accessibility action, a test robot) is a
    // whole entry: the screen and the stored value agree at once.
    void changeWithoutFocusIsAWholeEntry() {
        m_window->calc->setFocus();
        m_window->money->setText(QStringLiteral("750"));
        QCOMPARE(m_window->resets, 1);
        QCOMPARE(program().EntryValues[1], Currency::fromWhole(750));
        QCOMPARE(m_window->money->text(), QStringLiteral("      $750.00"));
    }

    // Navigation, selection and copy keys do not start an entry.
    void keysThatDoNotType_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier);
        QTest::newRow("Home") << int(Qt::Key_Home) << int(Qt::NoModifier);
        QTest::newRow("Shift+Left") << int(Qt::Key_Left) << int(Qt::ShiftModifier);
    }

    void keysThatDoNotType() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        program().EntryValues[1] = Currency::fromWhole(10000);
        m_window->money->setFocus();
        QTest::keyClick(m_window->money, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(m_window->money->text(), QStringLiteral("   $10,000.00"));
        QCOMPARE(m_window->resets, 0);
        m_window->years->setFocus();
        QCOMPARE(program().EntryValues[1], Currency::fromWhole(10000));
    }

    // A field that allows a minus: the minus, at any moment, empties the field, clears the
    // results and starts a negative entry; elsewhere the minus is refused.
    void minusStartsANegativeEntry() {
        m_window->increase->setFocus();
        QTest::keyClicks(m_window->increase, "5-3.5");
        QCOMPARE(m_window->increase->text(), QStringLiteral("-3.5"));
        QCOMPARE(m_window->resets, 2);
        m_window->calc->setFocus();
        QCOMPARE(program().EntryValues[4], Currency::fromDouble(-3.5));
        QCOMPARE(m_window->increase->text(), QStringLiteral("         -3.50%"));
        QCOMPARE(m_beeps, 0);
        m_window->rate->setFocus();
        QTest::keyClicks(m_window->rate, "-");
        QCOMPARE(m_beeps, 1);
        QCOMPARE(m_window->rate->currentText(), QString());
    }

    // An editable list completes nothing: typing 2 where the list holds 25 gives 2.
    void listDoesNotCompleteTheEntry() {
        m_window->rate->setFocus();
        QTest::keyClicks(m_window->rate, "2");
        QCOMPARE(m_window->rate->currentText(), QStringLiteral("2"));
        m_window->years->setFocus();
        QCOMPARE(program().EntryValues[2], Currency::fromWhole(2));
    }

    // An entry started elsewhere (a pick from a list) does not keep the first key typed into
    // another field from starting a new entry there.
    void firstKeyAfterAnEntryElsewhere() {
        m_window->rate->setFocus();
        m_window->rate->setCurrentIndex(1);
        emit m_window->rate->activated(1);
        m_window->money->setFocus();
        QCOMPARE(m_window->rate->currentText(), QStringLiteral("          7.00%"));
        QTest::keyClicks(m_window->money, "50000");
        QCOMPARE(m_window->money->text(), QStringLiteral("50000"));
        m_window->years->setFocus();
        QCOMPARE(program().EntryValues[1], Currency::fromWhole(50000));
        QCOMPARE(m_beeps, 0);
    }
};

QTEST_MAIN(TestEntryField)
#include "tst_entryfield.moc"
