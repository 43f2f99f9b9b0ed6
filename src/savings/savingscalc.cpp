#include "savings/savingscalc.h"

#include "core/programstate.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "savings/savingsdisplay.h"
#include "savings/savingsfields.h"
#include "savings/savingshelp.h"
#include "savings/savingsplan.h"
#include "savings/savingsreport.h"
#include "savings/savingsstate.h"
#include "shell/commandbutton.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/entryfield.h"
#include "shell/graphdata.h"
#include "shell/mdicontainer.h"
#include "shell/quickhelpbox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

CalculatorDescriptor SavingsCalc::descriptor() {
    return {.info = {.name = QStringLiteral("SavingsCalc"),
                     .prefix = QStringLiteral("S"),
                     .window = WindowId::SavingsCalc,
                     .graphCaller = GraphCallerCode::Savings,
                     .exportName = QStringLiteral("Savings")},
            .make = [](QWidget* parent) { return new SavingsCalc(parent); },
            .graphs = {{GraphCallerCode::Savings, [] {
                            return savingsMode() == SavingsMode::Comparisons
                                       ? comparisonSeries(
                                             savingsAxisTitle(program().CurrencySymbol))
                                       : resultsByYear();
                        }}}};
}

SavingsCalc::SavingsCalc(QWidget* parent) : CalculatorFrame(descriptor().info, parent) {
    buildControls();
    Form_Load();
}

void SavingsCalc::buildControls() {
    const std::vector<FieldEntry> fields = savingsFields();
    const TextFieldEntry frequency = savingsFrequencyField();
    for (const FieldEntry& entry : fields) {
        auto* box = new QComboBox(this);
        box->setObjectName(entry.field.name);
        m_boxes.push_back(box);
    }
    m_inMonthsYrs = new QComboBox(this);
    m_inMonthsYrs->setObjectName(frequency.name);

    // The frequency stands between the contribution and the growth rate.
    std::vector<std::pair<QString, QComboBox*>> rows;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        rows.emplace_back(fields[i].caption, m_boxes[i]);
    }
    rows.insert(rows.begin() + 2, {frequency.caption, m_inMonthsYrs});

    auto* inputs = new QGridLayout;
    inputs->setVerticalSpacing(2);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const auto& [caption, box] = rows[static_cast<std::size_t>(row)];
        QLabel* label = captionLabel(this, QStringLiteral("Label%1").arg(row + 1), caption, 2300);
        label->setBuddy(box);
        inputs->addWidget(label, row, 0);
        inputs->addWidget(box, row, 1);
        entryLook({box}, 2300);
    }
    inputs->setColumnStretch(2, 1);

    standardLayout(inputs);

    tabChain({m_boxes[0], m_boxes[1], m_inMonthsYrs, m_boxes[2], m_boxes[3], m_boxes[4], m_boxes[5],
              calcButton()});

    listWithoutTyping(
        m_inMonthsYrs, m_boxes[2], [this] { InMonthsYrs_KeyPress(); },
        [this] { InMonthsYrs_LostFocus(); });
    connect(m_inMonthsYrs, &QComboBox::activated, this, &SavingsCalc::ResetResults);
}

void SavingsCalc::Form_Load() {
    ProgramState& p = program();
    loadSavingsTables();
    MDIContainer::setCaption(savingsWindowCaption(savingsMode()));
    grid()->setup(savingsGridSetup(savingsMode()));

    const std::vector<FieldEntry> fields = savingsFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EntryField* field = addEntryField(m_boxes[i], fields[i].field);
        field->setListItems(fields[i].list);
        field->setText(textAtLoad(fields[i], p.CurrencySymbol));
    }
    const TextFieldEntry frequency = savingsFrequencyField();
    m_inMonthsYrs->clear();
    m_inMonthsYrs->addItems(frequency.list);
    m_inMonthsYrs->setCurrentText(frequency.textAtLoad);
    p.EditPending = 0;
}

// The frequency is only picked: a typed key beeps and starts no entry.
void SavingsCalc::InMonthsYrs_KeyPress() {
    program().EditPending = 0;
}

void SavingsCalc::InMonthsYrs_LostFocus() {
    program().EditPending = 0;
}

void SavingsCalc::calculate() {
    const ProgramState& p = program();
    const SavingsInputs inputs = SavingsInputs::fromState(m_inMonthsYrs->currentText());
    if (comparisonLimitReached(inputs)) {
        // The comparisons made can still be graphed and printed.
        refuseComparison();
        showMessage(Message::TwentyTwoEntriesLimit);
        return;
    }
    Grid* g = grid();
    const SavingsGridStart start = savingsGridStart(inputs);
    if (start.rows > 0) {
        g->setRows(start.rows);
    }
    if (!start.column0Heading.isEmpty()) {
        g->setText(0, 0, start.column0Heading);
        g->setText(0, 1, start.column1Heading);
    }
    if (start.emptyData) {
        g->clearData();
    }
    const SavingsResult result = calculateSavings(inputs);
    publishSavings(result);
    g->setBlock(savingsGridRows(result, p.CurrencySymbol));
    g->setCurrentCell(1, 0);
}

QString SavingsCalc::exportName() const {
    return savingsMode() == SavingsMode::Comparisons ? QStringLiteral("Savings Comparisons")
                                                     : CalculatorFrame::exportName();
}

QString SavingsCalc::helpText() const {
    return savingsHelpText(savingsMode(), program().CurrencySymbol);
}

QString SavingsCalc::reportTitle() const {
    return savingsReportTitle(savingsMode());
}

void SavingsCalc::printReport(PrinterDevice& printer) {
    printSavingsReport(printer, SavingsReportData::fromState(m_inMonthsYrs->currentText()));
}

void SavingsCalc::reportPrinted() {
    savingsReportPrinted();
}

void SavingsCalc::releaseTables() {
    releaseSavingsTables();
}

bool SavingsCalc::resetEmptiesGrid() const {
    return savingsResultsReset().emptyGrid;
}

bool SavingsCalc::resetClearsResultCount() const {
    return savingsResultsReset().clearResultCount;
}
