#pragma once
// The retirement window: a capital sum lived on in one of two withdrawal modes, chosen by the
// option buttons Option1 (a percentage of the value, for a number of years) and Option2 (a
// monthly amount raised each year, until the capital is gone or 50 years have passed).
// Choosing a mode always runs its handler, also at load: the results are cleared, and
// InRateDrawn and InTerm take the mode's captions, lists, starting values, key filter, display
// form and limit. The graph shows the values at the end of each year (percentage, GraphCaller
// 2) or at the start of each year (fixed amount, GraphCaller 3).

#include "retirement/retirementplan.h"
#include "shell/calculatorframe.h"

class EntryField;
class QLabel;
class QRadioButton;

class RetireCalc : public CalculatorFrame {
    Q_OBJECT
    CALCULATOR_HANDLERS(R)

public:
    explicit RetireCalc(QWidget* parent = nullptr);
    // What the program knows of this calculator: its identity, its window and its graphs.
    static CalculatorDescriptor descriptor();

protected:
    // The frame's steps, as this calculator takes them.
    void calculate() override;
    QString helpText() const override;
    QString reportTitle() const override;
    void printReport(PrinterDevice& printer) override;
    void releaseTables() override;
    // The last calculation set it (2 or 3).
    GraphCallerCode graphCallerCode() const override;
    std::vector<FieldHelpLines> helpFields() const override;

private:
    void buildControls();
    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void SetWithdrawalMode(WithdrawalMode mode);
    WithdrawalMode chosenMode() const;

    QComboBox* m_inInvest;
    QComboBox* m_inRate;
    QComboBox* m_inRateDrawn;
    QComboBox* m_inTerm;
    QRadioButton* m_option1;
    QRadioButton* m_option2;
    QLabel* m_label4;
    QLabel* m_label3;
    EntryField* m_investField = nullptr;
    EntryField* m_rateDrawnField = nullptr;
    EntryField* m_termField = nullptr;
};
