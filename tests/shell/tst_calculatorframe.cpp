// The frame every calculator window is built on, in each of the six calculators: the window's
// caption and its five standard buttons, the quick help in the grid's place, the graph and the
// report refused before a calculation, and the exit back to the main menu.

#include "core/programstate.h"
#include "platform/grid.h"
#include "shell/mdicontainer.h"
#include "shell/menumain.h"
#include "support/calculatorfixture.h"
#include "support/modalresponder.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class TestCalculatorFrame : public QObject, public CalculatorFixture {
    Q_OBJECT
    QString m_prefix;

    // The calculator of the running row, opened from the main menu.
    QWidget* openCalculator() {
        QFETCH(QString, menuButton);
        QFETCH(int, window);
        QFETCH(QString, prefix);
        m_prefix = prefix;
        return open(qPrintable(menuButton), static_cast<WindowId>(window));
    }
    // The calculator's standard button `name` ("Calc", "Help", ...), by its object name.
    QPushButton* standard(const char* name) const { return button(qPrintable(m_prefix + name)); }
    void clickStandard(const char* name) const { click(qPrintable(m_prefix + name)); }
    Grid* results() const { return grid(qPrintable(m_prefix + "Grid")); }

    // One row per calculator: the main menu's button that opens it, its window and control
    // prefix, the main window's caption while it is open, how its quick help begins, the field
    // Enter in the help goes to, and whether closing the help keeps the results.
    static void calculators() {
        QTest::addColumn<QString>("menuButton");
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("helpBegins");
        QTest::addColumn<QString>("firstField");
        QTest::addColumn<bool>("helpKeepsResults");
        QTest::newRow("MortgageCalc") << "Canadian" << int(WindowId::MortgageCalc) << "M"
                                      << " Mortgage Tables"
                                      << "Click any yellow box and type in numbers"
                                      << "InPrincipal" << false;
        QTest::newRow("SavingsCalc") << "Savings" << int(WindowId::SavingsCalc) << "S"
                                     << " Investment Growth Calculations"
                                     << "  Example 1    Example 2"
                                     << "InLumpInv" << false;
        QTest::newRow("FindCompoundCalc")
            << "CompCompare" << int(WindowId::FindCompoundCalc) << "F"
            << " Find Annual Compound Growth"
            << "Click any yellow box and type in numbers, deletes previous ones, then 'Calculate'."
            << "InCost" << true;
        QTest::newRow("Plan401KCalc")
            << "Plan401" << int(WindowId::Plan401KCalc) << "K"
            << " 401(k) Investment Growth Calculations"
            << " For results click Calculate. Click any yellow box and type in your figures."
            << "InCurrBal" << false;
        QTest::newRow("RetireCalc") << "Retirement" << int(WindowId::RetireCalc) << "R"
                                    << " Retirement Calculations"
                                    << " Using Percentage Option."
                                    << "InInvest" << false;
        QTest::newRow("CapitalReqdCalc") << "CapReq" << int(WindowId::CapitalReqdCalc) << "C"
                                         << " Capital Required"
                                         << "Amount of Capital Required Option"
                                         << "InLumpInv" << false;
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void captionAndButtons_data() { calculators(); }
    void captionAndButtons() {
        QVERIFY(openCalculator() != nullptr);
        QTEST(mainWindow()->windowTitle(), "caption");
        const QStringList captions = {"&Calculate", "&Show Graph", "To &Printer", "Quick &Help",
                                      "E&xit to Menu"};
        const char* names[] = {"Calc", "Graphs", "Printer", "Help", "Exit"};
        for (int i = 0; i < 5; ++i) {
            QPushButton* b = standard(names[i]);
            QVERIFY2(b != nullptr, names[i]);
            QCOMPARE(b->text(), captions[i]);
            QVERIFY(b->isVisible());
        }
        QVERIFY(results()->isVisible());
    }

    // The help takes exactly the grid's place, with the graph and the report out of reach;
    // Enter in it goes to the first field; closing it puts the grid back with the results
    // emptied, except where the calculator keeps them.
    void quickHelpInTheGridsPlace_data() { calculators(); }
    void quickHelpInTheGridsPlace() {
        QFETCH(QString, helpBegins);
        QFETCH(QString, firstField);
        QFETCH(bool, helpKeepsResults);
        QWidget* w = openCalculator();
        QVERIFY(w != nullptr);
        clickStandard("Calc");
        QVERIFY(program().ResultCount > 0);
        const QString firstCell = results()->text(1, 0);
        const QRect gridPlace = results()->geometry();
        const QPoint calcPlace = standard("Calc")->pos();

        clickStandard("Help");
        auto* help = w->findChild<QPlainTextEdit*>(m_prefix + "TextBox");
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        QVERIFY(!results()->isVisible());
        QCOMPARE(help->geometry(), gridPlace);
        QCOMPARE(standard("Calc")->pos(), calcPlace);
        QCOMPARE(help->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(standard("Help")->text(), QStringLiteral("Close &Help"));
        QVERIFY(!standard("Printer")->isEnabled());
        QVERIFY(!standard("Graphs")->isEnabled());
        QVERIFY2(help->toPlainText().startsWith(helpBegins), qPrintable(help->toPlainText()));
        QTest::keyClick(help, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w->findChild<QWidget*>(firstField));

        clickStandard("Help");
        QVERIFY(!help->isVisible());
        QVERIFY(results()->isVisible());
        QCOMPARE(standard("Help")->text(), QStringLiteral("Quick &Help"));
        QVERIFY(standard("Printer")->isEnabled());
        QVERIFY(standard("Graphs")->isEnabled());
        QCOMPARE(results()->text(1, 0), helpKeepsResults ? firstCell : QString());
        QCOMPARE(program().ResultCount > 0, helpKeepsResults);
    }

    void nothingToGraphOrPrintBeforeCalculating_data() { calculators(); }
    void nothingToGraphOrPrintBeforeCalculating() {
        QWidget* w = openCalculator();
        QVERIFY(w != nullptr);
        QCOMPARE(messageShownBy([this] { clickStandard("Graphs"); }),
                 QStringLiteral("No data to graph. Calculate."));
        QCOMPARE(messageShownBy([this] { clickStandard("Printer"); }),
                 QStringLiteral("No data to print. Calculate."));
        QVERIFY(w->isVisible());
        QVERIFY(windows().loaded(WindowId::GraphsAll) == nullptr);
    }

    // The exit releases the program-wide tables, puts the main menu and its caption back and
    // unloads the window: opened again, it starts afresh.
    void exitToTheMenu_data() { calculators(); }
    void exitToTheMenu() {
        QFETCH(int, window);
        QVERIFY(openCalculator() != nullptr);
        clickStandard("Calc");
        clickStandard("Exit");
        QCOMPARE(mainWindow()->windowTitle(), QStringLiteral(" Orvalen Menu"));
        QVERIFY(MenuMain::instance()->isVisible());
        QCOMPARE(int(program().ResultCount), 0);
        QCOMPARE(int(program().CalcMode), 0);
        QCOMPARE(program().EntryValues.size(), 0);
        QCOMPARE(program().ReportBlocks.size(), 0);
        QCOMPARE(program().GraphCaller, GraphCallerCode::None);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(windows().loaded(static_cast<WindowId>(window)) == nullptr);

        QVERIFY(openCalculator() != nullptr);
        QCOMPARE(results()->text(1, 0), QString());
        QCOMPARE(int(program().ResultCount), 0);
    }
};

QTEST_MAIN(TestCalculatorFrame)
#include "tst_calculatorframe.moc"
