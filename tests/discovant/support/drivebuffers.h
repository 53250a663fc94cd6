#pragma once

// Builders of READ TOC answers as drives return them, for tests of the decoders and readers.

#include <string>
#include <vector>

namespace discovant::test {

inline constexpr unsigned char kAudioTrack = 0x10;    // ADR 1 (Q mode 1), control 0: audio
inline constexpr unsigned char kDataTrack = 0x14;     // ADR 1, control 4: data track
inline constexpr unsigned char kNoQMode1Track = 0x04; // ADR 0 (no Q information), data

struct TocEntry {
    long address;               // absolute frame address, lead-in included
    unsigned char adrControl = kAudioTrack;
};

// A READ TOC format 0 answer in minute/second/frame form: header with data length and the
// track range first..first+N-2, then one descriptor per entry, the last one being the
// lead-out (track number 0xAA). Sized to exactly what the drive would send; pad it to 804
// bytes with padTo() when a test wants the full allocation.
std::vector<unsigned char> buildTocAnswer(int firstTrack, const std::vector<TocEntry>& entries);

// One kind of CD-Text: pack type and its strings, the album's first and then one per track.
struct CdTextKind {
    unsigned char packType;        // 0x80 title, 0x81 performer, ... 0x85 message
    std::vector<std::string> texts; // [0] album, [n] track n (bytes as stored on the disc)
};

// One block (language) of CD-Text.
struct CdTextBlock {
    int block = 0; // 0..7
    bool doubleByte = false; // two bytes a character, strings ending in two zero bytes
    unsigned char characterCode = 0x01; // of the block's size information: 0x01 ASCII, 0x80 MS-JIS, ...
    std::vector<CdTextKind> kinds;
};

// A READ TOC format 5 answer packed the way a CD-Text encoder writes a disc: each block's
// kinds in turn, each kind's strings zero-terminated and run together into 12-byte text
// fields, each pack carrying the track of its first character, the block's own running
// sequence number and, in byte 3, the double-byte flag, the block number and the character
// position; the last pack of a kind padded with zeros. Three size-information packs (0x8F)
// close each block, the first naming the character code.
std::vector<unsigned char> buildCdTextBlocks(const std::vector<CdTextBlock>& blocks);

// One single-byte block 0 of `kinds`.
std::vector<unsigned char> buildCdTextAnswer(const std::vector<CdTextKind>& kinds);

// One raw 18-byte pack; the text is cut or zero-padded to 12 bytes.
std::vector<unsigned char> cdTextPack(unsigned char type, unsigned char track,
                                      unsigned char sequence, const std::string& text);

// A format 5 answer made of the given packs after a 4-byte header.
std::vector<unsigned char> cdTextAnswerFromPacks(const std::vector<std::vector<unsigned char>>& packs);

std::vector<unsigned char> padTo(std::vector<unsigned char> buffer, std::size_t size);

} // namespace discovant::test
