#include "shell/quickhelpbox.h"

#include "platform/beep.h"
#include "shell/controls.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>

QuickHelpBox::QuickHelpBox(const QString& name, QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(name);
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setFont(fixedPitchFont());
}

int QuickHelpBox::charactersPerLine() const {
    // The room a vertical scroll bar takes is kept, shown or not, so a long text that brings
    // one up does not wrap its lines again.
    const double room = width() - 2.0 * frameWidth() - verticalScrollBar()->sizeHint().width() -
                        2.0 * document()->documentMargin() - 2.0;
    const double advance = fontMetrics().horizontalAdvance(u'0');
    // One character short of the room: a line that exactly fills it would still wrap.
    return std::max(20, static_cast<int>(room / advance) - 1);
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
