#pragma once
// A command button. Its keyboard accelerator moves the focus to it before it is pressed, as a
// mouse click does, so the entry field being left stores its value before the button acts.
// Enter presses the button that has the focus, as Space does.

#include <QPushButton>

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString& caption, const QString& name, QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
