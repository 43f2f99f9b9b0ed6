#include "savings/savingsfields.h"

#include "savings/savingsplan.h"

namespace {

QStringList presets(std::initializer_list<const char*> values) {
    QStringList list;
    for (const char* v : values) {
        list << QString::fromLatin1(v);
    }
    return list;
}

// A percent field where a minus starts a negative entry.
EntryFieldDef signedPercentField(const char* name, int index, const char* enterTarget) {
    EntryFieldDef field =
        percentField(QString::fromLatin1(name), index, QString::fromLatin1(enterTarget));
    field.allowsMinus = true;
    return field;
}

} // namespace

QString textAtLoad(const FieldEntry& entry, const QString& currencySymbol) {
    if (!entry.fixedLoadText.isEmpty()) {
        return entry.fixedLoadText;
    }
    EntryFieldDef field = entry.field;
    if (entry.widthAtLoad > 0) {
        field.width = entry.widthAtLoad;
    }
    return entryDisplayText(field, entry.atLoad, currencySymbol);
}

std::vector<FieldEntry> savingsFields() {
    return {
        {.field = EntryFieldDef{.name = QStringLiteral("InLumpInv"),
                                .index = 1,
                                .kind = FieldKind::Money,
                                .pattern = QStringLiteral("###,,###.00"),
                                .width = 13,
                                .enterTarget = QStringLiteral("InInvest")},
         .caption = QStringLiteral(" Amount of  lump sum             invested at start."),
         .list = presets({"10000", "15000", "20000", "25000", "30000", "35000"}),
         .widthAtLoad = 15},
        {.field = moneyField(QStringLiteral("InInvest"), 2, QStringLiteral("InMonthsYrs")),
         .caption = QStringLiteral(" Amount invested at each       contribution period."),
         .list = presets({"100", "300", "1200"}),
         .atLoad = Currency::fromWhole(1200)},
        {.field = percentField(QStringLiteral("InRate"), 4, QStringLiteral("InIncrRate")),
         .caption = QStringLiteral(" Annual interest/growth          rate (%)."),
         .list = presets({"10", "12.5", "15", "17.5", "20"}),
         .atLoad = Currency::fromWhole(20)},
        {.field = signedPercentField("InIncrRate", 5, "inInflatRate"),
         .caption = QStringLiteral(" Increase the annual               investment rate(%) by"),
         .list = presets({"3", "4", "5", "6", "7"})},
        {.field = signedPercentField("inInflatRate", 6, "InTerm"),
         .caption =
             QStringLiteral(" Adjust current value for          annual inflation rate(%).     "),
         .list = presets({"3", "4", "5", "6", "7"})},
        {.field = yearsField(QStringLiteral("InTerm"), 7, QStringLiteral("SCalc"), 17, 40,
                             Message::FortyYearsLimit),
         .caption = QStringLiteral(" Number of years invested."),
         .list = presets({"5", "10", "15", "20", "25", "30"}),
         .atLoad = Currency::fromWhole(25)},
    };
}

TextFieldEntry savingsFrequencyField() {
    return {QStringLiteral("InMonthsYrs"),
            QStringLiteral(" Frequency of each                contribution period."),
            savingsFrequencyTexts(), QStringLiteral("Annually"), QStringLiteral("InRate")};
}

std::vector<FieldEntry> compoundFields() {
    return {
        {.field = moneyField(QStringLiteral("InCost"), 1, QStringLiteral("InValNow"), 16),
         .caption = QStringLiteral(" Purchase cost of your       investment."),
         .atLoad = Currency::fromWhole(10000),
         .fixedLoadText = QStringLiteral("      $10,000.00")},
        {.field = moneyField(QStringLiteral("InValNow"), 2, QStringLiteral("InTerm"), 16),
         .caption = QStringLiteral(" Present or future                value.    "),
         .atLoad = Currency::fromWhole(20000),
         .fixedLoadText = QStringLiteral("      $20,000.00")},
        {.field = EntryFieldDef{.name = QStringLiteral("InTerm"),
                                .index = 3,
                                .kind = FieldKind::Years,
                                .decimals = 0,
                                .pattern = QStringLiteral("#,,###"),
                                .width = 19,
                                .limit = 50,
                                .limitMessage = Message::FiftyYearsLimit,
                                .enterTarget = QStringLiteral("NamInv")},
         .caption = QStringLiteral(" Term in years."),
         .atLoad = Currency::fromWhole(5),
         .fixedLoadText = QStringLiteral("               5")},
    };
}

TextFieldEntry compoundNameField() {
    return {QStringLiteral("NamInv"),
            QStringLiteral(" Optional: Name of             your investment."),
            {},
            QStringLiteral("XYZ mutual fund."),
            QStringLiteral("FCalc")};
}

NameKey nameKey(std::int16_t key) {
    if (key == 13) {
        return {0, false, compoundNameField().enterTarget};
    }
    return {key, true, {}};
}
