#include "editing/artiststore.h"

#include <sqlite3.h>

DbResult<qint64> storeArtist(
    const Catalogue& catalogue, qint64 artistId, const QString& name, const QDateTime& now)
{
    const QString table = QStringLiteral("Artiest");
    if (artistId == 0)
        return catalogue.addRow(table,
            { { QStringLiteral("Artiest"), name },
                { QStringLiteral("datum_init"), now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) } });
    DbResult<bool> renamed = catalogue.updateRow(table, artistId, { { QStringLiteral("Artiest"), name } });
    if (!renamed)
        return renamed.error();
    if (!renamed.value())
        return DbError {
            SQLITE_NOTFOUND,
            QStringLiteral("Artist %1 is no longer in the catalogue %2.").arg(artistId).arg(catalogue.path())
        };
    return artistId;
}
