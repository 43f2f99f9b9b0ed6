#include "mortgage/mortgagefile.h"

#include "core/programstate.h"
#include "core/records.h"
#include "core/runtimefailure.h"
#include "mortgage/mortgagestate.h"

#include <QBuffer>
#include <cmath>
#include <limits>

namespace {

void checkRange(int value, int low, int high, const char* what) {
    if (value < low || value > high) {
        throw RunTimeFailure(std::string(what) + " out of range");
    }
}

} // namespace

std::int16_t mortgageFileMode(MortgageModeFlag mortgageMode, bool save) {
    const std::int16_t open = mortgageMode == MortgageModeFlag::Loan ? 7 : 5;
    return static_cast<std::int16_t>(save ? open + 1 : open);
}

Message badMortgageFileName(MortgageModeFlag mortgageMode) {
    return mortgageMode == MortgageModeFlag::Loan ? Message::BadLoanFileName
                                                  : Message::BadMortgageFileName;
}

QString& lastMortgageFileName(MortgageModeFlag mortgageMode) {
    MortgageState& m = mortgage();
    return mortgageMode == MortgageModeFlag::Loan ? m.LoanFileName : m.MortgageFileName;
}

MortgageFileData mortgageFileData(const MortgageInputs& in) {
    MortgageFileData d;
    d.Principal = in.Principal;
    d.Rate = in.Rate;
    d.Term = in.Term;
    d.Comperiod = in.Comperiod;
    d.FreqPmt = in.FreqPmt;
    d.PaymentStartDate = in.PaymentStartText;
    d.ShowPaymentDates = in.ShowPaymentDates;
    d.DaysInYearChoice = in.DaysInYearChoice;
    d.CalcMode = in.CalcMode;
    d.PrePayYears = in.PrePayYears;
    d.PrePayCount = in.PrePayCount;
    d.MortgageMode = in.MortgageMode;
    d.DaysInYear = in.Days.DaysInYear;
    checkRange(d.PrePayYears, 0, MaxPrePayYears, "years of additional payments");
    for (int y = 1; y <= d.PrePayYears; ++y) {
        d.PrePayments.emplace_back(in.PrePayments.at(y, 1), in.PrePayments.at(y, 2));
    }
    return d;
}

bool writeMortgageFile(QIODevice& device, const MortgageFileData& data) {
    checkRange(data.PrePayYears, 0, MaxPrePayYears, "years of additional payments");
    if (data.PrePayments.size() != static_cast<std::size_t>(data.PrePayYears)) {
        throw RunTimeFailure("additional payments do not match their years");
    }
    RecordWriter w(device);
    w.currency(data.Principal)
        .currency(data.Rate)
        .currency(data.Term)
        .text(data.Comperiod)
        .text(data.FreqPmt)
        .text(data.PaymentStartDate)
        .integer(data.ShowPaymentDates)
        .integer(data.DaysInYearChoice)
        .integer(storedMode(data.CalcMode))
        .integer(data.PrePayYears)
        .integer(data.PrePayCount)
        .integer(static_cast<std::int16_t>(data.MortgageMode))
        .single(data.DaysInYear)
        .text(QStringLiteral("O"))
        .integer(0)
        .endRecord();
    for (const auto& [year, amount] : data.PrePayments) {
        w.currency(year).currency(amount).endRecord();
    }
    return w.ok();
}

bool saveMortgageFile(const QString& path, const MortgageFileData& data) {
    // Everything is checked and written to memory first, so the file is only touched by a
    // complete, valid contents.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writeMortgageFile(buffer, data)) {
        return false;
    }
    return saveFileAtomically(
        path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}

MortgageFileData readMortgageFile(const QByteArray& bytes) {
    RecordReader reader(bytes);
    if (reader.atEnd()) {
        throw RunTimeFailure("empty mortgage file");
    }
    const Record r = reader.next();
    if (r.size() < 15) {
        throw RunTimeFailure("short first record");
    }
    MortgageFileData d;
    d.Principal = r.currency(0);
    d.Rate = r.currency(1);
    d.Term = r.currency(2);
    d.Comperiod = r.text(3);
    d.FreqPmt = r.text(4);
    d.PaymentStartDate = r.text(5);
    d.ShowPaymentDates = r.int16(6);
    d.DaysInYearChoice = r.int16(7);
    // Row mode 1 is annual rows; any other number shows every payment.
    d.CalcMode = r.int16(8) == storedMode(ScheduleRows::Annual) ? ScheduleRows::Annual
                                                                : ScheduleRows::EveryPayment;
    d.PrePayYears = r.int16(9);
    d.PrePayCount = r.int16(10);
    const std::int16_t mortgageMode = r.int16(11);
    // Written, never used: any number is accepted (the days-in-year row replaces it).
    const double storedDays = r.number(12);
    d.DaysInYear = std::fabs(storedDays) <= std::numeric_limits<float>::max()
                       ? static_cast<float>(storedDays)
                       : 0.0F;
    r.text(13);
    r.number(14);
    checkRange(d.ShowPaymentDates, 0, 1, "dates shown");
    checkRange(d.DaysInYearChoice, 0, 4, "days-in-year choice");
    checkRange(mortgageMode, 1, 2, "mortgage or loan");
    d.MortgageMode = static_cast<MortgageModeFlag>(mortgageMode);
    checkRange(d.PrePayYears, 0, MaxPrePayYears, "years of additional payments");
    checkRange(d.PrePayCount, 0, MaxPrePayYears, "count of additional payments");
    for (int y = 1; y <= d.PrePayYears; ++y) {
        if (reader.atEnd()) {
            throw RunTimeFailure("missing year of additional payments");
        }
        const Record year = reader.next();
        d.PrePayments.emplace_back(year.currency(0), year.currency(1));
    }
    return d;
}

MortgageFileData readMortgageFile(QIODevice& device) {
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) {
        throw RunTimeFailure("mortgage file cannot be opened");
    }
    return readMortgageFile(device.readAll());
}

MortgageFileData loadMortgageFile(const QString& path) {
    const std::optional<QByteArray> bytes = readFileBytes(path);
    if (!bytes) {
        throw RunTimeFailure("mortgage file cannot be read");
    }
    return readMortgageFile(*bytes);
}
