#include "platform/filedialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <deque>

namespace {

struct DialogRecord {
    std::deque<std::optional<QString>> answers;
    QString defaultName;
    QString filter;
};

DialogRecord& record() {
    static DialogRecord r;
    return r;
}

enum class Kind { Open, Save };

QString run(Kind kind, QWidget* parent, const QString& defaultName, const QString& filter) {
    DialogRecord& r = record();
    r.defaultName = defaultName;
    r.filter = filter;
    if (!r.answers.empty()) {
        const std::optional<QString> answer = r.answers.front();
        r.answers.pop_front();
        return answer.value_or(QString());
    }
    QFileDialog dialog(parent, QString(), QDir::current().filePath(defaultName),
                       FileDialogs::toQtFilter(filter));
    if (kind == Kind::Open) {
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // The dialog asks before replacing a file under the name with its extension: the
        // extension of the file type chosen in it.
        dialog.setDefaultSuffix(FileDialogs::defaultSuffix(filter));
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& chosen) {
                static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.([A-Za-z0-9]+)"));
                const QRegularExpressionMatch m = pattern.match(chosen);
                if (m.hasMatch()) {
                    dialog.setDefaultSuffix(m.captured(1));
                }
            });
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

} // namespace

namespace FileDialogs {

QString toQtFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const QString patterns = i + 1 < parts.size()
                                     ? parts.at(i + 1).split(u';', Qt::SkipEmptyParts).join(u' ')
                                     : QString();
        if (patterns.isEmpty() || description.contains(u'(')) {
            // Qt reads the patterns from the parentheses of the description.
            entries << (description.isEmpty() ? patterns : description);
        } else {
            entries << description + QStringLiteral(" (") + patterns + u')';
        }
    }
    entries.removeAll(QString());
    return entries.join(QStringLiteral(";;"));
}

QString open(QWidget* parent, const QString& defaultName, const QString& filter) {
    return run(Kind::Open, parent, defaultName, filter);
}

QString save(QWidget* parent, const QString& defaultName, const QString& filter) {
    return withDefaultSuffix(run(Kind::Save, parent, defaultName, filter), filter);
}

QString defaultSuffix(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    const QString pattern = parts.value(1).split(u';').value(0).trimmed();
    if (!pattern.startsWith(QStringLiteral("*."))) {
        return {};
    }
    const QString suffix = pattern.mid(2);
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9]+$"));
    return plain.match(suffix).hasMatch() ? suffix : QString();
}

QString withDefaultSuffix(const QString& path, const QString& filter) {
    const QString name = QFileInfo(path).fileName();
    const QString suffix = defaultSuffix(filter);
    if (name.isEmpty() || name.contains(u'.') || suffix.isEmpty()) {
        return path;
    }
    return path + u'.' + suffix;
}

void setNextAnswer(std::optional<QString> path) {
    record().answers.push_back(std::move(path));
}

void clearAnswers() {
    record().answers.clear();
}

int pendingAnswers() {
    return static_cast<int>(record().answers.size());
}

QString lastDefaultName() {
    return record().defaultName;
}

QString lastFilter() {
    return record().filter;
}

} // namespace FileDialogs
