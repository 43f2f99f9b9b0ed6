#pragma once
// The program's numbered messages and questions, by name. Each value is the number the message
// window and the question window know it by (MessageNumber, QuestionCode); the texts stand
// beside them in messages.cpp.

#include <QString>
#include <cstdint>

enum class Message : std::int16_t {
    None = 0,
    NoDataToPrintCalculate = 1, // "No data to print. Calculate."
    NoDataToGraph = 2,          // "No data to graph. Calculate."
    WrongEntry = 3,             // "Wrong or missing entry, try again."
    FiftyYearsLimit = 4,        // "Wrong entry, 50 Years limit."
    FortyYearsLimit = 5,        // "Wrong entry, 40 Years limit."
    TwentyTwoEntriesLimit = 6,  // "Limit is 22 entries."
    UnknownError = 7,           // "Unknown error. Cannot complete."
    NoDataToPrint = 8,          // "No data to print."
    HelpCannotBeShown = 9,      // "Help cannot be shown: " and the detail
    DateAfterLastRecord = 10,   // "Date cannot be greater than last record: " and the detail
    FileNotFound = 13,          // "File not found or wrong format. Check Filename and/or ..."
    NoRecords = 15,             // "No Records."
    NoSuchRecordNumber = 16,    // "Record number does not exist."
    NoDataToWorkWith = 17,      // "No data to work with."
    NoRecordsToCorrect = 18,    // "No Records to Correct."
    WrongValueEntry = 19,       // "Wrong Value entry: " and the detail
    NoCompleteRecord = 20,      // "No complete record to add to database."
    CannotSort = 23,            // "Cannot sort file."
    BadTrendFileName = 25,      // " Bad Filename. Must be in the form MYFILE.ORV"
    CheckDataValues = 27,       // "Check data values for this error: " and the detail
    NoTrendData = 28,           // "No data. Either start a new database in ..."
    TwoWeeksRequired = 29,      // "Minimum of two weeks data required for Ratios."
    WrongDateEntry = 30,        // "Wrong date entry. Correct date format is " and today
    CannotCompleteGraph = 36,   // "Cannot complete graph, check data values for this error: "
    BadMortgageFileName = 37,   // "Bad Filename. Must be in the form MYFILE.UMD"
    BadLoanFileName = 38,       // "Bad Filename. Must be in the form MYFILE.ULD"
    MustBeBetween = 43,         // "Must be between " and the two details
    LowAboveHigh = 47,          // "Low number is greater than High."
    RecordLimit = 48,           // "Limit is 1000 records."
    FileNotSaved = 49,          // "File not saved. Check Filename and/or Directory."
    PricesImported = 50,        // what a price import made: the detail
    NoPricesFound = 51,         // "No dates and prices found in this file."
    NotTextFile = 52,           // "This file is not text. ..."
    NoDateColumn = 53,          // "No date column in this file. ..."
    NoPriceColumn = 54,         // "No price column in this file. ..."
    PriceFileTooLarge = 55,     // "This file is larger than 16 MiB. ..."
};

// QuestionCode: the question asked, and after the window closes the answer.
enum class Question : std::int16_t {
    None = 0,              // also the answer "&No"
    ContinuePrintout = 1,  // " Continue with Printout."
    PrintInColour = 2,     // " Print in Color."
    EraseFileInMemory = 3, // TrendFileName and " file in memory will be erased. ..."
    AnsweredYes = 6,       // the answer "&Yes"
};

// The text of a message; the ones that insert a value take MessageDetail and MessageDetail2
// (and today's date) from the program state. Empty for None.
QString messageText(Message message);
QString questionText(Question question);
