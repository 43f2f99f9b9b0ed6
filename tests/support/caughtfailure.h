#pragma once
// What a body raised, for tests of model code that raises RunTimeFailure: whether it failed,
// the message number the failure names (0: the handler's) and its detail.

#include "core/runtimefailure.h"

#include <QString>
#include <functional>

struct CaughtFailure {
    bool raised = false;
    int message = 0;
    QString detail;
};

inline CaughtFailure failureOf(const std::function<void()>& body) {
    CaughtFailure caught;
    try {
        body();
    } catch (const RunTimeFailure& failure) {
        caught.raised = true;
        caught.message = failure.messageNumber();
        caught.detail = failure.detail();
    }
    return caught;
}
