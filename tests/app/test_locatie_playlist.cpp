// The folder chooser and the playlist builder: listing music files, ordering them, writing the
// playlist file safely, and reading it back the way the track list does.
#include "editing/playlistfile.h"
#include "editing/ui/locatie.h"
#include "editing/ui/playlistbuilder.h"
#include "shell/session.h"
#include "support/fakeprompts.h"
#include "support/modalwindows.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

void touch(const QString& path, const QByteArray& bytes = "x")
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class PlaylistTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakePrompts prompts;
    Session session{dir.path()};
    QString music;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        session.settings.taal = QStringLiteral("200");
        session.settings.muziekDir = dir.path() + QStringLiteral("/Playlist/");
        ASSERT_TRUE(QDir().mkpath(session.settings.muziekDir));
        music = dir.path() + QStringLiteral("/Music/Album One");
        ASSERT_TRUE(QDir().mkpath(music));
        for (const char* name : {"02 Second.mp3", "01 First.MP3", "03 Third.mp3", "Cover.jpg",
                                 "04 Other.wma", "05 Lossless.flac", "06 Vorbis.ogg", "07 Aac.m4a"})
            touch(music + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(QDir().mkpath(music + QStringLiteral("/folder.mp3"))); // a folder, not a file
    }

    QString playlistOf(qint64 id) const { return playlistPath(session.settings.muziekDir, id); }

    static QStringList listed(PlaylistBuilder& builder) { return builder.entries(); }
    static QTreeWidget* list(PlaylistBuilder& b) { return b.findChild<QTreeWidget*>(QStringLiteral("lvBestanden")); }
    static void click(QWidget& w, const char* name)
    {
        auto* button = w.findChild<QAbstractButton*>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    static QString selected(PlaylistBuilder& b)
    {
        QTreeWidgetItem* item = list(b)->currentItem();
        return item && item->isSelected() ? item->text(0) : QString();
    }
};

TEST_F(PlaylistTest, ListsMusicFilesOfOneKindIgnoringCaseAndSortedByName)
{
    QStringList names;
    QString error;
    ASSERT_TRUE(listMusicFiles(music, MusicKind::Mp3, names, &error));
    EXPECT_EQ(names, (QStringList{"01 First.MP3", "02 Second.mp3", "03 Third.mp3"}));
    ASSERT_TRUE(listMusicFiles(music + QLatin1Char('/'), MusicKind::Wma, names, &error));
    EXPECT_EQ(names, QStringList{"04 Other.wma"});
    ASSERT_TRUE(listMusicFiles(music, MusicKind::Other, names, &error));
    EXPECT_EQ(names, (QStringList{"05 Lossless.flac", "06 Vorbis.ogg", "07 Aac.m4a"}));

    // A name with a line break can't be a playlist line; it is left out.
    touch(music + QStringLiteral("/08 Broken\nName.mp3"));
    ASSERT_TRUE(listMusicFiles(music, MusicKind::Mp3, names, &error));
    EXPECT_EQ(names.size(), 3);

    EXPECT_FALSE(listMusicFiles(dir.path() + QStringLiteral("/Nowhere"), MusicKind::Mp3, names, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Nowhere")));
    EXPECT_TRUE(names.isEmpty());
}

TEST_F(PlaylistTest, WritesOneFullPathPerLineAndReplacesAnEarlierPlaylist)
{
    const QString path = playlistOf(7);
    touch(path, "old content that is much longer than the new one\r\n");
    QString error;
    ASSERT_TRUE(writePlaylist(path, music, {"b.mp3", "a.mp3"}, &error)) << error.toStdString();
    EXPECT_EQ(bytesOf(path), (music + "/b.mp3\r\n" + music + "/a.mp3\r\n").toUtf8());

    ASSERT_TRUE(writePlaylist(path, music, {}, &error));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);

    // Non-ASCII names are written as UTF-8 and read back unchanged.
    ASSERT_TRUE(writePlaylist(path, music + QLatin1Char('/'), {QStringLiteral("Café – Ø.mp3")}, &error));
    QStringList entries;
    ASSERT_TRUE(readPlaylist(path, entries, &error));
    EXPECT_EQ(entries, QStringList{music + QStringLiteral("/Café – Ø.mp3")});
}

TEST_F(PlaylistTest, AFailedWriteLeavesTheEarlierPlaylistAsItWas)
{
    const QString path = playlistOf(8);
    const QByteArray good = (music + "/01 First.MP3\r\n").toUtf8();
    touch(path, good);

    // A missing playlist folder.
    QString error;
    EXPECT_FALSE(writePlaylist(dir.path() + QStringLiteral("/Missing/8.m3u"), music, {"a.mp3"}, &error));
    EXPECT_FALSE(error.isEmpty());

    // A disk that fills up half-way: writes beyond 4 KiB fail.
    QStringList many;
    for (int i = 0; i < 2000; ++i)
        many << QStringLiteral("Track %1.mp3").arg(i);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writePlaylist(path, music, many, &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(bytesOf(path), good);
    EXPECT_EQ(QDir(session.settings.muziekDir).entryList(QDir::Files), QStringList{"8.m3u"}); // no leftovers
}

TEST_F(PlaylistTest, ReadsLinesWithAnyBytesAndEitherLineEnding)
{
    QByteArray bytes = "/m/one.mp3\r\n/m/two.mp3\n\n#EXTINF:123,Comment\r\n\r\n";
    bytes += "/m/caf\xe9 \x80.mp3\r\n";                       // Windows-1252: é and €
    bytes += "/m/caf\xc3\xa9.mp3\n";                          // UTF-8: é
    bytes += QByteArray("/m/nul\0byte.mp3\n", 16);            // a zero byte inside a line
    bytes += "/m/" + QByteArray(300000, 'x') + ".mp3\r\n";    // a very long line
    bytes += "/m/last without ending.mp3";
    const QStringList entries = parsePlaylist(bytes);
    ASSERT_EQ(entries.size(), 7);
    EXPECT_EQ(entries[0], QStringLiteral("/m/one.mp3"));
    EXPECT_EQ(entries[1], QStringLiteral("/m/two.mp3"));
    EXPECT_EQ(entries[2], QStringLiteral("/m/café €.mp3"));
    EXPECT_EQ(entries[3], QStringLiteral("/m/café.mp3"));
    EXPECT_EQ(entries[4].size(), 15);
    EXPECT_EQ(entries[5].size(), 300007);
    EXPECT_EQ(entries[6], QStringLiteral("/m/last without ending.mp3"));

    EXPECT_TRUE(parsePlaylist({}).isEmpty());
    EXPECT_TRUE(parsePlaylist("\r\n\n\r\n").isEmpty());
    EXPECT_EQ(parsePlaylist("\r"), QStringList{}); // a lone CR is an empty line ending
    EXPECT_EQ(parsePlaylist("\xff\xfe\x81\n"), QStringList{QStringLiteral("ÿþ\u0081")});

    QStringList read;
    QString error;
    EXPECT_FALSE(readPlaylist(dir.path() + QStringLiteral("/none.m3u"), read, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("none.m3u")));
}

TEST_F(PlaylistTest, CaptionsAreFileNamesWithoutFolderAndExtension)
{
    EXPECT_EQ(trackCaption(QStringLiteral("/music/Album/01 Song.mp3")), QStringLiteral("01 Song"));
    EXPECT_EQ(trackCaption(QStringLiteral("/music/Album/02 Song.flac")), QStringLiteral("02 Song"));
    EXPECT_EQ(trackCaption(QStringLiteral("03 Song.wma")), QStringLiteral("03 Song"));
    EXPECT_EQ(trackCaption(QStringLiteral("/music/No extension")), QStringLiteral("No extension"));
    EXPECT_EQ(trackCaption(QStringLiteral("/music/.hidden")), QStringLiteral(".hidden"));
    EXPECT_EQ(trackCaption(QStringLiteral("/music/v1.2/Song")), QStringLiteral("Song"));
    EXPECT_EQ(trackCaption(QStringLiteral("/music/folder/")), QString());
}

TEST_F(PlaylistTest, BuilderListsByCodecMovesAndRemoves)
{
    PlaylistBuilder builder(session, prompts, music, 12);
    EXPECT_EQ(builder.windowTitle(), QStringLiteral("Melotheek"));
    // wma is chosen when the window opens.
    EXPECT_TRUE(builder.findChild<QRadioButton*>(QStringLiteral("optCodec_1"))->isChecked());
    EXPECT_EQ(listed(builder), QStringList{"04 Other.wma"});

    click(builder, "optCodec_0");
    EXPECT_EQ(listed(builder), (QStringList{"01 First.MP3", "02 Second.mp3", "03 Third.mp3"}));
    EXPECT_EQ(selected(builder), QStringLiteral("01 First.MP3"));

    click(builder, "cmdHoog"); // the first can't go up
    EXPECT_EQ(listed(builder), (QStringList{"01 First.MP3", "02 Second.mp3", "03 Third.mp3"}));
    click(builder, "cmdLaag");
    click(builder, "cmdLaag");
    EXPECT_EQ(listed(builder), (QStringList{"02 Second.mp3", "03 Third.mp3", "01 First.MP3"}));
    EXPECT_EQ(selected(builder), QStringLiteral("01 First.MP3"));
    click(builder, "cmdLaag"); // the last can't go down
    EXPECT_EQ(listed(builder), (QStringList{"02 Second.mp3", "03 Third.mp3", "01 First.MP3"}));
    click(builder, "cmdHoog");
    EXPECT_EQ(listed(builder), (QStringList{"02 Second.mp3", "01 First.MP3", "03 Third.mp3"}));

    // Removing the last selects the new last; removing a middle one selects its successor.
    list(builder)->setCurrentItem(list(builder)->topLevelItem(2));
    click(builder, "cmdWeg");
    EXPECT_EQ(listed(builder), (QStringList{"02 Second.mp3", "01 First.MP3"}));
    EXPECT_EQ(selected(builder), QStringLiteral("01 First.MP3"));
    list(builder)->setCurrentItem(list(builder)->topLevelItem(0));
    click(builder, "cmdWeg");
    EXPECT_EQ(selected(builder), QStringLiteral("01 First.MP3"));
    click(builder, "cmdWeg");
    EXPECT_TRUE(listed(builder).isEmpty());
    click(builder, "cmdWeg"); // nothing selected: nothing happens
    click(builder, "cmdHoog");
    EXPECT_TRUE(prompts.reports.isEmpty());

    // Switching the codec rebuilds the list from the folder.
    click(builder, "optCodec_2");
    EXPECT_EQ(listed(builder).size(), 3);
    click(builder, "optCodec_0");
    EXPECT_EQ(listed(builder).size(), 3);
    EXPECT_TRUE(QFile::exists(music + QStringLiteral("/01 First.MP3"))); // never removed from disk
}

TEST_F(PlaylistTest, BuilderWritesTheListInOrderOrReportsAndStaysOpen)
{
    {
        PlaylistBuilder builder(session, prompts, music, 21);
        click(builder, "optCodec_0");
        click(builder, "cmdLaag");
        click(builder, "cmdMaak");
        EXPECT_EQ(builder.result(), QDialog::Accepted);
    }
    const QString folder = music + QLatin1Char('/');
    const QByteArray written = bytesOf(playlistOf(21));
    EXPECT_EQ(written,
              (folder + "02 Second.mp3\r\n" + folder + "01 First.MP3\r\n" + folder + "03 Third.mp3\r\n").toUtf8());

    {
        PlaylistBuilder builder(session, prompts, music, 21);
        click(builder, "cmdStop");
        EXPECT_EQ(builder.result(), QDialog::Rejected);
    }
    EXPECT_EQ(bytesOf(playlistOf(21)), written); // Stop writes nothing

    // No playlist folder: reported, nothing written, the window stays open to try again.
    session.settings.muziekDir = dir.path() + QStringLiteral("/Gone/");
    PlaylistBuilder builder(session, prompts, music, 22);
    builder.show();
    click(builder, "cmdMaak");
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Gone/22.m3u")));
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Playlist.cmdMaak_Click")));
    EXPECT_TRUE(builder.isVisible());
    EXPECT_FALSE(QFileInfo::exists(session.settings.muziekDir));
}

TEST_F(PlaylistTest, BuilderReportsAFolderThatCannotBeListed)
{
    PlaylistBuilder builder(session, prompts, dir.path() + QStringLiteral("/Vanished"), 3);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Vanished")));
    EXPECT_TRUE(listed(builder).isEmpty());
}

TEST_F(PlaylistTest, ChooserCaptionsFollowItsTagAndTheLanguage)
{
    const std::pair<const char*, const char*> english[] = {
        {"0", "Directory: mp3-Files"}, {"2", "Directory: Covers"}, {"3", "Directory: Playlist"},
        {"4", "Directory: Backup"},    {"5", "Directory: Image"}};
    for (const auto& [tag, caption] : english) {
        Locatie chooser(session, prompts, QLatin1String(tag));
        EXPECT_EQ(chooser.windowTitle(), QLatin1String(caption)) << tag;
        EXPECT_EQ(chooser.findChild<QPushButton*>(QStringLiteral("cmdAnnuleren"))->text(), QStringLiteral("Cancel"));
    }
    session.settings.taal = QStringLiteral("100");
    Locatie dutch(session, prompts, QStringLiteral("5"));
    EXPECT_EQ(dutch.windowTitle(), QStringLiteral("Directory: Foto"));
    EXPECT_EQ(dutch.findChild<QPushButton*>(QStringLiteral("cmdAnnuleren"))->text(), QStringLiteral("Annuleren"));
    EXPECT_TRUE(prompts.reports.isEmpty());
}

TEST_F(PlaylistTest, ChooserStartsAtTheHomeFolderAndReturnsTheChosenFolder)
{
    Locatie chooser(session, prompts, QStringLiteral("4"));
    ASSERT_NE(chooser.findChild<QTreeView*>(QStringLiteral("Dir1")), nullptr);
    EXPECT_EQ(chooser.currentFolder(), session.homeFolder());
    EXPECT_TRUE(chooser.chosenFolder().isEmpty());

    ASSERT_TRUE(chooser.setCurrentFolder(music));
    EXPECT_FALSE(chooser.setCurrentFolder(music + QStringLiteral("/01 First.MP3"))); // a file
    chooser.show();
    click(chooser, "cmdOK");
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(chooser.chosenFolder(), music + QLatin1Char('/'));

    // The root of the file system ends in its one "/".
    Locatie root(session, prompts, QStringLiteral("2"));
    ASSERT_TRUE(root.setCurrentFolder(QStringLiteral("/")));
    click(root, "cmdOK");
    EXPECT_EQ(root.chosenFolder(), QStringLiteral("/"));

    Locatie cancelled(session, prompts, QStringLiteral("3"));
    cancelled.show();
    click(cancelled, "cmdAnnuleren");
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_TRUE(cancelled.chosenFolder().isEmpty());
}

TEST_F(PlaylistTest, ChooserReportsAMissingHomeFolder)
{
    Session elsewhere(dir.path() + QStringLiteral("/not/there"));
    Locatie chooser(elsewhere, prompts, QStringLiteral("2"));
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("not/there")));
    EXPECT_FALSE(chooser.findChild<QPushButton*>(QStringLiteral("cmdOK"))->isEnabled());
}

// The whole path from the title editor's list button to the track list: the chooser in its
// music-folder mode opens the builder, which writes what the track list then reads.
TEST_F(PlaylistTest, ChooserOpensTheBuilderWhosePlaylistReadsBack)
{
    Locatie chooser(session, prompts, QStringLiteral("0"), 42);
    ASSERT_TRUE(chooser.setCurrentFolder(music));
    bool builderShown = false;
    onNextModal(QStringLiteral("Playlist"), [&](QWidget* builder) {
        builderShown = true;
        EXPECT_TRUE(chooser.isVisible()); // stays open underneath
        click(*builder, "optCodec_0");
        click(*builder, "cmdWeg");
        click(*builder, "cmdMaak");
    });
    chooser.open();
    click(chooser, "cmdOK");
    EXPECT_TRUE(builderShown);
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(chooser.result(), QDialog::Accepted);

    QStringList entries;
    QString error;
    ASSERT_TRUE(readPlaylist(playlistOf(42), entries, &error)) << error.toStdString();
    const QString folder = music + QLatin1Char('/');
    EXPECT_EQ(entries, (QStringList{folder + "02 Second.mp3", folder + "03 Third.mp3"}));
    EXPECT_EQ(trackCaption(entries[0]), QStringLiteral("02 Second"));
}

} // namespace
