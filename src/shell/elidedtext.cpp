#include "shell/elidedtext.h"

#include <QLabel>

void setElidedText(QLabel& label, const QString& text) {
    label.setText(
        label.fontMetrics().elidedText(text, Qt::ElideRight, label.contentsRect().width()));
    label.setToolTip(text);
    label.setAccessibleName(text);
}
