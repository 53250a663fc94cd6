#include "support/drivebuffers.h"

#include <algorithm>

namespace discovant::test {

namespace {

constexpr unsigned char kLeadOutTrack = 0xAA;
constexpr unsigned char kSizeInformation = 0x8F;
constexpr std::size_t kTextBytesPerPack = 12;

void putLength(std::vector<unsigned char>& answer)
{
    const std::size_t length = answer.size() - 2; // the length field does not count itself
    answer[0] = static_cast<unsigned char>(length >> 8);
    answer[1] = static_cast<unsigned char>(length & 0xFF);
}

} // namespace

std::vector<unsigned char> buildTocAnswer(int firstTrack, const std::vector<TocEntry>& entries)
{
    const int lastTrack = firstTrack + static_cast<int>(entries.size()) - 2;
    std::vector<unsigned char> answer{0, 0, static_cast<unsigned char>(firstTrack),
                                      static_cast<unsigned char>(lastTrack)};
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const bool leadOut = k + 1 == entries.size();
        const long address = entries[k].address;
        answer.insert(answer.end(),
                      {0, entries[k].adrControl,
                       leadOut ? kLeadOutTrack : static_cast<unsigned char>(firstTrack + k), 0, 0,
                       static_cast<unsigned char>(address / 4500),
                       static_cast<unsigned char>(address / 75 % 60),
                       static_cast<unsigned char>(address % 75)});
    }
    putLength(answer);
    return answer;
}

std::vector<unsigned char> cdTextPack(unsigned char type, unsigned char track,
                                      unsigned char sequence, const std::string& text)
{
    std::vector<unsigned char> pack{type, track, sequence, 0};
    for (std::size_t i = 0; i < kTextBytesPerPack; ++i)
        pack.push_back(i < text.size() ? static_cast<unsigned char>(text[i]) : 0);
    pack.insert(pack.end(), {0, 0}); // CRC, which readers ignore
    return pack;
}

std::vector<unsigned char> cdTextAnswerFromPacks(const std::vector<std::vector<unsigned char>>& packs)
{
    std::vector<unsigned char> answer{0, 0, 0, 0};
    for (const auto& pack : packs)
        answer.insert(answer.end(), pack.begin(), pack.end());
    putLength(answer);
    return answer;
}

std::vector<unsigned char> buildCdTextBlocks(const std::vector<CdTextBlock>& blocks)
{
    std::vector<std::vector<unsigned char>> packs;
    for (const CdTextBlock& block : blocks) {
        unsigned char sequence = 0;
        const std::size_t terminator = block.doubleByte ? 2 : 1;
        const auto flags = static_cast<unsigned char>((block.doubleByte ? 0x80 : 0) | (block.block << 4));
        for (const CdTextKind& kind : block.kinds) {
            // The kind's text stream, each byte remembering the track it belongs to.
            std::string stream;
            std::vector<unsigned char> trackOfByte;
            for (std::size_t track = 0; track < kind.texts.size(); ++track) {
                stream += kind.texts[track];
                stream.append(terminator, '\0');
                trackOfByte.insert(trackOfByte.end(), kind.texts[track].size() + terminator,
                                   static_cast<unsigned char>(track));
            }
            for (std::size_t start = 0; start < stream.size(); start += kTextBytesPerPack) {
                auto pack = cdTextPack(kind.packType, trackOfByte[start], sequence++,
                                       stream.substr(start, kTextBytesPerPack));
                // Character position: how many characters of this string precede the pack.
                std::size_t position = 0;
                while (position < start && trackOfByte[start - position - 1] == trackOfByte[start])
                    ++position;
                pack[3] = static_cast<unsigned char>(flags | std::min<std::size_t>(position / terminator, 15));
                packs.push_back(std::move(pack));
            }
        }
        for (unsigned char n = 0; n < 3; ++n) {
            std::string information(12, '\x01');
            if (n == 0)
                information[0] = static_cast<char>(block.characterCode);
            auto pack = cdTextPack(kSizeInformation, n, sequence++, information);
            pack[3] = flags;
            packs.push_back(std::move(pack));
        }
    }
    return cdTextAnswerFromPacks(packs);
}

std::vector<unsigned char> buildCdTextAnswer(const std::vector<CdTextKind>& kinds)
{
    return buildCdTextBlocks({ CdTextBlock { 0, false, 0x01, kinds } });
}

std::vector<unsigned char> padTo(std::vector<unsigned char> buffer, std::size_t size)
{
    if (buffer.size() < size)
        buffer.resize(size, 0);
    return buffer;
}

} // namespace discovant::test
