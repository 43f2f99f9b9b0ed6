#pragma once
// Starts the separate help-viewer program on a help document of the program's directory. The
// program does not wait for it.

#include <QString>
#include <functional>

namespace HelpViewer {

enum class StartResult { Started, DocumentMissing, ViewerMissing, ViewerFailed };

// `fileName` is a bare document name ("orvuse53.hlp") looked up in the program's directory.
StartResult start(const QString& fileName);

// Tests: replaces the process launch (program, arguments) -> started.
void setLauncher(std::function<bool(const QString&, const QStringList&)> launcher);

} // namespace HelpViewer
