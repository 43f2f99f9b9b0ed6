#pragma once
// The system clipboard, which the program only ever fills when the user copies results: it never
// reads or empties it otherwise.

#include <QImage>
#include <QString>

namespace Clipboard {
void copyText(const QString& text);
void copyImage(const QImage& image);
} // namespace Clipboard
