#pragma once
// Quick help laid out beside the fields: whether a line of the help box shows the start of a
// field's caption and, level with it after a gap, the start of what the help says about it.

#include <QRegularExpression>
#include <QString>

inline bool besideCaption(const QString& help, const QString& caption, const QString& says) {
    const QRegularExpression line(QStringLiteral("(^|\\n) ") + QRegularExpression::escape(caption) +
                                  QStringLiteral(" {2,}") + QRegularExpression::escape(says));
    return line.match(help).hasMatch();
}
