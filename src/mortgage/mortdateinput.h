#pragma once
// "Date Input": the date of the first payment, from which every payment is dated.

#include <QDialog>

class CommandButton;
class QLineEdit;
class TextBox;

class MortDateInput : public QDialog {
    Q_OBJECT
public:
    explicit MortDateInput(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Returns false when the text is not a date (the box is restored and keeps the focus).
    bool InDate_LostFocus();
    void OkExit_Click();

    QLineEdit* m_inDate;
    CommandButton* m_okExit;
    TextBox* m_dateBox = nullptr;
};
