#pragma once

#include "import/folderalbums.h"

#include <QImage>
#include <QSize>
#include <QString>

// The cover an album made of music files brings along, found as the store takes it: the first
// embedded front picture of its tracks, else "cover.jpg", "folder.jpg" or "front.jpg" in its
// folder or in the folder of its first track.
struct FolderCover {
    QImage image; // shrunk to fit the bounds asked for; null when none was found or readable
    QString origin; // the music file holding it or the picture file; "" when none was found
};

// Finds the cover of `album` and reads it to fit `bounds` (the header is checked first, so an
// enormous picture costs no memory). Reads files: call it off the window thread.
FolderCover findFolderCover(const FolderAlbum& album, const QSize& bounds);
