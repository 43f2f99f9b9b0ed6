#pragma once
// Mortgage (".umd") and loan (".uld") files: one record of the inputs and choices, then one
// record per year of additional payments (year number, amount).
//
// Reading checks the whole file into a MortgageFileData before anything is applied, so a file
// that cannot be read changes nothing.

#include "core/currency.h"
#include "core/messages.h"
#include "core/modes.h"
#include "mortgage/amortization.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <cstdint>
#include <vector>

// The file dialog's mode of the file type of `mortgageMode`: 5 and 6 (open, save) for mortgage
// files, 7 and 8 for loan files.
std::int16_t mortgageFileMode(MortgageModeFlag mortgageMode, bool save);
// The message of a file of that type that cannot be written: "Bad Filename. Must be in the
// form MYFILE.UMD" (or .ULD).
Message badMortgageFileName(MortgageModeFlag mortgageMode);
// MortgageFileName or LoanFileName: the name last opened or saved in that mode.
QString& lastMortgageFileName(MortgageModeFlag mortgageMode);

// The years of additional payments a file holds at the most.
inline constexpr int MaxPrePayYears = 45;

struct MortgageFileData {
    Currency Principal;
    Currency Rate;
    Currency Term; // years; a loan's months / 12
    QString Comperiod;
    QString FreqPmt;
    QString PaymentStartDate; // short-date text
    std::int16_t ShowPaymentDates = 0;
    std::int16_t DaysInYearChoice = 1; // 0..4 (4 counts as 0 when applied)
    ScheduleRows CalcMode = ScheduleRows::Annual;
    std::int16_t PrePayYears = 0; // 0..45
    std::int16_t PrePayCount = 0;
    MortgageModeFlag MortgageMode = MortgageModeFlag::Mortgage;
    float DaysInYear = 365.0F;
    // Years 1..PrePayYears: (year number, amount).
    std::vector<std::pair<Currency, Currency>> PrePayments;
};

// What a file keeps of the calculator's inputs. Raises RunTimeFailure when PrePayYears is
// outside 0..45.
MortgageFileData mortgageFileData(const MortgageInputs& inputs);

// Writes the file's records. Raises RunTimeFailure when PrePayYears is outside 0..45 or does
// not match the payments given; returns false when the device fails.
bool writeMortgageFile(QIODevice& device, const MortgageFileData& data);
// Replaces the file at `path` atomically: on failure any old file stays whole.
bool saveMortgageFile(const QString& path, const MortgageFileData& data);

// Reads and checks a whole file. Raises RunTimeFailure when any part is missing or wrong: no
// bytes, a short record 1, a field that cannot be read as its type, ShowPaymentDates outside
// 0..1, DaysInYearChoice outside 0..4, MortgageMode outside 1..2, PrePayYears or PrePayCount
// outside 0..45, fewer year records than PrePayYears or a year record short of its two
// amounts. The window's handler shows "File not found or wrong format. ..." for it.
MortgageFileData readMortgageFile(const QByteArray& bytes);
MortgageFileData readMortgageFile(QIODevice& device);
// The same for a file; a file that cannot be opened or read is a failure too.
MortgageFileData loadMortgageFile(const QString& path);
