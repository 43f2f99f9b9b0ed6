#include "app/startup.h"

#include "mortgage/mortgagecalc.h"
#include "platform/printers.h"
#include "retirement/capitalreqdcalc.h"
#include "retirement/plan401kcalc.h"
#include "retirement/retirecalc.h"
#include "savings/findcompoundcalc.h"
#include "savings/savingscalc.h"
#include "shell/calculatordescriptor.h"
#include "shell/graphsall.h"
#include "shell/windowregistry.h"
#include "trend/averatios.h"
#include "trend/dbase.h"
#include "trend/extract.h"
#include "trend/trendgraph.h"
#include "trend/trendmenu.h"

#include <QApplication>

void registerWindows() {
    for (const CalculatorDescriptor& calculator :
         {MortgageCalc::descriptor(), SavingsCalc::descriptor(), FindCompoundCalc::descriptor(),
          Plan401KCalc::descriptor(), RetireCalc::descriptor(), CapitalReqdCalc::descriptor()}) {
        registerCalculator(calculator);
    }
    windows().add(WindowId::GraphsAll, [](QWidget* parent) { return new GraphsAll(parent); });
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
