#include "shell/guarded.h"

#include "core/runtimefailure.h"
#include "shell/dialogs.h"

#include <exception>

namespace {
constexpr std::int16_t UnknownError = 7;
} // namespace

bool guarded(std::int16_t messageNumber, const std::function<void()>& body) {
    std::int16_t shown = 0;
    QString detail;
    try {
        body();
        return true;
    } catch (const RunTimeFailure& failure) {
        shown = failure.messageNumber() != 0 ? failure.messageNumber() : messageNumber;
        detail = failure.detail();
    } catch (...) {
        shown = UnknownError;
    }
    showMessage(shown, detail.isEmpty() ? QString() : detail);
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
