#include "shell/quickhelpbox.h"

#include "platform/beep.h"

#include <QKeyEvent>

QuickHelpBox::QuickHelpBox(const QString& name, QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(name);
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    setFont(fixed);
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
