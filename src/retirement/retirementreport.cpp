#include "retirement/retirementreport.h"

#include "core/formats.h"
#include "core/programstate.h"
#include "core/reportpage.h"
#include "core/runtimefailure.h"
#include "retirement/retirementstate.h"

#include <vector>

namespace {

// A page after a break: three empty lines after the font's own, the headings, and the line
// counter at 6.
constexpr PageRestart Restart{3, 6};

struct Parameter {
    QString label; // at column 2
    int tab;
    QString value; // right-aligned in `width` from `tab`
    int width = 14;
};

// One column of the year rows: the ResultTable column it shows, where and how wide.
struct Column {
    int source;
    int tab;
    int width;
};

QString amount(double value) {
    return formatNumber(value, u"####,,###.00");
}

QString symbolAmount(const QString& symbol, Currency value, QStringView pattern) {
    return symbol + formatNumber(value, pattern);
}

QString percentOf(Currency entry) {
    return formatNumber(entry.toDouble() / 100.0, u"###.00%");
}

QString whole(Currency entry) {
    return formatNumber(entry, u"###");
}

QString rate(Currency entry) {
    return formatNumber(entry, u"###.00") + u'%';
}

const Table& resultsOf(const Table* results) {
    return results ? *results : program().ResultTable;
}

// The block before the first row: an empty line, the title, the entries (an empty line
// between two), the column headings and the underline.
void printOpening(PrinterDevice& printer, int titleTab, const QString& title,
                  const std::vector<Parameter>& parameters, const QString& heading,
                  const QString& underline) {
    printer.printLine();
    printer.printLineAt(titleTab, title);
    printer.printLine();
    printer.printLine();
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        if (i > 0) {
            printer.printLine();
        }
        printer.printAt(2, parameters[i].label);
        printer.printFigureAt(parameters[i].tab, parameters[i].width, parameters[i].value);
        printer.endLine();
    }
    printer.printLine();
    printer.printLine();
    printer.printLineAt(2, heading);
    printer.printLineAt(2, underline);
    printer.printLine();
}

// Year rows 1..n: the year number in column 1 of the table, amounts elsewhere.
void printRows(PrinterDevice& printer, ReportPager& pager, const Table& results, int n,
               const std::vector<Column>& columns) {
    for (int y = 1; y <= n; ++y) {
        for (const Column& c : columns) {
            const double value = results.at(y, c.source).toDouble();
            const QString text = c.source == 1 ? formatNumber(value, u"###") : amount(value);
            printer.printFigureAt(c.tab, c.width, text);
        }
        printer.endLine();
        pager.rowPrinted();
    }
}

// The underline, an empty line and the totals of row n + 1 in `columns`, then the end.
void printTotals(PrinterDevice& printer, const Table& results, int n, const QString& underline,
                 const std::vector<Column>& columns, const QString& symbol) {
    printer.printLineAt(2, underline);
    printer.printLine();
    printer.printAt(2, QStringLiteral("Total:"));
    for (const Column& c : columns) {
        const double value = results.at(n + 1, c.source).toDouble();
        printer.printFigureAt(c.tab, c.width, symbol + amount(value));
    }
    printer.endLine();
    EndReport(printer);
}

} // namespace

QString plan401kReportTitle() {
    return QStringLiteral("Investment Growth - 401K Plan");
}

QString retirementReportTitle() {
    return QStringLiteral("Retirement Income Calculation");
}

QString capitalReportTitle(CapitalOption calcMode) {
    return calcMode == CapitalOption::Income
               ? QStringLiteral("Amount of Annual Income Required")
               : QStringLiteral("Amount of Annual Investment Required");
}

Plan401KReportData Plan401KReportData::fromState() {
    const ProgramState& p = program();
    Plan401KReportData d;
    for (int i = 1; i <= 8; ++i) {
        d.Entries[static_cast<std::size_t>(i)] = p.EntryValues[i];
    }
    d.CurrencySymbol = p.CurrencySymbol;
    return d;
}

void printPlan401KReport(PrinterDevice& printer, const Plan401KReportData& data) {
    const Table& results = resultsOf(data.Results);
    const auto& ev = data.Entries;
    const QString& sym = data.CurrencySymbol;
    const QString heading =
        QStringLiteral(" Year   Annual Salary   Contributions   Interest/Growth    Current Value");
    const QString underline = u' ' + QString(71, u'_');
    printOpening(printer, 25, plan401kReportTitle(),
                 {{QStringLiteral("Current balance in your 401K account"), 52,
                   symbolAmount(sym, ev[1], u"##,,###.00")},
                  {QStringLiteral("Your current annual salary"), 52,
                   symbolAmount(sym, ev[2], u"##,,###.00")},
                  {QStringLiteral("Your annual 401K rate of contribution"), 53, rate(ev[3])},
                  {QStringLiteral("The company contribution rate"), 53, rate(ev[4])},
                  {QStringLiteral("Estimated rate of annual salary raises"), 53, rate(ev[5])},
                  {QStringLiteral("Annual rate of return on your 401K"), 53, rate(ev[6])},
                  {QStringLiteral("Estimated rate of annual inflation"), 53, rate(ev[7])},
                  {QStringLiteral("The number of years to retirement"), 52, whole(ev[8])}},
                 heading, underline);

    ReportPager pager(printer, {heading}, underline, 26, Restart);
    const double balance = results.at(0, 4).toDouble();
    if (balance > 1.0) {
        printer.printFigureAt(61, 13, amount(balance));
        printer.endLine();
        pager.rowPrinted();
    }
    const int n = checked::toInt16(ev[8].toDouble());
    printRows(printer, pager, results, n,
              {{1, 2, 3}, {0, 11, 12}, {2, 24, 14}, {3, 44, 13}, {4, 61, 13}});
    printTotals(printer, results, n, underline, {{2, 24, 14}, {3, 44, 13}, {4, 61, 13}}, sym);
}

RetirementReportData RetirementReportData::fromState() {
    const ProgramState& p = program();
    RetirementReportData d;
    d.mode = withdrawalMode();
    for (int i = 1; i <= 4; ++i) {
        d.Entries[static_cast<std::size_t>(i)] = p.EntryValues[i];
    }
    d.YearsText = retirement().YearsText;
    d.CurrencySymbol = p.CurrencySymbol;
    return d;
}

void printRetirementReport(PrinterDevice& printer, const RetirementReportData& data) {
    const Table& results = resultsOf(data.Results);
    const auto& ev = data.Entries;
    const QString& sym = data.CurrencySymbol;
    const bool fixed = data.mode == WithdrawalMode::FixedAmount;
    const QString heading =
        QStringLiteral("Year         Interest/Growth          Annual Income        Current Value");
    const QString underline = QString(72, u'_');

    std::vector<Parameter> parameters{
        {QStringLiteral("Current Value of your Investments on Retirement"), 51,
         symbolAmount(sym, ev[1], u"####,,###.00")},
        {QStringLiteral("Annual Interest/Growth Rate (%)"), 52, percentOf(ev[2])}};
    if (fixed) {
        parameters.push_back({QStringLiteral("Monthly Amount of Cash Withdrawn"), 51,
                              symbolAmount(sym, ev[3], u"####,,###.00")});
        parameters.push_back(
            {QStringLiteral("Increase Annual Amount Withdrawn by %"), 51, percentOf(ev[4]), 15});
    } else {
        parameters.push_back({QStringLiteral("Annual Income Withdrawn as a (%) of Current Value"),
                              52, percentOf(ev[3])});
        parameters.push_back({QStringLiteral("Time in Years"), 51, whole(ev[4])});
    }
    printOpening(printer, 27, retirementReportTitle(), parameters, heading, underline);

    ReportPager pager(printer, {heading}, underline, fixed ? 16 : 18, Restart);
    const int n = checked::toInt16(fixed ? readNumber(data.YearsText) : ev[4].toDouble());
    const std::vector<Column> amounts{{2, 17, 13}, {3, 39, 14}, {4, 61, 13}};
    std::vector<Column> columns{{1, 2, 3}};
    columns.insert(columns.end(), amounts.begin(), amounts.end());
    printRows(printer, pager, results, n, columns);
    printTotals(printer, results, n, underline, amounts, sym);
}

CapitalReportData CapitalReportData::fromState() {
    const ProgramState& p = program();
    CapitalReportData d;
    d.CalcMode = capitalOption();
    for (int i = 1; i <= 3; ++i) {
        d.Entries[static_cast<std::size_t>(i)] = p.EntryValues[i];
    }
    d.CurrencySymbol = p.CurrencySymbol;
    return d;
}

void printCapitalReport(PrinterDevice& printer, const CapitalReportData& data) {
    const Table& results = resultsOf(data.Results);
    const auto& ev = data.Entries;
    const QString& sym = data.CurrencySymbol;
    const bool income = data.CalcMode == CapitalOption::Income;
    const QString heading =
        QStringLiteral("Year        Annual Investment      Interest/Growth         Current Value");
    const QString underline = QString(72, u'_');
    printOpening(printer, 22, capitalReportTitle(data.CalcMode),
                 {{income ? QStringLiteral("Amount of Income required on Retirement.")
                          : QStringLiteral("Amount of Capital required on Retirement."),
                   52, symbolAmount(sym, ev[1], u"##,,###.00")},
                  {QStringLiteral("Annual Interest/Growth Rate(%)."), 53, percentOf(ev[2])},
                  {QStringLiteral("At the end of how many Years."), 52, whole(ev[3])}},
                 heading, underline);

    ReportPager pager(printer, {heading}, underline, 16, Restart);
    const int n = checked::toInt16(ev[3].toDouble());
    const std::vector<Column> amounts{{2, 17, 14}, {3, 39, 13}, {4, 61, 13}};
    std::vector<Column> columns{{1, 2, 3}};
    columns.insert(columns.end(), amounts.begin(), amounts.end());
    printRows(printer, pager, results, n, columns);
    printTotals(printer, results, n, underline, amounts, sym);
}
