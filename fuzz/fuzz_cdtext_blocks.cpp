// Feeds arbitrary bytes to the CD-Text decoder as a drive answer with several language
// blocks, and checks that what it decodes is one block alone: the same answer with the packs
// of every other block taken out decodes to the same result. Which block that is follows the
// rule of the decoder (the lowest-numbered block with a text pack, each block's packs read
// while their own sequence numbers run 0, 1, 2, ...), recomputed here from the raw packs.
#include "discovant/cddb/textcodec.h"
#include "discovant/drive/tocdecoder.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kHeader = 4;
constexpr std::size_t kPack = 18;
constexpr std::size_t kMaxPacks = 256;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

int blockOf(const std::uint8_t* pack)
{
    return (pack[3] >> 4) & 0x07;
}

bool isText(const std::uint8_t* pack)
{
    return pack[0] >= 0x80 && pack[0] <= 0x85;
}

struct Decoded {
    bool ok;
    std::string text;
    bool operator==(const Decoded&) const = default;
};

Decoded decode(const std::uint8_t* data, std::size_t size)
{
    Decoded decoded { false, "previous" };
    decoded.ok = discovant::decodeCdTextBuffer(data, size, decoded.text);
    return decoded;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Decoded all = decode(data, size);
    require(all.ok || all.text.empty());
    if (!all.text.empty())
        require(all.text.back() == '|' && std::count(all.text.begin(), all.text.end(), '|') >= 5
            && discovant::isValidUtf8(all.text));
    if (size < kHeader)
        return 0;

    // The whole packs the decoder looks at, and the block it decodes.
    const std::size_t packs = std::min(kMaxPacks, (size - kHeader) / kPack);
    std::array<int, 8> expected {};
    std::array<bool, 8> broken {};
    int chosen = 8;
    for (std::size_t i = 0; i < packs; ++i) {
        const std::uint8_t* pack = data + kHeader + i * kPack;
        const int block = blockOf(pack);
        if (broken[block] || pack[2] != expected[block]) {
            broken[block] = true;
            continue;
        }
        ++expected[block];
        if (isText(pack))
            chosen = std::min(chosen, block);
    }
    if (chosen == 8) {
        require(all.ok && all.text.empty());
        return 0;
    }

    // That block alone, behind the same header.
    std::vector<std::uint8_t> alone(data, data + kHeader);
    for (std::size_t i = 0; i < packs; ++i) {
        const std::uint8_t* pack = data + kHeader + i * kPack;
        if (blockOf(pack) == chosen)
            alone.insert(alone.end(), pack, pack + kPack);
    }
    require(decode(alone.data(), alone.size()) == all);
    return 0;
}
