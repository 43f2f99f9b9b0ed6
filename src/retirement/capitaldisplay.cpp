#include "retirement/capitaldisplay.h"

#include "core/formats.h"
#include "core/programstate.h"

namespace {

QString money(double value) {
    return formatNumber(value, u"####,,###.00");
}

QString total(const QString& symbol, double value) {
    return symbol + formatNumber(value, u"####,,##0.00");
}

} // namespace

QString capitalWindowCaption() {
    return QStringLiteral(" Capital Required");
}

QStringList capitalOptionCaptions() {
    return {QStringLiteral("Amount of capital required at retirement"),
            QStringLiteral("Annual income required at retirement")};
}

std::vector<EntryFieldDef> capitalFields() {
    return {EntryFieldDef{.name = QStringLiteral("InLumpInv"),
                          .index = 1,
                          .kind = FieldKind::Money,
                          .pattern = QStringLiteral("####,,###.00"),
                          .width = 13,
                          .enterTarget = QStringLiteral("InRate")},
            EntryFieldDef{.name = QStringLiteral("InRate"),
                          .index = 2,
                          .kind = FieldKind::Percent,
                          .pattern = QStringLiteral("###.00"),
                          .width = 14,
                          .enterTarget = QStringLiteral("InTerm")},
            EntryFieldDef{.name = QStringLiteral("InTerm"),
                          .index = 3,
                          .kind = FieldKind::Years,
                          .decimals = 0,
                          .pattern = QStringLiteral("###"),
                          .width = 17,
                          .limit = 50,
                          .limitMessage = 4,
                          .enterTarget = QStringLiteral("CCalc")}};
}

QStringList capitalRateList() {
    return {QStringLiteral("10"), QStringLiteral("12.5"), QStringLiteral("15"),
            QStringLiteral("17.5"), QStringLiteral("20")};
}

QStringList capitalTermList() {
    return {QStringLiteral("5"),  QStringLiteral("10"), QStringLiteral("15"),
            QStringLiteral("20"), QStringLiteral("25"), QStringLiteral("30")};
}

CapitalOptionTexts CRChoseCalc(int option, const QString& currencySymbol) {
    ProgramState& p = program();
    BoundedArray<Currency>& ev = p.EntryValues;
    const std::vector<EntryFieldDef> fields = capitalFields();
    CapitalOptionTexts texts;
    if (option == 1) {
        ev[1] = Currency::fromWhole(40000);
        texts.lumpInvList = {QStringLiteral("25000"), QStringLiteral("30000"),
                             QStringLiteral("35000"), QStringLiteral("40000"),
                             QStringLiteral("45000"), QStringLiteral("50000")};
        texts.lumpInvCaption = QStringLiteral(" Annual income required at         retirement");
    } else {
        ev[1] = Currency::fromWhole(100000);
        texts.lumpInvList = {QStringLiteral("100000"), QStringLiteral("200000"),
                             QStringLiteral("300000"), QStringLiteral("400000"),
                             QStringLiteral("500000"), QStringLiteral("600000")};
        texts.lumpInvCaption = QStringLiteral(" Amount of capital required at     retirement");
    }
    ev[2] = Currency::fromWhole(15);
    ev[3] = Currency::fromWhole(25);
    texts.lumpInvText = entryDisplayText(fields[0], ev[1], currencySymbol);
    texts.rateText = entryDisplayText(fields[1], ev[2], currencySymbol);
    texts.termText = entryDisplayText(fields[2], ev[3], currencySymbol);
    p.CalcMode = option == 1 ? CalcModeFlag::CapitalForIncome : CalcModeFlag::CapitalForInvestment;
    return texts;
}

GridSetup capitalGridSetup() {
    GridSetup setup;
    setup.cols = 4;
    setup.rows = 25;
    setup.headingTwips = 500;
    setup.widenTwips = {365, 1400, 1400, 1450};
    setup.alignments = {GridCentre, GridRight, GridRight, GridRight};
    setup.headings = {QStringLiteral("Year Number"),
                      QStringLiteral("        Annual       Investment"),
                      QStringLiteral("Interest/Growth Compounded"),
                      QStringLiteral("             Current              Value")};
    return setup;
}

GridBlock capitalGridBlock(const CapitalResult& result, const QString& currencySymbol) {
    GridBlock block;
    for (const CapitalYear& y : result.years) {
        block.rows.push_back(
            {QString::number(y.year), money(y.saving), money(y.shownGrowth), money(y.value)});
    }
    block.rows.push_back(QStringList(4, QString()));
    block.rows.push_back({QStringLiteral("Total:"), total(currencySymbol, result.totalSaved),
                          total(currencySymbol, result.totalGrowth),
                          total(currencySymbol, result.finalValue)});
    return block;
}
