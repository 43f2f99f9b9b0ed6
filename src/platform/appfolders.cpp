#include "platform/appfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// ORVALEN_SHARED_FROM_BIN: the shared folder relative to the bin folder, given by the build as
// its install rules place them.
QString installedSharedFolder(const QString& executableDir) {
    return QDir::cleanPath(QDir(executableDir).filePath(QStringLiteral(ORVALEN_SHARED_FROM_BIN)));
}

} // namespace

namespace AppFolders {

bool isInstalledCopy(const QString& executableDir) {
    return !executableDir.isEmpty() && QFileInfo(installedSharedFolder(executableDir)).isDir();
}

QString shippedFilesFor(const QString& executableDir) {
    return isInstalledCopy(executableDir) ? installedSharedFolder(executableDir) : executableDir;
}

QString shippedFiles() {
    return shippedFilesFor(QCoreApplication::applicationDirPath());
}

QString dataFolder() {
    const QString path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return !path.isEmpty() && makePrivateFolder(path) ? path : QString();
}

bool makePrivateFolder(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return true;
    }
    const QString absolute = info.absoluteFilePath();
    if (!QDir().mkpath(QFileInfo(absolute).absolutePath())) {
        return false;
    }
    // Created with the owner's permissions from the start, so no other user can look in while
    // it is being set up. Another process creating it at the same moment is no failure.
    QDir().mkdir(absolute, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return QFileInfo(absolute).isDir();
}

} // namespace AppFolders
