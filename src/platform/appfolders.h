#pragma once
// The folders the program finds on the machine. A build folder keeps the help documents and
// Sample.orv beside the executables; an installed copy has its executables in <prefix>/bin and
// those files in <prefix>/share/orvalen, a folder its users cannot write. The user's data folder
// (~/.local/share/Orvalen) belongs to that user alone.

#include <QString>

namespace AppFolders {

// True when `executableDir` is the bin folder of an installed copy: the shared folder of the
// installation is there beside it.
bool isInstalledCopy(const QString& executableDir);

// Where the help documents and Sample.orv shipped with a program in `executableDir` are: the
// installation's shared folder for an installed copy, else `executableDir` itself.
QString shippedFilesFor(const QString& executableDir);

// The same for this program.
QString shippedFiles();

// The user's data folder, created (for the user alone) when it is not there yet. Empty when it
// cannot be created.
QString dataFolder();

// Creates the folder `path` and the folders above it that are missing; the folder itself is
// made readable by its owner only, as it holds one person's finances. A folder that is already
// there keeps its permissions. False when it is not there afterwards.
bool makePrivateFolder(const QString& path);

} // namespace AppFolders
