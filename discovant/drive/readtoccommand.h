#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace discovant {

inline constexpr unsigned char kReadTocFormatToc = 0;
inline constexpr unsigned char kReadTocFormatCdText = 5;

using ReadTocCdb = std::array<unsigned char, 10>;

// The 10-byte READ TOC/PMA/ATIP command block (operation code 0x43) asking for addresses in
// minute/second/frame form, for the given answer format and allocation length.
ReadTocCdb readTocCdb(unsigned char format, std::uint16_t allocationLength);

// Sends one command block to a drive and fills `answer` (as long as the allocation length).
// Returns the number of bytes the drive delivered, or nullopt when the command failed.
using SendReadToc =
    std::function<std::optional<std::size_t>(const ReadTocCdb& cdb, std::span<unsigned char> answer)>;

struct TocAndCdText {
    std::string toc;    // media TOC string, "" when the answer held no usable TOC
    std::string cdText; // CD-Text string, "" when the disc has none or the drive refused
};

// Reads the TOC (format 0, 804 bytes) and then the CD-Text (format 5, 4612 bytes) through
// `send` and decodes both. nullopt when the TOC command fails or the CD-Text answer is
// malformed (a track beyond 99); a failed CD-Text command only leaves the text empty.
std::optional<TocAndCdText> readTocAndCdText(const SendReadToc& send);

} // namespace discovant
