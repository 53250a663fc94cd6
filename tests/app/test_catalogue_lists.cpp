// The main window's lists and the two lookups of the CD import: order, Nulls, keys, names
// with quotes, and the caption aliases of the grids.
#include "support/testcatalogue.h"

#include <gtest/gtest.h>

namespace {

QStringList artistNames(const QList<ArtistRow>& artists)
{
    QStringList names;
    for (const ArtistRow& artist : artists)
        names << artist.name;
    return names;
}

} // namespace

TEST(CatalogueLists, ArtistsSortedByNameRegardlessOfCaseWithNullAsEmpty)
{
    TestCatalogue db;
    const qint64 beatles = db.addArtist(QStringLiteral("beatles"));
    const qint64 abba = db.addArtist(QStringLiteral("ABBA"));
    const qint64 cure = db.addArtist(QStringLiteral("Cure"));
    const qint64 unnamed = db.addArtist(QVariant());

    auto artists = db.catalogue().FillArtistList();
    ASSERT_TRUE(artists.ok()) << artists.error().text.toStdString();
    EXPECT_EQ(artistNames(artists.value()), QStringList({ "", "ABBA", "beatles", "Cure" }));
    QList<qint64> ids;
    for (const ArtistRow& artist : artists.value())
        ids << artist.id;
    EXPECT_EQ(ids, QList<qint64>({ unnamed, abba, beatles, cure }));

    TestCatalogue empty;
    auto none = empty.catalogue().FillArtistList();
    ASSERT_TRUE(none.ok());
    EXPECT_TRUE(none.value().isEmpty());
}

TEST(CatalogueLists, TitlesByDescendingYearThenTitleWithNullsAsEmptyCells)
{
    TestCatalogue db;
    const qint64 artist = db.addArtist(QStringLiteral("Artist"));
    const qint64 other = db.addArtist(QStringLiteral("Other"));
    const qint64 lonely = db.addArtist(QStringLiteral("Lonely"));
    const qint64 old = db.addAlbum(artist, QStringLiteral("Old"), 1990,
        { { QStringLiteral("Drager"), QStringLiteral("LP") },
            { QStringLiteral("Gekocht"), QDate(1991, 3, 4) }, { QStringLiteral("Playlist"), true },
            { QStringLiteral("Bijzonderheden"), QStringLiteral("first press") },
            { QStringLiteral("Lengte"), QStringLiteral("41:10") } });
    const qint64 lowerB = db.addAlbum(artist, QStringLiteral("b-sides"), 2000);
    const qint64 upperA
        = db.addAlbum(artist, QStringLiteral("Anthology"), 2000, { { QStringLiteral("Playlist"), false } });
    const qint64 bare
        = db.addAlbum(artist, QVariant(), QVariant(), { { QStringLiteral("Playlist"), QVariant() } });
    db.addAlbum(other, QStringLiteral("Not mine"), 1995);

    auto titles = db.catalogue().FillTitleList(artist);
    ASSERT_TRUE(titles.ok()) << titles.error().text.toStdString();
    ASSERT_EQ(titles.value().size(), 4);
    const TitleRow& first = titles.value()[0];
    const TitleRow& second = titles.value()[1];
    const TitleRow& third = titles.value()[2];
    const TitleRow& last = titles.value()[3];
    EXPECT_EQ(QList<qint64>({ first.id, second.id, third.id, last.id }),
        QList<qint64>({ upperA, lowerB, old, bare }));

    EXPECT_EQ(third.key(), QStringLiteral("ID%1").arg(old));
    EXPECT_EQ(third.titel, QStringLiteral("Old"));
    EXPECT_EQ(third.jaar, QStringLiteral("1990"));
    EXPECT_EQ(third.drager, QStringLiteral("LP"));
    EXPECT_EQ(third.gekocht, QStringLiteral("1991-03-04"));
    EXPECT_EQ(third.playlist, QStringLiteral("True"));
    EXPECT_TRUE(third.isPlaylist);
    EXPECT_EQ(third.bijzonderheden, QStringLiteral("first press"));
    EXPECT_EQ(third.lengte, QStringLiteral("41:10"));

    EXPECT_EQ(first.playlist, QStringLiteral("False"));
    EXPECT_FALSE(first.isPlaylist);
    // A new album is no playlist album until someone marks it.
    EXPECT_EQ(second.playlist, QStringLiteral("False"));

    for (const QString& cell :
        { last.titel, last.jaar, last.drager, last.gekocht, last.playlist, last.bijzonderheden, last.lengte })
        EXPECT_EQ(cell, QString());
    EXPECT_FALSE(last.isPlaylist);

    auto none = db.catalogue().FillTitleList(lonely);
    ASSERT_TRUE(none.ok());
    EXPECT_TRUE(none.value().isEmpty());
}

TEST(CatalogueLists, TitleKeysGiveTheirIdBack)
{
    EXPECT_EQ(titleKey(42), QStringLiteral("ID42"));
    EXPECT_EQ(titleIdFromKey(titleKey(123456789012)), 123456789012);
    for (const QString& bad :
        { QStringLiteral("ID"), QStringLiteral("42"), QStringLiteral("IDx1"), QString() })
        EXPECT_EQ(titleIdFromKey(bad), 0) << bad.toStdString();
}

TEST(CatalogueLookups, CdIdExistsReportsTheArtistOrLeavesItAlone)
{
    TestCatalogue db;
    const qint64 first = db.addArtist(QStringLiteral("First"));
    const qint64 second = db.addArtist(QStringLiteral("Second"));
    db.addAlbum(first, QStringLiteral("No disc"), 1980);
    db.addAlbum(
        second, QStringLiteral("Imported"), 1999, { { QStringLiteral("CDid"), QStringLiteral("8a0b1c0d") } });

    qint64 found = 77;
    EXPECT_FALSE(db.catalogue().CdIdExists(QStringLiteral("ffffffff"), found));
    EXPECT_EQ(found, 77);
    EXPECT_FALSE(db.catalogue().CdIdExists(QStringLiteral("8a0b'1c0"), found));
    EXPECT_EQ(found, 77);
    EXPECT_TRUE(db.catalogue().CdIdExists(QStringLiteral("8a0b1c0d"), found));
    EXPECT_EQ(found, second);

    found = 5;
    const Catalogue missing(db.folder() + QStringLiteral("/nothing.db"));
    EXPECT_FALSE(missing.CdIdExists(QStringLiteral("8a0b1c0d"), found));
    EXPECT_EQ(found, 5);
    EXPECT_EQ(missing.ArtistIdByName(QStringLiteral("First")), 0);
}

TEST(CatalogueLookups, NamesWithQuotesAreStoredFoundAndListed)
{
    TestCatalogue db;
    const Catalogue& catalogue = db.catalogue();
    db.addArtist(QStringLiteral("Guns"));
    const qint64 gnr = db.addArtist(QStringLiteral("Guns N' Roses"));
    const qint64 quoted = db.addArtist(QStringLiteral("The \"Band\"; DROP TABLE Titel; --"));

    EXPECT_EQ(catalogue.ArtistIdByName(QStringLiteral("Guns N' Roses")), gnr);
    EXPECT_EQ(catalogue.ArtistIdByName(QStringLiteral("guns n' roses")), gnr);
    EXPECT_EQ(catalogue.ArtistIdByName(QStringLiteral("The \"Band\"; DROP TABLE Titel; --")), quoted);
    EXPECT_EQ(catalogue.ArtistIdByName(QStringLiteral("Guns N'")), 0);
    EXPECT_EQ(catalogue.ArtistIdByName(QStringLiteral("Nobody")), 0);

    auto artists = catalogue.FillArtistList();
    ASSERT_TRUE(artists.ok());
    EXPECT_EQ(artistNames(artists.value()),
        QStringList({ "Guns", "Guns N' Roses", "The \"Band\"; DROP TABLE Titel; --" }));
}

TEST(CatalogueGrids, CaptionsBecomeColumnNamesWhateverTheyContain)
{
    TestCatalogue db;
    const Catalogue& catalogue = db.catalogue();
    const qint64 artist = db.addArtist(QStringLiteral("Artiest"));
    db.addDiscography(artist, QStringLiteral("Zeta"), 1980);
    db.addDiscography(artist, QStringLiteral("alpha"), 1980);
    db.addDiscography(artist, QStringLiteral("Later"), 1990);
    const qint64 album = db.addAlbum(
        artist, QStringLiteral("Don't Stop"), 1977, { { QStringLiteral("Drager"), QStringLiteral("CD") } });
    db.addTrack(album, 2, QStringLiteral("Don't Stop"));
    db.addTrack(album, 1, QStringLiteral("Second Hand News"));

    const QString year = QStringLiteral("Année \"de sortie\"");
    const QString title = QStringLiteral("Titel");
    auto disco = catalogue.discographyGrid(artist, year, title);
    ASSERT_TRUE(disco.ok()) << disco.error().text.toStdString();
    EXPECT_EQ(disco.value().columns, QStringList({ "Id", year, title }));
    ASSERT_EQ(disco.value().rows.size(), 3);
    QStringList discoTitles;
    for (const QVariantList& row : disco.value().rows)
        discoTitles << row[2].toString();
    EXPECT_EQ(discoTitles, QStringList({ "Later", "alpha", "Zeta" }));
    EXPECT_EQ(disco.value().rows[0][1].toLongLong(), 1990);

    auto tracks = catalogue.trackGrid(album, QStringLiteral("Track name"), QStringLiteral("Len\"gth"));
    ASSERT_TRUE(tracks.ok()) << tracks.error().text.toStdString();
    EXPECT_EQ(tracks.value().columns, QStringList({ "Id", "Track", "Track name", "Len\"gth" }));
    ASSERT_EQ(tracks.value().rows.size(), 2);
    EXPECT_EQ(tracks.value().rows[0][2].toString(), QStringLiteral("Second Hand News"));
}
