// The Quantrel module's heavy steps on the largest database a file holds (1,000 records), each
// against its goal:
//   (a) opening the file and computing the averages: the model alone, and the averages window
//       showing them (offscreen);
//   (b) opening the file with its records out of order, sorting it and filling the editor's
//       grid through the real window;
//   (c) one page of the trend graph: the 26 bars given to the chart and drawn, alone and as the
//       user sees it, laid out and painted.

#include "benchtiming.h"
#include "core/programstate.h"
#include "trend/averatios.h"
#include "trend/dbase.h"
#include "trend/trendanalysis.h"
#include "trend/trendfile.h"
#include "trend/trendgraph.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>
#include <cstdio>

namespace {

// 1,000 weekly records with five years of earnings. Shuffled: each record's line keeps its
// number, but the dates run in a scrambled order the sort must undo.
QByteArray database(bool shuffled) {
    QByteArray bytes = "1000,5,\"Bench Fund\",10\r\n2000,1.85\r\n1999,1.62\r\n1998,1.48\r\n"
                       "1997,1.31\r\n1996,1.22\r\n";
    for (int r = 1; r <= 1000; ++r) {
        const int week = shuffled ? (r * 389) % 1000 : r - 1;
        const QDate date = QDate(2001, 3, 16).addDays(-7LL * week);
        bytes += QByteArray::number(r) + ",#" + date.toString(Qt::ISODate).toLatin1() + "#," +
                 QByteArray::number(10.0 + (r * 37) % 1000 / 100.0) + "\r\n";
    }
    return bytes;
}

QString write(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    QString path = dir.filePath(QLatin1String(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }
    return path;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString sorted = write(dir, "Sorted.orv", database(false));
    const QString shuffled = write(dir, "Shuffled.orv", database(true));

    resetProgram();
    resetTrend();
    loadTrendMenu();
    std::printf("bench_trend: the Quantrel module on 1,000 records, in milliseconds per call\n");
    printRowHeading();

    AveratiosUpdate results;
    const Timing model = timeEach(200, 5, [&] {
        openTrendDatabase(sorted);
        results = AveratiosUpdate();
        ComputeTrendResults(results);
    });
    printRow(
        "(a) open + averages, model", model, "< 20 ms", 20,
        QStringLiteral("A2 %1, verdict %2")
            .arg(results.text(QStringLiteral("Label11")), results.text(QStringLiteral("Label16"))));

    Averatios ratios;
    ratios.show();
    const Timing window = timeEach(100, 3, [&] {
        openTrendDatabase(sorted);
        ratios.refresh();
    });
    printRow("(a) open + averages, shown in the window", window, "< 20 ms", 20,
             QStringLiteral("AN %1").arg(ratios.findChild<QLabel*>("Label53")->text()));

    Dbase editor;
    editor.show();
    const Timing edit = timeEach(50, 2, [&] {
        openTrendDatabase(shuffled);
        SortTrendRecords();
        editor.refresh();
    });
    printRow(
        "(b) open shuffled + sort + editor's grid", edit, "< 30 ms", 30,
        QStringLiteral("record 1 %1").arg(shownRecordDate(trend().TrendRecords.at(1, RecordDate))));

    openTrendDatabase(sorted);
    TrendGraph graph;
    graph.show();
    // Painting starts once the window is exposed.
    for (int i = 0; i < 200 && !(graph.windowHandle() && graph.windowHandle()->isExposed()); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QPushButton* back = graph.findChild<QPushButton*>("Prev");
    QPushButton* forward = graph.findChild<QPushButton*>("Forward");
    bool older = true;
    const auto turn = [&] {
        // Back and forth between the first two pages: every press draws a page of 26 bars.
        (older ? back : forward)->click();
        older = !older;
    };
    const Timing page = timeEach(200, 4, turn);
    printRow("(c) trend graph page", page, "< 20 ms", 20,
             QStringLiteral("records %1..%2").arg(graph.page().start).arg(graph.page().end));
    // As the user sees it: the events that follow (the chart's layout, the items of the
    // previous drawing deleted) and the window painted.
    const Timing painted = timeEach(100, 4, [&] {
        turn();
        QCoreApplication::processEvents();
        graph.repaint();
    });
    printRow("(c) trend graph page, laid out and painted", painted, "< 20 ms", 20,
             QStringLiteral("records %1..%2").arg(graph.page().start).arg(graph.page().end));
    return 0;
}
