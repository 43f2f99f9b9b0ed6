#include "retirement/retirecalc.h"

#include "core/programstate.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "retirement/retirementdisplay.h"
#include "retirement/retirementhelp.h"
#include "retirement/retirementreport.h"
#include "retirement/retirementstate.h"
#include "shell/commandbutton.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/entryfield.h"
#include "shell/graphdata.h"
#include "shell/mdicontainer.h"
#include "shell/optiongroup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CalculatorDescriptor RetireCalc::descriptor() {
    return {.info = {.name = QStringLiteral("RetireCalc"),
                     .prefix = QStringLiteral("R"),
                     .window = WindowId::RetireCalc,
                     .graphCaller = RetireEndOfYearGraph,
                     .exportName = QStringLiteral("Retirement")},
            .make = [](QWidget* parent) { return new RetireCalc(parent); },
            .graphs = {{RetireEndOfYearGraph, endOfYearSeries},
                       {RetireStartOfYearGraph, startOfYearSeries}}};
}

RetireCalc::RetireCalc(QWidget* parent) : CalculatorFrame(descriptor().info, parent) {
    buildControls();
    Form_Load();
}

void RetireCalc::buildControls() {
    m_inInvest = new QComboBox(this);
    m_inRate = new QComboBox(this);
    m_inRateDrawn = new QComboBox(this);
    m_inTerm = new QComboBox(this);
    entryLook({m_inInvest, m_inRate, m_inRateDrawn, m_inTerm}, 2200);
    m_label4 = captionLabel(this, QStringLiteral("Label4"), {}, 3000);
    m_label3 = captionLabel(this, QStringLiteral("Label3"), {}, 3000);
    const std::pair<QLabel*, QComboBox*> inputs[] = {
        {captionLabel(this, QStringLiteral("Label1"),
                      QStringLiteral("Current value of your investment on retirement"), 3000),
         m_inInvest},
        {captionLabel(this, QStringLiteral("Label2"),
                      QStringLiteral("Annual interest/growth rate (%)."), 3000),
         m_inRate},
        {m_label4, m_inRateDrawn},
        {m_label3, m_inTerm}};

    std::vector<QRadioButton*> modes;
    QGroupBox* choices = optionFrame(this, {},
                                     {{QStringLiteral("Option1"), QStringLiteral("Percentage")},
                                      {QStringLiteral("Option2"), QStringLiteral("Fixed Amount")}},
                                     Qt::Vertical, modes);
    m_option1 = modes[0];
    m_option2 = modes[1];
    auto* choicesLabel = new QLabel(QStringLiteral("Withdrawal choices:"), this);
    choicesLabel->setObjectName(QStringLiteral("Label5"));

    // Two columns of two fields, each under its caption; the withdrawal choices and the
    // buttons on the right; the grid (or the quick help) below.
    auto* top = new QGridLayout;
    top->setVerticalSpacing(4);
    top->setHorizontalSpacing(twips(240));
    for (int i = 0; i < 4; ++i) {
        inputs[i].first->setBuddy(inputs[i].second);
        top->addWidget(inputs[i].first, (i % 2) * 2, i / 2, Qt::AlignBottom);
        top->addWidget(inputs[i].second, (i % 2) * 2 + 1, i / 2);
    }
    auto* modeColumn = new QVBoxLayout;
    modeColumn->addWidget(choicesLabel);
    modeColumn->addWidget(choices);
    modeColumn->addStretch();
    top->addLayout(modeColumn, 0, 2, 4, 1);
    top->setColumnStretch(2, 1);
    standardLayout(top);

    tabChain({m_inInvest, m_inRate, m_inRateDrawn, m_inTerm, calcButton()});
}

void RetireCalc::Form_Load() {
    MDIContainer::setCaption(retireWindowCaption());
    loadRetireTables();
    grid()->setup(retireGridSetup());
    m_investField = addEntryField(m_inInvest, retireInvestField());
    m_investField->showValue();
    m_investField->setListItems(retireInvestList());
    EntryField* rate = addEntryField(m_inRate, retireRateField());
    rate->showValue();
    rate->setListItems(retireRateList());
    m_rateDrawnField =
        addEntryField(m_inRateDrawn, retireRateDrawnField(WithdrawalMode::Percentage));
    m_termField = addEntryField(m_inTerm, retireTermField(WithdrawalMode::Percentage));

    options()->add(m_option1, [this] { Option1_Click(); });
    options()->add(m_option2, [this] { Option2_Click(); });
    options()->choose(0);
}

WithdrawalMode RetireCalc::chosenMode() const {
    return options()->chosen() == 1 ? WithdrawalMode::FixedAmount : WithdrawalMode::Percentage;
}

void RetireCalc::Option1_Click() {
    refreshHelp();
    ResetResults();
    SetWithdrawalMode(WithdrawalMode::Percentage);
}

void RetireCalc::Option2_Click() {
    refreshHelp();
    ResetResults();
    SetWithdrawalMode(WithdrawalMode::FixedAmount);
}

void RetireCalc::SetWithdrawalMode(WithdrawalMode mode) {
    applyWithdrawalMode(mode);
    const WithdrawalModeTexts texts =
        withdrawalModeTexts(mode, program().EntryValues, program().CurrencySymbol);
    m_label4->setText(texts.rateDrawnCaption);
    m_label3->setText(texts.termCaption);
    // The two fields take the mode's key filter, display form and limit for every key and
    // every leaving from now on.
    m_rateDrawnField->setField(retireRateDrawnField(mode));
    m_termField->setField(retireTermField(mode));
    m_rateDrawnField->setListItems(texts.rateDrawnList);
    m_termField->setListItems(texts.termList);
    if (!texts.investText.isEmpty()) {
        m_investField->setText(texts.investText);
    }
    m_rateDrawnField->setText(texts.rateDrawnText);
    m_termField->setText(texts.termText);
}

void RetireCalc::calculate() {
    const RetirementResult result = calculateRetirement(RetirementInputs::fromState());
    if (result.message != Message::None) {
        showMessage(result.message);
        return;
    }
    Grid* g = grid();
    g->setRows(retirementGridRows(result));
    g->clearData();
    g->setBlock(retireGridBlock(result, program().CurrencySymbol));
    publishRetirement(result);
}

std::vector<FieldHelpLines> RetireCalc::helpFields() const {
    return retireHelpFields(chosenMode());
}

QString RetireCalc::helpText() const {
    return retireHelpText(chosenMode(), program().CurrencySymbol);
}

QString RetireCalc::reportTitle() const {
    return retirementReportTitle();
}

void RetireCalc::printReport(PrinterDevice& printer) {
    printRetirementReport(printer, RetirementReportData::fromState());
}

void RetireCalc::releaseTables() {
    releaseRetirementTables();
}

GraphCallerCode RetireCalc::graphCallerCode() const {
    return program().GraphCaller;
}
