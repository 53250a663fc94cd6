#include "testcatalogue.h"

#include "qtkit/qfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>

namespace {

qint64 added(const DbResult<qint64>& result, const char* what)
{
    if (!result) {
        ADD_FAILURE() << "adding " << what << " failed: " << result.error().text.toStdString();
        return 0;
    }
    return result.value();
}

struct RawCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};

std::unique_ptr<sqlite3, RawCloser> openRaw(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    return std::unique_ptr<sqlite3, RawCloser>(db);
}

bool execOn(sqlite3* db, const QString& sql, QString* error)
{
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK && error != nullptr)
        *error = QString::fromUtf8(message != nullptr ? message : sqlite3_errstr(rc));
    sqlite3_free(message);
    return rc == SQLITE_OK;
}

} // namespace

TestCatalogue::TestCatalogue()
    : m_folder(m_dir.path())
    , m_path(m_dir.filePath(QStringLiteral("Database/Muziek.db")))
    , m_catalogue(m_path)
{
    create();
}

TestCatalogue::TestCatalogue(const QString& path)
    : m_folder(QFileInfo(path).absolutePath())
    , m_path(path)
    , m_catalogue(m_path)
{
    create();
}

void TestCatalogue::create()
{
    const DbStatus created = Catalogue::createEmpty(m_path);
    if (!created)
        ADD_FAILURE() << "creating the test catalogue failed: " << created.error().text.toStdString();
}

qint64 TestCatalogue::addArtist(const QVariant& name)
{
    return added(
        m_catalogue.addRow("Artiest", { { "Artiest", name }, { "datum_init", "2024-01-01 12:00:00" } }),
        "artist");
}

qint64 TestCatalogue::addAlbum(
    qint64 artistId, const QVariant& titel, const QVariant& jaar, const FieldValues& more)
{
    return added(m_catalogue.addRow("Titel",
                     FieldValues { { "ArtiestId", artistId }, { "Titel", titel }, { "Jaar", jaar } } + more),
        "album");
}

qint64 TestCatalogue::addTrack(qint64 titleId, int nummer, const QString& naam)
{
    return added(
        m_catalogue.addRow("Tracks",
            { { "Titelid", titleId }, { "Nummer", nummer }, { "Naam", naam }, { "Lengte", "3:30" } }),
        "track");
}

qint64 TestCatalogue::addDiscography(qint64 artistId, const QString& titel, int jaar)
{
    return added(m_catalogue.addRow(
                     "Discografie", { { "ArtiestId", artistId }, { "Titel", titel }, { "Jaar", jaar } }),
        "discography row");
}

void TestCatalogue::addFreedb(qint64 titleId, int nummer, const QString& naam)
{
    added(m_catalogue.addRow("Freedb", { { "Titelid", titleId }, { "Nummer", nummer }, { "Naam", naam } }),
        "scratch track");
}

QVariantList TestCatalogue::firstRow(const QString& sql, const QVariantList& args) const
{
    const auto rows = m_catalogue.OpenRecordset(sql, args);
    EXPECT_TRUE(rows.ok()) << rows.error().text.toStdString();
    return rows.ok() ? rows.value().rows.value(0) : QVariantList();
}

bool execRaw(const QString& path, const QString& sql, QString* error)
{
    return execOn(openRaw(path).get(), sql, error);
}

qint64 scalarRaw(const QString& path, const QString& sql)
{
    auto db = openRaw(path);
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db.get(), sql.toUtf8().constData(), -1, &raw, nullptr) != SQLITE_OK)
        return -1;
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    if (sqlite3_step(raw) != SQLITE_ROW)
        return -1;
    return sqlite3_column_int64(raw, 0);
}

QByteArray fileBytes(const QString& path)
{
    return qtkit::fileBytes(path);
}

QStringList artistNamesIn(const QString& path)
{
    QStringList names;
    for (const ArtistRow& row : Catalogue(path).FillArtistList(QLocale(QLocale::English)).valueOr({}))
        names << row.name;
    return names;
}

QString integrityOf(const QString& path)
{
    auto db = openRaw(path);
    if (!db)
        return QStringLiteral("cannot open %1").arg(path);
    QStringList findings;
    for (const char* check : { "PRAGMA integrity_check", "PRAGMA foreign_key_check" }) {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(db.get(), check, -1, &raw, nullptr) != SQLITE_OK) {
            findings << QString::fromUtf8(sqlite3_errmsg(db.get()));
            continue;
        }
        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
            QStringList cells;
            for (int c = 0; c < sqlite3_column_count(raw); ++c)
                cells << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(raw, c)));
            if (cells != QStringList { QStringLiteral("ok") })
                findings << cells.join(QLatin1Char(' '));
        }
        if (rc != SQLITE_DONE)
            findings << QString::fromUtf8(sqlite3_errmsg(db.get()));
    }
    return findings.isEmpty() ? QStringLiteral("ok") : findings.join(QStringLiteral("; "));
}

RawConnection::RawConnection(const QString& path)
{
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr)
        != SQLITE_OK)
        ADD_FAILURE() << "cannot open " << path.toStdString() << ": " << sqlite3_errmsg(m_db);
}

RawConnection::~RawConnection()
{
    sqlite3_close_v2(m_db);
}

bool RawConnection::exec(const QString& sql, QString* error) const
{
    return execOn(m_db, sql, error);
}
