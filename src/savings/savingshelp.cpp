#include "savings/savingshelp.h"

#include "core/formats.h"

#include <QStringList>

namespace {

// The worked examples stand in five columns under their headings, one line per entry field.
const char* const ExampleValues[7][5] = {
    {".00", "1,000.00", ".00", "30,000.00", "30,000.00"},
    {"1,000.00", ".00", "1.000.00", ".00", ".00"},
    {"Annually", "Annually", "Annually", "Annually", "Annually"},
    {"20%", "20%", "20%", ".00%", ".00%"},
    {".00%", ".00%", "5.00%", ".00%", ".00%"},
    {".00%", ".00%", ".00%", "5.00%", "-5.00%"},
    {"25", "25", "25", "25", "25"},
};

// The first heading ends at character 11, the next ones 13 characters apart: the table fits
// the help box beside the fields, with room to spare.
constexpr int FirstColumn = 11;
constexpr int NextColumns = 13;

QString exampleTable() {
    QString text;
    for (int column = 0; column < 5; ++column) {
        text += RightJustify(QStringLiteral("Example %1").arg(column + 1),
                             column == 0 ? FirstColumn : NextColumns);
    }
    text += u'\n';
    for (const auto& line : ExampleValues) {
        // Each value ends where its heading ends.
        for (int column = 0; column < 5; ++column) {
            text += RightJustify(QString::fromLatin1(line[column]),
                                 column == 0 ? FirstColumn : NextColumns);
        }
        text += u'\n';
    }
    return text;
}

const char* const Closing = "\n\n                                                  End";

// The explanations are broken into lines of at most this many characters, so that the help box
// shows them whole, as it shows the table of examples.
constexpr qsizetype HelpColumns = 78;

QString broken(const QString& text) {
    QStringList lines;
    for (QString line : text.split(u'\n')) {
        while (line.size() > HelpColumns) {
            const qsizetype cut = line.lastIndexOf(u' ', HelpColumns);
            if (cut <= 0) {
                break; // a word longer than a line stays whole
            }
            lines << line.left(cut);
            line = line.mid(cut + 1);
        }
        lines << line;
    }
    return lines.join(u'\n');
}

} // namespace

QString savingsHelpText(SavingsMode calcMode, const QString& sym) {
    QStringList parts;
    parts << exampleTable();
    parts << QStringLiteral("Click yellow box to change, start typing in numbers, deletes previous "
                            "ones. For results click Calculate.  Press F1 key for more detailed "
                            "information.\n");
    parts << QStringLiteral("Example 1: Shows the future value of ") + sym +
                 QStringLiteral("1,000.00 invested each year for 25 years at a 20% "
                                "Interest/Growth Rate compounded annually.\n");
    parts << QStringLiteral("Example 2: Shows the future value of a lump sum of ") + sym +
                 QStringLiteral("1,000.00 invested once for 25 years at a 20% Interest/Growth "
                                "Rate compounded annually.\n");
    parts << QStringLiteral("Example 3: Shows the future value of ") + sym +
                 QStringLiteral("1,000.00 invested the first year and increased by 5% each year "
                                "for 25 years at a 20% Interest/Growth Rate compounded "
                                "annually.\n");
    parts << QStringLiteral("Example 4: Shows the future purchasing power of ") + sym +
                 QStringLiteral("30,000.00 in 25 years with an annual inflation rate of 5%.\n");
    parts << QStringLiteral("Example 5: Shows what ") + sym +
                 QStringLiteral("30,000.00 must be worth in 25 years to keep today's purchasing "
                                "power with an annual inflation rate of 5%. Minus used only in "
                                "this calculation.\n");
    parts << QStringLiteral(
        "For Investments made on a more frequent basis than each year. click down arrow beside "
        "'Frequency of each contribution period' for monthly or quarterly. Be sure to change the "
        "figures in 'Amount invested at each contribution period' also.\n");
    parts << QStringLiteral(
        "Compounding takes place at the frequency chosen: Annually, once a year. Quarterly, 4 "
        "times a year. Monthly, 12 times a year. All percentage rates used in monthly and "
        "quarterly calculations are adjusted for the annual percentage rate.\n");
    if (calcMode == SavingsMode::Comparisons) {
        parts << QString(13, u'\n');
    } else {
        parts << QStringLiteral("As the program is very flexible you can tailor it to meet any "
                                "situation such as varying the amounts invested or "
                                "interest/growth Rates each year.\n");
        parts << QStringLiteral("For more complex calculations use several steps. For instance "
                                "if you plan on investing ") +
                     sym +
                     QStringLiteral("1,000.00 each year for 5 years and then adding a lump sum "
                                    "of ") +
                     sym +
                     QStringLiteral("10,000.00 the sixth year for a total period of 25 years.\n"
                                    "First find Total Current Value for 5 years, add this to the"
                                    " ") +
                     sym +
                     QStringLiteral("10,000.00, enter this figure in ' Amount of Lump Sum Invested "
                                    "at Start' and calculate for the remaining 20 years.\n");
        parts << QStringLiteral("Another situation may be investing varying amounts each year "
                                "over 25 years. Enter as a lump sum each year and calculate for "
                                "the remaining years (25, 24, ...1).\n");
    }
    const QString table = parts.takeFirst();
    return table + u'\n' + broken(parts.join(u'\n')) + QString::fromLatin1(Closing);
}

QString compoundHelpText(const QString& sym) {
    QStringList parts;
    parts << QStringLiteral("Click any yellow box and type in numbers, deletes previous ones, "
                            "then 'Calculate'.\n");
    parts << QStringLiteral(
        " To compare different investments on an annual compound yield basis.\n"
        " Enter the Cost of your Investment, then the Present or Future Value and\n"
        " the term in years it has or will be held. Change any entry and Calculate again.\n");
    parts << QStringLiteral(" Example 1. Amount invested in Mutual Fund = ") + sym +
                 QStringLiteral("1,000.00, 5 years later with\n"
                                " all dividends and capital gains reinvested it is worth ") +
                 sym +
                 QStringLiteral("2,000.00 for an annual\n"
                                " compound growth rate of 14.8698%.\n");
    parts << QStringLiteral(" Example 2. House bought for ") + sym +
                 QStringLiteral("25,000.00, 20 years ago now worth 200,000\n"
                                " for an annual compound growth rate of 10.9569%.\n");
    parts << QStringLiteral(" Example 3. Stripped Bond with a redemption value of") + u' ' + sym +
                 QStringLiteral("1,000.00 in 6 years\n bought for ") + sym +
                 QStringLiteral("500.00. Annual compound growth rate = 12.2462%.\n");
    parts << QStringLiteral(" Example 4. Growth in earnings per share. Earnings: 1995 = ") + sym +
                 QStringLiteral("2.38,  2000 = ") + sym +
                 QStringLiteral("5.14\n Annual compound growth rate for the 5 years = 16.648%.\n");
    return parts.join(u'\n') + QString::fromLatin1(Closing);
}
