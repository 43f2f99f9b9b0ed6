#pragma once
// The fixture of the window tests: every program-wide value starts afresh, the program's
// directory is a temporary one, every window and graph caller is registered as the program
// registers them, the main window shows the main menu, and a window shown without a queued
// answer fails the test. The helpers drive the window the last open() opened, by the object
// names of its controls.

#include "shell/windowregistry.h"
#include "support/modalresponder.h"
#include "support/tempprogramdir.h"

#include <QString>
#include <QStringList>
#include <memory>

class Grid;
class MDIContainer;
class QAbstractButton;
class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

// How a test chooses an option button, as a user can.
enum class ChooseBy { Mouse, Keyboard, Accessibility };

class CalculatorFixture {
public:
    // Call from the test's init() and cleanup().
    void start();
    void stop();

    // Clicks the main menu's button and returns the window it opened (nullptr, with the test
    // failed, when none opened).
    QWidget* open(const char* menuButton, WindowId window);
    template <class W> W* open(const char* menuButton, WindowId window) {
        return qobject_cast<W*>(open(menuButton, window));
    }
    QWidget* window() const { return m_window; }
    // The helpers drive the loaded window `window` from now on (nullptr, with the test failed,
    // when none is loaded).
    QWidget* switchTo(WindowId window);
    template <class W> W* switchTo(WindowId window) { return qobject_cast<W*>(switchTo(window)); }
    MDIContainer* mainWindow() const { return m_main.get(); }
    TempProgramDir& dir() const { return *m_dir; }

    QPushButton* button(const char* name) const;
    // Clicks a button, option button or check box with the mouse.
    void click(const char* name) const;
    QLineEdit* line(const char* name) const;
    QComboBox* combo(const char* name) const;
    QString label(const char* name) const;
    Grid* grid(const char* name) const;
    // The texts of row `r` of the grid `name`, column by column.
    QStringList rowTexts(const char* name, int r) const;
    // Chooses an option button: clicked; reached with an arrow key from the option beside it in
    // its frame; or toggled by the accessibility action (screen readers, voice control).
    void choose(const char* name, ChooseBy how) const;
    // Picks `text` from a list, as a click in its drop-down list does.
    void pick(const char* name, const QString& text) const;
    // Gives the focus to a box (a text box or the line edit of a list) and types `keys`.
    void type(const char* name, const QString& keys) const;
    // The focus leaves for a button of the window, as a click there would take it.
    void leaveTo(const char* name) const;
    // The text of the message window shown by `action` (empty when none was shown).
    QString messageShownBy(const std::function<void()>& action) const;

private:
    std::unique_ptr<TempProgramDir> m_dir;
    std::unique_ptr<MDIContainer> m_main;
    std::unique_ptr<ModalGuard> m_guard;
    QWidget* m_window = nullptr;
};
