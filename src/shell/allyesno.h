#pragma once
// The question window: asks question QuestionCode; "&Yes" leaves 6 in QuestionCode, "&No" 0,
// and the close box leaves the question number, which callers read as No.

#include <QDialog>

class QLabel;
class QPushButton;

class AllYesNo : public QDialog {
    Q_OBJECT
public:
    explicit AllYesNo(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AllYes_Click();
    void AllNo_Click();

    QLabel* m_label1;
    QPushButton* m_yes;
    QPushButton* m_no;
};
