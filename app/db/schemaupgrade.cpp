#include "db/schemaupgrade.h"

#include "db/sqlitehandles.h"

namespace {

struct UpgradeStep {
    int version; // the schema version the step brings the catalogue to
    const char* sql;
};

// Version 2: the music files read by the music-library import, so that a later run reads only
// what changed. `Pad` is the path as the file system spells it (case matters), `Gewijzigd` the
// modification time in milliseconds since 1970 UTC, `Titelid` the album the file went into
// (0: read, but part of no album). No foreign key: deleting an album must not depend on it,
// and a row whose album is gone simply counts as not imported.
constexpr UpgradeStep steps[] = {
    { 2, R"sql(
CREATE TABLE IF NOT EXISTS Muziekbestand (
    Pad        TEXT PRIMARY KEY,
    Grootte    INTEGER NOT NULL,
    Gewijzigd  INTEGER NOT NULL,
    Titelid    INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS idxMuziekbestandTitelid ON Muziekbestand (Titelid);
)sql" },
};

DbResult<qint64> userVersion(const SqliteConnection& connection)
{
    auto statement = connection.prepare(QStringLiteral("PRAGMA user_version"));
    if (!statement)
        return statement.error();
    if (auto row = statement.value().step(); !row)
        return row.error();
    return statement.value().integer(0);
}

} // namespace

DbStatus upgradeCatalogueSchema(const SqliteConnection& connection)
{
    for (const UpgradeStep& step : steps) {
        auto version = userVersion(connection);
        if (!version)
            return version.error();
        if (version.value() >= step.version)
            continue;
        SqliteTransaction transaction(connection);
        if (auto status = transaction.begin(); !status)
            return status;
        // Read again under the write lock: another instance may have upgraded meanwhile.
        auto locked = userVersion(connection);
        if (!locked)
            return locked.error();
        if (locked.value() >= step.version)
            continue;
        if (auto status = connection.exec(QString::fromUtf8(step.sql)); !status)
            return status;
        if (auto status = connection.exec(QStringLiteral("PRAGMA user_version = %1").arg(step.version));
            !status)
            return status;
        if (auto status = transaction.commit(); !status)
            return status;
    }
    return {};
}

DbStatus upgradeCatalogue(const Catalogue& catalogue)
{
    auto connection = SqliteConnection::open(catalogue.path());
    if (!connection)
        return connection.error();
    return upgradeCatalogueSchema(connection.value());
}
