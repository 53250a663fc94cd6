#include "db/catalogue.h"

#include "db/catalogueschema.h"
#include "db/namecollation.h"
#include "db/recordsetreader.h"
#include "db/schemaupgrade.h"
#include "db/sqlitehandles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <sqlite3.h>

namespace {

const QString keyPrefix = QStringLiteral("ID");

// A statement ready to run on its own connection. The statement is declared last so that
// it is finalized before the connection closes.
struct BoundStatement {
    SqliteConnection connection;
    SqliteStatement statement;
};

// Opens the catalogue at `path` and prepares `sql` with `params` bound.
DbResult<BoundStatement> openAndBind(const QString& path, const QString& sql, const QVariantList& params)
{
    auto connection = SqliteConnection::open(path);
    if (!connection)
        return connection.error();
    auto statement = connection.value().prepare(sql);
    if (!statement)
        return statement.error();
    if (auto bound = statement.value().bind(params); !bound)
        return bound.error();
    return BoundStatement { std::move(connection).value(), std::move(statement).value() };
}

// The text form of the Yes/No column and its truth: 0/1 as "False"/"True", Null as "".
std::pair<QString, bool> yesNo(const SqliteStatement& statement, int column)
{
    switch (sqlite3_column_type(statement.handle(), column)) {
    case SQLITE_NULL:
        return { QString(), false };
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: {
        const bool flag = sqlite3_column_double(statement.handle(), column) != 0.0;
        return { flag ? QStringLiteral("True") : QStringLiteral("False"), flag };
    }
    default: {
        const QString text = statement.text(column);
        return { text, text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 };
    }
    }
}

} // namespace

QString titleKey(qint64 titleId)
{
    return keyPrefix + QString::number(titleId);
}

qint64 titleIdFromKey(const QString& key)
{
    if (!key.startsWith(keyPrefix))
        return 0;
    bool ok = false;
    const qint64 id = QStringView(key).mid(keyPrefix.size()).toLongLong(&ok);
    return ok && id > 0 ? id : 0;
}

QString TitleRow::key() const
{
    return titleKey(id);
}

Catalogue::Catalogue(QString dbPath)
    : m_path(std::move(dbPath))
{
}

QString Catalogue::quoteIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// ---- creation and checking ----

DbStatus Catalogue::createEmpty(const QString& dbPath)
{
    const QFileInfo target(dbPath);
    if (target.exists() || target.isSymLink()) {
        return catalogueError(
            dbPath, SQLITE_CANTOPEN, QStringLiteral("a file of that name exists already and is kept"));
    }
    if (!QDir().mkpath(target.absolutePath())) {
        return catalogueError(dbPath, SQLITE_CANTOPEN, QStringLiteral("its folder cannot be created"));
    }

    // Built under a temporary name beside the target, then renamed into place: a crash or
    // failure never leaves a half-made catalogue, and the rename refuses to replace a file
    // that appeared meanwhile.
    QTemporaryFile scratch(target.absoluteFilePath() + QStringLiteral(".new-XXXXXX"));
    if (!scratch.open()) {
        return catalogueError(dbPath, SQLITE_CANTOPEN,
            QStringLiteral("no file can be written in its folder (%1)").arg(scratch.errorString()));
    }
    const QString scratchPath = scratch.fileName();
    scratch.close();
    {
        auto connection = SqliteConnection::openForCreation(scratchPath);
        if (!connection)
            return catalogueError(dbPath, connection.error().code, connection.error().text);
        if (auto status = writeCatalogueSchema(connection.value()); !status)
            return status;
        if (auto status = upgradeCatalogueSchema(connection.value()); !status)
            return status;
    }
    if (!QFile::rename(scratchPath, target.absoluteFilePath())) {
        return catalogueError(
            dbPath, SQLITE_CANTOPEN, QStringLiteral("the new catalogue could not be put in place"));
    }
    scratch.setAutoRemove(false);
    return {};
}

DbStatus Catalogue::checkCatalogue() const
{
    auto connection = SqliteConnection::open(m_path);
    if (!connection)
        return connection.error();
    return checkCatalogueSchema(connection.value());
}

// ---- access layer ----

DbResult<Recordset> Catalogue::OpenRecordset(const QString& sql, const QVariantList& params) const
{
    auto prepared = openAndBind(m_path, sql, params);
    if (!prepared)
        return prepared.error();
    return readRecordset(prepared.value().statement);
}

DbResult<qint64> Catalogue::ExecuteSql(const QString& sql, const QVariantList& params) const
{
    auto prepared = openAndBind(m_path, sql, params);
    if (!prepared)
        return prepared.error();
    if (auto status = prepared.value().statement.run(); !status)
        return status.error();
    return static_cast<qint64>(sqlite3_changes64(prepared.value().connection.handle()));
}

DbStatus Catalogue::executeInTransaction(const QList<SqlStatement>& statements) const
{
    auto connection = SqliteConnection::open(m_path);
    if (!connection)
        return connection.error();
    SqliteTransaction transaction(connection.value());
    if (auto status = transaction.begin(); !status)
        return status;
    for (const SqlStatement& each : statements) {
        auto statement = connection.value().prepare(each.sql);
        if (!statement)
            return statement.error();
        if (auto bound = statement.value().bind(each.params); !bound)
            return bound;
        if (auto status = statement.value().run(); !status)
            return status;
    }
    return transaction.commit();
}

DbResult<qint64> Catalogue::addRow(const QString& table, const FieldValues& fields) const
{
    QString sql = QStringLiteral("INSERT INTO ") + quoteIdentifier(table);
    QVariantList params;
    if (fields.isEmpty()) {
        sql += QStringLiteral(" DEFAULT VALUES");
    } else {
        QStringList columns;
        QStringList placeholders;
        for (const auto& [column, value] : fields) {
            columns << quoteIdentifier(column);
            placeholders << QStringLiteral("?");
            params << value;
        }
        sql += QStringLiteral(" (%1) VALUES (%2)")
                   .arg(columns.join(QStringLiteral(", ")), placeholders.join(QStringLiteral(", ")));
    }

    auto prepared = openAndBind(m_path, sql, params);
    if (!prepared)
        return prepared.error();
    if (auto status = prepared.value().statement.run(); !status)
        return status.error();
    return static_cast<qint64>(sqlite3_last_insert_rowid(prepared.value().connection.handle()));
}

DbResult<bool> Catalogue::updateRow(const QString& table, qint64 id, const FieldValues& fields) const
{
    if (fields.isEmpty()) {
        auto rows = OpenRecordset(
            QStringLiteral("SELECT 1 FROM %1 WHERE Id = ?").arg(quoteIdentifier(table)), { id });
        if (!rows)
            return rows.error();
        return !rows.value().rows.isEmpty();
    }
    QStringList assignments;
    QVariantList params;
    for (const auto& [column, value] : fields) {
        assignments << quoteIdentifier(column) + QStringLiteral(" = ?");
        params << value;
    }
    params << id;
    auto changed = ExecuteSql(QStringLiteral("UPDATE %1 SET %2 WHERE Id = ?")
                                  .arg(quoteIdentifier(table), assignments.join(QStringLiteral(", "))),
        params);
    if (!changed)
        return changed.error();
    return changed.value() > 0;
}

// ---- catalogue routines ----

DbResult<QList<ArtistRow>> Catalogue::FillArtistList(const QLocale& language) const
{
    auto prepared = openAndBind(m_path, QStringLiteral("SELECT Id, Artiest FROM Artiest ORDER BY Id"), {});
    if (!prepared)
        return prepared.error();
    QList<ArtistRow> read;
    SqliteStatement& rows = prepared.value().statement;
    for (;;) {
        auto row = rows.step();
        if (!row)
            return row.error();
        if (!row.value())
            break;
        read.append(ArtistRow { rows.integer(0), rows.text(1) });
    }
    QList<QString> names;
    names.reserve(read.size());
    for (const ArtistRow& artist : read)
        names.append(artist.name);
    QList<ArtistRow> artists;
    artists.reserve(read.size());
    for (const qsizetype position : alphabeticalOrder(names, language))
        artists.append(std::move(read[position]));
    return artists;
}

DbResult<QList<TitleRow>> Catalogue::FillTitleList(qint64 artistId) const
{
    auto prepared = openAndBind(m_path,
        QStringLiteral("SELECT Id, Titel, Jaar, Drager, Gekocht, Playlist, Bijzonderheden, Lengte "
                       "FROM Titel WHERE ArtiestId = ? ORDER BY Jaar DESC, Titel ASC"),
        { artistId });
    if (!prepared)
        return prepared.error();
    SqliteStatement& rows = prepared.value().statement;
    QList<TitleRow> titles;
    for (;;) {
        auto row = rows.step();
        if (!row)
            return row.error();
        if (!row.value())
            return titles;
        TitleRow title;
        title.id = rows.integer(0);
        title.titel = rows.text(1);
        title.jaar = rows.text(2);
        title.drager = rows.text(3);
        title.gekocht = rows.text(4);
        std::tie(title.playlist, title.isPlaylist) = yesNo(rows, 5);
        title.bijzonderheden = rows.text(6);
        title.lengte = rows.text(7);
        titles.append(std::move(title));
    }
}

bool Catalogue::CdIdExists(const QString& cdId, qint64& FoundArtistId) const
{
    auto rows = OpenRecordset(
        QStringLiteral("SELECT ArtiestId FROM Titel WHERE CDid = ? ORDER BY Id LIMIT 1"), { cdId });
    if (!rows || rows.value().rows.isEmpty())
        return false;
    FoundArtistId = rows.value().rows.first().first().toLongLong();
    return true;
}

qint64 Catalogue::ArtistIdByName(const QString& name) const
{
    auto rows = OpenRecordset(
        // The exact spelling first, then any that differs only in letter case or accents.
        QStringLiteral("SELECT Id FROM Artiest WHERE Artiest = ?1 COLLATE %1 "
                       "ORDER BY Artiest = ?1 COLLATE BINARY DESC, Id LIMIT 1")
            .arg(QLatin1String(kNameFoldCollation)),
        { name });
    if (!rows || rows.value().rows.isEmpty())
        return 0;
    return rows.value().rows.first().first().toLongLong();
}

DbResult<bool> Catalogue::artistExists(qint64 artistId) const
{
    auto rows = OpenRecordset(QStringLiteral("SELECT 1 FROM Artiest WHERE Id = ?"), { artistId });
    if (!rows)
        return rows.error();
    return !rows.value().rows.isEmpty();
}

DbResult<bool> Catalogue::albumExists(qint64 titleId) const
{
    auto rows = OpenRecordset(QStringLiteral("SELECT 1 FROM Titel WHERE Id = ?"), { titleId });
    if (!rows)
        return rows.error();
    return !rows.value().rows.isEmpty();
}

DbStatus Catalogue::deleteAlbum(qint64 titleId) const
{
    return executeInTransaction({
        { QStringLiteral("DELETE FROM Freedb WHERE Titelid = ?"), { titleId } },
        { QStringLiteral("DELETE FROM Tracks WHERE Titelid = ?"), { titleId } },
        { QStringLiteral("DELETE FROM Titel WHERE Id = ?"), { titleId } },
    });
}

DbStatus Catalogue::deleteArtist(qint64 artistId) const
{
    return executeInTransaction({
        { QStringLiteral("DELETE FROM Freedb WHERE Titelid IN (SELECT Id FROM Titel WHERE ArtiestId = ?)"),
            { artistId } },
        { QStringLiteral("DELETE FROM Tracks WHERE Titelid IN (SELECT Id FROM Titel WHERE ArtiestId = ?)"),
            { artistId } },
        { QStringLiteral("DELETE FROM Titel WHERE ArtiestId = ?"), { artistId } },
        { QStringLiteral("DELETE FROM Discografie WHERE ArtiestId = ?"), { artistId } },
        { QStringLiteral("DELETE FROM Artiest WHERE Id = ?"), { artistId } },
    });
}

DbResult<Recordset> readRecordset(SqliteStatement& statement)
{
    Recordset recordset;
    const int columns = statement.columnCount();
    for (int c = 0; c < columns; ++c)
        recordset.columns << statement.columnName(c);
    for (;;) {
        auto row = statement.step();
        if (!row)
            return row.error();
        if (!row.value())
            return recordset;
        QVariantList values;
        values.reserve(columns);
        for (int c = 0; c < columns; ++c)
            values << statement.value(c);
        recordset.rows << std::move(values);
    }
}
