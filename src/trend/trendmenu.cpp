#include "trend/trendmenu.h"

#include "core/programstate.h"
#include "platform/filedialogs.h"
#include "platform/twips.h"
#include "shell/busypointer.h"
#include "shell/commandbutton.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/elidedtext.h"
#include "shell/guarded.h"
#include "shell/mdicontainer.h"
#include "shell/windowregistry.h"
#include "trend/averatios.h"
#include "trend/priceimport.h"
#include "trend/trendfile.h"
#include "trend/trendpaging.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

#include <QCloseEvent>
#include <QLabel>

namespace {

struct MenuButton {
    const char* name;
    const char* caption;
    void (Trendmenu::*click)();
};

// The file dialog's modes of trend databases.
constexpr std::int16_t OpenTrendFile = 1;
constexpr std::int16_t SaveTrendFile = 2;

// Records added since the last save would be lost: true when the user answers the question
// (EraseFileInMemory) by keeping them.
bool unsavedRecordsKept() {
    return unsavedRecords() && askQuestion(Question::EraseFileInMemory);
}

} // namespace

Trendmenu::Trendmenu(QWidget* parent)
    : ChildWindow(parent), m_label2(menuTitle(this, QStringLiteral("Label2"))),
      m_infoLabel(menuInfoLine(this, QStringLiteral("InfoLabel"))) {
    setObjectName(QStringLiteral("Trendmenu"));
    resize(twipsSize(9615, 6300));

    // In tab order: down the left column, then down the right column.
    const MenuButton buttons[] = {
        {"LoadaFile", "&Open a File from Disk", &Trendmenu::LoadaFile_Click},
        {"OpenDbase", "&Add and Edit Database", &Trendmenu::OpenDbase_Click},
        {"Saveafile", "&Save a File to Disk", &Trendmenu::Saveafile_Click},
        {"ShowRatios", "&View Averages and Ratios", &Trendmenu::ShowRatios_Click},
        {"ShowTGraph", "Show Trend &Graph", &Trendmenu::ShowTGraph_Click},
        {"SortDBase", "Sort &Database", &Trendmenu::SortDBase_Click},
        {"SelectRec", "&Extract between two Dates", &Trendmenu::SelectRec_Click},
        {"ExitMenu", "E&xit to Main Menu", &Trendmenu::ExitMenu_Click},
    };
    std::vector<QWidget*> tabOrder;
    for (int i = 0; i < 8; ++i) {
        const MenuButton& b = buttons[i];
        auto* button =
            commandButton(this, QString::fromLatin1(b.caption), QString::fromLatin1(b.name),
                          [this, b] { (this->*b.click)(); });
        button->setGeometry(menuButtonPlace(i / 4, i % 4 + 1));
        tabOrder.push_back(button);
    }
    // Below the left column, and after it in tab order.
    auto* import = commandButton(this, QStringLiteral("&Import Prices from a CSV File"),
                                 QStringLiteral("ImportPrices"), [this] { ImportPrices_Click(); });
    import->setGeometry(menuButtonPlace(0, 5));
    tabOrder.insert(tabOrder.begin() + 4, import);
    tabChain(tabOrder);
    Form_Load();
}

void Trendmenu::Form_Load() {
    MDIContainer::setCaption(QStringLiteral(" Quantrel Menu"));
    loadTrendMenu();
    showInfoLabel();
}

void Trendmenu::showInfoLabel() {
    const QString& title = trend().DatabaseTitle;
    // A long title ends in an ellipsis: the start of the line stays readable.
    setElidedText(*m_infoLabel, infoLabelText(title));
    m_infoLabel->setVisible(infoLabelVisible(title));
}

void Trendmenu::showEvent(QShowEvent* event) {
    showInfoLabel();
    ChildWindow::showEvent(event);
}

void Trendmenu::closeEvent(QCloseEvent* event) {
    if (unsavedRecordsKept()) {
        event->ignore();
        return;
    }
    trend().TrendModified = 0;
    event->accept();
}

void Trendmenu::openInPlace(WindowId window) {
    hide();
    if (windows().open(window) == nullptr) {
        show();
    }
}

void Trendmenu::LoadaFile_Click() {
    hide();
    // Added records would be lost: the question first, as leaving the module asks it.
    if (unsavedRecordsKept()) {
        show();
        return;
    }
    // A file that cannot be read leaves the database in memory, and its file name, as they are.
    QString name = program().TrendFileName;
    openThroughDialog(OpenTrendFile, name, [](const QString& path) {
        return quietly([&path] { openTrendDatabase(path); });
    });
    resetTrendReportBlocks();
    openInPlace(WindowId::Dbase);
}

void Trendmenu::ImportPrices_Click() {
    hide();
    // As opening a file: added records are not dropped without the question.
    if (unsavedRecordsKept()) {
        show();
        return;
    }
    const QString path =
        FileDialogs::open(MDIContainer::instance(), priceFileStartFolder(), priceFileFilter());
    QString summary;
    // A file that is refused leaves the database in memory as it was.
    if (path.isEmpty() || !guarded(Message::FileNotFound, [&path, &summary] {
            BusyPointer busy;
            summary = importPriceFile(path);
        })) {
        show();
        return;
    }
    resetTrendReportBlocks();
    openInPlace(WindowId::Dbase);
    showMessage(Message::PricesImported, summary);
}

void Trendmenu::OpenDbase_Click() {
    resetTrendReportBlocks();
    openInPlace(WindowId::Dbase);
}

void Trendmenu::Saveafile_Click() {
    hide();
    if (const Message refusal = saveRefusal(); refusal != Message::None) {
        showMessage(refusal);
    } else {
        saveThroughDialog(
            SaveTrendFile, program().TrendFileName,
            [](const QString& path) { return quietly([&path] { saveTrendDatabase(path); }); },
            Message::BadTrendFileName);
    }
    show();
}

void Trendmenu::ShowRatios_Click() {
    MDIContainer::setCaption(QStringLiteral(" Averages and Ratios"));
    if (Averatios::showComputed()) {
        hide();
    }
}

void Trendmenu::ShowTGraph_Click() {
    if (const Message refusal = showGraphFromMenu(); refusal != Message::None) {
        showMessage(refusal);
        return;
    }
    openInPlace(WindowId::TrendGraph);
}

void Trendmenu::SortDBase_Click() {
    Message refusal = Message::None;
    guarded(Message::CannotSort, [&refusal] {
        BusyPointer busy;
        refusal = sortDatabase();
    });
    if (refusal != Message::None) {
        showMessage(refusal);
    }
}

void Trendmenu::SelectRec_Click() {
    if (const Message refusal = recordsNeededMessage(); refusal != Message::None) {
        showMessage(refusal);
        return;
    }
    // The extraction shows the editor when it closes.
    openInPlace(WindowId::Extract);
}

void Trendmenu::ExitMenu_Click() {
    if (unsavedRecordsKept()) {
        return;
    }
    leaveTrendModule();
    windows().unload(WindowId::Averatios);
    hide();
    MDIContainer::setCaption(QStringLiteral("  Orvalen Menu"));
    windows().show(WindowId::MenuMain);
    windows().unload(WindowId::Trendmenu);
}
