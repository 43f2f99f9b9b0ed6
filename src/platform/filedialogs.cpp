#include "platform/filedialogs.h"

#include <QDir>
#include <QFileDialog>
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
    const QString start = QDir::current().filePath(defaultName);
    const QString qtFilter = FileDialogs::toQtFilter(filter);
    if (kind == Kind::Open) {
        return QFileDialog::getOpenFileName(parent, QString(), start, qtFilter);
    }
    return QFileDialog::getSaveFileName(parent, QString(), start, qtFilter);
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
    return run(Kind::Save, parent, defaultName, filter);
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
