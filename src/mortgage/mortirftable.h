#pragma once
// "Accelerated payments": how many days a year has, which sets the biweekly and weekly periods
// per year and so the period rate of those payments.

#include <QDialog>

class CommandButton;
class OptionGroup;

class MortIRFTable : public QDialog {
    Q_OBJECT
public:
    explicit MortIRFTable(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void IRFactor_Click(int index);
    void ExitMort_Click();

    OptionGroup* m_irFactor;
    CommandButton* m_exitMort;
};
