#pragma once
// The system clipboard, which the entry fields empty.

namespace Clipboard {

void clear();

} // namespace Clipboard
