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

constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kServerFailed = 3;

const std::string kToc = "150 10000 20000"; // disc identifier 09010802
const testkit::DiscEntry kTagoMago { "Can", "Tago Mago", "1972", { "Mushroom", "Oh Yeah" }, "Krautrock" };

// Everything lookup prints for kTagoMago found in category rock.
const std::string kTagoMagoLines
    = "MATCH=2\nDISCID=09010802\nCATEGORY=rock\nARTIST=Can\nALBUM=Tago Mago\n"
      "YEAR=1972\nGENRE=Krautrock\nREVISION=1\nLENGTH=266\nTRACKS=2\n"
      "TRACK1=Mushroom\nTRACK2=Oh Yeah\nTIME1=131\nTIME2=133\nTNOTES1=\nTNOTES2=\nNOTES=\n";

// Runs the tool in the C locale (English messages) without the caller's DISCOVANT_*
// variables, changed by `environment`.
ProgramResult discovant(std::vector<std::string> args, const std::string& input = {},
    std::map<std::string, std::string> environment = {})
{
    args.insert(args.begin(), DISCOVANT_CLI_PATH);
    environment.insert({ { "LC_ALL", "C" }, { "DISCOVANT_EMAIL", "" }, { "DISCOVANT_SERVER", "" } });
    return testkit::runProgram(args, environment, input);
}

// A successful run printing exactly `out`.
void expectOutput(const ProgramResult& run, const std::string& out)
{
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, out);
}

// The first line of a run's output.
std::string firstLine(const ProgramResult& run)
{
    return run.out.substr(0, run.out.find('\n'));
}

// Lines `key=...` of a run's output, in order.
std::string valuesOf(const ProgramResult& run, const std::vector<std::string>& keys)
{
    std::string lines;
    for (const std::string& key : keys) {
        const std::size_t at = run.out.find("\n" + key + "=");
        if (at != std::string::npos)
            lines += run.out.substr(at + 1, run.out.find('\n', at + 1) - at);
    }
    return lines;
}

class Cli : public ::testing::Test {
protected:
    testkit::TempFolder work;
    testkit::FakeCddbServer server;
};

TEST_F(Cli, HelpAndVersionOnStdout)
{
    for (const std::vector<std::string>& asked :
        { std::vector<std::string> { "--help" }, { "-h" }, { "help" }, { "lookup", "--help" } }) {
        const ProgramResult help = discovant(asked);
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_EQ(help.out.rfind("usage: discovant drives\n", 0), 0u) << help.out;
        EXPECT_NE(help.out.find("DISCOVANT_EMAIL"), std::string::npos);
        EXPECT_EQ(help.err, "");
    }
    expectOutput(discovant({ "--version" }), "discovant " + Discovant::componentVersion() + "\n");
}

TEST_F(Cli, IdOfTheWorkedExample)
{
    expectOutput(discovant({ "id", "  " + kToc + " " }),
        "DISCID=09010802\nTRACKS=2\nLENGTH=264\nTRACKLENGTHS=131 133\nQUERY=09010802+2+150+10000+266\n");
}

TEST_F(Cli, ParseASavedReadAnswer)
{
    // Notes with a line break print it escaped; without a genre the category stands in.
    testkit::writeFile(work.file("answer.txt"),
        "210 jazz 09010802 CD database entry follows\r\n# Revision: 7\r\nDTITLE=Miles Davis / Kind of "
        "Blue\r\n"
        "DYEAR=1959\r\nTTITLE0=So What\r\nTTITLE1=Freddie Freeloader\r\nEXTD=Recorded\\nin New York\r\n"
        "EXTT0=Modal\r\nEXTT1=\r\n.\r\n");
    expectOutput(discovant({ "parse", work.file("answer.txt") }),
        "DISCID=09010802\nCATEGORY=jazz\nARTIST=Miles Davis\nALBUM=Kind of Blue\nYEAR=1959\nGENRE=jazz\n"
        "REVISION=7\nLENGTH=0\nTRACKS=0\nTRACK1=So What\nTRACK2=Freddie Freeloader\nTNOTES1=Modal\nTNOTES2=\n"
        "NOTES=Recorded\\nin New York\n");
}

TEST_F(Cli, CdTextOfARecordedDriveAnswer)
{
    const std::vector<unsigned char> answer = test::cdTextAnswerFromPacks({
        test::cdTextPack(0x80, 0, 0, std::string("Album\0Song1\0", 12)),
        test::cdTextPack(0x81, 0, 1, std::string("Band\0Band\0", 10)),
    });
    testkit::writeFile(work.file("cdtext.bin"), std::string(answer.begin(), answer.end()));
    expectOutput(discovant({ "cdtext", work.file("cdtext.bin") }), "CDTEXT=Band|Album||||Song1|\n");
}

TEST_F(Cli, TocOfADiscImageThroughTheReadersTheInterfaceAllows)
{
    const std::string cue = test::writeSampleDisc(work.path());
    const std::string lines = "TOC=" + test::kSampleDiscToc + "\nCDTEXT=" + test::kSampleDiscCdText + "\n";
    expectOutput(discovant({ "toc", cue, "--interface", "aspi" }), lines);
    const ProgramResult mci = discovant({ "toc", cue, "--interface", "mci" });
    EXPECT_EQ(mci.exitCode, kFailed);
    EXPECT_EQ(mci.out, "");
}

TEST_F(Cli, LookupInALocalDatabase)
{
    const std::string db = work.file("db").string();
    testkit::writeLocalDatabaseEntry(db, "rock", "09010802", kTagoMago);
    expectOutput(discovant({ "lookup", kToc, "--local", db, "--server", server.address() }), kTagoMagoLines);

    // In two categories: the one typed on stdin, with the choice listed on stderr.
    testkit::DiscEntry misc = kTagoMago;
    misc.album = "Misc Mago";
    testkit::writeLocalDatabaseEntry(db, "misc", "09010802", misc);
    const ProgramResult chosen = discovant(
        { "lookup", kToc, "--local", db, "--no-first-match", "--server", server.address() }, "2\n");
    EXPECT_EQ(firstLine(chosen), "MATCH=1");
    EXPECT_EQ(valuesOf(chosen, { "CATEGORY", "ALBUM" }), "CATEGORY=rock\nALBUM=Tago Mago\n");
    EXPECT_NE(chosen.err.find("Can / Misc Mago"), std::string::npos) << chosen.err;

    // No match completes the lookup: exit 0 and MATCH=0. A missing folder is a bad argument.
    const ProgramResult none
        = discovant({ "lookup", "150 20000 30000", "--local", db, "--server", server.address() });
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(firstLine(none), "MATCH=0");
    const ProgramResult missing
        = discovant({ "lookup", kToc, "--local", work.file("nothing"), "--server", server.address() });
    EXPECT_EQ(missing.exitCode, kUsage);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(
        missing.err.rfind(
            "ProtocolError 8885: " + protocolErrorText(kErrorNoLocalDatabase, uCDDBLang::ENGLISH) + "\n", 0),
        0u);
    EXPECT_TRUE(server.http().requests().empty());
}

TEST_F(Cli, LookupReadsTheTocOfADiscImageFirst)
{
    // The sample image's disc in a Unix-layout database, as a gnudb archive unpacks.
    const std::string cue = test::writeSampleDisc(work.path());
    const std::string discId = deriveLookupValues(test::kSampleDiscToc).discId;
    testkit::writeUnixDatabaseEntry(work.file("db").string(), "folk", discId, kTagoMago);
    const ProgramResult found = discovant({ "lookup", cue, "--local", work.file("db") });
    EXPECT_EQ(found.exitCode, 0) << found.err;
    EXPECT_EQ(valuesOf(found, { "DISCID", "CATEGORY", "ALBUM", "TRACKS" }),
        "DISCID=" + discId + "\nCATEGORY=folk\nALBUM=Tago Mago\nTRACKS=2\n");

    // Neither a drive nor an image: refused at once, never opened (a FIFO would block).
    const std::string fifo = work.file("disc.fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& refused : { fifo, work.path().string() }) {
        for (const std::string command : { "lookup", "toc" }) {
            const ProgramResult run = discovant({ command, refused });
            EXPECT_EQ(run.exitCode, kUsage) << command << " " << refused;
            EXPECT_EQ(
                run.err.rfind("discovant: " + refused + " is neither a drive nor a disc image\n", 0), 0u)
                << run.err;
        }
    }
}

TEST_F(Cli, EnvironmentStandsInForTheOptionsAndFailuresSetTheExitStatus)
{
    server.serve("09010802", kTagoMago, "rock");
    const std::map<std::string, std::string> environment
        = { { "DISCOVANT_EMAIL", "env@example.org" }, { "DISCOVANT_SERVER", server.address() } };
    expectOutput(discovant({ "lookup", kToc }, {}, environment), kTagoMagoLines);
    EXPECT_NE(server.targets().back().find("&hello=env+example.org+Discovant+"), std::string::npos);
    // An option wins over its variable.
    expectOutput(
        discovant({ "lookup", kToc, "--email", "opt@example.org" }, {}, environment), kTagoMagoLines);
    EXPECT_NE(server.targets().back().find("&hello=opt+example.org+"), std::string::npos);

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

TEST_F(Cli, SitesOnTheServerAndNothingSentWithoutAnAddress)
{
    server.reply("sites",
        { 200,
            "210 OK, site information follows (until terminating `.')\r\n"
            "a.example.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Main site\r\n"
            "a.example.org cddbp 8880 - N000.00 W000.00 Main site\r\n"
            "b.example.org http 8080 /~cddb/cddb.cgi N052.22 E004.53 Mirror\r\n.\r\n" });
    expectOutput(discovant({ "sites", "--server", server.address(), "--email", "jan@example.org" }),
        "SITES=2\nSITE1=a.example.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Main site\n"
        "SITE2=b.example.org http 8080 /~cddb/cddb.cgi N052.22 E004.53 Mirror\n");

    // Without an address nothing is sent, and the event says why.
    server.http().clearRequests();
    const ProgramResult noAddress = discovant({ "lookup", kToc, "--server", server.address() });
    EXPECT_EQ(noAddress.exitCode, kUsage);
    EXPECT_EQ(noAddress.out, "");
    EXPECT_EQ(
        noAddress.err.rfind(
            "ProtocolError 8880: " + protocolErrorText(kErrorMissingEmail, uCDDBLang::ENGLISH) + "\n", 0),
        0u);
    EXPECT_TRUE(server.http().requests().empty());
}

TEST_F(Cli, FailuresPrintNothingOnStdoutAndSayWhyOnStderr)
{
    testkit::writeFile(work.file("401.txt"), "401 jazz 09010802 No such CD entry in database.\r\n");
    const std::vector<unsigned char> badTrack
        = test::cdTextAnswerFromPacks({ test::cdTextPack(0x80, 100, 0, std::string("Title\0", 6)) });
    testkit::writeFile(work.file("badtrack.bin"), std::string(badTrack.begin(), badTrack.end()));
    testkit::RawServer closing(""); // closes every connection without a word
    const std::string missing = work.file("missing").string();

    struct Case {
        std::vector<std::string> args;
        int exitCode;
    };
    const Case cases[] = {
        { {}, kUsage }, { { "frobnicate" }, kUsage }, { { "id" }, kUsage }, { { "id", "150" }, kUsage },
        { { "id", "150 2457750" }, kUsage }, // beyond 32767 s
        { { "lookup", kToc, "--colour" }, kUsage }, { { "lookup", kToc, "--server" }, kUsage },
        { { "lookup", kToc, "--email", "nobody" }, kUsage }, { { "parse", missing + ".txt" }, kFailed },
        { { "parse", work.file("401.txt") }, kFailed }, { { "cdtext", work.file("badtrack.bin") }, kFailed },
        { { "toc", missing + ".cue" }, kUsage }, { { "toc", "/dev/null", "--interface", "floppy" }, kUsage },
        { { "sites", "--server", closing.address(), "--email", "jan@example.org" }, kServerFailed },
        { { "lookup", kToc, "--server", "ftp://x", "--email", "jan@example.org" }, kUsage },
        { { "lookup", kToc, "--proto", "4" }, kUsage },
        { { "lookup", missing + ".cue" }, kUsage }, // neither a TOC nor a file
    };
    for (const Case& c : cases) {
        std::string command;
        for (const std::string& arg : c.args)
            command += " " + arg;
        SCOPED_TRACE("discovant" + command);
        const ProgramResult run = discovant(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
    }
}

} // namespace
} // namespace discovant
