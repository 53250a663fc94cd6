#include "extras/discographyrows.h"

namespace {

// A typed year or number; the key filter lets only digits through, but a pasted or very long
// text is no number, and the column then stays Null rather than holding text.
QVariant wholeNumber(const QString& typed)
{
    bool ok = false;
    const qint64 value = typed.trimmed().toLongLong(&ok);
    return ok ? QVariant(value) : QVariant();
}

} // namespace

ListKind listKindOf(const QString& listMode)
{
    return listMode == QLatin1String("Discografie") ? ListKind::Discography : ListKind::Tracks;
}

DbStatus saveListEntry(const Catalogue& catalogue, const ListEntry& entry)
{
    FieldValues fields;
    if (entry.kind == ListKind::Tracks) {
        fields = { { QStringLiteral("Nummer"), wholeNumber(entry.jaar) },
            { QStringLiteral("Naam"), entry.titel } };
        if (entry.rowId != 0 || !entry.lengte.isEmpty())
            fields.append({ QStringLiteral("Lengte"), entry.lengte });
        if (entry.rowId == 0)
            fields.prepend({ QStringLiteral("Titelid"), entry.ownerId });
    } else {
        fields = { { QStringLiteral("Titel"), entry.titel },
            { QStringLiteral("Jaar"), wholeNumber(entry.jaar) } };
        if (entry.rowId == 0)
            fields.append({ QStringLiteral("ArtiestId"), entry.ownerId });
    }
    const QString table
        = entry.kind == ListKind::Tracks ? QStringLiteral("Tracks") : QStringLiteral("Discografie");
    if (entry.rowId == 0) {
        auto added = catalogue.addRow(table, fields);
        return added ? DbStatus() : DbStatus(added.error());
    }
    auto changed = catalogue.updateRow(table, entry.rowId, fields);
    return changed ? DbStatus() : DbStatus(changed.error());
}

DbStatus removeListRow(const Catalogue& catalogue, ListKind kind, qint64 rowId)
{
    const QString sql = kind == ListKind::Tracks ? QStringLiteral("DELETE FROM Tracks WHERE Id = ?")
                                                 : QStringLiteral("DELETE FROM Discografie WHERE Id = ?");
    auto removed = catalogue.ExecuteSql(sql, { rowId });
    return removed ? DbStatus() : DbStatus(removed.error());
}

DbResult<Recordset> freedbGrid(
    const Catalogue& catalogue, qint64 titleId, const QString& titleCaption, const QString& lengthCaption)
{
    return catalogue.OpenRecordset(
        QStringLiteral("SELECT Titelid AS Id, Nummer AS Track, Naam AS %1, Lengte AS %2 "
                       "FROM Freedb WHERE Titelid = ? ORDER BY Nummer")
            .arg(Catalogue::quoteIdentifier(titleCaption), Catalogue::quoteIdentifier(lengthCaption)),
        { titleId });
}
