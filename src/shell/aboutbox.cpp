#include "shell/aboutbox.h"

#include "shell/commandbutton.h"

#include <QLabel>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About Orvalen"));
    auto* name = new QLabel(QStringLiteral("Orvalen"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont big = name->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(QStringLiteral("Version 5.3"), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* blurb =
        new QLabel(QStringLiteral("Mortgages and loans, savings, 401(k) and retirement planning,\n"
                                  "compound growth and the trend of a security's weekly prices."),
                   this);
    auto* ok = new CommandButton(QStringLiteral("&OK"), QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    for (QLabel* label : {name, version, blurb}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &CommandButton::clicked, this, &AboutBox::accept);
}
