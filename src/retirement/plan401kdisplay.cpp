#include "retirement/plan401kdisplay.h"

#include "core/formats.h"
#include "retirement/yeartable.h"

namespace {

// Every field of this window empties itself at the Delete key.
EntryFieldDef emptiedAtDelete(EntryFieldDef field) {
    field.deleteEmpties = true;
    return field;
}

} // namespace

QString plan401kWindowCaption() {
    return QStringLiteral(" 401(k) Investment Growth Calculations");
}

std::vector<EntryFieldDef> plan401kFields() {
    return {
        emptiedAtDelete(moneyField(QStringLiteral("InCurrBal"), 1, QStringLiteral("InCurrSal"))),
        emptiedAtDelete(moneyField(QStringLiteral("InCurrSal"), 2, QStringLiteral("InCntrbRate"))),
        emptiedAtDelete(
            percentField(QStringLiteral("InCntrbRate"), 3, QStringLiteral("InCompRate"))),
        emptiedAtDelete(
            percentField(QStringLiteral("InCompRate"), 4, QStringLiteral("InAnnSalRaise"))),
        emptiedAtDelete(
            percentField(QStringLiteral("InAnnSalRaise"), 5, QStringLiteral("InRetnRate"))),
        emptiedAtDelete(
            percentField(QStringLiteral("InRetnRate"), 6, QStringLiteral("InInflRate"))),
        emptiedAtDelete(
            percentField(QStringLiteral("InInflRate"), 7, QStringLiteral("InNumYears"))),
        emptiedAtDelete(yearsField(QStringLiteral("InNumYears"), 8, QStringLiteral("KCalc"), 15, 50,
                                   Message::FiftyYearsLimit))};
}

QStringList plan401kFieldLabels() {
    return {QStringLiteral("Current balance in the 401(k) account."),
            QStringLiteral("Your current annual salary."),
            QStringLiteral("Your annual 401(k) rate(%) of contribution."),
            QStringLiteral("The Company contribution rate(%)."),
            QStringLiteral("Estimated rate(%) of annual salary raise."),
            QStringLiteral("Annual rate(%) of return on your 401(k)."),
            QStringLiteral("Estimated rate(%) of annual inflation."),
            QStringLiteral("No. of years to retirement.")};
}

GridSetup plan401kGridSetup() {
    GridSetup setup;
    setup.cols = 5;
    setup.rows = 25;
    setup.headingTwips = 520;
    setup.widenTwips = {300, 850, 900, 1050, 1050};
    setup.alignments = {GridCentre, GridRight, GridRight, GridRight, GridRight};
    setup.headings = {QStringLiteral("Year Number"), QStringLiteral("       Annual       Salary"),
                      QStringLiteral(" Combined Contributions"),
                      QStringLiteral(" Interest/Growth Compounded"),
                      QStringLiteral("        Current         Value")};
    return setup;
}

GridBlock plan401kGridBlock(const Plan401KResult& result, const QString& currencySymbol) {
    GridBlock block;
    if (result.startBalance > Currency::fromWhole(1)) {
        block.rows.push_back({QString(), QString(), QString(), QString(),
                              formatNumber(result.startBalance, u"####,,###.00")});
    }
    for (const Plan401KYear& y : result.years) {
        block.rows.push_back({QString::number(y.year), yearAmount(y.salary),
                              yearAmount(y.contribution), yearAmount(y.growth.toDouble()),
                              yearAmount(y.value)});
    }
    block.rows.push_back(QStringList(5, QString()));
    block.rows.push_back({QStringLiteral("Total:"), QString(),
                          yearTotal(currencySymbol, result.totalContributions),
                          yearTotal(currencySymbol, result.totalGrowth()),
                          yearTotal(currencySymbol, result.finalValue)});
    return block;
}
