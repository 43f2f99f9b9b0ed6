#include "platform/appfolders.h"
#include "shell/programdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The permission bits of the owner, the group and the others (not what this process may do).
constexpr QFile::Permissions ModeBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                        QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
constexpr QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestProgramDir : public QObject {
    Q_OBJECT
private slots:
    void whereFilesGo_data();
    void whereFilesGo();
    void sampleCopiedOnce();
    void noUsableFolder();
    void privateFolderKeepsAnExistingOne();
};

void TestProgramDir::whereFilesGo_data() {
    QTest::addColumn<QString>("executableDir"); // relative to a scratch folder
    QTest::addColumn<QString>("sharedDir");     // where Sample.orv is shipped
    QTest::addColumn<bool>("readOnlyExecutableDir");
    QTest::addColumn<bool>("inDataFolder");
    QTest::newRow("build folder: files beside the program") << "build/bin"
                                                            << "build/bin" << false << false;
    QTest::newRow("build folder that cannot be written") << "build/bin"
                                                         << "build/bin" << true << true;
    // The bin folder of an installation is written by root alone, and root too keeps its own
    // files in its data folder: files beside the program would belong to no package.
    QTest::newRow("installed copy") << "usr/bin"
                                    << "usr/share/orvalen" << false << true;
    QTest::newRow("installed copy in a folder that cannot be written")
        << "usr/bin"
        << "usr/share/orvalen" << true << true;
}

void TestProgramDir::whereFilesGo() {
    QFETCH(QString, executableDir);
    QFETCH(QString, sharedDir);
    QFETCH(bool, readOnlyExecutableDir);
    QFETCH(bool, inDataFolder);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString exe = scratch.filePath(executableDir);
    const QString shared = scratch.filePath(sharedDir);
    const QString data = scratch.filePath("home/.local/share/Orvalen");
    QVERIFY(writeFile(QDir(exe).filePath("orvalen"), "program"));
    QVERIFY(writeFile(QDir(shared).filePath("Sample.orv"), "\"Sample\"\r\n"));
    if (readOnlyExecutableDir) {
        QFile::setPermissions(exe, QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(exe).isWritable()) {
            QSKIP("the superuser can write any folder");
        }
    }

    // The help documents are looked up where the shipped files are.
    QCOMPARE(AppFolders::shippedFilesFor(exe), QDir::cleanPath(shared));
    const QString chosen = programDirectoryFor(exe, data);
    QFile::setPermissions(exe, OwnerOnly);
    QCOMPARE(chosen, inDataFolder ? data : exe);
    QCOMPARE(QFileInfo(data).isDir(), inDataFolder);
    if (inDataFolder) {
        // One user's finances: no other user may look into the folder.
        QCOMPARE(QFileInfo(data).permissions() & ModeBits, OwnerOnly);
        QCOMPARE(readFile(QDir(data).filePath("Sample.orv")), QByteArray("\"Sample\"\r\n"));
    }
}

void TestProgramDir::sampleCopiedOnce() {
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString exe = scratch.filePath("usr/bin");
    const QString shipped = scratch.filePath("usr/share/orvalen/Sample.orv");
    const QString data = scratch.filePath("data/Orvalen");
    const QString copy = QDir(data).filePath("Sample.orv");
    QVERIFY(QDir().mkpath(exe));
    QVERIFY(writeFile(shipped, "\"Sample\"\r\n"));
    // Installed files are read-only; the user's copy must not be.
    QFile::setPermissions(shipped, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

    QCOMPARE(programDirectoryFor(exe, data), data);
    QVERIFY(QFileInfo(copy).permissions().testFlag(QFile::WriteOwner));
    // The user changed the sample and deleted nothing: the next start keeps the change.
    QVERIFY(writeFile(copy, "\"Changed\"\r\n"));
    QCOMPARE(programDirectoryFor(exe, data), data);
    QCOMPARE(readFile(copy), QByteArray("\"Changed\"\r\n"));
}

void TestProgramDir::noUsableFolder() {
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString exe = scratch.filePath("usr/bin");
    QVERIFY(QDir().mkpath(exe));
    QVERIFY(QDir().mkpath(scratch.filePath("usr/share/orvalen")));
    // A data folder that cannot be made (a file stands where a folder must be): no folder, so
    // the program stays where it is rather than writing beside itself.
    QVERIFY(writeFile(scratch.filePath("home"), "not a folder"));
    QCOMPARE(programDirectoryFor(exe, scratch.filePath("home/.local/share/Orvalen")), QString());
    QCOMPARE(programDirectoryFor(exe, QString()), QString());
}

void TestProgramDir::privateFolderKeepsAnExistingOne() {
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString made = scratch.filePath("a/b/Orvalen");
    QVERIFY(AppFolders::makePrivateFolder(made));
    QCOMPARE(QFileInfo(made).permissions() & ModeBits, OwnerOnly);
    // A folder the user made (or opened up) is theirs: its permissions stay.
    const QString own = scratch.filePath("own");
    QVERIFY(QDir().mkdir(own));
    const QFile::Permissions shared = OwnerOnly | QFile::ReadGroup | QFile::ExeGroup;
    QVERIFY(QFile::setPermissions(own, shared));
    QVERIFY(AppFolders::makePrivateFolder(own));
    QCOMPARE(QFileInfo(own).permissions() & ModeBits, shared);
}

QTEST_GUILESS_MAIN(TestProgramDir)
#include "tst_programdir.moc"
