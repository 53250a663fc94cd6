// The component's public surface without a network: properties, the e-mail rule, settings
// shared per thread, persisted properties, texts by language and results on bad arguments.
#include "discovant/cddb/discovant.h"
#include "discovant/cddb/protocoltexts.h"
#include "support/memorypropertystore.h"
#include "support/sampledisc.h"
#include "testkit/files.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
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
    EXPECT_EQ(second.ErrDesc(kErrorUnknown), protocolErrorText(kErrorUnknown, uCDDBLang::GERMAN));

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

TEST_F(Component, PersistedSettersNotifyTheHostAndSavingOmitsDefaults)
{
    Discovant component;
    EXPECT_EQ(
        component.AppName() + " " + component.AppVersion(), "Discovant " + Discovant::componentVersion());
    EXPECT_EQ(component.CDDBServer() + " " + std::to_string(component.CDDBProtocol()), "gnudb.gnudb.org 6");
    std::vector<std::string> changed;
    component.setPropertyChangedHandler([&](const std::string& name) { changed.push_back(name); });
    component.setAppName("Melotheek");
    component.setAppVersion("2.1.0");
    component.setCDDBServer("cddb.example.org:8880");
    component.setEmailAddress("jan@example.org");
    component.setCDDBInterface(uCDDBIfc::ASPI);
    component.setCDDBMode(uCDDBMode::SUBMIT);
    component.setCDDBFilePath("/srv/cddb");
    component.setCDDBProtocol(5);
    // Not persisted: no notice, nothing saved.
    component.setCDDBLanguage(uCDDBLang::FRENCH);
    component.setUseFirstMatch(false);
    component.setAllowSubmission(false);
    component.setQueryLocalDatabase(true);
    component.setPopUpLocTop(10);
    component.setPopUpLocLeft(20);
    MemoryPropertyStore store;
    component.saveProperties(store);
    EXPECT_EQ(changed,
        (std::vector<std::string> { "AppTitle", "AppVer", "CDDBServer", "UserEmail", "CDDBIfc", "CDDBMode",
            "CDDBFilePath", "CDDBProto" }));
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

    // Values that are missing or unusable restore every default, which saving then removes
    // (a stale server among them).
    MemoryPropertyStore unusable;
    unusable.values = { { "CDDBIfc", "not a number" }, { "CDDBProto", "3" } };
    restored.restoreProperties(unusable);
    unusable.values["CDDBServer"] = "stale.example.org";
    restored.saveProperties(unusable);
    EXPECT_EQ(
        unusable.values, (std::map<std::string, std::string> { { "CDDBIfc", "0" }, { "CDDBMode", "0" } }));
    EXPECT_EQ(restored.AppName(), "Discovant");
}

TEST_F(Component, TextsFollowTheLanguageAndUnknownNumbersGetTheUnknownText)
{
    const int32_t own[]
        = { kErrorMissingEmail, kErrorServerRefused, kErrorHttpStatus, kErrorNotCddb, kErrorCancelled,
              kErrorNoLocalDatabase, kErrorBadServerAddress, kErrorIncompleteAnswer, kErrorUnknown };
    const auto english = [](int32_t number) { return errorDescription(number, uCDDBLang::ENGLISH); };
    for (const uCDDBLang language : { uCDDBLang::GERMAN, uCDDBLang::FRENCH, static_cast<uCDDBLang>(7) }) {
        SCOPED_TRACE(static_cast<int>(language));
        Discovant component;
        component.setCDDBLanguage(language);
        const bool translated = language != static_cast<uCDDBLang>(7); // any other language is English
        // Each own number has a text of its own, the one its events carry.
        std::set<std::string> texts;
        for (const int32_t number : own) {
            texts.insert(component.ErrDesc(number));
            EXPECT_EQ(component.ErrDesc(number), protocolErrorText(number, language)) << number;
            EXPECT_EQ(component.ErrDesc(number) != english(number), translated) << number;
        }
        EXPECT_EQ(texts.size(), std::size(own));
        // The transport failures a user meets are translated; other libcurl numbers keep
        // libcurl's text; numbers nobody knows (a retired libcurl one among them) are unknown.
        EXPECT_EQ(component.ErrDesc(7) != english(7) && component.ErrDesc(60) != english(60), translated);
        EXPECT_EQ(component.ErrDesc(3), english(3));
        EXPECT_NE(component.ErrDesc(3), component.ErrDesc(kErrorUnknown));
        for (const int32_t unknown : { -5, 20, 100000 })
            EXPECT_EQ(component.ErrDesc(unknown), component.ErrDesc(kErrorUnknown)) << unknown;
    }
}

TEST_F(Component, BadArgumentsGiveTheEmptyResults)
{
    Discovant component;
    component.setQueryLocalDatabase(true);
    component.setCDDBFilePath("/nonexistent/cddb");
    std::vector<int32_t> events;
    component.setProtocolErrorHandler([&](int32_t number, const std::string&) { events.push_back(number); });
    component.LookupMediaByToc("150 10000 20000");
    const std::vector<int32_t> missingFolder { kErrorNoLocalDatabase };
    EXPECT_EQ(events, missingFolder);

    // TOCs that identify no disc, one of them beyond the 16-bit span, look nothing up and keep
    // the previous identifier.
    for (const std::string toc : { "", "   ", "150", "garbage", "150 2457750" })
        EXPECT_EQ(component.LookupMediaByToc(toc), uCDDBMatchCode::MATCH_NONE) << toc;
    EXPECT_EQ(component.GetMediaID(), "09010802");

    // No windows: no site to choose, nothing to revise.
    EXPECT_EQ(component.GetServer(0), "");
    EXPECT_EQ(component.GetServer(1), "");
    EXPECT_EQ(component.ReviseMediaEntry("150 10000 20000"), uCDDBMatchCode::MATCH_NONE);

    // Drives that do not exist read nothing.
    EXPECT_EQ(component.GetMediaTOC("/nonexistent/drive"), "");
    EXPECT_EQ(component.GetMediaTOC(""), "");
    EXPECT_EQ(component.GetMediaInfo("/nonexistent/drive"), "");
    EXPECT_EQ(component.GetCdText(), "");
    EXPECT_EQ(events, missingFolder);
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
