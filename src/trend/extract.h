#pragma once
// The extraction window: the records from a low to a high record number (the numbers beside
// the dates in the editor) replace the database in memory as a new database titled
// "Extracted", offered for saving as "Extract.orv". Shown by the module menu in its place;
// when it closes, by "&Extract Records" or "&Cancel", the editor shows what is in memory.

#include <QWidget>

class CommandButton;
class QLineEdit;
class QuickHelpBox;
class TextBox;

class Extract : public QWidget {
    Q_OBJECT
public:
    explicit Extract(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void LowRecNo_LostFocus();
    void HighRecNo_LostFocus();
    void ExtractOk_Click();
    void ExitExtract_Click();
    void HelpBut1_Click();
    // The window closes and the editor shows the database in memory.
    void closeToEditor();

    QLineEdit* m_lowRecNo;
    QLineEdit* m_highRecNo;
    TextBox* m_lowBox = nullptr;
    TextBox* m_highBox = nullptr;
    CommandButton* m_extractOk;
    CommandButton* m_exitExtract;
    CommandButton* m_helpBut1;
    QuickHelpBox* m_helpBoxE;
};
