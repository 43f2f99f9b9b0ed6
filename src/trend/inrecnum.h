#pragma once
// "Input ": the record-number dialog of the database editor. The user chooses to correct,
// insert or delete a record and types its number; the choice is left in EditMode and
// SelectedRecord for the editor. "&Cancel", Escape and the close box choose nothing.

#include <QDialog>

class CommandButton;
class OptionGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
class TextBox;

class InRecNum : public QDialog {
    Q_OBJECT
public:
    explicit InRecNum(QWidget* parent = nullptr);

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    // Enter on an option moves to the record number.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CorInsDel_Click(int option);
    void Accept_Click();

    OptionGroup* m_corInsDel;
    QRadioButton* m_options[3] = {};
    QLabel* m_label1;
    QLineEdit* m_curVal;
    TextBox* m_curValBox = nullptr;
    CommandButton* m_accept;
    CommandButton* m_noAccept;
};
