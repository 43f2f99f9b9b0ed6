// The report frame: the header window, fonts and lines per page, page breaks with the
// footer, the end of the document.

#include "core/programstate.h"
#include "core/runtimefailure.h"
#include "platform/beep.h"
#include "platform/printers.h"
#include "platform/printlayout.h"
#include "platform/twips.h"
#include "shell/reportframe.h"
#include "support/arrivingtext.h"
#include "support/capturedprinter.h"
#include "support/modalresponder.h"
#include "support/pdfpages.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Prints `rows` numbered rows after a first-page block of `firstPageLines` counted lines.
void printRows(PrinterDevice& printer, int firstPageLines, int rows) {
    ReportPager pager(printer, {"Heading one", "Heading two"}, QStringLiteral("____"),
                      firstPageLines);
    for (int r = 1; r <= rows; ++r) {
        printer.tab(2);
        printer.printLine(QStringLiteral("row %1").arg(r));
        pager.rowPrinted();
    }
    EndReport(printer);
}

int rowsOn(const QStringList& page) {
    return static_cast<int>(std::count_if(page.begin(), page.end(), [](const QString& l) {
        return l.startsWith(QStringLiteral(" row "));
    }));
}
} // namespace

class TestReportFrame : public QObject {
    Q_OBJECT
private slots:
    void init() { resetProgram(); }

    void fonts_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("lines");
        QTest::newRow("standard font") << 0 << 0 << 53;
        QTest::newRow("10 point") << 1 << 10 << 63;
        QTest::newRow("11 point") << 2 << 11 << 56;
        QTest::newRow("12 point") << 3 << 12 << 51;
    }

    void fonts() {
        QFETCH(int, choice);
        program().PrinterFontChoice = static_cast<std::int16_t>(choice);
        TextPrinter printer;
        SetReportFont(printer);
        QTEST(int(program().LinesPerPage), "lines");
        QTEST(printer.fontPoints(), "points");
        if (choice > 0) {
            QCOMPARE(printer.fontFamily(), QStringLiteral("Courier New"));
        }
    }

    void fontFailureFallsBackTo53Lines() {
        program().PrinterFontChoice = 1;
        TextPrinter printer;
        printer.failFonts(true);
        SetReportFont(printer);
        QCOMPARE(int(program().LinesPerPage), 53);
    }

    // Rows per page follow the counter: from the first-page count up to LinesPerPage, then
    // from 7 after every break.
    void pageBreaks_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("firstPageLines");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("rowsPerPage");
        QTest::newRow("53 lines, 300 rows")
            << 0 << 24 << 300 << QList<int>{29, 46, 46, 46, 46, 46, 41};
        QTest::newRow("63 lines") << 1 << 24 << 100 << QList<int>{39, 56, 5};
        QTest::newRow("fits one page") << 0 << 24 << 10 << QList<int>{10};
        // The break after the last row still starts a page with the headings.
        QTest::newRow("exactly fills the first page") << 0 << 24 << 29 << QList<int>{29, 0};
    }

    void pageBreaks() {
        QFETCH(int, choice);
        QFETCH(int, firstPageLines);
        QFETCH(int, rows);
        QFETCH(QList<int>, rowsPerPage);
        program().PrinterFontChoice = static_cast<std::int16_t>(choice);
        TextPrinter printer;
        SetReportFont(printer);
        printRows(printer, firstPageLines, rows);
        QList<int> counted;
        for (const QStringList& page : printer.pages()) {
            counted << rowsOn(page);
        }
        QCOMPARE(counted, rowsPerPage);
        // Every page but the last ends with the footer at column 40; the last has none.
        for (std::size_t i = 0; i < printer.pages().size(); ++i) {
            const QStringList& page = printer.pages()[i];
            const bool last = i + 1 == printer.pages().size();
            const QString footer =
                QString(39, QLatin1Char(' ')) + QStringLiteral("Page %1").arg(i + 1);
            QCOMPARE(page.contains(footer), !last);
        }
    }

    void repeatedHeadingsAfterABreak() {
        TextPrinter printer;
        SetReportFont(printer);
        printRows(printer, 52, 2);
        QCOMPARE(printer.pages().size(), std::size_t(2));
        const QStringList& second = printer.pages()[1];
        QCOMPARE(second.mid(0, 6),
                 (QStringList{"", "", " Heading one", " Heading two", " ____", ""}));
        const QStringList& first = printer.pages()[0];
        QCOMPARE(first.mid(first.size() - 3),
                 (QStringList{"", "", QString(39, QLatin1Char(' ')) + "Page 1"}));
    }

    // A report may start its later pages with more empty lines and count them differently.
    void pageRestart() {
        TextPrinter printer;
        SetReportFont(printer);
        ReportPager pager(printer, {"Heading"}, QStringLiteral("____"), 52, PageRestart{3, 6});
        for (int r = 1; r <= 50; ++r) {
            printer.tab(2);
            printer.printLine(QStringLiteral("row %1").arg(r));
            pager.rowPrinted();
        }
        EndReport(printer);
        QList<int> counted;
        for (const QStringList& page : printer.pages()) {
            counted << rowsOn(page);
        }
        QCOMPARE(counted, (QList<int>{1, 47, 2}));
        QCOMPARE(printer.pages()[1].mid(0, 8),
                 (QStringList{"", "", "", "", " Heading", " ____", "", " row 2"}));
    }

    // Entries kept for a report (lines up to a rule and the empty lines after it) never split
    // across pages: on paper of 16 lines (13 before the footer) the third entry of 4 lines
    // would end on line 14, so it starts the next page under the headings.
    void entriesStayWhole() {
        struct ShortPaper : TextPrinter {
            int linesPerPhysicalPage() const override { return 16; }
        } printer;
        QString entries;
        for (int e = 1; e <= 4; ++e) {
            entries += QStringLiteral("\r\n entry %1\r\n figures\r\n ____ \r\n").arg(e);
        }
        ReportPager pager(printer, {"Heading"}, QStringLiteral("____"), 2, PageRestart{1, 5});
        pager.printEntries(entries);
        EndReport(printer);
        QCOMPARE(printer.pages().size(), std::size_t(2));
        const QStringList first = printer.pages()[0];
        QCOMPARE(first.mid(0, 5), (QStringList{"", " entry 1", " figures", " ____ ", ""}));
        QVERIFY(first.contains(" entry 2"));
        QVERIFY(!first.contains(" entry 3"));
        QCOMPARE(first.back(), QString(39, u' ') + "Page 1");
        QCOMPARE(printer.pages()[1].mid(0, 8),
                 (QStringList{"", "", " Heading", " ____", "", " entry 3", " figures", " ____ "}));
    }

    void textBlocks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF line ends, an empty line") << "a\r\n b\r\n\r\n"
                                                        << QStringList{"a", " b", ""};
        QTest::newRow("LF line ends") << "a\nb\n" << QStringList{"a", "b"};
        QTest::newRow("last line without a line end") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("starts with a line end") << "\r\nx\r\n" << QStringList{"", "x"};
        QTest::newRow("empty text prints nothing") << "" << QStringList{};
    }

    void textBlocks() {
        QFETCH(QString, text);
        TextPrinter printer;
        printTextBlock(printer, text);
        printer.endDoc();
        QStringList printed;
        for (const QStringList& page : printer.pages()) {
            printed << page;
        }
        QTEST(printed, "lines");
    }

    // Lines kept to print later lay out their figures as the printer does: right-aligned in
    // their widths, never cut, never touching, back in their places where the line has room.
    void reportLines_data() {
        QTest::addColumn<QStringList>("figures"); // "width:text"
        QTest::addColumn<QString>("line");
        QTest::newRow("figures that fit")
            << QStringList{"3:25", "12:1,200.00", "8:20.00%"} << " 25    1,200.00  20.00%";
        QTest::newRow("a figure that fills its width keeps a blank before it")
            << QStringList{"3:25", "12:1,000,000.00", "8:20.00%"} << " 25 1,000,000.00 20.00%";
        QTest::newRow("a wider figure grows the line, the next goes back to its place")
            << QStringList{"3:25", "12:10,000,000.00", "12:1,000,000.00", "8:20.00%"}
            << " 25 10,000,000.00 1,000,000.00 20.00%";
        QTest::newRow("two wide figures in a row") << QStringList{"2:100", "2:200"} << "100 200";
        QTest::newRow("gaps keep their blanks")
            << QStringList{"5:50", "g:6", "14:EU1.00"} << "   50              EU1.00";
        QTest::newRow("an empty figure keeps its width") << QStringList{"3:", "4:7"} << "      7";
    }

    void reportLines() {
        QFETCH(QStringList, figures);
        ReportLine line;
        for (const QString& f : figures) {
            const QString width = f.section(u':', 0, 0);
            if (width == QStringLiteral("g")) {
                line.gap(f.section(u':', 1).toInt());
            } else {
                line.figure(f.section(u':', 1), width.toInt());
            }
        }
        QTEST(line.text(), "line");
    }

    // A report or a window's picture that did not reach the printer answers false. Either is
    // printed again by a printer that works.
    void printoutsThatFail() {
        ModalGuard guard;
        CapturedPrinter captured;
        captured.printer().failDocuments(true);
        program().ResultCount = 1;
        const auto body = [](PrinterDevice& printer) {
            printer.printLine(QStringLiteral("Total:"));
            EndReport(printer);
        };
        respondType(QStringLiteral("InFName"), QStringLiteral("Budget"), QStringLiteral("Acept"));
        QVERIFY(!printReport(QStringLiteral("Test"), body));
        QLabel window(QStringLiteral("Averages"));
        QVERIFY(!printWindowPicture(window, QSize(200, 100), QStringLiteral("Averages")));

        captured.printer().failDocuments(false);
        respondType(QStringLiteral("InFName"), QStringLiteral("Budget"), QStringLiteral("Acept"));
        QVERIFY(printReport(QStringLiteral("Test"), body));
        QVERIFY(printWindowPicture(window, QSize(200, 100), QStringLiteral("Averages")));
        QCOMPARE(captured.opened(), 4);
        QCOMPARE(captured.printer().windowPictures(), 2);
        QCOMPARE(guard.pending(), 0);
    }

    // The picture is taken at the printing size in the printing look; on every path the window
    // comes back to its own look, its place and its size, and any failure is only "not
    // printed".
    void windowPictureBringsTheWindowBack_data() {
        QTest::addColumn<bool>("printerWorks");
        QTest::addColumn<bool>("lookFails");
        QTest::addColumn<int>("pictures");
        QTest::addColumn<bool>("printed");
        QTest::newRow("printed") << true << false << 1 << true;
        QTest::newRow("printer fails") << false << false << 1 << false;
        QTest::newRow("failure before the picture") << true << true << 0 << false;
    }

    void windowPictureBringsTheWindowBack() {
        QFETCH(bool, printerWorks);
        QFETCH(bool, lookFails);
        CapturedPrinter captured;
        captured.printer().failDocuments(!printerWorks);
        QWidget window;
        window.setAutoFillBackground(true);
        window.resize(300, 200);
        window.move(50, 40);
        QList<bool> looks;
        const auto look = [&](bool printing) {
            looks << printing;
            QPalette palette = window.palette();
            palette.setColor(QPalette::Window, printing ? Qt::cyan : Qt::white);
            window.setPalette(palette);
            if (printing && lookFails) {
                throw RunTimeFailure("the look could not be set");
            }
        };
        const QSize printSize(240, 120);
        QTEST(printWindowPicture(window, printSize, QStringLiteral("Averages"), look), "printed");
        QTEST(captured.printer().windowPictures(), "pictures");
        if (captured.printer().windowPictures() > 0) {
            const QImage picture = captured.printer().lastPicture();
            QCOMPARE(picture.size() / picture.devicePixelRatio(), printSize);
            QCOMPARE(picture.pixelColor(2, 2), QColor(Qt::cyan));
        }
        QCOMPARE(looks, (QList<bool>{true, false}));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(window.size(), QSize(300, 200));
        QCOMPARE(window.pos(), twipsPoint(-60, -30));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // Where a printer is installed, the print dialog follows the header window: the report
    // goes where the user chose it, only the pages of the range chosen are printed, and Cancel
    // prints nothing, as the header's Cancel does. (The system's own dialog stands in the
    // test's place; the report is printed by the system printer, to a PDF file.)
    void printDialogChoosesWhatIsPrinted_data() {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("pages");
        QTest::addColumn<bool>("printed");
        QTest::newRow("every page") << true << 0 << 0 << 3 << true;
        QTest::newRow("pages 2 to 3") << true << 2 << 3 << 2 << true;
        QTest::newRow("the last page only") << true << 3 << 3 << 1 << true;
        QTest::newRow("pages 2 to 9 of 3") << true << 2 << 9 << 2 << true;
        QTest::newRow("a range past the last page: no paper") << true << 5 << 6 << -1 << true;
        QTest::newRow("cancelled: nothing") << false << 0 << 0 << -1 << false;
    }

    void printDialogChoosesWhatIsPrinted() {
        QFETCH(bool, accept);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, pages);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chosen.pdf"));
        QString told;
        Printers::setPdfNotifier([&](const QString& written) { told = written; });
        QStringList asked;
        Printers::setPrintDialog([&](QPrinter& printer) {
            asked << printer.docName();
            printer.setOutputFileName(path);
            if (from > 0) {
                printer.setPrintRange(QPrinter::PageRange);
                printer.setFromTo(from, to);
            }
            return accept;
        });
        const auto restore = qScopeGuard([] {
            Printers::setPrintDialog({});
            Printers::setPdfNotifier({});
        });
        ModalGuard guard;
        program().ResultCount = 1;
        program().PrinterFontChoice = 0;
        respondType(QStringLiteral("InFName"), QStringLiteral("Budget"), QStringLiteral("Acept"));
        const bool printed = printReport(QStringLiteral(" Schedule"), [&](PrinterDevice& printer) {
            // Three pages of the page frame: 53 lines each.
            printRows(printer, 1, 140);
        });
        QTEST(printed, "printed");
        QCOMPARE(asked, QStringList{"Schedule"});
        QCOMPARE(guard.pending(), 0);
        QTEST(pdfPages(path), "pages");
        QCOMPARE(told, pages > 0 ? path : QString());
    }

    void noResultsRefusesToPrint() {
        ModalGuard guard;
        CapturedPrinter captured;
        respondClick(QStringLiteral("AMsgExit"));
        QVERIFY(startReport(QStringLiteral("Test")) == nullptr);
        QCOMPARE(shownDialogs().size(), std::size_t(1));
        QCOMPARE(captured.opened(), 0);
    }

    // A window the user dismissed prints nothing, whatever header an earlier printout had,
    // and leaves that header as it was.
    void dismissedHeaderWindowPrintsNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "cancel";
        QTest::newRow("close box") << "close";
        QTest::newRow("Escape") << "escape";
    }

    void dismissedHeaderWindowPrintsNothing() {
        QFETCH(QString, how);
        ModalGuard guard;
        CapturedPrinter captured;
        program().ResultCount = 5;
        program().ReportHeader = QStringLiteral("Earlier header");
        for (int i = 0; i < 2; ++i) {
            if (how == QStringLiteral("cancel")) {
                respondType(QStringLiteral("InFName"), QStringLiteral("New header"),
                            QStringLiteral("NAcept"));
            } else if (how == QStringLiteral("close")) {
                respondClose();
            } else {
                respondWith([](QDialog& dialog) {
                    auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("InFName"));
                    box->setFocus();
                    QTest::keyClicks(box, QStringLiteral("New header"));
                    QTest::keyClick(box, Qt::Key_Escape);
                    QVERIFY(!dialog.isVisible());
                });
            }
        }
        QVERIFY(!AskReportHeader().has_value());
        QCOMPARE(program().ReportHeader, QStringLiteral("Earlier header"));
        QVERIFY(startReport(QStringLiteral("Test")) == nullptr);
        QCOMPARE(captured.opened(), 0);
        QCOMPARE(guard.pending(), 0);
    }

    void headerAtColumnTwo_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::newRow("typed header") << "Smith \"family\" budget"
                                      << " Smith family budget";
        QTest::newRow("empty header") << ""
                                      << " ";
        QTest::newRow("a header of exactly 1") << "1"
                                               << " 1";
    }

    void headerAtColumnTwo() {
        QFETCH(QString, typed);
        ModalGuard guard;
        CapturedPrinter captured;
        program().ResultCount = 1;
        respondType(QStringLiteral("InFName"), typed, QStringLiteral("Acept"));
        {
            auto printer = startReport(QStringLiteral("Test"));
            QVERIFY(printer != nullptr);
            EndReport(*printer);
        }
        QCOMPARE(captured.opened(), 1);
        QCOMPARE(captured.lines().value(0), QString());
        QTEST(captured.lines().value(1), "line");
        QCOMPARE(program().ReportHeader, typed.remove(u'"'));
    }

    // The header box holds what a line of the report font holds after column 2, so a long
    // header stays on the page; the smaller the font, the longer the header.
    void longHeaderStaysOnThePage_data() {
        QTest::addColumn<int>("choice");
        QTest::newRow("standard font") << 0;
        QTest::newRow("10 point") << 1;
        QTest::newRow("12 point") << 3;
    }

    void longHeaderStaysOnThePage() {
        QFETCH(int, choice);
        program().PrinterFontChoice = static_cast<std::int16_t>(choice);
        const int length = reportHeaderLength();
        const QFont font = choice == 0 ? PrintLayout::standardFont()
                                       : PrintLayout::reportFont(QStringLiteral("Courier New"),
                                                                 choice == 1 ? 10 : 12, false);
        const qreal pageWidth = PrintLayout::printableWidth(PrintLayout::defaultPaper());
        // Column 1 and the header fit; one more character would not.
        const qreal column = PrintLayout::measure(font).charWidth;
        QVERIFY((length + 1) * column <= pageWidth);
        QVERIFY((length + 2) * column > pageWidth);
        QVERIFY(length > 60);

        ModalGuard guard;
        CapturedPrinter captured;
        program().ResultCount = 1;
        const QString typed = QString(length + 20, QLatin1Char('x'));
        respondType(QStringLiteral("InFName"), typed, QStringLiteral("Acept"));
        {
            auto printer = startReport(QStringLiteral("Test"));
            QVERIFY(printer != nullptr);
            EndReport(*printer);
        }
        QCOMPARE(captured.lines().value(1), QLatin1Char(' ') + typed.left(length));
    }

    // The header is one line without double quotes whatever way its text comes: such a
    // text is refused with the beep, and the header typed before it prints.
    void headerKeepsToOneLine_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        for (const char* path : ArrivalPaths) {
            QTest::addRow("%s, quote", path) << path << "\"x\"";
            QTest::addRow("%s, line break", path) << path << "\r\nx";
            QTest::addRow("%s, tab", path) << path << "\tx";
        }
    }

    void headerKeepsToOneLine() {
        QFETCH(QString, path);
        QFETCH(QString, text);
        int beeps = 0;
        platform::setBeepHandler([&] { ++beeps; });
        ModalGuard guard;
        CapturedPrinter captured;
        program().ResultCount = 1;
        respondWith([&](QDialog& dialog) {
            auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("InFName"));
            box->setFocus();
            QTest::keyClicks(box, QStringLiteral("Budget"));
            dialog.findChild<QWidget*>(QStringLiteral("Acept"))->setFocus();
            putArrivingText(box, path, text);
            QCOMPARE(box->text(), QStringLiteral("Budget"));
            clickResponder(QStringLiteral("Acept"))(dialog);
        });
        {
            auto printer = startReport(QStringLiteral("Test"));
            QVERIFY(printer != nullptr);
            EndReport(*printer);
        }
        platform::setBeepHandler({});
        QCOMPARE(beeps, 1);
        QCOMPARE(captured.lines().value(1), QStringLiteral(" Budget"));
    }

    void headerLengthFollowsTheFont() {
        program().PrinterFontChoice = 1;
        const int ten = reportHeaderLength();
        program().PrinterFontChoice = 3;
        QVERIFY(reportHeaderLength() < ten);
    }
};

QTEST_MAIN(TestReportFrame)
#include "tst_reportframe.moc"
