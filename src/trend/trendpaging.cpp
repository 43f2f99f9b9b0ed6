#include "trend/trendpaging.h"

#include "core/runtimefailure.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

namespace {
// "Cannot complete graph, check data values for this error: " and the value.
} // namespace

TrendGraphOpening openTrendGraph(int recordCount) {
    TrendGraphOpening o;
    if (recordCount <= 0) {
        o.message = Message::NoDataToWorkWith;
        return o;
    }
    if (recordCount == 1) {
        o.page = {1, 1, 2};
    } else {
        const int end = std::min(recordCount, RecordsPerPage);
        o.page = {1, end, end};
        o.chartKind = 1;
    }
    o.forwardEnabled = false;
    o.backEnabled = o.page.end < recordCount;
    return o;
}

PageTurn pageBack(const TrendPage& page, int recordCount) {
    PageTurn turn;
    turn.page = page;
    if (page.end >= recordCount) {
        turn.refused = true;
        return turn;
    }
    TrendPage next;
    if (page.end + RecordsPerPage >= recordCount) {
        next.points = recordCount - page.end;
        next.start = page.end + 1;
        next.end = page.end + next.points;
    } else {
        next.points = RecordsPerPage;
        next.start = page.end + 1;
        next.end = next.start + RecordsPerPage - 1;
    }
    if (next.points == 1) {
        next.points = 2;
        ++next.end;
    }
    turn.page = next;
    turn.redraw = true;
    return turn;
}

PageTurn pageForward(const TrendPage& page) {
    PageTurn turn;
    turn.page = page;
    if (page.start == 1) {
        turn.refused = true;
        return turn;
    }
    TrendPage next;
    next.points = RecordsPerPage;
    next.start = std::max(1, page.start - RecordsPerPage);
    next.end = next.start + RecordsPerPage - 1;
    turn.page = next;
    turn.redraw = true;
    return turn;
}

GraphSeries trendBars(const TrendPage& page) {
    const TrendState& t = trend();
    GraphSeries bars;
    bars.title = trendGraphTitle();
    for (int r = page.end; r >= page.start; --r) {
        if (r < 1 || r > t.RecordCount) {
            bars.labels << QString();
            bars.values.push_back(0.0);
            continue;
        }
        const Cell& value = t.TrendRecords.at(r, RecordValue);
        const std::optional<QDate> date = readRecordDate(t.TrendRecords.at(r, RecordDate));
        const std::optional<double> number = readRecordValue(value);
        if (!date || !number) {
            throw RunTimeFailure(Message::CannotCompleteGraph, fieldText(value));
        }
        bars.values.push_back(*number);
        bars.labels << date->toString(QStringLiteral("d-M-yy"));
    }
    while (static_cast<int>(bars.values.size()) < page.points) {
        bars.labels << QString();
        bars.values.push_back(0.0);
    }
    return bars;
}

QString trendGraphTitle() {
    return trend().DatabaseTitle;
}

QString trendGraphWindowCaption() {
    return QStringLiteral(" Quantrel Graphs");
}

QString trendGraphExit() {
    TrendState& t = trend();
    QString caption;
    if (t.GraphOrigin == 1) {
        caption = QStringLiteral("  Averages and Ratios");
    } else if (t.GraphOrigin == 2) {
        caption = QStringLiteral("  Orvalen Menu");
    }
    t.GraphOrigin = 0;
    return caption;
}

Message showGraphFromMenu() {
    if (trend().RecordCount == 0) {
        return Message::NoTrendData;
    }
    trend().GraphOrigin = 2;
    return Message::None;
}
