#include "trend/recordchoice.h"

#include "core/formats.h"
#include "core/runtimefailure.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

#include <cmath>

namespace {

// A typed record number as a 16-bit number; a number beyond that range counts as one above
// any record count.
std::int16_t recordNumber(const QString& text) {
    const double value = std::round(readNumber(text));
    if (!std::isfinite(value) || value > 32767.0) {
        return 32767;
    }
    return value < 0.0 ? std::int16_t{0} : static_cast<std::int16_t>(value);
}

} // namespace

Message correctRecordClicked() {
    return trend().RecordCount == 0 ? Message::NoRecordsToCorrect : Message::None;
}

RecNumCaptions recNumCaptions() {
    return {QStringLiteral("Input "),
            QStringLiteral(" Select Option"),
            {QStringLiteral(" Correct"), QStringLiteral(" Insert"), QStringLiteral(" Delete")},
            QStringLiteral("&OK"),
            QStringLiteral("&Cancel")};
}

RecNumPrompt recNumOptionChosen(int option) {
    TrendState& t = trend();
    const QString clicked = t.ClickedRecord == 0 ? QString() : QString::number(t.ClickedRecord);
    switch (option) {
    case 1:
        t.EditMode = 2;
        return {QStringLiteral(" Type in 1. Automatic insertion   by date."), QStringLiteral("1")};
    case 2:
        t.EditMode = 3;
        return {QStringLiteral(" Type in the record number        to delete."), clicked};
    default:
        t.EditMode = 1;
        return {QStringLiteral(" Type in the record number       to correct."), clicked};
    }
}

void recNumAccepted(const QString& text) {
    TrendState& t = trend();
    std::int16_t chosen = recordNumber(text);
    if (t.EditMode == 2 && chosen > 0) {
        chosen = 1;
    }
    t.SelectedRecord = chosen;
    if (chosen == 0) {
        t.EditMode = 0;
    }
    t.ClickedRecord = 0;
}

void recNumCancelled() {
    TrendState& t = trend();
    t.EditMode = 0;
    t.SelectedRecord = 0;
    t.ClickedRecord = 0;
}

EditorOutcome recordChosen() {
    TrendState& t = trend();
    EditorOutcome o;
    const int s = t.SelectedRecord;
    if (s == 0) {
        return o;
    }
    if (s > t.RecordCount) {
        // Left in its mode, the next "&Add Record" would work on a record that is not there.
        t.EditMode = 0;
        t.SelectedRecord = 0;
        o.message = Message::NoSuchRecordNumber;
        return o;
    }
    switch (t.EditMode) {
    case 1: {
        o.buttonsVisible = false;
        o.inNew = RightJustify(formatNumber(static_cast<double>(s), u"####"), 4);
        o.inDate = shownRecordDate(t.TrendRecords.at(s, RecordDate));
        o.inValue = editedValueText(t.TrendRecords.at(s, RecordValue));
        return o;
    }
    case 2:
        o.buttonsVisible = false;
        o.inNew = QStringLiteral("Insert");
        o.inDate = QStringLiteral("");
        o.focus = EditorFocus::InDate;
        return o;
    case 3:
        return DeleteRec();
    default:
        return o;
    }
}

void gridRowClicked(const QString& firstColumnText) {
    const std::int16_t number = recordNumber(firstColumnText);
    trend().ClickedRecord = number == 32767 ? std::int16_t{0} : number;
}
