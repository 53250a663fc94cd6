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

// What the list shows of an album, in the grid's terms.
QStringList cellsOf(const TitleRow& row)
{
    return { row.key(), row.titel, row.jaar, row.drager, row.gekocht, row.playlist,
        row.isPlaylist ? "playlist" : "", row.bijzonderheden, row.lengte };
}

} // namespace

TEST(CatalogueLists, ArtistsSortedByNameRegardlessOfCaseWithNullAsEmpty)
{
    TestCatalogue db;
    const qint64 beatles = db.addArtist(QStringLiteral("beatles"));
    const qint64 abba = db.addArtist(QStringLiteral("ABBA"));
    const qint64 cure = db.addArtist(QStringLiteral("Cure"));
    const qint64 unnamed = db.addArtist(QVariant());
    const auto idsIn = [&](QLocale::Language language) {
        QList<qint64> ids;
        for (const ArtistRow& artist : db.catalogue().FillArtistList(QLocale(language)).valueOr({}))
            ids << artist.id;
        return ids;
    };
    EXPECT_EQ(idsIn(QLocale::English), QList<qint64>({ unnamed, abba, beatles, cure }));
    EXPECT_EQ(
        artistNames(db.catalogue().FillArtistList(QLocale(QLocale::English)).valueOr({})).value(0, "<none>"),
        QString());
    // Accented names sort with their letter in every interface language, not after Z.
    const qint64 zappa = db.addArtist(QStringLiteral("Zappa"));
    const qint64 edith = db.addArtist(QStringLiteral("\u00c9dith Piaf"));
    const qint64 ozturk = db.addArtist(QStringLiteral("\u00d6zt\u00fcrk"));
    const qint64 ortega = db.addArtist(QStringLiteral("ortega"));
    for (const auto language : { QLocale::Dutch, QLocale::English, QLocale::French, QLocale::German })
        EXPECT_EQ(
            idsIn(language), QList<qint64>({ unnamed, abba, beatles, cure, edith, ortega, ozturk, zappa }))
            << QLocale::languageToCode(language).toStdString();
    TestCatalogue empty;
    ASSERT_TRUE(empty.catalogue().FillArtistList(QLocale(QLocale::English)).ok());
    EXPECT_TRUE(empty.catalogue().FillArtistList(QLocale(QLocale::English)).value().isEmpty());
}

TEST(CatalogueLists, TitlesByDescendingYearThenTitleWithNullsAsEmptyCells)
{
    TestCatalogue db;
    const qint64 artist = db.addArtist(QStringLiteral("Artist"));
    const qint64 old = db.addAlbum(artist, QStringLiteral("Old"), 1990,
        { { "Drager", "LP" }, { "Gekocht", QDate(1991, 3, 4) }, { "Playlist", true },
            { "Bijzonderheden", "first press" }, { "Lengte", "41:10" } });
    const qint64 lowerB
        = db.addAlbum(artist, QStringLiteral("b-sides"), 2000); // no playlist album until marked
    const qint64 upperA = db.addAlbum(artist, QStringLiteral("Anthology"), 2000, { { "Playlist", false } });
    const qint64 bare = db.addAlbum(artist, QVariant(), QVariant(), { { "Playlist", QVariant() } });
    db.addAlbum(db.addArtist(QStringLiteral("Other")), QStringLiteral("Not mine"), 1995);

    auto titles = db.catalogue().FillTitleList(artist);
    ASSERT_TRUE(titles.ok()) << titles.error().text.toStdString();
    ASSERT_EQ(titles.value().size(), 4);
    const auto key = [](qint64 id) { return QStringLiteral("ID%1").arg(id); };
    EXPECT_EQ(cellsOf(titles.value()[0]),
        QStringList({ key(upperA), "Anthology", "2000", "", "", "False", "", "", "" }));
    EXPECT_EQ(cellsOf(titles.value()[1]),
        QStringList({ key(lowerB), "b-sides", "2000", "", "", "False", "", "", "" }));
    EXPECT_EQ(cellsOf(titles.value()[2]),
        QStringList(
            { key(old), "Old", "1990", "LP", "1991-03-04", "True", "playlist", "first press", "41:10" }));
    EXPECT_EQ(cellsOf(titles.value()[3]), QStringList({ key(bare), "", "", "", "", "", "", "", "" }));
    EXPECT_TRUE(db.catalogue().FillTitleList(db.addArtist(QStringLiteral("Lonely"))).value().isEmpty());

    EXPECT_EQ(titleIdFromKey(titleKey(123456789012)), 123456789012);
    for (const QString& bad :
        { QStringLiteral("ID"), QStringLiteral("42"), QStringLiteral("IDx1"), QString() })
        EXPECT_EQ(titleIdFromKey(bad), 0) << bad.toStdString();
}

TEST(CatalogueLookups, CdIdAndNamesWithQuotesAreFoundOrLeaveTheAnswerAlone)
{
    TestCatalogue db;
    const Catalogue& catalogue = db.catalogue();
    db.addAlbum(db.addArtist(QStringLiteral("Guns")), QStringLiteral("No disc"), 1980);
    const qint64 gnr = db.addArtist(QStringLiteral("Guns N' Roses"));
    const qint64 quoted = db.addArtist(QStringLiteral("The \"Band\"; DROP TABLE Titel; --"));
    db.addAlbum(gnr, QStringLiteral("Imported"), 1999, { { "CDid", "8a0b1c0d" } });

    const std::pair<const char*, qint64> discs[]
        = { { "ffffffff", 77 }, { "8a0b'1c0", 77 }, { "8a0b1c0d", gnr } };
    for (const auto& [cdid, artist] : discs) {
        qint64 found = 77;
        EXPECT_EQ(catalogue.CdIdExists(QLatin1String(cdid), found), artist != 77) << cdid;
        EXPECT_EQ(found, artist) << cdid;
    }
    // Letter case and accents fold in every script; the exact spelling wins over a folded one.
    const qint64 edith = db.addArtist(QStringLiteral("\u00c9dith Piaf"));
    const qint64 plainEdith = db.addArtist(QStringLiteral("Edith Piaf"));
    const qint64 bjork = db.addArtist(QStringLiteral("Bj\u00f6rk"));
    const qint64 sigur = db.addArtist(QStringLiteral("\u0421\u0438\u0433\u0443\u0440"));
    const std::pair<QString, qint64> names[] = { { "Guns N' Roses", gnr }, { "guns n' roses", gnr },
        { "The \"Band\"; DROP TABLE Titel; --", quoted }, { "Guns N'", 0 }, { "Nobody", 0 },
        { "\u00c9DITH PIAF", edith }, { "\u00e9dith piaf", edith }, { "Edith Piaf", plainEdith },
        { "BJORK", bjork }, { "bjo\u0308rk", bjork }, { "\u0441\u0438\u0433\u0443\u0440", sigur },
        { "Bj\u00f6rk ", 0 } };
    for (const auto& [name, id] : names)
        EXPECT_EQ(catalogue.ArtistIdByName(name), id) << name.toStdString();
    EXPECT_EQ(artistNames(catalogue.FillArtistList(QLocale(QLocale::English)).valueOr({})),
        QStringList({ "Bj\u00f6rk", "Edith Piaf", QStringLiteral("\u00c9dith Piaf"), "Guns", "Guns N' Roses",
            "The \"Band\"; DROP TABLE Titel; --", QStringLiteral("\u0421\u0438\u0433\u0443\u0440") }));
}

TEST(CatalogueGrids, CaptionsBecomeColumnNamesWhateverTheyContain)
{
    TestCatalogue db;
    const Catalogue& catalogue = db.catalogue();
    const qint64 artist = db.addArtist(QStringLiteral("Artiest"));
    for (const auto& [title, year] : { std::pair { "Zeta", 1980 }, { "alpha", 1980 }, { "Later", 1990 } })
        db.addDiscography(artist, QLatin1String(title), year);
    const qint64 album = db.addAlbum(artist, QStringLiteral("Don't Stop"), 1977);
    db.addTrack(album, 2, QStringLiteral("Don't Stop"));
    db.addTrack(album, 1, QStringLiteral("Second Hand News"));

    const QString year = QStringLiteral("Année \"de sortie\"");
    auto disco = catalogue.discographyGrid(artist, year, QStringLiteral("Titel"));
    ASSERT_TRUE(disco.ok()) << disco.error().text.toStdString();
    EXPECT_EQ(disco.value().columns, QStringList({ "Id", year, "Titel" }));
    QStringList discoRows;
    for (const QVariantList& row : disco.value().rows)
        discoRows << row[1].toString() + ' ' + row[2].toString();
    EXPECT_EQ(discoRows, QStringList({ "1990 Later", "1980 alpha", "1980 Zeta" }));

    auto tracks = catalogue.trackGrid(album, QStringLiteral("Track name"), QStringLiteral("Len\"gth"));
    ASSERT_TRUE(tracks.ok()) << tracks.error().text.toStdString();
    EXPECT_EQ(tracks.value().columns, QStringList({ "Id", "Track", "Track name", "Len\"gth" }));
    ASSERT_EQ(tracks.value().rows.size(), 2);
    EXPECT_EQ(tracks.value().rows[0][2].toString(), QStringLiteral("Second Hand News"));
}
