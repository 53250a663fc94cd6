#include "import/folderalbumstore.h"

#include "db/schemaupgrade.h"
#include "db/sqlitehandles.h"
#include "editing/coverfile.h"
#include "editing/playlistfile.h"
#include "extras/picturefiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <sqlite3.h>

namespace {

const QString source = QStringLiteral("ImportFolderAlbum");
// "Invalid procedure call or argument": an album that cannot be stored as it stands.
constexpr int invalidAlbum = 5;

AppError failure(const DbError& error)
{
    return { error.code, error.text, source };
}

// Runs one statement with its values; the new row's id.
DbResult<qint64> insert(const SqliteConnection& db, const QString& sql, const QVariantList& params)
{
    auto statement = db.prepare(sql);
    if (!statement)
        return statement.error();
    if (auto bound = statement.value().bind(params); !bound)
        return bound.error();
    if (auto status = statement.value().run(); !status)
        return status.error();
    return static_cast<qint64>(sqlite3_last_insert_rowid(db.handle()));
}

// The first artist of that name, compared as Catalogue::ArtistIdByName compares; 0 for none.
DbResult<qint64> artistIdOn(const SqliteConnection& db, const QString& name)
{
    auto statement
        = db.prepare(QStringLiteral("SELECT Id FROM Artiest WHERE Artiest = ? ORDER BY Id LIMIT 1"));
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
        const QByteArray picture = embeddedFrontPicture(track.path, maxCoverBytes);
        if (picture.isEmpty())
            continue;
        QTemporaryFile staged(QDir(destination.coverDir).filePath(QStringLiteral(".embedded-XXXXXX")));
        if (!staged.open() || staged.write(picture) != picture.size() || !staged.flush())
            return AppError { ErrorNumbers::fileAccess,
                QStringLiteral("The cover of %1 cannot be written: %2")
                    .arg(album.titel, staged.errorString()),
                source };
        staged.close();
        return copyCover(staged.fileName(), target, source);
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
                       "WHERE Artiest.Artiest = ? AND Titel.Titel = ? ORDER BY Titel.Id LIMIT 1"),
        { artist, titel });
    if (!rows)
        return rows.error();
    return rows.value().rows.isEmpty() ? qint64(0) : rows.value().rows.first().first().toLongLong();
}

std::variant<StoredFolderAlbum, AppError> storeFolderAlbum(
    const AlbumDestination& destination, const FolderAlbum& album)
{
    if (album.tracks.isEmpty() || album.artist.trimmed().isEmpty() || album.titel.trimmed().isEmpty())
        return AppError { invalidAlbum, QStringLiteral("The album has no artist, title or tracks."), source };
    auto connection = SqliteConnection::open(destination.catalogue.path());
    if (!connection)
        return failure(connection.error());
    const SqliteConnection& db = connection.value();
    if (auto upgraded = upgradeCatalogueSchema(db); !upgraded)
        return failure(upgraded.error());
    SqliteTransaction transaction(db);
    if (auto status = transaction.begin(); !status)
        return failure(status.error());

    const QDateTime now = QDateTime::currentDateTime();
    StoredFolderAlbum stored;
    auto existing = artistIdOn(db, album.artist);
    if (!existing)
        return failure(existing.error());
    stored.artistId = existing.value();
    if (stored.artistId == 0) {
        auto artist = insert(db, QStringLiteral("INSERT INTO Artiest (Artiest, datum_init) VALUES (?, ?)"),
            { album.artist, now });
        if (!artist)
            return failure(artist.error());
        stored.artistId = artist.value();
        stored.newArtist = true;
    }
    const QString lengte = album.lengte();
    auto title = insert(db,
        QStringLiteral("INSERT INTO Titel (Titel, Jaar, Drager, ArtiestId, datum_lamu, Lengte, Playlist) "
                       "VALUES (?, ?, ?, ?, ?, ?, 1)"),
        { album.titel, album.jaar.isEmpty() ? QVariant() : QVariant(album.jaar.toInt()),
            album.drager.isEmpty() ? QVariant() : QVariant(album.drager), stored.artistId, now,
            lengte.isEmpty() ? QVariant() : QVariant(lengte) });
    if (!title)
        return failure(title.error());
    stored.titleId = title.value();
    for (const FolderTrack& track : album.tracks) {
        auto row = insert(db,
            QStringLiteral("INSERT INTO Tracks (Titelid, Nummer, Naam, Lengte) VALUES (?, ?, ?, ?)"),
            { stored.titleId, track.nummer, track.naam,
                track.lengthSeconds ? QVariant(lengthText(track.lengthSeconds)) : QVariant() });
        if (!row)
            return failure(row.error());
    }
    for (const FoundMusicFile& file : album.files) {
        auto row = insert(db,
            QStringLiteral("INSERT OR REPLACE INTO Muziekbestand (Pad, Grootte, Gewijzigd, Titelid) "
                           "VALUES (?, ?, ?, ?)"),
            { file.path, file.size, file.modified, stored.titleId });
        if (!row)
            return failure(row.error());
    }

    // The playlist lists the files below the album's folder; written (staged and renamed)
    // while the transaction is still open, so the album is flagged only with its playlist.
    const QString playlist = playlistPath(destination.muziekDir, stored.titleId);
    QStringList names;
    for (const FolderTrack& track : album.tracks)
        names.append(track.path.mid(album.folder.size()));
    QString error;
    if (!writePlaylist(playlist, album.folder, names, &error))
        return AppError { ErrorNumbers::fileAccess, error, source };
    if (auto status = transaction.commit(); !status) {
        QFile::remove(playlist);
        return failure(status.error());
    }
    stored.coverProblem = takeCover(destination, album, stored.titleId);
    return stored;
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
