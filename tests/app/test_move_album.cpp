// Moving an album to another artist with `VerplaatsTitel`.
#include "editing/ui/movealbumwindow.h"
#include "qtkit/modal.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QComboBox>
#include <QPushButton>
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
        queen = db.addArtist(QStringLiteral("Queen"));
        abba = db.addArtist(QStringLiteral("ABBA"));
        gold = db.addAlbum(abba, QStringLiteral("Gold"), 1992,
            { { QStringLiteral("datum_lamu"), QStringLiteral("2001-01-01 00:00:00") } });
    }

    QVariantList album() const
    {
        const auto rows = db.catalogue().OpenRecordset(
            QStringLiteral("SELECT ArtiestId, datum_lamu FROM Titel WHERE Id = ?"), { gold });
        EXPECT_TRUE(rows.ok());
        return rows.valueOr({}).rows.value(0);
    }
};

TEST_F(MoveAlbumTest, RefusesTheOwnArtistAsksAndMoves)
{
    MoveAlbumWindow window(session, prompts, abba, gold, QStringLiteral("Gold"));
    window.show();
    auto* artists = childOf<QComboBox>(&window, "cboNewArtiest");
    ASSERT_EQ(artists->count(), 2);
    EXPECT_EQ(artists->itemText(0), QStringLiteral("ABBA"));
    EXPECT_EQ(artists->itemData(1).toLongLong(), queen);
    EXPECT_EQ(artists->currentIndex(), -1);
    auto* ok = childOf<QPushButton>(&window, "cmdOK");

    // Nothing chosen: nothing happens.
    ok->click();
    EXPECT_TRUE(prompts.boxes.isEmpty());

    artists->setCurrentIndex(0);
    ok->click();
    // Refused with the same-artist message; nothing is asked.
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].prompt, session.message(65));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(album().value(0).toLongLong(), abba);

    artists->setCurrentIndex(1);
    prompts.answers = { MsgBox::no };
    ok->click();
    // Asked about this album and that artist.
    ASSERT_EQ(prompts.boxes.size(), 2);
    EXPECT_TRUE(prompts.boxes[1].prompt.contains(QStringLiteral("'Gold'")));
    EXPECT_TRUE(prompts.boxes[1].prompt.contains(QStringLiteral("'Queen'")));
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.moved());
    EXPECT_EQ(album().value(0).toLongLong(), abba);
    EXPECT_EQ(album().value(1).toString(), QStringLiteral("2001-01-01 00:00:00"));

    prompts.answers = { MsgBox::yes };
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    ok->click();
    EXPECT_TRUE(window.moved());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(album().value(0).toLongLong(), queen);
    const QDateTime changed
        = QDateTime::fromString(album().value(1).toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    EXPECT_GE(changed, before);
    EXPECT_LE(changed, QDateTime::currentDateTime());
    EXPECT_TRUE(prompts.reports.isEmpty());
}

TEST_F(MoveAlbumTest, CancelAndFailuresChangeNothing)
{
    {
        MoveAlbumWindow window(session, prompts, abba, gold, QStringLiteral("Gold"));
        window.show();
        childOf<QComboBox>(&window, "cboNewArtiest")->setCurrentIndex(1);
        childOf<QPushButton>(&window, "cmdAnnuleren")->click();
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(window.moved());
        EXPECT_EQ(album().value(0).toLongLong(), abba);
    }

    // The album vanished while the window was open: reported, the window stays.
    MoveAlbumWindow window(session, prompts, abba, gold, QStringLiteral("Gold"));
    window.show();
    ASSERT_TRUE(db.catalogue().deleteAlbum(gold).ok());
    childOf<QComboBox>(&window, "cboNewArtiest")->setCurrentIndex(1);
    prompts.answers = { MsgBox::yes };
    childOf<QPushButton>(&window, "cmdOK")->click();
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Source:\t\tVerplaatsTitel.cmdOK_Click")));
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.moved());

    // A catalogue that cannot be read: reported, an empty list.
    session.settings.database = home.filePath(QStringLiteral("missing.db"));
    MoveAlbumWindow unreadable(session, prompts, abba, gold, QStringLiteral("Gold"));
    EXPECT_EQ(childOf<QComboBox>(&unreadable, "cboNewArtiest")->count(), 0);
    EXPECT_EQ(prompts.reports.size(), 2);
}

} // namespace
