#pragma once
// The database editor's actions (Dbase): adding a record from the entry row, correcting,
// inserting and deleting records chosen by number, packing the earnings rows, "&Delete All",
// "&Ratios" and leaving. Each action changes the database in memory and returns what the
// window shows next; the window shows the outcome's message, if any, through the message
// window.

#include "core/messages.h"

#include <QString>
#include <cstdint>
#include <optional>

enum class EditorFocus { None, InValue, InDate, Grid };

struct EditorOutcome {
    Message message = Message::None;
    QString detail; // MessageDetail of DateAfterLastRecord and 19
    // Show RefreshEditor() (header, grid and entry row from memory).
    bool refresh = false;
    // MakVisible (true) or MakInvisible (false): "To &Printer", "&Ratios", "&Delete All" and
    // "&Correct Record".
    std::optional<bool> buttonsVisible;
    // Texts of the entry row, written after the refresh; a null text leaves the box as it is.
    QString inNew;
    QString inDate;
    QString inValue;
    EditorFocus focus = EditorFocus::None;
};

// The most records the database in memory can take: the rows of TrendRecords, never more
// than a file holds.
int recordCapacity();

// "&Add Record" with the entry row's texts: adds a new record 1 (EditMode 0), or completes a
// correction (1) or an insertion (2). Messages: 20 for an empty or zero value (nothing
// changes); 19 when the typed value is beyond a number; 30 for a date the program does not
// accept (the box goes back to the proposed date; a correction or insertion ends); 10 with
// record 1's date when a corrected or inserted date is later than it (the edit ends); 48 when
// the database is full (nothing is written). A record written sets TrendModified to 1. A
// correction whose value box still shows the record's value keeps that value exactly. Raises
// RunTimeFailure with WrongValueEntry and the value when the value of record 1 is not a number
// (nothing is added), with CannotSort when the sort that ends a correction or insertion fails (the
// edit has ended), and plain for any other failure; after a failure the window ends the edit with
// editAbandoned().
EditorOutcome addRecordClicked(const QString& dateText, const QString& valueText);

// After a failure while adding, correcting or inserting: adding mode again, the hidden buttons
// shown, the editor refreshed.
EditorOutcome editAbandoned();

// DeleteRec: marks record SelectedRecord with the deletion date and sorts, which drops it and
// renumbers the others; EditMode and SelectedRecord become 0, TrendModified 1. Raises
// RunTimeFailure, with every record kept, when a record's date cannot be read.
EditorOutcome DeleteRec();

// CompactEarnings: EarningsFactor becomes the number in TEFName (kept when the text is not a
// number a single can hold); earnings rows with both a year and earnings move up in order,
// EarningsCount counts them and the rows below are set to 0. A change sets TrendModified.
void CompactEarnings(const QString& factorText);

// "&Delete All" after the window asked EraseFileInMemory and the answer was No: no records, no
// earnings, no title or file name, CalcMode 0, TrendRecords re-created with rows 0..1000. The
// factor and TrendModified keep their values. The window then shows RefreshEditor() and
// ClearTrendResults() and hides the menu's InfoLabel.
void deleteAllRecords();

// "&Ratios": 29 with fewer than 2 records; otherwise CompactEarnings and 0 (the window then
// shows the averages window with ComputeTrendResults() and SetPeriodCaptions()).
Message ratiosClicked(const QString& factorText);

// "E&xit to Menu": EditMode 0 and CompactEarnings.
void exitEditor(const QString& factorText);

// The editor's load: no record clicked, adding mode.
void loadEditor();
