#include "savings/savingsreport.h"

#include "core/formats.h"
#include "core/programstate.h"
#include "core/reportpage.h"
#include "savings/savingsstate.h"

namespace {

void at(PrinterDevice& printer, int column, const QString& text) {
    printer.tab(column);
    printer.print(text);
}

void lineAt(PrinterDevice& printer, int column, const QString& text) {
    printer.tab(column);
    printer.printLine(text);
}

void emptyLines(PrinterDevice& printer, int count) {
    for (int i = 0; i < count; ++i) {
        printer.printLine();
    }
}

QString block(const ProgramState& p, int index) {
    return p.ReportBlocks.size() > index ? p.ReportBlocks[index] : QString();
}

QString money(double value, int width) {
    return RightJustify(formatNumber(value, u"####,,###.00"), width);
}

QString rateValue(Currency percent) {
    return RightJustify(formatNumber(percent, u"###.00"), 14) + u'%';
}

void printPlanning(PrinterDevice& printer, const SavingsReportData& d) {
    const Table& rows = d.Rows ? *d.Rows : program().ResultTable;
    const QString& sym = d.CurrencySymbol;
    printer.printLine();
    lineAt(printer, 25, QStringLiteral("Investment Growth Calculation"));
    emptyLines(printer, 2);

    const std::pair<QString, QString> inputs[] = {
        {QStringLiteral("Amount of Lump Sum Invested at Start"),
         RightJustify(sym + formatNumber(d.L, u"##,,###.00"), 14)},
        {QStringLiteral("Annual Amount Invested each contribution"),
         RightJustify(sym + formatNumber(d.P, u"##,,###.00"), 14)},
        {QStringLiteral("Frequency of each contribution"), RightJustify(d.FrequencyText, 14)},
        {QStringLiteral("Annual Interest/Growth Rate(%)"), rateValue(d.R)},
        {QStringLiteral("Increase the annual Investment Rate by"), rateValue(d.G)},
        {QStringLiteral("Adjust Current Value for Annual Inflation Rate(%)"), rateValue(d.F)},
        {QStringLiteral("Time in Years"), RightJustify(formatNumber(d.T, u"###"), 14)},
    };
    for (const auto& [caption, value] : inputs) {
        at(printer, 2, caption);
        lineAt(printer, 52, value);
        printer.printLine();
    }

    const QString heading =
        RightJustify(d.FrequencyText, 9) +
        QStringLiteral("          Investment      Interest/Growth         Current Value");
    const QString rule(72, u'_');
    printer.printLine();
    lineAt(printer, 2, heading);
    lineAt(printer, 2, rule);
    printer.printLine();

    ReportPager pager(printer, {heading}, rule, 24, PageRestart{3, 6});
    for (int i = 1; i <= d.Periods; ++i) {
        at(printer, 2, RightJustify(formatNumber(rows.at(i, 1).toDouble(), u"###"), 3));
        at(printer, 17, money(rows.at(i, 2).toDouble(), 14));
        at(printer, 39, money(rows.at(i, 3).toDouble(), 13));
        lineAt(printer, 61, money(rows.at(i, 4).toDouble(), 13));
        pager.rowPrinted();
    }

    // The totals follow the last period; a term of 0 still computed one.
    const int totals = std::max<int>(d.Periods, 1) + 1;
    lineAt(printer, 2, rule);
    printer.printLine();
    at(printer, 2, QStringLiteral("Total:"));
    const auto symbolMoney = [&](int column, int width) {
        return RightJustify(sym + formatNumber(rows.at(totals, column).toDouble(), u"####,,###.00"),
                            width);
    };
    at(printer, 17, symbolMoney(2, 14));
    at(printer, 39, symbolMoney(3, 13));
    lineAt(printer, 61, symbolMoney(4, 13));
}

void printComparisons(PrinterDevice& printer, const SavingsReportData& d) {
    const QString rule(77, u'_');
    printer.printLine();
    lineAt(printer, 30, QStringLiteral("Investment Growth Comparisons"));
    emptyLines(printer, 2);
    lineAt(printer, 2,
           QStringLiteral(
               "Year Lump Sum   Annual     Interest Salary   Inflation   Total       Current"));
    lineAt(printer, 2,
           QStringLiteral(
               "End  Investment Investment /Growth  Increase Rate(%)     Invested    Value"));
    lineAt(printer, 2, rule);
    printer.printLine();
    printTextBlock(printer, d.Block1);
    if (!d.Block2.isEmpty()) {
        printer.newPage();
        SetReportFont(printer);
        emptyLines(printer, 2);
        lineAt(printer, 2, rule);
        printer.printLine();
        printTextBlock(printer, d.Block2);
    }
}

} // namespace

SavingsReportData SavingsReportData::fromState(const QString& frequencyText) {
    const ProgramState& p = program();
    SavingsReportData d;
    d.CalcMode = p.CalcMode;
    d.L = p.EntryValues[1];
    d.P = p.EntryValues[2];
    d.R = p.EntryValues[4];
    d.G = p.EntryValues[5];
    d.F = p.EntryValues[6];
    d.T = p.EntryValues[7];
    d.FrequencyText = frequencyText;
    d.Periods = savings().Periods;
    d.Block1 = block(p, 1);
    d.Block2 = block(p, 2);
    d.CurrencySymbol = p.CurrencySymbol;
    return d;
}

void printSavingsReport(PrinterDevice& printer, const SavingsReportData& data) {
    printer.printLine(); // after the header line
    if (data.CalcMode == 2) {
        printComparisons(printer, data);
    } else {
        printPlanning(printer, data);
    }
    EndReport(printer);
    if (data.CalcMode == 2) {
        program().ReportBlocks = BoundedArray<QString>(4);
    }
}

CompoundReportData CompoundReportData::fromState() {
    const ProgramState& p = program();
    return {block(p, 1), block(p, 2)};
}

void printCompoundReport(PrinterDevice& printer, const CompoundReportData& data) {
    printer.printLine(); // after the header line
    lineAt(printer, 27, QStringLiteral("Annual Compounding Comparisons"));
    emptyLines(printer, 2);
    lineAt(printer, 2,
           QStringLiteral(
               "Term in          Cost of         Current or      Compounded at   Total Rate(%)"));
    lineAt(printer, 2,
           QStringLiteral(
               " Years        Investment       Future Value     Annual Rate(%)     over Period"));
    lineAt(printer, 2, QString(78, u'_'));
    printTextBlock(printer, data.Block1);
    if (!data.Block2.isEmpty()) {
        printer.newPage();
        SetReportFont(printer);
        emptyLines(printer, 3);
        printTextBlock(printer, data.Block2);
    }
    EndReport(printer);
}
