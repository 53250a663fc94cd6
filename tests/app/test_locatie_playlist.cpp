// The folder chooser and the playlist builder: listing music files, ordering them, writing the
// playlist file safely, and reading it back the way the track list does.
#include "editing/playlistfile.h"
#include "editing/ui/locatie.h"
#include "editing/ui/playlistbuilder.h"
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "shell/settings.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using qtkit::clickButton;
using qtkit::writeFile;

class PlaylistTest : public ::testing::Test {
protected:
    TestHome home;
    Session& session = home.session();
    FakePrompts prompts;
    const QString music = home.filePath(QStringLiteral("Music/Album One"));

    void SetUp() override
    {
        for (const char* name : { "02 Second.mp3", "01 First.MP3", "03 Third.mp3", "Cover.jpg",
                 "04 Other.wma", "05 Lossless.flac", "06 Vorbis.ogg", "07 Aac.m4a" })
            writeFile(music + QLatin1Char('/') + QLatin1String(name), "x");
        ASSERT_TRUE(QDir().mkpath(music + QStringLiteral("/folder.mp3"))); // a folder, not a file
    }

    QString playlistOf(qint64 id) const { return playlistPath(session.settings.muziekDir, id); }

    static QTreeWidget* list(PlaylistBuilder& builder)
    {
        return qtkit::childOf<QTreeWidget>(&builder, "lvBestanden");
    }
    static QString selected(PlaylistBuilder& builder)
    {
        QTreeWidgetItem* item = list(builder)->currentItem();
        return item && item->isSelected() ? item->text(0) : QString();
    }
};

TEST_F(PlaylistTest, ListsMusicFilesOfOneKindIgnoringCaseAndSortedByName)
{
    // A name with a line break can't be a playlist line; it is left out.
    writeFile(music + QStringLiteral("/08 Broken\nName.mp3"), "x");
    const std::pair<MusicKind, QStringList> kinds[] = {
        { MusicKind::Mp3, { "01 First.MP3", "02 Second.mp3", "03 Third.mp3" } },
        { MusicKind::Wma, { "04 Other.wma" } },
        { MusicKind::Other, { "05 Lossless.flac", "06 Vorbis.ogg", "07 Aac.m4a" } },
    };
    QStringList names;
    QString error;
    for (const auto& [kind, expected] : kinds) {
        for (const QString& folder : { music, music + QLatin1Char('/') }) {
            ASSERT_TRUE(listMusicFiles(folder, kind, names, &error)) << error.toStdString();
            EXPECT_EQ(names, expected);
        }
    }
    EXPECT_FALSE(listMusicFiles(home.filePath(QStringLiteral("Nowhere")), MusicKind::Mp3, names, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Nowhere")));
    EXPECT_TRUE(names.isEmpty());
}

TEST_F(PlaylistTest, WritesOneFullPathPerLineAndReplacesAnEarlierPlaylist)
{
    const QString path = playlistOf(7);
    writeFile(path, "old content that is much longer than the new one\r\n");
    QString error;
    ASSERT_TRUE(writePlaylist(path, music, { "b.mp3", "a.mp3" }, &error)) << error.toStdString();
    EXPECT_EQ(qtkit::fileBytes(path), (music + "/b.mp3\r\n" + music + "/a.mp3\r\n").toUtf8());
    ASSERT_TRUE(writePlaylist(path, music, {}, &error));
    EXPECT_TRUE(QFileInfo::exists(path) && QFileInfo(path).size() == 0);
    // Non-ASCII names are written as UTF-8 and read back unchanged.
    ASSERT_TRUE(writePlaylist(path, music + QLatin1Char('/'), { QStringLiteral("Café – Ø.mp3") }, &error));
    QStringList entries;
    ASSERT_TRUE(readPlaylist(path, entries, &error));
    EXPECT_EQ(entries, QStringList { music + QStringLiteral("/Café – Ø.mp3") });
    // A missing playlist folder is reported.
    QString missing;
    EXPECT_FALSE(writePlaylist(home.filePath(QStringLiteral("Missing/8.m3u")), music, { "a.mp3" }, &missing));
    EXPECT_FALSE(missing.isEmpty());
}

TEST_F(PlaylistTest, ReadsLinesWithAnyBytesAndEitherLineEnding)
{
    QByteArray bytes = "/m/one.mp3\r\n/m/two.mp3\n\n#EXTINF:123,Comment\r\n\r\n";
    bytes += "/m/caf\xe9 \x80.mp3\r\n"; // Windows-1252: é and €
    bytes += "/m/caf\xc3\xa9.mp3\n"; // UTF-8: é
    bytes += QByteArray("/m/nul\0byte.mp3\n", 16); // a zero byte inside a line
    bytes += "/m/" + QByteArray(300000, 'x') + ".mp3\r\n"; // a very long line
    bytes += "/m/last without ending.mp3";
    const QStringList entries = parsePlaylist(bytes);
    ASSERT_EQ(entries.size(), 7);
    EXPECT_EQ(entries.mid(0, 4), QStringList({ "/m/one.mp3", "/m/two.mp3", "/m/café €.mp3", "/m/café.mp3" }));
    EXPECT_EQ(entries[4].size(), 15);
    EXPECT_EQ(entries[5].size(), 300007);
    EXPECT_EQ(entries[6], QStringLiteral("/m/last without ending.mp3"));

    EXPECT_TRUE(parsePlaylist({}).isEmpty());
    EXPECT_TRUE(parsePlaylist("\r\n\n\r\n").isEmpty());
    EXPECT_EQ(parsePlaylist("\r"), QStringList {}); // a lone CR is an empty line ending
    EXPECT_EQ(parsePlaylist("\xff\xfe\x81\n"), QStringList { QStringLiteral("ÿþ\u0081") });

    QStringList read;
    QString error;
    EXPECT_FALSE(readPlaylist(home.filePath(QStringLiteral("none.m3u")), read, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("none.m3u")));
}

TEST(TrackCaption, IsTheFileNameWithoutFolderAndExtension)
{
    const std::pair<const char*, const char*> cases[] = { { "/music/Album/01 Song.mp3", "01 Song" },
        { "03 Song.wma", "03 Song" }, { "/music/No extension", "No extension" },
        { "/music/.hidden", ".hidden" }, { "/music/v1.2/Song", "Song" }, { "/music/folder/", "" } };
    for (const auto& [path, caption] : cases)
        EXPECT_EQ(trackCaption(QString::fromUtf8(path)), QString::fromUtf8(caption)) << path;
}

TEST_F(PlaylistTest, BuilderListsByCodecMovesAndRemoves)
{
    PlaylistBuilder builder(session, prompts, music, 12);
    // wma is chosen when the window opens.
    EXPECT_EQ(builder.entries(), QStringList { "04 Other.wma" });
    clickButton(&builder, "optCodec_0");
    EXPECT_EQ(selected(builder), QStringLiteral("01 First.MP3"));
    // The first can't go up, the last can't go down; the moved line stays selected.
    for (const char* move : { "cmdHoog", "cmdLaag", "cmdLaag", "cmdLaag", "cmdHoog" })
        clickButton(&builder, move);
    EXPECT_EQ(builder.entries(), (QStringList { "02 Second.mp3", "01 First.MP3", "03 Third.mp3" }));
    EXPECT_EQ(selected(builder), QStringLiteral("01 First.MP3"));

    // Removing the last selects the new last; removing a middle one selects its successor.
    list(builder)->setCurrentItem(list(builder)->topLevelItem(2));
    clickButton(&builder, "cmdWeg");
    EXPECT_EQ(selected(builder), QStringLiteral("01 First.MP3"));
    list(builder)->setCurrentItem(list(builder)->topLevelItem(0));
    clickButton(&builder, "cmdWeg");
    EXPECT_EQ(selected(builder), QStringLiteral("01 First.MP3"));
    for (const char* action : { "cmdWeg", "cmdWeg", "cmdHoog" }) // the last; then nothing is selected
        clickButton(&builder, action);
    EXPECT_TRUE(builder.entries().isEmpty());
    EXPECT_TRUE(prompts.reports.isEmpty());
    // Switching the codec rebuilds the list from the folder; nothing was removed from disk.
    clickButton(&builder, "optCodec_0");
    EXPECT_EQ(builder.entries().size(), 3);
}

TEST_F(PlaylistTest, BuilderWritesTheListInOrderOrReportsAndStaysOpen)
{
    {
        PlaylistBuilder builder(session, prompts, music, 21);
        clickButton(&builder, "optCodec_0");
        clickButton(&builder, "cmdLaag");
        clickButton(&builder, "cmdMaak");
        EXPECT_EQ(builder.result(), QDialog::Accepted);
    }
    const QString folder = music + QLatin1Char('/');
    const QByteArray written = qtkit::fileBytes(playlistOf(21));
    EXPECT_EQ(written,
        (folder + "02 Second.mp3\r\n" + folder + "01 First.MP3\r\n" + folder + "03 Third.mp3\r\n").toUtf8());
    {
        PlaylistBuilder builder(session, prompts, music, 21);
        clickButton(&builder, "cmdStop");
        EXPECT_EQ(builder.result(), QDialog::Rejected);
    }
    EXPECT_EQ(qtkit::fileBytes(playlistOf(21)), written); // Stop writes nothing

    // A folder that cannot be listed is reported, the list empty.
    PlaylistBuilder vanished(session, prompts, home.filePath(QStringLiteral("Vanished")), 3);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Vanished")));
    EXPECT_TRUE(vanished.entries().isEmpty());

    // No playlist folder: reported, nothing written, the window stays open to try again.
    session.settings.muziekDir = home.filePath(QStringLiteral("Gone/"));
    PlaylistBuilder builder(session, prompts, music, 22);
    builder.show();
    clickButton(&builder, "cmdMaak");
    ASSERT_EQ(prompts.reports.size(), 2);
    EXPECT_TRUE(prompts.reports[1].contains(QStringLiteral("Gone/22.m3u")));
    EXPECT_TRUE(builder.isVisible());
    EXPECT_FALSE(QFileInfo::exists(session.settings.muziekDir));
}

TEST_F(PlaylistTest, ChooserStartsAtTheFieldsFolderElseTheUsersOwnAndReturnsTheChosenFolder)
{
    // The field's folder (or the folder of the file it names), else the user's Pictures for
    // covers and photos and Music for the rest, else the home folder.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    ASSERT_TRUE(QDir().mkpath(pictures));
    ASSERT_FALSE(QFileInfo::exists(QStandardPaths::writableLocation(QStandardPaths::MusicLocation)));
    const std::tuple<const char*, QString, QString> starts[] = { { "4", music, music },
        { "3", music + QStringLiteral("/01 First.MP3"), music },
        { "0", music + QStringLiteral("/new.m3u"), music }, { "5", QString(), pictures },
        { "2", home.filePath(QStringLiteral("not/there")), pictures }, { "4", QString(), QDir::homePath() } };
    for (const auto& [tag, field, expected] : starts) {
        Locatie started(session, prompts, QLatin1String(tag), 0, nullptr, field);
        EXPECT_EQ(started.currentFolder(), withSeparator(expected)) << tag << " " << field.toStdString();
    }
    EXPECT_TRUE(prompts.reports.isEmpty());

    Locatie chooser(session, prompts, QStringLiteral("4"));
    ASSERT_TRUE(chooser.setCurrentFolder(music));
    EXPECT_FALSE(chooser.setCurrentFolder(music + QStringLiteral("/01 First.MP3"))); // a file
    chooser.show();
    clickButton(&chooser, "cmdOK");
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(chooser.chosenFolder(), music + QLatin1Char('/'));

    // The root of the file system ends in its one "/".
    Locatie root(session, prompts, QStringLiteral("2"));
    ASSERT_TRUE(root.setCurrentFolder(QStringLiteral("/")));
    clickButton(&root, "cmdOK");
    EXPECT_EQ(root.chosenFolder(), QStringLiteral("/"));
}

// The whole path from the title editor's list button to the track list: the chooser in its
// music-folder mode opens the builder, which writes what the track list then reads.
TEST_F(PlaylistTest, ChooserOpensTheBuilderWhosePlaylistReadsBack)
{
    Locatie chooser(session, prompts, QStringLiteral("0"), 42);
    ASSERT_TRUE(chooser.setCurrentFolder(music));
    bool builderShown = false;
    qtkit::onNextModal(QStringLiteral("Playlist"), [&](QWidget* builder) {
        builderShown = true;
        EXPECT_TRUE(chooser.isVisible()); // stays open underneath
        clickButton(builder, "optCodec_0");
        clickButton(builder, "cmdWeg");
        clickButton(builder, "cmdMaak");
    });
    chooser.open();
    clickButton(&chooser, "cmdOK");
    EXPECT_TRUE(builderShown);
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(chooser.result(), QDialog::Accepted);

    QStringList entries;
    QString error;
    ASSERT_TRUE(readPlaylist(playlistOf(42), entries, &error)) << error.toStdString();
    const QString folder = music + QLatin1Char('/');
    EXPECT_EQ(entries, (QStringList { folder + "02 Second.mp3", folder + "03 Third.mp3" }));
    EXPECT_EQ(trackCaption(entries[0]), QStringLiteral("02 Second"));
}

} // namespace
