#include "platform/helpviewer.h"

#include "platform/appfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <utility>

namespace {

using Launcher = std::function<bool(const QString&, const QStringList&)>;

Launcher& launcher() {
    static Launcher l;
    return l;
}

QString& viewerOverride() {
    static QString path;
    return path;
}

QString findDocument(const QString& fileName) {
    for (const QString& dir : {AppFolders::shippedFiles(), QDir::currentPath()}) {
        const QFileInfo info(QDir(dir).filePath(fileName));
        if (info.isFile()) {
            return info.absoluteFilePath();
        }
    }
    return {};
}

QString viewerPath() {
    if (!viewerOverride().isEmpty()) {
        return viewerOverride();
    }
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("orvalen-help"));
}

} // namespace

namespace HelpViewer {

StartResult start(const QString& fileName) {
    const QString document = findDocument(fileName);
    if (document.isEmpty()) {
        return StartResult::DocumentMissing;
    }
    const QString viewer = viewerPath();
    // An installed launcher stands in for finding and starting the viewer, unless a test also
    // named the viewer program.
    if (!launcher() || !viewerOverride().isEmpty()) {
        const QFileInfo info(viewer);
        if (!info.isFile() || !info.isExecutable()) {
            return StartResult::ViewerMissing;
        }
    }
    const QStringList arguments{document};
    const bool started =
        launcher() ? launcher()(viewer, arguments) : QProcess::startDetached(viewer, arguments);
    return started ? StartResult::Started : StartResult::ViewerFailed;
}

void setLauncher(std::function<bool(const QString&, const QStringList&)> l) {
    launcher() = std::move(l);
}

void setViewerProgram(const QString& path) {
    viewerOverride() = path;
}

} // namespace HelpViewer
