#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace Clipboard {

void clear() {
    // Without a GUI application there is no clipboard to empty.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->clear();
    }
}

} // namespace Clipboard
