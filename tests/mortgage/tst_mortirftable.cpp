// The days-in-year window: the option of the current choice is chosen when it opens, and a
// choice made by any means (a click, the accessibility action) makes its row the active one.

#include "mortgage/mortgagestate.h"
#include "mortgage/mortirftable.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QRadioButton>
#include <QTest>

class TestMortIRFTable : public QObject {
    Q_OBJECT
private slots:
    void init() { resetMortgage(); }

    void choiceFollowsTheOption_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("choice");
        QTest::addColumn<float>("days");
        QTest::addColumn<double>("weekly");
        const QString toggle = QAccessibleActionInterface::toggleAction();
        const QString press = QAccessibleActionInterface::pressAction();
        QTest::newRow("click, 365.25") << "click" << 0 << 365.25F << 52.17857143;
        QTest::newRow("toggle action, 365.25") << toggle << 0 << 365.25F << 52.17857143;
        QTest::newRow("toggle action, 364") << toggle << 2 << 364.0F << 52.0;
        QTest::newRow("press action, 363") << press << 3 << 363.0F << 51.85714286;
    }

    void choiceFollowsTheOption() {
        QFETCH(QString, how);
        QFETCH(int, choice);
        setDaysInYearChoice(1);
        MortIRFTable window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.findChild<QRadioButton*>(QStringLiteral("IRFactor1"))->isChecked());
        auto* option = window.findChild<QRadioButton*>(QStringLiteral("IRFactor%1").arg(choice));
        if (how == QStringLiteral("click")) {
            option->click();
        } else {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(option);
            QVERIFY(accessible != nullptr && accessible->actionInterface() != nullptr);
            accessible->actionInterface()->doAction(how);
        }
        QTRY_COMPARE(int(mortgage().DaysInYearChoice), choice);
        QTEST(mortgage().DaysInYear, "days");
        QTEST(mortgage().WeeklyPeriods, "weekly");
    }
};

QTEST_MAIN(TestMortIRFTable)
#include "tst_mortirftable.moc"
