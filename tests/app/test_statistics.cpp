// The statistics window: its counts, the file size, the playlists tool-tip and the top-twelve
// chart, on real catalogues.
#include "export/statistics.h"
#include "export/ui/statistiekwindow.h"
#include "qtkit/modal.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>
#include <vector>

namespace {

using qtkit::childOf;

TEST(Statistics, KbyteRoundsHalvesToTheEvenNeighbourAndBarsFollowTheLargestCount)
{
    const std::pair<qint64, qint64> sizes[] = { { 511, 0 }, { 512, 0 }, { 513, 1 }, { 1536, 2 }, { 2560, 2 },
        { 2561, 3 }, { qint64 { 5 } * 1024 * 1024 * 1024 + 512, qint64 { 5 } * 1024 * 1024 } };
    for (const auto& [bytes, kbyte] : sizes)
        EXPECT_EQ(kbyteRounded(bytes), kbyte) << bytes;

    const auto bars = barTwips({ { "Abba", 25 }, { "Queen", 12 }, { "Toto", 5 } });
    EXPECT_EQ(std::vector<int>(bars.begin(), bars.begin() + 4), (std::vector<int> { 2000, 960, 400, 0 }));
    EXPECT_EQ(barTwips({ { "A", 3 }, { "B", 1 } })[1], 667);
    EXPECT_EQ(barTwips({})[0], 0);
    EXPECT_EQ(chartLabel({ QStringLiteral("%1 %2"), 3 }), QStringLiteral("(3) - %1 %2"));
}

class StatistiekTest : public ::testing::Test {
protected:
    TestHome home;
    TestCatalogue& db = home.db();
    FakePrompts prompts;

    static QString text(QWidget& window, const char* name) { return childOf<QLabel>(&window, name)->text(); }
    static QString stat(QWidget& window, int i)
    {
        return text(window, QStringLiteral("lblStat_%1").arg(i).toLatin1().constData());
    }
    static int barWidth(QWidget& window, int i)
    {
        return childOf<QFrame>(&window, QStringLiteral("shpBar_%1").arg(i).toLatin1().constData())->width();
    }
};

TEST_F(StatistiekTest, ShowsTheCountsTheFileSizeThePlaylistsAndTheChartBuiltOnce)
{
    const qint64 abba = db.addArtist("Abba");
    const qint64 queen = db.addArtist("Queen");
    db.addArtist("Toto");
    const qint64 arrival = db.addAlbum(abba, "Arrival", 1976, { { "Playlist", true } });
    db.addAlbum(abba, "Voulez-Vous", 1979, { { "Playlist", true } });
    const qint64 opera = db.addAlbum(queen, "A Night at the Opera", 1975);
    db.addTrack(arrival, 1, "When I Kissed the Teacher");
    db.addTrack(arrival, 2, "Dancing Queen");
    db.addTrack(opera, 1, "Death on Two Legs");
    db.addDiscography(queen, "Queen", 1973);
    db.addDiscography(queen, "Queen II", 1974);

    StatistiekWindow window(home.session(), prompts);
    window.show();
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    // Artists, albums, tracks, discography rows, albums with tracks, artists with a discography.
    const char* counts[] = { ": 3", ": 3", ": 3", ": 2", ": 2", ": 1" };
    for (int i = 0; i < kStatisticsCountCount; ++i)
        EXPECT_TRUE(stat(window, i).endsWith(QLatin1String(counts[i])))
            << i << ": " << stat(window, i).toStdString();
    EXPECT_EQ(childOf<QLabel>(&window, "imgLogo")->toolTip(), QStringLiteral("2 playlists"));
    const qint64 size = QFileInfo(db.path()).size();
    EXPECT_TRUE(text(window, "lblGrootte").endsWith(QStringLiteral(": %1 Kbyte").arg(kbyteRounded(size))));

    const int closed = window.width();
    qtkit::clickButton(&window, "cmdMeer");
    EXPECT_TRUE(window.chartOpen());
    const QStringList shown { text(window, "lblArtiest_0"), text(window, "lblArtiest_1"),
        text(window, "lblArtiest_2") };
    EXPECT_EQ(shown, (QStringList { "(2) - Abba", "(1) - Queen", "" }));
    EXPECT_EQ(barWidth(window, 1), qRound(1000 / 15.0));
    const int open = window.width();
    EXPECT_GT(open, closed);
    qtkit::clickButton(&window, "cmdMeer");
    EXPECT_FALSE(window.chartOpen());
    EXPECT_EQ(window.width(), closed);

    // The third press only widens the window: the chart is not read again.
    for (int n = 0; n < 3; ++n)
        db.addAlbum(queen, QStringLiteral("Q%1").arg(n), 1990 + n);
    qtkit::clickButton(&window, "cmdMeer");
    EXPECT_EQ(window.width(), open);
    EXPECT_EQ(text(window, "lblArtiest_0"), QStringLiteral("(2) - Abba"));
    EXPECT_TRUE(prompts.reports.isEmpty());
}

TEST_F(StatistiekTest, EmptyCatalogueShowsZerosAndAnEmptyChart)
{
    StatistiekWindow window(home.session(), prompts);
    for (int i = 0; i < kStatisticsCountCount; ++i)
        EXPECT_TRUE(stat(window, i).endsWith(QStringLiteral(": 0"))) << i;
    // The place of the first artist keeps the note it has before the chart is read.
    const QString note = text(window, "lblArtiest_0");
    qtkit::clickButton(&window, "cmdMeer");
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    EXPECT_EQ(text(window, "lblArtiest_0"), note);
    EXPECT_EQ(barWidth(window, 0), 0);
}

TEST_F(StatistiekTest, MissingCatalogueIsReportedAndTheWindowStillOpens)
{
    home.session().settings.database = home.filePath(QStringLiteral("nowhere/Muziek.db"));
    StatistiekWindow window(home.session(), prompts);
    // Six counts, the playlists and the file size each report their own failure.
    EXPECT_EQ(prompts.reports.size(), 8);
    EXPECT_TRUE(prompts.reports.last().contains(QStringLiteral("Statistiek.Form_Load")));
    EXPECT_TRUE(stat(window, 0).endsWith(QLatin1Char(':'))) << "no count shown";
    EXPECT_EQ(text(window, "lblGrootte"), QString());

    qtkit::clickButton(&window, "cmdMeer");
    EXPECT_EQ(prompts.reports.size(), 9);
    EXPECT_TRUE(prompts.reports.last().contains(QStringLiteral("cmdMeer_Click")));
}

} // namespace
