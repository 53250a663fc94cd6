#pragma once

#include <array>
#include <cstdint>

namespace discovant {

inline constexpr std::size_t kIsoSectorSize = 2048;

using IsoSector = std::array<unsigned char, kIsoSectorSize>;

// The serial number Windows gives an ISO 9660 volume (its CDFS file system computes it when
// it mounts the disc): four independent 8-bit checksums over the 2048 bytes of the primary
// volume descriptor. Byte i is added, modulo 256, to checksum byte 3 - (i mod 4) of the
// little-endian 32-bit result, so the bytes at offsets 0, 4, 8, ... sum into the high byte
// and those at 3, 7, 11, ... into the low byte. Put differently: the descriptor read as 512
// big-endian 32-bit words, added lane by lane without carries between the bytes.
std::uint32_t cdfsVolumeSerial(const IsoSector& primaryVolumeDescriptor);

} // namespace discovant
