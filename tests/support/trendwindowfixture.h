#pragma once
// The fixture of the Quantrel module's window tests: the window-test fixture, with the module
// opened from the main menu, the sample database and database files of the test's own.

#include "platform/filedialogs.h"
#include "shell/windowregistry.h"
#include "support/calculatorfixture.h"

#include <QCoreApplication>
#include <QDate>
#include <QTest>
#include <QWidget>

class TrendWindowFixture : public CalculatorFixture {
public:
    // "&Orvalen Menu" on the main menu; the helpers drive the module menu.
    QWidget* openModule() { return open("Ratios", WindowId::Trendmenu); }

    // The sample database installed beside the program.
    static QString samplePath() {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/Sample.orv");
    }
    // A database file `name` of the program's directory holding `bytes`; returns its path.
    QString database(const QString& name, const QByteArray& bytes) const {
        [&] { QVERIFY(dir().write(name, bytes)); }();
        return dir().filePath(name);
    }
    // `count` weekly records, the newest of 16 March 2001, each valued its record number.
    static QByteArray numberedDatabase(int count, const QByteArray& title = "Numbered") {
        QByteArray bytes = QByteArray::number(count) + ",0,\"" + title + "\",10\r\n";
        for (int r = 1; r <= count; ++r) {
            const QDate date = QDate(2001, 3, 16).addDays(-7LL * (r - 1));
            bytes += QByteArray::number(r) + ",#" + date.toString(Qt::ISODate).toLatin1() + "#," +
                     QByteArray::number(r) + "\r\n";
        }
        return bytes;
    }
    QString sampleCopy() const {
        [&] { QVERIFY(dir().copyIn(samplePath())); }();
        return dir().filePath(QStringLiteral("Sample.orv"));
    }

    // "&Open a File from Disk" on the module menu, with `path` chosen in the file dialog
    // (Cancel when empty), then "E&xit to Menu" of the editor that shows the database. The
    // helpers drive the module menu afterwards.
    void openFile(const QString& path) {
        switchTo(WindowId::Trendmenu);
        FileDialogs::setNextAnswer(path.isEmpty() ? std::nullopt : std::optional<QString>(path));
        click("LoadaFile");
        if (shown(WindowId::Dbase)) {
            switchTo(WindowId::Dbase);
            click("Exitbut");
        }
        switchTo(WindowId::Trendmenu);
    }

    // Whether the window `id` is loaded and shown.
    static bool shown(WindowId id) {
        const QWidget* w = windows().loaded(id);
        return w != nullptr && w->isVisible();
    }
};
