#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window of `size` saved at `saved` opens, given the screens' available areas (the
// primary screen first): at `saved` when a screen still shows a good piece of its top edge, so
// that it can be grabbed and moved; otherwise (a screen unplugged, a smaller resolution, a
// hand-edited position) centred on the primary screen.
QPoint placedOnScreens(const QPoint& saved, const QSize& size, const QList<QRect>& screens);
