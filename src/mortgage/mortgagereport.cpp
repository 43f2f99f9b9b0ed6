#include "mortgage/mortgagereport.h"

#include "core/dates.h"
#include "core/formats.h"
#include "core/programstate.h"
#include "core/reportpage.h"
#include "core/runtimefailure.h"
#include "mortgage/mortgagedisplay.h"
#include "mortgage/mortgagestate.h"

namespace {

const QString Separator = QString(75, u'_');

QStringList inputHeadings(MortgageModeFlag mode) {
    if (mode == MortgageModeFlag::Loan) {
        return {QStringLiteral(
                    "Principal      Annual        Length of      Interest           Frequency"),
                QStringLiteral(
                    "amount of      interest      the loan       compounding        and type of"),
                QStringLiteral(
                    "the loan.      rate(%).      in months.     periods in year.   each payment")};
    }
    return {
        QStringLiteral("Principal      Annual        Amortization   Interest           Frequency"),
        QStringLiteral(
            "amount of      interest      period in      compounding        and type of"),
        QStringLiteral(
            "mortgage.      rate(%).      years.         periods in year.   each payment")};
}

QStringList resultHeadings(MortgageModeFlag mode) {
    const QString second = QStringLiteral(
        "in     rate        payments   to final   + Interest  over life     interest");
    if (mode == MortgageModeFlag::Loan) {
        return {QStringLiteral(
                    "Days   Interest    No. of     No. months Principal   Total paid    Total of"),
                second,
                QStringLiteral(
                    "year   factor      each year  payment    payment     of the loan   savings")};
    }
    return {QStringLiteral(
                "Days   Interest    No. of     No. years  Principal   Total paid    Total of"),
            second,
            QStringLiteral(
                "year   factor      each year  payment    payment     of mortgage   savings")};
}

QStringList scheduleHeadings(ScheduleRows calcMode, int showPaymentDates) {
    QString second;
    if (calcMode != ScheduleRows::EveryPayment) {
        second = QStringLiteral(
            "  Year       Payment     Payment       Balance      Interest      Principal");
    } else if (showPaymentDates == 1) {
        second = QStringLiteral(
            "   Date      Payment     Payment       Balance      Interest      Principal");
    } else {
        second = QStringLiteral(
            "No. Year     Payment     Payment       Balance      Interest      Principal");
    }
    return {QStringLiteral(
                " Payment    Interest   Principal     Remaining    Cumulative     Cumulative"),
            second};
}

void lines(PrinterDevice& printer, const QStringList& texts) {
    for (const QString& t : texts) {
        printer.printLineAt(2, t);
    }
}

QString money(double value) {
    return formatNumber(value, u"####,,###.00");
}

QString symbolMoney(const QString& symbol, double value, QStringView pattern) {
    return symbol + formatNumber(value, pattern);
}

} // namespace

MortgageReportData MortgageReportData::fromState(const MortgageInputs& inputs) {
    const ProgramState& p = program();
    const MortgageState& m = mortgage();
    MortgageReportData d;
    d.MortgageMode = inputs.MortgageMode;
    d.CalcMode = inputs.CalcMode;
    d.ShowPaymentDates = inputs.ShowPaymentDates;
    d.Principal = inputs.Principal;
    d.Rate = inputs.Rate;
    d.ComperiodText = inputs.Comperiod;
    d.FreqPmtText = inputs.FreqPmt;
    d.ResultCount = p.ResultCount;
    d.YearsToFinalPayment = m.YearsToFinalPayment;
    d.ListedPrePayCount = m.ListedPrePayCount;
    d.PrePayText = p.ReportBlocks.size() > 1 ? p.ReportBlocks[1] : QString();
    d.CurrencySymbol = p.CurrencySymbol;
    return d;
}

void MortgageReportData::setCaptions(const MortgageCaptions& c) {
    InDays = c.InDays;
    PeriodicR = c.PeriodicR;
    NumPmtsYear = c.NumPmtsYear;
    EndMortYear = c.EndMortYear;
    InMonthPI = c.InMonthPI;
    AllPayments = c.AllPayments;
    TotSavd = c.TotSavd;
}

QString mortgageReportTitle(MortgageModeFlag mortgageMode) {
    return mortgageMode == MortgageModeFlag::Loan ? QStringLiteral(" Personal Loan Table")
                                                  : QStringLiteral(" Mortgage Table");
}

void printMortgageReport(PrinterDevice& printer, const MortgageReportData& data) {
    const Table& schedule = data.Schedule ? *data.Schedule : program().ResultTable;
    const QString& sym = data.CurrencySymbol;

    printer.printLine();
    printer.printLineAt(32, mortgageReportTitle(data.MortgageMode));
    printer.printLineAt(2, Separator);
    printer.printLine();
    lines(printer, inputHeadings(data.MortgageMode));
    printer.printLine();

    printer.printFigureAt(2, 11, symbolMoney(sym, data.Principal.toDouble(), u"###,,###.00"));
    printer.printFigureAt(15, 9, formatNumber(data.Rate, u"###.000") + u'%');
    printer.printFigureAt(29, 4, formatNumber(readNumber(data.TermText), u"###"));
    printer.printAt(40, RightJustify(data.ComperiodText, 16));
    printer.printLineAt(61, RightJustify(data.FreqPmtText, 16));

    printer.printLineAt(2, Separator);
    printer.printLine();
    lines(printer, resultHeadings(data.MortgageMode));
    printer.printLine();

    printer.printAt(2, data.InDays);
    printer.printFigureAt(9, 10, formatNumber(captionNumber(data.PeriodicR, sym), u"0.########"));
    printer.printFigureAt(19, 7, formatNumber(captionNumber(data.NumPmtsYear, sym), u"###.00"));
    printer.printFigureAt(31, 6, formatNumber(captionNumber(data.EndMortYear, sym), u"###.00"));
    printer.printFigureAt(40, 10,
                          symbolMoney(sym, captionNumber(data.InMonthPI, sym), u"##,,###.00"));
    printer.printFigureAt(53, 12,
                          symbolMoney(sym, captionNumber(data.AllPayments, sym), u"###,,###.00"));
    printer.printFigureAt(65, 12,
                          symbolMoney(sym, captionNumber(data.TotSavd, sym), u"####,,###.00"));
    printer.endLine();

    printer.printLineAt(2, Separator);
    printer.printLine();
    const QStringList headings = scheduleHeadings(data.CalcMode, data.ShowPaymentDates);
    lines(printer, headings);
    printer.printLineAt(2, Separator);
    printer.printLine();

    // The first page has counted 24 lines by now.
    ReportPager pager(printer, headings, Separator, 24);
    const bool annual = data.CalcMode != ScheduleRows::EveryPayment;
    const int n = annual ? checked::toInt32(static_cast<double>(data.YearsToFinalPayment) + 0.49)
                         : data.ResultCount - 1;
    for (int a = 1; a <= n; ++a) {
        QString id;
        if (data.ShowPaymentDates == 1) {
            id = Dates::toShortDate(schedule.at(a, 7).toDate());
        } else if (annual) {
            id = RightJustify(formatNumber(schedule.at(a, 1).toDouble(), u"####"), 5);
        } else {
            id = RightJustify(formatNumber(schedule.at(a, 1).toDouble(), u"####"), 4) +
                 RightJustify(formatNumber(schedule.at(a, 0).toDouble(), u"###"), 3);
        }
        printer.printAt(2, id);
        printer.printFigureAt(13, 9, money(schedule.at(a, 2).toDouble()));
        printer.printFigureAt(25, 9, money(schedule.at(a, 3).toDouble()));
        printer.printFigureAt(36, 12, money(schedule.at(a, 4).toDouble()));
        printer.printFigureAt(50, 12, money(schedule.at(a, 5).toDouble()));
        printer.printFigureAt(65, 12, money(schedule.at(a, 6).toDouble()));
        printer.endLine();
        pager.rowPrinted();
    }

    printer.printLineAt(2, Separator);
    printer.printLine();
    const int lastRow = std::max(n, 0);
    printer.printAt(2, QStringLiteral("Total:"));
    printer.printFigureAt(36, 12, sym + money(schedule.at(lastRow, 4).toDouble()));
    printer.printFigureAt(50, 12, sym + money(schedule.at(lastRow, 5).toDouble()));
    printer.printFigureAt(65, 12, sym + money(schedule.at(lastRow, 6).toDouble()));
    printer.endLine();

    if (!data.PrePayText.isEmpty()) {
        // The listing is kept on one page: a page of the report's own length.
        if (pager.lines() + data.ListedPrePayCount + 4 > program().LinesPerPage) {
            pager.breakPage();
        }
        printer.printLine();
        // The text is printed as one block at column 2: its later lines start at the margin,
        // where their leading blank lines them up under the heading.
        printer.tab(2);
        printTextBlock(printer, data.PrePayText);
    }
    EndReport(printer);
}
