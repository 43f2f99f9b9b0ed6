#include "modalresponder.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

std::vector<ShownDialog>& shown() {
    static std::vector<ShownDialog> list;
    return list;
}

QAbstractButton* findButton(QDialog& dialog, const QString& name) {
    if (auto* button = dialog.findChild<QAbstractButton*>(name)) {
        return button;
    }
    for (auto* button : dialog.findChildren<QAbstractButton*>()) {
        QString caption = button->text();
        if (caption == name || caption.remove(u'&') == QString(name).remove(u'&')) {
            return button;
        }
    }
    return nullptr;
}

void fail(const QString& message) {
    QTest::qFail(message.toUtf8().constData(), __FILE__, __LINE__);
}

QString summary(const ShownDialog& d) {
    return QStringLiteral("'%1' (%2): %3").arg(d.title, d.objectName, d.labels.join(u" | "));
}

ModalResponder recorded(ModalResponder responder) {
    return [responder = std::move(responder)](QDialog& dialog) {
        shown().push_back(describe(dialog));
        if (responder) {
            responder(dialog);
        }
    };
}

} // namespace

ShownDialog describe(const QDialog& dialog) {
    ShownDialog d;
    d.objectName = dialog.objectName();
    d.title = dialog.windowTitle();
    for (const auto* label : dialog.findChildren<QLabel*>()) {
        d.labels << label->text();
    }
    return d;
}

ModalResponder clickResponder(const QString& buttonObjectName) {
    return [buttonObjectName](QDialog& dialog) {
        QAbstractButton* button = findButton(dialog, buttonObjectName);
        if (button == nullptr) {
            fail(QStringLiteral("no button '%1' in window %2")
                     .arg(buttonObjectName, summary(describe(dialog))));
            return;
        }
        button->click();
    };
}

ModalResponder typeResponder(const QString& lineEditObjectName, const QString& text,
                             const QString& thenClickButton) {
    return [=](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>(lineEditObjectName);
        if (edit == nullptr) {
            fail(QStringLiteral("no text box '%1' in window %2")
                     .arg(lineEditObjectName, summary(describe(dialog))));
            return;
        }
        edit->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(edit, text);
        if (!thenClickButton.isEmpty() && dialog.isVisible()) {
            clickResponder(thenClickButton)(dialog);
        }
    };
}

void respondClick(const QString& buttonObjectName) {
    modal::pushResponder(recorded(clickResponder(buttonObjectName)));
}

void respondClose() {
    modal::pushResponder(recorded([](QDialog& dialog) { dialog.close(); }));
}

void respondType(const QString& lineEditObjectName, const QString& text,
                 const QString& thenClickButton) {
    modal::pushResponder(recorded(typeResponder(lineEditObjectName, text, thenClickButton)));
}

void respondWith(ModalResponder responder) {
    modal::pushResponder(recorded(std::move(responder)));
}

const std::vector<ShownDialog>& shownDialogs() {
    return shown();
}

ModalGuard::ModalGuard() {
    modal::clearResponders();
    shown().clear();
    modal::setUnansweredHandler([](QDialog& dialog) {
        const ShownDialog d = describe(dialog);
        shown().push_back(d);
        fail(QStringLiteral("window shown with no answer queued: %1").arg(summary(d)));
    });
}

ModalGuard::~ModalGuard() {
    modal::clearResponders();
    modal::setUnansweredHandler({});
}
