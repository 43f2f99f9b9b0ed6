#include "shell/guarded.h"

#include "core/runtimefailure.h"
#include "shell/dialogs.h"

#include <exception>

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
        shown = Message::UnknownError;
    }
    showMessage(shown, detail);
    return false;
}

bool quietly(const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (...) {
        return false;
    }
}
