#include "mortgage/mortgagedisplay.h"

#include "core/dates.h"
#include "core/formats.h"
#include "core/programstate.h"
#include "mortgage/mortgagestate.h"

namespace {

const QString MoneyPattern = QStringLiteral("####,,###.00");

QString money(double value) {
    return formatNumber(value, MoneyPattern);
}

QString whole(double value, QStringView pattern, int width) {
    return RightAlign(formatNumber(value, pattern), width);
}

QString symbolMoney(const QString& symbol, double value, int width) {
    return RightAlign(symbol + formatNumber(value, u"###,,###.00"), width);
}

} // namespace

GridSetup initMortgageGrid(MortgageModeFlag mortgageMode, int scheduleRows) {
    GridSetup setup;
    setup.cols = 6;
    setup.rows = scheduleRows;
    setup.headingTwips = 500;
    setup.widenTwips = {520, 550, 650, 700, 700, 700};
    setup.alignments = {GridCentre, GridRight, GridRight, GridRight, GridRight, GridRight};
    setup.headings = {mortgageMode == MortgageModeFlag::Loan
                          ? QStringLiteral(" Year Number")
                          : QStringLiteral("  Payment   No.  Year"),
                      QStringLiteral("Interest Payment"),
                      QStringLiteral("Principal Payment"),
                      QStringLiteral("Remaining Balance"),
                      QStringLiteral("Cumulative Interest"),
                      QStringLiteral("Cumulative Principal")};
    return setup;
}

int mortgageGridRows(int scheduleRows, int prePayCount) {
    int rows = scheduleRows + 4;
    if (prePayCount > 0) {
        rows += prePayCount + 4;
    }
    return std::max(rows, 23);
}

QString mortgageColumn0Heading(ScheduleRows calcMode, int showPaymentDates) {
    if (calcMode != ScheduleRows::EveryPayment) {
        return QStringLiteral(" Payment  Year");
    }
    return showPaymentDates == 1 ? QStringLiteral(" Payment  Date")
                                 : QStringLiteral("  Payment   No.  Year");
}

MortgageCaptions mortgageCaptions(const MortgageResult& result, const QString& currencySymbol) {
    MortgageCaptions c;
    if (result.stage < MortgageResult::Rates) {
        return c;
    }
    const int F = result.frequency.F;
    if (F == 12 || F == 24) {
        c.InDays = QStringLiteral("Normal");
    } else if (result.DaysInYear == 365.25F) {
        c.InDays = formatNumber(static_cast<double>(result.DaysInYear), u"###.##");
    } else {
        c.InDays = formatNumber(static_cast<double>(result.DaysInYear), u"###");
    }
    c.PeriodicR = formatNumber(result.ip, u"0.########");
    c.NumPmtsYear = whole(F, u"###", 12);
    c.InMonthPI = symbolMoney(currencySymbol, result.payment, 12);
    if (result.stage < MortgageResult::Schedule) {
        return c;
    }
    c.EndMortYear = RightAlign(formatNumber(result.yearsOrMonths, u"###.00"), 12);
    if (result.stage < MortgageResult::Complete) {
        return c;
    }
    c.AllPayments = symbolMoney(currencySymbol, result.TP, 12);
    c.TotSavd = symbolMoney(currencySymbol, result.S, 12);
    return c;
}

MortgageDisplay mortgageDisplay(const MortgageResult& result, const Table& schedule,
                                const CurrencyTable& prePayments, const QString& currencySymbol) {
    Q_UNUSED(prePayments);
    MortgageDisplay d;
    const int rows = result.last;
    d.ScheduleRows = static_cast<std::int16_t>(rows);
    d.gridRows = mortgageGridRows(rows, result.PrePayCount);
    d.column0Heading = mortgageColumn0Heading(result.CalcMode, result.ShowPaymentDates);
    const bool dates = result.ShowPaymentDates == 1;
    const bool annual = result.CalcMode != ScheduleRows::EveryPayment;
    d.rows.reserve(static_cast<std::size_t>(rows));
    for (int a = 1; a <= rows; ++a) {
        QStringList row;
        if (dates) {
            row << Dates::toShortDate(schedule.at(a, 7).toDate());
        } else if (annual) {
            row << whole(schedule.at(a, 1).toDouble(), u"####", 4);
        } else {
            row << whole(schedule.at(a, 1).toDouble(), u"####", 4) +
                       whole(schedule.at(a, 0).toDouble(), u"###", 8);
        }
        for (int c = 2; c <= 6; ++c) {
            row << money(schedule.at(a, c).toDouble());
        }
        d.rows.push_back(row);
    }

    d.totalsRow = rows + 2;
    d.totals = {QStringLiteral("Total:"),
                QString(),
                QString(),
                currencySymbol + money(result.balance),
                currencySymbol + money(result.cumulativeInterest),
                currencySymbol + money(result.cumulativePrincipal)};

    // The listing shows the payments the schedule applied: a planned payment that was skipped
    // (too close to the balance) or fell after the payoff is not listed.
    if (result.PrePayCount > 0 && !result.applied.empty()) {
        d.prePayHeadingRow = rows + 4;
        d.prePayHeading = {QStringLiteral("Additional "),
                           QStringLiteral("Payments  "),
                           QStringLiteral("Applied  "),
                           QString(),
                           QString(),
                           QString()};
        d.prePayFirstRow = rows + 6;
        d.prePayReportText = QStringLiteral("Additional  Payments     Applied\n\n");
        for (const AppliedPrePayment& applied : result.applied) {
            const QString year = whole(applied.year, u"###", 3);
            const QString amount = formatNumber(applied.amount, u"###,,###.00");
            d.prePayRows.push_back({QStringLiteral("Year  ") + year, QString(), amount, QString(),
                                    QString(), QString()});
            d.prePayReportText += QStringLiteral(" Year   ") + year + QString(10, u' ') +
                                  RightAlign(amount, 12) + u'\n';
        }
        d.listedPrePayCount = static_cast<int>(d.prePayRows.size());
    }

    d.ResultCount = result.ResultCount;
    d.GraphTitle = result.MortgageMode == MortgageModeFlag::Loan
                       ? QStringLiteral("Personal Loan balance at start of each Year")
                       : QStringLiteral("Mortgage balance at start of each Year");
    return d;
}

EntryFieldDef principalField() {
    return moneyField(QStringLiteral("InPrincipal"), 1, QStringLiteral("InRate"), 16);
}

EntryFieldDef rateField() {
    return {.name = QStringLiteral("InRate"),
            .index = 2,
            .kind = FieldKind::Percent,
            .decimals = 3,
            .pattern = QStringLiteral("###.000"),
            .width = 14,
            .enterTarget = QStringLiteral("InTerm")};
}

EntryFieldDef termField(MortgageModeFlag mortgageMode) {
    const bool loan = mortgageMode == MortgageModeFlag::Loan;
    EntryFieldDef field = yearsField(QStringLiteral("InTerm"), 3, QStringLiteral("Comperiod"), 16,
                                     loan ? 480 : 40, Message::FortyYearsLimit);
    // A loan's term is typed and shown in months and stored in years.
    field.displayFactor = loan ? 12 : 1;
    return field;
}

MortgageModeTexts mortgageModeTexts(MortgageModeFlag mortgageMode) {
    if (mortgageMode == MortgageModeFlag::Loan) {
        return {.caption = QStringLiteral(" Loan Tables"),
                .principalLabel = QStringLiteral(" Principal amount of the      loan."),
                .rateLabel = QStringLiteral(" Annual interest rate%."),
                .termLabel = QStringLiteral(" Payback period of the       loan in months."),
                .totalPaidLabel = QStringLiteral(" Total paid over life     of the loan."),
                .finalPaymentLabel = QStringLiteral(" No. months to        final payment."),
                .termItems = {QStringLiteral("24"), QStringLiteral("36"), QStringLiteral("48"),
                              QStringLiteral("60")}};
    }
    return {.caption = QStringLiteral(" Mortgage Tables"),
            .principalLabel = QStringLiteral(" Principal amount of            mortgage."),
            .rateLabel = QStringLiteral(" Annual interest rate %"),
            .termLabel = QStringLiteral(" Amortization period in        years."),
            .totalPaidLabel = QStringLiteral(" Total paid over life    of mortgage"),
            .finalPaymentLabel = QStringLiteral(" No. of years to       final payment."),
            .termItems = {QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("40")}};
}

QStringList rateItems() {
    return {QStringLiteral("6 "), QStringLiteral("7 "), QStringLiteral("8 "), QStringLiteral("9 "),
            QStringLiteral("10 ")};
}

QString principalText(Currency principal, const QString& currencySymbol) {
    return entryDisplayText(principalField(), principal, currencySymbol);
}

QString rateText(Currency rate) {
    return entryDisplayText(rateField(), rate, {});
}

QString termText(Currency termYears, MortgageModeFlag mortgageMode) {
    return entryDisplayText(termField(mortgageMode), termYears, {});
}

EntryTexts defaultEntryTexts(MortgageModeFlag mortgageMode, const QString& currencySymbol) {
    if (mortgageMode == MortgageModeFlag::Loan) {
        return {QStringLiteral("   ") + currencySymbol + QStringLiteral("20,000.00"),
                QStringLiteral("         10.125%"), QStringLiteral("            48")};
    }
    return {QStringLiteral("   ") + currencySymbol + QStringLiteral("100,000.00"),
            QStringLiteral("        10.125%"), QStringLiteral("            25")};
}

double captionNumber(const QString& caption, const QString& currencySymbol) {
    QString text = caption;
    if (!currencySymbol.isEmpty()) {
        text.remove(currencySymbol);
    }
    text.remove(u',');
    return readNumber(text);
}
