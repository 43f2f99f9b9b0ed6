// Graphs leaving the program, as a user takes them: the chart's context menu in the result
// graph and the trend graph, opened by the mouse, the Menu key and Shift+F10; the picture on
// the clipboard, and saved as PNG (twice the chart's size) or SVG (vectors), flat or with depth.

#include "core/programstate.h"
#include "platform/barchart.h"
#include "platform/filedialogs.h"
#include "platform/modal.h"
#include "shell/mdicontainer.h"
#include "support/contextmenus.h"
#include "support/filesizelimit.h"
#include "support/modalresponder.h"
#include "support/trendwindowfixture.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

class TestGraphExport : public QObject, public TrendWindowFixture {
    Q_OBJECT

    // The graph of the default mortgage, opened from its calculator.
    BarChart* mortgageGraph() {
        if (!open("Canadian", WindowId::MortgageCalc)) {
            return nullptr;
        }
        click("MCalc");
        click("MGraphs");
        QWidget* graph = switchTo(WindowId::GraphsAll);
        return graph ? graph->findChild<BarChart*>(QStringLiteral("Graph1")) : nullptr;
    }

    // Opens the chart's menu with the mouse and chooses the item `text`.
    static bool choose(BarChart& chart, const QString& text) {
        return openContextMenu(chart, MenuWay::Mouse, text, chart.rect().center())
            .items.contains(text);
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    // The result graph of a mortgage: both items, by the mouse, the Menu key and Shift+F10.
    void menuOfTheResultGraph() {
        BarChart* chart = mortgageGraph();
        QVERIFY(chart);
        const QStringList items{"Copy &Image", "Save &Image..."};
        QCOMPARE(openContextMenu(*chart, MenuWay::Mouse, {}, chart->rect().center()).items, items);
        // The Menu key and Shift+F10 on a button of the window open the chart's menu.
        QPushButton* exitButton = button("ExitBut");
        exitButton->setFocus();
        QCOMPARE(openContextMenu(*exitButton, MenuWay::MenuKey, {}, QPoint(5, 5)).items, items);
        QCOMPARE(openContextMenu(*exitButton, MenuWay::ShiftF10).items, items);
        QCOMPARE(modal::pendingResponders(), 0);
    }

    // The picture is the chart as shown, at twice its size on the screen.
    void copiedPicture() {
        BarChart* chart = mortgageGraph();
        QVERIFY(chart);
        QGuiApplication::clipboard()->clear();
        QVERIFY(choose(*chart, QStringLiteral("Copy &Image")));
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), chart->size() * 2);
        QCOMPARE(QColor(copied.pixel(2, 2)), QColor(Qt::white));
    }

    void savedPictures_data() {
        QTest::addColumn<bool>("depth");
        QTest::addColumn<QString>("name");
        QTest::newRow("flat, PNG") << false << "balance.png";
        QTest::newRow("with depth, PNG") << true << "balance.png";
        QTest::newRow("flat, SVG") << false << "balance.svg";
        QTest::newRow("with depth, SVG") << true << "balance.SVG";
    }

    void savedPictures() {
        QFETCH(bool, depth);
        QFETCH(QString, name);
        BarChart* chart = mortgageGraph();
        QVERIFY(chart);
        if (depth) {
            click("ThreeDee");
            QCOMPARE(chart->drawnType(), int(BarChart::Bars3D));
        }
        const QString path = dir().filePath(name);
        FileDialogs::setNextAnswer(path);
        QVERIFY(choose(*chart, QStringLiteral("Save &Image...")));
        QCOMPARE(FileDialogs::lastDefaultName(),
                 QStringLiteral("Mortgage balance at start of each Year.png"));
        QCOMPARE(FileDialogs::lastFilter(),
                 QStringLiteral("PNG Image (*.png)|*.png|SVG Image (*.svg)|*.svg"));
        QCOMPARE(mainWindow()->statusBar()->currentMessage(),
                 QStringLiteral("Saved to %1").arg(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (name.endsWith(QStringLiteral(".png"))) {
            QImage saved;
            QVERIFY(saved.loadFromData(bytes, "PNG"));
            QCOMPARE(saved.size(), chart->size() * 2);
            // What the user sees, drawn anew: the same picture.
            QImage shown = chart->picture(2);
            shown.setDevicePixelRatio(1);
            QCOMPARE(saved.convertToFormat(QImage::Format_ARGB32),
                     shown.convertToFormat(QImage::Format_ARGB32));
        } else {
            QVERIFY(bytes.contains("<svg"));
            QVERIFY(bytes.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"")
                                       .arg(chart->width())
                                       .arg(chart->height())
                                       .toUtf8()));
            // Vectors: the bars are shapes and the titles text, no embedded picture of them.
            QVERIFY(bytes.count("<rect") + bytes.count("<path") + bytes.count("<polygon") > 25);
            QVERIFY(bytes.contains("Mortgage balance at start of each Year"));
            QVERIFY(!bytes.contains("<image"));
        }
    }

    // A full disk says so and leaves the old file; Cancel saves nothing.
    void failedAndCancelledSaves() {
        BarChart* chart = mortgageGraph();
        QVERIFY(chart);
        FileDialogs::setNextAnswer(std::nullopt);
        QVERIFY(choose(*chart, QStringLiteral("Save &Image...")));
        QCOMPARE(shownDialogs().size(), std::size_t(0));

        QVERIFY(dir().write(QStringLiteral("old.png"), "kept"));
        FileDialogs::setNextAnswer(dir().filePath(QStringLiteral("old.png")));
        QString shown;
        respondWith([&shown](QDialog& d) {
            shown = d.findChild<QPlainTextEdit*>(QStringLiteral("TextMsg"))->toPlainText();
        });
        {
            FileSizeLimit full(100);
            QVERIFY(choose(*chart, QStringLiteral("Save &Image...")));
        }
        QCOMPARE(shown, QStringLiteral("File not saved. Check Filename and/or Directory."));
        QFile old(dir().filePath(QStringLiteral("old.png")));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("kept"));
    }

    // The trend graph of the sample database saves under the database's title.
    void trendGraph() {
        QVERIFY(openModule());
        openFile(sampleCopy());
        click("ShowTGraph");
        QWidget* graph = switchTo(WindowId::TrendGraph);
        QVERIFY(graph);
        auto* chart = graph->findChild<BarChart*>(QStringLiteral("Graph1"));
        const QString path = dir().filePath(QStringLiteral("trend.png"));
        FileDialogs::setNextAnswer(path);
        QVERIFY(choose(*chart, QStringLiteral("Save &Image...")));
        QCOMPARE(FileDialogs::lastDefaultName(), chart->graphTitle() + QStringLiteral(".png"));
        QImage saved;
        QVERIFY(saved.load(path));
        QCOMPARE(saved.size(), chart->size() * 2);
    }
};

QTEST_MAIN(TestGraphExport)
#include "tst_graphexport.moc"
