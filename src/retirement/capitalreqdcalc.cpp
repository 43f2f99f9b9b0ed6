#include "retirement/capitalreqdcalc.h"

#include "core/programstate.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "retirement/capitaldisplay.h"
#include "retirement/capitalrequired.h"
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

CalculatorDescriptor CapitalReqdCalc::descriptor() {
    return {.info = {.name = QStringLiteral("CapitalReqdCalc"),
                     .prefix = QStringLiteral("C"),
                     .window = WindowId::CapitalReqdCalc,
                     .graphCaller = CapitalGraph,
                     .exportName = QStringLiteral("Capital Required")},
            .make = [](QWidget* parent) { return new CapitalReqdCalc(parent); },
            .graphs = {{CapitalGraph, endOfYearSeries}}};
}

CapitalReqdCalc::CapitalReqdCalc(QWidget* parent) : CalculatorFrame(descriptor().info, parent) {
    buildControls();
    Form_Load();
}

void CapitalReqdCalc::buildControls() {
    m_inLumpInv = new QComboBox(this);
    m_inRate = new QComboBox(this);
    m_inTerm = new QComboBox(this);
    entryLook({m_inLumpInv, m_inRate, m_inTerm}, 2200);
    m_label5 = captionLabel(this, QStringLiteral("Label5"), {}, 3000);
    // Each field under its caption: InLumpInv beside the option frame, the rate and the term
    // below them.
    struct Input {
        QLabel* caption;
        QComboBox* box;
        int row;
        int column;
    };
    const Input inputs[] = {{m_label5, m_inLumpInv, 0, 1},
                            {captionLabel(this, QStringLiteral("Label2"),
                                          QStringLiteral("Annual interest/growth rate (%)."), 3000),
                             m_inRate, 2, 0},
                            {captionLabel(this, QStringLiteral("Label3"),
                                          QStringLiteral("At the end of how many years."), 3000),
                             m_inTerm, 2, 1}};

    const QStringList captions = capitalOptionCaptions();
    QGroupBox* frame = optionFrame(this, QStringLiteral("Select Option"),
                                   {{QStringLiteral("CRCapitalChoices0"), captions[0]},
                                    {QStringLiteral("CRCapitalChoices1"), captions[1]}},
                                   Qt::Vertical, m_choices);
    frame->setObjectName(QStringLiteral("Frame1"));

    // The buttons on the right, the grid (or the quick help) below.
    auto* top = new QGridLayout;
    top->setVerticalSpacing(4);
    top->setHorizontalSpacing(twips(240));
    top->addWidget(frame, 0, 0, 2, 1);
    for (const Input& input : inputs) {
        input.caption->setBuddy(input.box);
        top->addWidget(input.caption, input.row, input.column, Qt::AlignBottom);
        top->addWidget(input.box, input.row + 1, input.column);
    }
    top->setColumnStretch(1, 1);
    standardLayout(top);

    tabChain({m_inLumpInv, m_inRate, m_inTerm, calcButton()});
}

void CapitalReqdCalc::Form_Load() {
    MDIContainer::setCaption(capitalWindowCaption());
    loadCapitalTables();
    grid()->setup(capitalGridSetup());
    const std::vector<EntryFieldDef> fields = capitalFields();
    m_lumpInvField = addEntryField(m_inLumpInv, fields[0]);
    m_rateField = addEntryField(m_inRate, fields[1]);
    m_termField = addEntryField(m_inTerm, fields[2]);
    m_rateField->setListItems(capitalRateList());
    m_termField->setListItems(capitalTermList());
    for (int i = 0; i < 2; ++i) {
        options()->add(m_choices[static_cast<std::size_t>(i)],
                       [this, i] { CRCapitalChoices_Click(i); });
    }
    options()->choose(0);
}

void CapitalReqdCalc::CRCapitalChoices_Click(int index) {
    CRRunHelp();
    ResetResults();
    program().EditPending = 0;
    CRChoseCalc(index);
}

void CapitalReqdCalc::CRChoseCalc(int option) {
    const CapitalOption chosen = option == 1 ? CapitalOption::Income : CapitalOption::Capital;
    applyCapitalOption(chosen);
    const CapitalOptionTexts texts =
        capitalOptionTexts(chosen, program().EntryValues, program().CurrencySymbol);
    m_lumpInvField->setText(texts.lumpInvText);
    m_lumpInvField->setListItems(texts.lumpInvList);
    m_rateField->setText(texts.rateText);
    m_termField->setText(texts.termText);
    m_label5->setText(texts.lumpInvCaption);
}

void CapitalReqdCalc::calculate() {
    const CapitalInputs inputs = CapitalInputs::fromState();
    Grid* g = grid();
    g->setRows(capitalGridRows(inputs));
    g->clearData();
    const CapitalResult result = calculateCapitalRequired(inputs);
    if (result.message != Message::None) {
        showMessage(result.message);
        return;
    }
    g->setBlock(capitalGridBlock(result, program().CurrencySymbol));
    publishCapitalRequired(result);
}

std::vector<FieldHelpLines> CapitalReqdCalc::helpFields() const {
    return capitalHelpFields();
}

QString CapitalReqdCalc::helpText() const {
    return capitalHelpText(options()->chosen() == 1 ? 1 : 0, program().CurrencySymbol);
}

QString CapitalReqdCalc::reportTitle() const {
    return capitalReportTitle(capitalOption());
}

void CapitalReqdCalc::printReport(PrinterDevice& printer) {
    printCapitalReport(printer, CapitalReportData::fromState());
}

void CapitalReqdCalc::releaseTables() {
    releaseRetirementTables();
}
