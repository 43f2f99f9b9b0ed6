#include "shell/calculatorresults.h"

#include "core/programstate.h"
#include "platform/beep.h"
#include "platform/grid.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {
const QString QuickHelpCaption = QStringLiteral("Quick &Help");
const QString CloseHelpCaption = QStringLiteral("Close &Help");
} // namespace

QuickHelpBox::QuickHelpBox(const QString& name, QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(name);
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    setFont(fixed);
    hide();
}

void QuickHelpBox::keyPressEvent(QKeyEvent* event) {
    const bool navigation = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down ||
                            event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown ||
                            event->key() == Qt::Key_Home || event->key() == Qt::Key_End;
    if (navigation) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_firstField != nullptr) {
            m_firstField->setFocus(Qt::TabFocusReason);
        }
    } else if (!event->text().isEmpty()) {
        platform::beep();
    }
    event->accept();
}

void resetResultsArea(const ResultsControls& c) {
    ProgramState& p = program();
    p.EditPending = 1;
    if (p.HelpShown == 1) {
        return;
    }
    c.helpBox->clear();
    c.grid->clearData();
    if (c.helpButton->text() == CloseHelpCaption) {
        c.helpButton->setText(QuickHelpCaption);
        c.printButton->setEnabled(true);
        c.graphButton->setEnabled(true);
        c.helpBox->hide();
        c.grid->show();
        p.EditPending = 0;
    }
    p.HelpShown = 0;
    p.ResultCount = 0;
}

void toggleQuickHelp(const ResultsControls& c, const QString& helpText,
                     const std::function<void()>& resetResults) {
    ProgramState& p = program();
    p.HelpShown = static_cast<std::int16_t>(p.HelpShown == 0 ? 1 : 0);
    if (c.helpButton->text() != QuickHelpCaption) {
        resetResults();
        return;
    }
    c.helpButton->setText(CloseHelpCaption);
    c.printButton->setEnabled(false);
    c.graphButton->setEnabled(false);
    c.grid->hide();
    c.helpBox->setGeometry(c.grid->geometry());
    c.helpBox->show();
    c.helpBox->raise();
    c.helpBox->setPlainText(helpText);
    c.helpBox->setFocus();
}
