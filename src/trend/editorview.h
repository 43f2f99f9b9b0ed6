#pragma once
// What the database editor (Dbase) shows and how its boxes take keys and store their text:
// the title, the earnings factor, the five earnings rows, the entry row and the grid of
// records. The window writes these texts; it does no arithmetic of its own.

#include "core/gridsetup.h"
#include "core/messages.h"
#include "trend/trendanalysis.h"

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// What a key does in a box. A refused key, and a key that empties the box, sound the beep.
enum class KeyVerdict { Accept, Refuse, EmptyBox };

// DBName: every key but the double quote (the title is written to files in quotes).
KeyVerdict titleKey(int keyCode);
// TEFName: digits only; Backspace empties the whole box.
KeyVerdict factorKey(int keyCode);
// InDate: digits, ".", "-", "/" and Backspace.
KeyVerdict dateKey(int keyCode);

// What the boxes store counts as a change of the database (TrendModified 1) when it differs
// from what was there.

// Leaving DBName: DatabaseTitle becomes the text without any double quote (a pasted one);
// returns the text the box shows.
QString commitTitle(const QString& text);
// Leaving a year or earnings box of row 1..5 after an entry: the field of EarningsTable
// becomes the number read from the text; returns the text shown ("####", "###,,###.00", an
// empty box for no earnings). Raises RunTimeFailure, keeping the field, for a number beyond
// a double.
QString commitEarningsYear(int row, const QString& text);
QString commitEarnings(int row, const QString& text);
// The earnings box's text for `earnings`: "###,,###.00", empty for none (0).
QString earningsText(double earnings);

// The factor a text of TEFName stands for; nothing when a single cannot hold it.
std::optional<float> factorOf(const QString& text);
// Leaving TEFName after an entry: EarningsFactor becomes the number typed; returns the text
// shown. Raises RunTimeFailure, keeping the factor, for a number a single cannot hold.
QString commitFactor(const QString& text);

// Leaving InDate: a date the program accepts is shown in short-date form; anything else
// resets the box to the proposed date with WrongDateEntry.
struct DateCommit {
    QString text;
    Message message = Message::None;
};
DateCommit commitDateText(const QString& text);

// The date a typed text stands for, when it is one the program accepts for a record.
std::optional<QDate> enteredDate(const QString& text);

// The header boxes: DBName, TEFName and the five year and earnings boxes, from memory.
struct EditorHeader {
    QString title;
    QString factor;
    std::array<QString, 5> years;
    std::array<QString, 5> earnings;
};
EditorHeader editorHeader();

// Grid8: 3 columns, RecordCount + 24 rows, widths grown by 280, 910 and 880 twips.
GridSetup editorGridSetup(int recordCount);

// ProposeNextDate: NextDate becomes the date of record 1 plus 7 days, or today when there is
// no record (or its date cannot be read).
QDate ProposeNextDate();

// RefreshEditor: the header boxes, the entry row (InNew "New", InDate the proposed date,
// InValue empty) and the grid (the records renumbered; number "####" in 6, date in short-date
// form, value "####,,###.00" in 13).
struct EditorView {
    EditorHeader header;
    QString inNew;
    QString inDate;
    QString inValue;
    GridSetup grid;
    GridBlock rows;
};
// Fills `view` in that order. A record that cannot be shown ends the grid there: RunTimeFailure,
// with `view` holding everything before that record, so the window shows the grid as far as it
// goes.
void RefreshEditor(EditorView& view);
EditorView RefreshEditor();

// The window's fixed captions and button captions, by control name, and its main window
// caption.
std::vector<LabelText> editorCaptions();
QString editorWindowCaption();

// The instructions shown in HelpText, built when the window loads: paragraphs followed by an
// empty line, the date example being today's date in short-date form.
QString editorHelpText();
