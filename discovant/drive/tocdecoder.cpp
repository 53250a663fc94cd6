#include "discovant/drive/tocdecoder.h"

#include "discovant/cddb/textcodec.h"

#include <array>
#include <string_view>

namespace discovant {

namespace {

constexpr std::size_t kHeaderSize = 4;
constexpr std::size_t kDescriptorSize = 8;
constexpr std::size_t kPackSize = 18;
constexpr std::size_t kPackCount = 256;
constexpr std::size_t kPackTextSize = 12;
constexpr int kMaxTracks = 99;
constexpr unsigned char kQMode1 = 0x10;

constexpr unsigned char kPackTitle = 0x80;
constexpr unsigned char kPackPerformer = 0x81;
constexpr unsigned char kPackMessage = 0x85;

} // namespace

std::string decodeTocBuffer(const unsigned char* data, std::size_t size)
{
    if (data == nullptr || size < kHeaderSize)
        return {};
    const int first = data[2];
    const int last = data[3];
    const int count = last - first + 1;
    if ((first == 0 && last == 0) || count < 1 || count > kMaxTracks)
        return {};
    // The track descriptors and the lead-out descriptor after them must all be present.
    const std::size_t descriptors = static_cast<std::size_t>(count) + 1;
    if (size < kHeaderSize + descriptors * kDescriptorSize)
        return {};

    std::string toc;
    bool sawQMode1 = false;
    for (std::size_t k = 0; k < descriptors; ++k) {
        const unsigned char* d = data + kHeaderSize + k * kDescriptorSize;
        if (d[1] & kQMode1)
            sawQMode1 = true;
        const long address = d[5] * 60L * 75L + d[6] * 75L + d[7];
        if (!toc.empty())
            toc += ' ';
        toc += std::to_string(address);
    }
    return sawQMode1 ? toc : std::string{};
}

namespace {

// The texts collected from the packs, still in the disc's single-byte code page.
struct CdTextFields {
    std::string albumPerformer;
    std::string albumTitle;
    std::string message;
    std::array<std::string, kMaxTracks + 1> trackTitles; // index 1..99
    int highestTrack = 0;
};

// Stores one zero-terminated string of a pack of type `type` for `track`. The current track
// advances after each title and performer string, so one pack can hold the end of one track's
// string and the whole of the next. The zero bytes that pad the last pack of a kind end empty
// strings for the tracks after the last one; those are harmless and never an error. False
// when a real title belongs to a track beyond 99.
bool storeString(unsigned char type, int& track, std::string& text, CdTextFields& fields)
{
    if (type == kPackTitle) {
        if (track == 0) {
            fields.albumTitle = text;
        } else if (track <= kMaxTracks) {
            fields.trackTitles[track] = text;
            // A title completed inside a pack numbered for an earlier track still names a
            // track of the disc, so the string needs a field for it.
            if (!text.empty() && track > fields.highestTrack)
                fields.highestTrack = track;
        } else if (!text.empty()) {
            return false;
        }
        ++track;
    } else if (type == kPackPerformer) {
        if (track == 0)
            fields.albumPerformer = text;
        ++track;
    } else if (type == kPackMessage) {
        fields.message += text;
    }
    text.clear();
    return true;
}

std::string joinFields(const CdTextFields& fields)
{
    std::string result;
    auto add = [&result](std::string_view field) {
        result += toUtf8(field);
        result += '|';
    };
    add(fields.albumPerformer);
    add(fields.albumTitle);
    add({});
    add({});
    add(fields.message);
    for (int track = 1; track <= fields.highestTrack; ++track)
        add(fields.trackTitles[track]);
    return result;
}

} // namespace

bool decodeCdTextBuffer(const unsigned char* data, std::size_t size, std::string& cdText)
{
    cdText.clear();
    if (data == nullptr)
        return true;

    CdTextFields fields;
    std::string text; // carries over from pack to pack until a zero byte ends it
    bool found = false;
    for (std::size_t i = 0; i < kPackCount; ++i) {
        const std::size_t offset = kHeaderSize + i * kPackSize;
        if (offset + kPackSize > size)
            break;
        const unsigned char* pack = data + offset;
        if (pack[2] != i)
            break;
        const unsigned char type = pack[0];
        if (type < kPackTitle || type > kPackMessage)
            continue;

        found = true;
        int track = pack[1];
        if (track > kMaxTracks)
            return false;
        if (track > fields.highestTrack)
            fields.highestTrack = track;
        for (std::size_t c = 0; c < kPackTextSize; ++c) {
            const unsigned char byte = pack[4 + c];
            if (byte != 0)
                text += static_cast<char>(byte);
            else if (!storeString(type, track, text, fields))
                return false;
        }
    }
    if (found)
        cdText = joinFields(fields);
    return true;
}

} // namespace discovant
