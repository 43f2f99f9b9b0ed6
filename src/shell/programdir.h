#pragma once
// The program's directory: where the executable is, or, when that is not writable (an
// installed copy), the per-user data directory, with Sample.orv copied there on first start.
// All data files are opened by bare name relative to it once it is the current directory.

#include <QString>

QString programDirectory();

// Tests: the program's directory is `path` from now on (an empty text restores the rule).
void setProgramDirectory(const QString& path);

// Makes the program's directory the current directory. A failure is ignored.
void enterProgramDirectory();
