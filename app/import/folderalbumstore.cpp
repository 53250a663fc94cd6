#include "import/folderalbumstore.h"

#include "db/namecollation.h"
#include "db/schemaupgrade.h"
#include "db/sqlitehandles.h"
#include "editing/coverfile.h"
#include "editing/playlistfile.h"
#include "export/stagedbatch.h"
#include "extras/picturefiles.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

const QString source = QStringLiteral("ImportFolderAlbum");
// "Invalid procedure call or argument": an album that cannot be stored as it stands.
constexpr int invalidAlbum = 5;
// About how long a batch of albums may take before it is committed.
constexpr qint64 batchMilliseconds = 1000;

AppError failure(const DbError& error)
{
    return { error.code, error.text, source };
}

// The first artist of that name, compared as Catalogue::ArtistIdByName compares; 0 for none.
DbResult<qint64> artistIdOn(const SqliteConnection& db, const QString& name)
{
    auto statement
        = db.prepare(QStringLiteral("SELECT Id FROM Artiest WHERE Artiest = ? COLLATE NAMEFOLD ORDER BY Id LIMIT 1"));
    if (!statement)
        return statement.error();
    if (auto bound = statement.value().bind({ name }); !bound)
        return bound.error();
    auto row = statement.value().step();
    if (!row)
        return row.error();
    return row.value() ? statement.value().integer(0) : qint64(0);
}

// The embedded front picture of the first file that has one, else a picture file beside the
// album's files; checked and copied as the cover of `titleId`.
std::optional<AppError> takeCover(
    const AlbumDestination& destination, const FolderAlbum& album, qint64 titleId)
{
    const QString target = coverPath(destination.coverDir, titleId);
    for (const FolderTrack& track : album.tracks) {
        if (!track.pictureEmbedded)
            continue;
        const QByteArray picture = embeddedFrontPicture(track.path, maxCoverBytes);
        if (!picture.isEmpty())
            return storeCover(picture, target, QStringLiteral("The picture in %1").arg(track.path), source);
    }
    // The album's folder, or that of its first disc ("Album/CD1/").
    const QString firstFolder = QFileInfo(album.tracks.first().path).path() + QLatin1Char('/');
    const QStringList folders = { album.folder, firstFolder };
    for (const QString& folder : folders) {
        for (const char* name : { "cover.jpg", "folder.jpg", "front.jpg" }) {
            const QString candidate = folder + QLatin1String(name);
            if (QFileInfo(candidate).isFile())
                return copyCover(candidate, target, source);
        }
    }
    return std::nullopt;
}

} // namespace

DbResult<qint64> cataloguedAlbumId(const Catalogue& catalogue, const QString& artist, const QString& titel)
{
    auto rows = catalogue.OpenRecordset(
        QStringLiteral("SELECT Titel.Id FROM Titel INNER JOIN Artiest ON Titel.ArtiestId = Artiest.Id "
                       "WHERE Artiest.Artiest = ? COLLATE NAMEFOLD AND Titel.Titel = ? COLLATE NAMEFOLD "
                       "ORDER BY Titel.Id LIMIT 1"),
        { artist, titel });
    if (!rows)
        return rows.error();
    return rows.value().rows.isEmpty() ? qint64(0) : rows.value().rows.first().first().toLongLong();
}

namespace {

QString foldedAlbumKey(const QString& artist, const QString& titel)
{
    return foldedName(artist) + QChar(0) + foldedName(titel);
}

} // namespace

DbResult<CataloguedAlbums> CataloguedAlbums::read(const Catalogue& catalogue)
{
    auto rows = catalogue.OpenRecordset(
        QStringLiteral("SELECT Artiest.Artiest, Titel.Titel, Titel.Id FROM Titel "
                       "INNER JOIN Artiest ON Titel.ArtiestId = Artiest.Id ORDER BY Titel.Id DESC"));
    if (!rows)
        return rows.error();
    CataloguedAlbums albums;
    // Read from the highest id down, so the lowest id of names that fold alike stays.
    for (const QVariantList& row : rows.value().rows)
        albums.ids_.insert(foldedAlbumKey(row.value(0).toString(), row.value(1).toString()), row.value(2).toLongLong());
    return albums;
}

qint64 CataloguedAlbums::idOf(const QString& artist, const QString& titel) const
{
    return ids_.value(foldedAlbumKey(artist, titel), 0);
}

namespace {

// Adds `album` on `db`, inside the transaction the caller holds, under a savepoint of its own:
// after a failure the album's rows are gone again and the rest of the transaction stands.
// Its playlist is staged last in `playlists`, which the caller puts in place before it
// commits, so the album is flagged only with it.
std::variant<StoredFolderAlbum, AppError> addAlbumOn(const SqliteConnection& db,
    const AlbumDestination& destination, StagedBatch& playlists, const FolderAlbum& album,
    const QDateTime& now)
{
    if (album.tracks.isEmpty() || album.artist.trimmed().isEmpty() || album.titel.trimmed().isEmpty())
        return AppError { invalidAlbum, QStringLiteral("The album has no artist, title or tracks."), source };
    if (auto status = db.exec(QStringLiteral("SAVEPOINT album")); !status)
        return failure(status.error());
    auto undo = [&db](AppError error) {
        db.exec(QStringLiteral("ROLLBACK TO album"));
        db.exec(QStringLiteral("RELEASE album"));
        return error;
    };

    StoredFolderAlbum stored;
    auto existing = artistIdOn(db, album.artist);
    if (!existing)
        return undo(failure(existing.error()));
    stored.artistId = existing.value();
    if (stored.artistId == 0) {
        auto artist = db.insert(QStringLiteral("INSERT INTO Artiest (Artiest, datum_init) VALUES (?, ?)"),
            { album.artist, now });
        if (!artist)
            return undo(failure(artist.error()));
        stored.artistId = artist.value();
        stored.newArtist = true;
    }
    const QString lengte = album.lengte();
    auto title = db.insert(QStringLiteral("INSERT INTO Titel (Titel, Jaar, Drager, ArtiestId, datum_lamu, Lengte, Playlist) "
                       "VALUES (?, ?, ?, ?, ?, ?, 1)"),
        { album.titel, album.jaar.isEmpty() ? QVariant() : QVariant(album.jaar.toInt()),
            album.drager.isEmpty() ? QVariant() : QVariant(album.drager), stored.artistId, now,
            lengte.isEmpty() ? QVariant() : QVariant(lengte) });
    if (!title)
        return undo(failure(title.error()));
    stored.titleId = title.value();
    for (const FolderTrack& track : album.tracks) {
        auto row = db.insert(QStringLiteral("INSERT INTO Tracks (Titelid, Nummer, Naam, Lengte) VALUES (?, ?, ?, ?)"),
            { stored.titleId, track.nummer, track.naam,
                track.lengthSeconds ? QVariant(lengthText(track.lengthSeconds)) : QVariant() });
        if (!row)
            return undo(failure(row.error()));
    }
    for (const FoundMusicFile& file : album.files) {
        auto row = db.insert(QStringLiteral("INSERT OR REPLACE INTO Muziekbestand (Pad, Grootte, Gewijzigd, Titelid) "
                           "VALUES (?, ?, ?, ?)"),
            { file.path, file.size, file.modified, stored.titleId });
        if (!row)
            return undo(failure(row.error()));
    }

    // The playlist lists the files below the album's folder.
    QStringList names;
    for (const FolderTrack& track : album.tracks)
        names.append(track.path.mid(album.folder.size()));
    const QString playlist = playlistPath(destination.muziekDir, stored.titleId);
    if (FileStatus staged = playlists.add(playlist, playlistBytes(album.folder, names)); !staged)
        return undo(AppError { staged.error().number,
            QStringLiteral("Cannot write the playlist %1: %2").arg(playlist, staged.error().text), source });
    if (auto status = db.exec(QStringLiteral("RELEASE album")); !status) {
        playlists.dropLast();
        return undo(failure(status.error()));
    }
    return stored;
}

QString albumName(const FolderAlbum& album)
{
    return album.artist + QStringLiteral(" - ") + album.titel;
}

} // namespace

std::variant<StoredFolderAlbum, AppError> storeFolderAlbum(
    const AlbumDestination& destination, const FolderAlbum& album)
{
    const LibraryImport done = importFolderAlbums(destination, { album });
    if (!done.failed.isEmpty())
        return done.failed.first().second;
    if (done.stored.isEmpty())
        return AppError { invalidAlbum, QStringLiteral("The album was not stored."), source };
    return done.stored.first();
}

LibraryImport importFolderAlbums(
    const AlbumDestination& destination, const QList<FolderAlbum>& albums, const LibraryProgress& progress)
{
    LibraryImport result;
    auto connection = SqliteConnection::open(destination.catalogue.path());
    if (!connection) {
        result.failed.append({ QString(), failure(connection.error()) });
        return result;
    }
    const SqliteConnection& db = connection.value();
    if (auto upgraded = upgradeCatalogueSchema(db); !upgraded) {
        result.failed.append({ QString(), failure(upgraded.error()) });
        return result;
    }

    // Albums are stored a batch at a time, each whole under its savepoint: their playlists
    // are staged without a flush of their own, then go to the disc together and into place,
    // and only then are the batch's rows committed, in one transaction. A crash at any point
    // leaves no committed album without its playlist; one before the commit leaves at most
    // playlists of ids the catalogue never handed out. The albums before a batch are done
    // (stored or failed), and that is the count the progress shows. Covers follow each
    // commit. The first batch holds one album, so the count moves at once; the next one
    // doubles while a batch with its covers takes less than half of batchMilliseconds and
    // halves when it took longer than that, up to albumsPerCommit: the count moves and
    // Cancel answers about every second, whatever the covers cost.
    const QDateTime now = QDateTime::currentDateTime();
    qsizetype next = 0;
    qsizetype batchLimit = 1;
    while (next < albums.size() && !result.cancelled) {
        const qsizetype done = next;
        SqliteTransaction transaction(db);
        if (auto status = transaction.begin(); !status) {
            result.failed.append({ albumName(albums[next]), failure(status.error()) });
            return result;
        }
        StagedBatch playlists;
        QList<std::pair<const FolderAlbum*, StoredFolderAlbum>> batch;
        QElapsedTimer clock;
        clock.start();
        for (; next < albums.size() && batch.size() < batchLimit && clock.elapsed() < batchMilliseconds;
             ++next) {
            if (progress && !progress(done, albums.size(), albums[next].folder)) {
                result.cancelled = true;
                break;
            }
            auto added = addAlbumOn(db, destination, playlists, albums[next], now);
            if (const auto* error = std::get_if<AppError>(&added))
                result.failed.append({ albumName(albums[next]), *error });
            else
                batch.append({ &albums[next], std::get<StoredFolderAlbum>(added) });
        }
        const auto giveUp = [&](const AppError& error) {
            for (const auto& [album, stored] : batch) {
                QFile::remove(playlistPath(destination.muziekDir, stored.titleId));
                result.failed.append({ albumName(*album), error });
            }
        };
        if (FileStatus placed = playlists.commit(); !placed) {
            giveUp(AppError { placed.error().number,
                QStringLiteral("Cannot write the playlists: %1").arg(placed.error().text), source });
            return result;
        }
        if (auto status = transaction.commit(); !status) {
            giveUp(failure(status.error()));
            return result;
        }
        for (auto& [album, stored] : batch) {
            stored.coverProblem = takeCover(destination, *album, stored.titleId);
            result.stored.append(stored);
            if (stored.coverProblem)
                result.coverProblems.append({ albumName(*album), *stored.coverProblem });
        }
        if (clock.elapsed() < batchMilliseconds / 2)
            batchLimit = std::min(2 * batchLimit, albumsPerCommit);
        else if (clock.elapsed() > batchMilliseconds)
            batchLimit = std::max(batchLimit / 2, qsizetype(1));
    }
    return result;
}

DbResult<QHash<QString, RememberedFile>> rememberedMusicFiles(const Catalogue& catalogue)
{
    if (auto upgraded = upgradeCatalogue(catalogue); !upgraded)
        return upgraded.error();
    auto rows = catalogue.OpenRecordset(
        QStringLiteral("SELECT m.Pad, m.Grootte, m.Gewijzigd, m.Titelid, m.Titelid <> 0 AND t.Id IS NULL "
                       "FROM Muziekbestand m LEFT JOIN Titel t ON t.Id = m.Titelid"));
    if (!rows)
        return rows.error();
    QHash<QString, RememberedFile> files;
    files.reserve(rows.value().rows.size());
    for (const QVariantList& row : rows.value().rows)
        files.insert(row[0].toString(),
            { row[1].toLongLong(), row[2].toLongLong(), row[3].toLongLong(), row[4].toLongLong() != 0 });
    return files;
}

DbStatus rememberMusicFiles(const Catalogue& catalogue, const QList<FoundMusicFile>& files, qint64 titleId)
{
    if (auto upgraded = upgradeCatalogue(catalogue); !upgraded)
        return upgraded;
    QList<SqlStatement> statements;
    statements.reserve(files.size());
    for (const FoundMusicFile& file : files)
        statements.append(
            { QStringLiteral("INSERT OR REPLACE INTO Muziekbestand (Pad, Grootte, Gewijzigd, Titelid) "
                             "VALUES (?, ?, ?, ?)"),
                { file.path, file.size, file.modified, titleId } });
    return catalogue.executeInTransaction(statements);
}
