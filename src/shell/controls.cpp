#include "shell/controls.h"

#include "platform/beep.h"
#include "platform/twips.h"
#include "shell/commandbutton.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

QFont fixedPitchFont() {
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    return fixed;
}

QLabel* resultLabel(QWidget* parent, const QString& name, int characters) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFont(fixedPitchFont());
    // Wide enough for the largest figure it shows; a wider one would be cut on screen.
    const QFontMetrics metrics(label->font());
    label->setMinimumWidth(metrics.horizontalAdvance(QString(characters, u'0')) +
                           2 * label->frameWidth() + 6);
    return label;
}

QLabel* captionLabel(QWidget* parent, const QString& name, const QString& text, int widthTwips) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setFixedWidth(twips(widthTwips));
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    label->setFont(small);
    return label;
}

void entryLook(std::initializer_list<QWidget*> boxes, int widthTwips) {
    for (QWidget* box : boxes) {
        box->setFont(fixedPitchFont());
        box->setFixedWidth(twips(widthTwips));
    }
}

CommandButton* commandButton(QWidget* parent, const QString& caption, const QString& name,
                             std::function<void()> handler) {
    auto* button = new CommandButton(caption, name, parent);
    QObject::connect(button, &CommandButton::clicked, parent, std::move(handler));
    return button;
}

QGroupBox* optionFrame(QWidget* parent, const QString& caption,
                       std::initializer_list<std::pair<QString, QString>> buttons,
                       Qt::Orientation orientation, std::vector<QRadioButton*>& made) {
    auto* frame = new QGroupBox(caption, parent);
    QBoxLayout* layout = orientation == Qt::Horizontal
                             ? static_cast<QBoxLayout*>(new QHBoxLayout(frame))
                             : static_cast<QBoxLayout*>(new QVBoxLayout(frame));
    layout->setContentsMargins(4, 0, 4, 0);
    for (const auto& [name, text] : buttons) {
        auto* button = new QRadioButton(text, frame);
        button->setObjectName(name);
        layout->addWidget(button);
        made.push_back(button);
    }
    return frame;
}

namespace {

// The key rule of a list that takes no typing.
class NoTyping : public QObject {
public:
    NoTyping(QComboBox* list, QWidget* enterTarget, std::function<void()> typed,
             std::function<void()> left)
        : QObject(list), m_enterTarget(enterTarget), m_typed(std::move(typed)),
          m_left(std::move(left)) {
        list->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut && m_left) {
            // Its own drop-down list taking the focus, or another window, is not leaving it.
            const Qt::FocusReason reason = static_cast<QFocusEvent&>(*event).reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
                m_left();
            }
        }
        if (event->type() == QEvent::KeyPress) {
            auto& key = static_cast<QKeyEvent&>(*event);
            if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
                m_enterTarget->setFocus(Qt::TabFocusReason);
                return true;
            }
            if (!key.text().isEmpty() && key.text().front().isPrint()) {
                m_typed();
                platform::beep();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_enterTarget;
    std::function<void()> m_typed;
    std::function<void()> m_left;
};

} // namespace

void listWithoutTyping(QComboBox* list, QWidget* enterTarget, std::function<void()> typed,
                       std::function<void()> left) {
    new NoTyping(list, enterTarget, std::move(typed), std::move(left));
}

QLabel* menuTitle(QWidget* parent, const QString& name) {
    auto* title = new QLabel(QStringLiteral("Orvalen"), parent);
    title->setObjectName(name);
    QFont titleFont(QStringLiteral("MS Serif"), 24, QFont::Bold);
    titleFont.setStyleHint(QFont::Serif);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(twipsRect(1260, 200, 6810, 700));
    return title;
}

QLabel* menuInfoLine(QWidget* parent, const QString& name) {
    auto* line = new QLabel(parent);
    line->setObjectName(name);
    line->setAlignment(Qt::AlignCenter);
    line->setGeometry(twipsRect(1260, 900, 6810, 400));
    return line;
}

QRect menuButtonPlace(int column, int row) {
    constexpr int Lefts[] = {1260, 5040};
    constexpr int Tops[] = {1440, 2050, 2650, 3250, 3850, 4450, 5050};
    return twipsRect(Lefts[column], Tops[row - 1], 3030, 400);
}

void tabChain(const std::vector<QWidget*>& widgets) {
    for (std::size_t i = 1; i < widgets.size(); ++i) {
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
    }
}
