#pragma once
// The annual compound growth finder window: each "&Calculate" adds one investment (its cost,
// its value now or later and the years between) with its annual compound growth rate and total
// gain or loss, up to 22. The rows, the graph and the report stay while the next investment is
// typed, until the window is closed.

#include "shell/calculatorframe.h"
#include "shell/graphdata.h"

class QLineEdit;
class TextBox;

class FindCompoundCalc : public CalculatorFrame {
    Q_OBJECT
public:
    explicit FindCompoundCalc(QWidget* parent = nullptr);

    // What the graph window needs of this calculator (GraphCaller 6): a comparison chart.
    static GraphCallerInfo graphCallerInfo();

    // The five standard buttons.
    void FCalc_Click() { Calculate_Click(); }
    void FGraphs_Click() { ShowGraph_Click(); }
    void FPrinter_Click() { ToPrinter_Click(); }
    void FHelp_Click() { QuickHelp_Click(); }
    void FExit_Click() { Exit_Click(); }

protected:
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
