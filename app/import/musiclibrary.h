#pragma once

#include "import/folderalbums.h"
#include "import/folderalbumstore.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Importing a whole music library: a folder tree of music files in any layout, where an album
// is the set of files that share album artist and album. A second run over the same tree reads
// only the files that are new or changed (path, size and modification time remembered in the
// catalogue) and stores nothing twice.

// What a walk through the library found.
struct LibraryScan {
    QList<FolderAlbum> newAlbums; // not in the catalogue yet
    QList<FolderAlbum> presentAlbums; // an album of that artist and title is catalogued
    QList<FoundMusicFile> untagged; // music without album or artist in its tags
    QList<FoundMusicFile> notMusic; // no music TagLib knows
    QStringList unreadable; // folders and files that could not be listed or opened
    qint64 filesRead = 0; // files whose tags were read in this run
    qint64 filesKnown = 0; // files left unread: remembered and unchanged
    bool cancelled = false;
};

// Walks `root` and reads the files that are new or changed since the catalogue last saw them.
// Files that went into no album and files of albums already catalogued are remembered, so the
// next run skips them too. A catalogue that cannot be read or upgraded gives its error.
DbResult<LibraryScan> scanMusicLibrary(
    const Catalogue& catalogue, const QString& root, const LibraryProgress& progress = {});
