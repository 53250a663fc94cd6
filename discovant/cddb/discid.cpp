#include "discovant/cddb/discid.h"

#include "discovant/cddb/numeric.h"

#include <cstdio>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace discovant {

namespace {

constexpr int kFramesPerSecond = 75;
constexpr size_t kMaxFields = 100;

// A TOC cut into its fields: the track starts and the lead-out.
struct TocFields {
    std::string normalised; // see normalisedToc
    std::vector<std::string> text; // the fields as they stood
    std::vector<int32_t> address; // their values
    size_t trackCount() const { return address.size() - 1; }
    int32_t leadOut() const { return address.back(); }
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// The TOC with its blanks tidied: none around it, runs of blanks (typed or pasted, tabs and
// line breaks included) as one space, so no empty field can arise between two separators.
std::string normalisedToc(std::string_view toc)
{
    std::string tidy;
    tidy.reserve(toc.size());
    bool pendingSpace = false;
    for (const char c : toc) {
        if (isBlank(c)) {
            pendingSpace = !tidy.empty();
            continue;
        }
        if (pendingSpace)
            tidy += ' ';
        pendingSpace = false;
        tidy += c;
    }
    return tidy;
}

// Nothing for an invalid TOC (empty after trimming, or without a space).
std::optional<TocFields> parseToc(const std::string& toc)
{
    TocFields fields;
    fields.normalised = normalisedToc(toc);
    if (fields.normalised.find(' ') == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = fields.normalised;
    while (fields.text.size() + 1 < kMaxFields) {
        const size_t space = rest.find(' ');
        if (space == std::string_view::npos)
            break;
        fields.text.emplace_back(rest.substr(0, space));
        rest.remove_prefix(space + 1);
    }
    fields.text.emplace_back(rest);
    for (const std::string& field : fields.text)
        fields.address.push_back(leadingInt32(field));
    return fields;
}

// Whole seconds of a frame count, truncated toward zero.
int64_t seconds(int64_t frames)
{
    return frames / kFramesPerSecond;
}

int32_t trackSeconds(const TocFields& toc, size_t track)
{
    return static_cast<int32_t>(seconds(static_cast<int64_t>(toc.address[track]) - toc.address[track - 1]));
}

int32_t digitSum(int64_t value)
{
    int32_t sum = 0;
    while (value > 0) {
        sum += static_cast<int32_t>(value % 10);
        value /= 10;
    }
    return sum;
}

std::string lowerHex(unsigned value)
{
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%x", value);
    return std::string(text, static_cast<size_t>(length));
}

int64_t albumSpan(const TocFields& toc)
{
    return seconds(toc.leadOut()) - seconds(toc.address.front());
}

std::string mediaId(const TocFields& toc)
{
    int32_t sum = 0;
    for (size_t i = 0; i < toc.trackCount(); ++i)
        sum += digitSum(seconds(toc.address[i]));
    const int64_t span = albumSpan(toc);
    if (span > std::numeric_limits<int16_t>::max() || span < std::numeric_limits<int16_t>::min())
        throw std::overflow_error(
            "album span of " + std::to_string(span) + " seconds overflows the disc identifier");
    // A negative span is written as its 16-bit two's complement, four digits.
    const auto span16 = static_cast<uint16_t>(static_cast<int16_t>(span));
    // The digit sum is taken modulo 255 (not 256), as every CDDB identifier is.
    return padLeft(lowerHex(static_cast<unsigned>(sum % 255)), 2) + padLeft(lowerHex(span16), 4)
        + padLeft(lowerHex(static_cast<unsigned>(toc.trackCount())), 2);
}

} // namespace

std::string padLeft(std::string text, size_t width)
{
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

std::string CalMediaID(const std::string& toc)
{
    const std::optional<TocFields> fields = parseToc(toc);
    return fields ? mediaId(*fields) : std::string();
}

int32_t CalAlbumlength(const std::string& toc)
{
    const std::optional<TocFields> fields = parseToc(toc);
    // Both seconds are within ±2^31/75, so their difference fits 32 bits.
    return fields ? static_cast<int32_t>(albumSpan(*fields)) : 0;
}

std::string CalTracklength(const std::string& toc)
{
    const std::optional<TocFields> fields = parseToc(toc);
    if (!fields)
        return {};
    std::string lengths;
    for (size_t track = 1; track <= fields->trackCount(); ++track) {
        if (track > 1)
            lengths += ' ';
        lengths += std::to_string(trackSeconds(*fields, track));
    }
    return lengths;
}

std::string SecondsToTimeString(int16_t seconds)
{
    const int value = seconds;
    const int magnitude = value < 0 ? -value : value;
    char text[16];
    const int length
        = std::snprintf(text, sizeof text, "%s%d:%02d", value < 0 ? "-" : "", magnitude / 60, magnitude % 60);
    return std::string(text, static_cast<size_t>(length));
}

LookupValues deriveLookupValues(const std::string& toc)
{
    LookupValues values;
    const std::optional<TocFields> fields = parseToc(toc);
    if (!fields)
        return values;
    const int64_t discLength = seconds(fields->leadOut());
    if (discLength > std::numeric_limits<int16_t>::max() || discLength < std::numeric_limits<int16_t>::min())
        return values;
    try {
        values.discId = mediaId(*fields);
    } catch (const std::overflow_error&) {
        return values;
    }
    values.toc = fields->normalised;
    values.trackCount = static_cast<int16_t>(fields->trackCount());
    values.discLength = static_cast<int16_t>(discLength);
    values.queryArguments = values.discId + '+' + std::to_string(values.trackCount);
    for (size_t track = 1; track <= fields->trackCount(); ++track) {
        values.trackTimes.push_back(trackSeconds(*fields, track));
        values.queryArguments += '+';
        values.queryArguments += fields->text[track - 1];
    }
    values.queryArguments += '+' + std::to_string(values.discLength);
    values.valid = true;
    return values;
}

} // namespace discovant
