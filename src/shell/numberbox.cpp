#include "shell/numberbox.h"

#include "core/entrytext.h"
#include "shell/keyfilters.h"

#include <QLineEdit>

namespace {
const QColor EntryYellow(255, 255, 0);
} // namespace

void makeYellow(QWidget* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, EntryYellow);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
}

QLineEdit* yellowBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    makeYellow(box);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

TextBox::Rules numberBoxRules(bool wholeNumber) {
    EntryFieldDef field;
    field.kind = wholeNumber ? FieldKind::Years : FieldKind::Money;
    TextBox::Rules rules;
    rules.plainLine = true;
    rules.acceptsKey = [field](QChar key, const QString& text) {
        return entryKeyAccepted(field, key, text);
    };
    rules.acceptsText = [field](const QString& text) {
        return entryTextAcceptable(field, text, QString());
    };
    return rules;
}
