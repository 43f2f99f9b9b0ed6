#pragma once
// The 401(k) planning window: eight entry fields (the Delete key empties a field before it
// deletes), the year-by-year projection in the grid with the starting balance above it and a
// totals row below, the graph of the values at the end of each year, and the report.

#include "shell/calculatorframe.h"
#include "shell/graphdata.h"

class EntryField;

class Plan401KCalc : public CalculatorFrame {
    Q_OBJECT
    CALCULATOR_HANDLERS(K)

public:
    explicit Plan401KCalc(QWidget* parent = nullptr);

    // What the graph window needs of this calculator (GraphCaller 7).
    static GraphCallerInfo graphCallerInfo();

protected:
    std::vector<FieldHelpLines> helpFields() const override;

private:
    void buildControls();
    void Form_Load();

    std::vector<QLineEdit*> m_boxes;
};
