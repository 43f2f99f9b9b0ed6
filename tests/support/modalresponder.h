#pragma once
// Answers the program's modal windows in tests. Each respond...() call queues the answer to
// the next window shown through runModal(), in order. An answer that cannot be given (no
// control of that name) fails the running test. ModalGuard makes any window shown without a
// queued answer fail the test instead of blocking it.

#include "platform/modal.h"

#include <QString>
#include <QStringList>
#include <vector>

// What a window showed when it was answered.
struct ShownDialog {
    QString objectName;
    QString title;
    // The texts of its labels, in the order of the window's children.
    QStringList labels;
};

// Presses the button with this object name (or, failing that, this caption with or without
// its '&').
void respondClick(const QString& buttonObjectName);
// Closes the window as by its close box.
void respondClose();
// Types `text` key by key into the line edit with this object name, then presses the button
// `thenClickButton` unless it is empty.
void respondType(const QString& lineEditObjectName, const QString& text,
                 const QString& thenClickButton = {});
// Queues a custom answer; the window is recorded like the others.
void respondWith(ModalResponder responder);

// The same answers, for composing by hand.
ModalResponder clickResponder(const QString& buttonObjectName);
ModalResponder typeResponder(const QString& lineEditObjectName, const QString& text,
                             const QString& thenClickButton = {});

// Every window answered (or left unanswered) since the last ModalGuard began, oldest first.
const std::vector<ShownDialog>& shownDialogs();
ShownDialog describe(const QDialog& dialog);

// For the life of a test: a window with no answer queued fails the test (its title and texts
// are in the message); at the end the queue is emptied and the handler removed.
class ModalGuard {
public:
    ModalGuard();
    ~ModalGuard();
    ModalGuard(const ModalGuard&) = delete;
    ModalGuard& operator=(const ModalGuard&) = delete;

    // Queued answers not yet used.
    int pending() const { return modal::pendingResponders(); }
};
