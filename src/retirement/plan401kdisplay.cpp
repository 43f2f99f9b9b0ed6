#include "retirement/plan401kdisplay.h"

#include "core/formats.h"

namespace {

QString money(double value) {
    return formatNumber(value, u"####,,###.00");
}

QString total(const QString& symbol, double value) {
    return symbol + formatNumber(value, u"####,,##0.00");
}

EntryFieldDef moneyField(const char* name, int index, const char* next) {
    return {.name = QString::fromLatin1(name),
            .index = index,
            .kind = FieldKind::Money,
            .pattern = QStringLiteral("####,,###.00"),
            .width = 13,
            .enterTarget = QString::fromLatin1(next),
            .deleteEmpties = true};
}

EntryFieldDef percentField(const char* name, int index, const char* next) {
    return {.name = QString::fromLatin1(name),
            .index = index,
            .kind = FieldKind::Percent,
            .pattern = QStringLiteral("###.00"),
            .width = 14,
            .enterTarget = QString::fromLatin1(next),
            .deleteEmpties = true};
}

} // namespace

QString plan401kWindowCaption() {
    return QStringLiteral(" 401(k) Investment Growth Calculations");
}

std::vector<EntryFieldDef> plan401kFields() {
    return {moneyField("InCurrBal", 1, "InCurrSal"),
            moneyField("InCurrSal", 2, "InCntrbRate"),
            percentField("InCntrbRate", 3, "InCompRate"),
            percentField("InCompRate", 4, "InAnnSalRaise"),
            percentField("InAnnSalRaise", 5, "InRetnRate"),
            percentField("InRetnRate", 6, "InInflRate"),
            percentField("InInflRate", 7, "InNumYears"),
            EntryFieldDef{.name = QStringLiteral("InNumYears"),
                          .index = 8,
                          .kind = FieldKind::Years,
                          .decimals = 0,
                          .pattern = QStringLiteral("###"),
                          .width = 15,
                          .limit = 50,
                          .limitMessage = 4,
                          .enterTarget = QStringLiteral("KCalc"),
                          .deleteEmpties = true}};
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
        block.rows.push_back({QString::number(y.year), money(y.salary), money(y.contribution),
                              money(y.growth.toDouble()), money(y.value)});
    }
    block.rows.push_back(QStringList(5, QString()));
    block.rows.push_back(
        {QStringLiteral("Total:"), QString(), total(currencySymbol, result.totalContributions),
         total(currencySymbol, result.totalGrowth()), total(currencySymbol, result.finalValue)});
    return block;
}
