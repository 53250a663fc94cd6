#include "import/tracksearch.h"

#include "db/textsearch.h"

QString kindWord(SearchKind kind)
{
    return kind == SearchKind::Tracks ? QStringLiteral("tracks") : QStringLiteral("albums");
}

QString resultCaption(SearchKind kind, qsizetype hits)
{
    return kindWord(kind) + QStringLiteral(": ") + QString::number(hits);
}

QString searchTerm(const QString& typed)
{
    return typed.trimmed();
}

DbResult<Recordset> searchCatalogue(const Catalogue& catalogue, SearchKind kind, const QString& term,
    const std::function<QString(int)>& message)
{
    if (kind == SearchKind::Tracks)
        return findTracks(catalogue, term, message(20), message(18), message(17));
    return findAlbums(catalogue, term, message(20), message(18), message(19));
}
