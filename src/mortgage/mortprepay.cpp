#include "mortgage/mortprepay.h"

#include "platform/beep.h"
#include "platform/grid.h"
#include "shell/commandbutton.h"
#include "shell/placement.h"
#include "shell/resultsexport.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

MortPrePay::MortPrePay(QWidget* parent)
    : QDialog(parent), m_grid(new Grid(this)),
      m_usePrePay(new CommandButton(QStringLiteral("&OK"), QStringLiteral("UsePrePay"), this)),
      m_doNotUse(
          new CommandButton(QStringLiteral("&Erase all"), QStringLiteral("DoNotUse"), this)) {
    setObjectName(QStringLiteral("MortPrePay"));
    setWindowTitle(QStringLiteral("Additional Payments"));
    m_grid->setObjectName(QStringLiteral("PGrid"));
    offerResultsExport(*m_grid, [] { return QStringLiteral("Additional Payments"); });

    const int rows = loadPrePayWindow();
    m_grid->setCols(2);
    m_grid->setRows(rows);
    m_grid->setHeadingHeight(460);
    m_grid->widenColumn(0, 200);
    m_grid->widenColumn(1, 460);
    m_grid->setColumnAlignment(0, Qt::AlignCenter);
    m_grid->setColumnAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    const QStringList headings = prePayHeadings();
    m_grid->setText(0, 0, headings.value(0));
    m_grid->setText(0, 1, headings.value(1));
    m_grid->setRowTexts(1, prePayRowTexts());
    m_grid->setCurrentCell(1, 1);
    m_editor.setCurrentCell(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_usePrePay);
    buttons->addWidget(m_doNotUse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(200, 420);

    connect(m_grid, &Grid::currentCellChanged, this, &MortPrePay::PGrid_CurrentCellChanged);
    connect(m_grid, &Grid::gotFocus, this, &MortPrePay::PGrid_GotFocus);
    connect(m_grid, &Grid::keyPressed, this, &MortPrePay::PGrid_KeyPress);
    connect(m_grid, &Grid::keyDown, this, &MortPrePay::PGrid_KeyDown);
    connect(m_usePrePay, &CommandButton::clicked, this, &MortPrePay::UsePrePay_Click);
    connect(m_doNotUse, &CommandButton::clicked, this, &MortPrePay::DoNotUse_Click);
}

void MortPrePay::showEvent(QShowEvent* event) {
    placeDialog(*this, {4300, 630}, {5300, 1650});
    m_grid->setFocus();
    QDialog::showEvent(event);
}

void MortPrePay::PGrid_CurrentCellChanged(int row, int col) {
    if (row != m_editor.row() || col != m_editor.column()) {
        m_editor.setCurrentCell(row, col);
    }
}

void MortPrePay::PGrid_GotFocus() {
    m_grid->setCurrentCell(m_editor.row(), m_editor.column());
}

void MortPrePay::PGrid_KeyPress(QChar key) {
    if (key.unicode() == 127) {
        return; // the Delete key arrives through PGrid_KeyDown
    }
    const PrePayEditor::KeyOutcome outcome = m_editor.keyPress(key);
    if (outcome.beep) {
        platform::beep();
    }
    if (outcome.cellText) {
        m_grid->setText(m_editor.row(), 1, *outcome.cellText);
    }
    if (outcome.moveDown && m_editor.row() + 1 < m_grid->rows()) {
        m_grid->setCurrentCell(m_editor.row() + 1, m_editor.column());
    }
}

void MortPrePay::PGrid_KeyDown(int qtKey) {
    if (qtKey != Qt::Key_Delete) {
        return;
    }
    m_grid->setCurrentCell(m_editor.row(), m_editor.column());
    m_grid->setText(m_editor.row(), 1, m_editor.deleteKey());
}

void MortPrePay::UsePrePay_Click() {
    acceptPrePayments();
    accept();
}

void MortPrePay::DoNotUse_Click() {
    eraseAllPrePayments();
    accept();
}
