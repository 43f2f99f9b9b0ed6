#pragma once
// How a calculator's results grid is set up and what it shows, as data: the window hands these
// to the grid adapter and does nothing else with them.

#include <QString>
#include <QStringList>
#include <Qt>
#include <vector>

// Column count, rows (the heading row included), the heading row's height in twips, per column
// the twips added to the grid's default width and the alignment of the data cells, and the
// headings (always centred).
struct GridSetup {
    int cols = 0;
    int rows = 0;
    int headingTwips = 0;
    std::vector<int> widenTwips;
    std::vector<Qt::Alignment> alignments;
    QStringList headings;
};

// Texts for grid rows: `rows[i]` fills row `firstRow + i` from column 0 on.
struct GridBlock {
    int firstRow = 1;
    std::vector<QStringList> rows;
};

// Centred and right-aligned data columns, the alignments every grid uses.
inline constexpr Qt::Alignment GridCentre = Qt::AlignCenter;
inline constexpr Qt::Alignment GridRight = Qt::AlignRight | Qt::AlignVCenter;
