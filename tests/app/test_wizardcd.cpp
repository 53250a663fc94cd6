// The CD import wizard end to end: disc images written by the tests, looked up on a CDDB
// server on 127.0.0.1, in a local database folder or on MusicBrainz (with the cover from a
// fake Cover Art Archive), stored into a fresh catalogue; the lookup runs off the window
// thread behind the progress window, which Cancel ends quietly, with the program name and
// level the "CD lookup" window sets.
#include "discovant/widgets/discovantwidget.h"
#include "import/ui/cdlookupdialog.h"
#include "import/ui/wizardcd.h"
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "support/discidentity.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"
#include "testkit/discimage.h"
#include "testkit/fakeserver.h"
#include "testkit/musicbrainzanswers.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

using qtkit::childOf;
using testkit::DiscEntry;

class WizardCdTest : public ::testing::Test {
protected:
    TestHome home;
    TestCatalogue& db = home.db();
    Session& session = home.session();
    FakePrompts prompts;
    testkit::FakeCddbServer server;
    const std::filesystem::path images = home.filePath(QStringLiteral("Images")).toStdString();

    void SetUp() override { setLookup(server.address(), "jan@example.org", ""); }

    void setLookup(const std::string& address, const std::string& email, const QString& folder)
    {
        IniFile& ini = home.session().ini();
        ini.write(QStringLiteral("Discovant"), QStringLiteral("CDDBServer"), QString::fromStdString(address));
        ini.write(QStringLiteral("Discovant"), QStringLiteral("UserEmail"), QString::fromStdString(email));
        ini.write(QStringLiteral("Discovant"), QStringLiteral("CDDBFilePath"), folder);
    }
    std::string lastTarget() const { return server.targets().empty() ? "" : server.targets().back(); }

    // A disc image whose entry the server serves; returns its path.
    QString servedDisc(const std::string& stem, const std::vector<int>& seconds, const DiscEntry& entry)
    {
        const auto cue = testkit::writeAudioDisc(images, stem, seconds);
        server.serve(discIdOf(cue), entry);
        return imagePath(cue);
    }

    static DiscEntry abbaEntry()
    {
        return { "Abba", "Arrival", "1976", { "When I Kissed the Teacher", "", "Dancing Queen" } };
    }

    QList<QVariantList> rows(const QString& sql) const
    {
        const auto result = db.catalogue().OpenRecordset(sql);
        EXPECT_TRUE(result.ok()) << sql.toStdString();
        return result.valueOr({}).rows;
    }
    qint64 count(const char* table) const
    {
        return scalarRaw(db.path(), QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table)));
    }

    // Runs the collect step on `image`; the wizard is returned for the next step.
    std::unique_ptr<WizardCD> collect(const QString& image)
    {
        auto wizard = std::make_unique<WizardCD>(session, prompts);
        childOf<QComboBox>(wizard.get(), "cboDrive")->setEditText(image);
        qtkit::clickButton(wizard.get(), "cmdOK");
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
    const std::string discId = discIdOf(cue.toStdString());

    auto wizard = collect(cue);
    EXPECT_TRUE(prompts.boxes.isEmpty());
    ASSERT_EQ(step(*wizard), "2");
    EXPECT_EQ(childOf<QComboBox>(wizard.get(), "cboArtiest")->currentText(), "Abba");

    QSignalSpy imported(wizard.get(), &WizardCD::imported);
    qtkit::clickButton(wizard.get(), "cmdOK");
    EXPECT_EQ(imported.count(), 1);
    EXPECT_EQ(step(*wizard), "9");
    EXPECT_TRUE(prompts.reports.isEmpty());

    const auto album = rows(
        "SELECT Artiest.Artiest, Titel.Titel, Titel.CDid, Titel.Jaar, Titel.Drager, Titel.Lengte, "
        "Titel.datum_lamu IS NOT NULL, Titel.Id FROM Titel JOIN Artiest ON Artiest.Id = Titel.ArtiestId");
    ASSERT_EQ(album.size(), 1);
    // The length is the 15 seconds of music after the 2-second lead-in.
    EXPECT_EQ(album[0].mid(0, 7),
        (QVariantList { "Abba", "Arrival", QString::fromStdString(discId), 1976, "CD", "0:17", 1 }));
    EXPECT_EQ(wizard->importedTitleId(), album[0].value(7).toLongLong());
    // The track without a name gets no row; the others keep their numbers on the disc.
    EXPECT_EQ(rows("SELECT Nummer, Naam, Lengte FROM Tracks ORDER BY Nummer"),
        (QList<QVariantList> { { 1, "When I Kissed the Teacher", "0:04" }, { 3, "Dancing Queen", "0:06" } }));

    // The same disc again: reported on the window, nothing written.
    auto again = collect(cue);
    qtkit::clickButton(again.get(), "cmdOK");
    EXPECT_EQ(label(*again, "lblStatus"), session.message(47));
    EXPECT_EQ(label(*again, "lblToelichting"), label(*wizard, "lblAlbum"));
    EXPECT_EQ(label(*again, "lblExtra"), session.message(48));
    EXPECT_EQ(step(*again), "9");
    EXPECT_EQ(rows("SELECT COUNT(*) FROM Artiest UNION ALL SELECT COUNT(*) FROM Titel UNION ALL "
                   "SELECT COUNT(*) FROM Tracks"),
        (QList<QVariantList> { { 1 }, { 1 }, { 2 } }));
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(WizardCdTest, ArtistIsReusedByNameOrListChoiceAndOnlyANewOneTakesTheEditedText)
{
    const qint64 abba = db.addArtist(QStringLiteral("ABBA"));
    const qint64 other = db.addArtist(QStringLiteral("Various"));

    // The fetched name equals a catalogued one (letter case aside): no new artist.
    auto first = collect(servedDisc("one", { 4 }, abbaEntry()));
    childOf<QComboBox>(first.get(), "cboArtiest")->setEditText(QStringLiteral("Edited"));
    qtkit::clickButton(first.get(), "cmdOK");
    EXPECT_EQ(scalarRaw(db.path(), "SELECT ArtiestId FROM Titel ORDER BY Id DESC LIMIT 1"), abba);

    // A list choice wins over the fetched name.
    auto second = collect(servedDisc("two", { 5 }, abbaEntry()));
    auto* artists = childOf<QComboBox>(second.get(), "cboArtiest");
    artists->setCurrentIndex(artists->findText(QStringLiteral("Various")));
    qtkit::clickButton(second.get(), "cmdOK");
    EXPECT_EQ(scalarRaw(db.path(), "SELECT ArtiestId FROM Titel ORDER BY Id DESC LIMIT 1"), other);

    // An unknown artist is created under the text the user left.
    DiscEntry unknown = abbaEntry();
    unknown.artist = "Agnetha";
    auto third = collect(servedDisc("three", { 6 }, unknown));
    childOf<QComboBox>(third.get(), "cboArtiest")->setEditText(QStringLiteral("Agnetha Fältskog"));
    qtkit::clickButton(third.get(), "cmdOK");
    EXPECT_EQ(rows("SELECT Artiest, datum_init IS NOT NULL FROM Artiest ORDER BY Id"),
        (QList<QVariantList> { { "ABBA", 1 }, { "Various", 1 }, { "Agnetha Fältskog", 1 } }));
    EXPECT_EQ(count("Titel"), 3);
}

TEST_F(WizardCdTest, ImportsFromALocalDatabaseFolderWithoutAServer)
{
    const QString local = home.filePath(QStringLiteral("cddb"));
    const auto cue = testkit::writeAudioDisc(images, "local", { 4, 4 });
    testkit::writeLocalDatabaseEntry(local.toStdString(), "rock", discIdOf(cue),
        { "Kraftwerk", "Autobahn", "1974", { "Autobahn", "Kometenmelodie 1" } });
    // No e-mail address and a server that does not exist: the folder is enough.
    setLookup("127.0.0.1:1", "", local);

    auto wizard = collect(imagePath(cue));
    EXPECT_TRUE(prompts.boxes.isEmpty());
    qtkit::clickButton(wizard.get(), "cmdOK");
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
    qtkit::onNextModal("CdLookup", [&busyWhileAsking](QWidget* dialog) {
        busyWhileAsking = QApplication::overrideCursor() != nullptr;
        childOf<QPushButton>(dialog, "cmdAnnuleren")->click();
    });
    auto cancelled = collect(cue);
    EXPECT_EQ(step(*cancelled), "1");
    EXPECT_FALSE(busyWhileAsking);
    EXPECT_TRUE(prompts.boxes.isEmpty());
    EXPECT_TRUE(server.targets().empty());

    // An address given: the lookup goes on with it. (The window's refusals are checked with
    // the window itself.)
    qtkit::onNextModal("CdLookup", [](QWidget* dialog) {
        childOf<QLineEdit>(dialog, "txtEmail")->setText(QStringLiteral(" piet@example.org "));
        childOf<QPushButton>(dialog, "cmdOK")->click();
    });
    auto wizard = collect(cue);
    EXPECT_EQ(step(*wizard), "2");
    EXPECT_TRUE(prompts.boxes.isEmpty());
    ASSERT_FALSE(server.targets().empty());
    EXPECT_NE(server.targets().front().find("hello=piet+example.org"), std::string::npos);
    EXPECT_EQ(session.ini().read("Discovant", "UserEmail", ""), "piet@example.org");
}

TEST_F(WizardCdTest, UnreadableDiscsAndFailedLookupsStayInTheFirstStep)
{
    // No drive at all and a file that is no disc image: message 50. An unknown disc: message
    // 51; a server that cannot be reached raises ProtocolError, and message 51 says why.
    const QString unknown = imagePath(testkit::writeAudioDisc(images, "unknown", { 4 }));
    const struct {
        QString drive;
        std::string server;
        QString shown;
        bool exact;
    } cases[] = {
        { QString(), server.address(), session.message(50), true },
        { home.iniPath(), server.address(), session.message(50), true },
        { unknown, server.address(), session.message(51), true },
        { unknown, "127.0.0.1:1", session.message(51) + "\n\n7: ", false },
    };
    for (const auto& [drive, address, shown, exact] : cases) {
        setLookup(address, "jan@example.org", "");
        prompts.boxes.clear();
        auto wizard = collect(drive);
        EXPECT_EQ(step(*wizard), "1");
        ASSERT_EQ(prompts.boxes.size(), 1);
        const QString prompt = prompts.boxes[0].prompt;
        EXPECT_TRUE(exact ? prompt == shown : prompt.startsWith(shown)) << prompt.toStdString();
    }
    EXPECT_EQ(count("Titel") + count("Artiest"), 0);
}

TEST_F(WizardCdTest, StepTwoGrowsTheWindowSoTheArtistFieldKeepsItsHeightInEveryLanguage)
{
    const QString cue = servedDisc("arrival", { 4, 5, 6 }, abbaEntry());
    for (LanguageBase language : kLanguageBases) {
        home.rewriteSettings({}, language);
        setLookup(server.address(), "j@example.org", "");
        WizardCD wizard(home.session(), prompts);
        wizard.show();
        childOf<QComboBox>(&wizard, "cboDrive")->setEditText(cue);
        qtkit::clickButton(&wizard, "cmdOK");
        ASSERT_EQ(step(wizard), "2");
        const auto* artist = childOf<QComboBox>(&wizard, "cboArtiest");
        const auto* explanation = childOf<QLabel>(&wizard, "lblToelichting");
        const std::string name = languageName(language).toStdString();
        EXPECT_GE(artist->height(), artist->sizeHint().height()) << name;
        EXPECT_GE(explanation->height(), explanation->heightForWidth(explanation->width())) << name;
    }
}

TEST_F(WizardCdTest, LongNamesQuotesAndOtherScriptsAndNinetyNineTracks)
{
    const QString longName = QStringLiteral("Ωδή \"quoted\" it's ") + QString(300, QChar(0x0416));
    DiscEntry entry { "Guns N' Roses & Кино", longName.toStdString(), "199x", {} };
    for (int i = 1; i <= 99; ++i)
        entry.tracks.push_back(QStringLiteral("%1 '%2' ").arg(i).arg(longName).toStdString());
    const QString cue = servedDisc("long", std::vector<int>(99, 1), entry);

    auto wizard = collect(cue);
    qtkit::clickButton(wizard.get(), "cmdOK");
    EXPECT_TRUE(prompts.reports.isEmpty());

    const auto album
        = rows("SELECT Artiest.Artiest, Titel, Jaar FROM Titel JOIN Artiest ON Artiest.Id = Titel.ArtiestId");
    // "199x" is no year.
    EXPECT_EQ(album, (QList<QVariantList> { { "Guns N' Roses & Кино", longName.left(50), QVariant() } }));
    const auto names = rows("SELECT Nummer, Naam FROM Tracks ORDER BY Nummer");
    ASSERT_EQ(names.size(), 99);
    EXPECT_EQ(names[98], (QVariantList { 99, QStringLiteral("99 '%1").arg(longName).left(50) }));

    // The artist name with a quote is found again for the next disc.
    auto next = collect(servedDisc("next", { 3 }, entry));
    qtkit::clickButton(next.get(), "cmdOK");
    EXPECT_EQ(count("Artiest"), 1);
}

TEST_F(WizardCdTest, AFailurePartWayStoresNothingAndCanBeRetried)
{
    const QString cue = servedDisc("fail", { 4, 4, 4 }, { "New Artist", "Album", "2001", { "a", "b", "c" } });
    QString error;
    ASSERT_TRUE(execRaw(db.path(),
        "CREATE TRIGGER refuse AFTER INSERT ON Tracks WHEN new.Nummer = 3 BEGIN SELECT RAISE(ABORT, 'disk "
        "full'); END",
        &error))
        << error.toStdString();

    auto wizard = collect(cue);
    qtkit::clickButton(wizard.get(), "cmdOK");
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains("disk full"));
    EXPECT_EQ(count("Artiest") + count("Titel") + count("Tracks"), 0);
    EXPECT_EQ(step(*wizard), "2");

    ASSERT_TRUE(execRaw(db.path(), "DROP TRIGGER refuse"));
    qtkit::clickButton(wizard.get(), "cmdOK");
    EXPECT_EQ(step(*wizard), "9");
    EXPECT_EQ(count("Artiest"), 1);
    EXPECT_EQ(count("Tracks"), 3);
}

TEST_F(WizardCdTest, SeveralMatchesOpenTheChooserWhenTheFirstIsNotTakenByItself)
{
    const QString cue = servedDisc("several", { 4 }, abbaEntry());
    server.alsoList("jazz 12345678 Abba / Arrival (Deluxe)");
    server.serve("12345678", { "Abba", "Arrival (Deluxe)", "1976", { "One" } }, "jazz");

    auto wizard = std::make_unique<WizardCD>(session, prompts);
    wizard->discovant().core().setUseFirstMatch(false);
    childOf<QComboBox>(wizard.get(), "cboDrive")->setEditText(cue);
    QStringList shown;
    bool busyWhileChoosing = true;
    qtkit::onNextModal("frmFuzzyMatch", [&shown, &busyWhileChoosing](QWidget* chooser) {
        busyWhileChoosing = QApplication::overrideCursor() != nullptr;
        auto* list = childOf<QListWidget>(chooser, "lstList");
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        list->setCurrentRow(1);
        childOf<QPushButton>(chooser, "cmdSelect")->click();
    });
    qtkit::clickButton(wizard.get(), "cmdOK");
    EXPECT_EQ(shown, (QStringList { "Abba / Arrival", "Abba / Arrival (Deluxe)" }));
    // The user chooses with the normal pointer; the hourglass is gone after the lookup.
    EXPECT_FALSE(busyWhileChoosing);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_NE(lastTarget().find("cddb+read+jazz+12345678"), std::string::npos);
    EXPECT_EQ(step(*wizard), "2");
}

TEST_F(WizardCdTest, ImportsFromMusicBrainzWithTheCoverWhenOneArrivesAndIsTicked)
{
    testkit::bypassProxies();
    testkit::VirtualClock clock;
    clock.install(discovant::musicbrainz::RateLimiter::musicBrainz());
    testkit::FakeServer service;
    testkit::FakeServer covers;
    for (const auto& [key, value] : { std::pair { "LookupSource", std::string("1") },
             std::pair { "MusicBrainzServer", service.url() }, std::pair { "CoverArtServer", covers.url() } })
        session.ini().write(QStringLiteral("Discovant"), QLatin1String(key), QString::fromStdString(value));
    covers.route("GET", "/files/front.png",
        testkit::Reply {
            200, qtkit::pictureBytes({ 40, 40 }, Qt::darkGreen, "PNG").toStdString(), "image/png" });
    const testkit::Reply redirect { 307, "", "text/plain",
        { { "Location", covers.url() + "/files/front.png" } } };

    const struct {
        const char* name;
        testkit::Reply cover;
        bool keepTicked;
        QString said; // lblCover, "" when the cover is shown
    } cases[] = {
        { "cover", redirect, true, "" },
        { "cover not wanted", redirect, false, "" },
        { "no cover", { 404, "Not found" }, true, WizardCD::tr("No cover found") },
        { "download fails", { 500, "Oops" }, true,
            WizardCD::tr("The cover could not be fetched: %1").arg("") },
        { "not a picture", { 200, "GIF89a cut", "image/gif" }, true,
            WizardCD::tr("The cover that arrived is not a picture this program can use.") },
    };
    int disc = 0;
    for (const auto& [name, cover, keepTicked, said] : cases) {
        SCOPED_TRACE(name);
        const auto cue = testkit::writeAudioDisc(images, "mb" + std::to_string(++disc), { 4, 5 + disc });
        const std::string id = "release-" + std::to_string(disc);
        service.route("GET", "/ws/2/discid/",
            testkit::jsonReply(testkit::mbReleases(
                { testkit::mbRelease(id, QStringLiteral("Album %1").arg(disc).toStdString(),
                    { testkit::mbMedium(1, musicBrainzIdOf(cue),
                        { testkit::mbTrack("Eins", 4000), testkit::mbTrack("Zwei", 0) }) }) })));
        covers.route("GET", "/release/" + id + "/", cover);

        auto wizard = collect(imagePath(cue));
        ASSERT_EQ(step(*wizard), "2");
        auto* use = childOf<QCheckBox>(wizard.get(), "chkCover");
        EXPECT_EQ(use->isVisibleTo(wizard.get()), said.isEmpty());
        EXPECT_TRUE(said.isEmpty() ? label(*wizard, "lblCover").isEmpty()
                                   : label(*wizard, "lblCover").startsWith(said));
        EXPECT_EQ(childOf<QLabel>(wizard.get(), "imgCover")->pixmap().isNull(), !said.isEmpty());
        use->setChecked(keepTicked);
        qtkit::clickButton(wizard.get(), "cmdOK");
        EXPECT_EQ(step(*wizard), "9");
        EXPECT_TRUE(prompts.reports.isEmpty());

        const qint64 titleId = wizard->importedTitleId();
        EXPECT_EQ(rows(QStringLiteral(
                      "SELECT Artiest, Titel, Naam FROM Titel JOIN Artiest ON Artiest.Id = ArtiestId "
                      "JOIN Tracks ON Titelid = Titel.Id WHERE Titel.Id = %1 ORDER BY Nummer")
                           .arg(titleId)),
            (QList<QVariantList> { { "Ана & Łódź Ensemble", QStringLiteral("Album %1").arg(disc), "Eins" },
                { "Ана & Łódź Ensemble", QStringLiteral("Album %1").arg(disc), "Zwei" } }));
        // The PNG that arrived is stored as a JPEG cover.
        QImageReader stored(session.settings.coverDir + QStringLiteral("%1.jpg").arg(titleId));
        EXPECT_EQ(stored.format(), said.isEmpty() && keepTicked ? "jpeg" : "");
    }
}

TEST_F(WizardCdTest, TheWindowsRepaintWhileTheServerHangsAndCancelEndsQuietlyStoringNothing)
{
    // While the query hangs on its thread, the window thread goes on serving a timer; ten
    // ticks after the query arrived, the user cancels. (The track list looks up the same way.)
    const QString cue = servedDisc("hang", { 4, 5 }, abbaEntry());
    server.reply("query", testkit::Reply { .hang = true });
    int ticksSinceQuery = 0;
    QElapsedTimer sinceCancel;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto* progress = QApplication::activeModalWidget();
        if (!server.targets().empty() && progress && progress->objectName() == "Voortgang"
            && ++ticksSinceQuery == 10) {
            sinceCancel.start();
            qtkit::clickButton(progress, "cmdAnnuleren");
        }
    });
    user.start(10);
    const auto wizard = collect(cue);
    ASSERT_TRUE(sinceCancel.isValid());
    EXPECT_LT(sinceCancel.elapsed(), 1500);
    EXPECT_TRUE(prompts.boxes.isEmpty()) << "Cancel is no failure";
    EXPECT_EQ(step(*wizard), "1");
    EXPECT_EQ(count("Titel"), 0);
}

TEST_F(WizardCdTest, TheHelloCarriesMelotheekOrTheNameAndLevelSetInTheLookupWindow)
{
    const QString cue = servedDisc("hello", { 4, 5 }, abbaEntry());
    collect(cue);
    EXPECT_NE(lastTarget().find("+Melotheek+" MELOTHEEK_VERSION "&proto=6"), std::string::npos)
        << lastTarget();

    IniPropertyStore store(session.ini());
    const struct {
        QString name;
        int level;
        QString stored; // AppTitle in the settings file
        std::string hello;
    } cases[] = {
        { "My CD Player", 1, "My CD Player", "+My_CD_Player+2.1&proto=5" },
        { "Discovant", 0, "Discovant", "+Discovant+2.1&proto=6" }, // the component's own name is a choice too
    };
    for (const auto& [name, level, stored, hello] : cases) {
        {
            DiscovantWidget control(store);
            CdLookupDialog dialog(control.core(), prompts);
            childOf<QLineEdit>(&dialog, "txtProgramma")->setText(name);
            childOf<QLineEdit>(&dialog, "txtVersie")->setText("2.1");
            childOf<QComboBox>(&dialog, "cboProtocol")->setCurrentIndex(level);
            qtkit::clickButton(&dialog, "cmdOK");
        }
        EXPECT_EQ(session.ini().read("Discovant", "AppTitle", "<none>"), stored);
        collect(cue);
        EXPECT_NE(lastTarget().find(hello), std::string::npos) << lastTarget();
    }
}

TEST_F(WizardCdTest, AMirrorChosenInTheLookupWindowFillsTheServerFieldAndARefusalIsShownInWords)
{
    const struct {
        std::string answer;
        QString field; // txtServer afterwards
        QString box; // what the refusal names, "" for no box
    } cases[] = {
        { "210 OK\r\nmirror.example.org http 8080 /x/cddb.cgi N052.22 E004.53 Mirror\r\n.\r\n",
            "http://mirror.example.org:8080/x/cddb.cgi", "" },
        { "500 Unknown developer email\r\n", QString::fromStdString(server.address()),
            "500 Unknown developer email" },
    };
    IniPropertyStore store(session.ini());
    DiscovantWidget control(store);
    for (const auto& [answer, field, box] : cases) {
        server.reply("sites", { 200, answer });
        prompts.boxes.clear();
        CdLookupDialog dialog(control.core(), prompts);
        dialog.offerSites(control);
        if (box.isEmpty())
            qtkit::onNextModal(
                "frmServerSites", [](QWidget* sites) { qtkit::clickButton(sites, "cmdSelect"); });
        qtkit::clickButton(&dialog, "cmdServers");
        EXPECT_EQ(childOf<QLineEdit>(&dialog, "txtServer")->text(), field);
        EXPECT_EQ(prompts.boxes.size(), box.isEmpty() ? 0 : 1);
        EXPECT_TRUE(prompts.boxes.value(0).prompt.contains(box)) << "the refusal is shown in words";
        EXPECT_EQ(control.core().CDDBServer(), server.address()) << "only OK stores the choice";
    }
}

} // namespace
