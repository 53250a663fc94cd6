// The catalogue's schema: the tables and views other windows name, the indexes, the version,
// and the saved queries' results (the counting ones through the statistics window, the
// chart's here).
#include "export/statistics.h"
#include "qtkit/qfiles.h"
#include "support/testcatalogue.h"

#include <QDir>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QList<std::pair<QString, qint64>> topTwaalf(const Catalogue& catalogue)
{
    QList<std::pair<QString, qint64>> result;
    auto rows = catalogue.OpenRecordset(QStringLiteral("select Artiest, Aantal from qryTopTwaalf"));
    EXPECT_TRUE(rows.ok()) << rows.error().text.toStdString();
    for (const QVariantList& row : rows.valueOr({}).rows)
        result.append({ row[0].toString(), row[1].toLongLong() });
    return result;
}

} // namespace

TEST(CatalogueSchema, CreationNeverReplacesAnExistingFile)
{
    TestCatalogue db;
    db.addArtist("ABBA");
    const QByteArray before = qtkit::fileBytes(db.path());
    // Files that are no catalogue are refused the same way (see test_catalogue_badfiles.cpp).
    const DbStatus again = Catalogue::createEmpty(db.path());
    EXPECT_TRUE(again.error().text.contains(QStringLiteral("exists")));
    EXPECT_EQ(qtkit::fileBytes(db.path()), before);

    // Nothing but the new catalogue is left in its folder after a successful creation.
    const QString fresh = db.folder() + QStringLiteral("/Other/Muziek.db");
    ASSERT_TRUE(Catalogue::createEmpty(fresh).ok());
    EXPECT_EQ(
        QDir(db.folder() + QStringLiteral("/Other")).entryList(QDir::Files), QStringList({ "Muziek.db" }));
}

// The full set of tables, columns and views is what checkCatalogue verifies.
TEST(CatalogueSchema, CheckAcceptsANewCatalogueAndRejectsNewerVersionsAndIncompleteSchemas)
{
    TestCatalogue db;
    DbStatus check = db.catalogue().checkCatalogue();
    EXPECT_TRUE(check.ok()) << check.error().text.toStdString();
    EXPECT_EQ(scalarRaw(db.path(), QStringLiteral("PRAGMA user_version")), Catalogue::schemaVersion);

    ASSERT_TRUE(execRaw(db.path(), QStringLiteral("PRAGMA user_version = 99")));
    EXPECT_TRUE(db.catalogue().checkCatalogue().error().text.contains(QStringLiteral("newer")));

    ASSERT_TRUE(execRaw(db.path(),
        QStringLiteral("PRAGMA user_version = 1; "
                       "DROP VIEW qryAlbumsInTracks; "
                       "ALTER TABLE Tracks DROP COLUMN Lengte")));
    check = db.catalogue().checkCatalogue();
    EXPECT_TRUE(check.error().text.contains(QStringLiteral("column Tracks.Lengte")));
    EXPECT_TRUE(check.error().text.contains(QStringLiteral("query qryAlbumsInTracks")));
}

TEST(CatalogueSchema, TopTwaalfTakesTheTwelveArtistsWithMostAlbumsTiesByName)
{
    TestCatalogue db;
    // Three artists share 4 albums around the cut, one has none at all.
    const QList<std::pair<QString, int>> artists = { { "Abba", 9 }, { "Beatles", 15 }, { "Heart", 4 },
        { "Doors", 4 }, { "Eagles", 12 }, { "Faces", 1 }, { "Genesis", 11 }, { "Cure", 4 }, { "Inxs", 8 },
        { "Journey", 10 }, { "Kiss", 7 }, { "Love", 6 }, { "Muse", 5 }, { "Nena", 3 }, { "Oasis", 0 } };
    QList<SqlStatement> albumInserts;
    for (const auto& [name, albums] : artists) {
        const qint64 id = db.addArtist(name);
        for (int i = 0; i < albums; ++i)
            albumInserts.append(
                { QStringLiteral("INSERT INTO Titel (ArtiestId, Titel, Jaar) VALUES (?, ?, 1970)"),
                    { id, QStringLiteral("%1 %2").arg(name).arg(i) } });
    }
    ASSERT_TRUE(db.catalogue().executeInTransaction(albumInserts).ok());
    const QList<std::pair<QString, qint64>> expected = { { "Beatles", 15 }, { "Eagles", 12 },
        { "Genesis", 11 }, { "Journey", 10 }, { "Abba", 9 }, { "Inxs", 8 }, { "Kiss", 7 }, { "Love", 6 },
        { "Muse", 5 }, { "Cure", 4 }, { "Doors", 4 }, { "Heart", 4 } };
    EXPECT_EQ(topTwaalf(db.catalogue()), expected);

    // A catalogue whose query lists every artist (as one edited by hand might) still fills
    // only the twelve places of the statistics chart.
    ASSERT_TRUE(execRaw(db.path(),
        "DROP VIEW qryTopTwaalf; CREATE VIEW qryTopTwaalf AS "
        "SELECT Artiest.Artiest AS Artiest, COUNT(*) AS Aantal FROM Artiest "
        "JOIN Titel ON Titel.ArtiestId = Artiest.Id GROUP BY Artiest.Id ORDER BY Aantal DESC"));
    ASSERT_EQ(topTwaalf(db.catalogue()).size(), 14);
    const auto top = readTopTwelve(db.catalogue());
    ASSERT_TRUE(top.ok()) << top.error().text.toStdString();
    ASSERT_EQ(top.value().size(), 12);
    EXPECT_EQ(top.value().first().artist, QStringLiteral("Beatles"));
    EXPECT_EQ(top.value().first().aantal, 15);
}

TEST(CatalogueSchema, KeysAreNeverReusedAndMustPointToExistingRows)
{
    TestCatalogue db;
    const Catalogue& catalogue = db.catalogue();
    const qint64 artist = db.addArtist("A");
    const qint64 first = db.addAlbum(artist, "Old", 1990);
    ASSERT_TRUE(catalogue.deleteAlbum(first).ok());
    // The old album's cover file is named by its id and stays on disk: a new album must
    // not inherit it.
    const qint64 second = db.addAlbum(artist, "New", 1991);
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
