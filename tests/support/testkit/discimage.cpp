#include "testkit/discimage.h"

#include "testkit/files.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace testkit {

namespace {

std::string msf(int frames)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", frames / (60 * kFramesPerSecond),
                  frames / kFramesPerSecond % 60, frames % kFramesPerSecond);
    return text;
}

} // namespace

std::filesystem::path writeCueSheet(const std::filesystem::path& folder, const std::string& stem,
                                    const std::string& cueText, std::size_t sectors)
{
    const auto bin = folder / (stem + ".bin");
    writeFile(bin, {});
    std::filesystem::resize_file(bin, sectors * kRawSectorSize);
    const auto cue = folder / (stem + ".cue");
    writeFile(cue, cueText);
    return cue;
}

std::filesystem::path writeAudioDisc(const std::filesystem::path& folder, const std::string& stem,
                                     const std::vector<int>& seconds)
{
    std::string cue = "FILE \"" + stem + ".bin\" BINARY\n";
    int frames = 0;
    for (std::size_t i = 0; i < seconds.size(); ++i) {
        char track[8];
        std::snprintf(track, sizeof track, "%02zu", i + 1);
        cue += std::string("  TRACK ") + track + " AUDIO\n    INDEX 01 " + msf(frames) + "\n";
        frames += seconds[i] * kFramesPerSecond;
    }
    return writeCueSheet(folder, stem, cue, static_cast<std::size_t>(frames));
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
    UserData data {};
    data[0] = type;
    const char id[] = "CD001";
    std::copy(id, id + 5, data.begin() + 1);
    data[6] = 1;
    return data;
}

} // namespace testkit
