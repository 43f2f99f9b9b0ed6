#pragma once
// The main window. It holds the main menu and, one at a time, the calculators and the trend
// module's windows, as child windows of its client area.

#include <QMainWindow>

class QLabel;

class MDIContainer : public QMainWindow {
    Q_OBJECT
public:
    MDIContainer();
    ~MDIContainer() override;

    // The one main window of the program, or nullptr before it exists.
    static MDIContainer* instance();

    // The area child windows are placed in.
    QWidget* clientArea() const { return m_client; }

    // Shows where a printout went when it was written to a file.
    void showPrintoutPath(const QString& path);
    // Says that the printout `documentName` did not reach the printer.
    void showNotPrinted(const QString& documentName);
    // Shows where results that left the program were saved.
    void showSavedPath(const QString& path);

    // The main window's caption; nothing happens before the main window exists.
    static void setCaption(const QString& caption);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The close box: every window loaded in the client area is asked first, and one that
    // refuses to close (the Quantrel menu keeping unsaved records) keeps the program open.
    void closeEvent(QCloseEvent* event) override;

private:
    void MDIForm_Resize();

    QWidget* m_client;
};
