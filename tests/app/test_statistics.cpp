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

namespace {

using qtkit::childOf;

TEST(Statistics, KbyteRoundsHalvesToTheEvenNeighbour)
{
    const std::pair<qint64, qint64> sizes[] = { { 0, 0 }, { 511, 0 }, { 512, 0 }, { 513, 1 }, { 1535, 1 },
        { 1536, 2 }, { 2560, 2 }, { 2561, 3 }, { 3584, 4 }, { 2366464, 2311 },
        { qint64 { 5 } * 1024 * 1024 * 1024 + 512, qint64 { 5 } * 1024 * 1024 } };
    for (const auto& [bytes, kbyte] : sizes)
        EXPECT_EQ(kbyteRounded(bytes), kbyte) << bytes;
}

TEST(Statistics, BarsAreInProportionToTheLargestCount)
{
    const auto bars = barTwips({ { "Abba", 25 }, { "Queen", 12 }, { "Toto", 5 } });
    EXPECT_EQ(bars[0], 2000);
    EXPECT_EQ(bars[1], 960);
    EXPECT_EQ(bars[2], 400);
    for (int i = 3; i < kChartPlaces; ++i)
        EXPECT_EQ(bars[i], 0);
    EXPECT_EQ(barTwips({ { "A", 10 }, { "B", 5 } })[1], 1000);
    EXPECT_EQ(barTwips({ { "A", 3 }, { "B", 1 } })[1], 667);

    for (int length : barTwips({}))
        EXPECT_EQ(length, 0);
    EXPECT_EQ(chartLabel({ QStringLiteral("Abba"), 25 }), QStringLiteral("(25) - Abba"));
    EXPECT_EQ(chartLabel({ QStringLiteral("%1 %2"), 3 }), QStringLiteral("(3) - %1 %2"));
}

TEST(Statistics, TopTwelveNeverGivesMoreThanTwelvePlaces)
{
    TestCatalogue db;
    for (int a = 0; a < 14; ++a) {
        const qint64 artist = db.addArtist(QStringLiteral("Artist %1").arg(a, 2, 10, QLatin1Char('0')));
        for (int n = 0; n <= a; ++n)
            db.addAlbum(artist, QStringLiteral("Album %1").arg(n), 2000);
    }
    // A catalogue whose query lists every artist (as one edited by hand might) still fills
    // only the twelve places.
    ASSERT_TRUE(execRaw(db.path(),
        "DROP VIEW qryTopTwaalf; CREATE VIEW qryTopTwaalf AS "
        "SELECT Artiest.Artiest AS Artiest, COUNT(*) AS Aantal FROM Artiest "
        "JOIN Titel ON Titel.ArtiestId = Artiest.Id GROUP BY Artiest.Id "
        "ORDER BY Aantal DESC"));
    const auto top = readTopTwelve(db.catalogue());
    ASSERT_TRUE(top.ok()) << top.error().text.toStdString();
    ASSERT_EQ(top.value().size(), 12);
    EXPECT_EQ(top.value().first().artist, QStringLiteral("Artist 13"));
    EXPECT_EQ(top.value().first().aantal, 14);
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

TEST_F(StatistiekTest, ShowsTheCountsTheFileSizeAndThePlaylists)
{
    const qint64 abba = db.addArtist(QStringLiteral("Abba"));
    const qint64 queen = db.addArtist(QStringLiteral("Queen"));
    db.addArtist(QStringLiteral("Toto"));
    const qint64 arrival
        = db.addAlbum(abba, QStringLiteral("Arrival"), 1976, { { QStringLiteral("Playlist"), true } });
    db.addAlbum(abba, QStringLiteral("Voulez-Vous"), 1979, { { QStringLiteral("Playlist"), true } });
    const qint64 opera = db.addAlbum(queen, QStringLiteral("A Night at the Opera"), 1975);
    db.addTrack(arrival, 1, QStringLiteral("When I Kissed the Teacher"));
    db.addTrack(arrival, 2, QStringLiteral("Dancing Queen"));
    db.addTrack(opera, 1, QStringLiteral("Death on Two Legs"));
    db.addDiscography(queen, QStringLiteral("Queen"), 1973);
    db.addDiscography(queen, QStringLiteral("Queen II"), 1974);

    StatistiekWindow window(home.session(), prompts);
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    // Artists, albums, tracks, discography rows, albums with tracks, artists with a discography.
    const char* counts[] = { ": 3", ": 3", ": 3", ": 2", ": 2", ": 1" };
    for (int i = 0; i < kStatisticsCountCount; ++i)
        EXPECT_TRUE(stat(window, i).endsWith(QLatin1String(counts[i])))
            << i << ": " << stat(window, i).toStdString();
    EXPECT_EQ(childOf<QLabel>(&window, "imgLogo")->toolTip(), QStringLiteral("2 playlists"));
    const qint64 size = QFileInfo(db.path()).size();
    EXPECT_TRUE(text(window, "lblGrootte").endsWith(QStringLiteral(": %1 Kbyte").arg(kbyteRounded(size))));
    EXPECT_EQ(window.width(), StatistiekWindow::closedWidthTwips / 15);
}

TEST_F(StatistiekTest, EmptyCatalogueShowsZerosAndAnEmptyChart)
{
    StatistiekWindow window(home.session(), prompts);
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    for (int i = 0; i < kStatisticsCountCount; ++i)
        EXPECT_TRUE(stat(window, i).endsWith(QStringLiteral(": 0"))) << i;
    EXPECT_EQ(childOf<QLabel>(&window, "imgLogo")->toolTip(), QStringLiteral("0 playlists"));

    qtkit::clickButton(&window, "cmdMeer");
    EXPECT_TRUE(prompts.reports.isEmpty());
    EXPECT_EQ(text(window, "lblArtiest_0"), QStringLiteral("No albums in database !"));
    for (int i = 0; i < kChartPlaces; ++i)
        EXPECT_EQ(barWidth(window, i), 0) << i;
    EXPECT_GT(window.width(), StatistiekWindow::closedWidthTwips / 15);
}

TEST_F(StatistiekTest, ChartIsBuiltOnceAndToggled)
{
    const qint64 abba = db.addArtist(QStringLiteral("Abba"));
    const qint64 toto = db.addArtist(QStringLiteral("Toto"));
    for (int n = 0; n < 4; ++n)
        db.addAlbum(abba, QStringLiteral("A%1").arg(n), 1975 + n);
    for (int n = 0; n < 2; ++n)
        db.addAlbum(toto, QStringLiteral("T%1").arg(n), 1980 + n);

    StatistiekWindow window(home.session(), prompts);
    window.show();
    auto* more = childOf<QPushButton>(&window, "cmdMeer");
    const QString placeholder = text(window, "lblArtiest_0");
    const int closed = window.width();

    more->click();
    EXPECT_TRUE(window.chartOpen());
    EXPECT_EQ(text(window, "lblArtiest_0"), QStringLiteral("(4) - Abba"));
    EXPECT_EQ(text(window, "lblArtiest_1"), QStringLiteral("(2) - Toto"));
    EXPECT_EQ(text(window, "lblArtiest_2"), QString());
    EXPECT_EQ(childOf<QFrame>(&window, "shpBar_0")->property("tag").toString(), QStringLiteral("4"));
    EXPECT_EQ(barWidth(window, 0), qRound(2000 / 15.0));
    EXPECT_EQ(barWidth(window, 1), qRound(1000 / 15.0));
    EXPECT_EQ(barWidth(window, 2), 0);
    // Every label stands right of its bar and inside the widened window.
    auto* chart = childOf<QFrame>(&window, "fraTop");
    for (int i = 0; i < 2; ++i) {
        auto* label = childOf<QLabel>(&window, QStringLiteral("lblArtiest_%1").arg(i).toLatin1().constData());
        auto* bar = childOf<QFrame>(&window, QStringLiteral("shpBar_%1").arg(i).toLatin1().constData());
        EXPECT_GT(label->x(), bar->geometry().right());
        EXPECT_LE(label->geometry().right(), chart->width());
    }
    EXPECT_LE(chart->geometry().right(), window.width());
    const int open = window.width();
    EXPECT_EQ(open, qRound(window.openWidthTwips() / 15.0));
    EXPECT_GT(open, closed);

    more->click();
    EXPECT_FALSE(window.chartOpen());
    EXPECT_EQ(window.width(), closed);

    // The third press only widens the window: the chart is not read again.
    for (int n = 2; n < 5; ++n)
        db.addAlbum(toto, QStringLiteral("T%1").arg(n), 1990 + n);
    more->click();
    EXPECT_EQ(window.width(), open);
    EXPECT_EQ(text(window, "lblArtiest_0"), QStringLiteral("(4) - Abba"));
    EXPECT_NE(placeholder, text(window, "lblArtiest_0"));
    EXPECT_TRUE(prompts.reports.isEmpty());
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
