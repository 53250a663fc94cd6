#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a message box goes.
enum class BoxMode {
    CentreOnOwner = 1, // centred over the window that owns it
    AtPosition = 2,    // at a requested point; -1 on an axis centres it on the screen there
};

// Top-left corner of a `box`-sized message box. Halves are rounded to the even neighbour,
// so a 300 x 120 box over a 601 x 400 owner at (0, 0) lands at (150, 140).
QPoint centredBoxPosition(const QRect& owner, const QSize& box);
QPoint requestedBoxPosition(QPoint requested, const QSize& screen, const QSize& box);
