#include "trend/averatiostexts.h"

#include "core/formats.h"
#include "trend/trendstate.h"

namespace {

// Two records at the factor times five years of earnings: every ratio caption is written, the
// direction as " Could Remain at:", the verdict as "Need 8 Points ".
TrendInputs longestRatios() {
    TrendInputs in;
    in.values = {Cell(99.0), Cell(99.0)};
    in.years.fill(9999.0);
    in.earnings.fill(1.0);
    in.earningsCount = MaxEarningsRows;
    in.factor = 99.0F;
    return in;
}

} // namespace

std::vector<LabelText> averatiosCaptions() {
    return {
        {QStringLiteral("Label1"), QStringLiteral(" Averages")},
        {QStringLiteral("Label9"), QStringLiteral(" Market Direction")},
        {QStringLiteral("Label30"), QStringLiteral("Ratios  ")},
        {QStringLiteral("Label21"), QStringLiteral(" Price/Earnings Ratio")},
        {QStringLiteral("Label18"), QStringLiteral(" High Value from all Data")},
        {QStringLiteral("Label3"), QStringLiteral(" Low Value from all Data")},
        {QStringLiteral("Label26"), QStringLiteral(" Difference        =")},
        {QStringLiteral("Label40"), QStringLiteral(" Last Data Value")},
        {QStringLiteral("Label48"), QStringLiteral(" Difference between:")},
        {QStringLiteral("Label36"), QStringLiteral(" High and Last Data Value")},
        {QStringLiteral("Label45"), QStringLiteral(" Low and Last Data Value")},
        {QStringLiteral("Label42"), QStringLiteral(" Annual Earnings")},
    };
}

std::vector<LabelText> averatiosLongestCaptions() {
    std::vector<LabelText> texts = averatiosCaptions();
    for (const int mode : {0, 1}) {
        const AveratiosUpdate periods = SetPeriodCaptions(mode, MaxRecords);
        texts.insert(texts.end(), periods.texts.begin(), periods.texts.end());
    }
    const AveratiosUpdate ratios = ComputeTrendResults(longestRatios());
    texts.insert(texts.end(), ratios.texts.begin(), ratios.texts.end());
    return texts;
}

QString averatiosWidestFigure() {
    return formatNumber(9999.99, u"####,,###.00") + QStringLiteral("  ");
}

QString averatiosWidestVerdict() {
    return ComputeTrendResults(longestRatios()).text(QStringLiteral("Label16"));
}

std::vector<LabelText> averatiosButtonCaptions() {
    return {
        {QStringLiteral("Print1"), QStringLiteral("To &Printer")},
        {QStringLiteral("Graphshow"), QStringLiteral("&Show Graph")},
        {QStringLiteral("ShowSheet"), QStringLiteral("&Database")},
        {QStringLiteral("ExitBut"), QStringLiteral("E&xit to Menu")},
    };
}

QString averatiosWindowCaption() {
    return QStringLiteral("  Averages and Ratios");
}

AveratiosUpdate weekPointsClicked(bool checked) {
    trend().PeriodMode = checked ? 1 : 0;
    return SetPeriodCaptions();
}

Message showGraphFromRatios() {
    if (trend().RecordCount == 0) {
        return Message::NoTrendData;
    }
    trend().GraphOrigin = 1;
    return Message::None;
}

Message ratiosPrintRefusal() {
    return trend().RecordCount == 0 ? Message::NoDataToPrint : Message::None;
}

QStringList printHighlightedFields() {
    QStringList fields;
    for (const QString& control : AverageLabels) {
        fields << control;
    }
    fields << QStringLiteral("Label16") << QStringLiteral("Label41") << QStringLiteral("Label37")
           << QStringLiteral("Label38") << QStringLiteral("Label19") << QStringLiteral("Label20")
           << QStringLiteral("Label27") << QStringLiteral("Label43");
    for (const QString& control : ChangeLabels) {
        fields << control;
    }
    fields << QStringLiteral("Label22") << QStringLiteral("Label17");
    return fields;
}
