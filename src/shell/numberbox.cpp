#include "shell/numberbox.h"

#include "core/entrytext.h"
#include "shell/keyfilters.h"

#include <QLineEdit>

namespace {
const QColor EntryYellow(255, 255, 0);
} // namespace

QLineEdit* yellowBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, EntryYellow);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

TextBox::Rules numberBoxRules(bool wholeNumber) {
    EntryFieldDef field;
    field.kind = wholeNumber ? FieldKind::Years : FieldKind::Money;
    TextBox::Rules rules;
    rules.plainLine = true;
    rules.acceptsKey = [wholeNumber](QChar key, const QString& text) {
        const auto code = static_cast<std::int16_t>(key.unicode());
        return (wholeNumber ? FilterWholeKey(code) : FilterDecimalKey(code, text, 2)) != 0;
    };
    rules.acceptsText = [field](const QString& text) {
        return entryTextAcceptable(field, text, QString());
    };
    return rules;
}
