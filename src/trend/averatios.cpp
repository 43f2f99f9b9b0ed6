#include "trend/averatios.h"

#include "platform/twips.h"
#include "shell/commandbutton.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/elidedtext.h"
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
#include <algorithm>

namespace {

const QColor PrintBackground(255, 255, 255);
const QColor PrintedFigure(0, 255, 255);
const QColor FigureBackground(255, 255, 255);
const QColor Red(255, 0, 0);

// The width `label` takes to show `text` whole, frame and indent included.
int widthFor(QLabel& label, const QString& text) {
    const QString shown = label.text();
    label.setText(text);
    const int width = label.sizeHint().width();
    label.setText(shown);
    return width;
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
    // Its width comes from the widest figure, measured below.
    QLabel* l = resultLabel(this, name, 0);
    m_labels.insert(name, l);
    l->setAutoFillBackground(true);
    setBackground(l, FigureBackground);
    // Every field fits a four-digit value; a wider figure widens its field, so no digit is cut.
    l->setMinimumWidth(widthFor(*l, averatiosWidestFigure()));
    l->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
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
    // One grid at a fixed size: each caption column as wide as the longest caption it shows,
    // so that no caption wraps and every row has the same height whatever the database; the
    // room left stays at the right. A gap column sets the blocks apart.
    auto* blocks = new QGridLayout;
    blocks->setHorizontalSpacing(twips(45));
    blocks->setVerticalSpacing(twips(45));
    blocks->addWidget(m_labels[QStringLiteral("Label1")], 0, 0, 1, 2);
    blocks->addWidget(m_labels[QStringLiteral("Label30")], 0, 6, 1, 2);
    for (const int gap : {2, 5}) {
        blocks->addItem(new QSpacerItem(0, 0), 1, gap);
    }
    const std::vector<LabelText> captionTexts = averatiosLongestCaptions();
    // Places a block's rows from `column` on; returns the captions that stand beside a figure
    // and the width of the longest caption the block shows.
    const auto place = [&](const Row* rows, int column) {
        std::pair<std::vector<QLabel*>, int> block{{}, 0};
        for (int i = 0; i < 8; ++i) {
            QLabel* caption = m_labels.value(QLatin1String(rows[i].caption));
            if (caption == nullptr) {
                caption = label(QLatin1String(rows[i].caption));
            }
            QFont small = caption->font();
            small.setPointSizeF(small.pointSizeF() * 0.85);
            caption->setFont(small);
            for (const LabelText& t : captionTexts) {
                if (t.control == caption->objectName()) {
                    block.second = std::max(block.second, widthFor(*caption, t.text));
                }
            }
            const QString figureName = QLatin1String(rows[i].figure);
            if (figureName.isEmpty()) {
                blocks->addWidget(caption, i + 1, column, 1, 2);
            } else if (figureName == QStringLiteral("Label16")) {
                // The verdict is wider than the other figures: it takes room from its short
                // caption.
                QLabel* verdict = figure(figureName);
                verdict->setMinimumWidth(widthFor(*verdict, averatiosWidestVerdict()));
                auto* row = new QHBoxLayout;
                row->setSpacing(blocks->horizontalSpacing());
                row->addWidget(caption);
                row->addStretch();
                row->addWidget(verdict);
                blocks->addLayout(row, i + 1, column, 1, 2);
            } else {
                block.first.push_back(caption);
                m_captions.insert(caption);
                blocks->addWidget(caption, i + 1, column);
                blocks->addWidget(figure(figureName), i + 1, column + 1);
            }
        }
        return block;
    };
    const auto averagesBlock = place(averages, 0);
    const auto valuesBlock = place(values, 3);
    const auto ratiosBlock = place(ratios, 6);
    blocks->addWidget(m_weekPoints, 9, 0, 1, 2);
    blocks->setColumnStretch(8, 1);
    // The ratio captions take what the others leave; a longer one ends in an ellipsis.
    const int figures = 3 * m_labels.value(QStringLiteral("Label11"))->minimumWidth();
    const int room = width() - 2 * twips(120) - 7 * blocks->horizontalSpacing() - figures -
                     averagesBlock.second - valuesBlock.second;
    for (const auto& [captions, widest] :
         {averagesBlock, valuesBlock,
          std::pair(ratiosBlock.first, std::min(ratiosBlock.second, room))}) {
        for (QLabel* caption : captions) {
            caption->setFixedWidth(widest);
        }
    }

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
    // A long title ends in an ellipsis rather than widen the window.
    title->setFixedWidth(width() - 2 * twips(120));
    m_captions.insert(title);
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
    guarded(Message::CheckDataValues, [&results] { ComputeTrendResults(results); });
    apply(results);
    apply(SetPeriodCaptions());
}

void Averatios::apply(const AveratiosUpdate& update) {
    for (const LabelText& t : update.texts) {
        if (t.control == m_weekPoints->objectName()) {
            m_weekPoints->setText(t.text);
        } else if (QLabel* l = m_labels.value(t.control)) {
            if (m_captions.contains(l)) {
                setElidedText(*l, t.text);
            } else {
                l->setText(t.text);
            }
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
    if (const Message refusal = ratiosPrintRefusal(); refusal != Message::None) {
        showMessage(refusal);
        return;
    }
    if (!askQuestion(Question::ContinuePrintout)) {
        return;
    }
    printWindowPicture(*this, twipsSize(9530, 5600), QStringLiteral("Averages"),
                       [this](bool printing) { setPrintLook(printing); });
}

void Averatios::Graphshow_Click() {
    if (const Message refusal = showGraphFromRatios(); refusal != Message::None) {
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
