#include "shell/entryfield.h"

#include "core/programstate.h"
#include "core/runtimefailure.h"
#include "platform/clipboard.h"
#include "shell/dialogs.h"
#include "shell/keyfilters.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
const QColor EntryYellow(255, 255, 0);

bool movesInsideWindow(const QFocusEvent& focus) {
    return focus.reason() != Qt::ActiveWindowFocusReason && focus.reason() != Qt::PopupFocusReason;
}

void makeYellow(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, EntryYellow);
    palette.setColor(QPalette::Text, Qt::black);
    widget->setPalette(palette);
}
} // namespace

EntryField::EntryField(QLineEdit* box, EntryFieldDef field, std::function<void()> resetResults)
    : QObject(box), m_field(std::move(field)), m_resetResults(std::move(resetResults)),
      m_line(box) {
    install();
}

EntryField::EntryField(QComboBox* box, EntryFieldDef field, std::function<void()> resetResults)
    : QObject(box), m_field(std::move(field)), m_resetResults(std::move(resetResults)),
      m_combo(box) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    connect(box, &QComboBox::activated, this, &EntryField::Click);
    install();
}

void EntryField::install() {
    QWidget* w = widget();
    w->setObjectName(m_field.name);
    makeYellow(w);
    editor()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Key and focus events reach the line edit of a combo box, not the combo box itself.
    editor()->installEventFilter(this);
    if (m_combo != nullptr) {
        makeYellow(editor());
        m_combo->installEventFilter(this);
    }
}

QWidget* EntryField::widget() const {
    return m_line != nullptr ? static_cast<QWidget*>(m_line) : static_cast<QWidget*>(m_combo);
}

QLineEdit* EntryField::editor() const {
    return m_line != nullptr ? m_line : m_combo->lineEdit();
}

QString EntryField::text() const {
    return editor()->text();
}

void EntryField::setText(const QString& text) {
    editor()->setText(text);
}

void EntryField::showValue() {
    setText(
        entryDisplayText(m_field, program().EntryValues[m_field.index], program().CurrencySymbol));
}

bool EntryField::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        if (!m_hasFocus) {
            // A field whose leaving step was held back (the focus went to another application
            // and came back to a different field) is left now, before this one is entered.
            if (current() != nullptr && current() != this) {
                current()->leave();
            }
            m_hasFocus = true;
            current() = this;
            GotFocus();
        }
        break;
    case QEvent::FocusOut:
        if (m_hasFocus && movesInsideWindow(static_cast<QFocusEvent&>(*event)) &&
            !widget()->hasFocus() && !editor()->hasFocus()) {
            leave();
        }
        break;
    case QEvent::KeyPress:
        // Keys reach an editable combo box, which hands them to its line edit directly;
        // keys sent to the line edit itself arrive here once too.
        if (watched == editor() || (m_combo != nullptr && watched == m_combo)) {
            auto& key = static_cast<QKeyEvent&>(*event);
            KeyDown(key.key());
            if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
                return KeyPress(QChar(13));
            }
            if (key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab && !key.text().isEmpty()) {
                return KeyPress(key.text().front());
            }
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

QPointer<EntryField>& EntryField::current() {
    static QPointer<EntryField> field;
    return field;
}

void EntryField::leave() {
    m_hasFocus = false;
    if (current() == this) {
        current() = nullptr;
    }
    LostFocus();
}

void EntryField::GotFocus() {
    if (m_line != nullptr) {
        m_line->selectAll();
    }
    Clipboard::clear();
}

bool EntryField::KeyPress(QChar key) {
    ProgramState& p = program();
    if (key.unicode() == 13) {
        if (QWidget* target = widget()->window()->findChild<QWidget*>(m_field.enterTarget)) {
            target->setFocus(Qt::TabFocusReason);
        }
        return true;
    }
    if (p.EditPending == 0) {
        editor()->clear();
        m_resetResults();
    }
    const auto code = static_cast<std::int16_t>(key.unicode());
    const std::int16_t accepted = m_field.kind == FieldKind::Years
                                      ? FilterWholeKey(code)
                                      : FilterDecimalKey(code, editor()->text(), m_field.decimals);
    return accepted == 0;
}

void EntryField::KeyDown(int qtKey) {
    if (qtKey != Qt::Key_Delete) {
        return;
    }
    if (m_field.deleteEmpties) {
        editor()->clear();
    }
    m_resetResults();
}

void EntryField::Click() {
    m_resetResults();
}

void EntryField::LostFocus() {
    ProgramState& p = program();
    bool store = p.EditPending == 1;
    if (entryAboveLimit(m_field, text())) {
        showMessage(m_field.limitMessage);
        setText(QString::number(m_field.limit));
        store = true;
    }
    if (store) {
        try {
            const EntryCommit commit = commitEntry(m_field, text(), p.CurrencySymbol);
            p.EntryValues[m_field.index] = commit.value;
            setText(commit.text);
        } catch (const RunTimeFailure&) {
            // An entry the currency type cannot hold: the field keeps its stored value and
            // shows it again.
            showMessage(3);
            showValue();
        }
        p.EditPending = 0;
    }
    Clipboard::clear();
}
