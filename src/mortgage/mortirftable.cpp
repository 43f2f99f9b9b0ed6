#include "mortgage/mortirftable.h"

#include "mortgage/mortgagestate.h"
#include "shell/commandbutton.h"
#include "shell/optiongroup.h"
#include "shell/placement.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

MortIRFTable::MortIRFTable(QWidget* parent)
    : QDialog(parent), m_irFactor(new OptionGroup(this)),
      m_exitMort(new CommandButton(QStringLiteral("E&xit"), QStringLiteral("ExitMort"), this)) {
    setObjectName(QStringLiteral("MortIRFTable"));
    setWindowTitle(QStringLiteral("Accelerated payments"));
    auto* frame = new QGroupBox(QStringLiteral("Change interest rate factor - days"), this);
    auto* frameLayout = new QVBoxLayout(frame);
    const char* const captions[4] = {"365.25", "365", "364", "363"};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(captions[i]), frame);
        button->setObjectName(QStringLiteral("IRFactor%1").arg(i));
        frameLayout->addWidget(button);
        m_irFactor->add(button, [this, i] { IRFactor_Click(i); });
    }
    const int choice = mortgage().DaysInYearChoice;
    m_irFactor->choose((choice >= 0 && choice <= 3) ? choice : 0);

    auto* note = new QLabel(QStringLiteral("Most Financial Institutions use 365 days."), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(note);
    layout->addWidget(m_exitMort, 0, Qt::AlignHCenter);
    connect(m_exitMort, &CommandButton::clicked, this, &MortIRFTable::ExitMort_Click);
}

void MortIRFTable::showEvent(QShowEvent* event) {
    placeDialog(*this, {3200, 1700}, {4300, 2700});
    QDialog::showEvent(event);
}

// The chosen row of the days-in-year table takes effect at once; the calculator's results are
// cleared when the window closes.
void MortIRFTable::IRFactor_Click(int index) {
    setDaysInYearChoice(index);
}

void MortIRFTable::ExitMort_Click() {
    accept();
}
