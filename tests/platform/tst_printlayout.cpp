#include "platform/printlayout.h"
#include "platform/systemprinter.h"
#include "platform/textprinter.h"
#include "support/pdfpages.h"

#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestPrintLayout : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase();
    void reportFontsFitThePage_data();
    void reportFontsFitThePage();
    void systemPrinterAgreesWithTheLayout();
    void pdfHasThePagesPrinted_data();
    void pdfHasThePagesPrinted();
    void fullPageRunsOverToTheNext();
    void windowPictureOnOnePage();
    void unwritableFileIsNotPrinted_data();
    void unwritableFileIsNotPrinted();
    void printoutNames_data();
    void printoutNames();
    void factoryReplacesThePrinter();
};

void TestPrintLayout::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void TestPrintLayout::reportFontsFitThePage_data() {
    QTest::addColumn<QString>("family"); // empty = the printer's standard font
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("counted");
    QTest::addColumn<QPageSize>("paper");
    const QPageSize a4(QPageSize::A4);
    const QPageSize letter(QPageSize::Letter);
    QTest::newRow("Courier New 10 on A4") << "Courier New" << 10 << 63 << a4;
    QTest::newRow("Courier New 11 on A4") << "Courier New" << 11 << 56 << a4;
    QTest::newRow("Courier New 12 on A4") << "Courier New" << 12 << 51 << a4;
    QTest::newRow("standard font on A4") << "" << 0 << 53 << a4;
    QTest::newRow("Courier New 10 on Letter") << "Courier New" << 10 << 63 << letter;
    QTest::newRow("Courier New 11 on Letter") << "Courier New" << 11 << 56 << letter;
    QTest::newRow("Courier New 12 on Letter") << "Courier New" << 12 << 51 << letter;
    QTest::newRow("standard font on Letter") << "" << 0 << 53 << letter;
}

// A report page holds its counted lines and then the footer: two empty lines and the page
// number.
void TestPrintLayout::reportFontsFitThePage() {
    QFETCH(QString, family);
    QFETCH(int, points);
    QFETCH(int, counted);
    QFETCH(QPageSize, paper);
    const QFont font = family.isEmpty() ? PrintLayout::standardFont()
                                        : PrintLayout::reportFont(family, points, false);
    const int fit = PrintLayout::linesThatFit(font, PrintLayout::printableHeight(paper));
    qInfo("%s %g pt (%s): %d lines fit, %d needed", qPrintable(QFontInfo(font).family()),
          font.pointSizeF(), qPrintable(paper.name()), fit, counted + 3);
    QVERIFY2(fit >= counted + 3, qPrintable(QStringLiteral("%1 lines fit").arg(fit)));
}

void TestPrintLayout::systemPrinterAgreesWithTheLayout() {
    auto printer = SystemPrinter::toPdfFile("layout", m_dir.filePath("layout.pdf"));
    const qreal height = PrintLayout::printableHeight(PrintLayout::defaultPaper());
    for (int points : {10, 11, 12}) {
        QVERIFY(printer->setFont("Courier New", points, false));
        QCOMPARE(printer->linesPerPhysicalPage(),
                 PrintLayout::linesThatFit(PrintLayout::reportFont("Courier New", points, false),
                                           height));
    }
    printer->setStandardFont();
    QCOMPARE(printer->linesPerPhysicalPage(),
             PrintLayout::linesThatFit(PrintLayout::standardFont(), height));
    TextPrinter text;
    text.setFont("Courier New", 10, false);
    printer->setFont("Courier New", 10, false);
    QCOMPARE(text.linesPerPhysicalPage(), printer->linesPerPhysicalPage());
}

void TestPrintLayout::pdfHasThePagesPrinted_data() {
    QTest::addColumn<int>("pagesPrinted");
    QTest::addColumn<bool>("newPageAtEnd");
    QTest::newRow("one page") << 1 << false;
    QTest::newRow("three pages ended by a new page") << 3 << true;
}

void TestPrintLayout::pdfHasThePagesPrinted() {
    QFETCH(int, pagesPrinted);
    QFETCH(bool, newPageAtEnd);
    const QString path = m_dir.filePath(QStringLiteral("pages%1.pdf").arg(pagesPrinted));
    QString told;
    auto printer = SystemPrinter::toPdfFile("pages", path, [&](const QString& p) { told = p; });
    printer->setFont("Courier New", 10, false);
    for (int p = 1; p <= pagesPrinted; ++p) {
        QCOMPARE(printer->page(), p);
        printer->printLine(QStringLiteral("Page %1").arg(p));
        if (p < pagesPrinted || newPageAtEnd) {
            printer->newPage();
        }
    }
    QVERIFY(told.isEmpty());
    QVERIFY(printer->endDoc());
    QCOMPARE(told, path);
    QCOMPARE(pdfPages(path), pagesPrinted);
}

void TestPrintLayout::fullPageRunsOverToTheNext() {
    const QString path = m_dir.filePath("full.pdf");
    auto printer = SystemPrinter::toPdfFile("full", path);
    printer->setFont("Courier New", 10, false);
    const int lines = printer->linesPerPhysicalPage();
    for (int i = 0; i < lines; ++i) {
        printer->printLine(QString::number(i + 1));
    }
    QCOMPARE(printer->page(), 1);
    // A page filled to its last line, then a page asked for: no blank page between.
    printer->newPage();
    printer->printLine("next");
    QCOMPARE(printer->page(), 2);
    printer->printLine("more");
    for (int i = 0; i < lines; ++i) {
        printer->printLine("overflow");
    }
    QCOMPARE(printer->page(), 3);
    printer->endDoc();
    QCOMPARE(pdfPages(path), 3);
}

void TestPrintLayout::windowPictureOnOnePage() {
    const QString path = m_dir.filePath("window.pdf");
    QLabel window("Averages and Ratios");
    window.resize(640, 480);
    auto printer = SystemPrinter::toPdfFile("window", path);
    QVERIFY(printer->printWindow(window));
    QVERIFY(printer->endDoc());
    QCOMPARE(pdfPages(path), 1);
}

// A printout whose file cannot be written (no printer, and a folder that cannot be made) says
// so at its end, and no file is announced; a document that printed nothing sends nothing.
void TestPrintLayout::unwritableFileIsNotPrinted_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("sent");
    QTest::newRow("lines") << "lines" << false;
    QTest::newRow("window picture") << "picture" << false;
    QTest::newRow("nothing printed") << "nothing" << true;
}

void TestPrintLayout::unwritableFileIsNotPrinted() {
    QFETCH(QString, what);
    const QString path = m_dir.filePath(QStringLiteral("file-not-folder/printout.pdf"));
    QFile blocker(m_dir.filePath(QStringLiteral("file-not-folder")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString told;
    auto printer = SystemPrinter::toPdfFile("failing", path, [&](const QString& p) { told = p; });
    if (what == QStringLiteral("lines")) {
        printer->printLine(QStringLiteral("Total:"));
        printer->newPage();
        printer->printLine(QStringLiteral("Page 2"));
    } else if (what == QStringLiteral("picture")) {
        QLabel window(QStringLiteral("Graph"));
        window.resize(320, 240);
        QVERIFY(!printer->printWindow(window));
    }
    QTEST(printer->endDoc(), "sent");
    QTEST(!printer->notSent(), "sent");
    QCOMPARE(told, QString());
    QVERIFY(!QFile::exists(path));
    // The next document is tried afresh.
    QVERIFY(printer->endDoc());
}

void TestPrintLayout::printoutNames_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("stem");
    QTest::newRow("plain") << "Mortgage Table"
                           << "Mortgage Table";
    QTest::newRow("folder separators replaced") << "a/b\\c"
                                                << "a_b_c";
    QTest::newRow("empty") << ""
                           << "Printout";
    QTest::newRow("hidden-file name") << "..x"
                                      << "Printout..x";
}

void TestPrintLayout::printoutNames() {
    QFETCH(QString, document);
    QFETCH(QString, stem);
    const QString path = SystemPrinter::printoutPath(document);
    const QFileInfo info(path);
    QCOMPARE(info.dir().dirName(), QStringLiteral("Printouts"));
    QVERIFY(info.dir().exists());
    static const QRegularExpression stamp(
        QStringLiteral(R"(^(.*) \d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.pdf$)"));
    const QRegularExpressionMatch m = stamp.match(info.fileName());
    QVERIFY2(m.hasMatch(), qPrintable(info.fileName()));
    QCOMPARE(m.captured(1), stem);
}

void TestPrintLayout::factoryReplacesThePrinter() {
    QStringList names;
    Printers::setFactory([&](const QString& name) -> std::unique_ptr<Printer> {
        names << name;
        return std::make_unique<TextPrinter>();
    });
    auto device = Printers::open("Savings Report");
    Printers::setFactory({});
    QVERIFY(dynamic_cast<TextPrinter*>(device.get()) != nullptr);
    QCOMPARE(names, QStringList{"Savings Report"});
}

QTEST_MAIN(TestPrintLayout)
#include "tst_printlayout.moc"
