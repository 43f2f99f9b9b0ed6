#include "shell/mdicontainer.h"

#include "core/programstate.h"
#include "platform/modal.h"
#include "platform/twips.h"
#include "shell/menumain.h"
#include "shell/placement.h"
#include "shell/windowregistry.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMessageBox>
#include <QStatusBar>

namespace {
MDIContainer* theMainWindow = nullptr;
}

MDIContainer::MDIContainer() : m_client(new QWidget(this)) {
    theMainWindow = this;
    setObjectName(QStringLiteral("MDIContainer"));
    m_client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(m_client);
    statusBar()->setSizeGripEnabled(true);

    windows().setParent(m_client);
    auto* menu = new MenuMain(m_client);
    windows().adopt(WindowId::MenuMain, menu);
    menu->show();

    move(0, 0);
    resize(twipsSize(9615, 6810));
}

MDIContainer::~MDIContainer() {
    if (theMainWindow == this) {
        theMainWindow = nullptr;
    }
    windows().clear();
}

MDIContainer* MDIContainer::instance() {
    return theMainWindow;
}

void MDIContainer::showPrintoutPath(const QString& path) {
    statusBar()->showMessage(QStringLiteral("Printed to %1").arg(path));
}

void MDIContainer::showNotPrinted(const QString& documentName) {
    statusBar()->showMessage(QStringLiteral("%1 was not printed.").arg(documentName.trimmed()));
}

void MDIContainer::showSavedPath(const QString& path) {
    statusBar()->showMessage(QStringLiteral("Saved to %1").arg(path));
}

void MDIContainer::setCaption(const QString& caption) {
    if (theMainWindow != nullptr) {
        theMainWindow->setWindowTitle(caption);
    }
}

void MDIContainer::closeEvent(QCloseEvent* event) {
    for (QObject* child : m_client->children()) {
        auto* window = qobject_cast<QWidget*>(child);
        if (window == nullptr) {
            continue;
        }
        // Asked, not closed: a window that agrees stays as it is until the program ends.
        QCloseEvent ask;
        QCoreApplication::sendEvent(window, &ask);
        if (!ask.isAccepted()) {
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}

void MDIContainer::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    MDIForm_Resize();
}

void MDIContainer::MDIForm_Resize() {
    program().LayoutHeight = layoutHeightFor(toTwips(frameGeometry().height()));
    QWidget* active = nullptr;
    for (QObject* child : m_client->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget != nullptr && !widget->isHidden()) {
            active = widget;
        }
    }
    if (active == nullptr) {
        if (isVisible()) {
            QMessageBox box(QMessageBox::NoIcon, QString(), QStringLiteral(" error "),
                            QMessageBox::Ok, this);
            runModal(box);
        }
        return;
    }
    PlaceChildWindow(*active);
}
