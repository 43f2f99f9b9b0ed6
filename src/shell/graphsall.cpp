#include "shell/graphsall.h"

#include "core/programstate.h"
#include "platform/barchart.h"
#include "platform/twips.h"
#include "shell/commandbutton.h"
#include "shell/dialogs.h"
#include "shell/graphexport.h"
#include "shell/guarded.h"
#include "shell/reportframe.h"
#include "shell/windowregistry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <memory>
#include <optional>

GraphsAll::GraphsAll(QWidget* parent)
    : ChildWindow(parent), m_graph(new BarChart(this)), m_label1(new QLabel(this)),
      m_sav2D(
          new CommandButton(QStringLiteral("Show Graph in &2D"), QStringLiteral("Sav2D"), this)),
      m_threeDee(
          new CommandButton(QStringLiteral("Show Graph in &3D"), QStringLiteral("ThreeDee"), this)),
      m_ptr(new CommandButton(QStringLiteral("&To Printer"), QStringLiteral("Ptr"), this)),
      m_exitBut(
          new CommandButton(QStringLiteral("E&xit to Menu"), QStringLiteral("ExitBut"), this)),
      m_oned(new CommandButton(QStringLiteral("&Gain/Loss %"), QStringLiteral("Oned"), this)),
      m_pie2d(
          new CommandButton(QStringLiteral("&Value of each fund"), QStringLiteral("Pie2d"), this)) {
    setObjectName(QStringLiteral("GraphsAll"));
    resize(twipsSize(9550, 6450));
    m_graph->setObjectName(QStringLiteral("Graph1"));
    offerGraphExport(*m_graph, *this, [this] { return imageName(m_graph->graphTitle()); });
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_oned->hide();
    m_pie2d->hide();
    // Neither view is offered until the first chart is drawn; drawing it gives "3D" the focus.
    m_sav2D->setEnabled(false);
    m_threeDee->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(twips(120));
    buttons->addWidget(m_label1, 1);
    for (CommandButton* b : {m_sav2D, m_threeDee, m_ptr, m_exitBut, m_oned, m_pie2d}) {
        b->setMinimumSize(twipsSize(1900, 400));
        buttons->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(90), twips(90), twips(90), twips(120));
    layout->setSpacing(twips(120));
    layout->addWidget(m_graph, 1);
    layout->addLayout(buttons);

    connect(m_sav2D, &CommandButton::clicked, this, &GraphsAll::Sav2D_Click);
    connect(m_threeDee, &CommandButton::clicked, this, &GraphsAll::ThreeDee_Click);
    connect(m_ptr, &CommandButton::clicked, this, &GraphsAll::Ptr_Click);
    connect(m_exitBut, &CommandButton::clicked, this, &GraphsAll::ExitBut_Click);
    Form_Load();
}

void GraphsAll::Form_Load() {
    guarded(Message::WrongEntry, [&] {
        m_series = currentGraphSeries();
        drawKind(m_series.comparison ? Compare2DKind : Yearly2D);
    });
}

void GraphsAll::showButtonsFor2D() {
    if (!m_threeDee->isEnabled()) {
        m_threeDee->setEnabled(true);
        m_threeDee->setFocus();
    }
    m_sav2D->setVisible(true);
    m_sav2D->setEnabled(false);
    m_oned->hide();
    m_pie2d->hide();
}

void GraphsAll::drawYearly2D() {
    showButtonsFor2D();
    drawFlat();
}

void GraphsAll::Compare2D() {
    m_kind = Compare2DKind;
    showButtonsFor2D();
    drawFlat();
}

void GraphsAll::drawFlat() {
    giveBars(*m_graph, m_series, m_printInColour);
    m_graph->setGraphType(BarChart::Bars2D);
    m_graph->draw(BarChart::DrawAnew);
}

void GraphsAll::drawView3D() {
    m_sav2D->setVisible(true);
    m_oned->hide();
    if (!m_sav2D->isEnabled()) {
        m_sav2D->setEnabled(true);
        m_threeDee->setEnabled(false);
    }
    m_sav2D->setFocus();
    m_graph->setPrintStyle(m_printInColour);
    m_graph->setGraphType(BarChart::Bars3D);
    m_graph->draw(BarChart::Redraw);
}

void GraphsAll::Compare3D() {
    m_kind = Compare3DKind;
    drawView3D();
}

void GraphsAll::drawKind(std::int16_t kind) {
    switch (kind) {
    case Yearly2D:
        m_kind = Yearly2D;
        drawYearly2D();
        return;
    case Yearly3D:
        m_kind = Yearly3D;
        drawView3D();
        return;
    case Compare2DKind:
        Compare2D();
        return;
    case Compare3DKind:
        Compare3D();
        return;
    default:
        return;
    }
}

void GraphsAll::Sav2D_Click() {
    guarded(Message::WrongEntry, [&] { drawKind(m_series.comparison ? Compare2DKind : Yearly2D); });
}

void GraphsAll::ThreeDee_Click() {
    guarded(Message::WrongEntry, [&] { drawKind(m_series.comparison ? Compare3DKind : Yearly3D); });
}

void GraphsAll::Ptr_Click() {
    if (!askQuestion(Question::ContinuePrintout)) {
        return;
    }
    m_printInColour = askQuestion(Question::PrintInColour) ? 1 : 0;
    guarded(Message::WrongEntry, [&] {
        drawKind(m_kind);
        printWindowPicture(*this, twipsSize(9530, 5900), QStringLiteral("Graph"),
                           [this](bool printing) { m_graph->setPrintView(printing); });
    });
    m_printInColour = 0;
}

void GraphsAll::ExitBut_Click() {
    const GraphCallerInfo* caller = currentGraphCaller();
    const std::optional<WindowId> back =
        caller != nullptr ? std::optional<WindowId>(caller->window) : std::nullopt;
    hide();
    windows().unload(WindowId::GraphsAll);
    if (back) {
        windows().show(*back);
    }
}
