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
#include "platform/grid.h"
#include "platform/modal.h"
#include "platform/twips.h"
#include "shell/commandbutton.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/entryfield.h"
#include "shell/graphdata.h"
#include "shell/guarded.h"
#include "shell/mdicontainer.h"
#include "shell/optiongroup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CalculatorDescriptor MortgageCalc::descriptor() {
    return {.info = {.name = QStringLiteral("MortgageCalc"),
                     .prefix = QStringLiteral("M"),
                     .window = WindowId::MortgageCalc,
                     .graphCaller = GraphCallerCode::Mortgage,
                     .exportName = QStringLiteral("Mortgage")},
            .make = [](QWidget* parent) { return new MortgageCalc(parent); },
            .graphs = {{GraphCallerCode::Mortgage, mortgageGraphSeries}}};
}

MortgageCalc::MortgageCalc(QWidget* parent) : CalculatorFrame(descriptor().info, parent) {
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
    entryLook({m_inPrincipal, m_inRate, m_inTerm, m_comperiod, m_freqPmt}, 1900);

    m_principalLabel = captionLabel(this, QStringLiteral("Label1"), {});
    m_rateLabel = captionLabel(this, QStringLiteral("Label2"), {});
    m_termLabel = captionLabel(this, QStringLiteral("Label3"), {});
    const std::pair<QLabel*, QWidget*> inputs[] = {
        {m_principalLabel, m_inPrincipal},
        {m_rateLabel, m_inRate},
        {m_termLabel, m_inTerm},
        {captionLabel(this, QStringLiteral("Label4"),
                      QStringLiteral(" Interest compound            periods per year.")),
         m_comperiod},
        {captionLabel(this, QStringLiteral("Label5"),
                      QStringLiteral(" Frequency and type of      each payment.")),
         m_freqPmt}};

    // The result labels with their captions; Label8 and Label11 follow the mode.
    struct Result {
        QLabel*& label;
        const char* name;
        QLabel* caption;
    };
    m_label8 = captionLabel(this, QStringLiteral("Label8"), {}, 1650);
    m_label11 = captionLabel(this, QStringLiteral("Label11"), {}, 1650);
    const auto caption = [this](const char* name, const char* text) {
        return captionLabel(this, QLatin1String(name), QLatin1String(text), 1650);
    };
    const Result results[] = {
        {m_inMonthPI, "InMonthPI", caption("Label6", " Principal + Interest      payment.")},
        {m_numPmtsYear, "NumPmtsYear", caption("Label7", " No. of payments        each year.")},
        {m_endMortYear, "EndMortYear", m_label11},
        {m_allPayments, "AllPayments", m_label8},
        {m_totSavd, "TotSavd", caption("Label9", " Total interest           savings.")},
        {m_periodicR, "PeriodicR", caption("Label10", " Interest rate        factor.")},
        {m_inDays, "InDays", caption("Label12", " Days          in year.")},
    };
    for (const Result& r : results) {
        r.label = resultLabel(this, QLatin1String(r.name));
    }

    m_addPrePay = commandButton(this, QStringLiteral("&Additional payments"),
                                QStringLiteral("MAddPrePay"), [this] { MAddPrePay_Click(); });
    m_dateNumber = commandButton(this, QStringLiteral("&View payment date"),
                                 QStringLiteral("MDateNumber"), [this] { MDateNumber_Click(); });
    m_showIRF = commandButton(this, QStringLiteral("&Days in year"), QStringLiteral("MShowIRF"),
                              [this] { MShowIRF_Click(); });
    m_loadFile = commandButton(this, QStringLiteral("&Open File"), QStringLiteral("MLoadFile"),
                               [this] { MLoadFile_Click(); });
    m_saveFile = commandButton(this, QStringLiteral("S&ave File"), QStringLiteral("MSaveFile"),
                               [this] { MSaveFile_Click(); });

    std::vector<QRadioButton*> showOptions;
    QGroupBox* showPayments = optionFrame(this, QStringLiteral(" Show payments."),
                                          {{QStringLiteral("Option1"), QStringLiteral("All ")},
                                           {QStringLiteral("Option2"), QStringLiteral("Annual")}},
                                          Qt::Horizontal, showOptions);
    m_option1 = showOptions[0];
    m_option2 = showOptions[1];

    // Inputs on the left, results in the middle, the main buttons on the right; the other
    // buttons in a row above the grid.
    auto* top = new QGridLayout;
    top->setVerticalSpacing(2);
    for (int row = 0; row < 5; ++row) {
        inputs[row].first->setBuddy(inputs[row].second);
        top->addWidget(inputs[row].first, row, 0);
        top->addWidget(inputs[row].second, row, 1);
    }
    auto* resultGrid = new QGridLayout;
    resultGrid->setVerticalSpacing(0);
    for (int row = 0; row < 7; ++row) {
        resultGrid->addWidget(results[row].caption, row, 0);
        resultGrid->addWidget(results[row].label, row, 1);
    }
    top->addLayout(resultGrid, 0, 2, 5, 1);
    auto* rowButtons = new QHBoxLayout;
    for (QWidget* b : std::initializer_list<QWidget*>{m_addPrePay, m_dateNumber, m_showIRF,
                                                      m_loadFile, m_saveFile}) {
        rowButtons->addWidget(b);
    }
    standardLayout(top, {showPayments}, rowButtons);

    tabChain({m_inPrincipal, m_inRate, m_inTerm, m_comperiod, m_freqPmt, calcButton()});

    // The two frequency lists take no typing: a key that types beeps and clears the results.
    listWithoutTyping(m_comperiod, m_freqPmt, [this] { ResetResults(); });
    listWithoutTyping(m_freqPmt, calcButton(), [this] { ResetResults(); });
    connect(m_comperiod, &QComboBox::activated, this, &MortgageCalc::ResetResults);
    connect(m_freqPmt, &QComboBox::activated, this, &MortgageCalc::ResetResults);
    connect(m_inTerm, &QComboBox::activated, this, &MortgageCalc::InTerm_Click);
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
    MDIContainer::setCaption(texts.caption);
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
    const MortgageInputs inputs =
        MortgageInputs::fromState(m_comperiod->currentText(), m_freqPmt->currentText());
    if (termAboveLimit(inputs)) {
        showMessage(Message::FortyYearsLimit);
        return;
    }
    MortgageResult result;
    const bool complete = quietly([&] { calculateMortgage(inputs, result); });
    // The figures reached before a failure stay shown.
    showCaptions(mortgageCaptions(result, p.CurrencySymbol));
    if (!complete) {
        publishMortgage(std::move(result), nullptr);
        showMessage(Message::WrongEntry);
        return;
    }
    const MortgageDisplay display =
        mortgageDisplay(result, result.schedule, inputs.PrePayments, p.CurrencySymbol);
    publishMortgage(std::move(result), &display);
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

QString MortgageCalc::exportName() const {
    return program().MortgageMode == MortgageModeFlag::Loan ? QStringLiteral("Loan")
                                                            : CalculatorFrame::exportName();
}

QString MortgageCalc::helpText() const {
    return mortgageHelpText(program().MortgageMode);
}

QString MortgageCalc::reportTitle() const {
    return mortgageReportTitle(program().MortgageMode);
}

void MortgageCalc::printReport(PrinterDevice& printer) {
    MortgageReportData report = MortgageReportData::fromState(
        MortgageInputs::fromState(m_comperiod->currentText(), m_freqPmt->currentText()));
    report.TermText = m_inTerm->currentText();
    report.setCaptions({m_inDays->text(), m_periodicR->text(), m_numPmtsYear->text(),
                        m_endMortYear->text(), m_inMonthPI->text(), m_allPayments->text(),
                        m_totSavd->text()});
    printMortgageReport(printer, report);
}

void MortgageCalc::releaseTables() {
    releaseMortgageTables();
}

void MortgageCalc::InTerm_Click() {
    clearPrePayments();
    ResetResults();
}

void MortgageCalc::Option1_Click() {
    setCalcMode(ScheduleRows::EveryPayment);
    ResetResults();
}

void MortgageCalc::Option2_Click() {
    setCalcMode(ScheduleRows::Annual);
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
    hide();
    if (program().ResultCount == 0) {
        showMessage(Message::NoRecords);
    } else {
        const std::int16_t mode = mortgageFileMode(program().MortgageMode, true);
        const MortgageFileData file = mortgageFileData(
            MortgageInputs::fromState(m_comperiod->currentText(), m_freqPmt->currentText()));
        saveThroughDialog(
            mode, lastMortgageFileName(program().MortgageMode),
            [&](const QString& path) { return saveMortgageFile(path, file); },
            badMortgageFileName(program().MortgageMode));
    }
    show();
}

void MortgageCalc::MLoadFile_Click() {
    hide();
    std::optional<MortgageFileData> file;
    // The whole file is read and checked first: nothing in the window changes for a file that
    // cannot be read.
    const MortgageModeFlag mode = program().MortgageMode;
    QString name = lastMortgageFileName(mode);
    const bool opened =
        openThroughDialog(mortgageFileMode(mode, false), name, [&](const QString& path) {
            quietly([&] { file = loadMortgageFile(path); });
            return file.has_value();
        });
    // The name is the last one of the file's own kind.
    lastMortgageFileName(opened ? file->MortgageMode : mode) = name;
    if (opened) {
        applyMortgageFileData(*file);
        // The file says mortgage or loan: the whole window follows it.
        applyMortgageMode();
        for (EntryField* field : entryFields()) {
            field->showValue();
        }
        // A list text that is not in the list is shown as it stands; the calculation then
        // refuses it.
        for (auto [box, text] :
             {std::pair{m_comperiod, file->Comperiod}, std::pair{m_freqPmt, file->FreqPmt}}) {
            box->setCurrentText(text);
            if (box->currentText() != text) {
                box->setEditable(true);
                box->lineEdit()->setReadOnly(true);
                box->setEditText(text);
            }
        }
        m_dateNumber->setText(mortgage().ShowPaymentDates == 1
                                  ? QStringLiteral("&View payment No.")
                                  : QStringLiteral("&View payment date"));
        options()->choose(program().CalcMode == storedMode(ScheduleRows::Annual) ? 1 : 0);
    }
    show();
    if (opened) {
        MCalc_Click();
    }
}
