#pragma once
// The one place where run-time failures are caught: an event handler wraps its body in
// guarded(). A failure abandons the body, restores the normal pointer (every BusyPointer of
// the body has gone out of scope by then) and shows one numbered message. What the body had
// already shown stays.

#include <cstdint>
#include <functional>

// Returns true when the body ran to its end.
bool guarded(std::int16_t messageNumber, const std::function<void()>& body);
