#include "export/statistics.h"

#include <QtGlobal>

namespace {

// The table or query each count reads, in display order.
constexpr std::array<const char*, kStatisticsCountCount> countSources {
    "Artiest",
    "Titel",
    "Tracks",
    "Discografie",
    "qryAlbumsInTracks",
    "qryArtiestenInDiscografie",
};

DbResult<qint64> firstNumber(const DbResult<Recordset>& result)
{
    if (!result)
        return result.error();
    const Recordset& rows = result.value();
    if (rows.rows.isEmpty() || rows.rows.first().isEmpty())
        return qint64 { 0 };
    return rows.rows.first().first().toLongLong();
}

} // namespace

QString countLabel(int index, const std::function<QString(int)>& message)
{
    switch (index) {
    case 0:
        return message(20) + QLatin1Char(':');
    case 1:
        return QStringLiteral("Album:");
    case 2:
        return QStringLiteral("Track:");
    case 3:
        return message(28) + QLatin1Char(':');
    case 4:
        return QStringLiteral(">>Album:");
    case 5:
        return QStringLiteral(">>") + message(20) + QLatin1Char(':');
    default:
        return {};
    }
}

DbResult<qint64> readCount(const Catalogue& catalogue, int index)
{
    if (index < 0 || index >= kStatisticsCountCount)
        return DbError { 0, QStringLiteral("There is no count %1").arg(index) };
    return firstNumber(catalogue.OpenRecordset(QStringLiteral("SELECT COUNT(*) FROM ")
        + Catalogue::quoteIdentifier(QLatin1String(countSources[index]))));
}

DbResult<qint64> readPlaylistCount(const Catalogue& catalogue)
{
    return firstNumber(
        catalogue.OpenRecordset(QStringLiteral("SELECT COUNT(*) FROM Titel WHERE Playlist = TRUE")));
}

qint64 kbyteRounded(qint64 bytes)
{
    qint64 whole = bytes / 1024;
    const qint64 rest = bytes % 1024;
    if (rest > 512 || (rest == 512 && whole % 2 != 0))
        ++whole;
    return whole;
}

DbResult<QList<TopArtist>> readTopTwelve(const Catalogue& catalogue)
{
    const DbResult<Recordset> result
        = catalogue.OpenRecordset(QStringLiteral("SELECT Artiest, Aantal FROM qryTopTwaalf"));
    if (!result)
        return result.error();
    QList<TopArtist> top;
    for (const QVariantList& row : result.value().rows) {
        if (top.size() == kChartPlaces)
            break;
        top << TopArtist { row.value(0).toString(), row.value(1).toLongLong() };
    }
    return top;
}

std::array<int, kChartPlaces> barTwips(const QList<TopArtist>& top)
{
    std::array<int, kChartPlaces> lengths {};
    // An empty first place counts as 1, so an empty chart has bars of 0 rather than a
    // division by zero.
    const qint64 largest = top.isEmpty() || top.first().aantal <= 0 ? 1 : top.first().aantal;
    for (int i = 0; i < kChartPlaces && i < top.size(); ++i)
        lengths[i]
            = qRound64(static_cast<double>(top[i].aantal) * kFullBarTwips / static_cast<double>(largest));
    return lengths;
}

QString chartLabel(const TopArtist& artist)
{
    return QStringLiteral("(%1) - %2").arg(QString::number(artist.aantal), artist.artist);
}
