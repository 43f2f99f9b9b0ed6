#pragma once
// "Additional Payments": one amount a year of the term, typed key by key into the grid.

#include "mortgage/prepayment.h"

#include <QDialog>

class CommandButton;
class Grid;

class MortPrePay : public QDialog {
    Q_OBJECT
public:
    explicit MortPrePay(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PGrid_CurrentCellChanged(int row, int col);
    void PGrid_GotFocus();
    void PGrid_KeyPress(QChar key);
    void PGrid_KeyDown(int qtKey);
    void UsePrePay_Click();
    void DoNotUse_Click();

    Grid* m_grid;
    CommandButton* m_usePrePay;
    CommandButton* m_doNotUse;
    PrePayEditor m_editor;
};
