#pragma once
// The message window: shows the text of MessageNumber, with one button "E&xit".

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class AMsgbox : public QDialog {
    Q_OBJECT
public:
    explicit AMsgbox(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AMsgExit_Click();

    QPlainTextEdit* m_textMsg;
    QPushButton* m_exit;
};
