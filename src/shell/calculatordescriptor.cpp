#include "shell/calculatordescriptor.h"

#include "shell/graphdata.h"

void registerCalculator(const CalculatorDescriptor& calculator) {
    windows().add(calculator.info.window, calculator.make);
    for (const CalculatorGraph& graph : calculator.graphs) {
        registerGraphCaller(graph.code, {.window = calculator.info.window, .series = graph.series});
    }
}
