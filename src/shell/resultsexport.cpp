#include "shell/resultsexport.h"

#include "core/programstate.h"
#include "core/tableexport.h"
#include "platform/clipboard.h"
#include "platform/grid.h"
#include "platform/modal.h"
#include "shell/dialogs.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>
#include <QTableView>

namespace {

const QString CsvFilter = QStringLiteral("CSV Files (*.csv)|*.csv");

std::vector<QStringList> plainRows(std::vector<QStringList> rows) {
    const QString& symbol = program().CurrencySymbol;
    for (QStringList& row : rows) {
        for (QString& cell : row) {
            cell = plainFigure(cell, symbol);
        }
    }
    return rows;
}

void showMenu(Grid& grid, const std::function<QString()>& csvName, const QPoint& viewportPos) {
    QTableView* view = grid.view();
    QMenu menu(view);
    QAction* copy = menu.addAction(QStringLiteral("&Copy"));
    copy->setShortcut(QKeySequence::Copy);
    QAction* copyAll = menu.addAction(QStringLiteral("Copy &All"));
    QAction* save = menu.addAction(QStringLiteral("&Save as CSV..."));
    const bool filled = grid.hasData();
    copy->setEnabled(!grid.selectedRows().empty());
    copyAll->setEnabled(filled);
    save->setEnabled(filled);
    QAction* chosen = runMenu(menu, view->viewport()->mapToGlobal(viewportPos));
    if (chosen == copy) {
        Clipboard::copyText(gridClipboardText(grid, false));
    } else if (chosen == copyAll) {
        Clipboard::copyText(gridClipboardText(grid, true));
    } else if (chosen == save) {
        saveGridAsCsv(grid, view->window(), csvName() + QStringLiteral(".csv"));
    }
}

// Where a menu opened from the keyboard stands: at the current cell, or the grid's corner.
QPoint keyboardMenuPlace(const QTableView* view) {
    const QModelIndex current = view->currentIndex();
    return current.isValid() ? view->visualRect(current).center() : QPoint(8, 8);
}

} // namespace

QString gridClipboardText(const Grid& grid, bool all) {
    return tabSeparated(plainRows(all ? grid.filledRows() : grid.selectedRows()));
}

bool saveGridAsCsv(const Grid& grid, QWidget* dialogParent, const QString& defaultName) {
    return saveExportThroughDialog(dialogParent, defaultName, CsvFilter, [&grid](const QString&) {
        return csvText(plainRows(grid.filledRows()));
    });
}

void offerResultsExport(Grid& grid, const std::function<QString()>& csvName) {
    QTableView* view = grid.view();
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    Grid* target = &grid;
    QObject::connect(view, &QWidget::customContextMenuRequested, view,
                     [target, csvName](const QPoint& pos) { showMenu(*target, csvName, pos); });
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), view);
    menuKey->setContext(Qt::WidgetShortcut);
    QObject::connect(menuKey, &QShortcut::activated, view, [target, csvName, view] {
        showMenu(*target, csvName, keyboardMenuPlace(view));
    });
    auto* copyKey = new QShortcut(QKeySequence::Copy, view);
    copyKey->setContext(Qt::WidgetShortcut);
    QObject::connect(copyKey, &QShortcut::activated, view,
                     [target] { Clipboard::copyText(gridClipboardText(*target, false)); });
}
