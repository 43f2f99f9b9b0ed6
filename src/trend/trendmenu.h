#pragma once
// The Quantrel module's menu. Loading it starts the module's database in memory (trend()),
// which every window of the module works on until "E&xit to Main Menu" discards it. The menu
// opens and saves database files, imports price histories from CSV files, sorts the records and
// leads to the editor, the averages and ratios, the trend graph and the extraction; InfoLabel names
// the database in memory.

#include "shell/placement.h"
#include "shell/windowregistry.h"

class QCloseEvent;
class QLabel;

class Trendmenu : public ChildWindow {
    Q_OBJECT
public:
    explicit Trendmenu(QWidget* parent = nullptr);

    // InfoLabel: " File in Memory = " and the title, hidden while there is no title.
    void showInfoLabel();

protected:
    void showEvent(QShowEvent* event) override;
    // The close box asks EraseFileInMemory while added records are unsaved: Yes keeps the window.
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void LoadaFile_Click();
    // "&Import Prices from a CSV File": a price history as a new database, shown in the
    // editor with what the import made.
    void ImportPrices_Click();
    void OpenDbase_Click();
    void Saveafile_Click();
    void ShowRatios_Click();
    void ShowTGraph_Click();
    void SortDBase_Click();
    void SelectRec_Click();
    void ExitMenu_Click();

    // `window` opened afresh on what is in memory, in the menu's place: the menu hides, and
    // shows again when the window cannot open.
    void openInPlace(WindowId window);

    QLabel* m_label2;
    QLabel* m_infoLabel;
};
