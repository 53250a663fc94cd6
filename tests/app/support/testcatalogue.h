#pragma once

#include "db/catalogue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

struct sqlite3;

// A fresh, empty catalogue in its own temporary folder, with short ways to fill it. Adding a
// row that the catalogue refuses records a test failure and yields 0.
class TestCatalogue {
public:
    // In a temporary folder of its own, or at `path` (whose folder must exist).
    TestCatalogue();
    explicit TestCatalogue(const QString& path);

    const QString& path() const { return m_path; }
    // The temporary folder (holding Database/Muziek.db), or the folder of the given path.
    QString folder() const { return m_folder; }
    const Catalogue& catalogue() const { return m_catalogue; }

    qint64 addArtist(const QVariant& name);
    qint64 addAlbum(
        qint64 artistId, const QVariant& titel, const QVariant& jaar, const FieldValues& more = {});
    qint64 addTrack(qint64 titleId, int nummer, const QString& naam);
    qint64 addDiscography(qint64 artistId, const QString& titel, int jaar);
    void addFreedb(qint64 titleId, int nummer, const QString& naam);

    // The first row `sql` (with `args` bound) gives through the catalogue; empty when there is
    // none, with a test failure when the query fails.
    QVariantList firstRow(const QString& sql, const QVariantList& args = {}) const;

private:
    void create();

    QTemporaryDir m_dir;
    QString m_folder;
    QString m_path;
    Catalogue m_catalogue;
};

// Runs `sql` on the file directly through SQLite, outside the catalogue layer (to install
// triggers, damage a schema or read counts); false with `error` set when it fails.
bool execRaw(const QString& path, const QString& sql, QString* error = nullptr);

// The first column of the first row of `sql` as a whole number; -1 when the query fails.
qint64 scalarRaw(const QString& path, const QString& sql);

// The file's bytes, to show that a failed operation left it exactly as it was.
QByteArray fileBytes(const QString& path);

// What SQLite's own checks say of the file: "ok" when `PRAGMA integrity_check` passes and
// `PRAGMA foreign_key_check` finds nothing, else their findings (or why the file would not open).
QString integrityOf(const QString& path);

// The names in the artist list of the catalogue at `path` (sorted the English way); empty when
// it does not open.
QStringList artistNamesIn(const QString& path);

// A connection of "another program" that stays open for as long as it lives, without a busy
// time-out: it answers at once whether it got what it asked for.
class RawConnection {
public:
    explicit RawConnection(const QString& path);
    ~RawConnection();
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    // Runs `sql`; false (with SQLite's message in `error`) when it fails.
    bool exec(const QString& sql, QString* error = nullptr) const;

private:
    sqlite3* m_db = nullptr;
};
