#pragma once
// The personal settings file "Personal.orp": one record of the currency symbol (quoted), the
// printer font choice (0..3) and the user's name (quoted), ended by CR LF. Both operations
// fail silently, as the settings are never worth an error message.

#include <QString>

inline const QString SettingsFileName = QStringLiteral("Personal.orp");

// Reads the file at `path` into the program's settings, field by field. When the file cannot
// be opened or a field is missing or unreadable, LinesPerPage becomes 53 and the fields read
// before the failure stay. An empty currency symbol becomes "$". Returns false on a failure.
bool loadSettings(const QString& path = SettingsFileName);

// Writes CurrencySymbol, PrinterFontChoice and UserName atomically: when the write fails the
// old file stays whole. Returns false on a failure.
bool saveSettings(const QString& path = SettingsFileName);
