// The main window and the main menu: buttons, captions, positions, tab order, the user's
// name, the layout boundary, opening registered windows and the about window.

#include "core/programstate.h"
#include "platform/helpviewer.h"
#include "platform/modal.h"
#include "platform/twips.h"
#include "shell/mdicontainer.h"
#include "shell/menumain.h"
#include "shell/placement.h"
#include "shell/programdir.h"
#include "shell/windowregistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestMenuMain : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init() {
        resetProgram();
        QVERIFY(m_dir.isValid());
        setProgramDirectory(m_dir.path());
        QFile::remove(QDir(m_dir.path()).filePath("Personal.orp"));
        windows().clear();
    }
    void cleanup() {
        modal::clearResponders();
        setProgramDirectory({});
        HelpViewer::setLauncher({});
    }

    void buttons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("0") << "Savings"
                           << "Planning your &Savings" << 1260 << 1440;
        QTest::newRow("1") << "Plan401"
                           << "Planning your &401(k)" << 1260 << 2050;
        QTest::newRow("2") << "Retirement"
                           << "Planning your &Retirement" << 1260 << 2650;
        QTest::newRow("3") << "SavComp"
                           << "Savings &Comparisons" << 1260 << 3250;
        QTest::newRow("4") << "CapReq"
                           << "Amount of Capital R&equired" << 1260 << 3850;
        QTest::newRow("5") << "LoanPmt"
                           << "&Payment on a Loan" << 1260 << 4450;
        QTest::newRow("6") << "Canadian"
                           << "&Mortgage" << 1260 << 5050;
        QTest::newRow("7") << "Ratios"
                           << "&Orvalen Menu" << 5040 << 1440;
        QTest::newRow("8") << "CompCompare"
                           << "&Find Annual Compound Growth" << 5040 << 2050;
        QTest::newRow("9") << "HowGetRich"
                           << "&How to Get Rich and Stay Rich" << 5040 << 2650;
        QTest::newRow("10") << "HowtoUse"
                            << "How to Use the &Program" << 5040 << 3250;
        QTest::newRow("11") << "About"
                            << "&About..." << 5040 << 3850;
        QTest::newRow("12") << "PtrFnt"
                            << "Personalize &Settings" << 5040 << 4450;
        QTest::newRow("13") << "Exit"
                            << "E&xit Program" << 5040 << 5050;
    }

    void buttons() {
        MDIContainer main;
        QFETCH(QString, name);
        auto* button = MenuMain::instance()->findChild<QPushButton*>(name);
        QVERIFY(button != nullptr);
        QTEST(button->text(), "caption");
        QFETCH(int, left);
        QFETCH(int, top);
        QCOMPARE(button->geometry(), twipsRect(left, top, 3030, 400));
    }

    void tabOrderRunsDownLeftThenRight() {
        MDIContainer main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QStringList order{"Savings",  "Plan401",  "Retirement", "SavComp",     "CapReq",
                                "LoanPmt",  "Canadian", "Ratios",     "CompCompare", "HowGetRich",
                                "HowtoUse", "About",    "PtrFnt",     "Exit"};
        QWidget* w = MenuMain::instance()->findChild<QPushButton*>(order.front());
        for (const QString& expected : order) {
            QCOMPARE(w->objectName(), expected);
            w = w->nextInFocusChain();
        }
    }

    void startUp() {
        MDIContainer main;
        QCOMPARE(main.windowTitle(), QStringLiteral(" Orvalen Menu"));
        QCOMPARE(main.size(), twipsSize(9615, 6810));
        QCOMPARE(QDir::currentPath(), QDir(m_dir.path()).canonicalPath());
        QCOMPARE(program().CurrencySymbol, QStringLiteral("$"));
        QCOMPARE(int(program().LinesPerPage), 53);
        QVERIFY(!program().PaymentStartDate.isEmpty());
        QVERIFY(MenuMain::instance()->findChild<QLabel*>("MyName")->isHidden());
        QCOMPARE(MenuMain::instance()->findChild<QLabel*>("Title")->text(),
                 QStringLiteral("Orvalen"));
    }

    void layoutBoundary_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("layout");
        QTest::newRow("8500 is normal") << 8500 << 6810;
        QTest::newRow("8501 is large") << 8501 << 8670;
        QTest::newRow("initial size") << 6810 << 6810;
    }

    void layoutBoundary() {
        QFETCH(int, height);
        QTEST(int(layoutHeightFor(height)), "layout");
    }

    void resizingPlacesTheActiveWindow() {
        MDIContainer main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.resize(twipsSize(12000, 9000));
        QTRY_COMPARE(int(program().LayoutHeight), 8670);
        QTRY_COMPARE(MenuMain::instance()->pos(), twipsPoint(1200, 1000));
        main.resize(twipsSize(9615, 6810));
        QTRY_COMPARE(int(program().LayoutHeight), 6810);
        QTRY_COMPARE(MenuMain::instance()->pos(), twipsPoint(-60, -30));
    }

    // The mode flag is stored before the window loads and overwritten on every click.
    void openingSetsTheModeFirst() {
        std::vector<int> modesSeen;
        windows().add(WindowId::MortgageCalc, [&](QWidget* parent) {
            modesSeen.push_back(static_cast<int>(program().MortgageMode));
            return new QWidget(parent);
        });
        windows().add(WindowId::SavingsCalc, [&](QWidget* parent) {
            modesSeen.push_back(static_cast<int>(program().CalcMode));
            return new QWidget(parent);
        });
        MDIContainer main;
        main.show();
        auto click = [](const char* name) {
            QTest::mouseClick(MenuMain::instance()->findChild<QPushButton*>(name), Qt::LeftButton);
        };
        click("LoanPmt");
        QVERIFY(MenuMain::instance()->isHidden());
        windows().unload(WindowId::MortgageCalc);
        MenuMain::instance()->show();
        click("Canadian");
        windows().unload(WindowId::MortgageCalc);
        MenuMain::instance()->show();
        program().CalcMode = 0;
        click("SavComp");
        QCOMPARE(modesSeen, (std::vector<int>{2, 1, 2}));
    }

    void unbuiltWindowLeavesTheMenu() {
        MDIContainer main;
        main.show();
        QTest::mouseClick(MenuMain::instance()->findChild<QPushButton*>("Retirement"),
                          Qt::LeftButton);
        QVERIFY(!MenuMain::instance()->isHidden());
    }

    void aboutWindow() {
        MDIContainer main;
        main.show();
        QString product;
        QString version;
        modal::pushResponder([&](QDialog& d) {
            product = d.findChild<QLabel*>("ProductName")->text();
            version = d.findChild<QLabel*>("Version")->text();
            QTest::mouseClick(d.findChild<QPushButton*>("OK"), Qt::LeftButton);
        });
        QTest::mouseClick(MenuMain::instance()->findChild<QPushButton*>("About"), Qt::LeftButton);
        QCOMPARE(product, QStringLiteral("Orvalen"));
        QVERIFY(version.contains(QStringLiteral("5.3")));
        QVERIFY(!MenuMain::instance()->isHidden());
        QCOMPARE(modal::pendingResponders(), 0);
    }

    // The name saved in the settings window shows on the menu without a restart.
    void nameAppearsAfterSettings() {
        MDIContainer main;
        main.show();
        auto* myName = MenuMain::instance()->findChild<QLabel*>("MyName");
        QVERIFY(myName->isHidden());
        modal::pushResponder([](QDialog& d) {
            auto* name = d.findChild<QLineEdit*>("InMyName");
            name->setFocus();
            QTest::keyClicks(name, "Pat Lee");
            QTest::mouseClick(d.findChild<QPushButton*>("ExitFonts"), Qt::LeftButton);
        });
        QTest::mouseClick(MenuMain::instance()->findChild<QPushButton*>("PtrFnt"), Qt::LeftButton);
        QVERIFY(!myName->isHidden());
        QCOMPARE(myName->text(), QStringLiteral("Pat Lee"));
        QVERIFY(QFile::exists(QDir(m_dir.path()).filePath("Personal.orp")));
    }

    void longNameEndsInAnEllipsis_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("whole");
        QTest::newRow("short name") << "Pat Lee" << true;
        QTest::newRow("97 wide letters") << QString(97, QLatin1Char('W')) << false;
        QTest::newRow("long name with blanks")
            << QStringLiteral("Dr. Alexandra Montgomery-Featherstonehaugh of the Royal Society "
                              "of Long Names and Titles")
            << false;
    }

    // The label keeps its place and width: a name that does not fit ends in an ellipsis, its
    // start stays readable, and the tooltip holds the whole name.
    void longNameEndsInAnEllipsis() {
        QFETCH(QString, name);
        QFETCH(bool, whole);
        MDIContainer main;
        main.show();
        auto* myName = MenuMain::instance()->findChild<QLabel*>("MyName");
        program().UserName = name;
        MenuMain::instance()->showUserName();
        QVERIFY(!myName->isHidden());
        QCOMPARE(myName->geometry(), twipsRect(1260, 900, 6810, 400));
        QCOMPARE(myName->toolTip(), name);
        QVERIFY(myName->fontMetrics().horizontalAdvance(myName->text()) <=
                myName->contentsRect().width());
        if (whole) {
            QCOMPARE(myName->text(), name);
        } else {
            QVERIFY(myName->text().endsWith(QChar(0x2026)));
            QVERIFY(myName->text().size() > 10);
            QVERIFY(name.startsWith(myName->text().chopped(1)));
        }
    }

    void helpButtonsStartTheViewer() {
        QStringList started;
        HelpViewer::setLauncher([&](const QString&, const QStringList& args) {
            started << args;
            return true;
        });
        MDIContainer main;
        main.show();
        QFile doc(QDir(QCoreApplication::applicationDirPath()).filePath("orvdat53.grs"));
        if (!doc.exists()) {
            QSKIP("help documents not beside the test binary");
        }
        QTest::mouseClick(MenuMain::instance()->findChild<QPushButton*>("HowGetRich"),
                          Qt::LeftButton);
        QCOMPARE(started.size(), 1);
        QVERIFY(started.front().endsWith(QStringLiteral("orvdat53.grs")));
    }
};

QTEST_MAIN(TestMenuMain)
#include "tst_menumain.moc"
