#pragma once
// A calculator described once: its name and control prefix, the window the registry knows it
// by, how the window is made, and the graphs it opens with their series. The calculator's frame
// takes its identity from here, and start-up registers every calculator from its descriptor:
// the window factory and each graph caller, which returns to the calculator's window.

#include "core/graphseries.h"
#include "core/modes.h"
#include "shell/windowregistry.h"

#include <QString>
#include <functional>
#include <vector>

struct CalculatorInfo {
    QString name;                                        // the window's name ("MortgageCalc")
    QString prefix;                                      // "M", "S", "K", "R", "C", "F"
    WindowId window = WindowId::MenuMain;                // the window the registry knows it by
    GraphCallerCode graphCaller = GraphCallerCode::None; // GraphCaller of "&Show Graph"
    QString exportName; // the name the results leave under ("Mortgage" for "Mortgage.csv")
};

// A graph the calculator opens: the GraphCaller it sets, and its series, made from what the
// calculation left when the graph window loads.
struct CalculatorGraph {
    GraphCallerCode code = GraphCallerCode::None;
    std::function<GraphSeries()> series;
};

struct CalculatorDescriptor {
    CalculatorInfo info;
    WindowRegistry::Factory make;
    std::vector<CalculatorGraph> graphs;
};

// Registers the calculator's window and its graph callers.
void registerCalculator(const CalculatorDescriptor& calculator);
