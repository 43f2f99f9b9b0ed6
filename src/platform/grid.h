#pragma once
// The results grid: rows of texts with a fixed heading row. Row 0 is the heading row; rows
// 1.. hold data. Cells hold texts only: numbers are formatted by the program before they are
// written. The grid never edits its cells itself; windows that edit build the entry key by key
// from its key signals.

#include "core/gridsetup.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QWidget>
#include <vector>

class QTableView;
class GridModel;

class Grid : public QWidget {
    Q_OBJECT
public:
    // More rows than this is a run-time failure of the caller.
    static constexpr int MaxRows = 16000;
    static constexpr int MaxCols = 256;

    explicit Grid(QWidget* parent = nullptr);
    ~Grid() override;

    // Counts include the heading row. Raises RunTimeFailure beyond MaxRows or below 1 row (or
    // beyond MaxCols or below 1 column). Texts of the rows and columns kept stay; when the
    // column count changes, column widths and alignments go back to their defaults.
    void setRows(int rows);
    int rows() const;
    void setCols(int cols);
    int cols() const;

    void setHeadingHeight(int twips);
    // Column widths are the grid's default width plus a number of twips. A column widens by
    // itself where a text written into it would not show whole.
    void widenColumn(int col, int twips);
    int columnWidthTwips(int col) const;

    void setColumnAlignment(int col, Qt::Alignment alignment);

    // Columns, rows, heading height, widths, alignments and headings in one step.
    void setup(const GridSetup& setup);
    // setRowTexts() of a block.
    void setBlock(const GridBlock& block) { setRowTexts(block.firstRow, block.rows); }

    // Row 0 is the heading. Out-of-range cells raise RunTimeFailure.
    void setText(int row, int col, const QString& text);
    QString text(int row, int col) const;
    // Sets one text in every cell of the block, then puts the selection back on row 1, col 0.
    void fillBlock(int firstRow, int firstCol, int lastRow, int lastCol, const QString& text);
    // Empties every data cell (rows 1..last) and puts the selection on row 1, col 0.
    void clearData();
    // Writes the data rows from `firstRow` on in one step (each inner list is one row, from
    // column 0; cells right of a shorter list keep their texts). A row past the last, or a list
    // longer than the column count, raises RunTimeFailure and writes nothing.
    void setRowTexts(int firstRow, const std::vector<QStringList>& rows);

    // The rows as the results leave the program: the heading row (each heading on one line)
    // and every data row with a text in it, in order.
    std::vector<QStringList> filledRows() const;
    // Whether a data row holds a text.
    bool hasData() const;
    // The selected cells, row by row: the block from the first selected row and column to the
    // last. The current cell alone when the selection is empty; nothing without a current cell.
    std::vector<QStringList> selectedRows() const;

    // Row 0 cannot be current: it leaves no cell current, and currentRow() then reads 0.
    void setCurrentCell(int row, int col);
    int currentRow() const;
    int currentCol() const;

    QTableView* view() const;

signals:
    void cellClicked(int row, int col);
    void currentCellChanged(int row, int col);
    void gotFocus();
    // A character key typed in the grid (Enter arrives as '\r', Backspace as '\b').
    void keyPressed(QChar key);
    // A key pressed, with its Qt key code (Delete is Qt::Key_Delete).
    void keyDown(int qtKey);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Widens columns firstCol..lastCol where a text of rows first..last (model rows) would not
    // show whole; a column never narrows here.
    void fitColumns(int first, int last, int firstCol, int lastCol);
    void checkColumn(int col) const;
    void checkCell(int row, int col) const;
    void selectFirstCell();
    void placeCurrentIfNone();

    GridModel* m_model;
    QTableView* m_view;
};
