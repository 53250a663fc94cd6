// Albums from music files: grouping by tags, storing an album whole with its playlist and
// cover, the library walk that reads only what changed, and the schema step that remembers.
#include "db/schemaupgrade.h"
#include "editing/playlistfile.h"
#include "extras/picturefiles.h"
#include "import/musiclibrary.h"
#include "qtkit/qfiles.h"
#include "support/musicfiles.h"
#include "support/testhome.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using qtkit::writeFile;

ReadMusicFile tagged(const char* path, const char* artist, const char* albumArtist, const char* album,
    int disc, int track, const char* title = "")
{
    MusicTags tags;
    tags.artist = QString::fromUtf8(artist);
    tags.albumArtist = QString::fromUtf8(albumArtist);
    tags.album = QString::fromUtf8(album);
    tags.title = QString::fromUtf8(title);
    tags.disc = disc;
    tags.track = track;
    tags.lengthSeconds = 60;
    return { { QString::fromUtf8(path), 1, 1 }, tags };
}

QByteArray jpeg()
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return buffer.data();
}

TEST(FolderAlbums, GroupsByAlbumArtistAndAlbumAndNumbersTheTracks)
{
    const QList<ReadMusicFile> files = {
        tagged("/m/A/2.mp3", "Solo", "The Band", "First", 0, 2, "Two"),
        tagged("/m/A/1.mp3", "The Band", "", "first", 0, 1, "One"), // artist stands in, case aside
        tagged("/m/B/CD2/1.flac", "X", "", "Double", 2, 1, "Third"),
        tagged("/m/B/CD1/2.flac", "X", "", "Double", 1, 2, "Second"),
        tagged("/m/B/CD1/1.flac", "X", "", "Double", 1, 1, ""), // named after its file
        tagged("/m/C/b.ogg", "Y", "", "Loose", 0, 0, "B"),
        tagged("/m/C/a.ogg", "Y", "", "Loose", 0, 0, "A"),
        tagged("/m/untagged.mp3", "", "", "", 0, 0, "Just a title"),
        tagged("/m/no-album.mp3", "Z", "", "", 0, 0, "T"),
        { { "/m/text.mp3", 1, 1 }, std::nullopt },
    };
    const AlbumGrouping grouping = groupIntoAlbums(files);
    struct Expected {
        const char* artist;
        const char* titel;
        const char* folder;
        const char* drager;
        QStringList tracks; // "number name"
    };
    const Expected expected[] = {
        { "The Band", "first", "/m/A/", "MP3", { "1 One", "2 Two" } },
        { "X", "Double", "/m/B/", "FLA", { "1 1", "2 Second", "3 Third" } },
        { "Y", "Loose", "/m/C/", "OGG", { "1 A", "2 B" } },
    };
    ASSERT_EQ(grouping.albums.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const FolderAlbum& album = grouping.albums[i];
        QStringList tracks;
        for (const FolderTrack& track : album.tracks)
            tracks << QString::number(track.nummer) + QLatin1Char(' ') + track.naam;
        EXPECT_EQ(QStringList({ album.artist, album.titel, album.folder, album.drager }),
            QStringList({ expected[i].artist, expected[i].titel, expected[i].folder, expected[i].drager }));
        EXPECT_EQ(tracks, expected[i].tracks);
    }
    EXPECT_EQ(grouping.albums[1].lengte(), QStringLiteral("3:00"));
    EXPECT_EQ(grouping.untagged.size(), 2);
    ASSERT_EQ(grouping.notMusic.size(), 1);
}

class FolderImportTest : public ::testing::Test {
protected:
    TestHome home;
    const QString music = home.filePath(QStringLiteral("Music/"));
    AlbumDestination destination { home.catalogue(), home.session().settings.muziekDir,
        home.session().settings.coverDir };

    void writeAlbum(const QString& folder, const QString& artist, const QString& album, int tracks,
        const QByteArray& picture = {})
    {
        QDir().mkpath(folder);
        for (int i = 1; i <= tracks; ++i) {
            ASSERT_TRUE(writeMusicFile(folder + QStringLiteral("%1.flac").arg(i), AudioKind::Flac, 2 + i,
                { QStringLiteral("Song %1").arg(i), artist, {}, album, 2001, i, 0, {}, {},
                    i == 2 ? picture : QByteArray() }));
        }
    }
    qint64 count(const char* table)
    {
        return scalarRaw(
            home.db().path(), QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table)));
    }
};

TEST_F(FolderImportTest, StoresTheAlbumWholeWithPlaylistAndCover)
{
    const qint64 existing = home.db().addArtist(QStringLiteral("ABBA"));
    writeAlbum(music + QStringLiteral("abba/"), QStringLiteral("abba"), QStringLiteral("Gold"), 3, jpeg());
    const AlbumGrouping grouping = groupIntoAlbums(readMusicFiles(scanMusicFolder(music, true).files));
    ASSERT_EQ(grouping.albums.size(), 1);
    const FolderAlbum& album = grouping.albums.first();

    // No playlist folder: nothing is stored, no artist, no album, no remembered file.
    AlbumDestination broken = destination;
    broken.muziekDir = home.filePath(QStringLiteral("missing/"));
    ASSERT_TRUE(std::holds_alternative<AppError>(storeFolderAlbum(broken, album)));
    EXPECT_EQ(
        std::vector<qint64>({ count("Artiest"), count("Titel"), count("Tracks"), count("Muziekbestand") }),
        std::vector<qint64>({ 1, 0, 0, 0 }));

    auto outcome = storeFolderAlbum(destination, album);
    ASSERT_TRUE(std::holds_alternative<StoredFolderAlbum>(outcome));
    const StoredFolderAlbum stored = std::get<StoredFolderAlbum>(outcome);
    EXPECT_EQ(stored.artistId, existing); // reused by name, case aside
    EXPECT_FALSE(stored.coverProblem);
    EXPECT_EQ(home.db().firstRow(QStringLiteral("SELECT Titel, Jaar, Drager, Playlist, Lengte FROM Titel")),
        QVariantList({ "Gold", 2001, "FLA", 1, "0:12" }));
    EXPECT_EQ(home.db().firstRow(QStringLiteral("SELECT COUNT(*), MAX(Nummer), MAX(Lengte) FROM Tracks")),
        QVariantList({ 3, 3, "0:05" }));
    EXPECT_EQ(count("Muziekbestand"), 3);
    QStringList entries;
    ASSERT_TRUE(readPlaylist(playlistPath(destination.muziekDir, stored.titleId), entries, nullptr));
    EXPECT_EQ(entries, QStringList({ album.tracks[0].path, album.tracks[1].path, album.tracks[2].path }));
    EXPECT_EQ(qtkit::fileBytes(coverPath(destination.coverDir, stored.titleId)), jpeg());
    EXPECT_EQ(cataloguedAlbumId(home.catalogue(), QStringLiteral("ABBA"), QStringLiteral("GOLD")).value(),
        stored.titleId);

    // A cover file beside the files that is no picture: the album stands, the cover is reported.
    writeAlbum(music + QStringLiteral("other/"), QStringLiteral("Other"), QStringLiteral("Plain"), 1);
    writeFile(music + QStringLiteral("other/folder.jpg"), "not a picture");
    const AlbumGrouping plain
        = groupIntoAlbums(readMusicFiles(scanMusicFolder(music + "other", false).files));
    auto second = storeFolderAlbum(destination, plain.albums.first());
    ASSERT_TRUE(std::holds_alternative<StoredFolderAlbum>(second));
    EXPECT_TRUE(std::get<StoredFolderAlbum>(second).coverProblem);
    EXPECT_EQ(count("Titel"), 2);
}

TEST_F(FolderImportTest, ASecondRunReadsOnlyWhatChangedAndStoresNothingTwice)
{
    writeAlbum(music + QStringLiteral("a/one/"), QStringLiteral("A"), QStringLiteral("One"), 2);
    writeAlbum(music + QStringLiteral("b/"), QStringLiteral("B"), QStringLiteral("Two"), 2);
    writeAlbum(music + QStringLiteral("c/"), QStringLiteral("C"), QStringLiteral("Three"), 1);
    writeFile(music + QStringLiteral("noise.mp3"), QByteArray(3000, 'x'));
    ASSERT_TRUE(writeMusicFile(music + QStringLiteral("untagged.wav"), AudioKind::Wav, 1, {}));
    ASSERT_TRUE(QFile::link(music, music + QStringLiteral("a/loop"))); // a link loop
    const QByteArray badName = QFile::encodeName(music) + "bad\xff.mp3";
    const int fd = ::open(badName.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);

    // The catalogue starts at the previous schema version: the walk upgrades it.
    ASSERT_TRUE(
        execRaw(home.db().path(), QStringLiteral("DROP TABLE Muziekbestand; PRAGMA user_version = 1")));
    auto first = scanMusicLibrary(home.catalogue(), music);
    ASSERT_TRUE(first) << first.error().text.toStdString();
    EXPECT_EQ(scalarRaw(home.db().path(), QStringLiteral("PRAGMA user_version")), Catalogue::schemaVersion);
    EXPECT_EQ(first.value().newAlbums.size(), 3);
    EXPECT_EQ(first.value().untagged.size(), 1);
    EXPECT_EQ(first.value().notMusic.size(), 1);
    EXPECT_EQ(first.value().unreadable.size(), 1);

    // Cancelled after the first album: that one stays stored, whole.
    const LibraryImport cancelled = importFolderAlbums(
        destination, first.value().newAlbums, [](qint64 done, qint64, const QString&) { return done < 1; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(cancelled.stored.size(), 1);
    EXPECT_EQ(count("Tracks"), qint64(2));

    auto second = scanMusicLibrary(home.catalogue(), music);
    ASSERT_TRUE(second);
    EXPECT_EQ(second.value().newAlbums.size(), 2);
    EXPECT_EQ(second.value().filesKnown, 4); // the stored album's two files, the untagged one, the noise
    EXPECT_EQ(importFolderAlbums(destination, second.value().newAlbums).stored.size(), 2);

    // Nothing changed: nothing is read. One file retagged: only it is read, its album is present.
    auto third = scanMusicLibrary(home.catalogue(), music);
    ASSERT_TRUE(third);
    EXPECT_EQ(third.value().filesRead, 0);
    EXPECT_EQ(third.value().newAlbums.size(), 0);
    ASSERT_TRUE(writeMusicFile(music + QStringLiteral("b/1.flac"), AudioKind::Flac, 9,
        { "Changed", "B", {}, "Two", 2001, 1, 0, {}, {}, {} }));
    auto fourth = scanMusicLibrary(home.catalogue(), music);
    ASSERT_TRUE(fourth);
    EXPECT_EQ(fourth.value().filesRead, 1);
    EXPECT_EQ(fourth.value().presentAlbums.size(), 1);
    EXPECT_EQ(count("Titel"), 3);
    ::unlink(badName.constData()); // the temporary folder cannot spell it
}

// Cancel once this many albums are reported done (-1: never).
class BatchedImportTest : public FolderImportTest, public ::testing::WithParamInterface<qint64> { };

TEST_P(BatchedImportTest, EveryAlbumReportedDoneIsCommittedWholeWithItsPlaylist)
{
    QList<FolderAlbum> albums; // made up: storing reads none of their files
    for (int a = 0; a < 12; ++a) {
        FolderAlbum album { QStringLiteral("Artist %1").arg(a % 3), QStringLiteral("Album %1").arg(a), {}, {},
            music + QStringLiteral("%1/").arg(a), {}, {} };
        for (int t = 1; t <= 3; ++t) {
            album.tracks.append(
                { album.folder + QStringLiteral("%1.flac").arg(t), t, QStringLiteral("Song"), 60 });
            album.files.append({ album.tracks.last().path, 1, 1 });
        }
        albums.append(album);
    }
    const QDir playlists(destination.muziekDir);
    qint64 lastDone = -1;
    const LibraryImport result
        = importFolderAlbums(destination, albums, [&](qint64 done, qint64, const QString&) {
              EXPECT_EQ(count("Titel"), done);
              EXPECT_EQ(count("Tracks"), 3 * done);
              EXPECT_EQ(playlists.entryList(QDir::Files).size(), done);
              lastDone = done;
              return GetParam() < 0 || done < GetParam();
          });
    EXPECT_EQ(result.cancelled, GetParam() >= 0);
    const qint64 stored = result.cancelled ? lastDone : albums.size();
    EXPECT_GE(stored, GetParam());
    ASSERT_EQ(result.stored.size(), stored);
    EXPECT_EQ(QList<qint64>({ count("Titel"), count("Tracks"), count("Muziekbestand") }),
        QList<qint64>({ stored, 3 * stored, 3 * stored }));
    EXPECT_EQ(playlists.entryList(QDir::Files | QDir::Hidden).size(), stored); // nothing staged is left
    for (qsizetype i = 0; i < stored; ++i) {
        QStringList entries;
        ASSERT_TRUE(
            readPlaylist(playlistPath(destination.muziekDir, result.stored[i].titleId), entries, nullptr));
        EXPECT_EQ(entries.size(), 3);
        EXPECT_EQ(entries.last(), albums[i].tracks.last().path);
    }
}
INSTANTIATE_TEST_SUITE_P(CancelAt, BatchedImportTest, ::testing::Values(0, 1, 5, -1));

} // namespace
