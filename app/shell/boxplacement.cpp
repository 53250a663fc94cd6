#include "shell/boxplacement.h"

#include <cmath>

namespace {
int halfToEven(double value)
{
    // nearbyint rounds in the current rounding mode, which is to-nearest-even by default.
    return static_cast<int>(std::nearbyint(value));
}
} // namespace

QPoint centredBoxPosition(const QRect& owner, const QSize& box)
{
    return {halfToEven(owner.left() + (owner.width() - box.width()) / 2.0),
            halfToEven(owner.top() + (owner.height() - box.height()) / 2.0)};
}

QPoint requestedBoxPosition(QPoint requested, const QSize& screen, const QSize& box)
{
    const int x = requested.x() == -1 ? halfToEven((screen.width() - box.width()) / 2.0) : requested.x();
    const int y = requested.y() == -1 ? halfToEven((screen.height() - box.height()) / 2.0) : requested.y();
    return {x, y};
}
