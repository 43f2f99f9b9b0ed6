// The first-payment date window: however the date reaches the box, "&OK" reads it; keys that
// do not type leave the date alone; a text that is not a date keeps the old date.

#include "core/programstate.h"
#include "mortgage/mortdateinput.h"
#include "support/modalresponder.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestMortDateInput : public QObject {
    Q_OBJECT
    std::unique_ptr<MortDateInput> m_window;
    QLineEdit* m_box = nullptr;

private slots:
    void init() {
        resetProgram();
        program().PaymentStartDate = QStringLiteral("2027-01-31");
        m_window = std::make_unique<MortDateInput>();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_box = m_window->findChild<QLineEdit*>(QStringLiteral("InDate"));
        QVERIFY(m_box->hasFocus());
        QCOMPARE(m_box->text(), QStringLiteral("2027-01-31"));
    }

    void cleanup() { m_window.reset(); }

    // "&OK" pressed while the box keeps the focus (its default-button role, a test robot):
    // the date is read whichever way it came.
    void okReadsTheDateHoweverItCame_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("start");
        QTest::newRow("typed") << "typed"
                               << "2030-05-01" << true << "2030-05-01";
        QTest::newRow("pasted from the context menu") << "paste"
                                                      << "2030-05-01" << true << "2030-05-01";
        QTest::newRow("committed by an input method") << "input method"
                                                      << "2030-05-01" << true << "2030-05-01";
        QTest::newRow("pasted text that is not a date") << "paste"
                                                        << "someday" << false << "2027-01-31";
    }

    void okReadsTheDateHoweverItCame() {
        QFETCH(QString, path);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        ModalGuard guard;
        if (!accepted) {
            respondClick(QStringLiteral("AMsgExit"));
        }
        m_box->selectAll();
        if (path == QStringLiteral("typed")) {
            QTest::keyClicks(m_box, text);
        } else if (path == QStringLiteral("paste")) {
            QApplication::clipboard()->setText(text);
            m_box->paste();
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(m_box, &commit);
        }
        m_window->findChild<QPushButton*>(QStringLiteral("OkExit"))->click();
        QCOMPARE(guard.pending(), 0);
        QCOMPARE(m_window->isVisible(), !accepted);
        QTEST(program().PaymentStartDate, "start");
        QTEST(m_box->text(), "start");
    }

    // Navigation, selection and copy keys do not start an entry: leaving the box then keeps
    // the date, with no message.
    void keysThatDoNotTypeKeepTheDate_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier);
        QTest::newRow("Home") << int(Qt::Key_Home) << int(Qt::NoModifier);
    }

    void keysThatDoNotTypeKeepTheDate() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        ModalGuard guard;
        QTest::keyClick(m_box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        m_window->findChild<QPushButton*>(QStringLiteral("OkExit"))->setFocus(Qt::TabFocusReason);
        QCOMPARE(m_box->text(), QStringLiteral("2027-01-31"));
        QCOMPARE(program().PaymentStartDate, QStringLiteral("2027-01-31"));
        QVERIFY(shownDialogs().empty());
    }

    // After a refused date the next key starts a new entry: it empties the box first.
    void refusedDateStartsAfresh() {
        ModalGuard guard;
        respondClick(QStringLiteral("AMsgExit"));
        QTest::keyClicks(m_box, "x");
        m_window->findChild<QPushButton*>(QStringLiteral("OkExit"))->click();
        QCOMPARE(m_box->text(), QStringLiteral("2027-01-31"));
        QTest::keyClicks(m_box, "2029-12-24");
        QTest::keyClick(m_box, Qt::Key_Return);
        QCOMPARE(program().PaymentStartDate, QStringLiteral("2029-12-24"));
    }
};

QTEST_MAIN(TestMortDateInput)
#include "tst_mortdateinput.moc"
