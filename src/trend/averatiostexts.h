#pragma once
// What the averages and ratios window (Averatios) shows besides the results of the analysis:
// its fixed captions, the period toggle, and the checks of its buttons. The results themselves
// come from trendanalysis.h.

#include "core/messages.h"
#include "trend/trendanalysis.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// The window's fixed captions, by control name.
std::vector<LabelText> averatiosCaptions();

// The texts the window's fixed layout is made to fit. The captions, by control name: the fixed
// ones, the period and count captions of both modes with a thousand records, and the ratio
// captions of a two-digit factor and four-digit years with the longest direction
// (" Could Remain at:"); a longer caption (a factor of more digits) ends in an ellipsis. A
// figure of a four-digit value with its two trailing blanks, and the verdict
// "Need 8 Points "; a longer figure widens its field.
std::vector<LabelText> averatiosLongestCaptions();
QString averatiosWidestFigure();
QString averatiosWidestVerdict();

// The buttons' captions: Print1, Graphshow, ShowSheet, ExitBut.
std::vector<LabelText> averatiosButtonCaptions();

// The main window's caption while the window is shown.
QString averatiosWindowCaption();

// WeekPoints clicked: PeriodMode becomes 1 when checked, 0 when not; returns the captions.
// The figures are not touched.
AveratiosUpdate weekPointsClicked(bool checked);

// "&Show Graph": NoTrendData without records; otherwise GraphOrigin becomes 1 and None is
// returned.
Message showGraphFromRatios();

// "To &Printer": NoDataToPrint without records, else None (the window then asks
// ContinuePrintout and prints).
Message ratiosPrintRefusal();

// The result fields shown on a cyan background while the window is printed; afterwards they
// and the target field (Label50) go back to white.
QStringList printHighlightedFields();
