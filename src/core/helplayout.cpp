#include "core/helplayout.h"

#include <algorithm>

QStringList wrapWords(const QString& text, int width) {
    width = std::max(1, width);
    QStringList lines;
    QString line;
    for (QString word : text.split(u' ', Qt::SkipEmptyParts)) {
        while (word.size() > width) {
            if (!line.isEmpty()) {
                lines << line;
                line.clear();
            }
            lines << word.left(width);
            word.remove(0, width);
        }
        if (line.isEmpty()) {
            line = word;
        } else if (line.size() + 1 + word.size() <= width) {
            line += u' ' + word;
        } else {
            lines << line;
            line = word;
        }
    }
    if (!line.isEmpty() || lines.isEmpty()) {
        lines << line;
    }
    return lines;
}

QString helpBesideCaptions(const QString& help, const std::vector<CaptionedHelp>& fields,
                           int width) {
    const QStringList lines = help.split(u'\n');
    qsizetype longest = 0;
    for (const CaptionedHelp& f : fields) {
        longest = std::max(longest, f.caption.simplified().size());
    }
    // The captions take at most two fifths of the line; a blank and a gap of two set the
    // help apart from them.
    const int captions = std::min(static_cast<int>(longest), std::max(8, width * 2 / 5));
    const int text = std::max(8, width - captions - 3);

    QStringList out;
    for (int i = 1; i <= lines.size(); ++i) {
        const auto field = std::find_if(fields.begin(), fields.end(), [i](const CaptionedHelp& f) {
            return i >= f.first && i <= f.last;
        });
        if (field == fields.end()) {
            const QString& line = lines[i - 1];
            if (!line.trimmed().isEmpty() || out.isEmpty() || !out.back().trimmed().isEmpty()) {
                out << line;
            }
            continue;
        }
        if (i != field->first) {
            continue;
        }
        QStringList explained;
        for (qsizetype j = field->first; j <= std::min<qsizetype>(field->last, lines.size()); ++j) {
            explained << lines[j - 1].trimmed();
        }
        const QStringList left = wrapWords(field->caption.simplified(), captions);
        const QStringList right = wrapWords(explained.join(u' '), text);
        for (qsizetype row = 0; row < std::max(left.size(), right.size()); ++row) {
            QString shown = u' ' + left.value(row).leftJustified(captions) + QStringLiteral("  ") +
                            right.value(row);
            while (shown.endsWith(u' ')) {
                shown.chop(1);
            }
            out << shown;
        }
    }
    return out.join(u'\n');
}
