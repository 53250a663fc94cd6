// Deleting albums and artists: the cascade leaves no rows behind that point to what was
// deleted, touches nothing of other artists, and a failure half-way deletes nothing.
#include "support/testcatalogue.h"

#include <gtest/gtest.h>

namespace {

struct Counts {
    qint64 artists, titles, tracks, discography, freedb;
    bool operator==(const Counts&) const = default;
};

Counts countsOf(const QString& path)
{
    const auto count
        = [&](const char* table) { return scalarRaw(path, QStringLiteral("SELECT count(*) FROM ") + table); };
    return { count("Artiest"), count("Titel"), count("Tracks"), count("Discografie"), count("Freedb") };
}

// Two artists, each with three albums of four tracks, two discography rows and scratch rows.
struct TwoArtists {
    TestCatalogue db;
    qint64 keep = 0;
    qint64 drop = 0;
    QList<qint64> keptAlbums;
    QList<qint64> droppedAlbums;

    TwoArtists()
    {
        keep = db.addArtist("Keep");
        drop = db.addArtist("Drop");
        for (qint64 artist : { keep, drop }) {
            for (int a = 0; a < 3; ++a) {
                const qint64 album = db.addAlbum(artist, QStringLiteral("Album %1").arg(a), 1980 + a);
                (artist == keep ? keptAlbums : droppedAlbums) << album;
                for (int t = 1; t <= 4; ++t)
                    db.addTrack(album, t, QStringLiteral("Track %1").arg(t));
            }
            db.addDiscography(artist, "Wish", 1990);
            db.addDiscography(artist, "List", 1991);
        }
        db.addFreedb(keptAlbums[0], 1, "Scratch");
        db.addFreedb(droppedAlbums[0], 1, "Scratch");
    }
};

} // namespace

TEST(CatalogueDelete, ArtistCascadeLeavesNoOrphansAndSparesOthers)
{
    TwoArtists fixture;
    const QString& path = fixture.db.path();
    const DbStatus deleted = fixture.db.catalogue().deleteArtist(fixture.drop);
    ASSERT_TRUE(deleted.ok()) << deleted.error().text.toStdString();

    EXPECT_EQ(countsOf(path), (Counts { 1, 3, 12, 2, 1 }));
    const char* const references[][3]
        = { { "Titel", "ArtiestId", "Artiest" }, { "Tracks", "Titelid", "Titel" },
              { "Discografie", "ArtiestId", "Artiest" }, { "Freedb", "Titelid", "Titel" } };
    for (const auto& [table, column, parent] : references) {
        EXPECT_EQ(scalarRaw(path,
                      QStringLiteral("SELECT count(*) FROM %1 WHERE %2 NOT IN (SELECT Id FROM %3)")
                          .arg(QLatin1String(table), QLatin1String(column), QLatin1String(parent))),
            0)
            << table;
    }
    EXPECT_EQ(scalarRaw(path, QStringLiteral("SELECT count(*) FROM pragma_foreign_key_check")), 0);

    EXPECT_EQ(fixture.db.catalogue().FillTitleList(fixture.keep).valueOr({}).size(), 3);
    EXPECT_FALSE(fixture.db.catalogue().artistExists(fixture.drop).value());
}

TEST(CatalogueDelete, CascadeFailingAnywhereDeletesNothing)
{
    // Each trigger refuses one of the later steps of deleting an artist or an album, after
    // earlier ones (its tracks, its albums) already ran.
    const std::pair<const char*, bool> refusals[]
        = { { "Titel", false }, { "Discografie", false }, { "Artiest", false }, { "Titel", true } };
    for (const auto& [table, album] : refusals) {
        SCOPED_TRACE(std::string(table) + (album ? " album" : " artist"));
        TwoArtists fixture;
        const QString& path = fixture.db.path();
        const Counts before = countsOf(path);
        ASSERT_TRUE(execRaw(path,
            QStringLiteral(
                "CREATE TRIGGER refuse BEFORE DELETE ON %1 BEGIN SELECT RAISE(ABORT, 'refused by test'); END")
                .arg(table)));
        const Catalogue& catalogue = fixture.db.catalogue();
        const DbStatus deleted
            = album ? catalogue.deleteAlbum(fixture.droppedAlbums[1]) : catalogue.deleteArtist(fixture.drop);
        EXPECT_TRUE(deleted.error().text.contains(QStringLiteral("refused by test")));
        EXPECT_TRUE(deleted.error().text.contains(path));
        EXPECT_EQ(countsOf(path), before);
    }
}

TEST(CatalogueDelete, AlbumGoesWithItsTracksOnly)
{
    TwoArtists fixture;
    const QString& path = fixture.db.path();
    const qint64 album = fixture.droppedAlbums[0];
    ASSERT_TRUE(fixture.db.catalogue().deleteAlbum(album).ok());
    EXPECT_EQ(countsOf(path), (Counts { 2, 5, 20, 4, 1 }));
    EXPECT_EQ(
        scalarRaw(path, QStringLiteral("SELECT count(*) FROM Tracks WHERE Titelid = %1").arg(album)), 0);
}
