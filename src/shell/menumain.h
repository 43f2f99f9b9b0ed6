#pragma once
// The main menu: fourteen buttons that open the calculators, the trend module, the settings
// window, the two help documents and the about window, and end the program.

#include "shell/placement.h"

class QLabel;
class CommandButton;

class MenuMain : public ChildWindow {
    Q_OBJECT
public:
    explicit MenuMain(QWidget* parent = nullptr);
    ~MenuMain() override;

    static MenuMain* instance();

    // Shows UserName in MyName, or hides MyName when there is no name.
    void showUserName();

private:
    void Form_Load();
    void openCalculator(int buttonIndex);
    void startHelp(const QString& document);
    void About_Click();
    void PtrFnt_Click();
    void Exit_Click();

    QLabel* m_title;
    QLabel* m_myName;
};
