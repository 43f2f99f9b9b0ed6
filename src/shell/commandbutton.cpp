#include "shell/commandbutton.h"

#include <QEvent>

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
