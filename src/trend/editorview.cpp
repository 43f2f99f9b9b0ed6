#include "trend/editorview.h"

#include "core/dates.h"
#include "core/formats.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

#include <cmath>
#include <limits>

namespace {

constexpr int Backspace = 8;
constexpr int Quote = 34;

bool isDigitKey(int keyCode) {
    return keyCode >= '0' && keyCode <= '9';
}

void checkEarningsRow(int row) {
    if (row < 1 || row > MaxEarningsRows) {
        throw RunTimeFailure("earnings row out of range");
    }
}

} // namespace

KeyVerdict titleKey(int keyCode) {
    return keyCode == Quote ? KeyVerdict::Refuse : KeyVerdict::Accept;
}

KeyVerdict factorKey(int keyCode) {
    if (keyCode == Backspace) {
        return KeyVerdict::EmptyBox;
    }
    return isDigitKey(keyCode) ? KeyVerdict::Accept : KeyVerdict::Refuse;
}

KeyVerdict dateKey(int keyCode) {
    if (isDigitKey(keyCode) || keyCode == '.' || keyCode == '-' || keyCode == '/' ||
        keyCode == Backspace) {
        return KeyVerdict::Accept;
    }
    return KeyVerdict::Refuse;
}

QString commitTitle(const QString& text) {
    QString title = text;
    title.remove(u'"');
    storeChange(trend().DatabaseTitle, title);
    return title;
}

QString commitEarningsYear(int row, const QString& text) {
    checkEarningsRow(row);
    const double year = checked::finite(readNumber(text));
    storeChange(trend().EarningsTable.at(row, EarningsYear), year);
    return formatNumber(year, u"####");
}

QString commitEarnings(int row, const QString& text) {
    checkEarningsRow(row);
    const double earnings = checked::finite(readNumber(text));
    storeChange(trend().EarningsTable.at(row, EarningsPerShare), earnings);
    return earningsText(earnings);
}

QString earningsText(double earnings) {
    return earnings == 0.0 ? QString() : formatNumber(earnings, u"###,,###.00");
}

std::optional<float> factorOf(const QString& text) {
    const double factor = readNumber(text);
    if (!std::isfinite(factor) || std::fabs(factor) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(factor);
}

QString commitFactor(const QString& text) {
    const std::optional<float> factor = factorOf(text);
    if (!factor) {
        throw RunTimeFailure("factor beyond a single");
    }
    storeChange(trend().EarningsFactor, *factor);
    return plainNumber(*factor);
}

std::optional<QDate> enteredDate(const QString& text) {
    const std::optional<QDate> date = Dates::parse(text);
    if (!date || !acceptableRecordDate(*date)) {
        return std::nullopt;
    }
    return date;
}

DateCommit commitDateText(const QString& text) {
    if (const std::optional<QDate> date = enteredDate(text)) {
        return {Dates::toShortDate(*date), Message::None};
    }
    return {Dates::toShortDate(trend().NextDate), Message::WrongDateEntry};
}

EditorHeader editorHeader() {
    const TrendState& t = trend();
    EditorHeader h;
    h.title = t.DatabaseTitle;
    h.factor = plainNumber(t.EarningsFactor);
    for (int i = 1; i <= MaxEarningsRows && i < t.EarningsTable.rows(); ++i) {
        const auto box = static_cast<std::size_t>(i - 1);
        h.years[box] = formatNumber(t.EarningsTable.at(i, EarningsYear), u"####");
        h.earnings[box] = earningsText(t.EarningsTable.at(i, EarningsPerShare));
    }
    return h;
}

GridSetup editorGridSetup(int recordCount) {
    GridSetup g;
    g.cols = 3;
    g.rows = recordCount + 24;
    g.widenTwips = {280, 910, 880};
    g.alignments = {GridRight, GridCentre, GridRight};
    g.headings = {QStringLiteral(" Record"), QStringLiteral("        Date"),
                  QStringLiteral("   Data Value")};
    return g;
}

QDate ProposeNextDate() {
    TrendState& t = trend();
    t.NextDate = Dates::today();
    if (t.RecordCount > 0) {
        // A record whose date cannot be read proposes today.
        if (const std::optional<QDate> newest = readRecordDate(t.TrendRecords.at(1, RecordDate))) {
            t.NextDate = Dates::addDays(*newest, 7);
        }
    }
    return t.NextDate;
}

void RefreshEditor(EditorView& v) {
    TrendState& t = trend();
    v.header = editorHeader();
    ProposeNextDate();
    renumberTrendRecords();
    v.inNew = QStringLiteral("New");
    v.inDate = Dates::toShortDate(t.NextDate);
    v.inValue = QStringLiteral("");
    v.grid = editorGridSetup(t.RecordCount);
    v.rows.firstRow = 1;
    v.rows.rows.clear();
    for (int b = 1; b <= t.RecordCount; ++b) {
        v.rows.rows.push_back(
            {RightJustify(formatNumber(static_cast<double>(b), u"####"), 6),
             Dates::toShortDate(recordDate(t.TrendRecords.at(b, RecordDate))),
             RightAlign(
                 formatNumber(recordValue(t.TrendRecords.at(b, RecordValue)), u"####,,###.00"),
                 13)});
    }
}

EditorView RefreshEditor() {
    EditorView v;
    RefreshEditor(v);
    return v;
}

std::vector<LabelText> editorCaptions() {
    return {
        {QStringLiteral("TEFLabel"), QStringLiteral(" Times Earnings Factor")},
        {QStringLiteral("EarningsFrame"), QStringLiteral("Latest Annual Earnings")},
        {QStringLiteral("YearLabel"), QStringLiteral("Year")},
        {QStringLiteral("EarningsLabel"), QStringLiteral("Earnings")},
        {QStringLiteral("AddRecord"), QStringLiteral("&Add Record")},
        {QStringLiteral("CorrRecord"), QStringLiteral("&Correct Record")},
        {QStringLiteral("NewFile"), QStringLiteral("&Delete All")},
        {QStringLiteral("ToRatios"), QStringLiteral("&Ratios")},
        {QStringLiteral("Printit"), QStringLiteral("To &Printer")},
        {QStringLiteral("Exitbut"), QStringLiteral("E&xit to Menu")},
    };
}

QString editorWindowCaption() {
    return QStringLiteral(" Add and Edit Database");
}

QString editorHelpText() {
    const QString paragraphs[] = {
        QStringLiteral("  To Create a new file."),
        QStringLiteral("All entries are made in the yellow input boxes."),
        QStringLiteral("Click box at top, type your File Name."),
        QStringLiteral("Entries in the Database take place in top row beside New.."),
        QStringLiteral("Click on today's date, change to starting date of data. Must be in the "
                       "format ") +
            Dates::toShortDate(Dates::today()) +
            QStringLiteral(" <Enter> will set focus on Data Value box, type in data."),
        QStringLiteral("Click 'Add Record' will move the data to spreadsheet, top row will now "
                       "show date 7 days after previous one with focus set on blank Data Value "
                       "box."),
        QStringLiteral("To continue adding data just type data in blank Data Value box and press "
                       "<Enter> twice."),
        QStringLiteral("Latest Annual Earnings.\nClick first box and type latest year date."),
        QStringLiteral("Click on Earnings box and type earnings per share for that year."),
        QStringLiteral("Move down one row and repeat for previous year's earnings."),
        QStringLiteral("To change Earnings Ratio click box and type new ratio."),
        QStringLiteral("Click 'Correct Record' to Insert, first click on record number to Correct "
                       "or Delete, record will be shown in 'New' row, change, click Add Record'. "
                       "Commands not used disappear until task completed."),
        QStringLiteral("Click 'Delete All' to delete all data in the file."),
        QStringLiteral("To enter data other than weekly. Type the new date over the existing one "
                       "and <Enter>."),
        QStringLiteral("To start from a price history downloaded from a broker or a price site, "
                       "click 'Import Prices from a CSV File' on the Quantrel menu: each week "
                       "becomes a record."),
        QStringLiteral("Open the Sample.Orv file with 'Open a File from Disk' and try out all the "
                       "features."),
    };
    QString text;
    for (const QString& p : paragraphs) {
        text += p + QStringLiteral("\n\n");
    }
    return text + QStringLiteral("            End");
}
