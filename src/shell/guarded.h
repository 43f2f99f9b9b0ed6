#pragma once
// The one place where failures are caught: an event handler wraps its body in guarded(). A
// run-time failure abandons the body and shows the handler's numbered message (or the message
// the failure names, with its detail); any other failure (out of memory, a fault of the program)
// is logged with its text (qCritical) and shows "Unknown error. Cannot complete."
// (Message::UnknownError). Nothing crosses the event loop. The normal pointer is back by then
// (every BusyPointer of the body has gone out of scope), and what the body had already shown
// stays.

#include "core/messages.h"

#include <functional>

// Returns true when the body ran to its end.
bool guarded(Message message, const std::function<void()>& body);

// The same for the few steps whose failure the program does not report (reading the settings
// file, a figure reached before a calculation failed): any failure abandons the body quietly,
// and one that is no run-time failure is logged as guarded() logs it.
bool quietly(const std::function<void()>& body);
