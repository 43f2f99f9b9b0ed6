#include "trend/inrecnum.h"

#include "shell/commandbutton.h"
#include "shell/numberbox.h"
#include "shell/optiongroup.h"
#include "shell/placement.h"
#include "shell/textbox.h"
#include "trend/recordchoice.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

InRecNum::InRecNum(QWidget* parent)
    : QDialog(parent), m_corInsDel(new OptionGroup(this)), m_label1(new QLabel(this)),
      m_curVal(yellowBox(QStringLiteral("CurVal"), this)) {
    const RecNumCaptions captions = recNumCaptions();
    setObjectName(QStringLiteral("InRecNum"));
    setWindowTitle(captions.window);
    m_accept = new CommandButton(captions.ok, QStringLiteral("Accept"), this);
    m_noAccept = new CommandButton(captions.cancel, QStringLiteral("NoAccept"), this);

    auto* frame = new QGroupBox(captions.frame, this);
    auto* frameLayout = new QVBoxLayout(frame);
    for (int i = 0; i < 3; ++i) {
        m_options[i] = new QRadioButton(captions.options[i], frame);
        m_options[i]->setObjectName(QStringLiteral("CorInsDel%1").arg(i));
        frameLayout->addWidget(m_options[i]);
    }
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setWordWrap(true);
    m_label1->setBuddy(m_curVal);
    m_curVal->setMaximumWidth(80);

    TextBox::Rules number = numberBoxRules(true);
    number.enter = [this] { m_accept->setFocus(Qt::TabFocusReason); };
    m_curValBox = new TextBox(m_curVal, std::move(number));

    for (CommandButton* b : {m_accept, m_noAccept}) {
        b->setAutoDefault(false);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_accept);
    buttons->addWidget(m_noAccept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(m_label1);
    layout->addWidget(m_curVal);
    layout->addLayout(buttons);

    connect(m_accept, &CommandButton::clicked, this, &InRecNum::Accept_Click);
    connect(m_noAccept, &CommandButton::clicked, this, &InRecNum::reject);
    for (int i = 0; i < 3; ++i) {
        m_corInsDel->add(m_options[i], [this, i] { CorInsDel_Click(i); });
    }
    m_corInsDel->choose(0);
}

void InRecNum::showEvent(QShowEvent* event) {
    placeDialog(*this, {3440, 2400}, {4500, 3400});
    m_options[0]->setFocus();
    QDialog::showEvent(event);
}

void InRecNum::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && std::any_of(std::begin(m_options), std::end(m_options),
                             [](const QRadioButton* option) { return option->hasFocus(); })) {
        m_curVal->setFocus(Qt::TabFocusReason);
        return;
    }
    QDialog::keyPressEvent(event);
}

void InRecNum::CorInsDel_Click(int option) {
    const RecNumPrompt prompt = recNumOptionChosen(option);
    m_label1->setText(prompt.prompt);
    m_curValBox->setText(prompt.value);
}

void InRecNum::Accept_Click() {
    recNumAccepted(m_curVal->text());
    accept();
}

void InRecNum::reject() {
    recNumCancelled();
    QDialog::reject();
}
