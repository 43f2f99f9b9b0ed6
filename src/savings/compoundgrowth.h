#pragma once
// The annual compound growth finder: an investment bought for a cost C is worth V after T
// years; at what annual rate g did it compound, and what is the total gain or loss q? Each
// calculation appends one investment, up to 22.
//
// compoundRefusal() decides whether a calculation may run; calculateCompound() computes and
// formats everything and raises RunTimeFailure on any failure, before anything is stored;
// publishCompound() (savingsstate.h) then stores investment i: GraphValues(i, 5) = 100 g (percent,
// rounded to currency), GraphLabels(i, 0) = the name, its report lines appended to ReportBlocks(1)
// (investments 1..12) or (2) (13..22), InvestmentCount and ResultCount = i, and GraphTitle
// "Annual compound growth comparisons", the title the graph window shows for these rows.

#include "core/currency.h"
#include "core/gridsetup.h"
#include "core/messages.h"

#include <QString>
#include <QStringList>
#include <cstdint>

struct CompoundInputs {
    Currency C;                       // EntryValues(1): cost
    Currency V;                       // EntryValues(2): value now or in the future
    Currency T;                       // EntryValues(3): years
    QString name;                     // NamInv's text
    std::int16_t ResultCount = 0;     // investments calculated so far
    std::int16_t InvestmentCount = 0; // investment rows in the grid
    QString CurrencySymbol;

    static CompoundInputs fromState(const QString& name);
};

// The message that refuses the calculation, checked in this order: FiftyYearsLimit for T of 51
// or more, WrongEntry when C, V or T is 0, TwentyTwoEntriesLimit for a 23rd investment; None
// when it may run.
Message compoundRefusal(const CompoundInputs& inputs);

struct CompoundResult {
    std::int16_t investment = 0; // i: the investment's number (ResultCount after it)
    std::int16_t row = 0;        // the grid row (InvestmentCount after it)
    double g = 0.0;              // annual compound growth rate, a fraction
    double q = 0.0;              // total gain or loss, a fraction
    Currency graphValue;         // 100 g rounded to currency
    QString name;
    QStringList gridRow; // the six texts of grid row i
    QString reportLines; // the lines appended to the report block (CR LF line ends)
};

CompoundResult calculateCompound(const CompoundInputs& inputs);

// The grid at load: 6 columns, 24 rows (the heading and 23 data rows), columns 0 and 1 centred,
// the others right-aligned.
GridSetup compoundGridSetup();

// What the grid shows after a calculation: before the first investment row the grid gets 24
// rows and its data cells are emptied; then the result's row gets its six texts.
struct CompoundGridUpdate {
    bool emptyData = false;
    int rows = 24;
    GridBlock block;
};
CompoundGridUpdate compoundGridUpdate(const CompoundResult& result);

// " Find Annual Compound Growth".
QString compoundWindowCaption();
// "Annual compound growth comparisons".
QString compoundGraphTitle();
// The vertical axis of its graph: the growth rates in percent.
QString compoundAxisTitle();
