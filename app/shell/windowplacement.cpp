#include "shell/windowplacement.h"

#include <algorithm>

QPoint placedOnScreens(const QPoint& saved, const QSize& size, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return saved;
    // The strip along the top where the title bar is: enough of it must be on one screen.
    const QRect topStrip(saved, QSize(size.width(), std::min(size.height(), 40)));
    const int neededWidth = std::min(size.width(), 100);
    for (const QRect& screen : screens) {
        const QRect shown = screen.intersected(topStrip);
        if (shown.width() >= neededWidth && shown.height() >= topStrip.height() / 2)
            return saved;
    }
    QRect centred(QPoint(), size);
    centred.moveCenter(screens.first().center());
    return QPoint(
        std::max(centred.left(), screens.first().left()), std::max(centred.top(), screens.first().top()));
}
