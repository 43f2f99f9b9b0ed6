#include "shell/graphexport.h"

#include "core/datafiles.h"
#include "platform/barchart.h"
#include "platform/clipboard.h"
#include "platform/modal.h"
#include "shell/dialogs.h"

#include <QAction>
#include <QBuffer>
#include <QFileInfo>
#include <QMenu>
#include <QShortcut>

namespace {

const QString ImageFilter = QStringLiteral("PNG Image (*.png)|*.png|SVG Image (*.svg)|*.svg");
// A picture at twice the chart's size on the screen prints sharply.
constexpr qreal PictureScale = 2.0;

QByteArray pngOf(const BarChart& chart) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return chart.picture(PictureScale).save(&buffer, "PNG") ? buffer.data() : QByteArray();
}

void showMenu(BarChart& chart, const std::function<QString()>& name, const QPoint& pos) {
    QMenu menu(&chart);
    QAction* copy = menu.addAction(QStringLiteral("Copy &Image"));
    QAction* save = menu.addAction(QStringLiteral("Save &Image..."));
    QAction* chosen = runMenu(menu, chart.mapToGlobal(pos));
    if (chosen == copy) {
        Clipboard::copyImage(chart.picture(PictureScale));
    } else if (chosen == save) {
        saveGraphImage(chart, chart.window(), name() + QStringLiteral(".png"));
    }
}

} // namespace

QString imageName(const QString& title) {
    return fileNameOf(title, QStringLiteral("Graph"));
}

bool saveGraphImage(const BarChart& chart, QWidget* dialogParent, const QString& defaultName) {
    return saveExportThroughDialog(
        dialogParent, defaultName, ImageFilter, [&chart](const QString& path) {
            const bool svg =
                QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
            return svg ? chart.svg() : pngOf(chart);
        });
}

void offerGraphExport(BarChart& chart, QWidget& window, const std::function<QString()>& name) {
    BarChart* target = &chart;
    chart.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&chart, &QWidget::customContextMenuRequested, &chart,
                     [target, name](const QPoint& pos) { showMenu(*target, name, pos); });
    // The Menu key on a button of the window reaches the window: the menu opens on the chart.
    window.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&window, &QWidget::customContextMenuRequested, &chart,
                     [target, name] { showMenu(*target, name, target->rect().center()); });
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &window);
    menuKey->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(menuKey, &QShortcut::activated, &chart,
                     [target, name] { showMenu(*target, name, target->rect().center()); });
}
