#include "mortgage/mortgagecalc.h"

#include "core/programstate.h"
#include "core/records.h"
#include "mortgage/amortization.h"
#include "mortgage/mortdateinput.h"
#include "mortgage/mortgagedisplay.h"
#include "mortgage/mortgagefile.h"
#include "mortgage/mortgagegraph.h"
#include "mortgage/mortgagehelp.h"
#include "mortgage/mortgagereport.h"
#include "mortgage/mortgagestate.h"
#include "mortgage/mortirftable.h"
#include "mortgage/mortprepay.h"
#include "platform/beep.h"
#include "platform/grid.h"
#include "platform/modal.h"
#include "platform/twips.h"
#include "shell/busypointer.h"
#include "shell/commandbutton.h"
#include "shell/dialogs.h"
#include "shell/entryfield.h"
#include "shell/guarded.h"
#include "shell/mdicontainer.h"
#include "shell/reportframe.h"
#include "shell/windowregistry.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

bool mortgageMode() {
    return program().MortgageMode != MortgageModeFlag::Loan;
}

QLabel* resultLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFixedWidth(twips(1350));
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    label->setFont(fixed);
    return label;
}

QLabel* captionLabel(const QString& name, const QString& text, QWidget* parent,
                     int widthTwips = 1800) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setFixedWidth(twips(widthTwips));
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    label->setFont(small);
    return label;
}

} // namespace

MortgageCalc::MortgageCalc(QWidget* parent) : ChildWindow(parent) {
    setObjectName(QStringLiteral("MortgageCalc"));
    setFixedSize(twipsSize(9615, 6360));
    buildControls();
    Form_Load();
}

GraphCallerInfo MortgageCalc::graphCaller() {
    return {.window = WindowId::MortgageCalc,
            .prepare = PrepareMortgageGraph,
            .comparison = {},
            .readsGraphValues = true};
}

void MortgageCalc::buildControls() {
    m_inPrincipal = new QLineEdit(this);
    m_inRate = new QComboBox(this);
    m_inTerm = new QComboBox(this);
    m_comperiod = new QComboBox(this);
    m_comperiod->setObjectName(QStringLiteral("Comperiod"));
    m_freqPmt = new QComboBox(this);
    m_freqPmt->setObjectName(QStringLiteral("FreqPmt"));
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    for (QWidget* w : std::initializer_list<QWidget*>{m_inPrincipal, m_inRate, m_inTerm,
                                                      m_comperiod, m_freqPmt}) {
        w->setFont(fixed);
        w->setFixedWidth(twips(1900));
    }

    m_principalLabel = captionLabel(QStringLiteral("Label1"), {}, this);
    m_rateLabel = captionLabel(QStringLiteral("Label2"), {}, this);
    m_termLabel = captionLabel(QStringLiteral("Label3"), {}, this);
    auto* compLabel =
        captionLabel(QStringLiteral("Label4"),
                     QStringLiteral(" Interest compound            periods per year."), this);
    auto* freqLabel =
        captionLabel(QStringLiteral("Label5"),
                     QStringLiteral(" Frequency and type of      each payment."), this);
    m_principalLabel->setBuddy(m_inPrincipal);
    m_rateLabel->setBuddy(m_inRate);
    m_termLabel->setBuddy(m_inTerm);
    compLabel->setBuddy(m_comperiod);
    freqLabel->setBuddy(m_freqPmt);

    m_inMonthPI = resultLabel(QStringLiteral("InMonthPI"), this);
    m_numPmtsYear = resultLabel(QStringLiteral("NumPmtsYear"), this);
    m_endMortYear = resultLabel(QStringLiteral("EndMortYear"), this);
    m_allPayments = resultLabel(QStringLiteral("AllPayments"), this);
    m_totSavd = resultLabel(QStringLiteral("TotSavd"), this);
    m_periodicR = resultLabel(QStringLiteral("PeriodicR"), this);
    m_inDays = resultLabel(QStringLiteral("InDays"), this);
    m_label11 = captionLabel(QStringLiteral("Label11"),
                             QStringLiteral(" No. of years to       final payment."), this);
    m_label8 = captionLabel(QStringLiteral("Label8"),
                            QStringLiteral(" Total paid over life    of mortgage"), this);
    const std::pair<QLabel*, QLabel*> results[] = {
        {captionLabel(QStringLiteral("Label6"),
                      QStringLiteral(" Principal + Interest      payment."), this),
         m_inMonthPI},
        {captionLabel(QStringLiteral("Label7"),
                      QStringLiteral(" No. of payments        each year."), this),
         m_numPmtsYear},
        {m_label11, m_endMortYear},
        {m_label8, m_allPayments},
        {captionLabel(QStringLiteral("Label9"),
                      QStringLiteral(" Total interest           savings."), this),
         m_totSavd},
        {captionLabel(QStringLiteral("Label10"), QStringLiteral(" Interest rate        factor."),
                      this),
         m_periodicR},
        {captionLabel(QStringLiteral("Label12"), QStringLiteral(" Days          in year."), this),
         m_inDays},
    };

    m_calc = new CommandButton(QStringLiteral("&Calculate"), QStringLiteral("MCalc"), this);
    m_graphs = new CommandButton(QStringLiteral("&Show Graph"), QStringLiteral("MGraphs"), this);
    m_help = new CommandButton(QStringLiteral("Quick &Help"), QStringLiteral("MHelp"), this);
    m_printer = new CommandButton(QStringLiteral("To &Printer"), QStringLiteral("MPrinter"), this);
    m_exit = new CommandButton(QStringLiteral("E&xit to Menu"), QStringLiteral("MExit"), this);
    m_addPrePay = new CommandButton(QStringLiteral("&Additional payments"),
                                    QStringLiteral("MAddPrePay"), this);
    m_dateNumber = new CommandButton(QStringLiteral("&View payment date"),
                                     QStringLiteral("MDateNumber"), this);
    m_showIRF =
        new CommandButton(QStringLiteral("&Days in year"), QStringLiteral("MShowIRF"), this);
    m_loadFile = new CommandButton(QStringLiteral("&Open File"), QStringLiteral("MLoadFile"), this);
    m_saveFile = new CommandButton(QStringLiteral("S&ave File"), QStringLiteral("MSaveFile"), this);

    auto* showPayments = new QGroupBox(QStringLiteral(" Show payments."), this);
    m_option1 = new QRadioButton(QStringLiteral("All "), showPayments);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option2 = new QRadioButton(QStringLiteral("Annual"), showPayments);
    m_option2->setObjectName(QStringLiteral("Option2"));
    auto* optionLayout = new QHBoxLayout(showPayments);
    optionLayout->setContentsMargins(4, 0, 4, 0);
    optionLayout->addWidget(m_option1);
    optionLayout->addWidget(m_option2);

    m_grid = new Grid(this);
    m_grid->setObjectName(QStringLiteral("MGrid"));
    m_textBox = new QuickHelpBox(QStringLiteral("MTextBox"), this);
    m_textBox->setFirstField(m_inPrincipal);
    m_results = {m_textBox, m_grid, m_help, m_printer, m_graphs};

    // Inputs on the left, results in the middle, the main buttons on the right; the other
    // buttons in a row above the grid.
    auto* top = new QGridLayout;
    top->setVerticalSpacing(2);
    const std::pair<QLabel*, QWidget*> inputs[] = {{m_principalLabel, m_inPrincipal},
                                                   {m_rateLabel, m_inRate},
                                                   {m_termLabel, m_inTerm},
                                                   {compLabel, m_comperiod},
                                                   {freqLabel, m_freqPmt}};
    for (int row = 0; row < 5; ++row) {
        top->addWidget(inputs[row].first, row, 0);
        top->addWidget(inputs[row].second, row, 1);
    }
    auto* resultGrid = new QGridLayout;
    resultGrid->setVerticalSpacing(0);
    for (int row = 0; row < 7; ++row) {
        results[row].first->setFixedWidth(twips(1650));
        resultGrid->addWidget(results[row].first, row, 0);
        resultGrid->addWidget(results[row].second, row, 1);
    }
    top->addLayout(resultGrid, 0, 2, 5, 1);
    auto* rightButtons = new QVBoxLayout;
    for (QWidget* b : std::initializer_list<QWidget*>{m_calc, m_graphs, m_printer, m_help, m_exit,
                                                      showPayments}) {
        rightButtons->addWidget(b);
    }
    rightButtons->addStretch();
    top->addLayout(rightButtons, 0, 3, 5, 1);

    auto* rowButtons = new QHBoxLayout;
    for (QWidget* b : std::initializer_list<QWidget*>{m_addPrePay, m_dateNumber, m_showIRF,
                                                      m_loadFile, m_saveFile}) {
        rowButtons->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(120), twips(60), twips(120), twips(60));
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addLayout(rowButtons);
    layout->addWidget(m_grid, 1);

    setTabOrder(m_inPrincipal, m_inRate);
    setTabOrder(m_inRate, m_inTerm);
    setTabOrder(m_inTerm, m_comperiod);
    setTabOrder(m_comperiod, m_freqPmt);
    setTabOrder(m_freqPmt, m_calc);

    m_comperiod->installEventFilter(this);
    m_freqPmt->installEventFilter(this);
    connect(m_comperiod, &QComboBox::activated, this, &MortgageCalc::ResetResults);
    connect(m_freqPmt, &QComboBox::activated, this, &MortgageCalc::ResetResults);
    connect(m_inTerm, &QComboBox::activated, this, &MortgageCalc::InTerm_Click);
    connect(m_option1, &QRadioButton::clicked, this, &MortgageCalc::Option1_Click);
    connect(m_option2, &QRadioButton::clicked, this, &MortgageCalc::Option2_Click);
    connect(m_calc, &CommandButton::clicked, this, &MortgageCalc::MCalc_Click);
    connect(m_graphs, &CommandButton::clicked, this, &MortgageCalc::MGraphs_Click);
    connect(m_help, &CommandButton::clicked, this, &MortgageCalc::MHelp_Click);
    connect(m_printer, &CommandButton::clicked, this, &MortgageCalc::MPrinter_Click);
    connect(m_exit, &CommandButton::clicked, this, &MortgageCalc::MExit_Click);
    connect(m_addPrePay, &CommandButton::clicked, this, &MortgageCalc::MAddPrePay_Click);
    connect(m_dateNumber, &CommandButton::clicked, this, &MortgageCalc::MDateNumber_Click);
    connect(m_showIRF, &CommandButton::clicked, this, &MortgageCalc::MShowIRF_Click);
    connect(m_loadFile, &CommandButton::clicked, this, &MortgageCalc::MLoadFile_Click);
    connect(m_saveFile, &CommandButton::clicked, this, &MortgageCalc::MSaveFile_Click);
}

void MortgageCalc::Form_Load() {
    ProgramState& p = program();
    const bool mortgageTables = mortgageMode();
    if (MDIContainer* main = MDIContainer::instance()) {
        main->setWindowTitle(mortgageTables ? QStringLiteral(" Mortgage Tables")
                                            : QStringLiteral(" Loan Tables"));
    }
    loadMortgageTables();
    InitMortgageGrid();

    auto reset = [this] { ResetResults(); };
    const QString symbol = p.CurrencySymbol;
    m_fields = {
        new EntryField(m_inPrincipal, principalField(), reset),
        new EntryField(m_inRate, rateField(), reset),
        new EntryField(m_inTerm, termField(p.MortgageMode), reset),
    };
    m_fields[1]->setListItems({QStringLiteral("6 "), QStringLiteral("7 "), QStringLiteral("8 "),
                               QStringLiteral("9 "), QStringLiteral("10 ")});
    if (mortgageTables) {
        m_fields[2]->setListItems(
            {QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("40")});
    } else {
        m_fields[2]->setListItems({QStringLiteral("24"), QStringLiteral("36"), QStringLiteral("48"),
                                   QStringLiteral("60")});
    }

    m_option2->setChecked(true);
    p.CalcMode = CalcModeFlag::AnnualRows;

    const EntryTexts texts = defaultEntryTexts(p.MortgageMode, symbol);
    m_fields[0]->setText(texts.principal);
    m_fields[1]->setText(texts.rate);
    m_fields[2]->setText(texts.term);
    if (mortgageTables) {
        m_principalLabel->setText(QStringLiteral(" Principal amount of            mortgage."));
        m_rateLabel->setText(QStringLiteral(" Annual interest rate %"));
        m_termLabel->setText(QStringLiteral(" Amortization period in        years."));
    } else {
        m_principalLabel->setText(QStringLiteral(" Principal amount of the      loan."));
        m_rateLabel->setText(QStringLiteral(" Annual interest rate%."));
        m_termLabel->setText(QStringLiteral(" Payback period of the       loan in months."));
        m_label8->setText(QStringLiteral(" Total paid over life     of the loan."));
        m_label11->setText(QStringLiteral(" No. months to        final payment."));
    }

    m_comperiod->addItems(compoundingTexts());
    m_freqPmt->addItems(paymentFrequencyTexts());
    m_comperiod->setCurrentIndex(0);
    m_freqPmt->setCurrentIndex(0);
}

void MortgageCalc::InitMortgageGrid() {
    m_grid->setup(initMortgageGrid(program().MortgageMode, mortgage().ScheduleRows));
}

void MortgageCalc::ResetResults() {
    for (QLabel* label : {m_inDays, m_periodicR, m_numPmtsYear, m_endMortYear, m_inMonthPI,
                          m_totSavd, m_allPayments}) {
        label->clear();
    }
    resetResultsArea(m_results);
}

void MortgageCalc::showCaptions(const MortgageCaptions& c) {
    m_inDays->setText(c.InDays);
    m_periodicR->setText(c.PeriodicR);
    m_numPmtsYear->setText(c.NumPmtsYear);
    m_endMortYear->setText(c.EndMortYear);
    m_inMonthPI->setText(c.InMonthPI);
    m_allPayments->setText(c.AllPayments);
    m_totSavd->setText(c.TotSavd);
}

void MortgageCalc::MCalc_Click() {
    guarded(3, [this] {
        ProgramState& p = program();
        p.HelpShown = 0;
        ResetResults();
        clearMortgageResults();
        p.EditPending = 0;
        const MortgageInputs inputs =
            MortgageInputs::fromState(m_comperiod->currentText(), m_freqPmt->currentText());
        if (termAboveLimit(inputs)) {
            showMessage(5);
            return;
        }
        BusyPointer busy;
        MortgageResult result;
        try {
            calculateMortgage(inputs, result);
        } catch (const RunTimeFailure&) {
            // The figures reached before the failure stay shown.
            showCaptions(mortgageCaptions(result, p.CurrencySymbol));
            throw;
        }
        showCaptions(mortgageCaptions(result, p.CurrencySymbol));
        const MortgageDisplay display =
            mortgageDisplay(result, p.ResultTable, inputs.PrePayments, p.CurrencySymbol);
        applyMortgageDisplay(display);
        m_grid->setRows(display.gridRows);
        m_grid->clearData();
        m_grid->setText(0, 0, display.column0Heading);
        m_grid->setRowTexts(1, display.rows);
        m_grid->setRowTexts(display.totalsRow, {display.totals});
        if (display.prePayHeadingRow > 0) {
            m_grid->setRowTexts(display.prePayHeadingRow, {display.prePayHeading});
            m_grid->setRowTexts(display.prePayFirstRow, display.prePayRows);
        }
        m_grid->setCurrentCell(1, 0);
    });
}

bool MortgageCalc::eventFilter(QObject* watched, QEvent* event) {
    // The two frequency lists take no typing: a key beeps and clears the results; Enter moves
    // the focus on.
    if ((watched == m_comperiod || watched == m_freqPmt) && event->type() == QEvent::KeyPress) {
        auto& key = static_cast<QKeyEvent&>(*event);
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
            (watched == m_comperiod ? static_cast<QWidget*>(m_freqPmt) : m_calc)
                ->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (!key.text().isEmpty() && key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab) {
            ResetResults();
            platform::beep();
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

void MortgageCalc::InTerm_Click() {
    clearPrePayments();
    ResetResults();
}

void MortgageCalc::Option1_Click() {
    program().CalcMode = CalcModeFlag::EveryPayment;
    ResetResults();
}

void MortgageCalc::Option2_Click() {
    program().CalcMode = CalcModeFlag::AnnualRows;
    ResetResults();
}

void MortgageCalc::MGraphs_Click() {
    if (program().ResultCount == 0) {
        showMessage(2);
        return;
    }
    if (!windows().has(WindowId::GraphsAll)) {
        return;
    }
    program().GraphCaller = GraphCallerCode::Mortgage;
    hide();
    windows().open(WindowId::GraphsAll);
}

void MortgageCalc::MHelp_Click() {
    toggleQuickHelp(m_results, mortgageHelpText(program().MortgageMode),
                    [this] { ResetResults(); });
}

void MortgageCalc::MPrinter_Click() {
    MortgageReportData data = MortgageReportData::fromState();
    data.TermText = m_inTerm->currentText();
    data.ComperiodText = m_comperiod->currentText();
    data.FreqPmtText = m_freqPmt->currentText();
    data.setCaptions({m_inDays->text(), m_periodicR->text(), m_numPmtsYear->text(),
                      m_endMortYear->text(), m_inMonthPI->text(), m_allPayments->text(),
                      m_totSavd->text()});
    guarded(3, [&data] {
        printReport(mortgageReportTitle(data.MortgageMode),
                    [&data](PrinterDevice& printer) { printMortgageReport(printer, data); });
    });
}

void MortgageCalc::MExit_Click() {
    releaseMortgageTables();
    m_textBox->clear();
    if (MDIContainer* main = MDIContainer::instance()) {
        main->setWindowTitle(QStringLiteral(" Orvalen Menu"));
    }
    windows().unload(WindowId::MortgageCalc);
    windows().show(WindowId::MenuMain);
}

void MortgageCalc::MAddPrePay_Click() {
    ResetResults();
    program().EditPending = 0;
    MortPrePay prePay(MDIContainer::instance());
    runModal(prePay);
}

void MortgageCalc::MDateNumber_Click() {
    ResetResults();
    if (m_dateNumber->text() == QStringLiteral("&View payment date")) {
        m_dateNumber->setText(QStringLiteral("&View payment No."));
        mortgage().ShowPaymentDates = 1;
        MortDateInput dateInput(MDIContainer::instance());
        runModal(dateInput);
    } else {
        m_dateNumber->setText(QStringLiteral("&View payment date"));
        mortgage().ShowPaymentDates = 0;
    }
    program().EditPending = 0;
}

void MortgageCalc::MShowIRF_Click() {
    MortIRFTable days(MDIContainer::instance());
    runModal(days);
    ResetResults();
    program().EditPending = 0;
}

std::int16_t MortgageCalc::fileMode(bool save) const {
    const std::int16_t open = mortgageMode() ? 5 : 7;
    return static_cast<std::int16_t>(save ? open + 1 : open);
}

QString& MortgageCalc::fileName() const {
    return mortgageMode() ? mortgage().MortgageFileName : mortgage().LoanFileName;
}

void MortgageCalc::MSaveFile_Click() {
    ProgramState& p = program();
    hide();
    if (p.ResultCount == 0) {
        showMessage(15);
    } else {
        p.ChosenPath = fileName();
        const std::int16_t mode = fileMode(true);
        const QString path = chooseFile(mode);
        if (!path.isEmpty()) {
            bool saved = false;
            {
                BusyPointer busy;
                guarded(mode == 6 ? 37 : 38, [&] {
                    saved =
                        saveMortgageFile(path, mortgageFileDataFromState(m_comperiod->currentText(),
                                                                         m_freqPmt->currentText()));
                    if (!saved) {
                        throw RunTimeFailure("the file cannot be written");
                    }
                });
            }
            if (saved) {
                fileName() = QFileInfo(path).fileName();
            }
        }
    }
    show();
    p.FileDialogMode = 0;
    p.ChosenPath.clear();
}

void MortgageCalc::MLoadFile_Click() {
    ProgramState& p = program();
    hide();
    p.ChosenPath = fileName();
    const QString path = chooseFile(fileMode(false));
    bool opened = false;
    if (!path.isEmpty()) {
        std::optional<MortgageFileData> data;
        {
            BusyPointer busy;
            try {
                data = loadMortgageFile(path);
            } catch (const RunTimeFailure&) {
            }
        }
        if (!data) {
            // The whole file is read and checked first: nothing in the window changes for a
            // file that cannot be read.
            showMessage(13);
            fileName().clear();
        } else {
            applyMortgageFileData(*data);
            for (EntryField* field : m_fields) {
                field->showValue();
            }
            m_comperiod->setCurrentText(data->Comperiod);
            m_freqPmt->setCurrentText(data->FreqPmt);
            // A text that is not in the list is shown as it stands; the calculation then
            // refuses it.
            for (auto [box, text] :
                 {std::pair{m_comperiod, data->Comperiod}, std::pair{m_freqPmt, data->FreqPmt}}) {
                if (box->currentText() != text) {
                    box->setEditable(true);
                    box->lineEdit()->setReadOnly(true);
                    box->setEditText(text);
                }
            }
            m_dateNumber->setText(mortgage().ShowPaymentDates == 1
                                      ? QStringLiteral("&View payment No.")
                                      : QStringLiteral("&View payment date"));
            if (p.CalcMode == CalcModeFlag::AnnualRows) {
                m_option2->setChecked(true);
                Option2_Click();
            } else {
                m_option1->setChecked(true);
                Option1_Click();
            }
            fileName() = QFileInfo(path).fileName();
            opened = true;
        }
    }
    show();
    p.FileDialogMode = 0;
    p.ChosenPath.clear();
    if (opened) {
        MCalc_Click();
    }
}
