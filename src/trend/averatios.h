#pragma once
// The averages and ratios window: the results of the trend analysis for the database in
// memory, with the period captions in weeks or in data values, a printout of the window's
// picture, and the ways on to the trend graph, the editor and the module menu. The window is
// hidden, not unloaded, when the user leaves it; leaving the module unloads it.

#include "shell/placement.h"

#include <QHash>
#include <QSet>

class CommandButton;
class OptionGroup;
class QCheckBox;
class QLabel;
struct AveratiosUpdate;

class Averatios : public ChildWindow {
    Q_OBJECT
public:
    explicit Averatios(QWidget* parent = nullptr);

    // Shows the window, loading it when it is not loaded; the window then shows the results
    // for the database in memory, computed once. False when the window cannot be shown.
    static bool showComputed();

    // ComputeTrendResults then SetPeriodCaptions, for the database in memory.
    void refresh();
    // ClearTrendResults: blank figures.
    void clear();

private:
    void buildControls();
    void Form_Load();
    void WeekPoints_Click(bool checked);
    void Print1_Click();
    void Graphshow_Click();
    void ShowSheet_Click();
    void ExitBut_Click();

    void apply(const AveratiosUpdate& update);
    // White window and cyan figures while the picture is taken; otherwise the button face and
    // white figures.
    void setPrintLook(bool printing);

    QLabel* label(const QString& name, const QString& text = {});
    QLabel* figure(const QString& name);

    QHash<QString, QLabel*> m_labels;
    // The title and the captions: a text wider than its label ends in an ellipsis.
    QSet<QLabel*> m_captions;
    QCheckBox* m_weekPoints;
    OptionGroup* m_options;
};
