#include "discovant/drive/tocdecoder.h"

#include "discovant/cddb/textcodec.h"
#include "discovant/drive/cdtextcharset.h"

#include <array>
#include <string_view>
#include <vector>

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

constexpr unsigned char kPackSizeInformation = 0x8F;
constexpr unsigned char kDoubleByteFlag = 0x80;
constexpr int kBlockCount = 8;

// Byte 3 of a pack: the double-byte flag, the block (language) number and the character
// position.
int blockOf(const unsigned char* pack)
{
    return (pack[3] >> 4) & 0x07;
}

bool isDoubleByte(const unsigned char* pack)
{
    return (pack[3] & kDoubleByteFlag) != 0;
}

// The texts collected from the packs of one block, in UTF-8.
struct CdTextFields {
    std::string albumPerformer;
    std::string albumTitle;
    std::string message;
    std::array<std::string, kMaxTracks + 1> trackTitles; // index 1..99
    int highestTrack = 0;
};

// A string as the disc stores it, and how to read it.
struct RawString {
    std::string bytes;
    bool doubleByte = false;
};

std::string asUtf8(const RawString& text, unsigned char characterCode)
{
    return text.doubleByte ? doubleByteToUtf8(text.bytes, characterCode) : toUtf8(text.bytes);
}

// A string of a lone TAB (two in double-byte text) stands for the text of the previous track.
bool isSameAsPrevious(const RawString& text)
{
    return text.bytes == (text.doubleByte ? "\t\t" : "\t");
}

// Stores one completed string of a pack of type `type` for `track`. The current track
// advances after each title and performer string, so one pack can hold the end of one track's
// string and the whole of the next. The zero bytes that pad the last pack of a kind end empty
// strings for the tracks after the last one; those are harmless and never an error. False
// when a real title belongs to a track beyond 99.
bool storeString(unsigned char type, int& track, RawString& raw, unsigned char characterCode, CdTextFields& fields)
{
    const std::string text = asUtf8(raw, characterCode);
    if (type == kPackTitle) {
        if (track == 0) {
            fields.albumTitle = text;
        } else if (track <= kMaxTracks) {
            fields.trackTitles[track] = !isSameAsPrevious(raw) ? text
                : track == 1                                  ? fields.albumTitle
                                                              : fields.trackTitles[track - 1];
            // A title completed inside a pack numbered for an earlier track still names a
            // track of the disc, so the string needs a field for it.
            if (!raw.bytes.empty() && track > fields.highestTrack)
                fields.highestTrack = track;
        } else if (!raw.bytes.empty()) {
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
    raw.bytes.clear();
    return true;
}

std::string joinFields(const CdTextFields& fields)
{
    std::string result;
    auto add = [&result](std::string_view field) {
        result += field;
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

// The packs of the answer that are read: whole packs only, at most 256, each block's packs
// as long as their sequence numbers run 0, 1, 2, ... (every block counts its own).
std::vector<const unsigned char*> packsInSequence(const unsigned char* data, std::size_t size)
{
    std::vector<const unsigned char*> packs;
    std::array<int, kBlockCount> expected {};
    std::array<bool, kBlockCount> broken {};
    for (std::size_t i = 0; i < kPackCount; ++i) {
        const std::size_t offset = kHeaderSize + i * kPackSize;
        if (offset + kPackSize > size)
            break;
        const unsigned char* pack = data + offset;
        const int block = blockOf(pack);
        if (broken[block])
            continue;
        if (pack[2] != expected[block]) {
            broken[block] = true;
            continue;
        }
        ++expected[block];
        packs.push_back(pack);
    }
    return packs;
}

} // namespace

bool decodeCdTextBuffer(const unsigned char* data, std::size_t size, std::string& cdText)
{
    cdText.clear();
    if (data == nullptr)
        return true;

    const std::vector<const unsigned char*> packs = packsInSequence(data, size);
    // One block, one language: the first the disc has (block 0 on a disc that follows the
    // format), never texts of several languages mixed.
    int block = kBlockCount;
    for (const unsigned char* pack : packs) {
        if (pack[0] >= kPackTitle && pack[0] <= kPackMessage && blockOf(pack) < block)
            block = blockOf(pack);
    }
    if (block == kBlockCount)
        return true; // no text packs
    unsigned char characterCode = kCharacterCodeLatin1;
    for (const unsigned char* pack : packs) {
        if (pack[0] == kPackSizeInformation && pack[1] == 0 && blockOf(pack) == block)
            characterCode = pack[4];
    }

    CdTextFields fields;
    RawString text; // carries over from pack to pack until a zero byte (pair) ends it
    for (const unsigned char* pack : packs) {
        const unsigned char type = pack[0];
        if (type < kPackTitle || type > kPackMessage || blockOf(pack) != block)
            continue;
        int track = pack[1];
        if (track > kMaxTracks)
            return false;
        if (track > fields.highestTrack)
            fields.highestTrack = track;
        // Double-byte text ends at a zero character, two zero bytes; single-byte at a zero byte.
        const bool doubleByte = isDoubleByte(pack);
        const std::size_t step = doubleByte ? 2 : 1;
        for (std::size_t c = 0; c < kPackTextSize; c += step) {
            const unsigned char* character = pack + 4 + c;
            const bool end = doubleByte ? character[0] == 0 && character[1] == 0 : character[0] == 0;
            if (!end) {
                text.bytes.append(reinterpret_cast<const char*>(character), step);
                text.doubleByte = doubleByte;
            } else if (!storeString(type, track, text, characterCode, fields)) {
                return false;
            }
        }
    }
    cdText = joinFields(fields);
    return true;
}

} // namespace discovant
