#include "savings/findcompoundcalc.h"

#include "core/programstate.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "savings/compoundgrowth.h"
#include "savings/savingsfields.h"
#include "savings/savingshelp.h"
#include "savings/savingsreport.h"
#include "savings/savingsstate.h"
#include "shell/commandbutton.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/entryfield.h"
#include "shell/graphdata.h"
#include "shell/mdicontainer.h"
#include "shell/textbox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CalculatorDescriptor FindCompoundCalc::descriptor() {
    return {.info = {.name = QStringLiteral("FindCompoundCalc"),
                     .prefix = QStringLiteral("F"),
                     .window = WindowId::FindCompoundCalc,
                     .graphCaller = GraphCallerCode::CompoundGrowth,
                     .exportName = QStringLiteral("Compound Growth")},
            .make = [](QWidget* parent) { return new FindCompoundCalc(parent); },
            .graphs = {{GraphCallerCode::CompoundGrowth,
                        [] { return comparisonSeries(compoundAxisTitle()); }}}};
}

FindCompoundCalc::FindCompoundCalc(QWidget* parent) : CalculatorFrame(descriptor().info, parent) {
    buildControls();
    Form_Load();
}

void FindCompoundCalc::buildControls() {
    const std::vector<FieldEntry> fields = compoundFields();
    const TextFieldEntry name = compoundNameField();
    std::vector<std::pair<QString, QLineEdit*>> rows;
    for (const FieldEntry& entry : fields) {
        auto* box = new QLineEdit(this);
        box->setObjectName(entry.field.name);
        m_boxes.push_back(box);
        rows.emplace_back(entry.caption, box);
    }
    m_namInv = new QLineEdit(this);
    m_namInv->setObjectName(name.name);
    rows.emplace_back(name.caption, m_namInv);

    auto* inputs = new QGridLayout;
    inputs->setVerticalSpacing(4);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const auto& [caption, box] = rows[static_cast<std::size_t>(row)];
        QLabel* label = captionLabel(this, QStringLiteral("Label%1").arg(row + 1), caption, 2300);
        label->setBuddy(box);
        inputs->addWidget(label, row, 0);
        inputs->addWidget(box, row, 1);
    }
    entryLook({m_boxes[0], m_boxes[1], m_boxes[2]}, 2300);
    entryLook({m_namInv}, 3600);
    inputs->setColumnStretch(2, 1);

    standardLayout(inputs);

    tabChain({m_boxes[0], m_boxes[1], m_boxes[2], m_namInv, calcButton()});

    // The name takes any key and is not emptied by the first one; every key clears the
    // results (which keep the investment rows and the count).
    TextBox::Rules rules;
    rules.firstKeyEmpties = false;
    rules.startEntry = [this] { ResetResults(); };
    rules.acceptsKey = [this](QChar key, const QString&) { return NamInv_KeyPress(key); };
    rules.enter = [this] { NamInv_Enter(); };
    m_name = new TextBox(m_namInv, std::move(rules));
}

void FindCompoundCalc::Form_Load() {
    ProgramState& p = program();
    MDIContainer::setCaption(compoundWindowCaption());
    loadCompoundTables();
    grid()->setup(compoundGridSetup());
    const std::vector<FieldEntry> fields = compoundFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EntryField* field = addEntryField(m_boxes[i], fields[i].field);
        field->setText(textAtLoad(fields[i], p.CurrencySymbol));
    }
    m_name->setText(compoundNameField().textAtLoad);
    p.EditPending = 0;
}

bool FindCompoundCalc::NamInv_KeyPress(QChar key) {
    const NameKey rule = nameKey(static_cast<std::int16_t>(key.unicode()));
    if (rule.resetResults) {
        ResetResults();
    }
    return rule.key != 0;
}

void FindCompoundCalc::NamInv_Enter() {
    const NameKey rule = nameKey(13);
    if (auto* target = findChild<QWidget*>(rule.focusTarget)) {
        target->setFocus(Qt::TabFocusReason);
    }
}

void FindCompoundCalc::calculate() {
    const CompoundInputs inputs = CompoundInputs::fromState(m_namInv->text());
    if (const Message refusal = compoundRefusal(inputs); refusal != Message::None) {
        showMessage(refusal);
        return;
    }
    const CompoundResult result = calculateCompound(inputs);
    const CompoundGridUpdate update = compoundGridUpdate(result);
    Grid* g = grid();
    if (update.emptyData) {
        g->setRows(update.rows);
        g->clearData();
    }
    g->setBlock(update.block);
    publishCompound(result);
    g->setCurrentCell(1, 0);
}

QString FindCompoundCalc::helpText() const {
    return compoundHelpText(program().CurrencySymbol);
}

QString FindCompoundCalc::reportTitle() const {
    return compoundReportTitle();
}

void FindCompoundCalc::printReport(PrinterDevice& printer) {
    printCompoundReport(printer, CompoundReportData::fromState());
}

void FindCompoundCalc::releaseTables() {
    releaseCompoundTables();
}

bool FindCompoundCalc::resetEmptiesGrid() const {
    return compoundResultsReset().emptyGrid;
}

bool FindCompoundCalc::resetClearsResultCount() const {
    return compoundResultsReset().clearResultCount;
}
