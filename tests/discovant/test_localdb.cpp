// The local CDDB database: choosing the file, finding entries in it, and the scan across read
// blocks.
#include "discovant/cddb/localdb.h"
#include "testkit/files.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <tuple>

using namespace discovant;
using testkit::withCrLf;
namespace fs = std::filesystem;

namespace {

// One entry as freedb's windows-format files hold it, lines ending in LF.
std::string entry(const std::string& discId, const std::string& title, int tracks = 2)
{
    std::string text = "#FILENAME=" + discId + "\n# xmcd\n#\n# Track frame offsets:\n";
    for (int track = 0; track < tracks; ++track)
        text += "#\t" + std::to_string(150 + track * 15000) + "\n";
    text += "#\n# Disc length: " + std::to_string(tracks * 200 + 2)
        + " seconds\n#\n# Revision: 3\n# Submitted via: test 1.0\n#\nDISCID=" + discId + "\nDTITLE=" + title
        + "\nDYEAR=2001\nDGENRE=\n";
    for (int track = 0; track < tracks; ++track)
        text += "TTITLE" + std::to_string(track) + "=Track " + std::to_string(track + 1) + "\n";
    text += "EXTD=\n";
    for (int track = 0; track < tracks; ++track)
        text += "EXTT" + std::to_string(track) + "=\n";
    text += "PLAYORDER=\n";
    return text;
}

// The lines the scan returns for entry(): everything after the "#FILENAME=" line.
std::string entryTextOf(const std::string& fileEntry)
{
    std::string text;
    std::istringstream in(fileEntry);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line))
        text += line + "\r\n";
    return text + ".";
}

} // namespace

TEST(LocalDatabase, ChoosesTheFileByItsHexRange)
{
    testkit::TempFolder db;
    for (const char* name : { "rock/00to3f", "rock/40to7f", "rock/80tobf", "rock/40to7f.bak", "rock/3xto7f",
             "rock/00to7", "jazz/C0TOFF" })
        testkit::writeFile(db.file(name), "");
    fs::create_directories(db.path() / "jazz" / "00tobf"); // a folder, not a file

    const LocalDatabase database(db.path().string());
    EXPECT_EQ(database.fileFor("rock", "7a0b2c09"), db.path() / "rock" / "40to7f");
    EXPECT_EQ(database.fileFor("rock", "3F0b2c09"), db.path() / "rock" / "00to3f");
    EXPECT_EQ(database.fileFor("rock", "c00b2c09"), std::nullopt);
    EXPECT_EQ(database.fileFor("jazz", "c00b2c09"), db.path() / "jazz" / "C0TOFF");
    EXPECT_EQ(database.fileFor("jazz", "7a0b2c09"), std::nullopt);
    EXPECT_EQ(database.fileFor("blues", "7a0b2c09"), std::nullopt); // no such folder

    // Only real categories and real identifiers reach the file system.
    for (const std::string category : { "", "pop", "..", "../rock", "rock/..", "ROCK" })
        EXPECT_EQ(database.fileFor(category, "7a0b2c09"), std::nullopt) << category;
    for (const std::string id : { "", "7", "7a", "7a0b2c0", "7a0b2c099", "zz0b2c09", "7a0b 2c0" })
        EXPECT_EQ(database.fileFor("rock", id), std::nullopt) << id;
}

TEST(LocalDatabase, FindsEntriesAndAnswersQueriesOverAllCategories)
{
    testkit::TempFolder db;
    const std::string first = entry("7a0b2c09", "Band / Rock Album");
    const std::string second = entry("7a112233", "Second / Album", 12);
    testkit::writeFile(db.file("rock/40to7f"), first + second);
    testkit::writeFile(
        db.file("jazz/00to7f"), entry("11111111", "x / y") + entry("7a0b2c09", "Band / Jazz Album"));
    testkit::writeFile(db.file("misc/40to7f"), entry("7a0b2c10", "Other / Disc"));
    testkit::writeFile(db.file("pop/40to7f"), entry("7a0b2c09", "Not / A Category"));

    const LocalDatabase database(db.path().string());
    // The first entry of a file is found as well as a later one.
    EXPECT_EQ(database.entryText("rock", "7a0b2c09"), entryTextOf(first));
    EXPECT_EQ(database.entryText("rock", "7a112233"), entryTextOf(second));
    EXPECT_EQ(database.localReadAnswer("rock", "7a0b2c09"),
        "210 rock 7a0b2c09 CD database entry follows (until terminating `.')\r\n" + entryTextOf(first));
    for (const auto& [category, discId] : { std::pair("rock", "7a999999"), std::pair("jazz", "7a112233") }) {
        EXPECT_EQ(database.matchLine(category, discId), "");
        EXPECT_EQ(database.localReadAnswer(category, discId), "");
    }

    EXPECT_EQ(database.localQueryAnswer("7a0b2c09"),
        "210 Found exact matches, list follows (until terminating `.')\r\n"
        "jazz 7a0b2c09 Band / Jazz Album\r\n"
        "rock 7a0b2c09 Band / Rock Album\r\n.");
    EXPECT_EQ(database.localQueryAnswer("7a0b2c10"), "200 misc 7a0b2c10 Other / Disc\r\n");
    EXPECT_EQ(database.localQueryAnswer("7a0b2c11"), "202 No match for disc ID 7a0b2c11.");

    // With or without the trailing separator the folder is the same.
    const LocalDatabase slashed(db.path().string() + "/");
    EXPECT_TRUE(slashed.folderExists());
    EXPECT_EQ(slashed.localQueryAnswer("7a0b2c09"), database.localQueryAnswer("7a0b2c09"));
    EXPECT_EQ(slashed.entryText("rock", "7a0b2c09"), database.entryText("rock", "7a0b2c09"));

    EXPECT_FALSE(LocalDatabase((db.path() / "missing").string()).folderExists());
    EXPECT_FALSE(LocalDatabase("").folderExists());
    EXPECT_EQ(LocalDatabase((db.path() / "missing").string()).localQueryAnswer("7a0b2c09"),
        "202 No match for disc ID 7a0b2c09.");
}

TEST(LocalDatabase, MatchLinesOfOddEntries)
{
    std::string continued = entry("7a0b2c09", "A Very Long Artist Name / A Very Long Alb");
    continued.insert(continued.find("DYEAR="), "DTITLE=um Title\n");
    // A merged entry lists further identifiers on its DISCID line; those find it too.
    std::string merged = entry("a0000001", "Merged / Entry");
    merged.replace(merged.find("DISCID=a0000001"), 15, "DISCID=a0000001,a0000002");
    const std::tuple<const char*, std::string, const char*, const char*> cases[] = {
        { "CR LF and trailing spaces", withCrLf(entry("7a0b2c09", "Band / Album   ")), "7a0b2c09",
            "Band / Album" },
        { "a continued title", continued, "7a0b2c09", "A Very Long Artist Name / A Very Long Album Title" },
        { "Windows-1252", entry("7a0b2c09", "Bj\xF6rk / Caf\xE9"), "7a0b2c09", "Bj\xC3\xB6rk / Caf\xC3\xA9" },
        { "a merged entry", merged, "a0000002", "Merged / Entry" },
    };
    for (const auto& [what, file, discId, title] : cases) {
        testkit::TempFolder db;
        testkit::writeFile(db.file("rock/00toff"), file);
        const LocalDatabase database(db.path().string());
        EXPECT_EQ(database.matchLine("rock", discId), "rock " + std::string(discId) + " " + title) << what;
        const std::string text = database.entryText("rock", discId);
        for (const char* left : { "\r\r", " \r\n" })
            EXPECT_EQ(text.find(left), std::string::npos) << what;
        EXPECT_EQ(text.substr(text.size() - 13), "PLAYORDER=\r\n.") << what;
    }
}

TEST(LocalDatabase, EmptyBinaryAndUnterminatedFiles)
{
    testkit::TempFolder db;
    testkit::writeFile(db.file("blues/00toff"), "");
    std::mt19937 random(99);
    std::string binary(200000, '\0');
    for (char& c : binary)
        c = static_cast<char>(random());
    testkit::writeFile(db.file("country/00toff"), binary);
    // An entry without PLAYORDER and without a final line end runs to the end of the file.
    testkit::writeFile(db.file("folk/00toff"), "#FILENAME=7a0b2c09\nDTITLE=Cut / Off\nTTITLE0=Last");
    // The identifier on the very last line, nothing behind it.
    testkit::writeFile(db.file("data/00toff"), binary + "\n#FILENAME=7a0b2c09");

    const LocalDatabase database(db.path().string());
    EXPECT_EQ(database.entryText("blues", "7a0b2c09"), "");
    EXPECT_EQ(database.entryText("country", "7a0b2c09"), "");
    EXPECT_EQ(database.entryText("folk", "7a0b2c09"), "DTITLE=Cut / Off\r\nTTITLE0=Last\r\n.");
    EXPECT_EQ(database.entryText("data", "7a0b2c09"), ".");
    EXPECT_EQ(database.matchLine("data", "7a0b2c09"), "");
    EXPECT_EQ(database.localQueryAnswer("7a0b2c09"), "200 folk 7a0b2c09 Cut / Off\r\n");
}

// The entry as the Unix layout keeps it: the file named by the identifier, without the
// windows format's "#FILENAME=" line.
void writeEntryFile(
    const fs::path& folder, const std::string& category, const std::string& discId, const std::string& title)
{
    const std::string text = entry(discId, title);
    testkit::writeFile(folder / category / discId, text.substr(text.find('\n') + 1));
}

TEST(LocalDatabase, BothLayoutsGiveTheSameAnswers)
{
    // The same entries in a windows-layout tree and in a tree that keeps jazz in the Unix
    // layout, as a gnudb archive unpacks, beside windows-layout categories.
    testkit::TempFolder windows, mixed;
    const std::tuple<const char*, const char*, const char*> stored[] = {
        { "rock", "7a0b2c09", "Band / Rock Album" },
        { "jazz", "7a0b2c09", "Band / Jazz Album" },
        { "jazz", "11111111", "Other / Disc" },
        { "misc", "7a0b2c10", "Misc / Disc" },
    };
    std::map<std::string, std::string> rangeFiles;
    for (const auto& [category, discId, title] : stored) {
        rangeFiles[std::string(category) + "/00toff"] += entry(discId, title);
        if (std::string(category) == "jazz")
            writeEntryFile(mixed.path(), category, discId, title);
    }
    for (const auto& [file, text] : rangeFiles) {
        testkit::writeFile(windows.path() / file, text);
        if (file.rfind("jazz/", 0) != 0)
            testkit::writeFile(mixed.path() / file, text);
    }

    const LocalDatabase reference(windows.path().string());
    const LocalDatabase database(mixed.path().string());
    EXPECT_EQ(database.layoutOf("jazz"), LocalDatabase::Layout::Unix);
    EXPECT_EQ(database.layoutOf("rock"), LocalDatabase::Layout::Windows);
    EXPECT_EQ(database.layoutOf("blues"), LocalDatabase::Layout::None);
    for (const char* id : { "7a0b2c09", "11111111", "7a0b2c10", "7a0b2c11" }) {
        EXPECT_EQ(database.localQueryAnswer(id), reference.localQueryAnswer(id)) << id;
        for (const std::string category : { "rock", "jazz", "misc" })
            EXPECT_EQ(database.localReadAnswer(category, id), reference.localReadAnswer(category, id)) << id;
    }
    EXPECT_EQ(database.localQueryAnswer("11111111"), "200 jazz 11111111 Other / Disc\r\n");
}

TEST(LocalDatabase, UnixLayoutFolderOfManyFilesAndOddEntries)
{
    // A folder of thousands of tiny entry files (a real archive holds a million): hits and
    // misses are answered from the one file that matters.
    testkit::TempFolder db;
    for (unsigned i = 0; i < 2000; ++i) {
        char id[9];
        std::snprintf(id, sizeof id, "%08x", 0x10000000u + i * 7919u);
        testkit::writeFile(
            db.file(std::string("rock/") + id), "DTITLE=A / " + std::to_string(i) + "\nPLAYORDER=\n");
    }
    const LocalDatabase database(db.path().string());
    EXPECT_EQ(database.matchLine("rock", "10017334"), "rock 10017334 A / 12"); // 0x10000000 + 12 * 7919
    EXPECT_EQ(database.matchLine("rock", "10017335"), "");

    // Files that are no entry are never read: a FIFO (which would block), a folder, and a
    // file too large for an entry.
    const std::string fifo = db.file("rock/2a2a2a2a").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directories(db.path() / "rock" / "3b3b3b3b");
    testkit::writeFile(db.file("rock/4c4c4c4c"), "DTITLE=Big / One\n" + std::string(kMaxEntryFileBytes, 'x'));
    for (const char* id : { "2a2a2a2a", "3b3b3b3b", "4c4c4c4c" })
        EXPECT_EQ(database.entryText("rock", id), "") << id;

    // The scan of one entry file: CR LF line ends and trailing spaces go, the entry ends at
    // its PLAYORDER line, and a file larger than the bound is not taken.
    std::istringstream crlf("# xmcd\r\nDTITLE=A / B  \r\nPLAYORDER=\r\nDTITLE=after\r\n");
    EXPECT_EQ(entryFileLines(crlf), (std::vector<std::string> { "# xmcd", "DTITLE=A / B", "PLAYORDER=" }));
    std::istringstream unterminated("DTITLE=A / B\nTTITLE0=x");
    EXPECT_EQ(entryFileLines(unterminated), (std::vector<std::string> { "DTITLE=A / B", "TTITLE0=x" }));
    std::istringstream tooLarge(std::string(101, 'x'));
    EXPECT_EQ(entryFileLines(tooLarge, 100), std::nullopt);
}

TEST(LocalDatabase, ScanFindsIdentifiersAcrossReadBlocks)
{
    const std::string id = "7a0b2c09";
    const std::string tail = "\nDTITLE=Found / It\nPLAYORDER=\nDTITLE=Next\n";
    const std::vector<std::string> expected = { "DTITLE=Found / It", "PLAYORDER=" };
    for (const size_t block :
        { size_t(1), size_t(2), size_t(3), size_t(7), size_t(8), size_t(9), size_t(64), kScanBlockSize }) {
        for (size_t at = 1; at < 3 * std::min<size_t>(block, 64) + 20; ++at) {
            std::string bytes(at, 'x');
            for (size_t i = 39; i < at; i += 40)
                bytes[i] = '\n';
            bytes[at - 1] = ',';
            std::istringstream found(bytes + id + tail);
            const auto lines = scanEntryLines(found, id, block);
            ASSERT_TRUE(lines) << block << " " << at;
            EXPECT_EQ(*lines, expected) << block << " " << at;

            // The same bytes with a letter or digit right before the identifier hold no hit (a
            // barcode or catalogue number may contain it), nor with a digit right behind it.
            for (const char glue : { 'x', '0' }) {
                bytes[at - 1] = glue;
                std::istringstream glued(bytes + id + tail);
                EXPECT_FALSE(scanEntryLines(glued, id, block)) << block << " " << at << glue;
            }
            std::istringstream longer(bytes + "\n" + id + "0" + tail);
            EXPECT_FALSE(scanEntryLines(longer, id, block)) << block << " " << at;
        }
    }
    // A file larger than a block, the identifier straddling the first block boundary.
    std::string big(kScanBlockSize - 3, 'y');
    big[100] = '\n';
    big += '\n' + id + tail;
    std::istringstream bigStream(big);
    EXPECT_EQ(scanEntryLines(bigStream, id), expected);

    // A line of megabytes inside the entry, read in small blocks.
    const std::string longTitle = "TTITLE0=" + std::string(3 << 20, 'z');
    std::istringstream longLine("#FILENAME=" + id + "\r\n" + longTitle + "\r\nPLAYORDER=\r\n");
    EXPECT_EQ(scanEntryLines(longLine, id, 4096), (std::vector<std::string> { longTitle, "PLAYORDER=" }));

    std::istringstream anything("7a0b2c09\nx\n");
    EXPECT_FALSE(scanEntryLines(anything, ""));
}
