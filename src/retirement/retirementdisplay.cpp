#include "retirement/retirementdisplay.h"

#include "core/formats.h"
#include "core/programstate.h"
#include "retirement/yeartable.h"

namespace {

const QString InInvest = QStringLiteral("InInvest");
const QString InRate = QStringLiteral("InRate");
const QString InRateDrawn = QStringLiteral("InRateDrawn");
const QString InTerm = QStringLiteral("InTerm");

} // namespace

QString retireWindowCaption() {
    return QStringLiteral(" Retirement Calculations");
}

EntryFieldDef retireInvestField() {
    return moneyField(InInvest, 1, InRate);
}

EntryFieldDef retireRateField() {
    return percentField(InRate, 2, InRateDrawn);
}

EntryFieldDef retireRateDrawnField(WithdrawalMode mode) {
    if (mode == WithdrawalMode::FixedAmount) {
        return moneyField(InRateDrawn, 3, InTerm);
    }
    return percentField(InRateDrawn, 3, InTerm);
}

EntryFieldDef retireTermField(WithdrawalMode mode) {
    if (mode == WithdrawalMode::FixedAmount) {
        return percentField(InTerm, 4, QStringLiteral("RCalc"), 15);
    }
    return yearsField(InTerm, 4, QStringLiteral("RCalc"), 17, 50, Message::FiftyYearsLimit);
}

QStringList retireInvestList() {
    return {QStringLiteral("500000"), QStringLiteral("600000"), QStringLiteral("700000"),
            QStringLiteral("800000"), QStringLiteral("900000"), QStringLiteral("1000000")};
}

QStringList retireRateList() {
    return {QStringLiteral("10"), QStringLiteral("12.5 "), QStringLiteral("15"),
            QStringLiteral("17.5 "), QStringLiteral("20")};
}

WithdrawalModeTexts withdrawalModeTexts(WithdrawalMode mode, const BoundedArray<Currency>& ev,
                                        const QString& currencySymbol) {
    WithdrawalModeTexts texts;
    const EntryFieldDef rateDrawn = retireRateDrawnField(mode);
    if (mode == WithdrawalMode::FixedAmount) {
        texts.rateDrawnCaption = QStringLiteral(" Monthly Amount of Cash        Withdrawn.");
        texts.termCaption = QStringLiteral(" Increase Annual Amount       Withdrawn by %.");
        texts.investText = entryDisplayText(retireInvestField(), ev[1], currencySymbol);
        // Until it is edited the raise shows 17 wide with its percent sign inside.
        texts.termText = RightJustify(QStringLiteral(".00%"), 17);
        texts.rateDrawnList = {QStringLiteral("1000"), QStringLiteral("2000"),
                               QStringLiteral("3000"), QStringLiteral("4000")};
        texts.termList = {QStringLiteral("2"), QStringLiteral("2.5"), QStringLiteral("3"),
                          QStringLiteral("3.5")};
    } else {
        texts.rateDrawnCaption =
            QStringLiteral(" Annual Income Withdrawn    as a (%) of Current Value.");
        texts.termCaption = QStringLiteral(" Time in years");
        texts.termText = entryDisplayText(retireTermField(mode), ev[4], currencySymbol);
        texts.rateDrawnList = {QStringLiteral("10"), QStringLiteral("12.5"), QStringLiteral("15"),
                               QStringLiteral("17.5"), QStringLiteral("20")};
        texts.termList = {QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("20"),
                          QStringLiteral("25"), QStringLiteral("30")};
    }
    texts.rateDrawnText = entryDisplayText(rateDrawn, ev[3], currencySymbol);
    return texts;
}

GridSetup retireGridSetup() {
    GridSetup setup;
    setup.cols = 4;
    setup.rows = 25;
    setup.headingTwips = 500;
    setup.widenTwips = {450, 1400, 1410, 1450};
    setup.alignments = {GridCentre, GridRight, GridRight, GridRight};
    setup.headings = {QStringLiteral("  Year Number"),
                      QStringLiteral("   Interest/Growth    Compounded"),
                      QStringLiteral("   Annual Income     Withdrawn"),
                      QStringLiteral("            Current              Value")};
    return setup;
}

GridBlock retireGridBlock(const RetirementResult& result, const QString& currencySymbol) {
    return yearTable(retirementYears(result),
                     {result.totalGrowth, result.totalWithdrawn, result.finalValue},
                     currencySymbol);
}
