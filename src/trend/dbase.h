#pragma once
// The trend database editor: the title, the "Times Earnings Factor", five rows of annual
// earnings, the entry row where records are added (record 1 is always the newest), the grid
// of records, and the buttons that correct, insert and delete records (through InRecNum),
// delete everything, show the ratios, print the database and go back to the module menu.
// Every change is made by the model (trendeditor.h, editorview.h, recordchoice.h); the window
// shows what the model returns.

#include "shell/placement.h"

#include <array>
#include <functional>

class CommandButton;
class Grid;
class QLabel;
class QLineEdit;
class QuickHelpBox;
class TextBox;
struct EditorOutcome;
struct EditorView;

class Dbase : public ChildWindow {
    Q_OBJECT
public:
    explicit Dbase(QWidget* parent = nullptr);

    // RefreshEditor: the header boxes, the entry row and the grid from memory, the grid as far
    // as its records can be shown (UnknownError at a record that cannot).
    void refresh();

private:
    void buildControls();
    void buildBoxes();
    void Form_Load();
    void AddRecord_Click();
    void CorrRecord_Click();
    void NewFile_Click();
    void ToRatios_Click();
    void Printit_Click();
    void Exitbut_Click();
    void Grid8_Click(int row);
    void InDate_LostFocus();
    void TEFName_LostFocus();
    void InDatext_LostFocus(int box);
    void InEarnTxt_LostFocus(int box);

    // Leaving a header box after an entry: the box shows what `commit` stored of its text, or,
    // when the number cannot be stored, WrongEntry and what `kept` gives.
    void commitEntry(TextBox* box, const std::function<QString(const QString&)>& commit,
                     const std::function<QString()>& kept);
    void showView(const EditorView& view);
    void showOutcome(const EditorOutcome& outcome);
    // MakVisible (true) and MakInvisible (false).
    void setEditButtonsVisible(bool visible);

    QLineEdit* m_dbName;
    QLineEdit* m_tefName;
    std::array<QLineEdit*, 5> m_inDatext{};
    std::array<QLineEdit*, 5> m_inEarnTxt{};
    QLabel* m_inNew;
    QLineEdit* m_inDate;
    QLineEdit* m_inValue;
    Grid* m_grid8;
    QuickHelpBox* m_helpText;

    TextBox* m_dbNameBox = nullptr;
    TextBox* m_tefNameBox = nullptr;
    std::array<TextBox*, 5> m_yearBoxes{};
    std::array<TextBox*, 5> m_earningsBoxes{};
    TextBox* m_dateBox = nullptr;
    TextBox* m_valueBox = nullptr;

    CommandButton* m_addRecord;
    CommandButton* m_corrRecord;
    CommandButton* m_newFile;
    CommandButton* m_toRatios;
    CommandButton* m_printit;
    CommandButton* m_exitbut;
};
