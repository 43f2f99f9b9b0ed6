#include "trend/averatios.h"

#include "platform/twips.h"
#include "shell/busypointer.h"
#include "shell/commandbutton.h"
#include "shell/dialogs.h"
#include "shell/guarded.h"
#include "shell/mdicontainer.h"
#include "shell/optiongroup.h"
#include "shell/reportframe.h"
#include "shell/windowregistry.h"
#include "trend/averatiostexts.h"
#include "trend/trendanalysis.h"
#include "trend/trendstate.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QColor PrintBackground(255, 255, 255);
const QColor PrintedFigure(0, 255, 255);
const QColor FigureBackground(255, 255, 255);
const QColor Red(255, 0, 0);

QFont fixedPitch() {
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    return fixed;
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

// A caption and its figure, one row of a block.
struct Row {
    const char* caption;
    const char* figure;
};

} // namespace

Averatios::Averatios(QWidget* parent)
    : ChildWindow(parent), m_weekPoints(new QCheckBox(this)), m_options(new OptionGroup(this)) {
    setObjectName(QStringLiteral("Averatios"));
    resize(twipsSize(9550, 6450));
    setAutoFillBackground(true);
    buildControls();
    Form_Load();
}

QLabel* Averatios::label(const QString& name, const QString& text) {
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    m_labels.insert(name, l);
    return l;
}

QLabel* Averatios::figure(const QString& name) {
    QLabel* l = label(name);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFont(fixedPitch());
    l->setAutoFillBackground(true);
    setBackground(l, FigureBackground);
    // A wider figure widens its column: no digit is ever cut.
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QString(10, u'0')));
    return l;
}

void Averatios::buildControls() {
    for (const LabelText& caption : averatiosCaptions()) {
        label(caption.control, caption.text);
    }
    QLabel* title = label(QStringLiteral("Label2"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    for (const char* header : {"Label1", "Label30"}) {
        QFont bold = m_labels[QLatin1String(header)]->font();
        bold.setBold(true);
        m_labels[QLatin1String(header)]->setFont(bold);
    }
    m_weekPoints->setObjectName(QStringLiteral("WeekPoints"));

    // Three blocks: the averages, the values from the data, the ratios of the earnings.
    const Row averages[] = {{"Label4", "Label11"},  {"Label5", "Label12"}, {"Label6", "Label13"},
                            {"Label7", "Label14"},  {"Label8", "Label15"}, {"Label34", "Label35"},
                            {"Label28", "Label29"}, {"Label52", "Label53"}};
    const Row values[] = {{"Label9", "Label16"},  {"Label40", "Label41"}, {"Label18", "Label19"},
                          {"Label3", "Label20"},  {"Label26", "Label27"}, {"Label48", nullptr},
                          {"Label36", "Label37"}, {"Label45", "Label38"}};
    const Row ratios[] = {{"Label21", "Label22"}, {"Label10", "Label17"}, {"Label49", "Label50"},
                          {"Label42", "Label43"}, {"Label23", "Label24"}, {"Label44", "Label31"},
                          {"Label46", "Label32"}, {"Label47", "Label33"}};
    auto* blocks = new QGridLayout;
    blocks->setHorizontalSpacing(twips(90));
    blocks->setVerticalSpacing(twips(45));
    blocks->addWidget(m_labels[QStringLiteral("Label1")], 0, 0, 1, 2);
    blocks->addWidget(m_labels[QStringLiteral("Label30")], 0, 4, 1, 2);
    const auto place = [&](const Row* rows, int count, int column) {
        for (int i = 0; i < count; ++i) {
            QLabel* caption = m_labels.value(QLatin1String(rows[i].caption));
            if (caption == nullptr) {
                caption = label(QLatin1String(rows[i].caption));
            }
            caption->setWordWrap(true);
            QFont small = caption->font();
            small.setPointSizeF(small.pointSizeF() * 0.9);
            caption->setFont(small);
            if (rows[i].figure == nullptr) {
                blocks->addWidget(caption, i + 1, column, 1, 2);
                continue;
            }
            blocks->addWidget(caption, i + 1, column);
            blocks->addWidget(figure(QLatin1String(rows[i].figure)), i + 1, column + 1);
        }
    };
    place(averages, 8, 0);
    place(values, 8, 2);
    place(ratios, 8, 4);
    blocks->addWidget(m_weekPoints, 9, 0, 1, 2);
    // The longer captions of the values and the ratios take the room left.
    blocks->setColumnStretch(2, 1);
    blocks->setColumnStretch(4, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const std::vector<LabelText> captions = averatiosButtonCaptions();
    const std::vector<void (Averatios::*)()> clicks = {
        &Averatios::Print1_Click, &Averatios::Graphshow_Click, &Averatios::ShowSheet_Click,
        &Averatios::ExitBut_Click};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto* button = new CommandButton(captions[i].text, captions[i].control, this);
        button->setMinimumSize(twipsSize(1900, 400));
        buttons->addWidget(button);
        connect(button, &CommandButton::clicked, this, clicks[i]);
    }
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(120), twips(90), twips(120), twips(120));
    layout->setSpacing(twips(120));
    layout->addWidget(title);
    layout->addLayout(blocks);
    layout->addStretch();
    layout->addLayout(buttons);
}

void Averatios::Form_Load() {
    MDIContainer::setCaption(averatiosWindowCaption());
    // The captions stay in the mode chosen last in the module.
    m_weekPoints->setChecked(trend().PeriodMode == 1);
    m_options->add(m_weekPoints, [this](bool checked) { WeekPoints_Click(checked); });
    refresh();
}

bool Averatios::showComputed() {
    // A window loaded now computes as it loads; one loaded before computes again.
    const bool loaded = windows().loaded(WindowId::Averatios) != nullptr;
    auto* ratios = qobject_cast<Averatios*>(windows().show(WindowId::Averatios));
    if (ratios != nullptr && loaded) {
        ratios->refresh();
    }
    return ratios != nullptr;
}

void Averatios::clear() {
    apply(ClearTrendResults());
}

void Averatios::refresh() {
    AveratiosUpdate results;
    // The texts written before a failure (the title) are shown all the same.
    guarded(27, [&results] { ComputeTrendResults(results); });
    apply(results);
    apply(SetPeriodCaptions());
}

void Averatios::apply(const AveratiosUpdate& update) {
    for (const LabelText& t : update.texts) {
        if (t.control == m_weekPoints->objectName()) {
            m_weekPoints->setText(t.text);
        } else if (QLabel* l = m_labels.value(t.control)) {
            l->setText(t.text);
        }
    }
    if (update.potentialColour != LabelColour::Unchanged) {
        QLabel* potential = m_labels.value(QStringLiteral("Label17"));
        QPalette palette = potential->palette();
        palette.setColor(QPalette::WindowText, update.potentialColour == LabelColour::Red
                                                   ? Red
                                                   : QPalette().color(QPalette::WindowText));
        potential->setPalette(palette);
    }
}

void Averatios::WeekPoints_Click(bool checked) {
    apply(weekPointsClicked(checked));
}

void Averatios::setPrintLook(bool printing) {
    setBackground(this, printing ? PrintBackground : QPalette().color(QPalette::Button));
    for (const QString& name : printHighlightedFields()) {
        setBackground(m_labels.value(name), printing ? PrintedFigure : FigureBackground);
    }
    if (!printing) {
        setBackground(m_labels.value(QStringLiteral("Label50")), FigureBackground);
    }
}

void Averatios::Print1_Click() {
    if (const std::int16_t refusal = ratiosPrintRefusal()) {
        showMessage(refusal);
        return;
    }
    if (!askQuestion(1)) {
        return;
    }
    // A printout that fails ends without a message; the window comes back as it was.
    quietly([this] {
        BusyPointer busy;
        setPrintLook(true);
        resize(twipsSize(9530, 5600));
        printWindowPicture(*this, QStringLiteral("Averages"));
    });
    PlaceChildWindow(*this);
    resize(twipsSize(9550, 6450));
    setPrintLook(false);
}

void Averatios::Graphshow_Click() {
    if (const std::int16_t refusal = showGraphFromRatios()) {
        showMessage(refusal);
        return;
    }
    if (windows().open(WindowId::TrendGraph) != nullptr) {
        hide();
    }
}

void Averatios::ShowSheet_Click() {
    resetTrendReportBlocks();
    MDIContainer::setCaption(QStringLiteral(" Add and Edit Database"));
    if (windows().open(WindowId::Dbase) != nullptr) {
        hide();
    }
}

void Averatios::ExitBut_Click() {
    MDIContainer::setCaption(QStringLiteral("  Quantrel Menu"));
    // The menu names the database in memory as it shows.
    windows().show(WindowId::Trendmenu);
    hide();
}
