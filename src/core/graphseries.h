#pragma once
// What a bar chart shows: one bar per point, named under the bar (a chart by year) or in a
// legend (a comparison). A calculator's graph caller makes it from its results when the graph
// window loads; the trend graph makes one per page.

#include <QString>
#include <QStringList>
#include <vector>

struct GraphSeries {
    QString title;
    QString axisTitle; // the vertical axis; empty for none
    // Named bars: `labels` are the legend's texts rather than the texts under the bars.
    bool comparison = false;
    QStringList labels;
    std::vector<double> values;
};

// The number of points drawn for `count` points of data: a single point is drawn as two.
inline int drawnPointCount(int count) {
    return count == 1 ? 2 : count;
}
