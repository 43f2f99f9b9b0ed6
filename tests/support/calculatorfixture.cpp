#include "support/calculatorfixture.h"

#include "app/startup.h"
#include "core/programstate.h"
#include "mortgage/mortgagestate.h"
#include "platform/filedialogs.h"
#include "platform/grid.h"
#include "retirement/retirementstate.h"
#include "savings/savingsstate.h"
#include "shell/graphdata.h"
#include "shell/mdicontainer.h"
#include "shell/menumain.h"
#include "shell/programdir.h"
#include "trend/trendstate.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

void CalculatorFixture::start() {
    resetProgram();
    resetMortgage();
    resetSavings();
    resetRetirement();
    resetTrend();
    m_dir = std::make_unique<TempProgramDir>();
    setProgramDirectory(m_dir->path());
    windows().clear();
    clearGraphCallers();
    registerWindows();
    m_main = std::make_unique<MDIContainer>();
    m_main->show();
    m_main->activateWindow();
    [&] {
        QVERIFY2(QTest::qWaitForWindowActive(m_main.get()),
                 "the main window did not become active");
    }();
    program().PaymentStartDate = QStringLiteral("2027-01-31");
    m_guard = std::make_unique<ModalGuard>();
    m_window = nullptr;
}

void CalculatorFixture::stop() {
    m_guard.reset();
    m_main.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    windows().clear();
    clearGraphCallers();
    setProgramDirectory({});
    FileDialogs::clearAnswers();
    m_dir.reset();
    m_window = nullptr;
}

QWidget* CalculatorFixture::open(const char* menuButton, WindowId window) {
    QTest::mouseClick(MenuMain::instance()->findChild<QPushButton*>(menuButton), Qt::LeftButton);
    m_window = windows().loaded(window);
    [&] { QVERIFY2(m_window != nullptr, menuButton); }();
    return m_window;
}

QWidget* CalculatorFixture::switchTo(WindowId window) {
    m_window = windows().loaded(window);
    [&] { QVERIFY2(m_window != nullptr, "the window is not loaded"); }();
    return m_window;
}

QPushButton* CalculatorFixture::button(const char* name) const {
    return m_window->findChild<QPushButton*>(name);
}

void CalculatorFixture::click(const char* name) const {
    auto* b = m_window->findChild<QAbstractButton*>(name);
    [&] { QVERIFY2(b != nullptr, name); }();
    QTest::mouseClick(b, Qt::LeftButton);
}

QLineEdit* CalculatorFixture::line(const char* name) const {
    return m_window->findChild<QLineEdit*>(name);
}

QComboBox* CalculatorFixture::combo(const char* name) const {
    return m_window->findChild<QComboBox*>(name);
}

QString CalculatorFixture::label(const char* name) const {
    auto* l = m_window->findChild<QLabel*>(name);
    [&] { QVERIFY2(l != nullptr, name); }();
    return l != nullptr ? l->text() : QString();
}

Grid* CalculatorFixture::grid(const char* name) const {
    return m_window->findChild<Grid*>(name);
}

QStringList CalculatorFixture::rowTexts(const char* name, int r) const {
    const Grid* g = grid(name);
    QStringList texts;
    for (int c = 0; c < g->cols(); ++c) {
        texts << g->text(r, c);
    }
    return texts;
}

void CalculatorFixture::choose(const char* name, ChooseBy how) const {
    auto* option = m_window->findChild<QRadioButton*>(name);
    [&] { QVERIFY2(option != nullptr, name); }();
    switch (how) {
    case ChooseBy::Mouse:
        QTest::mouseClick(option, Qt::LeftButton);
        break;
    case ChooseBy::Keyboard: {
        const QList<QRadioButton*> frame =
            option->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        const qsizetype at = frame.indexOf(option);
        QRadioButton* beside = frame.value(at > 0 ? at - 1 : at + 1);
        beside->setFocus(Qt::TabFocusReason);
        QTest::keyClick(beside, at > 0 ? Qt::Key_Down : Qt::Key_Up);
        break;
    }
    case ChooseBy::Accessibility: {
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(option);
        [&] { QVERIFY(access != nullptr && access->actionInterface() != nullptr); }();
        access->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        break;
    }
    }
    [&] { QVERIFY2(option->isChecked(), name); }();
}

void CalculatorFixture::pick(const char* name, const QString& text) const {
    QComboBox* box = combo(name);
    const int index = box->findText(text);
    [&] { QVERIFY2(index >= 0, qPrintable(text)); }();
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void CalculatorFixture::type(const char* name, const QString& keys) const {
    QWidget* box = m_window->findChild<QWidget*>(name);
    [&] { QVERIFY2(box != nullptr, name); }();
    box->setFocus(Qt::MouseFocusReason);
    QWidget* target = box;
    if (auto* list = qobject_cast<QComboBox*>(box); list != nullptr && list->isEditable()) {
        target = list->lineEdit();
    }
    QTest::keyClicks(target, keys);
}

void CalculatorFixture::leaveTo(const char* name) const {
    QWidget* target = m_window->findChild<QWidget*>(name);
    [&] { QVERIFY2(target != nullptr, name); }();
    target->setFocus(Qt::MouseFocusReason);
}

QString CalculatorFixture::messageShownBy(const std::function<void()>& action) const {
    QString shown;
    respondWith([&shown](QDialog& d) {
        if (auto* text = d.findChild<QPlainTextEdit*>("TextMsg")) {
            shown = text->toPlainText();
        }
    });
    action();
    if (modal::pendingResponders() > 0) {
        modal::clearResponders();
    }
    return shown;
}
