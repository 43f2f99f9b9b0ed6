// The trend analysis: averages, verdict, high/low/last, price/earnings and target, earnings
// changes, the texts of the averages window, and the failures that stop the computation.

#include "core/dates.h"
#include "core/programstate.h"
#include "support/caughtfailure.h"
#include "support/trendfixtures.h"
#include "trend/trendanalysis.h"
#include "trend/trendstate.h"

#include <QTest>

namespace {

// Inputs of `values` (newest first) and earnings given as year, earnings, year, earnings, ...
TrendInputs inputs(const QList<double>& values, const QList<double>& earnings = {},
                   float factor = 10.0F) {
    TrendInputs in;
    for (const double v : values) {
        in.values.emplace_back(v);
    }
    for (int i = 0; i + 1 < earnings.size(); i += 2) {
        in.years[static_cast<std::size_t>(i / 2)] = earnings[i];
        in.earnings[static_cast<std::size_t>(i / 2)] = earnings[i + 1];
    }
    in.earningsCount = static_cast<int>(earnings.size() / 2);
    in.factor = factor;
    in.title = QStringLiteral("Growth Fund");
    in.currencySymbol = QStringLiteral("$");
    return in;
}

QList<double> repeated(int count, double value) {
    return QList<double>(count, value);
}

} // namespace

class TestTrendAnalysis : public QObject {
    Q_OBJECT

private slots:
    void init() { setUpTrend({}); }

    void texts_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QList<double>>("earnings");
        QTest::addColumn<float>("factor");
        // "control=text" for every field checked.
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("two records")
            << QList<double>{3, 2} << QList<double>{} << 10.0F
            << QStringList{"Label11=2.50 ", "Label12=.00 ",          "Label29=.00 ",
                           "Label53=2.50 ", "Label52=2 Weeks (All)", "Label16=Need 8 Points "};
        QTest::newRow("high, low, last and their differences")
            << QList<double>{10, 20, 5} << QList<double>{} << 10.0F
            << QStringList{"Label41=10.00  ", "Label19=20.00  ", "Label20=5.00  ",
                           "Label27=300.00%", "Label37=-50.00%", "Label38=100.00%",
                           "Label53=11.67 "};
        QTest::newRow("grouped thousands")
            << QList<double>{1234.5, 98.76} << QList<double>{} << 10.0F
            << QStringList{"Label41=1,234.50  ", "Label20=98.76  ", "Label27=1,150.00%",
                           "Label38=1150.00%", "Label37=.00%"};
        QTest::newRow("eight equal halves: sideways")
            << QList<double>{5, 5, 4, 6, 5, 5, 4, 6} << QList<double>{} << 10.0F
            << QStringList{"Label14=5.00 ", "Label16=Sideways "};
        QTest::newRow("falling newest values: downswing")
            << QList<double>{4, 5, 6, 7, 8, 9, 10, 11} << QList<double>{} << 10.0F
            << QStringList{"Label11=4.50 ", "Label14=7.50 ", "Label16=Downswing "};
        QList<double> rising = {20, 20};
        rising << repeated(6, 10) << repeated(52, 30);
        QTest::newRow("rising newest values against falling long averages")
            << rising << QList<double>{} << 10.0F
            << QStringList{"Label15=24.62 ", "Label35=27.31 ", "Label29=.00 ", "Label16=Upswing ",
                           "Label52=60 Weeks (All)"};
        // Averages that show the same cents are equal, whatever their binary digits say.
        QTest::newRow("eight values of 12.34: sideways")
            << repeated(8, 12.34) << QList<double>{} << 10.0F
            << QStringList{"Label11=12.34 ", "Label14=12.34 ", "Label16=Sideways "};
        QTest::newRow("eight values of 20.10: sideways")
            << repeated(8, 20.10) << QList<double>{} << 10.0F
            << QStringList{"Label11=20.10 ", "Label14=20.10 ", "Label16=Sideways "};
        QTest::newRow("two and eight averaging 19.665: sideways")
            << QList<double>{15.81, 23.52, 14.38, 21.88, 23.97, 16.7, 23.94, 17.12}
            << QList<double>{} << 10.0F
            << QStringList{"Label11=19.67 ", "Label14=19.67 ", "Label16=Sideways "};
        QTest::newRow("a cent apart: upswing")
            << QList<double>{12.35, 12.35, 12.34, 12.34, 12.34, 12.34, 12.34, 12.34}
            << QList<double>{} << 10.0F
            << QStringList{"Label11=12.35 ", "Label14=12.34 ", "Label16=Upswing "};
        QTest::newRow("104 records: every average")
            << repeated(104, 1.5) << QList<double>{} << 10.0F
            << QStringList{"Label29=1.50 ", "Label53=1.50 ", "Label16=Sideways "};
        QTest::newRow("no earnings") << QList<double>{25, 24} << QList<double>{} << 10.0F
                                     << QStringList{"Label42= Annual Earnings ",
                                                    "Label43=",
                                                    "Label17=",
                                                    "Label49=",
                                                    "Label50=",
                                                    "Label10=",
                                                    "Label22=",
                                                    "Label23=",
                                                    "Label24="};
        QTest::newRow("earnings 1.00 and value 25: a drop to 10")
            << QList<double>{25, 24} << QList<double>{2000, 1.0} << 10.0F
            << QStringList{"Label42= Annual Earnings 2000",
                           "Label43=$1.00  ",
                           "Label22=25.00  ",
                           "Label17=-60.00%",
                           "Label49= Could Drop to:",
                           "Label50=10.00  ",
                           "Label10= Risk at10 times Earnings"};
        QTest::newRow("earnings 2.50 and value 20: a rise to 25")
            << QList<double>{20, 24} << QList<double>{2000, 2.5} << 10.0F
            << QStringList{"Label22=8.00  ", "Label17=25.00%",
                           "Label49= Could Rise to:", "Label50=25.00  "};
        QTest::newRow("price at the factor: remain")
            << QList<double>{10, 9} << QList<double>{2000, 1.0} << 10.0F
            << QStringList{"Label17=.00%", "Label49= Could Remain at:", "Label50=10.00  "};
        QTest::newRow("a potential shown as .00%: remain")
            << QList<double>{20.10, 9} << QList<double>{2000, 2.01} << 10.0F
            << QStringList{"Label17=.00%", "Label49= Could Remain at:", "Label50=20.10  "};
        QTest::newRow("a factor of eight digits")
            << QList<double>{10, 9} << QList<double>{2000, 1.0} << 13.333333F
            << QStringList{"Label10= Risk at13.333333 times Earnings"};
        QTest::newRow("a factor with decimals")
            << QList<double>{10, 9} << QList<double>{2000, 1.0} << 12.5F
            << QStringList{"Label10= Risk at12.5 times Earnings", "Label50=12.50  "};
        QTest::newRow("two earnings rows: the change 1999 - 2000")
            << QList<double>{10, 9} << QList<double>{2000, 1.10, 1999, 1.00} << 10.0F
            << QStringList{
                   "Label23= Change 1999 - 2000",   "Label24=10.00%", "Label44=", "Label31=",
                   "Label42= Annual Earnings 2000", "Label43=$1.10  "};
        QTest::newRow("five earnings rows: four changes")
            << QList<double>{10, 9} << QList<double>{2000, 4, 1999, 3, 1998, 4, 1997, 2, 1996, 1}
            << 10.0F
            << QStringList{"Label24=33.33%",  "Label44= Change 1998 - 1999", "Label31=-25.00%",
                           "Label32=100.00%", "Label47= Change 1996 - 1997", "Label33=100.00%"};
        QTest::newRow("a latest year without earnings")
            << QList<double>{10, 9} << QList<double>{2000, 0} << 10.0F
            << QStringList{"Label42= Annual Earnings 2000", "Label43=$  ", "Label17=", "Label22="};
    }

    void texts() {
        QFETCH(QList<double>, values);
        QFETCH(QList<double>, earnings);
        QFETCH(float, factor);
        QFETCH(QStringList, expected);
        const AveratiosUpdate u = ComputeTrendResults(inputs(values, earnings, factor));
        QCOMPARE(u.text(QStringLiteral("Label2")), QStringLiteral("Growth Fund"));
        for (const QString& e : expected) {
            const QString control = e.section(u'=', 0, 0);
            const QString text = e.section(u'=', 1);
            QCOMPARE(control + u'=' + u.text(control), control + u'=' + text);
            QVERIFY2(!u.text(control).isNull(), qPrintable(control + " not written"));
        }
    }

    void potentialColour_data() {
        QTest::addColumn<double>("last");
        QTest::addColumn<double>("earnings");
        QTest::addColumn<int>("colour");
        QTest::newRow("drop is red") << 25.0 << 1.0 << int(LabelColour::Red);
        QTest::newRow("rise is window text") << 20.0 << 2.5 << int(LabelColour::WindowText);
        QTest::newRow("no earnings: window text") << 20.0 << 0.0 << int(LabelColour::WindowText);
        QTest::newRow("a drop shown as .00%: window text")
            << 20.10 << 2.01 << int(LabelColour::WindowText);
    }

    void potentialColour() {
        QFETCH(double, last);
        QFETCH(double, earnings);
        const AveratiosUpdate u = ComputeTrendResults(inputs({last, 1}, {2000, earnings}, 10.0F));
        QTEST(int(u.potentialColour), "colour");
    }

    // Too few records for a figure: the title over blank figures and captions, whatever the
    // window showed before.
    void tooFewRecordsLeaveTheFiguresBlank_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QString>("count");
        QTest::newRow("no record") << QList<double>{} << "0 Weeks (All)";
        QTest::newRow("one record") << QList<double>{25} << "1 Weeks (All)";
    }

    void tooFewRecordsLeaveTheFiguresBlank() {
        QFETCH(QList<double>, values);
        QFETCH(QString, count);
        const AveratiosUpdate u = ComputeTrendResults(inputs(values, {2000, 1, 1999, 0.8}, 12.0F));
        const QStringList expected = {
            "Label2=Growth Fund", "Label11= ",  "Label53= ",  "Label16= ",
            "Label41=  ",         "Label27=",   "Label22=  ", "Label17=",
            "Label49=",           "Label50=  ", "Label10=",   "Label42= Annual Earnings ",
            "Label43=$  ",        "Label23=",   "Label24=",   "Label52=" + count};
        for (const QString& e : expected) {
            const QString control = e.section(u'=', 0, 0);
            QCOMPARE(control + u'=' + u.text(control), e);
        }
        QCOMPARE(int(u.potentialColour), int(LabelColour::WindowText));
    }

    // A failure stops the computation: the title is written, nothing else, and message 27
    // names the value being summed, or nothing once the sums are done.
    void failures_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QList<double>>("earnings");
        QTest::addColumn<int>("dateAt"); // a record whose value field holds a date; 0 = none
        QTest::addColumn<QString>("detail");
        QTest::newRow("a low of 0") << QList<double>{5, 0, 3} << QList<double>{} << 0 << "";
        QTest::newRow("a last value of 0 with earnings")
            << QList<double>{0, -1} << QList<double>{2000, 1} << 0 << "";
        QTest::newRow("an earlier year's earnings of 0")
            << QList<double>{5, 4} << QList<double>{2000, 1, 1999, 0} << 0 << "";
        QTest::newRow("a value that is not a number")
            << QList<double>{5, 4, 3, 2} << QList<double>{} << 3
            << Dates::toShortDate(QDate(2001, 3, 2));
        QTest::newRow("the newest value not a number")
            << QList<double>{5, 4} << QList<double>{} << 1 << Dates::toShortDate(QDate(2001, 3, 2));
        QTest::newRow("an earnings change beyond an amount")
            << QList<double>{5, 4} << QList<double>{2000, 1e20, 1999, 1} << 0 << "";
        QTest::newRow("a sum beyond a double")
            << QList<double>{1e308, 1e308} << QList<double>{} << 0 << "1e+308";
    }

    void failures() {
        QFETCH(QList<double>, values);
        QFETCH(QList<double>, earnings);
        QFETCH(int, dateAt);
        TrendInputs in = inputs(values, earnings);
        if (dateAt > 0) {
            in.values[static_cast<std::size_t>(dateAt - 1)] = Cell(QDate(2001, 3, 2));
        }
        AveratiosUpdate u;
        const CaughtFailure failure = failureOf([&] { ComputeTrendResults(in, u); });
        QVERIFY(failure.raised);
        QCOMPARE(failure.message, Message::CheckDataValues);
        QTEST(failure.detail, "detail");
        QCOMPARE(u.texts.size(), std::size_t{1});
        QCOMPARE(u.text(QStringLiteral("Label2")), QStringLiteral("Growth Fund"));
    }

    void fromStateEmptiesTheReportBlock() {
        setUpTrend(weeklyRecords(3, QDate(2001, 3, 16), {7, 8, 9}), {{2000, 1.5}});
        program().ReportBlocks[1] = QStringLiteral("old");
        trend().EarningsFactor = 12.0F;
        AveratiosUpdate u;
        ComputeTrendResults(u);
        QCOMPARE(program().ReportBlocks[1], QString());
        QCOMPARE(u.text(QStringLiteral("Label41")), QStringLiteral("7.00  "));
        QCOMPARE(u.text(QStringLiteral("Label10")), QStringLiteral(" Risk at12 times Earnings"));
        QCOMPARE(u.text(QStringLiteral("Label52")), QStringLiteral("3 Weeks (All)"));
    }

    void clearBlanksTheFigures() {
        const AveratiosUpdate u = ClearTrendResults(0, QStringLiteral("€"));
        const QStringList expected = {
            "Label11= ", "Label12= ",  "Label13= ",   "Label14= ",
            "Label15= ", "Label35= ",  "Label29= ",   "Label53= ",
            "Label16= ", "Label41=  ", "Label19=  ",  "Label20=  ",
            "Label27=",  "Label37=",   "Label38=",    "Label24=",
            "Label31=",  "Label32=",   "Label33=",    "Label22=  ",
            "Label17=",  "Label50=  ", "Label43=€  ", "Label52=0 Weeks (All)",
            "Label49="};
        QStringList written;
        for (const LabelText& t : u.texts) {
            written << t.control + u'=' + t.text;
        }
        QCOMPARE(written, expected);
        QCOMPARE(int(u.potentialColour), int(LabelColour::Unchanged));
    }

    void periodCaptions_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("weeks") << 0
                               << QStringList{"WeekPoints=Change to Data Values",
                                              "Label4= 2 Weeks",
                                              "Label5= 4 Weeks",
                                              "Label6= 6 Weeks",
                                              "Label7= 8 Weeks",
                                              "Label8= 26 Weeks",
                                              "Label34= 52 Weeks",
                                              "Label28= 104 Weeks",
                                              "Label52=2 Weeks (All)"};
        QTest::newRow("data values")
            << 1 << QStringList{"WeekPoints=Change to Weeks", "Label4= 2 Data values",
                                "Label5= 4 Data values",      "Label6= 6 Data values",
                                "Label7= 8 Data values",      "Label8= 26 Data values",
                                "Label34= 52 Data values",    "Label28= 104 Data values",
                                "Label52=2 Values (All)"};
    }

    void periodCaptions() {
        QFETCH(int, mode);
        QStringList written;
        for (const LabelText& t : SetPeriodCaptions(mode, 2).texts) {
            written << t.control + u'=' + t.text;
        }
        QTEST(written, "expected");
    }
};

QTEST_GUILESS_MAIN(TestTrendAnalysis)
#include "tst_trendanalysis.moc"
