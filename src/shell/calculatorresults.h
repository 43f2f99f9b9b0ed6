#pragma once
// What every calculator window does with its results area: the shared body of ResetResults
// and the "Quick &Help" toggle that swaps the results grid for the read-only help text.

#include <QPlainTextEdit>
#include <QString>
#include <functional>

class Grid;
class QPushButton;

// The read-only quick-help text box: every key is dropped; Enter moves the focus to the
// calculator's first entry field, any other key beeps.
class QuickHelpBox : public QPlainTextEdit {
    Q_OBJECT
public:
    QuickHelpBox(const QString& name, QWidget* parent);
    void setFirstField(QWidget* field) { m_firstField = field; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* m_firstField = nullptr;
};

struct ResultsControls {
    QuickHelpBox* helpBox = nullptr;
    Grid* grid = nullptr;
    QPushButton* helpButton = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* graphButton = nullptr;
};

// The body of ResetResults every calculator shares: EditPending = 1; unless the help is shown,
// the help text and the grid's data cells are emptied, a closed help puts the grid back, and
// HelpShown and ResultCount become 0.
void resetResultsArea(const ResultsControls& controls);

// "Quick &Help": toggles HelpShown. Closing the help runs `resetResults` (the calculator's own
// ResetResults, which brings the grid back and clears the results); opening it disables
// printing and graphing, hides the grid and shows `helpText` in the help box with the focus.
void toggleQuickHelp(const ResultsControls& controls, const QString& helpText,
                     const std::function<void()>& resetResults);
