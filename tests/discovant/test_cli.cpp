// The discovant command-line tool as a black box: KEY=value lines on stdout, messages on
// stderr, the exit status; lookups against the fake CDDB server and local database folders.
#include "discovant/cddb/discid.h"
#include "discovant/cddb/discovant.h"
#include "discovant/cddb/protocoltexts.h"
#include "support/drivebuffers.h"
#include "support/sampledisc.h"
#include "testkit/fakeserver.h"
#include "testkit/files.h"
#include "testkit/program.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace discovant {
namespace {

using testkit::ProgramResult;
using Args = std::vector<std::string>;

constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kServerFailed = 3;

const std::string kToc = "150 10000 20000"; // disc identifier 09010802
const testkit::DiscEntry kTagoMago { "Can", "Tago Mago", "1972", { "Mushroom", "Oh Yeah" }, "Krautrock" };

// Everything lookup prints for kTagoMago found in category rock, before its source.
const std::string kTagoMagoLines
    = "MATCH=2\nDISCID=09010802\nCATEGORY=rock\nARTIST=Can\nALBUM=Tago Mago\n"
      "YEAR=1972\nGENRE=Krautrock\nREVISION=1\nLENGTH=266\nTRACKS=2\n"
      "TRACK1=Mushroom\nTRACK2=Oh Yeah\nTIME1=131\nTIME2=133\nTNOTES1=\nTNOTES2=\nNOTES=\n";

// Runs the tool in the C locale (English messages) without the caller's DISCOVANT_*
// variables, changed by `environment`.
ProgramResult discovant(
    Args args, const std::string& input = {}, std::map<std::string, std::string> environment = {})
{
    args.insert(args.begin(), DISCOVANT_CLI_PATH);
    environment.insert({ { "LC_ALL", "C" }, { "DISCOVANT_EMAIL", "" }, { "DISCOVANT_SERVER", "" } });
    return testkit::runProgram(args, environment, input);
}

// Lines `key=...` of a run's output, in order.
std::string valuesOf(const ProgramResult& run, const std::vector<std::string>& keys)
{
    std::string lines;
    for (const std::string& key : keys) {
        const std::size_t at = ("\n" + run.out).find("\n" + key + "=");
        if (at != std::string::npos)
            lines += run.out.substr(at, run.out.find('\n', at) - at + 1);
    }
    return lines;
}

std::string bytes(const std::vector<unsigned char>& answer)
{
    return { answer.begin(), answer.end() };
}

class Cli : public ::testing::Test {
protected:
    testkit::TempFolder work;
    testkit::FakeCddbServer server;
};

TEST_F(Cli, CommandsPrintTheirValuesOnStdout)
{
    for (const Args& asked : { Args { "--help" }, { "-h" }, { "help" }, { "lookup", "--help" } }) {
        const ProgramResult help = discovant(asked);
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_EQ(help.out.rfind("usage: discovant drives\n", 0), 0u) << help.out;
        EXPECT_NE(help.out.find("DISCOVANT_EMAIL"), std::string::npos);
        EXPECT_EQ(help.err, "");
    }
    // Notes with a line break print it escaped.
    testkit::writeFile(work.file("answer.txt"),
        "210 jazz 09010802 CD database entry follows\r\n# Revision: 7\r\nDTITLE=Miles Davis / Kind of "
        "Blue\r\nTTITLE0=So What\r\nEXTD=Recorded\\nin New York\r\nEXTT0=Modal\r\n.\r\n");
    testkit::writeFile(work.file("cdtext.bin"),
        bytes(test::cdTextAnswerFromPacks({ test::cdTextPack(0x80, 0, 0, std::string("Album\0Song1\0", 12)),
            test::cdTextPack(0x81, 0, 1, std::string("Band\0Band\0", 10)) })));
    const std::string cue = test::writeSampleDisc(work.path());
    const std::string db = work.file("db").string();
    testkit::writeLocalDatabaseEntry(db, "rock", "09010802", kTagoMago);
    server.reply("sites",
        { 200,
            "210 OK, site information follows (until terminating `.')\r\n"
            "a.example.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Main site\r\n"
            "a.example.org cddbp 8880 - N000.00 W000.00 Main site\r\n.\r\n" });
    const std::pair<Args, std::string> runs[] = {
        { { "--version" }, "discovant " + Discovant::componentVersion() + "\n" },
        { { "id", "  " + kToc + " " },
            "DISCID=09010802\nTRACKS=2\nLENGTH=264\nTRACKLENGTHS=131 133\nQUERY=09010802+2+150+10000+266\n" },
        { { "mbid", "150 1000 2000" }, "MBDISCID=YPv1TJ03f7pu6fgwp1cpr3cVsf0-\n" },
        { { "parse", work.file("answer.txt") },
            "DISCID=09010802\nCATEGORY=jazz\nARTIST=Miles Davis\nALBUM=Kind of Blue\nYEAR=\nGENRE=jazz\n"
            "REVISION=7\nLENGTH=0\nTRACKS=0\nTRACK1=So What\nTNOTES1=Modal\nNOTES=Recorded\\nin New York\n" },
        { { "cdtext", work.file("cdtext.bin") }, "CDTEXT=Band|Album||||Song1|\n" },
        { { "toc", cue, "--interface", "aspi" },
            "TOC=" + test::kSampleDiscToc + "\nCDTEXT=" + test::kSampleDiscCdText + "\n" },
        { { "lookup", kToc, "--local", db, "--server", server.address() },
            kTagoMagoLines + "SOURCE=local\nRELEASE=\nCOVER=\n" },
        { { "sites", "--server", server.address(), "--email", "jan@example.org" },
            "SITES=1\nSITE1=a.example.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Main site\n" },
    };
    for (const auto& [args, out] : runs) {
        const ProgramResult run = discovant(args);
        EXPECT_EQ(run.exitCode, 0) << testing::PrintToString(args) << run.err;
        EXPECT_EQ(run.out, out) << testing::PrintToString(args);
    }
}

TEST_F(Cli, LookupChoosesOnStdinAndReadsTheTocOfADiscImageFirst)
{
    // In two categories: the one typed on stdin, with the choice listed on stderr.
    const std::string db = work.file("db").string();
    testkit::DiscEntry misc = kTagoMago;
    misc.album = "Misc Mago";
    testkit::writeLocalDatabaseEntry(db, "rock", "09010802", kTagoMago);
    testkit::writeLocalDatabaseEntry(db, "misc", "09010802", misc);
    const ProgramResult chosen = discovant(
        { "lookup", kToc, "--local", db, "--no-first-match", "--server", server.address() }, "2\n");
    EXPECT_EQ(
        valuesOf(chosen, { "MATCH", "CATEGORY", "ALBUM" }), "MATCH=1\nCATEGORY=rock\nALBUM=Tago Mago\n");
    EXPECT_NE(chosen.err.find("Can / Misc Mago"), std::string::npos) << chosen.err;

    // No match completes the lookup: exit 0 and MATCH=0.
    const ProgramResult none
        = discovant({ "lookup", "150 20000 30000", "--local", db, "--server", server.address() });
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(valuesOf(none, { "MATCH" }), "MATCH=0\n");
    EXPECT_TRUE(server.http().requests().empty());

    // The sample image's disc in a Unix-layout database, as a gnudb archive unpacks.
    const std::string cue = test::writeSampleDisc(work.path());
    const std::string discId = deriveLookupValues(test::kSampleDiscToc).discId;
    testkit::writeUnixDatabaseEntry(db, "folk", discId, kTagoMago);
    const ProgramResult found = discovant({ "lookup", cue, "--local", db });
    EXPECT_EQ(found.exitCode, 0) << found.err;
    EXPECT_EQ(valuesOf(found, { "DISCID", "CATEGORY", "ALBUM", "TRACKS" }),
        "DISCID=" + discId + "\nCATEGORY=folk\nALBUM=Tago Mago\nTRACKS=2\n");
}

TEST_F(Cli, EnvironmentStandsInForTheOptionsAndFailuresSetTheExitStatus)
{
    server.serve("09010802", kTagoMago, "rock");
    const std::map<std::string, std::string> environment
        = { { "DISCOVANT_EMAIL", "env@example.org" }, { "DISCOVANT_SERVER", server.address() } };
    const std::string found = kTagoMagoLines + "SOURCE=cddb\nRELEASE=\nCOVER=\n";
    EXPECT_EQ(discovant({ "lookup", kToc }, {}, environment).out, found);
    EXPECT_NE(server.targets().back().find("&hello=env+example.org+Discovant+"), std::string::npos);
    // An option wins over its variable.
    EXPECT_EQ(discovant({ "lookup", kToc, "--email", "opt@example.org" }, {}, environment).out, found);
    EXPECT_NE(server.targets().back().find("&hello=opt+example.org+"), std::string::npos);

    testkit::FakeServer service;
    service.route("GET", "/ws/2/discid/",
        testkit::Reply { 200,
            R"({"releases": [{"id": "r1", "title": "Tago Mago", "date": "1972",
                "artist-credit": [{"name": "Can"}],
                "media": [{"position": 1, "discs": [{"id": "9mkz8BbvFgDx2SKtGuKdABJQpnI-"}],
                    "tracks": [{"title": "Mushroom", "length": 200000}, {"title": "Oh Yeah"}]}]}]})",
            "application/json" });
    // --source auto asks MusicBrainz first; the servers come from the environment.
    const ProgramResult run = discovant({ "lookup", kToc, "--source", "auto" }, {},
        { { "DISCOVANT_MUSICBRAINZ_SERVER", service.url() },
            { "DISCOVANT_COVERART_SERVER", "http://covers.test" } });
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(valuesOf(run, { "ARTIST", "ALBUM", "TRACK1", "TIME1", "TIME2", "SOURCE", "RELEASE", "COVER" }),
        "ARTIST=Can\nALBUM=Tago Mago\nTRACK1=Mushroom\nTIME1=200\nTIME2=133\nSOURCE=musicbrainz\nRELEASE=r1\n"
        "COVER=http://covers.test/release/r1/front-500\n");

    // The server refuses, or cannot be reached: exit 3, the reason on stderr in the user's
    // language, nothing on stdout.
    testkit::RawServer closing("");
    server.reply("query", { 200, "500 Unknown developer email\r\n" });
    struct Case {
        std::map<std::string, std::string> environment;
        std::string err;
    };
    const Case cases[] = {
        { environment,
            "ProtocolError 8881: "
                + protocolErrorText(kErrorServerRefused, uCDDBLang::ENGLISH, "500 Unknown developer email")
                + "\n" },
        { { { "DISCOVANT_EMAIL", "env@example.org" }, { "DISCOVANT_SERVER", closing.address() },
              { "LC_ALL", "de_DE.UTF-8" } },
            "ProtocolError 52: " + errorDescription(52, uCDDBLang::GERMAN) },
    };
    for (const Case& c : cases) {
        const ProgramResult run = discovant({ "lookup", kToc }, {}, c.environment);
        EXPECT_EQ(run.exitCode, kServerFailed);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << run.err;
    }
}

TEST_F(Cli, FailuresPrintNothingOnStdoutAndSayWhyOnStderr)
{
    testkit::writeFile(work.file("401.txt"), "401 jazz 09010802 No such CD entry in database.\r\n");
    testkit::writeFile(work.file("badtrack.bin"),
        bytes(test::cdTextAnswerFromPacks({ test::cdTextPack(0x80, 100, 0, std::string("Title\0", 6)) })));
    testkit::RawServer closing(""); // closes every connection without a word
    const std::string missing = work.file("missing").string();
    const std::string cue = test::writeSampleDisc(work.path());
    // Neither a drive nor an image: refused at once, never opened (a FIFO would block).
    const std::string fifo = work.file("disc.fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto neither = [](const std::string& path) {
        return "discovant: " + path + " is neither a drive nor a disc image\n";
    };

    struct Case {
        Args args;
        int exitCode;
        std::string err = {}; // how stderr starts
    };
    const Case cases[] = {
        { {}, kUsage },
        { { "frobnicate" }, kUsage },
        { { "id" }, kUsage },
        { { "id", "150" }, kUsage },
        { { "lookup", kToc, "--colour" }, kUsage },
        { { "lookup", kToc, "--server" }, kUsage },
        { { "lookup", kToc, "--email", "nobody" }, kUsage },
        { { "parse", missing + ".txt" }, kFailed },
        { { "parse", work.file("401.txt") }, kFailed },
        { { "cdtext", work.file("badtrack.bin") }, kFailed },
        { { "toc", missing + ".cue" }, kUsage },
        { { "toc", "/dev/null", "--interface", "floppy" }, kUsage },
        { { "toc", cue, "--interface", "mci" }, kFailed }, // a reader that reads no image
        { { "sites", "--server", closing.address(), "--email", "jan@example.org" }, kServerFailed },
        { { "lookup", kToc, "--server", "ftp://x", "--email", "jan@example.org" }, kUsage },
        { { "lookup", kToc, "--proto", "4" }, kUsage },
        { { "lookup", kToc, "--source", "nowhere" }, kUsage },
        { { "lookup", missing + ".cue" }, kUsage }, // neither a TOC nor a file
        { { "lookup", fifo }, kUsage, neither(fifo) },
        { { "toc", work.path() }, kUsage, neither(work.path()) },
        // Nothing is sent without an address or to a local database that is not there.
        { { "lookup", kToc, "--server", server.address() }, kUsage,
            "ProtocolError 8880: " + protocolErrorText(kErrorMissingEmail, uCDDBLang::ENGLISH) + "\n" },
        { { "lookup", kToc, "--local", missing, "--server", server.address() }, kUsage,
            "ProtocolError 8885: " + protocolErrorText(kErrorNoLocalDatabase, uCDDBLang::ENGLISH) + "\n" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const ProgramResult run = discovant(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
        EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << run.err;
    }
    EXPECT_TRUE(server.http().requests().empty());
}

} // namespace
} // namespace discovant
