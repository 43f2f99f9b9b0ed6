#include "platform/grid.h"

#include "core/runtimefailure.h"
#include "platform/twips.h"

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QVBoxLayout>
#include <string>

// The grid's texts. Model row r is program row r + 1; program row 0 is the horizontal header.
// Cells live in one flat row-major vector so that block writes cost one pass and one signal.
class GridModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : m_rows;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : m_cols;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) {
            return {};
        }
        if (role == Qt::DisplayRole) {
            return cell(index.row(), index.column());
        }
        if (role == Qt::TextAlignmentRole) {
            return QVariant::fromValue(m_alignments.at(static_cast<size_t>(index.column())) |
                                       Qt::AlignVCenter);
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= m_cols) {
            return {};
        }
        if (role == Qt::DisplayRole) {
            // The headings are padded with blanks to break them in the right places; here
            // they are centred and wrapped to the column, so the padding is left out.
            return m_headings.at(section).simplified();
        }
        if (role == Qt::TextAlignmentRole) {
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
        }
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    void resize(int rows, int cols) {
        if (cols != m_cols) {
            beginResetModel();
            std::vector<QString> cells(static_cast<size_t>(rows) * static_cast<size_t>(cols));
            for (int r = 0; r < std::min(rows, m_rows); ++r) {
                for (int c = 0; c < std::min(cols, m_cols); ++c) {
                    cells[offset(r, c, cols)] = std::move(m_cells[offset(r, c, m_cols)]);
                }
            }
            m_cells = std::move(cells);
            m_rows = rows;
            m_cols = cols;
            m_headings.resize(cols);
            m_alignments.resize(static_cast<size_t>(cols), Qt::AlignLeft);
            endResetModel();
            return;
        }
        if (rows > m_rows) {
            beginInsertRows({}, m_rows, rows - 1);
            m_cells.resize(static_cast<size_t>(rows) * static_cast<size_t>(m_cols));
            m_rows = rows;
            endInsertRows();
        } else if (rows < m_rows) {
            beginRemoveRows({}, rows, m_rows - 1);
            m_cells.resize(static_cast<size_t>(rows) * static_cast<size_t>(m_cols));
            m_rows = rows;
            endRemoveRows();
        }
    }

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }

    const QString& cell(int r, int c) const { return m_cells[offset(r, c, m_cols)]; }
    QString& cellRef(int r, int c) { return m_cells[offset(r, c, m_cols)]; }

    const QString& heading(int c) const { return m_headings.at(c); }
    void setHeading(int c, const QString& text) {
        m_headings[c] = text;
        emit headerDataChanged(Qt::Horizontal, c, c);
    }
    void setHeadings(int firstCol, int lastCol, const QString& text) {
        for (int c = firstCol; c <= lastCol; ++c) {
            m_headings[c] = text;
        }
        emit headerDataChanged(Qt::Horizontal, firstCol, lastCol);
    }

    void setAlignment(int c, Qt::Alignment alignment) {
        m_alignments[static_cast<size_t>(c)] = alignment & Qt::AlignHorizontal_Mask;
        if (m_rows > 0) {
            emit dataChanged(index(0, c), index(m_rows - 1, c), {Qt::TextAlignmentRole});
        }
    }

    // Model rows first..last and columns firstCol..lastCol were written.
    void blockChanged(int first, int firstCol, int last, int lastCol) {
        if (first <= last && firstCol <= lastCol) {
            emit dataChanged(index(first, firstCol), index(last, lastCol), {Qt::DisplayRole});
        }
    }

private:
    static size_t offset(int r, int c, int cols) {
        return static_cast<size_t>(r) * static_cast<size_t>(cols) + static_cast<size_t>(c);
    }

    int m_rows = 0;
    int m_cols = 0;
    std::vector<QString> m_cells;
    QStringList m_headings;
    std::vector<Qt::Alignment> m_alignments;
};

namespace {

// The default column width, before a window widens a column (750 twips).
constexpr int DefaultColumnWidthPx = 50;

[[noreturn]] void outOfRange(const char* what, int row, int col) {
    throw RunTimeFailure(std::string("grid ") + what + " out of range: row " + std::to_string(row) +
                         ", column " + std::to_string(col));
}

} // namespace

Grid::Grid(QWidget* parent)
    : QWidget(parent), m_model(new GridModel(this)), m_view(new QTableView(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusProxy(m_view);

    m_view->setModel(m_model);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A block of cells can be selected (shift and a click or an arrow, or a drag) to be copied.
    m_view->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    // Tab leaves the grid for the window's next control.
    m_view->setTabKeyNavigation(false);
    m_view->setWordWrap(false);
    m_view->setShowGrid(true);
    m_view->setCornerButtonEnabled(false);

    QHeaderView* heading = m_view->horizontalHeader();
    heading->setSectionsClickable(false);
    heading->setHighlightSections(false);
    heading->setSectionResizeMode(QHeaderView::Interactive);
    heading->setDefaultSectionSize(DefaultColumnWidthPx);
    heading->setMinimumSectionSize(8);
    heading->setStretchLastSection(false);

    QHeaderView* rowHeader = m_view->verticalHeader();
    rowHeader->hide();
    rowHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowHeader->setMinimumSectionSize(8);
    rowHeader->setDefaultSectionSize(m_view->fontMetrics().height() + 4);

    m_view->setStyleSheet(QStringLiteral(
        "QTableView { background-color: white; color: black; gridline-color: #a0a0a0;"
        " selection-background-color: #1f5fa8; selection-color: white; }"
        "QHeaderView::section { background-color: #d9d9d9; color: black; padding: 1px 2px;"
        " border: none; border-right: 1px solid #a0a0a0; border-bottom: 1px solid #a0a0a0; }"));

    m_view->installEventFilter(this);

    connect(m_view, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        emit cellClicked(index.row() + 1, index.column());
    });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                if (current.isValid()) {
                    emit currentCellChanged(current.row() + 1, current.column());
                }
            });
}

Grid::~Grid() = default;

void Grid::setRows(int rows) {
    if (rows < 1 || rows > MaxRows) {
        throw RunTimeFailure("grid row count out of range: " + std::to_string(rows));
    }
    m_model->resize(rows - 1, m_model->cols());
    placeCurrentIfNone();
}

int Grid::rows() const {
    return m_model->rows() + 1;
}

void Grid::setCols(int cols) {
    if (cols < 1 || cols > MaxCols) {
        throw RunTimeFailure("grid column count out of range: " + std::to_string(cols));
    }
    m_model->resize(m_model->rows(), cols);
    placeCurrentIfNone();
}

int Grid::cols() const {
    return m_model->cols();
}

void Grid::setHeadingHeight(int twipsHigh) {
    m_view->horizontalHeader()->setFixedHeight(std::max(1, twips(twipsHigh)));
}

void Grid::widenColumn(int col, int twipsWider) {
    checkColumn(col);
    m_view->setColumnWidth(col, std::max(1, DefaultColumnWidthPx + twips(twipsWider)));
}

int Grid::columnWidthTwips(int col) const {
    checkColumn(col);
    return toTwips(m_view->columnWidth(col));
}

void Grid::setColumnAlignment(int col, Qt::Alignment alignment) {
    checkColumn(col);
    m_model->setAlignment(col, alignment);
}

void Grid::setup(const GridSetup& setup) {
    setCols(setup.cols);
    setRows(setup.rows);
    setHeadingHeight(setup.headingTwips);
    for (int col = 0; col < setup.cols; ++col) {
        const auto c = static_cast<std::size_t>(col);
        widenColumn(col, c < setup.widenTwips.size() ? setup.widenTwips[c] : 0);
        if (c < setup.alignments.size()) {
            setColumnAlignment(col, setup.alignments[c]);
        }
        setText(0, col, setup.headings.value(col));
    }
}

void Grid::setText(int row, int col, const QString& text) {
    checkCell(row, col);
    if (row == 0) {
        m_model->setHeading(col, text);
        return;
    }
    m_model->cellRef(row - 1, col) = text;
    m_model->blockChanged(row - 1, col, row - 1, col);
    fitColumns(row - 1, row - 1, col, col);
}

QString Grid::text(int row, int col) const {
    checkCell(row, col);
    return row == 0 ? m_model->heading(col) : m_model->cell(row - 1, col);
}

void Grid::fillBlock(int firstRow, int firstCol, int lastRow, int lastCol, const QString& text) {
    checkCell(firstRow, firstCol);
    checkCell(lastRow, lastCol);
    if (firstRow > lastRow || firstCol > lastCol) {
        outOfRange("block", firstRow, firstCol);
    }
    if (firstRow == 0) {
        m_model->setHeadings(firstCol, lastCol, text);
        firstRow = 1;
    }
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstCol; c <= lastCol; ++c) {
            m_model->cellRef(r - 1, c) = text;
        }
    }
    m_model->blockChanged(firstRow - 1, firstCol, lastRow - 1, lastCol);
    fitColumns(firstRow - 1, firstRow - 1, firstCol, lastCol);
    selectFirstCell();
}

void Grid::clearData() {
    const QString empty;
    for (int r = 0; r < m_model->rows(); ++r) {
        for (int c = 0; c < m_model->cols(); ++c) {
            m_model->cellRef(r, c) = empty;
        }
    }
    m_model->blockChanged(0, 0, m_model->rows() - 1, m_model->cols() - 1);
    selectFirstCell();
}

void Grid::setRowTexts(int firstRow, const std::vector<QStringList>& rows) {
    if (rows.empty()) {
        return;
    }
    const int lastRow = firstRow + static_cast<int>(rows.size()) - 1;
    if (firstRow < 1 || lastRow >= this->rows()) {
        outOfRange("rows", firstRow < 1 ? firstRow : lastRow, 0);
    }
    int widest = 0;
    for (const QStringList& row : rows) {
        if (row.size() > m_model->cols()) {
            outOfRange("row texts", firstRow, static_cast<int>(row.size()) - 1);
        }
        widest = std::max(widest, static_cast<int>(row.size()));
    }
    int r = firstRow - 1;
    for (const QStringList& row : rows) {
        for (int c = 0; c < row.size(); ++c) {
            m_model->cellRef(r, c) = row.at(c);
        }
        ++r;
    }
    m_model->blockChanged(firstRow - 1, 0, lastRow - 1, widest - 1);
    fitColumns(firstRow - 1, lastRow - 1, 0, widest - 1);
}

std::vector<QStringList> Grid::filledRows() const {
    std::vector<QStringList> rows;
    QStringList heading;
    for (int c = 0; c < m_model->cols(); ++c) {
        heading << m_model->heading(c).simplified();
    }
    rows.push_back(heading);
    for (int r = 0; r < m_model->rows(); ++r) {
        QStringList row;
        bool filled = false;
        for (int c = 0; c < m_model->cols(); ++c) {
            row << m_model->cell(r, c);
            filled = filled || !m_model->cell(r, c).trimmed().isEmpty();
        }
        if (filled) {
            rows.push_back(row);
        }
    }
    return rows;
}

bool Grid::hasData() const {
    for (int r = 0; r < m_model->rows(); ++r) {
        for (int c = 0; c < m_model->cols(); ++c) {
            if (!m_model->cell(r, c).trimmed().isEmpty()) {
                return true;
            }
        }
    }
    return false;
}

std::vector<QStringList> Grid::selectedRows() const {
    const QModelIndexList selected = m_view->selectionModel()->selectedIndexes();
    int top = m_model->rows();
    int bottom = -1;
    int left = m_model->cols();
    int right = -1;
    for (const QModelIndex& index : selected) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    if (selected.isEmpty()) {
        const QModelIndex current = m_view->currentIndex();
        if (!current.isValid()) {
            return {};
        }
        top = bottom = current.row();
        left = right = current.column();
    }
    std::vector<QStringList> rows;
    for (int r = top; r <= bottom; ++r) {
        QStringList row;
        for (int c = left; c <= right; ++c) {
            row << m_model->cell(r, c);
        }
        rows.push_back(row);
    }
    return rows;
}

void Grid::setCurrentCell(int row, int col) {
    checkCell(row, col);
    if (row == 0) {
        // The heading row cannot be current in the view; nothing is current then.
        m_view->selectionModel()->clearCurrentIndex();
        m_view->clearSelection();
        return;
    }
    const QModelIndex index = m_model->index(row - 1, col);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
}

int Grid::currentRow() const {
    const QModelIndex index = m_view->currentIndex();
    return index.isValid() ? index.row() + 1 : 0;
}

int Grid::currentCol() const {
    const QModelIndex index = m_view->currentIndex();
    return index.isValid() ? index.column() : 0;
}

QTableView* Grid::view() const {
    return m_view;
}

bool Grid::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_view) {
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusIn) {
        emit gotFocus();
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    emit keyDown(key->key());
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Moving keys still move the current cell (or the focus).
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit keyPressed(QChar(u'\r'));
        return true;
    case Qt::Key_Backspace:
        emit keyPressed(QChar(u'\b'));
        return true;
    default:
        break;
    }
    const QString text = key->text();
    if (!text.isEmpty() && text.at(0).isPrint()) {
        emit keyPressed(text.at(0));
        // Taken here, so the view's type-ahead search never moves the current cell.
        return true;
    }
    return false;
}

void Grid::fitColumns(int first, int last, int firstCol, int lastCol) {
    QStyleOptionViewItem option;
    option.initFrom(m_view);
    option.font = m_view->font();
    option.features |= QStyleOptionViewItem::HasDisplay;
    QAbstractItemDelegate* delegate = m_view->itemDelegate();
    for (int c = firstCol; c <= lastCol; ++c) {
        // Only the longest texts are measured: a column of figures has its widest among them.
        qsizetype longest = 0;
        for (int r = first; r <= last; ++r) {
            longest = std::max(longest, m_model->cell(r, c).size());
        }
        if (longest == 0) {
            continue;
        }
        int needed = 0;
        for (int r = first; r <= last; ++r) {
            if (m_model->cell(r, c).size() + 1 >= longest) {
                needed = std::max(needed, delegate->sizeHint(option, m_model->index(r, c)).width());
            }
        }
        // One pixel for the grid line.
        if (needed + 1 > m_view->columnWidth(c)) {
            m_view->setColumnWidth(c, needed + 1);
        }
    }
}

void Grid::checkColumn(int col) const {
    if (col < 0 || col >= m_model->cols()) {
        outOfRange("column", 0, col);
    }
}

void Grid::checkCell(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col >= m_model->cols()) {
        outOfRange("cell", row, col);
    }
}

void Grid::selectFirstCell() {
    if (m_model->rows() > 0 && m_model->cols() > 0) {
        setCurrentCell(1, 0);
    }
}

void Grid::placeCurrentIfNone() {
    if (!m_view->currentIndex().isValid()) {
        selectFirstCell();
    }
}
