#pragma once
// What a body raised, for tests of model code that raises RunTimeFailure: whether it failed,
// the message the failure names (None: the handler's) and its detail.

#include "core/runtimefailure.h"
#include "support/messagestring.h"

#include <QString>
#include <functional>

struct CaughtFailure {
    bool raised = false;
    Message message = Message::None;
    QString detail;
};

inline CaughtFailure failureOf(const std::function<void()>& body) {
    CaughtFailure caught;
    try {
        body();
    } catch (const RunTimeFailure& failure) {
        caught.raised = true;
        caught.message = failure.message();
        caught.detail = failure.detail();
    }
    return caught;
}
