#include "extras/musicbrainzdiscography.h"

#include "db/namecollation.h"
#include "discovant/musicbrainz/client.h"

#include <algorithm>

namespace mb = discovant::musicbrainz;

ReleaseKind releaseKind(const mb::ReleaseGroup& group)
{
    const auto& secondary = group.secondaryTypes;
    if (std::find(secondary.begin(), secondary.end(), "Compilation") != secondary.end())
        return ReleaseKind::Compilation;
    if (group.primaryType == "Album")
        return ReleaseKind::Album;
    if (group.primaryType == "EP")
        return ReleaseKind::EP;
    if (group.primaryType == "Single")
        return ReleaseKind::Single;
    return ReleaseKind::Other;
}

std::vector<mb::Artist> artistsNamed(std::vector<mb::Artist> artists, const std::string& name)
{
    const std::string wanted = mb::foldForComparison(name);
    std::vector<mb::Artist> named;
    std::copy_if(artists.begin(), artists.end(), std::back_inserter(named),
        [&wanted](const mb::Artist& artist) { return mb::foldForComparison(artist.name) == wanted; });
    return named.empty() ? artists : named;
}

std::vector<std::string> discographyTypes()
{
    return { "album", "ep", "single" };
}

DbResult<qint64> addToDiscography(
    const Catalogue& catalogue, qint64 artistId, const std::vector<mb::ReleaseGroup>& groups)
{
    const QString count = QStringLiteral("SELECT COUNT(*) FROM Discografie WHERE ArtiestId = ?");
    auto before = catalogue.OpenRecordset(count, { artistId });
    if (!before)
        return DbResult<qint64>(before.error());
    const QString insert = QStringLiteral(
        "INSERT INTO Discografie (ArtiestId, Titel, Jaar) SELECT ?1, ?2, ?3 WHERE NOT EXISTS "
        "(SELECT 1 FROM Discografie WHERE ArtiestId = ?1 AND Titel = ?2 COLLATE %1 AND Jaar IS ?3)")
                               .arg(QLatin1String(kNameFoldCollation));
    QList<SqlStatement> statements;
    for (const mb::ReleaseGroup& group : groups) {
        bool isYear = false;
        const qint64 year = QString::fromStdString(group.year).toLongLong(&isYear);
        statements.append({ insert,
            { artistId, QString::fromStdString(group.title), isYear ? QVariant(year) : QVariant() } });
    }
    if (const DbStatus added = catalogue.executeInTransaction(statements); !added)
        return DbResult<qint64>(added.error());
    auto after = catalogue.OpenRecordset(count, { artistId });
    if (!after)
        return DbResult<qint64>(after.error());
    return after.value().rows.value(0).value(0).toLongLong()
        - before.value().rows.value(0).value(0).toLongLong();
}
