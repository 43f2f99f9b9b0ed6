#include "core/programstate.h"
#include "core/runtimefailure.h"
#include "mortgage/mortgagefile.h"
#include "mortgage/mortgagestate.h"
#include "support/failingdevice.h"
#include "support/tempprogramdir.h"

#include <QBuffer>
#include <QTest>

namespace {

const QString Monthly = QStringLiteral("      Monthly");

// The default mortgage after "&Calculate", with the additional-payments window opened once.
MortgageFileData defaultsFromState() {
    program().MortgageMode = MortgageModeFlag::Mortgage;
    loadMortgageTables();
    setCalcMode(ScheduleRows::Annual);
    program().PaymentStartDate = QStringLiteral("2024-01-31");
    mortgage().PrePayYears = 25;
    for (int y = 1; y <= 25; ++y) {
        mortgage().MortPrePayments.at(y, 1) = Currency::fromWhole(y);
    }
    return mortgageFileData(MortgageInputs::fromState(Monthly, QStringLiteral(" Biweekly(Acc)")));
}

QByteArray written(const MortgageFileData& data) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writeMortgageFile(buffer, data)) {
        return {};
    }
    return bytes;
}

const QByteArray GoodFirst = "100000,10.125,25,\"      Monthly\",\"      "
                             "Monthly\",\"2024-01-31\",0,1,1,2,1,1,365,\"O\",0\r\n";

} // namespace

class TestMortgageFile : public QObject {
    Q_OBJECT

private slots:
    void init() {
        resetProgram();
        resetMortgage();
    }

    void writesRecords();
    void roundTripAndApply();
    void failedWrites();
    void failedSaveKeepsOldFile();
    void acceptedVariants_data();
    void acceptedVariants();
    void hostileInput_data();
    void hostileInput();
    void missingFile();
};

void TestMortgageFile::writesRecords() {
    MortgageFileData data = defaultsFromState();
    data.PrePayments[1].second = Currency::fromWhole(5000);
    data.PrePayments[9].second = Currency::fromDouble(1500.25);
    data.PrePayCount = 2;
    const QList<QByteArray> lines = written(data).split('\n');
    QCOMPARE(lines.size(), 27); // 26 records and the empty rest after the last CR LF
    QCOMPARE(lines[0], QByteArray("100000,10.125,25,\"      Monthly\",\" Biweekly(Acc)\","
                                  "\"2024-01-31\",0,1,1,25,2,1,365,\"O\",0\r"));
    QCOMPARE(lines[1], QByteArray("1,0\r"));
    QCOMPARE(lines[2], QByteArray("2,5000\r"));
    QCOMPARE(lines[10], QByteArray("10,1500.25\r"));
    QCOMPARE(lines[25], QByteArray("25,0\r"));
    QCOMPARE(lines[26], QByteArray());
}

void TestMortgageFile::roundTripAndApply() {
    MortgageFileData data = defaultsFromState();
    data.PrePayments[1].second = Currency::fromWhole(5000);
    data.PrePayCount = 1;
    data.ShowPaymentDates = 1;
    data.CalcMode = ScheduleRows::EveryPayment;
    data.DaysInYearChoice = 3;
    data.MortgageMode = MortgageModeFlag::Loan;
    data.Term = Currency::fromDouble(4.1667);
    const MortgageFileData back = readMortgageFile(written(data));
    QCOMPARE(back.Principal, data.Principal);
    QCOMPARE(back.Rate, data.Rate);
    QCOMPARE(back.Term, data.Term);
    QCOMPARE(back.FreqPmt, data.FreqPmt);
    QCOMPARE(back.PaymentStartDate, data.PaymentStartDate);
    QCOMPARE(back.PrePayments, data.PrePayments);

    resetProgram();
    resetMortgage();
    program().MortgageMode = MortgageModeFlag::Mortgage;
    loadMortgageTables();
    applyMortgageFileData(back);
    QCOMPARE(program().EntryValues[3], Currency::fromDouble(4.1667));
    QCOMPARE(program().PaymentStartDate, QStringLiteral("2024-01-31"));
    QCOMPARE(program().CalcMode, storedMode(ScheduleRows::EveryPayment));
    QCOMPARE(program().MortgageMode, MortgageModeFlag::Loan);
    QCOMPARE(mortgage().ShowPaymentDates, std::int16_t(1));
    QCOMPARE(mortgage().DaysInYearChoice, std::int16_t(3));
    QCOMPARE(mortgage().DaysInYear, 363.0F);
    QCOMPARE(mortgage().PrePayYears, std::int16_t(25));
    QCOMPARE(mortgage().PrePayCount, std::int16_t(1));
    QCOMPARE(mortgage().MortPrePayments.at(2, 2), Currency::fromWhole(5000));
    QCOMPARE(mortgage().MortPrePayments.at(26, 2), Currency());
}

void TestMortgageFile::failedWrites() {
    const MortgageFileData data = defaultsFromState();
    FailingDevice device(40);
    device.open(QIODevice::WriteOnly);
    QVERIFY(!writeMortgageFile(device, data));

    MortgageFileData tooMany = data;
    tooMany.PrePayYears = 46;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, writeMortgageFile(buffer, tooMany));

    mortgage().PrePayYears = 46;
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure,
                             mortgageFileData(MortgageInputs::fromState(Monthly, Monthly)));
}

void TestMortgageFile::failedSaveKeepsOldFile() {
    TempProgramDir dir;
    QVERIFY(dir.isValid());
    const MortgageFileData data = defaultsFromState();
    QVERIFY(saveMortgageFile(QStringLiteral("Home.umd"), data));
    const QByteArray old = dir.read(QStringLiteral("Home.umd"));
    QVERIFY(old.startsWith("100000,"));

    MortgageFileData bad = data;
    bad.PrePayYears = 3; // three years but 25 payments: refused before the file is touched
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, saveMortgageFile(QStringLiteral("Home.umd"), bad));
    QCOMPARE(dir.read(QStringLiteral("Home.umd")), old);

    QVERIFY(!saveMortgageFile(dir.filePath(QStringLiteral("no such folder/Home.umd")), data));
}

void TestMortgageFile::acceptedVariants_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("calcMode");
    QTest::newRow("as written") << GoodFirst + "1,0\r\n2,300\r\n" << 1 << 1;
    QTest::newRow("LF line ends and trailing lines")
        << QByteArray(GoodFirst).replace("\r\n", "\n") + "1,0\n2,300\nrubbish\n"
        << 1 << 1;
    QTest::newRow("days choice 4 opens with 365.25")
        << QByteArray(GoodFirst).replace("\",0,1,1,2", "\",0,4,1,2") + "1,0\r\n2,300\r\n"
        << 0 << 1;
    QTest::newRow("any number as the stored days")
        << QByteArray(GoodFirst).replace(",365,", ",1.5e300,") + "1,0\r\n2,300\r\n"
        << 1 << 1;
    QTest::newRow("other row modes show every payment")
        << QByteArray(GoodFirst).replace("\",0,1,1,2", "\",0,1,7,2") + "1,0\r\n2,300\r\n"
        << 1 << 2;
    QTest::newRow("unknown frequency text loads")
        << QByteArray(GoodFirst).replace("\"      Monthly\",\"2024", "\"Daily\",\"2024") +
               "1,0\r\n2,300\r\n"
        << 1 << 1;
}

void TestMortgageFile::acceptedVariants() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, choice);
    QFETCH(int, calcMode);
    QBuffer buffer(&bytes);
    const MortgageFileData data = readMortgageFile(buffer);
    program().MortgageMode = MortgageModeFlag::Mortgage;
    loadMortgageTables();
    applyMortgageFileData(data);
    QCOMPARE(mortgage().DaysInYearChoice, std::int16_t(choice));
    QCOMPARE(mortgage().DaysInYear, choice == 0 ? 365.25F : 365.0F);
    QCOMPARE(program().CalcMode, static_cast<std::int16_t>(calcMode));
    QCOMPARE(mortgage().MortPrePayments.at(2, 2), Currency::fromWhole(300));
}

void TestMortgageFile::hostileInput_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray years = "1,0\r\n2,300\r\n";
    auto first = [](const char* from, const char* to) {
        return QByteArray(GoodFirst).replace(from, to);
    };
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("blank lines only") << QByteArray("\r\n\r\n");
    QTest::newRow("first record cut short") << GoodFirst.left(60) + "\r\n" + years;
    QTest::newRow("first record cut inside a text") << GoodFirst.left(25);
    QTest::newRow("fourteen fields") << first(",\"O\",0", ",\"O\"") + years;
    QTest::newRow("text where the principal belongs") << first("100000,", "\"lots\",") + years;
    QTest::newRow("principal beyond the currency range")
        << first("100000,", "99999999999999999999,") + years;
    QTest::newRow("principal as a huge exponent") << first("100000,", "1e300,") + years;
    QTest::newRow("year count of 30000") << first(",1,1,2,1,1,", ",1,1,30000,1,1,") + years;
    QTest::newRow("year count of 46") << first(",1,1,2,1,1,", ",1,1,46,1,1,") + years;
    QTest::newRow("negative year count") << first(",1,1,2,1,1,", ",1,1,-1,1,1,") + years;
    QTest::newRow("year count beyond 16 bits") << first(",1,1,2,1,1,", ",1,1,70000,1,1,") + years;
    QTest::newRow("count of 32767") << first(",1,1,2,1,1,", ",1,1,2,32767,1,") + years;
    QTest::newRow("days choice 5") << first("\",0,1,1,2", "\",0,5,1,2") + years;
    QTest::newRow("dates flag 2") << first("\",0,1,1,2", "\",2,1,1,2") + years;
    QTest::newRow("mortgage mode 3") << first(",1,365,", ",3,365,") + years;
    QTest::newRow("fewer year lines") << GoodFirst + "1,0\r\n";
    QTest::newRow("blank year line") << GoodFirst + "1,0\r\n\r\n";
    QTest::newRow("year line of one field") << GoodFirst + "1,0\r\n2\r\n";
    QTest::newRow("amount beyond the range") << GoodFirst + "1,0\r\n2,1e19\r\n";
    QTest::newRow("binary bytes") << QByteArray("\x00\x01\xff\xfe\x80\"\x00,\x7f", 9);
    QTest::newRow("binary after a good first record")
        << GoodFirst + QByteArray("\x00\xff\x01,\x02\r\n\x03", 8);
}

void TestMortgageFile::hostileInput() {
    QFETCH(QByteArray, bytes);
    program().MortgageMode = MortgageModeFlag::Mortgage;
    loadMortgageTables();
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, readMortgageFile(bytes));
    QBuffer buffer(&bytes);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, readMortgageFile(buffer));
    // Reading alone never touches the window's values.
    QCOMPARE(program().EntryValues[1], Currency::fromWhole(100000));
}

void TestMortgageFile::missingFile() {
    TempProgramDir dir;
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, loadMortgageFile(QStringLiteral("Missing.umd")));
    QVERIFY(dir.write(QStringLiteral("Good.uld"), GoodFirst + "1,0\r\n2,300\r\n"));
    QCOMPARE(loadMortgageFile(QStringLiteral("Good.uld")).PrePayments.size(), std::size_t(2));
}

QTEST_GUILESS_MAIN(TestMortgageFile)
#include "tst_mortgagefile.moc"
