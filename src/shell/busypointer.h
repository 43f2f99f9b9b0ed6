#pragma once
// Shows the busy mouse pointer for the life of the object; the normal pointer comes back on
// every path out of the scope, failures included.

#include <QApplication>
#include <QCursor>

class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};
