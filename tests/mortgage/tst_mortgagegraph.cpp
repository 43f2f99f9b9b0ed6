#include "core/programstate.h"
#include "mortgage/amortization.h"
#include "mortgage/mortgagegraph.h"
#include "mortgage/mortgagestate.h"
#include "support/mortgagefixtures.h"

#include <QTest>

namespace {

MortgageInputs defaults(ScheduleRows calcMode) {
    return defaultMortgage(calcMode);
}

Currency point(int k) {
    return program().GraphValues.at(k, 5);
}

} // namespace

class TestMortgageGraph : public QObject {
    Q_OBJECT

private slots:
    void init() { startMortgageTables(); }

    void annualAndEveryPaymentAgree();
    void earlyPayoffShortensTheGraph_data();
    void earlyPayoffShortensTheGraph();
};

void TestMortgageGraph::annualAndEveryPaymentAgree() {
    setCalcMode(ScheduleRows::Annual);
    calculatedMortgage(defaults(ScheduleRows::Annual));
    QCOMPARE(PrepareMortgageGraph(), 25);
    QCOMPARE(point(1), Currency::fromWhole(100000));
    QCOMPARE(program().GraphValues.at(1, 1), Currency::fromWhole(1));
    std::vector<Currency> annual;
    for (int k = 1; k <= 26; ++k) {
        annual.push_back(point(k));
        if (k >= 2) {
            // Point k + 1 is the balance at the end of year k.
            QCOMPARE(point(k), program().ResultTable.at(k - 1, 4).toCurrency());
            QCOMPARE(program().GraphValues.at(k, 1), Currency::fromWhole(k));
            QVERIFY(point(k) < point(k - 1));
        }
    }
    QCOMPARE(annual.back(), Currency());

    setCalcMode(ScheduleRows::EveryPayment);
    calculatedMortgage(defaults(ScheduleRows::EveryPayment));
    QCOMPARE(PrepareMortgageGraph(), 25);
    for (int k = 1; k <= 26; ++k) {
        QCOMPARE(point(k), annual[static_cast<std::size_t>(k - 1)]);
    }
}

void TestMortgageGraph::earlyPayoffShortensTheGraph_data() {
    QTest::addColumn<int>("calcMode");
    QTest::newRow("annual rows") << 1;
    QTest::newRow("every payment") << 2;
}

void TestMortgageGraph::earlyPayoffShortensTheGraph() {
    QFETCH(int, calcMode);
    program().CalcMode = static_cast<std::int16_t>(calcMode);
    MortgageInputs in = defaults(static_cast<ScheduleRows>(calcMode));
    in.PrePayments.at(2, 2) = Currency::fromWhole(5000);
    in.PrePayCount = 1;
    calculatedMortgage(in);
    // 251 payments: 20.92 years.
    QCOMPARE(PrepareMortgageGraph(), 21);
    QCOMPARE(point(22), Currency());
    QVERIFY(point(21) > Currency());
    QCOMPARE(point(23), Currency());
    QCOMPARE(program().GraphValues.at(23, 1), Currency());
}

QTEST_GUILESS_MAIN(TestMortgageGraph)
#include "tst_mortgagegraph.moc"
