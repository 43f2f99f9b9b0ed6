#include "platform/beep.h"

#include <QApplication>
#include <utility>

namespace {

std::function<void()>& beepHandler() {
    static std::function<void()> handler;
    return handler;
}

} // namespace

namespace platform {

void beep() {
    if (beepHandler()) {
        beepHandler()();
        return;
    }
    // QApplication::beep() needs a running widget application.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        QApplication::beep();
    }
}

void setBeepHandler(std::function<void()> handler) {
    beepHandler() = std::move(handler);
}

} // namespace platform
