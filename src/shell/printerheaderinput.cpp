#include "shell/printerheaderinput.h"

#include "core/programstate.h"
#include "shell/commandbutton.h"
#include "shell/placement.h"
#include "shell/textbox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

PrinterHeaderInput::PrinterHeaderInput(QWidget* parent, int maxLength)
    : QDialog(parent), m_inFName(new QLineEdit(this)),
      m_acept(
          new CommandButton(QStringLiteral("Continue &Printout"), QStringLiteral("Acept"), this)),
      m_nAcept(new CommandButton(QStringLiteral("&Cancel"), QStringLiteral("NAcept"), this)) {
    setObjectName(QStringLiteral("PrinterHeaderInput"));
    setWindowTitle(QStringLiteral("Input"));
    auto* label = new QLabel(QStringLiteral(" Type in one line header information."), this);
    label->setBuddy(m_inFName);
    m_inFName->setObjectName(QStringLiteral("InFName"));
    TextBox::Rules rules;
    rules.firstKeyEmpties = false;
    rules.selectOnFocus = false;
    rules.plainLine = true;
    rules.maxLength = maxLength;
    rules.enter = [this] { m_acept->setFocus(Qt::TabFocusReason); };
    new TextBox(m_inFName, std::move(rules));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_acept);
    buttons->addWidget(m_nAcept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_inFName);
    layout->addLayout(buttons);
    resize(420, 120);

    connect(m_acept, &CommandButton::clicked, this, &PrinterHeaderInput::Acept_Click);
    connect(m_nAcept, &CommandButton::clicked, this, &PrinterHeaderInput::NAcept_Click);
}

void PrinterHeaderInput::showEvent(QShowEvent* event) {
    placeDialog(*this, {3400, 3000}, {4500, 4000});
    m_inFName->setFocus();
    QDialog::showEvent(event);
}

void PrinterHeaderInput::Acept_Click() {
    program().ReportHeader = m_inFName->text();
    accept();
}

void PrinterHeaderInput::NAcept_Click() {
    reject();
}
