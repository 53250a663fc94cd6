#pragma once

#include <QPixmap>

// The pictures the program carries itself, drawn at the size asked for (in the widget's
// coordinates) for a screen with `ratio` device pixels per coordinate, so they stay sharp at
// 150 % or 200 % (pass the showing widget's devicePixelRatioF()).
namespace BuiltinPictures {
// Shown in place of the cover of an album that has no cover file.
QPixmap noCover(const QSize& size, qreal ratio);
// The playlist indicator: a plain logo, or the playlist icon when the album has a playlist.
QPixmap plainLogo(int side, qreal ratio);
QPixmap playlistIcon(int side, qreal ratio);
} // namespace BuiltinPictures
