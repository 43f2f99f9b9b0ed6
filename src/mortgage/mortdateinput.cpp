#include "mortgage/mortdateinput.h"

#include "core/dates.h"
#include "core/programstate.h"
#include "platform/clipboard.h"
#include "shell/commandbutton.h"
#include "shell/dialogs.h"
#include "shell/placement.h"

#include <QFocusEvent>
#include <QKeyEvent>
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

    program().EditPending = 0;
    m_inDate->setText(shownStartDate());
    m_inDate->installEventFilter(this);
    connect(m_okExit, &CommandButton::clicked, this, &MortDateInput::OkExit_Click);
}

void MortDateInput::showEvent(QShowEvent* event) {
    placeDialog(*this, {4000, 2400}, {5000, 3400});
    m_inDate->setFocus();
    QDialog::showEvent(event);
}

bool MortDateInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_inDate) {
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusIn) {
        Clipboard::clear();
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent&>(*event).reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            InDate_LostFocus();
        }
    } else if (event->type() == QEvent::KeyPress) {
        auto& key = static_cast<QKeyEvent&>(*event);
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
            m_okExit->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (!key.text().isEmpty() && key.key() != Qt::Key_Tab && program().EditPending == 0) {
            m_inDate->clear();
            program().EditPending = 1;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool MortDateInput::InDate_LostFocus() {
    ProgramState& p = program();
    const std::optional<QDate> date = Dates::parse(m_inDate->text());
    bool ok = true;
    if (date) {
        m_inDate->setText(Dates::toShortDate(*date));
        p.PaymentStartDate = Dates::toShortDate(*date);
    } else {
        showMessage(30);
        m_inDate->setText(shownStartDate());
        m_inDate->setFocus(Qt::OtherFocusReason);
        ok = false;
    }
    p.EditPending = 0;
    Clipboard::clear();
    return ok;
}

void MortDateInput::OkExit_Click() {
    // A date typed and confirmed from the keyboard has not left the box yet.
    if (program().EditPending == 1 && !InDate_LostFocus()) {
        return;
    }
    accept();
}
