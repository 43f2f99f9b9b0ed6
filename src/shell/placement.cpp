#include "shell/placement.h"

#include "core/programstate.h"
#include "platform/twips.h"
#include "shell/mdicontainer.h"

std::int32_t layoutHeightFor(int heightTwips) {
    return heightTwips > 8500 ? 8670 : 6810;
}

void PlaceChildWindow(QWidget& window) {
    window.move(normalLayout() ? twipsPoint(-60, -30) : twipsPoint(1200, 1000));
}

void placeDialog(QWidget& dialog, QPoint normalTwips, QPoint largeTwips) {
    const QPoint offset = normalLayout() ? normalTwips : largeTwips;
    QPoint origin;
    if (MDIContainer* main = MDIContainer::instance()) {
        origin = main->frameGeometry().topLeft();
    }
    dialog.move(origin + twipsPoint(offset.x(), offset.y()));
}

ChildWindow::ChildWindow(QWidget* parent) : QWidget(parent) {}

void ChildWindow::showEvent(QShowEvent* event) {
    PlaceChildWindow(*this);
    QWidget::showEvent(event);
}
