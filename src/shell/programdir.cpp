#include "shell/programdir.h"

#include "platform/appfolders.h"

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

// Gives the user a copy of the sample database to try the Quantrel module on. A copy already
// there is the user's, perhaps changed, and stays as it is.
void copySample(const QString& shippedFolder, const QString& dataFolder) {
    const QString sample = QDir(dataFolder).filePath(QStringLiteral("Sample.orv"));
    const QString shipped = QDir(shippedFolder).filePath(QStringLiteral("Sample.orv"));
    if (QFileInfo::exists(sample) || !QFileInfo::exists(shipped)) {
        return;
    }
    // The copy takes the shipped file's permissions, which an installation may have made
    // read-only: the user must be able to save over it.
    if (QFile::copy(shipped, sample)) {
        QFile::setPermissions(sample, QFile::ReadOwner | QFile::WriteOwner);
    }
}

} // namespace

void setProgramDirectory(const QString& path) {
    overridden() = path;
}

QString programDirectoryFor(const QString& executableDir, const QString& dataFolder) {
    // An installed copy never writes beside itself, even for root: files there would belong
    // to no package and be shared by every user.
    if (!executableDir.isEmpty() && !AppFolders::isInstalledCopy(executableDir) &&
        QFileInfo(executableDir).isWritable()) {
        return executableDir;
    }
    if (dataFolder.isEmpty() || !AppFolders::makePrivateFolder(dataFolder)) {
        return {};
    }
    copySample(AppFolders::shippedFilesFor(executableDir), dataFolder);
    return dataFolder;
}

QString programDirectory() {
    if (!overridden().isEmpty()) {
        return overridden();
    }
    return programDirectoryFor(QCoreApplication::applicationDirPath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

void enterProgramDirectory() {
    const QString path = programDirectory();
    if (!path.isEmpty()) {
        QDir::setCurrent(path);
    }
}
