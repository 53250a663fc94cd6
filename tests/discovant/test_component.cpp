// The component's public surface without a network: properties, the e-mail rule, settings
// shared per thread, persisted properties, texts by language and results on bad arguments.
#include "discovant/cddb/discovant.h"
#include "discovant/cddb/protocoltexts.h"
#include "support/memorypropertystore.h"
#include "support/sampledisc.h"
#include "testkit/files.h"

#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <thread>

using namespace discovant;

namespace {

// Every test starts from the thread's defaults, whatever the previous test set.
class Component : public ::testing::Test {
protected:
    void SetUp() override { resetShared(); }
    void TearDown() override { resetShared(); }
    static void resetShared()
    {
        Discovant resetter;
        resetter.setCDDBInterface(uCDDBIfc::AUTO);
        resetter.setCDDBLanguage(uCDDBLang::ENGLISH);
        resetter.setPopUpLocTop(0);
        resetter.setPopUpLocLeft(0);
    }
};

} // namespace

TEST_F(Component, FreshOrRestoredFromNothingItHasTheDefaults)
{
    MemoryPropertyStore store;
    store.values["CDDBIfc"] = "not a number";
    store.values["CDDBProto"] = "3"; // a level the component cannot read
    Discovant fresh;
    Discovant restored;
    restored.setCDDBServer("elsewhere.example.org");
    restored.setCDDBInterface(uCDDBIfc::MCI);
    restored.setEmailAddress("jan@example.org");
    restored.setCDDBProtocol(5);
    restored.restoreProperties(store);
    for (const Discovant* component : { &fresh, &restored }) {
        EXPECT_EQ(component->AppName(), "Discovant");
        EXPECT_EQ(component->AppVersion(), Discovant::componentVersion());
        EXPECT_EQ(component->CDDBServer(), "gnudb.gnudb.org");
        EXPECT_EQ(component->CDDBInterface(), uCDDBIfc::AUTO);
        EXPECT_EQ(component->CDDBMode(), uCDDBMode::TEST);
        EXPECT_EQ(component->EmailAddress(), "");
        EXPECT_EQ(component->CDDBFilePath(), "");
        EXPECT_EQ(component->CDDBProtocol(), 6);
    }
    EXPECT_EQ(fresh.CDDBLanguage(), uCDDBLang::ENGLISH);
}

TEST_F(Component, EmailAddressFollowsTheWildcardRule)
{
    Discovant component;
    std::vector<std::string> changed;
    component.setPropertyChangedHandler([&](const std::string& name) { changed.push_back(name); });

    component.setEmailAddress("  jan@example.org  ");
    EXPECT_EQ(component.EmailAddress(), "jan@example.org");
    EXPECT_EQ(changed, std::vector<std::string> { "UserEmail" });

    // Refused silently: the previous address stays and the host is not told.
    for (const std::string bad :
        { "no at sign", "jan@.org", "jan@example", "jan@-x.org", "", "@", "jan@x", "jan.doe@" }) {
        component.setEmailAddress(bad);
        EXPECT_EQ(component.EmailAddress(), "jan@example.org") << bad;
    }
    EXPECT_EQ(changed.size(), 1u);

    // Accepted: a letter, digit or comma after some "@", then a "." later on.
    for (const std::string good : { "a@b.c", "x@9.", "x@,.", "a@-@b.c", "first.last@host.domain" }) {
        component.setEmailAddress(good);
        EXPECT_EQ(component.EmailAddress(), good) << good;
    }
}

TEST_F(Component, PersistedSettersNotifyTheHost)
{
    Discovant component;
    std::vector<std::string> changed;
    component.setPropertyChangedHandler([&](const std::string& name) { changed.push_back(name); });
    component.setAppName("Melotheek");
    component.setAppVersion("2.1.0");
    component.setCDDBServer("cddb.example.org");
    component.setCDDBInterface(uCDDBIfc::MCI);
    component.setCDDBMode(uCDDBMode::SUBMIT);
    component.setCDDBFilePath("/srv/cddb");
    component.setCDDBProtocol(5);
    // Not persisted: no notice.
    component.setCDDBLanguage(uCDDBLang::FRENCH);
    component.setUseFirstMatch(false);
    component.setAllowSubmission(false);
    component.setQueryLocalDatabase(true);
    component.setPopUpLocTop(10);
    component.setPopUpLocLeft(20);
    EXPECT_EQ(changed,
        (std::vector<std::string> {
            "AppTitle", "AppVer", "CDDBServer", "CDDBIfc", "CDDBMode", "CDDBFilePath", "CDDBProto" }));
}

TEST_F(Component, InterfaceLanguageAndDriveAreSharedPerThread)
{
    Discovant first;
    Discovant second;
    first.setCDDBInterface(uCDDBIfc::MCI);
    first.setCDDBLanguage(uCDDBLang::GERMAN);
    first.setCDDBServer("one.example.org");
    EXPECT_EQ(second.CDDBInterface(), uCDDBIfc::MCI);
    EXPECT_EQ(second.CDDBLanguage(), uCDDBLang::GERMAN);
    EXPECT_EQ(second.CDDBServer(), "gnudb.gnudb.org");
    EXPECT_EQ(second.ErrDesc(-1), "Unbekannter Fehler");

    // A new instance does not reset what the thread's instances share.
    Discovant third;
    EXPECT_EQ(third.CDDBInterface(), uCDDBIfc::MCI);

    // Another thread has its own settings and leaves this thread's alone.
    uCDDBIfc seenThere = uCDDBIfc::SPTI;
    std::thread other([&seenThere] {
        Discovant there;
        seenThere = there.CDDBInterface();
        there.setCDDBInterface(uCDDBIfc::ASPI);
        there.setCDDBLanguage(uCDDBLang::FRENCH);
    });
    other.join();
    EXPECT_EQ(seenThere, uCDDBIfc::AUTO);
    EXPECT_EQ(first.CDDBInterface(), uCDDBIfc::MCI);
    EXPECT_EQ(first.CDDBLanguage(), uCDDBLang::GERMAN);
}

TEST_F(Component, SavingOmitsDefaultsButAlwaysWritesInterfaceAndMode)
{
    Discovant component;
    MemoryPropertyStore store;
    store.values["CDDBServer"] = "stale.example.org"; // a default now: removed on save
    component.saveProperties(store);
    EXPECT_EQ(store.values, (std::map<std::string, std::string> { { "CDDBIfc", "0" }, { "CDDBMode", "0" } }));

    component.setAppName("Melotheek");
    component.setAppVersion("2.1.0");
    component.setCDDBServer("cddb.example.org:8880");
    component.setEmailAddress("jan@example.org");
    component.setCDDBInterface(uCDDBIfc::ASPI);
    component.setCDDBMode(uCDDBMode::SUBMIT);
    component.setCDDBFilePath("/srv/cddb");
    component.setCDDBProtocol(5);
    component.setCDDBLanguage(uCDDBLang::FRENCH); // not persisted
    component.saveProperties(store);
    EXPECT_EQ(store.values,
        (std::map<std::string, std::string> { { "AppTitle", "Melotheek" }, { "AppVer", "2.1.0" },
            { "CDDBServer", "cddb.example.org:8880" }, { "UserEmail", "jan@example.org" }, { "CDDBIfc", "2" },
            { "CDDBMode", "1" }, { "CDDBFilePath", "/srv/cddb" }, { "CDDBProto", "5" } }));

    // Restored into a fresh instance, the same values are saved again.
    resetShared();
    Discovant restored;
    restored.restoreProperties(store);
    MemoryPropertyStore again;
    restored.saveProperties(again);
    EXPECT_EQ(again.values, store.values);
}

TEST_F(Component, OwnTextsInThreeLanguagesAndEnglishForAnyOther)
{
    struct Case {
        uCDDBLang language;
        const char* missingEmail;
        const char* noFolder;
        const char* unknown;
    };
    const Case cases[] = {
        { uCDDBLang::ENGLISH, "Missing or Malformed Email address",
            "The folder for local database does not exist!", "UnKnown Error" },
        { uCDDBLang::GERMAN, "E-Mail-Adresse fehlt oder ist falsch",
            "Der angegebene Ordner für die lokale Datenbank existiert nicht!", "Unbekannter Fehler" },
        { uCDDBLang::FRENCH, "E-Mail-Adresse absente ou incorrecte",
            "Le répertoire de la base de donnée locale n'existe pas!", "Erreur Inconnue" },
        { static_cast<uCDDBLang>(7), "Missing or Malformed Email address",
            "The folder for local database does not exist!", "UnKnown Error" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(protocolErrorText(kErrorMissingEmail, c.language), c.missingEmail);
        EXPECT_EQ(protocolErrorText(kErrorNoLocalDatabase, c.language), c.noFolder);
        EXPECT_EQ(protocolErrorText(kErrorUnknown, c.language), c.unknown);
        Discovant component;
        component.setCDDBLanguage(c.language);
        EXPECT_EQ(component.ErrDesc(kErrorUnknown), c.unknown);
        EXPECT_EQ(component.ErrDesc(-5), c.unknown);
    }
}

TEST_F(Component, ErrDescGivesTransportErrorTexts)
{
    Discovant component;
    component.setCDDBLanguage(uCDDBLang::GERMAN);
    // The failures a user meets are told in the component's language, the component's own
    // numbers too; other libcurl numbers keep libcurl's text.
    EXPECT_EQ(component.ErrDesc(7), "Keine Verbindung zum Server möglich");
    EXPECT_EQ(component.ErrDesc(60), "Das Zertifikat des Servers konnte nicht überprüft werden");
    EXPECT_EQ(component.ErrDesc(8881), "Der CDDB-Server hat die Anfrage abgelehnt");
    EXPECT_EQ(component.ErrDesc(3), "URL using bad/illegal format or missing URL");
    EXPECT_EQ(component.ErrDesc(100000), "Unbekannter Fehler");
    EXPECT_EQ(component.ErrDesc(20), "Unbekannter Fehler"); // a retired libcurl number
}

TEST_F(Component, BadArgumentsGiveTheEmptyResults)
{
    Discovant component;
    int events = 0;
    component.setProtocolErrorHandler([&](int32_t, const std::string&) { ++events; });

    // TOCs that identify no disc, one of them beyond the 16-bit span, look nothing up.
    for (const std::string toc : { "", "   ", "150", "150 2457750" })
        EXPECT_EQ(component.LookupMediaByToc(toc), uCDDBMatchCode::MATCH_NONE) << toc;

    // No windows: no site to choose, nothing to revise.
    EXPECT_EQ(component.GetServer(0), "");
    EXPECT_EQ(component.GetServer(1), "");
    EXPECT_EQ(component.ReviseMediaEntry("150 10000 20000"), uCDDBMatchCode::MATCH_NONE);

    // Drives that do not exist read nothing.
    EXPECT_EQ(component.GetMediaTOC("/nonexistent/drive"), "");
    EXPECT_EQ(component.GetMediaTOC(""), "");
    EXPECT_EQ(component.GetMediaInfo("/nonexistent/drive"), "");
    EXPECT_EQ(component.GetCdText(), "");
    EXPECT_EQ(events, 0);
}

TEST_F(Component, InvalidTocKeepsThePreviousIdentifier)
{
    Discovant component;
    component.setQueryLocalDatabase(true);
    component.setCDDBFilePath("/nonexistent/cddb");
    int events = 0;
    component.setProtocolErrorHandler([&](int32_t, const std::string&) { ++events; });
    component.LookupMediaByToc("150 10000 20000");
    EXPECT_EQ(events, 1); // the missing folder
    EXPECT_EQ(component.GetMediaID(), "09010802");
    EXPECT_EQ(component.LookupMediaByToc("garbage"), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(component.GetMediaID(), "09010802");
    EXPECT_EQ(events, 1); // no lookup for an invalid TOC
}

TEST_F(Component, GetMediaTocUsesTheReadersTheInterfaceAllows)
{
    const testkit::TempFolder folder;
    const std::string cue = test::writeSampleDisc(folder.path());
    const std::string& toc = test::kSampleDiscToc;
    const std::string& cdText = test::kSampleDiscCdText;
    Discovant component;

    // AUTO falls through to the reader that handles images; blanks around the path go.
    EXPECT_EQ(component.GetMediaTOC("  " + cue + " "), toc);
    EXPECT_EQ(component.GetCdText(), cdText);
    component.setCDDBInterface(uCDDBIfc::ASPI);
    EXPECT_EQ(component.GetMediaTOC(cue), toc);

    // Readers that cannot read an image give "" and leave the CD-Text of the last disc.
    for (const uCDDBIfc only : { uCDDBIfc::SPTI, uCDDBIfc::MCI, static_cast<uCDDBIfc>(9) }) {
        component.setCDDBInterface(only);
        EXPECT_EQ(component.GetMediaTOC(cue), "");
        EXPECT_EQ(component.GetCdText(), cdText);
    }

    // What is neither a drive nor an image is never opened: a FIFO would block the reader
    // until someone writes to it, a character device might never end.
    component.setCDDBInterface(uCDDBIfc::AUTO);
    const std::string fifo = folder.file("disc.fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& refused : { fifo, std::string("/dev/zero"), folder.path().string() }) {
        EXPECT_EQ(component.GetMediaTOC(refused), "") << refused;
        EXPECT_EQ(component.GetMediaInfo(refused), "") << refused;
    }
    EXPECT_EQ(component.GetCdText(), cdText);

    // The TOC read from the image identifies it like a typed one.
    EXPECT_EQ(component.CalTracklength(toc), "2 4");
    EXPECT_EQ(component.GetMediaInfo(cue), ""); // no ISO 9660 volume on it
}
