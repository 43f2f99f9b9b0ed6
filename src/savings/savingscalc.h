#pragma once
// The savings calculator window. CalcMode (set by the main menu) fixes its mode at load:
// planning (1) lists every period of one plan with its totals; comparisons (2) add one summary
// row per "&Calculate", up to 22, which stay until the window is closed.

#include "shell/calculatorframe.h"

class QComboBox;

class SavingsCalc : public CalculatorFrame {
    Q_OBJECT
    CALCULATOR_HANDLERS(S)

public:
    explicit SavingsCalc(QWidget* parent = nullptr);
    // What the program knows of this calculator: its identity, its window and its graphs.
    static CalculatorDescriptor descriptor();

protected:
    // The frame's steps, as this calculator takes them.
    void calculate() override;
    QString helpText() const override;
    QString reportTitle() const override;
    void printReport(PrinterDevice& printer) override;
    void releaseTables() override;
    // "Savings" or "Savings Comparisons".
    QString exportName() const override;
    void reportPrinted() override;
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
