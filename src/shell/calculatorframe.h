#pragma once
// The frame every calculator window is built on.
//
// A calculator window derives from CalculatorFrame and declares what makes it itself:
//   - its descriptor (calculatordescriptor.h), whose CalculatorInfo gives its control prefix
//     ("M" names the buttons MCalc, MGraphs, MHelp, MPrinter, MExit, the grid MGrid and the
//     help box MTextBox), its window and its graph caller;
//   - its entry fields, EntryFieldDef tables bound with addEntryField(), and its option buttons
//     in options();
//   - its grid, a GridSetup given to grid()->setup();
//   - its own steps, as overrides: calculate(), helpText(), reportTitle() and printReport(),
//     releaseTables(), and where it differs clearOwnResults() and the two reset rules.
// The frame owns what every calculator shares, written once: the five standard buttons and the
// shared steps of their handlers (Calculate, Show Graph, To Printer, Quick Help, Exit to Menu),
// the results area (the grid, with the quick-help box shown in exactly its place),
// ResetResults, releasing the program-wide tables, and the exit steps. A calculator's
// documented handler names (MCalc_Click, ...) are one-line calls into these steps.
//
// Life: the window registry creates the window when the menu opens it; the calculator's
// constructor lays out its controls and runs its load steps (its tables, defaults, grid). The
// exit button releases the tables, puts the main menu back and unloads the window.

#include "core/helplayout.h"
#include "core/modes.h"
#include "shell/calculatordescriptor.h"
#include "shell/placement.h"
#include "shell/windowregistry.h"

#include <QString>
#include <initializer_list>
#include <vector>

class CommandButton;
class EntryField;
class Grid;
class OptionGroup;
class PrinterDevice;
class QComboBox;
class QLayout;
class QLineEdit;
class QStackedWidget;
class QuickHelpBox;
struct EntryFieldDef;

// In a calculator's class: the documented names of its five standard handlers (MCalc_Click,
// MGraphs_Click, MPrinter_Click, MHelp_Click, MExit_Click for prefix M), each a call into the
// frame's shared step. The calculator declares its own steps (the overrides) itself.
#define CALCULATOR_HANDLERS(P)                                                                     \
public:                                                                                            \
    void P##Calc_Click() {                                                                         \
        Calculate_Click();                                                                         \
    }                                                                                              \
    void P##Graphs_Click() {                                                                       \
        ShowGraph_Click();                                                                         \
    }                                                                                              \
    void P##Printer_Click() {                                                                      \
        ToPrinter_Click();                                                                         \
    }                                                                                              \
    void P##Help_Click() {                                                                         \
        QuickHelp_Click();                                                                         \
    }                                                                                              \
    void P##Exit_Click() {                                                                         \
        Exit_Click();                                                                              \
    }                                                                                              \
                                                                                                   \
private:

class CalculatorFrame : public ChildWindow {
    Q_OBJECT
public:
    // Clears the results: the calculator's own captions (clearOwnResults), then the body every
    // calculator shares: EditPending = 1; unless the help is shown, the help text and the
    // grid's data cells are emptied, a help closed by its button puts the grid back, and
    // HelpShown and ResultCount become 0.
    void ResetResults();

    // The shared steps of the five standard buttons.
    // "&Calculate": HelpShown = 0, ResetResults, EditPending = 0, then calculate() with the
    // busy pointer; a run-time failure shows "Wrong or missing entry, try again.".
    void Calculate_Click();
    // "&Show Graph": "No data to graph. Calculate." without results; else GraphCaller, the
    // window hides and the graph window opens.
    void ShowGraph_Click();
    // "To &Printer": the report frame (no results, header, font), then printReport().
    void ToPrinter_Click();
    // "Quick &Help": shows the help text in the grid's place, or closes it and clears the
    // results.
    void QuickHelp_Click();
    // "E&xit to Menu": releases the tables, puts the menu and its caption back, unloads.
    void Exit_Click();

protected:
    CalculatorFrame(CalculatorInfo info, QWidget* parent);

    // The calculator's own steps.
    virtual void calculate() = 0;
    virtual QString helpText() const = 0;
    virtual QString reportTitle() const = 0;
    virtual void printReport(PrinterDevice& printer) = 0;
    // Its own tables (the shared ones are released by the frame).
    virtual void releaseTables() {}
    // After its report reached the printer.
    virtual void reportPrinted() {}
    // The captions only it shows, emptied by ResetResults.
    virtual void clearOwnResults() {}
    // Whether ResetResults empties the grid and sets ResultCount to 0 (rows of comparisons
    // stay).
    virtual bool resetEmptiesGrid() const { return true; }
    virtual bool resetClearsResultCount() const { return true; }
    // The lines of helpText() that explain each entry field: shown level with the field's
    // caption. None: the help text is shown as it stands.
    virtual std::vector<FieldHelpLines> helpFields() const { return {}; }
    // The name its results leave under (the CSV file the save dialog offers): its descriptor's,
    // unless the name follows the mode.
    virtual QString exportName() const { return m_info.exportName; }
    // The GraphCaller of "&Show Graph".
    virtual GraphCallerCode graphCallerCode() const { return m_info.graphCaller; }

    CommandButton* calcButton() const { return m_calc; }
    CommandButton* graphButton() const { return m_graphs; }
    CommandButton* printerButton() const { return m_printer; }
    CommandButton* helpButton() const { return m_help; }
    CommandButton* exitButton() const { return m_exit; }
    // The five buttons in their order, for the calculator's layout.
    std::vector<CommandButton*> standardButtons() const;
    Grid* grid() const { return m_grid; }
    QuickHelpBox* helpBox() const { return m_helpBox; }
    // The grid and the help box in one place: the calculator puts this in its layout.
    QWidget* resultsArea() const;
    OptionGroup* options() const { return m_options; }

    // Binds an entry field; the first bound field is where Enter in the help box goes.
    EntryField* addEntryField(QLineEdit* box, const EntryFieldDef& field);
    EntryField* addEntryField(QComboBox* box, const EntryFieldDef& field);
    const std::vector<EntryField*>& entryFields() const { return m_fields; }

    // Shows the help text again when the help is open (the mode changed under it).
    void refreshHelp();

    // The layout every calculator window has: `fields` (its entry fields and captions) at the
    // top left, the five standard buttons with `underButtons` below them at the top right,
    // `belowTop` across the window under both, and the results area filling the rest.
    void standardLayout(QLayout* fields, std::initializer_list<QWidget*> underButtons = {},
                        QLayout* belowTop = nullptr);

private:
    EntryField* bind(EntryField* field);
    // The help text as the help box shows it.
    QString shownHelp() const;

    CalculatorInfo m_info;
    CommandButton* m_calc;
    CommandButton* m_graphs;
    CommandButton* m_help;
    CommandButton* m_printer;
    CommandButton* m_exit;
    Grid* m_grid;
    QuickHelpBox* m_helpBox;
    QStackedWidget* m_results;
    OptionGroup* m_options;
    std::vector<EntryField*> m_fields;
};
