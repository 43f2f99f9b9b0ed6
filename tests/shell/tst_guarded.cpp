// Failures caught at the handler: the handler's message for a run-time failure, message 7 for
// anything else, nothing at all for the quiet steps; nothing passes on to the event loop, and
// what is no run-time failure is logged with its text.

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
        QTest::addColumn<QString>("logged");
        QTest::newRow("run-time failure: the handler's message")
            << 0 << Message::WrongEntry << QString();
        QTest::newRow("out of memory: unknown error")
            << 1 << Message::UnknownError << "Unexpected exception: std::bad_alloc";
        QTest::newRow("any other exception: unknown error")
            << 2 << Message::UnknownError << "Unexpected exception: a fault of the program";
        QTest::newRow("not even a std::exception: unknown error")
            << 3 << Message::UnknownError << "Unexpected exception of an unknown type";
    }

    void failures() {
        QFETCH(int, kind);
        QFETCH(QString, logged);
        ModalGuard guard;
        respondClick(QStringLiteral("AMsgExit"));
        if (!logged.isEmpty()) {
            QTest::ignoreMessage(QtCriticalMsg, qPrintable(logged));
        }
        bool after = false;
        const bool ran = guarded(Message::WrongEntry, [&] {
            if (kind == 0) {
                throw RunTimeFailure("division by zero");
            }
            if (kind == 1) {
                throw std::bad_alloc();
            }
            if (kind == 2) {
                throw std::logic_error("a fault of the program");
            }
            throw 42;
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
        QTest::ignoreMessage(QtCriticalMsg, "Unexpected exception: std::bad_alloc");
        QVERIFY(!quietly([] { throw std::bad_alloc(); }));
        QVERIFY(quietly([] {}));
        QCOMPARE(shownDialogs().size(), std::size_t(0));
    }
};

QTEST_MAIN(TestGuarded)
#include "tst_guarded.moc"
