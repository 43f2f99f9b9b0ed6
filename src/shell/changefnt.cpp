#include "shell/changefnt.h"

#include "core/formats.h"
#include "core/programstate.h"
#include "shell/commandbutton.h"
#include "shell/menumain.h"
#include "shell/optiongroup.h"
#include "shell/placement.h"
#include "shell/settingsfile.h"
#include "shell/textbox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const char* const FontCaptions[4] = {"Standard Printer Font", "Courier New 10 point font",
                                     "Courier New 11 point font", "Courier New 12 point font"};
} // namespace

ChangeFnt::ChangeFnt(QWidget* parent)
    : QDialog(parent), m_ptrFt(new OptionGroup(this)), m_inMyName(new QLineEdit(this)),
      m_inCurrency(new QLineEdit(this)),
      m_exitFonts(
          new CommandButton(QStringLiteral("E&xit to Menu"), QStringLiteral("ExitFonts"), this)) {
    setObjectName(QStringLiteral("ChangeFnt"));
    setWindowTitle(QStringLiteral("Personalize"));
    const ProgramState& p = program();

    auto* frame = new QGroupBox(QStringLiteral("Change Printer Font"), this);
    auto* frameLayout = new QVBoxLayout(frame);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(FontCaptions[i]), frame);
        button->setObjectName(QStringLiteral("PtrFt%1").arg(i));
        frameLayout->addWidget(button);
        m_ptrFt->add(button, [this, i] { PtrFt_Click(i); });
    }
    m_ptrFt->choose(std::clamp<int>(p.PrinterFontChoice, 0, 3));

    m_inMyName->setObjectName(QStringLiteral("InMyName"));
    TextBox::Rules name;
    name.firstKeyEmpties = false;
    name.selectOnFocus = false;
    name.plainLine = true;
    name.maxLength = 97;
    name.enter = [this] { m_exitFonts->setFocus(Qt::TabFocusReason); };
    name.leave = [this] { InMyName_LostFocus(); };
    m_myNameBox = new TextBox(m_inMyName, std::move(name));
    m_myNameBox->setText(p.UserName);

    m_inCurrency->setObjectName(QStringLiteral("InCurrency"));
    m_inCurrency->setAlignment(Qt::AlignCenter);
    m_inCurrency->setMaximumWidth(60);
    TextBox::Rules currency;
    currency.selectOnFocus = false;
    currency.clickStartsEntry = true;
    currency.plainLine = true;
    currency.maxLength = 2;
    currency.startEntry = [] { program().EditPending = 1; };
    currency.enter = [this] { m_inMyName->setFocus(Qt::TabFocusReason); };
    currency.leave = [this] { InCurrency_LostFocus(); };
    m_currencyBox = new TextBox(m_inCurrency, std::move(currency));
    // The symbol read from the file is shown whole, however long: only a typed one is cut.
    m_currencyBox->setText(p.CurrencySymbol);

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

    connect(m_exitFonts, &CommandButton::clicked, this, &ChangeFnt::ExitFonts_Click);
}

void ChangeFnt::showEvent(QShowEvent* event) {
    placeDialog(*this, {3060, 700}, {4000, 2000});
    QDialog::showEvent(event);
}

void ChangeFnt::PtrFt_Click(int index) {
    program().PrinterFontChoice = static_cast<std::int16_t>(index);
}

// A typed symbol is right-aligned in two characters: one character gets a leading blank, a
// longer text keeps its first two.
void ChangeFnt::InCurrency_LostFocus() {
    if (m_currencyBox->entryStarted()) {
        m_currencyBox->setText(RightJustify(m_inCurrency->text(), 2));
    }
    program().EditPending = 0;
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
