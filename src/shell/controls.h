#pragma once
// The controls every window of the program builds the same way, and the steps that wire them:
// the calculator frame and the windows of the Quantrel module and the menus all use these.

#include <QFont>
#include <QRect>
#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class CommandButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

// The fixed-pitch font of entry boxes, figures and help texts.
QFont fixedPitchFont();

// A sunken label on `parent` that shows a figure right-aligned in the fixed-pitch font, wide
// enough for `characters` digits.
QLabel* resultLabel(QWidget* parent, const QString& name, int characters = 15);
// A small caption label on `parent`, `widthTwips` wide, that wraps.
QLabel* captionLabel(QWidget* parent, const QString& name, const QString& text,
                     int widthTwips = 1800);
// Entry boxes and lists in the fixed-pitch font, `widthTwips` wide.
void entryLook(std::initializer_list<QWidget*> boxes, int widthTwips);

// A command button on `parent` that runs `handler` when pressed.
CommandButton* commandButton(QWidget* parent, const QString& caption, const QString& name,
                             std::function<void()> handler);
// A frame on `parent` with a caption around option buttons (given as object name and caption),
// in a row or a column; the buttons made are added to `made` (they are in no option group yet).
QGroupBox* optionFrame(QWidget* parent, const QString& caption,
                       std::initializer_list<std::pair<QString, QString>> buttons,
                       Qt::Orientation orientation, std::vector<QRadioButton*>& made);

// A list that takes no typing: a key that types beeps and runs `typed`; Enter moves the focus
// to `enterTarget`; `left` (when given) runs when the focus leaves the list for another control
// of the window.
void listWithoutTyping(QComboBox* list, QWidget* enterTarget, std::function<void()> typed,
                       std::function<void()> left = {});

// The tab order: each widget after the one before it.
void tabChain(const std::vector<QWidget*>& widgets);

// The parts of a menu window (the main menu, the Quantrel module's menu): the title "Orvalen"
// large and centred at the top, the line under it that tells what is in use, and where the
// button in `column` (0 left, 1 right) and `row` (1 at the top, at most 7) stands.
QLabel* menuTitle(QWidget* parent, const QString& name);
QLabel* menuInfoLine(QWidget* parent, const QString& name);
QRect menuButtonPlace(int column, int row);
