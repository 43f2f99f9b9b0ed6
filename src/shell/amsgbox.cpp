#include "shell/amsgbox.h"

#include "core/programstate.h"
#include "shell/dialogs.h"
#include "shell/placement.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

AMsgbox::AMsgbox(QWidget* parent)
    : QDialog(parent), m_textMsg(new QPlainTextEdit(this)),
      m_exit(new QPushButton(QStringLiteral("E&xit"), this)) {
    setObjectName(QStringLiteral("AMsgbox"));
    setWindowTitle(QStringLiteral("Help"));
    m_textMsg->setObjectName(QStringLiteral("TextMsg"));
    m_textMsg->setReadOnly(true);
    m_textMsg->setPlainText(messageText(program().MessageNumber));
    m_textMsg->setFocusPolicy(Qt::NoFocus);
    m_exit->setObjectName(QStringLiteral("AMsgExit"));
    m_exit->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_textMsg);
    layout->addWidget(m_exit, 0, Qt::AlignHCenter);
    resize(340, 150);

    connect(m_exit, &QPushButton::clicked, this, &AMsgbox::AMsgExit_Click);
}

void AMsgbox::showEvent(QShowEvent* event) {
    placeDialog(*this, {3600, 2000}, {4650, 3000});
    m_exit->setFocus();
    QDialog::showEvent(event);
}

void AMsgbox::AMsgExit_Click() {
    accept();
}
