// The statistics window: its counts, the file size, the playlists tool-tip and the top-twelve
// chart, on real catalogues.
#include "export/statistics.h"
#include "export/ui/statistiekwindow.h"
#include "resources/languagetable.h"
#include "shell/session.h"
#include "support/fakeprompts.h"
#include "support/testcatalogue.h"

#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(Statistics, KbyteRoundsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(kbyteRounded(0), 0);
    EXPECT_EQ(kbyteRounded(511), 0);
    EXPECT_EQ(kbyteRounded(512), 0);
    EXPECT_EQ(kbyteRounded(513), 1);
    EXPECT_EQ(kbyteRounded(1535), 1);
    EXPECT_EQ(kbyteRounded(1536), 2);
    EXPECT_EQ(kbyteRounded(2560), 2);
    EXPECT_EQ(kbyteRounded(2561), 3);
    EXPECT_EQ(kbyteRounded(3584), 4);
    EXPECT_EQ(kbyteRounded(2366464), 2311);
    EXPECT_EQ(kbyteRounded(qint64 { 5 } * 1024 * 1024 * 1024 + 512), qint64 { 5 } * 1024 * 1024);
}

TEST(Statistics, LabelsFollowTheLanguageExceptTheFixedOnes)
{
    const auto english = [](int k) { return Language(LanguageBase::English).text(k); };
    const auto dutch = [](int k) { return Language(LanguageBase::Dutch).text(k); };
    const QStringList inEnglish = { countLabel(0, english), countLabel(1, english), countLabel(2, english),
        countLabel(3, english), countLabel(4, english), countLabel(5, english) };
    EXPECT_EQ(
        inEnglish, QStringList({ "Artist:", "Album:", "Track:", "Discography:", ">>Album:", ">>Artist:" }));
    EXPECT_EQ(countLabel(0, dutch), QStringLiteral("Artiest:"));
    EXPECT_EQ(countLabel(1, dutch), QStringLiteral("Album:"));
    EXPECT_EQ(countLabel(3, dutch), QStringLiteral("Discografie:"));
    EXPECT_EQ(countLabel(5, dutch), QStringLiteral(">>Artiest:"));
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
    auto top = readTopTwelve(db.catalogue());
    ASSERT_TRUE(top.ok()) << top.error().text.toStdString();
    ASSERT_EQ(top.value().size(), 12);
    EXPECT_EQ(top.value().first().artist, QStringLiteral("Artist 13"));
    EXPECT_EQ(top.value().first().aantal, 14);

    // A catalogue whose query lists every artist (as one edited by hand might) still fills
    // only the twelve places.
    ASSERT_TRUE(execRaw(db.path(),
        "DROP VIEW qryTopTwaalf; CREATE VIEW qryTopTwaalf AS "
        "SELECT Artiest.Artiest AS Artiest, COUNT(*) AS Aantal FROM Artiest "
        "JOIN Titel ON Titel.ArtiestId = Artiest.Id GROUP BY Artiest.Id "
        "ORDER BY Aantal DESC"));
    top = readTopTwelve(db.catalogue());
    ASSERT_TRUE(top.ok());
    EXPECT_EQ(top.value().size(), 12);
}

class StatistiekTest : public ::testing::Test {
protected:
    QTemporaryDir home;
    TestCatalogue db;
    FakePrompts prompts;
    std::unique_ptr<Session> session;

    void SetUp() override
    {
        session = std::make_unique<Session>(home.path());
        session->settings.database = db.path();
        session->settings.taal = QStringLiteral("200");
    }

    template <typename T> static T* child(QWidget& window, const QString& name)
    {
        T* widget = window.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    static QString text(QWidget& window, const QString& name) { return child<QLabel>(window, name)->text(); }
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

    StatistiekWindow window(*session, prompts);
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    EXPECT_EQ(window.objectName(), QStringLiteral("Statistiek"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Statistics"));
    EXPECT_EQ(text(window, "lblStat_0"), QStringLiteral("Artist: 3"));
    EXPECT_EQ(text(window, "lblStat_1"), QStringLiteral("Album: 3"));
    EXPECT_EQ(text(window, "lblStat_2"), QStringLiteral("Track: 3"));
    EXPECT_EQ(text(window, "lblStat_3"), QStringLiteral("Discography: 2"));
    EXPECT_EQ(text(window, "lblStat_4"), QStringLiteral(">>Album: 2"));
    EXPECT_EQ(text(window, "lblStat_5"), QStringLiteral(">>Artist: 1"));
    EXPECT_EQ(child<QLabel>(window, "imgLogo")->toolTip(), QStringLiteral("2 playlists"));
    const qint64 size = QFileInfo(db.path()).size();
    EXPECT_EQ(text(window, "lblGrootte"), QStringLiteral("File: %1 Kbyte").arg(kbyteRounded(size)));
    EXPECT_EQ(window.width(), StatistiekWindow::closedWidthTwips / 15);
}

TEST_F(StatistiekTest, EmptyCatalogueShowsZerosAndAnEmptyChart)
{
    session->settings.taal = QStringLiteral("100");
    StatistiekWindow window(*session, prompts);
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Statistieken"));
    EXPECT_EQ(text(window, "lblStat_0"), QStringLiteral("Artiest: 0"));
    for (int i = 1; i < kStatisticsCountCount; ++i)
        EXPECT_TRUE(text(window, QStringLiteral("lblStat_%1").arg(i)).endsWith(QStringLiteral(": 0")));
    EXPECT_EQ(child<QLabel>(window, "imgLogo")->toolTip(), QStringLiteral("0 playlists"));
    EXPECT_TRUE(text(window, "lblGrootte").startsWith(QStringLiteral("Bestand: ")));

    child<QPushButton>(window, "cmdMeer")->click();
    EXPECT_TRUE(prompts.reports.isEmpty());
    EXPECT_EQ(text(window, "lblArtiest_0"), QStringLiteral("No albums in database !"));
    for (int i = 0; i < kChartPlaces; ++i)
        EXPECT_EQ(child<QFrame>(window, QStringLiteral("shpBar_%1").arg(i))->width(), 0) << i;
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

    StatistiekWindow window(*session, prompts);
    window.show();
    auto* more = child<QPushButton>(window, "cmdMeer");
    const int closed = window.width();
    EXPECT_EQ(more->text(), QStringLiteral(">"));
    EXPECT_EQ(text(window, "lblArtiest_0"), QStringLiteral("No albums in database !"));

    more->click();
    EXPECT_EQ(more->text(), QStringLiteral("<"));
    EXPECT_TRUE(window.chartOpen());
    EXPECT_EQ(text(window, "lblArtiest_0"), QStringLiteral("(4) - Abba"));
    EXPECT_EQ(text(window, "lblArtiest_1"), QStringLiteral("(2) - Toto"));
    EXPECT_EQ(text(window, "lblArtiest_2"), QString());
    auto* first = child<QFrame>(window, "shpBar_0");
    auto* second = child<QFrame>(window, "shpBar_1");
    EXPECT_EQ(first->property("tag").toString(), QStringLiteral("4"));
    EXPECT_EQ(first->width(), qRound(2000 / 15.0));
    EXPECT_EQ(second->width(), qRound(1000 / 15.0));
    EXPECT_EQ(child<QFrame>(window, "shpBar_2")->width(), 0);
    // Every label stands right of its bar and inside the widened window.
    auto* chart = child<QFrame>(window, "fraTop");
    for (int i = 0; i < 2; ++i) {
        auto* label = child<QLabel>(window, QStringLiteral("lblArtiest_%1").arg(i));
        auto* bar = child<QFrame>(window, QStringLiteral("shpBar_%1").arg(i));
        EXPECT_GT(label->x(), bar->geometry().right());
        EXPECT_LE(label->geometry().right(), chart->width());
    }
    EXPECT_LE(chart->geometry().right(), window.width());
    const int open = window.width();
    EXPECT_EQ(open, qRound(window.openWidthTwips() / 15.0));
    EXPECT_GT(open, closed);

    more->click();
    EXPECT_EQ(more->text(), QStringLiteral(">"));
    EXPECT_EQ(window.width(), StatistiekWindow::closedWidthTwips / 15);

    // The third press only widens the window: the chart is not read again.
    db.addAlbum(toto, QStringLiteral("T2"), 1990);
    db.addAlbum(toto, QStringLiteral("T3"), 1991);
    db.addAlbum(toto, QStringLiteral("T4"), 1992);
    more->click();
    EXPECT_EQ(window.width(), open);
    EXPECT_EQ(text(window, "lblArtiest_0"), QStringLiteral("(4) - Abba"));
    EXPECT_TRUE(prompts.reports.isEmpty());
}

TEST_F(StatistiekTest, MissingCatalogueIsReportedAndTheWindowStillOpens)
{
    session->settings.database = home.filePath(QStringLiteral("nowhere/Muziek.db"));
    StatistiekWindow window(*session, prompts);
    // Six counts, the playlists and the file size each report their own failure.
    EXPECT_EQ(prompts.reports.size(), 8);
    EXPECT_TRUE(prompts.reports.last().contains(QStringLiteral("Statistiek.Form_Load")));
    EXPECT_EQ(text(window, "lblStat_0"), QStringLiteral("Artist:"));
    EXPECT_EQ(text(window, "lblGrootte"), QString());

    child<QPushButton>(window, "cmdMeer")->click();
    EXPECT_EQ(prompts.reports.size(), 9);
    EXPECT_TRUE(prompts.reports.last().contains(QStringLiteral("cmdMeer_Click")));
    EXPECT_EQ(text(window, "lblArtiest_0"), QStringLiteral("No albums in database !"));
}

} // namespace
