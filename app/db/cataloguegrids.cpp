// The grid statements of the discography and track list windows. Their column headers
// are captions of the interface language, so each caption is quoted as an identifier: a
// caption with blanks or quotes never breaks the statement.
#include "db/catalogue.h"

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
