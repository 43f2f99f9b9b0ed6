#pragma once
// Choosing a record to correct, insert or delete: "&Correct Record" in the editor, the small
// dialog InRecNum (options " Correct", " Insert", " Delete" and the record number box CurVal)
// and what the editor does with the choice.

#include "core/messages.h"
#include "trend/trendeditor.h"

#include <QString>
#include <cstdint>

// "&Correct Record": NoRecordsToCorrect when there are no records, else None (the window then
// shows InRecNum).
Message correctRecordClicked();

// The dialog's captions: its title, the frame and the three options.
struct RecNumCaptions {
    QString window;
    QString frame;
    QString options[3];
    QString ok;
    QString cancel;
};
RecNumCaptions recNumCaptions();

// Choosing option 0 (" Correct"), 1 (" Insert") or 2 (" Delete"): EditMode becomes the option
// + 1; returns the prompt and the number CurVal offers (the record last clicked, empty when
// none; 1 for an insertion).
struct RecNumPrompt {
    QString prompt;
    QString value;
};
RecNumPrompt recNumOptionChosen(int option);

// "&OK" with CurVal's text: SelectedRecord becomes the number typed (any number above 0 gives
// 1 when inserting); 0 ends the edit mode. "&Cancel" ends it too. Both forget the clicked
// record.
void recNumAccepted(const QString& text);
void recNumCancelled();

// After the dialog closed: nothing for no record; NoSuchRecordNumber (and the edit mode ends) for a
// number above RecordCount. A correction hides the buttons and shows the record in the entry
// row (its number "####" in 4, its date, its value); an insertion hides them, shows "Insert"
// and an empty date box that takes the focus; a deletion deletes at once (DeleteRec, which may
// raise RunTimeFailure).
EditorOutcome recordChosen();

// A click on a grid row: ClickedRecord becomes the number in the row's first column (0 for an
// empty row).
void gridRowClicked(const QString& firstColumnText);
