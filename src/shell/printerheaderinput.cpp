#include "shell/printerheaderinput.h"

#include "core/programstate.h"
#include "shell/commandbutton.h"
#include "shell/placement.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

PrinterHeaderInput::PrinterHeaderInput(QWidget* parent)
    : QDialog(parent), m_inFName(new QLineEdit(this)),
      m_acept(
          new CommandButton(QStringLiteral("Continue &Printout"), QStringLiteral("Acept"), this)),
      m_nAcept(new CommandButton(QStringLiteral("&Cancel"), QStringLiteral("NAcept"), this)) {
    setObjectName(QStringLiteral("PrinterHeaderInput"));
    setWindowTitle(QStringLiteral("Input"));
    auto* label = new QLabel(QStringLiteral(" Type in one line header information."), this);
    label->setBuddy(m_inFName);
    m_inFName->setObjectName(QStringLiteral("InFName"));
    m_inFName->installEventFilter(this);

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

bool PrinterHeaderInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_inFName && event->type() == QEvent::KeyPress) {
        auto& key = static_cast<QKeyEvent&>(*event);
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
            m_acept->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (key.text() == QStringLiteral("\"")) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PrinterHeaderInput::Acept_Click() {
    program().ReportHeader = m_inFName->text();
    accept();
}

void PrinterHeaderInput::NAcept_Click() {
    program().ReportHeader = QStringLiteral("1");
    reject();
}
