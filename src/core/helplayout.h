#pragma once
// Quick-help texts laid out beside the fields they explain: the help of a calculator names,
// line by line, what to type into each entry field; shown in the results area, each of those
// lines stands level with the caption of its field.

#include <QString>
#include <QStringList>
#include <vector>

// The lines (1-based, first to last) of a help text that explain the entry field with this
// EntryValues index.
struct FieldHelpLines {
    int field = 0;
    int first = 0;
    int last = 0;
};

// A field's caption and the lines of the help text that explain it.
struct CaptionedHelp {
    QString caption;
    int first = 0;
    int last = 0;
};

// Words of `text` wrapped into lines of at most `width` characters (a longer word is split).
QStringList wrapWords(const QString& text, int width);

// `help` (lines ended by "\n") for a box `width` characters wide: the lines of each field
// joined and set beside its caption in two columns, both wrapped; every other line as it was,
// in its place. Runs of empty lines become one.
QString helpBesideCaptions(const QString& help, const std::vector<CaptionedHelp>& fields,
                           int width);
