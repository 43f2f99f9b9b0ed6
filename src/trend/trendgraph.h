#pragma once
// The trend graph: the data values of the database in memory as bars, at most 26 records a
// page with the oldest on the left and the dates below, paged towards older ("&Back") and
// newer ("&Forward") records, flat or with depth, printed as a picture of the window, and a way
// back to the window it was opened from (GraphOrigin).

#include "shell/placement.h"
#include "trend/trendpaging.h"

#include <cstdint>

class BarChart;
class CommandButton;

class TrendGraph : public ChildWindow {
    Q_OBJECT
public:
    explicit TrendGraph(QWidget* parent = nullptr);

    // 0 none yet, 1 flat, 2 with depth.
    int chartKind() const { return m_kind; }
    const TrendPage& page() const { return m_page; }

private:
    void Form_Load();
    void Forward_Click();
    void Prev_Click();
    void Ptr_Click();
    void Oned_Click();
    void ThreeD_Click();
    void ExitBut_Click();

    // Draws the current page in the current kind; a record that cannot be drawn stops the
    // drawing with CannotCompleteGraph.
    void drawPage();

    BarChart* m_graph1;
    CommandButton* m_forward;
    CommandButton* m_prev;
    CommandButton* m_ptr;
    CommandButton* m_oned;
    CommandButton* m_threeD;
    CommandButton* m_exitBut;

    TrendPage m_page;
    int m_kind = 0;
    std::int16_t m_colourPrint = 0;
};
