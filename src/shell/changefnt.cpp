#include "shell/changefnt.h"

#include "core/formats.h"
#include "core/programstate.h"
#include "platform/clipboard.h"
#include "shell/commandbutton.h"
#include "shell/menumain.h"
#include "shell/placement.h"
#include "shell/settingsfile.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const char* const FontCaptions[4] = {"Standard Printer Font", "Courier New 10 point font",
                                     "Courier New 11 point font", "Courier New 12 point font"};

bool isEnter(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// Focus that leaves for another application or a popup is not leaving the box.
bool movesInsideWindow(const QFocusEvent& focus) {
    return focus.reason() != Qt::ActiveWindowFocusReason && focus.reason() != Qt::PopupFocusReason;
}
} // namespace

ChangeFnt::ChangeFnt(QWidget* parent)
    : QDialog(parent), m_inMyName(new QLineEdit(this)), m_inCurrency(new QLineEdit(this)),
      m_exitFonts(
          new CommandButton(QStringLiteral("E&xit to Menu"), QStringLiteral("ExitFonts"), this)) {
    setObjectName(QStringLiteral("ChangeFnt"));
    setWindowTitle(QStringLiteral("Personalize"));
    const ProgramState& p = program();

    auto* frame = new QGroupBox(QStringLiteral("Change Printer Font"), this);
    auto* frameLayout = new QVBoxLayout(frame);
    for (int i = 0; i < 4; ++i) {
        m_ptrFt[i] = new QRadioButton(QString::fromLatin1(FontCaptions[i]), frame);
        m_ptrFt[i]->setObjectName(QStringLiteral("PtrFt%1").arg(i));
        frameLayout->addWidget(m_ptrFt[i]);
        connect(m_ptrFt[i], &QRadioButton::clicked, this, [this, i] { PtrFt_Click(i); });
    }
    m_ptrFt[std::clamp<int>(p.PrinterFontChoice, 0, 3)]->setChecked(true);

    m_inMyName->setObjectName(QStringLiteral("InMyName"));
    m_inMyName->setMaxLength(97);
    m_inMyName->setText(p.UserName);
    m_inCurrency->setObjectName(QStringLiteral("InCurrency"));
    m_inCurrency->setMaxLength(2);
    m_inCurrency->setAlignment(Qt::AlignCenter);
    m_inCurrency->setText(p.CurrencySymbol);
    m_inCurrency->setMaximumWidth(60);

    auto* nameLabel = new QLabel(QStringLiteral("Type in your name"), this);
    nameLabel->setBuddy(m_inMyName);
    auto* currencyLabel = new QLabel(QStringLiteral("  Change Currency Symbol."), this);
    currencyLabel->setBuddy(m_inCurrency);

    auto* layout = new QGridLayout(this);
    layout->addWidget(frame, 0, 0, 1, 2);
    layout->addWidget(currencyLabel, 1, 0);
    layout->addWidget(m_inCurrency, 1, 1);
    layout->addWidget(nameLabel, 2, 0, 1, 2);
    layout->addWidget(m_inMyName, 3, 0, 1, 2);
    layout->addWidget(m_exitFonts, 4, 0, 1, 2, Qt::AlignHCenter);
    resize(360, 300);

    m_inCurrency->installEventFilter(this);
    m_inMyName->installEventFilter(this);
    connect(m_exitFonts, &CommandButton::clicked, this, &ChangeFnt::ExitFonts_Click);
}

void ChangeFnt::showEvent(QShowEvent* event) {
    placeDialog(*this, {3060, 700}, {4000, 2000});
    QDialog::showEvent(event);
}

bool ChangeFnt::eventFilter(QObject* watched, QEvent* event) {
    ProgramState& p = program();
    if (watched == m_inCurrency) {
        switch (event->type()) {
        case QEvent::FocusIn:
            if (movesInsideWindow(static_cast<QFocusEvent&>(*event))) {
                Clipboard::clear();
            }
            break;
        case QEvent::FocusOut:
            if (movesInsideWindow(static_cast<QFocusEvent&>(*event))) {
                InCurrency_LostFocus();
            }
            break;
        case QEvent::MouseButtonPress:
            m_inCurrency->clear();
            p.EditPending = 1;
            break;
        case QEvent::KeyPress: {
            auto& key = static_cast<QKeyEvent&>(*event);
            if (isEnter(key)) {
                m_inMyName->setFocus(Qt::TabFocusReason);
                return true;
            }
            if (!key.text().isEmpty() && InCurrency_KeyPress(key.text().front())) {
                return true;
            }
            break;
        }
        default:
            break;
        }
    } else if (watched == m_inMyName) {
        if (event->type() == QEvent::FocusOut &&
            movesInsideWindow(static_cast<QFocusEvent&>(*event))) {
            InMyName_LostFocus();
        } else if (event->type() == QEvent::KeyPress) {
            auto& key = static_cast<QKeyEvent&>(*event);
            if (isEnter(key)) {
                m_exitFonts->setFocus(Qt::TabFocusReason);
                return true;
            }
            if (!key.text().isEmpty() && InMyName_KeyPress(key.text().front())) {
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ChangeFnt::PtrFt_Click(int index) {
    program().PrinterFontChoice = static_cast<std::int16_t>(index);
}

// Returns true when the key is discarded.
bool ChangeFnt::InCurrency_KeyPress(QChar key) {
    if (key == QLatin1Char('"')) {
        return true;
    }
    ProgramState& p = program();
    if (p.EditPending == 0) {
        m_inCurrency->clear();
        p.EditPending = 1;
    }
    return false;
}

void ChangeFnt::InCurrency_LostFocus() {
    ProgramState& p = program();
    if (p.EditPending == 1) {
        m_inCurrency->setText(RightJustify(m_inCurrency->text(), 2));
        p.EditPending = 0;
    }
    Clipboard::clear();
}

bool ChangeFnt::InMyName_KeyPress(QChar key) {
    return key == QLatin1Char('"');
}

void ChangeFnt::InMyName_LostFocus() {
    program().UserName = m_inMyName->text();
}

void ChangeFnt::ExitFonts_Click() {
    ProgramState& p = program();
    // The name box may still have the focus when the button is pressed from the keyboard.
    p.UserName = m_inMyName->text();
    p.CurrencySymbol = m_inCurrency->text().trimmed();
    saveSettings();
    if (MenuMain* menu = MenuMain::instance()) {
        menu->showUserName();
    }
    accept();
}
