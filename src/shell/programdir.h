#pragma once
// The program's directory: the folder of the executable when the program runs from a build
// folder that can be written; otherwise (an installed copy, or a folder that cannot be written)
// the user's data folder, with Sample.orv copied there on first start. All data files are opened
// by bare name relative to it once it is the current directory.

#include <QString>

QString programDirectory();

// The rule for a program in `executableDir` whose user's data folder is `dataFolder`: prepares
// the data folder when it is the one chosen. Empty when no folder can be used.
QString programDirectoryFor(const QString& executableDir, const QString& dataFolder);

// Tests: the program's directory is `path` from now on (an empty text restores the rule).
void setProgramDirectory(const QString& path);

// Makes the program's directory the current directory. A failure is ignored.
void enterProgramDirectory();
