#include "shell/textbox.h"

#include "platform/beep.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>

namespace {

bool movesInsideWindow(const QFocusEvent& focus) {
    return focus.reason() != Qt::ActiveWindowFocusReason && focus.reason() != Qt::PopupFocusReason;
}

// Keys that type: a printable character or Backspace, without Ctrl, Alt or Meta (those are
// shortcuts: select all, copy, an accelerator).
bool types(const QKeyEvent& key) {
    if (key.text().isEmpty() || key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) {
        return false;
    }
    if ((key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return false;
    }
    return key.key() == Qt::Key_Backspace || key.text().front().isPrint();
}

bool isEnter(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// What a text that reaches a file or a report never holds: the double quote ends a text field
// of a record, a line break ends the record or the report line.
bool breaksALine(QChar c) {
    return c == u'"' || c.category() == QChar::Other_Control;
}

constexpr QChar Backspace(8);

} // namespace

TextBox::TextBox(QLineEdit* box, Rules rules, QWidget* keySource)
    : QObject(box), m_box(box), m_keySource(keySource), m_rules(std::move(rules)),
      m_lastText(box->text()) {
    m_box->installEventFilter(this);
    if (m_keySource != nullptr) {
        m_keySource->installEventFilter(this);
    }
    connect(m_box, &QLineEdit::textChanged, this, &TextBox::textChanged);
}

QPointer<TextBox>& TextBox::current() {
    static QPointer<TextBox> box;
    return box;
}

bool TextBox::hasFocus() const {
    return m_box->hasFocus() || (m_keySource != nullptr && m_keySource->hasFocus());
}

void TextBox::startEntry() {
    if (m_entry) {
        return;
    }
    m_entry = true;
    if (m_rules.startEntry) {
        m_rules.startEntry();
    }
}

void TextBox::setText(const QString& text) {
    programChange([&] { m_box->setText(text); });
}

void TextBox::programChange(const std::function<void()>& change) {
    ++m_programChanges;
    change();
    --m_programChanges;
    m_lastText = m_box->text();
}

bool TextBox::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        if (!m_focused) {
            // A box whose leaving was held back (the focus went to another application and
            // came back to a different box) is left now, before this one is entered.
            if (current() != nullptr && current() != this) {
                current()->leave();
            }
            m_focused = true;
            current() = this;
            gainFocus();
        }
        break;
    case QEvent::FocusOut:
        if (m_focused && movesInsideWindow(static_cast<QFocusEvent&>(*event)) && !hasFocus()) {
            leave();
        }
        break;
    case QEvent::MouseButtonPress:
        if (m_rules.clickStartsEntry && watched == m_box) {
            setText(QString());
            startEntry();
        }
        break;
    case QEvent::KeyPress:
        return keyPress(watched, event);
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void TextBox::gainFocus() {
    if (m_rules.selectOnFocus) {
        m_box->selectAll();
    }
}

void TextBox::leave() {
    m_focused = false;
    if (current() == this) {
        current() = nullptr;
    }
    if (m_rules.leave) {
        m_rules.leave();
    }
    m_entry = false;
}

bool TextBox::keyPress(QObject* watched, QEvent* event) {
    auto& key = static_cast<QKeyEvent&>(*event);
    if (m_rules.keyDown) {
        m_rules.keyDown(key.key());
    }
    if (isEnter(key) && m_rules.enter) {
        m_rules.enter();
        return true;
    }
    if (key.key() == Qt::Key_Delete && key.modifiers() == Qt::NoModifier) {
        startEntry();
        return false;
    }
    if (!types(key)) {
        return false;
    }
    const QChar typed = key.key() == Qt::Key_Backspace ? Backspace : key.text().front();
    if (m_rules.plainLine && breaksALine(typed) && typed != Backspace) {
        return true;
    }
    if (!m_entry) {
        if (m_rules.firstKeyEmpties) {
            setText(QString());
        }
        startEntry();
    }
    if (m_rules.acceptsKey && !m_rules.acceptsKey(typed, m_box->text())) {
        return true;
    }
    if (keyOverflows(typed)) {
        return true;
    }
    // The key is taken normally, now, so that the change it makes is known as a typed one.
    m_typing = true;
    watched->event(event);
    m_typing = false;
    return true;
}

void TextBox::textChanged(const QString& text) {
    if (m_programChanges > 0 || m_typing) {
        m_lastText = text;
        return;
    }
    if (refusesText(text) || (m_rules.acceptsText && !m_rules.acceptsText(text))) {
        setText(m_lastText);
        platform::beep();
        return;
    }
    m_lastText = text;
    const bool focused = hasFocus();
    startEntry();
    if (!focused) {
        leave();
    }
}

bool TextBox::refusesText(const QString& text) const {
    if (m_rules.plainLine && std::any_of(text.begin(), text.end(), breaksALine)) {
        return true;
    }
    // A text the program set may be longer; what the user adds may not make it so.
    return m_rules.maxLength > 0 && text.size() > m_rules.maxLength &&
           text.size() > m_lastText.size();
}

bool TextBox::keyOverflows(QChar key) const {
    if (m_rules.maxLength <= 0 || key == Backspace) {
        return false;
    }
    return m_box->text().size() - m_box->selectedText().size() >= m_rules.maxLength;
}
