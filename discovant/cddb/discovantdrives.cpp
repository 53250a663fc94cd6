// The drive operations of the component: listing drives, reading a disc's TOC and CD-Text
// through the reader the interface setting selects, and the volume serial.
#include "discovant/cddb/discovant.h"
#include "discovant/cddb/threadsettings.h"
#include "discovant/drive/tocreader.h"

#include <exception>
#include <memory>
#include <string_view>

namespace discovant {

namespace {

// A drive here is a device path ("/dev/sr0") or a disc image path ("album.cue"), not a
// drive letter: nothing is cut from it but surrounding blanks, since a path may hold any
// other character.
std::string normalisedDrive(std::string_view drive)
{
    constexpr std::string_view blanks = " \t\r\n";
    const std::size_t first = drive.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return std::string(drive.substr(first, drive.find_last_not_of(blanks) - first + 1));
}

using ReaderFactory = std::unique_ptr<TocReader> (*)();

struct ReaderChoice {
    uCDDBIfc kind;
    ReaderFactory make;
};

// In AUTO the readers are tried from the most capable to the least.
constexpr ReaderChoice kReaders[] = {
    { uCDDBIfc::SPTI, makeSptiReader },
    { uCDDBIfc::ASPI, makeAspiReader },
    { uCDDBIfc::MCI, makeMciReader },
};

// The first reader that `setting` allows (MCI only with `withMci`) and that reads the disc
// in `drive`; nullptr when none does. `kind` tells which one it was.
std::unique_ptr<TocReader> readDisc(const std::string& drive, uCDDBIfc setting, bool withMci, uCDDBIfc& kind)
{
    for (const ReaderChoice& choice : kReaders) {
        if (setting != uCDDBIfc::AUTO && setting != choice.kind)
            continue;
        if (choice.kind == uCDDBIfc::MCI && !withMci)
            continue;
        std::unique_ptr<TocReader> reader = choice.make();
        if (reader && reader->InitMediaToc(drive)) {
            kind = choice.kind;
            return reader;
        }
    }
    return nullptr;
}

} // namespace

std::string Discovant::GetCdRoms() const
{
    try {
        return discovant::GetCdRoms();
    } catch (const std::exception&) {
        return {};
    }
}

std::string Discovant::GetMediaTOC(const std::string& drive)
{
    try {
        const std::string device = normalisedDrive(drive);
        threadSettings().currentDrive = device;
        uCDDBIfc kind = uCDDBIfc::AUTO;
        const auto reader = readDisc(device, CDDBInterface(), true, kind);
        if (!reader)
            return {}; // the stored CD-Text stays as it was
        // The kernel-ioctl reader has no CD-Text; its "" replaces the previous disc's.
        entry_.setCdText(kind == uCDDBIfc::MCI ? std::string() : reader->GetTEXT());
        return reader->GetTOC();
    } catch (const std::exception&) {
        return {};
    }
}

std::string Discovant::GetMediaInfo(const std::string& drive)
{
    try {
        const std::string device = normalisedDrive(drive);
        threadSettings().currentDrive = device;
        return volumeSerial(device);
    } catch (const std::exception&) {
        return {};
    }
}

std::optional<std::string> Discovant::readCurrentDriveCdText() const
{
    try {
        uCDDBIfc kind = uCDDBIfc::AUTO;
        const auto reader = readDisc(threadSettings().currentDrive, CDDBInterface(), false, kind);
        if (reader)
            return reader->GetTEXT();
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

} // namespace discovant
