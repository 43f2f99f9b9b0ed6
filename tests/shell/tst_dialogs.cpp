// The message, question and file windows and their calling protocol.

#include "core/programstate.h"
#include "platform/filedialogs.h"
#include "platform/modal.h"
#include "shell/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
QString shownMessage(Message message) {
    QString text;
    QString caption;
    modal::pushResponder([&](QDialog& d) {
        text = d.findChild<QPlainTextEdit*>("TextMsg")->toPlainText();
        caption = d.windowTitle();
        QTest::mouseClick(d.findChild<QPushButton*>("AMsgExit"), Qt::LeftButton);
    });
    showMessage(message);
    return caption == QStringLiteral("Help") ? text : QStringLiteral("<wrong caption>");
}
} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void init() { resetProgram(); }
    void cleanup() { modal::clearResponders(); }

    void messages_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("detail2");
        QTest::addColumn<QString>("text");
        QTest::newRow("3") << 3 << ""
                           << ""
                           << "Wrong or missing entry, try again.";
        QTest::newRow("13") << 13 << ""
                            << ""
                            << "File not found or wrong format. Check Filename and/or Directory.";
        QTest::newRow("25 keeps its leading blank")
            << 25 << ""
            << ""
            << " Bad Filename. Must be in the form MYFILE.ORV";
        QTest::newRow("19 joins the detail") << 19 << "abc"
                                             << ""
                                             << "Wrong Value entry: abc";
        QTest::newRow("43 joins both details") << 43 << "10"
                                               << "1"
                                               << "Must be between 1 and 10";
        QTest::newRow("48 a full trend database") << 48 << ""
                                                  << ""
                                                  << "Limit is 1000 records.";
        QTest::newRow("unknown number shows nothing") << 99 << ""
                                                      << ""
                                                      << "";
        QTest::newRow("zero shows nothing") << 0 << ""
                                            << ""
                                            << "";
    }

    void messages() {
        QFETCH(int, number);
        QFETCH(QString, detail);
        QFETCH(QString, detail2);
        program().MessageDetail = detail;
        program().MessageDetail2 = detail2;
        QTEST(shownMessage(static_cast<Message>(number)), "text");
        QCOMPARE(int(program().MessageNumber), number);
    }

    void questions_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("button"); // empty = the close box
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("answer");
        QTest::newRow("yes") << 1 << "AllYes" << true << 6;
        QTest::newRow("no") << 2 << "AllNo" << false << 0;
        QTest::newRow("close box leaves the question number") << 2 << "" << false << 2;
    }

    void questions() {
        QFETCH(int, code);
        QFETCH(QString, button);
        QString label;
        modal::pushResponder([&](QDialog& d) {
            label = d.findChild<QLabel*>("Label1")->text();
            if (!button.isEmpty()) {
                QTest::mouseClick(d.findChild<QPushButton*>(button), Qt::LeftButton);
            } else {
                d.close();
            }
        });
        QTEST(askQuestion(static_cast<Question>(code)), "yes");
        QTEST(int(program().QuestionCode), "answer");
        QCOMPARE(label, questionText(static_cast<Question>(code)));
    }

    void questionTexts() {
        QCOMPARE(questionText(Question::ContinuePrintout),
                 QStringLiteral(" Continue with Printout."));
        QCOMPARE(questionText(Question::PrintInColour), QStringLiteral(" Print in Color."));
        program().TrendFileName = QStringLiteral("Sample.orv");
        QCOMPARE(questionText(Question::EraseFileInMemory),
                 QStringLiteral("Sample.orv file in memory will be erased. Do you wish to go back "
                                "and save it to Disk?."));
    }

    void fileDialogModes_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("filter");
        QTest::newRow("open trend") << 1 << "Fendrake Database (*.orv)|*.orv";
        QTest::newRow("save mortgage") << 6 << "Mortgage Database (*.umd)|*.umd";
        QTest::newRow("open loan") << 7 << "Loan Database (*.uld)|*.uld";
    }

    void fileDialogModes() {
        QFETCH(int, mode);
        program().ChosenPath = QStringLiteral("House.umd");
        FileDialogs::setNextAnswer(QStringLiteral("/tmp/x/House.umd"));
        QCOMPARE(chooseFile(static_cast<std::int16_t>(mode)), QStringLiteral("/tmp/x/House.umd"));
        QCOMPARE(int(program().FileDialogMode), mode);
        QCOMPARE(program().ChosenPath, QStringLiteral("/tmp/x/House.umd"));
        QTEST(FileDialogs::lastFilter(), "filter");
        QCOMPARE(FileDialogs::lastDefaultName(), QStringLiteral("House.umd"));
    }

    // A name typed without an extension in a save dialog gets the file type's, so that the
    // open dialog's filter shows the file; every save of the program goes this way. Open
    // dialogs and names with an extension of their own keep what was chosen.
    void savedNameGetsTheExtension_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("path");
        QTest::newRow("trend file") << 2 << "/tmp/x/mine"
                                    << "/tmp/x/mine.orv";
        QTest::newRow("mortgage file") << 6 << "/tmp/x/mine"
                                       << "/tmp/x/mine.umd";
        QTest::newRow("loan file") << 8 << "/tmp/x/mine"
                                   << "/tmp/x/mine.uld";
        QTest::newRow("folder with a point") << 6 << "/tmp/x.d/mine"
                                             << "/tmp/x.d/mine.umd";
        QTest::newRow("extension typed") << 6 << "/tmp/x/mine.umd"
                                         << "/tmp/x/mine.umd";
        QTest::newRow("other extension typed") << 8 << "/tmp/x/my.loan"
                                               << "/tmp/x/my.loan";
        QTest::newRow("open dialog") << 5 << "/tmp/x/mine"
                                     << "/tmp/x/mine";
    }

    void savedNameGetsTheExtension() {
        QFETCH(int, mode);
        QFETCH(QString, chosen);
        QFETCH(QString, path);
        FileDialogs::setNextAnswer(chosen);
        QString lastName;
        QString written;
        const bool save = mode % 2 == 0;
        const auto work = [&written](const QString& p) {
            written = p;
            return true;
        };
        QVERIFY(save ? saveThroughDialog(static_cast<std::int16_t>(mode), lastName, work,
                                         Message::BadMortgageFileName)
                     : openThroughDialog(static_cast<std::int16_t>(mode), lastName, work));
        QCOMPARE(written, path);
        QCOMPARE(lastName, QFileInfo(path).fileName());
    }

    // The save dialog itself adds the extension to a typed name.
    void saveDialogAddsTheExtension() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name != nullptr);
            name->setText(QStringLiteral("mine"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        const QString chosen = FileDialogs::save(nullptr, dir.filePath(QStringLiteral("House.umd")),
                                                 QStringLiteral("Mortgage Database (*.umd)|*.umd"));
        QCOMPARE(chosen, dir.filePath(QStringLiteral("mine.umd")));
    }

    void cancelledFileDialog() {
        program().ChosenPath = QStringLiteral("Old.orv");
        FileDialogs::setNextAnswer(std::nullopt);
        QCOMPARE(chooseFile(2), QString());
        QCOMPARE(int(program().FileDialogMode), 9);
        QCOMPARE(program().ChosenPath, QString());
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
