#pragma once
// The program's start-up, shared by main() and the start-up benchmark.

#include "shell/mdicontainer.h"

#include <memory>

// Registers every window the menu opens and every caller of the graph window.
void registerWindows();

// Names the application, registers every window the menu opens and shows the main window with
// its menu. Needs a QApplication.
std::unique_ptr<MDIContainer> startOrvalen();
