#pragma once

// Disc images written at test time into a private temporary folder.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace discovant::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class ImageFolder {
public:
    ImageFolder();
    ~ImageFolder();
    ImageFolder(const ImageFolder&) = delete;
    ImageFolder& operator=(const ImageFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline constexpr std::size_t kRawSectorSize = 2352;
inline constexpr std::size_t kUserDataSize = 2048;

using UserData = std::array<unsigned char, kUserDataSize>;

void writeFile(const std::filesystem::path& file, const std::string& bytes);

// A .bin of `sectors` zero-filled raw sectors beside `cueText` written as a cue sheet; libcdio
// finds the data through the cue sheet's own name with ".bin", so both share one stem.
// Returns the cue sheet's path.
std::filesystem::path writeCueImage(const ImageFolder& folder, const std::string& stem,
                                    const std::string& cueText, std::size_t sectors);

// Replaces sector `lsn` of a raw .bin with a mode 1 sector (sync, header, user data).
void putMode1Sector(const std::filesystem::path& bin, std::size_t lsn, const UserData& data);

// A plain ISO image (2048 bytes per sector) of `sectors` sectors with the given sectors set.
void writeIsoImage(const std::filesystem::path& file, std::size_t sectors,
                   const std::vector<std::pair<std::size_t, UserData>>& content);

// A volume descriptor: type, "CD001", version 1, rest zero.
UserData volumeDescriptor(unsigned char type);

} // namespace discovant::test
