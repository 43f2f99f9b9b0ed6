#include "platform/modal.h"

#include <QMenu>
#include <deque>
#include <utility>

namespace {

std::deque<ModalResponder>& responders() {
    static std::deque<ModalResponder> queue;
    return queue;
}

std::deque<MenuResponder>& menuResponders() {
    static std::deque<MenuResponder> queue;
    return queue;
}

std::function<void(QDialog&)>& unansweredHandler() {
    static std::function<void(QDialog&)> handler;
    return handler;
}

// Closes a dialog its answer left open the way the user's close box would, so the dialog's own
// close handling runs; a dialog that refuses to close is rejected outright, because nothing
// else could ever close it.
void closeAsByCloseBox(QDialog& dialog) {
    if (dialog.isVisible()) {
        dialog.close();
    }
    if (dialog.isVisible()) {
        dialog.reject();
    }
}

} // namespace

int runModal(QDialog& dialog) {
    dialog.setResult(QDialog::Rejected);
    if (!responders().empty()) {
        ModalResponder responder = std::move(responders().front());
        responders().pop_front();
        dialog.show();
        if (responder) {
            responder(dialog);
        }
        closeAsByCloseBox(dialog);
        return dialog.result();
    }
    if (unansweredHandler()) {
        // Copied: the handler may replace itself while it runs.
        const auto handler = unansweredHandler();
        dialog.show();
        handler(dialog);
        closeAsByCloseBox(dialog);
        return dialog.result();
    }
    return dialog.exec();
}

QAction* runMenu(QMenu& menu, const QPoint& globalPos) {
    if (!menuResponders().empty()) {
        MenuResponder responder = std::move(menuResponders().front());
        menuResponders().pop_front();
        return responder ? responder(menu) : nullptr;
    }
    return menu.exec(globalPos);
}

namespace modal {

void pushMenuResponder(MenuResponder responder) {
    menuResponders().push_back(std::move(responder));
}

void pushResponder(ModalResponder responder) {
    responders().push_back(std::move(responder));
}

void clearResponders() {
    responders().clear();
    menuResponders().clear();
}

int pendingResponders() {
    return static_cast<int>(responders().size());
}

void setUnansweredHandler(std::function<void(QDialog&)> handler) {
    unansweredHandler() = std::move(handler);
}

} // namespace modal
