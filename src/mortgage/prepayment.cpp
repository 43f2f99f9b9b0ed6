#include "mortgage/prepayment.h"

#include "core/formats.h"
#include "core/programstate.h"
#include "core/runtimefailure.h"
#include "mortgage/mortgagestate.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

CurrencyTable& table() {
    CurrencyTable& t = mortgage().MortPrePayments;
    if (t.rows() == 0) {
        t = CurrencyTable(46, 3);
    }
    return t;
}

// Years 1..PrePayYears that the table holds.
int offeredYears() {
    return std::min<int>(mortgage().PrePayYears, table().rows() - 1);
}

// A typed amount stays inside the currency range (about 922 trillion); a key that would take it
// beyond is refused like any other wrong key.
constexpr double MaxAmount = 9e14;

} // namespace

std::int16_t prePayYearsFromTerm(Currency termYears) {
    // The table holds 45 years; a loan term from a file may ask for more.
    return checked::toInt16(std::clamp(termYears.toDouble(), 0.0, 45.0));
}

int loadPrePayWindow() {
    MortgageState& m = mortgage();
    const Currency term = program().EntryValues.size() > 3 ? program().EntryValues[3] : Currency();
    m.PrePayYears = prePayYearsFromTerm(term);
    m.ScheduleRows = static_cast<std::int16_t>(m.PrePayYears + 1);
    CurrencyTable& t = table();
    if (t.at(1, 2) == Currency()) {
        for (int y = 1; y <= offeredYears(); ++y) {
            t.at(y, 1) = Currency::fromWhole(y);
        }
    }
    return std::max<int>(m.ScheduleRows, 20);
}

std::vector<QStringList> prePayRowTexts() {
    std::vector<QStringList> rows;
    const CurrencyTable& t = table();
    for (int y = 1; y <= offeredYears(); ++y) {
        rows.push_back({QString::number(y), formatNumber(t.at(y, 2), u"###,###.00")});
    }
    return rows;
}

QStringList prePayHeadings() {
    return {QStringLiteral("Year Number"), QStringLiteral("Amount of Payment")};
}

void acceptPrePayments() {
    const CurrencyTable& t = table();
    std::int16_t count = 0;
    for (int y = 1; y <= offeredYears(); ++y) {
        if (t.at(y, 2) > Currency()) {
            ++count;
        }
    }
    mortgage().PrePayCount = count;
}

void eraseAllPrePayments() {
    CurrencyTable& t = table();
    for (int y = 1; y <= offeredYears(); ++y) {
        t.at(y, 2) = Currency();
    }
    mortgage().PrePayCount = 0;
}

void clearPrePayments() {
    mortgage().MortPrePayments = CurrencyTable(46, 3);
    mortgage().PrePayCount = 0;
}

void PrePayEditor::setCurrentCell(int row, int column) {
    m_row = row;
    m_column = column;
    m_typed.clear();
}

bool PrePayEditor::amountRow() const {
    return m_row >= 1 && m_row < table().rows();
}

PrePayEditor::KeyOutcome PrePayEditor::keyPress(QChar key) {
    KeyOutcome out;
    const bool amountColumn = m_column == 1;
    if (key == u'"') {
        return out;
    }
    if (key == u'\r' || key == u'\n') {
        out.moveDown = true;
        return out;
    }
    if (key == u'\b') {
        m_typed.clear();
        if (amountColumn && amountRow()) {
            table().at(m_row, 2) = Currency();
            out.cellText = QStringLiteral(".00");
        }
        return out;
    }
    if (amountColumn && !(key.isDigit() && key.unicode() < 128) && key != u'.') {
        out.beep = true;
        return out;
    }
    static const QRegularExpression twoDecimals(QStringLiteral("\\.[0-9]{2}"));
    if (twoDecimals.match(m_typed).hasMatch()) {
        return out;
    }
    if (!amountColumn) {
        // The year column takes no entries.
        m_typed += key;
        return out;
    }
    const QString typed = m_typed + key;
    const double value = readNumber(typed);
    if (!(std::fabs(value) < MaxAmount)) {
        out.beep = true;
        return out;
    }
    m_typed = typed;
    if (amountRow()) {
        const Currency amount = Currency::fromDouble(value);
        table().at(m_row, 2) = amount;
        table().at(m_row, 1) = Currency::fromWhole(m_row);
        out.cellText = formatNumber(amount, u"###,,###.00");
    }
    return out;
}

QString PrePayEditor::deleteKey() {
    m_typed.clear();
    if (amountRow()) {
        table().at(m_row, 2) = Currency();
    }
    return QStringLiteral(".00");
}
