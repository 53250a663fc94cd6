#include "support/discimages.h"

#include <fstream>
#include <random>
#include <stdexcept>

namespace discovant::test {

ImageFolder::ImageFolder()
{
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("discovant-images-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = std::move(candidate);
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary image folder");
}

ImageFolder::~ImageFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void writeFile(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

std::filesystem::path writeCueImage(const ImageFolder& folder, const std::string& stem,
                                    const std::string& cueText, std::size_t sectors)
{
    writeFile(folder.file(stem + ".bin"), std::string(sectors * kRawSectorSize, '\0'));
    const auto cue = folder.file(stem + ".cue");
    writeFile(cue, cueText);
    return cue;
}

void putMode1Sector(const std::filesystem::path& bin, std::size_t lsn, const UserData& data)
{
    std::string sector(kRawSectorSize, '\0');
    for (std::size_t i = 1; i <= 10; ++i)
        sector[i] = '\xFF'; // sync pattern 00 FF*10 00
    const std::size_t address = lsn + 150;
    auto bcd = [](std::size_t value) { return static_cast<char>(value / 10 * 16 + value % 10); };
    sector[12] = bcd(address / 4500);
    sector[13] = bcd(address / 75 % 60);
    sector[14] = bcd(address % 75);
    sector[15] = 1; // mode 1
    std::copy(data.begin(), data.end(), sector.begin() + 16);

    std::fstream file(bin, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(static_cast<std::streamoff>(lsn * kRawSectorSize));
    file.write(sector.data(), static_cast<std::streamsize>(sector.size()));
    if (!file)
        throw std::runtime_error("cannot write sector into " + bin.string());
}

void writeIsoImage(const std::filesystem::path& file, std::size_t sectors,
                   const std::vector<std::pair<std::size_t, UserData>>& content)
{
    std::string image(sectors * kUserDataSize, '\0');
    for (const auto& [lsn, data] : content)
        std::copy(data.begin(), data.end(), image.begin() + static_cast<std::ptrdiff_t>(lsn * kUserDataSize));
    writeFile(file, image);
}

UserData volumeDescriptor(unsigned char type)
{
    UserData data{};
    data[0] = type;
    data[1] = 'C';
    data[2] = 'D';
    data[3] = '0';
    data[4] = '0';
    data[5] = '1';
    data[6] = 1;
    return data;
}

} // namespace discovant::test
