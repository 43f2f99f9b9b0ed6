// The trend graph as a user sees it: opened from the module menu and from the averages window,
// its pages of 26 records with the oldest on the left, "&Back" and "&Forward" with their beeps
// and focus, the single-record page, flat and deep bars, the printout, and the way back.

#include "platform/barchart.h"
#include "platform/beep.h"
#include "platform/textprinter.h"
#include "platform/twips.h"
#include "shell/mdicontainer.h"
#include "support/capturedprinter.h"
#include "support/modalresponder.h"
#include "support/trendwindowfixture.h"
#include "trend/trendgraph.h"
#include "trend/trendstate.h"

#include <QApplication>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

namespace {

// The label of record `r` of a numbered database: its date as d-m-yy.
QString dateLabel(int r) {
    return QDate(2001, 3, 16).addDays(-7LL * (r - 1)).toString(QStringLiteral("d-M-yy"));
}

// The bars of records `oldest` down to `newest`, as "label=value" texts.
QStringList bars(int oldest, int newest) {
    QStringList texts;
    for (int r = oldest; r >= newest; --r) {
        texts << dateLabel(r) + u'=' + QString::number(r);
    }
    return texts;
}

} // namespace

class TestTrendGraph : public QObject, public TrendWindowFixture {
    Q_OBJECT
    void openGraph(int records) {
        openModule();
        openFile(database(QStringLiteral("Graph.orv"), numberedDatabase(records)));
        click("ShowTGraph");
        QVERIFY(!shown(WindowId::Trendmenu));
        switchTo(WindowId::TrendGraph);
    }
    BarChart* chart() const { return window()->findChild<BarChart*>("Graph1"); }
    QStringList shownBars() const {
        QStringList texts;
        const BarChart* g = chart();
        for (int p = 1; p <= g->numPoints(); ++p) {
            texts << g->label(p) + u'=' + QString::number(g->value(p));
        }
        return texts;
    }

    int m_beeps = 0;

private slots:
    void init() {
        start();
        m_beeps = 0;
        platform::setBeepHandler([this] { ++m_beeps; });
    }
    void cleanup() {
        platform::setBeepHandler({});
        stop();
    }

    void pagesOf30Records() {
        openGraph(30);
        QCOMPARE(mainWindow()->windowTitle(), QStringLiteral(" Quantrel Graphs"));
        QCOMPARE(chart()->graphTitle(), QStringLiteral("Numbered"));
        QCOMPARE(shownBars(), bars(26, 1));
        QVERIFY(!button("Forward")->isEnabled());
        QVERIFY(button("Prev")->isEnabled());
        QVERIFY(!button("Oned")->isEnabled());
        QVERIFY(button("ThreeD")->isEnabled());

        click("Prev");
        QCOMPARE(shownBars(), bars(30, 27));
        QVERIFY(button("Forward")->isEnabled());
        click("Prev");
        QCOMPARE(m_beeps, 1);
        QVERIFY(!button("Prev")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(button("Forward")));
        QCOMPARE(shownBars(), bars(30, 27));

        click("Forward");
        QCOMPARE(shownBars(), bars(26, 1));
        click("Forward");
        QCOMPARE(m_beeps, 2);
        QVERIFY(!button("Forward")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(button("Prev")));
    }

    // The last page of one record is drawn as two bars: an empty one, then the record.
    void pagesOf27Records() {
        openGraph(27);
        click("Prev");
        QCOMPARE(shownBars(), (QStringList{QStringLiteral("=0"), dateLabel(27) + "=27"}));
        click("Forward");
        QCOMPARE(shownBars(), bars(26, 1));
    }

    void singleRecord() {
        openGraph(1);
        QCOMPARE(shownBars(), (QStringList{dateLabel(1) + "=1", QStringLiteral("=0")}));
        QVERIFY(!button("Forward")->isEnabled());
        QVERIFY(!button("Prev")->isEnabled());
        QCOMPARE(qobject_cast<TrendGraph*>(window())->chartKind(), 0);
    }

    void flatAndDeep() {
        openGraph(30);
        click("ThreeD");
        QCOMPARE(chart()->drawnType(), int(BarChart::Bars3D));
        QVERIFY(!button("ThreeD")->isEnabled());
        QVERIFY(button("Oned")->isEnabled());
        // Paging keeps the depth.
        click("Prev");
        QCOMPARE(shownBars(), bars(30, 27));
        QCOMPARE(chart()->drawnType(), int(BarChart::Bars3D));
        click("Oned");
        QCOMPARE(chart()->drawnType(), int(BarChart::Bars2D));
    }

    void printTheGraph() {
        openGraph(30);
        QWidget* w = window();
        const QSize size = w->size();
        CapturedPrinter captured;
        respondClick(QStringLiteral("AllNo"));
        click("Ptr");
        QCOMPARE(captured.printer().windowPictures(), 0);

        respondClick(QStringLiteral("AllYes"));
        respondClick(QStringLiteral("AllYes"));
        click("Ptr");
        QCOMPARE(shownDialogs().back().labels.value(0), QStringLiteral(" Print in Color."));
        QCOMPARE(captured.printer().windowPictures(), 1);
        const QImage picture = captured.printer().lastPicture();
        QCOMPARE(picture.size() / picture.devicePixelRatio(), twipsSize(9530, 5900));
        QCOMPARE(w->size(), size);
        QVERIFY(!chart()->printView());

        // A picture that does not reach the printer: no message, the status bar says so.
        captured.printer().failDocuments(true);
        respondClick(QStringLiteral("AllYes"));
        respondClick(QStringLiteral("AllNo"));
        click("Ptr");
        QCOMPARE(captured.printer().windowPictures(), 2);
        QCOMPARE(mainWindow()->statusBar()->currentMessage(),
                 QStringLiteral("Trend Graph was not printed."));
        QCOMPARE(w->size(), size);
    }

    void backToTheMenu() {
        openGraph(3);
        click("ExitBut");
        QCOMPARE(windows().loaded(WindowId::TrendGraph), nullptr);
        QVERIFY(shown(WindowId::Trendmenu));
        QCOMPARE(mainWindow()->windowTitle(), QStringLiteral("  Orvalen Menu"));
        QCOMPARE(int(trend().GraphOrigin), 0);
    }

    void backToTheAverages() {
        openModule();
        openFile(database(QStringLiteral("Three.orv"), numberedDatabase(3)));
        click("ShowRatios");
        switchTo(WindowId::Averatios);
        click("Graphshow");
        QVERIFY(!shown(WindowId::Averatios));
        switchTo(WindowId::TrendGraph);
        QCOMPARE(shownBars(), bars(3, 1));
        click("ExitBut");
        QVERIFY(shown(WindowId::Averatios));
        QCOMPARE(mainWindow()->windowTitle(), QStringLiteral("  Averages and Ratios"));
    }
};

QTEST_MAIN(TestTrendGraph)
#include "tst_trendgraph.moc"
