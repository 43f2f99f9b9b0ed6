#pragma once
// The trend graph's model (TrendGraph): pages of at most 26 records with the oldest on the
// left, paging towards older ("&Back") and newer ("&Forward") records, and the labels and
// values of a page's bars.

#include "core/graphseries.h"
#include "core/messages.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

inline constexpr int RecordsPerPage = 26;

// Record numbers of the newest (start) and oldest (end) record of the page and the number of
// bars. A page of one record has two bars: the second is an empty bar beyond the oldest
// record (end = start + 1).
struct TrendPage {
    int start = 1;
    int end = 1;
    int points = 0;
};

// Chart kind: 0 none yet, 1 flat (2-D), 2 three-dimensional.
struct TrendGraphOpening {
    Message message = Message::None; // NoDataToWorkWith without records
    TrendPage page;
    int chartKind = 0;
    bool forwardEnabled = false;
    bool backEnabled = false;
};
// Opening with `recordCount` records: the first page holds the newest records.
TrendGraphOpening openTrendGraph(int recordCount);

// The result of a paging button: the page to draw, or a refusal (already at the end) that
// beeps, disables the pressed button and moves the focus to the other one.
struct PageTurn {
    TrendPage page;
    bool redraw = false;
    bool refused = false;
};
// "&Back": towards older records; enables "&Forward".
PageTurn pageBack(const TrendPage& page, int recordCount);
// "&Forward": towards newer records; enables "&Back".
PageTurn pageForward(const TrendPage& page);

// The bars of a page, titled trendGraphTitle(), from its oldest record (left) to its newest:
// labels "d-m-yy" and the data values. A bar beyond the records is empty (no label, value 0). A
// record that cannot be drawn raises RunTimeFailure with CannotCompleteGraph and the text of its
// data value.
GraphSeries trendBars(const TrendPage& page);

// The chart's title and the main window's caption while the graph is shown.
QString trendGraphTitle();
QString trendGraphWindowCaption();

// "E&xit": the main window's caption for the window the graph goes back to (GraphOrigin 1 the
// averages window, 2 the module menu); GraphOrigin becomes 0.
QString trendGraphExit();

// "Show Trend &Graph" on the module menu: NoTrendData without records; otherwise GraphOrigin
// becomes 2 and None is returned.
Message showGraphFromMenu();
