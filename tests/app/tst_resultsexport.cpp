// Results leaving the program from every results grid, as a user takes them: the context menu
// opened by the mouse, the Menu key and Shift+F10, Ctrl+C, and a CSV file saved through the
// file dialog and read back, its figures the model's own to the cent.

#include "core/programstate.h"
#include "platform/filedialogs.h"
#include "platform/grid.h"
#include "platform/modal.h"
#include "shell/mdicontainer.h"
#include "support/contextmenus.h"
#include "support/filesizelimit.h"
#include "support/modalresponder.h"
#include "support/trendwindowfixture.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <cmath>

namespace {

using Entries = QList<QPair<QString, QString>>;

// Which ResultTable column each CSV column of a year row shows (-1: none), and where the
// totals row stands and which columns it shows.
struct Columns {
    QList<int> year;        // by CSV column
    QList<int> totals;      // by CSV column
    int totalsRowAfter = 1; // the totals row: ResultCount + this
};

// A CSV file as RFC 4180 writes it: fields in double quotes may hold commas, doubled quotes
// and line ends; every row ends with CR LF.
std::vector<QStringList> readCsv(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    std::vector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            row << field;
            field.clear();
            rows.push_back(row);
            row.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

double number(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : std::nan("");
}

bool sameToTheCent(double csv, double model) {
    return std::abs(csv - model) <= 0.005 + 1e-9 * std::abs(model);
}

} // namespace

Q_DECLARE_METATYPE(Columns)

class TestResultsExport : public QObject, public TrendWindowFixture {
    Q_OBJECT

    // Opens the grid's context menu with the mouse and chooses the item `text`.
    bool chooseFromMenu(const QString& gridName, const QString& text) {
        QTableView* view = grid(gridName.toLatin1().constData())->view();
        const MenuSeen seen = openContextMenu(*view->viewport(), MenuWay::Mouse, text);
        const qsizetype at = seen.items.indexOf(text);
        return at >= 0 && seen.enabled.value(at);
    }

    std::vector<QStringList> savedRows(const QString& gridName, const QString& fileName) {
        const QString path = dir().path() + u'/' + fileName;
        FileDialogs::setNextAnswer(path);
        if (!chooseFromMenu(gridName, QStringLiteral("&Save as CSV..."))) {
            return {};
        }
        if (FileDialogs::lastDefaultName() != fileName) {
            qWarning("the save dialog offered %s", qPrintable(FileDialogs::lastDefaultName()));
            return {};
        }
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? readCsv(file.readAll())
                                              : std::vector<QStringList>{};
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void csvReadsBackAsTheModel_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("option");
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<Columns>("columns");
        const Columns mortgage{{-1, 2, 3, 4, 5, 6}, {-1, -1, -1, 4, 5, 6}, 0};
        const Columns savings{{1, 2, 3, 4}, {-1, 2, 3, 4}, 1};
        const Columns k401{{1, 0, 2, 3, 4}, {-1, -1, 2, 3, 4}, 1};
        const Columns years{{1, 2, 3, 4}, {-1, 2, 3, 4}, 1};
        QTest::newRow("mortgage, defaults") << "Canadian" << int(WindowId::MortgageCalc) << "M"
                                            << "" << Entries{} << "Mortgage.csv" << mortgage;
        QTest::newRow("mortgage of 250,000,000")
            << "Canadian" << int(WindowId::MortgageCalc) << "M"
            << "" << Entries{{"InPrincipal", "250000000"}} << "Mortgage.csv" << mortgage;
        QTest::newRow("loan, defaults") << "LoanPmt" << int(WindowId::MortgageCalc) << "M"
                                        << "" << Entries{} << "Loan.csv" << mortgage;
        QTest::newRow("savings, defaults") << "Savings" << int(WindowId::SavingsCalc) << "S"
                                           << "" << Entries{} << "Savings.csv" << savings;
        QTest::newRow("savings of 10,000,000 a year")
            << "Savings" << int(WindowId::SavingsCalc) << "S"
            << "" << Entries{{"InLumpInv", "10000000"}, {"InInvest", "10000000"}} << "Savings.csv"
            << savings;
        QTest::newRow("401(k), defaults") << "Plan401" << int(WindowId::Plan401KCalc) << "K"
                                          << "" << Entries{} << "401k Plan.csv" << k401;
        QTest::newRow("401(k) of a salary of 5,000,000 over 50 years")
            << "Plan401" << int(WindowId::Plan401KCalc) << "K"
            << "" << Entries{{"InCurrSal", "5000000"}, {"InNumYears", "50"}} << "401k Plan.csv"
            << k401;
        QTest::newRow("retirement, defaults") << "Retirement" << int(WindowId::RetireCalc) << "R"
                                              << "" << Entries{} << "Retirement.csv" << years;
        QTest::newRow("retirement, fixed amount at 20% over 50 years")
            << "Retirement" << int(WindowId::RetireCalc) << "R"
            << "Option2" << Entries{{"InRate", "20"}} << "Retirement.csv" << years;
        QTest::newRow("capital required, defaults")
            << "CapReq" << int(WindowId::CapitalReqdCalc) << "C"
            << "" << Entries{} << "Capital Required.csv" << years;
        QTest::newRow("capital required, 100,000,000 over 50 years")
            << "CapReq" << int(WindowId::CapitalReqdCalc) << "C"
            << "" << Entries{{"InLumpInv", "100000000"}, {"InTerm", "50"}} << "Capital Required.csv"
            << years;
    }

    // Each year row and the totals row, as CSV read back, equal the model's ResultTable.
    void csvReadsBackAsTheModel() {
        QFETCH(QString, menu);
        QFETCH(int, window);
        QFETCH(QString, prefix);
        QFETCH(QString, option);
        QFETCH(Entries, entries);
        QFETCH(QString, fileName);
        QFETCH(Columns, columns);
        QVERIFY(open(menu.toLatin1().constData(), static_cast<WindowId>(window)));
        if (!option.isEmpty()) {
            choose(option.toLatin1().constData(), ChooseBy::Mouse);
        }
        const QByteArray calc = (prefix + "Calc").toLatin1();
        for (const auto& [field, keys] : entries) {
            type(field.toLatin1().constData(), keys);
            leaveTo(calc.constData());
        }
        click(calc.constData());
        const ProgramState& p = program();
        QVERIFY(p.ResultCount > 0);

        const QString path = dir().path() + u'/' + fileName;
        FileDialogs::setNextAnswer(path);
        QVERIFY(chooseFromMenu(prefix + "Grid", QStringLiteral("&Save as CSV...")));
        QCOMPARE(FileDialogs::lastDefaultName(), fileName);
        QCOMPARE(FileDialogs::lastFilter(), QStringLiteral("CSV Files (*.csv)|*.csv"));
        QCOMPARE(mainWindow()->statusBar()->currentMessage(),
                 QStringLiteral("Saved to %1").arg(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.endsWith("\r\n"));
        const std::vector<QStringList> rows = readCsv(bytes);
        QVERIFY(rows.size() > 2);
        // The heading row first, each heading on one line.
        for (const QString& heading : rows.front()) {
            QVERIFY(!heading.contains(u'\n'));
            QCOMPARE(heading, heading.simplified());
        }
        int yearRows = 0;
        bool totals = false;
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const QStringList& row = rows[i];
            QVERIFY2(
                std::any_of(row.begin(), row.end(), [](const QString& f) { return !f.isEmpty(); }),
                "an empty row left in");
            QList<int> map;
            int tableRow = 0;
            if (row.front() == QStringLiteral("Total:")) {
                map = columns.totals;
                tableRow = p.ResultCount + columns.totalsRowAfter;
                totals = true;
            } else if (!std::isnan(number(row.front()))) {
                map = columns.year;
                tableRow = static_cast<int>(number(row.front()));
                ++yearRows;
            } else {
                continue;
            }
            for (int c = 0; c < map.size() && c < row.size(); ++c) {
                if (map[c] < 0 || (c == 0 && map[c] == 1)) {
                    continue;
                }
                const double model = p.ResultTable.at(tableRow, map[c]).toDouble();
                if (!sameToTheCent(number(row[c]), model)) {
                    QFAIL(qPrintable(QStringLiteral("row %1 column %2: %3 against the model's %4")
                                         .arg(i)
                                         .arg(c)
                                         .arg(row[c])
                                         .arg(model, 0, 'f', 4)));
                }
            }
        }
        QVERIFY(yearRows > 0);
        QVERIFY(totals);
    }

    // Each comparison's final value, and each investment's rate, are the model's.
    void comparisonsReadBack() {
        QVERIFY(open("SavComp", WindowId::SavingsCalc));
        click("SCalc");
        type("InLumpInv", "100000000");
        leaveTo("SCalc");
        click("SCalc");
        std::vector<QStringList> rows =
            savedRows("SGrid", QStringLiteral("Savings Comparisons.csv"));
        QCOMPARE(rows.size(), std::size_t(3));
        for (int i = 1; i <= 2; ++i) {
            QVERIFY(
                sameToTheCent(number(rows[i].value(7)), program().GraphValues.at(i, 5).toDouble()));
        }
        QCOMPARE(rows[2].value(1), QStringLiteral("100000000.00"));
        QCOMPARE(rows[2].value(3), QStringLiteral("20.00"));
    }

    void investmentsReadBack() {
        QVERIFY(open("CompCompare", WindowId::FindCompoundCalc));
        type("InCost", "1");
        leaveTo("FCalc");
        type("InValNow", "10000000");
        leaveTo("FCalc");
        type("InTerm", "50");
        leaveTo("FCalc");
        click("FCalc");
        const std::vector<QStringList> rows =
            savedRows("FGrid", QStringLiteral("Compound Growth.csv"));
        QCOMPARE(rows.size(), std::size_t(2));
        QCOMPARE(rows[1].value(0), QStringLiteral("XYZ mutual fund."));
        QCOMPARE(rows[1].value(2), QStringLiteral("1.00"));
        QCOMPARE(rows[1].value(3), QStringLiteral("10000000.00"));
        QVERIFY(std::abs(number(rows[1].value(4)) - program().GraphValues.at(1, 5).toDouble()) <=
                0.0005);
        QCOMPARE(rows[1].value(5), QStringLiteral("999999900.00"));
    }

    // The menu holds exactly its three items, opened by the mouse, the Menu key or Shift+F10;
    // without results only Copy can be chosen.
    void menuItemsAndWaysToOpen() {
        QVERIFY(open("Plan401", WindowId::Plan401KCalc));
        QTableView* view = grid("KGrid")->view();
        const QStringList items{"&Copy", "Copy &All", "&Save as CSV..."};
        const MenuSeen empty = openContextMenu(*view->viewport(), MenuWay::Mouse);
        QCOMPARE(empty.items, items);
        QCOMPARE(empty.enabled, (QList<bool>{true, false, false}));

        click("KCalc");
        view->setFocus();
        const MenuSeen filled =
            openContextMenu(*view->viewport(), MenuWay::MenuKey, {}, QPoint(5, 5));
        QCOMPARE(filled.items, items);
        QCOMPARE(filled.enabled, (QList<bool>{true, true, true}));
        QCOMPARE(openContextMenu(*view, MenuWay::ShiftF10).items, items);
        QCOMPARE(modal::pendingResponders(), 0);
    }

    // Ctrl+C copies the selected block; Copy All the heading and every filled row.
    void copies() {
        QVERIFY(open("Retirement", WindowId::RetireCalc));
        click("RCalc");
        Grid* g = grid("RGrid");
        QTableView* view = g->view();
        view->setFocus();
        g->setCurrentCell(1, 0);
        QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        const QString block = QGuiApplication::clipboard()->text();
        QCOMPARE(block.count(u'\n'), 2);
        QCOMPARE(block.section(u'\n', 0, 0).section(u'\t', 0, 0), QStringLiteral("1"));
        QCOMPARE(block.section(u'\n', 1, 1).section(u'\t', 0, 0), QStringLiteral("2"));
        QCOMPARE(block.section(u'\n', 0, 0).section(u'\t', 1, 1),
                 QString(g->text(1, 1)).remove(u','));

        QVERIFY(chooseFromMenu("RGrid", QStringLiteral("Copy &All")));
        const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
        QCOMPARE(lines.front(), QStringLiteral("Year Number\tInterest/Growth Compounded\tAnnual "
                                               "Income Withdrawn\tCurrent Value"));
        QCOMPARE(lines.size(), 20 + 1 + 1 + 1); // heading, 20 years, totals, the last line end
        QVERIFY(lines[21].startsWith(QStringLiteral("Total:\t")));
    }

    // A file that cannot be written says so and leaves the old file; Cancel writes nothing.
    void failedAndCancelledSaves() {
        QVERIFY(open("CapReq", WindowId::CapitalReqdCalc));
        click("CCalc");
        FileDialogs::setNextAnswer(std::nullopt);
        QVERIFY(chooseFromMenu("CGrid", QStringLiteral("&Save as CSV...")));
        QCOMPARE(shownDialogs().size(), std::size_t(0));

        // A full disk: the new file cannot be written whole.
        const QString path = dir().path() + QStringLiteral("/old.csv");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("kept");
        old.close();
        FileDialogs::setNextAnswer(path);
        QString shown;
        respondWith([&shown](QDialog& d) {
            shown = d.findChild<QPlainTextEdit*>(QStringLiteral("TextMsg"))->toPlainText();
        });
        {
            FileSizeLimit full(100);
            QVERIFY(chooseFromMenu("CGrid", QStringLiteral("&Save as CSV...")));
        }
        QVERIFY(shown.contains(QStringLiteral("File not saved.")));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("kept"));
        QVERIFY(!mainWindow()->statusBar()->currentMessage().startsWith(QStringLiteral("Saved")));
    }

    // The additional payments and the database editor's grid leave the program the same way.
    void otherGrids() {
        QVERIFY(open("Canadian", WindowId::MortgageCalc));
        QString offered;
        respondWith([&offered](QDialog& d) {
            QTableView* view = d.findChild<Grid*>(QStringLiteral("PGrid"))->view();
            modal::pushMenuResponder([](QMenu& menu) { return menu.actions().value(2); });
            FileDialogs::setNextAnswer(std::nullopt);
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                                    view->viewport()->mapToGlobal(QPoint(20, 20)));
            QCoreApplication::sendEvent(view->viewport(), &event);
            offered = FileDialogs::lastDefaultName();
        });
        click("MAddPrePay");
        QCOMPARE(offered, QStringLiteral("Additional Payments.csv"));

        QVERIFY(openModule());
        FileDialogs::setNextAnswer(sampleCopy());
        click("LoadaFile");
        QVERIFY(switchTo(WindowId::Dbase));
        const std::vector<QStringList> rows = savedRows("Grid8", QStringLiteral("Sample.csv"));
        QCOMPARE(rows.size(), std::size_t(1 + 157));
        QCOMPARE(rows[1].value(0), QStringLiteral("1"));
        QCOMPARE(rows[1].value(2), QStringLiteral("19.69"));
    }
};

QTEST_MAIN(TestResultsExport)
#include "tst_resultsexport.moc"
