#include "import/discogsimport.h"

#include "db/sqlitehandles.h"
#include "import/discogscsv.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <optional>
#include <sqlite3.h>

namespace {

constexpr int rowsPerTransaction = 500;

// The statements one import needs, prepared once and run for every row on one connection.
class AlbumWriter {
public:
    static DbResult<AlbumWriter> open(const QString& path)
    {
        auto connection = SqliteConnection::open(path);
        if (!connection)
            return connection.error();
        return AlbumWriter(std::move(connection.value()));
    }

    DbStatus begin() { return m_db->exec(QStringLiteral("BEGIN IMMEDIATE")); }
    DbStatus commit() { return m_db->exec(QStringLiteral("COMMIT")); }
    void rollback() { m_db->exec(QStringLiteral("ROLLBACK")); }

    // True when added, false when an album of that artist and title is catalogued.
    DbResult<bool> add(const DiscogsAlbum& album, const QDateTime& now)
    {
        // Artist names compare as Catalogue::ArtistIdByName compares them.
        auto artist = scalar(
            QStringLiteral("SELECT Id FROM Artiest WHERE Artiest = ? COLLATE NAMEFOLD ORDER BY Id LIMIT 1"), { album.artist });
        if (!artist)
            return artist.error();
        qint64 artistId = artist.value().value_or(0);
        if (artistId != 0) {
            auto present
                = scalar(QStringLiteral("SELECT Id FROM Titel WHERE ArtiestId = ? AND Titel = ? COLLATE NAMEFOLD LIMIT 1"),
                    { artistId, album.titel });
            if (!present)
                return present.error();
            if (present.value())
                return false;
        } else {
            auto added = insert(QStringLiteral("INSERT INTO Artiest (Artiest, datum_init) VALUES (?, ?)"),
                { album.artist, now });
            if (!added)
                return added.error();
            artistId = added.value();
        }
        auto title = insert(QStringLiteral("INSERT INTO Titel (Titel, Jaar, Drager, Gekocht, Bijzonderheden, "
                                           "ArtiestId, datum_lamu) VALUES (?, ?, ?, ?, ?, ?, ?)"),
            { album.titel, album.jaar.isEmpty() ? QVariant() : QVariant(album.jaar.toInt()),
                orNull(album.drager), album.gekocht.isValid() ? QVariant(album.gekocht) : QVariant(),
                orNull(album.bijzonderheden), artistId, now });
        if (!title)
            return title.error();
        return true;
    }

private:
    explicit AlbumWriter(SqliteConnection connection)
        : m_db(std::make_unique<SqliteConnection>(std::move(connection)))
    {
    }

    static QVariant orNull(const QString& text) { return text.isEmpty() ? QVariant() : QVariant(text); }

    DbResult<SqliteStatement*> prepared(const QString& sql, const QVariantList& params)
    {
        auto found = m_statements.find(sql);
        if (found == m_statements.end()) {
            auto statement = m_db->prepare(sql);
            if (!statement)
                return statement.error();
            found = m_statements.emplace(sql, std::move(statement.value())).first;
        }
        sqlite3_reset(found->second.handle());
        if (auto bound = found->second.bind(params); !bound)
            return bound.error();
        return &found->second;
    }

    DbResult<std::optional<qint64>> scalar(const QString& sql, const QVariantList& params)
    {
        auto statement = prepared(sql, params);
        if (!statement)
            return statement.error();
        auto row = statement.value()->step();
        if (!row)
            return row.error();
        return row.value() ? std::optional<qint64>(statement.value()->integer(0)) : std::nullopt;
    }

    DbResult<qint64> insert(const QString& sql, const QVariantList& params)
    {
        auto statement = prepared(sql, params);
        if (!statement)
            return statement.error();
        if (auto status = statement.value()->run(); !status)
            return status.error();
        return static_cast<qint64>(sqlite3_last_insert_rowid(m_db->handle()));
    }

    std::unique_ptr<SqliteConnection> m_db;
    std::map<QString, SqliteStatement> m_statements;
};

} // namespace

DiscogsReport importDiscogsCollection(
    const Catalogue& catalogue, const QString& csvPath, const DiscogsProgress& progress)
{
    DiscogsReport report;
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly)) {
        report.failure = QCoreApplication::translate("DiscogsImport", "The file %1 cannot be read: %2")
                             .arg(csvPath, file.errorString());
        return report;
    }
    auto opened = AlbumWriter::open(catalogue.path());
    if (!opened) {
        report.failure = opened.error().text;
        return report;
    }
    AlbumWriter& writer = opened.value();

    // Counts of the open transaction, added to the report only once it is committed.
    qint64 pendingAdded = 0;
    qint64 pendingSkipped = 0;
    int inTransaction = 0;
    auto commit = [&]() -> bool {
        if (inTransaction == 0)
            return true;
        inTransaction = 0;
        if (auto status = writer.commit(); !status) {
            writer.rollback();
            report.failure = status.error().text;
            return false;
        }
        report.added += pendingAdded;
        report.skipped += pendingSkipped;
        pendingAdded = pendingSkipped = 0;
        return true;
    };
    const QDateTime now = QDateTime::currentDateTime();
    const QString readError = readDiscogsCsv(file, [&](const DiscogsRow& row) {
        if (progress && !progress(file.pos(), file.size())) {
            report.cancelled = true;
            return false;
        }
        if (!row.album) {
            ++report.refused;
            if (report.refusals.size() < maxListedRefusals)
                report.refusals.append({ row.line, row.refusal });
            return true;
        }
        if (inTransaction == 0) {
            if (auto status = writer.begin(); !status) {
                report.failure = status.error().text;
                return false;
            }
        }
        auto added = writer.add(*row.album, now);
        ++inTransaction;
        if (!added) {
            writer.rollback();
            inTransaction = 0;
            pendingAdded = pendingSkipped = 0;
            report.failure = added.error().text;
            return false;
        }
        ++(added.value() ? pendingAdded : pendingSkipped);
        return inTransaction < rowsPerTransaction || commit();
    });
    if (report.failure.isEmpty())
        commit();
    else if (inTransaction != 0)
        writer.rollback();
    if (report.failure.isEmpty())
        report.failure = readError;
    return report;
}
