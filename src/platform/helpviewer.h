#pragma once
// Starts the separate help-viewer program on a help document of the program's directory. The
// program does not wait for it.

#include <QString>
#include <QStringList>
#include <functional>

namespace HelpViewer {

enum class StartResult { Started, DocumentMissing, ViewerMissing, ViewerFailed };

// `fileName` is a bare document name ("orvuse53.hlp") looked up among the files shipped with
// the program (AppFolders::shippedFiles()), then in the current directory. The viewer is the
// program "orvalen-help" beside this one; it is given the document's full path as its only
// argument.
StartResult start(const QString& fileName);

// Tests: replaces the process launch (program, arguments) -> started.
// While a launcher is installed the viewer program is not looked for (the launcher stands in
// for it), unless setViewerProgram() named one. An empty function restores the real launch.
void setLauncher(std::function<bool(const QString&, const QStringList&)> launcher);
// Tests: the viewer program to look for instead of the one beside the program (empty = that one).
void setViewerProgram(const QString& path);

} // namespace HelpViewer
