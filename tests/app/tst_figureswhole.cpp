// Figures of a hundred million and more, with a two-character currency symbol, in every
// calculator as a user meets them: each figure of the results grid shows whole in its column,
// and the printed report carries it whole, apart from its neighbours, with every figure on the
// paper well formed (no lost digits or decimals, no two figures run together).

#include "core/programstate.h"
#include "platform/grid.h"
#include "shell/mdicontainer.h"
#include "support/calculatorfixture.h"
#include "support/capturedprinter.h"
#include "support/modalresponder.h"
#include "trend/trendreport.h"

#include <QAbstractItemDelegate>
#include <QRegularExpression>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTest>
#include <cmath>

namespace {

const QString Symbol = QStringLiteral("EU");

// One calculation: the entries typed (field, keys), then the calculate button.
using Entries = QList<QPair<QString, QString>>;

// A figure as the grid or the paper shows it: digits with thousands separators, decimals, a
// sign, a currency symbol in front and a percent sign after.
bool looksLikeFigure(const QString& text) {
    static const QRegularExpression figure(QStringLiteral("^(\\$|EU)?-?[0-9,]*\\.?[0-9]*%?$"));
    return text.contains(QRegularExpression(QStringLiteral("[0-9]"))) &&
           figure.match(text).hasMatch();
}

// Grouped in threes, with no decimals or two to eight; a point with no decimals only after an
// ungrouped whole number (a day count such as "365."); four digits ungrouped are a year.
bool wellFormed(const QString& figure) {
    static const QRegularExpression form(QStringLiteral(
        "^(\\$|EU)?-?(([0-9]{1,3}(,[0-9]{3})*)?(\\.[0-9]{2,8})?|[0-9]{1,3}\\.|[0-9]{4})%?$"));
    return form.match(figure).hasMatch();
}

QString withoutSymbols(QString figure) {
    for (const QString& symbol : {Symbol, QStringLiteral("$")}) {
        if (figure.startsWith(symbol)) {
            figure.remove(0, symbol.size());
        }
    }
    figure.remove(u'%');
    return figure;
}

int decimalsOf(const QString& figure) {
    const qsizetype point = figure.indexOf(u'.');
    return point < 0 ? 0 : static_cast<int>(figure.size() - point - 1);
}

// The figure stands on the page whole, as a word of its own; the paper may add the currency
// symbol, and give a rate with more decimals.
bool printedWhole(const QStringList& lines, const QString& shown) {
    const QString bare = withoutSymbols(shown);
    const double value = QString(bare).remove(u',').toDouble();
    for (const QString& line : lines) {
        for (const QString& token : line.split(u' ', Qt::SkipEmptyParts)) {
            const QString printed = withoutSymbols(token);
            if (printed == bare) {
                return true;
            }
            bool number = false;
            const double printedValue = QString(printed).remove(u',').toDouble(&number);
            const int d = decimalsOf(bare);
            if (number && d > 0 && decimalsOf(printed) > d &&
                std::abs(printedValue - value) <= 0.5000001 * std::pow(10.0, -d)) {
                return true;
            }
        }
    }
    return false;
}

// The width a cell's text needs to show whole, as the grid's own drawing measures it.
int neededWidth(const QTableView* view, const QModelIndex& index) {
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.font = view->font();
    option.features |= QStyleOptionViewItem::HasDisplay;
    return view->itemDelegate()->sizeHint(option, index).width();
}

// Every figure on the paper is well formed, and each of `figures` is printed whole.
void checkPaper(const QStringList& lines, const QStringList& figures) {
    QVERIFY(!lines.isEmpty());
    for (const QString& line : lines) {
        for (const QString& token : line.split(u' ', Qt::SkipEmptyParts)) {
            if (looksLikeFigure(token) && !wellFormed(token)) {
                QFAIL(qPrintable(QStringLiteral("\"%1\" in \"%2\"").arg(token, line)));
            }
        }
    }
    for (const QString& figure : figures) {
        if (!printedWhole(lines, figure)) {
            QFAIL(qPrintable(
                QStringLiteral("\"%1\" is not printed whole:\n%2").arg(figure, lines.join(u'\n'))));
        }
    }
}

} // namespace

class TestFiguresWhole : public QObject, public CalculatorFixture {
    Q_OBJECT

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void largeFigures_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QList<Entries>>("calculations");
        QTest::addColumn<QString>("printButton");

        QTest::newRow("mortgage of 250,000,000")
            << "Canadian" << int(WindowId::MortgageCalc) << "M"
            << "" << QList<Entries>{{{"InPrincipal", "250000000"}}} << "MPrinter";
        QTest::newRow("savings planning, 10,000,000 and 1,000,000 a year at 10% for 25 years")
            << "Savings" << int(WindowId::SavingsCalc) << "S"
            << ""
            << QList<Entries>{{{"InLumpInv", "10000000"},
                               {"InInvest", "1000000"},
                               {"InRate", "10"},
                               {"InTerm", "25"}}}
            << "SPrinter";
        QTest::newRow("savings comparisons, lump sums of 1,000,000 and 10,000,000")
            << "SavComp" << int(WindowId::SavingsCalc) << "S"
            << ""
            << QList<Entries>{{{"InLumpInv", "1000000"}},
                              {{"InLumpInv", "10000000"}, {"InInvest", "1000000"}}}
            << "SPrinter";
        QTest::newRow("compound growth, cost 1 to 10,000,000 and cost 123,456,789")
            << "CompCompare" << int(WindowId::FindCompoundCalc) << "F"
            << ""
            << QList<Entries>{{{"InCost", "1"}, {"InValNow", "10000000"}, {"InTerm", "50"}},
                              {{"InCost", "123456789"}, {"InValNow", "987654321"}}}
            << "FPrinter";
        QTest::newRow("401(k) over 50 years")
            << "Plan401" << int(WindowId::Plan401KCalc) << "K"
            << "" << QList<Entries>{{{"InCurrSal", "5000000"}, {"InNumYears", "50"}}} << "KPrinter";
        QTest::newRow("retirement, percentage of 100,000,000")
            << "Retirement" << int(WindowId::RetireCalc) << "R"
            << "" << QList<Entries>{{{"InInvest", "100000000"}}} << "RPrinter";
        QTest::newRow("retirement, fixed amount at 20% over 50 years")
            << "Retirement" << int(WindowId::RetireCalc) << "R"
            << "Option2" << QList<Entries>{{{"InRate", "20"}}} << "RPrinter";
        QTest::newRow("capital required, 10,000,000 over 50 years")
            << "CapReq" << int(WindowId::CapitalReqdCalc) << "C"
            << "" << QList<Entries>{{{"InLumpInv", "10000000"}, {"InTerm", "50"}}} << "CPrinter";
        QTest::newRow("income required, 10,000,000 over 50 years")
            << "CapReq" << int(WindowId::CapitalReqdCalc) << "C"
            << "CRCapitalChoices1" << QList<Entries>{{{"InLumpInv", "10000000"}, {"InTerm", "50"}}}
            << "CPrinter";
    }

    void largeFigures() {
        QFETCH(QString, menu);
        QFETCH(int, window);
        QFETCH(QString, prefix);
        QFETCH(QString, option);
        QFETCH(QList<Entries>, calculations);
        QFETCH(QString, printButton);
        program().CurrencySymbol = Symbol;
        QVERIFY(open(menu.toLatin1().constData(), static_cast<WindowId>(window)));
        if (!option.isEmpty()) {
            choose(option.toLatin1().constData(), ChooseBy::Mouse);
        }
        const QByteArray calc = (prefix + "Calc").toLatin1();
        for (const Entries& entries : calculations) {
            for (const auto& [field, keys] : entries) {
                type(field.toLatin1().constData(), keys);
                leaveTo(calc.constData());
            }
            click(calc.constData());
        }
        QVERIFY(program().ResultCount > 0);

        Grid* g = grid((prefix + "Grid").toLatin1().constData());
        QStringList figures;
        for (int r = 1; r < g->rows(); ++r) {
            for (int c = 0; c < g->cols(); ++c) {
                const QString text = g->text(r, c).trimmed();
                if (text.isEmpty()) {
                    continue;
                }
                const QModelIndex index = g->view()->model()->index(r - 1, c);
                if (neededWidth(g->view(), index) > g->view()->columnWidth(c)) {
                    QFAIL(qPrintable(
                        QStringLiteral("row %1, column %2 cuts \"%3\"").arg(r).arg(c).arg(text)));
                }
                if (looksLikeFigure(text) && text.contains(QRegularExpression("[1-9]"))) {
                    figures << text;
                }
            }
        }
        QVERIFY(!figures.isEmpty());

        CapturedPrinter captured;
        respondType(QStringLiteral("InFName"), QStringLiteral("Large figures"),
                    QStringLiteral("Acept"));
        click(printButton.toLatin1().constData());
        checkPaper(captured.lines(), figures);
    }

    // The database report: a value of a hundred million beside earnings of ten million.
    void trendReport() {
        TrendReportData data;
        data.title = QStringLiteral("Large figures");
        data.records = {{1, QStringLiteral("2026-12-04"), 123456789.12},
                        {2, QStringLiteral("2026-11-27"), 1234567890123.45}};
        data.earnings[0] = {2026.0, 12345678.9};
        TextPrinter printer;
        printTrendReport(printer, data);
        printer.endDoc();
        QStringList lines;
        for (const QStringList& page : printer.pages()) {
            lines += page;
        }
        checkPaper(lines, {"123,456,789.12", "1,234,567,890,123.45", "12,345,678.90", "2026"});
    }
};

QTEST_MAIN(TestFiguresWhole)
#include "tst_figureswhole.moc"
