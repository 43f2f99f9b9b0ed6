// Start-up time and peak memory of Orvalen against a bare Qt Widgets program. Both are small
// probe programs beside this one (orvalen_startup_probe does what the program's main does;
// orvalen_startup_bare shows fourteen push buttons); each quits once its window is painted and
// the event loop is idle. They are launched alternately, after one warm-up launch each, and
// timed from just before the spawn: to main, to idle, to exit. Peak memory is each child's own
// maximum resident set (getrusage at the end of its main); the parent's RUSAGE_CHILDREN
// maximum after all launches is shown as a cross-check.
//
// Platforms: offscreen always; xcb as well when DISPLAY is set (scripts/bench runs this again
// under xvfb-run). Options: --runs N (default 20), --platforms offscreen,xcb.

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sys/resource.h>
#include <time.h>
#include <vector>

namespace {

long long monotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec;
}

struct Launch {
    double toMainMs = 0;
    double toIdleMs = 0;
    double toExitMs = 0;
    double peakMiB = 0;
    bool painted = false;
};

struct Series {
    QString name;
    QString program;
    std::vector<Launch> launches;
    int failures = 0;
};

std::optional<long long> field(const QString& line, const QString& key) {
    for (const QString& part : line.split(u' ', Qt::SkipEmptyParts)) {
        if (part.startsWith(key + u'=')) {
            bool ok = false;
            const long long value = part.mid(key.size() + 1).toLongLong(&ok);
            if (ok) {
                return value;
            }
        }
    }
    return std::nullopt;
}

std::optional<Launch> launch(const QString& program, const QString& platform) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    process.setProcessEnvironment(env);
    process.setStandardErrorFile(QProcess::nullDevice());
    const long long spawn = monotonicNs();
    process.start(program, {});
    if (!process.waitForFinished(30'000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    const long long exited = monotonicNs();
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    const qsizetype at = out.indexOf(QStringLiteral("probe "));
    if (at < 0) {
        return std::nullopt;
    }
    const QString line = out.mid(at).section(u'\n', 0, 0);
    const auto main = field(line, QStringLiteral("main"));
    const auto idle = field(line, QStringLiteral("idle"));
    const auto painted = field(line, QStringLiteral("painted"));
    const auto rss = field(line, QStringLiteral("maxrss_kib"));
    if (!main || !idle || !painted || !rss) {
        return std::nullopt;
    }
    Launch l;
    l.toMainMs = static_cast<double>(*main - spawn) / 1e6;
    l.toIdleMs = static_cast<double>(*idle - spawn) / 1e6;
    l.toExitMs = static_cast<double>(exited - spawn) / 1e6;
    l.peakMiB = static_cast<double>(*rss) / 1024.0;
    l.painted = *painted == 1;
    return l;
}

double median(std::vector<double> v) {
    if (v.empty()) {
        return 0;
    }
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

double minimum(const std::vector<double>& v) {
    return v.empty() ? 0 : *std::min_element(v.begin(), v.end());
}

double maximum(const std::vector<double>& v) {
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

template <class F> std::vector<double> column(const Series& s, F get) {
    std::vector<double> v;
    for (const Launch& l : s.launches) {
        v.push_back(get(l));
    }
    return v;
}

struct Summary {
    double mainMed, mainMin, idleMed, idleMin, exitMed, exitMin, rssMed, rssMax;
    int painted;
};

Summary summarise(const Series& s) {
    Summary r{};
    r.mainMed = median(column(s, [](const Launch& l) { return l.toMainMs; }));
    r.mainMin = minimum(column(s, [](const Launch& l) { return l.toMainMs; }));
    r.idleMed = median(column(s, [](const Launch& l) { return l.toIdleMs; }));
    r.idleMin = minimum(column(s, [](const Launch& l) { return l.toIdleMs; }));
    r.exitMed = median(column(s, [](const Launch& l) { return l.toExitMs; }));
    r.exitMin = minimum(column(s, [](const Launch& l) { return l.toExitMs; }));
    r.rssMed = median(column(s, [](const Launch& l) { return l.peakMiB; }));
    r.rssMax = maximum(column(s, [](const Launch& l) { return l.peakMiB; }));
    r.painted = static_cast<int>(std::count_if(s.launches.begin(), s.launches.end(),
                                               [](const Launch& l) { return l.painted; }));
    return r;
}

double loadAverage() {
    double load[1] = {0};
    return getloadavg(load, 1) == 1 ? load[0] : -1.0;
}

void runPlatform(const QString& platform, int runs, const QString& dir) {
    std::vector<Series> series = {
        {QStringLiteral("bare Qt (14 buttons)"),
         dir + QStringLiteral("/orvalen_startup_bare"),
         {},
         0},
        {QStringLiteral("Orvalen (main window)"),
         dir + QStringLiteral("/orvalen_startup_probe"),
         {},
         0},
    };
    for (Series& s : series) {
        launch(s.program, platform); // warm-up: page cache, font cache
    }
    const double loadBefore = loadAverage();
    for (int run = 0; run < runs; ++run) {
        for (Series& s : series) {
            if (auto l = launch(s.program, platform)) {
                s.launches.push_back(*l);
            } else {
                ++s.failures;
            }
        }
    }
    const double loadAfter = loadAverage();
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);

    std::printf(
        "platform %s: %d launches each, alternating (load average %.2f before, %.2f after)\n",
        qPrintable(platform), runs, loadBefore, loadAfter);
    std::printf("  %-22s %15s %15s %15s %17s %7s %5s\n", "program", "to main ms", "to idle ms",
                "to exit ms", "peak RSS MiB", "painted", "fail");
    std::printf("  %-22s %15s %15s %15s %17s\n", "", "median   min", "median   min", "median   min",
                "median    max");
    std::vector<Summary> sums;
    for (const Series& s : series) {
        const Summary r = summarise(s);
        sums.push_back(r);
        std::printf("  %-22s %7.1f %7.1f %7.1f %7.1f %7.1f %7.1f %8.1f %8.1f %4d/%-2zu %5d\n",
                    qPrintable(s.name), r.mainMed, r.mainMin, r.idleMed, r.idleMin, r.exitMed,
                    r.exitMin, r.rssMed, r.rssMax, r.painted, s.launches.size(), s.failures);
    }
    if (sums.size() == 2 && sums[0].exitMed > 0 && sums[0].idleMed > 0) {
        const double ratioExit = sums[1].exitMed / sums[0].exitMed;
        const double ratioIdle = sums[1].idleMed / sums[0].idleMed;
        std::printf("  %-22s %15s %7.2fx %15.2fx %8.2fx\n", "ratio Orvalen / bare", "", ratioIdle,
                    ratioExit, sums[1].rssMed / sums[0].rssMed);
        std::printf("  goal: start-up (spawn to exit, median) at most 1.5x bare: %.2fx, %s\n",
                    ratioExit, ratioExit <= 1.5 ? "met" : "NOT met");
        std::printf("  goal: peak memory at most 45 MiB: %.1f MiB (max %.1f), %s\n", sums[1].rssMed,
                    sums[1].rssMax, sums[1].rssMax <= 45.0 ? "met" : "NOT met");
    }
    std::printf("  cross-check: largest child maximum RSS seen by the parent (RUSAGE_CHILDREN) "
                "%.1f MiB\n\n",
                static_cast<double>(children.ru_maxrss) / 1024.0);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int runs = 20;
    QStringList platforms{QStringLiteral("offscreen")};
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        platforms << QStringLiteral("xcb");
    }
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QStringLiteral("--runs")) {
            runs = std::max(1, args[i + 1].toInt());
        } else if (args[i] == QStringLiteral("--platforms")) {
            platforms = args[i + 1].split(u',', Qt::SkipEmptyParts);
        }
    }
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString& name :
         {QStringLiteral("orvalen_startup_bare"), QStringLiteral("orvalen_startup_probe")}) {
        if (!QFile::exists(dir + u'/' + name)) {
            std::fprintf(stderr, "bench_startup: %s is missing beside this program\n",
                         qPrintable(name));
            return 1;
        }
    }
    std::printf("bench_startup: times from just before the spawn (QProcess::start)\n\n");
    for (const QString& platform : platforms) {
        runPlatform(platform, runs, dir);
    }
    return 0;
}
