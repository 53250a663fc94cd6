// Storing the albums and tracks fetched from a CD entry. Each operation is one transaction:
// what a disc brings is stored whole or not at all.
#include "db/albumimport.h"

#include "db/sqlitehandles.h"

#include <QDateTime>
#include <sqlite3.h>

QVariant yearValue(const QString& jaar)
{
    bool ok = false;
    const int year = jaar.trimmed().toInt(&ok);
    return ok ? QVariant(year) : QVariant();
}

DbResult<ImportedIds> importAlbum(const Catalogue& catalogue, const AlbumImport& album)
{
    auto connection = SqliteConnection::open(catalogue.path());
    if (!connection)
        return connection.error();
    const SqliteConnection& db = connection.value();
    SqliteTransaction transaction(db);
    if (auto status = transaction.begin(); !status)
        return status.error();

    const QDateTime now = QDateTime::currentDateTime();
    ImportedIds ids;
    ids.artistId = album.artistId;
    if (ids.artistId == 0) {
        auto artist = db.insert(QStringLiteral("INSERT INTO Artiest (Artiest, datum_init) VALUES (?, ?)"),
            { album.newArtistName, now });
        if (!artist)
            return artist.error();
        ids.artistId = artist.value();
        ids.newArtist = true;
    }

    auto title = db.insert(QStringLiteral("INSERT INTO Titel (Titel, CDid, Jaar, Drager, ArtiestId, datum_lamu, Lengte) "
                       "VALUES (?, ?, ?, 'CD', ?, ?, ?)"),
        { album.titel, album.cdId, yearValue(album.jaar), ids.artistId, now, album.lengte });
    if (!title)
        return title.error();
    ids.titleId = title.value();

    for (const FetchedTrack& track : album.tracks) {
        auto row = db.insert(QStringLiteral("INSERT INTO Tracks (Titelid, Nummer, Naam, Lengte) VALUES (?, ?, ?, ?)"),
            { ids.titleId, track.nummer, track.naam, track.lengte });
        if (!row)
            return row.error();
    }

    if (auto status = transaction.commit(); !status)
        return status.error();
    return ids;
}

DbStatus fillFreedb(const Catalogue& catalogue, qint64 titleId, const QList<FetchedTrack>& tracks)
{
    QList<SqlStatement> statements { { QStringLiteral("DELETE FROM Freedb"), {} } };
    for (const FetchedTrack& track : tracks) {
        statements.append(
            { QStringLiteral("INSERT INTO Freedb (Titelid, Nummer, Naam, Lengte) VALUES (?, ?, ?, ?)"),
                { titleId, track.nummer, track.naam, track.lengte } });
    }
    return catalogue.executeInTransaction(statements);
}

DbStatus storeFreedbTracks(const Catalogue& catalogue, qint64 titleId, bool replaceOld, qint64 oldTrackCount,
    const QString& cdId, const QString& lengte)
{
    QList<SqlStatement> statements;
    if (replaceOld)
        statements.append({ QStringLiteral("DELETE FROM Tracks WHERE Titelid = ?"), { titleId } });
    else
        statements.append({ QStringLiteral("UPDATE Freedb SET Nummer = Nummer + ? WHERE Titelid = ?"),
            { oldTrackCount, titleId } });
    statements.append({ QStringLiteral("INSERT INTO Tracks (Titelid, Nummer, Naam, Lengte) "
                                       "SELECT Titelid, Nummer, Naam, Lengte FROM Freedb WHERE Titelid = ? "
                                       "ORDER BY Nummer"),
        { titleId } });
    statements.append({ QStringLiteral("UPDATE Titel SET CDid = ?, Lengte = ?, datum_lamu = ? WHERE Id = ?"),
        { cdId, lengte, QDateTime::currentDateTime(), titleId } });
    return catalogue.executeInTransaction(statements);
}
