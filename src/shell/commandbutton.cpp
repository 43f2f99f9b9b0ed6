#include "shell/commandbutton.h"

#include <QEvent>
#include <QKeyEvent>

CommandButton::CommandButton(const QString& caption, const QString& name, QWidget* parent)
    : QPushButton(caption, parent) {
    setObjectName(name);
    setAutoDefault(false);
}

bool CommandButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut && isEnabled() && isVisible()) {
        setFocus(Qt::ShortcutFocusReason);
    }
    return QPushButton::event(event);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
