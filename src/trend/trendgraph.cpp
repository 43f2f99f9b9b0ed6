#include "trend/trendgraph.h"

#include "platform/barchart.h"
#include "platform/beep.h"
#include "platform/twips.h"
#include "shell/commandbutton.h"
#include "shell/dialogs.h"
#include "shell/graphdata.h"
#include "shell/graphexport.h"
#include "shell/guarded.h"
#include "shell/mdicontainer.h"
#include "shell/reportframe.h"
#include "shell/windowregistry.h"
#include "trend/trendstate.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TrendGraph::TrendGraph(QWidget* parent)
    : ChildWindow(parent), m_graph1(new BarChart(this)),
      m_forward(new CommandButton(QStringLiteral("&Forward"), QStringLiteral("Forward"), this)),
      m_prev(new CommandButton(QStringLiteral("&Back"), QStringLiteral("Prev"), this)),
      m_ptr(new CommandButton(QStringLiteral("To &Printer"), QStringLiteral("Ptr"), this)),
      m_oned(new CommandButton(QStringLiteral("Show &2D Graph"), QStringLiteral("Oned"), this)),
      m_threeD(new CommandButton(QStringLiteral("Show &3D Graph"), QStringLiteral("ThreeD"), this)),
      m_exitBut(new CommandButton(QStringLiteral("E&xit"), QStringLiteral("ExitBut"), this)) {
    setObjectName(QStringLiteral("TrendGraph"));
    resize(twipsSize(9550, 6450));
    m_graph1->setObjectName(QStringLiteral("Graph1"));
    offerGraphExport(*m_graph1, *this, [this] { return imageName(m_graph1->graphTitle()); });

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(twips(120));
    buttons->addStretch();
    for (CommandButton* b : {m_prev, m_forward, m_oned, m_threeD, m_ptr, m_exitBut}) {
        b->setMinimumSize(twipsSize(1300, 400));
        buttons->addWidget(b);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(90), twips(90), twips(90), twips(120));
    layout->setSpacing(twips(120));
    layout->addWidget(m_graph1, 1);
    layout->addLayout(buttons);

    connect(m_forward, &CommandButton::clicked, this, &TrendGraph::Forward_Click);
    connect(m_prev, &CommandButton::clicked, this, &TrendGraph::Prev_Click);
    connect(m_ptr, &CommandButton::clicked, this, &TrendGraph::Ptr_Click);
    connect(m_oned, &CommandButton::clicked, this, &TrendGraph::Oned_Click);
    connect(m_threeD, &CommandButton::clicked, this, &TrendGraph::ThreeD_Click);
    connect(m_exitBut, &CommandButton::clicked, this, &TrendGraph::ExitBut_Click);
    Form_Load();
}

void TrendGraph::Form_Load() {
    MDIContainer::setCaption(trendGraphWindowCaption());
    m_kind = 0;
    const TrendGraphOpening opening = openTrendGraph(trend().RecordCount);
    if (opening.message != Message::None) {
        showMessage(opening.message);
        return;
    }
    m_page = opening.page;
    m_forward->setEnabled(opening.forwardEnabled);
    m_prev->setEnabled(opening.backEnabled);
    m_kind = opening.chartKind;
    drawPage();
    m_oned->setEnabled(false);
    m_threeD->setEnabled(true);
}

void TrendGraph::drawPage() {
    guarded(Message::UnknownError, [this] {
        giveBars(*m_graph1, trendBars(m_page), m_colourPrint);
        m_graph1->setGraphType(m_kind == 2 ? BarChart::Bars3D : BarChart::Bars2D);
        m_graph1->draw(BarChart::DrawAnew);
    });
}

void TrendGraph::Prev_Click() {
    m_forward->setEnabled(true);
    const PageTurn turn = pageBack(m_page, trend().RecordCount);
    if (turn.refused) {
        m_prev->setEnabled(false);
        m_forward->setFocus(Qt::OtherFocusReason);
        platform::beep();
        return;
    }
    m_page = turn.page;
    drawPage();
}

void TrendGraph::Forward_Click() {
    m_prev->setEnabled(true);
    const PageTurn turn = pageForward(m_page);
    if (turn.refused) {
        m_forward->setEnabled(false);
        m_prev->setFocus(Qt::OtherFocusReason);
        platform::beep();
        return;
    }
    m_page = turn.page;
    drawPage();
}

void TrendGraph::Oned_Click() {
    m_oned->setEnabled(false);
    m_threeD->setEnabled(true);
    m_kind = 1;
    drawPage();
}

void TrendGraph::ThreeD_Click() {
    m_threeD->setEnabled(false);
    m_oned->setEnabled(true);
    m_kind = 2;
    drawPage();
}

void TrendGraph::Ptr_Click() {
    if (!askQuestion(Question::ContinuePrintout)) {
        return;
    }
    m_colourPrint = askQuestion(Question::PrintInColour) ? 1 : 0;
    // Drawn again so that the print style takes effect.
    drawPage();
    printWindowPicture(*this, twipsSize(9530, 5900), QStringLiteral("Trend Graph"),
                       [this](bool printing) { m_graph1->setPrintView(printing); });
    m_colourPrint = 0;
}

void TrendGraph::ExitBut_Click() {
    m_kind = 0;
    const bool toRatios = trend().GraphOrigin == 1;
    const QString caption = trendGraphExit();
    if (!caption.isEmpty()) {
        MDIContainer::setCaption(caption);
    }
    windows().show(toRatios ? WindowId::Averatios : WindowId::Trendmenu);
    windows().unload(WindowId::TrendGraph);
}
