#include "shell/calculatorframe.h"

#include "core/programstate.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "shell/busypointer.h"
#include "shell/commandbutton.h"
#include "shell/dialogs.h"
#include "shell/entryfield.h"
#include "shell/guarded.h"
#include "shell/mdicontainer.h"
#include "shell/optiongroup.h"
#include "shell/quickhelpbox.h"
#include "shell/reportframe.h"
#include "shell/resultsexport.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

namespace {
const QString QuickHelpCaption = QStringLiteral("Quick &Help");
const QString CloseHelpCaption = QStringLiteral("Close &Help");
} // namespace

CalculatorFrame::CalculatorFrame(CalculatorInfo info, QWidget* parent)
    : ChildWindow(parent), m_info(std::move(info)),
      m_calc(new CommandButton(QStringLiteral("&Calculate"), m_info.prefix + "Calc", this)),
      m_graphs(new CommandButton(QStringLiteral("&Show Graph"), m_info.prefix + "Graphs", this)),
      m_help(new CommandButton(QuickHelpCaption, m_info.prefix + "Help", this)),
      m_printer(new CommandButton(QStringLiteral("To &Printer"), m_info.prefix + "Printer", this)),
      m_exit(new CommandButton(QStringLiteral("E&xit to Menu"), m_info.prefix + "Exit", this)),
      m_grid(new Grid), m_helpBox(new QuickHelpBox(m_info.prefix + "TextBox", nullptr)),
      m_results(new QStackedWidget(this)), m_options(new OptionGroup(this)) {
    // Every calculator window has the same place and size in the main window.
    setObjectName(m_info.name);
    setFixedSize(twipsSize(9615, 6360));
    m_grid->setObjectName(m_info.prefix + "Grid");
    // The help box takes exactly the grid's place: nothing else on the window moves.
    m_results->addWidget(m_grid);
    m_results->addWidget(m_helpBox);
    m_results->setCurrentWidget(m_grid);
    offerResultsExport(*m_grid, [this] { return exportName(); });

    connect(m_calc, &CommandButton::clicked, this, &CalculatorFrame::Calculate_Click);
    connect(m_graphs, &CommandButton::clicked, this, &CalculatorFrame::ShowGraph_Click);
    connect(m_printer, &CommandButton::clicked, this, &CalculatorFrame::ToPrinter_Click);
    connect(m_help, &CommandButton::clicked, this, &CalculatorFrame::QuickHelp_Click);
    connect(m_exit, &CommandButton::clicked, this, &CalculatorFrame::Exit_Click);
}

std::vector<CommandButton*> CalculatorFrame::standardButtons() const {
    return {m_calc, m_graphs, m_printer, m_help, m_exit};
}

QWidget* CalculatorFrame::resultsArea() const {
    return m_results;
}

EntryField* CalculatorFrame::addEntryField(QLineEdit* box, const EntryFieldDef& field) {
    return bind(new EntryField(box, field, [this] { ResetResults(); }));
}

EntryField* CalculatorFrame::addEntryField(QComboBox* box, const EntryFieldDef& field) {
    return bind(new EntryField(box, field, [this] { ResetResults(); }));
}

EntryField* CalculatorFrame::bind(EntryField* field) {
    if (m_fields.empty()) {
        m_helpBox->setFirstField(field->widget());
    }
    m_fields.push_back(field);
    return field;
}

void CalculatorFrame::ResetResults() {
    clearOwnResults();
    ProgramState& p = program();
    p.EditPending = 1;
    if (p.HelpShown == 1) {
        return;
    }
    m_helpBox->clear();
    if (resetEmptiesGrid()) {
        m_grid->clearData();
    }
    if (m_help->text() == CloseHelpCaption) {
        m_help->setText(QuickHelpCaption);
        m_printer->setEnabled(true);
        m_graphs->setEnabled(true);
        m_results->setCurrentWidget(m_grid);
        p.EditPending = 0;
    }
    p.HelpShown = 0;
    if (resetClearsResultCount()) {
        p.ResultCount = 0;
    }
}

void CalculatorFrame::Calculate_Click() {
    guarded(Message::WrongEntry, [this] {
        ProgramState& p = program();
        p.HelpShown = 0;
        ResetResults();
        p.EditPending = 0;
        BusyPointer busy;
        calculate();
    });
}

void CalculatorFrame::ShowGraph_Click() {
    ProgramState& p = program();
    if (p.ResultCount == 0) {
        showMessage(Message::NoDataToGraph);
        return;
    }
    if (!windows().has(WindowId::GraphsAll)) {
        return;
    }
    p.GraphCaller = graphCallerCode();
    hide();
    windows().open(WindowId::GraphsAll);
}

void CalculatorFrame::ToPrinter_Click() {
    guarded(Message::WrongEntry, [this] {
        const bool printed = ::printReport(reportTitle(), [this](PrinterDevice& printer) {
            BusyPointer busy;
            printReport(printer);
        });
        if (printed) {
            reportPrinted();
        }
    });
}

void CalculatorFrame::QuickHelp_Click() {
    ProgramState& p = program();
    p.HelpShown = static_cast<std::int16_t>(p.HelpShown == 0 ? 1 : 0);
    if (m_help->text() != QuickHelpCaption) {
        ResetResults();
        return;
    }
    m_help->setText(CloseHelpCaption);
    m_printer->setEnabled(false);
    m_graphs->setEnabled(false);
    m_results->setCurrentWidget(m_helpBox);
    m_helpBox->setPlainText(shownHelp());
    m_helpBox->setFocus();
}

void CalculatorFrame::refreshHelp() {
    if (m_results->currentWidget() == m_helpBox) {
        m_helpBox->setPlainText(shownHelp());
    }
}

QString CalculatorFrame::shownHelp() const {
    const std::vector<FieldHelpLines> lines = helpFields();
    if (lines.empty()) {
        return helpText();
    }
    std::vector<CaptionedHelp> captioned;
    for (const FieldHelpLines& l : lines) {
        const auto field = std::find_if(m_fields.begin(), m_fields.end(),
                                        [&](EntryField* f) { return f->field().index == l.field; });
        QString caption;
        if (field != m_fields.end()) {
            for (const QLabel* label : findChildren<QLabel*>()) {
                if (label->buddy() == (*field)->widget()) {
                    caption = label->text();
                }
            }
        }
        captioned.push_back({caption, l.first, l.last});
    }
    return helpBesideCaptions(helpText(), captioned, m_helpBox->charactersPerLine());
}

void CalculatorFrame::Exit_Click() {
    releaseTables();
    releaseCalculatorTables();
    m_helpBox->clear();
    MDIContainer::setCaption(QStringLiteral(" Orvalen Menu"));
    windows().unload(m_info.window);
    windows().show(WindowId::MenuMain);
}

void CalculatorFrame::standardLayout(QLayout* fields, std::initializer_list<QWidget*> underButtons,
                                     QLayout* belowTop) {
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    for (CommandButton* b : standardButtons()) {
        buttons->addWidget(b);
    }
    for (QWidget* w : underButtons) {
        buttons->addWidget(w);
    }
    buttons->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(120), twips(60), twips(120), twips(60));
    layout->setSpacing(4);
    layout->addLayout(top);
    if (belowTop != nullptr) {
        layout->addLayout(belowTop);
    }
    layout->addWidget(resultsArea(), 1);
}
