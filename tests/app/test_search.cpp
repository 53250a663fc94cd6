// Track and album search: how names match (letter case in every script, quotes, "%" and "_"
// as plain characters) and the search window driven through its controls.
#include "db/textsearch.h"
#include "import/tracksearch.h"
#include "import/ui/wizardtrack.h"
#include "qtkit/modal.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The values of one column of the hits.
QStringList column(const Recordset& rows, int c)
{
    QStringList out;
    for (const QVariantList& row : rows.rows)
        out << row.value(c).toString();
    return out;
}

class SearchTest : public ::testing::Test {
protected:
    TestHome home;
    TestCatalogue& db = home.db();

    void SetUp() override
    {
        const qint64 beyonce = db.addArtist("Beyoncé");
        const qint64 abba = db.addArtist("Abba");
        const qint64 fleetwood = db.addArtist("Fleetwood Mac");
        const qint64 selftitled = db.addAlbum(beyonce, "BEYONCÉ", 2013, { { "Drager", "CD" } });
        const qint64 lemonade = db.addAlbum(beyonce, "Lemonade", 2016, { { "Drager", "LP" } });
        const qint64 arrival = db.addAlbum(abba, "Arrival", 1976);
        const qint64 rumours = db.addAlbum(fleetwood, "Rumours", 1977, { { "Drager", "CD" } });
        const qint64 live = db.addAlbum(abba, "100% Live", 1979);
        db.addAlbum(abba, QVariant(), 1980);
        db.addTrack(selftitled, 1, "Pretty Hurts");
        db.addTrack(selftitled, 2, "Beyoncé Interlude");
        db.addTrack(lemonade, 1, "Pray You Catch Me");
        db.addTrack(arrival, 1, "Dancing Queen");
        db.addTrack(arrival, 2, "Why Did It Have to Be Me?");
        db.addTrack(rumours, 1, "Don't Stop");
        db.addTrack(rumours, 2, "Dreams");
        // The Kelvin sign's folded form is the plain letter k.
        int number = 0;
        for (const QString& name : { QStringLiteral("100% Pure Love"), QStringLiteral("1000 Pure Love"),
                 QStringLiteral("Track_One"), QStringLiteral("TrackXOne"), QStringLiteral("ÆON ÉLAN ΣΟΦΙΑ"),
                 QString(QChar(0x212A)) + "elvin", QStringLiteral("Kelvin") })
            db.addTrack(live, ++number, name);
    }

    QStringList tracks(const QString& term) const
    {
        auto found = findTracks(db.catalogue(), term, "Artist", "Year", "Title");
        EXPECT_TRUE(found.ok()) << found.error().text.toStdString();
        return found.ok() ? column(found.value(), 3) : QStringList();
    }
    QStringList albums(const QString& term) const
    {
        auto found = findAlbums(db.catalogue(), term, "Artist", "Year", "Format");
        EXPECT_TRUE(found.ok()) << found.error().text.toStdString();
        return found.ok() ? column(found.value(), 1) : QStringList();
    }
};

TEST_F(SearchTest, LetterCaseIsIgnoredInEveryScriptAndQuotesPercentAndUnderscoreAreJustCharacters)
{
    const std::pair<QString, QStringList> trackHits[] = { { "BEYONCÉ", { "Beyoncé Interlude" } },
        { "æon élan σοφια", { "ÆON ÉLAN ΣΟΦΙΑ" } },
        // Plain letters find names written with letters that fold to them, and back.
        { "KELVIN", { "Kelvin", QString(QChar(0x212A)) + "elvin" } },
        { QString(QChar(0x212A)) + "ELVIN", { "Kelvin", QString(QChar(0x212A)) + "elvin" } },
        // Letters with and without accents stay different letters.
        { "beyonce", {} }, { "don't", { "Don't Stop" } }, { "'", { "Don't Stop" } }, { "x' OR '1'='1", {} },
        { "\"", {} }, { "%", { "100% Pure Love" } }, { "_", { "Track_One" } }, { "k_o", { "Track_One" } } };
    for (const auto& [term, hits] : trackHits) { // hits sorted by code unit
        QStringList found = tracks(term);
        found.sort();
        EXPECT_EQ(found, hits) << term.toStdString();
    }
    EXPECT_EQ(albums(QStringLiteral("Beyoncé")), QStringList({ "BEYONCÉ" }));
    EXPECT_EQ(albums(QStringLiteral("100%")), QStringList({ "100% Live" }));
    EXPECT_TRUE(albums(QStringLiteral("%%")).isEmpty());
}

TEST_F(SearchTest, HitsComeInTheirOrderHeadedInTheLanguageGiven)
{
    // Stands in for a language: shows which message heads which column.
    const auto message = [](int k) { return QStringLiteral("m%1").arg(k); };

    auto found = searchCatalogue(db.catalogue(), SearchKind::Tracks, QStringLiteral("e"), message);
    ASSERT_TRUE(found.ok()) << found.error().text.toStdString();
    EXPECT_EQ(found.value().columns, QStringList({ "m20", "Album", "m18", "m17" }));
    const QStringList years = column(found.value(), 2);
    EXPECT_TRUE(std::is_sorted(years.begin(), years.end())) << years.join(' ').toStdString();
    EXPECT_EQ(years.first(), QStringLiteral("1976"));
    EXPECT_EQ(years.last(), QStringLiteral("2016"));

    found = searchCatalogue(db.catalogue(), SearchKind::Albums, QStringLiteral("r"), message);
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(found.value().columns, QStringList({ "m20", "Album", "m18", "m19" }));
    EXPECT_EQ(column(found.value(), 0), QStringList({ "Abba", "Fleetwood Mac" }));
    EXPECT_EQ(column(found.value(), 3), QStringList({ "", "CD" }));

    // A caption that is no bare SQL name still makes a column header.
    auto odd = findTracks(db.catalogue(), QStringLiteral("dreams"), "Art'ist", "Year ]\"", "Ti tle");
    ASSERT_TRUE(odd.ok()) << odd.error().text.toStdString();
    EXPECT_EQ(odd.value().columns, QStringList({ "Art'ist", "Album", "Year ]\"", "Ti tle" }));
}

class WizardTrackTest : public SearchTest {
protected:
    FakePrompts prompts;
    std::unique_ptr<WizardTrack> window;

    void SetUp() override
    {
        SearchTest::SetUp();
        window = std::make_unique<WizardTrack>(home.session(), prompts);
        window->show();
    }

    template <typename T> T* child(const char* name) const { return qtkit::childOf<T>(window.get(), name); }
    QTableView* grid() const { return child<QTableView>("fgTracks"); }
    void search(const QString& text)
    {
        child<QLineEdit>("txtCriterium")->setText(text);
        qtkit::clickButton(window.get(), "cmdOK");
    }
};

TEST_F(WizardTrackTest, HitsFillTheGridAndTheStepButtonThenCloses)
{
    EXPECT_FALSE(grid()->isVisible());
    const QString startCaption = child<QPushButton>("cmdOK")->text();
    search(QStringLiteral("  pure love "));
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    EXPECT_EQ(window->windowTitle(), resultCaption(SearchKind::Tracks, 2));
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_FALSE(child<QFrame>("fraImport")->isVisible());
    ASSERT_EQ(grid()->model()->rowCount(), 2);
    EXPECT_EQ(grid()->model()->index(1, 3).data().toString(), QStringLiteral("1000 Pure Love"));
    // The step button now closes the window, which takes the width of the grid's columns.
    EXPECT_NE(child<QPushButton>("cmdOK")->text(), startCaption);
    EXPECT_LE(grid()->geometry().right(), window->width());
    qtkit::clickButton(window.get(), "cmdOK");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

TEST_F(WizardTrackTest, NoHitsOrBlanksKeepTheWindowReadyForAnotherSearch)
{
    child<QRadioButton>("Option1_0")->setChecked(true);
    search(QStringLiteral("Pure Love"));
    EXPECT_EQ(window->windowTitle(), resultCaption(SearchKind::Albums, 0));
    EXPECT_TRUE(child<QFrame>("fraImport")->isVisible());
    EXPECT_FALSE(grid()->isVisible() || window->showsResults());
    search(QStringLiteral("   ")); // nothing happens
    EXPECT_EQ(window->windowTitle(), resultCaption(SearchKind::Albums, 0));
    EXPECT_TRUE(window->isVisible());

    // Enter runs the search.
    child<QRadioButton>("Option1_1")->setChecked(true);
    auto* criterium = child<QLineEdit>("txtCriterium");
    criterium->setText(QStringLiteral("don't"));
    QTest::keyClick(criterium, Qt::Key_Return);
    EXPECT_EQ(window->windowTitle(), resultCaption(SearchKind::Tracks, 1));
}

TEST_F(WizardTrackTest, FailedSearchIsReportedAndTheWindowStaysInSearchMode)
{
    home.session().settings.database = home.filePath(QStringLiteral("gone.db"));
    search(QStringLiteral("Dreams"));
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports.first().contains(QStringLiteral("WizardTrack.cmdOK_Click")));
    EXPECT_TRUE(child<QFrame>("fraImport")->isVisible());
    EXPECT_FALSE(window->showsResults());

    qtkit::clickButton(window.get(), "cmdAnnuleren");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
}

} // namespace
