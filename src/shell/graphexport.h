#pragma once
// Graphs leaving the program: the context menu of a graph window's chart ("Copy &Image",
// "Save &Image..."), opened by the right mouse button, the Menu key and Shift+F10. The chart
// leaves as shown (flat or with depth): on the clipboard and as PNG at twice its size on the
// screen, so that it prints sharply, or as SVG in vectors. Files are saved whole or not at all.

#include <QString>
#include <functional>

class BarChart;
class QWidget;

// Gives `chart` its menu, which the Menu key and Shift+F10 open from anywhere in `window` (the
// graph window). `name` gives the name the save dialog offers, without its extension.
void offerGraphExport(BarChart& chart, QWidget& window, const std::function<QString()>& name);

// A file name from a chart's title (fileNameOf), "Graph" for no title.
QString imageName(const QString& title);

// Saves the chart through the save dialog as PNG or SVG, as the extension of the name chosen
// says, offering `defaultName`. Returns false when nothing was saved (cancelled, or the file
// could not be written: then "File not saved. ..." is shown and an old file stays as it was).
bool saveGraphImage(const BarChart& chart, QWidget* dialogParent, const QString& defaultName);
