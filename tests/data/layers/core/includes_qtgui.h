// A core header that uses Qt Gui: the build must refuse it.
#pragma once
#include <QColor>
#include <QString>
