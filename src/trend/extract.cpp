#include "trend/extract.h"

#include "core/programstate.h"
#include "platform/twips.h"
#include "shell/commandbutton.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/guarded.h"
#include "shell/mdicontainer.h"
#include "shell/numberbox.h"
#include "shell/placement.h"
#include "shell/quickhelpbox.h"
#include "shell/textbox.h"
#include "shell/windowregistry.h"
#include "trend/recordextract.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// A record-number box: a click or the first key empties it.
TextBox* recordNumberBox(QLineEdit* box, std::function<void()> enter, std::function<void()> leave) {
    TextBox::Rules rules = numberBoxRules(true);
    rules.clickStartsEntry = true;
    rules.enter = std::move(enter);
    rules.leave = std::move(leave);
    return new TextBox(box, std::move(rules));
}

void showEntryMessage(const RecordNumberEntry& entry) {
    if (entry.message != Message::None) {
        showMessage(entry.message, entry.detail, entry.detail2);
    }
}

} // namespace

Extract::Extract(QWidget* parent)
    : QWidget(parent), m_lowRecNo(yellowBox(QStringLiteral("LowRecNo"), this)),
      m_highRecNo(yellowBox(QStringLiteral("HighRecNo"), this)),
      m_helpBoxE(new QuickHelpBox(QStringLiteral("HelpBoxE"), this)) {
    const ExtractCaptions captions = extractCaptions();
    setObjectName(QStringLiteral("Extract"));
    resize(twipsSize(6000, 3600));
    m_extractOk = new CommandButton(captions.extract, QStringLiteral("ExtractOk"), this);
    m_exitExtract = new CommandButton(captions.cancel, QStringLiteral("ExitExtract"), this);
    m_helpBut1 = new CommandButton(captions.help, QStringLiteral("HelpBut1"), this);
    m_lowBox = recordNumberBox(
        m_lowRecNo, [this] { m_highRecNo->setFocus(Qt::TabFocusReason); },
        [this] { LowRecNo_LostFocus(); });
    m_highBox = recordNumberBox(
        m_highRecNo, [this] { m_extractOk->setFocus(Qt::TabFocusReason); },
        [this] { HighRecNo_LostFocus(); });
    m_helpBoxE->setFirstField(m_lowRecNo);
    m_helpBoxE->hide();

    auto* frame = new QGroupBox(captions.frame, this);
    auto* boxes = new QGridLayout(frame);
    const std::pair<QString, QLineEdit*> rows[] = {{captions.low, m_lowRecNo},
                                                   {captions.high, m_highRecNo}};
    for (int i = 0; i < 2; ++i) {
        auto* caption = new QLabel(rows[i].first, frame);
        caption->setBuddy(rows[i].second);
        rows[i].second->setFixedWidth(twips(900));
        boxes->addWidget(caption, i, 0);
        boxes->addWidget(rows[i].second, i, 1);
    }
    auto* buttons = new QHBoxLayout;
    for (CommandButton* b : {m_extractOk, m_exitExtract, m_helpBut1}) {
        buttons->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(m_helpBoxE, 1);
    layout->addStretch();
    layout->addLayout(buttons);
    tabChain({m_lowRecNo, m_highRecNo, m_extractOk});

    connect(m_extractOk, &CommandButton::clicked, this, &Extract::ExtractOk_Click);
    connect(m_exitExtract, &CommandButton::clicked, this, &Extract::ExitExtract_Click);
    connect(m_helpBut1, &CommandButton::clicked, this, &Extract::HelpBut1_Click);
    Form_Load();
}

void Extract::Form_Load() {
    const ExtractOpening opening = openExtract();
    MDIContainer::setCaption(opening.windowCaption);
    m_lowBox->setText(opening.low);
    m_highBox->setText(opening.high);
}

void Extract::showEvent(QShowEvent* event) {
    // Placed over the main window's client area as a dialog stands over the main window.
    move(normalLayout() ? twipsPoint(2000, 1300) : twipsPoint(3200, 2200));
    QWidget::showEvent(event);
    m_lowRecNo->setFocus(Qt::OtherFocusReason);
}

void Extract::LowRecNo_LostFocus() {
    const RecordNumberEntry entry = lowRecordEntered(m_lowRecNo->text());
    m_lowBox->setText(entry.text);
    showEntryMessage(entry);
}

void Extract::HighRecNo_LostFocus() {
    const RecordNumberEntry entry = highRecordEntered(m_highRecNo->text(), m_lowRecNo->text());
    if (!entry.lowText.isNull()) {
        m_lowBox->setText(entry.lowText);
    }
    m_highBox->setText(entry.text);
    showEntryMessage(entry);
}

void Extract::ExtractOk_Click() {
    Message refusal = Message::None;
    guarded(Message::UnknownError, [&refusal] { refusal = extractRecords(); });
    if (refusal != Message::None) {
        showMessage(refusal);
        return;
    }
    closeToEditor();
}

void Extract::ExitExtract_Click() {
    closeToEditor();
}

void Extract::HelpBut1_Click() {
    const ExtractCaptions captions = extractCaptions();
    if (m_helpBoxE->isHidden()) {
        m_helpBoxE->setPlainText(extractHelpText());
        m_helpBoxE->show();
        m_helpBut1->setText(captions.closeHelp);
        m_helpBoxE->setFocus(Qt::OtherFocusReason);
    } else {
        m_helpBoxE->hide();
        m_helpBut1->setText(captions.help);
    }
}

void Extract::closeToEditor() {
    hide();
    windows().unload(WindowId::Extract);
    if (windows().open(WindowId::Dbase) == nullptr) {
        windows().show(WindowId::Trendmenu);
    }
}
