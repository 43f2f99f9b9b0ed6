#include "arrivingtext.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

void putArrivingText(QLineEdit* box, const QString& path, const QString& text) {
    if (path == QStringLiteral("unfocused change")) {
        box->setText(box->text() + text);
        return;
    }
    box->setFocus();
    box->end(false);
    if (path == QStringLiteral("paste")) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else if (path == QStringLiteral("drop")) {
        QMimeData data;
        data.setText(text);
        const QPoint at(box->width() - 2, box->height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &drop);
    } else if (path == QStringLiteral("input method")) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(box, &commit);
    } else {
        QTest::qFail(qPrintable(QStringLiteral("no such way of arriving: ") + path), __FILE__,
                     __LINE__);
    }
}
