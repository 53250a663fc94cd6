#include "discovant/drive/volumeserial.h"

#include "discovant/drive/cdiosource.h"
#include "discovant/drive/tocreader.h"

#include <cdio/read.h>
#include <cdio/track.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string_view>

namespace discovant {

namespace {

// Sector of the first volume descriptor, counted from the start of the session.
constexpr long kFirstDescriptorSector = 16;
// Descriptors examined before giving up on finding the primary one; a disc has a handful.
constexpr long kMaxDescriptors = 32;

constexpr unsigned char kPrimaryDescriptor = 1;
constexpr unsigned char kTerminator = 255;
constexpr std::string_view kIsoIdentifier = "CD001";

using ReadSector = std::function<std::optional<IsoSector>(long sector)>;

// The primary volume descriptor of the volume that starts at `sessionStart`; nullopt when the
// descriptors there are not ISO 9660 or cannot be read.
std::optional<IsoSector> findPrimaryDescriptor(const ReadSector& read, long sessionStart)
{
    for (long n = 0; n < kMaxDescriptors; ++n) {
        const auto sector = read(sessionStart + kFirstDescriptorSector + n);
        if (!sector)
            return std::nullopt;
        const std::string_view identifier(reinterpret_cast<const char*>(sector->data()) + 1,
                                          kIsoIdentifier.size());
        if (identifier != kIsoIdentifier)
            return std::nullopt;
        if ((*sector)[0] == kPrimaryDescriptor)
            return sector;
        if ((*sector)[0] == kTerminator)
            return std::nullopt;
    }
    return std::nullopt;
}

// Start of the last data track: Windows mounts the file system of the disc's last session,
// which on an Enhanced CD follows the audio tracks. nullopt for a disc without data tracks.
std::optional<long> lastDataTrackStart(CdIo_t* cdio)
{
    const track_t first = cdio_get_first_track_num(cdio);
    const track_t count = cdio_get_num_tracks(cdio);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK)
        return std::nullopt;
    std::optional<long> start;
    for (int track = first; track < first + count; ++track) {
        const auto t = static_cast<track_t>(track);
        if (cdio_get_track_format(cdio, t) == TRACK_FORMAT_AUDIO)
            continue;
        const lsn_t lsn = cdio_get_track_lsn(cdio, t);
        if (lsn != CDIO_INVALID_LSN)
            start = lsn;
    }
    return start;
}

std::optional<IsoSector> primaryDescriptorThroughCdio(CdIo_t* cdio)
{
    const auto start = lastDataTrackStart(cdio);
    if (!start)
        return std::nullopt;
    return findPrimaryDescriptor(
        [cdio](long sector) -> std::optional<IsoSector> {
            IsoSector data{};
            if (cdio_read_data_sectors(cdio, data.data(), static_cast<lsn_t>(sector),
                                       static_cast<uint16_t>(kIsoSectorSize), 1)
                != DRIVER_OP_SUCCESS)
                return std::nullopt;
            return data;
        },
        *start);
}

// A plain ISO image (.iso: the 2048-byte user data of every sector, nothing else), which no
// libcdio driver opens.
std::optional<IsoSector> primaryDescriptorOfIsoFile(const std::string& path)
{
    // Only regular files: a fifo or character device could block or never end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return findPrimaryDescriptor(
        [&file](long sector) -> std::optional<IsoSector> {
            IsoSector data{};
            file.clear();
            if (!file.seekg(static_cast<std::streamoff>(sector) * kIsoSectorSize)
                || !file.read(reinterpret_cast<char*>(data.data()), kIsoSectorSize))
                return std::nullopt;
            return data;
        },
        0);
}

} // namespace

std::uint32_t cdfsVolumeSerial(const IsoSector& primaryVolumeDescriptor)
{
    std::array<std::uint8_t, 4> checksum{}; // checksum[0] is the least significant byte
    for (std::size_t i = 0; i < primaryVolumeDescriptor.size(); ++i)
        checksum[3 - i % 4] = static_cast<std::uint8_t>(checksum[3 - i % 4] + primaryVolumeDescriptor[i]);
    return static_cast<std::uint32_t>(checksum[3]) << 24 | static_cast<std::uint32_t>(checksum[2]) << 16
           | static_cast<std::uint32_t>(checksum[1]) << 8 | checksum[0];
}

std::string volumeSerial(const std::string& driveOrImage)
{
    std::optional<IsoSector> descriptor;
    if (const CdioSource source = openCdioSource(driveOrImage))
        descriptor = primaryDescriptorThroughCdio(source.get());
    else
        descriptor = primaryDescriptorOfIsoFile(driveOrImage);
    if (!descriptor)
        return {};
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(cdfsVolumeSerial(*descriptor)));
    return hex;
}

} // namespace discovant
