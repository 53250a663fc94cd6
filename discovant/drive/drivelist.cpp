#include "discovant/drive/drivelist.h"

#include "discovant/drive/tocreader.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <utility>
#include <system_error>
#include <vector>

namespace discovant {

namespace {

// The number N of a name "srN"; nullopt for any other name.
std::optional<unsigned> opticalDriveNumber(std::string_view name)
{
    constexpr std::string_view prefix = "sr";
    if (!name.starts_with(prefix) || name.size() == prefix.size())
        return std::nullopt;
    const std::string_view digits = name.substr(prefix.size());
    unsigned number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || end != digits.data() + digits.size())
        return std::nullopt;
    return number;
}

} // namespace

std::string listOpticalDrives(const std::filesystem::path& blockClassDir)
{
    std::vector<std::pair<unsigned, std::string>> drives; // number and name
    std::error_code error;
    for (std::filesystem::directory_iterator entry(blockClassDir, error), end; !error && entry != end;
         entry.increment(error)) {
        std::string name = entry->path().filename().string();
        if (const auto number = opticalDriveNumber(name))
            drives.emplace_back(*number, std::move(name));
    }
    std::sort(drives.begin(), drives.end());
    std::string list;
    for (const auto& drive : drives)
        list += "/dev/" + drive.second + '|';
    return list;
}

std::string GetCdRoms()
{
    return listOpticalDrives("/sys/class/block");
}

} // namespace discovant
