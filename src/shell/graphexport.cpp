#include "shell/graphexport.h"

#include "core/datafiles.h"
#include "platform/barchart.h"
#include "platform/clipboard.h"
#include "platform/filedialogs.h"
#include "platform/modal.h"
#include "shell/busypointer.h"
#include "shell/dialogs.h"
#include "shell/mdicontainer.h"

#include <QAction>
#include <QBuffer>
#include <QFileInfo>
#include <QMenu>
#include <QShortcut>
#include <QStatusBar>

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
    const QString path = FileDialogs::save(dialogParent, defaultName, ImageFilter);
    if (path.isEmpty()) {
        return false;
    }
    bool saved = false;
    {
        BusyPointer busy;
        const bool svg =
            QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
        const QByteArray bytes = svg ? chart.svg() : pngOf(chart);
        saved = !bytes.isEmpty() && saveFileAtomically(path, [&bytes](QIODevice& device) {
            return device.write(bytes) == bytes.size();
        });
    }
    if (!saved) {
        showMessage(Message::FileNotSaved);
        return false;
    }
    if (MDIContainer* main = MDIContainer::instance()) {
        main->statusBar()->showMessage(QStringLiteral("Saved to %1").arg(path));
    }
    return true;
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
