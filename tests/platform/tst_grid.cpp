#include "core/runtimefailure.h"
#include "platform/grid.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

class TestGrid : public QObject {
    Q_OBJECT
    Grid* m_grid = nullptr;

private slots:
    void init();
    void cleanup();
    void countsIncludeTheHeadingRow();
    void badCounts_data();
    void badCounts();
    void headingRowIsTheHeader();
    void cellsOutsideTheGrid_data();
    void cellsOutsideTheGrid();
    void resizingKeepsTexts();
    void fillBlockIsOneChange();
    void clearDataKeepsHeadings();
    void setRowTexts();
    void setRowTextsRefusesRowsPastTheEnd();
    void widthsAndHeights();
    void columnsWidenToTheirTexts();
    void rowsLeavingTheGrid();
    void alignments();
    void keys_data();
    void keys();
    void arrowsMoveTheCurrentCell();
    void clickAndFocus();
};

void TestGrid::init() {
    m_grid = new Grid;
    m_grid->setCols(3);
    m_grid->setRows(5);
    m_grid->resize(400, 300);
}

void TestGrid::cleanup() {
    delete m_grid;
    m_grid = nullptr;
}

void TestGrid::countsIncludeTheHeadingRow() {
    QCOMPARE(m_grid->rows(), 5);
    QCOMPARE(m_grid->cols(), 3);
    QCOMPARE(m_grid->view()->model()->rowCount(), 4);
    QVERIFY(m_grid->view()->verticalHeader()->isHidden());
    QCOMPARE(m_grid->currentRow(), 1);
    QCOMPARE(m_grid->currentCol(), 0);
    m_grid->setRows(1);
    QCOMPARE(m_grid->rows(), 1);
    QCOMPARE(m_grid->currentRow(), 0);
    m_grid->setRows(Grid::MaxRows);
    QCOMPARE(m_grid->rows(), Grid::MaxRows);
}

void TestGrid::badCounts_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::newRow("no rows at all") << 0 << 3;
    QTest::newRow("negative rows") << -2 << 3;
    QTest::newRow("one row past the limit") << Grid::MaxRows + 1 << 3;
    QTest::newRow("no columns") << 5 << 0;
}

void TestGrid::badCounts() {
    QFETCH(int, rows);
    QFETCH(int, cols);
    m_grid->setText(2, 1, "kept");
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, {
        m_grid->setRows(rows);
        m_grid->setCols(cols);
    });
    QCOMPARE(m_grid->text(2, 1), QStringLiteral("kept"));
}

void TestGrid::headingRowIsTheHeader() {
    m_grid->setText(0, 1, "      Interest/Growth      Compounded");
    m_grid->setText(1, 1, "1,000.00");
    const QAbstractItemModel* model = m_grid->view()->model();
    QCOMPARE(m_grid->text(0, 1), QStringLiteral("      Interest/Growth      Compounded"));
    // Shown centred and wrapped, without the padding blanks.
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("Interest/Growth Compounded"));
    const auto align =
        model->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>();
    QCOMPARE(align & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(model->data(model->index(0, 1)).toString(), QStringLiteral("1,000.00"));
}

void TestGrid::cellsOutsideTheGrid_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("row past the last") << 5 << 0;
    QTest::newRow("negative row") << -1 << 0;
    QTest::newRow("column past the last") << 1 << 3;
    QTest::newRow("negative column") << 1 << -1;
}

void TestGrid::cellsOutsideTheGrid() {
    QFETCH(int, row);
    QFETCH(int, col);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, m_grid->setText(row, col, "x"));
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, m_grid->text(row, col));
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, m_grid->setCurrentCell(row, col));
}

void TestGrid::resizingKeepsTexts() {
    m_grid->setText(0, 0, "Year");
    m_grid->setText(2, 1, "b");
    m_grid->setText(4, 2, "last");
    m_grid->setRows(10);
    QCOMPARE(m_grid->text(2, 1), QStringLiteral("b"));
    QCOMPARE(m_grid->text(9, 2), QString());
    m_grid->setCols(5);
    QCOMPARE(m_grid->text(0, 0), QStringLiteral("Year"));
    QCOMPARE(m_grid->text(2, 1), QStringLiteral("b"));
    QCOMPARE(m_grid->text(4, 2), QStringLiteral("last"));
    m_grid->setRows(3);
    m_grid->setRows(6);
    QCOMPARE(m_grid->text(4, 2), QString());
}

void TestGrid::fillBlockIsOneChange() {
    m_grid->setRowTexts(1, {{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}});
    m_grid->setCurrentCell(3, 2);
    QSignalSpy changes(m_grid->view()->model(), &QAbstractItemModel::dataChanged);
    m_grid->fillBlock(1, 1, 3, 2, "-");
    QCOMPARE(changes.count(), 1);
    QCOMPARE(m_grid->text(1, 0), QStringLiteral("a"));
    QCOMPARE(m_grid->text(1, 1), QStringLiteral("-"));
    QCOMPARE(m_grid->text(3, 2), QStringLiteral("-"));
    QCOMPARE(m_grid->text(4, 1), QString());
    QCOMPARE(m_grid->currentRow(), 1);
    QCOMPARE(m_grid->currentCol(), 0);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, m_grid->fillBlock(1, 0, 5, 2, ""));
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, m_grid->fillBlock(3, 0, 1, 2, ""));
}

void TestGrid::clearDataKeepsHeadings() {
    m_grid->setText(0, 0, "Year");
    m_grid->setRowTexts(1, {{"1", "2", "3"}, {"4", "5", "6"}, {}, {"x"}});
    m_grid->setCurrentCell(4, 2);
    QSignalSpy changes(m_grid->view()->model(), &QAbstractItemModel::dataChanged);
    m_grid->clearData();
    QCOMPARE(changes.count(), 1);
    for (int r = 1; r < m_grid->rows(); ++r) {
        for (int c = 0; c < m_grid->cols(); ++c) {
            QCOMPARE(m_grid->text(r, c), QString());
        }
    }
    QCOMPARE(m_grid->text(0, 0), QStringLiteral("Year"));
    QCOMPARE(m_grid->currentRow(), 1);
    QCOMPARE(m_grid->currentCol(), 0);
}

void TestGrid::setRowTexts() {
    m_grid->setRows(2101);
    m_grid->setCols(6);
    std::vector<QStringList> rows;
    for (int r = 1; r <= 2100; ++r) {
        rows.push_back({QString::number(r), "b", "c", "d", "e", QString::number(-r)});
    }
    QSignalSpy changes(m_grid->view()->model(), &QAbstractItemModel::dataChanged);
    m_grid->setRowTexts(1, rows);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(m_grid->text(1, 0), QStringLiteral("1"));
    QCOMPARE(m_grid->text(2100, 5), QStringLiteral("-2100"));
    // A shorter row writes only its own cells.
    m_grid->setRowTexts(5, {{"new"}});
    QCOMPARE(m_grid->text(5, 0), QStringLiteral("new"));
    QCOMPARE(m_grid->text(5, 1), QStringLiteral("b"));
}

void TestGrid::setRowTextsRefusesRowsPastTheEnd() {
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure,
                             m_grid->setRowTexts(3, {{"a"}, {"b"}, {"c"}})); // rows 3..5 of 0..4
    QCOMPARE(m_grid->text(3, 0), QString());
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, m_grid->setRowTexts(1, {{"a", "b", "c", "d"}}));
    QCOMPARE(m_grid->text(1, 0), QString());
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, m_grid->setRowTexts(0, {{"heading"}}));
}

void TestGrid::widthsAndHeights() {
    const int base = m_grid->columnWidthTwips(0);
    QVERIFY(base > 0);
    m_grid->widenColumn(1, 450);
    QCOMPARE(m_grid->columnWidthTwips(1), base + 450);
    m_grid->widenColumn(1, 300); // from the default again, not cumulative
    QCOMPARE(m_grid->columnWidthTwips(1), base + 300);
    m_grid->setHeadingHeight(500);
    QCOMPARE(m_grid->view()->horizontalHeader()->height(), 500 / 15);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, m_grid->widenColumn(3, 100));
}

// A text wider than its column widens the column, whichever way it is written; a shorter one
// never narrows it, and the next setup gives the column its own width again.
void TestGrid::columnsWidenToTheirTexts() {
    m_grid->setCols(3);
    m_grid->setRows(4);
    const int base = m_grid->view()->columnWidth(0);
    const QString wide = QStringLiteral("EU1,234,567,890,123.45");
    const int needed = m_grid->view()->fontMetrics().horizontalAdvance(wide);
    m_grid->setRowTexts(1, {{QStringLiteral("1"), wide}});
    QCOMPARE(m_grid->view()->columnWidth(0), base);
    QVERIFY(m_grid->view()->columnWidth(1) > needed);
    m_grid->setText(2, 2, wide);
    QVERIFY(m_grid->view()->columnWidth(2) > needed);
    const int widened = m_grid->view()->columnWidth(2);
    m_grid->setText(3, 2, QStringLiteral("1.00"));
    QCOMPARE(m_grid->view()->columnWidth(2), widened);
    m_grid->fillBlock(1, 0, 3, 0, wide);
    QVERIFY(m_grid->view()->columnWidth(0) > needed);
    m_grid->setup({.cols = 3,
                   .rows = 4,
                   .headingTwips = 300,
                   .widenTwips = {},
                   .alignments = {},
                   .headings = {}});
    QCOMPARE(m_grid->view()->columnWidth(2), base);
}

// The heading row on one line each, and only the rows with a text; a selected block, or the
// current cell alone.
void TestGrid::rowsLeavingTheGrid() {
    m_grid->setup({.cols = 3,
                   .rows = 6,
                   .headingTwips = 300,
                   .widenTwips = {},
                   .alignments = {},
                   .headings = {" Year  Number", "   Total       Invested", ""}});
    QVERIFY(!m_grid->hasData());
    QCOMPARE(m_grid->filledRows(),
             (std::vector<QStringList>{{"Year Number", "Total Invested", ""}}));
    m_grid->setRowTexts(1,
                        {{"1", "10.00", ""}, {"", "", ""}, {"", "", " "}, {"Total:", "", "$9.00"}});
    QVERIFY(m_grid->hasData());
    QCOMPARE(m_grid->filledRows().size(), std::size_t(3));
    QCOMPARE(m_grid->filledRows().back(), (QStringList{"Total:", "", "$9.00"}));
    m_grid->setCurrentCell(4, 2);
    m_grid->view()->clearSelection();
    QCOMPARE(m_grid->selectedRows(), (std::vector<QStringList>{{"$9.00"}}));
    m_grid->setCurrentCell(1, 0);
    QTest::keyClick(m_grid->view(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(m_grid->view(), Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(m_grid->selectedRows(), (std::vector<QStringList>{{"1", "10.00"}, {"", ""}}));
}

void TestGrid::alignments() {
    m_grid->setColumnAlignment(0, Qt::AlignCenter);
    m_grid->setColumnAlignment(2, Qt::AlignRight);
    const QAbstractItemModel* model = m_grid->view()->model();
    auto alignment = [&](int col) {
        return model->data(model->index(0, col), Qt::TextAlignmentRole).value<Qt::Alignment>() &
               Qt::AlignHorizontal_Mask;
    };
    QCOMPARE(alignment(0), Qt::AlignHCenter);
    QCOMPARE(alignment(1), Qt::AlignLeft);
    QCOMPARE(alignment(2), Qt::AlignRight);
}

void TestGrid::keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pressed"); // empty = no key-press signal
    QTest::newRow("digit") << int(Qt::Key_5) << "5"
                           << "5";
    QTest::newRow("decimal point") << int(Qt::Key_Period) << "."
                                   << ".";
    QTest::newRow("letter") << int(Qt::Key_A) << "a"
                            << "a";
    QTest::newRow("double quote") << int(Qt::Key_QuoteDbl) << "\""
                                  << "\"";
    QTest::newRow("Enter") << int(Qt::Key_Return) << "\r"
                           << "\r";
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << "\r"
                                  << "\r";
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "\b"
                               << "\b";
    QTest::newRow("Delete") << int(Qt::Key_Delete) << "\x7f"
                            << "";
    QTest::newRow("F1") << int(Qt::Key_F1) << ""
                        << "";
}

void TestGrid::keys() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, pressed);
    m_grid->setRowTexts(1, {{"1"}, {"2"}, {"5"}, {"a"}});
    m_grid->setCurrentCell(1, 1);
    QSignalSpy downs(m_grid, &Grid::keyDown);
    QSignalSpy presses(m_grid, &Grid::keyPressed);
    QSignalSpy moves(m_grid, &Grid::currentCellChanged);
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(m_grid->view(), &event);
    QCOMPARE(downs.count(), 1);
    QCOMPARE(downs.at(0).at(0).toInt(), key);
    QCOMPARE(presses.count(), pressed.isEmpty() ? 0 : 1);
    if (!pressed.isEmpty()) {
        QCOMPARE(presses.at(0).at(0).value<QChar>(), pressed.at(0));
    }
    // Typing never moves the current cell (no type-ahead search).
    QCOMPARE(moves.count(), 0);
    QCOMPARE(m_grid->currentRow(), 1);
    QCOMPARE(m_grid->currentCol(), 1);
}

void TestGrid::arrowsMoveTheCurrentCell() {
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid));
    m_grid->setCurrentCell(1, 0);
    QSignalSpy moves(m_grid, &Grid::currentCellChanged);
    QSignalSpy downs(m_grid, &Grid::keyDown);
    QSignalSpy presses(m_grid, &Grid::keyPressed);
    QTest::keyClick(m_grid->view(), Qt::Key_Down);
    QTest::keyClick(m_grid->view(), Qt::Key_Right);
    QCOMPARE(moves.count(), 2);
    QCOMPARE(moves.at(1), (QList<QVariant>{2, 1}));
    QCOMPARE(m_grid->currentRow(), 2);
    QCOMPARE(m_grid->currentCol(), 1);
    QCOMPARE(downs.count(), 2);
    QCOMPARE(presses.count(), 0);
    QCOMPARE(m_grid->view()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void TestGrid::clickAndFocus() {
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid));
    QSignalSpy clicks(m_grid, &Grid::cellClicked);
    QSignalSpy focus(m_grid, &Grid::gotFocus);
    QTableView* view = m_grid->view();
    const QRect cell = view->visualRect(view->model()->index(2, 1)); // program row 3
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0), (QList<QVariant>{3, 1}));
    QCOMPARE(m_grid->currentRow(), 3);
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(view, &in);
    QVERIFY(focus.count() >= 1);
}

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
