// The mortgage calculator as a user drives it: opened from the menu, typed into key by key,
// calculated, switched between frequencies and row kinds, with additional payments, dates,
// files, the printed report and the exit back to the menu.

#include "core/formats.h"
#include "core/programstate.h"
#include "mortgage/mortgagecalc.h"
#include "mortgage/mortgagegraph.h"
#include "mortgage/mortgagestate.h"
#include "platform/barchart.h"
#include "platform/beep.h"
#include "platform/filedialogs.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "shell/graphsall.h"
#include "shell/mdicontainer.h"
#include "shell/menumain.h"
#include "shell/programdir.h"
#include "shell/windowregistry.h"
#include "support/calculatorfixture.h"
#include "support/capturedprinter.h"
#include "support/filesizelimit.h"
#include "support/modalresponder.h"
#include "support/tempprogramdir.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <sys/stat.h>

namespace {
QString rj(const QString& text, int width) {
    return RightJustify(text, width);
}
} // namespace

class TestMortgageCalc : public QObject, public CalculatorFixture {
    Q_OBJECT
    MortgageCalc* open(const char* menuButton) {
        return CalculatorFixture::open<MortgageCalc>(menuButton, WindowId::MortgageCalc);
    }
    Grid* grid() const { return CalculatorFixture::grid("MGrid"); }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void defaultsFromTheMenu() {
        MortgageCalc* w = open("Canadian");
        QCOMPARE(line("InPrincipal")->text(), QStringLiteral("   $100,000.00"));
        QCOMPARE(combo("InRate")->currentText(), QStringLiteral("        10.125%"));
        QCOMPARE(combo("InTerm")->currentText(), QStringLiteral("            25"));
        QCOMPARE(combo("Comperiod")->currentText(), QStringLiteral("      Monthly"));
        QVERIFY(w->findChild<QRadioButton*>("Option2")->isChecked());

        click("MCalc");
        QCOMPARE(label("InMonthPI"), rj("$917.53", 12));
        QCOMPARE(label("NumPmtsYear"), rj("12", 12));
        QCOMPARE(label("EndMortYear"), rj("25.00", 12));
        QCOMPARE(label("AllPayments"), rj("$275,258.20", 12));
        QCOMPARE(label("TotSavd"), rj("$.00", 12));
        QCOMPARE(label("InDays"), QStringLiteral("Normal"));
        QCOMPARE(label("PeriodicR"), QStringLiteral("0.0084375"));
        Grid* g = grid();
        QCOMPARE(g->text(0, 0), QStringLiteral(" Payment  Year"));
        QCOMPARE(g->text(1, 0), QStringLiteral("   1"));
        QCOMPARE(g->text(25, 0), QStringLiteral("  25"));
        QCOMPARE(g->text(27, 0), QStringLiteral("Total:"));
        QCOMPARE(g->text(27, 3), QStringLiteral("$.00"));
        QCOMPARE(g->text(27, 4), QStringLiteral("$175,258.20"));
        QCOMPARE(g->text(27, 5), QStringLiteral("$100,000.00"));
        QCOMPARE(int(program().ResultCount), 25);
    }

    // Typing key by key, leaving the field, and a semiannual mortgage.
    void typedEntriesAndSemiannualCompounding() {
        open("Canadian");
        QLineEdit* principal = line("InPrincipal");
        principal->setFocus();
        QTest::keyClicks(principal, "85000");
        QCOMPARE(label("InMonthPI"), QString()); // the first key cleared the results
        QTest::keyClick(principal, Qt::Key_Return);
        QCOMPARE(principal->text(), rj("$85,000.00", 16));
        QTest::keyClicks(combo("InRate")->lineEdit(), "11");
        QTest::keyClick(combo("InRate")->lineEdit(), Qt::Key_Return);
        QCOMPARE(combo("InRate")->currentText(), rj("11.000", 14) + "%");
        pick("Comperiod", "   Semiannual");
        click("MCalc");
        QCOMPARE(label("InMonthPI"), rj("$818.15", 12));
    }

    // Enter walks the fields to "&Calculate" without calculating; Enter there calculates.
    void enterThroughTheFields() {
        open("Canadian");
        line("InPrincipal")->setFocus();
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(button("MCalc")));
        QCOMPARE(label("InMonthPI"), QString());
        QTest::keyClick(button("MCalc"), Qt::Key_Return);
        QCOMPARE(label("InMonthPI"), rj("$917.53", 12));
    }

    void everyPaymentFrequency_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("payment");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("days");
        QTest::newRow("monthly") << "      Monthly"
                                 << "$917.53"
                                 << "25.00"
                                 << "Normal";
        QTest::newRow("semimonthly") << "  Semimonthly"
                                     << ""
                                     << ""
                                     << "Normal";
        QTest::newRow("2 weeks") << "      2 Weeks"
                                 << "$423.47"
                                 << "24.54"
                                 << "365";
        QTest::newRow("1 week") << "      1 Week"
                                << ""
                                << ""
                                << "365";
        QTest::newRow("biweekly acc") << " Biweekly(Acc)"
                                      << "$458.76"
                                      << "18.54"
                                      << "365";
        QTest::newRow("weekly acc") << "   Weekly(Acc)"
                                    << ""
                                    << ""
                                    << "365";
    }

    void everyPaymentFrequency() {
        QFETCH(QString, frequency);
        QFETCH(QString, payment);
        QFETCH(QString, years);
        open("Canadian");
        pick("FreqPmt", frequency);
        click("MCalc");
        QVERIFY(!label("InMonthPI").trimmed().isEmpty());
        if (!payment.isEmpty()) {
            QCOMPARE(label("InMonthPI"), rj(payment, 12));
            QCOMPARE(label("EndMortYear"), rj(years, 12));
        }
        QTEST(label("InDays"), "days");
        QCOMPARE(grid()->text(1, 0), QStringLiteral("   1"));
        pick("FreqPmt", "      Monthly");
        QCOMPARE(int(program().ResultCount), 0);
    }

    void allPaymentsAndAnAdditionalPayment() {
        open("Canadian");
        click("Option1");
        QCOMPARE(int(program().CalcMode), 2);
        respondWith([](QDialog& d) {
            auto* pgrid = d.findChild<Grid*>("PGrid");
            QCOMPARE(pgrid->rows(), 26);
            QCOMPARE(pgrid->text(25, 0), QStringLiteral("25"));
            pgrid->setCurrentCell(2, 1);
            for (QChar c : QStringLiteral("5000")) {
                emit pgrid->keyPressed(c);
            }
            QCOMPARE(pgrid->text(2, 1), QStringLiteral("5,000.00"));
            QTest::mouseClick(d.findChild<QPushButton*>("UsePrePay"), Qt::LeftButton);
        });
        click("MAddPrePay");
        QCOMPARE(int(mortgage().PrePayCount), 1);
        click("MCalc");
        QCOMPARE(label("EndMortYear"), rj("20.92", 12));
        QCOMPARE(label("TotSavd"), rj("$40,194.25", 12));
        Grid* g = grid();
        QCOMPARE(g->text(0, 0), QStringLiteral("  Payment   No.  Year"));
        QCOMPARE(g->text(1, 0), QStringLiteral("   1       1"));
        QCOMPARE(g->text(13, 0), QStringLiteral("  13       2"));
        QCOMPARE(g->text(251 + 2, 0), QStringLiteral("Total:"));
        QCOMPARE(g->text(251 + 4, 0), QStringLiteral("Additional "));
        QCOMPARE(g->text(251 + 6, 0), QStringLiteral("Year    2"));
        QCOMPARE(g->text(251 + 6, 2), QStringLiteral("5,000.00"));
        QCOMPARE(int(program().ResultCount), 252);
    }

    void paymentDatesOnMonthEnds() {
        open("Canadian");
        click("Option1");
        respondType(QStringLiteral("InDate"), QStringLiteral("2027-01-31"),
                    QStringLiteral("OkExit"));
        click("MDateNumber");
        QCOMPARE(button("MDateNumber")->text(), QStringLiteral("&View payment No."));
        click("MCalc");
        Grid* g = grid();
        QCOMPARE(g->text(0, 0), QStringLiteral(" Payment  Date"));
        QCOMPARE(g->text(1, 0), QStringLiteral("2027-01-31"));
        QCOMPARE(g->text(2, 0), QStringLiteral("2027-02-28"));
        QCOMPARE(g->text(3, 0), QStringLiteral("2027-03-31"));
        click("MDateNumber"); // back to numbers
        click("MCalc");
        QCOMPARE(g->text(0, 0), QStringLiteral("  Payment   No.  Year"));
    }

    void saveAndOpenInAFreshWindow() {
        open("Canadian");
        pick("FreqPmt", " Biweekly(Acc)");
        click("Option1");
        click("MCalc");
        const QString path = dir().filePath("House.umd");
        FileDialogs::setNextAnswer(path);
        click("MSaveFile");
        QCOMPARE(mortgage().MortgageFileName, QStringLiteral("House.umd"));
        QCOMPARE(dir().read("House.umd").left(75),
                 QByteArray("100000,10.125,25,\"      Monthly\",\" Biweekly(Acc)\",\"2027-01-31\","
                            "0,1,2,0,0,1,"));

        click("MExit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        open("Canadian");
        QCOMPARE(combo("FreqPmt")->currentText(), QStringLiteral("      Monthly"));
        FileDialogs::setNextAnswer(path);
        click("MLoadFile");
        QCOMPARE(combo("FreqPmt")->currentText(), QStringLiteral(" Biweekly(Acc)"));
        QVERIFY(mainWindow()->findChild<QRadioButton*>("Option1")->isChecked());
        QCOMPARE(label("InMonthPI"), rj("$458.76", 12));
        QCOMPARE(int(program().ResultCount), 483);
    }

    // A full disk: the save shows the file type's message and the old file stays whole.
    void fullDiskKeepsTheSavedFile_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("mortgage") << "Canadian"
                                  << "House.umd"
                                  << "Bad Filename. Must be in the form MYFILE.UMD";
        QTest::newRow("loan") << "LoanPmt"
                              << "Car.uld"
                              << "Bad Filename. Must be in the form MYFILE.ULD";
    }

    void fullDiskKeepsTheSavedFile() {
        QFETCH(QString, button);
        QFETCH(QString, file);
        open(qPrintable(button));
        click("MCalc");
        const QString path = dir().filePath(file);
        FileDialogs::setNextAnswer(path);
        click("MSaveFile");
        const QByteArray saved = dir().read(file);
        QVERIFY(saved.size() > 50);

        line("InPrincipal")->setFocus();
        QTest::keyClicks(line("InPrincipal"), "5");
        click("MCalc");
        FileDialogs::setNextAnswer(path);
        QString shown;
        respondWith([&shown](QDialog& d) {
            shown = d.findChild<QPlainTextEdit*>("TextMsg")->toPlainText();
        });
        {
            FileSizeLimit full(0);
            click("MSaveFile");
        }
        QTEST(shown, "message");
        QCOMPARE(dir().read(file), saved);
    }

    // What is not a regular file is refused at once with the file type's message: opening a
    // named pipe or a file of the kernel's, and saving over a named pipe, which stays.
    void onlyRegularFiles_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        const QString notFound =
            QStringLiteral("File not found or wrong format. Check Filename and/or Directory.");
        QTest::newRow("open a named pipe") << "MLoadFile"
                                           << "Pipe.umd" << notFound;
        QTest::newRow("open a file under /proc") << "MLoadFile"
                                                 << "/proc/self/status" << notFound;
        QTest::newRow("save over a named pipe") << "MSaveFile"
                                                << "Pipe.umd"
                                                << "Bad Filename. Must be in the form MYFILE.UMD";
    }

    void onlyRegularFiles() {
        QFETCH(QString, button);
        QFETCH(QString, path);
        open("Canadian");
        click("MCalc");
        const QString pipe = dir().filePath(QStringLiteral("Pipe.umd"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        FileDialogs::setNextAnswer(path.startsWith(u'/') ? path : pipe);
        QTEST(messageShownBy([&] { click(qPrintable(button)); }), "message");
        QVERIFY(QFileInfo::exists(pipe));
        QVERIFY(!QFileInfo(pipe).isFile());
        QCOMPARE(line("InPrincipal")->text(), QStringLiteral("   $100,000.00"));
    }

    void badFileChangesNothing() {
        open("Canadian");
        dir().write("Bad.umd", QByteArray("100000,10.125,\"x\0\xff", 18));
        mortgage().MortgageFileName = QStringLiteral("Bad.umd");
        line("InPrincipal")->setFocus();
        QTest::keyClicks(line("InPrincipal"), "5");
        click("MCalc");
        FileDialogs::setNextAnswer(dir().filePath("Bad.umd"));
        respondClick(QStringLiteral("AMsgExit"));
        click("MLoadFile");
        QCOMPARE(shownDialogs().back().labels.isEmpty(), true);
        QCOMPARE(mortgage().MortgageFileName, QString());
        QCOMPARE(line("InPrincipal")->text(), rj("$5.00", 16));
        QCOMPARE(program().EntryValues[1], Currency::fromWhole(5));
    }

    // A file that loads but cannot be calculated shows the calculation's own message.
    void openedFileRefusedAtCalculation_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("message");
        QTest::newRow("term of 41 years")
            << QByteArray(
                   "100000,10.125,41,\"      Monthly\",\"      Monthly\",\"2027-01-31\",0,1,1,0,0,"
                   "1,365,\"O\",0\r\n")
            << "Wrong entry, 40 Years limit.";
        QTest::newRow("frequency not in the list")
            << QByteArray(
                   "100000,10.125,25,\"      Monthly\",\"Fortnightly\",\"2027-01-31\",0,1,1,0,0,"
                   "1,365,\"O\",0\r\n")
            << "Wrong or missing entry, try again.";
    }

    void openedFileRefusedAtCalculation() {
        QFETCH(QByteArray, record);
        open("Canadian");
        dir().write("Odd.umd", record);
        FileDialogs::setNextAnswer(dir().filePath("Odd.umd"));
        QString shown;
        respondWith([&shown](QDialog& d) {
            shown = d.findChild<QPlainTextEdit*>("TextMsg")->toPlainText();
        });
        click("MLoadFile");
        QTEST(shown, "message");
        QCOMPARE(int(program().ResultCount), 0);
        QCOMPARE(mortgage().MortgageFileName, QStringLiteral("Odd.umd"));
    }

    void saveWithoutResults() {
        open("Canadian");
        respondClick(QStringLiteral("AMsgExit"));
        click("MSaveFile");
        QCOMPARE(shownDialogs().size(), std::size_t(1));
        QVERIFY(!QFile::exists(dir().filePath("Untitled.umd")));
    }

    void printedReportFirstPage() {
        open("Canadian");
        click("Option1");
        click("MCalc");
        CapturedPrinter captured;
        respondType(QStringLiteral("InFName"), QStringLiteral("The house"),
                    QStringLiteral("Acept"));
        click("MPrinter");
        QCOMPARE(captured.opened(), 1);
        const QStringList first = captured.pages().front();
        QCOMPARE(first.value(1), QStringLiteral(" The house"));
        QVERIFY(first.contains(QString(31, ' ') + QStringLiteral(" Mortgage Table")));
        const QString footer = QString(39, ' ') + QStringLiteral("Page 1");
        QCOMPARE(first.back(), footer);
        const auto rows = std::count_if(first.begin(), first.end(), [](const QString& l) {
            static const QRegularExpression row(QStringLiteral("^ +\\d+ +\\d+ +[\\d,]*\\.\\d\\d"));
            return row.match(l).hasMatch();
        });
        QCOMPARE(int(rows), 29);
    }

    // A printer that takes nothing: no message window, and the status bar says what was not
    // printed each time.
    void failedPrintoutsAreSaid() {
        open("Canadian");
        click("MCalc");
        CapturedPrinter captured;
        captured.printer().failDocuments(true);
        QStatusBar* status = mainWindow()->statusBar();
        respondType(QStringLiteral("InFName"), QStringLiteral("The house"),
                    QStringLiteral("Acept"));
        QCOMPARE(messageShownBy([this] { click("MPrinter"); }), QString());
        QCOMPARE(status->currentMessage(), QStringLiteral("Mortgage Table was not printed."));
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        status->clearMessage();
        click("MGraphs");
        switchTo(WindowId::GraphsAll);
        respondClick(QStringLiteral("AllYes"));
        respondClick(QStringLiteral("AllNo"));
        click("Ptr");
        QCOMPARE(shownDialogs().back().labels, QStringList{" Print in Color."});
        QCOMPARE(captured.printer().windowPictures(), 1);
        QCOMPARE(status->currentMessage(), QStringLiteral("Graph was not printed."));
        QCOMPARE(window()->size(), twipsSize(9550, 6450));

        // A printer that works again prints, and the status bar no longer says it did not.
        captured.printer().failDocuments(false);
        respondClick(QStringLiteral("AllYes"));
        respondClick(QStringLiteral("AllNo"));
        click("Ptr");
        QCOMPARE(captured.printer().windowPictures(), 2);
        QCOMPARE(status->currentMessage(), QString());
    }

    // "&Show Graph" hides the calculator and shows the balances; the graph's exit brings the
    // calculator back with its results.
    void graphAndBack() {
        MortgageCalc* w = open("Canadian");
        click("MCalc");
        click("MGraphs");
        QCOMPARE(int(program().GraphCaller), 4);
        QVERIFY(w->isHidden());
        auto* graph = qobject_cast<GraphsAll*>(windows().loaded(WindowId::GraphsAll));
        QVERIFY(graph != nullptr);
        auto* chart = graph->findChild<BarChart*>();
        QVERIFY(chart != nullptr);
        QCOMPARE(chart->values().size(), qsizetype(25));
        QCOMPARE(chart->values().front(), 100000.0);
        QTest::mouseClick(graph->findChild<QPushButton*>("ExitBut"), Qt::LeftButton);
        QVERIFY(!w->isHidden());
        QCOMPARE(int(program().ResultCount), 25);
        QCOMPARE(label("InMonthPI"), rj("$917.53", 12));
    }

    void loanWindow() {
        open("LoanPmt");
        QCOMPARE(mainWindow()->windowTitle(), QStringLiteral(" Loan Tables"));
        QCOMPARE(combo("InTerm")->currentText(), QStringLiteral("            48"));
        QComboBox* term = combo("InTerm");
        term->setFocus();
        QTest::keyClicks(term->lineEdit(), "50");
        click("MCalc");
        QCOMPARE(term->currentText(), rj("50", 16));
        QCOMPARE(grid()->text(5, 0), QStringLiteral("   5"));
        QCOMPARE(grid()->text(6, 0), QString());
    }

    // A loan file opened from the mortgage window puts the whole window in loan mode, exactly
    // as the menu's loan button would, and a mortgage file opened from the loan window back.
    void fileOfTheOtherModeSwitchesTheWindow() {
        open("LoanPmt");
        type("InTerm", "50");
        leaveTo("MCalc");
        click("MCalc");
        const QString loanFile = dir().filePath("Car.uld");
        FileDialogs::setNextAnswer(loanFile);
        click("MSaveFile");
        click("MExit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        open("Canadian");
        FileDialogs::setNextAnswer(loanFile);
        click("MLoadFile");
        QCOMPARE(program().MortgageMode, MortgageModeFlag::Loan);
        QCOMPARE(mainWindow()->windowTitle(), QStringLiteral(" Loan Tables"));
        QCOMPARE(label("Label3"), QStringLiteral(" Payback period of the       loan in months."));
        QCOMPARE(label("Label8"), QStringLiteral(" Total paid over life     of the loan."));
        QCOMPARE(label("Label11"), QStringLiteral(" No. months to        final payment."));
        QCOMPARE(combo("InTerm")->currentText(), rj("50", 16));
        QCOMPARE(combo("InTerm")->itemText(0), QStringLiteral("24"));
        QCOMPARE(grid()->text(0, 0), QStringLiteral(" Payment  Year"));
        QCOMPARE(label("EndMortYear"), rj("50.00", 12));
        // Typed terms are months now, up to 480.
        type("InTerm", "60");
        leaveTo("MCalc");
        QCOMPARE(program().EntryValues[3], Currency::fromWhole(5));
        click("MCalc");
        CapturedPrinter captured;
        respondType(QStringLiteral("InFName"), QStringLiteral("Car"), QStringLiteral("Acept"));
        click("MPrinter");
        QVERIFY(
            captured.lines().contains(QString(31, ' ') + QStringLiteral(" Personal Loan Table")));
        // Saving now writes a loan file.
        FileDialogs::setNextAnswer(dir().filePath("Car2.uld"));
        click("MSaveFile");
        QCOMPARE(mortgage().LoanFileName, QStringLiteral("Car2.uld"));
        QCOMPARE(mortgage().MortgageFileName, QString());
    }

    // A loan of a few months is paid off by its last payment, also after its file is opened
    // again: the term reads back as the same whole months.
    void shortLoanEndsAtZero() {
        open("LoanPmt");
        type("InPrincipal", "104644.41");
        type("InRate", "30");
        type("InTerm", "2");
        leaveTo("MCalc");
        click("MCalc");
        QCOMPARE(label("EndMortYear"), rj("2.00", 12));
        QCOMPARE(label("TotSavd"), rj("$.00", 12));
        QCOMPARE(grid()->text(3, 3), QStringLiteral("$.00"));
        QCOMPARE(grid()->text(3, 5), QStringLiteral("$104,644.41"));
        const QString paid = label("AllPayments");
        FileDialogs::setNextAnswer(dir().filePath("Short.uld"));
        click("MSaveFile");
        click("MExit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        open("LoanPmt");
        FileDialogs::setNextAnswer(dir().filePath("Short.uld"));
        click("MLoadFile");
        QCOMPARE(combo("InTerm")->currentText(), rj("2", 16));
        QCOMPARE(label("TotSavd"), rj("$.00", 12));
        QCOMPARE(label("AllPayments"), paid);
    }

    // Choosing an option through the accessibility action (screen readers, voice control)
    // runs its handler as a click does.
    void optionsFollowTheAccessibilityAction() {
        open("Canadian");
        auto* all = window()->findChild<QRadioButton*>("Option1");
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(all);
        QVERIFY(access != nullptr && access->actionInterface() != nullptr);
        access->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(all->isChecked());
        QCOMPARE(program().CalcMode, storedMode(ScheduleRows::EveryPayment));
        click("MCalc");
        QCOMPARE(int(program().ResultCount), 301);
    }

    // Typing into a list that takes no typing beeps and clears the results.
    void typingIntoAFrequencyListClearsTheResults() {
        int beeps = 0;
        platform::setBeepHandler([&beeps] { ++beeps; });
        open("Canadian");
        click("MCalc");
        QVERIFY(!label("InMonthPI").isEmpty());
        combo("FreqPmt")->setFocus();
        QTest::keyClicks(combo("FreqPmt"), "w");
        platform::setBeepHandler({});
        QCOMPARE(beeps, 1);
        QCOMPARE(label("InMonthPI"), QString());
        QCOMPARE(grid()->text(1, 1), QString());
        QCOMPARE(int(program().ResultCount), 0);
        QCOMPARE(combo("FreqPmt")->currentText(), QStringLiteral("      Monthly"));
    }

    // After a pick from a list (or an option), the first key typed into another field still
    // starts a new entry there.
    void typingAfterAnOption() {
        open("Canadian");
        click("Option1");
        type("InPrincipal", "50000");
        leaveTo("MCalc");
        QCOMPARE(line("InPrincipal")->text(), QStringLiteral("      $50,000.00"));
        click("MCalc");
        QCOMPARE(label("InMonthPI"), rj("$458.76", 12));
    }

    // A 1,000,000.00 mortgage shows every figure whole on the window.
    void largeMortgageShowsWhole() {
        open("Canadian");
        type("InPrincipal", "1000000");
        leaveTo("MCalc");
        click("MCalc");
        auto* total = window()->findChild<QLabel*>("AllPayments");
        QVERIFY(total->text().trimmed().startsWith(QStringLiteral("$2,752,581.")));
        QVERIFY(total->contentsRect().width() >=
                total->fontMetrics().horizontalAdvance(total->text()));
    }
};

QTEST_MAIN(TestMortgageCalc)
#include "tst_mortgagecalc.moc"
