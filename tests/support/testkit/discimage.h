#pragma once

// Disc images written at test time: cue sheets with their raw .bin beside them, plain ISO
// images, and the sectors a reader looks for in them.

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace testkit {

inline constexpr std::size_t kRawSectorSize = 2352;
inline constexpr std::size_t kUserDataSize = 2048;
inline constexpr int kFramesPerSecond = 75;

using UserData = std::array<unsigned char, kUserDataSize>;

// A .bin of `sectors` zero-filled raw sectors (sparse, so long discs cost nothing) beside
// `cueText` written as "<stem>.cue"; both share one stem, the way libcdio finds the data.
// Returns the cue sheet's path.
std::filesystem::path writeCueSheet(const std::filesystem::path& folder, const std::string& stem,
                                    const std::string& cueText, std::size_t sectors);

// An audio disc of tracks with the given lengths in seconds, as a cue sheet image.
std::filesystem::path writeAudioDisc(const std::filesystem::path& folder, const std::string& stem,
                                     const std::vector<int>& seconds);

// Replaces sector `lsn` of a raw .bin with a mode 1 sector (sync, header, user data).
void putMode1Sector(const std::filesystem::path& bin, std::size_t lsn, const UserData& data);

// A plain ISO image (2048 bytes per sector) of `sectors` sectors with the given sectors set.
void writeIsoImage(const std::filesystem::path& file, std::size_t sectors,
                   const std::vector<std::pair<std::size_t, UserData>>& content);

// A volume descriptor: type, "CD001", version 1, rest zero.
UserData volumeDescriptor(unsigned char type);

} // namespace testkit
