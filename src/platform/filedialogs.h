#pragma once
// The platform's open and save file dialogs. A filter is given in the program's form, a
// description and a pattern separated by a vertical bar ("Mortgage Database (*.umd)|*.umd").
// Tests queue the answers instead of showing a dialog.

#include <QString>
#include <optional>

class QWidget;

namespace FileDialogs {

// Return the full path chosen, or an empty text when cancelled. A name typed in the save dialog
// without an extension gets the filter's (withDefaultSuffix()).
QString open(QWidget* parent, const QString& defaultName, const QString& filter);
QString save(QWidget* parent, const QString& defaultName, const QString& filter);

// The extension of the filter's first pattern ("umd" of "Mortgage Database (*.umd)|*.umd");
// empty when that pattern names none.
QString defaultSuffix(const QString& filter);
// `path` with the filter's extension added when its file name has none ("mine" becomes
// "mine.umd"), as desktop save dialogs add it; a name with a point of its own ("my.house")
// stays as typed.
QString withDefaultSuffix(const QString& path, const QString& filter);

// The program's filter in Qt's form: "Mortgage Database (*.umd)". Pairs follow each other
// ("A (*.a)|*.a|B|*.b"); patterns of one pair are separated by semicolons.
QString toQtFilter(const QString& filter);

// Tests: the next dialog answers this path (std::nullopt = Cancel) without showing anything.
// Answers queue up, one per dialog, in order.
void setNextAnswer(std::optional<QString> path);
void clearAnswers();
int pendingAnswers();
// Tests: the default name and filter the last dialog was given.
QString lastDefaultName();
QString lastFilter();

} // namespace FileDialogs
