#pragma once
// The protocol every entry field of every calculator follows, implemented once. An EntryField
// binds one text box or editable combo box to its field description:
//   - gaining focus selects a text box's text and empties the clipboard;
//   - the first key of an entry empties the field and runs the calculator's ResetResults;
//   - each key goes through the decimal or whole-number filter;
//   - Enter moves the focus to the field's Enter target;
//   - the Delete key and a pick from a combo box's list run ResetResults;
//   - leaving the field (a focus move inside the window) checks a years limit, stores the
//     entry in EntryValues and shows it again in the field's display form.
// Focus taken by a modal window or another application is not leaving the field.

#include "core/entrytext.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QComboBox;
class QLineEdit;
class QWidget;

class EntryField : public QObject {
    Q_OBJECT
public:
    EntryField(QLineEdit* box, EntryFieldDef field, std::function<void()> resetResults);
    EntryField(QComboBox* box, EntryFieldDef field, std::function<void()> resetResults);

    const EntryFieldDef& field() const { return m_field; }
    QWidget* widget() const;
    QString text() const;
    void setText(const QString& text);
    // Shows the stored value of the field in its display form.
    void showValue();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void install();
    // The field the focus is in, as far as the entry protocol knows.
    static QPointer<EntryField>& current();
    void leave();
    void GotFocus();
    // Returns true when the key is consumed.
    bool KeyPress(QChar key);
    void KeyDown(int qtKey);
    void Click();
    void LostFocus();
    QLineEdit* editor() const;

    EntryFieldDef m_field;
    std::function<void()> m_resetResults;
    QLineEdit* m_line = nullptr;
    QComboBox* m_combo = nullptr;
    bool m_hasFocus = false;
};
