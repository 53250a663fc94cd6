#include "discovant/cddb/entry.h"

#include "discovant/cddb/numeric.h"
#include "discovant/cddb/textcodec.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace discovant {

namespace {

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Position just behind the first occurrence of `key` (lowercase ASCII) in `line`, ignoring
// case; nothing when the line does not hold the key.
std::optional<size_t> afterKey(std::string_view line, std::string_view key)
{
    const auto found = std::search(
        line.begin(), line.end(), key.begin(), key.end(), [](char a, char b) { return asciiLower(a) == b; });
    if (found == line.end())
        return std::nullopt;
    return static_cast<size_t>(found - line.begin()) + key.size();
}

// xmcd writes a line break inside a text as the two characters backslash and n.
std::string withLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += "\r\n";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Appends a keyed line ("TTITLE3=value") to `items`: a key other than the previous one
// starts a new item, the same key continues the last one. Items are numbered by the order
// their keys first appear, not by the number in the key.
void appendKeyed(std::string_view line, std::vector<std::string>& items, std::string& lastKey)
{
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return;
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);
    if (items.empty() || key != lastKey) {
        items.emplace_back(value);
        lastKey.assign(key);
    } else {
        items.back() += value;
    }
}

// The DTITLE text is "artist / album"; pieces behind a second separator are dropped.
struct TitleParts {
    std::string_view artist;
    std::string_view album;
};

TitleParts splitTitle(std::string_view title)
{
    constexpr std::string_view separator = " / ";
    const size_t first = title.find(separator);
    if (first == std::string_view::npos)
        return { title, title };
    const std::string_view rest = title.substr(first + separator.size());
    return { title.substr(0, first), rest.substr(0, rest.find(separator)) };
}

} // namespace

void DiscEntry::reset(const LookupValues& values)
{
    category_.clear();
    title_.clear();
    namesApart_ = false;
    artist_.clear();
    album_.clear();
    genre_.clear();
    year_.clear();
    notes_.clear();
    revision_ = 0;
    trackNames_.clear();
    trackNotes_.clear();
    lastTitleKey_.clear();
    lastNotesKey_.clear();
    if (values.valid) {
        toc_ = values.toc;
        discId_ = values.discId;
        trackCount_ = values.trackCount;
        discLength_ = values.discLength;
        trackTimes_ = values.trackTimes;
    } else {
        trackCount_ = 0;
        discLength_ = 0;
        trackTimes_.clear();
    }
}

bool DiscEntry::parseReadAnswer(std::string_view answer)
{
    if (answerStatus(answer) != 210)
        return false;
    // The status line is examined like every other line. Lines end in CR LF from a server;
    // a bare LF is taken too.
    size_t start = 0;
    while (start <= answer.size()) {
        const size_t end = answer.find('\n', start);
        std::string_view line
            = answer.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line == ".")
            break;
        parseLine(line);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return true;
}

// Every key is looked for anywhere in the line, ignoring case, and several may fire on one
// line. A value is the text behind its key.
void DiscEntry::parseLine(std::string_view line)
{
    if (const auto at = afterKey(line, "# revision:")) {
        // A value that is no number, or none a 16-bit revision can hold, is ignored.
        const std::string_view value = line.substr(*at);
        const int32_t revision = leadingInt32(value);
        if (leadingNumber(value) && revision >= std::numeric_limits<int16_t>::min()
            && revision <= std::numeric_limits<int16_t>::max())
            revision_ = static_cast<int16_t>(revision);
    }
    if (const auto at = afterKey(line, "dyear="))
        year_.assign(line.substr(*at));
    if (const auto at = afterKey(line, "dgenre=")) {
        if (*at < line.size())
            genre_.assign(line.substr(*at));
    }
    if (const auto at = afterKey(line, "dtitle="))
        title_.append(line.substr(*at));
    if (afterKey(line, "ttitle"))
        appendKeyed(line, trackNames_, lastTitleKey_);
    if (afterKey(line, "extt"))
        appendKeyed(line, trackNotes_, lastNotesKey_);
    if (const auto at = afterKey(line, "extd="))
        notes_.append(line.substr(*at));
}

std::string DiscEntry::GetMediaID() const
{
    return toUtf8(discId_);
}
void DiscEntry::fillFromRelease(std::string artist, std::string album, std::string year, std::string genre,
    const std::vector<ReleaseTrack>& tracks)
{
    namesApart_ = true;
    artist_ = std::move(artist);
    album_ = std::move(album);
    year_ = std::move(year);
    genre_ = std::move(genre);
    trackNames_.clear();
    for (std::size_t track = 0; track < tracks.size(); ++track) {
        trackNames_.push_back(tracks[track].name);
        if (tracks[track].seconds > 0 && track < trackTimes_.size())
            trackTimes_[track] = tracks[track].seconds;
    }
}

std::string DiscEntry::GetArtistName() const
{
    return toUtf8(namesApart_ ? artist_ : splitTitle(title_).artist);
}
std::string DiscEntry::GetAlbumName() const
{
    return toUtf8(namesApart_ ? album_ : splitTitle(title_).album);
}
std::string DiscEntry::GetAlbumCategory() const
{
    return toUtf8(category_);
}
std::string DiscEntry::GetAlbumGenre() const
{
    return toUtf8(genre_.empty() ? category_ : genre_);
}
std::string DiscEntry::GetAlbumNotes() const
{
    return toUtf8(withLineBreaks(notes_));
}
std::string DiscEntry::GetAlbumYear() const
{
    return toUtf8(year_);
}
std::string DiscEntry::GetCdText() const
{
    return toUtf8(cdText_);
}

std::string DiscEntry::GetTrackName(int16_t idx) const
{
    if (idx < 1 || static_cast<size_t>(idx) > trackNames_.size())
        return {};
    return toUtf8(trackNames_[static_cast<size_t>(idx) - 1]);
}

std::string DiscEntry::GetTrackNotes(int16_t idx) const
{
    if (idx < 1 || static_cast<size_t>(idx) > trackNotes_.size())
        return {};
    return toUtf8(withLineBreaks(trackNotes_[static_cast<size_t>(idx) - 1]));
}

int16_t DiscEntry::GetTrackTime(int16_t idx) const
{
    if (idx < 1 || static_cast<size_t>(idx) > trackTimes_.size())
        return 0;
    return static_cast<int16_t>(std::clamp<int32_t>(trackTimes_[static_cast<size_t>(idx) - 1],
        std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

std::vector<std::string> DiscEntry::trackNames() const
{
    std::vector<std::string> names;
    names.reserve(trackNames_.size());
    for (const std::string& name : trackNames_)
        names.push_back(toUtf8(name));
    return names;
}

std::vector<std::string> DiscEntry::trackNotes() const
{
    std::vector<std::string> notes;
    notes.reserve(trackNotes_.size());
    for (const std::string& note : trackNotes_)
        notes.push_back(toUtf8(withLineBreaks(note)));
    return notes;
}

} // namespace discovant
