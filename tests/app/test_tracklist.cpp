// The track list window and the tag reader: playlists of any length, the tag display on real
// music files of every format, playing a line, and files that are untagged, no music or gone.
#include "editing/musictags.h"
#include "editing/playlistfile.h"
#include "editing/ui/tracklistwindow.h"
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "support/fakeprompts.h"
#include "support/musicfiles.h"
#include "support/testhome.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A complete ID3v1 block: "TAG", title, artist, album, year, comment, genre.
QByteArray id3v1Block(
    const QByteArray& title, const QByteArray& artist, const QByteArray& album, const QByteArray& year)
{
    return "TAG" + title.leftJustified(30, ' ', true) + artist.leftJustified(30, ' ', true)
        + album.leftJustified(30, ' ', true) + year.leftJustified(4, ' ', true)
        + QByteArray("comment").leftJustified(30, '\0') + char(17);
}

using qtkit::writeFile;

// Every format TagLib reads gives the same fields and embedded cover; legacy bytes and files that are no music
// are read without harm.
TEST(MusicTags, ReadsEveryFormatAndRefusesWhatIsNoMusic)
{
    QTemporaryDir dir;
    const TagValues tags { "Tïtle", "Artist", "Album Artist", "Album", 1999, 7, 2, "A comment", "Jazz",
        "front picture" };
    const std::pair<AudioKind, const char*> kinds[]
        = { { AudioKind::Mp3, "a.mp3" }, { AudioKind::Flac, "a.flac" }, { AudioKind::Wav, "a.wav" },
              { AudioKind::OggVorbis, "a.ogg" }, { AudioKind::Mp4, "a.m4a" } };
    for (const auto& [kind, name] : kinds) {
        const QString file = dir.filePath(QLatin1String(name));
        ASSERT_TRUE(writeMusicFile(file, kind, 3, tags)) << name;
        const std::optional<MusicTags> read = readMusicTags(file);
        ASSERT_TRUE(read) << name;
        EXPECT_EQ(QStringList({ read->title, read->artist, read->albumArtist, read->album, read->year,
                      read->comment, read->genre }),
            QStringList({ "Tïtle", "Artist", "Album Artist", "Album", "1999", "A comment", "Jazz" }))
            << name;
        EXPECT_EQ(std::make_pair(read->track, read->disc), std::make_pair(7, 2)) << name;
        EXPECT_TRUE(read->hasPicture) << name;
        EXPECT_EQ(embeddedFrontPicture(file, 1024), tags.frontPicture) << name;
        if (kind != AudioKind::Mp4) { // a container without samples has no length
            EXPECT_NEAR(read->lengthSeconds, 3, 1) << name;
        }
    }

    // An ID3v1 tag in Windows-1252 behind real audio; an untagged file; no music at all.
    const QString legacy = dir.filePath(QStringLiteral("legacy.mp3"));
    writeFile(legacy,
        minimalAudio(AudioKind::Mp3, 1) + id3v1Block("Caf\xe9 \x80 \x96", "Bj\xc3\xb6rk", "X", "1987"));
    const std::optional<MusicTags> old = readMusicTags(legacy);
    ASSERT_TRUE(old);
    EXPECT_EQ(
        QStringList({ old->title, old->artist, old->year }), QStringList({ "Café € –", "Björk", "1987" }));
    const QString untagged = dir.filePath(QStringLiteral("plain.wav"));
    writeFile(untagged, minimalAudio(AudioKind::Wav, 1));
    EXPECT_FALSE(readMusicTags(untagged).value().hasTags());
    EXPECT_FALSE(readMusicTags(untagged)->hasPicture);
    const QString bogus = dir.filePath(QStringLiteral("text.mp3"));
    writeFile(bogus, QByteArray("just some text, no frames\n").repeated(100));
    for (const QString& notMusic : { bogus, dir.path(), dir.filePath(QStringLiteral("missing.mp3")) })
        EXPECT_FALSE(readMusicTags(notMusic)) << qPrintable(notMusic);
}

class TrackListTest : public ::testing::Test {
protected:
    TestHome home;
    Session& session = home.session();
    FakePrompts prompts;
    const QString music = home.filePath(QStringLiteral("Music/"));

    void writePlaylistBytes(qint64 id, const QByteArray& bytes)
    {
        writeFile(playlistPath(session.settings.muziekDir, id), bytes);
    }

    static QListWidget* lines(QWidget& w) { return qtkit::childOf<QListWidget>(&w, "lblTracks"); }
    static QLabel* label(QWidget& w, const QString& name)
    {
        return qtkit::childOf<QLabel>(&w, name.toLatin1().constData());
    }
    static QPoint centreOf(QListWidget* list, int row)
    {
        return list->visualItemRect(list->item(row)).center();
    }
};

TEST_F(TrackListTest, ShowsOneLinePerEntryForAnyNumberOfLinesAndReportsAMissingPlaylist)
{
    QByteArray bytes;
    for (int i = 1; i <= 500; ++i)
        bytes += music.toUtf8() + QByteArray::number(i) + " Track.mp3" + (i % 2 ? "\r\n" : "\n");
    writePlaylistBytes(5, bytes);
    writePlaylistBytes(6, "");
    TrackListWindow window(session, prompts, 5);
    window.show();
    ASSERT_EQ(lines(window)->count(), 500);
    EXPECT_EQ(lines(window)->item(0)->text(), QStringLiteral("1 Track"));
    EXPECT_EQ(
        lines(window)->item(499)->data(Qt::UserRole).toString(), music + QStringLiteral("500 Track.mp3"));
    // The window fits on the screen; the list scrolls.
    EXPECT_LE(window.frameGeometry().height(), window.screen()->availableGeometry().height());
    EXPECT_TRUE(lines(window)->verticalScrollBar()->isVisible());
    EXPECT_EQ(TrackListWindow(session, prompts, 6).entries().size(), 0);
    EXPECT_TRUE(prompts.reports.isEmpty());

    TrackListWindow missing(session, prompts, 7);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("7.m3u")));
    missing.show();
    EXPECT_TRUE(label(missing, QStringLiteral("lblTracks_0"))->isVisible());
}

TEST_F(TrackListTest, RightClickShowsTheTagAndTheFileDate)
{
    const QString tagged = music + QStringLiteral("01 Tagged.mp3");
    const QString plain = music + QStringLiteral("02 Plain.mp3");
    const QString gone = music + QStringLiteral("03 Gone.mp3");
    const QString other = music + QStringLiteral("04 Other.flac");
    writeFile(tagged,
        minimalAudio(AudioKind::Mp3, 2) + id3v1Block("Song <b>One</b>", "Caf\xe9 Band", "First", "1987"));
    writeFile(plain, QByteArray(1000, 'a'));
    writeFile(gone, minimalAudio(AudioKind::Mp3, 1));
    ASSERT_TRUE(writeMusicFile(other, AudioKind::Flac, 65,
        { "Second Song", "Other Band", {}, "Second", 1990, 1, 0, "Note", "Rock", {} }));
    {
        QFile f(tagged);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(
            f.setFileTime(QDateTime(QDate(2021, 3, 4), QTime(5, 6)), QFileDevice::FileModificationTime));
    }
    writePlaylistBytes(9, (tagged + "\r\n" + plain + "\r\n" + gone + "\r\n" + other + "\r\n").toUtf8());

    TrackListWindow window(session, prompts, 9);
    window.show();
    QListWidget* list = lines(window);

    QFile::remove(gone); // vanished between listing and reading
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, centreOf(list, 2));
    EXPECT_TRUE(label(window, QStringLiteral("lblTag_0"))->isHidden());

    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, centreOf(list, 0));
    // Shown as plain text: a tag is no markup.
    const QStringList expected { "Café Band", "Song <b>One</b>", "First", "1987", "04-03-2021 05:06",
        "comment", "Rock", "0:02" };
    for (int i = 0; i < 8; ++i) {
        QLabel* tagLabel = label(window, QStringLiteral("lblTag_%1").arg(i));
        EXPECT_TRUE(tagLabel->isVisible() && tagLabel->textFormat() == Qt::PlainText) << i;
        EXPECT_EQ(tagLabel->text(), expected[i]) << i;
    }
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, centreOf(list, 3));
    EXPECT_EQ(label(window, QStringLiteral("lblTag_0"))->text(), QStringLiteral("Other Band"));
    EXPECT_EQ(label(window, QStringLiteral("lblTag_7"))->text(), QStringLiteral("1:05"));
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, centreOf(list, 1)); // no music: only the date
    EXPECT_EQ(label(window, QStringLiteral("lblTag_0"))->text(), QString());
    EXPECT_FALSE(label(window, QStringLiteral("lblTag_4"))->text().isEmpty());
    EXPECT_TRUE(prompts.reports.isEmpty()); // tag reading never reports
    EXPECT_TRUE(prompts.openedUrls.isEmpty()); // a right click plays nothing
}

TEST_F(TrackListTest, LeftClickPlaysTheFileWithThePlayerOrTheDesktop)
{
    const QString song = music + QStringLiteral("Song with 'quotes' and blanks.mp3");
    writeFile(song, "music");
    writePlaylistBytes(11, (song + "\n" + music + "Missing.mp3\n").toUtf8());

    // Without a player the desktop opens the file.
    TrackListWindow window(session, prompts, 11);
    window.show();
    QListWidget* list = lines(window);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(list, 0));
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    EXPECT_EQ(prompts.openedUrls[0], QUrl::fromLocalFile(song));
    EXPECT_TRUE(window.isVisible()); // the window stays open

    // A missing music file is reported, not handed to anyone.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(list, 1));
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Missing.mp3")));
    EXPECT_EQ(prompts.openedUrls.size(), 1);

    // The desktop has no program for it.
    prompts.openUrlSucceeds = false;
    window.playEntry(0);
    EXPECT_EQ(prompts.reports.size(), 2);

    // A configured player that can't start is reported (how a player gets its argument is
    // the program runner's test). Enter plays the current line.
    session.settings.speler = home.filePath(QStringLiteral("no-such-player"));
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_EQ(prompts.reports.size(), 3);
    EXPECT_TRUE(prompts.reports[2].contains(QStringLiteral("no-such-player")));
    EXPECT_TRUE(window.isVisible());
}

} // namespace
