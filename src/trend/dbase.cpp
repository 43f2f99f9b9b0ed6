#include "trend/dbase.h"

#include "platform/beep.h"
#include "platform/grid.h"
#include "platform/modal.h"
#include "platform/twips.h"
#include "shell/busypointer.h"
#include "shell/commandbutton.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/guarded.h"
#include "shell/mdicontainer.h"
#include "shell/numberbox.h"
#include "shell/quickhelpbox.h"
#include "shell/reportframe.h"
#include "shell/resultsexport.h"
#include "shell/textbox.h"
#include "shell/windowregistry.h"
#include "trend/averatios.h"
#include "trend/editorview.h"
#include "trend/inrecnum.h"
#include "trend/recordchoice.h"
#include "trend/trendeditor.h"
#include "trend/trendreport.h"
#include "trend/trendstate.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QString captionOf(const QString& control) {
    for (const LabelText& caption : editorCaptions()) {
        if (caption.control == control) {
            return caption.text;
        }
    }
    return {};
}

// What a key rule of the model does to a typed key: a refused key beeps, Backspace in the
// factor box empties the box with a beep.
bool takeKey(KeyVerdict verdict, TextBox* box) {
    if (verdict == KeyVerdict::Accept) {
        return true;
    }
    if (verdict == KeyVerdict::EmptyBox) {
        box->setText(QString());
    }
    platform::beep();
    return false;
}

} // namespace

Dbase::Dbase(QWidget* parent) : ChildWindow(parent) {
    setObjectName(QStringLiteral("Dbase"));
    resize(twipsSize(9615, 6360));
    buildControls();
    Form_Load();
}

void Dbase::buildControls() {
    buildBoxes();
    const auto button = [this](const char* name, void (Dbase::*click)()) {
        auto* b = new CommandButton(captionOf(QLatin1String(name)), QLatin1String(name), this);
        connect(b, &CommandButton::clicked, this, click);
        return b;
    };
    m_addRecord = button("AddRecord", &Dbase::AddRecord_Click);
    m_corrRecord = button("CorrRecord", &Dbase::CorrRecord_Click);
    m_newFile = button("NewFile", &Dbase::NewFile_Click);
    m_toRatios = button("ToRatios", &Dbase::ToRatios_Click);
    m_printit = button("Printit", &Dbase::Printit_Click);
    m_exitbut = button("Exitbut", &Dbase::Exitbut_Click);

    m_grid8 = new Grid(this);
    m_grid8->setObjectName(QStringLiteral("Grid8"));
    offerResultsExport(*m_grid8, [] { return trendExportName(); });
    connect(m_grid8, &Grid::cellClicked, this, [this](int row, int) { Grid8_Click(row); });
    m_helpText = new QuickHelpBox(QStringLiteral("HelpText"), this);
    m_helpText->setFirstField(m_inValue);
    m_inNew = new QLabel(this);
    m_inNew->setObjectName(QStringLiteral("InNew"));
    m_inNew->setAlignment(Qt::AlignCenter);

    auto* top = new QHBoxLayout;
    top->addWidget(m_dbName, 1);
    auto* tefLabel = new QLabel(captionOf(QStringLiteral("TEFLabel")), this);
    tefLabel->setObjectName(QStringLiteral("TEFLabel"));
    tefLabel->setBuddy(m_tefName);
    top->addWidget(tefLabel);
    top->addWidget(m_tefName);
    m_tefName->setFixedWidth(twips(900));

    auto* earnings = new QGroupBox(captionOf(QStringLiteral("EarningsFrame")), this);
    earnings->setObjectName(QStringLiteral("EarningsFrame"));
    auto* rows = new QGridLayout(earnings);
    rows->setVerticalSpacing(2);
    rows->addWidget(new QLabel(captionOf(QStringLiteral("YearLabel")), earnings), 0, 0);
    rows->addWidget(new QLabel(captionOf(QStringLiteral("EarningsLabel")), earnings), 0, 1);
    for (int i = 0; i < 5; ++i) {
        m_inDatext[i]->setFixedWidth(twips(700));
        m_inEarnTxt[i]->setFixedWidth(twips(1100));
        rows->addWidget(m_inDatext[i], i + 1, 0);
        rows->addWidget(m_inEarnTxt[i], i + 1, 1);
    }
    auto* left = new QVBoxLayout;
    left->addWidget(earnings);
    left->addWidget(m_helpText, 1);

    // The entry row stands above the grid's three columns.
    auto* entryRow = new QHBoxLayout;
    entryRow->setSpacing(0);
    entryRow->addWidget(m_inNew);
    entryRow->addWidget(m_inDate);
    entryRow->addWidget(m_inValue);
    entryRow->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addLayout(entryRow);
    middle->addWidget(m_grid8, 1);

    auto* buttons = new QVBoxLayout;
    for (CommandButton* b :
         {m_addRecord, m_corrRecord, m_newFile, m_toRatios, m_printit, m_exitbut}) {
        b->setMinimumSize(twipsSize(1500, 400));
        buttons->addWidget(b);
    }
    buttons->addStretch();

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(middle, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(120), twips(90), twips(120), twips(90));
    layout->addLayout(top);
    layout->addLayout(body, 1);

    tabChain({m_dbName,       m_inDate,       m_inValue,      m_addRecord,    m_inDatext[0],
              m_inEarnTxt[0], m_inDatext[1],  m_inEarnTxt[1], m_inDatext[2],  m_inEarnTxt[2],
              m_inDatext[3],  m_inEarnTxt[3], m_inDatext[4],  m_inEarnTxt[4], m_tefName,
              m_corrRecord,   m_newFile,      m_toRatios,     m_printit,      m_exitbut,
              m_grid8,        m_helpText});
}

void Dbase::buildBoxes() {
    m_dbName = yellowBox(QStringLiteral("DBName"), this);
    m_dbName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    TextBox::Rules title;
    title.firstKeyEmpties = false;
    title.selectOnFocus = false;
    title.plainLine = true;
    title.acceptsKey = [](QChar key, const QString&) {
        return titleKey(key.unicode()) == KeyVerdict::Accept;
    };
    title.enter = [this] { m_inValue->setFocus(Qt::TabFocusReason); };
    title.leave = [this] { m_dbNameBox->setText(commitTitle(m_dbName->text())); };
    m_dbNameBox = new TextBox(m_dbName, std::move(title));

    // The factor keeps its decimals when it is edited in place; typed, it takes digits only.
    m_tefName = yellowBox(QStringLiteral("TEFName"), this);
    TextBox::Rules factor = numberBoxRules(false);
    factor.firstKeyEmpties = false;
    factor.acceptsKey = [this](QChar key, const QString&) {
        return takeKey(factorKey(key.unicode()), m_tefNameBox);
    };
    factor.leave = [this] { TEFName_LostFocus(); };
    m_tefNameBox = new TextBox(m_tefName, std::move(factor));

    m_inDate = yellowBox(QStringLiteral("InDate"), this);
    m_inDate->setAlignment(Qt::AlignCenter);
    m_inValue = yellowBox(QStringLiteral("InValue"), this);
    for (int i = 0; i < 5; ++i) {
        m_inDatext[i] = yellowBox(QStringLiteral("InDatext%1").arg(i), this);
        m_inEarnTxt[i] = yellowBox(QStringLiteral("InEarnTxt%1").arg(i), this);
    }
    for (int i = 0; i < 5; ++i) {
        TextBox::Rules year = numberBoxRules(true);
        year.enter = [this, i] { m_inEarnTxt[i]->setFocus(Qt::TabFocusReason); };
        year.leave = [this, i] { InDatext_LostFocus(i); };
        m_yearBoxes[i] = new TextBox(m_inDatext[i], std::move(year));

        TextBox::Rules amount = numberBoxRules(false);
        QLineEdit* next = i < 4 ? m_inDatext[i + 1] : m_inValue;
        amount.enter = [next] { next->setFocus(Qt::TabFocusReason); };
        amount.leave = [this, i] { InEarnTxt_LostFocus(i); };
        m_earningsBoxes[i] = new TextBox(m_inEarnTxt[i], std::move(amount));
    }

    TextBox::Rules date;
    date.firstKeyEmpties = false;
    date.plainLine = true;
    date.acceptsKey = [this](QChar key, const QString&) {
        return takeKey(dateKey(key.unicode()), m_dateBox);
    };
    date.acceptsText = [](const QString& text) {
        return std::all_of(text.begin(), text.end(),
                           [](QChar c) { return dateKey(c.unicode()) == KeyVerdict::Accept; });
    };
    date.enter = [this] { m_inValue->setFocus(Qt::TabFocusReason); };
    date.leave = [this] { InDate_LostFocus(); };
    m_dateBox = new TextBox(m_inDate, std::move(date));

    TextBox::Rules value = numberBoxRules(false);
    value.enter = [this] { m_addRecord->setFocus(Qt::TabFocusReason); };
    m_valueBox = new TextBox(m_inValue, std::move(value));
}

void Dbase::Form_Load() {
    MDIContainer::setCaption(editorWindowCaption());
    m_helpText->setPlainText(editorHelpText());
    loadEditor();
    refresh();
    // The entry row lines up with the grid's columns.
    const QList<QWidget*> row = {m_inNew, m_inDate, m_inValue};
    int columns = 0;
    for (int c = 0; c < 3; ++c) {
        row[c]->setFixedWidth(twips(m_grid8->columnWidthTwips(c)));
        columns += row[c]->width();
    }
    // The grid shows its three columns whole, beside its scroll bar.
    m_grid8->setMinimumWidth(columns + m_grid8->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                             2 * m_grid8->view()->frameWidth() + 2);
}

void Dbase::refresh() {
    EditorView view;
    guarded(Message::UnknownError, [&view] { RefreshEditor(view); });
    showView(view);
}

void Dbase::showView(const EditorView& v) {
    m_dbNameBox->setText(v.header.title);
    m_tefNameBox->setText(v.header.factor);
    for (std::size_t i = 0; i < 5; ++i) {
        m_yearBoxes[i]->setText(v.header.years[i]);
        m_earningsBoxes[i]->setText(v.header.earnings[i]);
    }
    if (!v.inNew.isNull()) {
        m_inNew->setText(v.inNew);
        m_dateBox->setText(v.inDate);
        m_valueBox->setText(v.inValue);
    }
    if (v.grid.cols > 0) {
        m_grid8->setup(v.grid);
        m_grid8->clearData();
        m_grid8->setBlock(v.rows);
    }
}

void Dbase::showOutcome(const EditorOutcome& o) {
    if (o.refresh) {
        refresh();
    }
    if (o.buttonsVisible) {
        setEditButtonsVisible(*o.buttonsVisible);
    }
    if (!o.inNew.isNull()) {
        m_inNew->setText(o.inNew);
    }
    if (!o.inDate.isNull()) {
        m_dateBox->setText(o.inDate);
    }
    if (!o.inValue.isNull()) {
        m_valueBox->setText(o.inValue);
    }
    switch (o.focus) {
    case EditorFocus::InValue:
        m_inValue->setFocus(Qt::OtherFocusReason);
        break;
    case EditorFocus::InDate:
        m_inDate->setFocus(Qt::OtherFocusReason);
        break;
    case EditorFocus::Grid:
        m_grid8->setFocus(Qt::OtherFocusReason);
        break;
    case EditorFocus::None:
        break;
    }
    if (o.message != Message::None) {
        showMessage(o.message, o.detail);
    }
}

void Dbase::setEditButtonsVisible(bool visible) {
    for (CommandButton* b : {m_printit, m_toRatios, m_newFile, m_corrRecord}) {
        b->setVisible(visible);
    }
}

void Dbase::InDate_LostFocus() {
    const DateCommit commit = commitDateText(m_inDate->text());
    m_dateBox->setText(commit.text);
    if (commit.message != Message::None) {
        showMessage(commit.message);
    }
}

void Dbase::TEFName_LostFocus() {
    commitEntry(m_tefNameBox, commitFactor, [] { return editorHeader().factor; });
}

void Dbase::InDatext_LostFocus(int box) {
    const auto i = static_cast<std::size_t>(box);
    commitEntry(
        m_yearBoxes[i], [box](const QString& text) { return commitEarningsYear(box + 1, text); },
        [i] { return editorHeader().years[i]; });
}

void Dbase::InEarnTxt_LostFocus(int box) {
    const auto i = static_cast<std::size_t>(box);
    commitEntry(
        m_earningsBoxes[i], [box](const QString& text) { return commitEarnings(box + 1, text); },
        [i] { return editorHeader().earnings[i]; });
}

void Dbase::commitEntry(TextBox* box, const std::function<QString(const QString&)>& commit,
                        const std::function<QString()>& kept) {
    if (!box->entryStarted()) {
        return;
    }
    // A number the database cannot hold: "Wrong or missing entry", and the box shows what is
    // kept.
    if (!guarded(Message::WrongEntry, [&] { box->setText(commit(box->box()->text())); })) {
        box->setText(kept());
    }
}

void Dbase::Grid8_Click(int row) {
    gridRowClicked(m_grid8->text(row, 0));
}

void Dbase::AddRecord_Click() {
    EditorOutcome outcome;
    if (!guarded(Message::WrongDateEntry,
                 [&] { outcome = addRecordClicked(m_inDate->text(), m_inValue->text()); })) {
        outcome = editAbandoned();
    }
    showOutcome(outcome);
}

void Dbase::CorrRecord_Click() {
    if (const Message refusal = correctRecordClicked(); refusal != Message::None) {
        showMessage(refusal);
        return;
    }
    InRecNum choice(MDIContainer::instance());
    runModal(choice);
    EditorOutcome outcome;
    if (!guarded(Message::UnknownError, [&outcome] {
            BusyPointer busy;
            outcome = recordChosen();
        })) {
        outcome.refresh = true;
    }
    showOutcome(outcome);
}

void Dbase::NewFile_Click() {
    if (askQuestion(Question::EraseFileInMemory)) {
        return;
    }
    deleteAllRecords();
    refresh();
    if (auto* ratios = qobject_cast<Averatios*>(windows().loaded(WindowId::Averatios))) {
        ratios->clear();
    }
}

void Dbase::ToRatios_Click() {
    if (const Message refusal = ratiosClicked(m_tefName->text()); refusal != Message::None) {
        showMessage(refusal);
        m_grid8->setFocus(Qt::OtherFocusReason);
        return;
    }
    MDIContainer::setCaption(QStringLiteral(" Averages and Ratios"));
    if (Averatios::showComputed()) {
        windows().unload(WindowId::Dbase);
    }
}

void Dbase::Printit_Click() {
    if (const Message refusal = trendReportRefusal(); refusal != Message::None) {
        showMessage(refusal);
        return;
    }
    guarded(Message::UnknownError, [] {
        const TrendReportData report = TrendReportData::fromState();
        printReport(
            QStringLiteral("Database"),
            [&report](PrinterDevice& printer) {
                BusyPointer busy;
                printTrendReport(printer, report);
            },
            false);
    });
}

void Dbase::Exitbut_Click() {
    exitEditor(m_tefName->text());
    MDIContainer::setCaption(QStringLiteral(" Quantrel Menu"));
    // The menu names the database in memory as it shows.
    windows().show(WindowId::Trendmenu);
    windows().unload(WindowId::Dbase);
}
