#include "platform/helpviewer.h"
#include "support/tempprogramdir.h"

#include <QCoreApplication>
#include <QTest>

using HelpViewer::StartResult;

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void documentInTheCurrentDirectory();
    void missingDocument();
    void viewerMissingOrFailing_data();
    void viewerMissingOrFailing();
};

void TestHelpViewer::cleanup() {
    HelpViewer::setLauncher({});
    HelpViewer::setViewerProgram({});
}

void TestHelpViewer::documentInTheCurrentDirectory() {
    TempProgramDir dir;
    // A name the program's directory does not hold, so the current directory is searched.
    QVERIFY(dir.write("onlyhere.hlp", "# How to Use the Program\n"));
    QString program;
    QStringList arguments;
    HelpViewer::setLauncher([&](const QString& p, const QStringList& a) {
        program = p;
        arguments = a;
        return true;
    });
    QCOMPARE(HelpViewer::start("onlyhere.hlp"), StartResult::Started);
    QCOMPARE(QFileInfo(program).fileName(), QStringLiteral("orvalen-help"));
    QCOMPARE(QFileInfo(program).absolutePath(), QCoreApplication::applicationDirPath());
    // The viewer gets the full path, so its own working directory does not matter.
    QCOMPARE(arguments, QStringList{dir.filePath("onlyhere.hlp")});
}

void TestHelpViewer::missingDocument() {
    TempProgramDir dir;
    bool launched = false;
    HelpViewer::setLauncher([&](const QString&, const QStringList&) { return launched = true; });
    QCOMPARE(HelpViewer::start("nosuchdoc.hlp"), StartResult::DocumentMissing);
    QVERIFY(!launched);
}

void TestHelpViewer::viewerMissingOrFailing_data() {
    QTest::addColumn<QString>("viewer"); // file in the temporary directory; empty = none
    QTest::addColumn<bool>("executable");
    QTest::addColumn<bool>("launches");
    QTest::addColumn<StartResult>("result");
    QTest::newRow("no viewer program") << "" << false << true << StartResult::ViewerMissing;
    QTest::newRow("viewer not executable")
        << "viewer" << false << true << StartResult::ViewerMissing;
    QTest::newRow("viewer does not start")
        << "viewer" << true << false << StartResult::ViewerFailed;
    QTest::newRow("viewer starts") << "viewer" << true << true << StartResult::Started;
}

void TestHelpViewer::viewerMissingOrFailing() {
    QFETCH(QString, viewer);
    QFETCH(bool, executable);
    QFETCH(bool, launches);
    QFETCH(StartResult, result);
    TempProgramDir dir;
    QVERIFY(dir.write("richhere.grs", "# How to Get Rich and Stay Rich\n"));
    const QString path = dir.filePath(viewer.isEmpty() ? QStringLiteral("absent") : viewer);
    if (!viewer.isEmpty()) {
        QVERIFY(dir.write(viewer, "#!/bin/sh\n"));
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (executable) {
            permissions |= QFile::ExeOwner;
        }
        QFile::setPermissions(path, permissions);
    }
    HelpViewer::setViewerProgram(path);
    HelpViewer::setLauncher([&](const QString&, const QStringList&) { return launches; });
    QCOMPARE(HelpViewer::start("richhere.grs"), result);
}

QTEST_GUILESS_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
