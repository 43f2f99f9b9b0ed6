#pragma once
// The printer as reports see it: a page device with a text cursor. Reports print lines of text
// in a fixed-pitch font at character columns. The devices themselves (the system printer, the
// text printer of the tests) are adapters of the platform.

#include <QChar>
#include <QString>
#include <algorithm>

// The column where a text beginning with `first`, meant to start at `column`, starts on a line
// whose next free column is `next` and whose last character is `last` (null characters for an
// empty line or text). A figure wider than its column pushes the rest of the line right: the
// line grows, no figure is cut, and two texts never touch where a column begins.
inline int columnStart(int next, int column, QChar last, QChar first) {
    column = std::max(1, column);
    if (next < column) {
        return column;
    }
    const auto isText = [](QChar c) { return !c.isNull() && c != u' '; };
    return isText(last) && isText(first) ? next + 1 : next;
}

class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;

    // Prints `text` at the current column and ends the line.
    void printLine(const QString& text = {}) {
        print(text);
        endLine();
    }
    // Prints `text` from character column `column`; the next print continues on the same line.
    void printAt(int column, const QString& text) {
        tab(column);
        print(text);
    }
    // Prints `text` from character column `column` and ends the line.
    void printLineAt(int column, const QString& text) {
        tab(column);
        printLine(text);
    }
    // Prints a figure right-aligned in the `width` characters from column `column`. A wider
    // figure is printed whole and the line grows (see columnStart).
    void printFigureAt(int column, int width, const QString& figure) {
        tab(column + std::max(0, width - static_cast<int>(figure.size())));
        print(figure);
    }
    // Prints `text` at the current column; the next print continues on the same line.
    virtual void print(const QString& text) = 0;
    virtual void endLine() = 0;
    // Moves to character column `column` (counted from 1) for the next print, or to where
    // columnStart() puts that print on a line that already reaches the column.
    virtual void tab(int column) = 0;
    // 1 on the first page, one more after each new page.
    virtual int page() const = 0;
    virtual void newPage() = 0;
    // Ends the document and sends it to the printer; a trailing page holding nothing is not
    // printed. False when the document did not reach the printer (none could be opened, the
    // file it goes to could not be written): nothing of it was printed. A document that
    // printed nothing sends nothing, and that is no failure.
    bool endDoc() {
        m_notSent = !sendDocument();
        return !m_notSent;
    }
    // Whether the document ended last did not reach the printer.
    bool notSent() const { return m_notSent; }
    // Sets the font for what follows. False when the font cannot be set.
    virtual bool setFont(const QString& family, int points, bool bold) = 0;
    // Goes back to the printer's standard font (the system's fixed-pitch font).
    virtual void setStandardFont() = 0;
    // How many lines of the current font fit the printable height of a page.
    virtual int linesPerPhysicalPage() const = 0;

protected:
    // endDoc() of the device: returns whether the document reached the printer.
    virtual bool sendDocument() = 0;

private:
    bool m_notSent = false;
};
