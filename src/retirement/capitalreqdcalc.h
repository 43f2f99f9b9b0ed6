#pragma once
// The capital-required window: the equal annual saving that grows to the capital wanted at
// retirement. The option buttons of "Select Option" say what InLumpInv holds: the capital
// (option 0) or the yearly income wanted (option 1). Choosing an option always runs its
// handler, also at load: the results are cleared and CRChoseCalc puts the option's values in
// the fields. The graph shows the values at the end of each year (GraphCaller 5).

#include "shell/calculatorframe.h"

class EntryField;
class QLabel;
class QRadioButton;

class CapitalReqdCalc : public CalculatorFrame {
    Q_OBJECT
    CALCULATOR_HANDLERS(C)

public:
    explicit CapitalReqdCalc(QWidget* parent = nullptr);
    // What the program knows of this calculator: its identity, its window and its graphs.
    static CalculatorDescriptor descriptor();

    // Applies option `option` (0 capital, 1 income) to the fields.
    void CRChoseCalc(int option);
    // Writes the quick-help text of the chosen option, when the help is shown.
    void CRRunHelp() { refreshHelp(); }

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
    void CRCapitalChoices_Click(int index);

    QComboBox* m_inLumpInv;
    QComboBox* m_inRate;
    QComboBox* m_inTerm;
    QLabel* m_label5;
    std::vector<QRadioButton*> m_choices;
    EntryField* m_lumpInvField = nullptr;
    EntryField* m_rateField = nullptr;
    EntryField* m_termField = nullptr;
};
