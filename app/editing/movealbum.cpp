#include "editing/movealbum.h"

#include <sqlite3.h>

DbStatus moveAlbum(const Catalogue& catalogue, qint64 titleId, qint64 newArtistId, const QDateTime& now)
{
    DbResult<bool> moved = catalogue.updateRow(QStringLiteral("Titel"), titleId,
        { { QStringLiteral("ArtiestId"), newArtistId },
            { QStringLiteral("datum_lamu"), now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) } });
    if (!moved)
        return moved.error();
    if (!moved.value())
        return DbError { SQLITE_NOTFOUND,
            QStringLiteral("Album %1 is no longer in the catalogue %2.").arg(titleId).arg(catalogue.path()) };
    return {};
}
