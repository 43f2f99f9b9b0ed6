#pragma once
// Reading back what a printer wrote to a PDF file.

#include <QFile>
#include <QRegularExpression>
#include <QString>

// Pages written to a PDF file, read from its page objects; -1 when there is no file.
inline int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page[^s])"));
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}
