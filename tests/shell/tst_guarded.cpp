// Failures caught at the handler: the handler's message for a run-time failure, message 7 for
// anything else, nothing at all for the quiet steps; nothing passes on to the event loop.

#include "core/programstate.h"
#include "core/runtimefailure.h"
#include "shell/guarded.h"
#include "support/messagestring.h"
#include "support/modalresponder.h"

#include <QTest>
#include <new>
#include <stdexcept>

class TestGuarded : public QObject {
    Q_OBJECT
private slots:
    void init() { resetProgram(); }

    void failures_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Message>("message");
        QTest::newRow("run-time failure: the handler's message") << 0 << Message::WrongEntry;
        QTest::newRow("out of memory: unknown error") << 1 << Message::UnknownError;
        QTest::newRow("any other exception: unknown error") << 2 << Message::UnknownError;
    }

    void failures() {
        QFETCH(int, kind);
        ModalGuard guard;
        respondClick(QStringLiteral("AMsgExit"));
        bool after = false;
        const bool ran = guarded(Message::WrongEntry, [&] {
            if (kind == 0) {
                throw RunTimeFailure("division by zero");
            }
            if (kind == 1) {
                throw std::bad_alloc();
            }
            throw std::logic_error("a fault of the program");
            after = true;
        });
        QVERIFY(!ran);
        QVERIFY(!after);
        QTEST(program().MessageNumber, "message");
    }

    void failureWithItsOwnMessage() {
        ModalGuard guard;
        respondClick(QStringLiteral("AMsgExit"));
        QVERIFY(!guarded(Message::WrongEntry, [] {
            throw RunTimeFailure(Message::CheckDataValues, QStringLiteral("Division by zero"));
        }));
        QCOMPARE(program().MessageNumber, Message::CheckDataValues);
        QCOMPARE(program().MessageDetail, QStringLiteral("Division by zero"));
        QCOMPARE(shownDialogs().back().labels.value(0), QString());
    }

    // "Check data values for this error: " with nothing after it: an earlier detail is not
    // shown again. The handler's own message leaves MessageDetail alone.
    void ownMessageWithAnEmptyDetail() {
        ModalGuard guard;
        program().MessageDetail = QStringLiteral("an earlier value");
        respondClick(QStringLiteral("AMsgExit"));
        QVERIFY(!guarded(Message::WrongEntry,
                         [] { throw RunTimeFailure(Message::CheckDataValues, QString()); }));
        QCOMPARE(program().MessageDetail, QString());
        program().MessageDetail = QStringLiteral("kept");
        respondClick(QStringLiteral("AMsgExit"));
        QVERIFY(!guarded(Message::WrongEntry, [] { throw RunTimeFailure("division by zero"); }));
        QCOMPARE(program().MessageDetail, QStringLiteral("kept"));
    }

    void completeBodyShowsNothing() {
        ModalGuard guard;
        QVERIFY(guarded(Message::WrongEntry, [] {}));
        QCOMPARE(shownDialogs().size(), std::size_t(0));
    }

    void quietStepsShowNothing() {
        ModalGuard guard;
        QVERIFY(!quietly([] { throw RunTimeFailure("file cannot be read"); }));
        QVERIFY(!quietly([] { throw std::bad_alloc(); }));
        QVERIFY(quietly([] {}));
        QCOMPARE(shownDialogs().size(), std::size_t(0));
    }
};

QTEST_MAIN(TestGuarded)
#include "tst_guarded.moc"
