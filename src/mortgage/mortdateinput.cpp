#include "mortgage/mortdateinput.h"

#include "core/dates.h"
#include "core/programstate.h"
#include "shell/commandbutton.h"
#include "shell/dialogs.h"
#include "shell/placement.h"
#include "shell/textbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
// The first-payment date as the box shows it: in the short-date format.
QString shownStartDate() {
    const QString& start = program().PaymentStartDate;
    const std::optional<QDate> date = Dates::parse(start);
    return date ? Dates::toShortDate(*date) : start;
}
} // namespace

MortDateInput::MortDateInput(QWidget* parent)
    : QDialog(parent), m_inDate(new QLineEdit(this)),
      m_okExit(new CommandButton(QStringLiteral("&OK"), QStringLiteral("OkExit"), this)) {
    setObjectName(QStringLiteral("MortDateInput"));
    setWindowTitle(QStringLiteral("Date Input"));
    auto* label = new QLabel(QStringLiteral("Type in the date of the first payment"), this);
    label->setBuddy(m_inDate);
    m_inDate->setObjectName(QStringLiteral("InDate"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_inDate);
    layout->addWidget(m_okExit, 0, Qt::AlignHCenter);
    resize(280, 110);

    // The box takes any text; leaving it reads the text as a date.
    TextBox::Rules rules;
    rules.selectOnFocus = false;
    rules.startEntry = [] { program().EditPending = 1; };
    rules.enter = [this] { m_okExit->setFocus(Qt::TabFocusReason); };
    rules.leave = [this] { InDate_LostFocus(); };
    m_dateBox = new TextBox(m_inDate, std::move(rules));

    program().EditPending = 0;
    m_dateBox->setText(shownStartDate());
    connect(m_okExit, &CommandButton::clicked, this, &MortDateInput::OkExit_Click);
}

void MortDateInput::showEvent(QShowEvent* event) {
    placeDialog(*this, {4000, 2400}, {5000, 3400});
    m_inDate->setFocus();
    QDialog::showEvent(event);
}

bool MortDateInput::InDate_LostFocus() {
    ProgramState& p = program();
    const std::optional<QDate> date = Dates::parse(m_inDate->text());
    bool ok = true;
    if (date) {
        m_dateBox->setText(Dates::toShortDate(*date));
        p.PaymentStartDate = Dates::toShortDate(*date);
    } else {
        showMessage(Message::WrongDateEntry);
        m_dateBox->setText(shownStartDate());
        m_inDate->setFocus(Qt::OtherFocusReason);
        ok = false;
    }
    p.EditPending = 0;
    return ok;
}

void MortDateInput::OkExit_Click() {
    // "&OK" pressed while the box keeps the focus: the date typed has not left the box yet.
    if (m_dateBox->entryStarted()) {
        m_dateBox->endEntry();
        if (!InDate_LostFocus()) {
            return;
        }
    }
    accept();
}
