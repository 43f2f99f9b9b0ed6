// The result graph window: the data each caller's chart is given, the 2-D and 3-D views with
// their buttons and focus, printing the window's picture, and the way back to the caller.

#include "core/programstate.h"
#include "mortgage/amortization.h"
#include "mortgage/mortgagecalc.h"
#include "mortgage/mortgagestate.h"
#include "platform/barchart.h"
#include "platform/twips.h"
#include "retirement/capitalreqdcalc.h"
#include "retirement/plan401kcalc.h"
#include "retirement/retirecalc.h"
#include "savings/findcompoundcalc.h"
#include "savings/savingscalc.h"
#include "shell/graphdata.h"
#include "shell/graphsall.h"
#include "shell/windowregistry.h"
#include "support/capturedprinter.h"
#include "support/modalresponder.h"
#include "support/mortgagefixtures.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

MortgageInputs mortgageDefaults(ScheduleRows calcMode) {
    return defaultMortgage(calcMode);
}

// A yearly result of `count` rows: column 1 the year, column 4 (and, for the savings
// planning, column 5) the value 1000 * year + 1; an extra row past the end holds 99.
void fillYearly(int count, int valueColumn) {
    ProgramState& p = program();
    p.ResultTable = Table(count + 3, 6);
    for (int i = 1; i <= count; ++i) {
        p.ResultTable.at(i, 1) = Cell(static_cast<double>(i));
        p.ResultTable.at(i, valueColumn) = Cell(Currency::fromWhole(1000 * i + 1));
    }
    p.ResultTable.at(count + 1, valueColumn) = Cell(99.0);
    p.ResultCount = static_cast<std::int16_t>(count);
}

void fillComparison(const QStringList& names) {
    ProgramState& p = program();
    p.GraphValues = CurrencyTable(24, 6);
    p.GraphLabels = BoundedTable<QString>(24, 1);
    for (int i = 1; i <= names.size(); ++i) {
        p.GraphLabels.at(i, 0) = names[i - 1];
        p.GraphValues.at(i, 5) = Currency::fromDouble(1.5 * i);
    }
    p.ResultCount = static_cast<std::int16_t>(names.size());
}

QList<double> chartValues(const BarChart& chart) {
    return {chart.values().begin(), chart.values().end()};
}

} // namespace

class TestGraphsAll : public QObject {
    Q_OBJECT
    GraphsAll* open();
    BarChart* chart() const { return m_window->findChild<BarChart*>(QStringLiteral("Graph1")); }
    QPushButton* button(const char* name) const {
        return m_window->findChild<QPushButton*>(QLatin1String(name));
    }
    GraphsAll* m_window = nullptr;
    // The main window's place: the graph window is a child window inside it.
    QWidget* m_host = nullptr;

private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void mortgageSchedule_data();
    void mortgageSchedule();
    void yearlyCallers_data();
    void yearlyCallers();
    void comparisons_data();
    void comparisons();
    void onePointDrawsTwo_data();
    void onePointDrawsTwo();
    void switchingViews_data();
    void switchingViews();
    void printing_data();
    void printing();
    void printingRedrawsTheViewOnShow();
    void exitShowsTheCaller_data();
    void exitShowsTheCaller();
    void missingTableShowsMessage3_data();
    void missingTableShowsMessage3();
};

void TestGraphsAll::init() {
    resetProgram();
    resetMortgage();
    windows().clear();
    m_host = new QWidget;
    m_host->resize(700, 500);
    m_host->show();
    m_host->activateWindow();
    QVERIFY2(QTest::qWaitForWindowActive(m_host), "the main window's place did not become active");
    windows().setParent(m_host);
    windows().add(WindowId::GraphsAll, [](QWidget* parent) { return new GraphsAll(parent); });
    // Every caller as its calculator registers it (the calculators' windows are not needed).
    for (const CalculatorDescriptor& calculator :
         {MortgageCalc::descriptor(), SavingsCalc::descriptor(), FindCompoundCalc::descriptor(),
          Plan401KCalc::descriptor(), RetireCalc::descriptor(), CapitalReqdCalc::descriptor()}) {
        for (const CalculatorGraph& graph : calculator.graphs) {
            registerGraphCaller(graph.code,
                                {.window = calculator.info.window, .series = graph.series});
        }
    }
    program().GraphTitle = QStringLiteral("Results");
    m_window = nullptr;
}

void TestGraphsAll::cleanup() {
    windows().unload(WindowId::GraphsAll);
    windows().clear();
    clearGraphCallers();
    modal::clearResponders();
    windows().setParent(nullptr);
    delete m_host;
    m_host = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

GraphsAll* TestGraphsAll::open() {
    m_window = qobject_cast<GraphsAll*>(windows().open(WindowId::GraphsAll));
    return m_window;
}

void TestGraphsAll::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("Sav2D") << "Sav2D"
                           << "Show Graph in &2D" << true << false;
    QTest::newRow("ThreeDee") << "ThreeDee"
                              << "Show Graph in &3D" << true << true;
    QTest::newRow("Ptr") << "Ptr"
                         << "&To Printer" << true << true;
    QTest::newRow("ExitBut") << "ExitBut"
                             << "E&xit to Menu" << true << true;
    QTest::newRow("Oned") << "Oned"
                          << "&Gain/Loss %" << false << true;
    QTest::newRow("Pie2d") << "Pie2d"
                           << "&Value of each fund" << false << true;
}

void TestGraphsAll::controls() {
    QFETCH(QString, name);
    program().GraphCaller = static_cast<GraphCallerCode>(7);
    fillYearly(3, 4);
    QVERIFY(open() != nullptr);
    auto* b = m_window->findChild<QPushButton*>(name);
    QVERIFY(b != nullptr);
    QTEST(b->text(), "caption");
    QTEST(b->isVisible(), "visible");
    QTEST(b->isEnabled(), "enabled");
    QCOMPARE(m_window->size(), twipsSize(9550, 6450));
    QCOMPARE(m_window->pos(), twipsPoint(-60, -30));
    QVERIFY(chart() != nullptr);
    auto* label = m_window->findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), QString());
}

void TestGraphsAll::mortgageSchedule_data() {
    QTest::addColumn<int>("calcMode");
    QTest::addColumn<int>("prePayment"); // added in year 2
    QTest::addColumn<int>("points");
    QTest::newRow("annual rows") << 1 << 0 << 25;
    QTest::newRow("every payment") << 2 << 0 << 25;
    QTest::newRow("annual rows, paid off early") << 1 << 5000 << 21;
    QTest::newRow("every payment, paid off early") << 2 << 5000 << 21;
}

void TestGraphsAll::mortgageSchedule() {
    QFETCH(int, calcMode);
    QFETCH(int, prePayment);
    QFETCH(int, points);
    program().MortgageMode = MortgageModeFlag::Mortgage;
    loadMortgageTables();
    program().CalcMode = static_cast<std::int16_t>(calcMode);
    MortgageInputs in = mortgageDefaults(static_cast<ScheduleRows>(calcMode));
    if (prePayment != 0) {
        in.PrePayments.at(2, 2) = Currency::fromWhole(prePayment);
        in.PrePayCount = 1;
    }
    const MortgageResult result = calculatedMortgage(in);
    program().ResultCount = result.ResultCount;
    program().GraphCaller = GraphCallerCode::Mortgage;

    // The year-end balances, from the annual rows of the same schedule.
    std::vector<double> yearEnd;
    {
        MortgageInputs annual = in;
        annual.CalcMode = ScheduleRows::Annual;
        calculatedMortgage(annual);
        for (int k = 1; k < points; ++k) {
            yearEnd.push_back(program().ResultTable.at(k, 4).toCurrency().toDouble());
        }
        calculatedMortgage(in);
    }

    QVERIFY(open() != nullptr);
    BarChart* c = chart();
    QCOMPARE(c->numPoints(), points);
    QCOMPARE(c->value(1), 100000.0);
    for (int k = 1; k < points; ++k) {
        QCOMPARE(c->value(k + 1), yearEnd[static_cast<std::size_t>(k - 1)]);
    }
    for (int k = 1; k <= points; ++k) {
        QCOMPARE(c->label(k), QString::number(k));
    }
    QVERIFY(c->value(points) > 0.0);
    QCOMPARE(c->legendTexts(), QStringList(points, QString()));
    QCOMPARE(c->graphTitle(), QStringLiteral("Mortgage balance at start of each Year"));
    QCOMPARE(m_window->chartKind(), std::int16_t(3));
    // The calculator's count is left for its report.
    QCOMPARE(program().ResultCount, result.ResultCount);
}

void TestGraphsAll::yearlyCallers_data() {
    QTest::addColumn<int>("caller");
    QTest::addColumn<int>("calcMode");
    QTest::addColumn<int>("sourceColumn");
    QTest::addColumn<QList<double>>("values");
    QTest::newRow("1 savings planning") << 1 << 1 << 5 << QList<double>{1001, 2001, 3001, 4001};
    QTest::newRow("2 retirement, end of year")
        << 2 << 0 << 4 << QList<double>{1001, 2001, 3001, 4001};
    QTest::newRow("3 retirement, start of year")
        << 3 << 0 << 4 << QList<double>{250000, 1001, 2001, 3001};
    QTest::newRow("5 capital required") << 5 << 0 << 4 << QList<double>{1001, 2001, 3001, 4001};
    QTest::newRow("7 401(k)") << 7 << 0 << 4 << QList<double>{1001, 2001, 3001, 4001};
}

void TestGraphsAll::yearlyCallers() {
    QFETCH(int, caller);
    QFETCH(int, calcMode);
    QFETCH(int, sourceColumn);
    QFETCH(QList<double>, values);
    program().GraphCaller = static_cast<GraphCallerCode>(caller);
    program().CalcMode = static_cast<std::int16_t>(calcMode);
    program().EntryValues = BoundedArray<Currency>(4);
    program().EntryValues[1] = Currency::fromWhole(250000);
    fillYearly(4, sourceColumn);

    QVERIFY(open() != nullptr);
    BarChart* c = chart();
    QCOMPARE(c->numPoints(), 4);
    QCOMPARE(chartValues(*c), values);
    QCOMPARE(c->labels(), (QStringList{"1", "2", "3", "4"}));
    QCOMPARE(c->leftTitle(), QString());
    QCOMPARE(c->graphType(), 3);
    QCOMPARE(c->drawnType(), 3);
    QCOMPARE(m_window->chartKind(), std::int16_t(3));
    // The prepared column stays in the table: the start-of-year chart moved every value down
    // a row, so row 5 holds the last year's.
    if (caller == 3) {
        QCOMPARE(program().ResultTable.at(5, 5).toDouble(), 4001.0);
    } else if (caller != 1) {
        QCOMPARE(program().ResultTable.at(4, 5).toDouble(), 4001.0);
        QCOMPARE(program().ResultTable.at(5, 5).toDouble(), 0.0);
    }
}

void TestGraphsAll::comparisons_data() {
    QTest::addColumn<int>("caller");
    QTest::addColumn<int>("calcMode");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("axisTitle");
    QTest::newRow("savings comparison") << 1 << 2 << "$"
                                        << "Value $";
    QTest::newRow("savings comparison, own currency") << 1 << 2 << "€"
                                                      << "Value €";
    QTest::newRow("compound growth") << 6 << 0 << "$"
                                     << "Gain %";
}

void TestGraphsAll::comparisons() {
    QFETCH(int, caller);
    QFETCH(int, calcMode);
    QFETCH(QString, symbol);
    program().GraphCaller = static_cast<GraphCallerCode>(caller);
    program().CalcMode = static_cast<std::int16_t>(calcMode);
    program().CurrencySymbol = symbol;
    const QStringList names{"Growth Fund", "Bond Index", "Money Market"};
    fillComparison(names);

    QVERIFY(open() != nullptr);
    BarChart* c = chart();
    QTEST(c->leftTitle(), "axisTitle");
    QCOMPARE(c->legendTexts(), names);
    QCOMPARE(chartValues(*c), (QList<double>{1.5, 3.0, 4.5}));
    QCOMPARE(c->labels(), QStringList(3, QString()));
    QCOMPARE(c->graphTitle(), QStringLiteral("Results"));
    QCOMPARE(m_window->chartKind(), std::int16_t(6));
    QCOMPARE(c->drawnType(), 3);
}

void TestGraphsAll::onePointDrawsTwo_data() {
    QTest::addColumn<int>("caller");
    QTest::addColumn<bool>("secondRowFilled");
    QTest::addColumn<double>("second");
    QTest::newRow("yearly, row 2 empty") << 1 << false << 0.0;
    QTest::newRow("yearly, row 2 holds a value") << 1 << true << 99.0;
    QTest::newRow("comparison, row 2 empty") << 6 << false << 0.0;
}

void TestGraphsAll::onePointDrawsTwo() {
    QFETCH(int, caller);
    QFETCH(bool, secondRowFilled);
    program().GraphCaller = static_cast<GraphCallerCode>(caller);
    if (caller == 6) {
        fillComparison({"Only"});
    } else {
        setCalcMode(ScheduleRows::Annual);
        fillYearly(1, 5);
        if (!secondRowFilled) {
            program().ResultTable.at(2, 5) = Cell();
        }
    }
    QVERIFY(open() != nullptr);
    BarChart* c = chart();
    QCOMPARE(c->numPoints(), 2);
    QCOMPARE(c->value(1), caller == 6 ? 1.5 : 1001.0);
    QTEST(c->value(2), "second");
    QCOMPARE(c->label(2), QString());
    QCOMPARE(c->legendText(2), QString());
}

void TestGraphsAll::switchingViews_data() {
    QTest::addColumn<int>("caller");
    QTest::addColumn<int>("kind2D");
    QTest::addColumn<int>("kind3D");
    QTest::newRow("yearly") << 2 << 3 << 5;
    QTest::newRow("savings comparison") << 1 << 6 << 7;
    QTest::newRow("compound growth") << 6 << 6 << 7;
}

void TestGraphsAll::switchingViews() {
    QFETCH(int, caller);
    QFETCH(int, kind2D);
    QFETCH(int, kind3D);
    program().GraphCaller = static_cast<GraphCallerCode>(caller);
    if (caller == 2) {
        fillYearly(25, 4);
    } else {
        setCalcMode(ScheduleRows::EveryPayment);
        fillComparison({"a", "b", "c", "d"});
    }
    QVERIFY(open() != nullptr);
    BarChart* c = chart();
    QPushButton* sav2D = button("Sav2D");
    QPushButton* threeDee = button("ThreeDee");
    const QList<double> values = chartValues(*c);
    const QStringList labels = c->labels();
    const QStringList legend = c->legendTexts();
    const int builds = c->buildCount();

    QCOMPARE(m_window->chartKind(), std::int16_t(kind2D));
    QCOMPARE(QApplication::focusWidget(), threeDee);
    QVERIFY(!sav2D->isEnabled());

    QTest::mouseClick(threeDee, Qt::LeftButton);
    QCOMPARE(m_window->chartKind(), std::int16_t(kind3D));
    QCOMPARE(c->drawnType(), 4);
    QVERIFY(sav2D->isEnabled());
    QVERIFY(sav2D->isVisible());
    QVERIFY(!threeDee->isEnabled());
    QCOMPARE(QApplication::focusWidget(), sav2D);
    // The 3-D view redraws the chart's data as they are.
    QCOMPARE(c->buildCount(), builds);
    QVERIFY(!button("Oned")->isVisible());

    // The accelerator of the 2-D button brings back the flat chart, built anew from the
    // tables: the same data.
    QTest::keyClick(m_host->windowHandle(), Qt::Key_2, Qt::AltModifier);
    QTRY_COMPARE(m_window->chartKind(), std::int16_t(kind2D));
    QCOMPARE(c->drawnType(), 3);
    QCOMPARE(c->buildCount(), builds + 1);
    QCOMPARE(chartValues(*c), values);
    QCOMPARE(c->labels(), labels);
    QCOMPARE(c->legendTexts(), legend);
    QVERIFY(!sav2D->isEnabled());
    QVERIFY(threeDee->isEnabled());
    QCOMPARE(QApplication::focusWidget(), threeDee);
    QVERIFY(!button("Oned")->isVisible());
    QVERIFY(!button("Pie2d")->isVisible());

    if (caller == 6) {
        m_window->Compare3D();
        QCOMPARE(m_window->chartKind(), std::int16_t(7));
        QCOMPARE(c->drawnType(), 4);
        m_window->Compare2D();
        QCOMPARE(m_window->chartKind(), std::int16_t(6));
        QCOMPARE(c->drawnType(), 3);
    }
}

void TestGraphsAll::printing_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second"); // empty: not asked
    QTest::addColumn<int>("pictures");
    QTest::addColumn<int>("printStyle");
    QTest::newRow("declined") << "AllNo"
                              << "" << 0 << 0;
    QTest::newRow("closed by the close box") << ""
                                             << "" << 0 << 0;
    QTest::newRow("in colour") << "AllYes"
                               << "AllYes" << 1 << 1;
    QTest::newRow("in monochrome") << "AllYes"
                                   << "AllNo" << 1 << 0;
}

void TestGraphsAll::printing() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, pictures);
    QFETCH(int, printStyle);
    program().GraphCaller = static_cast<GraphCallerCode>(2);
    fillYearly(10, 4);
    QVERIFY(open() != nullptr);

    ModalGuard guard;
    CapturedPrinter captured;
    if (first.isEmpty()) {
        respondClose();
    } else {
        respondClick(first);
    }
    if (!second.isEmpty()) {
        respondClick(second);
    }
    QTest::mouseClick(button("Ptr"), Qt::LeftButton);
    QCOMPARE(guard.pending(), 0);
    QCOMPARE(shownDialogs().front().labels, QStringList{" Continue with Printout."});
    QCOMPARE(captured.printer().windowPictures(), pictures);
    QCOMPARE(captured.opened(), pictures);
    if (pictures == 0) {
        QCOMPARE(static_cast<int>(shownDialogs().size()), 1);
        return;
    }
    QCOMPARE(shownDialogs().back().labels, QStringList{" Print in Color."});
    QCOMPARE(captured.documentNames(), QStringList{"Graph"});
    QVERIFY(captured.printer().ended());
    QCOMPARE(chart()->printStyle(), printStyle);

    // One picture of the whole window at its printing size, in the chosen print style: the
    // chart's bars are coloured only in a colour printout.
    const QImage picture = captured.printer().lastPicture();
    QCOMPARE(picture.size(), twipsSize(9530, 5900));
    const QRect chartArea = chart()->geometry().adjusted(0, 0, 0, -60);
    int coloured = 0;
    for (int y = chartArea.top(); y < chartArea.bottom(); ++y) {
        for (int x = chartArea.left(); x < chartArea.right(); ++x) {
            const QColor p = picture.pixelColor(x, y);
            coloured += p.saturation() > 80 && p.value() > 60 ? 1 : 0;
        }
    }
    QCOMPARE(coloured > 1000, printStyle == 1);

    // Afterwards: the window's own size and place, the colour flag down, the chart on
    // screen again.
    QCOMPARE(m_window->size(), twipsSize(9550, 6450));
    QCOMPARE(m_window->pos(), twipsPoint(-60, -30));
    QCOMPARE(m_window->printInColour(), std::int16_t(0));
    QVERIFY(!chart()->printView());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void TestGraphsAll::printingRedrawsTheViewOnShow() {
    program().GraphCaller = static_cast<GraphCallerCode>(6);
    fillComparison({"a", "b"});
    QVERIFY(open() != nullptr);
    QTest::mouseClick(button("ThreeDee"), Qt::LeftButton);
    const int builds = chart()->buildCount();

    ModalGuard guard;
    CapturedPrinter captured;
    respondClick(QStringLiteral("AllYes"));
    respondClick(QStringLiteral("AllYes"));
    QTest::mouseClick(button("Ptr"), Qt::LeftButton);
    QCOMPARE(captured.printer().windowPictures(), 1);
    QCOMPARE(m_window->chartKind(), std::int16_t(7));
    QCOMPARE(chart()->drawnType(), 4);
    QCOMPARE(chart()->buildCount(), builds);
    QCOMPARE(chart()->printStyle(), 1);
    QCOMPARE(QApplication::focusWidget(), button("Sav2D"));
}

void TestGraphsAll::exitShowsTheCaller_data() {
    QTest::addColumn<int>("caller");
    QTest::addColumn<int>("window");
    QTest::newRow("1 savings") << 1 << int(WindowId::SavingsCalc);
    QTest::newRow("2 retirement") << 2 << int(WindowId::RetireCalc);
    QTest::newRow("3 retirement, start of year") << 3 << int(WindowId::RetireCalc);
    QTest::newRow("4 mortgage") << 4 << int(WindowId::MortgageCalc);
    QTest::newRow("5 capital required") << 5 << int(WindowId::CapitalReqdCalc);
    QTest::newRow("6 compound growth") << 6 << int(WindowId::FindCompoundCalc);
    QTest::newRow("7 401(k)") << 7 << int(WindowId::Plan401KCalc);
}

void TestGraphsAll::exitShowsTheCaller() {
    QFETCH(int, caller);
    QFETCH(int, window);
    const auto id = static_cast<WindowId>(window);
    int loads = 0;
    windows().add(id, [&loads](QWidget* parent) {
        ++loads;
        auto* w = new QWidget(parent);
        w->setObjectName(QStringLiteral("Caller"));
        return w;
    });
    // The calculator is loaded and hidden while the graph shows.
    QWidget* calculator = windows().open(id);
    calculator->hide();

    program().GraphCaller = static_cast<GraphCallerCode>(caller);
    program().MortgageMode = MortgageModeFlag::Mortgage;
    loadMortgageTables();
    setCalcMode(ScheduleRows::Annual);
    if (caller == 4) {
        program().ResultCount =
            calculatedMortgage(mortgageDefaults(ScheduleRows::Annual)).ResultCount;
    } else if (caller == 6) {
        fillComparison({"a", "b"});
    } else {
        fillYearly(3, caller == 1 ? 5 : 4);
    }
    const std::int16_t count = program().ResultCount;
    QVERIFY(open() != nullptr);
    QPointer<GraphsAll> graph = m_window;

    QTest::mouseClick(button("ExitBut"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(graph.isNull());
    QCOMPARE(windows().loaded(WindowId::GraphsAll), nullptr);
    QCOMPARE(windows().loaded(id), calculator);
    QVERIFY(calculator->isVisible());
    QCOMPARE(loads, 1);
    QCOMPARE(program().ResultCount, count);
    QCOMPARE(program().GraphCaller, static_cast<GraphCallerCode>(caller));
    windows().unload(id);
}

void TestGraphsAll::missingTableShowsMessage3_data() {
    QTest::addColumn<int>("caller");
    QTest::newRow("yearly chart without its result table") << 2;
    QTest::newRow("start-of-year chart without its result table") << 3;
    QTest::newRow("comparison without its graph tables") << 6;
}

void TestGraphsAll::missingTableShowsMessage3() {
    // A caller that left no table: the drawing stops with the message and the window stays
    // open, with its exit.
    QFETCH(int, caller);
    program().GraphCaller = static_cast<GraphCallerCode>(caller);
    program().ResultCount = 5;
    ModalGuard guard;
    respondClick(QStringLiteral("AMsgExit"));
    QVERIFY(open() != nullptr);
    QCOMPARE(guard.pending(), 0);
    QCOMPARE(shownDialogs().size(), std::size_t(1));
    QCOMPARE(shownDialogs().front().objectName, QStringLiteral("AMsgbox"));
    QVERIFY(m_window->isVisible());
    QVERIFY(button("ExitBut")->isEnabled());
    QTest::mouseClick(button("ExitBut"), Qt::LeftButton);
    QCOMPARE(windows().loaded(WindowId::GraphsAll), nullptr);
}

QTEST_MAIN(TestGraphsAll)
#include "tst_graphsall.moc"
