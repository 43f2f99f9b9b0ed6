// The retirement table in both withdrawal modes, the mode's fields and texts, and what the
// table leaves for the graph window and the report.

#include "core/formats.h"
#include "core/programstate.h"
#include "retirement/retirementdisplay.h"
#include "retirement/retirementplan.h"
#include "retirement/retirementstate.h"
#include "shell/graphdata.h"

#include <QTest>

namespace {

Currency whole(std::int64_t value) {
    return Currency::fromWhole(value);
}

RetirementInputs percentage(Currency capital, Currency rate, Currency drawn, Currency years) {
    return {WithdrawalMode::Percentage, capital, rate, drawn, years};
}

RetirementInputs fixedAmount(Currency capital, Currency rate, Currency monthly, Currency raise) {
    return {WithdrawalMode::FixedAmount, capital, rate, monthly, raise};
}

QStringList gridRow(const RetirementResult& r, int row) {
    return retireGridBlock(r, QStringLiteral("$")).rows.at(static_cast<std::size_t>(row - 1));
}

} // namespace

class TestRetirementPlan : public QObject {
    Q_OBJECT

private slots:
    void init() {
        resetProgram();
        resetRetirement();
        loadRetireTables();
    }

    void percentageRows_data();
    void percentageRows();
    void cutToCents_data();
    void cutToCents();
    void fixedAmountUntilTheCapitalIsGone();
    void fixedAmountEndsAtFiftyYears();
    void yearlyRaise();
    void totalWithdrawnIsTheColumnsSum_data();
    void totalWithdrawnIsTheColumnsSum();
    void raiseWithdrawsNoMoreThanTheCapital();
    void withdrawalAboveCapital_data();
    void withdrawalAboveCapital();
    void termLimit();
    void zeroTerm();
    void publish_data();
    void publish();
    void modes_data();
    void modes();
    void listTextsStore();
};

void TestRetirementPlan::percentageRows_data() {
    QTest::addColumn<RetirementInputs>("inputs");
    QTest::addColumn<int>("year");
    QTest::addColumn<QStringList>("texts");
    const RetirementInputs example = percentage(whole(100000), whole(20), whole(15), whole(25));
    QTest::newRow("year 1") << example << 1
                            << QStringList{"1", "20,000.00", "15,000.00", "105,000.00"};
    QTest::newRow("year 2") << example << 2
                            << QStringList{"2", "21,000.00", "15,750.00", "110,250.00"};
    // 12,345.67 x 1.1 = 13,580.237: the value is cut, the growth is not.
    QTest::newRow("value cut, not rounded")
        << percentage(Currency::fromRaw(123456700), whole(10), Currency(), whole(1)) << 1
        << QStringList{"1", "1,234.57", ".00", "13,580.23"};
    // 12,345.67 x 0.125 = 1,543.20875 and 12,345.67 x 1.075 = 13,271.59525: both cut.
    QTest::newRow("withdrawal cut, not rounded")
        << percentage(Currency::fromRaw(123456700), whole(20), Currency::fromRaw(125000), whole(1))
        << 1 << QStringList{"1", "2,469.13", "1,543.20", "13,271.59"};
    // 100%: the whole capital is withdrawn, and the growth is what is left.
    const RetirementInputs everything = percentage(whole(100000), whole(10), whole(100), whole(2));
    QTest::newRow("the whole capital, year 1")
        << everything << 1 << QStringList{"1", "10,000.00", "100,000.00", "10,000.00"};
    QTest::newRow("the whole capital, year 2")
        << everything << 2 << QStringList{"2", "1,000.00", "10,000.00", "1,000.00"};
}

void TestRetirementPlan::percentageRows() {
    QFETCH(RetirementInputs, inputs);
    QFETCH(int, year);
    QFETCH(QStringList, texts);
    QCOMPARE(gridRow(calculateRetirement(inputs), year), texts);
}

void TestRetirementPlan::cutToCents_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("shown");
    QTest::newRow("cut down") << 1234.5678 << "1,234.56";
    QTest::newRow("just below a cent") << 0.999 << ".99";
    QTest::newRow("whole cents stay") << 15000.0 << "15,000.00";
    QTest::newRow("zero") << 0.0 << ".00";
}

void TestRetirementPlan::cutToCents() {
    QFETCH(double, x);
    const double cut = CutToCents(x);
    QTEST(formatNumber(cut, u"####,,###.00"), "shown");
    // Cut to cents plus 0.0005, never above the value by more than that.
    QVERIFY(cut <= x + 0.0005 + 1e-9);
    QCOMPARE(Currency::fromDouble(cut).raw() % 100, std::int64_t(5));
}

void TestRetirementPlan::fixedAmountUntilTheCapitalIsGone() {
    const RetirementResult r =
        calculateRetirement(fixedAmount(whole(100000), Currency(), whole(1000), Currency()));
    QCOMPARE(r.message, Message::None);
    QCOMPARE(r.c(), 10);
    for (int y = 1; y <= 8; ++y) {
        QCOMPARE(gridRow(r, y)[2], QStringLiteral("12,000.00"));
    }
    QCOMPARE(gridRow(r, 8)[3], QStringLiteral("4,000.00"));
    // The 4,000.00 left lasts four months of year 9.
    QCOMPARE(gridRow(r, 9), (QStringList{"9", ".00", "4,000.00", ".00"}));
    QCOMPARE(gridRow(r, 10), QStringList(4, QString()));
    QCOMPARE(gridRow(r, 11), (QStringList{"Total:", "$0.00", "$100,000.00", "$0.00"}));
    QCOMPARE(retirementGridRows(r), 25);
}

void TestRetirementPlan::fixedAmountEndsAtFiftyYears() {
    const RetirementResult r =
        calculateRetirement(fixedAmount(whole(1000000), whole(10), whole(1000), Currency()));
    QCOMPARE(r.c(), 51);
    QCOMPARE(retirementGridRows(r), 54);
    QCOMPARE(gridRow(r, 50)[0], QStringLiteral("50"));
    QCOMPARE(gridRow(r, 51), QStringList(4, QString()));
    QCOMPARE(gridRow(r, 52)[0], QStringLiteral("Total:"));
    // The value keeps growing: more comes in each year than goes out.
    QVERIFY(r.years.back().value > r.years.front().value);
    QCOMPARE(r.finalValue, r.years.back().value);
}

void TestRetirementPlan::yearlyRaise() {
    const RetirementResult r = calculateRetirement(
        fixedAmount(whole(100000), whole(5), whole(1000), Currency::fromRaw(25000)));
    QVERIFY(r.c() > 3);
    for (std::size_t i = 1; i + 1 < r.years.size(); ++i) {
        // Every full year withdraws 2.5% more than the year before.
        QCOMPARE(r.years[i].withdrawn, r.years[i - 1].withdrawn * 1.025);
    }
    QCOMPARE(r.years.front().withdrawn, 12000.0);
    // The last year takes what is left.
    QVERIFY(r.years.back().withdrawn < r.years[r.years.size() - 2].withdrawn);
    QCOMPARE(gridRow(r, r.c() - 1)[3], QStringLiteral(".00"));
}

void TestRetirementPlan::totalWithdrawnIsTheColumnsSum_data() {
    QTest::addColumn<RetirementInputs>("inputs");
    QTest::addColumn<QString>("total");
    // Every withdrawal of 15% carries 0.0005 for its display: summed as held, the 25 of them
    // would show a cent more than the column.
    QTest::newRow("percentage, 25 years")
        << percentage(whole(100000), whole(20), whole(15), whole(25)) << "$715,906.18";
    // Raised amounts with fractions of a cent: summed as held, a cent less than the column.
    QTest::newRow("fixed amount raised 2.5% at 5%")
        << fixedAmount(whole(100000), whole(5), whole(1000), Currency::fromRaw(25000))
        << "$126,191.40";
    // Fifty raised years, which held would be three cents below the column.
    QTest::newRow("fixed amount raised 3.5% at 20%, 50 years")
        << fixedAmount(whole(100000), whole(20), whole(1000), Currency::fromRaw(35000))
        << "$1,571,974.95";
    QTest::newRow("fixed amount without a raise")
        << fixedAmount(whole(100000), Currency(), whole(1000), Currency()) << "$100,000.00";
}

void TestRetirementPlan::totalWithdrawnIsTheColumnsSum() {
    QFETCH(RetirementInputs, inputs);
    const RetirementResult r = calculateRetirement(inputs);
    Currency columnSum;
    for (const RetirementYear& y : r.years) {
        const QString shown = gridRow(r, y.year)[2];
        columnSum += Currency::fromDouble(readNumber(QString(shown).remove(u',')));
    }
    const QString total = gridRow(r, r.c() + 1)[2];
    QCOMPARE(total, QStringLiteral("$") + formatNumber(columnSum, u"####,,##0.00"));
    QTEST(total, "total");
    publishRetirement(r);
    QCOMPARE(program().ResultTable.at(r.c(), 3).toDouble(), columnSum.toDouble());
}

// Without growth the withdrawals add up to the capital, raised or not, and the last year
// leaves nothing.
void TestRetirementPlan::raiseWithdrawsNoMoreThanTheCapital() {
    const RetirementResult r = calculateRetirement(
        fixedAmount(whole(100000), Currency(), whole(1000), Currency::fromRaw(25000)));
    QCOMPARE(r.c(), 9);
    QCOMPARE(gridRow(r, 7)[2], QStringLiteral("13,916.32"));
    QCOMPARE(gridRow(r, 8), (QStringList{"8", ".00", "9,430.84", ".00"}));
    QCOMPARE(gridRow(r, 10), (QStringList{"Total:", "$0.00", "$100,000.00", "$0.00"}));
}

void TestRetirementPlan::withdrawalAboveCapital_data() {
    QTest::addColumn<RetirementInputs>("inputs");
    QTest::addColumn<Message>("message");
    QTest::newRow("percentage above 100")
        << percentage(whole(100000), whole(10), whole(101), whole(20)) << Message::UnknownError;
    QTest::newRow("percentage of 100.01")
        << percentage(whole(100000), whole(10), Currency::fromRaw(1000100), whole(20))
        << Message::UnknownError;
    QTest::newRow("percentage of 100.01 of a single cent")
        << percentage(Currency::fromRaw(100), Currency(), Currency::fromRaw(1000100), whole(1))
        << Message::UnknownError;
    QTest::newRow("percentage of exactly 100")
        << percentage(whole(100000), whole(10), whole(100), whole(20)) << Message::None;
    QTest::newRow("percentage of exactly 100 of cents")
        << percentage(Currency::fromRaw(123456700), Currency(), whole(100), whole(3))
        << Message::None;
    QTest::newRow("percentage of nothing")
        << percentage(Currency(), whole(10), whole(8), whole(20)) << Message::UnknownError;
    QTest::newRow("twelve months above the capital")
        << fixedAmount(whole(100000), whole(10), whole(9000), Currency()) << Message::UnknownError;
    QTest::newRow("twelve months just within the capital")
        << fixedAmount(whole(100000), whole(10), Currency::fromRaw(83333300), Currency())
        << Message::None;
}

void TestRetirementPlan::withdrawalAboveCapital() {
    QFETCH(RetirementInputs, inputs);
    QFETCH(Message, message);
    const RetirementResult r = calculateRetirement(inputs);
    QCOMPARE(r.message, message);
    QCOMPARE(r.years.empty(), message != Message::None);
}

void TestRetirementPlan::termLimit() {
    QCOMPARE(calculateRetirement(percentage(whole(100000), whole(10), whole(8), whole(51))).message,
             Message::FiftyYearsLimit);
    QCOMPARE(
        calculateRetirement(percentage(whole(100000), whole(10), whole(8), whole(50))).years.size(),
        std::size_t(50));
    // In fixed-amount mode the field holds the yearly raise, which has no limit.
    QCOMPARE(
        calculateRetirement(fixedAmount(whole(100000), whole(10), whole(1000), whole(60))).message,
        Message::None);
}

void TestRetirementPlan::zeroTerm() {
    const RetirementResult r =
        calculateRetirement(percentage(whole(100000), whole(10), whole(8), Currency()));
    QCOMPARE(r.c(), 1);
    QCOMPARE(gridRow(r, 1), QStringList(4, QString()));
    QCOMPARE(gridRow(r, 2)[0], QStringLiteral("Total:"));
    publishRetirement(r);
    QCOMPARE(program().ResultCount, std::int16_t(0));
}

void TestRetirementPlan::publish_data() {
    QTest::addColumn<RetirementInputs>("inputs");
    QTest::addColumn<std::int16_t>("caller");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("years");
    QTest::newRow("percentage: end of each year")
        << percentage(whole(100000), whole(20), whole(15), whole(25))
        << static_cast<std::int16_t>(RetireEndOfYearGraph) << "Retirement value at end of each Year"
        << 25;
    QTest::newRow("fixed amount: start of each year")
        << fixedAmount(whole(100000), Currency(), whole(1000), Currency())
        << static_cast<std::int16_t>(RetireStartOfYearGraph)
        << "Retirement value at start of each Year" << 9;
}

void TestRetirementPlan::publish() {
    QFETCH(RetirementInputs, inputs);
    QFETCH(std::int16_t, caller);
    QFETCH(int, years);
    ProgramState& p = program();
    p.EntryValues[1] = inputs.Invest;
    const RetirementResult r = calculateRetirement(inputs);
    publishRetirement(r);
    QCOMPARE(p.ResultCount, std::int16_t(years));
    QCOMPARE(static_cast<std::int16_t>(p.GraphCaller), caller);
    QTEST(p.GraphTitle, "title");
    QCOMPARE(retirement().YearsText, u' ' + QString::number(years));
    QCOMPARE(p.ResultTable.at(years + 1, 1).toDouble(), double(years));
    QCOMPARE(p.ResultTable.at(years + 1, 3).toDouble(), r.totalWithdrawn);

    const bool startOfYear = p.GraphCaller == RetireStartOfYearGraph;
    const GraphSeries graph = startOfYear ? startOfYearSeries() : endOfYearSeries();
    QCOMPARE(graph.values.size(), std::size_t(years));
    const double endOfYear1 = r.years.front().value;
    if (startOfYear) {
        QCOMPARE(graph.values[0], inputs.Invest.toDouble());
        QCOMPARE(graph.values[1], endOfYear1);
    } else {
        QCOMPARE(graph.values[0], endOfYear1);
    }
    QCOMPARE(graph.labels.value(years - 1), QString::number(years));
}

void TestRetirementPlan::modes_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<std::int16_t>("calcMode");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("texts"); // InInvest, InRateDrawn, InTerm
    QTest::addColumn<int>("invest");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<int>("term");
    QTest::newRow("percentage")
        << int(WithdrawalMode::Percentage) << std::int16_t(0)
        << QStringList{" Annual Income Withdrawn    as a (%) of Current Value.", " Time in years"}
        << QStringList{"", "          8.00%", "               20"} << 500000 << 8 << 20;
    QTest::newRow("fixed amount") << int(WithdrawalMode::FixedAmount) << std::int16_t(2)
                                  << QStringList{" Monthly Amount of Cash        Withdrawn.",
                                                 " Increase Annual Amount       Withdrawn by %."}
                                  << QStringList{"  $100,000.00", "    $1,000.00",
                                                 "             .00%"}
                                  << 100000 << 1000 << 0;
}

void TestRetirementPlan::modes() {
    QFETCH(int, mode);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, texts);
    ProgramState& p = program();
    p.EditPending = 1;
    const auto m = static_cast<WithdrawalMode>(mode);
    applyWithdrawalMode(m);
    const WithdrawalModeTexts t = withdrawalModeTexts(m, p.EntryValues, QStringLiteral("$"));
    QCOMPARE((QStringList{t.rateDrawnCaption, t.termCaption}), captions);
    QCOMPARE((QStringList{t.investText, t.rateDrawnText, t.termText}), texts);
    QTEST(static_cast<std::int16_t>(p.CalcMode), "calcMode");
    QCOMPARE(p.EditPending, std::int16_t(0));
    QTEST(int(p.EntryValues[1].toDouble()), "invest");
    QTEST(int(p.EntryValues[3].toDouble()), "drawn");
    QTEST(int(p.EntryValues[4].toDouble()), "term");
    QCOMPARE(RetirementInputs::fromState().mode, m);

    // After an edit InTerm shows its mode's display form: the raise 15 wide then "%", the
    // years 17 wide.
    const EntryFieldDef term = retireTermField(m);
    const EntryCommit typed = commitEntry(term, QStringLiteral("25"), QStringLiteral("$"));
    const bool fixed = m == WithdrawalMode::FixedAmount;
    QCOMPARE(typed.text, fixed ? QStringLiteral("          25.00%") : QString(15, u' ') + "25");
    QCOMPARE(term.kind, fixed ? FieldKind::Percent : FieldKind::Years);
    QCOMPARE(term.limit, fixed ? 0 : 50);
    QCOMPARE(retireRateDrawnField(m).kind, fixed ? FieldKind::Money : FieldKind::Percent);
}

void TestRetirementPlan::listTextsStore() {
    const EntryFieldDef rate = retireRateField();
    for (const QString& item : retireRateList()) {
        QCOMPARE(commitEntry(rate, item, QStringLiteral("$")).value,
                 Currency::fromDouble(item.toDouble()));
    }
    QCOMPARE(commitEntry(rate, QStringLiteral("12.5 "), QStringLiteral("$")).value,
             Currency::fromRaw(125000));
}

QTEST_GUILESS_MAIN(TestRetirementPlan)
#include "tst_retirementplan.moc"
