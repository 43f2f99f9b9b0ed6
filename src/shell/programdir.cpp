#include "shell/programdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& overridden() {
    static QString path;
    return path;
}
} // namespace

void setProgramDirectory(const QString& path) {
    overridden() = path;
}

QString programDirectory() {
    if (!overridden().isEmpty()) {
        return overridden();
    }
    QString exeDir = QCoreApplication::applicationDirPath();
    if (!exeDir.isEmpty() && QFileInfo(exeDir).isWritable()) {
        return exeDir;
    }
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    const QString sample = QDir(data).filePath(QStringLiteral("Sample.orv"));
    const QString shipped = QDir(exeDir).filePath(QStringLiteral("Sample.orv"));
    if (!QFile::exists(sample) && QFile::exists(shipped)) {
        QFile::copy(shipped, sample);
    }
    return data;
}

void enterProgramDirectory() {
    QDir::setCurrent(programDirectory());
}
