#pragma once
// The system beep. Tests replace the sound with a counter.

#include <functional>

namespace platform {

void beep();
// Replaces what beep() does; an empty function restores the system beep.
void setBeepHandler(std::function<void()> handler);

} // namespace platform
