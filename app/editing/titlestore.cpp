#include "editing/titlestore.h"

#include <algorithm>
#include <sqlite3.h>

namespace {

QVariant textOrNull(const QString& text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

} // namespace

DbResult<FieldValues> titleColumns(const TitleInput& input, const QDateTime& now)
{
    QVariant year;
    if (!input.jaar.isEmpty()) {
        bool numeric = false;
        const int value = input.jaar.toInt(&numeric);
        // toInt accepts a sign and surrounding blanks; a year is digits only.
        const bool digitsOnly = std::all_of(
            input.jaar.cbegin(), input.jaar.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (!numeric || !digitsOnly)
            return DbError { SQLITE_MISMATCH,
                QStringLiteral("The year \"%1\" is not a whole number.").arg(input.jaar) };
        year = value;
    }
    return FieldValues {
        { QStringLiteral("Titel"), input.titel },
        { QStringLiteral("Jaar"), year },
        { QStringLiteral("Drager"), textOrNull(input.drager.left(TitleLimits::drager)) },
        { QStringLiteral("Gekocht"), input.gekocht.toString(Qt::ISODate) },
        { QStringLiteral("Playlist"), input.playlist ? 1 : 0 },
        { QStringLiteral("datum_lamu"), now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) },
        { QStringLiteral("Bijzonderheden"), textOrNull(input.bijzonderheden) },
        { QStringLiteral("Lengte"), textOrNull(input.lengte) },
    };
}

DbResult<qint64> storeTitle(const Catalogue& catalogue, const TitleInput& input, qint64 titleId,
    qint64 artistId, const QDateTime& now)
{
    DbResult<FieldValues> columns = titleColumns(input, now);
    if (!columns)
        return columns.error();
    const QString table = QStringLiteral("Titel");
    if (titleId == 0) {
        FieldValues fields = std::move(columns).value();
        fields.prepend({ QStringLiteral("ArtiestId"), artistId });
        return catalogue.addRow(table, fields);
    }
    DbResult<bool> updated = catalogue.updateRow(table, titleId, columns.value());
    if (!updated)
        return updated.error();
    if (!updated.value())
        return DbError { SQLITE_NOTFOUND,
            QStringLiteral("Album %1 is no longer in the catalogue %2.").arg(titleId).arg(catalogue.path()) };
    return titleId;
}

DbResult<QString> storedDiscId(const Catalogue& catalogue, qint64 titleId)
{
    DbResult<Recordset> rows
        = catalogue.OpenRecordset(QStringLiteral("SELECT CDid FROM Titel WHERE Id = ?"), { titleId });
    if (!rows)
        return rows.error();
    if (rows.value().rows.isEmpty())
        return QString();
    return rows.value().rows.first().first().toString();
}

QDate purchaseDateFromText(const QString& text)
{
    return QDate::fromString(text.trimmed().left(10), Qt::ISODate);
}
