// Catalogue paths that do not lead to a usable catalogue: every operation gives an error
// whose text names the file, the lookups answer "nothing found", and the file keeps every
// byte it had.
#include "qtkit/qfiles.h"
#include "support/testcatalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Runs every reading and writing operation against the catalogue and expects each to fail
// with a text that contains `expected` (and the file name); the lookups answer "not found".
void expectEveryOperationFails(const Catalogue& catalogue, const QString& expected)
{
    const auto mentions = [&](const DbError& error) {
        return error.text.contains(expected)
            && error.text.contains(QDir::toNativeSeparators(catalogue.path()));
    };
    const DbError errors[] = { catalogue.FillArtistList(QLocale(QLocale::English)).error(), catalogue.FillTitleList(1).error(),
        catalogue.deleteArtist(1).error() };
    for (const DbError& error : errors)
        EXPECT_TRUE(mentions(error)) << error.text.toStdString();
    EXPECT_FALSE(catalogue.deleteAlbum(1).ok());
    EXPECT_FALSE(catalogue.addRow(QStringLiteral("Artiest"), { { QStringLiteral("Artiest"), "X" } }).ok());
    qint64 found = 3;
    EXPECT_FALSE(catalogue.CdIdExists(QStringLiteral("12345678"), found));
    EXPECT_EQ(found, 3);
    EXPECT_EQ(catalogue.ArtistIdByName(QStringLiteral("X")), 0);
}

} // namespace

TEST(CatalogueBadFiles, NoCatalogueAtThePathIsReportedAndTheFileKept)
{
    QTemporaryDir dir;
    QByteArray access("Standard Jet DB\0\0 this is the user's old Access catalogue", 58);
    access.append(QByteArray(4096, '\x5a'));
    const struct {
        QString path;
        std::optional<QByteArray> bytes; // the file there, if any
        const char* expected;
    } cases[] = { { dir.filePath(QStringLiteral("Access.db")), access, "not an SQLite database" },
        { dir.filePath(QStringLiteral("Empty.db")), QByteArray(), "no such table" },
        { dir.filePath(QStringLiteral("Database/Muziek.db")), std::nullopt, "does not exist" },
        { QString(), std::nullopt, "does not exist" }, { dir.path(), std::nullopt, "not a file" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        if (c.bytes)
            qtkit::writeFile(c.path, *c.bytes);
        expectEveryOperationFails(Catalogue(c.path), QLatin1String(c.expected));
        EXPECT_FALSE(Catalogue(c.path).checkCatalogue().ok());
        if (c.bytes) {
            EXPECT_FALSE(Catalogue::createEmpty(c.path).ok());
            EXPECT_EQ(qtkit::fileBytes(c.path), *c.bytes);
        }
    }
    // Nothing was created beside them.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList({ "Access.db", "Empty.db" }));
    // An empty file is named for what it lacks.
    EXPECT_TRUE(
        Catalogue(cases[1].path).checkCatalogue().error().text.contains(QStringLiteral("table Artiest")));
}

TEST(CatalogueBadFiles, MissingTableIsReportedAndNothingIsDeleted)
{
    TestCatalogue db;
    const qint64 artist = db.addArtist("Survivor");
    db.addDiscography(artist, "Eye of the Tiger", 1982);
    ASSERT_TRUE(execRaw(
        db.path(), QStringLiteral("DROP VIEW qryTopTwaalf; DROP VIEW qryAlbumsInTracks; DROP TABLE Titel")));
    const QByteArray before = qtkit::fileBytes(db.path());
    const Catalogue& catalogue = db.catalogue();
    EXPECT_TRUE(catalogue.checkCatalogue().error().text.contains(QStringLiteral("table Titel")));
    EXPECT_EQ(catalogue.FillArtistList(QLocale(QLocale::English)).valueOr({}).size(), 1);
    EXPECT_TRUE(
        catalogue.FillTitleList(artist).error().text.contains(QStringLiteral("no such table: Titel")));
    EXPECT_FALSE(catalogue.deleteArtist(artist).ok());
    EXPECT_EQ(qtkit::fileBytes(db.path()), before);
}

TEST(CatalogueBadFiles, ReadOnlyCatalogueReadsButRefusesEveryChange)
{
    TestCatalogue db;
    const qint64 artist = db.addArtist("Read Only");
    const qint64 album = db.addAlbum(artist, "Frozen", 2001);
    db.addTrack(album, 1, "Ice");
    QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QByteArray before = qtkit::fileBytes(db.path());
    const Catalogue& catalogue = db.catalogue();
    EXPECT_EQ(catalogue.FillArtistList(QLocale(QLocale::English)).valueOr({}).size(), 1);
    EXPECT_EQ(catalogue.FillTitleList(artist).valueOr({}).size(), 1);
    EXPECT_EQ(catalogue.ArtistIdByName(QStringLiteral("Read Only")), artist);
    EXPECT_TRUE(catalogue.checkCatalogue().ok());

    EXPECT_TRUE(catalogue.deleteArtist(artist).error().text.contains(QStringLiteral("read-only")));
    EXPECT_FALSE(catalogue.deleteAlbum(album).ok());
    const auto added = catalogue.addRow(QStringLiteral("Artiest"), { { QStringLiteral("Artiest"), "New" } });
    EXPECT_TRUE(added.error().text.contains(QStringLiteral("read-only"))) << added.error().text.toStdString();
    EXPECT_FALSE(
        catalogue.updateRow(QStringLiteral("Titel"), album, { { QStringLiteral("Jaar"), 2002 } }).ok());
    EXPECT_EQ(qtkit::fileBytes(db.path()), before);
    EXPECT_EQ(QDir(QFileInfo(db.path()).path()).entryList(QDir::Files), QStringList({ "Muziek.db" }));
    QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::WriteOwner);
}
