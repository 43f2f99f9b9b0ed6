#include "platform/textprinter.h"

#include <QLabel>
#include <QTest>

using Pages = std::vector<QStringList>;

class TestTextPrinter : public QObject {
    Q_OBJECT
private slots:
    void tab_data();
    void tab();
    void pageNumbers();
    void trailingEmptyPageDropped_data();
    void trailingEmptyPageDropped();
    void newPageEndsTheOpenLine();
    void secondDocumentFollows();
    void fonts();
    void windowPictures();
    void linesPerPageFollowTheFont();
};

// A small script of printer operations: "p:text" print, "l" end line, "t:n" tab, "n" new page.
static void play(PrinterDevice& printer, const QStringList& script) {
    for (const QString& step : script) {
        if (step.startsWith(u"p:")) {
            printer.print(step.mid(2));
        } else if (step == u"l") {
            printer.endLine();
        } else if (step.startsWith(u"t:")) {
            printer.tab(step.mid(2).toInt());
        } else if (step == u"n") {
            printer.newPage();
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }
}

void TestTextPrinter::tab_data() {
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("pads to the column")
        << QStringList{"p:ab", "t:5", "p:x", "l"} << QStringList{"ab  x"};
    QTest::newRow("column counts from 1") << QStringList{"t:1", "p:x", "l"} << QStringList{"x"};
    QTest::newRow("tab on an empty line")
        << QStringList{"t:40", "p:Page 1", "l"} << QStringList{QString(39, u' ') + "Page 1"};
    QTest::newRow("at the column right after a text, columns never touch")
        << QStringList{"p:abcd", "t:5", "p:x", "l"} << QStringList{"abcd x"};
    QTest::newRow("at the column after a blank")
        << QStringList{"p:abc ", "t:5", "p:x", "l"} << QStringList{"abc x"};
    QTest::newRow("past the column, a text that starts with a blank needs none")
        << QStringList{"p:abcdef", "t:3", "p: x", "l"} << QStringList{"abcdef x"};
    QTest::newRow("past the column, the line grows by one blank")
        << QStringList{"p:abcdef", "t:3", "p:x", "l"} << QStringList{"abcdef x"};
    QTest::newRow("a figure wider than its column keeps the next one on its line")
        << QStringList{"t:36", "p:$1,752,581.92", "t:50", "p:x", "l"}
        << QStringList{QString(35, u' ') + "$1,752,581.92 x"};
    QTest::newRow("columns of a table row")
        << QStringList{"t:2", "p:1", "t:10", "p:2,000.00", "t:25", "p:.00", "l"}
        << QStringList{" 1       2,000.00       .00"};
    QTest::newRow("column 0 counts as 1")
        << QStringList{"p:a", "t:0", "p:b", "l"} << QStringList{"a b"};
    QTest::newRow("print continues the line")
        << QStringList{"p:Page", "p: 2", "l"} << QStringList{"Page 2"};
    QTest::newRow("empty lines") << QStringList{"l", "p:x", "l", "l"} << QStringList{"", "x", ""};
}

void TestTextPrinter::tab() {
    QFETCH(QStringList, script);
    QFETCH(QStringList, lines);
    TextPrinter printer;
    play(printer, script);
    printer.endDoc();
    QCOMPARE(printer.pages(), Pages{lines});
}

void TestTextPrinter::pageNumbers() {
    TextPrinter printer;
    QCOMPARE(printer.page(), 1);
    printer.printLine("one");
    QCOMPARE(printer.page(), 1);
    printer.newPage();
    QCOMPARE(printer.page(), 2);
    printer.printLine("two");
    printer.newPage();
    printer.printLine("three");
    QCOMPARE(printer.page(), 3);
    printer.endDoc();
    QCOMPARE(printer.pages(), (Pages{{"one"}, {"two"}, {"three"}}));
    QVERIFY(printer.ended());
}

void TestTextPrinter::trailingEmptyPageDropped_data() {
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<Pages>("pages");
    QTest::newRow("new page then end: no blank page")
        << QStringList{"p:a", "l", "n"} << Pages{{"a"}};
    QTest::newRow("open line ends on its page")
        << QStringList{"p:a", "l", "p:b"} << Pages{{"a", "b"}};
    QTest::newRow("empty line is something printed")
        << QStringList{"p:a", "l", "n", "l"} << Pages{{"a"}, {""}};
    QTest::newRow("a blank page asked for in the middle stays")
        << QStringList{"p:a", "l", "n", "n", "p:c", "l"} << Pages{{"a"}, {}, {"c"}};
    QTest::newRow("nothing printed sends nothing") << QStringList{} << Pages{};
}

void TestTextPrinter::trailingEmptyPageDropped() {
    QFETCH(QStringList, script);
    QFETCH(Pages, pages);
    TextPrinter printer;
    play(printer, script);
    printer.endDoc();
    QCOMPARE(printer.pages(), pages);
}

void TestTextPrinter::newPageEndsTheOpenLine() {
    TextPrinter printer;
    printer.print("footer");
    printer.newPage();
    printer.printLine("top");
    printer.endDoc();
    QCOMPARE(printer.pages(), (Pages{{"footer"}, {"top"}}));
}

void TestTextPrinter::secondDocumentFollows() {
    TextPrinter printer;
    printer.printLine("first");
    printer.newPage();
    printer.endDoc();
    printer.printLine("second");
    QCOMPARE(printer.page(), 1);
    QVERIFY(!printer.ended());
    printer.newPage();
    QCOMPARE(printer.page(), 2);
    printer.endDoc();
    QCOMPARE(printer.pages(), (Pages{{"first"}, {"second"}}));
}

void TestTextPrinter::fonts() {
    TextPrinter printer;
    QVERIFY(printer.setFont("Courier New", 11, false));
    QCOMPARE(printer.fontFamily(), QStringLiteral("Courier New"));
    QCOMPARE(printer.fontPoints(), 11);
    printer.failFonts(true);
    QVERIFY(!printer.setFont("Courier New", 12, true));
    QCOMPARE(printer.fontPoints(), 11);
    QCOMPARE(printer.fontBold(), false);
    printer.setStandardFont();
    QCOMPARE(printer.fontFamily(), QString());
    QCOMPARE(printer.fontPoints(), 0);
}

void TestTextPrinter::windowPictures() {
    QLabel window("Averages");
    window.resize(120, 40);
    TextPrinter printer;
    QVERIFY(printer.printWindow(window));
    QVERIFY(printer.printWindow(window));
    QCOMPARE(printer.windowPictures(), 2);
    QCOMPARE(printer.lastPicture().size() / printer.lastPicture().devicePixelRatio(),
             QSize(120, 40));
    QVERIFY(printer.pages().empty());
}

void TestTextPrinter::linesPerPageFollowTheFont() {
    TextPrinter printer;
    printer.setFont("Courier New", 10, false);
    const int ten = printer.linesPerPhysicalPage();
    printer.setFont("Courier New", 12, false);
    const int twelve = printer.linesPerPhysicalPage();
    QVERIFY2(ten > twelve, qPrintable(QStringLiteral("%1 vs %2").arg(ten).arg(twelve)));
    // The report frame counts 63 lines at 10 points and adds a three-line footer.
    QVERIFY2(ten >= 66, qPrintable(QString::number(ten)));
}

QTEST_MAIN(TestTextPrinter)
#include "tst_textprinter.moc"
