#pragma once
// The protocol every text box of the program follows, implemented once. The entry fields of the
// calculators, the settings boxes, the date box and the other boxes that feed a file each give
// their rules; TextBox applies them to every way text can reach the box:
//   - gaining focus selects the text (where the rules say so). The clipboard is the user's and
//     is left alone: pasted text goes through the checks below like any text not typed;
//   - an entry starts at the first key that types (a printable character or Backspace), at the
//     Delete key, or at any change of the text that the program did not make (paste, drag and
//     drop, an input method, an accessibility action, undo). The first typed key of an entry
//     empties the box first, where the rules say so. Navigation, selection and copy keys never
//     start an entry;
//   - a typed key goes through the box's key filter; text that arrives any other way is checked
//     whole and, when the filter could not have let it in, is refused: the box goes back to
//     its text before the change and the system beep sounds;
//   - a box whose text reaches a file or a report never takes a double quote or a control
//     character (a line break, a tab), by any path: such a key is dropped before anything else
//     and such a text is refused;
//   - a box's maximum length limits what the user puts in (a key beyond it is dropped, a longer
//     text refused), never the program's own text, which is shown and kept whole;
//   - Enter is the box's own (it moves the focus on);
//   - leaving the box (a focus move inside the window) ends the entry. Focus taken by a modal
//     window or another application is not leaving the box; a box whose leaving was held back
//     that way is left when the focus comes back to another box.
// A change the program did not make that happens while the box does not have the focus is a
// whole entry at once: it starts and is left at once, so what the box shows is what is stored.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

class TextBox : public QObject {
    Q_OBJECT
public:
    struct Rules {
        bool firstKeyEmpties = true;   // the first typed key of an entry empties the box
        bool selectOnFocus = true;     // gaining focus selects the whole text
        bool clickStartsEntry = false; // a mouse click empties the box and starts an entry
        bool plainLine = false;        // the text reaches a file or a report
        int maxLength = 0;             // most characters the user can put in; 0: no limit
        // An entry starts in the box (before the first key is taken).
        std::function<void()> startEntry;
        // The key filter of typed keys; false drops the key (the filter beeps where it should).
        // `text` is the box's text before the key.
        std::function<bool(QChar key, const QString& text)> acceptsKey;
        // Whether a text that arrived other than by typing may stand; empty: any text.
        std::function<bool(const QString& text)> acceptsText;
        std::function<void()> enter;            // Enter: the key is dropped
        std::function<void(int qtKey)> keyDown; // every key, before anything else
        std::function<void()> leave;            // the entry (if any) is ended after it returns
    };

    // `keySource`: the widget that receives the keys and the focus when it is not the line edit
    // itself (an editable combo box).
    TextBox(QLineEdit* box, Rules rules, QWidget* keySource = nullptr);

    QLineEdit* box() const { return m_box; }
    bool entryStarted() const { return m_entry; }
    // An entry starts in the box now (a pick from a combo box's list): the rules' startEntry
    // runs unless one has started already.
    void startEntry();
    // The entry ends without leaving the box: the window has done what leaving does (a button
    // pressed while the box kept the focus). The next typed key starts a new entry.
    void endEntry() { m_entry = false; }
    // Sets the program's own text: no entry starts.
    void setText(const QString& text);
    // Runs `change` as the program's own change of the box's text (adding list items).
    void programChange(const std::function<void()>& change);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The box the focus is in, as far as the protocol knows.
    static QPointer<TextBox>& current();
    bool hasFocus() const;
    void gainFocus();
    void leave();
    bool keyPress(QObject* watched, QEvent* event);
    void textChanged(const QString& text);
    bool refusesText(const QString& text) const;
    // Whether typing `key` would put more characters in the box than its maximum length.
    bool keyOverflows(QChar key) const;

    QLineEdit* m_box;
    QWidget* m_keySource;
    Rules m_rules;
    QString m_lastText;
    bool m_entry = false;
    bool m_focused = false;
    int m_programChanges = 0;
    bool m_typing = false;
};
