#include "retirement/plan401kcalc.h"

#include "core/programstate.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "retirement/plan401k.h"
#include "retirement/plan401kdisplay.h"
#include "retirement/retirementhelp.h"
#include "retirement/retirementreport.h"
#include "retirement/retirementstate.h"
#include "shell/commandbutton.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/entryfield.h"
#include "shell/graphdata.h"
#include "shell/mdicontainer.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CalculatorDescriptor Plan401KCalc::descriptor() {
    return {.info = {.name = QStringLiteral("Plan401KCalc"),
                     .prefix = QStringLiteral("K"),
                     .window = WindowId::Plan401KCalc,
                     .graphCaller = Plan401KGraph,
                     .exportName = QStringLiteral("401k Plan")},
            .make = [](QWidget* parent) { return new Plan401KCalc(parent); },
            .graphs = {{Plan401KGraph, endOfYearSeries}}};
}

Plan401KCalc::Plan401KCalc(QWidget* parent) : CalculatorFrame(descriptor().info, parent) {
    buildControls();
    Form_Load();
}

void Plan401KCalc::buildControls() {
    // Two columns of four fields, each under its caption; the buttons on the right; the grid
    // (or the quick help) below.
    const QStringList captions = plan401kFieldLabels();
    auto* top = new QGridLayout;
    top->setVerticalSpacing(4);
    top->setHorizontalSpacing(twips(240));
    for (int i = 0; i < captions.size(); ++i) {
        auto* box = new QLineEdit(this);
        QLabel* caption =
            captionLabel(this, QStringLiteral("Label%1").arg(i + 1), captions[i], 3000);
        caption->setBuddy(box);
        const int row = (i % 4) * 2;
        const int column = i / 4;
        top->addWidget(caption, row, column, Qt::AlignBottom);
        top->addWidget(box, row + 1, column);
        entryLook({box}, 2200);
        if (!m_boxes.empty()) {
            tabChain({m_boxes.back(), box});
        }
        m_boxes.push_back(box);
    }
    tabChain({m_boxes.back(), calcButton()});
    top->setColumnStretch(1, 1);
    standardLayout(top);
}

void Plan401KCalc::Form_Load() {
    loadPlan401KTables();
    MDIContainer::setCaption(plan401kWindowCaption());
    grid()->setup(plan401kGridSetup());
    const std::vector<EntryFieldDef> fields = plan401kFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        addEntryField(m_boxes[i], fields[i])->showValue();
    }
}

void Plan401KCalc::calculate() {
    const Plan401KInputs inputs = Plan401KInputs::fromState();
    Grid* g = grid();
    g->setRows(plan401kGridRows(inputs));
    g->clearData();
    const Plan401KResult result = calculatePlan401K(inputs);
    if (result.message != Message::None) {
        showMessage(result.message);
        return;
    }
    g->setBlock(plan401kGridBlock(result, program().CurrencySymbol));
    publishPlan401K(result);
}

std::vector<FieldHelpLines> Plan401KCalc::helpFields() const {
    return plan401kHelpFields();
}

QString Plan401KCalc::helpText() const {
    return plan401kHelpText();
}

QString Plan401KCalc::reportTitle() const {
    return plan401kReportTitle();
}

void Plan401KCalc::printReport(PrinterDevice& printer) {
    printPlan401KReport(printer, Plan401KReportData::fromState());
}

void Plan401KCalc::releaseTables() {
    releaseRetirementTables();
}
