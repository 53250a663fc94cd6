#include "discovant/cddb/localdb.h"

#include "discovant/cddb/textcodec.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <memory>

namespace discovant {

namespace {

constexpr std::string_view kPlayOrderKey = "PLAYORDER=";
constexpr std::string_view kTitleKey = "DTITLE=";

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

int hexByte(std::string_view twoDigits)
{
    return hexValue(twoDigits[0]) * 16 + hexValue(twoDigits[1]);
}

bool isDiscId(std::string_view text)
{
    return text.size() == 8 && std::all_of(text.begin(), text.end(), isHexDigit);
}

// "XXtoYY": exactly six characters, XX and YY hexadecimal (the "to" in any case, as the
// name pattern matches on a case-insensitive file system).
bool isRangeFileName(std::string_view name)
{
    return name.size() == 6 && isHexDigit(name[0]) && isHexDigit(name[1]) && (name[2] | 0x20) == 't'
        && (name[3] | 0x20) == 'o' && isHexDigit(name[4]) && isHexDigit(name[5]);
}

bool isWordChar(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A database line without its line end: a CR before the LF goes, then trailing spaces.
std::string_view stripLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const size_t last = line.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : line.substr(0, last + 1);
}

// A window over a stream: data() is what was read and not yet dropped. The buffer grows
// only when a single line outgrows it; dropping is free and space is reused by compacting.
class StreamWindow {
public:
    StreamWindow(std::istream& in, size_t blockSize)
        : in_(in)
        , blockSize_(std::max<size_t>(blockSize, 1))
    {
    }

    std::string_view data() const { return { buffer_.get() + begin_, end_ - begin_ }; }

    bool atEnd() const { return atEnd_; }

    // Reads one more block behind data(); false when the stream has nothing more.
    bool readMore()
    {
        if (atEnd_)
            return false;
        makeRoom();
        in_.read(buffer_.get() + end_, static_cast<std::streamsize>(blockSize_));
        const auto got = static_cast<size_t>(std::max<std::streamsize>(in_.gcount(), 0));
        end_ += got;
        if (got == 0 || !in_)
            atEnd_ = true;
        return got > 0;
    }

    // Drops the first `count` bytes of data(), remembering the last one dropped.
    void drop(size_t count)
    {
        if (count == 0)
            return;
        before_ = buffer_[begin_ + count - 1];
        begin_ += count;
    }

    // The byte before data()[pos], '\n' at the start of the stream.
    char byteBefore(size_t pos) const { return pos > 0 ? buffer_[begin_ + pos - 1] : before_; }

private:
    void makeRoom()
    {
        const size_t kept = end_ - begin_;
        if (capacity_ - end_ >= blockSize_)
            return;
        if (capacity_ - kept >= blockSize_) {
            std::memmove(buffer_.get(), buffer_.get() + begin_, kept);
        } else {
            capacity_ = std::max(capacity_ * 2, kept + blockSize_);
            auto larger = std::make_unique_for_overwrite<char[]>(capacity_);
            if (kept > 0)
                std::memcpy(larger.get(), buffer_.get() + begin_, kept);
            buffer_ = std::move(larger);
        }
        begin_ = 0;
        end_ = kept;
    }

    std::istream& in_;
    size_t blockSize_;
    std::unique_ptr<char[]> buffer_;
    size_t capacity_ = 0;
    size_t begin_ = 0;
    size_t end_ = 0;
    bool atEnd_ = false;
    char before_ = '\n';
};

// Finds the first occurrence of `discId` standing as a whole word (no letter or digit on
// either side) and leaves the window positioned at it (data[0]). False when there is none.
bool seekIdentifier(StreamWindow& window, std::string_view discId)
{
    size_t from = 0;
    while (true) {
        window.readMore();
        const std::string_view data = window.data();
        size_t resume = data.size() >= discId.size() ? data.size() - discId.size() + 1 : 0;
        while (from + discId.size() <= data.size()) {
            const void* hit = memmem(data.data() + from, data.size() - from, discId.data(), discId.size());
            if (hit == nullptr)
                break;
            const size_t at = static_cast<size_t>(static_cast<const char*>(hit) - data.data());
            const size_t behind = at + discId.size();
            if (behind == data.size() && !window.atEnd()) {
                resume = at; // the byte behind it is still to be read
                break;
            }
            const bool startsWord = !isWordChar(window.byteBefore(at));
            const bool endsWord = behind == data.size() || !isWordChar(data[behind]);
            if (startsWord && endsWord) {
                window.drop(at);
                return true;
            }
            from = at + 1;
        }
        if (window.atEnd())
            return false; // everything has been searched
        resume = std::max(std::min(resume, data.size()), std::min(from, data.size()));
        window.drop(resume);
        from = 0;
    }
}

// Skips the rest of the current line; false when the stream ends first.
bool skipLine(StreamWindow& window)
{
    while (true) {
        const size_t newline = window.data().find('\n');
        if (newline != std::string_view::npos) {
            window.drop(newline + 1);
            return true;
        }
        window.drop(window.data().size());
        if (!window.readMore())
            return false;
    }
}

// Collects lines up to and including the first one holding "PLAYORDER=", or to the end.
std::vector<std::string> collectEntry(StreamWindow& window)
{
    std::vector<std::string> lines;
    size_t from = 0; // start of the current line
    size_t searched = 0; // a long line is not searched again for its end after every block
    while (true) {
        const size_t newline = window.data().find('\n', searched);
        if (newline == std::string_view::npos) {
            window.drop(from);
            from = 0;
            searched = window.data().size();
            if (window.readMore())
                continue;
            if (!window.data().empty())
                lines.emplace_back(stripLine(window.data()));
            return lines;
        }
        const std::string_view line = stripLine(window.data().substr(from, newline - from));
        lines.emplace_back(line);
        from = newline + 1;
        searched = from;
        if (line.find(kPlayOrderKey) != std::string_view::npos)
            return lines;
    }
}

} // namespace

std::optional<std::vector<std::string>> scanEntryLines(
    std::istream& in, std::string_view discId, size_t blockSize)
{
    if (discId.empty())
        return std::nullopt;
    StreamWindow window(in, blockSize);
    if (!seekIdentifier(window, discId))
        return std::nullopt;
    if (!skipLine(window))
        return std::vector<std::string>();
    return collectEntry(window);
}

std::optional<std::vector<std::string>> entryFileLines(std::istream& in, size_t maxBytes)
{
    // An entry is a few kilobytes: read whole, within the bound.
    std::string bytes;
    char block[16 * 1024];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        const auto got = static_cast<size_t>(in.gcount());
        if (got > maxBytes - bytes.size())
            return std::nullopt;
        bytes.append(block, got);
    }
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t newline = bytes.find('\n', start);
        const size_t end = newline == std::string::npos ? bytes.size() : newline;
        const std::string_view line = stripLine(std::string_view(bytes).substr(start, end - start));
        lines.emplace_back(line);
        if (line.find(kPlayOrderKey) != std::string_view::npos)
            break;
        start = end + 1;
    }
    return lines;
}

namespace {

bool isRegularFile(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

std::optional<std::vector<std::string>> readEntry(
    const LocalDatabase& database, const std::string& category, const std::string& discId)
{
    const std::optional<std::filesystem::path> file = database.fileFor(category, discId);
    if (!file)
        return std::nullopt;
    std::ifstream in(*file, std::ios::binary);
    if (!in)
        return std::nullopt;
    // An entry's own file holds nothing but the entry; a range file holds many.
    if (isDiscId(file->filename().string()))
        return entryFileLines(in);
    return scanEntryLines(in, discId);
}

} // namespace

LocalDatabase::LocalDatabase(std::string folder, SearchWatch watch)
    : folder_(std::move(folder))
    , watch_(std::move(watch))
{
}

bool LocalDatabase::folderExists() const
{
    std::error_code error;
    return !folder_.empty() && std::filesystem::is_directory(folder_, error);
}

const std::vector<std::string>& LocalDatabase::categories()
{
    static const std::vector<std::string> names = { "blues", "country", "classical", "data", "folk", "jazz",
        "misc", "newage", "reggae", "rock", "soundtrack" };
    return names;
}

LocalDatabase::Layout LocalDatabase::layoutOf(const std::string& category) const
{
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder_ / category, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (isRangeFileName(name))
            return Layout::Windows;
        if (isDiscId(name))
            return Layout::Unix;
    }
    return Layout::None;
}

std::optional<std::filesystem::path> LocalDatabase::fileFor(
    const std::string& category, const std::string& discId) const
{
    const auto& known = categories();
    if (std::find(known.begin(), known.end(), category) == known.end() || !isDiscId(discId))
        return std::nullopt;

    const std::filesystem::path own = folder_ / category / discId;
    if (isRegularFile(own))
        return own;
    if (layoutOf(category) != Layout::Windows)
        return std::nullopt;

    const int key = hexByte(discId);
    std::error_code error;
    std::vector<std::string> names;
    for (std::filesystem::directory_iterator it(folder_ / category, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (isRangeFileName(name) && it->is_regular_file(typeError))
            names.push_back(name);
    }
    // Directory order differs between file systems; name order makes the choice stable.
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        const std::string_view range = name;
        if (hexByte(range.substr(0, 2)) <= key && key <= hexByte(range.substr(4, 2)))
            return folder_ / category / name;
    }
    return std::nullopt;
}

std::string LocalDatabase::matchLine(const std::string& category, const std::string& discId) const
{
    const auto lines = readEntry(*this, category, discId);
    if (!lines)
        return {};
    bool hasTitle = false;
    std::string title;
    for (const std::string& line : *lines) {
        const size_t at = line.find(kTitleKey);
        if (at == std::string::npos)
            continue;
        // A long title is continued on further DTITLE lines; they make one title.
        hasTitle = true;
        title.append(line, at + kTitleKey.size());
    }
    if (!hasTitle)
        return {};
    return category + ' ' + discId + ' ' + toUtf8(title);
}

std::string LocalDatabase::entryText(const std::string& category, const std::string& discId) const
{
    const auto lines = readEntry(*this, category, discId);
    if (!lines)
        return {};
    std::string text;
    for (const std::string& line : *lines) {
        text += line;
        text += "\r\n";
    }
    text += '.';
    return text;
}

std::string LocalDatabase::localQueryAnswer(const std::string& discId) const
{
    std::string list;
    int count = 0;
    std::size_t done = 0;
    for (const std::string& category : categories()) {
        if (watch_ && !watch_(done++, categories().size()))
            return {};
        const std::string line = matchLine(category, discId);
        if (line.empty())
            continue;
        ++count;
        list += line;
        list += "\r\n";
    }
    if (count == 0)
        return "202 No match for disc ID " + discId + ".";
    if (count == 1)
        return "200 " + list;
    return "210 Found exact matches, list follows (until terminating `.')\r\n" + list + ".";
}

std::string LocalDatabase::localReadAnswer(const std::string& category, const std::string& discId) const
{
    const std::string text = entryText(category, discId);
    if (text.empty())
        return {};
    return "210 " + category + " " + discId + " CD database entry follows (until terminating `.')\r\n" + text;
}

} // namespace discovant
