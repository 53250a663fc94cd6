#pragma once

#include "db/dbresult.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <utility>

// One entry of the artist list: the name as shown (a Null name reads as "") and its key.
struct ArtistRow {
    qint64 id = 0;
    QString name;
};

// One album of the main window's title list, every cell in its text form; a Null reads as "".
// `playlist` reads "True" or "False" (the Yes/No flag), `isPlaylist` is the same flag as a bool.
struct TitleRow {
    qint64 id = 0;
    QString titel;
    QString jaar;
    QString drager;
    QString gekocht; // purchase date as stored, "yyyy-MM-dd"
    QString playlist;
    QString bijzonderheden;
    QString lengte;
    bool isPlaylist = false;

    // The list item's key: "ID" followed by the album id in decimal.
    QString key() const;
};

// The list item key of album `titleId`, "ID" + id.
QString titleKey(qint64 titleId);
// The album id of a list item key (the key from its third character on); 0 when the key is
// not of that form.
qint64 titleIdFromKey(const QString& key);

// Rows read by OpenRecordset: the column names (aliases as given) and every row's values
// (Null as an invalid QVariant, whole numbers as qint64, text as QString, blobs as QByteArray).
struct Recordset {
    QStringList columns;
    QList<QVariantList> rows;
};

// A statement with its bound values, one per "?" in order.
struct SqlStatement {
    QString sql;
    QVariantList params;
};

// Column name and value pairs for addRow and updateRow.
using FieldValues = QList<std::pair<QString, QVariant>>;

// The catalogue database (SQLite file `Database/Muziek.db` by default).
//
// A Catalogue holds only the file path: every operation opens its own connection, does its
// work and closes the connection before it returns, so the file is closed between user
// actions and backup, restore and compaction may copy or replace it at any time. Creating a
// Catalogue is cheap; windows make one from the current `Database` setting when they need it.
//
// Every value reaches SQLite as a bound parameter; names that come from the interface language
// (column aliases) are quoted as identifiers. Opening never creates a file or a table: a path
// that does not lead to a catalogue gives an error result whose text names the file. A file
// whose write permission bits are all cleared is opened read-only (also for root), so writes
// to it fail with a clear error and leave it as it was.
//
// Foreign keys are declared and enforced; deleting is cascaded by explicit statements run in
// one transaction, never by ON DELETE clauses.
class Catalogue {
public:
    explicit Catalogue(QString dbPath);

    const QString& path() const { return m_path; }

    // The schema version this program writes into `PRAGMA user_version`.
    // Version 2 added `Muziekbestand` (db/schemaupgrade.h).
    static constexpr int schemaVersion = 2;

    // Creates an empty catalogue (tables, views, indexes, schema version) at `dbPath`. Refuses
    // when anything exists at that path; the file appears complete or not at all (it is built
    // beside the target and renamed into place without replacing anything).
    static DbStatus createEmpty(const QString& dbPath);

    // Checks that the file is a catalogue this program can use: it opens, is an SQLite
    // database, holds the five tables with their columns and the three views, and was not
    // written by a newer schema version. Reads only.
    DbStatus checkCatalogue() const;

    // ---- access layer ----

    // Runs a statement that returns rows and reads them all; the connection is closed again
    // before the call returns.
    DbResult<Recordset> OpenRecordset(const QString& sql, const QVariantList& params = {}) const;

    // Runs a statement that returns no rows; yields the number of rows it changed.
    DbResult<qint64> ExecuteSql(const QString& sql, const QVariantList& params = {}) const;

    // Runs the statements in order in one transaction: all take effect or, after the first
    // failure, none does.
    DbStatus executeInTransaction(const QList<SqlStatement>& statements) const;

    // Inserts one row into `table` with the given columns and returns its new `Id` (the
    // rowid; for `Freedb`, which has no `Id`, its rowid).
    DbResult<qint64> addRow(const QString& table, const FieldValues& fields) const;

    // Sets the given columns of the row of `table` whose `Id` is `id`; yields false when no
    // such row exists.
    DbResult<bool> updateRow(const QString& table, qint64 id, const FieldValues& fields) const;

    // `name` quoted as an SQL identifier: between double quotes, embedded ones doubled.
    static QString quoteIdentifier(const QString& name);

    // ---- catalogue routines ----

    // Every artist, sorted by name in the alphabet of `language` (letter case aside; ties by
    // id).
    DbResult<QList<ArtistRow>> FillArtistList(const QLocale& language) const;

    // The albums of artist `artistId`: descending year (no year last), then ascending title.
    // Empty for an artist without albums.
    DbResult<QList<TitleRow>> FillTitleList(qint64 artistId) const;

    // Whether an album with disc identifier `cdId` is catalogued. When one is, its artist is
    // stored in `FoundArtistId`; otherwise `FoundArtistId` keeps its value. A catalogue that
    // cannot be read answers false.
    bool CdIdExists(const QString& cdId, qint64& FoundArtistId) const;

    // The id of the artist named `name`: the first one spelt exactly so, else the first whose
    // name differs only in letter case or accents ("Edith Piaf" for "ÉDITH PIAF"); 0 when
    // there is none or the catalogue cannot be read.
    qint64 ArtistIdByName(const QString& name) const;

    // Whether an artist / an album with that id exists.
    DbResult<bool> artistExists(qint64 artistId) const;
    DbResult<bool> albumExists(qint64 titleId) const;

    // Deletes an album and its tracks, in one transaction. The cover file is not touched.
    // Scratch rows of the album left in `Freedb` go with it.
    DbStatus deleteAlbum(qint64 titleId) const;

    // Deletes an artist with the tracks of its albums, its albums and its discography (and
    // scratch `Freedb` rows of its albums), in one transaction: on any failure nothing is
    // deleted.
    DbStatus deleteArtist(qint64 artistId) const;

    // ---- grids (captions of the current language as column headers) ----

    // Discography of an artist: columns `Id`, `yearCaption`, `titleCaption`; descending year,
    // then ascending title.
    DbResult<Recordset> discographyGrid(
        qint64 artistId, const QString& yearCaption, const QString& titleCaption) const;

    // Tracks of an album: columns `Id`, "Track", `titleCaption`, `lengthCaption`; by number.
    DbResult<Recordset> trackGrid(
        qint64 titleId, const QString& titleCaption, const QString& lengthCaption) const;

private:
    QString m_path;
};
