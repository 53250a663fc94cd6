// The track list window and the ID3v1 reader: playlists of any length, the tag display on
// real tag bytes, playing a line, and files that are short, untagged or gone.
#include "editing/id3v1.h"
#include "editing/playlistfile.h"
#include "editing/ui/tracklistwindow.h"
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QByteArray fixed(const QByteArray& text, int width, char pad)
{
    QByteArray field = text.left(width);
    field.append(QByteArray(width - field.size(), pad));
    return field;
}

// A complete ID3v1 block: "TAG", title, artist, album, year, comment, genre.
QByteArray id3v1Block(const QByteArray& title, const QByteArray& artist, const QByteArray& album,
    const QByteArray& year, char pad = ' ')
{
    QByteArray block = "TAG" + fixed(title, 30, pad) + fixed(artist, 30, pad) + fixed(album, 30, pad)
        + fixed(year, 4, pad) + fixed("comment", 30, '\0');
    block.append(char(17)); // genre
    return block;
}

using qtkit::writeFile;

TEST(Id3v1, DecodesTheTagOfTheLast128Bytes)
{
    // Zero-padded fields end at the first zero, bytes after it are no part of the field;
    // Windows-1252 and UTF-8 both read right; a field filling its 30 bytes keeps all of them.
    QByteArray withGarbage = id3v1Block("Title", "Artist", "Album", "2001");
    withGarbage[3 + 5] = '\0';
    withGarbage[3 + 6] = '\xff';
    const std::pair<QByteArray, QStringList> tags[]
        = { { id3v1Block("Caf\xe9 \x80 \x96 Tango", "Bj\xc3\xb6rk", QByteArray(30, 'A'), "19", '\0'),
                { "Café € – Tango", "Björk", QString(30, QLatin1Char('A')), "19" } },
              { withGarbage, { "Title", "Artist", "Album", "2001" } } };
    for (const auto& [block, fields] : tags) {
        const std::optional<Id3v1Tag> tag = parseId3v1(block);
        ASSERT_TRUE(tag);
        EXPECT_EQ(QStringList({ tag->title, tag->artist, tag->album, tag->year }), fields);
    }
    for (const QByteArray& notATag : { QByteArray(128, 'x'), QByteArray(128, '\0'),
             id3v1Block("a", "b", "c", "d").left(127), QByteArray("TAG"), QByteArray() })
        EXPECT_FALSE(parseId3v1(notATag)) << notATag.size();
}

TEST(Id3v1, ReadsFilesWithoutTrustingThem)
{
    QTemporaryDir dir;
    // The file's bytes and the title read from them ("" for no tag).
    const std::pair<QByteArray, const char*> files[] = {
        { QByteArray(5000, '\x55') + id3v1Block("Song", "Band", "Record", "1999"), "Song" },
        { id3v1Block("Only", "Tag", "Here", "2000"), "Only" },
        { id3v1Block("a", "b", "c", "d").left(100), "" }, // too short
        { QByteArray(4000, '\0'), "" }, // untagged
        { id3v1Block("a", "b", "c", "d") + "x", "" }, // a tag not at the very end is not the tag
    };
    for (const auto& [bytes, title] : files) {
        const QString file = dir.filePath(QStringLiteral("song.mp3"));
        writeFile(file, bytes);
        const std::optional<Id3v1Tag> tag = readId3v1(file);
        EXPECT_EQ(tag ? tag->title : QString(), QLatin1String(title)) << bytes.size();
    }
    EXPECT_FALSE(readId3v1(dir.filePath(QStringLiteral("missing.mp3"))));
    EXPECT_FALSE(readId3v1(dir.path())); // a folder
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
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Error number:\t53")));
    missing.show();
    EXPECT_TRUE(label(missing, QStringLiteral("lblTracks_0"))->isVisible());
}

TEST_F(TrackListTest, RightClickShowsTheTagAndTheFileDate)
{
    const QString tagged = music + QStringLiteral("01 Tagged.mp3");
    const QString plain = music + QStringLiteral("02 Plain.mp3");
    const QString gone = music + QStringLiteral("03 Gone.mp3");
    const QString other = music + QStringLiteral("04 Other.mp3");
    writeFile(tagged, QByteArray(1000, 'a') + id3v1Block("Song <b>One</b>", "Caf\xe9 Band", "First", "1987"));
    writeFile(plain, QByteArray(1000, 'a'));
    writeFile(gone, QByteArray(1000, 'a') + id3v1Block("x", "y", "z", "2000"));
    writeFile(other, id3v1Block("Second Song", "Other Band", "Second", "1990"));
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

    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, centreOf(list, 1)); // no tag
    EXPECT_TRUE(label(window, QStringLiteral("lblTag_0"))->isHidden());

    QFile::remove(gone); // vanished between listing and reading
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, centreOf(list, 2));
    EXPECT_TRUE(label(window, QStringLiteral("lblTag_0"))->isHidden());

    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, centreOf(list, 0));
    // Shown as plain text: a tag is no markup.
    const QStringList expected { "Café Band", "Song <b>One</b>", "First", "1987", "04-03-2021 05:06" };
    for (int i = 0; i < 5; ++i) {
        QLabel* tagLabel = label(window, QStringLiteral("lblTag_%1").arg(i));
        EXPECT_TRUE(tagLabel->isVisible() && tagLabel->textFormat() == Qt::PlainText) << i;
        EXPECT_EQ(tagLabel->text(), expected[i]) << i;
    }
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, centreOf(list, 3));
    EXPECT_EQ(label(window, QStringLiteral("lblTag_0"))->text(), QStringLiteral("Other Band"));
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
