#include "app/startup.h"

#include "mortgage/mortgagecalc.h"
#include "platform/printerdevice.h"
#include "savings/findcompoundcalc.h"
#include "savings/savingscalc.h"
#include "retirement/capitalreqdcalc.h"
#include "retirement/plan401kcalc.h"
#include "retirement/retirecalc.h"
#include "shell/graphdata.h"
#include "shell/graphsall.h"
#include "shell/windowregistry.h"

#include <QApplication>

void registerWindows() {
    windows().add(WindowId::MortgageCalc, [](QWidget* parent) { return new MortgageCalc(parent); });
    windows().add(WindowId::SavingsCalc, [](QWidget* parent) { return new SavingsCalc(parent); });
    windows().add(WindowId::FindCompoundCalc,
                  [](QWidget* parent) { return new FindCompoundCalc(parent); });
    windows().add(WindowId::GraphsAll, [](QWidget* parent) { return new GraphsAll(parent); });
    registerGraphCaller(GraphCallerCode::Mortgage, MortgageCalc::graphCallerInfo());
    registerGraphCaller(GraphCallerCode::Savings, SavingsCalc::graphCallerInfo());
    registerGraphCaller(GraphCallerCode::CompoundGrowth, FindCompoundCalc::graphCallerInfo());
    windows().add(WindowId::Plan401KCalc, [](QWidget* parent) { return new Plan401KCalc(parent); });
    windows().add(WindowId::RetireCalc, [](QWidget* parent) { return new RetireCalc(parent); });
    windows().add(WindowId::CapitalReqdCalc,
                  [](QWidget* parent) { return new CapitalReqdCalc(parent); });
    registerGraphCaller(GraphCallerCode::Plan401K, Plan401KCalc::graphCallerInfo());
    for (GraphCallerCode code :
         {GraphCallerCode::RetirementEndOfYear, GraphCallerCode::RetirementStartOfYear}) {
        registerGraphCaller(code, RetireCalc::graphCallerInfo(code));
    }
    registerGraphCaller(GraphCallerCode::CapitalRequired, CapitalReqdCalc::graphCallerInfo());
}

std::unique_ptr<MDIContainer> startOrvalen() {
    QApplication::setApplicationName(QStringLiteral("Orvalen"));
    QApplication::setApplicationVersion(QStringLiteral("5.3"));
    registerWindows();
    auto mainWindow = std::make_unique<MDIContainer>();
    MDIContainer* shown = mainWindow.get();
    Printers::setPdfNotifier([shown](const QString& path) { shown->showPrintoutPath(path); });
    mainWindow->show();
    return mainWindow;
}
