#include "shell/guarded.h"

#include "core/runtimefailure.h"
#include "shell/dialogs.h"

#include <new>

bool guarded(std::int16_t messageNumber, const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const RunTimeFailure&) {
    } catch (const std::bad_alloc&) {
    }
    showMessage(messageNumber);
    return false;
}
