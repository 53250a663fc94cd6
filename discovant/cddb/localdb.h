#pragma once

#include <filesystem>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace discovant {

// A CDDB database on disk: one sub-folder per category, each in one of two layouts, told
// apart per category folder.
//
// Windows layout (freedb's windows format): files named XXtoYY (two hexadecimal digits,
// "to", two hexadecimal digits, no extension) with the entries whose disc identifier starts
// with a byte from XX to YY. A file holds xmcd entries one after the other; an entry is found
// by the first line that holds its disc identifier (as a whole word, e.g.
// "#FILENAME=7a0b2c09" or "DISCID=7a0b2c09") and runs to its "PLAYORDER=" line.
//
// Unix layout (as the freedb and gnudb archives unpack): one file per entry, named by its
// disc identifier ("rock/7a0b2c09"), holding the entry from its "# xmcd" line
// to its "PLAYORDER=" line. A category folder is in this layout when it has a file named by
// the identifier looked up, or when the first entry of the folder whose name fits either
// layout is such a file; a lookup therefore never lists a folder of a million entries.
//
// Lines may end in LF or CR LF. Reading never holds more than one file's worth of data:
// range files are streamed in blocks and only the lines of the entry that was found are
// kept; an entry file above kMaxEntryFileBytes is not read.
class LocalDatabase {
public:
    // Told before each category of a search how many of how many are done; returns false
    // to stop the search there.
    using SearchWatch = std::function<bool(std::size_t done, std::size_t total)>;

    // `folder` holds the category folders; a trailing "/" is optional.
    explicit LocalDatabase(std::string folder, SearchWatch watch = {});

    bool folderExists() const;

    enum class Layout { None, Windows, Unix };

    // The layout of `category`'s folder (None: no such folder, or nothing in it of either
    // layout). Only the folder's first fitting entry is looked at.
    Layout layoutOf(const std::string& category) const;

    // The file of `category` that holds `discId`: its own file in the Unix layout (when it is
    // there), else the XXtoYY file whose range holds the identifier's first byte, the first
    // such name in name order. Nothing when the category is not one of categories(), the
    // identifier is not eight hexadecimal digits, or no file fits.
    std::optional<std::filesystem::path> fileFor(
        const std::string& category, const std::string& discId) const;

    // The query-answer line of the entry: category, " ", disc identifier, " ", the entry's
    // DTITLE text (continuation lines joined, as UTF-8). "" when there is no file, the
    // identifier is not in it, or its entry has no DTITLE.
    std::string matchLine(const std::string& category, const std::string& discId) const;

    // The entry's lines after the identifier line up to and including its "PLAYORDER=" line
    // (or the end of the file), each followed by CR LF, then ".". "" when not found.
    std::string entryText(const std::string& category, const std::string& discId) const;

    // The query answer a server would send for `discId`, built from every category:
    // "202 No match for disc ID <id>.", "200 <line>\r\n", or "210 Found exact matches, list
    // follows (until terminating `.')\r\n<lines, each with CR LF>.". "" when the watch
    // stopped the search.
    std::string localQueryAnswer(const std::string& discId) const;

    // The read answer a server would send: "210 <category> <id> CD database entry follows
    // (until terminating `.')\r\n" + entryText. "" when the entry cannot be found (the
    // lookup then ends with no match, as after an empty network answer).
    std::string localReadAnswer(const std::string& category, const std::string& discId) const;

    // The categories in search order: blues, country, classical, data, folk, jazz, misc,
    // newage, reggae, rock, soundtrack.
    static const std::vector<std::string>& categories();

private:
    std::filesystem::path folder_;
    SearchWatch watch_;
};

// The scan behind matchLine and entryText, on any stream of a database file's bytes.
// Returns the entry's lines (after the identifier line, up to and including the
// "PLAYORDER=" line), each without its line end and trailing spaces, or nothing when
// `discId` does not stand as a whole word on any line. An empty `discId` finds nothing.
// The stream is read in blocks of `blockSize` bytes; the scan holds about one block plus
// the longest line it has to keep.
inline constexpr size_t kScanBlockSize = 256 * 1024;
std::optional<std::vector<std::string>> scanEntryLines(
    std::istream& in, std::string_view discId, size_t blockSize = kScanBlockSize);

// The lines of a Unix-layout entry file, from its first line up to and including the first
// "PLAYORDER=" line (or the end), each without its line end and trailing spaces; nothing
// when the stream holds more than `maxBytes` (no entry is that large; the file is not one).
inline constexpr size_t kMaxEntryFileBytes = 1024 * 1024;
std::optional<std::vector<std::string>> entryFileLines(
    std::istream& in, size_t maxBytes = kMaxEntryFileBytes);

} // namespace discovant
