#pragma once
// Record extraction (the dialog Extract): a contiguous range of records, chosen by record
// number, replaces the database in memory as a new database titled "Extracted", offered for
// saving as "Extract.orv". The earnings and the factor are kept; nothing is written to disk.

#include "core/messages.h"

#include <QString>
#include <cstdint>

// Opening: the low record 1 and the high record RecordCount; the texts of LowRecNo and
// HighRecNo ("####" right-aligned in 4).
struct ExtractOpening {
    QString low;
    QString high;
    QString windowCaption; // " Extract"
};
ExtractOpening openExtract();

// Leaving a record-number box: the text it shows and, when the number was out of range,
// MustBeBetween with its two details (the box is then reset).
struct RecordNumberEntry {
    QString text;
    Message message = Message::None;
    QString detail;  // MessageDetail: RecordCount
    QString detail2; // MessageDetail2
    QString lowText; // HighRecNo only: LowRecNo's new text when it was empty or 0, else null
};
// LowRecNo: empty means 1; a number below 1 or above RecordCount gives MustBeBetween (" 1" and
// RecordCount) and 1. The number becomes the low record.
RecordNumberEntry lowRecordEntered(const QString& text);
// HighRecNo: empty or 0 means RecordCount (and an empty or zero LowRecNo, `lowText`, becomes
// 1); a number below 1 or above RecordCount gives MustBeBetween (the low record and RecordCount)
// and RecordCount. The number becomes the high record.
RecordNumberEntry highRecordEntered(const QString& text, const QString& lowText);

// "&Extract Records": 47 when the high record is below the low one (nothing changes). Else
// the title "Extracted", TrendFileName "Extract.orv", and TrendRecords becomes rows 0..1002
// holding the records low..high renumbered from 1, not yet saved (TrendModified 1); 0 is
// returned. A failure while extracting
// raises RunTimeFailure with the records unchanged and the new title and file name set. The
// dialog closes unless the message is 47.
Message extractRecords();

// The help of "Quick &Help": paragraphs separated by empty lines.
QString extractHelpText();
// The captions of the dialog, by control name.
struct ExtractCaptions {
    QString frame;
    QString low;
    QString high;
    QString extract;
    QString cancel;
    QString help;
    QString closeHelp;
};
ExtractCaptions extractCaptions();
