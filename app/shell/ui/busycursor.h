#pragma once

#include <QCursor>
#include <QGuiApplication>

// Shows the busy pointer over the whole program for as long as it lives; every way out of
// the handler that made it (an early return included) restores the pointer.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
