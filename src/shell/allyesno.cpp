#include "shell/allyesno.h"

#include "core/programstate.h"
#include "shell/dialogs.h"
#include "shell/placement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AllYesNo::AllYesNo(QWidget* parent)
    : QDialog(parent), m_label1(new QLabel(this)),
      m_yes(new QPushButton(QStringLiteral("&Yes"), this)),
      m_no(new QPushButton(QStringLiteral("&No"), this)) {
    setObjectName(QStringLiteral("AllYesNo"));
    setWindowTitle(QStringLiteral("Help"));
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setWordWrap(true);
    m_label1->setText(questionText(program().QuestionCode));
    m_yes->setObjectName(QStringLiteral("AllYes"));
    m_no->setObjectName(QStringLiteral("AllNo"));
    m_yes->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_yes);
    buttons->addWidget(m_no);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addLayout(buttons);
    resize(320, 120);

    connect(m_yes, &QPushButton::clicked, this, &AllYesNo::AllYes_Click);
    connect(m_no, &QPushButton::clicked, this, &AllYesNo::AllNo_Click);
}

void AllYesNo::showEvent(QShowEvent* event) {
    placeDialog(*this, {3500, 2000}, {4500, 3000});
    m_yes->setFocus();
    QDialog::showEvent(event);
}

void AllYesNo::AllYes_Click() {
    program().QuestionCode = Question::AnsweredYes;
    accept();
}

void AllYesNo::AllNo_Click() {
    program().QuestionCode = Question::None;
    reject();
}
