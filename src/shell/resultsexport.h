#pragma once
// Results leaving the program from a results grid: its context menu ("&Copy", "Copy &All",
// "&Save as CSV..."), opened by the right mouse button, the Menu key and Shift+F10, and Ctrl+C
// in the grid. A copy puts the rows on the clipboard with tabs between the cells, as
// spreadsheets paste them; a CSV file is saved whole or not at all, through the file dialog.
// Figures leave as plain numbers (core/tableexport.h).

#include <QString>
#include <functional>
#include <vector>

class Grid;
class QMenu;
class QWidget;

// Gives `grid` its menu and Ctrl+C. `csvName` gives the name the save dialog offers, without
// its extension ("Mortgage"); it is asked each time, as a window's name follows its mode.
void offerResultsExport(Grid& grid, const std::function<QString()>& csvName);

// The menu's steps, which the menu and Ctrl+C run.
// The selected cells, or the heading row and every filled row, as the clipboard gets them.
QString gridClipboardText(const Grid& grid, bool all);
// Saves the heading row and every filled row as CSV through the save dialog, offering
// `defaultName`. Returns false when nothing was saved (cancelled, or the file could not be
// written: then "File not saved. ..." is shown and an old file stays as it was).
bool saveGridAsCsv(const Grid& grid, QWidget* dialogParent, const QString& defaultName);
