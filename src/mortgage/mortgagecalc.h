#pragma once
// The mortgage and personal-loan calculator window. MortgageMode (set by the main menu, or by
// opening a mortgage or loan file) puts the whole window in mortgage tables (term in years) or
// loan tables (term in months).

#include "core/modes.h"
#include "shell/calculatorframe.h"

class CommandButton;
class EntryField;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
struct MortgageCaptions;

class MortgageCalc : public CalculatorFrame {
    Q_OBJECT
    CALCULATOR_HANDLERS(M)

public:
    explicit MortgageCalc(QWidget* parent = nullptr);
    // What the program knows of this calculator: its identity, its window and its graphs.
    static CalculatorDescriptor descriptor();

protected:
    // The frame's steps, as this calculator takes them.
    void calculate() override;
    QString helpText() const override;
    QString reportTitle() const override;
    void printReport(PrinterDevice& printer) override;
    void releaseTables() override;
    // "Mortgage" or "Loan".
    QString exportName() const override;
    void clearOwnResults() override;

private:
    void buildControls();
    void Form_Load();
    // Caption, labels, InTerm's list, limit and display, grid headings: everything that
    // follows MortgageMode.
    void applyMortgageMode();
    void InitMortgageGrid();
    void showCaptions(const MortgageCaptions& captions);

    void InTerm_Click();
    void Option1_Click();
    void Option2_Click();
    void MAddPrePay_Click();
    void MDateNumber_Click();
    void MShowIRF_Click();
    void MLoadFile_Click();
    void MSaveFile_Click();

    QLineEdit* m_inPrincipal;
    QComboBox* m_inRate;
    QComboBox* m_inTerm;
    QComboBox* m_comperiod;
    QComboBox* m_freqPmt;
    QRadioButton* m_option1;
    QRadioButton* m_option2;
    EntryField* m_principalField = nullptr;
    EntryField* m_rateField = nullptr;
    EntryField* m_termField = nullptr;

    QLabel* m_principalLabel;
    QLabel* m_rateLabel;
    QLabel* m_termLabel;
    QLabel* m_label8;
    QLabel* m_label11;
    QLabel* m_inDays;
    QLabel* m_periodicR;
    QLabel* m_numPmtsYear;
    QLabel* m_endMortYear;
    QLabel* m_inMonthPI;
    QLabel* m_allPayments;
    QLabel* m_totSavd;

    CommandButton* m_addPrePay;
    CommandButton* m_dateNumber;
    CommandButton* m_showIRF;
    CommandButton* m_loadFile;
    CommandButton* m_saveFile;
};
