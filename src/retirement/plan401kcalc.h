#pragma once
// The 401(k) planning window: eight entry fields (the Delete key empties a field before it
// deletes), the year-by-year projection in the grid with the starting balance above it and a
// totals row below, the graph of the values at the end of each year, and the report.

#include "shell/calculatorframe.h"

class EntryField;

class Plan401KCalc : public CalculatorFrame {
    Q_OBJECT
    CALCULATOR_HANDLERS(K)

public:
    explicit Plan401KCalc(QWidget* parent = nullptr);
    // What the program knows of this calculator: its identity, its window and its graphs.
    static CalculatorDescriptor descriptor();

protected:
    // The frame's steps, as this calculator takes them.
    void calculate() override;
    QString helpText() const override;
    QString reportTitle() const override;
    void printReport(PrinterDevice& printer) override;
    void releaseTables() override;
    std::vector<FieldHelpLines> helpFields() const override;

private:
    void buildControls();
    void Form_Load();

    std::vector<QLineEdit*> m_boxes;
};
