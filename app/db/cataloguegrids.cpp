// The grid statements of the discography, track list and search windows. Their column headers
// are captions of the interface language, so each caption is quoted as an identifier: a
// caption with blanks or quotes never breaks the statement.
#include "db/catalogue.h"

namespace {

QString likeContaining(const QString& term)
{
    return QLatin1Char('%') + term + QLatin1Char('%');
}

} // namespace

DbResult<Recordset> Catalogue::discographyGrid(
    qint64 artistId, const QString& yearCaption, const QString& titleCaption) const
{
    return OpenRecordset(
        QStringLiteral("SELECT Id, Jaar AS %1, Titel AS %2 FROM Discografie "
                       "WHERE ArtiestId = ? ORDER BY Discografie.Jaar DESC, Discografie.Titel ASC")
            .arg(quoteIdentifier(yearCaption), quoteIdentifier(titleCaption)),
        { artistId });
}

DbResult<Recordset> Catalogue::trackGrid(
    qint64 titleId, const QString& titleCaption, const QString& lengthCaption) const
{
    return OpenRecordset(QStringLiteral("SELECT Id, Nummer AS Track, Naam AS %1, Lengte AS %2 FROM Tracks "
                                        "WHERE Titelid = ? ORDER BY Tracks.Nummer ASC")
                             .arg(quoteIdentifier(titleCaption), quoteIdentifier(lengthCaption)),
        { titleId });
}

DbResult<Recordset> Catalogue::searchTracks(const QString& term, const QString& artistCaption,
    const QString& yearCaption, const QString& titleCaption) const
{
    return OpenRecordset(
        QStringLiteral("SELECT Artiest.Artiest AS %1, Titel.Titel AS Album, Titel.Jaar AS %2, "
                       "Tracks.Naam AS %3 FROM Artiest, Titel, Tracks "
                       "WHERE Artiest.Id = Titel.ArtiestId AND Titel.Id = Tracks.Titelid "
                       "AND Tracks.Naam LIKE ? ORDER BY Titel.Jaar")
            .arg(quoteIdentifier(artistCaption), quoteIdentifier(yearCaption), quoteIdentifier(titleCaption)),
        { likeContaining(term) });
}

DbResult<Recordset> Catalogue::searchAlbums(const QString& term, const QString& artistCaption,
    const QString& yearCaption, const QString& formatCaption) const
{
    return OpenRecordset(
        QStringLiteral("SELECT Artiest.Artiest AS %1, Titel.Titel AS Album, Titel.Jaar AS %2, "
                       "Titel.Drager AS %3 FROM Artiest, Titel "
                       "WHERE Artiest.Id = Titel.ArtiestId AND Titel.Titel LIKE ? "
                       "ORDER BY Artiest.Artiest")
            .arg(
                quoteIdentifier(artistCaption), quoteIdentifier(yearCaption), quoteIdentifier(formatCaption)),
        { likeContaining(term) });
}
