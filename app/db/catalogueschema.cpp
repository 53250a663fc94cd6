#include "db/catalogueschema.h"

#include "db/catalogue.h"
#include "db/sqlitehandles.h"

#include <QSet>
#include <QStringList>
#include <sqlite3.h>

namespace {

// Texts compare case-insensitively, as the catalogue's users have always known it: "abba"
// finds "ABBA", and the artist list sorts regardless of letter case. Ids are never reused
// (AUTOINCREMENT), because an album id also names its cover file, which survives the album.
// Yes/No is 0/1 (so "Playlist = TRUE" counts the flagged albums); dates are ISO 8601 text
// ("yyyy-MM-dd", moments "yyyy-MM-dd HH:mm:ss"). Foreign keys reject rows that point nowhere;
// deleting stays the job of the program's own statements, so no ON DELETE actions. `Freedb`
// is a scratch table whose rows may outlive their album, so it declares no foreign key.
constexpr const char* schemaSql = R"sql(
CREATE TABLE Artiest (
    Id          INTEGER PRIMARY KEY AUTOINCREMENT,
    Artiest     TEXT COLLATE NOCASE,
    datum_init  TEXT,
    Info        TEXT COLLATE NOCASE
);
CREATE TABLE Titel (
    Id              INTEGER PRIMARY KEY AUTOINCREMENT,
    ArtiestId       INTEGER REFERENCES Artiest (Id),
    Titel           TEXT COLLATE NOCASE,
    Jaar            INTEGER,
    Drager          TEXT COLLATE NOCASE,
    Gekocht         TEXT,
    Playlist        INTEGER DEFAULT 0,
    Bijzonderheden  TEXT COLLATE NOCASE,
    Lengte          TEXT,
    CDid            TEXT COLLATE NOCASE,
    datum_lamu      TEXT
);
CREATE TABLE Tracks (
    Id       INTEGER PRIMARY KEY AUTOINCREMENT,
    Titelid  INTEGER REFERENCES Titel (Id),
    Nummer   INTEGER,
    Naam     TEXT COLLATE NOCASE,
    Lengte   TEXT
);
CREATE TABLE Discografie (
    Id         INTEGER PRIMARY KEY AUTOINCREMENT,
    ArtiestId  INTEGER REFERENCES Artiest (Id),
    Titel      TEXT COLLATE NOCASE,
    Jaar       INTEGER
);
CREATE TABLE Freedb (
    Titelid  INTEGER,
    Nummer   INTEGER,
    Naam     TEXT COLLATE NOCASE,
    Lengte   TEXT
);

CREATE INDEX idxArtiestArtiest ON Artiest (Artiest);
CREATE INDEX idxTitelArtiestId ON Titel (ArtiestId, Jaar DESC, Titel);
CREATE INDEX idxTitelCDid ON Titel (CDid);
CREATE INDEX idxTracksTitelid ON Tracks (Titelid, Nummer);
CREATE INDEX idxDiscografieArtiestId ON Discografie (ArtiestId, Jaar DESC, Titel);
CREATE INDEX idxFreedbTitelid ON Freedb (Titelid);

-- The twelve artists with the most albums; equal counts by name.
CREATE VIEW qryTopTwaalf AS
    SELECT Artiest.Artiest AS Artiest, COUNT(*) AS Aantal
    FROM Artiest INNER JOIN Titel ON Titel.ArtiestId = Artiest.Id
    GROUP BY Artiest.Id
    ORDER BY Aantal DESC, Artiest.Artiest ASC, Artiest.Id ASC
    LIMIT 12;

-- One row per album that has at least one track.
CREATE VIEW qryAlbumsInTracks AS
    SELECT Titel.Id AS Id, Titel.Titel AS Titel
    FROM Titel
    WHERE EXISTS (SELECT 1 FROM Tracks WHERE Tracks.Titelid = Titel.Id);

-- One row per artist that has at least one discography row.
CREATE VIEW qryArtiestenInDiscografie AS
    SELECT Artiest.Id AS Id, Artiest.Artiest AS Artiest
    FROM Artiest
    WHERE EXISTS (SELECT 1 FROM Discografie WHERE Discografie.ArtiestId = Artiest.Id);
)sql";

struct RequiredTable {
    const char* name;
    QStringList columns;
};

const QList<RequiredTable>& requiredTables()
{
    static const QList<RequiredTable> tables = {
        { "Artiest", { "Id", "Artiest", "datum_init", "Info" } },
        { "Titel",
            { "Id", "ArtiestId", "Titel", "Jaar", "Drager", "Gekocht", "Playlist", "Bijzonderheden", "Lengte",
                "CDid", "datum_lamu" } },
        { "Tracks", { "Id", "Titelid", "Nummer", "Naam", "Lengte" } },
        { "Discografie", { "Id", "ArtiestId", "Titel", "Jaar" } },
        { "Freedb", { "Titelid", "Nummer", "Naam", "Lengte" } },
    };
    return tables;
}

const QStringList requiredViews = { "qryTopTwaalf", "qryAlbumsInTracks", "qryArtiestenInDiscografie" };

DbResult<QSet<QString>> lowerCaseNames(const SqliteConnection& connection, const QString& sql)
{
    auto statement = connection.prepare(sql);
    if (!statement)
        return statement.error();
    QSet<QString> names;
    for (;;) {
        auto row = statement.value().step();
        if (!row)
            return row.error();
        if (!row.value())
            return names;
        names.insert(statement.value().text(0).toLower());
    }
}

} // namespace

DbStatus writeCatalogueSchema(const SqliteConnection& connection)
{
    SqliteTransaction transaction(connection);
    if (auto status = transaction.begin(); !status)
        return status;
    if (auto status = connection.exec(QString::fromUtf8(schemaSql)); !status)
        return status;
    // The tables of the first version; later versions are added by the upgrade steps.
    const QString version = QStringLiteral("PRAGMA user_version = %1").arg(baseSchemaVersion);
    if (auto status = connection.exec(version); !status)
        return status;
    return transaction.commit();
}

DbStatus checkCatalogueSchema(const SqliteConnection& connection)
{
    auto versionStatement = connection.prepare(QStringLiteral("PRAGMA user_version"));
    if (!versionStatement)
        return versionStatement.error();
    auto versionRow = versionStatement.value().step();
    if (!versionRow)
        return versionRow.error();
    const qint64 version = versionStatement.value().integer(0);
    if (version > Catalogue::schemaVersion) {
        return catalogueError(connection.path(), SQLITE_ERROR,
            QStringLiteral("it was written by a newer release of the program "
                           "(schema version %1, this release knows %2)")
                .arg(version)
                .arg(Catalogue::schemaVersion));
    }

    auto tables
        = lowerCaseNames(connection, QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table'"));
    if (!tables)
        return tables.error();
    auto views
        = lowerCaseNames(connection, QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'view'"));
    if (!views)
        return views.error();

    QStringList missing;
    for (const RequiredTable& table : requiredTables()) {
        const QString name = QString::fromLatin1(table.name);
        if (!tables.value().contains(name.toLower())) {
            missing << QStringLiteral("table %1").arg(name);
            continue;
        }
        auto columns = lowerCaseNames(
            connection, QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(name));
        if (!columns)
            return columns.error();
        for (const QString& column : table.columns) {
            if (!columns.value().contains(column.toLower()))
                missing << QStringLiteral("column %1.%2").arg(name, column);
        }
    }
    for (const QString& view : requiredViews) {
        if (!views.value().contains(view.toLower()))
            missing << QStringLiteral("query %1").arg(view);
    }
    if (!missing.isEmpty()) {
        return catalogueError(connection.path(), SQLITE_ERROR,
            QStringLiteral("it lacks %1").arg(missing.join(QStringLiteral(", "))));
    }
    return {};
}
