#include "core/messages.h"

#include "core/dates.h"
#include "core/programstate.h"

#include <array>
#include <utility>

namespace {

struct Entry {
    Message message;
    const char* text;
};

// Messages shown as they stand; the ones that insert a value are composed below.
constexpr std::array<Entry, 28> FixedMessages{{
    {Message::NoDataToPrintCalculate, "No data to print. Calculate."},
    {Message::NoDataToGraph, "No data to graph. Calculate."},
    {Message::WrongEntry, "Wrong or missing entry, try again."},
    {Message::FiftyYearsLimit, "Wrong entry, 50 Years limit."},
    {Message::FortyYearsLimit, "Wrong entry, 40 Years limit."},
    {Message::TwentyTwoEntriesLimit, "Limit is 22 entries."},
    {Message::UnknownError, "Unknown error. Cannot complete."},
    {Message::NoDataToPrint, "No data to print."},
    {Message::FileNotFound, "File not found or wrong format. Check Filename and/or Directory."},
    {Message::NoRecords, "No Records."},
    {Message::NoSuchRecordNumber, "Record number does not exist."},
    {Message::NoDataToWorkWith, "No data to work with."},
    {Message::NoRecordsToCorrect, "No Records to Correct."},
    {Message::NoCompleteRecord, "No complete record to add to database."},
    {Message::CannotSort, "Cannot sort file."},
    {Message::BadTrendFileName, " Bad Filename. Must be in the form MYFILE.ORV"},
    {Message::NoTrendData,
     "No data. Either start a new database in 'Add and Edit Database' or 'Open a file from "
     "Disk'. Open the Sample .Orv file to learn and use all the features. Be sure to read "
     "'How to Use the Program' for full details."},
    {Message::TwoWeeksRequired, "Minimum of two weeks data required for Ratios."},
    {Message::BadMortgageFileName, "Bad Filename. Must be in the form MYFILE.UMD"},
    {Message::BadLoanFileName, "Bad Filename. Must be in the form MYFILE.ULD"},
    {Message::LowAboveHigh, "Low number is greater than High."},
    // The trend database is full: a file holds at most 1000 records.
    {Message::RecordLimit, "Limit is 1000 records."},
    // A file the program writes for the user (results as CSV, a graph's image) that could not be
    // written; an old file of that name is left as it was.
    {Message::FileNotSaved, "File not saved. Check Filename and/or Directory."},
    // A CSV file of prices that cannot be imported; the database in memory stays as it was.
    {Message::NoPricesFound, "No dates and prices found in this file."},
    {Message::NotTextFile, "This file is not text. Choose a CSV file of prices."},
    {Message::NoDateColumn,
     "No date column in this file. The dates belong in a column headed Date, or in the first "
     "column."},
    {Message::NoPriceColumn,
     "No price column in this file. The prices belong in a column headed Close, Adj Close, "
     "Price, Last or Value, or in a column of numbers."},
    {Message::PriceFileTooLarge,
     "This file is larger than 16 MiB, more than any price history. Choose a CSV file of "
     "prices."},
}};

} // namespace

QString messageText(Message message) {
    const ProgramState& p = program();
    switch (message) {
    case Message::PricesImported:
        return p.MessageDetail;
    case Message::HelpCannotBeShown:
        return QStringLiteral("Help cannot be shown: ") + p.MessageDetail;
    case Message::DateAfterLastRecord:
        return QStringLiteral("Date cannot be greater than last record: ") + p.MessageDetail;
    case Message::WrongValueEntry:
        return QStringLiteral("Wrong Value entry: ") + p.MessageDetail;
    case Message::CheckDataValues:
        return QStringLiteral("Check data values for this error: ") + p.MessageDetail;
    case Message::WrongDateEntry:
        return QStringLiteral("Wrong date entry. Correct date format is ") +
               Dates::toShortDate(Dates::today());
    case Message::CannotCompleteGraph:
        return QStringLiteral("Cannot complete graph, check data values for this error: ") +
               p.MessageDetail;
    case Message::MustBeBetween:
        return QStringLiteral("Must be between ") + p.MessageDetail2 + QStringLiteral(" and ") +
               p.MessageDetail;
    default:
        break;
    }
    for (const Entry& e : FixedMessages) {
        if (e.message == message) {
            return QString::fromUtf8(e.text);
        }
    }
    return {};
}

QString questionText(Question question) {
    switch (question) {
    case Question::ContinuePrintout:
        return QStringLiteral(" Continue with Printout.");
    case Question::PrintInColour:
        return QStringLiteral(" Print in Color.");
    case Question::EraseFileInMemory:
        return program().TrendFileName +
               QStringLiteral(" file in memory will be erased. Do you wish to go back and save "
                              "it to Disk?.");
    default:
        return {};
    }
}
