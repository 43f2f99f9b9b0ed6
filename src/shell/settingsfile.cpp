#include "shell/settingsfile.h"

#include "core/programstate.h"
#include "core/records.h"
#include "core/runtimefailure.h"
#include "shell/guarded.h"

bool loadSettings(const QString& path) {
    ProgramState& p = program();
    // A file that cannot be read is never worth a message: the fields read so far stay.
    const bool ok = quietly([&] {
        const std::optional<QByteArray> bytes = readFileBytes(path);
        if (!bytes) {
            throw RunTimeFailure("settings file cannot be read");
        }
        RecordReader reader(*bytes);
        const Record record = reader.next(3);
        p.CurrencySymbol = record.text(0);
        const std::int16_t font = record.int16(1);
        p.PrinterFontChoice = (font >= 0 && font <= 3) ? font : 0;
        p.UserName = record.text(2);
    });
    if (!ok) {
        p.LinesPerPage = 53;
    }
    if (p.CurrencySymbol.isEmpty()) {
        p.CurrencySymbol = QStringLiteral("$");
    }
    return ok;
}

bool saveSettings(const QString& path) {
    const ProgramState& p = program();
    return saveFileAtomically(path, [&](QIODevice& device) {
        RecordWriter writer(device);
        writer.text(p.CurrencySymbol).integer(p.PrinterFontChoice).text(p.UserName).endRecord();
        return writer.ok();
    });
}
