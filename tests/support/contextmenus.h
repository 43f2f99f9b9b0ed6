#pragma once
// Opening a widget's context menu in a test the ways a user does: the right mouse button, the
// Menu key, Shift+F10. The menu is answered through the modal runner, so nothing blocks.

#include "platform/modal.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QStringList>
#include <QTest>
#include <QWidget>

enum class MenuWay { Mouse, MenuKey, ShiftF10 };

// What a context menu held when it opened: its items and whether each could be chosen. Empty
// when no menu opened.
struct MenuSeen {
    QStringList items;
    QList<bool> enabled;
};

// Opens `target`'s menu as `way` does, at `at` in `target`, and chooses the enabled item
// `choice` when it is given. Returns what the menu held.
inline MenuSeen openContextMenu(QWidget& target, MenuWay way, const QString& choice = {},
                                QPoint at = QPoint(20, 20)) {
    MenuSeen seen;
    modal::pushMenuResponder([&seen, &choice](QMenu& menu) -> QAction* {
        QAction* chosen = nullptr;
        for (QAction* a : menu.actions()) {
            seen.items << a->text();
            seen.enabled << a->isEnabled();
            if (!choice.isEmpty() && a->text() == choice && a->isEnabled()) {
                chosen = a;
            }
        }
        return chosen;
    });
    if (way == MenuWay::ShiftF10) {
        QTest::keyClick(&target, Qt::Key_F10, Qt::ShiftModifier);
    } else {
        QContextMenuEvent event(way == MenuWay::Mouse ? QContextMenuEvent::Mouse
                                                      : QContextMenuEvent::Keyboard,
                                at, target.mapToGlobal(at));
        QCoreApplication::sendEvent(&target, &event);
    }
    return seen;
}
