#pragma once
// Option buttons and check boxes. Choosing an option runs its handler, whatever made the
// choice: the mouse, the keyboard, an accessibility action (which toggles the button rather
// than clicking it) or the program itself. Every option button and check box of the program
// goes through this group.

#include <QObject>
#include <functional>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QRadioButton;

class OptionGroup : public QObject {
    Q_OBJECT
public:
    explicit OptionGroup(QObject* parent);

    // Adds an option button; `chosen` runs each time the button becomes the chosen one.
    // Returns its index in the group (from 0).
    int add(QRadioButton* button, std::function<void()> chosen);
    // Adds a check box; `changed` runs with the new state at every change.
    int add(QCheckBox* box, std::function<void(bool checked)> changed);

    // Chooses option `index` and runs its handler, also when it was chosen already (a window's
    // load steps that select an option run its handler).
    void choose(int index);
    // The index of the chosen option button, or -1.
    int chosen() const;
    QAbstractButton* button(int index) const;

private:
    struct Member {
        QAbstractButton* button;
        std::function<void(bool)> handler;
        bool exclusive;
    };
    std::vector<Member> m_members;
};
