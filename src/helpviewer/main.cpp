// orvalen-help: shows one of the program's help documents in a window of its own.
//
//   orvalen-help <document>
//
// The documents are Markdown text. The window takes its title from the document's first
// heading. A document that is missing or cannot be read is reported in a message box, and the
// viewer exits with status 1 (2 when no document was named).

#include "core/datafiles.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>
#include <optional>

namespace {

// The text of the first Markdown heading ("# How to Use the Program"), or empty.
QString firstHeading(const QString& markdown) {
    static const QRegularExpression heading(QStringLiteral(R"(^#{1,6}[ \t]+(.+?)[ \t#]*$)"),
                                            QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = heading.match(markdown);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

// Why a help document that is there could not be read.
QString unreadable(const QFileInfo& info) {
    if (info.size() > MaxFileSize) {
        return QStringLiteral("It is larger than a help document can be.");
    }
    QFile file(info.absoluteFilePath());
    return file.open(QIODevice::ReadOnly) ? QStringLiteral("It could not be read to its end.")
                                          : file.errorString();
}

int fail(const QString& title, const QString& message) {
    QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::Ok);
    box.exec();
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvalen-help"));
    // Its window belongs to the program on the desktop: the same entry, the same icon.
    QApplication::setDesktopFileName(QStringLiteral(ORVALEN_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(ORVALEN_WINDOW_ICON)));
    const QString title = QStringLiteral("Orvalen Help");

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        fail(title, QStringLiteral("Usage: orvalen-help <help document>"));
        return 2;
    }
    const QFileInfo info(arguments.at(1));
    if (!info.isFile()) {
        return fail(title, QStringLiteral("The help document \"%1\" was not found.\n\n"
                                          "It belongs in the program's folder: %2")
                               .arg(info.fileName(), info.absolutePath()));
    }
    // Help documents are read as the program reads its files: a few kilobytes at most, UTF-8,
    // or Windows-1252 in older copies.
    const std::optional<QByteArray> bytes = readFileBytes(info.absoluteFilePath());
    if (!bytes) {
        return fail(title, QStringLiteral("The help document \"%1\" could not be read:\n%2")
                               .arg(info.absoluteFilePath(), unreadable(info)));
    }
    const QString markdown = decodeFileText(*bytes);
    if (markdown.trimmed().isEmpty()) {
        return fail(
            title,
            QStringLiteral("The help document \"%1\" is empty.").arg(info.absoluteFilePath()));
    }

    QWidget window;
    const QString heading = firstHeading(markdown);
    window.setWindowTitle(heading.isEmpty() ? info.fileName() : heading);
    auto* layout = new QVBoxLayout(&window);
    auto* browser = new QTextBrowser(&window);
    browser->setObjectName(QStringLiteral("Document"));
    browser->setOpenExternalLinks(true);
    // Pictures of the document stand beside it.
    browser->setSearchPaths({info.absolutePath()});
    browser->setMarkdown(markdown);
    layout->addWidget(browser);
    auto* buttons = new QDialogButtonBox(&window);
    QPushButton* close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("Close"));
    layout->addWidget(buttons);
    QObject::connect(close, &QPushButton::clicked, &window, &QWidget::close);
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* shortcut = new QShortcut(key, &window);
        QObject::connect(shortcut, &QShortcut::activated, &window, &QWidget::close);
    }

    window.resize(760, 640);
    // The program asks for the help maximized, with the focus on the text.
    window.showMaximized();
    browser->setFocus();
    return QApplication::exec();
}
