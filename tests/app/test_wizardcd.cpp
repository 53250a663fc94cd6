// The CD import wizard end to end: disc images written by the tests, looked up on a CDDB
// server on 127.0.0.1 or in a local database folder, stored into a fresh catalogue.
#include "discovant/widgets/discovantwidget.h"
#include "import/ui/wizardcd.h"
#include "resources/languagetable.h"
#include "shell/session.h"
#include "support/fakecddb.h"
#include "support/fakeprompts.h"
#include "support/modalwindows.h"
#include "support/testcatalogue.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString english(int k)
{
    return languageText(LanguageBase::English, k);
}

class WizardCdTest : public ::testing::Test {
protected:
    QTemporaryDir home;
    QTemporaryDir images;
    TestCatalogue db;
    FakePrompts prompts;
    FakeCddbServer server;
    std::unique_ptr<Session> session;

    void SetUp() override
    {
        // The fake server is always reached directly, whatever proxy the machine sets.
        ::setenv("no_proxy", "127.0.0.1", 1);
        ::setenv("NO_PROXY", "127.0.0.1", 1);
        session = std::make_unique<Session>(home.path());
        session->settings.database = db.path();
        session->settings.taal = QStringLiteral("200");
        setLookup(server.address(), "jan@example.org", "");
    }

    void setLookup(const std::string& server, const std::string& email, const QString& folder)
    {
        session->ini().write(
            QStringLiteral("Discovant"), QStringLiteral("CDDBServer"), QString::fromStdString(server));
        session->ini().write(
            QStringLiteral("Discovant"), QStringLiteral("UserEmail"), QString::fromStdString(email));
        session->ini().write(QStringLiteral("Discovant"), QStringLiteral("CDDBFilePath"), folder);
    }

    // A disc image whose entry the server serves; returns its path.
    QString servedDisc(const QString& stem, const std::vector<int>& seconds, const TestEntry& entry)
    {
        const QString cue = writeCueImage(images.path(), stem, seconds);
        server.serve(identify(cue).discId, entry);
        return cue;
    }

    static TestEntry abbaEntry()
    {
        return { QStringLiteral("Abba"), QStringLiteral("Arrival"), QStringLiteral("1976"),
            { QStringLiteral("When I Kissed the Teacher"), QString(), QStringLiteral("Dancing Queen") } };
    }

    qint64 count(const char* table) const
    {
        return scalarRaw(db.path(), QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table)));
    }

    // Runs the collect step on `image`; the wizard is returned for the next step.
    std::unique_ptr<WizardCD> collect(const QString& image)
    {
        auto wizard = std::make_unique<WizardCD>(*session, prompts);
        childOf<QComboBox>(wizard.get(), "cboDrive")->setEditText(image);
        childOf<QPushButton>(wizard.get(), "cmdOK")->click();
        return wizard;
    }
    static QString step(const WizardCD& wizard)
    {
        return childOf<QPushButton>(&wizard, "cmdOK")->property("tag").toString();
    }
    static QString label(const WizardCD& wizard, const char* name)
    {
        return childOf<QLabel>(&wizard, name)->text();
    }
};

TEST_F(WizardCdTest, ImportsADiscAndRefusesItTheSecondTime)
{
    const QString cue = servedDisc("arrival", { 4, 5, 6 }, abbaEntry());
    const std::string discId = identify(cue).discId;

    auto wizard = collect(cue);
    EXPECT_TRUE(prompts.boxes.isEmpty());
    ASSERT_EQ(step(*wizard), "2");
    EXPECT_EQ(childOf<QComboBox>(wizard.get(), "cboArtiest")->currentText(), "Abba");
    EXPECT_EQ(label(*wizard, "lblAlbum"), "Title: Arrival");
    EXPECT_EQ(label(*wizard, "lblTracks"), "Tracks: 3");
    EXPECT_EQ(label(*wizard, "lblStatus"), english(45));
    EXPECT_EQ(childOf<QPushButton>(wizard.get(), "cmdOK")->text(), english(32));
    EXPECT_FALSE(childOf<QGroupBox>(wizard.get(), "fraImport")->isHidden());

    QSignalSpy imported(wizard.get(), &WizardCD::imported);
    childOf<QPushButton>(wizard.get(), "cmdOK")->click();
    EXPECT_EQ(imported.count(), 1);
    EXPECT_EQ(label(*wizard, "lblStatus"), english(49));
    EXPECT_EQ(step(*wizard), "9");
    EXPECT_EQ(childOf<QPushButton>(wizard.get(), "cmdOK")->text(), english(12));
    EXPECT_TRUE(childOf<QPushButton>(wizard.get(), "cmdAnnuleren")->isHidden());
    EXPECT_TRUE(prompts.reports.isEmpty());

    auto album = db.catalogue().OpenRecordset(
        "SELECT Artiest.Artiest, Titel.Titel, Titel.CDid, Titel.Jaar, Titel.Drager, Titel.Lengte, "
        "Titel.datum_lamu IS NOT NULL, Titel.Id FROM Titel JOIN Artiest ON Artiest.Id = Titel.ArtiestId");
    ASSERT_TRUE(album.ok());
    ASSERT_EQ(album.value().rows.size(), 1);
    const QVariantList row = album.value().rows.first();
    EXPECT_EQ(row.at(0).toString(), "Abba");
    EXPECT_EQ(row.at(1).toString(), "Arrival");
    EXPECT_EQ(row.at(2).toString(), QString::fromStdString(discId));
    EXPECT_EQ(row.at(3).toLongLong(), 1976);
    EXPECT_EQ(row.at(4).toString(), "CD");
    EXPECT_EQ(row.at(5).toString(), "0:17"); // 15 seconds of music after the 2-second lead-in
    EXPECT_EQ(row.at(6).toLongLong(), 1);
    EXPECT_EQ(wizard->importedTitleId(), row.at(7).toLongLong());

    // The track without a name gets no row; the others keep their numbers on the disc.
    auto tracks = db.catalogue().OpenRecordset("SELECT Nummer, Naam, Lengte FROM Tracks ORDER BY Nummer");
    ASSERT_TRUE(tracks.ok());
    ASSERT_EQ(tracks.value().rows.size(), 2);
    EXPECT_EQ(tracks.value().rows[0], (QVariantList { 1, "When I Kissed the Teacher", "0:04" }));
    EXPECT_EQ(tracks.value().rows[1], (QVariantList { 3, "Dancing Queen", "0:06" }));

    // The same disc again: reported on the window, nothing written.
    auto again = collect(cue);
    childOf<QPushButton>(again.get(), "cmdOK")->click();
    EXPECT_EQ(label(*again, "lblStatus"), english(47));
    EXPECT_EQ(label(*again, "lblToelichting"), "Title: Arrival");
    EXPECT_EQ(label(*again, "lblExtra"), english(48));
    EXPECT_EQ(step(*again), "9");
    EXPECT_EQ(count("Artiest"), 1);
    EXPECT_EQ(count("Titel"), 1);
    EXPECT_EQ(count("Tracks"), 2);
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(WizardCdTest, ArtistIsReusedByNameOrListChoiceAndOnlyANewOneTakesTheEditedText)
{
    const qint64 abba = db.addArtist(QStringLiteral("ABBA"));
    const qint64 other = db.addArtist(QStringLiteral("Various"));

    // The fetched name equals a catalogued one (letter case aside): no new artist.
    auto first = collect(servedDisc("one", { 4 }, abbaEntry()));
    childOf<QComboBox>(first.get(), "cboArtiest")->setEditText(QStringLiteral("Edited"));
    childOf<QPushButton>(first.get(), "cmdOK")->click();
    EXPECT_EQ(scalarRaw(db.path(), "SELECT ArtiestId FROM Titel ORDER BY Id DESC LIMIT 1"), abba);

    // A list choice wins over the fetched name.
    auto second = collect(servedDisc("two", { 5 }, abbaEntry()));
    auto* artists = childOf<QComboBox>(second.get(), "cboArtiest");
    artists->setCurrentIndex(artists->findText(QStringLiteral("Various")));
    childOf<QPushButton>(second.get(), "cmdOK")->click();
    EXPECT_EQ(scalarRaw(db.path(), "SELECT ArtiestId FROM Titel ORDER BY Id DESC LIMIT 1"), other);

    // An unknown artist is created under the text the user left.
    TestEntry unknown = abbaEntry();
    unknown.artist = QStringLiteral("Agnetha");
    auto third = collect(servedDisc("three", { 6 }, unknown));
    childOf<QComboBox>(third.get(), "cboArtiest")->setEditText(QStringLiteral("Agnetha Fältskog"));
    childOf<QPushButton>(third.get(), "cmdOK")->click();
    EXPECT_EQ(count("Artiest"), 3);
    EXPECT_EQ(
        scalarRaw(db.path(),
            "SELECT COUNT(*) FROM Artiest WHERE Artiest = 'Agnetha Fältskog' AND datum_init IS NOT NULL"),
        1);
    EXPECT_EQ(count("Titel"), 3);
}

TEST_F(WizardCdTest, ImportsFromALocalDatabaseFolderWithoutAServer)
{
    QTemporaryDir local;
    const QString cue = writeCueImage(images.path(), "local", { 4, 4 });
    writeLocalEntry(local.path(), identify(cue).discId,
        { QStringLiteral("Kraftwerk"), QStringLiteral("Autobahn"), QStringLiteral("1974"),
            { QStringLiteral("Autobahn"), QStringLiteral("Kometenmelodie 1") } });
    // No e-mail address and a server that does not exist: the folder is enough.
    setLookup("127.0.0.1:1", "", local.path());

    auto wizard = collect(cue);
    EXPECT_TRUE(prompts.boxes.isEmpty());
    childOf<QPushButton>(wizard.get(), "cmdOK")->click();
    EXPECT_EQ(scalarRaw(db.path(), "SELECT COUNT(*) FROM Titel WHERE Titel = 'Autobahn' AND Jaar = 1974"), 1);
    EXPECT_EQ(count("Tracks"), 2);
    EXPECT_TRUE(server.targets().empty());
}

TEST_F(WizardCdTest, FirstLookupWithoutAnAddressAsksForItAndKeepsItInTheSettings)
{
    setLookup(server.address(), "", "");
    const QString cue = servedDisc("ask", { 4 }, abbaEntry());

    // Cancelled: no lookup, no message, still collecting. The question comes with the normal
    // pointer.
    bool busyWhileAsking = true;
    onNextModal("CdLookup", [&busyWhileAsking](QWidget* dialog) {
        busyWhileAsking = QApplication::overrideCursor() != nullptr;
        childOf<QPushButton>(dialog, "cmdAnnuleren")->click();
    });
    auto cancelled = collect(cue);
    EXPECT_EQ(step(*cancelled), "1");
    EXPECT_FALSE(busyWhileAsking);
    EXPECT_TRUE(prompts.boxes.isEmpty());
    EXPECT_TRUE(server.targets().empty());

    // Not an address: the window says so and stays; then a good one goes through.
    onNextModal("CdLookup", [](QWidget* dialog) {
        childOf<QLineEdit>(dialog, "txtEmail")->setText(QStringLiteral("no address"));
        childOf<QPushButton>(dialog, "cmdOK")->click();
        childOf<QLineEdit>(dialog, "txtEmail")->setText(QStringLiteral(" piet@example.org "));
        childOf<QPushButton>(dialog, "cmdOK")->click();
    });
    auto wizard = collect(cue);
    EXPECT_EQ(step(*wizard), "2");
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_TRUE(prompts.boxes[0].prompt.contains("not an e-mail address"));
    ASSERT_FALSE(server.targets().empty());
    EXPECT_NE(server.targets().front().find("hello=piet+example.org"), std::string::npos);
    EXPECT_EQ(session->ini().read("Discovant", "UserEmail", ""), "piet@example.org");
}

TEST_F(WizardCdTest, UnreadableDiscsAndFailedLookupsStayInTheFirstStep)
{
    // No drive at all, and a file that is no disc image: message 50.
    for (const QString& drive : { QString(), home.filePath("Melotheek.ini") }) {
        prompts.boxes.clear();
        auto wizard = collect(drive);
        EXPECT_EQ(step(*wizard), "1");
        ASSERT_EQ(prompts.boxes.size(), 1);
        EXPECT_EQ(prompts.boxes[0].prompt, english(50));
        EXPECT_EQ(prompts.boxes[0].title, english(52));
        EXPECT_EQ(prompts.boxes[0].buttons, 48);
    }

    // Unknown disc: message 51.
    const QString cue = writeCueImage(images.path(), "unknown", { 4 });
    prompts.boxes.clear();
    auto unknown = collect(cue);
    EXPECT_EQ(step(*unknown), "1");
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].prompt, english(51));

    // A server that cannot be reached raises ProtocolError: message 51 says why.
    setLookup("127.0.0.1:1", "jan@example.org", "");
    prompts.boxes.clear();
    auto unreachable = collect(cue);
    EXPECT_EQ(step(*unreachable), "1");
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_TRUE(prompts.boxes[0].prompt.startsWith(english(51) + "\n\n7: "))
        << prompts.boxes[0].prompt.toStdString();
    EXPECT_EQ(count("Titel"), 0);
    EXPECT_EQ(count("Artiest"), 0);
}

TEST_F(WizardCdTest, LongNamesQuotesAndOtherScriptsAndNinetyNineTracks)
{
    const QString longName = QStringLiteral("Ωδή \"quoted\" it's ") + QString(300, QChar(0x0416));
    TestEntry entry { QStringLiteral("Guns N' Roses & Кино"), longName, QStringLiteral("199x"), {} };
    for (int i = 1; i <= 99; ++i)
        entry.trackNames << QStringLiteral("%1 '%2' ").arg(i).arg(longName);
    const QString cue = servedDisc("long", std::vector<int>(99, 1), entry);

    auto wizard = collect(cue);
    EXPECT_EQ(label(*wizard, "lblTracks"), "Tracks: 99");
    childOf<QPushButton>(wizard.get(), "cmdOK")->click();
    EXPECT_TRUE(prompts.reports.isEmpty());

    auto album = db.catalogue().OpenRecordset("SELECT Artiest.Artiest, Titel, Jaar FROM Titel JOIN Artiest "
                                              "ON Artiest.Id = Titel.ArtiestId");
    ASSERT_TRUE(album.ok());
    ASSERT_EQ(album.value().rows.size(), 1);
    EXPECT_EQ(album.value().rows[0].at(0).toString(), "Guns N' Roses & Кино");
    EXPECT_EQ(album.value().rows[0].at(1).toString(), longName.left(50));
    EXPECT_TRUE(album.value().rows[0].at(2).isNull()); // "199x" is no year
    auto names = db.catalogue().OpenRecordset("SELECT Nummer, Naam FROM Tracks ORDER BY Nummer");
    ASSERT_TRUE(names.ok());
    ASSERT_EQ(names.value().rows.size(), 99);
    EXPECT_EQ(names.value().rows[98].at(0).toLongLong(), 99);
    EXPECT_EQ(names.value().rows[98].at(1).toString(), QStringLiteral("99 '%1").arg(longName).left(50));

    // The artist name with a quote is found again for the next disc.
    auto next = collect(servedDisc("next", { 3 }, entry));
    childOf<QPushButton>(next.get(), "cmdOK")->click();
    EXPECT_EQ(count("Artiest"), 1);
}

TEST_F(WizardCdTest, AFailurePartWayStoresNothingAndCanBeRetried)
{
    const QString cue = servedDisc("fail", { 4, 4, 4 },
        { QStringLiteral("New Artist"), QStringLiteral("Album"), QStringLiteral("2001"),
            { QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") } });
    QString error;
    ASSERT_TRUE(execRaw(db.path(),
        "CREATE TRIGGER refuse AFTER INSERT ON Tracks WHEN new.Nummer = 3 BEGIN SELECT RAISE(ABORT, 'disk "
        "full'); END",
        &error))
        << error.toStdString();

    auto wizard = collect(cue);
    childOf<QPushButton>(wizard.get(), "cmdOK")->click();
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains("disk full"));
    EXPECT_TRUE(prompts.reports[0].contains("WizardCD.cmdOK_Click"));
    EXPECT_EQ(count("Artiest"), 0);
    EXPECT_EQ(count("Titel"), 0);
    EXPECT_EQ(count("Tracks"), 0);
    EXPECT_EQ(step(*wizard), "2");

    ASSERT_TRUE(execRaw(db.path(), "DROP TRIGGER refuse"));
    childOf<QPushButton>(wizard.get(), "cmdOK")->click();
    EXPECT_EQ(step(*wizard), "9");
    EXPECT_EQ(count("Artiest"), 1);
    EXPECT_EQ(count("Tracks"), 3);
}

TEST_F(WizardCdTest, SeveralMatchesOpenTheChooserWhenTheFirstIsNotTakenByItself)
{
    const QString cue = servedDisc("several", { 4 }, abbaEntry());
    server.alsoList("jazz 12345678 Abba / Arrival (Deluxe)");

    auto wizard = std::make_unique<WizardCD>(*session, prompts);
    wizard->discovant().core().setUseFirstMatch(false);
    childOf<QComboBox>(wizard.get(), "cboDrive")->setEditText(cue);
    QStringList shown;
    bool busyWhileChoosing = true;
    onNextModal("frmFuzzyMatch", [&shown, &busyWhileChoosing](QWidget* chooser) {
        busyWhileChoosing = QApplication::overrideCursor() != nullptr;
        auto* list = childOf<QListWidget>(chooser, "lstList");
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        list->setCurrentRow(1);
        childOf<QPushButton>(chooser, "cmdSelect")->click();
    });
    childOf<QPushButton>(wizard.get(), "cmdOK")->click();
    EXPECT_EQ(shown, (QStringList { "Abba / Arrival", "Abba / Arrival (Deluxe)" }));
    // The user chooses with the normal pointer; the hourglass is gone after the lookup.
    EXPECT_FALSE(busyWhileChoosing);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_FALSE(server.targets().empty());
    EXPECT_NE(server.targets().back().find("cddb+read+jazz+12345678"), std::string::npos);
    EXPECT_EQ(step(*wizard), "2");
}

} // namespace
