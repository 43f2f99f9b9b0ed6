#pragma once
// The trend analysis: from the weekly values and the annual earnings in memory, the moving
// averages, the verdict, the high, low and last values and the distances between them, the
// price/earnings ratio, the target value at the earnings factor with the potential rise or
// drop, and the year-to-year change of earnings. Every result is a ready-made text for a field
// of the averages window (Averatios), named by the field's control.

#include "core/table.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// One text for the label `control` of the averages window.
struct LabelText {
    QString control;
    QString text;
};

// The text colour of the potential (Label17).
enum class LabelColour { Unchanged, WindowText, Red };

// Texts to write into the averages window, in the order they are written. Fields not named
// keep what they show.
struct AveratiosUpdate {
    std::vector<LabelText> texts;
    LabelColour potentialColour = LabelColour::Unchanged;

    // The last text written to `control`, or a null text when it is not written.
    QString text(const QString& control) const;
    void set(const QString& control, const QString& text) { texts.push_back({control, text}); }
};

// The result fields of the averages window, by control name.
inline const std::array<QString, 8> AverageLabels = {
    QStringLiteral("Label11"), QStringLiteral("Label12"), QStringLiteral("Label13"),
    QStringLiteral("Label14"), QStringLiteral("Label15"), QStringLiteral("Label35"),
    QStringLiteral("Label29"), QStringLiteral("Label53")};
inline const std::array<QString, 7> PeriodCaptionLabels = {
    QStringLiteral("Label4"), QStringLiteral("Label5"), QStringLiteral("Label6"),
    QStringLiteral("Label7"), QStringLiteral("Label8"), QStringLiteral("Label34"),
    QStringLiteral("Label28")};
inline const std::array<QString, 4> ChangeCaptionLabels = {
    QStringLiteral("Label23"), QStringLiteral("Label44"), QStringLiteral("Label46"),
    QStringLiteral("Label47")};
inline const std::array<QString, 4> ChangeLabels = {
    QStringLiteral("Label24"), QStringLiteral("Label31"), QStringLiteral("Label32"),
    QStringLiteral("Label33")};

// What the analysis reads.
struct TrendInputs {
    std::vector<Cell> values; // the value fields of records 1..N, newest first
    // Earnings rows 1..5: [0] is row 1, the latest year.
    std::array<double, 5> years{};
    std::array<double, 5> earnings{};
    int earningsCount = 0;
    float factor = 10.0F;
    QString title;
    QString currencySymbol;

    // From trend() and program().CurrencySymbol.
    static TrendInputs fromState();
};

// Computes every result into `update`, the texts of the averages window in the order they are
// written. With fewer than two records the title is written over blank figures and blank
// earnings, risk and direction captions. A value that is not a
// number, or a division that cannot be made (a low or high of 0, a last value of 0 with
// earnings, an earlier year's earnings of 0), stops the computation: RunTimeFailure with
// CheckDataValues, whose detail is the text of the value of the record being summed, empty when the
// failure came after the sums. The texts written before the failure (the title) stay in
// `update`.
void ComputeTrendResults(const TrendInputs& inputs, AveratiosUpdate& update);
AveratiosUpdate ComputeTrendResults(const TrendInputs& inputs);
// The same from the state; also empties ReportBlocks(1).
void ComputeTrendResults(AveratiosUpdate& update);

// Blank figures: every result field empty (with the trailing spaces of the computed texts),
// the latest earnings the currency symbol alone, the count caption `recordCount` +
// " Weeks (All)", the direction caption empty. The title, the earnings captions and the risk
// caption keep their texts.
AveratiosUpdate ClearTrendResults(int recordCount, const QString& currencySymbol);
// The same for RecordCount and CurrencySymbol.
AveratiosUpdate ClearTrendResults();

// The period captions for `periodMode` (0 weeks, 1 data values): the toggle's caption
// (WeekPoints), the seven period captions and the count caption.
AveratiosUpdate SetPeriodCaptions(int periodMode, int recordCount);
// The same for PeriodMode and RecordCount.
AveratiosUpdate SetPeriodCaptions();
