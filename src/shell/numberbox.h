#pragma once
// A yellow box that takes a number without being an entry field of EntryValues (the trend
// editor's earnings and data value, the record numbers of the trend module's windows). It
// follows the text-box protocol (textbox.h) with the key filters of the entry fields.

#include "shell/textbox.h"

class QLineEdit;

// The yellow of every box that takes a number (entry fields included), with black text.
void makeYellow(QWidget* box);

// A yellow input box, right-aligned, named `name`.
QLineEdit* yellowBox(const QString& name, QWidget* parent);

// Typed keys pass the whole-number filter, or the decimal filter with two places; a text that
// arrives other than by typing must be one the filter could have let in (a decimal box also
// takes its own display form, with thousands separators). The text reaches a file: no double
// quote or line break. The first key of an entry empties the box.
TextBox::Rules numberBoxRules(bool wholeNumber);
