#pragma once
// The settings window "Personalize": the report font, the currency symbol and the user's name.
// Leaving it through "E&xit to Menu" writes "Personal.orp".

#include <QDialog>

class QLineEdit;
class QRadioButton;
class CommandButton;

class ChangeFnt : public QDialog {
    Q_OBJECT
public:
    explicit ChangeFnt(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PtrFt_Click(int index);
    bool InCurrency_KeyPress(QChar key);
    void InCurrency_LostFocus();
    bool InMyName_KeyPress(QChar key);
    void InMyName_LostFocus();
    void ExitFonts_Click();

    QRadioButton* m_ptrFt[4];
    QLineEdit* m_inMyName;
    QLineEdit* m_inCurrency;
    CommandButton* m_exitFonts;
};
