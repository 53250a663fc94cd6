#include "support/freedb_dump.h"

#include "discovant/cddb/localdb.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <random>
#include <stdexcept>
#include <vector>

namespace bench {

namespace {

constexpr int kFilesPerCategory = 16;
constexpr uint32_t kSeed = 1999;

const std::array<const char*, 24> kWords = { "Love", "Night", "Blue", "River", "Fire", "Heart", "Road",
    "Dream", "Rain", "City", "Summer", "Light", "Dance", "Home", "Angel", "Stone", "Ocean", "Time", "Wild",
    "Silver", "Moon", "Shadow", "Train", "Golden" };

std::string hex8(uint32_t value)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

std::string words(std::mt19937& random, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += ' ';
        text += kWords[random() % kWords.size()];
    }
    return text;
}

std::string entryText(std::mt19937& random, const std::string& id)
{
    const int tracks = 10 + static_cast<int>(random() % 11);
    std::string text = "#FILENAME=" + id + "\n# xmcd\n#\n# Track frame offsets:\n";
    int address = 150;
    for (int track = 0; track < tracks; ++track) {
        text += "#\t" + std::to_string(address) + "\n";
        address += 9000 + static_cast<int>(random() % 15000);
    }
    text += "#\n# Disc length: " + std::to_string(address / 75) + " seconds\n#\n# Revision: "
        + std::to_string(random() % 5) + "\n#\nDISCID=" + id + "\nDTITLE=" + words(random, 2) + " / "
        + words(random, 2) + "\nDYEAR=" + std::to_string(1960 + random() % 60) + "\nDGENRE=Rock\n";
    for (int track = 0; track < tracks; ++track)
        text += "TTITLE" + std::to_string(track) + "=" + words(random, 1 + (random() % 4 == 0)) + "\n";
    text += "EXTD=\n";
    for (int track = 0; track < tracks; ++track)
        text += "EXTT" + std::to_string(track) + "=\n";
    text += "PLAYORDER=\n";
    return text;
}

std::string rangeName(int file)
{
    char name[7];
    std::snprintf(name, sizeof name, "%02xto%02x", file * 16, file * 16 + 15);
    return name;
}

} // namespace

FreedbDump makeFreedbDump(const std::filesystem::path& folder, size_t entriesPerCategory)
{
    namespace fs = std::filesystem;
    FreedbDump dump;
    dump.folder = folder;
    const fs::path marker = folder / ("complete-v2-" + std::to_string(entriesPerCategory));

    std::mt19937 random(kSeed);
    // Identifiers are drawn per file so every file holds the same number of entries; the
    // last identifier of rock's file 7 (70to7f) is the hit.
    const size_t perFile = entriesPerCategory / kFilesPerCategory;
    const bool exists = fs::exists(marker);
    for (const std::string& category : discovant::LocalDatabase::categories()) {
        fs::create_directories(folder / category);
        for (int file = 0; file < kFilesPerCategory; ++file) {
            const fs::path path = folder / category / rangeName(file);
            std::ofstream out;
            if (!exists)
                out.open(path, std::ios::binary | std::ios::trunc);
            for (size_t i = 0; i < perFile; ++i) {
                // The low byte of the identifier is the track count of a real disc; keep
                // identifiers unique by using the entry's position.
                const uint32_t id = (static_cast<uint32_t>(file * 16 + random() % 16) << 24)
                    | (static_cast<uint32_t>(i) << 8) | (random() % 256);
                std::mt19937 entryRandom(id);
                const std::string text = entryText(entryRandom, hex8(id));
                if (!exists)
                    out << text;
                dump.bytes += text.size();
                ++dump.entries;
                if (category == "rock" && file == 7 && i + 1 == perFile) {
                    dump.hitId = hex8(id);
                    dump.hitFile = path;
                }
            }
            if (!exists && !out)
                throw std::runtime_error("cannot write " + path.string());
        }
    }
    // Same first byte as the hit, a middle part no entry has.
    dump.missId = dump.hitId.substr(0, 2) + "ffff" + dump.hitId.substr(6);
    if (!exists)
        std::ofstream(marker) << dump.entries << " entries\n";
    return dump;
}

FreedbDump makeUnixDump(const std::filesystem::path& folder, size_t entriesPerCategory)
{
    namespace fs = std::filesystem;
    FreedbDump dump;
    dump.folder = folder;
    const fs::path marker = folder / ("complete-unix-v1-" + std::to_string(entriesPerCategory));
    const bool exists = fs::exists(marker);
    std::mt19937 random(kSeed);
    for (const std::string& category : discovant::LocalDatabase::categories()) {
        fs::create_directories(folder / category);
        for (size_t i = 0; i < entriesPerCategory; ++i) {
            // Unique per category: the entry's position in the middle bytes.
            const uint32_t id = (static_cast<uint32_t>(random() % 256) << 24)
                | (static_cast<uint32_t>(i) << 8) | (random() % 256);
            const std::string name = hex8(id);
            std::mt19937 entryRandom(id);
            std::string text = entryText(entryRandom, name);
            text.erase(0, text.find('\n') + 1); // no "#FILENAME=" line in this layout
            const fs::path path = folder / category / name;
            if (!exists) {
                std::ofstream out(path, std::ios::binary | std::ios::trunc);
                out << text;
                if (!out)
                    throw std::runtime_error("cannot write " + path.string());
            }
            dump.bytes += text.size();
            ++dump.entries;
            if (category == "rock" && i == entriesPerCategory / 2) {
                dump.hitId = name;
                dump.hitFile = path;
            }
        }
    }
    // The position field of the identifier runs below entriesPerCategory; this one is beyond.
    dump.missId = dump.hitId.substr(0, 2) + "ffff" + dump.hitId.substr(6);
    if (!exists)
        std::ofstream(marker) << dump.entries << " entries\n";
    return dump;
}

} // namespace bench
