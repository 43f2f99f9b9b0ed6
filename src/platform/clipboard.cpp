#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace Clipboard {

void copyText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void copyImage(const QImage& image) {
    QGuiApplication::clipboard()->setImage(image);
}

} // namespace Clipboard
