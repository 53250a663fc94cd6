#pragma once

#include <QPixmap>

// The pictures the program carries itself, drawn at the size asked for.
namespace BuiltinPictures {
// Shown in place of the cover of an album that has no cover file.
QPixmap noCover(const QSize& size);
// The playlist indicator: a plain logo, or the playlist icon when the album has a playlist.
QPixmap plainLogo(int side);
QPixmap playlistIcon(int side);
} // namespace BuiltinPictures
