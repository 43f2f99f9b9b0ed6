// A model file that names Qt Widgets' folder: the build must refuse it.
#include <QtCore/QDate>
#include <QtWidgets/QWidget>
