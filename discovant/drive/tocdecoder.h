#pragma once

#include <cstddef>
#include <string>

namespace discovant {

// Answer sizes of the two READ TOC commands the SCSI readers send: format 0 (4-byte header
// and 100 descriptors of 8 bytes) and format 5 (4-byte header and 256 packs of 18 bytes).
inline constexpr std::size_t kTocBufferSize = 804;
inline constexpr std::size_t kCdTextBufferSize = 4612;

// Decodes a READ TOC format 0 answer (addresses as minute/second/frame) into the media TOC
// string: the absolute frame addresses of the tracks and of the lead-out, single spaces.
//
// Returns "" when the header's track range is unusable (both 0, last before first, more than
// 99 tracks), when no descriptor carries Q mode 1 (bit 0x10 of the ADR/control byte), or when
// `size` is too short to hold every descriptor the header announces. Never reads past `size`.
std::string decodeTocBuffer(const unsigned char* data, std::size_t size);

// Decodes a READ TOC format 5 answer into the CD-Text string
// "performer|title|||message|track1|track2|...|" (each field followed by "|"), every field in
// UTF-8. Sets `cdText` to "" when no title, performer, songwriter, composer, arranger or
// message pack was found.
//
// Byte 3 of every pack is read: its block (language) number, and its double-byte flag. Only
// the first block is decoded (the lowest number among the text packs: block 0 on a disc that
// follows the format), so the texts of two languages are never mixed. Double-byte strings
// end at two zero bytes and are converted from the block's character code (its size
// information: MS-JIS, Korean or Mandarin); single-byte ones end at a zero byte and are UTF-8
// or else the Windows code page. A title that is a lone TAB (two in double-byte text) is the
// title of the track before it.
//
// Returns false, leaving `cdText` empty, when a pack or a title of that block refers to track
// 100 or above. Each block's packs are read while their own sequence numbers run 0, 1, 2, ...
// and while whole packs fit in `size`; a string still open at the end is dropped.
bool decodeCdTextBuffer(const unsigned char* data, std::size_t size, std::string& cdText);

} // namespace discovant
