// Moving an album to another artist with `VerplaatsTitel`.
#include "editing/ui/movealbumwindow.h"
#include "qtkit/modal.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

using qtkit::childOf;

class MoveAlbumTest : public ::testing::Test {
protected:
    TestHome home;
    TestCatalogue& db = home.db();
    Session& session = home.session();
    FakePrompts prompts;
    qint64 abba = 0;
    qint64 queen = 0;
    qint64 gold = 0;

    void SetUp() override
    {
        queen = db.addArtist("Queen");
        abba = db.addArtist("ABBA");
        gold = db.addAlbum(abba, "Gold", 1992, { { "datum_lamu", "2001-01-01 00:00:00" } });
    }

    QVariantList album() const
    {
        return db.firstRow(QStringLiteral("SELECT ArtiestId, datum_lamu FROM Titel WHERE Id = ?"), { gold });
    }
};

TEST_F(MoveAlbumTest, RefusesTheOwnArtistAsksMovesAndFailuresChangeNothing)
{
    MoveAlbumWindow window(session, prompts, abba, gold, QStringLiteral("Gold"));
    window.show();
    auto* artists = childOf<QComboBox>(&window, "cboNewArtiest");
    ASSERT_EQ(artists->count(), 2);
    EXPECT_EQ(artists->itemData(1).toLongLong(), queen);
    // Nothing chosen: nothing happens; the own artist: refused, nothing asked.
    qtkit::clickButton(&window, "cmdOK");
    EXPECT_TRUE(prompts.boxes.isEmpty());
    artists->setCurrentIndex(0);
    qtkit::clickButton(&window, "cmdOK");
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].prompt, session.message(65));
    // Asked about this album and that artist; No keeps it.
    artists->setCurrentIndex(1);
    prompts.answers = { MsgBox::no, MsgBox::yes };
    qtkit::clickButton(&window, "cmdOK");
    ASSERT_EQ(prompts.boxes.size(), 2);
    EXPECT_TRUE(prompts.boxes[1].prompt.contains("'Gold'") && prompts.boxes[1].prompt.contains("'Queen'"));
    EXPECT_TRUE(window.isVisible() && !window.moved());
    EXPECT_EQ(album(), (QVariantList { abba, "2001-01-01 00:00:00" }));

    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    qtkit::clickButton(&window, "cmdOK");
    EXPECT_TRUE(window.moved() && !window.isVisible());
    EXPECT_EQ(album().value(0).toLongLong(), queen);
    const QDateTime changed = QDateTime::fromString(album().value(1).toString(), "yyyy-MM-dd HH:mm:ss");
    EXPECT_TRUE(changed >= before && changed <= QDateTime::currentDateTime())
        << changed.toString().toStdString();
    EXPECT_TRUE(prompts.reports.isEmpty());

    // The album vanished while another window was open on it: reported, the window stays.
    MoveAlbumWindow again(session, prompts, queen, gold, QStringLiteral("Gold"));
    again.show();
    ASSERT_TRUE(db.catalogue().deleteAlbum(gold).ok());
    childOf<QComboBox>(&again, "cboNewArtiest")->setCurrentIndex(0); // ABBA
    prompts.answers = { MsgBox::yes };
    qtkit::clickButton(&again, "cmdOK");
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Source:\t\tVerplaatsTitel.cmdOK_Click")));
    EXPECT_TRUE(again.isVisible() && !again.moved());

    // A catalogue that cannot be read: reported, an empty list.
    session.settings.database = home.filePath(QStringLiteral("missing.db"));
    MoveAlbumWindow unreadable(session, prompts, abba, gold, QStringLiteral("Gold"));
    EXPECT_EQ(childOf<QComboBox>(&unreadable, "cboNewArtiest")->count(), 0);
    EXPECT_EQ(prompts.reports.size(), 2);
}

} // namespace
