#pragma once
// The mortgage and personal-loan calculator window. MortgageMode (set by the main menu) picks
// mortgage tables (term in years) or loan tables (term in months) when the window loads.

#include "shell/calculatorresults.h"
#include "shell/graphdata.h"
#include "shell/placement.h"

#include <vector>

class CommandButton;
class EntryField;
class Grid;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
struct MortgageCaptions;

class MortgageCalc : public ChildWindow {
    Q_OBJECT
public:
    explicit MortgageCalc(QWidget* parent = nullptr);

    // What the graph window needs of this calculator (GraphCaller 4).
    static GraphCallerInfo graphCaller();

    // The window's own ResetResults: empties the summary captions, then the shared body.
    void ResetResults();

    // "&Calculate", also run after a file is opened.
    void MCalc_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void InitMortgageGrid();
    void showCaptions(const MortgageCaptions& captions);

    void InTerm_Click();
    void Option1_Click();
    void Option2_Click();
    void MGraphs_Click();
    void MHelp_Click();
    void MPrinter_Click();
    void MExit_Click();
    void MAddPrePay_Click();
    void MDateNumber_Click();
    void MShowIRF_Click();
    void MLoadFile_Click();
    void MSaveFile_Click();

    std::int16_t fileMode(bool save) const;
    QString& fileName() const;

    QLineEdit* m_inPrincipal;
    QComboBox* m_inRate;
    QComboBox* m_inTerm;
    QComboBox* m_comperiod;
    QComboBox* m_freqPmt;
    QRadioButton* m_option1;
    QRadioButton* m_option2;
    std::vector<EntryField*> m_fields;

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

    CommandButton* m_calc;
    CommandButton* m_graphs;
    CommandButton* m_help;
    CommandButton* m_printer;
    CommandButton* m_exit;
    CommandButton* m_addPrePay;
    CommandButton* m_dateNumber;
    CommandButton* m_showIRF;
    CommandButton* m_loadFile;
    CommandButton* m_saveFile;

    Grid* m_grid;
    QuickHelpBox* m_textBox;
    ResultsControls m_results;
};
