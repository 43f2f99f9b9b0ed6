#include "trend/trendstate.h"

#include "core/datafiles.h"
#include "core/programstate.h"

#include <QFileInfo>

namespace {
TrendState& instance() {
    static TrendState state;
    return state;
}
} // namespace

TrendState& trend() {
    return instance();
}

void resetTrend() {
    instance() = TrendState();
}

void loadTrendMenu() {
    TrendState& t = trend();
    t.TrendRecords = Table(MenuRecordCapacity + 1, 3);
    t.EarningsTable = BoundedTable<double>(MaxEarningsRows + 1, 2);
    resetTrendReportBlocks();
    t.EarningsFactor = 10.0F;
    t.DatabaseTitle.clear();
    t.TrendModified = 0;
}

void resetTrendReportBlocks() {
    program().ReportBlocks = BoundedArray<QString>(4);
}

void leaveTrendModule() {
    TrendState& t = trend();
    ProgramState& p = program();
    t.TrendRecords = Table();
    t.EarningsTable = BoundedTable<double>();
    p.ReportBlocks = BoundedArray<QString>();
    t.RecordCount = 0;
    t.EarningsCount = 0;
    p.CalcMode = 0;
    t.PeriodMode = 0;
    t.DatabaseTitle.clear();
    p.TrendFileName.clear();
}

bool unsavedRecords() {
    return trend().TrendModified == 1 && trend().RecordCount != 0;
}

QString infoLabelText(const QString& title) {
    return QStringLiteral(" File in Memory = ") + title + u' ';
}

bool infoLabelVisible(const QString& title) {
    return !title.isEmpty();
}

QString trendExportName() {
    return fileNameOf(QFileInfo(program().TrendFileName).completeBaseName(),
                      QStringLiteral("Database"));
}

Message recordsNeededMessage() {
    return trend().RecordCount == 0 ? Message::NoTrendData : Message::None;
}
