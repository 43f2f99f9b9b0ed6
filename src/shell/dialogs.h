#pragma once
// Calling the three shared dialog windows. Each sets the program-wide protocol values
// (MessageNumber, QuestionCode, FileDialogMode, ChosenPath), shows the window modally through
// runModal() and reads the answer back, so callers and tests see the same values the windows
// use.

#include <QString>
#include <cstdint>

// Shows message `number` of the message table in AMsgbox; `detail` and `detail2` become
// MessageDetail and MessageDetail2 for the messages that insert them.
void showMessage(std::int16_t number, const QString& detail = {}, const QString& detail2 = {});

// Asks question `code` (1 to 3) in AllYesNo. True only when the answer was "&Yes".
bool askQuestion(std::int16_t code);

// Runs the file dialog of `mode` (odd = open, even = save) with ChosenPath as the default
// name, through FileDir. Returns the chosen path, or an empty text when cancelled (then
// FileDialogMode is 9).
QString chooseFile(std::int16_t mode);

// The message table and question table texts.
QString messageText(std::int16_t number);
QString questionText(std::int16_t code);
