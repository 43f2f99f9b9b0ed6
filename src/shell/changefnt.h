#pragma once
// The settings window "Personalize": the report font, the currency symbol and the user's name.
// Leaving it through "E&xit to Menu" writes "Personal.orp".

#include <QDialog>

class QLineEdit;
class CommandButton;
class OptionGroup;
class TextBox;

class ChangeFnt : public QDialog {
    Q_OBJECT
public:
    explicit ChangeFnt(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PtrFt_Click(int index);
    void InCurrency_LostFocus();
    void InMyName_LostFocus();
    void ExitFonts_Click();

    OptionGroup* m_ptrFt;
    QLineEdit* m_inMyName;
    QLineEdit* m_inCurrency;
    CommandButton* m_exitFonts;
    TextBox* m_myNameBox = nullptr;
    TextBox* m_currencyBox = nullptr;
};
