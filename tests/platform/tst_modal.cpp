#include "platform/modal.h"
#include "support/modalresponder.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A small question window: "&Yes" accepts, "&No" rejects, `Other` opens a second window.
class Question : public QDialog {
public:
    explicit Question(const QString& title, bool refuseClose = false) : m_refuseClose(refuseClose) {
        setObjectName("Question");
        setWindowTitle(title);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel("Save changes?", this));
        edit = new QLineEdit(this);
        edit->setObjectName("InFName");
        layout->addWidget(edit);
        auto* yes = new QPushButton("&Yes", this);
        yes->setObjectName("Yes");
        auto* no = new QPushButton("&No", this);
        no->setObjectName("No");
        auto* other = new QPushButton("&Other", this);
        other->setObjectName("Other");
        layout->addWidget(yes);
        layout->addWidget(no);
        layout->addWidget(other);
        connect(yes, &QPushButton::clicked, this, &QDialog::accept);
        connect(no, &QPushButton::clicked, this, &QDialog::reject);
        connect(other, &QPushButton::clicked, this, [this] {
            Question inner("Inner");
            innerResult = runModal(inner);
        });
    }

    int closeEvents = 0;
    int innerResult = -1;
    QLineEdit* edit = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closeEvents;
        if (m_refuseClose) {
            event->ignore();
            return;
        }
        QDialog::closeEvent(event);
    }

private:
    bool m_refuseClose;
};

} // namespace

class TestModal : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void responderAnswers_data();
    void responderAnswers();
    void leftOpenIsClosedAsByCloseBox();
    void refusingWindowStillEnds();
    void nestedWindowsTakeTheNextAnswer();
    void unansweredHandlerInsteadOfBlocking();
    void typeThenClick();
    void shownWindowsAreRecorded();
    void guardFailsAnUnansweredWindow();
};

void TestModal::cleanup() {
    modal::clearResponders();
    modal::setUnansweredHandler({});
}

void TestModal::responderAnswers_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("by object name, accepting") << "Yes" << int(QDialog::Accepted);
    QTest::newRow("by object name, rejecting") << "No" << int(QDialog::Rejected);
    QTest::newRow("by caption with its &") << "&Yes" << int(QDialog::Accepted);
    QTest::newRow("by caption without its &") << "Yes" << int(QDialog::Accepted);
}

void TestModal::responderAnswers() {
    QFETCH(QString, button);
    QFETCH(int, result);
    ModalGuard guard;
    Question dialog("Question");
    respondClick(button);
    QCOMPARE(modal::pendingResponders(), 1);
    QCOMPARE(runModal(dialog), result);
    QCOMPARE(modal::pendingResponders(), 0);
    QVERIFY(!dialog.isVisible());
}

void TestModal::leftOpenIsClosedAsByCloseBox() {
    ModalGuard guard;
    Question dialog("Question");
    dialog.setResult(QDialog::Accepted);
    modal::pushResponder([](QDialog&) {});
    QCOMPARE(runModal(dialog), int(QDialog::Rejected));
    QCOMPARE(dialog.closeEvents, 1);
    QVERIFY(!dialog.isVisible());

    respondClose();
    QCOMPARE(runModal(dialog), int(QDialog::Rejected));
    QCOMPARE(dialog.closeEvents, 2);
}

void TestModal::refusingWindowStillEnds() {
    ModalGuard guard;
    Question dialog("Stubborn", true);
    respondClose();
    QCOMPARE(runModal(dialog), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

void TestModal::nestedWindowsTakeTheNextAnswer() {
    ModalGuard guard;
    Question outer("Outer");
    respondClick("Other");
    respondClick("Yes"); // answers the inner window, opened while the outer one is answered
    QCOMPARE(runModal(outer), int(QDialog::Rejected));
    QCOMPARE(outer.innerResult, int(QDialog::Accepted));
    QCOMPARE(guard.pending(), 0);
}

void TestModal::unansweredHandlerInsteadOfBlocking() {
    QString seen;
    modal::setUnansweredHandler([&](QDialog& d) {
        QVERIFY(d.isVisible());
        seen = d.windowTitle();
    });
    Question dialog("Nobody answers");
    QCOMPARE(runModal(dialog), int(QDialog::Rejected));
    QCOMPARE(seen, QStringLiteral("Nobody answers"));
    QVERIFY(!dialog.isVisible());
}

void TestModal::typeThenClick() {
    ModalGuard guard;
    Question dialog("Input");
    // Key by key, so the box's own key handling runs: here a length limit.
    dialog.edit->setMaxLength(5);
    respondType("InFName", "Header line", "Yes");
    QCOMPARE(runModal(dialog), int(QDialog::Accepted));
    QCOMPARE(dialog.edit->text(), QStringLiteral("Heade"));
}

void TestModal::shownWindowsAreRecorded() {
    ModalGuard guard;
    Question first("First");
    Question second("Second");
    respondClick("Yes");
    respondClose();
    runModal(first);
    runModal(second);
    QCOMPARE(shownDialogs().size(), size_t(2));
    QCOMPARE(shownDialogs().at(0).title, QStringLiteral("First"));
    QCOMPARE(shownDialogs().at(1).title, QStringLiteral("Second"));
    QCOMPARE(shownDialogs().at(1).labels, QStringList{"Save changes?"});
}

void TestModal::guardFailsAnUnansweredWindow() {
    ModalGuard guard;
    Question dialog("Unexpected");
    QEXPECT_FAIL("", "a window with no answer queued fails the test", Continue);
    runModal(dialog);
    QCOMPARE(shownDialogs().size(), size_t(1));
    QCOMPARE(shownDialogs().at(0).title, QStringLiteral("Unexpected"));
}

QTEST_MAIN(TestModal)
#include "tst_modal.moc"
