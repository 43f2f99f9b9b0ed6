// orvalen-help: shows one of the program's help documents in a window of its own.
//
//   orvalen-help <document>
//
// The documents are Markdown text. The window takes its title from the document's first
// heading. A document that is missing or cannot be read is reported in a message box, and the
// viewer exits with status 1 (2 when no document was named).

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// The text of the first Markdown heading ("# How to Use the Program"), or empty.
QString firstHeading(const QString& markdown) {
    static const QRegularExpression heading(QStringLiteral(R"(^#{1,6}[ \t]+(.+?)[ \t#]*$)"),
                                            QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = heading.match(markdown);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

// Help documents are UTF-8; older copies may be in Windows-1252.
QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    QStringDecoder legacy("windows-1252");
    return legacy.isValid() ? QString(legacy.decode(bytes)) : QString::fromLatin1(bytes);
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
    const QString title = QStringLiteral("Orvalen Help");

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        fail(title, QStringLiteral("Usage: orvalen-help <help document>"));
        return 2;
    }
    const QFileInfo info(arguments.at(1));
    QFile file(info.absoluteFilePath());
    if (!info.isFile()) {
        return fail(title, QStringLiteral("The help document \"%1\" was not found.\n\n"
                                          "It belongs in the program's folder: %2")
                               .arg(info.fileName(), info.absolutePath()));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(title, QStringLiteral("The help document \"%1\" could not be read:\n%2")
                               .arg(info.absoluteFilePath(), file.errorString()));
    }
    const QString markdown = decode(file.readAll());
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
