#pragma once
// The annual compound growth finder window: each "&Calculate" adds one investment (its cost,
// its value now or later and the years between) with its annual compound growth rate and total
// gain or loss, up to 22. The rows, the graph and the report stay while the next investment is
// typed, until the window is closed.

#include "shell/calculatorframe.h"

class QLineEdit;
class TextBox;

class FindCompoundCalc : public CalculatorFrame {
    Q_OBJECT
    CALCULATOR_HANDLERS(F)

public:
    explicit FindCompoundCalc(QWidget* parent = nullptr);
    // What the program knows of this calculator: its identity, its window and its graphs.
    static CalculatorDescriptor descriptor();

protected:
    // The frame's steps, as this calculator takes them.
    void calculate() override;
    QString helpText() const override;
    QString reportTitle() const override;
    void printReport(PrinterDevice& printer) override;
    void releaseTables() override;
    bool resetEmptiesGrid() const override;
    bool resetClearsResultCount() const override;

private:
    void buildControls();
    void Form_Load();
    bool NamInv_KeyPress(QChar key);
    void NamInv_Enter();

    // InCost, InValNow, InTerm.
    std::vector<QLineEdit*> m_boxes;
    QLineEdit* m_namInv;
    TextBox* m_name = nullptr;
};
