// Refusing a file that is not one of the program's: hostile files of any size, opened as the
// settings file and as a mortgage file. Each is timed (median of repeated opens) and the peak
// memory it adds is measured (the process's high-water mark, reset before each case).
// Aim: refused in under 50 ms with under 10 MiB of extra memory.

#include "benchmemory.h"
#include "benchtiming.h"
#include "core/programstate.h"
#include "core/records.h"
#include "mortgage/mortgagefile.h"
#include "shell/settingsfile.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

struct HostileFile {
    const char* name;
    qint64 size;
    char fill; // 0: pseudo-random bytes
};

void write(const QString& path, const HostileFile& f) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray chunk(1 << 20, f.fill);
    quint32 state = 20010316;
    for (qint64 left = f.size; left > 0; left -= chunk.size()) {
        if (f.fill == 0) {
            for (char& c : chunk) {
                state = state * 1103515245u + 12345u;
                c = static_cast<char>(state >> 24);
            }
        }
        file.write(chunk.constData(), std::min<qint64>(left, chunk.size()));
    }
}

} // namespace

int main() {
    QTemporaryDir dir;
    const HostileFile files[] = {
        {"60 MiB of commas", qint64{60} << 20, ','},
        {"1 MiB of commas", qint64{1} << 20, ','},
        {"1 MiB of double quotes", qint64{1} << 20, '"'},
        {"1 MiB of random bytes", qint64{1} << 20, 0},
        {"1 MiB of digits", qint64{1} << 20, '9'},
    };
    const struct {
        const char* what;
        std::function<void(const QString&)> open;
    } readers[] = {
        {"settings", [](const QString& path) { loadSettings(path); }},
        {"mortgage",
         [](const QString& path) {
             try {
                 loadMortgageFile(path);
             } catch (const RunTimeFailure&) {
             }
         }},
    };

    std::printf("%-24s %-9s %10s %10s %14s\n", "file", "opened as", "median ms", "best ms",
                "extra peak KiB");
    for (const HostileFile& f : files) {
        const QString path = dir.filePath(QStringLiteral("hostile"));
        write(path, f);
        for (const auto& reader : readers) {
            resetProgram();
            const long extra = extraPeakKiB([&] { reader.open(path); });
            const Timing t = timeEach(20, 2, [&] { reader.open(path); });
            std::printf("%-24s %-9s %10.3f %10.3f %14ld\n", f.name, reader.what, t.medianMs,
                        t.minMs, extra);
        }
    }
    return 0;
}
