// The personal settings file and the settings window.

#include "core/programstate.h"
#include "platform/beep.h"
#include "platform/modal.h"
#include "shell/changefnt.h"
#include "shell/menumain.h"
#include "shell/programdir.h"
#include "shell/settingsfile.h"
#include "support/arrivingtext.h"
#include "support/filesizelimit.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Chooses a radio button through its accessibility action, as a screen reader does.
void chooseByAccessibility(QRadioButton* button, const QString& action) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
    QVERIFY(accessible != nullptr && accessible->actionInterface() != nullptr);
    accessible->actionInterface()->doAction(action);
}
} // namespace

class TestSettings : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_path;

private slots:
    void init() {
        resetProgram();
        QVERIFY(m_dir.isValid());
        m_path = QDir(m_dir.path()).filePath(SettingsFileName);
        QFile::remove(m_path);
    }

    void loading_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<int>("font");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("linesPerPage");

        QTest::newRow("all three fields")
            << QByteArray("\"$\",2,\"Ann Smith\"\r\n") << true << "$" << 2 << "Ann Smith" << 0;
        QTest::newRow("empty symbol becomes the dollar sign")
            << QByteArray("\"\",1,\"\"\r\n") << true << "$" << 1 << "" << 0;
        QTest::newRow("further fields are ignored")
            << QByteArray("\"$\",3,\"Jo\",\"extra\",7\r\n") << true << "$" << 3 << "Jo" << 0;
        QTest::newRow("two fields keep what was read")
            << QByteArray("\"Fr\",1\r\n") << false << "Fr" << 1 << "" << 53;
        QTest::newRow("unreadable font number")
            << QByteArray("\"$\",x,\"Jo\"\r\n") << false << "$" << 0 << "" << 53;
        QTest::newRow("euro sign in UTF-8") << QByteArray("\"\xE2\x82\xAC\",0,\"\"\r\n") << true
                                            << QString(QChar(0x20AC)) << 0 << "" << 0;
        QTest::newRow("euro sign from an older Windows-1252 file")
            << QByteArray("\"\x80\",0,\"Zoe\"\r\n") << true << QString(QChar(0x20AC)) << 0 << "Zoe"
            << 0;
        QTest::newRow("LF line end")
            << QByteArray("\"$\",2,\"Al\"\n") << true << "$" << 2 << "Al" << 0;
        QTest::newRow("empty file") << QByteArray() << false << "$" << 0 << "" << 53;
    }

    void loading() {
        QFETCH(QByteArray, file);
        writeAll(m_path, file);
        QFETCH(bool, ok);
        QCOMPARE(loadSettings(m_path), ok);
        QTEST(program().CurrencySymbol, "symbol");
        QTEST(int(program().PrinterFontChoice), "font");
        QTEST(program().UserName, "name");
        QTEST(int(program().LinesPerPage), "linesPerPage");
    }

    void missingFileGivesDefaults() {
        QVERIFY(!loadSettings(m_path));
        QCOMPARE(program().CurrencySymbol, QStringLiteral("$"));
        QCOMPARE(int(program().PrinterFontChoice), 0);
        QCOMPARE(program().UserName, QString());
        QCOMPARE(int(program().LinesPerPage), 53);
    }

    void savedExactly() {
        program().CurrencySymbol = QStringLiteral("$");
        program().PrinterFontChoice = 2;
        program().UserName = QStringLiteral(" Ann ");
        QVERIFY(saveSettings(m_path));
        QCOMPARE(readAll(m_path), QByteArray("\"$\",2,\" Ann \"\r\n"));
    }

    // A full disk: the save fails quietly and the old file stays byte for byte, also when the
    // settings window is left.
    void failedSaveKeepsTheOldFile() {
        const QByteArray old("\"$\",1,\"Old\"\r\n");
        writeAll(m_path, old);
        program().UserName = QStringLiteral("New");
        {
            FileSizeLimit full(0);
            QVERIFY(!saveSettings(m_path));
        }
        QCOMPARE(readAll(m_path), old);

        setProgramDirectory(m_dir.path());
        ChangeFnt window;
        window.show();
        {
            FileSizeLimit full(4);
            QTest::mouseClick(window.findChild<QPushButton*>("ExitFonts"), Qt::LeftButton);
        }
        setProgramDirectory({});
        QCOMPARE(readAll(m_path), old);
        QCOMPARE(program().UserName, QStringLiteral("New"));
    }

    void saveIntoMissingFolderFailsQuietly() {
        QVERIFY(!saveSettings(QDir(m_dir.path()).filePath("no/such/Personal.orp")));
    }

    // The window: the euro sign shown with one leading blank and stored without it, a cleared
    // name hiding MyName, the chosen font written as the second field.
    void settingsWindowRoundTrip() {
        setProgramDirectory(m_dir.path());
        writeAll(m_path, "\"$\",0,\"Ann\"\r\n");
        MenuMain menu;
        QLabel* myName = menu.findChild<QLabel*>("MyName");
        QVERIFY(!myName->isHidden());
        QCOMPARE(myName->text(), QStringLiteral("Ann"));

        ChangeFnt window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* currency = window.findChild<QLineEdit*>("InCurrency");
        auto* name = window.findChild<QLineEdit*>("InMyName");
        QCOMPARE(currency->text(), QStringLiteral("$"));
        QCOMPARE(name->text(), QStringLiteral("Ann"));

        window.findChild<QRadioButton*>("PtrFt3")->click();
        QCOMPARE(int(program().PrinterFontChoice), 3);

        currency->setFocus();
        QKeyEvent euro(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0x20AC)));
        QApplication::sendEvent(currency, &euro);
        QTest::keyClick(currency, Qt::Key_Return); // Enter moves on to the name
        QVERIFY(name->hasFocus());
        QCOMPARE(currency->text(), QStringLiteral(" ") + QChar(0x20AC));

        name->selectAll();
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClicks(name, "\"");
        QCOMPARE(name->text(), QString());
        QTest::keyClick(name, Qt::Key_Return);

        QTest::mouseClick(window.findChild<QPushButton*>("ExitFonts"), Qt::LeftButton);
        QCOMPARE(program().CurrencySymbol, QString(QChar(0x20AC)));
        QCOMPARE(program().UserName, QString());
        QVERIFY(myName->isHidden());
        QCOMPARE(readAll(m_path), QByteArray("\"\xE2\x82\xAC\",3,\"\"\r\n"));
        setProgramDirectory({});
    }

    // A click in the currency box empties it; the next keys are typed normally.
    void clickEmptiesCurrencyBox() {
        program().CurrencySymbol = QStringLiteral("$");
        ChangeFnt window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* currency = window.findChild<QLineEdit*>("InCurrency");
        QTest::mouseClick(currency, Qt::LeftButton);
        QCOMPARE(currency->text(), QString());
        QTest::keyClicks(currency, "Fr");
        window.findChild<QLineEdit*>("InMyName")->setFocus();
        QCOMPARE(currency->text(), QStringLiteral("Fr"));
    }

    // A font chosen through the accessibility action (which toggles the button without a
    // click) is the font saved.
    void fontChosenByAccessibilityIsSaved_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("font");
        QTest::newRow("toggle") << QAccessibleActionInterface::toggleAction() << 2;
        QTest::newRow("press") << QAccessibleActionInterface::pressAction() << 3;
    }

    void fontChosenByAccessibilityIsSaved() {
        QFETCH(QString, action);
        QFETCH(int, font);
        setProgramDirectory(m_dir.path());
        writeAll(m_path, "\"$\",0,\"Ann\"\r\n");
        QVERIFY(loadSettings(m_path));
        ChangeFnt window;
        window.show();
        chooseByAccessibility(window.findChild<QRadioButton*>(QStringLiteral("PtrFt%1").arg(font)),
                              action);
        QTRY_COMPARE(int(program().PrinterFontChoice), font);
        QTest::mouseClick(window.findChild<QPushButton*>("ExitFonts"), Qt::LeftButton);
        setProgramDirectory({});
        QCOMPARE(readAll(m_path), QByteArray("\"$\",") + QByteArray::number(font) + ",\"Ann\"\r\n");
    }

    // The symbol read from the file stays whole until the user types another; a typed one is
    // cut to two characters and right-aligned.
    void currencySymbolOnLeaving_data() {
        QTest::addColumn<QString>("typed"); // empty: the box is passed through untouched
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("untouched long symbol") << ""
                                               << "USD" << QByteArray("\"USD\",0,\"\"\r\n");
        QTest::newRow("typed three letters") << "EUR"
                                             << "EU" << QByteArray("\"EU\",0,\"\"\r\n");
        QTest::newRow("typed one character") << "F"
                                             << " F" << QByteArray("\"F\",0,\"\"\r\n");
    }

    void currencySymbolOnLeaving() {
        QFETCH(QString, typed);
        setProgramDirectory(m_dir.path());
        writeAll(m_path, "\"USD\",0,\"\"\r\n");
        QVERIFY(loadSettings(m_path));
        ChangeFnt window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* currency = window.findChild<QLineEdit*>("InCurrency");
        QCOMPARE(currency->text(), QStringLiteral("USD"));
        currency->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(currency, typed);
        window.findChild<QLineEdit*>("InMyName")->setFocus(Qt::TabFocusReason);
        QTEST(currency->text(), "shown");
        QTest::mouseClick(window.findChild<QPushButton*>("ExitFonts"), Qt::LeftButton);
        setProgramDirectory({});
        QTEST(readAll(m_path), "saved");
    }

    // Neither box ever holds a double quote or a line break, whatever way the text comes:
    // such a text is refused whole, with the beep, and the box keeps its text.
    void noQuoteOrLineBreakGetsIn_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        for (const char* box : {"InMyName", "InCurrency"}) {
            for (const char* path : ArrivalPaths) {
                QTest::addRow("%s, %s, quote", box, path) << box << path << "\"";
                QTest::addRow("%s, %s, line break", box, path) << box << path << "\n";
            }
        }
    }

    void noQuoteOrLineBreakGetsIn() {
        QFETCH(QString, box);
        QFETCH(QString, path);
        QFETCH(QString, text);
        int beeps = 0;
        platform::setBeepHandler([&] { ++beeps; });
        program().CurrencySymbol = QStringLiteral("$");
        program().UserName = QStringLiteral("Ann");
        setProgramDirectory(m_dir.path());
        {
            ChangeFnt window;
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            window.findChild<QPushButton*>("ExitFonts")->setFocus();
            auto* edit = window.findChild<QLineEdit*>(box);
            const QString before = edit->text();
            putArrivingText(edit, path, text);
            QCOMPARE(edit->text(), before);
            QCOMPARE(beeps, 1);
            QTest::mouseClick(window.findChild<QPushButton*>("ExitFonts"), Qt::LeftButton);
        }
        setProgramDirectory({});
        platform::setBeepHandler({});
        QCOMPARE(readAll(m_path), QByteArray("\"$\",0,\"Ann\"\r\n"));
    }

    // What the user puts in the name box keeps to its 97 characters, by any path; a longer
    // name read from the file is shown and saved whole.
    void nameKeepsToItsLength() {
        int beeps = 0;
        platform::setBeepHandler([&] { ++beeps; });
        setProgramDirectory(m_dir.path());
        const QString longName(120, QLatin1Char('n'));
        program().UserName = longName;
        {
            ChangeFnt window;
            window.show();
            auto* name = window.findChild<QLineEdit*>("InMyName");
            QCOMPARE(name->text(), longName);
            QTest::mouseClick(window.findChild<QPushButton*>("ExitFonts"), Qt::LeftButton);
        }
        QCOMPARE(readAll(m_path), "\"$\",0,\"" + longName.toLatin1() + "\"\r\n");

        program().UserName = QStringLiteral("Ann");
        ChangeFnt window;
        window.show();
        auto* name = window.findChild<QLineEdit*>("InMyName");
        name->setText(QString(98, QLatin1Char('m')));
        QCOMPARE(name->text(), QStringLiteral("Ann"));
        QCOMPARE(beeps, 1);
        name->setText(QString(97, QLatin1Char('m')));
        QCOMPARE(program().UserName, QString(97, QLatin1Char('m')));
        name->setFocus();
        name->end(false);
        QTest::keyClicks(name, "xy");
        QCOMPARE(name->text(), QString(97, QLatin1Char('m')));
        setProgramDirectory({});
        platform::setBeepHandler({});
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
