#include "shell/menumain.h"

#include "core/dates.h"
#include "core/programstate.h"
#include "platform/helpviewer.h"
#include "platform/modal.h"
#include "platform/twips.h"
#include "shell/aboutbox.h"
#include "shell/changefnt.h"
#include "shell/commandbutton.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/elidedtext.h"
#include "shell/mdicontainer.h"
#include "shell/programdir.h"
#include "shell/settingsfile.h"
#include "shell/windowregistry.h"

#include <QApplication>
#include <QLabel>

namespace {

MenuMain* theMenu = nullptr;

enum class Action { Open, Help, About, Settings, Exit };

struct MenuButton {
    const char* name;
    const char* caption;
    int column; // 0 left, 1 right
    int row;    // 1..7
    Action action;
    WindowId window = WindowId::MenuMain;
    std::int16_t calcMode = 0; // stored in CalcMode before opening, when set
    MortgageModeFlag mortgageMode = MortgageModeFlag::Unset; // stored in MortgageMode, when set
    const char* document = nullptr;
};

// In tab order: down the left column, then down the right column.
const MenuButton Buttons[] = {
    {"Savings", "Planning your &Savings", 0, 1, Action::Open, WindowId::SavingsCalc,
     storedMode(SavingsMode::Planning)},
    {"Plan401", "Planning your &401(k)", 0, 2, Action::Open, WindowId::Plan401KCalc},
    {"Retirement", "Planning your &Retirement", 0, 3, Action::Open, WindowId::RetireCalc},
    {"SavComp", "Savings &Comparisons", 0, 4, Action::Open, WindowId::SavingsCalc,
     storedMode(SavingsMode::Comparisons)},
    {"CapReq", "Amount of Capital R&equired", 0, 5, Action::Open, WindowId::CapitalReqdCalc},
    {"LoanPmt", "&Payment on a Loan", 0, 6, Action::Open, WindowId::MortgageCalc, 0,
     MortgageModeFlag::Loan},
    {"Canadian", "&Mortgage", 0, 7, Action::Open, WindowId::MortgageCalc, 0,
     MortgageModeFlag::Mortgage},
    {"Ratios", "&Orvalen Menu", 1, 1, Action::Open, WindowId::Trendmenu},
    {"CompCompare", "&Find Annual Compound Growth", 1, 2, Action::Open, WindowId::FindCompoundCalc},
    {"HowGetRich", "&How to Get Rich and Stay Rich", 1, 3, Action::Help, WindowId::MenuMain, 0,
     MortgageModeFlag::Unset, "orvdat53.grs"},
    {"HowtoUse", "How to Use the &Program", 1, 4, Action::Help, WindowId::MenuMain, 0,
     MortgageModeFlag::Unset, "orvuse53.hlp"},
    {"About", "&About...", 1, 5, Action::About},
    {"PtrFnt", "Personalize &Settings", 1, 6, Action::Settings},
    {"Exit", "E&xit Program", 1, 7, Action::Exit},
};

} // namespace

MenuMain::MenuMain(QWidget* parent)
    : ChildWindow(parent), m_title(menuTitle(this, QStringLiteral("Title"))),
      m_myName(menuInfoLine(this, QStringLiteral("MyName"))) {
    theMenu = this;
    setObjectName(QStringLiteral("MenuMain"));
    resize(twipsSize(9615, 6300));

    std::vector<QWidget*> tabOrder;
    for (int i = 0; i < static_cast<int>(std::size(Buttons)); ++i) {
        const MenuButton& b = Buttons[i];
        auto* button = commandButton(this, QString::fromLatin1(b.caption),
                                     QString::fromLatin1(b.name), [this, i] { openCalculator(i); });
        button->setGeometry(menuButtonPlace(b.column, b.row));
        tabOrder.push_back(button);
    }
    tabChain(tabOrder);
    Form_Load();
}

MenuMain::~MenuMain() {
    if (theMenu == this) {
        theMenu = nullptr;
    }
}

MenuMain* MenuMain::instance() {
    return theMenu;
}

void MenuMain::Form_Load() {
    MDIContainer::setCaption(QStringLiteral(" Orvalen Menu"));
    enterProgramDirectory();
    loadSettings();
    showUserName();
    program().PaymentStartDate = Dates::toShortDate(Dates::today());
}

void MenuMain::showUserName() {
    const QString& name = program().UserName;
    setElidedText(*m_myName, name);
    m_myName->setVisible(!name.isEmpty());
}

void MenuMain::openCalculator(int buttonIndex) {
    const MenuButton& b = Buttons[buttonIndex];
    switch (b.action) {
    case Action::Open:
        // The mode flag is stored before the target loads, so its load sees it. A window not
        // built into this program leaves the menu as it is.
        if (!windows().has(b.window)) {
            return;
        }
        if (b.calcMode != 0) {
            program().CalcMode = b.calcMode;
        }
        if (b.mortgageMode != MortgageModeFlag::Unset) {
            program().MortgageMode = b.mortgageMode;
        }
        hide();
        windows().open(b.window);
        return;
    case Action::Help:
        startHelp(QString::fromLatin1(b.document));
        return;
    case Action::About:
        About_Click();
        return;
    case Action::Settings:
        PtrFnt_Click();
        return;
    case Action::Exit:
        Exit_Click();
        return;
    }
}

void MenuMain::startHelp(const QString& document) {
    switch (HelpViewer::start(document)) {
    case HelpViewer::StartResult::Started:
        return;
    case HelpViewer::StartResult::DocumentMissing:
        showMessage(Message::HelpCannotBeShown,
                    QStringLiteral("the help file %1 is missing.").arg(document));
        return;
    case HelpViewer::StartResult::ViewerMissing:
        showMessage(Message::HelpCannotBeShown,
                    QStringLiteral("the help viewer orvalen-help is missing."));
        return;
    case HelpViewer::StartResult::ViewerFailed:
        showMessage(Message::HelpCannotBeShown,
                    QStringLiteral("the help viewer could not be started."));
        return;
    }
}

void MenuMain::About_Click() {
    AboutBox about(MDIContainer::instance());
    runModal(about);
    show();
}

void MenuMain::PtrFnt_Click() {
    hide();
    ChangeFnt settings(MDIContainer::instance());
    runModal(settings);
    show();
}

void MenuMain::Exit_Click() {
    QApplication::exit(0);
}
