#pragma once
// The header window shown before every printout: one line of header text, "Continue
// &Printout" or "&Cancel". Only "Continue &Printout" accepts the window, and sets ReportHeader
// to the text typed; "&Cancel", the close box and Escape reject it and leave ReportHeader as it
// was.

#include <QDialog>

class QLineEdit;
class CommandButton;

class PrinterHeaderInput : public QDialog {
    Q_OBJECT
public:
    // `maxLength`: the most characters the header can hold (those a line of the report holds
    // after the header's column).
    PrinterHeaderInput(QWidget* parent, int maxLength);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Acept_Click();
    void NAcept_Click();

    QLineEdit* m_inFName;
    CommandButton* m_acept;
    CommandButton* m_nAcept;
};
