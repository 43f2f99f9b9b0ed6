#include "savings/savingsreport.h"

#include "core/formats.h"
#include "core/programstate.h"
#include "core/reportpage.h"
#include "savings/savingsstate.h"

namespace {

void emptyLines(PrinterDevice& printer, int count) {
    for (int i = 0; i < count; ++i) {
        printer.printLine();
    }
}

QString block(const ProgramState& p, int index) {
    return p.ReportBlocks.size() > index ? p.ReportBlocks[index] : QString();
}

QString money(double value) {
    return formatNumber(value, u"####,,###.00");
}

QString rateValue(Currency percent) {
    return formatNumber(percent, u"###.00");
}

void printPlanning(PrinterDevice& printer, const SavingsReportData& d) {
    const SavingsInputs& in = d.inputs;
    const Table& rows = d.Rows ? *d.Rows : program().ResultTable;
    const QString& sym = d.CurrencySymbol;
    printer.printLine();
    printer.printLineAt(25, savingsReportTitle(SavingsMode::Planning));
    emptyLines(printer, 2);

    // Rates print their "%" after the 14 characters of the figure.
    struct Input {
        QString caption;
        QString value;
        QString after;
    };
    const Input inputs[] = {
        {QStringLiteral("Amount of Lump Sum Invested at Start"),
         sym + formatNumber(in.L, u"##,,###.00"),
         {}},
        {QStringLiteral("Annual Amount Invested each contribution"),
         sym + formatNumber(in.P, u"##,,###.00"),
         {}},
        {QStringLiteral("Frequency of each contribution"), in.frequency, {}},
        {QStringLiteral("Annual Interest/Growth Rate(%)"), rateValue(in.R), QStringLiteral("%")},
        {QStringLiteral("Increase the annual Investment Rate by"), rateValue(in.G),
         QStringLiteral("%")},
        {QStringLiteral("Adjust Current Value for Annual Inflation Rate(%)"), rateValue(in.F),
         QStringLiteral("%")},
        {QStringLiteral("Time in Years"), formatNumber(in.T, u"###"), {}},
    };
    for (const Input& input : inputs) {
        printer.printAt(2, input.caption);
        printer.printFigureAt(52, 14, input.value);
        printer.printLine(input.after);
        printer.printLine();
    }

    const QString heading =
        RightJustify(in.frequency, 9) +
        QStringLiteral("          Investment      Interest/Growth         Current Value");
    const QString rule(72, u'_');
    printer.printLine();
    printer.printLineAt(2, heading);
    printer.printLineAt(2, rule);
    printer.printLine();

    ReportPager pager(printer, {heading}, rule, 24, PageRestart{3, 6});
    for (int i = 1; i <= d.Periods; ++i) {
        printer.printFigureAt(2, 3, formatNumber(rows.at(i, 1).toDouble(), u"###"));
        printer.printFigureAt(17, 14, money(rows.at(i, 2).toDouble()));
        printer.printFigureAt(39, 13, money(rows.at(i, 3).toDouble()));
        printer.printFigureAt(61, 13, money(rows.at(i, 4).toDouble()));
        printer.endLine();
        pager.rowPrinted();
    }

    // The totals follow the last period; a term of 0 still computed one.
    const int totals = std::max<int>(d.Periods, 1) + 1;
    printer.printLineAt(2, rule);
    printer.printLine();
    printer.printAt(2, QStringLiteral("Total:"));
    const auto total = [&](int column) { return sym + money(rows.at(totals, column).toDouble()); };
    printer.printFigureAt(17, 14, total(2));
    printer.printFigureAt(39, 13, total(3));
    printer.printFigureAt(61, 13, total(4));
    printer.endLine();
}

// The layout of a report of entries kept while calculating (comparisons, investments): a
// title, the column headings and rule, the first block of entries, and the second block on a
// page of its own.
struct BlocksLayout {
    int titleColumn = 0;
    QString title;
    QStringList headings;
    QString rule;
    bool emptyAfterRule = false; // and the rule again on the second block's page
    int firstPageLines = 0;      // counted before the first entry
    int secondPageBlanks = 0;    // empty lines before the second block
};

// An entry never splits across pages: one that would pass the paper's end starts the next
// page, under the headings.
void printBlocks(PrinterDevice& printer, const BlocksLayout& layout, const QString& block1,
                 const QString& block2) {
    printer.printLineAt(layout.titleColumn, layout.title);
    emptyLines(printer, 2);
    for (const QString& heading : layout.headings) {
        printer.printLineAt(2, heading);
    }
    printer.printLineAt(2, layout.rule);
    if (layout.emptyAfterRule) {
        printer.printLine();
    }
    const int headingLines = static_cast<int>(layout.headings.size()) + 2;
    const PageRestart restart{layout.secondPageBlanks, 1 + layout.secondPageBlanks + headingLines};
    ReportPager(printer, layout.headings, layout.rule, layout.firstPageLines, restart)
        .printEntries(block1);
    if (!block2.isEmpty()) {
        printer.newPage();
        SetReportFont(printer);
        emptyLines(printer, layout.secondPageBlanks);
        if (layout.emptyAfterRule) {
            printer.printLineAt(2, layout.rule);
            printer.printLine();
        }
        const int lines = 1 + layout.secondPageBlanks + (layout.emptyAfterRule ? 2 : 0);
        ReportPager(printer, layout.headings, layout.rule, lines, restart).printEntries(block2);
    }
}

void printComparisons(PrinterDevice& printer, const SavingsReportData& d) {
    printer.printLine();
    printBlocks(
        printer,
        {.titleColumn = 30,
         .title = savingsReportTitle(SavingsMode::Comparisons),
         .headings = {QStringLiteral("Year Lump Sum   Annual     Interest Salary   Inflation   "
                                     "Total       Current"),
                      QStringLiteral("End  Investment Investment /Growth  Increase Rate(%)     "
                                     "Invested    Value")},
         .rule = QString(77, u'_'),
         .emptyAfterRule = true,
         .firstPageLines = 11,
         .secondPageBlanks = 2},
        d.Block1, d.Block2);
}

} // namespace

QString savingsReportTitle(SavingsMode calcMode) {
    return calcMode == SavingsMode::Comparisons ? QStringLiteral("Investment Growth Comparisons")
                                                : QStringLiteral("Investment Growth Calculation");
}

QString compoundReportTitle() {
    return QStringLiteral("Annual Compounding Comparisons");
}

SavingsReportData SavingsReportData::fromState(const QString& frequencyText) {
    const ProgramState& p = program();
    SavingsReportData d;
    d.inputs = SavingsInputs::fromState(frequencyText);
    d.Periods = savings().Periods;
    d.Block1 = block(p, 1);
    d.Block2 = block(p, 2);
    d.CurrencySymbol = p.CurrencySymbol;
    return d;
}

void printSavingsReport(PrinterDevice& printer, const SavingsReportData& data) {
    printer.printLine(); // after the header line
    if (data.inputs.CalcMode == SavingsMode::Comparisons) {
        printComparisons(printer, data);
    } else {
        printPlanning(printer, data);
    }
    EndReport(printer);
}

CompoundReportData CompoundReportData::fromState() {
    const ProgramState& p = program();
    return {block(p, 1), block(p, 2)};
}

void printCompoundReport(PrinterDevice& printer, const CompoundReportData& data) {
    printer.printLine(); // after the header line
    printBlocks(printer,
                {.titleColumn = 27,
                 .title = compoundReportTitle(),
                 .headings = {QStringLiteral("Term in          Cost of         Current or      "
                                             "Compounded at   Total Rate(%)"),
                              QStringLiteral(" Years        Investment       Future Value     "
                                             "Annual Rate(%)     over Period")},
                 .rule = QString(78, u'_'),
                 .emptyAfterRule = false,
                 .firstPageLines = 9,
                 .secondPageBlanks = 3},
                data.Block1, data.Block2);
    EndReport(printer);
}
