#pragma once
// Calling the three shared dialog windows. Each sets the program-wide protocol values
// (MessageNumber, QuestionCode, FileDialogMode, ChosenPath), shows the window modally through
// runModal() and reads the answer back, so callers and tests see the same values the windows
// use.

#include "core/messages.h"

#include <QString>
#include <cstdint>
#include <functional>

class QByteArray;
class QWidget;

// Shows `message` in AMsgbox; `detail` and `detail2` become MessageDetail and MessageDetail2 for
// the messages that insert them.
void showMessage(Message message, const QString& detail = {}, const QString& detail2 = {});

// Asks `question` in AllYesNo. True only when the answer was "&Yes".
bool askQuestion(Question question);

// Runs the file dialog of `mode` (odd = open, even = save) with ChosenPath as the default
// name, through FileDir. Returns the chosen path, or an empty text when cancelled (then
// FileDialogMode is 9).
QString chooseFile(std::int16_t mode);

// The steps every "save file" button takes around its own writing: the file dialog of `mode`
// offering `lastName`; `save` writes the chosen path under the busy pointer and returns false
// when the file could not be written, which shows `failMessage`. A saved file's name (without
// folder) becomes `lastName`. FileDialogMode and ChosenPath are reset at the end. Returns true
// when the file was saved.
bool saveThroughDialog(std::int16_t mode, QString& lastName,
                       const std::function<bool(const QString& path)>& save, Message failMessage);

// The same for an "open file" button: `open` reads the chosen path under the busy pointer and
// returns false when it could not (FileNotFound, "File not found or wrong format. ...", and
// `lastName` emptied); an opened file's name becomes `lastName`.
bool openThroughDialog(std::int16_t mode, QString& lastName,
                       const std::function<bool(const QString& path)>& open);

// The steps of saving what leaves the program (a CSV file, a picture): the save dialog with
// `filter`, offering `defaultName`; `bytes` makes the file's contents for the path chosen under
// the busy pointer, and the file is saved whole or not at all. An empty result, or a file that
// could not be written, shows "File not saved. ..." and leaves an old file as it was; a saved
// file is named in the status bar ("Saved to <path>"). Returns true when the file was saved.
bool saveExportThroughDialog(QWidget* dialogParent, const QString& defaultName,
                             const QString& filter,
                             const std::function<QByteArray(const QString& path)>& bytes);
