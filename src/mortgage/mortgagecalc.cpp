#include "mortgage/mortgagecalc.h"

#include "core/programstate.h"
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
#include "shell/optiongroup.h"

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

bool loanTables() {
    return program().MortgageMode == MortgageModeFlag::Loan;
}

// The file dialog's mode for the window's file type: 5/6 mortgage files, 7/8 loan files.
std::int16_t fileMode(bool save) {
    const std::int16_t open = loanTables() ? 7 : 5;
    return static_cast<std::int16_t>(save ? open + 1 : open);
}

QString& fileName() {
    return loanTables() ? mortgage().LoanFileName : mortgage().MortgageFileName;
}

} // namespace

GraphCallerInfo MortgageCalc::graphCallerInfo() {
    return {.window = WindowId::MortgageCalc,
            .prepare = PrepareMortgageGraph,
            .comparison = {},
            .readsGraphValues = true};
}

MortgageCalc::MortgageCalc(QWidget* parent)
    : CalculatorFrame({.prefix = QStringLiteral("M"),
                       .window = WindowId::MortgageCalc,
                       .graphCaller = GraphCallerCode::Mortgage},
                      parent) {
    setObjectName(QStringLiteral("MortgageCalc"));
    setFixedSize(twipsSize(9615, 6360));
    buildControls();
    Form_Load();
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

    m_principalLabel = captionLabel(QStringLiteral("Label1"), {});
    m_rateLabel = captionLabel(QStringLiteral("Label2"), {});
    m_termLabel = captionLabel(QStringLiteral("Label3"), {});
    auto* compLabel =
        captionLabel(QStringLiteral("Label4"),
                     QStringLiteral(" Interest compound            periods per year."));
    auto* freqLabel = captionLabel(QStringLiteral("Label5"),
                                   QStringLiteral(" Frequency and type of      each payment."));
    m_principalLabel->setBuddy(m_inPrincipal);
    m_rateLabel->setBuddy(m_inRate);
    m_termLabel->setBuddy(m_inTerm);
    compLabel->setBuddy(m_comperiod);
    freqLabel->setBuddy(m_freqPmt);

    m_inMonthPI = resultLabel(QStringLiteral("InMonthPI"));
    m_numPmtsYear = resultLabel(QStringLiteral("NumPmtsYear"));
    m_endMortYear = resultLabel(QStringLiteral("EndMortYear"));
    m_allPayments = resultLabel(QStringLiteral("AllPayments"));
    m_totSavd = resultLabel(QStringLiteral("TotSavd"));
    m_periodicR = resultLabel(QStringLiteral("PeriodicR"));
    m_inDays = resultLabel(QStringLiteral("InDays"));
    m_label11 = captionLabel(QStringLiteral("Label11"), {}, 1650);
    m_label8 = captionLabel(QStringLiteral("Label8"), {}, 1650);
    const std::pair<QLabel*, QLabel*> results[] = {
        {captionLabel(QStringLiteral("Label6"),
                      QStringLiteral(" Principal + Interest      payment."), 1650),
         m_inMonthPI},
        {captionLabel(QStringLiteral("Label7"),
                      QStringLiteral(" No. of payments        each year."), 1650),
         m_numPmtsYear},
        {m_label11, m_endMortYear},
        {m_label8, m_allPayments},
        {captionLabel(QStringLiteral("Label9"),
                      QStringLiteral(" Total interest           savings."), 1650),
         m_totSavd},
        {captionLabel(QStringLiteral("Label10"), QStringLiteral(" Interest rate        factor."),
                      1650),
         m_periodicR},
        {captionLabel(QStringLiteral("Label12"), QStringLiteral(" Days          in year."), 1650),
         m_inDays},
    };

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
        resultGrid->addWidget(results[row].first, row, 0);
        resultGrid->addWidget(results[row].second, row, 1);
    }
    top->addLayout(resultGrid, 0, 2, 5, 1);
    auto* rightButtons = new QVBoxLayout;
    for (CommandButton* b : standardButtons()) {
        rightButtons->addWidget(b);
    }
    rightButtons->addWidget(showPayments);
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
    layout->addWidget(resultsArea(), 1);

    setTabOrder(m_inPrincipal, m_inRate);
    setTabOrder(m_inRate, m_inTerm);
    setTabOrder(m_inTerm, m_comperiod);
    setTabOrder(m_comperiod, m_freqPmt);
    setTabOrder(m_freqPmt, calcButton());

    m_comperiod->installEventFilter(this);
    m_freqPmt->installEventFilter(this);
    connect(m_comperiod, &QComboBox::activated, this, &MortgageCalc::ResetResults);
    connect(m_freqPmt, &QComboBox::activated, this, &MortgageCalc::ResetResults);
    connect(m_inTerm, &QComboBox::activated, this, &MortgageCalc::InTerm_Click);
    connect(m_addPrePay, &CommandButton::clicked, this, &MortgageCalc::MAddPrePay_Click);
    connect(m_dateNumber, &CommandButton::clicked, this, &MortgageCalc::MDateNumber_Click);
    connect(m_showIRF, &CommandButton::clicked, this, &MortgageCalc::MShowIRF_Click);
    connect(m_loadFile, &CommandButton::clicked, this, &MortgageCalc::MLoadFile_Click);
    connect(m_saveFile, &CommandButton::clicked, this, &MortgageCalc::MSaveFile_Click);
}

void MortgageCalc::Form_Load() {
    ProgramState& p = program();
    loadMortgageTables();
    m_principalField = addEntryField(m_inPrincipal, principalField());
    m_rateField = addEntryField(m_inRate, rateField());
    m_termField = addEntryField(m_inTerm, termField(p.MortgageMode));
    m_rateField->setListItems(rateItems());
    InitMortgageGrid();
    applyMortgageMode();

    options()->add(m_option1, [this] { Option1_Click(); });
    options()->add(m_option2, [this] { Option2_Click(); });
    options()->choose(1);

    const EntryTexts texts = defaultEntryTexts(p.MortgageMode, p.CurrencySymbol);
    m_principalField->setText(texts.principal);
    m_rateField->setText(texts.rate);
    m_termField->setText(texts.term);

    m_comperiod->addItems(compoundingTexts());
    m_freqPmt->addItems(paymentFrequencyTexts());
    m_comperiod->setCurrentIndex(0);
    m_freqPmt->setCurrentIndex(0);
    p.EditPending = 0;
}

void MortgageCalc::applyMortgageMode() {
    const MortgageModeTexts texts = mortgageModeTexts(program().MortgageMode);
    setMainCaption(texts.caption);
    m_principalLabel->setText(texts.principalLabel);
    m_rateLabel->setText(texts.rateLabel);
    m_termLabel->setText(texts.termLabel);
    m_label8->setText(texts.totalPaidLabel);
    m_label11->setText(texts.finalPaymentLabel);
    m_termField->setField(termField(program().MortgageMode));
    m_termField->setListItems(texts.termItems);
    grid()->setText(0, 0, initMortgageGrid(program().MortgageMode, 0).headings.value(0));
}

void MortgageCalc::InitMortgageGrid() {
    grid()->setup(initMortgageGrid(program().MortgageMode, mortgage().ScheduleRows));
}

void MortgageCalc::clearOwnResults() {
    for (QLabel* label : {m_inDays, m_periodicR, m_numPmtsYear, m_endMortYear, m_inMonthPI,
                          m_totSavd, m_allPayments}) {
        label->clear();
    }
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

void MortgageCalc::calculate() {
    const ProgramState& p = program();
    clearMortgageResults();
    const MortgageInputs inputs =
        MortgageInputs::fromState(m_comperiod->currentText(), m_freqPmt->currentText());
    if (termAboveLimit(inputs)) {
        showMessage(5);
        return;
    }
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
    Grid* g = grid();
    g->setRows(display.gridRows);
    g->clearData();
    g->setText(0, 0, display.column0Heading);
    g->setRowTexts(1, display.rows);
    g->setRowTexts(display.totalsRow, {display.totals});
    if (display.prePayHeadingRow > 0) {
        g->setRowTexts(display.prePayHeadingRow, {display.prePayHeading});
        g->setRowTexts(display.prePayFirstRow, display.prePayRows);
    }
    g->setCurrentCell(1, 0);
}

QString MortgageCalc::helpText() const {
    return mortgageHelpText(program().MortgageMode);
}

QString MortgageCalc::reportTitle() const {
    return mortgageReportTitle(program().MortgageMode);
}

void MortgageCalc::printReport(PrinterDevice& printer) {
    MortgageReportData data = MortgageReportData::fromState();
    data.TermText = m_inTerm->currentText();
    data.ComperiodText = m_comperiod->currentText();
    data.FreqPmtText = m_freqPmt->currentText();
    data.setCaptions({m_inDays->text(), m_periodicR->text(), m_numPmtsYear->text(),
                      m_endMortYear->text(), m_inMonthPI->text(), m_allPayments->text(),
                      m_totSavd->text()});
    printMortgageReport(printer, data);
}

void MortgageCalc::releaseTables() {
    releaseMortgageTables();
}

bool MortgageCalc::eventFilter(QObject* watched, QEvent* event) {
    // The two frequency lists take no typing: a key that types beeps and clears the results;
    // Enter moves the focus on.
    if ((watched == m_comperiod || watched == m_freqPmt) && event->type() == QEvent::KeyPress) {
        auto& key = static_cast<QKeyEvent&>(*event);
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
            (watched == m_comperiod ? static_cast<QWidget*>(m_freqPmt) : calcButton())
                ->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (!key.text().isEmpty() && key.text().front().isPrint()) {
            ResetResults();
            platform::beep();
            return true;
        }
    }
    return CalculatorFrame::eventFilter(watched, event);
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
                saved = saveMortgageFile(path, mortgageFileDataFromState(m_comperiod->currentText(),
                                                                         m_freqPmt->currentText()));
            }
            if (saved) {
                fileName() = QFileInfo(path).fileName();
            } else {
                showMessage(mode == 6 ? 37 : 38);
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
            // The file says mortgage or loan: the whole window follows it.
            applyMortgageMode();
            for (EntryField* field : entryFields()) {
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
            options()->choose(p.CalcMode == CalcModeFlag::AnnualRows ? 1 : 0);
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
