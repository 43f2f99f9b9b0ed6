#pragma once
// Every modal window of the program is shown through runModal(). Tests queue responders that
// answer the next windows (press a button, type a header, close the window) instead of
// blocking in an event loop.

#include <QDialog>
#include <functional>

class QAction;
class QMenu;

using ModalResponder = std::function<void(QDialog&)>;
// Answers a context menu: the action chosen, or nullptr for a menu closed without a choice.
using MenuResponder = std::function<QAction*(QMenu&)>;

// Shows `dialog` modally and returns its result code once it has closed. With a responder
// queued, the dialog is shown, the first responder is taken from the queue and called with it,
// and a dialog the responder left open is closed as by its close box.
int runModal(QDialog& dialog);

// Shows the context menu `menu` at `globalPos` and returns the action chosen (nullptr when it
// was closed without one). With a menu responder queued, the first one answers instead.
QAction* runMenu(QMenu& menu, const QPoint& globalPos);

namespace modal {
void pushMenuResponder(MenuResponder responder);
void pushResponder(ModalResponder responder);
void clearResponders();
int pendingResponders();
// Called with each dialog shown while no responder is queued, instead of blocking, when set
// (tests use it to fail loudly on an unexpected window).
void setUnansweredHandler(std::function<void(QDialog&)> handler);
} // namespace modal
