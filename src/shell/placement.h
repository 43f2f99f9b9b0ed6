#pragma once
// Where the windows of the program stand inside and beside the main window.

#include <QPoint>
#include <QWidget>
#include <cstdint>

// LayoutHeight for a main window of `heightTwips`: 8670 (large layout) when it is taller than
// 8500 twips, else 6810 (normal layout).
std::int32_t layoutHeightFor(int heightTwips);

// Moves a child window of the main window (the main menu, a calculator) to its top-left
// corner: (-60, -30) twips in normal layout, (1200, 1000) in large layout.
void PlaceChildWindow(QWidget& window);

// Places a dialog at the main window's left and top plus an offset in twips, one offset for
// normal layout and one for large layout.
void placeDialog(QWidget& dialog, QPoint normalTwips, QPoint largeTwips);

// A child window of the main window: placed by PlaceChildWindow whenever it is shown.
class ChildWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChildWindow(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};
