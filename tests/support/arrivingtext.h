#pragma once
// Puts text into a text box by the ways other than typing it, for the tests of the text-box
// protocol: "paste" (Ctrl+V), "drop" (drag and drop), "input method" (a committed string) and
// "unfocused change" (an accessibility action or a test robot setting the text of a box that
// does not have the focus). The first three give the box the focus and put the text at its end.

#include <QString>

class QLineEdit;

void putArrivingText(QLineEdit* box, const QString& path, const QString& text);

// The paths above, for the rows of a data-driven test.
inline const char* const ArrivalPaths[] = {"paste", "drop", "input method", "unfocused change"};
