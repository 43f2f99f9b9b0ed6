#pragma once
// The 401(k) planning window: eight entry fields (the Delete key empties a field before it
// deletes), the year-by-year projection in the grid with the starting balance above it and a
// totals row below, the graph of the values at the end of each year, and the report.

#include "shell/calculatorframe.h"
#include "shell/graphdata.h"

class EntryField;

class Plan401KCalc : public CalculatorFrame {
    Q_OBJECT
public:
    explicit Plan401KCalc(QWidget* parent = nullptr);

    // What the graph window needs of this calculator (GraphCaller 7).
    static GraphCallerInfo graphCallerInfo();

    // The five standard buttons.
    void KCalc_Click() { Calculate_Click(); }
    void KGraphs_Click() { ShowGraph_Click(); }
    void KPrinter_Click() { ToPrinter_Click(); }
    void KHelp_Click() { QuickHelp_Click(); }
    void KExit_Click() { Exit_Click(); }

protected:
    void calculate() override;
    QString helpText() const override;
    QString reportTitle() const override;
    void printReport(PrinterDevice& printer) override;
    void releaseTables() override;

private:
    void buildControls();
    void Form_Load();

    std::vector<QLineEdit*> m_boxes;
};
