// Quick-help texts beside the captions of the fields they explain: words wrapped to a width,
// the lines of each field set beside its caption, every other line kept in its place.

#include "core/helplayout.h"

#include <QTest>

class TestHelpLayout : public QObject {
    Q_OBJECT

private slots:
    void wrapping_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits") << "Type in 0." << 20 << QStringList{"Type in 0."};
        QTest::newRow("breaks between words")
            << "Type in your current annual salary." << 16
            << QStringList{"Type in your", "current annual", "salary."};
        QTest::newRow("a word exactly the width") << "abcd ef" << 4 << QStringList{"abcd", "ef"};
        QTest::newRow("a longer word is split")
            << "x 1234567890" << 4 << QStringList{"x", "1234", "5678", "90"};
        QTest::newRow("blanks between words count once") << "  a   b  " << 10 << QStringList{"a b"};
        QTest::newRow("nothing to wrap") << "" << 10 << QStringList{""};
    }

    void wrapping() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QTEST(wrapWords(text, width), "lines");
    }

    void besideCaptions_data() {
        QTest::addColumn<QString>("help");
        QTest::addColumn<QStringList>("shown");
        const QString help = QStringLiteral(" Intro line.\n\n100.00\n\n\n\n   20%\n\n\nShows it.\n"
                                            "  End");
        QTest::newRow("each example level with its caption")
            << help << QStringList{" Intro line.",
                                   "",
                                   " Amount          100.00",
                                   "",
                                   " Rate of growth  20%",
                                   "",
                                   "Shows it.",
                                   "  End"};
    }

    // Captions wrap within two fifths of the line; the lines of a field are joined and wrap
    // in the rest; runs of empty lines become one.
    void besideCaptions() {
        QFETCH(QString, help);
        const QString shown = helpBesideCaptions(
            help, {{QStringLiteral("Amount"), 3, 3}, {QStringLiteral("Rate of growth"), 7, 7}}, 40);
        QTEST(shown.split(u'\n'), "shown");
    }

    void longCaptionsAndTextsWrap() {
        const QString help = QStringLiteral(
            "\n Leave at 0 unless you want the value in today's money.\n Type in the "
            "inflation rate.\n");
        const QStringList shown =
            helpBesideCaptions(
                help, {{QStringLiteral("Estimated rate(%) of annual inflation."), 2, 3}}, 40)
                .split(u'\n');
        // 16 characters of caption (two fifths of 40), a gap of two, 21 of text.
        QCOMPARE(shown, (QStringList{"", " Estimated         Leave at 0 unless you",
                                     " rate(%) of        want the value in",
                                     " annual            today's money. Type",
                                     " inflation.        in the inflation",
                                     "                   rate.", ""}));
    }
};

QTEST_MAIN(TestHelpLayout)
#include "tst_helplayout.moc"
