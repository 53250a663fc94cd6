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
// "performer|title|||message|track1|track2|...|" (each field followed by "|"), with every
// field converted to UTF-8. Sets `cdText` to "" when no title, performer, songwriter,
// composer, arranger or message pack was found.
//
// Returns false, leaving `cdText` empty, when a pack or a title refers to track 100 or above.
// Packs are read while their sequence numbers run 0, 1, 2, ... and while whole packs fit in
// `size`; a string still open at the end is dropped.
bool decodeCdTextBuffer(const unsigned char* data, std::size_t size, std::string& cdText);

} // namespace discovant
