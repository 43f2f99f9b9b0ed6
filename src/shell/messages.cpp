// The numbered messages and questions of the program.

#include "core/dates.h"
#include "core/programstate.h"
#include "shell/dialogs.h"

#include <array>
#include <utility>

namespace {

struct Entry {
    std::int16_t number;
    const char* text;
};

// Messages shown as they stand; the ones that insert a value are composed below.
constexpr std::array<Entry, 22> FixedMessages{{
    {1, "No data to print. Calculate."},
    {2, "No data to graph. Calculate."},
    {3, "Wrong or missing entry, try again."},
    {4, "Wrong entry, 50 Years limit."},
    {5, "Wrong entry, 40 Years limit."},
    {6, "Limit is 22 entries."},
    {7, "Unknown error. Cannot complete."},
    {8, "No data to print."},
    {13, "File not found or wrong format. Check Filename and/or Directory."},
    {15, "No Records."},
    {16, "Record number does not exist."},
    {17, "No data to work with."},
    {18, "No Records to Correct."},
    {20, "No complete record to add to database."},
    {23, "Cannot sort file."},
    {25, " Bad Filename. Must be in the form MYFILE.ORV"},
    {28, "No data. Either start a new database in 'Add and Edit Database' or 'Open a file from "
         "Disk'. Open the Sample .Orv file to learn and use all the features. Be sure to read "
         "'How to Use the Program' for full details."},
    {29, "Minimum of two weeks data required for Ratios."},
    {37, "Bad Filename. Must be in the form MYFILE.UMD"},
    {38, "Bad Filename. Must be in the form MYFILE.ULD"},
    {47, "Low number is greater than High."},
    // The trend database is full: a file holds at most 1000 records.
    {48, "Limit is 1000 records."},
}};

} // namespace

QString messageText(std::int16_t number) {
    const ProgramState& p = program();
    switch (number) {
    case 9:
        return QStringLiteral("Help cannot be shown: ") + p.MessageDetail;
    case 10:
        return QStringLiteral("Date cannot be greater than last record: ") + p.MessageDetail;
    case 19:
        return QStringLiteral("Wrong Value entry: ") + p.MessageDetail;
    case 27:
        return QStringLiteral("Check data values for this error: ") + p.MessageDetail;
    case 30:
        return QStringLiteral("Wrong date entry. Correct date format is ") +
               Dates::toShortDate(Dates::today());
    case 36:
        return QStringLiteral("Cannot complete graph, check data values for this error: ") +
               p.MessageDetail;
    case 43:
        return QStringLiteral("Must be between ") + p.MessageDetail2 + QStringLiteral(" and ") +
               p.MessageDetail;
    default:
        break;
    }
    for (const Entry& e : FixedMessages) {
        if (e.number == number && number != 0) {
            return QString::fromUtf8(e.text);
        }
    }
    return {};
}

QString questionText(std::int16_t code) {
    switch (code) {
    case 1:
        return QStringLiteral(" Continue with Printout.");
    case 2:
        return QStringLiteral(" Print in Color.");
    case 3:
        return program().TrendFileName +
               QStringLiteral(" file in memory will be erased. Do you wish to go back and save "
                              "it to Disk?.");
    default:
        return {};
    }
}
