#pragma once
// The result graph window: one bar chart of the calling calculator's results (GraphCaller),
// in 2-D or 3-D, printed as a picture of the window, and a way back to the caller, which
// keeps its results. The window is loaded afresh for every showing and always starts with
// the caller's 2-D chart: a yearly chart (kind 3) or a comparison chart (kind 6).

#include "shell/graphdata.h"
#include "shell/placement.h"

#include <cstdint>

class BarChart;
class CommandButton;
class QLabel;

class GraphsAll : public ChildWindow {
    Q_OBJECT
public:
    // Chart kinds, remembered so that printing draws the same chart again.
    enum Kind : std::int16_t {
        None = 0,
        Yearly2D = 3,
        Yearly3D = 5,
        Compare2DKind = 6,
        Compare3DKind = 7
    };

    explicit GraphsAll(QWidget* parent = nullptr);

    // The comparison chart, flat (kind 6) and with depth (kind 7).
    void Compare2D();
    void Compare3D();

    std::int16_t chartKind() const { return m_kind; }
    // 1 while a colour printout is being made, else 0.
    std::int16_t printInColour() const { return m_printInColour; }

private:
    void Form_Load();
    void Sav2D_Click();
    void ThreeDee_Click();
    void Ptr_Click();
    void ExitBut_Click();

    void drawYearly2D();
    // The series drawn anew as flat bars.
    void drawFlat();
    void drawView3D();
    void showButtonsFor2D();
    void drawKind(std::int16_t kind);

    BarChart* m_graph;
    QLabel* m_label1;
    CommandButton* m_sav2D;
    CommandButton* m_threeDee;
    CommandButton* m_ptr;
    CommandButton* m_exitBut;
    CommandButton* m_oned;
    CommandButton* m_pie2d;

    std::int16_t m_kind = None;
    std::int16_t m_printInColour = 0;
    // What the caller gave when the window loaded.
    GraphSeries m_series;
};
