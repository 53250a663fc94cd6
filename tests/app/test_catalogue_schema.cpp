// The catalogue's schema: the tables and views other windows name, the indexes, the version,
// and the saved queries' results (the counting ones through the statistics window).
#include "qtkit/qfiles.h"
#include "support/testcatalogue.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList columnNames(const Catalogue& catalogue, const QString& table)
{
    auto rows = catalogue.OpenRecordset(QStringLiteral("SELECT name FROM pragma_table_info(?)"), { table });
    QStringList names;
    if (rows) {
        for (const QVariantList& row : rows.value().rows)
            names << row.first().toString();
    }
    return names;
}

// The tables whose rows reference `parent` through `column`, from the declared foreign keys.
bool declaresForeignKey(
    const Catalogue& catalogue, const QString& table, const QString& column, const QString& parent)
{
    auto rows
        = catalogue.OpenRecordset(QStringLiteral("SELECT 1 FROM pragma_foreign_key_list(?) "
                                                 "WHERE \"from\" = ? AND \"table\" = ? AND \"to\" = 'Id' "
                                                 "AND on_delete = 'NO ACTION'"),
            { table, column, parent });
    return rows && rows.value().rows.size() == 1;
}

// Whether some index of `table` starts with `column`, so lookups by it need no scan.
bool indexLeadsWith(const Catalogue& catalogue, const QString& table, const QString& column)
{
    auto rows = catalogue.OpenRecordset(
        QStringLiteral("SELECT 1 FROM pragma_index_list(?) AS l, pragma_index_info(l.name) AS i "
                       "WHERE i.seqno = 0 AND i.name = ?"),
        { table, column });
    return rows && !rows.value().rows.isEmpty();
}

QList<std::pair<QString, qint64>> topTwaalf(const Catalogue& catalogue, QStringList* columns)
{
    QList<std::pair<QString, qint64>> result;
    auto rows = catalogue.OpenRecordset(QStringLiteral("select * from qryTopTwaalf"));
    EXPECT_TRUE(rows.ok()) << rows.error().text.toStdString();
    if (!rows)
        return result;
    *columns = rows.value().columns;
    for (const QVariantList& row : rows.value().rows)
        result.append({ row[0].toString(), row[1].toLongLong() });
    return result;
}

} // namespace

TEST(CatalogueSchema, EmptyCatalogueHasTablesViewsKeysIndexesAndVersion)
{
    TestCatalogue db;
    const Catalogue& catalogue = db.catalogue();
    ASSERT_TRUE(QFile::exists(db.path()));
    const DbStatus check = catalogue.checkCatalogue();
    EXPECT_TRUE(check.ok()) << check.error().text.toStdString();
    EXPECT_EQ(scalarRaw(db.path(), QStringLiteral("PRAGMA user_version")), Catalogue::schemaVersion);

    const std::pair<const char*, QStringList> tables[]
        = { { "Artiest", { "Id", "Artiest", "datum_init", "Info" } },
              { "Titel",
                  { "Id", "ArtiestId", "Titel", "Jaar", "Drager", "Gekocht", "Playlist", "Bijzonderheden",
                      "Lengte", "CDid", "datum_lamu" } },
              { "Tracks", { "Id", "Titelid", "Nummer", "Naam", "Lengte" } },
              { "Discografie", { "Id", "ArtiestId", "Titel", "Jaar" } },
              { "Freedb", { "Titelid", "Nummer", "Naam", "Lengte" } } };
    for (const auto& [table, columns] : tables)
        EXPECT_EQ(columnNames(catalogue, QLatin1String(table)), columns) << table;

    for (const char* view : { "qryTopTwaalf", "qryAlbumsInTracks", "qryArtiestenInDiscografie" }) {
        EXPECT_EQ(scalarRaw(db.path(),
                      QStringLiteral("SELECT count(*) FROM sqlite_schema "
                                     "WHERE type = 'view' AND name = '%1'")
                          .arg(view)),
            1)
            << view;
    }

    const char* const keys[][3] = { { "Titel", "ArtiestId", "Artiest" }, { "Tracks", "Titelid", "Titel" },
        { "Discografie", "ArtiestId", "Artiest" } };
    for (const auto& [table, column, parent] : keys)
        EXPECT_TRUE(declaresForeignKey(catalogue, table, column, parent)) << table << "." << column;
    const char* const indexed[][2]
        = { { "Titel", "ArtiestId" }, { "Tracks", "Titelid" }, { "Discografie", "ArtiestId" },
              { "Freedb", "Titelid" }, { "Titel", "CDid" }, { "Artiest", "Artiest" } };
    for (const auto& [table, column] : indexed)
        EXPECT_TRUE(indexLeadsWith(catalogue, table, column)) << table << "." << column;
}

TEST(CatalogueSchema, CreationNeverReplacesAnExistingFile)
{
    TestCatalogue db;
    const qint64 abba = db.addArtist(QStringLiteral("ABBA"));
    const QByteArray before = qtkit::fileBytes(db.path());

    const DbStatus again = Catalogue::createEmpty(db.path());
    EXPECT_FALSE(again.ok());
    EXPECT_TRUE(again.error().text.contains(QStringLiteral("exists")));
    EXPECT_EQ(qtkit::fileBytes(db.path()), before);
    EXPECT_EQ(db.catalogue().ArtistIdByName(QStringLiteral("ABBA")), abba);

    const QString notes = db.folder() + QStringLiteral("/notes.txt");
    qtkit::writeFile(notes, "my own notes\n");
    EXPECT_FALSE(Catalogue::createEmpty(notes).ok());
    EXPECT_EQ(qtkit::fileBytes(notes), QByteArray("my own notes\n"));

    // Nothing but the new catalogue is left in its folder after a successful creation.
    const QString fresh = db.folder() + QStringLiteral("/Other/Muziek.db");
    ASSERT_TRUE(Catalogue::createEmpty(fresh).ok());
    EXPECT_EQ(
        QDir(db.folder() + QStringLiteral("/Other")).entryList(QDir::Files), QStringList({ "Muziek.db" }));
}

TEST(CatalogueSchema, CheckRejectsNewerVersionsAndIncompleteSchemas)
{
    TestCatalogue db;
    ASSERT_TRUE(execRaw(db.path(), QStringLiteral("PRAGMA user_version = 99")));
    DbStatus check = db.catalogue().checkCatalogue();
    EXPECT_FALSE(check.ok());
    EXPECT_TRUE(check.error().text.contains(QStringLiteral("newer")));

    ASSERT_TRUE(execRaw(db.path(),
        QStringLiteral("PRAGMA user_version = 1; "
                       "DROP VIEW qryAlbumsInTracks; "
                       "ALTER TABLE Tracks DROP COLUMN Lengte")));
    check = db.catalogue().checkCatalogue();
    EXPECT_FALSE(check.ok());
    EXPECT_TRUE(check.error().text.contains(QStringLiteral("column Tracks.Lengte")));
    EXPECT_TRUE(check.error().text.contains(QStringLiteral("query qryAlbumsInTracks")));
}

TEST(CatalogueSchema, TopTwaalfTakesTheTwelveArtistsWithMostAlbums)
{
    TestCatalogue db;
    // Fifteen artists with 15, 14, ..., 1 albums, except that three share 4 albums around the
    // cut and one has none at all.
    const QList<std::pair<QString, int>> artists = { { "Abba", 9 }, { "Beatles", 15 }, { "Cure", 4 },
        { "Doors", 4 }, { "Eagles", 12 }, { "Faces", 1 }, { "Genesis", 11 }, { "Heart", 4 }, { "Inxs", 8 },
        { "Journey", 10 }, { "Kiss", 7 }, { "Love", 6 }, { "Muse", 5 }, { "Nena", 3 }, { "Oasis", 0 } };
    QList<SqlStatement> albumInserts;
    for (const auto& [name, albums] : artists) {
        const qint64 id = db.addArtist(name);
        for (int i = 0; i < albums; ++i) {
            albumInserts.append({ QStringLiteral("INSERT INTO Titel (ArtiestId, Titel, Jaar) "
                                                 "VALUES (?, ?, ?)"),
                { id, QStringLiteral("%1 %2").arg(name).arg(i), 1970 + i } });
        }
    }
    ASSERT_TRUE(db.catalogue().executeInTransaction(albumInserts).ok());

    QStringList columns;
    const auto top = topTwaalf(db.catalogue(), &columns);
    EXPECT_EQ(columns, QStringList({ "Artiest", "Aantal" }));
    const QList<std::pair<QString, qint64>> expected = { { "Beatles", 15 }, { "Eagles", 12 },
        { "Genesis", 11 }, { "Journey", 10 }, { "Abba", 9 }, { "Inxs", 8 }, { "Kiss", 7 }, { "Love", 6 },
        { "Muse", 5 }, { "Cure", 4 }, { "Doors", 4 }, { "Heart", 4 } };
    EXPECT_EQ(top, expected);

    // One album more for Heart moves it above Cure and Doors and, by name, before Muse.
    db.addAlbum(db.catalogue().ArtistIdByName(QStringLiteral("Heart")), QStringLiteral("Extra"), 2000);
    const auto after = topTwaalf(db.catalogue(), &columns);
    ASSERT_EQ(after.size(), 12);
    EXPECT_EQ(after[9], std::make_pair(QStringLiteral("Muse"), qint64 { 5 }));
    EXPECT_EQ(after[8], std::make_pair(QStringLiteral("Heart"), qint64 { 5 }));
    EXPECT_EQ(after[11], std::make_pair(QStringLiteral("Doors"), qint64 { 4 }));
}

TEST(CatalogueSchema, KeysAreNeverReusedAndMustPointToExistingRows)
{
    TestCatalogue db;
    const Catalogue& catalogue = db.catalogue();
    const qint64 artist = db.addArtist(QStringLiteral("A"));
    const qint64 first = db.addAlbum(artist, QStringLiteral("Old"), 1990);
    ASSERT_TRUE(catalogue.deleteAlbum(first).ok());
    // The old album's cover file is named by its id and stays on disk: a new album must
    // not inherit it.
    const qint64 second = db.addAlbum(artist, QStringLiteral("New"), 1991);
    EXPECT_GT(second, first);

    auto orphan = catalogue.addRow(QStringLiteral("Titel"),
        { { QStringLiteral("ArtiestId"), artist + 100 },
            { QStringLiteral("Titel"), QStringLiteral("Nobody's") } });
    EXPECT_FALSE(orphan.ok());
    EXPECT_TRUE(orphan.error().text.contains(QStringLiteral("FOREIGN KEY")));
    auto strayTrack = catalogue.addRow(
        QStringLiteral("Tracks"), { { QStringLiteral("Titelid"), first }, { QStringLiteral("Nummer"), 1 } });
    EXPECT_FALSE(strayTrack.ok());
}
