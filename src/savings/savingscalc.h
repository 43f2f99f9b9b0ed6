#pragma once
// The savings calculator window. CalcMode (set by the main menu) fixes its mode at load:
// planning (1) lists every period of one plan with its totals; comparisons (2) add one summary
// row per "&Calculate", up to 22, which stay until the window is closed.

#include "shell/calculatorframe.h"
#include "shell/graphdata.h"

class QComboBox;

class SavingsCalc : public CalculatorFrame {
    Q_OBJECT
    CALCULATOR_HANDLERS(S)

public:
    explicit SavingsCalc(QWidget* parent = nullptr);

    // What the graph window needs of this calculator (GraphCaller 1): a yearly chart in
    // planning mode, a comparison chart in comparison mode.
    static GraphCallerInfo graphCallerInfo();

protected:
    bool resetEmptiesGrid() const override;
    bool resetClearsResultCount() const override;

private:
    void buildControls();
    void Form_Load();
    void InMonthsYrs_KeyPress();
    void InMonthsYrs_LostFocus();

    // In the window's order: InLumpInv, InInvest, InRate, InIncrRate, inInflatRate, InTerm.
    std::vector<QComboBox*> m_boxes;
    QComboBox* m_inMonthsYrs;
};
