#pragma once
// The header window shown before every printout: one line of header text, "Continue
// &Printout" or "&Cancel" (which leaves "1" in ReportHeader). Its close box leaves
// ReportHeader as it was.

#include <QDialog>

class QLineEdit;
class CommandButton;

class PrinterHeaderInput : public QDialog {
    Q_OBJECT
public:
    explicit PrinterHeaderInput(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Acept_Click();
    void NAcept_Click();

    QLineEdit* m_inFName;
    CommandButton* m_acept;
    CommandButton* m_nAcept;
};
