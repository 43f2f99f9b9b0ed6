#include "retirement/capitaldisplay.h"

#include "core/formats.h"
#include "core/programstate.h"
#include "retirement/yeartable.h"

QString capitalWindowCaption() {
    return QStringLiteral(" Capital Required");
}

QStringList capitalOptionCaptions() {
    return {QStringLiteral("Amount of capital required at retirement"),
            QStringLiteral("Annual income required at retirement")};
}

std::vector<EntryFieldDef> capitalFields() {
    return {moneyField(QStringLiteral("InLumpInv"), 1, QStringLiteral("InRate")),
            percentField(QStringLiteral("InRate"), 2, QStringLiteral("InTerm")),
            yearsField(QStringLiteral("InTerm"), 3, QStringLiteral("CCalc"), 17, 50,
                       Message::FiftyYearsLimit)};
}

QStringList capitalRateList() {
    return {QStringLiteral("10"), QStringLiteral("12.5"), QStringLiteral("15"),
            QStringLiteral("17.5"), QStringLiteral("20")};
}

QStringList capitalTermList() {
    return {QStringLiteral("5"),  QStringLiteral("10"), QStringLiteral("15"),
            QStringLiteral("20"), QStringLiteral("25"), QStringLiteral("30")};
}

CapitalOptionTexts capitalOptionTexts(CapitalOption option, const BoundedArray<Currency>& ev,
                                      const QString& currencySymbol) {
    const std::vector<EntryFieldDef> fields = capitalFields();
    CapitalOptionTexts texts;
    if (option == CapitalOption::Income) {
        texts.lumpInvList = {QStringLiteral("25000"), QStringLiteral("30000"),
                             QStringLiteral("35000"), QStringLiteral("40000"),
                             QStringLiteral("45000"), QStringLiteral("50000")};
        texts.lumpInvCaption = QStringLiteral(" Annual income required at         retirement");
    } else {
        texts.lumpInvList = {QStringLiteral("100000"), QStringLiteral("200000"),
                             QStringLiteral("300000"), QStringLiteral("400000"),
                             QStringLiteral("500000"), QStringLiteral("600000")};
        texts.lumpInvCaption = QStringLiteral(" Amount of capital required at     retirement");
    }
    texts.lumpInvText = entryDisplayText(fields[0], ev[1], currencySymbol);
    texts.rateText = entryDisplayText(fields[1], ev[2], currencySymbol);
    texts.termText = entryDisplayText(fields[2], ev[3], currencySymbol);
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
    return yearTable(capitalYears(result),
                     {result.totalSaved, result.totalGrowth, result.finalValue}, currencySymbol);
}
