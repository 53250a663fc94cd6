#include "export/sheetfields.h"

std::array<int, sheetFieldCount> sheetColumns(const SheetFieldSelection& fields)
{
    std::array<int, sheetFieldCount> columns {};
    int next = 1;
    for (int box = 0; box < sheetFieldCount; ++box) {
        if (fields[box])
            columns[box] = next++;
    }
    return columns;
}

SheetMode sheetMode(const SheetFieldSelection& fields)
{
    if (isTicked(fields, SheetField::Tracks))
        return SheetMode::Tracks;
    int ticked = 0;
    for (bool box : fields)
        ticked += box ? 1 : 0;
    if (ticked == 1 && isTicked(fields, SheetField::Artist))
        return SheetMode::ArtistList;
    return SheetMode::Albums;
}

SqlStatement sheetStatement(SheetMode mode, ExportScope scope, qint64 artistId)
{
    const bool current = scope == ExportScope::CurrentArtist;
    const QVariantList params = current ? QVariantList { artistId } : QVariantList {};
    switch (mode) {
    case SheetMode::ArtistList:
        return { current ? QStringLiteral("SELECT Artiest FROM Artiest WHERE Id = ?")
                         : QStringLiteral("SELECT Artiest FROM Artiest ORDER BY Artiest, Id"),
            params };
    case SheetMode::Tracks:
        return { QStringLiteral("SELECT Artiest.Artiest, Titel.Id, Titel.Titel, Titel.Jaar, Titel.Drager, "
                                "Titel.Gekocht, Titel.Bijzonderheden, Tracks.Naam "
                                "FROM (Artiest INNER JOIN Titel ON Artiest.Id = Titel.ArtiestId) "
                                "LEFT JOIN Tracks ON Titel.Id = Tracks.Titelid ")
                + (current ? QStringLiteral("WHERE Artiest.Id = ? ") : QString())
                + QStringLiteral("ORDER BY Artiest.Artiest, Artiest.Id, Titel.Jaar DESC, Titel.Titel, "
                                 "Titel.Id, Tracks.Nummer, Tracks.Id"),
            params };
    case SheetMode::Albums:
        break;
    }
    return { QStringLiteral("SELECT a.Artiest, b.Id, b.Titel, b.Jaar, b.Drager, b.Gekocht, b.Bijzonderheden "
                            "FROM Artiest AS a, Titel AS b WHERE a.Id = b.ArtiestId ")
            + (current ? QStringLiteral("AND a.Id = ? ") : QString())
            + QStringLiteral("ORDER BY a.Artiest, a.Id, b.Jaar DESC, b.Id"),
        params };
}
