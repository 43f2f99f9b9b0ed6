#pragma once
// An entry field of a calculator: one text box or editable combo box bound to its field
// description (core/entrytext.h), following the text-box protocol (shell/textbox.h):
//   - gaining focus selects a text box's text (a combo box keeps its selection);
//   - an entry starts at the first typed key, which empties the field, or at the Delete key, a
//     pick from a combo box's list, or any change of the text the program did not make; an
//     entry runs the calculator's ResetResults;
//   - each typed key goes through the decimal or whole-number filter; text that arrives any
//     other way must be a text the field can hold, or it is refused with the beep;
//   - Enter moves the focus to the field's Enter target;
//   - the Delete key runs ResetResults (and first empties the field where the field says so);
//   - leaving the field checks a years limit and, after an entry in this field, stores the
//     number the field shows in EntryValues and shows it again in the field's display form.
// A combo box completes nothing: the field holds exactly what was typed.

#include "core/entrytext.h"

#include <QObject>
#include <QStringList>
#include <functional>

class QComboBox;
class QLineEdit;
class QWidget;
class TextBox;

class EntryField : public QObject {
    Q_OBJECT
public:
    EntryField(QLineEdit* box, EntryFieldDef field, std::function<void()> resetResults);
    EntryField(QComboBox* box, EntryFieldDef field, std::function<void()> resetResults);

    const EntryFieldDef& field() const { return m_field; }
    // A new description (another mode of the window); the text is not touched.
    void setField(EntryFieldDef field) { m_field = std::move(field); }
    QWidget* widget() const;
    QString text() const;
    // The program's own text: no entry starts.
    void setText(const QString& text);
    // Shows the stored value of the field in its display form.
    void showValue();
    // Replaces a combo box's list; the text shown stays.
    void setListItems(const QStringList& items);

private:
    void install();
    bool KeyPress(QChar key, const QString& text);
    void KeyDown(int qtKey);
    void Click();
    void LostFocus();
    QLineEdit* editor() const;

    EntryFieldDef m_field;
    std::function<void()> m_resetResults;
    QLineEdit* m_line = nullptr;
    QComboBox* m_combo = nullptr;
    TextBox* m_box = nullptr;
};
