#pragma once

#include "db/catalogue.h"
#include "import/folderalbums.h"
#include "shell/errorreport.h"

#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <variant>

// Storing albums made from music files in the catalogue, and what the catalogue remembers of
// the files it read.

// Where an imported album's files go: the catalogue and the settings `MuziekDir`, `CoverDir`.
struct AlbumDestination {
    Catalogue catalogue;
    QString muziekDir;
    QString coverDir;
};

// The id of the catalogue's album `titel` of an artist named `artist`, both compared as the
// catalogue compares artist names (letter case aside); 0 when there is none.
DbResult<qint64> cataloguedAlbumId(const Catalogue& catalogue, const QString& artist, const QString& titel);

// The same question for many albums at once: every catalogued album's id (the lowest where
// several match) under its folded artist and title, read with one query.
class CataloguedAlbums {
public:
    static DbResult<CataloguedAlbums> read(const Catalogue& catalogue);
    // As cataloguedAlbumId, without a query.
    qint64 idOf(const QString& artist, const QString& titel) const;

private:
    QHash<QString, qint64> ids_;
};

// What storeFolderAlbum did.
struct StoredFolderAlbum {
    qint64 artistId = 0;
    qint64 titleId = 0;
    bool newArtist = false;
    // Set when the album was stored but its cover could not be taken (the album stands).
    std::optional<AppError> coverProblem;
};

// Stores `album` whole or not at all: the artist (reused by name, else new), the album with
// its year, carrier, length and playlist flag, its tracks, and the files it was made of in
// `Muziekbestand`; its playlist `MuziekDir` + id + ".m3u" is written before the transaction
// commits, so a failure of either leaves neither. The cover is then taken from the first
// embedded front picture of its files, else from "cover.jpg", "folder.jpg" or "front.jpg" in
// its folder, through the checked cover copy. Upgrades the catalogue's schema when older.
std::variant<StoredFolderAlbum, AppError> storeFolderAlbum(
    const AlbumDestination& destination, const FolderAlbum& album);

// Asked as work goes on: `done` of `total` steps, the folder or album at hand. Answers false
// to cancel.
using LibraryProgress = std::function<bool(qint64 done, qint64 total, const QString& current)>;

// What importing albums did.
struct LibraryImport {
    QList<StoredFolderAlbum> stored; // committed, in order
    QList<std::pair<QString, AppError>> failed; // "artist - title" and why (the rest went on)
    QList<std::pair<QString, AppError>> coverProblems; // stored, but without their cover
    bool cancelled = false;
};

// How many albums one commit holds at most.
inline constexpr qsizetype albumsPerCommit = 500;

// Stores each album as storeFolderAlbum does, whole under a savepoint of its own, committing
// up to `albumsPerCommit` at a time; a failing album is noted and the next follows. Cancel
// stops before the next album and commits those before it: what was stored stays stored.
// The `done` that `progress` is told counts only albums already committed or failed.
LibraryImport importFolderAlbums(const AlbumDestination& destination, const QList<FolderAlbum>& albums,
    const LibraryProgress& progress = {});

// A file as the catalogue remembers it from an earlier import.
struct RememberedFile {
    qint64 size = 0;
    qint64 modified = 0;
    qint64 titleId = 0; // the album it went into; 0: read but part of no album
    bool albumGone = false; // its album was deleted since: the file counts as never imported
};

// Every file the catalogue remembers, by path.
DbResult<QHash<QString, RememberedFile>> rememberedMusicFiles(const Catalogue& catalogue);

// Remembers files as read and belonging to album `titleId` (0: to none, such as untagged
// files), so a later run does not read them again while they stay as they are.
DbStatus rememberMusicFiles(const Catalogue& catalogue, const QList<FoundMusicFile>& files, qint64 titleId);
