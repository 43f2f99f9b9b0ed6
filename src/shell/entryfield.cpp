#include "shell/entryfield.h"

#include "core/programstate.h"
#include "shell/dialogs.h"
#include "shell/guarded.h"
#include "shell/keyfilters.h"
#include "shell/numberbox.h"
#include "shell/textbox.h"

#include <QComboBox>
#include <QLineEdit>

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
    box->setCompleter(nullptr);
    connect(box, &QComboBox::activated, this, &EntryField::Click);
    install();
}

void EntryField::install() {
    QWidget* w = widget();
    w->setObjectName(m_field.name);
    makeYellow(w);
    editor()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (m_combo != nullptr) {
        makeYellow(editor());
    }
    TextBox::Rules rules;
    rules.selectOnFocus = m_combo == nullptr;
    rules.startEntry = [this] { m_resetResults(); };
    rules.acceptsKey = [this](QChar key, const QString& text) { return KeyPress(key, text); };
    rules.acceptsText = [this](const QString& text) {
        return entryTextAcceptable(m_field, text, program().CurrencySymbol);
    };
    rules.enter = [this] {
        if (QWidget* target = widget()->window()->findChild<QWidget*>(m_field.enterTarget)) {
            target->setFocus(Qt::TabFocusReason);
        }
    };
    rules.keyDown = [this](int qtKey) { KeyDown(qtKey); };
    rules.leave = [this] { LostFocus(); };
    // Key and focus events of an editable combo box reach the combo box as well as its line
    // edit.
    m_box = new TextBox(editor(), std::move(rules), m_combo);
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
    m_box->setText(text);
}

void EntryField::showValue() {
    setText(
        entryDisplayText(m_field, program().EntryValues[m_field.index], program().CurrencySymbol));
}

void EntryField::setListItems(const QStringList& items) {
    if (m_combo == nullptr) {
        return;
    }
    m_box->programChange([&] {
        const QString shown = m_combo->currentText();
        m_combo->clear();
        m_combo->addItems(items);
        m_combo->setEditText(shown);
    });
}

// Returns false when the key is dropped.
bool EntryField::KeyPress(QChar key, const QString& text) {
    if (m_field.allowsMinus && key == u'-') {
        // The minus, at any moment, empties the field, clears the results and is typed: a
        // negative entry starts.
        setText(QString());
        m_resetResults();
        return true;
    }
    return entryKeyAccepted(m_field, key, text);
}

void EntryField::KeyDown(int qtKey) {
    if (qtKey != Qt::Key_Delete) {
        return;
    }
    if (m_field.deleteEmpties) {
        setText(QString());
    }
    // The protocol starts an entry at Delete, which runs ResetResults; within an entry the key
    // runs it again.
    if (m_box->entryStarted()) {
        m_resetResults();
    }
}

void EntryField::Click() {
    if (m_box->entryStarted()) {
        m_resetResults();
    } else {
        m_box->startEntry();
    }
}

void EntryField::LostFocus() {
    ProgramState& p = program();
    bool store = m_box->entryStarted();
    if (entryAboveLimit(m_field, text())) {
        showMessage(m_field.limitMessage);
        setText(QString::number(m_field.limit));
        store = true;
    }
    if (store) {
        // An entry the currency type cannot hold: the field keeps its stored value and shows it
        // again.
        const bool stored = guarded(Message::WrongEntry, [&] {
            const EntryCommit commit = commitEntry(m_field, text(), p.CurrencySymbol);
            p.EntryValues[m_field.index] = commit.value;
            setText(commit.text);
        });
        if (!stored) {
            showValue();
        }
        p.EditPending = 0;
    }
}
