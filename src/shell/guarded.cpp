#include "shell/guarded.h"

#include "core/runtimefailure.h"
#include "shell/dialogs.h"

#include <QtGlobal>
#include <exception>

namespace {
// Logs the exception being handled, one that is no run-time failure: a fault of the program or
// out of memory, which the message shown does not tell apart.
void logFault() {
    try {
        throw;
    } catch (const std::exception& fault) {
        qCritical("Unexpected exception: %s", fault.what());
    } catch (...) {
        qCritical("Unexpected exception of an unknown type");
    }
}
} // namespace

bool guarded(Message message, const std::function<void()>& body) {
    Message shown = Message::None;
    // A failure that names its message always gives its detail, an empty one included, so the
    // message never shows the detail of an earlier one; the handler's message keeps
    // MessageDetail as it is.
    QString detail;
    try {
        body();
        return true;
    } catch (const RunTimeFailure& failure) {
        const bool own = failure.message() != Message::None;
        shown = own ? failure.message() : message;
        if (own) {
            detail = failure.detail().isNull() ? QStringLiteral("") : failure.detail();
        }
    } catch (...) {
        logFault();
        shown = Message::UnknownError;
    }
    showMessage(shown, detail);
    return false;
}

bool quietly(const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const RunTimeFailure&) {
        return false;
    } catch (...) {
        logFault();
        return false;
    }
}
