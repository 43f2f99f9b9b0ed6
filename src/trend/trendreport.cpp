#include "trend/trendreport.h"

#include "core/formats.h"
#include "core/programstate.h"
#include "core/reportpage.h"
#include "core/runtimefailure.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

namespace {

void lineAt(PrinterDevice& printer, int column, const QString& text) {
    printer.tab(column);
    printer.printLine(text);
}

// Lines of a page before its first record.
constexpr int HeadingLines = 8;

} // namespace

TrendReportData TrendReportData::fromState() {
    const TrendState& t = trend();
    TrendReportData d;
    d.title = t.DatabaseTitle;
    for (int r = 1; r <= t.RecordCount; ++r) {
        d.records.push_back({r, shownRecordDate(t.TrendRecords.at(r, RecordDate)),
                             recordValue(t.TrendRecords.at(r, RecordValue))});
    }
    for (int i = 1; i <= MaxEarningsRows && i < t.EarningsTable.rows(); ++i) {
        d.earnings[static_cast<std::size_t>(i - 1)] = {t.EarningsTable.at(i, EarningsYear),
                                                       t.EarningsTable.at(i, EarningsPerShare)};
    }
    return d;
}

Message trendReportRefusal() {
    return trend().RecordCount == 0 ? Message::NoDataToPrint : Message::None;
}

void printTrendReport(PrinterDevice& printer, const TrendReportData& data) {
    printer.printLine();
    lineAt(printer, 30, data.title);
    printer.printLine();
    lineAt(printer, 10,
           QStringLiteral("Record        Date            Data           Year      Earnings"));
    lineAt(printer, 10, QString(63, u'_'));
    printer.printLine();

    int lines = HeadingLines;
    int t = 0;
    for (const TrendReportRow& row : data.records) {
        ++t;
        printer.printFigureAt(10, 3, formatNumber(static_cast<double>(row.number), u"###"));
        printer.printFigureAt(20, 10, row.date);
        printer.printFigureAt(32, 12, formatNumber(row.value, u"####,,###.00"));
        if (t <= 5) {
            const auto& [year, earnings] = data.earnings[static_cast<std::size_t>(t - 1)];
            if (year != 0.0) {
                printer.printFigureAt(55, 4, formatNumber(year, u"####"));
                printer.printFigureAt(63, 10, formatNumber(earnings, u"##,,###.00"));
            }
        }
        printer.endLine();
        ++lines;
        // A full page breaks only when a record follows: no page of headings alone.
        if (lines >= program().LinesPerPage && t < static_cast<int>(data.records.size())) {
            printer.printLine();
            printer.tab(40);
            printer.printLine(QStringLiteral("Page %1").arg(printer.page()));
            printer.newPage();
            SetReportFont(printer);
            printer.printLine();
            printer.printLine();
            lineAt(printer, 35, data.title);
            printer.printLine();
            lineAt(printer, 10, QStringLiteral("Record       Date            Data"));
            lineAt(printer, 10, QString(34, u'_'));
            printer.printLine();
            lines = HeadingLines;
        }
    }
    EndReport(printer);
}
