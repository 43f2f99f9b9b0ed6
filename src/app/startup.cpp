#include "app/startup.h"

#include "mortgage/mortgagecalc.h"
#include "platform/printers.h"
#include "retirement/capitalreqdcalc.h"
#include "retirement/plan401kcalc.h"
#include "retirement/retirecalc.h"
#include "savings/findcompoundcalc.h"
#include "savings/savingscalc.h"
#include "shell/graphdata.h"
#include "shell/graphsall.h"
#include "shell/windowregistry.h"
#include "trend/averatios.h"
#include "trend/dbase.h"
#include "trend/extract.h"
#include "trend/trendgraph.h"
#include "trend/trendmenu.h"

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
    windows().add(WindowId::Trendmenu, [](QWidget* parent) { return new Trendmenu(parent); });
    windows().add(WindowId::Averatios, [](QWidget* parent) { return new Averatios(parent); });
    windows().add(WindowId::Dbase, [](QWidget* parent) { return new Dbase(parent); });
    windows().add(WindowId::TrendGraph, [](QWidget* parent) { return new TrendGraph(parent); });
    windows().add(WindowId::Extract, [](QWidget* parent) { return new Extract(parent); });
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
